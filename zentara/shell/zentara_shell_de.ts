<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AutoConfigurationController</name>
    <message>
        <location filename="autoconfigurationcontroller.cpp" line="31"/>
        <source>Setting autoconfiguration. Please wait...

This operation may take up to 10 seconds.</source>
        <translation>Automatische Konfiguration wird gesetzt. Bitte warten...

Dieser Vorgang kann bis zu 10 Sekunden dauern.</translation>
    </message>
</context>
<context>
    <name>CameraTable</name>
    <message>
        <location filename="cameratable.cpp" line="102"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="cameratable.cpp" line="159"/>
        <source>The camera list could not be read: %1</source>
        <translation>Die Kameraliste konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="cameratable.cpp" line="166"/>
        <source>No camera: the USB and the GigE driver daemons are both stopped.</source>
        <translation>Keine Kamera: Der USB- und der GigE-Treiberdienst sind beide angehalten.</translation>
    </message>
    <message>
        <location filename="cameratable.cpp" line="167"/>
        <source>No camera is connected.</source>
        <translation>Es ist keine Kamera angeschlossen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="commandline.cpp" line="12"/>
        <source>Open Additional functions</source>
        <translation>Zusatzfunktionen öffnen</translation>
    </message>
    <message>
        <location filename="commandline.cpp" line="13"/>
        <source>Open Daemon control</source>
        <translation>Dienststeuerung öffnen</translation>
    </message>
    <message>
        <location filename="commandline.cpp" line="15"/>
        <source>Print every camera with its status on the terminal and exit</source>
        <translation>Jede Kamera mit ihrem Status im Terminal ausgeben und beenden</translation>
    </message>
    <message>
        <location filename="commandline.cpp" line="16"/>
        <source>Print the camera list as JSON and exit</source>
        <translation>Die Kameraliste als JSON ausgeben und beenden</translation>
    </message>
    <message>
        <location filename="commandline.cpp" line="18"/>
        <source>The language of --list and --json (en or de); without it --list follows the system and --json is English</source>
        <translation>Die Sprache von --list und --json (en oder de); ohne die Option folgt --list dem System und --json ist Englisch</translation>
    </message>
    <message>
        <location filename="commandline.cpp" line="20"/>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="commandline.cpp" line="23"/>
        <source>%1 Zentara command line helper</source>
        <translation>%1 Zentara Kommandozeilenhilfe</translation>
    </message>
</context>
<context>
    <name>FirmwareUploadController</name>
    <message>
        <location filename="firmwareuploadcontroller.cpp" line="68"/>
        <source>Uploading firmware...

Please don&apos;t disconnect the device until this operation is completed.
This may take up to %1 seconds.</source>
        <translation>Firmware wird hochgeladen...

Bitte trennen Sie das Gerät nicht, bevor dieser Vorgang abgeschlossen ist.
Dies kann bis zu %1 Sekunden dauern.</translation>
    </message>
</context>
<context>
    <name>QVyroZentara</name>
    <message>
        <location filename="qvyrozentara.cpp" line="376"/>
        <source>%1 Zentara</source>
        <translation>%1 Zentara</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="377"/>
        <source>Camera list</source>
        <translation>Kameraliste</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="378"/>
        <source>Control area</source>
        <translation>Steuerbereich</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="379"/>
        <source>Device details</source>
        <translation>Gerätedetails</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="381"/>
        <source>Expert mode</source>
        <translation>Expertenmodus</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="382"/>
        <source>Show/hide detailed information view</source>
        <translation>Detaillierte Informationsansicht ein-/ausblenden</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="383"/>
        <source>Automatic parameter refresh</source>
        <translation>Automatische Parameteraktualisierung</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="384"/>
        <source>Enables/Disables the automatic refresh of the detailed information view</source>
        <translation>Schaltet die automatische Aktualisierung der detaillierten Informationsansicht ein/aus</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="386"/>
        <source>Camera information</source>
        <translation>Kamerainformationen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="387"/>
        <location filename="qvyrozentara.cpp" line="405"/>
        <source>Show additional camera information</source>
        <translation>Zusätzliche Kamerainformationen anzeigen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="388"/>
        <source>General information</source>
        <translation>Allgemeine Informationen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="389"/>
        <source>Show general information dialog</source>
        <translation>Dialog mit allgemeinen Informationen anzeigen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="390"/>
        <source>Upload starter firmware</source>
        <translation>Starter-Firmware hochladen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="391"/>
        <source>Upload a runtime firmware manually</source>
        <translation>Eine Laufzeit-Firmware manuell hochladen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="392"/>
        <source>Create support file</source>
        <translation>Supportdatei erstellen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="393"/>
        <source>Create a support file with important system
 and %1 information for sending to the %2 support</source>
        <translation>Eine Supportdatei mit wichtigen System-
 und %1-Informationen für den %2 Support erstellen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="396"/>
        <source>Daemon control</source>
        <translation>Dienststeuerung</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="397"/>
        <source>Show control dialog for ETH and USB daemon
e.g. to start/stop the ETH and USB daemon.</source>
        <translation>Steuerdialog für den ETH- und USB-Dienst anzeigen,
z. B. um den ETH- und USB-Dienst zu starten/stoppen.</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="399"/>
        <source>Additional functions</source>
        <translation>Zusatzfunktionen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="400"/>
        <source>Manual ETH configuration</source>
        <translation>Manuelle ETH-Konfiguration</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="401"/>
        <source>Show network device configuration dialog</source>
        <translation>Konfigurationsdialog für Netzwerkgeräte anzeigen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="402"/>
        <source>Automatic ETH configuration</source>
        <translation>Automatische ETH-Konfiguration</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="403"/>
        <source>Automatic network configuration</source>
        <translation>Automatische Netzwerkkonfiguration</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="404"/>
        <source>Additional Camera Info</source>
        <translation>Zusätzliche Kamerainfo</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="406"/>
        <source>Read support file</source>
        <translation>Supportdatei lesen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="407"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="408"/>
        <source>Quits the application window</source>
        <translation>Beendet das Programmfenster</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="413"/>
        <source>The %1 Zentara is running with root privileges!</source>
        <translation>%1 Zentara läuft mit Root-Rechten!</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="553"/>
        <source>%1 ETH daemon connected!&lt;br/&gt;</source>
        <translation>%1 ETH-Dienst verbunden!&lt;br/&gt;</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="554"/>
        <source>%1 ETH daemon disconnected!&lt;br/&gt;</source>
        <translation>%1 ETH-Dienst nicht verbunden!&lt;br/&gt;</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="555"/>
        <source>%1 USB daemon connected!</source>
        <translation>%1 USB-Dienst verbunden!</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="556"/>
        <source>%1 USB daemon disconnected!</source>
        <translation>%1 USB-Dienst nicht verbunden!</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="666"/>
        <source>Open camera</source>
        <translation>Kamera öffnen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="667"/>
        <source>The viewer program &quot;%1&quot; could not be started. Please check that it is installed and in the program path.</source>
        <translation>Das Anzeigeprogramm &quot;%1&quot; konnte nicht gestartet werden. Bitte prüfen Sie, ob es installiert ist und im Programmpfad liegt.</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="681"/>
        <source>Identifying camera %1 ...</source>
        <translation>Kamera %1 wird identifiziert ...</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="745"/>
        <source>A read-only device of camera %1 was added with camera ID %2; it appears in the list in a moment.</source>
        <translation>Ein Nur-Lese-Gerät der Kamera %1 wurde mit der Kamera-ID %2 hinzugefügt; es erscheint gleich in der Liste.</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="761"/>
        <source>Delete read-only device</source>
        <translation>Nur-Lese-Gerät löschen</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="768"/>
        <source>The read-only device %1 (camera ID %2) was removed.</source>
        <translation>Das Nur-Lese-Gerät %1 (Kamera-ID %2) wurde entfernt.</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="798"/>
        <source>Firmware upload in progress ...</source>
        <translation>Firmware wird hochgeladen ...</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="806"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="806"/>
        <location filename="qvyrozentara.cpp" line="810"/>
        <source>Firmware upload error! %1</source>
        <translation>Fehler beim Hochladen der Firmware! %1</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="812"/>
        <source>Firmware upload successful!</source>
        <translation>Firmware erfolgreich hochgeladen!</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="820"/>
        <source>privileged feature</source>
        <translation>Privilegierte Funktion</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="821"/>
        <source>To use this feature, 
start the %1 with
elevated privileges e.g root or admin!</source>
        <translation>Um diese Funktion zu nutzen, 
starten Sie %1 mit
erhöhten Rechten, z. B. als root oder Administrator!</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="842"/>
        <source>Save support file</source>
        <translation>Supportdatei speichern</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="843"/>
        <source>Support logfile (*.log)</source>
        <translation>Support-Protokolldatei (*.log)</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="878"/>
        <source>Automatic configuration done.

The adapter %1 now gives its cameras the addresses %2 to %3.
Camera %4 has the IP address %5 with the subnet mask %6.</source>
        <translation>Automatische Konfiguration abgeschlossen.

Der Adapter %1 vergibt nun an seine Kameras die Adressen %2 bis %3.
Kamera %4 hat die IP-Adresse %5 mit der Subnetzmaske %6.</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="831"/>
        <source>Support file %1 successfully written!</source>
        <translation>Supportdatei %1 erfolgreich geschrieben!</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="762"/>
        <source>The read-only device %1 could not be removed: %2</source>
        <translation>Das Nur-Lese-Gerät %1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="834"/>
        <source>Root feature</source>
        <translation>Root-Funktion</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="835"/>
        <source>The report generator `vyroreport` is not in its installation directory!
Please check the script path:

%1 and try again.</source>
        <translation>Der Berichtsgenerator `vyroreport` befindet sich nicht in seinem Installationsverzeichnis!
Bitte prüfen Sie den Skriptpfad:

%1 und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="864"/>
        <location filename="qvyrozentara.cpp" line="877"/>
        <source>Automatic configuration</source>
        <translation>Automatische Konfiguration</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="866"/>
        <source>Automatic configuration &amp; Boot boost are not compatible!</source>
        <translation>Automatische Konfiguration und Boot Boost sind nicht kompatibel!</translation>
    </message>
    <message>
        <location filename="qvyrozentara.cpp" line="867"/>
        <source>Automatic configuration can&apos;t be applied!</source>
        <translation>Die automatische Konfiguration kann nicht angewendet werden!</translation>
    </message>
</context>
</TS>
