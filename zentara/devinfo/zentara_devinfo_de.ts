<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdditionalCameraInfo</name>
    <message>
        <location filename="additionalcamerainfo.cpp" line="34"/>
        <source>Additional camera information</source>
        <translation>Zusätzliche Kamerainformationen</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="59"/>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="61"/>
        <source>Device ID</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="63"/>
        <source>Camera ID</source>
        <translation>Kamera-ID</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="65"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="66"/>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="68"/>
        <source>CAMINFO struct</source>
        <translation>CAMINFO-Struktur</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="72"/>
        <source>64 (USB)</source>
        <translation>64 (USB)</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="74"/>
        <source>128 (ETH)</source>
        <translation>128 (ETH)</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="78"/>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="80"/>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="82"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="83"/>
        <source>Date endtest</source>
        <translation>Datum Endprüfung</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="85"/>
        <source>Camera type</source>
        <translation>Kameratyp</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="87"/>
        <source>REVISIONINFO struct</source>
        <translation>REVISIONINFO-Struktur</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="90"/>
        <source>DSP(Blackfin)</source>
        <translation>DSP (Blackfin)</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="91"/>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="92"/>
        <source>proces. Board</source>
        <translation>Verarb.-Platine</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="93"/>
        <source>DSP Firmware</source>
        <translation>DSP-Firmware</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="94"/>
        <source>Sensor Board</source>
        <translation>Sensorplatine</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="95"/>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="96"/>
        <source>Cypress</source>
        <translation>Cypress</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="97"/>
        <source>Logic Board</source>
        <translation>Logikplatine</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="98"/>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="99"/>
        <source>USB Board</source>
        <translation>USB-Platine</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="100"/>
        <source>Memory Board</source>
        <translation>Speicherplatine</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="101"/>
        <source>Case</source>
        <translation>Gehäuse</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="102"/>
        <source>Timing Board</source>
        <translation>Timing-Platine</translation>
    </message>
    <message>
        <location filename="additionalcamerainfo.cpp" line="103"/>
        <source>Power Board</source>
        <translation>Stromversorgungsplatine</translation>
    </message>
</context>
<context>
    <name>CameraInfo</name>
    <message>
        <location filename="camerainfo.cpp" line="68"/>
        <source>Camera Info - %1</source>
        <translation>Kamerainfo - %1</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="94"/>
        <source>The EEPROM holds Latin-1 characters only; &quot;%1&quot; is not one of them.</source>
        <translation>Das EEPROM speichert nur Latin-1-Zeichen; „%1“ gehört nicht dazu.</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="107"/>
        <source>&quot;%1&quot; is not hexadecimal: &quot;%2&quot; is no digit 0-9 or A-F.</source>
        <translation>„%1“ ist nicht hexadezimal: „%2“ ist keine Ziffer 0-9 oder A-F.</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="108"/>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="118"/>
        <source>&quot;%1&quot; ends in half a byte: each byte takes two hexadecimal digits.</source>
        <translation>„%1“ endet mit einem halben Byte: Jedes Byte braucht zwei Hexadezimalziffern.</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="132"/>
        <source>Device ID: %1</source>
        <translation>Geräte-ID: %1</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="139"/>
        <source>Valid range is 1 to 254</source>
        <translation>Gültiger Bereich ist 1 bis 254</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="140"/>
        <source>EEPROM content (max. 64 character)</source>
        <translation>EEPROM-Inhalt (max. 64 Zeichen)</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="142"/>
        <source>Show hex instead of latin1</source>
        <translation>Hex statt Latin-1 anzeigen</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="144"/>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="145"/>
        <source>Date of QC</source>
        <translation>Datum der Qualitätskontrolle</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="146"/>
        <source>Camera ID</source>
        <translation>Kamera-ID</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="151"/>
        <source>Liquid lens</source>
        <translation>Flüssiglinse</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="153"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="154"/>
        <source>Arctic 25 H</source>
        <translation>Arctic 25 H</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="155"/>
        <source>Arctic 39 N</source>
        <translation>Arctic 39 N</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="157"/>
        <source>Liquid lens type:</source>
        <translation>Flüssiglinsentyp:</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="159"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="160"/>
        <source>Parameter set 1</source>
        <translation>Parametersatz 1</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="161"/>
        <source>Default parameter set</source>
        <translation>Standard-Parametersatz</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="162"/>
        <source>Delete parameter set</source>
        <translation>Parametersatz löschen</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="168"/>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="169"/>
        <source>Enable camera memory</source>
        <translation>Kameraspeicher aktivieren</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="173"/>
        <source>FPN calibration</source>
        <translation>FPN-Kalibrierung</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="177"/>
        <source>Run FPN calibration</source>
        <translation>FPN-Kalibrierung starten</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="178"/>
        <source>Enable FPN correction data loading</source>
        <translation>Laden der FPN-Korrekturdaten aktivieren</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="246"/>
        <source>Firmware update needed</source>
        <translation>Firmware-Aktualisierung erforderlich</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="247"/>
        <source>The camera needs a firmware update to continue. The upload may take a couple of seconds. Don&apos;t disconnect the camera from the PC or turn off the power supply in this time!</source>
        <translation>Die Kamera benötigt eine Firmware-Aktualisierung, um fortzufahren. Das Hochladen kann einige Sekunden dauern. Trennen Sie die Kamera in dieser Zeit nicht vom PC und schalten Sie die Stromversorgung nicht aus!</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="256"/>
        <source>Getting Camera Info failed!</source>
        <translation>Kamerainformationen konnten nicht gelesen werden!</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="257"/>
        <source>Camera Info could not be opened.
%1</source>
        <translation>Kamerainfo konnte nicht geöffnet werden.
%1</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="362"/>
        <source>Liquid lens configuration</source>
        <translation>Flüssiglinsenkonfiguration</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="363"/>
        <source>Can&apos;t read liquid lens configuration, even though it is supported. Disabling control!</source>
        <translation>Die Flüssiglinsenkonfiguration kann nicht gelesen werden, obwohl sie unterstützt wird. Die Steuerung wird deaktiviert!</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="425"/>
        <source>Enable memory compatibility mode in additional functions for this to work!</source>
        <translation>Aktivieren Sie dafür den Speicher-Kompatibilitätsmodus in den zusätzlichen Funktionen!</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="455"/>
        <source>Not supported</source>
        <translation>Nicht unterstützt</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="463"/>
        <source>Factory calibrated</source>
        <translation>Werkseitig kalibriert</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="463"/>
        <source>Calibrated</source>
        <translation>Kalibriert</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="465"/>
        <source>Uncalibrated</source>
        <translation>Nicht kalibriert</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="478"/>
        <source>The EEPROM content is %1 bytes long; at most %2 fit.</source>
        <translation>Der EEPROM-Inhalt ist %1 Bytes lang; es passen höchstens %2 hinein.</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="550"/>
        <location filename="camerainfo.cpp" line="559"/>
        <location filename="camerainfo.cpp" line="566"/>
        <location filename="camerainfo.cpp" line="587"/>
        <location filename="camerainfo.cpp" line="600"/>
        <location filename="camerainfo.cpp" line="609"/>
        <location filename="camerainfo.cpp" line="690"/>
        <location filename="camerainfo.cpp" line="745"/>
        <source>Camera Info</source>
        <translation>Kamerainfo</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="551"/>
        <source>Enter a valid camera ID between 1 - 254!</source>
        <translation>Geben Sie eine gültige Kamera-ID zwischen 1 und 254 ein!</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="560"/>
        <source>Nothing has been written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="566"/>
        <location filename="camerainfo.cpp" line="624"/>
        <location filename="camerainfo.cpp" line="690"/>
        <source>Camera could not be opened!</source>
        <translation>Die Kamera konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="588"/>
        <source>Camera eeprom could not be written!</source>
        <translation>Das Kamera-EEPROM konnte nicht beschrieben werden!</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="601"/>
        <source>Writing liquid lens data failed!</source>
        <translation>Das Schreiben der Flüssiglinsendaten ist fehlgeschlagen!</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="610"/>
        <source>Camera ID could not be set!
%1</source>
        <translation>Die Kamera-ID konnte nicht gesetzt werden!
%1</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="624"/>
        <location filename="camerainfo.cpp" line="633"/>
        <location filename="camerainfo.cpp" line="638"/>
        <location filename="camerainfo.cpp" line="655"/>
        <location filename="camerainfo.cpp" line="670"/>
        <location filename="camerainfo.cpp" line="674"/>
        <source>FPN Calibration</source>
        <translation>FPN-Kalibrierung</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="634"/>
        <source>The camera internal memory must be enabled for calibration! Please enable in the additional functions dialog the memory mode before calibration.</source>
        <translation>Für die Kalibrierung muss der kamerainterne Speicher aktiviert sein! Bitte aktivieren Sie vor der Kalibrierung den Speichermodus im Dialog für zusätzliche Funktionen.</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="639"/>
        <source>For the purpose of calibration the camera should be illuminated with homogeneous light. For more information about the illumination conditions see the seperate application note.

The calibration process may take several minutes, depending on the performance of the host computer.

Start FPN Calibration?</source>
        <translation>Für die Kalibrierung sollte die Kamera mit homogenem Licht beleuchtet werden. Weitere Informationen zu den Beleuchtungsbedingungen finden Sie in der gesonderten Application Note.

Die Kalibrierung kann je nach Leistung des Rechners mehrere Minuten dauern.

FPN-Kalibrierung starten?</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="650"/>
        <source>Calibration is running ...</source>
        <translation>Kalibrierung läuft ...</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="653"/>
        <source>Calibrating...</source>
        <translation>Kalibriere...</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="671"/>
        <source>The lightning conditions are insufficient. Please provide better lighting according to the application note.</source>
        <translation>Die Lichtverhältnisse reichen nicht aus. Bitte sorgen Sie für eine bessere Beleuchtung gemäß der Application Note.</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="675"/>
        <source>Something went wrong during the calibration process, please try again. If this situation persists please contact the customer support.</source>
        <translation>Bei der Kalibrierung ist etwas schiefgegangen, bitte versuchen Sie es erneut. Wenn dies weiterhin auftritt, wenden Sie sich bitte an den Kundensupport.</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="732"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="camerainfo.cpp" line="732"/>
        <source>Could not enable or disable memory mode</source>
        <translation>Der Speichermodus konnte nicht ein- oder ausgeschaltet werden</translation>
    </message>
</context>
<context>
    <name>DeviceInfoModel</name>
    <message>
        <location filename="deviceinfomodel.cpp" line="27"/>
        <source>Ready to operate</source>
        <translation>Betriebsbereit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="28"/>
        <source>Testing current IP</source>
        <translation>Aktuelle IP wird geprüft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="30"/>
        <source>Testing persistent IP</source>
        <translation>Persistente IP wird geprüft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="32"/>
        <source>Testing IP range</source>
        <translation>IP-Bereich wird geprüft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="33"/>
        <source>Current IP address not applicable</source>
        <translation>Aktuelle IP-Adresse nicht anwendbar</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="35"/>
        <source>Persistent IP address not applicable</source>
        <translation>Persistente IP-Adresse nicht anwendbar</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="37"/>
        <source>IP range not applicable</source>
        <translation>IP-Bereich nicht anwendbar</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="39"/>
        <source>Multicast mode enabled</source>
        <translation>Multicast-Modus aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="41"/>
        <source>Unpaired</source>
        <translation>Nicht gekoppelt</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="42"/>
        <location filename="deviceinfomodel.cpp" line="87"/>
        <source>Pairing in progress</source>
        <translation>Kopplung läuft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="44"/>
        <location filename="deviceinfomodel.cpp" line="89"/>
        <source>Paired</source>
        <translation>Gekoppelt</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="45"/>
        <source>Force 100Mbps</source>
        <translation>100 Mbit/s erzwungen</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="46"/>
        <source>No COM port</source>
        <translation>Kein COM-Port</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="47"/>
        <source>Needs firmware addon</source>
        <translation>Benötigt Firmware-Erweiterung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="49"/>
        <source>Receiving starter firmware</source>
        <translation>Empfängt Starter-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="51"/>
        <source>Receiving runtime firmware</source>
        <translation>Empfängt Laufzeit-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="53"/>
        <source>Inapplicable runtime firmware</source>
        <translation>Unpassende Laufzeit-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="55"/>
        <source>Inapplicable starter firmware</source>
        <translation>Unpassende Starter-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="57"/>
        <source>Rebooting to runtime firmware</source>
        <translation>Neustart in die Laufzeit-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="59"/>
        <source>Rebooting to starter firmware</source>
        <translation>Neustart in die Starter-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="61"/>
        <source>Rebooting to failsafe firmware</source>
        <translation>Neustart in die Notfall-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="63"/>
        <source>Testing FPGA Firmware</source>
        <translation>FPGA-Firmware wird geprüft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="65"/>
        <source>Receiving addon firmware</source>
        <translation>Empfängt Firmware-Erweiterung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="67"/>
        <source>Inapplicable addon firmware</source>
        <translation>Unpassende Firmware-Erweiterung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="69"/>
        <source>Hardware configuration error</source>
        <translation>Fehler in der Hardwarekonfiguration</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="71"/>
        <source>Runtime firmware error 0</source>
        <translation>Laufzeit-Firmware-Fehler 0</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="76"/>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="77"/>
        <source>Accessible 1</source>
        <translation>Erreichbar 1</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="78"/>
        <source>Accessible 2</source>
        <translation>Erreichbar 2</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="79"/>
        <source>Persistent IP address used</source>
        <translation>Persistente IP-Adresse verwendet</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="81"/>
        <source>Compatible</source>
        <translation>Kompatibel</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="82"/>
        <source>Adapter uses DHCP</source>
        <translation>Adapter verwendet DHCP</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="83"/>
        <source>Adapter settings OK</source>
        <translation>Adaptereinstellungen in Ordnung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="85"/>
        <source>Unpairing in progress</source>
        <translation>Entkopplung läuft</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="90"/>
        <source>Opened</source>
        <translation>Geöffnet</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="91"/>
        <source>Upload starter firmware</source>
        <translation>Starter-Firmware hochladen</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="93"/>
        <source>Upload runtime firmware</source>
        <translation>Laufzeit-Firmware hochladen</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="95"/>
        <source>Rebooting</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="96"/>
        <source>Boot boost enabled</source>
        <translation>Boot-Boost aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="98"/>
        <source>Boot boost used</source>
        <translation>Boot-Boost verwendet</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="99"/>
        <source>Initialized</source>
        <translation>Initialisiert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="100"/>
        <source>To be deleted</source>
        <translation>Wird gelöscht</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="101"/>
        <source>To be removed</source>
        <translation>Wird entfernt</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="105"/>
        <source>Supported</source>
        <translation>Unterstützt</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="106"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="107"/>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="139"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="139"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="153"/>
        <source>Invalid - temperature sensor defect!</source>
        <translation>Ungültig - Temperatursensor defekt!</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="155"/>
        <source>Invalid - temperature sensor to high!</source>
        <translation>Ungültig - Temperatursensor zu hoch!</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="164"/>
        <source>High Speed (USB 2.0)</source>
        <translation>High Speed (USB 2.0)</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="166"/>
        <source>SuperSpeed USB 5 Gbps</source>
        <translation>SuperSpeed USB 5 Gbit/s</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="189"/>
        <source>true</source>
        <translation>wahr</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="190"/>
        <source>false</source>
        <translation>falsch</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="221"/>
        <location filename="deviceinfomodel.cpp" line="293"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="222"/>
        <location filename="deviceinfomodel.cpp" line="294"/>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="239"/>
        <source>no sensor</source>
        <translation>kein Sensor</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="242"/>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="249"/>
        <source>%1%2C (%3%4F)</source>
        <translation>%1%2C (%3%4F)</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="401"/>
        <location filename="deviceinfomodel.cpp" line="454"/>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="402"/>
        <location filename="deviceinfomodel.cpp" line="456"/>
        <location filename="deviceinfomodel.cpp" line="522"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="403"/>
        <location filename="deviceinfomodel.cpp" line="476"/>
        <source>Sensor ID</source>
        <translation>Sensor-ID</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="404"/>
        <source>Device type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="409"/>
        <location filename="deviceinfomodel.cpp" line="465"/>
        <source>Camera temperature</source>
        <translation>Kameratemperatur</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="411"/>
        <location filename="deviceinfomodel.cpp" line="457"/>
        <source>Starter firmware version</source>
        <translation>Version der Starter-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="413"/>
        <location filename="deviceinfomodel.cpp" line="459"/>
        <source>Runtime firmware version</source>
        <translation>Version der Laufzeit-Firmware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="416"/>
        <location filename="deviceinfomodel.cpp" line="463"/>
        <source>COM port number</source>
        <translation>COM-Port-Nummer</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="419"/>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="421"/>
        <source>Link speed</source>
        <translation>Verbindungsgeschwindigkeit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="424"/>
        <location filename="deviceinfomodel.cpp" line="554"/>
        <source>Local driver</source>
        <translation>Lokaler Treiber</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="425"/>
        <source>USB version</source>
        <translation>USB-Version</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="427"/>
        <location filename="deviceinfomodel.cpp" line="557"/>
        <source>Min. compatible starter FW</source>
        <translation>Min. kompatible Starter-FW</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="429"/>
        <location filename="deviceinfomodel.cpp" line="559"/>
        <source>Max. compatible starter FW</source>
        <translation>Max. kompatible Starter-FW</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="442"/>
        <source>Controller: </source>
        <translation>Controller: </translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="443"/>
        <source>Root hub: </source>
        <translation>Root-Hub: </translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="446"/>
        <source>Hub: </source>
        <translation>Hub: </translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="447"/>
        <source>Device: </source>
        <translation>Gerät: </translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="461"/>
        <source>User EEPROM (8 chars)</source>
        <translation>Benutzer-EEPROM (8 Zeichen)</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="467"/>
        <source>Device status flags</source>
        <translation>Gerätestatus-Flags</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="470"/>
        <source>Device control status</source>
        <translation>Gerätesteuerstatus</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="475"/>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="478"/>
        <source>Image memory size</source>
        <translation>Bildspeichergröße</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="479"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="481"/>
        <location filename="deviceinfomodel.cpp" line="532"/>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="482"/>
        <location filename="deviceinfomodel.cpp" line="533"/>
        <source>MAC address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="483"/>
        <source>Current IP address</source>
        <translation>Aktuelle IP-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="485"/>
        <source>Current Subnetmask</source>
        <translation>Aktuelle Subnetzmaske</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="488"/>
        <source>Persistent IP address</source>
        <translation>Persistente IP-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="490"/>
        <source>Persistent IP subnetmask</source>
        <translation>Persistente IP-Subnetzmaske</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="492"/>
        <source>DHCP FSM state</source>
        <translation>DHCP-Zustandsautomat</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="495"/>
        <source>DHCP state</source>
        <translation>DHCP-Status</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="497"/>
        <source>DHCP server IP</source>
        <translation>IP des DHCP-Servers</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="499"/>
        <source>DHCP lease time</source>
        <translation>DHCP-Lease-Zeit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="501"/>
        <source>DHCP T1 time</source>
        <translation>DHCP-T1-Zeit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="502"/>
        <source>DHCP T2 time</source>
        <translation>DHCP-T2-Zeit</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="503"/>
        <location filename="deviceinfomodel.cpp" line="537"/>
        <source>IP range begin</source>
        <translation>Beginn des IP-Bereichs</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="505"/>
        <location filename="deviceinfomodel.cpp" line="539"/>
        <source>IP range end</source>
        <translation>Ende des IP-Bereichs</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="508"/>
        <source>Paired host MAC address</source>
        <translation>MAC-Adresse des gekoppelten Hosts</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="512"/>
        <source>Paired host IP address</source>
        <translation>IP-Adresse des gekoppelten Hosts</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="515"/>
        <source>Multicast IP address</source>
        <translation>Multicast-IP-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="517"/>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="518"/>
        <source>%1 Mbits/s</source>
        <translation>%1 Mbit/s</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="521"/>
        <source>Local network adapter</source>
        <translation>Lokaler Netzwerkadapter</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="523"/>
        <source>Designation</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="524"/>
        <source>DHCP enabled</source>
        <translation>DHCP aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="527"/>
        <source>Number of known devices</source>
        <translation>Anzahl bekannter Geräte</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="529"/>
        <source>Number of paired devices</source>
        <translation>Anzahl gekoppelter Geräte</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="534"/>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="535"/>
        <source>IP subnetmask</source>
        <translation>IP-Subnetzmaske</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="541"/>
        <source>IP range valid</source>
        <translation>IP-Bereich gültig</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="544"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="546"/>
        <source>Multicast Enabled</source>
        <translation>Multicast aktiviert</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="551"/>
        <source>Adapter link speed</source>
        <translation>Verbindungsgeschwindigkeit des Adapters</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="552"/>
        <source>%1 Mbit/s</source>
        <translation>%1 Mbit/s</translation>
    </message>
    <message>
        <location filename="deviceinfomodel.cpp" line="555"/>
        <source>ETH version</source>
        <translation>ETH-Version</translation>
    </message>
</context>
<context>
    <name>DeviceInfoView</name>
    <message>
        <location filename="deviceinfoview.cpp" line="33"/>
        <location filename="deviceinfoview.cpp" line="99"/>
        <source>Copy item values</source>
        <translation>Werte kopieren</translation>
    </message>
</context>
<context>
    <name>GeneralInfoDlg</name>
    <message>
        <location filename="generalinfodlg.cpp" line="78"/>
        <source>General information</source>
        <translation>Allgemeine Informationen</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="86"/>
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
        <location filename="generalinfodlg.cpp" line="508"/>
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
        <location filename="generalinfodlg.cpp" line="156"/>
        <source>Searching USB controllers...</source>
        <translation>USB-Controller werden gesucht...</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="202"/>
        <location filename="generalinfodlg.cpp" line="237"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="203"/>
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
        <source>USB interfaces(s)</source>
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
        <location filename="generalinfodlg.cpp" line="445"/>
        <source>The update file is larger than %1 KiB; the download was stopped.</source>
        <translation>Die Update-Datei ist größer als %1 KiB; der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="449"/>
        <source>Unable to check updates: the update server did not send the update file in time.</source>
        <translation>Die Suche nach Updates ist nicht möglich: Der Update-Server hat die Update-Datei nicht rechtzeitig gesendet.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="453"/>
        <source>Unable to check updates: %1</source>
        <translation>Die Suche nach Updates ist nicht möglich: %1</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="457"/>
        <source>The update server sent an empty file.</source>
        <translation>Der Update-Server hat eine leere Datei gesendet.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="460"/>
        <source>The update server&apos;s answer is not an update file.</source>
        <translation>Die Antwort des Update-Servers ist keine Update-Datei.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="479"/>
        <source>The update file lists no version of the installed parts.</source>
        <translation>Die Update-Datei nennt keine Version der installierten Komponenten.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="482"/>
        <source>Newer versions are available; see the column &quot;Latest version&quot; and use &quot;Download updates&quot;.</source>
        <translation>Neuere Versionen sind verfügbar; siehe Spalte &quot;Neueste Version&quot; und &quot;Updates herunterladen&quot;.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="486"/>
        <source>The installed versions are up to date.</source>
        <translation>Die installierten Versionen sind aktuell.</translation>
    </message>
    <message>
        <location filename="generalinfodlg.cpp" line="509"/>
        <source>No web browser could be started to show the download page.

Please open %1 yourself.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um die Download-Seite zu zeigen.

Bitte öffnen Sie %1 selbst.</translation>
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
