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
        <location filename="generalinfodlg.cpp" line="79"/>
        <source>General information</source>
        <translation>Allgemeine Informationen</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="88"/>
        <source>Camera management for %1 cameras over USB and GigE.</source>
        <translation>Kameraverwaltung für %1-Kameras über USB und GigE.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="91"/>
        <source>Copyright %1. This program is provided as is, without warranty of any kind.</source>
        <translation>Copyright %1. Dieses Programm wird ohne Gewähr und ohne jede Garantie bereitgestellt.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="99"/>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="105"/>
        <source>Download updates</source>
        <translation>Updates herunterladen</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="107"/>
        <source>Check updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="115"/>
        <source>%1 drivers and 3rd party interfaces</source>
        <translation>%1-Treiber und Schnittstellen von Drittanbietern</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="117"/>
        <source>USB controller and network adapters</source>
        <translation>USB-Controller und Netzwerkadapter</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="153"/>
        <source>Searching USB controllers...</source>
        <translation>USB-Controller werden gesucht...</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="197"/>
        <location filename="generalinfodlg.cpp" line="233"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="198"/>
        <source>Min. SDK version</source>
        <translation>Min. SDK-Version</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="214"/>
        <source>Not Found!</source>
        <translation>Nicht gefunden!</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="214"/>
        <source>Found at: %1</source>
        <translation>Gefunden in: %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="218"/>
        <source>Build architecture</source>
        <translation>Build-Architektur</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="219"/>
        <source>Current architecture</source>
        <translation>Aktuelle Architektur</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="220"/>
        <source>Host name</source>
        <translation>Hostname</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="221"/>
        <source>Endianess</source>
        <translation>Byte-Reihenfolge</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="221"/>
        <source>Little</source>
        <translation>Little Endian</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="221"/>
        <source>Big</source>
        <translation>Big Endian</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="223"/>
        <source>Kernel</source>
        <translation>Kernel</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="225"/>
        <source>Product name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="233"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="235"/>
        <source>Latest version</source>
        <translation>Neueste Version</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="245"/>
        <source>%1 Zentara</source>
        <translation>%1 Zentara</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="246"/>
        <source>%1 drivers</source>
        <translation>%1-Treiber</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="247"/>
        <source>Operating system</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="270"/>
        <source>%1 (update available)</source>
        <translation>%1 (Update verfügbar)</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="275"/>
        <source>A newer version than the installed one is available.</source>
        <translation>Eine neuere als die installierte Version ist verfügbar.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="301"/>
        <source>USB interface(s)</source>
        <translation>USB-Schnittstelle(n)</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="308"/>
        <source>USB 1.0 host controller</source>
        <translation>USB-1.0-Host-Controller</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="309"/>
        <source>USB 2.0 host controller</source>
        <translation>USB-2.0-Host-Controller</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="310"/>
        <source>USB 3.0 host controller</source>
        <translation>USB-3.0-Host-Controller</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="311"/>
        <source>USB 3.1 host controller</source>
        <translation>USB-3.1-Host-Controller</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="335"/>
        <source>No USB controller found</source>
        <translation>Kein USB-Controller gefunden</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="338"/>
        <source>Network adapter(s)</source>
        <translation>Netzwerkadapter</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="345"/>
        <source>MAC address:   %1</source>
        <translation>MAC-Adresse:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="346"/>
        <source>Adapter:   %1</source>
        <translation>Adapter:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="347"/>
        <source>DHCP:   %1</source>
        <translation>DHCP:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="347"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="347"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="350"/>
        <source>IP address:   %1</source>
        <translation>IP-Adresse:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="351"/>
        <source>IP subnetmask:   %1</source>
        <translation>IP-Subnetzmaske:   %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="358"/>
        <source>No network adapter found</source>
        <translation>Kein Netzwerkadapter gefunden</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="385"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="386"/>
        <source>Unable to check updates. Error: %1</source>
        <translation>Die Suche nach Updates ist nicht möglich. Fehler: %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="394"/>
        <source>Checking for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="430"/>
        <source>The update file is larger than %1 KiB; the download was stopped.</source>
        <translation>Die Update-Datei ist größer als %1 KiB; der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="434"/>
        <source>Unable to check updates: %1</source>
        <translation>Die Suche nach Updates ist nicht möglich: %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="438"/>
        <source>The update server sent an empty file.</source>
        <translation>Der Update-Server hat eine leere Datei gesendet.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="441"/>
        <source>The update server&apos;s answer is not an update file.</source>
        <translation>Die Antwort des Update-Servers ist keine Update-Datei.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="460"/>
        <source>The update file lists no version of the installed parts.</source>
        <translation>Die Update-Datei nennt keine Version der installierten Komponenten.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="463"/>
        <source>Newer versions are available; see the column &quot;Latest version&quot; and use &quot;Download updates&quot;.</source>
        <translation>Neuere Versionen sind verfügbar; siehe Spalte &quot;Neueste Version&quot; und &quot;Updates herunterladen&quot;.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="467"/>
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
