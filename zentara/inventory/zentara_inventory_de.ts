<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CameraList</name>
    <message>
        <location filename="cameralist.cpp" line="114"/>
        <source>&amp;Open this camera</source>
        <translation>&amp;Diese Kamera öffnen</translation>
    </message>
    <message>
        <location filename="cameralist.cpp" line="118"/>
        <source>Open &amp;all available cameras</source>
        <translation>&amp;Alle verfügbaren Kameras öffnen</translation>
    </message>
    <message>
        <location filename="cameralist.cpp" line="126"/>
        <source>&amp;Refresh list</source>
        <translation>Liste &amp;aktualisieren</translation>
    </message>
    <message>
        <location filename="cameralist.cpp" line="135"/>
        <source>&amp;Camera information</source>
        <translation>&amp;Kamerainformationen</translation>
    </message>
    <message>
        <location filename="cameralist.cpp" line="138"/>
        <source>&amp;Identify this camera</source>
        <translation>Diese Kamera &amp;identifizieren</translation>
    </message>
    <message>
        <location filename="cameralist.cpp" line="147"/>
        <source>Manual ETH configuration</source>
        <translation>Manuelle ETH-Konfiguration</translation>
    </message>
    <message>
        <location filename="cameralist.cpp" line="149"/>
        <source>&amp;Add Readonly Device</source>
        <translation>&amp;Nur-Lese-Gerät hinzufügen</translation>
    </message>
    <message>
        <location filename="cameralist.cpp" line="156"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>CameraListModel</name>
    <message>
        <location filename="camerastatus.cpp" line="562"/>
        <source>The camera&apos;s starter firmware is not the one the driver needs.</source>
        <translation>Die Starter-Firmware der Kamera ist nicht die, die der Treiber braucht.</translation>
    </message>
</context>
<context>
    <name>CameraStatus</name>
    <message>
        <location filename="camerastatus.cpp" line="24"/>
        <source>Status of device %1: %2</source>
        <translation>Status von Gerät %1: %2</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="35"/>
        <source>Status of device %1: The camera is configured correctly and can be opened.</source>
        <translation>Status von Gerät %1: Die Kamera ist korrekt konfiguriert und kann geöffnet werden.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="43"/>
        <source>Status of device %1: The camera is configured correctly and can be opened. Please note that this device currently is using a lower speed than supported by it.</source>
        <translation>Status von Gerät %1: Die Kamera ist korrekt konfiguriert und kann geöffnet werden. Bitte beachten Sie, dass dieses Gerät zurzeit mit einer geringeren Geschwindigkeit arbeitet, als es unterstützt.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="53"/>
        <source>You have opened the camera</source>
        <translation>Sie haben die Kamera geöffnet</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="90"/>
        <source>Status of device %1: The camera cannot be opened because it is running with service firmware. Either start the camera in runtime using the &quot;orv_devicecommand&quot; tool (--reset-to-runtime) or update the camera firmware, e.g. using the &quot;orv_deviceupdate&quot; tool.
</source>
        <translation>Status von Gerät %1: Die Kamera kann nicht geöffnet werden, da sie mit Service-Firmware läuft. Starten Sie die Kamera entweder mit dem Werkzeug &quot;orv_devicecommand&quot; (--reset-to-runtime) in der Runtime oder aktualisieren Sie die Kamera-Firmware, z. B. mit dem Werkzeug &quot;orv_deviceupdate&quot;.
</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="99"/>
        <source>The camera is using an invalid IP range and can&apos;t be opened. Please use the &apos;Manual ETH configuration&apos; button to set a valid IP address.</source>
        <translation>Die Kamera verwendet einen ungültigen IP-Bereich und kann nicht geöffnet werden. Bitte setzen Sie über die Schaltfläche &apos;Manuelle ETH-Konfiguration&apos; eine gültige IP-Adresse.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="184"/>
        <source>An upload of the camera firmware is not possible. The hardware of your camera is probably not compatible to the installed %1 driver. Your hardware is not supported by driver versions higher than 3.00.</source>
        <translation>Ein Hochladen der Kamera-Firmware ist nicht möglich. Die Hardware Ihrer Kamera ist wahrscheinlich nicht mit dem installierten %1-Treiber kompatibel. Ihre Hardware wird von Treiberversionen höher als 3.00 nicht unterstützt.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="198"/>
        <source>This camera does not support Fullspeed USB.</source>
        <translation>Diese Kamera unterstützt kein Fullspeed-USB.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="203"/>
        <source> In addition, the camera does not support Fullspeed USB.</source>
        <translation> Außerdem unterstützt die Kamera kein Fullspeed-USB.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="261"/>
        <source>Internal driver error. Please reinstall the %1 setup.</source>
        <translation>Interner Treiberfehler. Bitte installieren Sie das %1-Setup neu.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="269"/>
        <source>Waiting for %1.</source>
        <translation>Warte auf %1.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="273"/>
        <source>Internal device error. Please upload a new starter firmware.</source>
        <translation>Interner Gerätefehler. Bitte laden Sie eine neue Starter-Firmware hoch.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="278"/>
        <source>Internal device error. The runtime firmware is corrupted.</source>
        <translation>Interner Gerätefehler. Die Runtime-Firmware ist beschädigt.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="283"/>
        <source>The device is not compatible to the driver. Please upload a new starter firmware.</source>
        <translation>Das Gerät ist nicht mit dem Treiber kompatibel. Bitte laden Sie eine neue Starter-Firmware hoch.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="290"/>
        <source>The network adapter is configured to use DHCP. Please assign a static IP address and subnetmask via the dialog &apos;Manual ETH configuration&apos;. DHCP will be deactivated automatically.</source>
        <translation>Der Netzwerkadapter ist für DHCP konfiguriert. Bitte weisen Sie über den Dialog &apos;Manuelle ETH-Konfiguration&apos; eine statische IP-Adresse und Subnetzmaske zu. DHCP wird automatisch deaktiviert.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="298"/>
        <source>The network adapter is not configured to use packets larger than the normal size of 1,5 KB.Please set the packet size to at least 2 KB.</source>
        <translation>Der Netzwerkadapter ist nicht für Pakete größer als die normale Größe von 1,5 KB konfiguriert. Bitte stellen Sie die Paketgröße auf mindestens 2 KB ein.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="304"/>
        <source>The camera is not configured properly. Please use the &apos;Manual ETH configuration&apos; or &apos;Automatic ETH configuration&apos; button to set a IP address. Or enable the camera DHCP client if a DHCP server is available.</source>
        <translation>Die Kamera ist nicht richtig konfiguriert. Bitte setzen Sie über die Schaltfläche &apos;Manuelle ETH-Konfiguration&apos; oder &apos;Automatische ETH-Konfiguration&apos; eine IP-Adresse. Oder aktivieren Sie den DHCP-Client der Kamera, wenn ein DHCP-Server verfügbar ist.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="340"/>
        <source>The camera is being used by another host and cannot be opened at the moment.</source>
        <translation>Die Kamera wird von einem anderen Host verwendet und kann im Moment nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="343"/>
        <source>The camera is not opened by another host and cannot be opened at the moment.</source>
        <translation>Die Kamera ist nicht von einem anderen Host geöffnet und kann im Moment nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="379"/>
        <source>Status of device %1: The camera is currently running in the boot boost mode. It is configured correctly and can be opened.</source>
        <translation>Status von Gerät %1: Die Kamera läuft zurzeit im Boot-Boost-Modus. Sie ist korrekt konfiguriert und kann geöffnet werden.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="390"/>
        <source>Firmware image is not available or corrupted. Please reinstall the %1 setup.</source>
        <translation>Das Firmware-Abbild ist nicht verfügbar oder beschädigt. Bitte installieren Sie das %1-Setup neu.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="397"/>
        <source>The starter firmware of the camera is incompatible to the driver.
An automatic upload will be initiated next time you open the camera. This upload will take several seconds. Do not switch off the power supply and do not unplug the camera! It is strongly recommended to upload the firmware over the button &apos;Starter Firmware Upload&apos;. The requested starter firmware version is %1</source>
        <translation>Die Starter-Firmware der Kamera ist nicht mit dem Treiber kompatibel.
Beim nächsten Öffnen der Kamera wird ein automatisches Hochladen gestartet. Dieses dauert einige Sekunden. Schalten Sie die Stromversorgung nicht ab und trennen Sie die Kamera nicht! Es wird dringend empfohlen, die Firmware über die Schaltfläche &apos;Starter-Firmware hochladen&apos; hochzuladen. Die angeforderte Starter-Firmware-Version ist %1</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="417"/>
        <source>Transfer failed: %1 API DLL or kernel driver incompatible. Please reinstall the setup.</source>
        <translation>Übertragung fehlgeschlagen: %1 API-DLL oder Kerneltreiber inkompatibel. Bitte installieren Sie das Setup neu.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="466"/>
        <source>No camera list available</source>
        <translation>Keine Kameraliste verfügbar</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="482"/>
        <source>Attention: You are using a camera model which is no longer supported by the current driver version.</source>
        <translation>Achtung: Sie verwenden ein Kameramodell, das von der aktuellen Treiberversion nicht mehr unterstützt wird.</translation>
    </message>
</context>
<context>
    <name>zentara::CameraListModel</name>
    <message>
        <location filename="cameralistmodel.cpp" line="15"/>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="16"/>
        <source>Avail.</source>
        <translation>Verfügb.</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="17"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="18"/>
        <source>Cam. ID</source>
        <translation>Kam.-ID</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="19"/>
        <source>Dev. ID</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="20"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="cameralistmodel.cpp" line="21"/>
        <source>Ser. No.</source>
        <translation>Ser.-Nr.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="545"/>
        <source>Yes (BB)</source>
        <translation>Ja (BB)</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="546"/>
        <location filename="camerastatus.cpp" line="578"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="547"/>
        <location filename="camerastatus.cpp" line="579"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="556"/>
        <source>The camera runs at a lower speed than it supports.</source>
        <translation>Die Kamera läuft langsamer, als sie könnte.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="559"/>
        <source>The camera cannot be opened: see its status below.</source>
        <translation>Die Kamera kann nicht geöffnet werden: siehe ihren Status unten.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="565"/>
        <source>The camera is in use and cannot be opened.</source>
        <translation>Die Kamera ist in Benutzung und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="568"/>
        <source>The camera can be opened.</source>
        <translation>Die Kamera kann geöffnet werden.</translation>
    </message>
    <message>
        <location filename="camerastatus.cpp" line="571"/>
        <source>Yes (BB): free, running in the boot boost mode.</source>
        <translation>Ja (BB): frei, läuft im Boot-Boost-Modus.</translation>
    </message>
</context>
</TS>
