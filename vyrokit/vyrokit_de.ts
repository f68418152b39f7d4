<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>EventThread</name>
    <message>
        <location filename="eventnumberpool.cpp" line="28"/>
        <source>Too many events :D</source>
        <translation>Zu viele Ereignisse :D</translation>
    </message>
</context>
<context>
    <name>SdkError</name>
    <message>
        <location filename="sdkerror.cpp" line="18"/>
        <source>The camera library reported error %1.</source>
        <translation>Die Kamerabibliothek meldete den Fehler %1.</translation>
    </message>
    <message>
        <location filename="sdkerror.cpp" line="19"/>
        <source>%1 (code %2).</source>
        <translation>%1 (Code %2).</translation>
    </message>
</context>
</TS>
