<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Language</name>
    <message>
        <source>Langue inconnue &quot;%1&quot; : l&apos;interface reste en français.</source>
        <translation>Unknown language &quot;%1&quot;: the interface stays in French.</translation>
    </message>
</context>
</TS>
