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
    <name>GeneralInfoDlg</name>
    <message>
        <location filename="generalinfodlg.cpp" line="80"/>
        <source>General information</source>
        <translation>Allgemeine Informationen</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="89"/>
        <source>Camera management for %1 cameras over USB and GigE.</source>
        <translation>Kameraverwaltung für %1-Kameras über USB und GigE.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="93"/>
        <source>Copyright %1. This program is provided as is, without warranty of any kind.</source>
        <translation>Copyright %1. Dieses Programm wird ohne Gewähr und ohne jede Garantie bereitgestellt.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="101"/>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="107"/>
        <source>Download updates</source>
        <translation>Updates herunterladen</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="109"/>
        <source>Check updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="117"/>
        <source>%1 drivers and 3rd party interfaces</source>
        <translation>%1-Treiber und Schnittstellen von Drittanbietern</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="119"/>
        <source>USB controller and network adapters</source>
        <translation>USB-Controller und Netzwerkadapter</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="158"/>
        <source>Searching USB controllers...</source>
        <translation>USB-Controller werden gesucht...</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="201"/>
        <location filename="generalinfodlg.cpp" line="237"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="202"/>
        <source>Min. SDK version</source>
        <translation>Min. SDK-Version</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="218"/>
        <source>Not Found!</source>
        <translation>Nicht gefunden!</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="218"/>
        <source>Found at: %1</source>
        <translation>Gefunden in: %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="222"/>
        <source>Build architecture</source>
        <translation>Build-Architektur</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="223"/>
        <source>Current architecture</source>
        <translation>Aktuelle Architektur</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="224"/>
        <source>Host name</source>
        <translation>Hostname</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="225"/>
        <source>Endianess</source>
        <translation>Byte-Reihenfolge</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="225"/>
        <source>Little</source>
        <translation>Little Endian</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="225"/>
        <source>Big</source>
        <translation>Big Endian</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="227"/>
        <source>Kernel</source>
        <translation>Kernel</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="229"/>
        <source>Product name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="237"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="239"/>
        <source>Latest version</source>
        <translation>Neueste Version</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="249"/>
        <source>%1 Zentara</source>
        <translation>%1 Zentara</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="250"/>
        <source>%1 drivers</source>
        <translation>%1-Treiber</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="251"/>
        <source>Operating system</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="274"/>
        <source>%1 (update available)</source>
        <translation>%1 (Update verfügbar)</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="279"/>
        <source>A newer version than the installed one is available.</source>
        <translation>Eine neuere als die installierte Version ist verfügbar.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="305"/>
        <source>USB interface(s)</source>
        <translation>USB-Schnittstelle(n)</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="312"/>
        <source>USB 1.0 host controller</source>
        <translation>USB-1.0-Host-Controller</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="313"/>
        <source>USB 2.0 host controller</source>
        <translation>USB-2.0-Host-Controller</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="314"/>
        <source>USB 3.0 host controller</source>
        <translation>USB-3.0-Host-Controller</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="315"/>
        <source>USB 3.1 host controller</source>
        <translation>USB-3.1-Host-Controller</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="339"/>
        <source>No USB controller found</source>
        <translation>Kein USB-Controller gefunden</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="342"/>
        <source>Network adapter(s)</source>
        <translation>Netzwerkadapter</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="349"/>
        <source>MAC address:   %1</source>
        <translation>MAC-Adresse:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="350"/>
        <source>Adapter:   %1</source>
        <translation>Adapter:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="351"/>
        <source>DHCP:   %1</source>
        <translation>DHCP:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="351"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="351"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="354"/>
        <source>IP address:   %1</source>
        <translation>IP-Adresse:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="355"/>
        <source>IP subnetmask:   %1</source>
        <translation>IP-Subnetzmaske:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="362"/>
        <source>No network adapter found</source>
        <translation>Kein Netzwerkadapter gefunden</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="389"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="390"/>
        <source>Unable to check updates. Error: %1</source>
        <translation>Die Suche nach Updates ist nicht möglich. Fehler: %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="398"/>
        <source>Checking for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="434"/>
        <source>The update file is larger than %1 KiB; the download was stopped.</source>
        <translation>Die Update-Datei ist größer als %1 KiB; der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="438"/>
        <source>Unable to check updates: %1</source>
        <translation>Die Suche nach Updates ist nicht möglich: %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="442"/>
        <source>The update server sent an empty file.</source>
        <translation>Der Update-Server hat eine leere Datei gesendet.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="445"/>
        <source>The update server&apos;s answer is not an update file.</source>
        <translation>Die Antwort des Update-Servers ist keine Update-Datei.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="464"/>
        <source>The update file lists no version of the installed parts.</source>
        <translation>Die Update-Datei nennt keine Version der installierten Komponenten.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="467"/>
        <source>Newer versions are available; see the column &quot;Latest version&quot; and use &quot;Download updates&quot;.</source>
        <translation>Neuere Versionen sind verfügbar; siehe Spalte &quot;Neueste Version&quot; und &quot;Updates herunterladen&quot;.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="471"/>
        <source>The installed versions are up to date.</source>
        <translation>Die installierten Versionen sind aktuell.</translation>
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
