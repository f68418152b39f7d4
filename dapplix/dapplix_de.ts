<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>main</name>
    <message>
        <location filename="main.cpp" line="55"/>
        <source>Vyro Dapplix</source>
        <translation>Vyro Dapplix</translation>
    </message>
    <message>
        <location filename="main.cpp" line="78"/>
        <location filename="main.cpp" line="95"/>
        <source>Frames: %1</source>
        <translation>Bilder: %1</translation>
    </message>
    <message>
        <location filename="main.cpp" line="105"/>
        <source>No camera found.</source>
        <translation>Keine Kamera gefunden.</translation>
    </message>
    <message>
        <location filename="main.cpp" line="112"/>
        <source>Camera %1 (%2) open</source>
        <translation>Kamera %1 (%2) geöffnet</translation>
    </message>
    <message>
        <location filename="main.cpp" line="117"/>
        <source>The camera could not be opened: %1</source>
        <translation>Die Kamera konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
</TS>
