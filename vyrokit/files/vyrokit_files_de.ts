<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FileReader</name>
    <message>
        <location filename="filereader.cpp" line="35"/>
        <source>The file %1 could not be read: %2.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location filename="filereader.cpp" line="50"/>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <location filename="filereader.cpp" line="52"/>
        <source>it is not a regular file but a device or a pipe</source>
        <translation>sie ist keine gewöhnliche Datei, sondern ein Gerät oder eine Pipe</translation>
    </message>
    <message>
        <location filename="filereader.cpp" line="53"/>
        <source>it is larger than %1 bytes</source>
        <translation>sie ist größer als %1 Bytes</translation>
    </message>
</context>
<context>
    <name>FileWriter</name>
    <message>
        <location filename="filewriter.cpp" line="60"/>
        <location filename="filewriter.cpp" line="77"/>
        <location filename="filewriter.cpp" line="101"/>
        <source>The file %1 was not written: %2.</source>
        <translation>Die Datei %1 wurde nicht geschrieben: %2.</translation>
    </message>
    <message>
        <location filename="filewriter.cpp" line="60"/>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
</context>
</TS>
