<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DeviceInfoView</name>
    <message>
        <location filename="deviceinfoview.cpp" line="53"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="deviceinfoview.cpp" line="53"/>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <location filename="deviceinfoview.cpp" line="58"/>
        <source>Device ID</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <location filename="deviceinfoview.cpp" line="59"/>
        <source>Camera ID</source>
        <translation>Kamera-ID</translation>
    </message>
    <message>
        <location filename="deviceinfoview.cpp" line="60"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="deviceinfoview.cpp" line="61"/>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location filename="deviceinfoview.cpp" line="62"/>
        <source>Sensor ID</source>
        <translation>Sensor-ID</translation>
    </message>
    <message>
        <location filename="deviceinfoview.cpp" line="63"/>
        <source>Device type</source>
        <translation>Gerätetyp</translation>
    </message>
</context>
</TS>
