<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DetectionDialogue</name>
    <message>
        <location filename="detectiondialogue.cpp" line="36"/>
        <source>Hot pixel detection</source>
        <translation>Hotpixel-Erkennung</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="52"/>
        <source>Cover the sensor completely during capturing!
</source>
        <translation>Decken Sie den Sensor während der Aufnahme vollständig ab!
</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="54"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="57"/>
        <source>Threshold</source>
        <translation>Schwellwert</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="67"/>
        <source>Clear old hot pixel list</source>
        <translation>Alte Hotpixel-Liste löschen</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="85"/>
        <source>Detection</source>
        <translation>Erkennung</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="93"/>
        <location filename="detectiondialogue.cpp" line="182"/>
        <location filename="detectiondialogue.cpp" line="200"/>
        <source>Hot pixel detected: %1</source>
        <translation>Erkannte Hotpixel: %1</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="108"/>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="142"/>
        <source>Pixels above the threshold: -</source>
        <translation>Pixel über dem Schwellwert: -</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="144"/>
        <source>Pixels above the threshold: %1</source>
        <translation>Pixel über dem Schwellwert: %1</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="150"/>
        <source>Averages of the last run&apos;s %1 frames</source>
        <translation>Mittelwerte der %1 Bilder des letzten Durchlaufs</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="151"/>
        <source>Live frame</source>
        <translation>Live-Bild</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="181"/>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="233"/>
        <source>Hot pixel detected: -</source>
        <translation>Erkannte Hotpixel: -</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="257"/>
        <source>The camera was disconnected during the detection.</source>
        <translation>Die Kamera wurde während der Erkennung getrennt.</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="258"/>
        <source> Please restart detection.</source>
        <translation> Bitte starten Sie die Erkennung neu.</translation>
    </message>
</context>
<context>
    <name>MagnifierControl</name>
    <message>
        <location filename="magnifiercontrol.cpp" line="79"/>
        <source>Click to center</source>
        <translation>Zum Zentrieren klicken</translation>
    </message>
    <message>
        <location filename="magnifiercontrol.cpp" line="80"/>
        <source>Bayer Color:</source>
        <translation>Bayer-Farbe:</translation>
    </message>
    <message>
        <location filename="magnifiercontrol.cpp" line="81"/>
        <source>Value: </source>
        <translation>Wert: </translation>
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
    <name>ParameterBlockWidget</name>
    <message>
        <location filename="parameterblockwidget.cpp" line="73"/>
        <source>Framerate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <location filename="parameterblockwidget.cpp" line="74"/>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <location filename="parameterblockwidget.cpp" line="75"/>
        <source>Mastergain</source>
        <translation>Hauptverstärkung</translation>
    </message>
</context>
<context>
    <name>ThresholdHistogram</name>
    <message>
        <location filename="thresholdhistogram.cpp" line="68"/>
        <source>Pixels (logarithmic)</source>
        <translation>Pixel (logarithmisch)</translation>
    </message>
    <message>
        <location filename="thresholdhistogram.cpp" line="69"/>
        <source>Level above the colour plane&apos;s mean</source>
        <translation>Wert über dem Mittelwert der Farbebene</translation>
    </message>
    <message>
        <location filename="thresholdhistogram.cpp" line="126"/>
        <source>No image</source>
        <translation>Kein Bild</translation>
    </message>
</context>
</TS>
