<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Devices</name>
    <message>
        <source>Le peripherique %1 n&apos;existe pas.</source>
        <translation>The device %1 does not exist.</translation>
    </message>
    <message>
        <source>Acces refuse au peripherique %1 : l&apos;utilisateur doit faire partie du groupe %2 (sudo adduser $USER %2, puis ouvrir une nouvelle session).</source>
        <translation>Access to the device %1 denied: the user must belong to the group %2 (sudo adduser $USER %2, then log in again).</translation>
    </message>
    <message>
        <source>Le peripherique %1 ne peut pas etre ouvert : %2.</source>
        <translation>The device %1 cannot be opened: %2.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>La notice %1 est introuvable.</source>
        <translation>The manual %1 cannot be found.</translation>
    </message>
    <message>
        <source>Notice Utilisation</source>
        <translation>User Manual</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Langue inconnue &quot;%1&quot; : l&apos;interface reste en français.</source>
        <translation>Unknown language &quot;%1&quot;: the interface stays in French.</translation>
    </message>
</context>
<context>
    <name>ParallelPort</name>
    <message>
        <source>Le port parallele n&apos;est pas accessible (%1 : %2).
L&apos;interface FodTrack ne recevra aucune commande. Lancez Orvanta avec les droits d&apos;acces aux ports (root ou CAP_SYS_RAWIO).</source>
        <translation>The parallel port is not accessible (%1: %2).
The FodTrack interface will receive no command. Start Orvanta with the rights to reach the ports (root or CAP_SYS_RAWIO).</translation>
    </message>
    <message>
        <source>adresse %1 hors des ports d&apos;entree-sortie</source>
        <translation>address %1 outside the input-output ports</translation>
    </message>
    <message>
        <source>
L&apos;interface FodTrack ne recevra aucune commande.</source>
        <translation>
The FodTrack interface will receive no command.</translation>
    </message>
    <message>
        <source>Le port parallele %1 ne peut pas etre reserve : %2.</source>
        <translation>The parallel port %1 cannot be claimed: %2.</translation>
    </message>
    <message>
        <source>Ecriture impossible sur le port parallele %1 : %2.</source>
        <translation>Cannot write to the parallel port %1: %2.</translation>
    </message>
</context>
<context>
    <name>SerialLine</name>
    <message>
        <source>La ligne serie %1 est deja utilisee par un autre programme.</source>
        <translation>The serial line %1 is already in use by another program.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir la ligne serie %1 : %2</source>
        <translation>Cannot open the serial line %1: %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>le texte n&apos;est pas en UTF-8</source>
        <translation>the text is not UTF-8</translation>
    </message>
    <message>
        <source>ligne %1 incomprise</source>
        <translation>line %1 not understood</translation>
    </message>
    <message>
        <source>Le fichier de configuration %1 est illisible (%2).
Les valeurs par defaut sont utilisees ; l&apos;ancien fichier sera conserve sous %3 avant le prochain enregistrement.</source>
        <translation>The settings file %1 cannot be read (%2).
The default values are used; the old file will be kept as %3 before the next save.</translation>
    </message>
    <message>
        <source>impossible de conserver l&apos;ancien fichier sous %1</source>
        <translation>cannot keep the old file as %1</translation>
    </message>
    <message>
        <source>La configuration n&apos;a pas ete enregistree dans %1 : %2</source>
        <translation>The settings were not saved in %1: %2</translation>
    </message>
</context>
</TS>
