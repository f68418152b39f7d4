<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MagnifierControl</name>
    <message>
        <location filename="magnifiercontrol.cpp" line="91"/>
        <source>Click to center</source>
        <translation>Klicken zum Zentrieren</translation>
    </message>
    <message>
        <location filename="magnifiercontrol.cpp" line="92"/>
        <source>Bayer Color:</source>
        <translation>Bayer-Farbe:</translation>
    </message>
    <message>
        <location filename="magnifiercontrol.cpp" line="93"/>
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
        <translation>Gesamtverstärkung</translation>
    </message>
</context>
</TS>
