<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BadpixelListModel</name>
    <message>
        <location filename="badpixellistmodel.cpp" line="39"/>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="39"/>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="39"/>
        <source>class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="253"/>
        <location filename="badpixellistmodel.cpp" line="334"/>
        <source>Can&apos;t write more than %1 hot pixel entries.</source>
        <translation>Es können nicht mehr als %1 Hotpixel-Einträge geschrieben werden.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="257"/>
        <location filename="badpixellistmodel.cpp" line="263"/>
        <source>Error writing hotpixel list</source>
        <translation>Fehler beim Schreiben der Hotpixel-Liste</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="326"/>
        <source>write to file failed with </source>
        <translation>Schreiben in die Datei fehlgeschlagen mit </translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="353"/>
        <source>load from file failed with </source>
        <translation>Laden aus der Datei fehlgeschlagen mit </translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="384"/>
        <location filename="badpixellistmodel.cpp" line="391"/>
        <source>Can&apos;t open file for writing.</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="398"/>
        <location filename="badpixellistmodel.cpp" line="409"/>
        <source>Can&apos;t open file for reading.</source>
        <translation>Die Datei kann nicht zum Lesen geöffnet werden.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="406"/>
        <source>The file holds more than %1 hot pixel entries.</source>
        <translation>Die Datei enthält mehr als %1 Hotpixel-Einträge.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="412"/>
        <source>The file is not a hot pixel text file (line %1).</source>
        <translation>Die Datei ist keine Hotpixel-Textdatei (Zeile %1).</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="425"/>
        <source>Sort Error</source>
        <translation>Sortierfehler</translation>
    </message>
</context>
<context>
    <name>PixelclassDelegate</name>
    <message>
        <location filename="pixelclassdelegate.cpp" line="8"/>
        <source>factory</source>
        <translation>Werk</translation>
    </message>
    <message>
        <location filename="pixelclassdelegate.cpp" line="9"/>
        <source>user</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <location filename="pixelclassdelegate.cpp" line="10"/>
        <source>ignore</source>
        <translation>ignorieren</translation>
    </message>
</context>
</TS>
