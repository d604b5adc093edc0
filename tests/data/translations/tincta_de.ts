<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>tincta</name>
    <message>
        <source>About Tincta</source>
        <translation>Über Tincta</translation>
    </message>
</context>
<context>
    <name>tincta::CommandTable</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
</context>
</TS>
