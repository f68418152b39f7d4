<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>main</name>
    <message>
        <location filename="main.cpp" line="42"/>
        <source>Vyro Dapplix, the hot pixel editor: finds, edits and stores the hot pixels of Vyro cameras.</source>
        <oldsource>Vyro Dapplix, the hot pixel editor: opens the first free camera and edits its hot pixel list.</oldsource>
        <translation>Vyro Dapplix, der Hotpixel-Editor: findet, bearbeitet und speichert die Hotpixel von Vyro-Kameras.</translation>
    </message>
</context>
</TS>
