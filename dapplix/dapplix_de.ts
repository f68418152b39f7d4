<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>main</name>
    <message>
        <location filename="main.cpp" line="40"/>
        <source>Vyro Dapplix, the hot pixel editor: opens the first free camera and edits its hot pixel list.</source>
        <translation>Vyro Dapplix, der Hotpixel-Editor: öffnet die erste freie Kamera und bearbeitet ihre Hotpixel-Liste.</translation>
    </message>
</context>
</TS>
