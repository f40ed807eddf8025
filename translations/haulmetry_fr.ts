<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>hm::CAboutDlg</name>
    <message>
        <source>About Haulmetry</source>
        <translation>À propos de Haulmetry</translation>
    </message>
    <message>
        <source>Haulmetry Version %1</source>
        <translation>Haulmetry version %1</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licence : GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure, sans aucune garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>hm::CHaulApp</name>
    <message>
        <source>The running Haulmetry window is busy; %1 was not opened.</source>
        <translation>La fenêtre Haulmetry en cours est occupée ; %1 n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>haulmetry: the running copy did not take the file: %1</source>
        <translation>haulmetry : le programme en cours n&apos;a pas repris le fichier : %1</translation>
    </message>
    <message>
        <source>Haulmetry cannot write the trace file %1: %2. The link is not traced to a file.</source>
        <translation>Haulmetry ne peut pas écrire le fichier de trace %1 : %2. La liaison n&apos;est pas tracée dans un fichier.</translation>
    </message>
    <message>
        <source>Haulmetry cannot set up its single-instance lock: %1</source>
        <translation>Haulmetry ne peut pas mettre en place son verrou d&apos;instance unique : %1</translation>
    </message>
</context>
<context>
    <name>hm::CHaulDlg</name>
    <message>
        <source>Search for ECU</source>
        <translation>Rechercher l&apos;ECU</translation>
    </message>
    <message>
        <source>Link &amp;Trace...</source>
        <translation>&amp;Trace de la liaison...</translation>
    </message>
    <message>
        <source>ECU</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Bibliothèque...</translation>
    </message>
    <message>
        <source>Trailer %1, %2 km</source>
        <translation>Remorque %1, %2 km</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1 : aucun constat</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 (and %3 more)</source>
        <translation>%1 : %2 (et %3 de plus)</translation>
    </message>
    <message>
        <source>The rules give no findings for this data.</source>
        <translation>Les règles ne donnent aucun constat pour ces données.</translation>
    </message>
    <message>
        <source>The findings rules file cannot be used (line %1: %2); the default rules apply.</source>
        <translation>Le fichier des règles de constats est inutilisable (ligne %1 : %2) ; les règles par défaut s&apos;appliquent.</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>%1. Press Ctrl+F or click for the findings window.</source>
        <translation>%1. Ctrl+F ou un clic ouvre la fenêtre des constats.</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Paramètres...</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>L&apos;impression n&apos;est pas disponible : %1</translation>
    </message>
</context>
<context>
    <name>hm::CInfo</name>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Interim Values</source>
        <translation>Valeurs intermédiaires</translation>
    </message>
</context>
<context>
    <name>hm::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Fermer	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>Zoom &amp;avant	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Zoom a&amp;rrière	Ctrl+-</translation>
    </message>
    <message>
        <source>Fit &amp;Width	Ctrl+0</source>
        <translation>Ajuster à la &amp;largeur	Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
</context>
<context>
    <name>hm::CPrintGraphView</name>
    <message>
        <source>The page could not be printed on %1.</source>
        <translation>La page n&apos;a pas pu être imprimée sur %1.</translation>
    </message>
</context>
<context>
    <name>hm::CSettingsDlg</name>
    <message>
        <source>given with --library</source>
        <translation>donnée par --library</translation>
    </message>
    <message>
        <source>given by the environment variable HAULMETRY_LIBRARY</source>
        <translation>donnée par la variable d&apos;environnement HAULMETRY_LIBRARY</translation>
    </message>
    <message>
        <source>from the library settings</source>
        <translation>des réglages de la bibliothèque</translation>
    </message>
    <message>
        <source>the default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Data files</source>
        <translation>Fichiers de données</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>&amp;Dossier de données :</translation>
    </message>
    <message>
        <source>Write a &amp;text file beside each saved data file</source>
        <translation>Écrire un fichier &amp;texte à côté de chaque fichier de données enregistré</translation>
    </message>
    <message>
        <source>Show the &amp;summary after loading a file</source>
        <translation>Afficher le &amp;résumé après le chargement d&apos;un fichier</translation>
    </message>
    <message>
        <source>No settings file: these settings last until the window closes.</source>
        <translation>Pas de fichier de paramètres : ces paramètres valent jusqu&apos;à la fermeture de la fenêtre.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Fichier de paramètres : %1</translation>
    </message>
    <message>
        <source>Trailer library</source>
        <translation>Bibliothèque des remorques</translation>
    </message>
    <message>
        <source>PostgreSQL address or SQLite file; empty: the default</source>
        <translation>Adresse PostgreSQL ou fichier SQLite ; vide : par défaut</translation>
    </message>
    <message>
        <source>&amp;Library:</source>
        <translation>&amp;Bibliothèque :</translation>
    </message>
    <message>
        <source>In use: %1 (%2).</source>
        <translation>Utilisée : %1 (%2).</translation>
    </message>
    <message>
        <source>While --library or HAULMETRY_LIBRARY names a library, this setting is not used.</source>
        <translation>Tant que --library ou HAULMETRY_LIBRARY désigne une bibliothèque, ce réglage n&apos;est pas utilisé.</translation>
    </message>
    <message>
        <source>A change of the library takes effect when Haulmetry starts next.</source>
        <translation>Un changement de bibliothèque prend effet au prochain démarrage de Haulmetry.</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Atelier</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Parco&amp;urir...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>Té&amp;léphone :</translation>
    </message>
    <message>
        <source>Lo&amp;go:</source>
        <translation>Lo&amp;go :</translation>
    </message>
    <message>
        <source>Kept in %1.</source>
        <translation>Conservé dans %1.</translation>
    </message>
    <message>
        <source>The library settings cannot be changed here.</source>
        <translation>Les réglages de la bibliothèque ne peuvent pas être modifiés ici.</translation>
    </message>
    <message>
        <source>Empty: %1.</source>
        <translation>Vide : %1.</translation>
    </message>
    <message>
        <source>Give a full path, starting with /.</source>
        <translation>Indiquez un chemin complet, commençant par /.</translation>
    </message>
    <message>
        <source>This folder does not exist yet; OK creates it.</source>
        <translation>Ce dossier n&apos;existe pas encore ; OK le crée.</translation>
    </message>
    <message>
        <source>Saves, and the backups before an erase or a reload, go into the data folder. Loading a file from another folder makes that folder the data folder.</source>
        <translation>Les enregistrements, et les sauvegardes avant un effacement ou un rechargement, vont dans le dossier de données. Charger un fichier d&apos;un autre dossier fait de ce dossier le dossier de données.</translation>
    </message>
    <message>
        <source>Choose the Data Folder</source>
        <translation>Choisir le dossier de données</translation>
    </message>
    <message>
        <source>Choose the Logo</source>
        <translation>Choisir le logo</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Images (*.png *.svg)</translation>
    </message>
    <message>
        <source>The data folder must be a full path, starting with /.</source>
        <translation>Le dossier de données doit être un chemin complet, commençant par /.</translation>
    </message>
    <message>
        <source>The address holds a password, so it is changed in the library settings file itself.</source>
        <translation>L&apos;adresse contient un mot de passe ; elle se change donc dans le fichier des réglages de la bibliothèque lui-même.</translation>
    </message>
</context>
<context>
    <name>hm::DataFile</name>
    <message>
        <source>file is too short (%1 bytes, a data file has %2)</source>
        <translation>fichier trop court (%1 octets, un fichier de données en a %2)</translation>
    </message>
    <message>
        <source>not a Haulmetry data file (signature missing)</source>
        <translation>pas un fichier de données Haulmetry (signature absente)</translation>
    </message>
    <message>
        <source>wrong block size %1 (expected %2)</source>
        <translation>taille de bloc erronée %1 (attendu : %2)</translation>
    </message>
</context>
<context>
    <name>hm::DataFileController</name>
    <message>
        <source>The data folder %1 does not exist any more. The file is saved in %2 instead.</source>
        <translation>Le dossier de données %1 n&apos;existe plus. Le fichier est enregistré dans %2 à la place.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>the data folder must be a full path, starting with /</source>
        <translation>le dossier de données doit être un chemin complet, commençant par /</translation>
    </message>
    <message>
        <source>the data folder %1: %2</source>
        <translation>le dossier de données %1 : %2</translation>
    </message>
    <message>
        <source>The settings were not changed: %1</source>
        <translation>Les paramètres n&apos;ont pas été modifiés : %1</translation>
    </message>
</context>
<context>
    <name>hm::DetailsForm</name>
    <message>
        <source>Details</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>&amp;Plate:</source>
        <translation>&amp;Immatriculation :</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Immatriculation</translation>
    </message>
    <message>
        <source>Fleet &amp;number:</source>
        <translation>&amp;Numéro de parc :</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Numéro de parc</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Client :</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>N&amp;otes :</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>&amp;Save details</source>
        <translation>En&amp;registrer les informations</translation>
    </message>
    <message>
        <source>Save details</source>
        <translation>Enregistrer les informations</translation>
    </message>
    <message>
        <source>Stores the plate, fleet number, customer and notes of the trailer in the library</source>
        <translation>Enregistre dans la bibliothèque l&apos;immatriculation, le numéro de parc, le client et les notes de la remorque</translation>
    </message>
    <message>
        <source>Details of %1</source>
        <translation>Informations sur %1</translation>
    </message>
    <message>
        <source>No details are stored yet.</source>
        <translation>Aucune information enregistrée pour le moment.</translation>
    </message>
    <message>
        <source>Changed %1 by %2</source>
        <translation>Modifié le %1 par %2</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>aucune information</translation>
    </message>
    <message>
        <source>Changes of the details, newest first:</source>
        <translation>Modifications des informations, la plus récente en premier :</translation>
    </message>
</context>
<context>
    <name>hm::DiffView</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Bar %1 of %2</source>
        <translation>Barre %1 sur %2</translation>
    </message>
    <message>
        <source>&amp;Graph:</source>
        <translation>&amp;Graphique :</translation>
    </message>
    <message>
        <source>Graph compared</source>
        <translation>Graphique comparé</translation>
    </message>
    <message>
        <source>Which of the ten graphs the two downloads are compared in</source>
        <translation>Le graphique (parmi les dix) dans lequel les deux téléchargements sont comparés</translation>
    </message>
    <message>
        <source>Difference chart</source>
        <translation>Graphique des différences</translation>
    </message>
    <message>
        <source>Newer visit chart</source>
        <translation>Graphique de la visite la plus récente</translation>
    </message>
    <message>
        <source>Choose two downloads of a trailer to compare them.</source>
        <translation>Choisissez deux téléchargements d&apos;une remorque pour les comparer.</translation>
    </message>
    <message>
        <source>Usage chart</source>
        <translation>Graphique d&apos;utilisation</translation>
    </message>
    <message>
        <source>Usage between %1 and %2 (in all: %3)</source>
        <translation>Utilisation entre %1 et %2 (au total : %3)</translation>
    </message>
    <message>
        <source>The counters were reset between the two visits (the ECU&apos;s data was erased): the chart shows the newer values, counted since then.</source>
        <translation>Les compteurs ont été remis à zéro entre les deux visites (les données de l&apos;ECU ont été effacées) : le graphique montre les valeurs récentes, comptées depuis.</translation>
    </message>
    <message>
        <source>Older visit chart</source>
        <translation>Graphique de la visite la plus ancienne</translation>
    </message>
    <message>
        <source>Older visit: %1</source>
        <translation>Visite la plus ancienne : %1</translation>
    </message>
    <message>
        <source>Newer visit: %1</source>
        <translation>Visite la plus récente : %1</translation>
    </message>
    <message>
        <source>This graph holds averages, which cannot be subtracted: both visits are shown.</source>
        <translation>Ce graphique contient des moyennes, qui ne se soustraient pas : les deux visites sont affichées.</translation>
    </message>
    <message>
        <source>Vertical: %1 to %2 %3. Horizontal: %4</source>
        <translation>Vertical : %1 à %2 %3. Horizontal : %4</translation>
    </message>
</context>
<context>
    <name>hm::FileAccess</name>
    <message>
        <source>is %1, not a regular file; it was left as it is</source>
        <translation>est %1, pas un fichier ordinaire ; il a été laissé tel quel</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>est un dossier</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>est %1, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>un fichier ordinaire</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>une FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique caractère</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un périphérique bloc</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>cannot open: </source>
        <translation>impossible d&apos;ouvrir : </translation>
    </message>
    <message>
        <source>cannot empty the file: </source>
        <translation>impossible de vider le fichier : </translation>
    </message>
    <message>
        <source>cannot read: </source>
        <translation>impossible de lire : </translation>
    </message>
</context>
<context>
    <name>hm::FleetModel</name>
    <message>
        <source>download</source>
        <translation>téléchargement</translation>
    </message>
    <message>
        <source>file loaded</source>
        <translation>fichier chargé</translation>
    </message>
    <message>
        <source>file saved</source>
        <translation>fichier enregistré</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importation</translation>
    </message>
    <message>
        <source>Trailer</source>
        <translation>Remorque</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Dernière visite</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Enregistrements de stabilité</translation>
    </message>
    <message>
        <source>Distance since (km)</source>
        <translation>Distance depuis (km)</translation>
    </message>
    <message>
        <source>Brake applications since</source>
        <translation>Freinages depuis</translation>
    </message>
    <message>
        <source>New stability records</source>
        <translation>Nouveaux enregistrements de stabilité</translation>
    </message>
    <message>
        <source>%1 (erased)</source>
        <translation>%1 (effacé)</translation>
    </message>
    <message>
        <source>ABS events since</source>
        <translation>Événements ABS depuis</translation>
    </message>
    <message>
        <source>Roll-over events since</source>
        <translation>Renversements depuis</translation>
    </message>
    <message>
        <source>Overloaded (km)</source>
        <translation>Surcharge (km)</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>fleet number %1</source>
        <translation>numéro de parc %1</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Immatriculation</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Numéro de parc</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
</context>
<context>
    <name>hm::HistoryModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Atelier</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <source>Brake applications</source>
        <translation>Freinages</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Enregistrements de stabilité</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
</context>
<context>
    <name>hm::Language</name>
    <message>
        <source>--language needs a language code, such as de or fr</source>
        <translation>--language attend un code de langue, par exemple de ou fr</translation>
    </message>
    <message>
        <source>no translation for the language &apos;%1&apos; (there are: en %2)</source>
        <translation>aucune traduction pour la langue &apos;%1&apos; (disponibles : en %2)</translation>
    </message>
</context>
<context>
    <name>hm::Library</name>
    <message>
        <source>; %1 wait(s) in the local queue %2 and will be sent when the server is back</source>
        <translation> ; %1 téléchargement(s) en attente dans la file locale %2, envoyé(s) dès que le serveur sera de retour</translation>
    </message>
    <message>
        <source>%1 download(s) that waited in the local queue were stored in %2</source>
        <translation>%1 téléchargement(s) en attente dans la file locale enregistré(s) dans %2</translation>
    </message>
    <message>
        <source>the local queue could not be sent: %1</source>
        <translation>la file d&apos;attente locale n&apos;a pas pu être envoyée : %1</translation>
    </message>
    <message>
        <source>cannot add to %1: it is read-only</source>
        <translation>impossible d&apos;ajouter à %1 : accès en lecture seule</translation>
    </message>
    <message>
        <source>cannot reach %1</source>
        <translation>%1 est injoignable</translation>
    </message>
    <message>
        <source>cannot store in %1: %2</source>
        <translation>impossible d&apos;enregistrer dans %1 : %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>cannot read download %1 of %2: %3</source>
        <translation>impossible de lire le téléchargement %1 de %2 : %3</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>le serveur est injoignable</translation>
    </message>
    <message>
        <source>download %1 of %2 is not 2484 bytes</source>
        <translation>le téléchargement %1 de %2 ne fait pas 2484 octets</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2): it is damaged or not a library, and is left as it is</source>
        <translation>%1 est illisible (%2) : endommagé ou pas une bibliothèque ; laissé tel quel</translation>
    </message>
    <message>
        <source>%1 was written by a newer Haulmetry (library schema %2, this program knows up to %3); it is left as it is</source>
        <translation>%1 a été écrit par un Haulmetry plus récent (schéma de bibliothèque %2, ce programme connaît jusqu&apos;à %3) ; laissé tel quel</translation>
    </message>
    <message>
        <source>%1 is an SQLite file but not a Haulmetry library; it is left as it is</source>
        <translation>%1 est un fichier SQLite mais pas une bibliothèque Haulmetry ; laissé tel quel</translation>
    </message>
    <message>
        <source>%1 is read-only and needs its schema brought forward; nothing was changed</source>
        <translation>%1 est en lecture seule et son schéma doit être mis à jour ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>impossible de préparer %1 : %2</translation>
    </message>
    <message>
        <source>the library %1</source>
        <translation>la bibliothèque %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed (Debian: libqt6sql6-sqlite)</source>
        <translation>le pilote SQLite de Qt n&apos;est pas installé (Debian : libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>cannot create the folder of %1: %2</source>
        <translation>impossible de créer le dossier de %1 : %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>the PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql)</source>
        <translation>le pilote PostgreSQL de Qt n&apos;est pas installé (Debian : libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 est injoignable : %2</translation>
    </message>
    <message>
        <source>no download with that number</source>
        <translation>aucun téléchargement portant ce numéro</translation>
    </message>
    <message>
        <source>%1 is not a library (%2)</source>
        <translation>%1 n&apos;est pas une bibliothèque (%2)</translation>
    </message>
    <message>
        <source>cannot back up %1: %2</source>
        <translation>impossible de sauvegarder %1 : %2</translation>
    </message>
    <message>
        <source>%1 exists already; a backup never replaces a file</source>
        <translation>%1 existe déjà ; une sauvegarde ne remplace jamais un fichier</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 est %2, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a shared library is backed up on its server with pg_dump; or copy it into an SQLite file with: haulmetry library copy URL FILE</source>
        <translation>une bibliothèque partagée se sauvegarde sur son serveur avec pg_dump ; ou copiez-la dans un fichier SQLite avec : haulmetry library copy URL FILE</translation>
    </message>
    <message>
        <source>%1 download(s) of %2 backed up into %3</source>
        <translation>%1 téléchargement(s) de %2 sauvegardé(s) dans %3</translation>
    </message>
    <message>
        <source>there is no library %1: %2</source>
        <translation>il n&apos;y a pas de bibliothèque %1 : %2</translation>
    </message>
    <message>
        <source>its image is missing</source>
        <translation>son image manque</translation>
    </message>
    <message>
        <source>its image is not 2484 bytes</source>
        <translation>son image ne fait pas 2484 octets</translation>
    </message>
    <message>
        <source>its image does not match its hash</source>
        <translation>son image ne correspond pas à son hachage</translation>
    </message>
    <message>
        <source>download %1 of %2 (%3, %4): %5; skipped</source>
        <translation>téléchargement %1 de %2 (%3, %4) : %5 ; ignoré</translation>
    </message>
    <message>
        <source>%1 and %2 are the same library</source>
        <translation>%1 et %2 sont la même bibliothèque</translation>
    </message>
    <message>
        <source>; %1 download(s) were copied before; run the same copy again to finish it (nothing is stored twice)</source>
        <translation> ; %1 téléchargement(s) copié(s) auparavant ; relancez la même copie pour la terminer (rien n&apos;est enregistré deux fois)</translation>
    </message>
    <message>
        <source>; %1 could not be written to the local queue %2 either: %3</source>
        <translation> ; %1 n&apos;a/n&apos;ont pas pu non plus être écrit(s) dans la file locale %2 : %3</translation>
    </message>
    <message>
        <source>the queue item %1 was refused by the server and is set aside: %2</source>
        <translation>l&apos;élément de file %1 a été refusé par le serveur et mis de côté : %2</translation>
    </message>
    <message>
        <source>the queue item %1 cannot be read and is left in place</source>
        <translation>l&apos;élément de file %1 est illisible et reste en place</translation>
    </message>
    <message>
        <source>download %1 of %2 does not match its hash: the stored image was changed, and is not used</source>
        <translation>le téléchargement %1 de %2 ne correspond pas à son empreinte : l&apos;image stockée a été modifiée et n&apos;est pas utilisée</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c&apos;est un lien symbolique</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>c&apos;est %1, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>il appartient à un autre utilisateur (uid %1)</translation>
    </message>
    <message>
        <source>others may write it (mode %1)</source>
        <translation>d&apos;autres peuvent l&apos;écrire (mode %1)</translation>
    </message>
    <message>
        <source>it holds a password but others may read it (mode %1; chmod 600 makes it yours alone)</source>
        <translation>il contient un mot de passe mais d&apos;autres peuvent le lire (mode %1 ; chmod 600 le rend à vous seul)</translation>
    </message>
    <message>
        <source>the library settings %1 are not used: %2</source>
        <translation>les réglages de la bibliothèque %1 ne sont pas utilisés : %2</translation>
    </message>
    <message>
        <source>%1 is not a valid PostgreSQL address (postgresql://USER@HOST:PORT/DATABASE)</source>
        <translation>%1 n&apos;est pas une adresse PostgreSQL valide (postgresql://USER@HOST:PORT/DATABASE)</translation>
    </message>
    <message>
        <source>a password on the command line can be read by every user of this computer; give it in ~/.pgpass or in the library settings (mode 0600) instead</source>
        <translation>un mot de passe sur la ligne de commande est lisible par tout utilisateur de cet ordinateur ; indiquez-le plutôt dans ~/.pgpass ou dans les réglages de la bibliothèque (mode 0600)</translation>
    </message>
    <message>
        <source>%1 is not a library address this program knows (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE or a file name)</source>
        <translation>%1 n&apos;est pas une adresse de bibliothèque connue de ce programme (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE ou un nom de fichier)</translation>
    </message>
    <message>
        <source>%1 is an SQLite file: roles and rights apply to a shared PostgreSQL library only</source>
        <translation>%1 est un fichier SQLite : les rôles et droits ne valent que pour une bibliothèque PostgreSQL partagée</translation>
    </message>
    <message>
        <source>cannot set up the rights of %1: %2</source>
        <translation>impossible de mettre en place les droits de %1 : %2</translation>
    </message>
    <message>
        <source>the role %1 exists and is not a workshop&apos;s; nothing was changed</source>
        <translation>le rôle %1 existe et n&apos;est pas celui d&apos;un atelier ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot add the workshop %1 to %2: %3</source>
        <translation>impossible d&apos;ajouter l&apos;atelier %1 à %2 : %3</translation>
    </message>
    <message>
        <source>%1 is not a workshop of %2; nothing was changed</source>
        <translation>%1 n&apos;est pas un atelier de %2 ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>cannot revoke the workshop %1: %2</source>
        <translation>impossible de révoquer l&apos;atelier %1 : %2</translation>
    </message>
    <message>
        <source>%1 has library schema %2, and only its owner may bring it to %3 (haulmetry library setup as the owner); nothing was changed</source>
        <translation>%1 a le schéma de bibliothèque %2, et seul son propriétaire peut le porter à %3 (haulmetry library setup en tant que propriétaire) ; rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>the connection parameter %1 cannot be passed on</source>
        <translation>le paramètre de connexion %1 ne peut pas être transmis</translation>
    </message>
    <message>
        <source>%1 refused the connection: %2</source>
        <translation>%1 a refusé la connexion : %2</translation>
    </message>
    <message>
        <source>cannot store the details of the trailer %1: %2</source>
        <translation>impossible d&apos;enregistrer les informations de la remorque %1 : %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>%1 holds no download of it</source>
        <translation>%1 ne contient aucun téléchargement de cette remorque</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 a refusé : %2</translation>
    </message>
    <message>
        <source>the %1 is not UTF-8 text</source>
        <translation>%1 : ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>the %1 holds a control character (a line break, a tab, ...), which cannot be stored</source>
        <translation>%1 : contient un caractère de contrôle (saut de ligne, tabulation, ...), impossible à enregistrer</translation>
    </message>
    <message>
        <source>the %1 is longer than %2 characters</source>
        <translation>%1 : plus de %2 caractères</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>numéro de parc</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>immatriculation</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>client</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>il dépasse %1 octets</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be a line of it</source>
        <translation>la clé « %1 » ne peut pas en être une ligne</translation>
    </message>
    <message>
        <source>the value of %1 holds a line end</source>
        <translation>la valeur de %1 contient une fin de ligne</translation>
    </message>
    <message>
        <source>Could not write the library settings %1: %2</source>
        <translation>Impossible d&apos;écrire les réglages de la bibliothèque %1 : %2</translation>
    </message>
</context>
<context>
    <name>hm::LibraryRecording</name>
    <message>
        <source>Trailer library: %1.</source>
        <translation>Bibliothèque des remorques : %1.</translation>
    </message>
    <message>
        <source>The download was not added to it: save it as a data file to keep it.</source>
        <translation>Le téléchargement n&apos;y a pas été ajouté : enregistrez-le comme fichier de données pour le conserver.</translation>
    </message>
</context>
<context>
    <name>hm::LibraryWindow</name>
    <message>
        <source>Trailer Library</source>
        <translation>Bibliothèque des remorques</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flotte</translation>
    </message>
    <message>
        <source>One row per trailer: its latest download and what changed since the visit before. Enter or a double-click opens the download.</source>
        <translation>Une ligne par remorque : son dernier téléchargement et ce qui a changé depuis la visite précédente. Entrée ou un double-clic ouvre le téléchargement.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Every download of the trailer. Select two to compare them; Enter or a double-click opens one.</source>
        <translation>Chaque téléchargement de la remorque. Sélectionnez-en deux pour les comparer ; Entrée ou un double-clic en ouvre un.</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Writes every download of the trailer into a folder as data files</source>
        <translation>Écrit chaque téléchargement de la remorque dans un dossier, en fichiers de données</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Lecture de la bibliothèque...</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>Impossible d&apos;ouvrir la bibliothèque : %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Trailers in %1: %2</source>
        <translation>Remorques dans %1 : %2</translation>
    </message>
    <message>
        <source>The library holds no download yet.</source>
        <translation>La bibliothèque ne contient encore aucun téléchargement.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Impossible de lire l&apos;historique : %1</translation>
    </message>
    <message>
        <source>&amp;History of %1 (downloads: %2)</source>
        <translation>&amp;Historique de %1 (téléchargements : %2)</translation>
    </message>
    <message>
        <source>The trailer has one download: nothing to compare it with.</source>
        <translation>La remorque n&apos;a qu&apos;un téléchargement : rien à comparer.</translation>
    </message>
    <message>
        <source>Select two downloads to see their difference.</source>
        <translation>Sélectionnez deux téléchargements pour voir leur différence.</translation>
    </message>
    <message>
        <source>The downloads cannot be read: %1</source>
        <translation>Impossible de lire les téléchargements : %1</translation>
    </message>
    <message>
        <source>The download cannot be read: %1</source>
        <translation>Impossible de lire le téléchargement : %1</translation>
    </message>
    <message>
        <source>The main window is busy (a download, or a file being chosen or saved), so the download of %1 was not opened. Open it again when the main window is free.</source>
        <translation>La fenêtre principale est occupée (un téléchargement, ou un fichier en cours de choix ou d&apos;enregistrement) : le téléchargement de %1 n&apos;a pas été ouvert. Ouvrez-le à nouveau quand la fenêtre principale sera libre.</translation>
    </message>
    <message>
        <source>The download of %1 is shown in the main window.</source>
        <translation>Le téléchargement de %1 est affiché dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Export the Downloads to a Folder</source>
        <translation>Exporter les téléchargements dans un dossier</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Data files written to %1: %2</source>
        <translation>Fichiers de données écrits dans %1 : %2</translation>
    </message>
    <message>
        <source>The export to %1 stopped after %2 data files: %3</source>
        <translation>L&apos;exportation vers %1 s&apos;est arrêtée après %2 fichiers de données : %3</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>Effacer le filtre</translation>
    </message>
    <message>
        <source>No trailer is chosen: choose one in the list.</source>
        <translation>Aucune remorque choisie : choisissez-en une dans la liste.</translation>
    </message>
    <message>
        <source>The findings rules %1 cannot be used (line %2: %3); the default rules apply.</source>
        <translation>Les règles de constats %1 sont inutilisables (ligne %2 : %3) ; les règles par défaut s&apos;appliquent.</translation>
    </message>
    <message>
        <source>Needs &amp;attention</source>
        <translation>&amp;Attention requise</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Attention requise</translation>
    </message>
    <message>
        <source>Shows only the trailers whose latest download has a finding of severity attention</source>
        <translation>N&apos;affiche que les remorques dont le dernier téléchargement a un constat de niveau attention</translation>
    </message>
    <message>
        <source>Findings of the visit</source>
        <translation>Constats de la visite</translation>
    </message>
    <message>
        <source>Findings of the visit %1:</source>
        <translation>Constats de la visite %1 :</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Identification, plate, fleet number or customer</source>
        <translation>Identification, immatriculation, numéro de parc ou client</translation>
    </message>
    <message>
        <source>Shows only the trailers whose identification, plate, fleet number or customer holds this text</source>
        <translation>N&apos;affiche que les remorques dont l&apos;identification, l&apos;immatriculation, le numéro de parc ou le client contient ce texte</translation>
    </message>
    <message>
        <source>The details of %1 cannot be saved: %2</source>
        <translation>Impossible d&apos;enregistrer les informations de %1 : %2</translation>
    </message>
    <message>
        <source>Saving the details of %1...</source>
        <translation>Enregistrement des informations de %1...</translation>
    </message>
    <message>
        <source>The details of %1 are saved.</source>
        <translation>Les informations de %1 sont enregistrées.</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceModel</name>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Temps (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Octets</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Signification</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceView</name>
    <message>
        <source>Link Trace</source>
        <translation>Trace de la liaison</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>E&amp;ffacer</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Enregistrer la trace de liaison</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The link trace was not saved: %1.</source>
        <translation>La trace de liaison n&apos;a pas été enregistrée : %1.</translation>
    </message>
</context>
<context>
    <name>hm::PageLayout</name>
    <message>
        <source>Not Set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non enregistré</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIF</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>INACTIF</translation>
    </message>
</context>
<context>
    <name>hm::PageRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot draw the page</source>
        <translation>impossible de dessiner la page</translation>
    </message>
    <message>
        <source>cannot encode the image</source>
        <translation>impossible d&apos;encoder l&apos;image</translation>
    </message>
</context>
<context>
    <name>hm::PortAccessWatch</name>
    <message>
        <source>No permission to open %1.
Add your user to the &apos;%2&apos; group (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Pas d&apos;autorisation pour ouvrir %1.
Ajoutez votre utilisateur au groupe &apos;%2&apos; (sudo usermod -aG %2 $USER), puis fermez la session et reconnectez-vous.</translation>
    </message>
</context>
<context>
    <name>hm::PrintModule</name>
    <message>
        <source>the printing module is missing (%1)</source>
        <translation>le module d&apos;impression est absent (%1)</translation>
    </message>
</context>
<context>
    <name>hm::QtFileUi</name>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Haulmetry Data Files (*.asc)</source>
        <translation>Fichiers de données Haulmetry (*.asc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>hm::ReportFacts</name>
    <message>
        <source>the logo %1 is left out: %2</source>
        <translation>le logo %1 est omis : %2</translation>
    </message>
</context>
<context>
    <name>hm::ReportLogo</name>
    <message>
        <source>is larger than 2 MiB</source>
        <translation>dépasse 2 Mio</translation>
    </message>
    <message>
        <source>is a PNG image larger than 8000 x 8000 pixels or damaged</source>
        <translation>est une image PNG de plus de 8000 x 8000 pixels ou endommagée</translation>
    </message>
    <message>
        <source>is a damaged PNG image</source>
        <translation>est une image PNG endommagée</translation>
    </message>
    <message>
        <source>is not a PNG or SVG image</source>
        <translation>n&apos;est pas une image PNG ou SVG</translation>
    </message>
    <message>
        <source>is an SVG image that refers to other files or holds a script</source>
        <translation>est une image SVG qui renvoie à d&apos;autres fichiers ou contient un script</translation>
    </message>
</context>
<context>
    <name>hm::ReportMenu</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The report was not saved: %1.</source>
        <translation>Le rapport n&apos;a pas été enregistré : %1.</translation>
    </message>
    <message>
        <source>The report was not printed: %1</source>
        <translation>Le rapport n&apos;a pas été imprimé : %1</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>Enregistrer le &amp;rapport en PDF...</translation>
    </message>
    <message>
        <source>Print &amp;All Pages...</source>
        <translation>Imprimer &amp;toutes les pages...</translation>
    </message>
</context>
<context>
    <name>hm::ReportPages</name>
    <message>
        <source>ECU Type</source>
        <translation>Type d&apos;ECU</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Stability Records</source>
        <translation>Enregistrements de stabilité</translation>
    </message>
    <message>
        <source>Summary Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Fleet Data Report</source>
        <translation>Rapport des données de flotte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Distance driven</source>
        <translation>Distance parcourue</translation>
    </message>
    <message>
        <source>Distance by reservoir pressure</source>
        <translation>Distance par pression de réservoir</translation>
    </message>
    <message>
        <source>Distance by load</source>
        <translation>Distance par charge</translation>
    </message>
    <message>
        <source>Brake applications by pressure</source>
        <translation>Freinages par pression</translation>
    </message>
    <message>
        <source>Brake applications by speed</source>
        <translation>Freinages par vitesse</translation>
    </message>
    <message>
        <source>Brake applications over the distance</source>
        <translation>Freinages sur la distance</translation>
    </message>
    <message>
        <source>ABS events over the distance</source>
        <translation>Événements ABS sur la distance</translation>
    </message>
    <message>
        <source>Roll-over events over the distance</source>
        <translation>Renversements sur la distance</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Fleet Number</source>
        <translation>Numéro de parc</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Immatriculation</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Tél. %1</translation>
    </message>
    <message>
        <source>Visit Date</source>
        <translation>Date de la visite</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>Findings of This Visit</source>
        <translation>Constats de cette visite</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Aucun constat.</translation>
    </message>
    <message>
        <source>And %1 more findings.</source>
        <translation>Et %1 autres constats.</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit</source>
        <translation>Évolution depuis la visite précédente</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit (%1)</source>
        <translation>Évolution depuis la visite précédente (%1)</translation>
    </message>
    <message>
        <source>The library holds no earlier visit of this trailer.</source>
        <translation>La bibliothèque ne contient aucune visite antérieure de cette remorque.</translation>
    </message>
    <message>
        <source>The library holds no visit of this trailer: the findings are those of this download alone.</source>
        <translation>La bibliothèque ne contient aucune visite de cette remorque : les constats portent sur ce seul téléchargement.</translation>
    </message>
    <message>
        <source>Workshop Confirmation</source>
        <translation>Confirmation de l&apos;atelier</translation>
    </message>
    <message>
        <source>Checked by the Technician</source>
        <translation>Contrôlé par le technicien</translation>
    </message>
    <message>
        <source>Technician&apos;s Name</source>
        <translation>Nom du technicien</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
</context>
<context>
    <name>hm::ReportRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Fleet Data Report %1</source>
        <translation>Rapport des données de flotte %1</translation>
    </message>
    <message>
        <source>cannot draw the pages</source>
        <translation>impossible de dessiner les pages</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>impossible de commencer une nouvelle page</translation>
    </message>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>L&apos;imprimante ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>L&apos;imprimante a signalé une erreur.</translation>
    </message>
    <message>
        <source>Brake system fleet data of the trailer %1</source>
        <translation>Données de flotte du système de freinage de la remorque %1</translation>
    </message>
    <message>
        <source>fleet data report</source>
        <translation>rapport des données de flotte</translation>
    </message>
    <message>
        <source>the logo %1 %2; the report is made without it</source>
        <translation>le logo %1 : %2 ; le rapport est créé sans lui</translation>
    </message>
</context>
<context>
    <name>hm::Session</name>
    <message>
        <source>line hung up</source>
        <translation>ligne raccrochée</translation>
    </message>
    <message>
        <source>no valid answer in time</source>
        <translation>pas de réponse valide à temps</translation>
    </message>
    <message>
        <source>%1 (waiting for %2)</source>
        <translation>%1 (en attente de %2)</translation>
    </message>
    <message>
        <source>The connection to the ECU was lost (%1): the data downloaded from this ECU was saved to
%2</source>
        <translation>La connexion à l&apos;ECU a été perdue (%1) : les données téléchargées de cet ECU ont été enregistrées dans
%2</translation>
    </message>
    <message>
        <source>A download from the ECU started while the file was being chosen, so %1 was not loaded. Load it again when the download is over.</source>
        <translation>Un téléchargement depuis l&apos;ECU a commencé pendant le choix du fichier, %1 n&apos;a donc pas été chargé. Chargez-le à nouveau une fois le téléchargement terminé.</translation>
    </message>
    <message>
        <source>Before the reload, the data downloaded from this ECU was saved to
%1</source>
        <translation>Avant le rechargement, les données téléchargées de cet ECU ont été enregistrées dans
%1</translation>
    </message>
    <message>
        <source>The data was not reloaded from the ECU.</source>
        <translation>Les données n&apos;ont pas été rechargées depuis l&apos;ECU.</translation>
    </message>
    <message>
        <source> [ Closing... ]</source>
        <translation> [ Fermeture... ]</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU could not be saved to %1: %2</source>
        <translation>Les données téléchargées de cet ECU n&apos;ont pas pu être enregistrées dans %1 : %2</translation>
    </message>
    <message>
        <source>Nothing was erased.</source>
        <translation>Rien n&apos;a été effacé.</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has been saved to
%1</source>
        <translation>Les données téléchargées de cet ECU ont été enregistrées dans
%1</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has already been saved to
%1</source>
        <translation>Les données téléchargées de cet ECU ont déjà été enregistrées dans
%1</translation>
    </message>
    <message>
        <source>Erase the extended fleet information from the ECU now?</source>
        <translation>Effacer maintenant les informations de flotte étendues de l&apos;ECU ?</translation>
    </message>
    <message>
        <source>Erase the stability snapshots from the ECU now?</source>
        <translation>Effacer maintenant les instantanés de stabilité de l&apos;ECU ?</translation>
    </message>
    <message>
        <source>%1 is not a data image: %2</source>
        <translation>%1 n&apos;est pas une image de données : %2</translation>
    </message>
    <message>
        <source>%1 was not loaded: %2</source>
        <translation>%1 n&apos;a pas été chargé : %2</translation>
    </message>
</context>
<context>
    <name>hm::StabilityRecord</name>
    <message>
        <source>%1 kph</source>
        <translation>%1 km/h</translation>
    </message>
</context>
<context>
    <name>hm::WorkshopIdentity</name>
    <message>
        <source>it refers to an outside file or address (%1)</source>
        <translation>il renvoie à un fichier ou une adresse extérieurs (%1)</translation>
    </message>
    <message>
        <source>it holds an event handler (%1), which runs code</source>
        <translation>il contient un gestionnaire d&apos;événement (%1), qui exécute du code</translation>
    </message>
    <message>
        <source>it holds a script</source>
        <translation>il contient un script</translation>
    </message>
    <message>
        <source>it declares entities</source>
        <translation>il déclare des entités</translation>
    </message>
    <message>
        <source>its document type refers to an outside file (remove the DOCTYPE line)</source>
        <translation>son type de document renvoie à un fichier extérieur (supprimez la ligne DOCTYPE)</translation>
    </message>
    <message>
        <source>it takes a style sheet from an outside file</source>
        <translation>il prend une feuille de style dans un fichier extérieur</translation>
    </message>
    <message>
        <source>its style refers to an outside file or address</source>
        <translation>son style renvoie à un fichier ou une adresse extérieurs</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>il dépasse %1 Mio</translation>
    </message>
    <message>
        <source>it is neither a PNG nor an SVG picture</source>
        <translation>ce n&apos;est ni une image PNG ni une image SVG</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>aucun fichier n&apos;est indiqué</translation>
    </message>
    <message>
        <source>The logo %1 cannot be used: %2.</source>
        <translation>Le logo %1 est inutilisable : %2.</translation>
    </message>
</context>
<context>
    <name>hm::cli</name>
    <message>
        <source>haulmetry %1: expected one data file, got %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1 : un fichier de données attendu, reçu %2 (voir haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: %3</source>
        <translation>haulmetry %1: %2: %3</translation>
    </message>
    <message>
        <source>haulmetry %1: missing -o %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1 : -o %2 manquant (voir haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>--passes needs a number from 1 to 1000</source>
        <translation>--passes attend un nombre de 1 à 1000</translation>
    </message>
    <message>
        <source>--max-failures needs a number from 1 to 1000</source>
        <translation>--max-failures attend un nombre de 1 à 1000</translation>
    </message>
    <message>
        <source>--timeout needs seconds from 1 to 86400</source>
        <translation>--timeout attend des secondes de 1 à 86400</translation>
    </message>
    <message>
        <source>--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)</source>
        <translation>--key attend ROT,MUL,DIV (ROT 0..15, DIV non nul)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>-o FILE is required</source>
        <translation>-o FILE est obligatoire</translation>
    </message>
    <message>
        <source>haulmetry download: only %1 ports can be used; not used: %2</source>
        <translation>haulmetry download : seuls %1 ports sont utilisables ; non utilisés : %2</translation>
    </message>
    <message>
        <source>haulmetry download: the ECU gave no valid answer to %1 (%2 refusals or time-outs in a row without progress; last: %3)</source>
        <translation>haulmetry download : l&apos;ECU n&apos;a pas donné de réponse valide à %1 (%2 refus ou délais dépassés de suite sans progrès ; dernier : %3)</translation>
    </message>
    <message>
        <source>haulmetry download: no complete download within %1 s%2</source>
        <translation>haulmetry download : pas de téléchargement complet en %1 s%2</translation>
    </message>
    <message>
        <source> (waiting for %1)</source>
        <translation> (en attente de %1)</translation>
    </message>
    <message>
        <source>haulmetry download: %1</source>
        <translation>haulmetry download: %1</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (tried %1)</source>
        <translation>haulmetry download : aucun ECU trouvé (essayé : %1)</translation>
    </message>
    <message>
        <source>haulmetry download: the download did not finish</source>
        <translation>haulmetry download : le téléchargement ne s&apos;est pas terminé</translation>
    </message>
    <message>
        <source>haulmetry download: cannot save %1: %2</source>
        <translation>haulmetry download : impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (no serial port to try)</source>
        <translation>haulmetry download : aucun ECU trouvé (aucun port série à essayer)</translation>
    </message>
    <message>
        <source>haulmetry download: cannot write the trace file %1: %2</source>
        <translation>haulmetry download : impossible d&apos;écrire le fichier de trace %1 : %2</translation>
    </message>
    <message>
        <source>haulmetry download: </source>
        <translation>haulmetry download: </translation>
    </message>
    <message>
        <source>haulmetry export-text: %1: %2</source>
        <translation>haulmetry export-text: %1: %2</translation>
    </message>
    <message>
        <source>haulmetry graph: expected a data file and a graph number, got %1 argument(s) (see haulmetry graph --help)</source>
        <translation>haulmetry graph : un fichier de données et un numéro de graphique attendus, reçu %1 argument(s) (voir haulmetry graph --help)</translation>
    </message>
    <message>
        <source>haulmetry graph: graph number must be 0 to 10, not &apos;%1&apos;</source>
        <translation>haulmetry graph : le numéro de graphique doit être de 0 à 10, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>haulmetry page: %1</source>
        <translation>haulmetry page: %1</translation>
    </message>
    <message>
        <source>--graph needs a number from 1 to 10</source>
        <translation>--graph attend un nombre de 1 à 10</translation>
    </message>
    <message>
        <source>--record needs a number from 1 to 32</source>
        <translation>--record attend un nombre de 1 à 32</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argument inattendu &apos;%1&apos; (voir --help)</translation>
    </message>
    <message>
        <source>usage: haulmetry page FILE (--graph N | --record N) -o OUT</source>
        <translation>usage : haulmetry page FILE (--graph N | --record N) -o OUT</translation>
    </message>
    <message>
        <source>OUT must end in .pdf or .png</source>
        <translation>OUT doit se terminer par .pdf ou .png</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 stability records, not %3</source>
        <translation>%1 contient %2 enregistrements de stabilité, pas %3</translation>
    </message>
    <message>
        <source>haulmetry report: %1</source>
        <translation>haulmetry report: %1</translation>
    </message>
    <message>
        <source>haulmetry table: %1: %2</source>
        <translation>haulmetry table: %1: %2</translation>
    </message>
    <message>
        <source>haulmetry table: expected at least one file or folder (see haulmetry table --help)</source>
        <translation>haulmetry table : au moins un fichier ou dossier attendu (voir haulmetry table --help)</translation>
    </message>
    <message>
        <source>haulmetry table: no data file could be read</source>
        <translation>haulmetry table : aucun fichier de données n&apos;a pu être lu</translation>
    </message>
    <message>
        <source>haulmetry table: %1 folder(s) could not be listed; their files are missing from the table</source>
        <translation>haulmetry table : %1 dossier(s) n&apos;ont pas pu être listés ; leurs fichiers manquent dans le tableau</translation>
    </message>
    <message>
        <source>haulmetry library %1: %2</source>
        <translation>haulmetry library %1 : %2</translation>
    </message>
    <message>
        <source>no download of the trailer %1 in %2</source>
        <translation>aucun téléchargement de la remorque %1 dans %2</translation>
    </message>
    <message>
        <source>haulmetry library: expected a subcommand (see haulmetry library --help)</source>
        <translation>haulmetry library : sous-commande attendue (voir haulmetry library --help)</translation>
    </message>
    <message>
        <source>haulmetry library: unknown subcommand %1 (see haulmetry library --help)</source>
        <translation>haulmetry library : sous-commande inconnue %1 (voir haulmetry library --help)</translation>
    </message>
    <message>
        <source>expected at least one file or folder</source>
        <translation>au moins un fichier ou dossier attendu</translation>
    </message>
    <message>
        <source>no data file could be read</source>
        <translation>aucun fichier de données n&apos;a pu être lu</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 skipped</source>
        <translation>%1 ajouté(s), %2 déjà dans la bibliothèque, %3 en attente dans la file locale, %4 ignoré(s)</translation>
    </message>
    <message>
        <source>missing -o FOLDER (see haulmetry library export --help)</source>
        <translation>-o DOSSIER manquant (voir haulmetry library export --help)</translation>
    </message>
    <message>
        <source>expected one trailer identification (see haulmetry library %1 --help)</source>
        <translation>une identification de remorque attendue (voir haulmetry library %1 --help)</translation>
    </message>
    <message>
        <source>averages, older and newer side by side</source>
        <translation>moyennes, ancienne et nouvelle côte à côte</translation>
    </message>
    <message>
        <source>usage; counters were reset between the downloads, counted since</source>
        <translation>utilisation ; les compteurs ont été remis à zéro entre les téléchargements, comptée depuis</translation>
    </message>
    <message>
        <source>usage between the downloads</source>
        <translation>utilisation entre les téléchargements</translation>
    </message>
    <message>
        <source>graph %1: %2 (%3)</source>
        <translation>graphique %1 : %2 (%3)</translation>
    </message>
    <message>
        <source>, with SLP %1 (%2 -&gt; %3)</source>
        <translation>, avec SLP %1 (%2 -&gt; %3)</translation>
    </message>
    <message>
        <source>--%1 expects a date YYYY-MM-DD[THH:MM[:SS]]</source>
        <translation>--%1 attend une date AAAA-MM-JJ[Thh:mm[:ss]]</translation>
    </message>
    <message>
        <source>fewer than two downloads of that trailer to compare</source>
        <translation>moins de deux téléchargements de cette remorque à comparer</translation>
    </message>
    <message>
        <source>trailer %1</source>
        <translation>remorque %1</translation>
    </message>
    <message>
        <source>older: %1 %2</source>
        <translation>ancien : %1 %2</translation>
    </message>
    <message>
        <source>newer: %1 %2</source>
        <translation>récent : %1 %2</translation>
    </message>
    <message>
        <source>%1 already in the library as the same visit</source>
        <translation>%1 déjà dans la bibliothèque comme la même visite</translation>
    </message>
    <message>
        <source>%1 copied, %2 already there, %3 skipped</source>
        <translation>%1 copié(s), %2 déjà présent(s), %3 ignoré(s)</translation>
    </message>
    <message>
        <source>expected two libraries, FROM and TO (see haulmetry library copy --help)</source>
        <translation>deux bibliothèques attendues, FROM et TO (voir haulmetry library copy --help)</translation>
    </message>
    <message>
        <source>Copies every download of the library FROM into the library TO (each an SQLite file or a postgresql:// URL), keeping each download&apos;s identification, times, computer, workshop, source and path. TO is created or brought forward as an import would. Each batch is one transaction and data already in TO is not stored twice, so a copy that was cut off is finished by running it again. An image that does not match its hash is named and skipped.</source>
        <translation>Copie chaque téléchargement de la bibliothèque FROM dans la bibliothèque TO (chacune un fichier SQLite ou une URL postgresql://) en gardant l&apos;identification, les heures, l&apos;ordinateur, l&apos;atelier, la source et le chemin de chacun. TO est créée ou mise à niveau comme par une importation. Chaque lot est une transaction et les données déjà dans TO ne sont pas enregistrées deux fois : une copie interrompue se termine en la relançant. Une image qui ne correspond pas à son hachage est nommée et ignorée.</translation>
    </message>
    <message>
        <source>The library to read.</source>
        <translation>La bibliothèque à lire.</translation>
    </message>
    <message>
        <source>The library to add to.</source>
        <translation>La bibliothèque à compléter.</translation>
    </message>
    <message>
        <source>Writes a copy of the SQLite library into the new file FILE with SQLite&apos;s online backup: safe while the window and other commands use the library. The copy is checked before it gets its name; an existing FILE is never replaced. A shared library is backed up on its server with pg_dump, or copied into an SQLite file with library copy.</source>
        <translation>Écrit une copie de la bibliothèque SQLite dans le nouveau fichier FILE par la sauvegarde en ligne de SQLite : sans risque pendant que la fenêtre et d&apos;autres commandes utilisent la bibliothèque. La copie est contrôlée avant de recevoir son nom ; un FILE existant n&apos;est jamais remplacé. Une bibliothèque partagée se sauvegarde sur son serveur avec pg_dump, ou se copie dans un fichier SQLite avec library copy.</translation>
    </message>
    <message>
        <source>The new file.</source>
        <translation>Le nouveau fichier.</translation>
    </message>
    <message>
        <source>expected one FILE (see haulmetry library backup --help)</source>
        <translation>un FILE attendu (voir haulmetry library backup --help)</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Aucune constatation.</translation>
    </message>
    <message>
        <source>haulmetry %1: unknown format &quot;%2&quot; (text or json)</source>
        <translation>haulmetry %1 : format inconnu &quot;%2&quot; (text ou json)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: warning: %3</source>
        <translation>haulmetry %1 : %2 : avertissement : %3</translation>
    </message>
    <message>
        <source>since the older download: %1, of them %2 in the current interval</source>
        <translation>depuis le téléchargement plus ancien : %1, dont %2 dans l&apos;intervalle en cours</translation>
    </message>
    <message>
        <source>; %1 intervals driven in between are no longer held (missing)</source>
        <translation>; %1 intervalles parcourus entre-temps ne sont plus conservés (manquants)</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 not stored, %5 skipped</source>
        <translation>%1 ajouté(s), %2 déjà dans la bibliothèque, %3 en attente dans la file locale, %4 non enregistré(s), %5 ignoré(s)</translation>
    </message>
    <message>
        <source>expected one WORKSHOP</source>
        <translation>un ATELIER attendu</translation>
    </message>
    <message>
        <source>%1 cannot be a workshop&apos;s role: use lower-case letters, digits and _, starting with a letter (at most 63, not pg_...)</source>
        <translation>%1 ne peut pas être le rôle d&apos;un atelier : minuscules, chiffres et _, commençant par une lettre (63 au plus, pas pg_...)</translation>
    </message>
    <message>
        <source>%1 is set up for workshops (group role %2); add one with haulmetry library grant WORKSHOP
</source>
        <translation>%1 est prête pour les ateliers (rôle de groupe %2) ; ajoutez-en un avec haulmetry library grant WORKSHOP
</translation>
    </message>
    <message>
        <source>The workshop %1 may add to and read %2.
</source>
        <translation>L&apos;atelier %1 peut lire %2 et y ajouter.
</translation>
    </message>
    <message>
        <source>Its password (shown only now; for the workshop&apos;s ~/.pgpass): %1
</source>
        <translation>Son mot de passe (affiché seulement maintenant ; pour le ~/.pgpass de l&apos;atelier) : %1
</translation>
    </message>
    <message>
        <source>The workshop %1 may no longer use %2.
</source>
        <translation>L&apos;atelier %1 ne peut plus utiliser %2.
</translation>
    </message>
    <message>
        <source>no findings</source>
        <translation>aucun constat</translation>
    </message>
    <message>
        <source>Fleet of %1 trailer(s): median and 90th percentile per figure</source>
        <translation>Flotte de %1 remorque(s) : médiane et 90e centile par valeur</translation>
    </message>
    <message>
        <source>expected at most one trailer identification</source>
        <translation>au plus une identification de remorque attendue</translation>
    </message>
    <message>
        <source>unknown format %1 (text or json)</source>
        <translation>format inconnu %1 (text ou json)</translation>
    </message>
    <message>
        <source>unknown format %1 (text, csv, json or xlsx)</source>
        <translation>format inconnu %1 (text, csv, json ou xlsx)</translation>
    </message>
    <message>
        <source>haulmetry %1: --format must be csv, json or xlsx, not &apos;%2&apos;</source>
        <translation>haulmetry %1 : --format doit être csv, json ou xlsx, pas &apos;%2&apos;</translation>
    </message>
    <message>
        <source>haulmetry %1: a spreadsheet is not written to a terminal; give -o FILE</source>
        <translation>haulmetry %1 : un classeur n&apos;est pas écrit sur un terminal ; indiquez -o FICHIER</translation>
    </message>
    <message>
        <source>haulmetry %1: the spreadsheet could not be made: %2</source>
        <translation>haulmetry %1 : le classeur n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>trailer %1:</source>
        <translation>remorque %1 :</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>immatriculation</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>numéro de parc</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>client</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>aucune information</translation>
    </message>
    <message>
        <source>%1 is the plate or fleet number of %2 trailers (%3); give the identification</source>
        <translation>%1 est l&apos;immatriculation ou le numéro de parc de %2 remorques (%3) ; indiquez l&apos;identification</translation>
    </message>
    <message>
        <source>%1 change(s) of trailers&apos; details copied</source>
        <translation>%1 modification(s) des informations de remorques copiée(s)</translation>
    </message>
    <message>
        <source>nothing to set: give --plate, --fleet-number, --customer or --notes (see haulmetry library set --help)</source>
        <translation>rien à modifier : indiquez --plate, --fleet-number, --customer ou --notes (voir haulmetry library set --help)</translation>
    </message>
    <message>
        <source>changes of the details:</source>
        <translation>modifications des informations :</translation>
    </message>
</context>
<context>
    <name>hm::figures::Findings</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 since the last visit: %2</source>
        <translation>%1 depuis la dernière visite : %2</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km</source>
        <translation>Roulé en surcharge sur %1 km</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km since the last visit</source>
        <translation>Roulé en surcharge sur %1 km depuis la dernière visite</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar</source>
        <translation>Roulé sur %1 km avec une pression de réservoir inférieure à 6.5 bar</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar since the last visit</source>
        <translation>Roulé sur %1 km avec une pression de réservoir inférieure à 6.5 bar depuis la dernière visite</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone in the last %2 km: %1</source>
        <translation>Freinages sur la seule alimentation des feux stop sur les derniers %2 km : %1</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone since the last visit: %1</source>
        <translation>Freinages sur la seule alimentation des feux stop depuis la dernière visite : %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Événements de renversement : %1</translation>
    </message>
    <message>
        <source>Roll-over events since the last visit: %1</source>
        <translation>Événements de renversement depuis la dernière visite : %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>Événements ABS : %1</translation>
    </message>
    <message>
        <source>ABS events since the last visit: %1</source>
        <translation>Événements ABS depuis la dernière visite : %1</translation>
    </message>
    <message>
        <source>Stability records: %1</source>
        <translation>Enregistrements de stabilité : %1</translation>
    </message>
    <message>
        <source>New stability records since the last visit: %1</source>
        <translation>Nouveaux enregistrements de stabilité depuis la dernière visite : %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above: %1</source>
        <translation>Freinages à 6 bar et plus : %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above since the last visit: %1</source>
        <translation>Freinages à 6 bar et plus depuis la dernière visite : %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts since the last visit start at the erase</source>
        <translation>Les données de l&apos;ECU ont été effacées entre les visites : les comptes depuis la dernière visite partent de l&apos;effacement</translation>
    </message>
    <message>
        <source> (%1 per 1000 km)</source>
        <translation> (%1 pour 1000 km)</translation>
    </message>
    <message>
        <source> (%1 of the distance)</source>
        <translation> (%1 de la distance)</translation>
    </message>
    <message>
        <source> (%1 of the brake applications)</source>
        <translation> (%1 des freinages)</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 de %2)</translation>
    </message>
    <message>
        <source>, above the fleet&apos;s 90th percentile of %1</source>
        <translation>, au-dessus du 90e centile de la flotte, %1</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
</context>
<context>
    <name>hm::figures::RulesFile</name>
    <message>
        <source>the rule ends before its figure</source>
        <translation>la règle se termine avant son indicateur</translation>
    </message>
    <message>
        <source>unknown figure %1</source>
        <translation>indicateur inconnu %1</translation>
    </message>
    <message>
        <source>%1 sums the last 14000 km and has no change since the last visit</source>
        <translation>%1 totalise les derniers 14000 km et n&apos;a pas de variation depuis la dernière visite</translation>
    </message>
    <message>
        <source>the rule ends before its comparison (&gt;, &gt;=, &lt; or &lt;=)</source>
        <translation>la règle se termine avant sa comparaison (&gt;, &gt;=, &lt; ou &lt;=)</translation>
    </message>
    <message>
        <source>a comparison (&gt;, &gt;=, &lt; or &lt;=) was expected, not %1</source>
        <translation>une comparaison (&gt;, &gt;=, &lt; ou &lt;=) était attendue, pas %1</translation>
    </message>
    <message>
        <source>the rule ends before its number</source>
        <translation>la règle se termine avant son nombre</translation>
    </message>
    <message>
        <source>bad number %1 (write a decimal point, such as 2.5)</source>
        <translation>nombre incorrect %1 (écrire un point décimal, par exemple 2.5)</translation>
    </message>
    <message>
        <source>%1 belongs after the number of a share only</source>
        <translation>%1 ne se place qu&apos;après le nombre d&apos;une part</translation>
    </message>
    <message>
        <source>the rule ends before its message</source>
        <translation>la règle se termine avant son message</translation>
    </message>
    <message>
        <source>unknown message %1</source>
        <translation>message inconnu %1</translation>
    </message>
    <message>
        <source>%1 after the end of the rule</source>
        <translation>%1 après la fin de la règle</translation>
    </message>
    <message>
        <source>unknown severity %1 (info or attention)</source>
        <translation>gravité inconnue %1 (info ou attention)</translation>
    </message>
    <message>
        <source>this rule holds for every download</source>
        <translation>cette règle est vraie pour chaque téléchargement</translation>
    </message>
    <message>
        <source>this rule never holds</source>
        <translation>cette règle n&apos;est jamais vraie</translation>
    </message>
    <message>
        <source>too large for a rules file (over 1 MiB)</source>
        <translation>trop grand pour un fichier de règles (plus de 1 Mio)</translation>
    </message>
    <message>
        <source>not a text file (it holds zero bytes)</source>
        <translation>pas un fichier texte (il contient des octets nuls)</translation>
    </message>
</context>
<context>
    <name>hm::library::LibraryReport</name>
    <message>
        <source>Driven: %1 km</source>
        <translation>Parcouru : %1 km</translation>
    </message>
    <message>
        <source>Brake applications: %1</source>
        <translation>Freinages : %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>Événements ABS : %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Renversements : %1</translation>
    </message>
    <message>
        <source>Driven overloaded: %1 km</source>
        <translation>Parcouru en surcharge : %1 km</translation>
    </message>
    <message>
        <source>Driven at low reservoir pressure: %1 km</source>
        <translation>Parcouru à basse pression de réservoir : %1 km</translation>
    </message>
    <message>
        <source>New stability records: %1</source>
        <translation>Nouveaux enregistrements de stabilité : %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts start at the erase.</source>
        <translation>Les données de l&apos;ECU ont été effacées entre les visites : les comptes partent de l&apos;effacement.</translation>
    </message>
</context>
<context>
    <name>hm::str</name>
    <message>
        <source>&amp;About Haulmetry...</source>
        <comment>101</comment>
        <translation>&amp;À propos de Haulmetry...</translation>
    </message>
    <message>
        <source> </source>
        <comment>202</comment>
        <translation> </translation>
    </message>
    <message>
        <source>1.  Average Braking Time v Peak Demand Pressure</source>
        <comment>203</comment>
        <translation>1.  Durée moy. de freinage / pression de commande max.</translation>
    </message>
    <message>
        <source>2.  Number of Brake Applications v Peak Demand Pressure</source>
        <comment>204</comment>
        <translation>2.  Nombre de freinages / pression de commande max.</translation>
    </message>
    <message>
        <source>3.  Total Braking Time v Peak Demand Pressure</source>
        <comment>205</comment>
        <translation>3.  Durée totale de freinage / pression de commande max.</translation>
    </message>
    <message>
        <source>4.  Average Pressure v Braking Start Speed</source>
        <comment>206</comment>
        <translation>4.  Pression moyenne / vitesse en début de freinage</translation>
    </message>
    <message>
        <source>5.  Number of of Brake Applications v Braking Start Speed</source>
        <comment>207</comment>
        <translation>5.  Nombre de freinages / vitesse en début de freinage</translation>
    </message>
    <message>
        <source>6.  Brake Applications v Distance</source>
        <comment>208</comment>
        <translation>6.  Freinages / distance</translation>
    </message>
    <message>
        <source>7.  ABS Events v Distance</source>
        <comment>209</comment>
        <translation>7.  Interventions ABS / distance</translation>
    </message>
    <message>
        <source>8.  Rollover Events v Distance</source>
        <comment>210</comment>
        <translation>8.  Interventions RSS / distance</translation>
    </message>
    <message>
        <source>9.  Distance v Percentage Load</source>
        <comment>211</comment>
        <translation>9.  Distance / pourcentage de charge</translation>
    </message>
    <message>
        <source>10. Distance v Reservoir Pressure</source>
        <comment>212</comment>
        <translation>10. Distance / pression réservoir</translation>
    </message>
    <message>
        <source>Stability Snapshot</source>
        <comment>213</comment>
        <translation>Instantané de stabilité</translation>
    </message>
    <message>
        <source> </source>
        <comment>214</comment>
        <translation> </translation>
    </message>
    <message>
        <source> 0         &apos;          1         &apos;          2          &apos;         3         &apos;          4          &apos;          5         &apos;          6         &apos;          7          &apos;          8</source>
        <comment>215</comment>
        <translation> 0         &apos;          1         &apos;          2          &apos;         3         &apos;          4          &apos;          5         &apos;          6         &apos;          7          &apos;          8</translation>
    </message>
    <message>
        <source> 0        10       20       30       40       50       60       70       80       90      100     110     120     130     140     150</source>
        <comment>216</comment>
        <translation> 0        10       20       30       40       50       60       70       80       90      100     110     120     130     140     150</translation>
    </message>
    <message>
        <source>3         &apos;          4         &apos;          5          &apos;         6         &apos;          7          &apos;          8         &apos;          9         &apos;          10         &apos;         11</source>
        <comment>217</comment>
        <translation>3         &apos;          4         &apos;          5          &apos;         6         &apos;          7          &apos;          8         &apos;          9         &apos;          10         &apos;         11</translation>
    </message>
    <message>
        <source> </source>
        <comment>218</comment>
        <translation> </translation>
    </message>
    <message>
        <source>(Bar)</source>
        <comment>219</comment>
        <translation>(Bar)</translation>
    </message>
    <message>
        <source>(Kph)</source>
        <comment>220</comment>
        <translation>(km/h)</translation>
    </message>
    <message>
        <source>(Each Bar represents 500 km)</source>
        <comment>221</comment>
        <translation>(Chaque barre représente 500 km)</translation>
    </message>
    <message>
        <source>(Percentage Load (100% = Fully Laden) )</source>
        <comment>222</comment>
        <translation>(Pourcentage de charge (100% = pleine charge) )</translation>
    </message>
    <message>
        <source> </source>
        <comment>223</comment>
        <translation> </translation>
    </message>
    <message>
        <source>(Bar)</source>
        <comment>224</comment>
        <translation>(Bar)</translation>
    </message>
    <message>
        <source>(Sec)</source>
        <comment>225</comment>
        <translation>(s)</translation>
    </message>
    <message>
        <source>(No.)</source>
        <comment>226</comment>
        <translation>(Nb)</translation>
    </message>
    <message>
        <source>(km)</source>
        <comment>227</comment>
        <translation>(km)</translation>
    </message>
    <message>
        <source>Save   ?</source>
        <comment>228</comment>
        <translation>Enregistrer %1 ?</translation>
    </message>
    <message>
        <source> Haulmetry</source>
        <comment>229</comment>
        <translation> Haulmetry</translation>
    </message>
    <message>
        <source>Select Data to Erase From ECU</source>
        <comment>230</comment>
        <translation>Données à effacer de l&apos;ECU</translation>
    </message>
    <message>
        <source>Extended Fleet Information</source>
        <comment>231</comment>
        <translation>Informations de flotte étendues</translation>
    </message>
    <message>
        <source>Stability Snapshot Information</source>
        <comment>232</comment>
        <translation>Informations sur l&apos;instantané de stabilité</translation>
    </message>
    <message>
        <source>Load Haulmetry Data From File</source>
        <comment>236</comment>
        <translation>Charger des données Haulmetry depuis un fichier</translation>
    </message>
    <message>
        <source>Save ECU Extended Fleet Data To File</source>
        <comment>237</comment>
        <translation>Enregistrer les données de flotte de l&apos;ECU dans un fichier</translation>
    </message>
    <message>
        <source>Write To ECU</source>
        <comment>238</comment>
        <translation>Écrire dans l&apos;ECU</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <comment>239</comment>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <source>Cancel without Updating ECU</source>
        <comment>240</comment>
        <translation>Annuler sans modifier l&apos;ECU</translation>
    </message>
    <message>
        <source>Proceed with Write Operation</source>
        <comment>241</comment>
        <translation>Lancer l&apos;écriture</translation>
    </message>
    <message>
        <source>Reload Data From ECU</source>
        <comment>242</comment>
        <translation>Recharger les données de l&apos;ECU</translation>
    </message>
    <message>
        <source>View Next Graph</source>
        <comment>243</comment>
        <translation>Graphique suivant</translation>
    </message>
    <message>
        <source>View Previous Graph</source>
        <comment>244</comment>
        <translation>Graphique précédent</translation>
    </message>
    <message>
        <source>Select Info To Clear</source>
        <comment>245</comment>
        <translation>Choisir les infos à effacer</translation>
    </message>
    <message>
        <source>Write Current Extended Fleet Values To ECU</source>
        <comment>246</comment>
        <translation>Écrire les valeurs de flotte actuelles dans l&apos;ECU</translation>
    </message>
    <message>
        <source>ECU Does Not Support Haulmetry</source>
        <comment>247</comment>
        <translation>L&apos;ECU ne prend pas en charge Haulmetry</translation>
    </message>
    <message>
        <source> [ No Data Loaded ]</source>
        <comment>248</comment>
        <translation> [ Aucune donnée chargée ]</translation>
    </message>
    <message>
        <source> [ ECU Data ]</source>
        <comment>249</comment>
        <translation> [ Données de l&apos;ECU ]</translation>
    </message>
    <message>
        <source>Information about this Graph</source>
        <comment>250</comment>
        <translation>Informations sur ce graphique</translation>
    </message>
    <message>
        <source>Preview/Print this Graph</source>
        <comment>252</comment>
        <translation>Aperçu/impression de ce graphique</translation>
    </message>
    <message>
        <source>Filename</source>
        <comment>260</comment>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Vehicle Ident Number</source>
        <comment>261</comment>
        <translation>N° d&apos;identification du véhicule</translation>
    </message>
    <message>
        <source>ECU Data Saved At:</source>
        <comment>262</comment>
        <translation>Données ECU enregistrées le :</translation>
    </message>
    <message>
        <source>The duration of each brake application is recorded against the peak demand pressure. The data shows a graph of average time for a brake application in each of the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>265</comment>
        <translation>La durée de chaque freinage est enregistrée en fonction de la pression de commande maximale. Le graphique montre la durée moyenne d&apos;un freinage dans chaque plage de pression de 0,5 Bar, de 0 à 8 Bar.</translation>
    </message>
    <message>
        <source>For each brake application, the peak demand pressure during the application is recorded. The data shows a graph of the number of brake applications for 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>266</comment>
        <translation>Pour chaque freinage, la pression de commande maximale atteinte pendant le freinage est enregistrée. Le graphique montre le nombre de freinages par plage de pression de 0,5 Bar, de 0 à 8 Bar.</translation>
    </message>
    <message>
        <source>The duration of each brake application is measured and used to update the total braking time for the peak demand pressure in the brake application. The data shows a graph of the cumulative braking time for the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>267</comment>
        <translation>La durée de chaque freinage est mesurée et ajoutée à la durée totale de freinage de sa pression de commande maximale. Le graphique montre la durée de freinage cumulée par plage de 0,5 Bar, de 0 à 8 Bar.</translation>
    </message>
    <message>
        <source>The peak demand pressure is monitored during each brake application and is then recorded against the speed measured at the start of the brake application.  The data shows a graph of average pressure for a brake application grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>268</comment>
        <translation>La pression de commande maximale est surveillée pendant chaque freinage puis enregistrée en fonction de la vitesse mesurée au début du freinage. Le graphique montre la pression moyenne d&apos;un freinage par plages de 10 km/h, de 0 à 160 km/h.</translation>
    </message>
    <message>
        <source>For each brake application, the speed at the start of the brake application is recorded. The data shows a graph of the number of brake applications grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>269</comment>
        <translation>Pour chaque freinage, la vitesse au début du freinage est enregistrée. Le graphique montre le nombre de freinages par plages de 10 km/h, de 0 à 160 km/h.</translation>
    </message>
    <message>
        <source>The data shows the total number of brake applications that occurred in groups of 500km interval, and the number of those which occurred when the trailer was powered only by the 24N supply. (Total Graph Range is 14000 km).</source>
        <comment>270</comment>
        <translation>Le graphique montre le nombre total de freinages par tranche de 500 km, et le nombre de ceux effectués alors que la remorque n&apos;était alimentée que par l&apos;alimentation 24N (feux stop). (Étendue totale du graphique : 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of ABS events that have occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>271</comment>
        <translation>Le graphique montre le nombre total d&apos;interventions ABS, regroupées par tranches de 500 km. (Étendue totale du graphique : 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of Rollover events that occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>272</comment>
        <translation>Le graphique montre le nombre total d&apos;interventions anti-renversement (RSS), regroupées par tranches de 500 km. (Étendue totale du graphique : 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the how the vehicle load has changed with distance. At the end of each Km travelled, the suspension pressure is recorded as a percentage (0% = Unladen, 100% = Fully Laden). In this way a &apos;Load Profile&apos; is built up.</source>
        <comment>273</comment>
        <translation>Le graphique montre l&apos;évolution de l&apos;état de charge du véhicule avec la distance. À la fin de chaque km parcouru, la pression de suspension est enregistrée en pourcentage (0% = à vide, 100% = pleine charge). On obtient ainsi un &apos;profil de charge&apos;.</translation>
    </message>
    <message>
        <source>The data shows the how the reservoir pressure has changed with distance. At the end of each Km travelled, the reservoir pressure in 0.5 Bar steps is recorded.</source>
        <comment>274</comment>
        <translation>Le graphique montre l&apos;évolution de la pression réservoir avec la distance. À la fin de chaque km parcouru, la pression réservoir est enregistrée par pas de 0,5 Bar.</translation>
    </message>
    <message>
        <source>The stability snapshot records the output of the stability sensor together with the system parameters and signal states at the moment the ECU detected a stability event. The ECU keeps up to 32 snapshots.</source>
        <comment>275</comment>
        <translation>L&apos;instantané de stabilité enregistre le signal du capteur de stabilité ainsi que les paramètres du système et l&apos;état des signaux au moment où l&apos;ECU a détecté un événement de stabilité. L&apos;ECU conserve jusqu&apos;à 32 instantanés.</translation>
    </message>
    <message>
        <source> Print Preview</source>
        <comment>277</comment>
        <translation> Aperçu avant impression</translation>
    </message>
    <message>
        <source>Trying To Connect...</source>
        <comment>278</comment>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Display Information</source>
        <comment>279</comment>
        <translation>Afficher les informations</translation>
    </message>
    <message>
        <source>Stability Snaphot</source>
        <comment>281</comment>
        <translation>Instantané de stabilité</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>282</comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Stability Sensor Output</source>
        <comment>283</comment>
        <translation>Signal du capteur de stabilité</translation>
    </message>
    <message>
        <source>Time Since Startup (HH:MM:SS)</source>
        <comment>284</comment>
        <translation>Temps depuis démarrage (HH:MM:SS)</translation>
    </message>
    <message>
        <source>SYSTEM PARAMETERS</source>
        <comment>285</comment>
        <translation>PARAMÈTRES SYSTÈME</translation>
    </message>
    <message>
        <source>Odometer</source>
        <comment>286</comment>
        <translation>Compteur kilométrique</translation>
    </message>
    <message>
        <source>Voltage</source>
        <comment>287</comment>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Reservoir Pressure</source>
        <comment>288</comment>
        <translation>Pression réservoir</translation>
    </message>
    <message>
        <source>Suspension Pressure</source>
        <comment>289</comment>
        <translation>Pression de suspension</translation>
    </message>
    <message>
        <source>ISO Demand Pressure</source>
        <comment>290</comment>
        <translation>Pression de commande ISO</translation>
    </message>
    <message>
        <source>Control Line Pressure</source>
        <comment>291</comment>
        <translation>Pression conduite de commande</translation>
    </message>
    <message>
        <source>Vehicle Speed</source>
        <comment>292</comment>
        <translation>Vitesse du véhicule</translation>
    </message>
    <message>
        <source>SYSTEM SETTINGS</source>
        <comment>293</comment>
        <translation>ÉTATS DU SYSTÈME</translation>
    </message>
    <message>
        <source>Red Lamp Signal</source>
        <comment>294</comment>
        <translation>Signal témoin rouge</translation>
    </message>
    <message>
        <source>Cab Lamp Signal</source>
        <comment>295</comment>
        <translation>Signal témoin cabine</translation>
    </message>
    <message>
        <source>Service Lamp Signal</source>
        <comment>296</comment>
        <translation>Signal témoin entretien</translation>
    </message>
    <message>
        <source>Stop Light Power</source>
        <comment>297</comment>
        <translation>Alimentation feux stop</translation>
    </message>
    <message>
        <source>Brake Apply</source>
        <comment>298</comment>
        <translation>Freinage actif</translation>
    </message>
    <message>
        <source>View and Print Stability Data</source>
        <comment>299</comment>
        <translation>Afficher et imprimer les données de stabilité</translation>
    </message>
    <message>
        <source>No Interim Data for this graph</source>
        <comment>303</comment>
        <translation>Pas de valeurs intermédiaires</translation>
    </message>
    <message>
        <source>Number of 500km intervals</source>
        <comment>305</comment>
        <translation>Nombre de tranches de 500 km</translation>
    </message>
    <message>
        <source>Km(s) in current interval (0..500)</source>
        <comment>307</comment>
        <translation>km dans la tranche en cours (0..500)</translation>
    </message>
    <message>
        <source>Brake Apps in current interval</source>
        <comment>308</comment>
        <translation>Freinages dans la tranche en cours</translation>
    </message>
    <message>
        <source>SLP Brake Apps in current interval</source>
        <comment>309</comment>
        <translation>Freinages SLP dans la tranche en cours</translation>
    </message>
    <message>
        <source>ABS Events in current interval</source>
        <comment>311</comment>
        <translation>Interventions ABS, tranche en cours</translation>
    </message>
    <message>
        <source>Rollover Events in current interval</source>
        <comment>313</comment>
        <translation>Interventions RSS, tranche en cours</translation>
    </message>
    <message>
        <source>Working Offline</source>
        <comment>314</comment>
        <translation>Mode hors ligne</translation>
    </message>
    <message>
        <source>!! Application Already Running !!</source>
        <comment>315</comment>
        <translation>!! L&apos;application est déjà lancée !!</translation>
    </message>
    <message>
        <source>Failed To Connect To ECU - Retry ?</source>
        <comment>316</comment>
        <translation>Échec de connexion à l&apos;ECU - Réessayer ?</translation>
    </message>
    <message>
        <source>Load from Dir - </source>
        <comment>317</comment>
        <translation>Charger depuis le dossier - </translation>
    </message>
    <message>
        <source>Save To Dir - </source>
        <comment>318</comment>
        <translation>Enregistrer dans le dossier - </translation>
    </message>
    <message>
        <source>Stability Data Only</source>
        <comment>319</comment>
        <translation>Données de stabilité uniquement</translation>
    </message>
    <message>
        <source> [ ***  File Error  *** ]</source>
        <comment>320</comment>
        <translation> [ ***  Erreur de fichier  *** ]</translation>
    </message>
    <message>
        <source> [ File: </source>
        <comment>321</comment>
        <translation> [ Fichier : </translation>
    </message>
    <message>
        <source>Not Connected</source>
        <comment>322</comment>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>323</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>No Data</source>
        <comment>324</comment>
        <translation>Aucune donnée</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>1127</comment>
        <translation>janv</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>1128</comment>
        <translation>févr</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>1129</comment>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>1130</comment>
        <translation>avr</translation>
    </message>
    <message>
        <source>May</source>
        <comment>1131</comment>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>1132</comment>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>1133</comment>
        <translation>juil</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>1134</comment>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>1135</comment>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>1136</comment>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>1137</comment>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>1138</comment>
        <translation>déc</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <comment>1200</comment>
        <translation>Connexion : %1</translation>
    </message>
    <message>
        <source>searching, a port is being tried</source>
        <comment>1201</comment>
        <translation>recherche, un port est en cours d&apos;essai</translation>
    </message>
    <message>
        <source>connected to the ECU</source>
        <comment>1202</comment>
        <translation>connecté à l&apos;ECU</translation>
    </message>
    <message>
        <source>not connected</source>
        <comment>1203</comment>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>1204</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Load data file</source>
        <comment>1210</comment>
        <translation>Charger un fichier de données</translation>
    </message>
    <message>
        <source>Save data file</source>
        <comment>1211</comment>
        <translation>Enregistrer le fichier de données</translation>
    </message>
    <message>
        <source>Erase or write ECU data</source>
        <comment>1212</comment>
        <translation>Effacer ou écrire les données de l&apos;ECU</translation>
    </message>
    <message>
        <source>Reload from ECU</source>
        <comment>1213</comment>
        <translation>Recharger depuis l&apos;ECU</translation>
    </message>
    <message>
        <source>Stability snapshots</source>
        <comment>1214</comment>
        <translation>Instantanés de stabilité</translation>
    </message>
    <message>
        <source>Graph information</source>
        <comment>1215</comment>
        <translation>Informations sur le graphique</translation>
    </message>
    <message>
        <source>Print preview</source>
        <comment>1216</comment>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>1217</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Next graph</source>
        <comment>1218</comment>
        <translation>Graphique suivant</translation>
    </message>
    <message>
        <source>Previous graph</source>
        <comment>1219</comment>
        <translation>Graphique précédent</translation>
    </message>
    <message>
        <source>Download progress</source>
        <comment>1220</comment>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>Chart</source>
        <comment>1221</comment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <comment>1222</comment>
        <translation>Graphique : %1</translation>
    </message>
    <message>
        <source>One entry per bar, with the bar&apos;s range and value</source>
        <comment>1223</comment>
        <translation>Une entrée par barre, avec la plage et la valeur de la barre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>1224</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Bar %1 of %2</source>
        <comment>1225</comment>
        <translation>Barre %1 sur %2</translation>
    </message>
    <message>
        <source>Graph title</source>
        <comment>1226</comment>
        <translation>Titre du graphique</translation>
    </message>
    <message>
        <source>Top of the vertical scale</source>
        <comment>1227</comment>
        <translation>Haut de l&apos;échelle verticale</translation>
    </message>
    <message>
        <source>Vertical unit</source>
        <comment>1228</comment>
        <translation>Unité verticale</translation>
    </message>
    <message>
        <source>Bottom of the vertical scale</source>
        <comment>1229</comment>
        <translation>Bas de l&apos;échelle verticale</translation>
    </message>
    <message>
        <source>Distance at the left end</source>
        <comment>1230</comment>
        <translation>Distance à l&apos;extrémité gauche</translation>
    </message>
    <message>
        <source>Distance at the right end</source>
        <comment>1231</comment>
        <translation>Distance à l&apos;extrémité droite</translation>
    </message>
    <message>
        <source>Horizontal unit</source>
        <comment>1232</comment>
        <translation>Unité horizontale</translation>
    </message>
    <message>
        <source>Horizontal scale</source>
        <comment>1233</comment>
        <translation>Échelle horizontale</translation>
    </message>
    <message>
        <source>ECU type</source>
        <comment>1234</comment>
        <translation>Type d&apos;ECU</translation>
    </message>
    <message>
        <source>Printed page</source>
        <comment>1235</comment>
        <translation>Page imprimée</translation>
    </message>
    <message>
        <source>The page as it will be printed: Ctrl+P prints it, Ctrl++ and Ctrl+- zoom</source>
        <comment>1236</comment>
        <translation>La page telle qu&apos;elle sera imprimée : Ctrl+P l&apos;imprime, Ctrl++ et Ctrl+- zooment</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>1237</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Frames sent and received</source>
        <comment>1238</comment>
        <translation>Trames envoyées et reçues</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1240</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>1241</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Data to erase</source>
        <comment>1242</comment>
        <translation>Données à effacer</translation>
    </message>
    <message>
        <source>Explanation</source>
        <comment>1243</comment>
        <translation>Explication</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <comment>1244</comment>
        <translation>Instantané %1</translation>
    </message>
    <message>
        <source>Stability sensor output of snapshot %1</source>
        <comment>1245</comment>
        <translation>Sortie du capteur de stabilité, instantané %1</translation>
    </message>
</context>
</TS>
