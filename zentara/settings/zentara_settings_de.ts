<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdditionalFunctions</name>
    <message>
        <location filename="additionalfunctions.cpp" line="132"/>
        <source>Additional functions</source>
        <translation>Zusatzfunktionen</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="133"/>
        <source>Image memory</source>
        <translation>Bildspeicher</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="134"/>
        <source>Compatibility mode</source>
        <translation>Kompatibilitätsmodus</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="135"/>
        <source>Boot boost</source>
        <translation>Boot Boost</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="136"/>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="137"/>
        <source>ID values (e.g. 3;5-7):</source>
        <translation>ID-Werte (z. B. 3;5-7):</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="138"/>
        <source>Set ID list</source>
        <translation>ID-Liste setzen</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="139"/>
        <source>Clear ID list</source>
        <translation>ID-Liste leeren</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="140"/>
        <source>Add ID</source>
        <translation>ID hinzufügen</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="141"/>
        <source>Remove ID</source>
        <translation>ID entfernen</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="142"/>
        <source>Current boot boost Ids:</source>
        <translation>Aktuelle Boot-Boost-IDs:</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="143"/>
        <source>Multicast</source>
        <translation>Multicast</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="144"/>
        <source>Enable read-only multicast</source>
        <translation>Read-only-Multicast aktivieren</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="145"/>
        <source>Trusted pairing</source>
        <translation>Vertrauenswürdige Kopplung</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="146"/>
        <source>Enable trusted pairing mode</source>
        <translation>Modus für vertrauenswürdige Kopplung aktivieren</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="216"/>
        <source>Wrong ID</source>
        <translation>Falsche ID</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="218"/>
        <source>Nothing was sent; the ID list is unchanged.</source>
        <translation>Es wurde nichts gesendet; die ID-Liste ist unverändert.</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="281"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="282"/>
        <source>Could not enable boot boost: %1</source>
        <translation>Boot Boost konnte nicht aktiviert werden: %1</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="283"/>
        <source>Could not disable boot boost: %1</source>
        <translation>Boot Boost konnte nicht deaktiviert werden: %1</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="294"/>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="295"/>
        <source>Setting trusted pairing mode failed: %1</source>
        <translation>Das Setzen des Modus für vertrauenswürdige Kopplung ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="315"/>
        <source>privileged feature</source>
        <translation>Privilegierte Funktion</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="316"/>
        <source>To use this feature, 
start the %1 with
elevated privileges e.g root or admin!</source>
        <translation>Um diese Funktion zu nutzen, 
starten Sie %1 mit
erhöhten Rechten, z. B. als root oder Administrator!</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="324"/>
        <location filename="additionalfunctions.cpp" line="331"/>
        <source>Memory compatibility mode</source>
        <translation>Speicher-Kompatibilitätsmodus</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="325"/>
        <source>To completely adopt the compatibility mode please reboot your system or reconnect all cameras!</source>
        <translation>Damit der Kompatibilitätsmodus vollständig übernommen wird, starten Sie bitte Ihr System neu oder schließen Sie alle Kameras erneut an!</translation>
    </message>
    <message>
        <location filename="additionalfunctions.cpp" line="332"/>
        <source>The image memory compatibility mode could not be changed!
%1</source>
        <translation>Der Kompatibilitätsmodus des Bildspeichers konnte nicht geändert werden!
%1</translation>
    </message>
</context>
<context>
    <name>BootBoostIds</name>
    <message>
        <location filename="bootboostids.cpp" line="60"/>
        <source>The ID %1 has to be between with %2 and %3</source>
        <translation>Die ID %1 muss zwischen %2 und %3 liegen</translation>
    </message>
    <message>
        <location filename="bootboostids.cpp" line="63"/>
        <source>Enter one or more IDs, e.g. 3;5-7.</source>
        <translation>Geben Sie eine oder mehrere IDs ein, z. B. 3;5-7.</translation>
    </message>
    <message>
        <location filename="bootboostids.cpp" line="70"/>
        <source>Part %1 of the input is empty: remove the extra &quot;;&quot;.</source>
        <translation>Teil %1 der Eingabe ist leer: Entfernen Sie das überzählige „;“.</translation>
    </message>
    <message>
        <location filename="bootboostids.cpp" line="72"/>
        <source>&quot;%1&quot; is neither an ID nor a range of IDs such as 5-7.</source>
        <translation>„%1“ ist weder eine ID noch ein ID-Bereich wie 5-7.</translation>
    </message>
    <message>
        <location filename="bootboostids.cpp" line="82"/>
        <source>The range %1 is reversed: write it as %2-%3.</source>
        <translation>Der Bereich %1 ist umgekehrt: Schreiben Sie ihn als %2-%3.</translation>
    </message>
</context>
</TS>
