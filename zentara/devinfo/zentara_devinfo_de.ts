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
<context>
    <name>UsbTopology</name>
    <message>
        <location filename="usbtopology.cpp" line="241"/>
        <source>Bus %1 ID %2:%3 %4 %5</source>
        <translation>Bus %1 ID %2:%3 %4 %5</translation>
    </message>
    <message>
        <location filename="usbtopology.cpp" line="247"/>
        <source>Port %1 ID %2:%3 %4 %5</source>
        <translation>Port %1 ID %2:%3 %4 %5</translation>
    </message>
</context>
</TS>
