<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DetectionDialogue</name>
    <message>
        <location filename="detectiondialogue.cpp" line="37"/>
        <source>Hot pixel detection</source>
        <translation>Hotpixel-Erkennung</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="53"/>
        <source>Cover the sensor completely during capturing!
</source>
        <translation>Decken Sie den Sensor während der Aufnahme vollständig ab!
</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="55"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="58"/>
        <source>Threshold</source>
        <translation>Schwellwert</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="68"/>
        <source>Clear old hot pixel list</source>
        <translation>Alte Hotpixel-Liste löschen</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="77"/>
        <source>Counted against the mean of each colour plane; pixels already in the hot pixel list are not detected again.</source>
        <translation>Gemessen am Mittelwert jeder Farbebene; Pixel, die schon in der Hotpixel-Liste stehen, werden nicht erneut erkannt.</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="82"/>
        <source>The sensor is not dark: cover it completely, or the detection will stop.</source>
        <translation>Der Sensor ist nicht dunkel: Decken Sie ihn vollständig ab, sonst bricht die Erkennung ab.</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="99"/>
        <source>Detection</source>
        <translation>Erkennung</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="107"/>
        <location filename="detectiondialogue.cpp" line="197"/>
        <location filename="detectiondialogue.cpp" line="215"/>
        <source>Hot pixel detected: %1</source>
        <translation>Erkannte Hotpixel: %1</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="123"/>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="157"/>
        <source>Pixels above the threshold: -</source>
        <translation>Pixel über dem Schwellwert: -</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="159"/>
        <source>Pixels above the threshold: %1</source>
        <translation>Pixel über dem Schwellwert: %1</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="165"/>
        <source>Averages of the last run&apos;s %1 frames</source>
        <translation>Mittelwerte der %1 Bilder des letzten Durchlaufs</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="166"/>
        <source>Live frame</source>
        <translation>Live-Bild</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="196"/>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="227"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="250"/>
        <source>Hot pixel detected: -</source>
        <translation>Erkannte Hotpixel: -</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="274"/>
        <source>The camera was disconnected during the detection.</source>
        <translation>Die Kamera wurde während der Erkennung getrennt.</translation>
    </message>
    <message>
        <location filename="detectiondialogue.cpp" line="275"/>
        <source> Please restart detection.</source>
        <translation> Bitte starten Sie die Erkennung neu.</translation>
    </message>
</context>
<context>
    <name>Dialog_About</name>
    <message>
        <location filename="dialog_about.cpp" line="29"/>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <location filename="dialog_about.cpp" line="42"/>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <location filename="dialog_about.cpp" line="44"/>
        <source>Finds, edits and stores the hot pixels of Vyro cameras.</source>
        <translation>Findet, bearbeitet und speichert die Hotpixel von Vyro-Kameras.</translation>
    </message>
    <message>
        <location filename="dialog_about.cpp" line="46"/>
        <source>How to use the editor</source>
        <translation>So wird der Editor bedient</translation>
    </message>
    <message>
        <location filename="dialog_about.cpp" line="63"/>
        <location filename="dialog_about.cpp" line="81"/>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
</context>
<context>
    <name>MagnifierControl</name>
    <message>
        <location filename="magnifiercontrol.cpp" line="97"/>
        <source>Click to center</source>
        <translation>Zum Zentrieren klicken</translation>
    </message>
    <message>
        <location filename="magnifiercontrol.cpp" line="98"/>
        <source>Bayer Color:</source>
        <translation>Bayer-Farbe:</translation>
    </message>
    <message>
        <location filename="magnifiercontrol.cpp" line="99"/>
        <source>Value: </source>
        <translation>Wert: </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="mainwindow.cpp" line="82"/>
        <location filename="mainwindow.cpp" line="1094"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="85"/>
        <source>Vyro Dapplix</source>
        <translation>Vyro Dapplix</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="134"/>
        <source>&amp;Open camera</source>
        <translation>Kamera &amp;öffnen</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="136"/>
        <source>&amp;Close camera</source>
        <translation>Kamera &amp;schließen</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="138"/>
        <source>&amp;Save hot pixel list</source>
        <translation>Hotpixel-Liste &amp;speichern</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="140"/>
        <source>&amp;Load hot pixel list</source>
        <translation>Hotpixel-Liste &amp;laden</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="142"/>
        <source>&amp;Highlight</source>
        <translation>&amp;Markieren</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="144"/>
        <source>&amp;Write hot pixel</source>
        <translation>Hotpixel &amp;schreiben</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="146"/>
        <source>Hot pixel correction</source>
        <translation>Hotpixel-Korrektur</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="148"/>
        <source>&amp;Add hot pixel</source>
        <translation>Hotpixel &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="150"/>
        <source>&amp;Delete hot pixel</source>
        <translation>Hotpixel &amp;löschen</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="151"/>
        <source>Clear user hot pixel</source>
        <translation>Benutzer-Hotpixel löschen</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="153"/>
        <source>Detec&amp;t hot pixel</source>
        <translation>Hotpixel &amp;erkennen</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="154"/>
        <location filename="mainwindow.cpp" line="160"/>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="155"/>
        <source>2:1</source>
        <translation>2:1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="156"/>
        <source>4:1</source>
        <translation>4:1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="157"/>
        <source>1:2</source>
        <translation>1:2</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="158"/>
        <source>1:4</source>
        <translation>1:4</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="159"/>
        <source>To fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="161"/>
        <source>&amp;Usage</source>
        <translation>&amp;Bedienung</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="162"/>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="164"/>
        <source>&amp;Export hot pixel list</source>
        <translation>Hotpixel-Liste &amp;exportieren</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="166"/>
        <source>&amp;Import hot pixel list</source>
        <translation>Hotpixel-Liste &amp;importieren</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="168"/>
        <source>Export for raw &amp;converters...</source>
        <translation>Für &amp;Raw-Konverter exportieren...</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="170"/>
        <source>Import from raw co&amp;nverters...</source>
        <translation>Von Raw-&amp;Konvertern importieren...</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="171"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="280"/>
        <source>Camera list</source>
        <translation>Kameraliste</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="315"/>
        <source>Hot pixel list</source>
        <translation>Hotpixel-Liste</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="351"/>
        <source>Magnifier</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="364"/>
        <source>Camera properties</source>
        <translation>Kameraeigenschaften</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="223"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="235"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="242"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="384"/>
        <location filename="mainwindow.cpp" line="592"/>
        <source>U: %1</source>
        <translation>B: %1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="385"/>
        <location filename="mainwindow.cpp" line="593"/>
        <source>F: %1</source>
        <translation>W: %1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="386"/>
        <location filename="mainwindow.cpp" line="675"/>
        <source>x: %1</source>
        <translation>x: %1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="387"/>
        <location filename="mainwindow.cpp" line="676"/>
        <source>y: %1</source>
        <translation>y: %1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="388"/>
        <location filename="mainwindow.cpp" line="573"/>
        <location filename="mainwindow.cpp" line="594"/>
        <source>Frames: %1</source>
        <translation>Bilder: %1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="389"/>
        <location filename="mainwindow.cpp" line="574"/>
        <location filename="mainwindow.cpp" line="595"/>
        <source>Failed: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="390"/>
        <location filename="mainwindow.cpp" line="575"/>
        <location filename="mainwindow.cpp" line="596"/>
        <source>FPS: </source>
        <translation>FPS: </translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="545"/>
        <source>Please note!</source>
        <translation>Bitte beachten!</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="546"/>
        <source>This camera only supports software correction and therefore can&apos;t save inside the camera memory.</source>
        <translation>Diese Kamera unterstützt nur die Korrektur per Software und kann die Liste daher nicht im Kameraspeicher ablegen.</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="691"/>
        <source>The image is too big and will be resized</source>
        <translation>Das Bild ist zu groß und wird verkleinert</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="720"/>
        <source>Not supported!</source>
        <translation>Nicht unterstützt!</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="721"/>
        <source>This camera only supports software correction and can&apos;t be saved inside the camera memory!</source>
        <translation>Diese Kamera unterstützt nur die Korrektur per Software; die Liste kann nicht im Kameraspeicher abgelegt werden!</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="726"/>
        <source>This action will completely overwrite the user defined hot pixel list in the EEPROM of the camera.</source>
        <translation>Diese Aktion überschreibt die benutzerdefinierte Hotpixel-Liste im EEPROM der Kamera vollständig.</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="729"/>
        <source>Do you want to continue?</source>
        <translation>Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="739"/>
        <source>User entries written into the camera: %1</source>
        <translation>In die Kamera geschriebene Benutzereinträge: %1</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="744"/>
        <source>Write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="757"/>
        <source>The hot pixel list has changes that are not written to the camera.</source>
        <translation>Die Hotpixel-Liste enthält Änderungen, die nicht in die Kamera geschrieben sind.</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="761"/>
        <source>The camera is disconnected; they can be written once it is back.</source>
        <translation>Die Kamera ist getrennt; sie können geschrieben werden, sobald sie wieder da ist.</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="767"/>
        <source>Write them into the camera&apos;s memory before the list is closed?</source>
        <translation>Sollen sie vor dem Schließen der Liste in den Speicher der Kamera geschrieben werden?</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="765"/>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="784"/>
        <source>Uploading the camera&apos;s firmware. Please wait…</source>
        <translation>Die Firmware der Kamera wird hochgeladen. Bitte warten…</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="840"/>
        <source>Save hot pixel list</source>
        <translation>Hotpixel-Liste speichern</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="840"/>
        <location filename="mainwindow.cpp" line="847"/>
        <source>Binary files (*.bin)</source>
        <translation>Binärdateien (*.bin)</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="847"/>
        <source>Open hot pixel list</source>
        <translation>Hotpixel-Liste öffnen</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="855"/>
        <source>Export hot pixel list</source>
        <translation>Hotpixel-Liste exportieren</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="855"/>
        <location filename="mainwindow.cpp" line="862"/>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="862"/>
        <source>Import hot pixel list</source>
        <translation>Hotpixel-Liste importieren</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="870"/>
        <source>Export for raw converters</source>
        <translation>Für Raw-Konverter exportieren</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="870"/>
        <source>Raw converter lists (*.badpixels)</source>
        <translation>Raw-Konverter-Listen (*.badpixels)</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="878"/>
        <source>Import from raw converters</source>
        <translation>Von Raw-Konvertern importieren</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="879"/>
        <source>Raw converter lists (*.badpixels);;All files (*)</source>
        <translation>Raw-Konverter-Listen (*.badpixels);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <location filename="mainwindow.cpp" line="941"/>
        <source>%n hot pixel(s) read.</source>
        <translation>
            <numerusform>%n Hotpixel gelesen.</numerusform>
            <numerusform>%n Hotpixel gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="1016"/>
        <source>Camera %1 is back.</source>
        <translation>Kamera %1 ist wieder da.</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="1029"/>
        <source>Camera %1 was disconnected — waiting for it…</source>
        <translation>Kamera %1 wurde getrennt — es wird auf sie gewartet…</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="1065"/>
        <source>Usage</source>
        <translation>Bedienung</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="1066"/>
        <source>Vyro Dapplix - Usage

Navigation:

Right mouse button: Drag to move image
Arrow keys: Click once into magnifier to move focus pixel by pixel

Shortcuts:

%1	 Add a hot pixel to the list
%2	 Removes a hot pixel from the list
</source>
        <translation>Vyro Dapplix - Bedienung

Navigation:

Rechte Maustaste: Ziehen verschiebt das Bild
Pfeiltasten: Einmal in die Lupe klicken, dann den Fokuspixel pixelweise bewegen

Tastenkürzel:

%1	 Fügt der Liste einen Hotpixel hinzu
%2	 Entfernt einen Hotpixel aus der Liste
</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="1093"/>
        <source>Dapplix</source>
        <translation>Dapplix</translation>
    </message>
</context>
<context>
    <name>ParameterBlockWidget</name>
    <message>
        <location filename="parameterblockwidget.cpp" line="75"/>
        <source>Framerate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <location filename="parameterblockwidget.cpp" line="76"/>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <location filename="parameterblockwidget.cpp" line="77"/>
        <source>Mastergain</source>
        <translation>Hauptverstärkung</translation>
    </message>
</context>
<context>
    <name>ThresholdHistogram</name>
    <message>
        <location filename="thresholdhistogram.cpp" line="68"/>
        <source>Pixels (logarithmic)</source>
        <translation>Pixel (logarithmisch)</translation>
    </message>
    <message>
        <location filename="thresholdhistogram.cpp" line="69"/>
        <source>Level above the colour plane&apos;s mean</source>
        <translation>Wert über dem Mittelwert der Farbebene</translation>
    </message>
    <message>
        <location filename="thresholdhistogram.cpp" line="126"/>
        <source>No image</source>
        <translation>Kein Bild</translation>
    </message>
</context>
</TS>
