<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DetectionDialogue</name>
    <message>
        <location filename="detectiondialogue.cpp" line="35"/>
        <source>Hot pixel detection</source>
        <translation>Hotpixel-Erkennung</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="51"/>
        <source>Cover the sensor completely during capturing!
</source>
        <translation>Decken Sie den Sensor während der Aufnahme vollständig ab!
</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="53"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="55"/>
        <source>Threshold</source>
        <translation>Schwellwert</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="66"/>
        <source>Clear old hot pixel list</source>
        <translation>Alte Hotpixel-Liste löschen</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="84"/>
        <source>Detection</source>
        <translation>Erkennung</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="92"/>
        <location filename="detectiondialogue.cpp" line="187"/>
        <location filename="detectiondialogue.cpp" line="205"/>
        <source>Hot pixel detected: %1</source>
        <translation>Erkannte Hotpixel: %1</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="107"/>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="148"/>
        <source>Pixels above the threshold: -</source>
        <translation>Pixel über dem Schwellwert: -</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="150"/>
        <source>Pixels above the threshold: %1</source>
        <translation>Pixel über dem Schwellwert: %1</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="156"/>
        <source>Averages of the last run&apos;s %1 frames</source>
        <translation>Mittelwerte der %1 Bilder des letzten Durchlaufs</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="157"/>
        <source>Live frame</source>
        <translation>Live-Bild</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="186"/>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="238"/>
        <source>Hot pixel detected: -</source>
        <translation>Erkannte Hotpixel: -</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="262"/>
        <source>The camera was disconnected during the detection.</source>
        <translation>Die Kamera wurde während der Erkennung getrennt.</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="263"/>
        <source> Please restart detection.</source>
        <translation> Bitte starten Sie die Erkennung neu.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="mainwindow.cpp" line="27"/>
        <source>Vyro Dapplix</source>
        <translation>Vyro Dapplix</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="79"/>
        <location filename="mainwindow.cpp" line="137"/>
        <source>Frames: %1</source>
        <translation>Bilder: %1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="91"/>
        <source>No camera found.</source>
        <translation>Keine Kamera gefunden.</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="98"/>
        <source>Camera %1 (%2) open</source>
        <translation>Kamera %1 (%2) geöffnet</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="102"/>
        <source>The camera could not be opened: %1</source>
        <translation>Die Kamera konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="119"/>
        <source>The camera was disconnected. The image continues when it is connected again.</source>
        <translation>Die Kamera wurde getrennt. Das Bild geht weiter, sobald sie wieder verbunden ist.</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="125"/>
        <source>The camera is connected again.</source>
        <translation>Die Kamera ist wieder verbunden.</translation>
    </message>
</context>
<context>
    <name>ThresholdHistogram</name>
    <message>
        <location filename="thresholdhistogram.cpp" line="66"/>
        <source>Pixels (logarithmic)</source>
        <translation>Pixel (logarithmisch)</translation>
    </message>
    <message>
        <location filename="thresholdhistogram.cpp" line="67"/>
        <source>Level above the colour plane&apos;s mean</source>
        <translation>Wert über dem Mittelwert der Farbebene</translation>
    </message>
    <message>
        <location filename="thresholdhistogram.cpp" line="111"/>
        <source>No image</source>
        <translation>Kein Bild</translation>
    </message>
</context>
</TS>
