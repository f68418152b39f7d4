<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EthConfig</name>
    <message>
        <location filename="ethconfig.cpp" line="57"/>
        <source>Manual ETH Configuration</source>
        <translation>Manuelle ETH-Konfiguration</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="77"/>
        <source>Adapter settings</source>
        <translation>Adaptereinstellungen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="79"/>
        <source>IP range begin</source>
        <translation>IP-Bereich Anfang</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="82"/>
        <location filename="ethconfig.cpp" line="100"/>
        <source>Suggest</source>
        <translation>Vorschlagen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="84"/>
        <source>IP range end</source>
        <translation>IP-Bereich Ende</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="94"/>
        <source>Device settings</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="97"/>
        <source>Persistent IP</source>
        <translation>Persistente IP</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="102"/>
        <source>Subnetmask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="111"/>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="113"/>
        <source>Enable DHCP</source>
        <translation>DHCP aktivieren</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="119"/>
        <source>Multicast settings</source>
        <translation>Multicast-Einstellungen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="121"/>
        <source>Multicast IP</source>
        <translation>Multicast-IP</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="122"/>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="126"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="134"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="197"/>
        <source>Device ID: %1</source>
        <translation>Geräte-ID: %1</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="226"/>
        <source>The camera has no persistent IP address and uses an address from the IP range</source>
        <translation>Die Kamera hat keine persistente IP-Adresse und verwendet eine Adresse aus dem IP-Bereich</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="228"/>
        <source>The camera uses the persistent IP address</source>
        <translation>Die Kamera verwendet die persistente IP-Adresse</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="256"/>
        <source>Checking IP addresses. Please wait...</source>
        <translation>IP-Adressen werden geprüft. Bitte warten...</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="257"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="366"/>
        <source>Set persistent IP</source>
        <translation>Persistente IP setzen</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="367"/>
        <source>The given address %1 is not a suitable IP for
the adapter with address %2 / %3!
Do you want to continue anyway?</source>
        <translation>Die angegebene Adresse %1 ist keine geeignete IP für
den Adapter mit der Adresse %2 / %3!
Trotzdem fortfahren?</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="382"/>
        <location filename="ethconfig.cpp" line="400"/>
        <location filename="ethconfig.cpp" line="413"/>
        <location filename="ethconfig.cpp" line="424"/>
        <location filename="ethconfig.cpp" line="432"/>
        <location filename="ethconfig.cpp" line="440"/>
        <location filename="ethconfig.cpp" line="476"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="383"/>
        <source>Setting of the persistent IP address or subnetmask failed.
Errorcode: %1</source>
        <translation>Das Setzen der persistenten IP-Adresse oder Subnetzmaske ist fehlgeschlagen.
Fehlercode: %1</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="401"/>
        <source>The IP range begin must be less than or equal to the IP range end!</source>
        <translation>Der Anfang des IP-Bereichs muss kleiner oder gleich dem Ende des IP-Bereichs sein!</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="414"/>
        <location filename="ethconfig.cpp" line="451"/>
        <source>Setting of the automatic configuration range failed.
Errorcode: %1</source>
        <translation>Das Setzen des Bereichs für die automatische Konfiguration ist fehlgeschlagen.
Fehlercode: %1</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="425"/>
        <source>The IP range end must not be equal to the
broadcast address of the subnet!</source>
        <translation>Das Ende des IP-Bereichs darf nicht gleich der
Broadcast-Adresse des Subnetzes sein!</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="433"/>
        <source>The IP range end must not be equal to the
broadcast address of the subnet!
And the host part of the IP range must not start with 0!</source>
        <translation>Das Ende des IP-Bereichs darf nicht gleich der
Broadcast-Adresse des Subnetzes sein!
Und der Hostanteil des IP-Bereichs darf nicht mit 0 beginnen!</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="441"/>
        <source>The host part of the IP range must not start with 0!</source>
        <translation>Der Hostanteil des IP-Bereichs darf nicht mit 0 beginnen!</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="450"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="477"/>
        <source>Setting Multicast IP failed with code %1.
Likely an invalid IP?</source>
        <translation>Das Setzen der Multicast-IP ist mit Code %1 fehlgeschlagen.
Vermutlich eine ungültige IP?</translation>
    </message>
    <message>
        <location filename="ethconfig.cpp" line="487"/>
        <source>Error enabling Multicast
code %1</source>
        <translation>Fehler beim Aktivieren von Multicast
Code %1</translation>
    </message>
</context>
<context>
    <name>QIpEdit</name>
    <message>
        <location filename="qipedit.cpp" line="68"/>
        <source>Clear the address</source>
        <translation>Adresse löschen</translation>
    </message>
</context>
</TS>
