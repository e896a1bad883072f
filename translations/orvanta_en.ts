<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AR5000</name>
    <message>
        <source>Antenne</source>
        <translation>Antenna</translation>
    </message>
    <message>
        <source>CAG</source>
        <translation>AGC</translation>
    </message>
    <message>
        <source>Pas</source>
        <translation>Step</translation>
    </message>
</context>
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
    <name>AlarmCommand</name>
    <message>
        <source>La commande d&apos;alarme « %1 » n&apos;a pas pu être lancée : %2.</source>
        <translation>The alarm command &quot;%1&quot; could not be started: %2.</translation>
    </message>
    <message>
        <source>La commande d&apos;alarme « %1 » s&apos;est arrêtée anormalement.</source>
        <translation>The alarm command &quot;%1&quot; stopped abnormally.</translation>
    </message>
    <message>
        <source>La commande d&apos;alarme « %1 » a échoué (code de sortie %2).</source>
        <translation>The alarm command &quot;%1&quot; failed (exit code %2).</translation>
    </message>
    <message>
        <source> Ce message ne reviendra pas tant que la commande reste la même.</source>
        <translation> This message will not come back while the command stays the same.</translation>
    </message>
    <message>
        <source>La commande d&apos;alarme ne nomme aucun programme.</source>
        <translation>The alarm command names no program.</translation>
    </message>
    <message>
        <source>Le programme « %1 » de la commande d&apos;alarme est introuvable ou n&apos;est pas exécutable.</source>
        <translation>The program &quot;%1&quot; of the alarm command cannot be found or is not executable.</translation>
    </message>
</context>
<context>
    <name>Alarms</name>
    <message>
        <source>moins de %1 s</source>
        <translation>less than %1 s</translation>
    </message>
    <message>
        <source>%1 : LOS, fin du passage</source>
        <translation>%1: LOS, end of the pass</translation>
    </message>
    <message>
        <source>%1 : AOS dans %2</source>
        <translation>%1: AOS in %2</translation>
    </message>
    <message>
        <source>%1 : AOS, le passage commence</source>
        <translation>%1: AOS, the pass begins</translation>
    </message>
    <message>
        <source>AOS %1 TU, site max %2°, azimut AOS %3°, LOS %4 TU</source>
        <translation>AOS %1 UTC, max elevation %2°, AOS azimuth %3°, LOS %4 UTC</translation>
    </message>
    <message>
        <source>&amp;Alarmes de passage</source>
        <translation>Pass &amp;Alarms</translation>
    </message>
    <message>
        <source>(Aucun service de notifications du bureau ne répond : les alarmes de passage s&apos;affichent dans ce bandeau.)</source>
        <translation>(No desktop notification service answers: pass alarms are shown in this banner.)</translation>
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
    <name>ElementAge</name>
    <message>
        <source>Le fichier %1 est vieux de plus de 30 jours, il doit etre mis a jour</source>
        <translation>The file %1 is more than 30 days old, it must be updated</translation>
    </message>
</context>
<context>
    <name>ElementDownload</name>
    <message>
        <source>connexion refusée par le serveur</source>
        <translation>connection refused by the server</translation>
    </message>
    <message>
        <source>serveur introuvable</source>
        <translation>server not found</translation>
    </message>
    <message>
        <source>connexion fermée par le serveur avant la réponse</source>
        <translation>connection closed by the server before the reply</translation>
    </message>
    <message>
        <source>le serveur ne répond plus</source>
        <translation>the server no longer answers</translation>
    </message>
    <message>
        <source>échec de la connexion sécurisée (%1)</source>
        <translation>secure connection failed (%1)</translation>
    </message>
    <message>
        <source>réseau indisponible</source>
        <translation>network unavailable</translation>
    </message>
    <message>
        <source>erreur réseau (%1)</source>
        <translation>network error (%1)</translation>
    </message>
    <message>
        <source>réponse vide</source>
        <translation>empty reply</translation>
    </message>
    <message>
        <source>page HTML reçue au lieu d&apos;un fichier d&apos;éléments</source>
        <translation>HTML page received instead of an element file</translation>
    </message>
    <message>
        <source>contenu refusé</source>
        <translation>content refused</translation>
    </message>
    <message>
        <source> à la ligne %1</source>
        <translation> at line %1</translation>
    </message>
    <message>
        <source> à l&apos;objet %1</source>
        <translation> at object %1</translation>
    </message>
    <message>
        <source> et 1 autre problème</source>
        <translation> and 1 other problem</translation>
    </message>
    <message>
        <source> et %1 autres problèmes</source>
        <translation> and %1 other problems</translation>
    </message>
    <message>
        <source>aucun jeu d&apos;éléments dans la réponse</source>
        <translation>no element set in the reply</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1 (%2), l&apos;ancien fichier est gardé</source>
        <translation>cannot write %1 (%2), the old file is kept</translation>
    </message>
    <message>
        <source>pas de connexion au serveur en %1 s</source>
        <translation>no connection to the server within %1 s</translation>
    </message>
    <message>
        <source>téléchargement inachevé après %1 s</source>
        <translation>download unfinished after %1 s</translation>
    </message>
    <message>
        <source>annulé, fichier inchangé</source>
        <translation>cancelled, file unchanged</translation>
    </message>
    <message>
        <source>%1 : adresse refusée, seules les adresses http:// et https:// sont admises</source>
        <translation>%1: address refused, only http:// and https:// addresses are allowed</translation>
    </message>
    <message>
        <source>%1 Mo</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 octets</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>réponse trop grande pour un fichier d&apos;éléments (plus de %1)</source>
        <translation>reply too large for an element file (more than %1)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>plus de %1 redirections</source>
        <translation>more than %1 redirections</translation>
    </message>
    <message>
        <source>redirection refusée de https vers %1</source>
        <translation>redirection from https to %1 refused</translation>
    </message>
    <message>
        <source>redirection refusée vers %1 (ni http ni https)</source>
        <translation>redirection to %1 refused (neither http nor https)</translation>
    </message>
    <message>
        <source>erreur HTTP %1%2</source>
        <translation>HTTP error %1%2</translation>
    </message>
    <message>
        <source>réponse tronquée (%1 octets reçus sur %2 annoncés)</source>
        <translation>truncated reply (%1 bytes received of %2 announced)</translation>
    </message>
    <message>
        <source>le serveur n&apos;a pas répondu</source>
        <translation>the server did not answer</translation>
    </message>
    <message>
        <source>mis à jour, 1 jeu d&apos;éléments (%1)</source>
        <translation>updated, 1 element set (%1)</translation>
    </message>
    <message>
        <source>mis à jour, %1 jeux d&apos;éléments (%2)</source>
        <translation>updated, %1 element sets (%2)</translation>
    </message>
</context>
<context>
    <name>ElementSources</name>
    <message>
        <source>Les infos Képlériennes ne sont plus disponibles a la NASA sous forme 2Lignes.</source>
        <translation>Keplerian elements are no longer available from NASA as two-line elements.</translation>
    </message>
    <message>
        <source>Le service public CelesTrak utilise un programme qui récupère les éléments auprès de la</source>
        <translation>The public service CelesTrak runs a program that fetches the elements from</translation>
    </message>
    <message>
        <source>NASA et les met en forme 2Lignes.</source>
        <translation>NASA and formats them as two-line elements.</translation>
    </message>
    <message>
        <source>Leur provenance est expliquée sur la page https://celestrak.org/NORAD/elements/</source>
        <translation>Where they come from is explained on the page https://celestrak.org/NORAD/elements/</translation>
    </message>
    <message>
        <source>Il faut d&apos;abord s&apos;inscrire sur https://www.space-track.org/auth/createAccount</source>
        <translation>You must first register at https://www.space-track.org/auth/createAccount</translation>
    </message>
    <message>
        <source>pour être autorisé a télécharger les TLE.</source>
        <translation>to be allowed to download the TLEs.</translation>
    </message>
    <message>
        <source>le nom de fichier « %1 » ne doit pas contenir de dossier</source>
        <translation>the file name &quot;%1&quot; must not contain a folder</translation>
    </message>
    <message>
        <source>le fichier « %1 » n&apos;est pas un fichier d&apos;éléments « *.txt », « *.csv », « *.json » ou « *.xml »</source>
        <translation>the file &quot;%1&quot; is not an element file &quot;*.txt&quot;, &quot;*.csv&quot;, &quot;*.json&quot; or &quot;*.xml&quot;</translation>
    </message>
    <message>
        <source>%1 illisible : %2</source>
        <translation>%1 unreadable: %2</translation>
    </message>
    <message>
        <source>%1, ligne %2 : %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>« %1 » : il manque « = » entre le fichier et l&apos;adresse</source>
        <translation>&quot;%1&quot;: &quot;=&quot; is missing between the file and the address</translation>
    </message>
    <message>
        <source>nom de fichier absent avant « = »</source>
        <translation>no file name before &quot;=&quot;</translation>
    </message>
    <message>
        <source>adresse absente pour %1</source>
        <translation>no address for %1</translation>
    </message>
    <message>
        <source>%1 a déjà une source, cette ligne est ignorée</source>
        <translation>%1 already has a source, this line is ignored</translation>
    </message>
</context>
<context>
    <name>ElementUpdate</name>
    <message>
        <source>%1 absent du dossier de la station : aucun fichier d&apos;éléments n&apos;a de source</source>
        <translation>%1 missing from the station folder: no element file has a source</translation>
    </message>
    <message>
        <source>%1 : %2 n&apos;est pas nommé dans Elements.cfg, il n&apos;est pas téléchargé</source>
        <translation>%1: %2 is not named in Elements.cfg, it is not downloaded</translation>
    </message>
    <message>
        <source>%1 ne donne aucune source</source>
        <translation>%1 gives no source</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ce satellite ne figure plus dans les fichiers d&apos;éléments :</source>
        <translation>This satellite is no longer in the element files:</translation>
    </message>
    <message>
        <source>Ces %1 satellites ne figurent plus dans les fichiers d&apos;éléments :</source>
        <translation>These %1 satellites are no longer in the element files:</translation>
    </message>
    <message>
        <source>Mettre a jour les fichiers d&apos;elements maintenant ?</source>
        <translation>Update the element files now?</translation>
    </message>
    <message>
        <source>dossier de station introuvable : %1</source>
        <translation>station folder not found: %1</translation>
    </message>
    <message>
        <source>Mise a jour automatique</source>
        <translation>Automatic update</translation>
    </message>
    <message>
        <source>Mise à jour automatique des éléments : fichier %1</source>
        <translation>Automatic element update: file %1</translation>
    </message>
    <message>
        <source>Éléments mis à jour automatiquement à %1 UTC</source>
        <translation>Elements updated automatically at %1 UTC</translation>
    </message>
    <message>
        <source>Mise à jour automatique : %1 fichier(s) non remplacé(s), les anciens sont gardés</source>
        <translation>Automatic update: %1 file(s) not replaced, the old ones are kept</translation>
    </message>
</context>
<context>
    <name>Frequencies</name>
    <message>
        <source>La table des frequences est pleine (%1 satellites) : %2 ne peut pas y etre ajoute.</source>
        <translation>The frequency table is full (%1 satellites): %2 cannot be added to it.</translation>
    </message>
    <message>
        <source>%1 ne peut pas etre ajoute a Frequences.cfg :<byte value="xd"/>
%2</source>
        <translation>%1 cannot be added to Frequences.cfg:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Le fichier Frequences.cfg a change depuis l&apos;ouverture de cette fenetre : fermez-la et ouvrez-la de nouveau pour modifier ce satellite.</source>
        <translation>The file Frequences.cfg has changed since this window was opened: close it and open it again to edit this satellite.</translation>
    </message>
    <message>
        <source>commence par un guillemet</source>
        <translation>starts with a quote</translation>
    </message>
    <message>
        <source>contient une virgule</source>
        <translation>contains a comma</translation>
    </message>
    <message>
        <source>Le fichier Frequences.cfg est endommage : l&apos;enregistrement %1 (lignes %2 a %3) %4.<byte value="xd"/>
Seuls les %5 enregistrements qui le precedent sont pris en compte, et le fichier ne sera pas modifie tant qu&apos;il n&apos;aura pas ete corrige.</source>
        <translation>The file Frequences.cfg is damaged: record %1 (lines %2 to %3) %4.<byte value="xd"/>
Only the %5 records before it are taken into account, and the file will not be changed until it is corrected.</translation>
    </message>
    <message>
        <source>Le fichier Frequences.cfg ne peut pas etre lu (%1) ; il ne sera pas modifie.</source>
        <translation>The file Frequences.cfg cannot be read (%1); it will not be changed.</translation>
    </message>
    <message>
        <source>est incomplet</source>
        <translation>is incomplete</translation>
    </message>
    <message>
        <source>%1 a la ligne %2</source>
        <translation>%1 at line %2</translation>
    </message>
    <message>
        <source>a une frequence qui n&apos;est pas un nombre : &quot;%1&quot;</source>
        <translation>has a frequency that is not a number: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Le fichier Frequences.cfg n&apos;a pas pu etre enregistre (%1).<byte value="xd"/>
L&apos;ancien fichier est conserve tel quel.</source>
        <translation>The file Frequences.cfg could not be saved (%1).<byte value="xd"/>
The old file is kept as it was.</translation>
    </message>
    <message>
        <source>Le fichier Frequences.cfg contient plus de %1 enregistrements : seuls les %1 premiers sont pris en compte, et le fichier ne sera pas modifie tant qu&apos;il en aura davantage.</source>
        <translation>The file Frequences.cfg holds more than %1 records: only the first %1 are taken into account, and the file will not be changed while it holds more.</translation>
    </message>
    <message>
        <source>Entrez le nom du satellite</source>
        <translation>Enter the satellite&apos;s name</translation>
    </message>
    <message>
        <source>Le nom du satellite ne doit pas contenir de virgule</source>
        <translation>The satellite&apos;s name must not contain a comma</translation>
    </message>
    <message>
        <source>Le nom du satellite ne doit pas contenir de guillemet</source>
        <translation>The satellite&apos;s name must not contain a quote</translation>
    </message>
    <message>
        <source>Le nom du satellite doit tenir sur une seule ligne</source>
        <translation>The satellite&apos;s name must fit on one line</translation>
    </message>
    <message>
        <source>Le nom du satellite contient un caractere de controle</source>
        <translation>The satellite&apos;s name contains a control character</translation>
    </message>
    <message>
        <source>Le nom du satellite contient le caractere &quot;%1&quot; que le fichier Frequences.cfg ne peut pas garder</source>
        <translation>The satellite&apos;s name contains the character &quot;%1&quot; that the file Frequences.cfg cannot keep</translation>
    </message>
    <message>
        <source>La frequence doit etre un nombre en MHz, avec un point pour les decimales (par exemple 145.800)</source>
        <translation>The frequency must be a number in MHz, with a point for the decimals (for example 145.800)</translation>
    </message>
    <message>
        <source>Entrez la frequence du satellite</source>
        <translation>Enter the satellite&apos;s frequency</translation>
    </message>
    <message>
        <source>La frequence ne doit pas depasser %1 caracteres</source>
        <translation>The frequency must not exceed %1 characters</translation>
    </message>
</context>
<context>
    <name>Gs232</name>
    <message>
        <source>la valeur de l&apos;azimut &quot;%1&quot; est incorrecte</source>
        <translation>the azimuth &quot;%1&quot; is not valid</translation>
    </message>
    <message>
        <source>la valeur de l&apos;azimut %1 est hors limites</source>
        <translation>the azimuth %1 is out of range</translation>
    </message>
    <message>
        <source>la valeur de site &quot;%1&quot; est incorrecte</source>
        <translation>the elevation &quot;%1&quot; is not valid</translation>
    </message>
    <message>
        <source>la valeur de site %1 est hors limites</source>
        <translation>the elevation %1 is out of range</translation>
    </message>
    <message>
        <source>Commande GS232 non envoyee : </source>
        <translation>GS232 command not sent: </translation>
    </message>
    <message>
        <source>Le GS-232 a répondu « %1 » au lieu de sa position : la réponse est ignorée.</source>
        <translation>The GS-232 answered &quot;%1&quot; instead of its position: the answer is ignored.</translation>
    </message>
</context>
<context>
    <name>Hamlib</name>
    <message>
        <source>connexion refusée par %1</source>
        <translation>connection refused by %1</translation>
    </message>
    <message>
        <source>modele %1</source>
        <translation>model %1</translation>
    </message>
    <message>
        <source>modele Hamlib %1 inconnu</source>
        <translation>unknown Hamlib model %1</translation>
    </message>
    <message>
        <source>%1 (%2) ne repond pas : %3.
Orvanta le rappellera de lui-meme.</source>
        <translation>%1 (%2) does not answer: %3.
Orvanta will call it again by itself.</translation>
    </message>
    <message>
        <source>%1 (%2) repond de nouveau.</source>
        <translation>%1 (%2) answers again.</translation>
    </message>
</context>
<context>
    <name>HamlibRotator</name>
    <message>
        <source>azimut %1, elevation %2</source>
        <translation>azimuth %1, elevation %2</translation>
    </message>
    <message>
        <source>ouvert, sans lecture de la position (%1)</source>
        <translation>open, without a position reading (%1)</translation>
    </message>
    <message>
        <source>Le rotor Hamlib refuse la position azimut %1, elevation %2 : %3.</source>
        <translation>The Hamlib rotator refuses the position azimuth %1, elevation %2: %3.</translation>
    </message>
    <message>
        <source>Le satellite sort des limites du rotor Hamlib (azimut %1 a %2, elevation %3 a %4) : le rotor reste a la limite la plus proche.</source>
        <translation>The satellite goes outside the Hamlib rotator&apos;s limits (azimuth %1 to %2, elevation %3 to %4): the rotator stays at the nearest limit.</translation>
    </message>
    <message>
        <source>Le rotor Hamlib</source>
        <translation>The Hamlib rotator</translation>
    </message>
    <message>
        <source>Aucun rotor Hamlib n&apos;est choisi : menu Selection, Interfaces Rotor, Hamlib.</source>
        <translation>No Hamlib rotator is chosen: menu Selection, Rotator Interfaces, Hamlib.</translation>
    </message>
    <message>
        <source>Position Hamlib non envoyee : la position est incorrecte</source>
        <translation>Hamlib position not sent: the position is not valid</translation>
    </message>
    <message>
        <source>Le rotor Hamlib a donné la position azimut %1, elevation %2, hors de ses limites : la lecture est ignorée.</source>
        <translation>The Hamlib rotator gave the position azimuth %1, elevation %2, outside its limits: the reading is ignored.</translation>
    </message>
</context>
<context>
    <name>HamlibSetup</name>
    <message>
        <source>Choisissez un modele dans la liste.</source>
        <translation>Choose a model in the list.</translation>
    </message>
    <message>
        <source>Indiquez l&apos;adresse sous la forme hote:port (par exemple %1).</source>
        <translation>Give the address as host:port (for example %1).</translation>
    </message>
    <message>
        <source>Indiquez le peripherique de la liaison serie (par exemple /dev/ttyUSB0).</source>
        <translation>Give the serial link&apos;s device (for example /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>Reponse : %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>Pas de reponse : %1</source>
        <translation>No answer: %1</translation>
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
    <name>History</name>
    <message>
        <source>Rev 1.0.0  Creation 10/10/2002</source>
        <translation>Rev 1.0.0  Creation 10/10/2002</translation>
    </message>
    <message>
        <source>Rev 1.1.0  Ajout sauvegarde base de registre 16/10/2002</source>
        <translation>Rev 1.1.0  Settings kept in the registry 16/10/2002</translation>
    </message>
    <message>
        <source>Rev 1.2.0  Ajout gestion interface GS-232 26/10/2002</source>
        <translation>Rev 1.2.0  GS-232 interface added 26/10/2002</translation>
    </message>
    <message>
        <source>Rev 1.2.1  Ajout gestion AR5000 31/10/2002</source>
        <translation>Rev 1.2.1  AR5000 added 31/10/2002</translation>
    </message>
    <message>
        <source>Rev 1.2.2  Ajout gestion automatique Heure UTC 05/11/2002</source>
        <translation>Rev 1.2.2  Automatic UTC time added 05/11/2002</translation>
    </message>
    <message>
        <source>Rev 1.3.0  Ajout Poursuite Manuelle 06/11/2002</source>
        <translation>Rev 1.3.0  Manual Tracking added 06/11/2002</translation>
    </message>
    <message>
        <source>Rev 1.3.1  Ajout Notice installation et utilisation 08/11/2002</source>
        <translation>Rev 1.3.1  Installation and user manual added 08/11/2002</translation>
    </message>
    <message>
        <source>Rev 1.3.2  Modification page Calibration pour l&apos;interface FodTrack 14/11/2002</source>
        <translation>Rev 1.3.2  Calibration page changed for the FodTrack interface 14/11/2002</translation>
    </message>
    <message>
        <source>Rev 1.3.3  Ajout gestion recepteur FT 847 19/10/2003</source>
        <translation>Rev 1.3.3  FT 847 receiver added 19/10/2003</translation>
    </message>
    <message>
        <source>Rev 1.3.4  Replacement de InpOut32.dll pour XP Suppression mise a jour Parmetres orbitaux 03/4/2006</source>
        <translation>Rev 1.3.4  InpOut32.dll replaced for XP, orbital parameter update removed 03/4/2006</translation>
    </message>
    <message>
        <source>Orvanta %1<byte value="xd"/>
Poursuite des satellites amateurs : passages, antennes et recepteur corrige de l&apos;effet Doppler.</source>
        <translation>Orvanta %1<byte value="xd"/>
Amateur satellite tracking: passes, antennas and receiver corrected for Doppler shift.</translation>
    </message>
</context>
<context>
    <name>Horizon</name>
    <message>
        <source>« %1 » n&apos;est pas deux nombres, l&apos;azimut et le site minimum</source>
        <translation>&quot;%1&quot; is not two numbers, the azimuth and the minimum elevation</translation>
    </message>
    <message>
        <source>l&apos;azimut %1 est hors de 0 à 360°</source>
        <translation>the azimuth %1 is outside 0 to 360°</translation>
    </message>
    <message>
        <source>le site %1 est hors de 0 à 90°</source>
        <translation>the elevation %1 is outside 0 to 90°</translation>
    </message>
    <message>
        <source>Horizon de la station</source>
        <translation>Station horizon</translation>
    </message>
    <message>
        <source>Un point par ligne : azimut et site minimum en degrés, séparés par des blancs, une tabulation ou un point-virgule ; « # » commence un commentaire. Entre deux points le site minimum varie linéairement ; une seule ligne vaut pour tous les azimuts.</source>
        <translation>One point per line: azimuth and minimum elevation in degrees, separated by spaces, a tab or a semicolon; &quot;#&quot; starts a comment. Between two points the minimum elevation varies linearly; a single line applies to every azimuth.</translation>
    </message>
    <message>
        <source>%1 non enregistré : %2</source>
        <translation>%1 not saved: %2</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Export impossible dans %1 : %2</source>
        <translation>Cannot export to %1: %2</translation>
    </message>
    <message>
        <source>%1 contact(s) exporté(s) dans %2</source>
        <translation>%1 contact(s) exported to %2</translation>
    </message>
    <message>
        <source>%1 illisible : %2</source>
        <translation>%1 unreadable: %2</translation>
    </message>
    <message>
        <source>%1 : fichier trop grand pour un journal ADIF</source>
        <translation>%1: file too large for an ADIF log</translation>
    </message>
    <message>
        <source>%1 : aucun contact ADIF dans ce fichier</source>
        <translation>%1: no ADIF contact in this file</translation>
    </message>
    <message>
        <source>%1 contact(s) importé(s) de %2, %3 déjà dans le journal</source>
        <translation>%1 contact(s) imported from %2, %3 already in the log</translation>
    </message>
    <message>
        <source>, %1 enregistrement(s) endommagé(s) ignoré(s) :
</source>
        <translation>, %1 damaged record(s) ignored:
</translation>
    </message>
    <message>
        <source>indicatif manquant</source>
        <translation>callsign missing</translation>
    </message>
    <message>
        <source>indicatif « %1 » : pas d&apos;espace dans un indicatif</source>
        <translation>callsign &quot;%1&quot;: no space in a callsign</translation>
    </message>
    <message>
        <source>indicatif « %1 » : caractère « %2 » interdit (lettres, chiffres et / seulement)</source>
        <translation>callsign &quot;%1&quot;: character &quot;%2&quot; not allowed (letters, digits and / only)</translation>
    </message>
    <message>
        <source>indicatif « %1 » : de 3 à 20 caractères</source>
        <translation>callsign &quot;%1&quot;: 3 to 20 characters</translation>
    </message>
    <message>
        <source>indicatif « %1 » : il faut au moins une lettre et un chiffre</source>
        <translation>callsign &quot;%1&quot;: at least one letter and one digit are needed</translation>
    </message>
    <message>
        <source>indicatif « %1 » : « / » mal placé</source>
        <translation>callsign &quot;%1&quot;: &quot;/&quot; misplaced</translation>
    </message>
    <message>
        <source>locator « %1 » : 4 ou 6 caractères comme JN18 ou JN18eu</source>
        <translation>locator &quot;%1&quot;: 4 or 6 characters such as JN18 or JN18eu</translation>
    </message>
    <message>
        <source>report « %1 » : 59, 599 ou un signal en dB comme -12</source>
        <translation>report &quot;%1&quot;: 59, 599 or a signal in dB such as -12</translation>
    </message>
    <message>
        <source>date ou heure invalide (AAAA-MM-JJ HH:MM:SS)</source>
        <translation>invalid date or time (YYYY-MM-DD HH:MM:SS)</translation>
    </message>
    <message>
        <source>date %1 dans le futur</source>
        <translation>date %1 in the future</translation>
    </message>
    <message>
        <source>nom LoTW du satellite manquant</source>
        <translation>satellite&apos;s LoTW name missing</translation>
    </message>
    <message>
        <source>nom de satellite « %1 » : de 2 à 20 caractères</source>
        <translation>satellite name &quot;%1&quot;: 2 to 20 characters</translation>
    </message>
    <message>
        <source>nom de satellite « %1 » : lettres, chiffres et - seulement</source>
        <translation>satellite name &quot;%1&quot;: letters, digits and - only</translation>
    </message>
    <message>
        <source>%1 sur %2</source>
        <translation>%1 on %2</translation>
    </message>
    <message>
        <source>Déjà contacté %1 fois : %2%3</source>
        <translation>Already worked %1 times: %2%3</translation>
    </message>
    <message>
        <source>%1 : nouveau carré</source>
        <translation>%1: new square</translation>
    </message>
    <message>
        <source>%1 : nouveau carré sur %2</source>
        <translation>%1: new square on %2</translation>
    </message>
    <message>
        <source>ce satellite</source>
        <translation>this satellite</translation>
    </message>
    <message>
        <source>Nom LoTW de %1 (n° %2) inconnu : tapez-le dans « Satellite », il sera gardé.</source>
        <translation>LoTW name of %1 (no. %2) unknown: type it in &quot;Satellite&quot;, it will be kept.</translation>
    </message>
    <message>
        <source>votre </source>
        <translation>your </translation>
    </message>
    <message>
        <source>fréquence « %1 » : en MHz, comme 145.950</source>
        <translation>frequency &quot;%1&quot;: in MHz, such as 145.950</translation>
    </message>
    <message>
        <source>Contact non enregistré : %1</source>
        <translation>Contact not saved: %1</translation>
    </message>
    <message>
        <source>%1 %2 enregistré (%3, %4 TU)</source>
        <translation>%1 %2 saved (%3, %4 UTC)</translation>
    </message>
    <message>
        <source>Contact modifié :</source>
        <translation>Contact edited:</translation>
    </message>
    <message>
        <source>Contact avec</source>
        <translation>Contact with</translation>
    </message>
    <message>
        <source> ; %1 gardé pour le n° %2 dans %3</source>
        <translation>; %1 kept for no. %2 in %3</translation>
    </message>
    <message>
        <source> ; nom %1 non gardé : %2</source>
        <translation>; name %1 not kept: %2</translation>
    </message>
    <message>
        <source>Contact supprimé</source>
        <translation>Contact deleted</translation>
    </message>
    <message>
        <source>n°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Date et heure TU</source>
        <translation>UTC date and time</translation>
    </message>
    <message>
        <source>Indicatif</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Mode sat.</source>
        <translation>Sat mode</translation>
    </message>
    <message>
        <source>Montée (MHz)</source>
        <translation>Uplink (MHz)</translation>
    </message>
    <message>
        <source>Descente (MHz)</source>
        <translation>Downlink (MHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>RST env.</source>
        <translation>RST sent</translation>
    </message>
    <message>
        <source>RST reçu</source>
        <translation>RST rcvd</translation>
    </message>
    <message>
        <source>Locator</source>
        <translation>Locator</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>&amp;Indicatif</source>
        <translation>&amp;Callsign</translation>
    </message>
    <message>
        <source>RST &amp;envoyé</source>
        <translation>RST &amp;sent</translation>
    </message>
    <message>
        <source>RST &amp;reçu</source>
        <translation>RST &amp;rcvd</translation>
    </message>
    <message>
        <source>&amp;Locator</source>
        <translation>&amp;Locator</translation>
    </message>
    <message>
        <source>&amp;Nom</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Commentaire</source>
        <translation>Co&amp;mment</translation>
    </message>
    <message>
        <source>Satellite (LoTW)</source>
        <translation>Satellite (LoTW)</translation>
    </message>
    <message>
        <source>Mon locator</source>
        <translation>My locator</translation>
    </message>
    <message>
        <source>Journal des contacts</source>
        <translation>Log of Contacts</translation>
    </message>
    <message>
        <source>Indicatif de la station</source>
        <translation>Station&apos;s callsign</translation>
    </message>
    <message>
        <source>Opérateur</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>&amp;Modifier</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Tous les contacts</source>
        <translation>All contacts</translation>
    </message>
    <message>
        <source>Depuis le dernier export</source>
        <translation>Since the last export</translation>
    </message>
    <message>
        <source>Du … au …</source>
        <translation>From … to …</translation>
    </message>
    <message>
        <source>E&amp;xporter ADIF…</source>
        <translation>E&amp;xport ADIF…</translation>
    </message>
    <message>
        <source>Im&amp;porter ADIF…</source>
        <translation>Im&amp;port ADIF…</translation>
    </message>
    <message>
        <source>Modification du contact : Entrée enregistre, Échap abandonne.</source>
        <translation>Editing the contact: Enter saves, Esc gives up.</translation>
    </message>
    <message>
        <source>Supprimer le contact avec %1 du %2 TU ?</source>
        <translation>Delete the contact with %1 of %2 UTC?</translation>
    </message>
    <message>
        <source>Exporter le journal en ADIF</source>
        <translation>Export the log as ADIF</translation>
    </message>
    <message>
        <source>ADIF (*.adi);;Tous les fichiers (*)</source>
        <translation>ADIF (*.adi);;All files (*)</translation>
    </message>
    <message>
        <source>Importer un journal ADIF</source>
        <translation>Import an ADIF log</translation>
    </message>
    <message>
        <source>ADIF (*.adi *.adif);;Tous les fichiers (*)</source>
        <translation>ADIF (*.adi *.adif);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Log</translation>
    </message>
    <message>
        <source>&amp;Journal des contacts</source>
        <translation>&amp;Log of Contacts</translation>
    </message>
    <message>
        <source>%1, ligne %2 : « %3 » (numéro;nom attendu%4)</source>
        <translation>%1, line %2: &quot;%3&quot; (number;name expected%4)</translation>
    </message>
    <message>
        <source>numéro de catalogue manquant</source>
        <translation>catalogue number missing</translation>
    </message>
    <message>
        <source>pas de CALL</source>
        <translation>no CALL</translation>
    </message>
    <message>
        <source>TIME_ON « %1 » illisible (HHMM ou HHMMSS)</source>
        <translation>TIME_ON &quot;%1&quot; unreadable (HHMM or HHMMSS)</translation>
    </message>
    <message>
        <source>date %1 ou heure %2 impossible</source>
        <translation>impossible date %1 or time %2</translation>
    </message>
    <message>
        <source>%1 « %2 » n&apos;est pas une fréquence en MHz</source>
        <translation>%1 &quot;%2&quot; is not a frequency in MHz</translation>
    </message>
    <message>
        <source>enregistrement incomplet à la fin du fichier (pas de &lt;EOR&gt;)</source>
        <translation>incomplete record at the end of the file (no &lt;EOR&gt;)</translation>
    </message>
    <message>
        <source>balise coupée par la fin du fichier</source>
        <translation>tag cut off by the end of the file</translation>
    </message>
    <message>
        <source>balise « %1 » sans « &gt; »</source>
        <translation>tag &quot;%1&quot; without &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>longueur « %1 » du champ %2 illisible</source>
        <translation>length &quot;%1&quot; of field %2 unreadable</translation>
    </message>
    <message>
        <source>le champ %1 annonce %2 octets au-delà de la fin du fichier</source>
        <translation>field %1 announces %2 bytes beyond the end of the file</translation>
    </message>
    <message>
        <source>caractère de contrôle dans le champ %1 (fichier binaire ?)</source>
        <translation>control character in field %1 (binary file?)</translation>
    </message>
    <message>
        <source>journal en lecture seule (fichier ou dossier protégé en écriture) — </source>
        <translation>log is read-only (file or folder write-protected) — </translation>
    </message>
    <message>
        <source>écriture refusée par le disque — </source>
        <translation>write refused by the disk — </translation>
    </message>
    <message>
        <source>journal occupé par un autre programme — </source>
        <translation>log busy in another program — </translation>
    </message>
    <message>
        <source>le pilote SQLite de Qt manque (paquet libqt6sql6-sqlite)</source>
        <translation>Qt&apos;s SQLite driver is missing (package libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un journal lisible (fichier SQLite attendu)</source>
        <translation>%1 is not a readable log (SQLite file expected)</translation>
    </message>
    <message>
        <source>Le journal %1 a été écrit par une version plus récente d&apos;Orvanta (schéma %2, celle-ci connaît le schéma %3) : il n&apos;est ni ouvert ni modifié. Mettez Orvanta à jour pour l&apos;utiliser.</source>
        <translation>The log %1 was written by a newer version of Orvanta (schema %2, this one knows schema %3): it is neither opened nor changed. Update Orvanta to use it.</translation>
    </message>
    <message>
        <source>dossier %1 impossible à créer</source>
        <translation>folder %1 cannot be created</translation>
    </message>
    <message>
        <source>journal %1 impossible à ouvrir : %2</source>
        <translation>log %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>journal %1 : mode WAL refusé (%2)</source>
        <translation>log %1: WAL mode refused (%2)</translation>
    </message>
    <message>
        <source>journal %1 impossible à préparer : %2</source>
        <translation>log %1 cannot be prepared: %2</translation>
    </message>
    <message>
        <source>journal %1 : passage au schéma %2 impossible : %3</source>
        <translation>log %1: upgrade to schema %2 impossible: %3</translation>
    </message>
    <message>
        <source>contact non enregistré dans %1 : %2</source>
        <translation>contact not saved in %1: %2</translation>
    </message>
    <message>
        <source>import annulé, rien n&apos;est ajouté à %1 : %2</source>
        <translation>import cancelled, nothing is added to %1: %2</translation>
    </message>
    <message>
        <source>modification non enregistrée dans %1 : %2</source>
        <translation>change not saved in %1: %2</translation>
    </message>
    <message>
        <source>contact non supprimé de %1 : %2</source>
        <translation>contact not deleted from %1: %2</translation>
    </message>
    <message>
        <source>fin du dernier export non gardée dans %1 : %2</source>
        <translation>end of the last export not kept in %1: %2</translation>
    </message>
    <message>
        <source>erreur SQLite</source>
        <translation>SQLite error</translation>
    </message>
    <message>
        <source>journal %1 illisible : %2</source>
        <translation>log %1 unreadable: %2</translation>
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
    <name>LogCommand</name>
    <message>
        <source>--since : date attendue sous la forme AAAA-MM-JJ, pas « %1 »</source>
        <translation>--since: date expected as YYYY-MM-DD, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>import : fichier ADIF absent</source>
        <translation>import: ADIF file missing</translation>
    </message>
    <message>
        <source>%1 contact(s) importé(s), %2 déjà dans le journal</source>
        <translation>%1 contact(s) imported, %2 already in the log</translation>
    </message>
    <message>
        <source>, %1 enregistrement(s) endommagé(s) ignoré(s)</source>
        <translation>, %1 damaged record(s) ignored</translation>
    </message>
    <message>
        <source>usage :
  orvanta-log export --adif FICHIER [--since AAAA-MM-JJ] [--database FICHIER]
  orvanta-log import FICHIER [--database FICHIER]
  orvanta-log list [--call INDICATIF] [--database FICHIER]
  orvanta-log --version
Le journal est par défaut ~/.local/share/orvanta/journal.sqlite, celui de la fenêtre Journal.
export écrit les contacts (depuis la date donnée, incluse) en ADIF 3.1 pour LoTW ;
import ajoute ceux d&apos;un fichier ADIF qui ne sont pas déjà dans le journal ;
list les écrit en CSV, les plus récents d&apos;abord.
Statut 0 : fait, 1 : journal ou fichier inutilisable, enregistrement endommagé ignoré,
2 : arguments incorrects.
</source>
        <translation>usage:
  orvanta-log export --adif FILE [--since YYYY-MM-DD] [--database FILE]
  orvanta-log import FILE [--database FILE]
  orvanta-log list [--call CALLSIGN] [--database FILE]
  orvanta-log --version
The log is by default ~/.local/share/orvanta/journal.sqlite, the one of the Log window.
export writes the contacts (from the given date, included) as ADIF 3.1 for LoTW;
import adds those of an ADIF file that are not already in the log;
list writes them as CSV, the most recent first.
Status 0: done, 1: log or file unusable, damaged record ignored,
2: bad arguments.
</translation>
    </message>
    <message>
        <source>commande absente</source>
        <translation>command missing</translation>
    </message>
    <message>
        <source>commande inconnue : %1</source>
        <translation>unknown command: %1</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>&amp;Parametres</source>
        <translation>&amp;Parameters</translation>
    </message>
    <message>
        <source>&amp;Observateur</source>
        <translation>&amp;Observer</translation>
    </message>
    <message>
        <source>&amp;Communication</source>
        <translation>&amp;Communication</translation>
    </message>
    <message>
        <source>Port LPT</source>
        <translation>LPT Port</translation>
    </message>
    <message>
        <source>Com2 RECEPTEUR</source>
        <translation>Com2 RECEIVER</translation>
    </message>
    <message>
        <source>1200 Bauds</source>
        <translation>1200 Baud</translation>
    </message>
    <message>
        <source>2400 Bauds</source>
        <translation>2400 Baud</translation>
    </message>
    <message>
        <source>4800 Bauds</source>
        <translation>4800 Baud</translation>
    </message>
    <message>
        <source>9600_Bauds</source>
        <translation>9600 Baud</translation>
    </message>
    <message>
        <source>19200 Bauds</source>
        <translation>19200 Baud</translation>
    </message>
    <message>
        <source>Com1  ROTOR</source>
        <translation>Com1  ROTATOR</translation>
    </message>
    <message>
        <source>1200 Baud</source>
        <translation>1200 Baud</translation>
    </message>
    <message>
        <source>2400 Baud</source>
        <translation>2400 Baud</translation>
    </message>
    <message>
        <source>4800 Baud</source>
        <translation>4800 Baud</translation>
    </message>
    <message>
        <source>9600 Baud</source>
        <translation>9600 Baud</translation>
    </message>
    <message>
        <source>19200 Baud</source>
        <translation>19200 Baud</translation>
    </message>
    <message>
        <source>Peripheriques</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>&amp;Selection</source>
        <translation>&amp;Selection</translation>
    </message>
    <message>
        <source>Recepteurs</source>
        <translation>Receivers</translation>
    </message>
    <message>
        <source>Interfaces Rotor</source>
        <translation>Rotator Interfaces</translation>
    </message>
    <message>
        <source>Sa&amp;tellites</source>
        <translation>Sa&amp;tellites</translation>
    </message>
    <message>
        <source>&amp;Elements</source>
        <translation>&amp;Elements</translation>
    </message>
    <message>
        <source>&amp;Sources des elements</source>
        <translation>Element &amp;Sources</translation>
    </message>
    <message>
        <source>&amp;Mettre a jour les elements</source>
        <translation>Update the &amp;Elements</translation>
    </message>
    <message>
        <source>Tra&amp;nspondeurs</source>
        <translation>Tra&amp;nsponders</translation>
    </message>
    <message>
        <source>&amp;Panneau du satellite suivi</source>
        <translation>Tracked Satellite&apos;s &amp;Panel</translation>
    </message>
    <message>
        <source>&amp;Importer la liste SatNOGS DB...</source>
        <translation>&amp;Import the SatNOGS DB List...</translation>
    </message>
    <message>
        <source>&amp;VFO de montée (Hamlib)</source>
        <translation>Uplink &amp;VFO (Hamlib)</translation>
    </message>
    <message>
        <source>&amp;Ignorer le cadran</source>
        <translation>&amp;Ignore the Dial</translation>
    </message>
    <message>
        <source>&amp;Radio de montée (Hamlib)...</source>
        <translation>Uplink &amp;Radio (Hamlib)...</translation>
    </message>
    <message>
        <source>Ca&amp;libration</source>
        <translation>Ca&amp;libration</translation>
    </message>
    <message>
        <source>C&amp;iel</source>
        <translation>&amp;Sky</translation>
    </message>
    <message>
        <source>Ca&amp;rte</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;A propos de</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Historique</source>
        <translation>&amp;History</translation>
    </message>
    <message>
        <source>&amp;Notice Utilisation</source>
        <translation>User &amp;Manual</translation>
    </message>
</context>
<context>
    <name>ManualPointing</name>
    <message>
        <source>Valeur Azimut superieur a 360°</source>
        <translation>Azimuth greater than 360°</translation>
    </message>
    <message>
        <source>La valeur de l&apos;azimut est incorrecte</source>
        <translation>The azimuth is not valid</translation>
    </message>
    <message>
        <source>Valeur Azimut maximun atteinte</source>
        <translation>Maximum azimuth reached</translation>
    </message>
    <message>
        <source>Valeur Azimut minimun atteinte</source>
        <translation>Minimum azimuth reached</translation>
    </message>
    <message>
        <source>Specifiez une valeur d&apos;azimut</source>
        <translation>Give an azimuth</translation>
    </message>
    <message>
        <source>Valeur Site superieur a 90°</source>
        <translation>Elevation greater than 90°</translation>
    </message>
    <message>
        <source>La valeur de site est incorrecte</source>
        <translation>The elevation is not valid</translation>
    </message>
    <message>
        <source>Valeur Site maximun atteinte</source>
        <translation>Maximum elevation reached</translation>
    </message>
    <message>
        <source>Valeur Site minimun atteinte</source>
        <translation>Minimum elevation reached</translation>
    </message>
    <message>
        <source>Specifiez une valeur de site</source>
        <translation>Give an elevation</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <source>° O  </source>
        <translation>° W  </translation>
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
    <name>OrbitCommand</name>
    <message>
        <source>aucun satellite utilisable dans %1</source>
        <translation>no usable satellite in %1</translation>
    </message>
    <message>
        <source>satellite absent des éléments : %1</source>
        <translation>satellite not in the elements: %1</translation>
    </message>
    <message>
        <source>%1 : instant attendu sous la forme %2, pas « %3 »</source>
        <translation>%1: instant expected as %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--format : csv ou ics attendu, pas « %1 »</source>
        <translation>--format: csv or ics expected, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 : orbite terminée le %2 (satellite retombé), rien n&apos;est prédit après%3</source>
        <translation>%1: orbit ended on %2 (satellite decayed), nothing is predicted after%3</translation>
    </message>
    <message>
        <source> ; le passage en cours s&apos;arrête à cet instant</source>
        <translation>; the pass in progress stops at that instant</translation>
    </message>
    <message>
        <source>orbite impossible à calculer à cet instant</source>
        <translation>orbit cannot be computed at this instant</translation>
    </message>
    <message>
        <source>%1 : instants à plus de %2 ans des éléments, suite refusée</source>
        <translation>%1: instants more than %2 years from the elements, run refused</translation>
    </message>
    <message>
        <source>%1 : éléments à plus de %2 jours des instants demandés, prédiction peu sûre</source>
        <translation>%1: elements more than %2 days from the instants asked, prediction unreliable</translation>
    </message>
    <message>
        <source>%1 : %2 (erreur %3 du modèle) à %4, suite abandonnée</source>
        <translation>%1: %2 (model error %3) at %4, run abandoned</translation>
    </message>
    <message>
        <source>trop de pas : --minutes / --step-s dépasse %1</source>
        <translation>too many steps: --minutes / --step-s exceeds %1</translation>
    </message>
    <message>
        <source>trop de propagations : %1 satellites × %2 instants dépasse %3 pour la commande entière</source>
        <translation>too many propagations: %1 satellites × %2 instants exceeds %3 for the whole command</translation>
    </message>
    <message>
        <source>commande absente</source>
        <translation>command missing</translation>
    </message>
    <message>
        <source>commande inconnue : %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>%1 : %2 à %3, suite abandonnée</source>
        <translation>%1: %2 at %3, run abandoned</translation>
    </message>
    <message>
        <source>orbite impossible à calculer</source>
        <translation>orbit cannot be computed</translation>
    </message>
    <message>
        <source>la première station se donne par --lat et --lon, ou par --locator</source>
        <translation>the first station is given by --lat and --lon, or by --locator</translation>
    </message>
    <message>
        <source>%1 : locator attendu (JN18eu), pas « %2 »</source>
        <translation>%1: locator expected (JN18eu), not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 : éléments à plus de %2 jours de l&apos;instant demandé, prédiction peu sûre</source>
        <translation>%1: elements more than %2 days from the requested instant, prediction unreliable</translation>
    </message>
    <message>
        <source>--horizon : %1 ne peut pas être lu</source>
        <translation>--horizon: %1 cannot be read</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas deux nombres, l&apos;azimut et le site minimum</source>
        <translation>&quot;%1&quot; is not two numbers, the azimuth and the minimum elevation</translation>
    </message>
    <message>
        <source>l&apos;azimut %1 est hors de 0 à 360°</source>
        <translation>the azimuth %1 is outside 0 to 360°</translation>
    </message>
    <message>
        <source>le site %1 est hors de 0 à 90°</source>
        <translation>the elevation %1 is outside 0 to 90°</translation>
    </message>
    <message>
        <source>%1, ligne %2 : %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>usage :
  orvanta-orbit passes --elements PATH --lat DEG --lon DEG [--alt M] --start YYYY-MM-DDTHH:MM:SSZ
                       [--days N] [--min-elev DEG] [--min-duration S] [--sat NOM|NUMERO]... [--format csv|ics]
                       [--threads N] [--horizon FICHIER]
  orvanta-orbit look --elements PATH --lat DEG --lon DEG [--alt M] --time YYYY-MM-DDTHH:MM:SS.sssZ
                     [--sat NOM|NUMERO]...
  orvanta-orbit verify --elements FILE
  orvanta-orbit propagate --elements PATH --start ISO --minutes M --step-s S [--summary] [--threads N]
  orvanta-orbit track --elements PATH --sat NOM|NUMERO --start ISO --minutes M --step-s S
  orvanta-orbit mutual --elements PATH (--lat DEG --lon DEG [--alt M] | --locator LOC)
                       --locator2 LOC --start ISO [--days N] [--min-elev DEG] [--sat NOM|NUMERO]...
  orvanta-orbit --version
  orvanta-orbit --help
  orvanta-orbit update --station DIR
PATH : un fichier d&apos;éléments, deux lignes ou OMM (CSV, JSON, XML), reconnu à son contenu,
       ou un dossier (ses fichiers &quot;*.txt&quot;, &quot;*.csv&quot;, &quot;*.json&quot;, &quot;*.xml&quot;).
--sat : le nom d&apos;un satellite ou son numéro de catalogue.
--threads : les fils de calcul qui se partagent les satellites (par défaut, un par cœur).
update télécharge les fichiers d&apos;éléments qui ont une source dans DIR/Sources.cfg,
une ligne par fichier ; statut 0 : tous mis à jour, 1 : au moins un fichier
gardé tel quel ou une source inutilisable, 2 : arguments incorrects.
</source>
        <translation>usage:
  orvanta-orbit passes --elements PATH --lat DEG --lon DEG [--alt M] --start YYYY-MM-DDTHH:MM:SSZ
                       [--days N] [--min-elev DEG] [--min-duration S] [--sat NAME|NUMBER]... [--format csv|ics]
                       [--threads N] [--horizon FILE]
  orvanta-orbit look --elements PATH --lat DEG --lon DEG [--alt M] --time YYYY-MM-DDTHH:MM:SS.sssZ
                     [--sat NAME|NUMBER]...
  orvanta-orbit verify --elements FILE
  orvanta-orbit propagate --elements PATH --start ISO --minutes M --step-s S [--summary] [--threads N]
  orvanta-orbit track --elements PATH --sat NAME|NUMBER --start ISO --minutes M --step-s S
  orvanta-orbit mutual --elements PATH (--lat DEG --lon DEG [--alt M] | --locator LOC)
                       --locator2 LOC --start ISO [--days N] [--min-elev DEG] [--sat NAME|NUMBER]...
  orvanta-orbit --version
  orvanta-orbit --help
  orvanta-orbit update --station DIR
PATH: an element file, two-line or OMM (CSV, JSON, XML), recognised by its content,
      or a folder (its files &quot;*.txt&quot;, &quot;*.csv&quot;, &quot;*.json&quot;, &quot;*.xml&quot;).
--sat: a satellite&apos;s name or its catalogue number.
--threads: the computing threads that share the satellites (by default, one per core).
update downloads the element files that have a source in DIR/Sources.cfg,
one line per file; status 0: all updated, 1: at least one file
kept as it was or a source unusable, 2: bad arguments.
</translation>
    </message>
</context>
<context>
    <name>OrbitElements</name>
    <message>
        <source>%1 Mo</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 ko</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>orbite refusée par le modèle : %1</source>
        <translation>orbit refused by the model: %1</translation>
    </message>
    <message>
        <source>« %1 » : %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>ligne isolée, sans jeu d&apos;éléments</source>
        <translation>stray line, not part of an element set</translation>
    </message>
    <message>
        <source>lignes %1 à %2 : pas un jeu d&apos;éléments</source>
        <translation>lines %1 to %2: not an element set</translation>
    </message>
    <message>
        <source>ligne 1 sans ligne 2</source>
        <translation>line 1 without line 2</translation>
    </message>
    <message>
        <source>ligne 2 sans ligne 1</source>
        <translation>line 2 without line 1</translation>
    </message>
    <message>
        <source>pas un fichier texte</source>
        <translation>not a text file</translation>
    </message>
    <message>
        <source>document JSON ou XML qui ne nomme aucun champ OMM : pas des éléments</source>
        <translation>JSON or XML document naming no OMM field: not elements</translation>
    </message>
    <message>
        <source>fichier illisible</source>
        <translation>unreadable file</translation>
    </message>
    <message>
        <source>fichier de %1, trop grand pour un fichier d&apos;éléments (%2 au plus) : non lu</source>
        <translation>file of %1, too large for an element file (%2 at most): not read</translation>
    </message>
    <message>
        <source>ligne %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>objet %1</source>
        <translation>object %1</translation>
    </message>
    <message>
        <source>dossier illisible</source>
        <translation>unreadable folder</translation>
    </message>
    <message>
        <source>fichier ou dossier introuvable</source>
        <translation>file or folder not found</translation>
    </message>
    <message>
        <source>ligne %1 : %2 colonnes au lieu de 69</source>
        <translation>line %1: %2 columns instead of 69</translation>
    </message>
    <message>
        <source>ligne %1 : elle ne commence pas par « %1 »</source>
        <translation>line %1: it does not start with &quot;%1&quot;</translation>
    </message>
    <message>
        <source>ligne %1 : somme de contrôle absente (colonne 69)</source>
        <translation>line %1: checksum missing (column 69)</translation>
    </message>
    <message>
        <source>ligne %1 : somme de contrôle fausse (%2 lu, %3 calculé)</source>
        <translation>line %1: wrong checksum (%2 read, %3 computed)</translation>
    </message>
    <message>
        <source>%1 (hors de 0 à %2)</source>
        <translation>%1 (outside 0 to %2)</translation>
    </message>
    <message>
        <source>ligne %1, colonnes %2-%3 : %4 illisible</source>
        <translation>line %1, columns %2-%3: %4 unreadable</translation>
    </message>
    <message>
        <source>année de l&apos;époque</source>
        <translation>epoch year</translation>
    </message>
    <message>
        <source>jour de l&apos;époque</source>
        <translation>epoch day</translation>
    </message>
    <message>
        <source>ligne 1 : numéro de catalogue absent</source>
        <translation>line 1: catalogue number missing</translation>
    </message>
    <message>
        <source>numéros de catalogue différents sur les lignes 1 et 2</source>
        <translation>different catalogue numbers on lines 1 and 2</translation>
    </message>
    <message>
        <source>numéro de catalogue</source>
        <translation>catalogue number</translation>
    </message>
    <message>
        <source>dérivée du mouvement moyen</source>
        <translation>first derivative of mean motion</translation>
    </message>
    <message>
        <source>dérivée seconde du mouvement moyen</source>
        <translation>second derivative of mean motion</translation>
    </message>
    <message>
        <source>coefficient de freinage</source>
        <translation>drag term (B*)</translation>
    </message>
    <message>
        <source>inclinaison</source>
        <translation>inclination</translation>
    </message>
    <message>
        <source>ascension droite du nœud</source>
        <translation>right ascension of the ascending node</translation>
    </message>
    <message>
        <source>argument du périgée</source>
        <translation>argument of perigee</translation>
    </message>
    <message>
        <source>anomalie moyenne</source>
        <translation>mean anomaly</translation>
    </message>
    <message>
        <source>mouvement moyen</source>
        <translation>mean motion</translation>
    </message>
    <message>
        <source>excentricité</source>
        <translation>eccentricity</translation>
    </message>
    <message>
        <source>ligne 2 : mouvement moyen nul ou négatif</source>
        <translation>line 2: mean motion zero or negative</translation>
    </message>
    <message>
        <source>numéro de révolution</source>
        <translation>revolution number</translation>
    </message>
    <message>
        <source>en-tête CSV illisible</source>
        <translation>unreadable CSV header</translation>
    </message>
    <message>
        <source>en-tête CSV sans %1 : fichier ignoré</source>
        <translation>CSV header without %1: file ignored</translation>
    </message>
    <message>
        <source>guillemets non refermés</source>
        <translation>unclosed quotes</translation>
    </message>
    <message>
        <source>%1 champs au lieu de %2</source>
        <translation>%1 fields instead of %2</translation>
    </message>
    <message>
        <source>objet inachevé : JSON tronqué ou illisible à l&apos;octet %1</source>
        <translation>unfinished object: JSON truncated or unreadable at byte %1</translation>
    </message>
    <message>
        <source>JSON tronqué ou illisible à l&apos;octet %1, après %2 objet(s)</source>
        <translation>JSON truncated or unreadable at byte %1, after %2 object(s)</translation>
    </message>
    <message>
        <source>aucun objet OMM dans le JSON</source>
        <translation>no OMM object in the JSON</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>illisible (« %1 »)</source>
        <translation>unreadable (&quot;%1&quot;)</translation>
    </message>
    <message>
        <source>non fini</source>
        <translation>not finite</translation>
    </message>
    <message>
        <source>%1 hors limites</source>
        <translation>%1 out of range</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un nombre entier</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>%1 hors limites (%2 à %3)</source>
        <translation>%1 out of range (%2 to %3)</translation>
    </message>
    <message>
        <source>illisible</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>autre que 0 : seuls les éléments SGP4 sont lus</source>
        <translation>other than 0: only SGP4 elements are read</translation>
    </message>
    <message>
        <source>nul</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>document XML sans &lt;omm&gt; ni &lt;ndm&gt; : pas des éléments OMM</source>
        <translation>XML document without &lt;omm&gt; or &lt;ndm&gt;: not OMM elements</translation>
    </message>
    <message>
        <source>XML illisible à l&apos;octet %1 (%2)</source>
        <translation>XML unreadable at byte %1 (%2)</translation>
    </message>
    <message>
        <source>XML tronqué ou illisible à l&apos;octet %1 (%2), après %3 objet(s)</source>
        <translation>XML truncated or unreadable at byte %1 (%2), after %3 object(s)</translation>
    </message>
</context>
<context>
    <name>OrbitOptions</name>
    <message>
        <source>argument inattendu : %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>valeur manquante après %1</source>
        <translation>value missing after %1</translation>
    </message>
    <message>
        <source>option donnée deux fois : %1</source>
        <translation>option given twice: %1</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>option obligatoire absente : %1</source>
        <translation>required option missing: %1</translation>
    </message>
    <message>
        <source>%1 : nombre attendu, pas « %2 »</source>
        <translation>%1: number expected, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 : %2 hors de %3 à %4</source>
        <translation>%1: %2 outside %3 to %4</translation>
    </message>
    <message>
        <source>%1 : nombre entier attendu, pas « %2 »</source>
        <translation>%1: whole number expected, not &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>OrbitPrediction</name>
    <message>
        <source>non numérique</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>%1 %2 hors limites (%3 à %4)</source>
        <translation>%1 %2 out of range (%3 to %4)</translation>
    </message>
    <message>
        <source>satellite absent des éléments</source>
        <translation>satellite not in the elements</translation>
    </message>
    <message>
        <source>station refusée :</source>
        <translation>station refused:</translation>
    </message>
    <message>
        <source>instant à %1 ans des éléments (époque %2), plus de %3 ans : prédiction refusée</source>
        <translation>time %1 years from the elements (epoch %2), more than %3 years: prediction refused</translation>
    </message>
    <message>
        <source>orbite terminée le %1 : %2</source>
        <translation>orbit ended on %1: %2</translation>
    </message>
    <message>
        <source>orbite impossible à calculer : %1</source>
        <translation>orbit cannot be computed: %1</translation>
    </message>
    <message>
        <source>excentricité hors limites</source>
        <translation>eccentricity out of range</translation>
    </message>
    <message>
        <source>mouvement moyen nul ou négatif</source>
        <translation>mean motion zero or negative</translation>
    </message>
    <message>
        <source>excentricité perturbée hors limites</source>
        <translation>perturbed eccentricity out of range</translation>
    </message>
    <message>
        <source>paramètre de l&apos;orbite négatif</source>
        <translation>negative semi-latus rectum</translation>
    </message>
    <message>
        <source>satellite retombé (sous la surface de la Terre)</source>
        <translation>satellite decayed (below the Earth&apos;s surface)</translation>
    </message>
    <message>
        <source>instant trop éloigné de l&apos;époque des éléments</source>
        <translation>time too far from the epoch of the elements</translation>
    </message>
    <message>
        <source>pas d&apos;erreur</source>
        <translation>no error</translation>
    </message>
</context>
<context>
    <name>OrbitSchedule</name>
    <message>
        <source>, caché par l&apos;horizon de la station</source>
        <translation>, hidden by the station horizon</translation>
    </message>
    <message>
        <source>, au-dessus de l&apos;horizon de la station de %1 à %2 UTC</source>
        <translation>, above the station horizon from %1 to %2 UTC</translation>
    </message>
    <message>
        <source>%1 - site max %2°</source>
        <translation>%1 - max elevation %2°</translation>
    </message>
    <message>
        <source>, visible à l&apos;oeil</source>
        <translation>, visible to the naked eye</translation>
    </message>
    <message>
        <source>, éclairé</source>
        <translation>, sunlit</translation>
    </message>
    <message>
        <source>, dans l&apos;ombre</source>
        <translation>, in eclipse</translation>
    </message>
    <message>
        <source>Acquisition azimut %1°, perte azimut %2°, site maximal %3°, durée %4 s</source>
        <translation>AOS azimuth %1°, LOS azimuth %2°, maximum elevation %3°, duration %4 s</translation>
    </message>
</context>
<context>
    <name>OrbitVerification</name>
    <message>
        <source>début, fin et pas (minutes) attendus après la colonne 69</source>
        <translation>start, stop and step (minutes) expected after column 69</translation>
    </message>
    <message>
        <source>plus de %1 pas de %2 min de %3 à %4</source>
        <translation>more than %1 steps of %2 min from %3 to %4</translation>
    </message>
    <message>
        <source>pas de %1 min trop petit pour avancer à %2 min</source>
        <translation>step of %1 min too small to move on at %2 min</translation>
    </message>
    <message>
        <source>%1, ligne %2 : pas un jeu de deux lignes</source>
        <translation>%1, line %2: not a two-line set</translation>
    </message>
    <message>
        <source>%1, ligne %2 : %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>%1 : dossier ; un fichier de vérification est attendu</source>
        <translation>%1: folder; a verification file is expected</translation>
    </message>
    <message>
        <source>%1 : fichier illisible</source>
        <translation>%1: unreadable file</translation>
    </message>
    <message>
        <source># erreur %1 à %2 min : %3</source>
        <translation># error %1 at %2 min: %3</translation>
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
    <name>PassDetails</name>
    <message>
        <source>Acquisition : %1 UTC, azimut %2</source>
        <translation>Acquisition (AOS): %1 UTC, azimuth %2</translation>
    </message>
    <message>
        <source>Culmination : %1 UTC, azimut %2, site %3°</source>
        <translation>Closest approach (TCA): %1 UTC, azimuth %2, elevation %3°</translation>
    </message>
    <message>
        <source>Perte : %1 UTC, azimut %2</source>
        <translation>Loss of signal (LOS): %1 UTC, azimuth %2</translation>
    </message>
    <message>
        <source>Durée : %1</source>
        <translation>Duration: %1</translation>
    </message>
    <message>
        <source>Sous le satellite : %1 (AOS), %2 (TCA), %3 (LOS)</source>
        <translation>Under the satellite: %1 (AOS), %2 (TCA), %3 (LOS)</translation>
    </message>
    <message>
        <source>Passage de %1 le %2</source>
        <translation>Pass of %1 on %2</translation>
    </message>
    <message>
        <source>Heure (UTC)</source>
        <translation>Time (UTC)</translation>
    </message>
    <message>
        <source>Azimut (°)</source>
        <translation>Azimuth (°)</translation>
    </message>
    <message>
        <source>Site (°)</source>
        <translation>Elevation (°)</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Range (km)</translation>
    </message>
    <message>
        <source>Fréquence (MHz)</source>
        <translation>Frequency (MHz)</translation>
    </message>
    <message>
        <source>Locator incorrect : « %1 » (4, 6 ou 8 caractères, par exemple JN18eu)</source>
        <translation>Invalid locator: &quot;%1&quot; (4, 6 or 8 characters, for example JN18eu)</translation>
    </message>
    <message>
        <source>Aucune visibilité commune avec %1 pendant ce passage</source>
        <translation>No mutual visibility with %1 during this pass</translation>
    </message>
    <message>
        <source>Commun avec %1 : %2 - %3 UTC (%4) ; au mieux à %5, site ici %6°, là-bas %7°</source>
        <translation>Mutual with %1: %2 - %3 UTC (%4); best at %5, elevation here %6°, there %7°</translation>
    </message>
    <message>
        <source>Ce passage est termine.</source>
        <translation>This pass is over.</translation>
    </message>
    <message>
        <source>Aucun passage de %1 dans les prochaines 24 heures.</source>
        <translation>No pass of %1 in the next 24 hours.</translation>
    </message>
    <message>
        <source>L&apos;horizon de la station cache tout le passage.</source>
        <translation>The station&apos;s horizon hides the whole pass.</translation>
    </message>
    <message>
        <source>Au-dessus de l&apos;horizon de la station : %1 à %2</source>
        <translation>Above the station&apos;s horizon: %1 to %2</translation>
    </message>
    <message>
        <source>Éléments de %1 jours : AOS à %2 s près (estimation)</source>
        <translation>Elements %1 days old: AOS within %2 s (estimate)</translation>
    </message>
</context>
<context>
    <name>Receiver</name>
    <message>
        <source>Frequence AR5000 non envoyee : la frequence %1 est incorrecte</source>
        <translation>AR5000 frequency not sent: the frequency %1 is not valid</translation>
    </message>
    <message>
        <source>Frequence FT847 non envoyee : la frequence %1 MHz est hors limites</source>
        <translation>FT847 frequency not sent: the frequency %1 MHz is out of range</translation>
    </message>
    <message>
        <source>recevoir sur %1 MHz</source>
        <translation>receive on %1 MHz</translation>
    </message>
    <message>
        <source>émettre sur %1 MHz</source>
        <translation>transmit on %1 MHz</translation>
    </message>
    <message>
        <source>Mode satellite non engagé : le FT847 ne peut pas %1</source>
        <translation>Satellite mode not engaged: the FT847 cannot %1</translation>
    </message>
    <message>
        <source> ni </source>
        <translation> nor </translation>
    </message>
    <message>
        <source>Tonalité CTCSS non envoyée : le FT847 n&apos;a pas de tonalité de %1 Hz</source>
        <translation>CTCSS tone not sent: the FT847 has no %1 Hz tone</translation>
    </message>
    <message>
        <source>ouverte, sans lecture de la frequence (%1)</source>
        <translation>open, without a frequency reading (%1)</translation>
    </message>
    <message>
        <source>La radio Hamlib refuse le mode %1 : %2.</source>
        <translation>The Hamlib radio refuses the mode %1: %2.</translation>
    </message>
    <message>
        <source>La radio Hamlib refuse la frequence %1 MHz : %2.</source>
        <translation>The Hamlib radio refuses the frequency %1 MHz: %2.</translation>
    </message>
    <message>
        <source>La radio de montee Hamlib</source>
        <translation>The Hamlib uplink radio</translation>
    </message>
    <message>
        <source>Aucune radio de montee n&apos;est choisie : menu Transpondeurs.</source>
        <translation>No uplink radio is chosen: menu Transponders.</translation>
    </message>
    <message>
        <source>Le recepteur Hamlib</source>
        <translation>The Hamlib receiver</translation>
    </message>
    <message>
        <source>Aucune radio Hamlib n&apos;est choisie : menu Selection, Recepteurs, Hamlib.</source>
        <translation>No Hamlib radio is chosen: menu Selection, Receivers, Hamlib.</translation>
    </message>
    <message>
        <source>Frequence Hamlib non envoyee : la frequence %1 Hz est incorrecte</source>
        <translation>Hamlib frequency not sent: the frequency %1 Hz is not valid</translation>
    </message>
    <message>
        <source>la montée n&apos;est pas envoyée, seule la descente est suivie</source>
        <translation>the uplink is not sent, only the downlink is followed</translation>
    </message>
    <message>
        <source>La radio Hamlib n&apos;émet pas sur %1 MHz, la montée du transpondeur : %2.</source>
        <translation>The Hamlib radio does not transmit on %1 MHz, the transponder&apos;s uplink: %2.</translation>
    </message>
    <message>
        <source>la montée n&apos;est pas envoyée</source>
        <translation>the uplink is not sent</translation>
    </message>
    <message>
        <source>La radio Hamlib refuse le mode split (%1) : %2.</source>
        <translation>The Hamlib radio refuses split mode (%1): %2.</translation>
    </message>
    <message>
        <source>La radio Hamlib refuse le mode %1 pour la montée : %2.</source>
        <translation>The Hamlib radio refuses the mode %1 for the uplink: %2.</translation>
    </message>
    <message>
        <source>La radio Hamlib ne sait pas régler la tonalité CTCSS : réglez %1 Hz sur la radio.</source>
        <translation>The Hamlib radio cannot set the CTCSS tone: set %1 Hz on the radio.</translation>
    </message>
    <message>
        <source>La radio Hamlib refuse la tonalité CTCSS %1 Hz : %2.</source>
        <translation>The Hamlib radio refuses the CTCSS tone %1 Hz: %2.</translation>
    </message>
    <message>
        <source>La radio Hamlib refuse le mode %1 pour la descente : %2.</source>
        <translation>The Hamlib radio refuses the mode %1 for the downlink: %2.</translation>
    </message>
    <message>
        <source>La radio Hamlib refuse la frequence de descente %1 MHz : %2.</source>
        <translation>The Hamlib radio refuses the downlink frequency %1 MHz: %2.</translation>
    </message>
    <message>
        <source>La radio Hamlib refuse la fréquence de montée %1 MHz : %2.</source>
        <translation>The Hamlib radio refuses the uplink frequency %1 MHz: %2.</translation>
    </message>
    <message>
        <source>La radio Hamlib ne dit pas sa fréquence (%1) : le cadran est ignoré.</source>
        <translation>The Hamlib radio does not report its frequency (%1): the dial is ignored.</translation>
    </message>
</context>
<context>
    <name>Remote</name>
    <message>
        <source>Station a &amp;distance</source>
        <translation>&amp;Remote Station</translation>
    </message>
    <message>
        <source>Couper les sessions a distance</source>
        <translation>Cut the Remote Sessions</translation>
    </message>
    <message>
        <source>Station a distance : mots de passe refusés depuis %1, les essais sont ralentis.</source>
        <translation>Remote station: passwords refused from %1, the attempts are slowed down.</translation>
    </message>
    <message>
        <source>Station a distance arrêtée : %1</source>
        <translation>Remote station stopped: %1</translation>
    </message>
    <message>
        <source>Station a distance : port %1, personne</source>
        <translation>Remote station: port %1, nobody</translation>
    </message>
    <message>
        <source>Station a distance : %1</source>
        <translation>Remote station: %1</translation>
    </message>
    <message>
        <source>Une fenêtre de dialogue est ouverte à la station : elle a la main.</source>
        <translation>A dialog window is open at the station: it has control.</translation>
    </message>
    <message>
        <source>La fenêtre de poursuite manuelle est ouverte à la station : elle a la main.</source>
        <translation>The manual tracking window is open at the station: it has control.</translation>
    </message>
    <message>
        <source>Aucun rotor n&apos;est choisi à la station.</source>
        <translation>No rotator is chosen at the station.</translation>
    </message>
    <message>
        <source>Aucun transpondeur n&apos;est choisi pour le satellite suivi.</source>
        <translation>No transponder is chosen for the tracked satellite.</translation>
    </message>
    <message>
        <source>Requête trop grande : %1 Kio au plus, en-têtes compris.</source>
        <translation>Request too large: %1 KiB at most, headers included.</translation>
    </message>
    <message>
        <source>Requête malformée : ligne de requête HTTP/1.1 attendue.</source>
        <translation>Malformed request: HTTP/1.1 request line expected.</translation>
    </message>
    <message>
        <source>Trop d&apos;en-têtes : %1 au plus.</source>
        <translation>Too many headers: %1 at most.</translation>
    </message>
    <message>
        <source>En-tête malformé (ligne %1) : « Nom: valeur » attendu, en caractères imprimables.</source>
        <translation>Malformed header (line %1): &quot;Name: value&quot; expected, in printable characters.</translation>
    </message>
    <message>
        <source>Content-Length doit être un nombre d&apos;octets, donné une fois.</source>
        <translation>Content-Length must be a number of bytes, given once.</translation>
    </message>
    <message>
        <source>Corps en morceaux (Transfer-Encoding) refusé : donnez Content-Length.</source>
        <translation>Chunked body (Transfer-Encoding) refused: give Content-Length.</translation>
    </message>
    <message>
        <source>Ligne de requête trop longue : %1 octets au plus.</source>
        <translation>Request line too long: %1 bytes at most.</translation>
    </message>
    <message>
        <source>Requête HTTP illisible.</source>
        <translation>Unreadable HTTP request.</translation>
    </message>
    <message>
        <source>Requête trop lente : elle doit arriver en %1 s.</source>
        <translation>Request too slow: it must arrive within %1 s.</translation>
    </message>
    <message>
        <source>Trop de connexions : réessayez plus tard.</source>
        <translation>Too many connections: try again later.</translation>
    </message>
    <message>
        <source>Corps illisible : un objet JSON est attendu.</source>
        <translation>Unreadable body: a JSON object is expected.</translation>
    </message>
    <message>
        <source>Champ inconnu : %1 (aucun champ attendu).</source>
        <translation>Unknown field: %1 (no field expected).</translation>
    </message>
    <message>
        <source>Le champ %1 doit être %2.</source>
        <translation>The field %1 must be %2.</translation>
    </message>
    <message>
        <source>un texte</source>
        <translation>a string</translation>
    </message>
    <message>
        <source>Mot de passe trop long (%1 octets au plus).</source>
        <translation>Password too long (%1 bytes at most).</translation>
    </message>
    <message>
        <source>Aucun interrupteur : rotor, doppler ou receiver est attendu.</source>
        <translation>No switch: rotor, doppler or receiver is expected.</translation>
    </message>
    <message>
        <source>true ou false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>un nombre de degrés</source>
        <translation>a number of degrees</translation>
    </message>
    <message>
        <source>Le champ %1 doit être entre 0 et %2 degrés.</source>
        <translation>The field %1 must be between 0 and %2 degrees.</translation>
    </message>
    <message>
        <source>Rien à accorder : step_hz ou steps est attendu.</source>
        <translation>Nothing to tune: step_hz or steps is expected.</translation>
    </message>
    <message>
        <source>Le pas step_hz doit être 10, 100 ou 1000 Hz.</source>
        <translation>The step step_hz must be 10, 100 or 1000 Hz.</translation>
    </message>
    <message>
        <source>Le champ steps doit être un nombre entier de pas entre -%1 et %1.</source>
        <translation>The field steps must be a whole number of steps between -%1 and %1.</translation>
    </message>
    <message>
        <source>Le certificat ou la clé ne peut pas être lu.</source>
        <translation>The certificate or the key cannot be read.</translation>
    </message>
    <message>
        <source>Le fichier %1 ne contient pas de certificat PEM.</source>
        <translation>The file %1 holds no PEM certificate.</translation>
    </message>
    <message>
        <source>Le fichier %1 ne contient pas de clé privée PEM (RSA ou EC) sans mot de passe.</source>
        <translation>The file %1 holds no PEM private key (RSA or EC) without a passphrase.</translation>
    </message>
    <message>
        <source>Le serveur ne peut pas écouter sur %1:%2 : %3</source>
        <translation>The server cannot listen on %1:%2: %3</translation>
    </message>
    <message>
        <source>Session terminée : connectez-vous à nouveau.</source>
        <translation>Session ended: log in again.</translation>
    </message>
    <message>
        <source>Client trop lent : il ne lit pas ce qui lui est envoyé.</source>
        <translation>Client too slow: it does not read what it is sent.</translation>
    </message>
    <message>
        <source>Sessions coupées depuis la station.</source>
        <translation>Sessions cut from the station.</translation>
    </message>
    <message>
        <source>Nom d&apos;hôte refusé : ouvrez la station par son adresse.</source>
        <translation>Host name refused: open the station by its address.</translation>
    </message>
    <message>
        <source>Méthode non permise : GET attendu.</source>
        <translation>Method not allowed: GET expected.</translation>
    </message>
    <message>
        <source>Méthode non permise : POST attendu.</source>
        <translation>Method not allowed: POST expected.</translation>
    </message>
    <message>
        <source>Session absente ou expirée : connectez-vous.</source>
        <translation>Session missing or expired: log in.</translation>
    </message>
    <message>
        <source>Requête d&apos;un autre site refusée.</source>
        <translation>Request from another site refused.</translation>
    </message>
    <message>
        <source>Corps refusé : Content-Type application/json attendu.</source>
        <translation>Body refused: Content-Type application/json expected.</translation>
    </message>
    <message>
        <source>Session terminée.</source>
        <translation>Session ended.</translation>
    </message>
    <message>
        <source>Réservé à l&apos;opérateur : ce mot de passe permet seulement de regarder.</source>
        <translation>Operator only: this password only allows watching.</translation>
    </message>
    <message>
        <source>Trop d&apos;essais depuis cette adresse : réessayez dans %1 s.</source>
        <translation>Too many attempts from this address: try again in %1 s.</translation>
    </message>
    <message>
        <source>Serveur occupé : réessayez dans un instant.</source>
        <translation>Server busy: try again in a moment.</translation>
    </message>
    <message>
        <source>Les mots de passe viennent de changer : réessayez.</source>
        <translation>The passwords have just changed: try again.</translation>
    </message>
    <message>
        <source>Mot de passe refusé.</source>
        <translation>Password refused.</translation>
    </message>
    <message>
        <source>Origine refusée : seule la page de la station peut s&apos;abonner.</source>
        <translation>Origin refused: only the station page may subscribe.</translation>
    </message>
    <message>
        <source>Origine absente : un navigateur doit la donner.</source>
        <translation>Origin missing: a browser must give it.</translation>
    </message>
    <message>
        <source>Session ou origine refusée.</source>
        <translation>Session or origin refused.</translation>
    </message>
    <message>
        <source>Message illisible : un objet JSON est attendu.</source>
        <translation>Unreadable message: a JSON object is expected.</translation>
    </message>
    <message>
        <source>Message inconnu : seul {&quot;type&quot;: &quot;ping&quot;} est attendu ; les commandes passent par l&apos;API.</source>
        <translation>Unknown message: only {&quot;type&quot;: &quot;ping&quot;} is expected; commands go through the API.</translation>
    </message>
    <message>
        <source>Trop de messages refusés.</source>
        <translation>Too many refused messages.</translation>
    </message>
    <message>
        <source>WebSocket attendu.</source>
        <translation>WebSocket expected.</translation>
    </message>
</context>
<context>
    <name>RemotePage</name>
    <message>
        <source>Orvanta - station a distance</source>
        <translation>Orvanta - remote station</translation>
    </message>
    <message>
        <source>hors ligne</source>
        <translation>offline</translation>
    </message>
    <message>
        <source>en direct</source>
        <translation>live</translation>
    </message>
    <message>
        <source>Se deconnecter</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Connexion</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Mot de passe</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Entrer</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Satellite suivi</source>
        <translation>Tracked satellite</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Vitesse radiale</source>
        <translation>Range rate</translation>
    </message>
    <message>
        <source>Frequence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Satellite attendu</source>
        <translation>Next satellite</translation>
    </message>
    <message>
        <source>Azimut AOS</source>
        <translation>AOS azimuth</translation>
    </message>
    <message>
        <source>Appareils</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Ciel</source>
        <translation>Sky</translation>
    </message>
    <message>
        <source>Vue du ciel du passage</source>
        <translation>Sky view of the pass</translation>
    </message>
    <message>
        <source>Commandes</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Poursuite Antenne</source>
        <translation>Antenna Tracking</translation>
    </message>
    <message>
        <source>Avec</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Sans</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Correction Doppler</source>
        <translation>Doppler Correction</translation>
    </message>
    <message>
        <source>Programmation Recepteur</source>
        <translation>Receiver Control</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Parquer</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>Transpondeur</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Pas d&apos;accord</source>
        <translation>Tuning step</translation>
    </message>
    <message>
        <source>Tout arreter</source>
        <translation>Stop everything</translation>
    </message>
    <message>
        <source>Passages</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>AOS (TU)</source>
        <translation>AOS (UTC)</translation>
    </message>
    <message>
        <source>LOS (TU)</source>
        <translation>LOS (UTC)</translation>
    </message>
    <message>
        <source>El. max</source>
        <translation>Max el.</translation>
    </message>
    <message>
        <source>TU</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Session terminee.</source>
        <translation>Session ended.</translation>
    </message>
    <message>
        <source>operateur</source>
        <translation>operator</translation>
    </message>
    <message>
        <source>observateur</source>
        <translation>observer</translation>
    </message>
    <message>
        <source>Fait.</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>Refus %1</source>
        <translation>Refused %1</translation>
    </message>
    <message>
        <source>La station ne repond pas.</source>
        <translation>The station does not answer.</translation>
    </message>
    <message>
        <source>O</source>
        <translation>W</translation>
    </message>
    <message>
        <source>fr</source>
        <comment>language code</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>--:--:-- TU</source>
        <translation>--:--:-- UTC</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotator</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
</context>
<context>
    <name>RemotePassword</name>
    <message>
        <source>--set-remote-password attend operator ou viewer, pas %1</source>
        <translation>--set-remote-password expects operator or viewer, not %1</translation>
    </message>
    <message>
        <source>mot de passe trop long</source>
        <translation>password too long</translation>
    </message>
    <message>
        <source>Mot de passe %1 retiré de %2</source>
        <translation>Password %1 removed from %2</translation>
    </message>
    <message>
        <source>Mot de passe %1 enregistré dans %2</source>
        <translation>Password %1 saved in %2</translation>
    </message>
</context>
<context>
    <name>RemoteSettings</name>
    <message>
        <source>opérateur</source>
        <translation>operator</translation>
    </message>
    <message>
        <source>observateur</source>
        <translation>observer</translation>
    </message>
    <message>
        <source>L&apos;adresse %1 n&apos;est pas une adresse IP.</source>
        <translation>The address %1 is not an IP address.</translation>
    </message>
    <message>
        <source>Le port %1 n&apos;est pas entre 1 et 65535.</source>
        <translation>The port %1 is not between 1 and 65535.</translation>
    </message>
    <message>
        <source>Aucun mot de passe n&apos;est défini : personne ne pourrait entrer. Définissez-en un dans Configuration &gt; Station a distance.</source>
        <translation>No password is set: nobody could get in. Set one in Configuration &gt; Remote station.</translation>
    </message>
    <message>
        <source>Sur l&apos;adresse %1, le serveur exige TLS : choisissez un certificat et sa clé (PEM).</source>
        <translation>On the address %1 the server requires TLS: choose a certificate and its key (PEM).</translation>
    </message>
    <message>
        <source>Le fichier %1 ne peut pas être lu.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message>
        <source>--remote attend [ADRESSE:]PORT, et %1 n&apos;est pas une adresse IP</source>
        <translation>--remote expects [ADDRESS:]PORT, and %1 is not an IP address</translation>
    </message>
    <message>
        <source>--remote attend [ADRESSE:]PORT avec un port entre 1 et 65535, pas %1</source>
        <translation>--remote expects [ADDRESS:]PORT with a port between 1 and 65535, not %1</translation>
    </message>
</context>
<context>
    <name>RemoteSetup</name>
    <message>
        <source>Le port doit être un nombre entier entre 1 et 65535.</source>
        <translation>The port must be a whole number between 1 and 65535.</translation>
    </message>
    <message>
        <source>La durée d&apos;inactivité doit être un nombre d&apos;heures entre 1 et 720.</source>
        <translation>The idle time must be a number of hours between 1 and 720.</translation>
    </message>
    <message>
        <source>Choisissez le certificat et sa clé ensemble, ou aucun des deux.</source>
        <translation>Choose the certificate and its key together, or neither.</translation>
    </message>
    <message>
        <source>Les deux mots de passe diffèrent.</source>
        <translation>The two passwords differ.</translation>
    </message>
    <message>
        <source>Un mot de passe a 8 caractères au moins.</source>
        <translation>A password has at least 8 characters.</translation>
    </message>
    <message>
        <source>Le mot de passe n&apos;a pas pu être haché (mémoire insuffisante).</source>
        <translation>The password could not be hashed (not enough memory).</translation>
    </message>
</context>
<context>
    <name>RotorCalibration</name>
    <message>
        <source>a l&apos;azimut</source>
        <translation>to the azimuth</translation>
    </message>
    <message>
        <source>au site</source>
        <translation>to the elevation</translation>
    </message>
    <message>
        <source>       Pour cette calibration 2 mesures sont necessaires (azimut 0°et 360°)</source>
        <translation>       This calibration needs 2 measurements (azimuth 0° and 360°)</translation>
    </message>
    <message>
        <source>Pour cette calibration 4 mesures sont necessaires (azimut 0°et 360° site 0°et 90°)</source>
        <translation>This calibration needs 4 measurements (azimuth 0° and 360°, elevation 0° and 90°)</translation>
    </message>
    <message>
        <source>Voulez vous sauvegarder les valeurs de calibration ?</source>
        <translation>Save the calibration values?</translation>
    </message>
</context>
<context>
    <name>RotorMenus</name>
    <message>
        <source>GS-232 : azimut jusqu&apos;a 450</source>
        <translation>GS-232: azimuth up to 450</translation>
    </message>
    <message>
        <source>GS-232 : retournement (site jusqu&apos;a 180)</source>
        <translation>GS-232: flip (elevation up to 180)</translation>
    </message>
    <message>
        <source>Attendre au lever du prochain passage</source>
        <translation>Wait at the Next Pass&apos;s Rise</translation>
    </message>
    <message>
        <source>Pointer en avance</source>
        <translation>Point Ahead</translation>
    </message>
    <message>
        <source>GS-232 : lire la position (C2)</source>
        <translation>GS-232: read the position (C2)</translation>
    </message>
    <message>
        <source>Parquer entre les passages</source>
        <translation>Park between Passes</translation>
    </message>
    <message>
        <source>Pointage du rotor...</source>
        <translation>Rotator Pointing...</translation>
    </message>
</context>
<context>
    <name>RotorPointing</name>
    <message>
        <source>La vitesse en azimut « %1 » n&apos;est pas un nombre de degrés par seconde plus grand que 0 et au plus 360.</source>
        <translation>The azimuth speed &quot;%1&quot; is not a number of degrees per second greater than 0 and at most 360.</translation>
    </message>
    <message>
        <source>La vitesse en site « %1 » n&apos;est pas un nombre de degrés par seconde plus grand que 0 et au plus 360.</source>
        <translation>The elevation speed &quot;%1&quot; is not a number of degrees per second greater than 0 and at most 360.</translation>
    </message>
    <message>
        <source>L&apos;écart de suivi « %1 » n&apos;est pas un nombre de degrés de plus de 0 et au plus 180.</source>
        <translation>The tracking error &quot;%1&quot; is not a number of degrees greater than 0 and at most 180.</translation>
    </message>
    <message>
        <source>Le délai de parcage « %1 » n&apos;est pas un nombre de minutes de 0 à 1440.</source>
        <translation>The park delay &quot;%1&quot; is not a number of minutes from 0 to 1440.</translation>
    </message>
    <message>
        <source>Pointage du rotor</source>
        <translation>Rotator pointing</translation>
    </message>
    <message>
        <source>Degrés / s</source>
        <translation>Degrees / s</translation>
    </message>
    <message>
        <source>Vitesse en azimut</source>
        <translation>Azimuth speed</translation>
    </message>
    <message>
        <source>Vitesse en site</source>
        <translation>Elevation speed</translation>
    </message>
    <message>
        <source>Écart de suivi</source>
        <translation>Tracking error</translation>
    </message>
    <message>
        <source>Degrés</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Parquer si le passage suivant est à plus de</source>
        <translation>Park when the next pass is more than</translation>
    </message>
    <message>
        <source>Prendre les vitesses mesurées</source>
        <translation>Use the measured speeds</translation>
    </message>
    <message>
        <source>Mesurées pendant les passages : %1 °/s en azimut, %2 °/s en site</source>
        <translation>Measured during passes: %1 °/s in azimuth, %2 °/s in elevation</translation>
    </message>
    <message>
        <source>Pas encore de mesure : le rotor doit dire où il est (GS-232 avec lecture de la position, ou Hamlib) pendant un passage.</source>
        <translation>No measurement yet: the rotator must report where it is (GS-232 with position reading, or Hamlib) during a pass.</translation>
    </message>
    <message>
        <source>Rotor</source>
        <translation>Rotator</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>SatelliteStatus</name>
    <message>
        <source>hors service</source>
        <translation>out of service</translation>
    </message>
    <message>
        <source>rentré dans l&apos;atmosphère</source>
        <translation>re-entered</translation>
    </message>
</context>
<context>
    <name>SatnogsImport</name>
    <message>
        <source>n° %1</source>
        <translation>no. %1</translation>
    </message>
    <message>
        <source>sans numéro de catalogue</source>
        <translation>without catalogue number</translation>
    </message>
    <message>
        <source>marqué invalide dans SatNOGS DB</source>
        <translation>marked invalid in SatNOGS DB</translation>
    </message>
    <message>
        <source>descente</source>
        <translation>downlink</translation>
    </message>
    <message>
        <source>montée</source>
        <translation>uplink</translation>
    </message>
    <message>
        <source>fréquence de %1 hors de toute bande</source>
        <translation>%1 frequency outside every band</translation>
    </message>
    <message>
        <source>bord bas de la %1 (%2 Hz) au-dessus du bord haut (%3 Hz)</source>
        <translation>%1 low edge (%2 Hz) above the high edge (%3 Hz)</translation>
    </message>
    <message>
        <source>sans fréquence de descente</source>
        <translation>without downlink frequency</translation>
    </message>
    <message>
        <source>l&apos;élément %1 de la liste n&apos;est pas un objet</source>
        <translation>item %1 of the list is not an object</translation>
    </message>
    <message>
        <source>l&apos;émetteur %1 n&apos;a pas de champ « %2 »</source>
        <translation>transmitter %1 has no field &quot;%2&quot;</translation>
    </message>
    <message>
        <source>le champ « %1 » de l&apos;émetteur %2 n&apos;est pas un nombre</source>
        <translation>the field &quot;%1&quot; of transmitter %2 is not a number</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas été importé : %2.
%3 n&apos;a pas été modifié.</source>
        <translation>The file %1 was not imported: %2.
%3 was not changed.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un document JSON complet</source>
        <translation>it is not a complete JSON document</translation>
    </message>
    <message>
        <source>ce n&apos;est pas une liste d&apos;émetteurs SatNOGS DB (le document n&apos;est pas une liste)</source>
        <translation>it is not a SatNOGS DB transmitter list (the document is not a list)</translation>
    </message>
    <message>
        <source>la liste ne contient aucun émetteur</source>
        <translation>the list holds no transmitter</translation>
    </message>
    <message>
        <source>ce n&apos;est pas une liste d&apos;émetteurs SatNOGS DB (%1)</source>
        <translation>it is not a SatNOGS DB transmitter list (%1)</translation>
    </message>
    <message>
        <source>aucun de ses %1 émetteurs n&apos;est utilisable</source>
        <translation>none of its %1 transmitters can be used</translation>
    </message>
    <message>
        <source>il dépasse %1 Mo</source>
        <translation>it exceeds %1 MB</translation>
    </message>
    <message>
        <source>%1 émetteurs de %2 satellites importés de %3 dans %4 (données SatNOGS DB, licence CC BY-SA 4.0).
La table compte %5 entrées, dont %6 de l&apos;import : celles de %7 l&apos;emportent sur l&apos;import.</source>
        <translation>%1 transmitters of %2 satellites imported from %3 into %4 (SatNOGS DB data, CC BY-SA 4.0 licence).
The table holds %5 entries, %6 of them from the import: those of %7 take precedence over the import.</translation>
    </message>
    <message>
        <source>
%1 émetteurs laissés de côté :
</source>
        <translation>
%1 transmitters left aside:
</translation>
    </message>
    <message>
        <source>
... et %1 autres</source>
        <translation>
... and %1 more</translation>
    </message>
    <message>
        <source>Importer la liste d&apos;émetteurs SatNOGS DB</source>
        <translation>Import the SatNOGS DB transmitter list</translation>
    </message>
    <message>
        <source>Liste SatNOGS DB (*.json);;Tous les fichiers (*)</source>
        <translation>SatNOGS DB list (*.json);;All files (*)</translation>
    </message>
</context>
<context>
    <name>SatnogsSatellites</name>
    <message>
        <source>ce n&apos;est pas une liste de satellites SatNOGS DB (%1)</source>
        <translation>this is not a SatNOGS DB satellites list (%1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un document JSON complet</source>
        <translation>it is not a complete JSON document</translation>
    </message>
    <message>
        <source>pas une liste, ou une liste vide</source>
        <translation>not a list, or an empty list</translation>
    </message>
    <message>
        <source>l&apos;élément %1 n&apos;est pas un satellite</source>
        <translation>item %1 is not a satellite</translation>
    </message>
    <message>
        <source>aucun de ses satellites n&apos;a de numéro de catalogue</source>
        <translation>none of its satellites has a catalogue number</translation>
    </message>
    <message>
        <source>%1 mis à jour, statut de %2 satellites dont %3 hors service et %4 rentrés dans l&apos;atmosphère (données SatNOGS DB, licence CC BY-SA 4.0)</source>
        <translation>%1 updated, status of %2 satellites, %3 of them out of service and %4 re-entered (SatNOGS DB data, CC BY-SA 4.0 licence)</translation>
    </message>
    <message>
        <source>%1 : %2, %3 n&apos;a pas été modifié</source>
        <translation>%1: %2, %3 was not changed</translation>
    </message>
    <message>
        <source>réponse vide</source>
        <translation>empty reply</translation>
    </message>
    <message>
        <source>page HTML reçue au lieu de la liste de satellites SatNOGS DB</source>
        <translation>HTML page received instead of the SatNOGS DB satellites list</translation>
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
    <name>Sky</name>
    <message>
        <source>LOS dans </source>
        <translation>LOS in </translation>
    </message>
    <message>
        <source>  Site </source>
        <translation>  El </translation>
    </message>
    <message>
        <source>Aucun satellite visible</source>
        <translation>No satellite in view</translation>
    </message>
    <message>
        <source>AOS de %1 dans %2</source>
        <translation>AOS of %1 in %2</translation>
    </message>
    <message>
        <source>Suivi : </source>
        <translation>Tracked: </translation>
    </message>
    <message>
        <source>Attendu : </source>
        <translation>Next: </translation>
    </message>
    <message>
        <source>Heures UTC</source>
        <translation>UTC hours</translation>
    </message>
    <message>
        <source>Éléments %1 j, AOS à %2 s près</source>
        <translation>Elements %1 d, AOS within %2 s</translation>
    </message>
    <message>
        <source> : cliquez pour suivre ce satellite</source>
        <translation>: click to track this satellite</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Parkage</source>
        <translation>Parking</translation>
    </message>
</context>
<context>
    <name>StationFile</name>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
</context>
<context>
    <name>StationFolder</name>
    <message>
        <source>impossible de créer le dossier %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
    <message>
        <source>impossible de créer un dossier dans %1 : %2</source>
        <translation>cannot create a folder in %1: %2</translation>
    </message>
    <message>
        <source>impossible de copier %1 : %2</source>
        <translation>cannot copy %1: %2</translation>
    </message>
    <message>
        <source>impossible de renommer %1 en %2</source>
        <translation>cannot rename %1 to %2</translation>
    </message>
    <message>
        <source>le dossier de la station %1 n&apos;existe pas</source>
        <translation>the station folder %1 does not exist</translation>
    </message>
    <message>
        <source>ni XDG_DATA_HOME ni HOME ne donnent de dossier personnel : indiquez le dossier de la station avec --station DOSSIER</source>
        <translation>neither XDG_DATA_HOME nor HOME gives a personal folder: give the station folder with --station FOLDER</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un dossier : indiquez le dossier de la station avec --station DOSSIER</source>
        <translation>%1 is not a folder: give the station folder with --station FOLDER</translation>
    </message>
    <message>
        <source>aucun fichier d&apos;éléments (*.txt, ou OMM *.csv, *.json, *.xml) dans le dossier courant %1 et pas de station de démonstration installée (%2) : indiquez le dossier de la station avec --station DOSSIER</source>
        <translation>no element file (*.txt, or OMM *.csv, *.json, *.xml) in the current folder %1 and no demonstration station installed (%2): give the station folder with --station FOLDER</translation>
    </message>
    <message>
        <source>création du dossier de la station %1 : %2</source>
        <translation>creating the station folder %1: %2</translation>
    </message>
    <message>
        <source>Premier démarrage : votre dossier de station %1 a été créé avec la station de démonstration. Vos fichiers d&apos;éléments, Elements.cfg et Frequences.cfg se trouvent désormais dans ce dossier.</source>
        <translation>First start: your station folder %1 was created with the demonstration station. Your element files, Elements.cfg and Frequences.cfg are now in this folder.</translation>
    </message>
</context>
<context>
    <name>StationOptions</name>
    <message>
        <source>usage: orvanta [--station DOSSIER] [--settings FICHIER] [--start-time AAAA-MM-JJTHH:MM:SSZ]
              [--remote [ADRESSE:]PORT]
       orvanta [--settings FICHIER] --set-remote-password operator|viewer &lt; mot-de-passe
       orvanta --help | --version
  --station DOSSIER     dossier de la station (fichiers d&apos;elements, Elements.cfg, Frequences.cfg)
  --settings FICHIER    fichier de reglages de l&apos;utilisateur
  --start-time INSTANT  repetition : l&apos;horloge part de cet instant UTC
  --remote [ADRESSE:]PORT  station a distance pour cette seule fois (127.0.0.1 par defaut)
  --set-remote-password ROLE  lit le mot de passe sur l&apos;entree standard, garde son hachage
</source>
        <translation>usage: orvanta [--station FOLDER] [--settings FILE] [--start-time YYYY-MM-DDTHH:MM:SSZ]
              [--remote [ADDRESS:]PORT]
       orvanta [--settings FILE] --set-remote-password operator|viewer &lt; password
       orvanta --help | --version
  --station FOLDER      station folder (element files, Elements.cfg, Frequences.cfg)
  --settings FILE       the user&apos;s settings file
  --start-time INSTANT  rehearsal: the clock starts from this UTC instant
  --remote [ADDRESS:]PORT  remote station for this run only (127.0.0.1 by default)
  --set-remote-password ROLE  reads the password on standard input, keeps its hash
</translation>
    </message>
    <message>
        <source>%1 attend une valeur</source>
        <translation>%1 expects a value</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>--start-time attend un instant UTC AAAA-MM-JJTHH:MM:SSZ, pas %1</source>
        <translation>--start-time expects a UTC instant YYYY-MM-DDTHH:MM:SSZ, not %1</translation>
    </message>
    <message>
        <source>le dossier de la station %1 n&apos;existe pas</source>
        <translation>the station folder %1 does not exist</translation>
    </message>
</context>
<context>
    <name>Tracking</name>
    <message>
        <source>Des elements orbitaux n&apos;ont pas pu etre lus :</source>
        <translation>Some orbital elements could not be read:</translation>
    </message>
    <message>
        <source>... et %1 autres.</source>
        <translation>... and %1 more.</translation>
    </message>
    <message>
        <source>Aucune prediction : position de l&apos;observateur refusee (%1)</source>
        <translation>No prediction: the observer&apos;s position is refused (%1)</translation>
    </message>
    <message>
        <source>La position de l&apos;observateur est refusee : %1.<byte value="xd"/>
Aucune prediction n&apos;est faite tant qu&apos;elle n&apos;est pas corrigee (menu Configuration, Observateur).</source>
        <translation>The observer&apos;s position is refused: %1.<byte value="xd"/>
No prediction is made until it is corrected (menu Configuration, Observer).</translation>
    </message>
    <message>
        <source>Aucun satellite n&apos;a pu etre lu : le dossier %1 ne contient aucun fichier d&apos;elements (*.txt, *.csv, *.json, *.xml) lisible. Les listes restent vides.</source>
        <translation>No satellite could be read: the folder %1 holds no readable element file (*.txt, *.csv, *.json, *.xml). The lists stay empty.</translation>
    </message>
    <message>
        <source>Les elements de ces satellites datent de plus de 30 jours avant ou apres l&apos;heure des predictions, leurs positions sont peu sures : %1.<byte value="xd"/>
Mettez a jour les fichiers d&apos;elements (menu Elements).</source>
        <translation>The elements of these satellites are more than 30 days before or after the time of the predictions, their positions are unreliable: %1.<byte value="xd"/>
Update the element files (menu Elements).</translation>
    </message>
    <message>
        <source>n° %1</source>
        <translation>no. %1</translation>
    </message>
    <message>
        <source>Voulez vous parquer les antennes?</source>
        <translation>Park the antennas?</translation>
    </message>
    <message>
        <source>La frequence de %1 ne peut pas etre lue : le fichier Frequences.cfg est endommage avant sa fiche. Corrigez-le par le menu Satellites.</source>
        <translation>The frequency of %1 cannot be read: the file Frequences.cfg is damaged before its record. Correct it through the Satellites menu.</translation>
    </message>
    <message>
        <source>%1 n&apos;a pas de frequence : double-cliquez sur %1 dans la liste Selectionnés pour le remettre dans A Selectionner, puis double-cliquez-le dans A Selectionner et saisissez sa frequence dans la fenetre Ajout Frequence.</source>
        <translation>%1 has no frequency: double-click %1 in the Selected list to put it back in To Select, then double-click it in To Select and type its frequency in the Add Frequency window.</translation>
    </message>
    <message>
        <source>Rotor : ce passage sort de son débattement ; il fait le tour de son débattement à %1 sans quitter le satellite, assez haut pour rester dans son faisceau.</source>
        <translation>Rotator: this pass goes beyond its range; it turns round its range at %1 without leaving the satellite, high enough to stay within its beam.</translation>
    </message>
    <message>
        <source>Rotor : ce passage sort de son débattement ; il quitte le satellite de %1 à %2 (site jusqu&apos;à %3°)</source>
        <translation>Rotator: this pass goes beyond its range; it leaves the satellite from %1 to %2 (elevation up to %3°)</translation>
    </message>
    <message>
        <source> et fait le tour de son débattement à %1.</source>
        <translation> and turns round its range at %1.</translation>
    </message>
    <message>
        <source> plutôt que de faire un tour complet plus haut.</source>
        <translation> rather than making a full turn higher up.</translation>
    </message>
    <message>
        <source>%1 s&apos;est couché à %2 : il ne peut plus être suivi.</source>
        <translation>%1 set at %2: it can no longer be followed.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas en cours de passage : il ne se lève qu&apos;à %2.</source>
        <translation>%1 is not passing now: it rises only at %2.</translation>
    </message>
    <message>
        <source>Ce satellite n&apos;est pas en cours de passage : seul un satellite visible de la sélection peut être suivi.</source>
        <translation>This satellite is not passing now: only a satellite of the selection in view can be followed.</translation>
    </message>
    <message>
        <source>%1 : éléments de %2 jours, son AOS peut arriver %3 s avant ou après l&apos;heure prévue (estimation). Mettez à jour les éléments.</source>
        <translation>%1: elements %2 days old, its AOS may come %3 s before or after the predicted time (estimate). Update the elements.</translation>
    </message>
    <message>
        <source>Le rotor ne suit pas : il est à %1 et devrait être à %2.</source>
        <translation>The rotator is not following: it is at %1 and should be at %2.</translation>
    </message>
    <message>
        <source>Ce passage est termine.</source>
        <translation>This pass is over.</translation>
    </message>
</context>
<context>
    <name>TransponderDownload</name>
    <message>
        <source>%1 : %2, %3 n&apos;a pas été modifié</source>
        <translation>%1: %2, %3 was not changed</translation>
    </message>
    <message>
        <source>réponse vide</source>
        <translation>empty reply</translation>
    </message>
    <message>
        <source>page HTML reçue au lieu de la liste d&apos;émetteurs SatNOGS DB</source>
        <translation>HTML page received instead of the SatNOGS DB transmitter list</translation>
    </message>
    <message>
        <source>%1 mis à jour, %2 émetteurs de %3 satellites</source>
        <translation>%1 updated, %2 transmitters of %3 satellites</translation>
    </message>
    <message>
        <source>, %1 laissés de côté</source>
        <translation>, %1 left aside</translation>
    </message>
    <message>
        <source> (données SatNOGS DB, licence CC BY-SA 4.0 ; %1)</source>
        <translation> (SatNOGS DB data, CC BY-SA 4.0 licence; %1)</translation>
    </message>
</context>
<context>
    <name>Transponders</name>
    <message>
        <source>%1 « %2 » n&apos;est pas une fréquence en Hz</source>
        <translation>%1 &quot;%2&quot; is not a frequency in Hz</translation>
    </message>
    <message>
        <source>%1 vaut « %2 » au lieu de oui ou non</source>
        <translation>%1 is &quot;%2&quot; instead of oui or non</translation>
    </message>
    <message>
        <source>la %1 a besoin de ses deux bords, bas et haut, ou d&apos;aucun</source>
        <translation>the %1 needs both its edges, low and high, or neither</translation>
    </message>
    <message>
        <source>le bord bas de la %1 (%2 Hz) est au-dessus de son bord haut (%3 Hz)</source>
        <translation>the low edge of the %1 (%2 Hz) is above its high edge (%3 Hz)</translation>
    </message>
    <message>
        <source>la %1 s&apos;étend de %2 à %3 MHz, plus large que tout transpondeur (%4 MHz au plus)</source>
        <translation>the %1 spans %2 to %3 MHz, wider than any transponder (%4 MHz at most)</translation>
    </message>
    <message>
        <source>la %1 (%2 à %3 MHz) n&apos;est dans aucune bande des satellites amateurs</source>
        <translation>the %1 (%2 to %3 MHz) is in no amateur-satellite band</translation>
    </message>
    <message>
        <source>%1 champs séparés par « ; » attendus, %2 trouvés</source>
        <translation>%1 fields separated by &quot;;&quot; expected, %2 found</translation>
    </message>
    <message>
        <source>le numéro de catalogue « %1 » n&apos;est pas un nombre positif</source>
        <translation>the catalogue number &quot;%1&quot; is not a positive number</translation>
    </message>
    <message>
        <source>le nom manque</source>
        <translation>the name is missing</translation>
    </message>
    <message>
        <source>la montée basse</source>
        <translation>the uplink low edge</translation>
    </message>
    <message>
        <source>la montée haute</source>
        <translation>the uplink high edge</translation>
    </message>
    <message>
        <source>la descente basse</source>
        <translation>the downlink low edge</translation>
    </message>
    <message>
        <source>la descente haute</source>
        <translation>the downlink high edge</translation>
    </message>
    <message>
        <source>la tonalité CTCSS « %1 » n&apos;est pas une fréquence en Hz</source>
        <translation>the CTCSS tone &quot;%1&quot; is not a frequency in Hz</translation>
    </message>
    <message>
        <source>la descente manque</source>
        <translation>the downlink is missing</translation>
    </message>
    <message>
        <source>descente</source>
        <translation>downlink</translation>
    </message>
    <message>
        <source>montée</source>
        <translation>uplink</translation>
    </message>
    <message>
        <source>la montée tomberait à %1 MHz au bord de la descente</source>
        <translation>the uplink would fall at %1 MHz at the edge of the downlink</translation>
    </message>
    <message>
        <source>%1 ne peut pas être lu : %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1, ligne %2 : %3 ; cette ligne est ignorée</source>
        <translation>%1, line %2: %3; this line is ignored</translation>
    </message>
    <message>
        <source>Lignes de la table des transpondeurs ignorées :
</source>
        <translation>Lines of the transponder table ignored:
</translation>
    </message>
    <message>
        <source>
... et %1 autres</source>
        <translation>
... and %1 more</translation>
    </message>
    <message>
        <source>aucun transpondeur</source>
        <translation>no transponder</translation>
    </message>
    <message>
        <source>pas un nombre</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>hors de la bande %1 - %2 MHz</source>
        <translation>outside the band %1 - %2 MHz</translation>
    </message>
    <message>
        <source>Descente au satellite (MHz)</source>
        <translation>Downlink at the satellite (MHz)</translation>
    </message>
    <message>
        <source>Caler sur la balise</source>
        <translation>Align on the beacon</translation>
    </message>
    <message>
        <source>La radio accordée à l&apos;oreille sur la balise : le décalage de descente devient l&apos;écart entre la balise et la radio</source>
        <translation>With the radio tuned by ear on the beacon: the downlink offset becomes the gap between the beacon and the radio</translation>
    </message>
    <message>
        <source>Refusée : </source>
        <translation>Refused: </translation>
    </message>
    <message>
        <source>Radio : non pilotée</source>
        <translation>Radio: not controlled</translation>
    </message>
    <message>
        <source>mode satellite</source>
        <translation>satellite mode</translation>
    </message>
    <message>
        <source>sans mode satellite</source>
        <translation>no satellite mode</translation>
    </message>
    <message>
        <source>sans split</source>
        <translation>no split</translation>
    </message>
    <message>
        <source>montée refusée, non envoyée</source>
        <translation>uplink refused, not sent</translation>
    </message>
    <message>
        <source>montée sur </source>
        <translation>uplink on </translation>
    </message>
    <message>
        <source>Radio : </source>
        <translation>Radio: </translation>
    </message>
    <message>
        <source>radio de montée</source>
        <translation>uplink radio</translation>
    </message>
    <message>
        <source>Le FT847 ne répond pas à la lecture de sa fréquence SAT RX : le cadran est ignoré, les corrections continuent.</source>
        <translation>The FT847 does not answer the reading of its SAT RX frequency: the dial is ignored, the corrections go on.</translation>
    </message>
</context>
<context>
    <name>orvanta::AR5000Window</name>
    <message>
        <source>AR5000 Controle</source>
        <translation>AR5000 Control</translation>
    </message>
    <message>
        <source>AR 5000 Panneau de controle</source>
        <translation>AR 5000 Control Panel</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Utilisez le bouton quitter</source>
        <translation>Use the Quit button</translation>
    </message>
</context>
<context>
    <name>orvanta::AjoutFrequenceWindow</name>
    <message>
        <source>Satellite Meteorologique</source>
        <translation>Weather Satellite</translation>
    </message>
    <message>
        <source>Satellite Amateurs FM Phonie</source>
        <translation>Amateur Satellite FM Voice</translation>
    </message>
    <message>
        <source>Satellite Amateurs SSB Phonie</source>
        <translation>Amateur Satellite SSB Voice</translation>
    </message>
    <message>
        <source>Satellite Amateurs SSB Packet</source>
        <translation>Amateur Satellite SSB Packet</translation>
    </message>
    <message>
        <source>Ajout Frequence</source>
        <translation>Add Frequency</translation>
    </message>
    <message>
        <source>Nouveau Sat</source>
        <translation>New Sat</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Frequence (MHz)</source>
        <translation>Frequency (MHz)</translation>
    </message>
    <message>
        <source>Utilisez la touche Enregistrement</source>
        <translation>Use the Save button</translation>
    </message>
</context>
<context>
    <name>orvanta::AlarmesWindow</name>
    <message>
        <source>Alarmes de passage</source>
        <translation>Pass Alarms</translation>
    </message>
    <message>
        <source>Tous les satellites sélectionnés</source>
        <translation>Every selected satellite</translation>
    </message>
    <message>
        <source>Jouer le son Alarme_Sat.wav</source>
        <translation>Play the sound Alarme_Sat.wav</translation>
    </message>
    <message>
        <source>Commande</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>programme arguments</source>
        <translation>program arguments</translation>
    </message>
    <message>
        <source>Lancée sans shell à chaque alarme, dans le dossier de la station. Elle trouve le passage dans son environnement : ORVANTA_EVENT (AOS ou LOS), ORVANTA_NORAD, ORVANTA_NAME, ORVANTA_AOS, ORVANTA_LOS (ISO 8601, TU), ORVANTA_MAX_ELEVATION, ORVANTA_AOS_AZIMUTH (degrés).</source>
        <translation>Run without a shell at each alarm, in the station folder. It finds the pass in its environment: ORVANTA_EVENT (AOS or LOS), ORVANTA_NORAD, ORVANTA_NAME, ORVANTA_AOS, ORVANTA_LOS (ISO 8601, UTC), ORVANTA_MAX_ELEVATION, ORVANTA_AOS_AZIMUTH (degrees).</translation>
    </message>
    <message>
        <source>Par satellite</source>
        <translation>Per satellite</translation>
    </message>
    <message>
        <source>Règle propre à ce satellite</source>
        <translation>Rule of its own for this satellite</translation>
    </message>
    <message>
        <source>Alarme avant l&apos;acquisition (AOS)</source>
        <translation>Alarm before acquisition (AOS)</translation>
    </message>
    <message>
        <source>Seulement si le site max atteint</source>
        <translation>Only if the max elevation reaches</translation>
    </message>
    <message>
        <source>Alarme aussi à la perte du signal (LOS)</source>
        <translation>Alarm also at loss of signal (LOS)</translation>
    </message>
    <message>
        <source>Minutes avant AOS</source>
        <translation>Minutes before AOS</translation>
    </message>
    <message>
        <source>AOS et LOS au-dessus de l&apos;horizon de la station (Horizon.cfg)</source>
        <translation>AOS and LOS above the station&apos;s horizon (Horizon.cfg)</translation>
    </message>
</context>
<context>
    <name>orvanta::CalibrationWindow</name>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>mesure N°</source>
        <translation>measurement no.</translation>
    </message>
    <message>
        <source>A l&apos;aide du curseur ci dessous amenez l&apos;antenne</source>
        <translation>With the slider below, bring the antenna</translation>
    </message>
    <message>
        <source>Valeur mesurée :</source>
        <translation>Measured value:</translation>
    </message>
    <message>
        <source>Puis validez la mesure avec le bouton</source>
        <translation>Then confirm the measurement with the button</translation>
    </message>
    <message>
        <source>pour la mesure suivante</source>
        <translation>for the next measurement</translation>
    </message>
    <message>
        <source>Valeurs de calibration </source>
        <translation>Calibration values </translation>
    </message>
    <message>
        <source>Azimut 0° :</source>
        <translation>Azimuth 0°:</translation>
    </message>
    <message>
        <source>Azimut 360° :</source>
        <translation>Azimuth 360°:</translation>
    </message>
    <message>
        <source>Site 0° :</source>
        <translation>Elevation 0°:</translation>
    </message>
    <message>
        <source>Site 90° :</source>
        <translation>Elevation 90°:</translation>
    </message>
    <message>
        <source>Valeur relative ( pas en degrés)</source>
        <translation>Relative value (not in degrees)</translation>
    </message>
    <message>
        <source>(Utilisez les fleches curseur haut et bas pour un reglage fin)</source>
        <translation>(Use the up and down arrow keys for a fine setting)</translation>
    </message>
</context>
<context>
    <name>orvanta::CarteWindow</name>
    <message>
        <source>Carte</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Image de la Terre introuvable (%1, paquet xplanet-images) : la carte n&apos;a que ses méridiens et parallèles.</source>
        <translation>Earth image not found (%1, package xplanet-images): the map shows only its meridians and parallels.</translation>
    </message>
</context>
<context>
    <name>orvanta::DistanceWindow</name>
    <message>
        <source>Station a distance</source>
        <translation>Remote Station</translation>
    </message>
    <message>
        <source>Serveur actif</source>
        <translation>Server on</translation>
    </message>
    <message>
        <source>inchangé</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Certificat (PEM)</source>
        <translation>Certificate (PEM)</translation>
    </message>
    <message>
        <source>Certificat</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <source>Cle (PEM)</source>
        <translation>Key (PEM)</translation>
    </message>
    <message>
        <source>Cle privee</source>
        <translation>Private key</translation>
    </message>
    <message>
        <source>Inactivite (heures)</source>
        <translation>Idle time (hours)</translation>
    </message>
    <message>
        <source>Mot de passe operateur</source>
        <translation>Operator password</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Mot de passe observateur</source>
        <translation>Viewer password</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>PEM (*.pem *.crt *.key);;Tous (*)</source>
        <translation>PEM (*.pem *.crt *.key);;All (*)</translation>
    </message>
</context>
<context>
    <name>orvanta::ElementUpdateWindow</name>
    <message>
        <source>Mise a jour des elements</source>
        <translation>Element Update</translation>
    </message>
    <message>
        <source>Un fichier n&apos;est remplacé que si le fichier téléchargé est un fichier d&apos;éléments complet (pour Transpondeurs.json, une liste d&apos;émetteurs SatNOGS DB complète) ; sinon l&apos;ancien est gardé tel quel.</source>
        <translation>A file is replaced only when the downloaded file is a complete element file (for Transpondeurs.json, a complete SatNOGS DB transmitter list); otherwise the old one is kept as it is.</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>téléchargement…</source>
        <translation>downloading…</translation>
    </message>
    <message>
        <source>en attente</source>
        <translation>waiting</translation>
    </message>
</context>
<context>
    <name>orvanta::FrequencesSatWindow</name>
    <message>
        <source>AM     BW 30 Khz  Mode A</source>
        <translation>AM     BW 30 kHz  Mode A</translation>
    </message>
    <message>
        <source>FM     BW 15 KHz  Mode B</source>
        <translation>FM     BW 15 kHz  Mode B</translation>
    </message>
    <message>
        <source>BLU   BW 15 KHz  Mode C</source>
        <translation>SSB   BW 15 kHz  Mode C</translation>
    </message>
    <message>
        <source>BLU   BW   6 KHz  Mode D</source>
        <translation>SSB   BW   6 kHz  Mode D</translation>
    </message>
    <message>
        <source>Parametres Satellites</source>
        <translation>Satellite Parameters</translation>
    </message>
    <message>
        <source>Clickez sur un satellite pour l&apos;editer</source>
        <translation>Click a satellite to edit it</translation>
    </message>
    <message>
        <source>Modification</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Frequence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Frequences.cfg est endommage : corrigez-le avant d&apos;enregistrer</source>
        <translation>Frequences.cfg is damaged: correct it before saving</translation>
    </message>
</context>
<context>
    <name>orvanta::HamlibSetupWindow</name>
    <message>
        <source>Tester</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Hamlib - Recepteur</source>
        <translation>Hamlib - Receiver</translation>
    </message>
    <message>
        <source>Hamlib - Rotor</source>
        <translation>Hamlib - Rotator</translation>
    </message>
    <message>
        <source>Hamlib - Radio de montee</source>
        <translation>Hamlib - Uplink Radio</translation>
    </message>
    <message>
        <source>marque ou modele</source>
        <translation>make or model</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 ou hote:port</source>
        <translation>/dev/ttyUSB0 or host:port</translation>
    </message>
    <message>
        <source>Celle du modele</source>
        <translation>The model&apos;s own</translation>
    </message>
    <message>
        <source>%1 Bauds</source>
        <translation>%1 baud</translation>
    </message>
    <message>
        <source>Filtre</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Modele</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Peripherique</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Vitesse</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Essai en cours...</source>
        <translation>Testing...</translation>
    </message>
</context>
<context>
    <name>orvanta::MainWindow</name>
    <message>
        <source>Acquisition       Perte     El max  Dir   Nom satellite</source>
        <translation>AOS               LOS       El max  Dir   Satellite name</translation>
    </message>
    <message>
        <source>Liste des Satellites</source>
        <translation>Satellite List</translation>
    </message>
    <message>
        <source>A Selectionner</source>
        <translation>To Select</translation>
    </message>
    <message>
        <source>Selectionnés</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>Nom ou numéro</source>
        <translation>Name or number</translation>
    </message>
    <message>
        <source>Ne montre que les satellites dont le nom contient ce texte ou dont le numéro de catalogue commence par lui</source>
        <translation>Shows only the satellites whose name contains this text or whose catalogue number starts with it</translation>
    </message>
    <message>
        <source>Double cliquez sur le satellite pour l&apos;ajouter a la liste selectionné</source>
        <translation>Double-click the satellite to add it to the selected list</translation>
    </message>
    <message>
        <source>Double cliquez sur le satellite pour le supprimer</source>
        <translation>Double-click the satellite to remove it</translation>
    </message>
    <message>
        <source>Banques Satellites</source>
        <translation>Satellite Banks</translation>
    </message>
    <message>
        <source>Enr</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Enregistre les satellites de la banque selectionnée</source>
        <translation>Saves the satellites in the selected bank</translation>
    </message>
    <message>
        <source>Man</source>
        <translation>Man</translation>
    </message>
    <message>
        <source>Acces au pilotage manuel des antennes</source>
        <translation>Opens the manual antenna pointing</translation>
    </message>
    <message>
        <source>Acces au panneau de control du recepteur</source>
        <translation>Opens the receiver&apos;s control panel</translation>
    </message>
    <message>
        <source>Poursuite satellites </source>
        <translation>Satellite tracking </translation>
    </message>
    <message>
        <source>Satellites Visibles</source>
        <translation>Satellites in View</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Fréquence</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Degrés</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Passage des prochains satellites</source>
        <translation>Next Satellite Passes</translation>
    </message>
    <message>
        <source>Correction Doppler</source>
        <translation>Doppler Correction</translation>
    </message>
    <message>
        <source>Avec</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Sans</source>
        <translation>Off</translation>
    </message>
    <message>
        <source> KHz</source>
        <translation> kHz</translation>
    </message>
    <message>
        <source>Poursuite Antenne</source>
        <translation>Antenna Tracking</translation>
    </message>
    <message>
        <source>Programmation Recepteur</source>
        <translation>Receiver Control</translation>
    </message>
    <message>
        <source>Heure TU</source>
        <translation>UTC Time</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Suivi choisi</source>
        <translation>Chosen by the operator</translation>
    </message>
    <message>
        <source>Revenir au suivi automatique</source>
        <translation>Back to automatic following</translation>
    </message>
    <message>
        <source>Suivre de nouveau le passage en cours qui a commencé le premier</source>
        <translation>Follow again the pass in progress that began first</translation>
    </message>
    <message>
        <source>Suivre ce satellite</source>
        <translation>Follow this satellite</translation>
    </message>
    <message>
        <source>Entrée ou clic droit sur un passage : suivre ce satellite ; double clic : détails du passage</source>
        <translation>Enter or right-click on a pass: follow this satellite; double-click: pass details</translation>
    </message>
    <message>
        <source>Rotor : %1° / %2°</source>
        <translation>Rotator: %1° / %2°</translation>
    </message>
    <message>
        <source>Radio : %1 MHz</source>
        <translation>Radio: %1 MHz</translation>
    </message>
    <message>
        <source>Rotor : -888° / -888°</source>
        <translation>Rotator: -888° / -888°</translation>
    </message>
    <message>
        <source>Radio : 88888.88888 MHz</source>
        <translation>Radio: 88888.88888 MHz</translation>
    </message>
    <message>
        <source>horizon %1 à %2</source>
        <translation>horizon %1 to %2</translation>
    </message>
    <message>
        <source>caché par l&apos;horizon</source>
        <translation>hidden by the horizon</translation>
    </message>
    <message>
        <source>%1, %2 selon SatNOGS DB</source>
        <translation>%1, %2 according to SatNOGS DB</translation>
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
    <message>
        <source>Arbres et bâtiments : le site minimum pour chaque azimut (Horizon.cfg)</source>
        <translation>Trees and buildings: the minimum elevation for each azimuth (Horizon.cfg)</translation>
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
    <name>orvanta::PassDetailsWindow</name>
    <message>
        <source>%1  ·  site maximal %2°</source>
        <translation>%1  ·  max elevation %2°</translation>
    </message>
    <message>
        <source>Copier</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Seconde station (locator) :</source>
        <translation>Second station (locator):</translation>
    </message>
    <message>
        <source>Aucune prediction possible</source>
        <translation>No prediction possible</translation>
    </message>
    <message>
        <source>Suivre ce satellite</source>
        <translation>Follow this satellite</translation>
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
<context>
    <name>orvanta::PlanningWindow</name>
    <message>
        <source>Tous</source>
        <translation>All</translation>
    </message>
    <message>
        <source>oui, visible</source>
        <translation>yes, visible</translation>
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
        <source>Planning des passages</source>
        <translation>Pass Schedule</translation>
    </message>
    <message>
        <source> j</source>
        <translation> d</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>AOS (UTC)</source>
        <translation>AOS (UTC)</translation>
    </message>
    <message>
        <source>LOS (UTC)</source>
        <translation>LOS (UTC)</translation>
    </message>
    <message>
        <source>Site max</source>
        <translation>Max El</translation>
    </message>
    <message>
        <source>Az AOS</source>
        <translation>AOS Az</translation>
    </message>
    <message>
        <source>Az LOS</source>
        <translation>LOS Az</translation>
    </message>
    <message>
        <source>Durée</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Éclairé</source>
        <translation>Sunlit</translation>
    </message>
    <message>
        <source>Actualiser</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Exporter .ics</source>
        <translation>Export .ics</translation>
    </message>
    <message>
        <source>Exporter .csv</source>
        <translation>Export .csv</translation>
    </message>
    <message>
        <source>Jours</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Site max au moins</source>
        <translation>Max elevation at least</translation>
    </message>
    <message>
        <source>Calcul des passages...</source>
        <translation>Computing the passes...</translation>
    </message>
    <message>
        <source>%1 passages</source>
        <translation>%1 passes</translation>
    </message>
    <message>
        <source>Exporter le planning (iCalendar)</source>
        <translation>Export the schedule (iCalendar)</translation>
    </message>
    <message>
        <source>Exporter le planning (CSV)</source>
        <translation>Export the schedule (CSV)</translation>
    </message>
    <message>
        <source>Calendrier (*.ics)</source>
        <translation>Calendar (*.ics)</translation>
    </message>
    <message>
        <source>Le planning n&apos;a pas pu etre ecrit dans %1 : %2</source>
        <translation>The schedule could not be written to %1: %2</translation>
    </message>
    <message>
        <source>&amp;Passages</source>
        <translation>&amp;Passes</translation>
    </message>
    <message>
        <source>Au-dessus de l&apos;horizon (UTC)</source>
        <translation>Above the horizon (UTC)</translation>
    </message>
    <message>
        <source>Éléments</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>caché</source>
        <translation>hidden</translation>
    </message>
    <message>
        <source>%1 à %2</source>
        <translation>%1 to %2</translation>
    </message>
</context>
<context>
    <name>orvanta::PoursuiteManWindow</name>
    <message>
        <source>Poursuite Manuelle</source>
        <translation>Manual Tracking</translation>
    </message>
    <message>
        <source>Position de l&apos;Antenne</source>
        <translation>Antenna&apos;s Position</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Degrés</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Position du satellite ( Si visible )</source>
        <translation>Satellite&apos;s Position (if in view)</translation>
    </message>
</context>
<context>
    <name>orvanta::TranspondeurWindow</name>
    <message>
        <source>Transpondeurs</source>
        <translation>Transponders</translation>
    </message>
    <message>
        <source>Descente au satellite</source>
        <translation>Downlink at the satellite</translation>
    </message>
    <message>
        <source>Montée au satellite</source>
        <translation>Uplink at the satellite</translation>
    </message>
    <message>
        <source>Descente à la radio</source>
        <translation>Downlink at the radio</translation>
    </message>
    <message>
        <source>Montée à la radio</source>
        <translation>Uplink at the radio</translation>
    </message>
    <message>
        <source>Doppler descente</source>
        <translation>Downlink Doppler</translation>
    </message>
    <message>
        <source>Doppler montée</source>
        <translation>Uplink Doppler</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Décalage descente</source>
        <translation>Downlink offset</translation>
    </message>
    <message>
        <source>Décalage montée</source>
        <translation>Uplink offset</translation>
    </message>
    <message>
        <source>Piloter la radio en mode satellite (FT-847 ou Hamlib)</source>
        <translation>Drive the radio in satellite mode (FT-847 or Hamlib)</translation>
    </message>
    <message>
        <source>Aucun satellite suivi</source>
        <translation>No satellite tracked</translation>
    </message>
    <message>
        <source>%1 : aucun transpondeur dans Transpondeurs.cfg</source>
        <translation>%1: no transponder in Transpondeurs.cfg</translation>
    </message>
    <message>
        <source>%1 (inactif)</source>
        <translation>%1 (inactive)</translation>
    </message>
    <message>
        <source>non envoyée</source>
        <translation>not sent</translation>
    </message>
</context>
</TS>
