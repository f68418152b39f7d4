<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QIpEdit</name>
    <message>
        <location filename="qipedit.cpp" line="+59"/>
        <source>Clear the address</source>
        <translation>Adresse löschen</translation>
    </message>
</context>
</TS>
