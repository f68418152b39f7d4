<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DeviceInfoModel</name>
    <message>
        <location filename="deviceinfomodel.cpp" line="26"/>
        <source>Ready to operate</source>
        <translation>Betriebsbereit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="27"/>
        <source>Testing current IP</source>
        <translation>Aktuelle IP wird geprüft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="28"/>
        <source>Testing persistent IP</source>
        <translation>Persistente IP wird geprüft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="29"/>
        <source>Testing IP range</source>
        <translation>IP-Bereich wird geprüft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="30"/>
        <source>Current IP address not applicable</source>
        <translation>Aktuelle IP-Adresse nicht anwendbar</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="31"/>
        <source>Persistent IP address not applicable</source>
        <translation>Persistente IP-Adresse nicht anwendbar</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="32"/>
        <source>IP range not applicable</source>
        <translation>IP-Bereich nicht anwendbar</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="33"/>
        <source>Multicast mode enabled</source>
        <translation>Multicast-Modus aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="34"/>
        <source>Unpaired</source>
        <translation>Nicht gekoppelt</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="35"/>
        <location filename="deviceinfomodel.cpp" line="63"/>
        <source>Pairing in progress</source>
        <translation>Kopplung läuft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="36"/>
        <location filename="deviceinfomodel.cpp" line="64"/>
        <source>Paired</source>
        <translation>Gekoppelt</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="37"/>
        <source>Force 100Mbps</source>
        <translation>100 Mbit/s erzwungen</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="38"/>
        <source>No COM port</source>
        <translation>Kein COM-Port</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="39"/>
        <source>Needs firmware addon</source>
        <translation>Benötigt Firmware-Erweiterung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="40"/>
        <source>Receiving starter firmware</source>
        <translation>Empfängt Starter-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="41"/>
        <source>Receiving runtime firmware</source>
        <translation>Empfängt Laufzeit-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="42"/>
        <source>Inapplicable runtime firmware</source>
        <translation>Unpassende Laufzeit-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="43"/>
        <source>Inapplicable starter firmware</source>
        <translation>Unpassende Starter-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="44"/>
        <source>Rebooting to runtime firmware</source>
        <translation>Neustart in die Laufzeit-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="45"/>
        <source>Rebooting to starter firmware</source>
        <translation>Neustart in die Starter-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="46"/>
        <source>Rebooting to failsafe firmware</source>
        <translation>Neustart in die Notfall-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="47"/>
        <source>Testing FPGA Firmware</source>
        <translation>FPGA-Firmware wird geprüft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="48"/>
        <source>Receiving addon firmware</source>
        <translation>Empfängt Firmware-Erweiterung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="49"/>
        <source>Inapplicable addon firmware</source>
        <translation>Unpassende Firmware-Erweiterung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="50"/>
        <source>Hardware configuration error</source>
        <translation>Fehler in der Hardwarekonfiguration</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="51"/>
        <source>Runtime firmware error 0</source>
        <translation>Laufzeit-Firmware-Fehler 0</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="55"/>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="56"/>
        <source>Accessible 1</source>
        <translation>Erreichbar 1</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="57"/>
        <source>Accessible 2</source>
        <translation>Erreichbar 2</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="58"/>
        <source>Persistent IP address used</source>
        <translation>Persistente IP-Adresse verwendet</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="59"/>
        <source>Compatible</source>
        <translation>Kompatibel</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="60"/>
        <source>Adapter uses DHCP</source>
        <translation>Adapter verwendet DHCP</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="61"/>
        <source>Adapter settings OK</source>
        <translation>Adaptereinstellungen in Ordnung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="62"/>
        <source>Unpairing in progress</source>
        <translation>Entkopplung läuft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="65"/>
        <source>Opened</source>
        <translation>Geöffnet</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="66"/>
        <source>Upload starter firmware</source>
        <translation>Starter-Firmware hochladen</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="67"/>
        <source>Upload runtime firmware</source>
        <translation>Laufzeit-Firmware hochladen</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="68"/>
        <source>Rebooting</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="69"/>
        <source>Boot boost enabled</source>
        <translation>Boot-Boost aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="70"/>
        <source>Boot boost used</source>
        <translation>Boot-Boost verwendet</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="71"/>
        <source>Initialized</source>
        <translation>Initialisiert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="72"/>
        <source>To be deleted</source>
        <translation>Wird gelöscht</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="73"/>
        <source>To be removed</source>
        <translation>Wird entfernt</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="77"/>
        <source>Supported</source>
        <translation>Unterstützt</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="78"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="79"/>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="111"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="111"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="125"/>
        <source>Invalid - temperature sensor defect!</source>
        <translation>Ungültig - Temperatursensor defekt!</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="127"/>
        <source>Invalid - temperature sensor to high!</source>
        <translation>Ungültig - Temperatursensor zu hoch!</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="136"/>
        <source>High Speed (USB 2.0)</source>
        <translation>High Speed (USB 2.0)</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="138"/>
        <source>SuperSpeed USB 5 Gbps</source>
        <translation>SuperSpeed USB 5 Gbit/s</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="161"/>
        <source>true</source>
        <translation>wahr</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="162"/>
        <source>false</source>
        <translation>falsch</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="193"/>
        <location filename="deviceinfomodel.cpp" line="268"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="194"/>
        <location filename="deviceinfomodel.cpp" line="269"/>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="214"/>
        <source>no sensor</source>
        <translation>kein Sensor</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="217"/>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="224"/>
        <source>%1%2C (%3%4F)</source>
        <translation>%1%2C (%3%4F)</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="376"/>
        <location filename="deviceinfomodel.cpp" line="429"/>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="377"/>
        <location filename="deviceinfomodel.cpp" line="431"/>
        <location filename="deviceinfomodel.cpp" line="497"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="378"/>
        <location filename="deviceinfomodel.cpp" line="451"/>
        <source>Sensor ID</source>
        <translation>Sensor-ID</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="379"/>
        <source>Device type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="384"/>
        <location filename="deviceinfomodel.cpp" line="440"/>
        <source>Camera temperature</source>
        <translation>Kameratemperatur</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="386"/>
        <location filename="deviceinfomodel.cpp" line="432"/>
        <source>Starter firmware version</source>
        <translation>Version der Starter-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="388"/>
        <location filename="deviceinfomodel.cpp" line="434"/>
        <source>Runtime firmware version</source>
        <translation>Version der Laufzeit-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="391"/>
        <location filename="deviceinfomodel.cpp" line="438"/>
        <source>COM port number</source>
        <translation>COM-Port-Nummer</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="394"/>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="396"/>
        <source>Link speed</source>
        <translation>Verbindungsgeschwindigkeit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="399"/>
        <location filename="deviceinfomodel.cpp" line="529"/>
        <source>Local driver</source>
        <translation>Lokaler Treiber</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="400"/>
        <source>USB version</source>
        <translation>USB-Version</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="402"/>
        <location filename="deviceinfomodel.cpp" line="532"/>
        <source>Min. compatible starter FW</source>
        <translation>Min. kompatible Starter-FW</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="404"/>
        <location filename="deviceinfomodel.cpp" line="534"/>
        <source>Max. compatible starter FW</source>
        <translation>Max. kompatible Starter-FW</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="417"/>
        <source>Controller: </source>
        <translation>Controller: </translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="418"/>
        <source>Root hub: </source>
        <translation>Root-Hub: </translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="421"/>
        <source>Hub: </source>
        <translation>Hub: </translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="422"/>
        <source>Device: </source>
        <translation>Gerät: </translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="436"/>
        <source>User EEPROM (8 chars)</source>
        <translation>Benutzer-EEPROM (8 Zeichen)</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="442"/>
        <source>Device status flags</source>
        <translation>Gerätestatus-Flags</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="445"/>
        <source>Device control status</source>
        <translation>Gerätesteuerstatus</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="450"/>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="453"/>
        <source>Image memory size</source>
        <translation>Bildspeichergröße</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="454"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="456"/>
        <location filename="deviceinfomodel.cpp" line="507"/>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="457"/>
        <location filename="deviceinfomodel.cpp" line="508"/>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="458"/>
        <source>Current IP address</source>
        <translation>Aktuelle IP-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="460"/>
        <source>Current Subnetmask</source>
        <translation>Aktuelle Subnetzmaske</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="463"/>
        <source>Persistent IP address</source>
        <translation>Persistente IP-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="465"/>
        <source>Persistent IP subnetmask</source>
        <translation>Persistente IP-Subnetzmaske</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="467"/>
        <source>DHCP FSM state</source>
        <translation>DHCP-Zustandsautomat</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="470"/>
        <source>DHCP state</source>
        <translation>DHCP-Status</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="472"/>
        <source>DHCP server IP</source>
        <translation>IP des DHCP-Servers</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="474"/>
        <source>DHCP lease time</source>
        <translation>DHCP-Lease-Zeit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="476"/>
        <source>DHCP T1 time</source>
        <translation>DHCP-T1-Zeit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="477"/>
        <source>DHCP T2 time</source>
        <translation>DHCP-T2-Zeit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="478"/>
        <location filename="deviceinfomodel.cpp" line="512"/>
        <source>IP range begin</source>
        <translation>Beginn des IP-Bereichs</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="480"/>
        <location filename="deviceinfomodel.cpp" line="514"/>
        <source>IP range end</source>
        <translation>Ende des IP-Bereichs</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="483"/>
        <source>Paired host MAC address</source>
        <translation>MAC-Adresse des gekoppelten Hosts</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="487"/>
        <source>Paired host IP address</source>
        <translation>IP-Adresse des gekoppelten Hosts</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="490"/>
        <source>Multicast IP address</source>
        <translation>Multicast-IP-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="492"/>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="493"/>
        <source>%1 Mbits/s</source>
        <translation>%1 Mbit/s</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="496"/>
        <source>Local network adapter</source>
        <translation>Lokaler Netzwerkadapter</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="498"/>
        <source>Designation</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="499"/>
        <source>DHCP enabled</source>
        <translation>DHCP aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="502"/>
        <source>Number of known devices</source>
        <translation>Anzahl bekannter Geräte</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="504"/>
        <source>Number of paired devices</source>
        <translation>Anzahl gekoppelter Geräte</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="509"/>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="510"/>
        <source>IP subnetmask</source>
        <translation>IP-Subnetzmaske</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="516"/>
        <source>IP range valid</source>
        <translation>IP-Bereich gültig</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="519"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="521"/>
        <source>Multicast Enabled</source>
        <translation>Multicast aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="526"/>
        <source>Adapter link speed</source>
        <translation>Verbindungsgeschwindigkeit des Adapters</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="527"/>
        <source>%1 Mbit/s</source>
        <translation>%1 Mbit/s</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="530"/>
        <source>ETH version</source>
        <translation>ETH-Version</translation>
    </message>
</context>
<context>
    <name>DeviceInfoView</name>
    <message>
        <location filename="deviceinfoview.cpp" line="31"/>
        <location filename="deviceinfoview.cpp" line="96"/>
        <source>Copy item values</source>
        <translation>Werte kopieren</translation>
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
