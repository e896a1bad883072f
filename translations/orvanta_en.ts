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
    <name>Hamlib</name>
    <message>
        <source>connexion refusée par %1</source>
        <translation>connection refused by %1</translation>
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
        <source>usage :
  orvanta-orbit passes --elements PATH --lat DEG --lon DEG [--alt M] --start YYYY-MM-DDTHH:MM:SSZ
                       [--days N] [--min-elev DEG] [--min-duration S] [--sat NOM|NUMERO]... [--format csv|ics]
                       [--threads N]
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
                       [--threads N]
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
</context>
<context>
    <name>StationFile</name>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
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
