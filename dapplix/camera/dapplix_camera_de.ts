<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>dapplix::Camera</name>
    <message>
        <location filename="camera.cpp" line="82"/>
        <source>Upload of new firmware required. (approx. %1 seconds)</source>
        <translation>Hochladen neuer Firmware erforderlich. (ca. %1 Sekunden)</translation>
    </message>
    <message>
        <location filename="camera.cpp" line="96"/>
        <source>Could not initialize camera.</source>
        <translation>Die Kamera konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <location filename="camera.cpp" line="103"/>
        <source>Unsupported camera type</source>
        <translation>Nicht unterstützter Kameratyp</translation>
    </message>
    <message>
        <location filename="camera.cpp" line="118"/>
        <source>Color Mode not supported.</source>
        <translation>Farbmodus nicht unterstützt.</translation>
    </message>
    <message>
        <location filename="camera.cpp" line="410"/>
        <source>Can&apos;t open camera parameter file.</source>
        <translation>Die Kameraparameterdatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="imagememory.cpp" line="12"/>
        <source>Can&apos;t allocate image memory.</source>
        <translation>Bildspeicher kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="imagesequence.cpp" line="22"/>
        <source>Can&apos;t add buffer to sequence.</source>
        <translation>Puffer kann nicht zur Sequenz hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>dapplix::CameraListModel</name>
    <message>
        <location filename="cameralistmodel.cpp" line="13"/>
        <source>Cam</source>
        <translation>Kam</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="13"/>
        <source>Dev</source>
        <translation>Ger</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="13"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="13"/>
        <source>SerNo</source>
        <translation>SerNr</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="14"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="34"/>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="35"/>
        <source>opened</source>
        <translation>geöffnet</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="35"/>
        <source>in use</source>
        <translation>belegt</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="84"/>
        <source>Can&apos;t get number of cameras.</source>
        <translation>Die Anzahl der Kameras kann nicht ermittelt werden.</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="85"/>
        <source>Can&apos;t get camera list.</source>
        <translation>Die Kameraliste kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="150"/>
        <source>Sort Error</source>
        <translation>Sortierfehler</translation>
    </message>
</context>
</TS>
