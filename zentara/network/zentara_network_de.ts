<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DaemonConfigFile</name>
    <message>
        <location filename="daemonconfigfile.cpp" line="172"/>
        <source>%1: no permission to write</source>
        <translation>%1: keine Berechtigung zum Schreiben</translation>
    </message>
    <message>
        <location filename="daemonconfigfile.cpp" line="175"/>
        <source>%1: does not read as a configuration file and is left as it is</source>
        <translation>%1: ist keine lesbare Konfigurationsdatei und bleibt unverändert</translation>
    </message>
    <message>
        <location filename="daemonconfigfile.cpp" line="204"/>
        <source>%1: &quot;%2&quot; is not a name of a network interface</source>
        <translation>%1: „%2“ ist kein Name einer Netzwerkschnittstelle</translation>
    </message>
</context>
<context>
    <name>EthConfig</name>
    <message>
        <location filename="ethconfig.cpp" line="62"/>
        <source>Manual ETH Configuration</source>
        <translation>Manuelle ETH-Konfiguration</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="82"/>
        <source>Adapter settings</source>
        <translation>Adaptereinstellungen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="84"/>
        <source>IP range begin</source>
        <translation>IP-Bereich Anfang</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="87"/>
        <location filename="ethconfig.cpp" line="105"/>
        <source>Suggest</source>
        <translation>Vorschlagen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="89"/>
        <source>IP range end</source>
        <translation>IP-Bereich Ende</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="99"/>
        <source>Device settings</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="102"/>
        <source>Persistent IP</source>
        <translation>Persistente IP</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="107"/>
        <source>Subnetmask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="116"/>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="118"/>
        <source>Enable DHCP</source>
        <translation>DHCP aktivieren</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="124"/>
        <source>Multicast settings</source>
        <translation>Multicast-Einstellungen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="126"/>
        <source>Multicast IP</source>
        <translation>Multicast-IP</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="127"/>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="131"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="139"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="209"/>
        <source>Device ID: %1</source>
        <translation>Geräte-ID: %1</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="238"/>
        <source>The camera has no persistent IP address and uses an address from the IP range</source>
        <translation>Die Kamera hat keine persistente IP-Adresse und verwendet eine Adresse aus dem IP-Bereich</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="240"/>
        <source>The camera uses the persistent IP address</source>
        <translation>Die Kamera verwendet die persistente IP-Adresse</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="268"/>
        <source>Checking IP addresses. Please wait...</source>
        <translation>IP-Adressen werden geprüft. Bitte warten...</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="269"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="429"/>
        <source>Set persistent IP</source>
        <translation>Persistente IP setzen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="430"/>
        <source>The given address %1 is not a suitable IP for
the adapter with address %2 / %3!
Do you want to continue anyway?</source>
        <translation>Die angegebene Adresse %1 ist keine geeignete IP für
den Adapter mit der Adresse %2 / %3!
Trotzdem fortfahren?</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="450"/>
        <source>Setting of the persistent IP address or subnetmask failed.
%1</source>
        <translation>Das Setzen der persistenten IP-Adresse oder Subnetzmaske ist fehlgeschlagen.
%1</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="473"/>
        <source>Setting of the automatic configuration range failed.
%1</source>
        <translation>Das Setzen des Bereichs für die automatische Konfiguration ist fehlgeschlagen.
%1</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="500"/>
        <source>Setting Multicast IP failed: %1
Likely an invalid IP?</source>
        <translation>Das Setzen der Multicast-IP ist fehlgeschlagen: %1
Vermutlich eine ungültige IP?</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="511"/>
        <source>Error enabling Multicast
%1</source>
        <translation>Fehler beim Aktivieren von Multicast
%1</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="556"/>
        <source>%1: %2
Nothing has been written.</source>
        <translation>%1: %2
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="568"/>
        <source>%1 is not an address: each of its four numbers must be 0 to 255.</source>
        <translation>%1 ist keine Adresse: Jede ihrer vier Zahlen muss zwischen 0 und 255 liegen.</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="577"/>
        <source>%1 is not a multicast address; those are 224.0.0.0 to 239.255.255.255.</source>
        <translation>%1 ist keine Multicast-Adresse; diese reichen von 224.0.0.0 bis 239.255.255.255.</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="584"/>
        <source>%1 is not a subnet mask such as 255.255.255.0.</source>
        <translation>%1 ist keine Subnetzmaske wie etwa 255.255.255.0.</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="590"/>
        <source>%1 cannot be the address of a camera: addresses beginning with 0, 127 or 224 to 255 are not given to devices.</source>
        <translation>%1 kann nicht die Adresse einer Kamera sein: Adressen, die mit 0, 127 oder 224 bis 255 beginnen, werden keinem Gerät zugewiesen.</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="598"/>
        <source>%1 cannot be the address of a camera: with the subnet mask %2 it is the address of the subnet itself or its broadcast address.</source>
        <translation>%1 kann nicht die Adresse einer Kamera sein: Mit der Subnetzmaske %2 ist sie die Adresse des Subnetzes selbst oder dessen Broadcast-Adresse.</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="389"/>
        <location filename="ethconfig.cpp" line="399"/>
        <location filename="ethconfig.cpp" line="407"/>
        <location filename="ethconfig.cpp" line="415"/>
        <location filename="ethconfig.cpp" line="449"/>
        <location filename="ethconfig.cpp" line="472"/>
        <location filename="ethconfig.cpp" line="499"/>
        <location filename="ethconfig.cpp" line="510"/>
        <location filename="ethconfig.cpp" line="555"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="390"/>
        <source>The IP range begin must be less than or equal to the IP range end!</source>
        <translation>Der Anfang des IP-Bereichs muss kleiner oder gleich dem Ende des IP-Bereichs sein!</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="400"/>
        <source>The IP range end must not be equal to the
broadcast address of the subnet!</source>
        <translation>Das Ende des IP-Bereichs darf nicht gleich der
Broadcast-Adresse des Subnetzes sein!</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="408"/>
        <source>The IP range end must not be equal to the
broadcast address of the subnet!
And the host part of the IP range must not start with 0!</source>
        <translation>Das Ende des IP-Bereichs darf nicht gleich der
Broadcast-Adresse des Subnetzes sein!
Und der Hostanteil des IP-Bereichs darf nicht mit 0 beginnen!</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="416"/>
        <source>The host part of the IP range must not start with 0!</source>
        <translation>Der Hostanteil des IP-Bereichs darf nicht mit 0 beginnen!</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="472"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>EthDaemonConfig</name>
    <message>
        <location filename="ethdaemonconfig.cpp" line="57"/>
        <source>Daemon control and network configuration</source>
        <translation>Daemon-Steuerung und Netzwerkkonfiguration</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="91"/>
        <source>Network adapters</source>
        <translation>Netzwerkadapter</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="98"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="109"/>
        <source>Network Adapter</source>
        <translation>Netzwerkadapter</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="112"/>
        <source>MAC Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="113"/>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="114"/>
        <source>IP Subnetmask</source>
        <translation>IP-Subnetzmaske</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="123"/>
        <source>Disable for this adapter</source>
        <translation>Für diesen Adapter deaktivieren</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="125"/>
        <source>Apply IP settings</source>
        <translation>IP-Einstellungen übernehmen</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="127"/>
        <source>Activate DHCP</source>
        <translation>DHCP aktivieren</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="129"/>
        <source>Use 2k Jumbo Packets</source>
        <translation>2k-Jumbo-Pakete verwenden</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="137"/>
        <source>Packetfilter</source>
        <translation>Paketfilter</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="140"/>
        <source>Pass all</source>
        <translation>Alle durchlassen</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="141"/>
        <source>Block VYGET</source>
        <translation>VYGET blockieren</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="142"/>
        <source>Block all</source>
        <translation>Alle blockieren</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="149"/>
        <source>Restart with elevated privileges!</source>
        <translation>Mit erhöhten Rechten neu starten!</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="177"/>
        <source>Daemon control</source>
        <translation>Daemon-Steuerung</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="205"/>
        <source>Network adapter(s)</source>
        <translation>Netzwerkadapter</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="243"/>
        <source>daemon</source>
        <translation>Daemon</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="245"/>
        <source>The GigE %1 %3 is currently active on %2 network adapters. It should be enabled for all adapters with GigE %1 cameras connected to and disabled for the others. To enable or disable the %3 for an adapter, select this adapter from the list above and click the &apos;enable/disable GigE %1 %3 for this adapter&apos; button below.</source>
        <translation>Der GigE-%1-%3 ist zurzeit auf %2 Netzwerkadaptern aktiv. Er sollte für alle Adapter aktiviert sein, an die GigE-%1-Kameras angeschlossen sind, und für alle anderen deaktiviert. Um den %3 für einen Adapter zu aktivieren oder zu deaktivieren, wählen Sie diesen Adapter in der Liste oben aus und klicken Sie unten auf die Schaltfläche zum Aktivieren bzw. Deaktivieren des GigE-%1-%3 für diesen Adapter.</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="259"/>
        <source>To start/stop the %3 or to enable/disable the GigE %1 %3 for an adapter, you have to start the %2 with elevated privileges!</source>
        <translation>Um den %3 zu starten oder zu stoppen oder den GigE-%1-%3 für einen Adapter zu aktivieren oder zu deaktivieren, müssen Sie %2 mit erhöhten Rechten starten!</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="301"/>
        <source>Please choose a network adapter from the list</source>
        <translation>Bitte wählen Sie einen Netzwerkadapter aus der Liste</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="320"/>
        <source>Enable for adapter</source>
        <translation>Für Adapter aktivieren</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="326"/>
        <source>Disable for adapter</source>
        <translation>Für Adapter deaktivieren</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="357"/>
        <source>MTU: %1 bytes</source>
        <translation>MTU: %1 Bytes</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="357"/>
        <source>MTU: unknown</source>
        <translation>MTU: unbekannt</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="363"/>
        <source>The MTU of %1 (%2 bytes) is below the packet size of %3 bytes chosen. Raise the adapter&apos;s MTU to at least %3 bytes, or the images will arrive incomplete.</source>
        <translation>Die MTU von %1 (%2 Bytes) ist kleiner als die gewählte Paketgröße von %3 Bytes. Erhöhen Sie die MTU des Adapters auf mindestens %3 Bytes, sonst kommen die Bilder unvollständig an.</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="390"/>
        <source>root feature</source>
        <translation>Root-Funktion</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="391"/>
        <source>Modification on the ETH daemon
configuration file is only
possible when the ETH daemon
is stopped!</source>
        <translation>Die Konfigurationsdatei des
ETH-Daemons kann nur geändert
werden, wenn der ETH-Daemon
gestoppt ist!</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="407"/>
        <source>The adapters of the GigE daemon could not be changed.

%1</source>
        <translation>Die Adapter des GigE-Daemons konnten nicht geändert werden.

%1</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="416"/>
        <source>Stop ETH daemon</source>
        <translation>ETH-Daemon stoppen</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="416"/>
        <source>Start ETH daemon</source>
        <translation>ETH-Daemon starten</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="418"/>
        <source>Stop USB daemon</source>
        <translation>USB-Daemon stoppen</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="418"/>
        <source>Start USB daemon</source>
        <translation>USB-Daemon starten</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="439"/>
        <source>Permission error</source>
        <translation>Berechtigungsfehler</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="440"/>
        <source>Don&apos;t have enough privileges. Are you root?</source>
        <translation>Keine ausreichenden Rechte. Sind Sie root?</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="466"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="467"/>
        <source>The network adapter is not configured to use packets larger than the normal size of 1,5 KB.

Please set the packet size to at least 2 KB.</source>
        <translation>Der Netzwerkadapter ist nicht für Pakete eingerichtet, die größer als die normale Größe von 1,5 KB sind.

Bitte stellen Sie die Paketgröße auf mindestens 2 KB ein.</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="496"/>
        <source>Setting Packetfilter failed: %1</source>
        <translation>Das Setzen des Paketfilters ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="406"/>
        <location filename="ethdaemonconfig.cpp" line="495"/>
        <location filename="ethdaemonconfig.cpp" line="505"/>
        <location filename="ethdaemonconfig.cpp" line="511"/>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="505"/>
        <source>Setting static ip failed!</source>
        <translation>Das Setzen der statischen IP ist fehlgeschlagen!</translation>
    </message>
    <message>
        <location filename="ethdaemonconfig.cpp" line="511"/>
        <source>Setting DHCP enabled failed!</source>
        <translation>Das Aktivieren von DHCP ist fehlgeschlagen!</translation>
    </message>
</context>
<context>
    <name>MulticastDialog</name>
    <message>
        <location filename="multicastdialog.cpp" line="21"/>
        <source>Add multicast</source>
        <translation>Multicast hinzufügen</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="26"/>
        <source>Refuse incomplete Images</source>
        <translation>Unvollständige Bilder verwerfen</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="27"/>
        <source>Ignore image errors</source>
        <translation>Bildfehler ignorieren</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="28"/>
        <source>Merge Mode - Release on complete</source>
        <translation>Zusammenführen - Freigabe bei vollständigem Bild</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="29"/>
        <source>Merge Mode - Release on new image</source>
        <translation>Zusammenführen - Freigabe bei neuem Bild</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="31"/>
        <source>Add read-only Device</source>
        <translation>Nur-Lese-Gerät hinzufügen</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="34"/>
        <source>Camera ID:</source>
        <translation>Kamera-ID:</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="35"/>
        <source>Error handling:</source>
        <translation>Fehlerbehandlung:</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="47"/>
        <source>Something went wrong</source>
        <translation>Etwas ist schiefgegangen</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="49"/>
        <source>Invalid Parameter</source>
        <translation>Ungültiger Parameter</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="51"/>
        <source>Needs more ram</source>
        <translation>Benötigt mehr Arbeitsspeicher</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="53"/>
        <location filename="multicastdialog.cpp" line="68"/>
        <source>Maybe not supported for this camera</source>
        <translation>Für diese Kamera möglicherweise nicht unterstützt</translation>
    </message>
    <message>
        <location filename="multicastdialog.cpp" line="68"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>QIpEdit</name>
    <message>
        <location filename="qipedit.cpp" line="106"/>
        <source>Clear the address</source>
        <translation>Adresse löschen</translation>
    </message>
    <message>
        <location filename="qipedit.cpp" line="296"/>
        <source>An address is four numbers from 0 to 255</source>
        <translation>Eine Adresse besteht aus vier Zahlen von 0 bis 255</translation>
    </message>
</context>
</TS>
