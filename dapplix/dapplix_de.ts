<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>main</name>
    <message>
        <source>Vyro Dapplix</source>
        <translation>Vyro Dapplix</translation>
    </message>
    <message>
        <source>Frames: %1</source>
        <translation>Bilder: %1</translation>
    </message>
    <message>
        <source>No camera found.</source>
        <translation>Keine Kamera gefunden.</translation>
    </message>
    <message>
        <source>Camera %1 (%2) open</source>
        <translation>Kamera %1 (%2) geöffnet</translation>
    </message>
    <message>
        <source>The camera could not be opened: %1</source>
        <translation>Die Kamera konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
</TS>
