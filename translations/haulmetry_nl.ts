<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>hm::CAboutDlg</name>
    <message>
        <source>About Haulmetry</source>
        <translation>Over Haulmetry</translation>
    </message>
    <message>
        <source>Haulmetry Version %1</source>
        <translation>Haulmetry versie %1</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licentie: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Vrije software onder de GNU General Public License, versie 3 of later, zonder enige garantie.</translation>
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
        <translation>Het actieve Haulmetry-venster is bezig; %1 is niet geopend.</translation>
    </message>
    <message>
        <source>haulmetry: the running copy did not take the file: %1</source>
        <translation>haulmetry: het actieve programma heeft het bestand niet overgenomen: %1</translation>
    </message>
    <message>
        <source>Haulmetry cannot write the trace file %1: %2. The link is not traced to a file.</source>
        <translation>Haulmetry kan het logbestand %1 niet schrijven: %2. De verbinding wordt niet in een bestand gelogd.</translation>
    </message>
    <message>
        <source>Haulmetry cannot set up its single-instance lock: %1</source>
        <translation>Haulmetry kan zijn vergrendeling voor één exemplaar niet instellen: %1</translation>
    </message>
</context>
<context>
    <name>hm::CHaulDlg</name>
    <message>
        <source>Search for ECU</source>
        <translation>ECU zoeken</translation>
    </message>
    <message>
        <source>Link &amp;Trace...</source>
        <translation>Verbindings&amp;log...</translation>
    </message>
    <message>
        <source>ECU</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Bibliotheek...</translation>
    </message>
    <message>
        <source>Trailer %1, %2 km</source>
        <translation>Aanhangwagen %1, %2 km</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1: geen bevindingen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (and %3 more)</source>
        <translation>%1: %2 (en nog %3)</translation>
    </message>
    <message>
        <source>The rules give no findings for this data.</source>
        <translation>De regels geven geen bevindingen voor deze gegevens.</translation>
    </message>
    <message>
        <source>The findings rules file cannot be used (line %1: %2); the default rules apply.</source>
        <translation>Het bestand met bevindingsregels is niet bruikbaar (regel %1: %2); de standaardregels gelden.</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Bevindingen</translation>
    </message>
    <message>
        <source>%1. Press Ctrl+F or click for the findings window.</source>
        <translation>%1. Ctrl+F of een klik opent het bevindingenvenster.</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Afdrukken is niet beschikbaar: %1</translation>
    </message>
</context>
<context>
    <name>hm::CInfo</name>
    <message>
        <source>Graph</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Interim Values</source>
        <translation>Tussenwaarden</translation>
    </message>
</context>
<context>
    <name>hm::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Afdrukken...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Sluiten	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Be&amp;eld</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>&amp;Inzoomen	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>&amp;Uitzoomen	Ctrl+-</translation>
    </message>
    <message>
        <source>Fit &amp;Width	Ctrl+0</source>
        <translation>Aan &amp;breedte aanpassen	Ctrl+0</translation>
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
        <translation>De pagina kon niet worden afgedrukt op %1.</translation>
    </message>
</context>
<context>
    <name>hm::CSettingsDlg</name>
    <message>
        <source>given with --library</source>
        <translation>opgegeven met --library</translation>
    </message>
    <message>
        <source>given by the environment variable HAULMETRY_LIBRARY</source>
        <translation>opgegeven door de omgevingsvariabele HAULMETRY_LIBRARY</translation>
    </message>
    <message>
        <source>from the library settings</source>
        <translation>uit de bibliotheekinstellingen</translation>
    </message>
    <message>
        <source>the default</source>
        <translation>de standaard</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Data files</source>
        <translation>Gegevensbestanden</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Bla&amp;deren...</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>&amp;Gegevensmap:</translation>
    </message>
    <message>
        <source>Write a &amp;text file beside each saved data file</source>
        <translation>Een &amp;tekstbestand naast elk opgeslagen gegevensbestand schrijven</translation>
    </message>
    <message>
        <source>Show the &amp;summary after loading a file</source>
        <translation>Na het laden van een bestand de &amp;samenvatting tonen</translation>
    </message>
    <message>
        <source>No settings file: these settings last until the window closes.</source>
        <translation>Geen instellingenbestand: deze instellingen gelden tot het venster sluit.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Instellingenbestand: %1</translation>
    </message>
    <message>
        <source>Trailer library</source>
        <translation>Aanhangerbibliotheek</translation>
    </message>
    <message>
        <source>PostgreSQL address or SQLite file; empty: the default</source>
        <translation>PostgreSQL-adres of SQLite-bestand; leeg: de standaard</translation>
    </message>
    <message>
        <source>&amp;Library:</source>
        <translation>&amp;Bibliotheek:</translation>
    </message>
    <message>
        <source>In use: %1 (%2).</source>
        <translation>In gebruik: %1 (%2).</translation>
    </message>
    <message>
        <source>While --library or HAULMETRY_LIBRARY names a library, this setting is not used.</source>
        <translation>Zolang --library of HAULMETRY_LIBRARY een bibliotheek noemt, wordt deze instelling niet gebruikt.</translation>
    </message>
    <message>
        <source>A change of the library takes effect when Haulmetry starts next.</source>
        <translation>Een andere bibliotheek geldt vanaf de volgende start van Haulmetry.</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Werkplaats</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Blade&amp;ren...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>Tele&amp;foon:</translation>
    </message>
    <message>
        <source>Lo&amp;go:</source>
        <translation>&amp;Logo:</translation>
    </message>
    <message>
        <source>Kept in %1.</source>
        <translation>Bewaard in %1.</translation>
    </message>
    <message>
        <source>The library settings cannot be changed here.</source>
        <translation>De bibliotheekinstellingen kunnen hier niet worden gewijzigd.</translation>
    </message>
    <message>
        <source>Empty: %1.</source>
        <translation>Leeg: %1.</translation>
    </message>
    <message>
        <source>Give a full path, starting with /.</source>
        <translation>Geef een volledig pad op, beginnend met /.</translation>
    </message>
    <message>
        <source>This folder does not exist yet; OK creates it.</source>
        <translation>Deze map bestaat nog niet; OK maakt hem aan.</translation>
    </message>
    <message>
        <source>Saves, and the backups before an erase or a reload, go into the data folder. Loading a file from another folder makes that folder the data folder.</source>
        <translation>Opgeslagen bestanden, en de reservekopieën vóór een wissen of herladen, komen in de gegevensmap. Een bestand laden uit een andere map maakt die map de gegevensmap.</translation>
    </message>
    <message>
        <source>Choose the Data Folder</source>
        <translation>Gegevensmap kiezen</translation>
    </message>
    <message>
        <source>Choose the Logo</source>
        <translation>Logo kiezen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Afbeeldingen (*.png *.svg)</translation>
    </message>
    <message>
        <source>The data folder must be a full path, starting with /.</source>
        <translation>De gegevensmap moet een volledig pad zijn, beginnend met /.</translation>
    </message>
    <message>
        <source>The address holds a password, so it is changed in the library settings file itself.</source>
        <translation>Het adres bevat een wachtwoord en wordt daarom in het bibliotheekinstellingenbestand zelf gewijzigd.</translation>
    </message>
</context>
<context>
    <name>hm::DataFile</name>
    <message>
        <source>file is too short (%1 bytes, a data file has %2)</source>
        <translation>bestand is te kort (%1 bytes, een gegevensbestand heeft er %2)</translation>
    </message>
    <message>
        <source>not a Haulmetry data file (signature missing)</source>
        <translation>geen Haulmetry-gegevensbestand (handtekening ontbreekt)</translation>
    </message>
    <message>
        <source>wrong block size %1 (expected %2)</source>
        <translation>verkeerde blokgrootte %1 (verwacht: %2)</translation>
    </message>
</context>
<context>
    <name>hm::DataFileController</name>
    <message>
        <source>The data folder %1 does not exist any more. The file is saved in %2 instead.</source>
        <translation>De gegevensmap %1 bestaat niet meer. Het bestand wordt in plaats daarvan opgeslagen in %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Kon %1 niet opslaan: %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Kon %1 niet openen: %2</translation>
    </message>
    <message>
        <source>the data folder must be a full path, starting with /</source>
        <translation>de gegevensmap moet een volledig pad zijn, beginnend met /</translation>
    </message>
    <message>
        <source>the data folder %1: %2</source>
        <translation>de gegevensmap %1: %2</translation>
    </message>
    <message>
        <source>The settings were not changed: %1</source>
        <translation>De instellingen zijn niet gewijzigd: %1</translation>
    </message>
</context>
<context>
    <name>hm::DetailsForm</name>
    <message>
        <source>Details</source>
        <translation>Gegevens</translation>
    </message>
    <message>
        <source>&amp;Plate:</source>
        <translation>&amp;Kenteken:</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Kenteken</translation>
    </message>
    <message>
        <source>Fleet &amp;number:</source>
        <translation>&amp;Vlootnummer:</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Vlootnummer</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>K&amp;lant:</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>&amp;Notities:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>&amp;Save details</source>
        <translation>Gegevens op&amp;slaan</translation>
    </message>
    <message>
        <source>Save details</source>
        <translation>Gegevens opslaan</translation>
    </message>
    <message>
        <source>Stores the plate, fleet number, customer and notes of the trailer in the library</source>
        <translation>Slaat kenteken, vlootnummer, klant en notities van de aanhangwagen op in de bibliotheek</translation>
    </message>
    <message>
        <source>Details of %1</source>
        <translation>Gegevens van %1</translation>
    </message>
    <message>
        <source>No details are stored yet.</source>
        <translation>Nog geen gegevens opgeslagen.</translation>
    </message>
    <message>
        <source>Changed %1 by %2</source>
        <translation>Gewijzigd op %1 door %2</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>geen gegevens</translation>
    </message>
    <message>
        <source>Changes of the details, newest first:</source>
        <translation>Wijzigingen van de gegevens, nieuwste eerst:</translation>
    </message>
</context>
<context>
    <name>hm::DiffView</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bar %1 of %2</source>
        <translation>Staaf %1 van %2</translation>
    </message>
    <message>
        <source>&amp;Graph:</source>
        <translation>G&amp;rafiek:</translation>
    </message>
    <message>
        <source>Graph compared</source>
        <translation>Vergeleken grafiek</translation>
    </message>
    <message>
        <source>Which of the ten graphs the two downloads are compared in</source>
        <translation>In welke van de tien grafieken de twee downloads worden vergeleken</translation>
    </message>
    <message>
        <source>Difference chart</source>
        <translation>Verschilgrafiek</translation>
    </message>
    <message>
        <source>Newer visit chart</source>
        <translation>Grafiek van het nieuwere bezoek</translation>
    </message>
    <message>
        <source>Choose two downloads of a trailer to compare them.</source>
        <translation>Kies twee downloads van een aanhangwagen om ze te vergelijken.</translation>
    </message>
    <message>
        <source>Usage chart</source>
        <translation>Gebruiksgrafiek</translation>
    </message>
    <message>
        <source>Usage between %1 and %2 (in all: %3)</source>
        <translation>Gebruik tussen %1 en %2 (in totaal: %3)</translation>
    </message>
    <message>
        <source>The counters were reset between the two visits (the ECU&apos;s data was erased): the chart shows the newer values, counted since then.</source>
        <translation>De tellers zijn tussen de twee bezoeken gereset (de gegevens van de ECU zijn gewist): de grafiek toont de nieuwere waarden, sindsdien geteld.</translation>
    </message>
    <message>
        <source>Older visit chart</source>
        <translation>Grafiek van het oudere bezoek</translation>
    </message>
    <message>
        <source>Older visit: %1</source>
        <translation>Ouder bezoek: %1</translation>
    </message>
    <message>
        <source>Newer visit: %1</source>
        <translation>Nieuwer bezoek: %1</translation>
    </message>
    <message>
        <source>This graph holds averages, which cannot be subtracted: both visits are shown.</source>
        <translation>Deze grafiek bevat gemiddelden, die niet af te trekken zijn: beide bezoeken worden getoond.</translation>
    </message>
    <message>
        <source>Vertical: %1 to %2 %3. Horizontal: %4</source>
        <translation>Verticaal: %1 tot %2 %3. Horizontaal: %4</translation>
    </message>
</context>
<context>
    <name>hm::FileAccess</name>
    <message>
        <source>is %1, not a regular file; it was left as it is</source>
        <translation>is %1, geen gewoon bestand; het is ongewijzigd gelaten</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>is een map</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>is %1, geen gewoon bestand</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>een gewoon bestand</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>een FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>een tekenapparaat</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>een blokapparaat</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>een symbolische koppeling</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>geen bestand</translation>
    </message>
    <message>
        <source>cannot open: </source>
        <translation>kan niet openen: </translation>
    </message>
    <message>
        <source>cannot empty the file: </source>
        <translation>kan het bestand niet leegmaken: </translation>
    </message>
    <message>
        <source>cannot read: </source>
        <translation>kan niet lezen: </translation>
    </message>
</context>
<context>
    <name>hm::FleetModel</name>
    <message>
        <source>download</source>
        <translation>download</translation>
    </message>
    <message>
        <source>file loaded</source>
        <translation>bestand geladen</translation>
    </message>
    <message>
        <source>file saved</source>
        <translation>bestand opgeslagen</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <source>Trailer</source>
        <translation>Aanhangwagen</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Laatste bezoek</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Afstand (km)</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Stabiliteitsrecords</translation>
    </message>
    <message>
        <source>Distance since (km)</source>
        <translation>Afstand sindsdien (km)</translation>
    </message>
    <message>
        <source>Brake applications since</source>
        <translation>Remmingen sindsdien</translation>
    </message>
    <message>
        <source>New stability records</source>
        <translation>Nieuwe stabiliteitsrecords</translation>
    </message>
    <message>
        <source>%1 (erased)</source>
        <translation>%1 (gewist)</translation>
    </message>
    <message>
        <source>ABS events since</source>
        <translation>ABS-ingrepen sindsdien</translation>
    </message>
    <message>
        <source>Roll-over events since</source>
        <translation>Kantelingen sindsdien</translation>
    </message>
    <message>
        <source>Overloaded (km)</source>
        <translation>Overbeladen (km)</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Bevindingen</translation>
    </message>
    <message>
        <source>fleet number %1</source>
        <translation>vlootnummer %1</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Kenteken</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Vlootnummer</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
</context>
<context>
    <name>hm::HistoryModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Werkplaats</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Herkomst</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Afstand (km)</translation>
    </message>
    <message>
        <source>Brake applications</source>
        <translation>Remmingen</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Stabiliteitsrecords</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Bevindingen</translation>
    </message>
</context>
<context>
    <name>hm::Language</name>
    <message>
        <source>--language needs a language code, such as de or fr</source>
        <translation>--language verwacht een taalcode, zoals de of fr</translation>
    </message>
    <message>
        <source>no translation for the language &apos;%1&apos; (there are: en %2)</source>
        <translation>geen vertaling voor de taal &apos;%1&apos; (beschikbaar: en %2)</translation>
    </message>
</context>
<context>
    <name>hm::Library</name>
    <message>
        <source>; %1 wait(s) in the local queue %2 and will be sent when the server is back</source>
        <translation>; %1 download(s) wacht(en) in de lokale wachtrij %2 en word(t/en) verzonden zodra de server terug is</translation>
    </message>
    <message>
        <source>%1 download(s) that waited in the local queue were stored in %2</source>
        <translation>%1 download(s) uit de lokale wachtrij opgeslagen in %2</translation>
    </message>
    <message>
        <source>the local queue could not be sent: %1</source>
        <translation>de lokale wachtrij kon niet worden verzonden: %1</translation>
    </message>
    <message>
        <source>cannot add to %1: it is read-only</source>
        <translation>kan niet toevoegen aan %1: alleen-lezen</translation>
    </message>
    <message>
        <source>cannot reach %1</source>
        <translation>%1 is niet bereikbaar</translation>
    </message>
    <message>
        <source>cannot store in %1: %2</source>
        <translation>kan niet opslaan in %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>cannot read download %1 of %2: %3</source>
        <translation>kan download %1 van %2 niet lezen: %3</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>de server is niet bereikbaar</translation>
    </message>
    <message>
        <source>download %1 of %2 is not 2484 bytes</source>
        <translation>download %1 van %2 is niet 2484 bytes</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2): it is damaged or not a library, and is left as it is</source>
        <translation>%1 kan niet worden gelezen (%2): beschadigd of geen bibliotheek; ongewijzigd gelaten</translation>
    </message>
    <message>
        <source>%1 was written by a newer Haulmetry (library schema %2, this program knows up to %3); it is left as it is</source>
        <translation>%1 is geschreven door een nieuwere Haulmetry (bibliotheekschema %2, dit programma kent tot %3); ongewijzigd gelaten</translation>
    </message>
    <message>
        <source>%1 is an SQLite file but not a Haulmetry library; it is left as it is</source>
        <translation>%1 is een SQLite-bestand maar geen Haulmetry-bibliotheek; ongewijzigd gelaten</translation>
    </message>
    <message>
        <source>%1 is read-only and needs its schema brought forward; nothing was changed</source>
        <translation>%1 is alleen-lezen en het schema moet worden bijgewerkt; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>kan %1 niet inrichten: %2</translation>
    </message>
    <message>
        <source>the library %1</source>
        <translation>de bibliotheek %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed (Debian: libqt6sql6-sqlite)</source>
        <translation>het SQLite-stuurprogramma van Qt is niet geïnstalleerd (Debian: libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>cannot create the folder of %1: %2</source>
        <translation>kan de map van %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>the PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql)</source>
        <translation>het PostgreSQL-stuurprogramma van Qt is niet geïnstalleerd (Debian: libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 is niet bereikbaar: %2</translation>
    </message>
    <message>
        <source>no download with that number</source>
        <translation>geen download met dat nummer</translation>
    </message>
    <message>
        <source>%1 is not a library (%2)</source>
        <translation>%1 is geen bibliotheek (%2)</translation>
    </message>
    <message>
        <source>cannot back up %1: %2</source>
        <translation>kan geen back-up maken van %1: %2</translation>
    </message>
    <message>
        <source>%1 exists already; a backup never replaces a file</source>
        <translation>%1 bestaat al; een back-up vervangt nooit een bestand</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 is %2, geen gewoon bestand</translation>
    </message>
    <message>
        <source>a shared library is backed up on its server with pg_dump; or copy it into an SQLite file with: haulmetry library copy URL FILE</source>
        <translation>van een gedeelde bibliotheek maakt u een back-up op de server met pg_dump; of kopieer haar naar een SQLite-bestand met: haulmetry library copy URL FILE</translation>
    </message>
    <message>
        <source>%1 download(s) of %2 backed up into %3</source>
        <translation>%1 download(s) van %2 geback-upt naar %3</translation>
    </message>
    <message>
        <source>there is no library %1: %2</source>
        <translation>er is geen bibliotheek %1: %2</translation>
    </message>
    <message>
        <source>its image is missing</source>
        <translation>het image ontbreekt</translation>
    </message>
    <message>
        <source>its image is not 2484 bytes</source>
        <translation>het image is geen 2484 bytes</translation>
    </message>
    <message>
        <source>its image does not match its hash</source>
        <translation>het image past niet bij de hash</translation>
    </message>
    <message>
        <source>download %1 of %2 (%3, %4): %5; skipped</source>
        <translation>download %1 van %2 (%3, %4): %5; overgeslagen</translation>
    </message>
    <message>
        <source>%1 and %2 are the same library</source>
        <translation>%1 en %2 zijn dezelfde bibliotheek</translation>
    </message>
    <message>
        <source>; %1 download(s) were copied before; run the same copy again to finish it (nothing is stored twice)</source>
        <translation>; %1 download(s) waren al gekopieerd; voer dezelfde kopie opnieuw uit om haar af te maken (niets wordt dubbel opgeslagen)</translation>
    </message>
    <message>
        <source>; %1 could not be written to the local queue %2 either: %3</source>
        <translation>; %1 kon(den) ook niet in de lokale wachtrij %2 worden geschreven: %3</translation>
    </message>
    <message>
        <source>the queue item %1 was refused by the server and is set aside: %2</source>
        <translation>het wachtrij-item %1 is door de server geweigerd en apart gezet: %2</translation>
    </message>
    <message>
        <source>the queue item %1 cannot be read and is left in place</source>
        <translation>het wachtrij-item %1 is onleesbaar en blijft staan</translation>
    </message>
    <message>
        <source>download %1 of %2 does not match its hash: the stored image was changed, and is not used</source>
        <translation>download %1 van %2 klopt niet met zijn hash: het opgeslagen beeld is gewijzigd en wordt niet gebruikt</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>het is een symbolische koppeling</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>het is %1, geen gewoon bestand</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>het is van een andere gebruiker (uid %1)</translation>
    </message>
    <message>
        <source>others may write it (mode %1)</source>
        <translation>anderen mogen erin schrijven (modus %1)</translation>
    </message>
    <message>
        <source>it holds a password but others may read it (mode %1; chmod 600 makes it yours alone)</source>
        <translation>het bevat een wachtwoord, maar anderen mogen het lezen (modus %1; chmod 600 maakt het alleen van u)</translation>
    </message>
    <message>
        <source>the library settings %1 are not used: %2</source>
        <translation>de bibliotheekinstellingen %1 worden niet gebruikt: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid PostgreSQL address (postgresql://USER@HOST:PORT/DATABASE)</source>
        <translation>%1 is geen geldig PostgreSQL-adres (postgresql://USER@HOST:PORT/DATABASE)</translation>
    </message>
    <message>
        <source>a password on the command line can be read by every user of this computer; give it in ~/.pgpass or in the library settings (mode 0600) instead</source>
        <translation>een wachtwoord op de opdrachtregel kan elke gebruiker van deze computer lezen; geef het in ~/.pgpass of in de bibliotheekinstellingen (modus 0600)</translation>
    </message>
    <message>
        <source>%1 is not a library address this program knows (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE or a file name)</source>
        <translation>%1 is geen bibliotheekadres dat dit programma kent (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE of een bestandsnaam)</translation>
    </message>
    <message>
        <source>%1 is an SQLite file: roles and rights apply to a shared PostgreSQL library only</source>
        <translation>%1 is een SQLite-bestand: rollen en rechten gelden alleen voor een gedeelde PostgreSQL-bibliotheek</translation>
    </message>
    <message>
        <source>cannot set up the rights of %1: %2</source>
        <translation>kan de rechten van %1 niet instellen: %2</translation>
    </message>
    <message>
        <source>the role %1 exists and is not a workshop&apos;s; nothing was changed</source>
        <translation>de rol %1 bestaat al en is niet van een werkplaats; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>cannot add the workshop %1 to %2: %3</source>
        <translation>kan de werkplaats %1 niet aan %2 toevoegen: %3</translation>
    </message>
    <message>
        <source>%1 is not a workshop of %2; nothing was changed</source>
        <translation>%1 is geen werkplaats van %2; er is niets gewijzigd</translation>
    </message>
    <message>
        <source>cannot revoke the workshop %1: %2</source>
        <translation>kan de werkplaats %1 niet intrekken: %2</translation>
    </message>
    <message>
        <source>%1 has library schema %2, and only its owner may bring it to %3 (haulmetry library setup as the owner); nothing was changed</source>
        <translation>%1 heeft bibliotheekschema %2, en alleen de eigenaar mag het naar %3 brengen (haulmetry library setup als eigenaar); er is niets gewijzigd</translation>
    </message>
    <message>
        <source>the connection parameter %1 cannot be passed on</source>
        <translation>de verbindingsparameter %1 kan niet worden doorgegeven</translation>
    </message>
    <message>
        <source>%1 refused the connection: %2</source>
        <translation>%1 heeft de verbinding geweigerd: %2</translation>
    </message>
    <message>
        <source>cannot store the details of the trailer %1: %2</source>
        <translation>de gegevens van de aanhangwagen %1 kunnen niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 is alleen-lezen</translation>
    </message>
    <message>
        <source>%1 holds no download of it</source>
        <translation>%1 bevat geen download van deze aanhangwagen</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 weigerde: %2</translation>
    </message>
    <message>
        <source>the %1 is not UTF-8 text</source>
        <translation>%1: geen UTF-8-tekst</translation>
    </message>
    <message>
        <source>the %1 holds a control character (a line break, a tab, ...), which cannot be stored</source>
        <translation>%1: bevat een stuurteken (een regeleinde, een tab, ...), dat niet kan worden opgeslagen</translation>
    </message>
    <message>
        <source>the %1 is longer than %2 characters</source>
        <translation>%1: langer dan %2 tekens</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>vlootnummer</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>kenteken</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>klant</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notities</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>het is langer dan %1 bytes</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be a line of it</source>
        <translation>de sleutel „%1” kan er geen regel van zijn</translation>
    </message>
    <message>
        <source>the value of %1 holds a line end</source>
        <translation>de waarde van %1 bevat een regeleinde</translation>
    </message>
    <message>
        <source>Could not write the library settings %1: %2</source>
        <translation>De bibliotheekinstellingen %1 konden niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>hm::LibraryRecording</name>
    <message>
        <source>Trailer library: %1.</source>
        <translation>Aanhangwagenbibliotheek: %1.</translation>
    </message>
    <message>
        <source>The download was not added to it: save it as a data file to keep it.</source>
        <translation>De download is er niet aan toegevoegd: sla hem op als gegevensbestand om hem te bewaren.</translation>
    </message>
</context>
<context>
    <name>hm::LibraryWindow</name>
    <message>
        <source>Trailer Library</source>
        <translation>Aanhangwagenbibliotheek</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Vloot</translation>
    </message>
    <message>
        <source>One row per trailer: its latest download and what changed since the visit before. Enter or a double-click opens the download.</source>
        <translation>Eén rij per aanhangwagen: de laatste download en wat er sinds het vorige bezoek veranderde. Enter of dubbelklikken opent de download.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Every download of the trailer. Select two to compare them; Enter or a double-click opens one.</source>
        <translation>Elke download van de aanhangwagen. Selecteer er twee om ze te vergelijken; Enter of dubbelklikken opent er een.</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporteren...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>Writes every download of the trailer into a folder as data files</source>
        <translation>Schrijft elke download van de aanhangwagen als gegevensbestand naar een map</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Bibliotheek wordt gelezen...</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>De bibliotheek kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Trailers in %1: %2</source>
        <translation>Aanhangwagens in %1: %2</translation>
    </message>
    <message>
        <source>The library holds no download yet.</source>
        <translation>De bibliotheek bevat nog geen download.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>De geschiedenis kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>&amp;History of %1 (downloads: %2)</source>
        <translation>&amp;Geschiedenis van %1 (downloads: %2)</translation>
    </message>
    <message>
        <source>The trailer has one download: nothing to compare it with.</source>
        <translation>De aanhangwagen heeft één download: niets om mee te vergelijken.</translation>
    </message>
    <message>
        <source>Select two downloads to see their difference.</source>
        <translation>Selecteer twee downloads om het verschil te zien.</translation>
    </message>
    <message>
        <source>The downloads cannot be read: %1</source>
        <translation>De downloads kunnen niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>The download cannot be read: %1</source>
        <translation>De download kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>The main window is busy (a download, or a file being chosen or saved), so the download of %1 was not opened. Open it again when the main window is free.</source>
        <translation>Het hoofdvenster is bezig (een download, of een bestand wordt gekozen of opgeslagen), dus de download van %1 is niet geopend. Open hem opnieuw als het hoofdvenster vrij is.</translation>
    </message>
    <message>
        <source>The download of %1 is shown in the main window.</source>
        <translation>De download van %1 wordt in het hoofdvenster getoond.</translation>
    </message>
    <message>
        <source>Export the Downloads to a Folder</source>
        <translation>Downloads naar een map exporteren</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Bezig met exporteren...</translation>
    </message>
    <message>
        <source>Data files written to %1: %2</source>
        <translation>Gegevensbestanden geschreven naar %1: %2</translation>
    </message>
    <message>
        <source>The export to %1 stopped after %2 data files: %3</source>
        <translation>Het exporteren naar %1 stopte na %2 gegevensbestanden: %3</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>Filter wissen</translation>
    </message>
    <message>
        <source>No trailer is chosen: choose one in the list.</source>
        <translation>Geen aanhanger gekozen: kies er een in de lijst.</translation>
    </message>
    <message>
        <source>The findings rules %1 cannot be used (line %2: %3); the default rules apply.</source>
        <translation>De bevindingsregels %1 zijn niet bruikbaar (regel %2: %3); de standaardregels gelden.</translation>
    </message>
    <message>
        <source>Needs &amp;attention</source>
        <translation>Vraagt &amp;aandacht</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Vraagt aandacht</translation>
    </message>
    <message>
        <source>Shows only the trailers whose latest download has a finding of severity attention</source>
        <translation>Toont alleen de aanhangwagens waarvan de laatste download een bevinding van niveau aandacht heeft</translation>
    </message>
    <message>
        <source>Findings of the visit</source>
        <translation>Bevindingen van het bezoek</translation>
    </message>
    <message>
        <source>Findings of the visit %1:</source>
        <translation>Bevindingen van het bezoek %1:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Identification, plate, fleet number or customer</source>
        <translation>Identificatie, kenteken, vlootnummer of klant</translation>
    </message>
    <message>
        <source>Shows only the trailers whose identification, plate, fleet number or customer holds this text</source>
        <translation>Toont alleen de aanhangwagens waarvan de identificatie, het kenteken, het vlootnummer of de klant deze tekst bevat</translation>
    </message>
    <message>
        <source>The details of %1 cannot be saved: %2</source>
        <translation>De gegevens van %1 kunnen niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>Saving the details of %1...</source>
        <translation>De gegevens van %1 worden opgeslagen...</translation>
    </message>
    <message>
        <source>The details of %1 are saved.</source>
        <translation>De gegevens van %1 zijn opgeslagen.</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceModel</name>
    <message>
        <source>note</source>
        <translation>notitie</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Tijd (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richting</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Betekenis</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceView</name>
    <message>
        <source>Link Trace</source>
        <translation>Verbindingslog</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Opslaan...</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Verbindingslog opslaan</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Tekstbestanden (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The link trace was not saved: %1.</source>
        <translation>Het verbindingslog is niet opgeslagen: %1.</translation>
    </message>
</context>
<context>
    <name>hm::PageLayout</name>
    <message>
        <source>Not Set</source>
        <translation>Niet ingesteld</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Niet opgeslagen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AAN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
</context>
<context>
    <name>hm::PageRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>cannot draw the page</source>
        <translation>kan de pagina niet tekenen</translation>
    </message>
    <message>
        <source>cannot encode the image</source>
        <translation>kan de afbeelding niet coderen</translation>
    </message>
</context>
<context>
    <name>hm::PortAccessWatch</name>
    <message>
        <source>No permission to open %1.
Add your user to the &apos;%2&apos; group (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Geen toestemming om %1 te openen.
Voeg uw gebruiker toe aan de groep &apos;%2&apos; (sudo usermod -aG %2 $USER) en meld u daarna af en opnieuw aan.</translation>
    </message>
</context>
<context>
    <name>hm::PrintModule</name>
    <message>
        <source>the printing module is missing (%1)</source>
        <translation>de afdrukmodule ontbreekt (%1)</translation>
    </message>
</context>
<context>
    <name>hm::QtFileUi</name>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
    </message>
    <message>
        <source>Haulmetry Data Files (*.asc)</source>
        <translation>Haulmetry-gegevensbestanden (*.asc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>hm::ReportFacts</name>
    <message>
        <source>the logo %1 is left out: %2</source>
        <translation>het logo %1 wordt weggelaten: %2</translation>
    </message>
</context>
<context>
    <name>hm::ReportLogo</name>
    <message>
        <source>is larger than 2 MiB</source>
        <translation>is groter dan 2 MiB</translation>
    </message>
    <message>
        <source>is a PNG image larger than 8000 x 8000 pixels or damaged</source>
        <translation>is een PNG-afbeelding groter dan 8000 x 8000 pixels of beschadigd</translation>
    </message>
    <message>
        <source>is a damaged PNG image</source>
        <translation>is een beschadigde PNG-afbeelding</translation>
    </message>
    <message>
        <source>is not a PNG or SVG image</source>
        <translation>is geen PNG- of SVG-afbeelding</translation>
    </message>
    <message>
        <source>is an SVG image that refers to other files or holds a script</source>
        <translation>is een SVG-afbeelding die naar andere bestanden verwijst of een script bevat</translation>
    </message>
</context>
<context>
    <name>hm::ReportMenu</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Rapport opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-bestanden (*.pdf);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The report was not saved: %1.</source>
        <translation>Het rapport is niet opgeslagen: %1.</translation>
    </message>
    <message>
        <source>The report was not printed: %1</source>
        <translation>Het rapport is niet afgedrukt: %1</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>&amp;Rapport opslaan als PDF...</translation>
    </message>
    <message>
        <source>Print &amp;All Pages...</source>
        <translation>Alle &amp;pagina&apos;s afdrukken...</translation>
    </message>
</context>
<context>
    <name>hm::ReportPages</name>
    <message>
        <source>ECU Type</source>
        <translation>ECU-type</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Stability Records</source>
        <translation>Stabiliteitsopnamen</translation>
    </message>
    <message>
        <source>Summary Totals</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>Fleet Data Report</source>
        <translation>Rapport vlootgegevens</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Distance driven</source>
        <translation>Gereden afstand</translation>
    </message>
    <message>
        <source>Distance by reservoir pressure</source>
        <translation>Afstand naar reservoirdruk</translation>
    </message>
    <message>
        <source>Distance by load</source>
        <translation>Afstand naar belading</translation>
    </message>
    <message>
        <source>Brake applications by pressure</source>
        <translation>Remingen naar druk</translation>
    </message>
    <message>
        <source>Brake applications by speed</source>
        <translation>Remingen naar snelheid</translation>
    </message>
    <message>
        <source>Brake applications over the distance</source>
        <translation>Remingen over de afstand</translation>
    </message>
    <message>
        <source>ABS events over the distance</source>
        <translation>ABS-ingrepen over de afstand</translation>
    </message>
    <message>
        <source>Roll-over events over the distance</source>
        <translation>Kantelingen over de afstand</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klant</translation>
    </message>
    <message>
        <source>Fleet Number</source>
        <translation>Vlootnummer</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Kenteken</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Tel. %1</translation>
    </message>
    <message>
        <source>Visit Date</source>
        <translation>Datum van het bezoek</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notities</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Bevindingen</translation>
    </message>
    <message>
        <source>Findings of This Visit</source>
        <translation>Bevindingen van dit bezoek</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Geen bevindingen.</translation>
    </message>
    <message>
        <source>And %1 more findings.</source>
        <translation>En nog %1 bevindingen.</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit</source>
        <translation>Verandering sinds het vorige bezoek</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit (%1)</source>
        <translation>Verandering sinds het vorige bezoek (%1)</translation>
    </message>
    <message>
        <source>The library holds no earlier visit of this trailer.</source>
        <translation>De bibliotheek bevat geen eerder bezoek van deze aanhanger.</translation>
    </message>
    <message>
        <source>The library holds no visit of this trailer: the findings are those of this download alone.</source>
        <translation>De bibliotheek bevat geen bezoek van deze aanhanger: de bevindingen gelden alleen voor deze download.</translation>
    </message>
    <message>
        <source>Workshop Confirmation</source>
        <translation>Bevestiging van de werkplaats</translation>
    </message>
    <message>
        <source>Checked by the Technician</source>
        <translation>Gecontroleerd door de monteur</translation>
    </message>
    <message>
        <source>Technician&apos;s Name</source>
        <translation>Naam van de monteur</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Handtekening</translation>
    </message>
</context>
<context>
    <name>hm::ReportRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>Fleet Data Report %1</source>
        <translation>Rapport vlootgegevens %1</translation>
    </message>
    <message>
        <source>cannot draw the pages</source>
        <translation>kan de pagina&apos;s niet tekenen</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>kan geen nieuwe pagina beginnen</translation>
    </message>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>De printer kan niet worden geopend.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>De printer meldde een fout.</translation>
    </message>
    <message>
        <source>Brake system fleet data of the trailer %1</source>
        <translation>Vlootgegevens van het remsysteem van aanhanger %1</translation>
    </message>
    <message>
        <source>fleet data report</source>
        <translation>rapport vlootgegevens</translation>
    </message>
    <message>
        <source>the logo %1 %2; the report is made without it</source>
        <translation>het logo %1: %2; het rapport wordt zonder gemaakt</translation>
    </message>
</context>
<context>
    <name>hm::Session</name>
    <message>
        <source>line hung up</source>
        <translation>lijn verbroken</translation>
    </message>
    <message>
        <source>no valid answer in time</source>
        <translation>geen geldig antwoord op tijd</translation>
    </message>
    <message>
        <source>%1 (waiting for %2)</source>
        <translation>%1 (wachtend op %2)</translation>
    </message>
    <message>
        <source>The connection to the ECU was lost (%1): the data downloaded from this ECU was saved to
%2</source>
        <translation>De verbinding met de ECU is verbroken (%1): de van deze ECU gedownloade gegevens zijn opgeslagen in
%2</translation>
    </message>
    <message>
        <source>A download from the ECU started while the file was being chosen, so %1 was not loaded. Load it again when the download is over.</source>
        <translation>Tijdens het kiezen van het bestand is een download van de ECU begonnen, daarom is %1 niet geladen. Laad het opnieuw als de download klaar is.</translation>
    </message>
    <message>
        <source>Before the reload, the data downloaded from this ECU was saved to
%1</source>
        <translation>Voor het opnieuw laden zijn de van deze ECU gedownloade gegevens opgeslagen in
%1</translation>
    </message>
    <message>
        <source>The data was not reloaded from the ECU.</source>
        <translation>De gegevens zijn niet opnieuw uit de ECU geladen.</translation>
    </message>
    <message>
        <source> [ Closing... ]</source>
        <translation> [ Afsluiten... ]</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU could not be saved to %1: %2</source>
        <translation>De van deze ECU gedownloade gegevens konden niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>Nothing was erased.</source>
        <translation>Er is niets gewist.</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has been saved to
%1</source>
        <translation>De van deze ECU gedownloade gegevens zijn opgeslagen in
%1</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has already been saved to
%1</source>
        <translation>De van deze ECU gedownloade gegevens zijn al opgeslagen in
%1</translation>
    </message>
    <message>
        <source>Erase the extended fleet information from the ECU now?</source>
        <translation>De uitgebreide vlootinformatie nu uit de ECU wissen?</translation>
    </message>
    <message>
        <source>Erase the stability snapshots from the ECU now?</source>
        <translation>De stabiliteitsmoment-opnamen nu uit de ECU wissen?</translation>
    </message>
    <message>
        <source>%1 is not a data image: %2</source>
        <translation>%1 is geen gegevensbeeld: %2</translation>
    </message>
    <message>
        <source>%1 was not loaded: %2</source>
        <translation>%1 is niet geladen: %2</translation>
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
        <translation>het verwijst naar een bestand of adres daarbuiten (%1)</translation>
    </message>
    <message>
        <source>it holds an event handler (%1), which runs code</source>
        <translation>het bevat een gebeurtenisafhandeling (%1), die code uitvoert</translation>
    </message>
    <message>
        <source>it holds a script</source>
        <translation>het bevat een script</translation>
    </message>
    <message>
        <source>it declares entities</source>
        <translation>het declareert entiteiten</translation>
    </message>
    <message>
        <source>its document type refers to an outside file (remove the DOCTYPE line)</source>
        <translation>het documenttype verwijst naar een bestand daarbuiten (verwijder de DOCTYPE-regel)</translation>
    </message>
    <message>
        <source>it takes a style sheet from an outside file</source>
        <translation>het haalt een stijlblad uit een bestand daarbuiten</translation>
    </message>
    <message>
        <source>its style refers to an outside file or address</source>
        <translation>de stijl verwijst naar een bestand of adres daarbuiten</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>het is groter dan %1 MiB</translation>
    </message>
    <message>
        <source>it is neither a PNG nor an SVG picture</source>
        <translation>het is geen PNG- en geen SVG-afbeelding</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>er is geen bestand opgegeven</translation>
    </message>
    <message>
        <source>The logo %1 cannot be used: %2.</source>
        <translation>Het logo %1 kan niet worden gebruikt: %2.</translation>
    </message>
</context>
<context>
    <name>hm::cli</name>
    <message>
        <source>haulmetry %1: expected one data file, got %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: één gegevensbestand verwacht, kreeg %2 (zie haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: %3</source>
        <translation>haulmetry %1: %2: %3</translation>
    </message>
    <message>
        <source>haulmetry %1: missing -o %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: -o %2 ontbreekt (zie haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>--passes needs a number from 1 to 1000</source>
        <translation>--passes verwacht een getal van 1 tot 1000</translation>
    </message>
    <message>
        <source>--max-failures needs a number from 1 to 1000</source>
        <translation>--max-failures verwacht een getal van 1 tot 1000</translation>
    </message>
    <message>
        <source>--timeout needs seconds from 1 to 86400</source>
        <translation>--timeout verwacht seconden van 1 tot 86400</translation>
    </message>
    <message>
        <source>--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)</source>
        <translation>--key verwacht ROT,MUL,DIV (ROT 0..15, DIV niet 0)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>-o FILE is required</source>
        <translation>-o FILE is verplicht</translation>
    </message>
    <message>
        <source>haulmetry download: only %1 ports can be used; not used: %2</source>
        <translation>haulmetry download: slechts %1 poorten bruikbaar; niet gebruikt: %2</translation>
    </message>
    <message>
        <source>haulmetry download: the ECU gave no valid answer to %1 (%2 refusals or time-outs in a row without progress; last: %3)</source>
        <translation>haulmetry download: de ECU gaf geen geldig antwoord op %1 (%2 weigeringen of time-outs achter elkaar zonder voortgang; laatste: %3)</translation>
    </message>
    <message>
        <source>haulmetry download: no complete download within %1 s%2</source>
        <translation>haulmetry download: geen volledige download binnen %1 s%2</translation>
    </message>
    <message>
        <source> (waiting for %1)</source>
        <translation> (wacht op %1)</translation>
    </message>
    <message>
        <source>haulmetry download: %1</source>
        <translation>haulmetry download: %1</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (tried %1)</source>
        <translation>haulmetry download: geen ECU gevonden (geprobeerd: %1)</translation>
    </message>
    <message>
        <source>haulmetry download: the download did not finish</source>
        <translation>haulmetry download: de download is niet voltooid</translation>
    </message>
    <message>
        <source>haulmetry download: cannot save %1: %2</source>
        <translation>haulmetry download: kan %1 niet opslaan: %2</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (no serial port to try)</source>
        <translation>haulmetry download: geen ECU gevonden (geen seriële poort om te proberen)</translation>
    </message>
    <message>
        <source>haulmetry download: cannot write the trace file %1: %2</source>
        <translation>haulmetry download: kan het logbestand %1 niet schrijven: %2</translation>
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
        <translation>haulmetry graph: een gegevensbestand en een grafieknummer verwacht, kreeg %1 argument(en) (zie haulmetry graph --help)</translation>
    </message>
    <message>
        <source>haulmetry graph: graph number must be 0 to 10, not &apos;%1&apos;</source>
        <translation>haulmetry graph: het grafieknummer moet 0 tot 10 zijn, niet &apos;%1&apos;</translation>
    </message>
    <message>
        <source>haulmetry page: %1</source>
        <translation>haulmetry page: %1</translation>
    </message>
    <message>
        <source>--graph needs a number from 1 to 10</source>
        <translation>--graph verwacht een getal van 1 tot 10</translation>
    </message>
    <message>
        <source>--record needs a number from 1 to 32</source>
        <translation>--record verwacht een getal van 1 tot 32</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>onverwacht argument &apos;%1&apos; (zie --help)</translation>
    </message>
    <message>
        <source>usage: haulmetry page FILE (--graph N | --record N) -o OUT</source>
        <translation>gebruik: haulmetry page FILE (--graph N | --record N) -o OUT</translation>
    </message>
    <message>
        <source>OUT must end in .pdf or .png</source>
        <translation>OUT moet eindigen op .pdf of .png</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 stability records, not %3</source>
        <translation>%1 bevat %2 stabiliteitsopnamen, niet %3</translation>
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
        <translation>haulmetry table: minstens één bestand of map verwacht (zie haulmetry table --help)</translation>
    </message>
    <message>
        <source>haulmetry table: no data file could be read</source>
        <translation>haulmetry table: geen enkel gegevensbestand kon worden gelezen</translation>
    </message>
    <message>
        <source>haulmetry table: %1 folder(s) could not be listed; their files are missing from the table</source>
        <translation>haulmetry table: %1 map(pen) konden niet worden gelezen; hun bestanden ontbreken in de tabel</translation>
    </message>
    <message>
        <source>haulmetry library %1: %2</source>
        <translation>haulmetry library %1: %2</translation>
    </message>
    <message>
        <source>no download of the trailer %1 in %2</source>
        <translation>geen download van de aanhangwagen %1 in %2</translation>
    </message>
    <message>
        <source>haulmetry library: expected a subcommand (see haulmetry library --help)</source>
        <translation>haulmetry library: subopdracht verwacht (zie haulmetry library --help)</translation>
    </message>
    <message>
        <source>haulmetry library: unknown subcommand %1 (see haulmetry library --help)</source>
        <translation>haulmetry library: onbekende subopdracht %1 (zie haulmetry library --help)</translation>
    </message>
    <message>
        <source>expected at least one file or folder</source>
        <translation>ten minste één bestand of map verwacht</translation>
    </message>
    <message>
        <source>no data file could be read</source>
        <translation>geen enkel gegevensbestand kon worden gelezen</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 skipped</source>
        <translation>%1 toegevoegd, %2 al in de bibliotheek, %3 wachtend in de lokale wachtrij, %4 overgeslagen</translation>
    </message>
    <message>
        <source>missing -o FOLDER (see haulmetry library export --help)</source>
        <translation>-o MAP ontbreekt (zie haulmetry library export --help)</translation>
    </message>
    <message>
        <source>expected one trailer identification (see haulmetry library %1 --help)</source>
        <translation>één identificatie van een aanhangwagen verwacht (zie haulmetry library %1 --help)</translation>
    </message>
    <message>
        <source>averages, older and newer side by side</source>
        <translation>gemiddelden, oudere en nieuwere naast elkaar</translation>
    </message>
    <message>
        <source>usage; counters were reset between the downloads, counted since</source>
        <translation>gebruik; de tellers zijn tussen de downloads teruggezet, geteld sindsdien</translation>
    </message>
    <message>
        <source>usage between the downloads</source>
        <translation>gebruik tussen de downloads</translation>
    </message>
    <message>
        <source>graph %1: %2 (%3)</source>
        <translation>grafiek %1: %2 (%3)</translation>
    </message>
    <message>
        <source>, with SLP %1 (%2 -&gt; %3)</source>
        <translation>, met SLP %1 (%2 -&gt; %3)</translation>
    </message>
    <message>
        <source>--%1 expects a date YYYY-MM-DD[THH:MM[:SS]]</source>
        <translation>--%1 verwacht een datum JJJJ-MM-DD[Tuu:mm[:ss]]</translation>
    </message>
    <message>
        <source>fewer than two downloads of that trailer to compare</source>
        <translation>minder dan twee downloads van die aanhangwagen om te vergelijken</translation>
    </message>
    <message>
        <source>trailer %1</source>
        <translation>aanhangwagen %1</translation>
    </message>
    <message>
        <source>older: %1 %2</source>
        <translation>ouder: %1 %2</translation>
    </message>
    <message>
        <source>newer: %1 %2</source>
        <translation>nieuwer: %1 %2</translation>
    </message>
    <message>
        <source>%1 already in the library as the same visit</source>
        <translation>%1 al in de bibliotheek als hetzelfde bezoek</translation>
    </message>
    <message>
        <source>%1 copied, %2 already there, %3 skipped</source>
        <translation>%1 gekopieerd, %2 al aanwezig, %3 overgeslagen</translation>
    </message>
    <message>
        <source>expected two libraries, FROM and TO (see haulmetry library copy --help)</source>
        <translation>twee bibliotheken verwacht, FROM en TO (zie haulmetry library copy --help)</translation>
    </message>
    <message>
        <source>Copies every download of the library FROM into the library TO (each an SQLite file or a postgresql:// URL), keeping each download&apos;s identification, times, computer, workshop, source and path. TO is created or brought forward as an import would. Each batch is one transaction and data already in TO is not stored twice, so a copy that was cut off is finished by running it again. An image that does not match its hash is named and skipped.</source>
        <translation>Kopieert elke download van de bibliotheek FROM naar de bibliotheek TO (elk een SQLite-bestand of een postgresql://-URL) en behoudt van elke download de identificatie, tijden, computer, werkplaats, bron en pad. TO wordt aangemaakt of bijgewerkt zoals bij een import. Elke partij is één transactie en gegevens die TO al heeft worden niet dubbel opgeslagen, dus een afgebroken kopie wordt afgemaakt door haar opnieuw uit te voeren. Een image dat niet bij de hash past wordt genoemd en overgeslagen.</translation>
    </message>
    <message>
        <source>The library to read.</source>
        <translation>De te lezen bibliotheek.</translation>
    </message>
    <message>
        <source>The library to add to.</source>
        <translation>De bibliotheek waaraan wordt toegevoegd.</translation>
    </message>
    <message>
        <source>Writes a copy of the SQLite library into the new file FILE with SQLite&apos;s online backup: safe while the window and other commands use the library. The copy is checked before it gets its name; an existing FILE is never replaced. A shared library is backed up on its server with pg_dump, or copied into an SQLite file with library copy.</source>
        <translation>Schrijft een kopie van de SQLite-bibliotheek naar het nieuwe bestand FILE met de online back-up van SQLite: veilig terwijl het venster en andere opdrachten de bibliotheek gebruiken. De kopie wordt gecontroleerd voordat zij haar naam krijgt; een bestaand FILE wordt nooit vervangen. Van een gedeelde bibliotheek maakt u een back-up op de server met pg_dump, of u kopieert haar naar een SQLite-bestand met library copy.</translation>
    </message>
    <message>
        <source>The new file.</source>
        <translation>Het nieuwe bestand.</translation>
    </message>
    <message>
        <source>expected one FILE (see haulmetry library backup --help)</source>
        <translation>één FILE verwacht (zie haulmetry library backup --help)</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Geen bevindingen.</translation>
    </message>
    <message>
        <source>haulmetry %1: unknown format &quot;%2&quot; (text or json)</source>
        <translation>haulmetry %1: onbekend formaat &quot;%2&quot; (text of json)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: warning: %3</source>
        <translation>haulmetry %1: %2: waarschuwing: %3</translation>
    </message>
    <message>
        <source>since the older download: %1, of them %2 in the current interval</source>
        <translation>sinds de oudere download: %1, waarvan %2 in het lopende interval</translation>
    </message>
    <message>
        <source>; %1 intervals driven in between are no longer held (missing)</source>
        <translation>; %1 tussendoor gereden intervallen zijn niet meer bewaard (ontbreken)</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 not stored, %5 skipped</source>
        <translation>%1 toegevoegd, %2 al in de bibliotheek, %3 wachtend in de lokale wachtrij, %4 niet opgeslagen, %5 overgeslagen</translation>
    </message>
    <message>
        <source>expected one WORKSHOP</source>
        <translation>één WERKPLAATS verwacht</translation>
    </message>
    <message>
        <source>%1 cannot be a workshop&apos;s role: use lower-case letters, digits and _, starting with a letter (at most 63, not pg_...)</source>
        <translation>%1 kan geen werkplaatsrol zijn: gebruik kleine letters, cijfers en _, beginnend met een letter (hoogstens 63, niet pg_...)</translation>
    </message>
    <message>
        <source>%1 is set up for workshops (group role %2); add one with haulmetry library grant WORKSHOP
</source>
        <translation>%1 is ingericht voor werkplaatsen (groepsrol %2); voeg er een toe met haulmetry library grant WORKSHOP
</translation>
    </message>
    <message>
        <source>The workshop %1 may add to and read %2.
</source>
        <translation>De werkplaats %1 mag %2 lezen en aanvullen.
</translation>
    </message>
    <message>
        <source>Its password (shown only now; for the workshop&apos;s ~/.pgpass): %1
</source>
        <translation>Het wachtwoord (alleen nu getoond; voor ~/.pgpass van de werkplaats): %1
</translation>
    </message>
    <message>
        <source>The workshop %1 may no longer use %2.
</source>
        <translation>De werkplaats %1 mag %2 niet meer gebruiken.
</translation>
    </message>
    <message>
        <source>no findings</source>
        <translation>geen bevindingen</translation>
    </message>
    <message>
        <source>Fleet of %1 trailer(s): median and 90th percentile per figure</source>
        <translation>Vloot van %1 aanhangwagen(s): mediaan en 90e percentiel per kengetal</translation>
    </message>
    <message>
        <source>expected at most one trailer identification</source>
        <translation>hoogstens één identificatie van een aanhangwagen verwacht</translation>
    </message>
    <message>
        <source>unknown format %1 (text or json)</source>
        <translation>onbekend formaat %1 (text of json)</translation>
    </message>
    <message>
        <source>unknown format %1 (text, csv, json or xlsx)</source>
        <translation>onbekende indeling %1 (text, csv, json of xlsx)</translation>
    </message>
    <message>
        <source>haulmetry %1: --format must be csv, json or xlsx, not &apos;%2&apos;</source>
        <translation>haulmetry %1: --format moet csv, json of xlsx zijn, niet &apos;%2&apos;</translation>
    </message>
    <message>
        <source>haulmetry %1: a spreadsheet is not written to a terminal; give -o FILE</source>
        <translation>haulmetry %1: een spreadsheet wordt niet naar een terminal geschreven; geef -o BESTAND op</translation>
    </message>
    <message>
        <source>haulmetry %1: the spreadsheet could not be made: %2</source>
        <translation>haulmetry %1: de spreadsheet kon niet worden gemaakt: %2</translation>
    </message>
    <message>
        <source>trailer %1:</source>
        <translation>aanhangwagen %1:</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>kenteken</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>vlootnummer</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>klant</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notities</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>geen gegevens</translation>
    </message>
    <message>
        <source>%1 is the plate or fleet number of %2 trailers (%3); give the identification</source>
        <translation>%1 is het kenteken of vlootnummer van %2 aanhangwagens (%3); geef de identificatie op</translation>
    </message>
    <message>
        <source>%1 change(s) of trailers&apos; details copied</source>
        <translation>%1 wijziging(en) van gegevens van aanhangwagens gekopieerd</translation>
    </message>
    <message>
        <source>nothing to set: give --plate, --fleet-number, --customer or --notes (see haulmetry library set --help)</source>
        <translation>niets in te stellen: geef --plate, --fleet-number, --customer of --notes (zie haulmetry library set --help)</translation>
    </message>
    <message>
        <source>changes of the details:</source>
        <translation>wijzigingen van de gegevens:</translation>
    </message>
</context>
<context>
    <name>hm::figures::Findings</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 since the last visit: %2</source>
        <translation>%1 sinds het laatste bezoek: %2</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km</source>
        <translation>%1 km overbeladen gereden</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km since the last visit</source>
        <translation>%1 km overbeladen gereden sinds het laatste bezoek</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar</source>
        <translation>%1 km gereden met een reservoirdruk onder 6.5 bar</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar since the last visit</source>
        <translation>%1 km gereden met een reservoirdruk onder 6.5 bar sinds het laatste bezoek</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone in the last %2 km: %1</source>
        <translation>Remingen op alleen de remlichtvoeding in de laatste %2 km: %1</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone since the last visit: %1</source>
        <translation>Remingen op alleen de remlichtvoeding sinds het laatste bezoek: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Kantelgebeurtenissen: %1</translation>
    </message>
    <message>
        <source>Roll-over events since the last visit: %1</source>
        <translation>Kantelgebeurtenissen sinds het laatste bezoek: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>ABS-gebeurtenissen: %1</translation>
    </message>
    <message>
        <source>ABS events since the last visit: %1</source>
        <translation>ABS-gebeurtenissen sinds het laatste bezoek: %1</translation>
    </message>
    <message>
        <source>Stability records: %1</source>
        <translation>Stabiliteitsregistraties: %1</translation>
    </message>
    <message>
        <source>New stability records since the last visit: %1</source>
        <translation>Nieuwe stabiliteitsregistraties sinds het laatste bezoek: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above: %1</source>
        <translation>Remingen bij 6 bar en meer: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above since the last visit: %1</source>
        <translation>Remingen bij 6 bar en meer sinds het laatste bezoek: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts since the last visit start at the erase</source>
        <translation>De gegevens van de ECU zijn tussen de bezoeken gewist: de tellingen sinds het laatste bezoek beginnen bij het wissen</translation>
    </message>
    <message>
        <source> (%1 per 1000 km)</source>
        <translation> (%1 per 1000 km)</translation>
    </message>
    <message>
        <source> (%1 of the distance)</source>
        <translation> (%1 van de afstand)</translation>
    </message>
    <message>
        <source> (%1 of the brake applications)</source>
        <translation> (%1 van de remingen)</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 van %2)</translation>
    </message>
    <message>
        <source>, above the fleet&apos;s 90th percentile of %1</source>
        <translation>, boven het 90e percentiel van de vloot van %1</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Let op</translation>
    </message>
</context>
<context>
    <name>hm::figures::RulesFile</name>
    <message>
        <source>the rule ends before its figure</source>
        <translation>de regel eindigt voor het kengetal</translation>
    </message>
    <message>
        <source>unknown figure %1</source>
        <translation>onbekend kengetal %1</translation>
    </message>
    <message>
        <source>%1 sums the last 14000 km and has no change since the last visit</source>
        <translation>%1 telt de laatste 14000 km op en heeft geen verandering sinds het laatste bezoek</translation>
    </message>
    <message>
        <source>the rule ends before its comparison (&gt;, &gt;=, &lt; or &lt;=)</source>
        <translation>de regel eindigt voor de vergelijking (&gt;, &gt;=, &lt; of &lt;=)</translation>
    </message>
    <message>
        <source>a comparison (&gt;, &gt;=, &lt; or &lt;=) was expected, not %1</source>
        <translation>een vergelijking (&gt;, &gt;=, &lt; of &lt;=) werd verwacht, niet %1</translation>
    </message>
    <message>
        <source>the rule ends before its number</source>
        <translation>de regel eindigt voor het getal</translation>
    </message>
    <message>
        <source>bad number %1 (write a decimal point, such as 2.5)</source>
        <translation>ongeldig getal %1 (schrijf een decimale punt, zoals 2.5)</translation>
    </message>
    <message>
        <source>%1 belongs after the number of a share only</source>
        <translation>%1 hoort alleen achter het getal van een aandeel</translation>
    </message>
    <message>
        <source>the rule ends before its message</source>
        <translation>de regel eindigt voor de melding</translation>
    </message>
    <message>
        <source>unknown message %1</source>
        <translation>onbekende melding %1</translation>
    </message>
    <message>
        <source>%1 after the end of the rule</source>
        <translation>%1 na het einde van de regel</translation>
    </message>
    <message>
        <source>unknown severity %1 (info or attention)</source>
        <translation>onbekend niveau %1 (info of attention)</translation>
    </message>
    <message>
        <source>this rule holds for every download</source>
        <translation>deze regel geldt voor elke download</translation>
    </message>
    <message>
        <source>this rule never holds</source>
        <translation>deze regel geldt nooit</translation>
    </message>
    <message>
        <source>too large for a rules file (over 1 MiB)</source>
        <translation>te groot voor een regelbestand (meer dan 1 MiB)</translation>
    </message>
    <message>
        <source>not a text file (it holds zero bytes)</source>
        <translation>geen tekstbestand (het bevat nulbytes)</translation>
    </message>
</context>
<context>
    <name>hm::library::LibraryReport</name>
    <message>
        <source>Driven: %1 km</source>
        <translation>Gereden: %1 km</translation>
    </message>
    <message>
        <source>Brake applications: %1</source>
        <translation>Remingen: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>ABS-ingrepen: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Kantelingen: %1</translation>
    </message>
    <message>
        <source>Driven overloaded: %1 km</source>
        <translation>Overbeladen gereden: %1 km</translation>
    </message>
    <message>
        <source>Driven at low reservoir pressure: %1 km</source>
        <translation>Gereden met lage reservoirdruk: %1 km</translation>
    </message>
    <message>
        <source>New stability records: %1</source>
        <translation>Nieuwe stabiliteitsopnamen: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts start at the erase.</source>
        <translation>De gegevens van de ECU zijn tussen de bezoeken gewist: de tellingen beginnen bij het wissen.</translation>
    </message>
</context>
<context>
    <name>hm::str</name>
    <message>
        <source>&amp;About Haulmetry...</source>
        <comment>101</comment>
        <translation>&amp;Over Haulmetry...</translation>
    </message>
    <message>
        <source> </source>
        <comment>202</comment>
        <translation> </translation>
    </message>
    <message>
        <source>1.  Average Braking Time v Peak Demand Pressure</source>
        <comment>203</comment>
        <translation>1.  Gem. remduur / max. stuurdruk</translation>
    </message>
    <message>
        <source>2.  Number of Brake Applications v Peak Demand Pressure</source>
        <comment>204</comment>
        <translation>2.  Aantal remmingen / max. stuurdruk</translation>
    </message>
    <message>
        <source>3.  Total Braking Time v Peak Demand Pressure</source>
        <comment>205</comment>
        <translation>3.  Totale remduur / max. stuurdruk</translation>
    </message>
    <message>
        <source>4.  Average Pressure v Braking Start Speed</source>
        <comment>206</comment>
        <translation>4.  Gemiddelde druk / beginsnelheid van remming</translation>
    </message>
    <message>
        <source>5.  Number of of Brake Applications v Braking Start Speed</source>
        <comment>207</comment>
        <translation>5.  Aantal remmingen / beginsnelheid van remming</translation>
    </message>
    <message>
        <source>6.  Brake Applications v Distance</source>
        <comment>208</comment>
        <translation>6.  Remmingen / afstand</translation>
    </message>
    <message>
        <source>7.  ABS Events v Distance</source>
        <comment>209</comment>
        <translation>7.  ABS-ingrepen / afstand</translation>
    </message>
    <message>
        <source>8.  Rollover Events v Distance</source>
        <comment>210</comment>
        <translation>8.  RSS-ingrepen / afstand</translation>
    </message>
    <message>
        <source>9.  Distance v Percentage Load</source>
        <comment>211</comment>
        <translation>9.  Afstand / beladingspercentage</translation>
    </message>
    <message>
        <source>10. Distance v Reservoir Pressure</source>
        <comment>212</comment>
        <translation>10. Afstand / voorraaddruk</translation>
    </message>
    <message>
        <source>Stability Snapshot</source>
        <comment>213</comment>
        <translation>Stabiliteitsopname</translation>
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
        <translation>(Elke staaf staat voor 500 km)</translation>
    </message>
    <message>
        <source>(Percentage Load (100% = Fully Laden) )</source>
        <comment>222</comment>
        <translation>(Beladingspercentage (100% = volledig beladen) )</translation>
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
        <translation>(Aantal)</translation>
    </message>
    <message>
        <source>(km)</source>
        <comment>227</comment>
        <translation>(km)</translation>
    </message>
    <message>
        <source>Save   ?</source>
        <comment>228</comment>
        <translation>%1 opslaan?</translation>
    </message>
    <message>
        <source> Haulmetry</source>
        <comment>229</comment>
        <translation> Haulmetry</translation>
    </message>
    <message>
        <source>Select Data to Erase From ECU</source>
        <comment>230</comment>
        <translation>Te wissen ECU-gegevens</translation>
    </message>
    <message>
        <source>Extended Fleet Information</source>
        <comment>231</comment>
        <translation>Uitgebreide vlootinformatie</translation>
    </message>
    <message>
        <source>Stability Snapshot Information</source>
        <comment>232</comment>
        <translation>Informatie over de stabiliteitsopname</translation>
    </message>
    <message>
        <source>Load Haulmetry Data From File</source>
        <comment>236</comment>
        <translation>Haulmetry-gegevens uit bestand laden</translation>
    </message>
    <message>
        <source>Save ECU Extended Fleet Data To File</source>
        <comment>237</comment>
        <translation>Uitgebreide vlootgegevens van de ECU opslaan in bestand</translation>
    </message>
    <message>
        <source>Write To ECU</source>
        <comment>238</comment>
        <translation>Naar ECU schrijven</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <comment>239</comment>
        <translation>Het programma sluiten</translation>
    </message>
    <message>
        <source>Cancel without Updating ECU</source>
        <comment>240</comment>
        <translation>Annuleren zonder de ECU te wijzigen</translation>
    </message>
    <message>
        <source>Proceed with Write Operation</source>
        <comment>241</comment>
        <translation>Schrijfbewerking uitvoeren</translation>
    </message>
    <message>
        <source>Reload Data From ECU</source>
        <comment>242</comment>
        <translation>Gegevens opnieuw uit de ECU laden</translation>
    </message>
    <message>
        <source>View Next Graph</source>
        <comment>243</comment>
        <translation>Volgende grafiek</translation>
    </message>
    <message>
        <source>View Previous Graph</source>
        <comment>244</comment>
        <translation>Vorige grafiek</translation>
    </message>
    <message>
        <source>Select Info To Clear</source>
        <comment>245</comment>
        <translation>Te wissen info kiezen</translation>
    </message>
    <message>
        <source>Write Current Extended Fleet Values To ECU</source>
        <comment>246</comment>
        <translation>Huidige uitgebreide vlootwaarden naar ECU schrijven</translation>
    </message>
    <message>
        <source>ECU Does Not Support Haulmetry</source>
        <comment>247</comment>
        <translation>ECU ondersteunt Haulmetry niet</translation>
    </message>
    <message>
        <source> [ No Data Loaded ]</source>
        <comment>248</comment>
        <translation> [ Geen gegevens geladen ]</translation>
    </message>
    <message>
        <source> [ ECU Data ]</source>
        <comment>249</comment>
        <translation> [ ECU-gegevens ]</translation>
    </message>
    <message>
        <source>Information about this Graph</source>
        <comment>250</comment>
        <translation>Informatie over deze grafiek</translation>
    </message>
    <message>
        <source>Preview/Print this Graph</source>
        <comment>252</comment>
        <translation>Voorbeeld/afdruk van deze grafiek</translation>
    </message>
    <message>
        <source>Filename</source>
        <comment>260</comment>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Vehicle Ident Number</source>
        <comment>261</comment>
        <translation>Voertuigidentificatienummer</translation>
    </message>
    <message>
        <source>ECU Data Saved At:</source>
        <comment>262</comment>
        <translation>ECU-gegevens opgeslagen op:</translation>
    </message>
    <message>
        <source>The duration of each brake application is recorded against the peak demand pressure. The data shows a graph of average time for a brake application in each of the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>265</comment>
        <translation>De duur van elke remming wordt vastgelegd tegen de maximale stuurdruk. De grafiek toont de gemiddelde duur van een remming in elk drukinterval van 0,5 Bar, van 0 tot 8 Bar.</translation>
    </message>
    <message>
        <source>For each brake application, the peak demand pressure during the application is recorded. The data shows a graph of the number of brake applications for 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>266</comment>
        <translation>Bij elke remming wordt de maximale stuurdruk tijdens de remming vastgelegd. De grafiek toont het aantal remmingen per drukinterval van 0,5 Bar, van 0 tot 8 Bar.</translation>
    </message>
    <message>
        <source>The duration of each brake application is measured and used to update the total braking time for the peak demand pressure in the brake application. The data shows a graph of the cumulative braking time for the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>267</comment>
        <translation>De duur van elke remming wordt gemeten en opgeteld bij de totale remduur voor de maximale stuurdruk van die remming. De grafiek toont de opgetelde remduur per interval van 0,5 Bar, van 0 tot 8 Bar.</translation>
    </message>
    <message>
        <source>The peak demand pressure is monitored during each brake application and is then recorded against the speed measured at the start of the brake application.  The data shows a graph of average pressure for a brake application grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>268</comment>
        <translation>De maximale stuurdruk wordt tijdens elke remming bewaakt en vastgelegd tegen de snelheid bij het begin van de remming. De grafiek toont de gemiddelde druk van een remming in intervallen van 10 km/h, van 0 tot 160 km/h.</translation>
    </message>
    <message>
        <source>For each brake application, the speed at the start of the brake application is recorded. The data shows a graph of the number of brake applications grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>269</comment>
        <translation>Bij elke remming wordt de snelheid bij het begin van de remming vastgelegd. De grafiek toont het aantal remmingen in intervallen van 10 km/h, van 0 tot 160 km/h.</translation>
    </message>
    <message>
        <source>The data shows the total number of brake applications that occurred in groups of 500km interval, and the number of those which occurred when the trailer was powered only by the 24N supply. (Total Graph Range is 14000 km).</source>
        <comment>270</comment>
        <translation>De grafiek toont het totale aantal remmingen per interval van 500 km, en het aantal daarvan waarbij de aanhangwagen alleen via de 24N-voeding (remlicht) werd gevoed. (Totaal bereik van de grafiek: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of ABS events that have occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>271</comment>
        <translation>De grafiek toont het totale aantal ABS-ingrepen, gegroepeerd in intervallen van 500 km. (Totaal bereik van de grafiek: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of Rollover events that occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>272</comment>
        <translation>De grafiek toont het totale aantal RSS-ingrepen (kantelbeveiliging), gegroepeerd in intervallen van 500 km. (Totaal bereik van de grafiek: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the how the vehicle load has changed with distance. At the end of each Km travelled, the suspension pressure is recorded as a percentage (0% = Unladen, 100% = Fully Laden). In this way a &apos;Load Profile&apos; is built up.</source>
        <comment>273</comment>
        <translation>De grafiek toont hoe de belading van het voertuig met de afstand veranderde. Aan het eind van elke gereden km wordt de balgdruk vastgelegd als percentage (0% = leeg, 100% = volledig beladen). Zo ontstaat een &apos;beladingsprofiel&apos;.</translation>
    </message>
    <message>
        <source>The data shows the how the reservoir pressure has changed with distance. At the end of each Km travelled, the reservoir pressure in 0.5 Bar steps is recorded.</source>
        <comment>274</comment>
        <translation>De grafiek toont hoe de voorraaddruk met de afstand veranderde. Aan het eind van elke gereden km wordt de voorraaddruk in stappen van 0,5 Bar vastgelegd.</translation>
    </message>
    <message>
        <source>The stability snapshot records the output of the stability sensor together with the system parameters and signal states at the moment the ECU detected a stability event. The ECU keeps up to 32 snapshots.</source>
        <comment>275</comment>
        <translation>De stabiliteitsopname legt het signaal van de stabiliteitssensor vast, samen met de systeemparameters en signaaltoestanden op het moment dat de ECU een stabiliteitsgebeurtenis detecteerde. De ECU bewaart tot 32 opnamen.</translation>
    </message>
    <message>
        <source> Print Preview</source>
        <comment>277</comment>
        <translation> Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Trying To Connect...</source>
        <comment>278</comment>
        <translation>Verbinding maken...</translation>
    </message>
    <message>
        <source>Display Information</source>
        <comment>279</comment>
        <translation>Informatie weergeven</translation>
    </message>
    <message>
        <source>Stability Snaphot</source>
        <comment>281</comment>
        <translation>Stabiliteitsopname</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>282</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Stability Sensor Output</source>
        <comment>283</comment>
        <translation>Signaal stabiliteitssensor</translation>
    </message>
    <message>
        <source>Time Since Startup (HH:MM:SS)</source>
        <comment>284</comment>
        <translation>Tijd sinds start (HH:MM:SS)</translation>
    </message>
    <message>
        <source>SYSTEM PARAMETERS</source>
        <comment>285</comment>
        <translation>SYSTEEMPARAMETERS</translation>
    </message>
    <message>
        <source>Odometer</source>
        <comment>286</comment>
        <translation>Kilometerstand</translation>
    </message>
    <message>
        <source>Voltage</source>
        <comment>287</comment>
        <translation>Spanning</translation>
    </message>
    <message>
        <source>Reservoir Pressure</source>
        <comment>288</comment>
        <translation>Voorraaddruk</translation>
    </message>
    <message>
        <source>Suspension Pressure</source>
        <comment>289</comment>
        <translation>Balgdruk</translation>
    </message>
    <message>
        <source>ISO Demand Pressure</source>
        <comment>290</comment>
        <translation>ISO-stuurdruk</translation>
    </message>
    <message>
        <source>Control Line Pressure</source>
        <comment>291</comment>
        <translation>Druk stuurleiding</translation>
    </message>
    <message>
        <source>Vehicle Speed</source>
        <comment>292</comment>
        <translation>Voertuigsnelheid</translation>
    </message>
    <message>
        <source>SYSTEM SETTINGS</source>
        <comment>293</comment>
        <translation>SYSTEEMTOESTANDEN</translation>
    </message>
    <message>
        <source>Red Lamp Signal</source>
        <comment>294</comment>
        <translation>Rode waarschuwingslamp</translation>
    </message>
    <message>
        <source>Cab Lamp Signal</source>
        <comment>295</comment>
        <translation>Cabinelamp</translation>
    </message>
    <message>
        <source>Service Lamp Signal</source>
        <comment>296</comment>
        <translation>Servicelamp</translation>
    </message>
    <message>
        <source>Stop Light Power</source>
        <comment>297</comment>
        <translation>Remlichtvoeding</translation>
    </message>
    <message>
        <source>Brake Apply</source>
        <comment>298</comment>
        <translation>Rem bediend</translation>
    </message>
    <message>
        <source>View and Print Stability Data</source>
        <comment>299</comment>
        <translation>Stabiliteitsgegevens bekijken en afdrukken</translation>
    </message>
    <message>
        <source>No Interim Data for this graph</source>
        <comment>303</comment>
        <translation>Geen tussenwaarden voor deze grafiek</translation>
    </message>
    <message>
        <source>Number of 500km intervals</source>
        <comment>305</comment>
        <translation>Aantal intervallen van 500 km</translation>
    </message>
    <message>
        <source>Km(s) in current interval (0..500)</source>
        <comment>307</comment>
        <translation>km in huidig interval (0..500)</translation>
    </message>
    <message>
        <source>Brake Apps in current interval</source>
        <comment>308</comment>
        <translation>Remmingen in huidig interval</translation>
    </message>
    <message>
        <source>SLP Brake Apps in current interval</source>
        <comment>309</comment>
        <translation>SLP-remmingen in huidig interval</translation>
    </message>
    <message>
        <source>ABS Events in current interval</source>
        <comment>311</comment>
        <translation>ABS-ingrepen in huidig interval</translation>
    </message>
    <message>
        <source>Rollover Events in current interval</source>
        <comment>313</comment>
        <translation>RSS-ingrepen in huidig interval</translation>
    </message>
    <message>
        <source>Working Offline</source>
        <comment>314</comment>
        <translation>Offline werken</translation>
    </message>
    <message>
        <source>!! Application Already Running !!</source>
        <comment>315</comment>
        <translation>!! Programma is al gestart !!</translation>
    </message>
    <message>
        <source>Failed To Connect To ECU - Retry ?</source>
        <comment>316</comment>
        <translation>Verbinding met ECU mislukt - Opnieuw ?</translation>
    </message>
    <message>
        <source>Load from Dir - </source>
        <comment>317</comment>
        <translation>Laden uit map - </translation>
    </message>
    <message>
        <source>Save To Dir - </source>
        <comment>318</comment>
        <translation>Opslaan in map - </translation>
    </message>
    <message>
        <source>Stability Data Only</source>
        <comment>319</comment>
        <translation>Alleen stabiliteitsgegevens</translation>
    </message>
    <message>
        <source> [ ***  File Error  *** ]</source>
        <comment>320</comment>
        <translation> [ ***  Bestandsfout  *** ]</translation>
    </message>
    <message>
        <source> [ File: </source>
        <comment>321</comment>
        <translation> [ Bestand: </translation>
    </message>
    <message>
        <source>Not Connected</source>
        <comment>322</comment>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>323</comment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>No Data</source>
        <comment>324</comment>
        <translation>Geen gegevens</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>1127</comment>
        <translation>jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>1128</comment>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>1129</comment>
        <translation>mrt</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>1130</comment>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <comment>1131</comment>
        <translation>mei</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>1132</comment>
        <translation>jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>1133</comment>
        <translation>jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>1134</comment>
        <translation>aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>1135</comment>
        <translation>sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>1136</comment>
        <translation>okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>1137</comment>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>1138</comment>
        <translation>dec</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <comment>1200</comment>
        <translation>Verbinding: %1</translation>
    </message>
    <message>
        <source>searching, a port is being tried</source>
        <comment>1201</comment>
        <translation>zoeken, een poort wordt geprobeerd</translation>
    </message>
    <message>
        <source>connected to the ECU</source>
        <comment>1202</comment>
        <translation>verbonden met de ECU</translation>
    </message>
    <message>
        <source>not connected</source>
        <comment>1203</comment>
        <translation>niet verbonden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>1204</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Load data file</source>
        <comment>1210</comment>
        <translation>Gegevensbestand laden</translation>
    </message>
    <message>
        <source>Save data file</source>
        <comment>1211</comment>
        <translation>Gegevensbestand opslaan</translation>
    </message>
    <message>
        <source>Erase or write ECU data</source>
        <comment>1212</comment>
        <translation>ECU-gegevens wissen of schrijven</translation>
    </message>
    <message>
        <source>Reload from ECU</source>
        <comment>1213</comment>
        <translation>Opnieuw laden uit de ECU</translation>
    </message>
    <message>
        <source>Stability snapshots</source>
        <comment>1214</comment>
        <translation>Stabiliteitsmoment-opnamen</translation>
    </message>
    <message>
        <source>Graph information</source>
        <comment>1215</comment>
        <translation>Informatie over de grafiek</translation>
    </message>
    <message>
        <source>Print preview</source>
        <comment>1216</comment>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>1217</comment>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Next graph</source>
        <comment>1218</comment>
        <translation>Volgende grafiek</translation>
    </message>
    <message>
        <source>Previous graph</source>
        <comment>1219</comment>
        <translation>Vorige grafiek</translation>
    </message>
    <message>
        <source>Download progress</source>
        <comment>1220</comment>
        <translation>Voortgang van het downloaden</translation>
    </message>
    <message>
        <source>Chart</source>
        <comment>1221</comment>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <comment>1222</comment>
        <translation>Grafiek: %1</translation>
    </message>
    <message>
        <source>One entry per bar, with the bar&apos;s range and value</source>
        <comment>1223</comment>
        <translation>Eén item per staaf, met het bereik en de waarde van de staaf</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>1224</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bar %1 of %2</source>
        <comment>1225</comment>
        <translation>Staaf %1 van %2</translation>
    </message>
    <message>
        <source>Graph title</source>
        <comment>1226</comment>
        <translation>Titel van de grafiek</translation>
    </message>
    <message>
        <source>Top of the vertical scale</source>
        <comment>1227</comment>
        <translation>Bovenkant van de verticale schaal</translation>
    </message>
    <message>
        <source>Vertical unit</source>
        <comment>1228</comment>
        <translation>Verticale eenheid</translation>
    </message>
    <message>
        <source>Bottom of the vertical scale</source>
        <comment>1229</comment>
        <translation>Onderkant van de verticale schaal</translation>
    </message>
    <message>
        <source>Distance at the left end</source>
        <comment>1230</comment>
        <translation>Afstand aan het linkeruiteinde</translation>
    </message>
    <message>
        <source>Distance at the right end</source>
        <comment>1231</comment>
        <translation>Afstand aan het rechteruiteinde</translation>
    </message>
    <message>
        <source>Horizontal unit</source>
        <comment>1232</comment>
        <translation>Horizontale eenheid</translation>
    </message>
    <message>
        <source>Horizontal scale</source>
        <comment>1233</comment>
        <translation>Horizontale schaal</translation>
    </message>
    <message>
        <source>ECU type</source>
        <comment>1234</comment>
        <translation>ECU-type</translation>
    </message>
    <message>
        <source>Printed page</source>
        <comment>1235</comment>
        <translation>Afgedrukte pagina</translation>
    </message>
    <message>
        <source>The page as it will be printed: Ctrl+P prints it, Ctrl++ and Ctrl+- zoom</source>
        <comment>1236</comment>
        <translation>De pagina zoals die wordt afgedrukt: Ctrl+P drukt af, Ctrl++ en Ctrl+- zoomen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>1237</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Frames sent and received</source>
        <comment>1238</comment>
        <translation>Verzonden en ontvangen frames</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1240</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>1241</comment>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Data to erase</source>
        <comment>1242</comment>
        <translation>Te wissen gegevens</translation>
    </message>
    <message>
        <source>Explanation</source>
        <comment>1243</comment>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <comment>1244</comment>
        <translation>Momentopname %1</translation>
    </message>
    <message>
        <source>Stability sensor output of snapshot %1</source>
        <comment>1245</comment>
        <translation>Uitgang van de stabiliteitssensor, momentopname %1</translation>
    </message>
</context>
</TS>
