<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BadpixelListModel</name>
    <message>
        <location filename="badpixellistmodel.cpp" line="24"/>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="24"/>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="24"/>
        <source>class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="209"/>
        <source>The hot pixel list of the camera could not be read (%1). The list shown may be incomplete; it is not written to the camera until it has been read.</source>
        <translation>Die Hotpixel-Liste der Kamera konnte nicht gelesen werden (%1). Die angezeigte Liste ist möglicherweise unvollständig; sie wird nicht in die Kamera geschrieben, bis sie gelesen wurde.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="256"/>
        <source>Can&apos;t write more than %1 hot pixel entries.</source>
        <translation>Es können nicht mehr als %1 Hotpixel-Einträge geschrieben werden.</translation>
    </message>
    <message>
        <location filename="badpixellistmodel.cpp" line="327"/>
        <source>Sort Error</source>
        <translation>Sortierfehler</translation>
    </message>
</context>
<context>
    <name>BadpixelTextFile</name>
    <message>
        <location filename="badpixeltextfile.cpp" line="62"/>
        <location filename="badpixeltextfile.cpp" line="68"/>
        <source>The file is not a hot pixel text file (line %1).</source>
        <translation>Die Datei ist keine Hotpixel-Textdatei (Zeile %1).</translation>
    </message>
    <message>
        <location filename="badpixeltextfile.cpp" line="74"/>
        <source>Line %1 is not an &quot;x y&quot; or &quot;x y class&quot; line: %2</source>
        <translation>Zeile %1 ist keine Zeile der Form „x y“ oder „x y Klasse“: %2</translation>
    </message>
    <message>
        <location filename="badpixeltextfile.cpp" line="78"/>
        <source>Line %1 lies outside the sensor of %2 × %3 pixels: %4</source>
        <translation>Zeile %1 liegt außerhalb des Sensors mit %2 × %3 Pixeln: %4</translation>
    </message>
    <message>
        <location filename="badpixeltextfile.cpp" line="84"/>
        <source>The file holds more than %1 hot pixel entries.</source>
        <translation>Die Datei enthält mehr als %1 Hotpixel-Einträge.</translation>
    </message>
</context>
<context>
    <name>BadpixelsFile</name>
    <message>
        <location filename="badpixelsfile.cpp" line="44"/>
        <source>Line %1 is too long for a hot pixel line.</source>
        <translation>Zeile %1 ist zu lang für eine Hotpixel-Zeile.</translation>
    </message>
    <message>
        <location filename="badpixelsfile.cpp" line="54"/>
        <source>Line %1 is not a &quot;column row time&quot; line: %2</source>
        <translation>Zeile %1 ist keine Zeile „Spalte Zeile Zeit“: %2</translation>
    </message>
    <message>
        <location filename="badpixelsfile.cpp" line="56"/>
        <source>Line %1 lies outside the sensor of %2 × %3 pixels: %4</source>
        <translation>Zeile %1 liegt außerhalb des Sensors mit %2 × %3 Pixeln: %4</translation>
    </message>
    <message>
        <location filename="badpixelsfile.cpp" line="62"/>
        <source>Line %1: the file holds more than %2 hot pixels.</source>
        <translation>Zeile %1: Die Datei enthält mehr als %2 Hotpixel.</translation>
    </message>
</context>
<context>
    <name>CameraBadpixelList</name>
    <message>
        <location filename="camerabadpixellist.cpp" line="42"/>
        <source>asking for the number of entries failed: %1</source>
        <translation>Abfragen der Anzahl der Einträge fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="camerabadpixellist.cpp" line="45"/>
        <source>the camera reports %1 entries, more than the %2 this program can read</source>
        <translation>die Kamera meldet %1 Einträge, mehr als die %2, die dieses Programm lesen kann</translation>
    </message>
    <message>
        <location filename="camerabadpixellist.cpp" line="57"/>
        <source>reading the entries failed: %1</source>
        <translation>Lesen der Einträge fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="camerabadpixellist.cpp" line="63"/>
        <source>the list kept changing while it was read</source>
        <translation>die Liste änderte sich fortlaufend, während sie gelesen wurde</translation>
    </message>
    <message>
        <location filename="camerabadpixellist.cpp" line="78"/>
        <source>factory list: %1</source>
        <translation>Werksliste: %1</translation>
    </message>
    <message>
        <location filename="camerabadpixellist.cpp" line="82"/>
        <source>user list: %1</source>
        <translation>Benutzerliste: %1</translation>
    </message>
    <message>
        <location filename="camerabadpixellist.cpp" line="91"/>
        <location filename="camerabadpixellist.cpp" line="141"/>
        <source>Can&apos;t write more than %1 hot pixel entries.</source>
        <translation>Es können nicht mehr als %1 Hotpixel-Einträge geschrieben werden.</translation>
    </message>
    <message>
        <location filename="camerabadpixellist.cpp" line="102"/>
        <source>Error writing hotpixel list</source>
        <translation>Fehler beim Schreiben der Hotpixel-Liste</translation>
    </message>
    <message>
        <location filename="camerabadpixellist.cpp" line="133"/>
        <source>write to file failed: %1</source>
        <translation>Schreiben in die Datei fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="camerabadpixellist.cpp" line="166"/>
        <source>load from file failed: %1</source>
        <translation>Laden aus der Datei fehlgeschlagen: %1</translation>
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
