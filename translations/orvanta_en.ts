<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Acquisition</name>
    <message>
        <source>Specifiez le temps entre 2 mesures</source>
        <translation>Give the time between 2 measurements</translation>
    </message>
    <message>
        <source>La valeur de delai entre 2 mesures est incorrecte</source>
        <translation>The time between 2 measurements is not valid</translation>
    </message>
    <message>
        <source>Valeur delai superieur a 86400 secondes</source>
        <translation>Time greater than 86400 seconds</translation>
    </message>
    <message>
        <source>Specifiez le temps de passage minimum du satellite</source>
        <translation>Give the satellite&apos;s minimum pass time</translation>
    </message>
    <message>
        <source>La valeur du passage minimum du satellite est incorrecte</source>
        <translation>The satellite&apos;s minimum pass time is not valid</translation>
    </message>
    <message>
        <source>Specifiez la valeur de parcage azimut</source>
        <translation>Give the park azimuth</translation>
    </message>
    <message>
        <source>Valeur azimut superieur a 360°</source>
        <translation>Azimuth greater than 360°</translation>
    </message>
    <message>
        <source>La valeur de parcage azimut est incorrecte</source>
        <translation>The park azimuth is not valid</translation>
    </message>
    <message>
        <source>Specifiez la valeur de parcage site</source>
        <translation>Give the park elevation</translation>
    </message>
    <message>
        <source>Valeur site superieur a 90°</source>
        <translation>Elevation greater than 90°</translation>
    </message>
    <message>
        <source>La valeur de parcage site est incorrecte</source>
        <translation>The park elevation is not valid</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Poursuite satellite avec interface %1 et RX %2</source>
        <translation>Satellite tracking with %1 interface and %2 RX</translation>
    </message>
    <message>
        <source>Ces valeurs de la configuration ne sont pas des nombres ; les valeurs par defaut sont utilisees :
</source>
        <translation>These settings are not numbers; the default values are used:
</translation>
    </message>
</context>
<context>
    <name>DeviceSetup</name>
    <message>
        <source>L&apos;acces direct aux ports par %1 demande les droits root (ou CAP_SYS_RAWIO) ; preferez /dev/parport0 et le groupe lp.</source>
        <translation>Direct port access through %1 needs root rights (or CAP_SYS_RAWIO); prefer /dev/parport0 and the lp group.</translation>
    </message>
    <message>
        <source>Specifiez le peripherique de la ligne recepteur</source>
        <translation>Give the receiver line&apos;s device</translation>
    </message>
    <message>
        <source>Specifiez le peripherique de la ligne rotor</source>
        <translation>Give the rotator line&apos;s device</translation>
    </message>
    <message>
        <source>Specifiez le peripherique du port parallele</source>
        <translation>Give the parallel port&apos;s device</translation>
    </message>
    <message>
        <source>Les lignes recepteur et rotor ne peuvent pas utiliser le meme peripherique</source>
        <translation>The receiver and rotator lines cannot use the same device</translation>
    </message>
</context>
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
    <name>Observer</name>
    <message>
        <source>Specifier la longitude du point d&apos;observation</source>
        <translation>Give the station&apos;s longitude</translation>
    </message>
    <message>
        <source>La valeur de la longitude du point d&apos;observation est incorrecte</source>
        <translation>The station&apos;s longitude is not valid</translation>
    </message>
    <message>
        <source>La valeur de la longitude du point d&apos;observation doit etre comprise entre -180 et 360°</source>
        <translation>The station&apos;s longitude must lie between -180 and 360°</translation>
    </message>
    <message>
        <source>Specifier la latitude du point d&apos;observation</source>
        <translation>Give the station&apos;s latitude</translation>
    </message>
    <message>
        <source>La valeur de la latitude du point d&apos;observation est incorrecte</source>
        <translation>The station&apos;s latitude is not valid</translation>
    </message>
    <message>
        <source>La valeur de la latitude du point d&apos;observation doit etre comprise entre -90 et 90°</source>
        <translation>The station&apos;s latitude must lie between -90 and 90°</translation>
    </message>
    <message>
        <source>Specifier l&apos;altitude du point d&apos;observation</source>
        <translation>Give the station&apos;s altitude</translation>
    </message>
    <message>
        <source>La valeur de l&apos;altitude du point d&apos;observation est incorrecte</source>
        <translation>The station&apos;s altitude is not valid</translation>
    </message>
    <message>
        <source>Specifier l&apos;elevation minimum du point d&apos;observation</source>
        <translation>Give the station&apos;s minimum elevation</translation>
    </message>
    <message>
        <source>La valeur de l&apos;elevation minimum du point d&apos;observation est incorrecte</source>
        <translation>The station&apos;s minimum elevation is not valid</translation>
    </message>
    <message>
        <source>Le locator de la station est incorrect : 4, 6 ou 8 caracteres (par exemple JN18eu), ou videz-le et donnez la longitude et la latitude</source>
        <translation>The station&apos;s locator is not valid: 4, 6 or 8 characters (for example JN18eu), or clear it and give the longitude and latitude</translation>
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
<context>
    <name>orvanta::ObservateurWindow</name>
    <message>
        <source>Observateur</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Coordonnees  de la station</source>
        <translation>Station&apos;s coordinates</translation>
    </message>
    <message>
        <source>Degres</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Metres</translation>
    </message>
    <message>
        <source>Min Elevation</source>
        <translation>Min Elevation</translation>
    </message>
    <message>
        <source>Degres est ; ouest negatif</source>
        <translation>Degrees east; west negative</translation>
    </message>
    <message>
        <source>Degres nord ; sud negatif</source>
        <translation>Degrees north; south negative</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>Maidenhead</source>
        <translation>Maidenhead</translation>
    </message>
    <message>
        <source>Un locator tape (JN18eu) remplace la longitude et la latitude</source>
        <translation>A locator typed in (JN18eu) replaces the longitude and latitude</translation>
    </message>
</context>
<context>
    <name>orvanta::ParametresWindow</name>
    <message>
        <source>Parametres d&apos;acquisition</source>
        <translation>Acquisition Parameters</translation>
    </message>
    <message>
        <source>Parametres</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Secondes</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Degrés</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Delai entre deux mesures</source>
        <translation>Time between two measurements</translation>
    </message>
    <message>
        <source>Temps de passage Mini</source>
        <translation>Minimum pass time</translation>
    </message>
    <message>
        <source>Parcage azimut</source>
        <translation>Park azimuth</translation>
    </message>
    <message>
        <source>Parcage site</source>
        <translation>Park elevation</translation>
    </message>
    <message>
        <source>oui</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>non</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Azimut seulement</source>
        <translation>Azimuth only</translation>
    </message>
</context>
<context>
    <name>orvanta::PeripheriquesWindow</name>
    <message>
        <source>Peripheriques</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Peripheriques de la station</source>
        <translation>Station&apos;s devices</translation>
    </message>
    <message>
        <source>Ligne recepteur</source>
        <translation>Receiver line</translation>
    </message>
    <message>
        <source>Ligne rotor</source>
        <translation>Rotator line</translation>
    </message>
    <message>
        <source>Port parallele</source>
        <translation>Parallel port</translation>
    </message>
    <message>
        <source>Le port parallele /dev/port ecrit directement a l&apos;adresse du menu Port LPT et demande les droits root.</source>
        <translation>The parallel port /dev/port writes straight to the address of the LPT Port menu and needs root rights.</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
