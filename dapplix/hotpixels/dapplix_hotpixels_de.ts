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
        <location filename="badpixellistmodel.cpp" line="254"/>
        <location filename="badpixellistmodel.cpp" line="335"/>
        <source>Can&apos;t write more than %1 hot pixel entries.</source>
        <translation>Es können nicht mehr als %1 Hotpixel-Einträge geschrieben werden.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="258"/>
        <location filename="badpixellistmodel.cpp" line="264"/>
        <source>Error writing hotpixel list</source>
        <translation>Fehler beim Schreiben der Hotpixel-Liste</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="327"/>
        <source>write to file failed with </source>
        <translation>Schreiben in die Datei fehlgeschlagen mit </translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="354"/>
        <source>load from file failed with </source>
        <translation>Laden aus der Datei fehlgeschlagen mit </translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="385"/>
        <location filename="badpixellistmodel.cpp" line="392"/>
        <source>Can&apos;t open file for writing.</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="399"/>
        <location filename="badpixellistmodel.cpp" line="410"/>
        <source>Can&apos;t open file for reading.</source>
        <translation>Die Datei kann nicht zum Lesen geöffnet werden.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="407"/>
        <source>The file holds more than %1 hot pixel entries.</source>
        <translation>Die Datei enthält mehr als %1 Hotpixel-Einträge.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="413"/>
        <source>The file is not a hot pixel text file (line %1).</source>
        <translation>Die Datei ist keine Hotpixel-Textdatei (Zeile %1).</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="426"/>
        <source>Sort Error</source>
        <translation>Sortierfehler</translation>
    </message>
</context>
<context>
    <name>BadpixelsFile</name>
    <message>
        <location filename="badpixelsfile.cpp" line="41"/>
        <location filename="badpixelsfile.cpp" line="49"/>
        <source>Can&apos;t open file for reading.</source>
        <translation>Die Datei kann nicht zum Lesen geöffnet werden.</translation>
    </message>
    <message>
        <location filename="badpixelsfile.cpp" line="54"/>
        <source>Line %1 is too long for a hot pixel line.</source>
        <translation>Zeile %1 ist zu lang für eine Hotpixel-Zeile.</translation>
    </message>
    <message>
        <location filename="badpixelsfile.cpp" line="63"/>
        <source>Line %1 is not a &quot;column row time&quot; line: %2</source>
        <translation>Zeile %1 ist keine Zeile „Spalte Zeile Zeit“: %2</translation>
    </message>
    <message>
        <location filename="badpixelsfile.cpp" line="65"/>
        <source>Line %1 lies outside the sensor of %2 × %3 pixels: %4</source>
        <translation>Zeile %1 liegt außerhalb des Sensors mit %2 × %3 Pixeln: %4</translation>
    </message>
    <message>
        <location filename="badpixelsfile.cpp" line="71"/>
        <source>Line %1: the file holds more than %2 hot pixels.</source>
        <translation>Zeile %1: Die Datei enthält mehr als %2 Hotpixel.</translation>
    </message>
    <message>
        <location filename="badpixelsfile.cpp" line="83"/>
        <location filename="badpixelsfile.cpp" line="88"/>
        <source>Can&apos;t open file for writing.</source>
        <translation>Die Datei kann nicht zum Schreiben geöffnet werden.</translation>
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
