<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BadpixelDetector</name>
    <message>
        <location filename="badpixeldetector.cpp" line="53"/>
        <source>Color mode for hot pixel detection not supported.</source>
        <translation>Der Farbmodus wird für die Hotpixel-Erkennung nicht unterstützt.</translation>
    </message>
    <message>
        <location filename="badpixeldetector.cpp" line="85"/>
        <source>No images acquired for hot pixel detection.</source>
        <translation>Für die Hotpixel-Erkennung wurden keine Bilder aufgenommen.</translation>
    </message>
    <message>
        <location filename="badpixeldetector.cpp" line="88"/>
        <location filename="badpixeldetector.cpp" line="118"/>
        <source>Image format for hot pixel detection not supported.</source>
        <translation>Das Bildformat wird für die Hotpixel-Erkennung nicht unterstützt.</translation>
    </message>
    <message>
        <location filename="badpixeldetector.cpp" line="115"/>
        <source>Aqcuired images are not the same size.</source>
        <translation>Die aufgenommenen Bilder sind nicht gleich groß.</translation>
    </message>
    <message>
        <location filename="hotpixeldetector.cpp" line="40"/>
        <source>Not instanced.</source>
        <translation>Nicht angelegt.</translation>
    </message>
</context>
<context>
    <name>DetectionRun</name>
    <message>
        <location filename="detectionrun.cpp" line="89"/>
        <source>No image has been received from the camera. Please restart detection.</source>
        <translation>Von der Kamera ist kein Bild eingetroffen. Bitte starten Sie die Erkennung neu.</translation>
    </message>
    <message>
        <location filename="detectionrun.cpp" line="100"/>
        <source>Detection failed</source>
        <translation>Erkennung fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="detectionrun.cpp" line="101"/>
        <source>Too many hot pixel have been found.
Please make sure that the sensor is completely obscured and the threshold is not too low.</source>
        <translation>Es wurden zu viele Hotpixel gefunden.
Bitte stellen Sie sicher, dass der Sensor vollständig abgedeckt und die Schwelle nicht zu niedrig ist.</translation>
    </message>
    <message>
        <location filename="detectionrun.cpp" line="126"/>
        <source> Please restart detection.</source>
        <translation> Bitte starten Sie die Erkennung neu.</translation>
    </message>
</context>
</TS>
