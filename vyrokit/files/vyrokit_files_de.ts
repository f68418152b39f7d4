<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FileReader</name>
    <message>
        <location filename="filereader.cpp" line="50"/>
        <source>is a folder, not a file</source>
        <translation>ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <location filename="filereader.cpp" line="52"/>
        <source>is not a regular file (a device or a pipe)</source>
        <translation>ist keine gewöhnliche Datei (ein Gerät oder eine Pipe)</translation>
    </message>
    <message>
        <location filename="filereader.cpp" line="53"/>
        <source>is larger than %1 bytes</source>
        <translation>ist größer als %1 Bytes</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <location filename="filewriter.cpp" line="60"/>
        <source>is not a regular file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
</context>
</TS>
