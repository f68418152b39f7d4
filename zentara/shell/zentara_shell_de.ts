<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="commandline.cpp" line="9"/>
        <source>Open Additional functions</source>
        <translation>Zusatzfunktionen öffnen</translation>
    </message>
    <message>
        <location filename="commandline.cpp" line="10"/>
        <source>Open Daemon control</source>
        <translation>Dienststeuerung öffnen</translation>
    </message>
    <message>
        <location filename="commandline.cpp" line="13"/>
        <source>%1 Zentara command line helper</source>
        <translation>%1 Zentara Kommandozeilenhilfe</translation>
    </message>
</context>
<context>
    <name>LibraryVersion</name>
    <message>
        <location filename="libraryversion.cpp" line="17"/>
        <source>%4 Zentara %1 doesn&apos;t work with
lib%4_api &lt; %2.%3!
use a newer lib%4!</source>
        <translation>%4 Zentara %1 funktioniert nicht mit
lib%4_api &lt; %2.%3!
Bitte verwenden Sie eine neuere lib%4!</translation>
    </message>
</context>
<context>
    <name>QVyroZentara</name>
    <message>
        <location filename="qvyrozentara.cpp" line="337"/>
        <source>%1 Zentara</source>
        <translation>%1 Zentara</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="338"/>
        <source>Camera list</source>
        <translation>Kameraliste</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="339"/>
        <source>Control area</source>
        <translation>Steuerbereich</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="340"/>
        <source>Device details</source>
        <translation>Gerätedetails</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="342"/>
        <source>Expert mode</source>
        <translation>Expertenmodus</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="343"/>
        <source>Show/hide detailed information view</source>
        <translation>Detaillierte Informationsansicht ein-/ausblenden</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="344"/>
        <source>Automatic parameter refresh</source>
        <translation>Automatische Parameteraktualisierung</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="345"/>
        <source>Enables/Disables the automatic refresh of the detailed information view</source>
        <translation>Schaltet die automatische Aktualisierung der detaillierten Informationsansicht ein/aus</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="347"/>
        <source>Camera information</source>
        <translation>Kamerainformationen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="348"/>
        <location filename="qvyrozentara.cpp" line="366"/>
        <source>Show additional camera information</source>
        <translation>Zusätzliche Kamerainformationen anzeigen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="349"/>
        <source>General information</source>
        <translation>Allgemeine Informationen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="350"/>
        <source>Show general information dialog</source>
        <translation>Dialog mit allgemeinen Informationen anzeigen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="351"/>
        <source>Upload starter firmware</source>
        <translation>Starter-Firmware hochladen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="352"/>
        <source>Upload a runtime firmware manually</source>
        <translation>Eine Laufzeit-Firmware manuell hochladen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="353"/>
        <source>Create support file</source>
        <translation>Supportdatei erstellen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="354"/>
        <source>Create a support file with important system
 and %1 information for sending to the %2 support</source>
        <translation>Eine Supportdatei mit wichtigen System-
 und %1-Informationen für den %2 Support erstellen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="357"/>
        <source>Daemon control</source>
        <translation>Dienststeuerung</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="358"/>
        <source>Show control dialog for ETH and USB daemon
e.g. to start/stop the ETH and USB daemon.</source>
        <translation>Steuerdialog für den ETH- und USB-Dienst anzeigen,
z. B. um den ETH- und USB-Dienst zu starten/stoppen.</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="360"/>
        <source>Additional functions</source>
        <translation>Zusatzfunktionen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="361"/>
        <source>Manual ETH configuration</source>
        <translation>Manuelle ETH-Konfiguration</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="362"/>
        <source>Show network device configuration dialog</source>
        <translation>Konfigurationsdialog für Netzwerkgeräte anzeigen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="363"/>
        <source>Automatic ETH configuration</source>
        <translation>Automatische ETH-Konfiguration</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="364"/>
        <source>Automatic network configuration</source>
        <translation>Automatische Netzwerkkonfiguration</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="365"/>
        <source>Additional Camera Info</source>
        <translation>Zusätzliche Kamerainfo</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="367"/>
        <source>Read support file</source>
        <translation>Supportdatei lesen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="368"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="369"/>
        <source>Quits the application window</source>
        <translation>Beendet das Programmfenster</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="374"/>
        <source>The %1 Zentara is running with root privileges!</source>
        <translation>%1 Zentara läuft mit Root-Rechten!</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="501"/>
        <source>%1 ETH daemon connected!&lt;br/&gt;</source>
        <translation>%1 ETH-Dienst verbunden!&lt;br/&gt;</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="502"/>
        <source>%1 ETH daemon disconnected!&lt;br/&gt;</source>
        <translation>%1 ETH-Dienst nicht verbunden!&lt;br/&gt;</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="503"/>
        <source>%1 USB daemon connected!</source>
        <translation>%1 USB-Dienst verbunden!</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="504"/>
        <source>%1 USB daemon disconnected!</source>
        <translation>%1 USB-Dienst nicht verbunden!</translation>
    </message>
</context>
</TS>
