<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>hm::CAboutDlg</name>
    <message>
        <source>About Haulmetry</source>
        <translation>Über Haulmetry</translation>
    </message>
    <message>
        <source>Haulmetry Version %1</source>
        <translation>Haulmetry Version %1</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Lizenz: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später, ohne Gewährleistung.</translation>
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
        <translation>Das laufende Haulmetry-Fenster ist beschäftigt; %1 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>haulmetry: the running copy did not take the file: %1</source>
        <translation>haulmetry: das laufende Programm hat die Datei nicht übernommen: %1</translation>
    </message>
    <message>
        <source>Haulmetry cannot write the trace file %1: %2. The link is not traced to a file.</source>
        <translation>Haulmetry kann die Protokolldatei %1 nicht schreiben: %2. Die Verbindung wird nicht in eine Datei protokolliert.</translation>
    </message>
    <message>
        <source>Haulmetry cannot set up its single-instance lock: %1</source>
        <translation>Haulmetry kann seine Einzelinstanz-Sperre nicht einrichten: %1</translation>
    </message>
</context>
<context>
    <name>hm::CHaulDlg</name>
    <message>
        <source>Search for ECU</source>
        <translation>ECU suchen</translation>
    </message>
    <message>
        <source>Link &amp;Trace...</source>
        <translation>Verbindungs&amp;protokoll...</translation>
    </message>
    <message>
        <source>ECU</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Archiv...</translation>
    </message>
    <message>
        <source>Trailer %1, %2 km</source>
        <translation>Anhänger %1, %2 km</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1: keine Befunde</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (and %3 more)</source>
        <translation>%1: %2 (und %3 weitere)</translation>
    </message>
    <message>
        <source>The rules give no findings for this data.</source>
        <translation>Die Regeln ergeben für diese Daten keine Befunde.</translation>
    </message>
    <message>
        <source>The findings rules file cannot be used (line %1: %2); the default rules apply.</source>
        <translation>Die Datei der Befundregeln ist nicht verwendbar (Zeile %1: %2); es gelten die Standardregeln.</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>%1. Press Ctrl+F or click for the findings window.</source>
        <translation>%1. Strg+F oder ein Klick öffnet das Befundfenster.</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Drucken ist nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>hm::CInfo</name>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Interim Values</source>
        <translation>Zwischenwerte</translation>
    </message>
</context>
<context>
    <name>hm::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Schließen	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>&amp;Vergrößern	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Ver&amp;kleinern	Ctrl+-</translation>
    </message>
    <message>
        <source>Fit &amp;Width	Ctrl+0</source>
        <translation>&amp;Breite einpassen	Ctrl+0</translation>
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
        <translation>Die Seite konnte nicht auf %1 gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>hm::CSettingsDlg</name>
    <message>
        <source>given with --library</source>
        <translation>mit --library angegeben</translation>
    </message>
    <message>
        <source>given by the environment variable HAULMETRY_LIBRARY</source>
        <translation>durch die Umgebungsvariable HAULMETRY_LIBRARY angegeben</translation>
    </message>
    <message>
        <source>from the library settings</source>
        <translation>aus den Archiveinstellungen</translation>
    </message>
    <message>
        <source>the default</source>
        <translation>die Vorgabe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Data files</source>
        <translation>Datendateien</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>&amp;Datenordner:</translation>
    </message>
    <message>
        <source>Write a &amp;text file beside each saved data file</source>
        <translation>&amp;Textdatei neben jeder gespeicherten Datendatei schreiben</translation>
    </message>
    <message>
        <source>Show the &amp;summary after loading a file</source>
        <translation>Nach dem Laden einer Datei die &amp;Zusammenfassung zeigen</translation>
    </message>
    <message>
        <source>No settings file: these settings last until the window closes.</source>
        <translation>Keine Einstellungsdatei: Diese Einstellungen gelten, bis das Fenster schließt.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>Trailer library</source>
        <translation>Anhängerarchiv</translation>
    </message>
    <message>
        <source>PostgreSQL address or SQLite file; empty: the default</source>
        <translation>PostgreSQL-Adresse oder SQLite-Datei; leer: die Vorgabe</translation>
    </message>
    <message>
        <source>&amp;Library:</source>
        <translation>&amp;Archiv:</translation>
    </message>
    <message>
        <source>In use: %1 (%2).</source>
        <translation>Verwendet: %1 (%2).</translation>
    </message>
    <message>
        <source>While --library or HAULMETRY_LIBRARY names a library, this setting is not used.</source>
        <translation>Solange --library oder HAULMETRY_LIBRARY ein Archiv angibt, wird diese Einstellung nicht verwendet.</translation>
    </message>
    <message>
        <source>A change of the library takes effect when Haulmetry starts next.</source>
        <translation>Ein anderes Archiv gilt ab dem nächsten Start von Haulmetry.</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Werkstatt</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Du&amp;rchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>Adr&amp;esse:</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>Tele&amp;fon:</translation>
    </message>
    <message>
        <source>Lo&amp;go:</source>
        <translation>&amp;Logo:</translation>
    </message>
    <message>
        <source>Kept in %1.</source>
        <translation>Gespeichert in %1.</translation>
    </message>
    <message>
        <source>The library settings cannot be changed here.</source>
        <translation>Die Archiveinstellungen können hier nicht geändert werden.</translation>
    </message>
    <message>
        <source>Empty: %1.</source>
        <translation>Leer: %1.</translation>
    </message>
    <message>
        <source>Give a full path, starting with /.</source>
        <translation>Geben Sie einen vollständigen Pfad an, beginnend mit /.</translation>
    </message>
    <message>
        <source>This folder does not exist yet; OK creates it.</source>
        <translation>Dieser Ordner existiert noch nicht; OK legt ihn an.</translation>
    </message>
    <message>
        <source>Saves, and the backups before an erase or a reload, go into the data folder. Loading a file from another folder makes that folder the data folder.</source>
        <translation>Gespeicherte Dateien und die Sicherungen vor einem Löschen oder Neuladen kommen in den Datenordner. Wird eine Datei aus einem anderen Ordner geladen, wird dieser Ordner zum Datenordner.</translation>
    </message>
    <message>
        <source>Choose the Data Folder</source>
        <translation>Datenordner wählen</translation>
    </message>
    <message>
        <source>Choose the Logo</source>
        <translation>Logo wählen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Bilder (*.png *.svg)</translation>
    </message>
    <message>
        <source>The data folder must be a full path, starting with /.</source>
        <translation>Der Datenordner muss ein vollständiger Pfad sein, beginnend mit /.</translation>
    </message>
    <message>
        <source>The address holds a password, so it is changed in the library settings file itself.</source>
        <translation>Die Adresse enthält ein Passwort; sie wird daher in der Archiveinstellungsdatei selbst geändert.</translation>
    </message>
</context>
<context>
    <name>hm::DataFile</name>
    <message>
        <source>file is too short (%1 bytes, a data file has %2)</source>
        <translation>Datei ist zu kurz (%1 Bytes, eine Datendatei hat %2)</translation>
    </message>
    <message>
        <source>not a Haulmetry data file (signature missing)</source>
        <translation>keine Haulmetry-Datendatei (Signatur fehlt)</translation>
    </message>
    <message>
        <source>wrong block size %1 (expected %2)</source>
        <translation>falsche Blockgröße %1 (erwartet: %2)</translation>
    </message>
</context>
<context>
    <name>hm::DataFileController</name>
    <message>
        <source>The data folder %1 does not exist any more. The file is saved in %2 instead.</source>
        <translation>Der Datenordner %1 existiert nicht mehr. Die Datei wird stattdessen in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the data folder must be a full path, starting with /</source>
        <translation>der Datenordner muss ein vollständiger Pfad sein, beginnend mit /</translation>
    </message>
    <message>
        <source>the data folder %1: %2</source>
        <translation>der Datenordner %1: %2</translation>
    </message>
    <message>
        <source>The settings were not changed: %1</source>
        <translation>Die Einstellungen wurden nicht geändert: %1</translation>
    </message>
</context>
<context>
    <name>hm::DetailsForm</name>
    <message>
        <source>Details</source>
        <translation>Angaben</translation>
    </message>
    <message>
        <source>&amp;Plate:</source>
        <translation>&amp;Kennzeichen:</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>Fleet &amp;number:</source>
        <translation>Flotten&amp;nummer:</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Flottennummer</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>K&amp;unde:</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>N&amp;otizen:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>&amp;Save details</source>
        <translation>Angaben &amp;speichern</translation>
    </message>
    <message>
        <source>Save details</source>
        <translation>Angaben speichern</translation>
    </message>
    <message>
        <source>Stores the plate, fleet number, customer and notes of the trailer in the library</source>
        <translation>Speichert Kennzeichen, Flottennummer, Kunde und Notizen des Anhängers im Archiv</translation>
    </message>
    <message>
        <source>Details of %1</source>
        <translation>Angaben zu %1</translation>
    </message>
    <message>
        <source>No details are stored yet.</source>
        <translation>Noch keine Angaben gespeichert.</translation>
    </message>
    <message>
        <source>Changed %1 by %2</source>
        <translation>Geändert am %1 von %2</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>keine Angaben</translation>
    </message>
    <message>
        <source>Changes of the details, newest first:</source>
        <translation>Änderungen der Angaben, neueste zuerst:</translation>
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
        <translation>Balken %1 von %2</translation>
    </message>
    <message>
        <source>&amp;Graph:</source>
        <translation>&amp;Diagramm:</translation>
    </message>
    <message>
        <source>Graph compared</source>
        <translation>Verglichenes Diagramm</translation>
    </message>
    <message>
        <source>Which of the ten graphs the two downloads are compared in</source>
        <translation>In welchem der zehn Diagramme die beiden Downloads verglichen werden</translation>
    </message>
    <message>
        <source>Difference chart</source>
        <translation>Differenzdiagramm</translation>
    </message>
    <message>
        <source>Newer visit chart</source>
        <translation>Diagramm des neueren Besuchs</translation>
    </message>
    <message>
        <source>Choose two downloads of a trailer to compare them.</source>
        <translation>Wählen Sie zwei Downloads eines Anhängers, um sie zu vergleichen.</translation>
    </message>
    <message>
        <source>Usage chart</source>
        <translation>Nutzungsdiagramm</translation>
    </message>
    <message>
        <source>Usage between %1 and %2 (in all: %3)</source>
        <translation>Nutzung zwischen %1 und %2 (insgesamt: %3)</translation>
    </message>
    <message>
        <source>The counters were reset between the two visits (the ECU&apos;s data was erased): the chart shows the newer values, counted since then.</source>
        <translation>Die Zähler wurden zwischen den beiden Besuchen zurückgesetzt (die Daten des ECU wurden gelöscht): Das Diagramm zeigt die neueren Werte, seitdem gezählt.</translation>
    </message>
    <message>
        <source>Older visit chart</source>
        <translation>Diagramm des älteren Besuchs</translation>
    </message>
    <message>
        <source>Older visit: %1</source>
        <translation>Älterer Besuch: %1</translation>
    </message>
    <message>
        <source>Newer visit: %1</source>
        <translation>Neuerer Besuch: %1</translation>
    </message>
    <message>
        <source>This graph holds averages, which cannot be subtracted: both visits are shown.</source>
        <translation>Dieses Diagramm enthält Mittelwerte, die sich nicht subtrahieren lassen: Beide Besuche werden gezeigt.</translation>
    </message>
    <message>
        <source>Vertical: %1 to %2 %3. Horizontal: %4</source>
        <translation>Senkrecht: %1 bis %2 %3. Waagerecht: %4</translation>
    </message>
</context>
<context>
    <name>hm::FileAccess</name>
    <message>
        <source>is %1, not a regular file; it was left as it is</source>
        <translation>ist %1, keine reguläre Datei; sie wurde unverändert gelassen</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>ist %1, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>eine reguläre Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>ein FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>ein blockorientiertes Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>ein symbolischer Link</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>cannot open: </source>
        <translation>kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>cannot empty the file: </source>
        <translation>die Datei kann nicht geleert werden: </translation>
    </message>
    <message>
        <source>cannot read: </source>
        <translation>kann nicht gelesen werden: </translation>
    </message>
</context>
<context>
    <name>hm::FleetModel</name>
    <message>
        <source>download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>file loaded</source>
        <translation>Datei geladen</translation>
    </message>
    <message>
        <source>file saved</source>
        <translation>Datei gespeichert</translation>
    </message>
    <message>
        <source>import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Trailer</source>
        <translation>Anhänger</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Letzter Besuch</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Strecke (km)</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Stabilitätsaufzeichnungen</translation>
    </message>
    <message>
        <source>Distance since (km)</source>
        <translation>Strecke seitdem (km)</translation>
    </message>
    <message>
        <source>Brake applications since</source>
        <translation>Bremsungen seitdem</translation>
    </message>
    <message>
        <source>New stability records</source>
        <translation>Neue Stabilitätsaufzeichnungen</translation>
    </message>
    <message>
        <source>%1 (erased)</source>
        <translation>%1 (gelöscht)</translation>
    </message>
    <message>
        <source>ABS events since</source>
        <translation>ABS-Eingriffe seitdem</translation>
    </message>
    <message>
        <source>Roll-over events since</source>
        <translation>Kippereignisse seitdem</translation>
    </message>
    <message>
        <source>Overloaded (km)</source>
        <translation>Überladen (km)</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>fleet number %1</source>
        <translation>Flottennummer %1</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Flottennummer</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
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
        <translation>Werkstatt</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Strecke (km)</translation>
    </message>
    <message>
        <source>Brake applications</source>
        <translation>Bremsungen</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Stabilitätsaufzeichnungen</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
</context>
<context>
    <name>hm::Language</name>
    <message>
        <source>--language needs a language code, such as de or fr</source>
        <translation>--language braucht einen Sprachcode, etwa de oder fr</translation>
    </message>
    <message>
        <source>no translation for the language &apos;%1&apos; (there are: en %2)</source>
        <translation>keine Übersetzung für die Sprache &apos;%1&apos; (vorhanden: en %2)</translation>
    </message>
</context>
<context>
    <name>hm::Library</name>
    <message>
        <source>; %1 wait(s) in the local queue %2 and will be sent when the server is back</source>
        <translation>; %1 Download(s) warten in der lokalen Warteschlange %2 und werden gesendet, sobald der Server wieder erreichbar ist</translation>
    </message>
    <message>
        <source>%1 download(s) that waited in the local queue were stored in %2</source>
        <translation>%1 Download(s) aus der lokalen Warteschlange gespeichert im %2</translation>
    </message>
    <message>
        <source>the local queue could not be sent: %1</source>
        <translation>die lokale Warteschlange konnte nicht gesendet werden: %1</translation>
    </message>
    <message>
        <source>cannot add to %1: it is read-only</source>
        <translation>%1: Hinzufügen nicht möglich, schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot reach %1</source>
        <translation>%1 ist nicht erreichbar</translation>
    </message>
    <message>
        <source>cannot store in %1: %2</source>
        <translation>%1: Speichern nicht möglich: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read download %1 of %2: %3</source>
        <translation>Download %1 im %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>der Server ist nicht erreichbar</translation>
    </message>
    <message>
        <source>download %1 of %2 is not 2484 bytes</source>
        <translation>Download %1 im %2 ist nicht 2484 Bytes lang</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2): it is damaged or not a library, and is left as it is</source>
        <translation>%1 kann nicht gelesen werden (%2): beschädigt oder kein Archiv; bleibt unverändert</translation>
    </message>
    <message>
        <source>%1 was written by a newer Haulmetry (library schema %2, this program knows up to %3); it is left as it is</source>
        <translation>%1 wurde von einem neueren Haulmetry geschrieben (Archivschema %2, dieses Programm kennt bis %3); bleibt unverändert</translation>
    </message>
    <message>
        <source>%1 is an SQLite file but not a Haulmetry library; it is left as it is</source>
        <translation>%1 ist eine SQLite-Datei, aber kein Haulmetry-Archiv; bleibt unverändert</translation>
    </message>
    <message>
        <source>%1 is read-only and needs its schema brought forward; nothing was changed</source>
        <translation>%1 ist schreibgeschützt, sein Schema muss aber aktualisiert werden; nichts wurde geändert</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>%1 kann nicht eingerichtet werden: %2</translation>
    </message>
    <message>
        <source>the library %1</source>
        <translation>Archiv %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed (Debian: libqt6sql6-sqlite)</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert (Debian: libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>cannot create the folder of %1: %2</source>
        <translation>%1: der Ordner kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql)</source>
        <translation>der PostgreSQL-Treiber von Qt ist nicht installiert (Debian: libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>no download with that number</source>
        <translation>kein Download mit dieser Nummer</translation>
    </message>
    <message>
        <source>%1 is not a library (%2)</source>
        <translation>%1 ist kein Archiv (%2)</translation>
    </message>
    <message>
        <source>cannot back up %1: %2</source>
        <translation>%1 kann nicht gesichert werden: %2</translation>
    </message>
    <message>
        <source>%1 exists already; a backup never replaces a file</source>
        <translation>%1 existiert bereits; eine Sicherung ersetzt nie eine Datei</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 ist %2, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a shared library is backed up on its server with pg_dump; or copy it into an SQLite file with: haulmetry library copy URL FILE</source>
        <translation>ein gemeinsames Archiv wird auf seinem Server mit pg_dump gesichert; oder mit haulmetry library copy URL FILE in eine SQLite-Datei kopiert</translation>
    </message>
    <message>
        <source>%1 download(s) of %2 backed up into %3</source>
        <translation>%1 Download(s) aus %2 in %3 gesichert</translation>
    </message>
    <message>
        <source>there is no library %1: %2</source>
        <translation>es gibt kein Archiv %1: %2</translation>
    </message>
    <message>
        <source>its image is missing</source>
        <translation>sein Abbild fehlt</translation>
    </message>
    <message>
        <source>its image is not 2484 bytes</source>
        <translation>sein Abbild hat nicht 2484 Bytes</translation>
    </message>
    <message>
        <source>its image does not match its hash</source>
        <translation>sein Abbild passt nicht zu seinem Hash</translation>
    </message>
    <message>
        <source>download %1 of %2 (%3, %4): %5; skipped</source>
        <translation>Download %1 aus %2 (%3, %4): %5; übersprungen</translation>
    </message>
    <message>
        <source>%1 and %2 are the same library</source>
        <translation>%1 und %2 sind dasselbe Archiv</translation>
    </message>
    <message>
        <source>; %1 download(s) were copied before; run the same copy again to finish it (nothing is stored twice)</source>
        <translation>; %1 Download(s) wurden vorher kopiert; dieselbe Kopie erneut ausführen, um sie abzuschließen (nichts wird doppelt gespeichert)</translation>
    </message>
    <message>
        <source>; %1 could not be written to the local queue %2 either: %3</source>
        <translation>; %1 konnte(n) auch nicht in die lokale Warteschlange %2 geschrieben werden: %3</translation>
    </message>
    <message>
        <source>the queue item %1 was refused by the server and is set aside: %2</source>
        <translation>der Warteschlangeneintrag %1 wurde vom Server abgelehnt und beiseitegelegt: %2</translation>
    </message>
    <message>
        <source>the queue item %1 cannot be read and is left in place</source>
        <translation>der Warteschlangeneintrag %1 kann nicht gelesen werden und bleibt liegen</translation>
    </message>
    <message>
        <source>download %1 of %2 does not match its hash: the stored image was changed, and is not used</source>
        <translation>Download %1 aus %2 passt nicht zu seinem Hash: das gespeicherte Abbild wurde verändert und wird nicht verwendet</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>sie ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>sie ist %1, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>sie gehört einem anderen Benutzer (uid %1)</translation>
    </message>
    <message>
        <source>others may write it (mode %1)</source>
        <translation>andere dürfen sie schreiben (Modus %1)</translation>
    </message>
    <message>
        <source>it holds a password but others may read it (mode %1; chmod 600 makes it yours alone)</source>
        <translation>sie enthält ein Passwort, doch andere dürfen sie lesen (Modus %1; chmod 600 macht sie allein Ihre)</translation>
    </message>
    <message>
        <source>the library settings %1 are not used: %2</source>
        <translation>die Archiveinstellungen %1 werden nicht verwendet: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid PostgreSQL address (postgresql://USER@HOST:PORT/DATABASE)</source>
        <translation>%1 ist keine gültige PostgreSQL-Adresse (postgresql://USER@HOST:PORT/DATABASE)</translation>
    </message>
    <message>
        <source>a password on the command line can be read by every user of this computer; give it in ~/.pgpass or in the library settings (mode 0600) instead</source>
        <translation>ein Passwort auf der Befehlszeile kann jeder Benutzer dieses Rechners lesen; geben Sie es stattdessen in ~/.pgpass oder in den Archiveinstellungen (Modus 0600) an</translation>
    </message>
    <message>
        <source>%1 is not a library address this program knows (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE or a file name)</source>
        <translation>%1 ist keine Archivadresse, die dieses Programm kennt (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE oder ein Dateiname)</translation>
    </message>
    <message>
        <source>%1 is an SQLite file: roles and rights apply to a shared PostgreSQL library only</source>
        <translation>%1 ist eine SQLite-Datei: Rollen und Rechte gibt es nur für ein gemeinsames PostgreSQL-Archiv</translation>
    </message>
    <message>
        <source>cannot set up the rights of %1: %2</source>
        <translation>die Rechte von %1 können nicht eingerichtet werden: %2</translation>
    </message>
    <message>
        <source>the role %1 exists and is not a workshop&apos;s; nothing was changed</source>
        <translation>die Rolle %1 gibt es bereits, und sie gehört keiner Werkstatt; nichts wurde geändert</translation>
    </message>
    <message>
        <source>cannot add the workshop %1 to %2: %3</source>
        <translation>die Werkstatt %1 kann nicht zu %2 hinzugefügt werden: %3</translation>
    </message>
    <message>
        <source>%1 is not a workshop of %2; nothing was changed</source>
        <translation>%1 ist keine Werkstatt von %2; nichts wurde geändert</translation>
    </message>
    <message>
        <source>cannot revoke the workshop %1: %2</source>
        <translation>der Werkstatt %1 kann der Zugang nicht entzogen werden: %2</translation>
    </message>
    <message>
        <source>%1 has library schema %2, and only its owner may bring it to %3 (haulmetry library setup as the owner); nothing was changed</source>
        <translation>%1 hat das Archivschema %2, und nur sein Eigentümer darf es auf %3 bringen (haulmetry library setup als Eigentümer); nichts wurde geändert</translation>
    </message>
    <message>
        <source>the connection parameter %1 cannot be passed on</source>
        <translation>der Verbindungsparameter %1 kann nicht weitergegeben werden</translation>
    </message>
    <message>
        <source>%1 refused the connection: %2</source>
        <translation>%1 hat die Verbindung abgelehnt: %2</translation>
    </message>
    <message>
        <source>cannot store the details of the trailer %1: %2</source>
        <translation>die Angaben des Anhängers %1 können nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1 holds no download of it</source>
        <translation>%1 enthält keinen Download dieses Anhängers</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 hat abgelehnt: %2</translation>
    </message>
    <message>
        <source>the %1 is not UTF-8 text</source>
        <translation>%1: kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the %1 holds a control character (a line break, a tab, ...), which cannot be stored</source>
        <translation>%1: enthält ein Steuerzeichen (Zeilenumbruch, Tabulator, ...), das nicht gespeichert werden kann</translation>
    </message>
    <message>
        <source>the %1 is longer than %2 characters</source>
        <translation>%1: länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>Flottennummer</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>sie ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be a line of it</source>
        <translation>der Schlüssel „%1“ kann keine Zeile darin sein</translation>
    </message>
    <message>
        <source>the value of %1 holds a line end</source>
        <translation>der Wert von %1 enthält ein Zeilenende</translation>
    </message>
    <message>
        <source>Could not write the library settings %1: %2</source>
        <translation>Die Archiveinstellungen %1 konnten nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>hm::LibraryRecording</name>
    <message>
        <source>Trailer library: %1.</source>
        <translation>Anhängerarchiv: %1.</translation>
    </message>
    <message>
        <source>The download was not added to it: save it as a data file to keep it.</source>
        <translation>Der Download wurde dort nicht aufgenommen: Speichern Sie ihn als Datendatei, um ihn zu behalten.</translation>
    </message>
</context>
<context>
    <name>hm::LibraryWindow</name>
    <message>
        <source>Trailer Library</source>
        <translation>Anhängerarchiv</translation>
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
        <translation>Flotte</translation>
    </message>
    <message>
        <source>One row per trailer: its latest download and what changed since the visit before. Enter or a double-click opens the download.</source>
        <translation>Eine Zeile je Anhänger: sein letzter Download und was sich seit dem Besuch davor geändert hat. Eingabe oder ein Doppelklick öffnet den Download.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Every download of the trailer. Select two to compare them; Enter or a double-click opens one.</source>
        <translation>Jeder Download des Anhängers. Wählen Sie zwei zum Vergleichen; Eingabe oder ein Doppelklick öffnet einen.</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Writes every download of the trailer into a folder as data files</source>
        <translation>Schreibt jeden Download des Anhängers als Datendatei in einen Ordner</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Archiv wird gelesen...</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>Das Archiv kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Trailers in %1: %2</source>
        <translation>Anhänger im %1: %2</translation>
    </message>
    <message>
        <source>The library holds no download yet.</source>
        <translation>Das Archiv enthält noch keinen Download.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>&amp;History of %1 (downloads: %2)</source>
        <translation>&amp;Verlauf von %1 (Downloads: %2)</translation>
    </message>
    <message>
        <source>The trailer has one download: nothing to compare it with.</source>
        <translation>Der Anhänger hat einen Download: nichts zum Vergleichen.</translation>
    </message>
    <message>
        <source>Select two downloads to see their difference.</source>
        <translation>Wählen Sie zwei Downloads, um ihren Unterschied zu sehen.</translation>
    </message>
    <message>
        <source>The downloads cannot be read: %1</source>
        <translation>Die Downloads können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The download cannot be read: %1</source>
        <translation>Der Download kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The main window is busy (a download, or a file being chosen or saved), so the download of %1 was not opened. Open it again when the main window is free.</source>
        <translation>Das Hauptfenster ist beschäftigt (ein Download, oder eine Datei wird gewählt oder gespeichert), daher wurde der Download von %1 nicht geöffnet. Öffnen Sie ihn erneut, wenn das Hauptfenster frei ist.</translation>
    </message>
    <message>
        <source>The download of %1 is shown in the main window.</source>
        <translation>Der Download von %1 wird im Hauptfenster gezeigt.</translation>
    </message>
    <message>
        <source>Export the Downloads to a Folder</source>
        <translation>Downloads in einen Ordner exportieren</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Export läuft...</translation>
    </message>
    <message>
        <source>Data files written to %1: %2</source>
        <translation>In %1 geschriebene Datendateien: %2</translation>
    </message>
    <message>
        <source>The export to %1 stopped after %2 data files: %3</source>
        <translation>Der Export nach %1 endete nach %2 Datendateien: %3</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>Filter leeren</translation>
    </message>
    <message>
        <source>No trailer is chosen: choose one in the list.</source>
        <translation>Kein Anhänger gewählt: Wählen Sie einen in der Liste.</translation>
    </message>
    <message>
        <source>The findings rules %1 cannot be used (line %2: %3); the default rules apply.</source>
        <translation>Die Befundregeln %1 sind nicht verwendbar (Zeile %2: %3); es gelten die Standardregeln.</translation>
    </message>
    <message>
        <source>Needs &amp;attention</source>
        <translation>Braucht &amp;Aufmerksamkeit</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Braucht Aufmerksamkeit</translation>
    </message>
    <message>
        <source>Shows only the trailers whose latest download has a finding of severity attention</source>
        <translation>Zeigt nur die Anhänger, deren letzter Download einen Befund der Stufe Achtung hat</translation>
    </message>
    <message>
        <source>Findings of the visit</source>
        <translation>Befunde des Besuchs</translation>
    </message>
    <message>
        <source>Findings of the visit %1:</source>
        <translation>Befunde des Besuchs %1:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Identification, plate, fleet number or customer</source>
        <translation>Kennung, Kennzeichen, Flottennummer oder Kunde</translation>
    </message>
    <message>
        <source>Shows only the trailers whose identification, plate, fleet number or customer holds this text</source>
        <translation>Zeigt nur die Anhänger, deren Kennung, Kennzeichen, Flottennummer oder Kunde diesen Text enthält</translation>
    </message>
    <message>
        <source>The details of %1 cannot be saved: %2</source>
        <translation>Die Angaben von %1 können nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Saving the details of %1...</source>
        <translation>Die Angaben von %1 werden gespeichert...</translation>
    </message>
    <message>
        <source>The details of %1 are saved.</source>
        <translation>Die Angaben von %1 sind gespeichert.</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceModel</name>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Zeit (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceView</name>
    <message>
        <source>Link Trace</source>
        <translation>Verbindungsprotokoll</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Verbindungsprotokoll speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The link trace was not saved: %1.</source>
        <translation>Das Verbindungsprotokoll wurde nicht gespeichert: %1.</translation>
    </message>
</context>
<context>
    <name>hm::PageLayout</name>
    <message>
        <source>Not Set</source>
        <translation>Nicht gesetzt</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
</context>
<context>
    <name>hm::PageRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot draw the page</source>
        <translation>die Seite kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>cannot encode the image</source>
        <translation>das Bild kann nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>hm::PortAccessWatch</name>
    <message>
        <source>No permission to open %1.
Add your user to the &apos;%2&apos; group (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Keine Berechtigung zum Öffnen von %1.
Fügen Sie Ihren Benutzer der Gruppe &apos;%2&apos; hinzu (sudo usermod -aG %2 $USER) und melden Sie sich ab und wieder an.</translation>
    </message>
</context>
<context>
    <name>hm::PrintModule</name>
    <message>
        <source>the printing module is missing (%1)</source>
        <translation>das Druckmodul fehlt (%1)</translation>
    </message>
</context>
<context>
    <name>hm::QtFileUi</name>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Haulmetry Data Files (*.asc)</source>
        <translation>Haulmetry-Datendateien (*.asc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>hm::ReportFacts</name>
    <message>
        <source>the logo %1 is left out: %2</source>
        <translation>das Logo %1 bleibt weg: %2</translation>
    </message>
</context>
<context>
    <name>hm::ReportLogo</name>
    <message>
        <source>is larger than 2 MiB</source>
        <translation>ist größer als 2 MiB</translation>
    </message>
    <message>
        <source>is a PNG image larger than 8000 x 8000 pixels or damaged</source>
        <translation>ist ein PNG-Bild über 8000 x 8000 Pixel oder beschädigt</translation>
    </message>
    <message>
        <source>is a damaged PNG image</source>
        <translation>ist ein beschädigtes PNG-Bild</translation>
    </message>
    <message>
        <source>is not a PNG or SVG image</source>
        <translation>ist kein PNG- oder SVG-Bild</translation>
    </message>
    <message>
        <source>is an SVG image that refers to other files or holds a script</source>
        <translation>ist ein SVG-Bild, das auf andere Dateien verweist oder ein Skript enthält</translation>
    </message>
</context>
<context>
    <name>hm::ReportMenu</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The report was not saved: %1.</source>
        <translation>Der Bericht wurde nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>The report was not printed: %1</source>
        <translation>Der Bericht wurde nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>&amp;Bericht als PDF speichern...</translation>
    </message>
    <message>
        <source>Print &amp;All Pages...</source>
        <translation>&amp;Alle Seiten drucken...</translation>
    </message>
</context>
<context>
    <name>hm::ReportPages</name>
    <message>
        <source>ECU Type</source>
        <translation>ECU-Typ</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Stability Records</source>
        <translation>Stabilitätsaufnahmen</translation>
    </message>
    <message>
        <source>Summary Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Fleet Data Report</source>
        <translation>Bericht Flottendaten</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Distance driven</source>
        <translation>Gefahrene Strecke</translation>
    </message>
    <message>
        <source>Distance by reservoir pressure</source>
        <translation>Strecke nach Vorratsdruck</translation>
    </message>
    <message>
        <source>Distance by load</source>
        <translation>Strecke nach Beladung</translation>
    </message>
    <message>
        <source>Brake applications by pressure</source>
        <translation>Bremsungen nach Druck</translation>
    </message>
    <message>
        <source>Brake applications by speed</source>
        <translation>Bremsungen nach Geschwindigkeit</translation>
    </message>
    <message>
        <source>Brake applications over the distance</source>
        <translation>Bremsungen über die Strecke</translation>
    </message>
    <message>
        <source>ABS events over the distance</source>
        <translation>ABS-Eingriffe über die Strecke</translation>
    </message>
    <message>
        <source>Roll-over events over the distance</source>
        <translation>Kippereignisse über die Strecke</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Fleet Number</source>
        <translation>Flottennummer</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Tel. %1</translation>
    </message>
    <message>
        <source>Visit Date</source>
        <translation>Besuchsdatum</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Findings of This Visit</source>
        <translation>Befunde dieses Besuchs</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Keine Befunde.</translation>
    </message>
    <message>
        <source>And %1 more findings.</source>
        <translation>Und %1 weitere Befunde.</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit</source>
        <translation>Veränderung seit dem letzten Besuch</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit (%1)</source>
        <translation>Veränderung seit dem letzten Besuch (%1)</translation>
    </message>
    <message>
        <source>The library holds no earlier visit of this trailer.</source>
        <translation>Das Archiv kennt keinen früheren Besuch dieses Anhängers.</translation>
    </message>
    <message>
        <source>The library holds no visit of this trailer: the findings are those of this download alone.</source>
        <translation>Das Archiv kennt keinen Besuch dieses Anhängers: die Befunde stammen nur aus diesem Download.</translation>
    </message>
    <message>
        <source>Workshop Confirmation</source>
        <translation>Bestätigung der Werkstatt</translation>
    </message>
    <message>
        <source>Checked by the Technician</source>
        <translation>Geprüft vom Techniker</translation>
    </message>
    <message>
        <source>Technician&apos;s Name</source>
        <translation>Name des Technikers</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
</context>
<context>
    <name>hm::ReportRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Fleet Data Report %1</source>
        <translation>Bericht Flottendaten %1</translation>
    </message>
    <message>
        <source>cannot draw the pages</source>
        <translation>die Seiten können nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>eine neue Seite kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>Der Drucker kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Brake system fleet data of the trailer %1</source>
        <translation>Flottendaten der Bremsanlage des Anhängers %1</translation>
    </message>
    <message>
        <source>fleet data report</source>
        <translation>Bericht Flottendaten</translation>
    </message>
    <message>
        <source>the logo %1 %2; the report is made without it</source>
        <translation>das Logo %1: %2; der Bericht entsteht ohne es</translation>
    </message>
</context>
<context>
    <name>hm::Session</name>
    <message>
        <source>line hung up</source>
        <translation>Leitung getrennt</translation>
    </message>
    <message>
        <source>no valid answer in time</source>
        <translation>keine gültige Antwort in der Zeit</translation>
    </message>
    <message>
        <source>%1 (waiting for %2)</source>
        <translation>%1 (Warten auf %2)</translation>
    </message>
    <message>
        <source>The connection to the ECU was lost (%1): the data downloaded from this ECU was saved to
%2</source>
        <translation>Die Verbindung zum ECU wurde unterbrochen (%1): Die aus diesem ECU ausgelesenen Daten wurden gespeichert in
%2</translation>
    </message>
    <message>
        <source>A download from the ECU started while the file was being chosen, so %1 was not loaded. Load it again when the download is over.</source>
        <translation>Während der Dateiauswahl hat das Auslesen des ECU begonnen, daher wurde %1 nicht geladen. Laden Sie die Datei erneut, wenn das Auslesen beendet ist.</translation>
    </message>
    <message>
        <source>Before the reload, the data downloaded from this ECU was saved to
%1</source>
        <translation>Vor dem erneuten Auslesen wurden die aus diesem ECU ausgelesenen Daten gespeichert in
%1</translation>
    </message>
    <message>
        <source>The data was not reloaded from the ECU.</source>
        <translation>Die Daten wurden nicht erneut aus dem ECU ausgelesen.</translation>
    </message>
    <message>
        <source> [ Closing... ]</source>
        <translation> [ Wird beendet... ]</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU could not be saved to %1: %2</source>
        <translation>Die aus diesem ECU ausgelesenen Daten konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Nothing was erased.</source>
        <translation>Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has been saved to
%1</source>
        <translation>Die aus diesem ECU ausgelesenen Daten wurden gespeichert in
%1</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has already been saved to
%1</source>
        <translation>Die aus diesem ECU ausgelesenen Daten wurden bereits gespeichert in
%1</translation>
    </message>
    <message>
        <source>Erase the extended fleet information from the ECU now?</source>
        <translation>Erweiterte Flotteninformationen jetzt im ECU löschen?</translation>
    </message>
    <message>
        <source>Erase the stability snapshots from the ECU now?</source>
        <translation>Stabilitäts-Momentaufnahmen jetzt im ECU löschen?</translation>
    </message>
    <message>
        <source>%1 is not a data image: %2</source>
        <translation>%1 ist kein Datenabbild: %2</translation>
    </message>
    <message>
        <source>%1 was not loaded: %2</source>
        <translation>%1 wurde nicht geladen: %2</translation>
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
        <translation>sie verweist auf eine Datei oder Adresse außerhalb (%1)</translation>
    </message>
    <message>
        <source>it holds an event handler (%1), which runs code</source>
        <translation>sie enthält eine Ereignisbehandlung (%1), die Code ausführt</translation>
    </message>
    <message>
        <source>it holds a script</source>
        <translation>sie enthält ein Skript</translation>
    </message>
    <message>
        <source>it declares entities</source>
        <translation>sie deklariert Entitäten</translation>
    </message>
    <message>
        <source>its document type refers to an outside file (remove the DOCTYPE line)</source>
        <translation>ihr Dokumenttyp verweist auf eine Datei außerhalb (entfernen Sie die DOCTYPE-Zeile)</translation>
    </message>
    <message>
        <source>it takes a style sheet from an outside file</source>
        <translation>sie holt ein Stylesheet aus einer Datei außerhalb</translation>
    </message>
    <message>
        <source>its style refers to an outside file or address</source>
        <translation>ihr Stil verweist auf eine Datei oder Adresse außerhalb</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>sie ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>it is neither a PNG nor an SVG picture</source>
        <translation>sie ist weder ein PNG- noch ein SVG-Bild</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>es ist keine Datei angegeben</translation>
    </message>
    <message>
        <source>The logo %1 cannot be used: %2.</source>
        <translation>Das Logo %1 kann nicht verwendet werden: %2.</translation>
    </message>
</context>
<context>
    <name>hm::cli</name>
    <message>
        <source>haulmetry %1: expected one data file, got %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: eine Datendatei erwartet, erhalten: %2 (siehe haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: %3</source>
        <translation>haulmetry %1: %2: %3</translation>
    </message>
    <message>
        <source>haulmetry %1: missing -o %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: -o %2 fehlt (siehe haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>--passes needs a number from 1 to 1000</source>
        <translation>--passes braucht eine Zahl von 1 bis 1000</translation>
    </message>
    <message>
        <source>--max-failures needs a number from 1 to 1000</source>
        <translation>--max-failures braucht eine Zahl von 1 bis 1000</translation>
    </message>
    <message>
        <source>--timeout needs seconds from 1 to 86400</source>
        <translation>--timeout braucht Sekunden von 1 bis 86400</translation>
    </message>
    <message>
        <source>--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)</source>
        <translation>--key braucht ROT,MUL,DIV (ROT 0..15, DIV nicht 0)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>-o FILE is required</source>
        <translation>-o FILE ist erforderlich</translation>
    </message>
    <message>
        <source>haulmetry download: only %1 ports can be used; not used: %2</source>
        <translation>haulmetry download: nur %1 Ports sind nutzbar; nicht genutzt: %2</translation>
    </message>
    <message>
        <source>haulmetry download: the ECU gave no valid answer to %1 (%2 refusals or time-outs in a row without progress; last: %3)</source>
        <translation>haulmetry download: das ECU gab keine gültige Antwort auf %1 (%2 Ablehnungen oder Zeitüberschreitungen in Folge ohne Fortschritt; zuletzt: %3)</translation>
    </message>
    <message>
        <source>haulmetry download: no complete download within %1 s%2</source>
        <translation>haulmetry download: kein vollständiger Download innerhalb von %1 s%2</translation>
    </message>
    <message>
        <source> (waiting for %1)</source>
        <translation> (wartet auf %1)</translation>
    </message>
    <message>
        <source>haulmetry download: %1</source>
        <translation>haulmetry download: %1</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (tried %1)</source>
        <translation>haulmetry download: kein ECU gefunden (versucht: %1)</translation>
    </message>
    <message>
        <source>haulmetry download: the download did not finish</source>
        <translation>haulmetry download: der Download wurde nicht beendet</translation>
    </message>
    <message>
        <source>haulmetry download: cannot save %1: %2</source>
        <translation>haulmetry download: %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (no serial port to try)</source>
        <translation>haulmetry download: kein ECU gefunden (keine serielle Schnittstelle zum Versuchen)</translation>
    </message>
    <message>
        <source>haulmetry download: cannot write the trace file %1: %2</source>
        <translation>haulmetry download: die Protokolldatei %1 kann nicht geschrieben werden: %2</translation>
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
        <translation>haulmetry graph: eine Datendatei und eine Diagrammnummer erwartet, erhalten: %1 Argument(e) (siehe haulmetry graph --help)</translation>
    </message>
    <message>
        <source>haulmetry graph: graph number must be 0 to 10, not &apos;%1&apos;</source>
        <translation>haulmetry graph: die Diagrammnummer muss 0 bis 10 sein, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>haulmetry page: %1</source>
        <translation>haulmetry page: %1</translation>
    </message>
    <message>
        <source>--graph needs a number from 1 to 10</source>
        <translation>--graph braucht eine Zahl von 1 bis 10</translation>
    </message>
    <message>
        <source>--record needs a number from 1 to 32</source>
        <translation>--record braucht eine Zahl von 1 bis 32</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>unerwartetes Argument &apos;%1&apos; (siehe --help)</translation>
    </message>
    <message>
        <source>usage: haulmetry page FILE (--graph N | --record N) -o OUT</source>
        <translation>Aufruf: haulmetry page FILE (--graph N | --record N) -o OUT</translation>
    </message>
    <message>
        <source>OUT must end in .pdf or .png</source>
        <translation>OUT muss auf .pdf oder .png enden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 stability records, not %3</source>
        <translation>%1 enthält %2 Stabilitätsaufnahmen, nicht %3</translation>
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
        <translation>haulmetry table: mindestens eine Datei oder ein Ordner erwartet (siehe haulmetry table --help)</translation>
    </message>
    <message>
        <source>haulmetry table: no data file could be read</source>
        <translation>haulmetry table: keine Datendatei konnte gelesen werden</translation>
    </message>
    <message>
        <source>haulmetry table: %1 folder(s) could not be listed; their files are missing from the table</source>
        <translation>haulmetry table: %1 Ordner konnten nicht gelesen werden; ihre Dateien fehlen in der Tabelle</translation>
    </message>
    <message>
        <source>haulmetry library %1: %2</source>
        <translation>haulmetry library %1: %2</translation>
    </message>
    <message>
        <source>no download of the trailer %1 in %2</source>
        <translation>kein Download des Anhängers %1 im %2</translation>
    </message>
    <message>
        <source>haulmetry library: expected a subcommand (see haulmetry library --help)</source>
        <translation>haulmetry library: Unterbefehl erwartet (siehe haulmetry library --help)</translation>
    </message>
    <message>
        <source>haulmetry library: unknown subcommand %1 (see haulmetry library --help)</source>
        <translation>haulmetry library: unbekannter Unterbefehl %1 (siehe haulmetry library --help)</translation>
    </message>
    <message>
        <source>expected at least one file or folder</source>
        <translation>mindestens eine Datei oder ein Ordner erwartet</translation>
    </message>
    <message>
        <source>no data file could be read</source>
        <translation>keine Datendatei konnte gelesen werden</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 skipped</source>
        <translation>%1 hinzugefügt, %2 bereits im Archiv, %3 warten in der lokalen Warteschlange, %4 übersprungen</translation>
    </message>
    <message>
        <source>missing -o FOLDER (see haulmetry library export --help)</source>
        <translation>-o ORDNER fehlt (siehe haulmetry library export --help)</translation>
    </message>
    <message>
        <source>expected one trailer identification (see haulmetry library %1 --help)</source>
        <translation>eine Anhängerkennung erwartet (siehe haulmetry library %1 --help)</translation>
    </message>
    <message>
        <source>averages, older and newer side by side</source>
        <translation>Mittelwerte, älterer und neuerer nebeneinander</translation>
    </message>
    <message>
        <source>usage; counters were reset between the downloads, counted since</source>
        <translation>Nutzung; die Zähler wurden zwischen den Downloads zurückgesetzt, gezählt ab dort</translation>
    </message>
    <message>
        <source>usage between the downloads</source>
        <translation>Nutzung zwischen den Downloads</translation>
    </message>
    <message>
        <source>graph %1: %2 (%3)</source>
        <translation>Diagramm %1: %2 (%3)</translation>
    </message>
    <message>
        <source>, with SLP %1 (%2 -&gt; %3)</source>
        <translation>, mit SLP %1 (%2 -&gt; %3)</translation>
    </message>
    <message>
        <source>--%1 expects a date YYYY-MM-DD[THH:MM[:SS]]</source>
        <translation>--%1 erwartet ein Datum JJJJ-MM-TT[Thh:mm[:ss]]</translation>
    </message>
    <message>
        <source>fewer than two downloads of that trailer to compare</source>
        <translation>weniger als zwei Downloads dieses Anhängers zum Vergleichen</translation>
    </message>
    <message>
        <source>trailer %1</source>
        <translation>Anhänger %1</translation>
    </message>
    <message>
        <source>older: %1 %2</source>
        <translation>älterer: %1 %2</translation>
    </message>
    <message>
        <source>newer: %1 %2</source>
        <translation>neuerer: %1 %2</translation>
    </message>
    <message>
        <source>%1 already in the library as the same visit</source>
        <translation>%1 bereits im Archiv als derselbe Besuch</translation>
    </message>
    <message>
        <source>%1 copied, %2 already there, %3 skipped</source>
        <translation>%1 kopiert, %2 bereits vorhanden, %3 übersprungen</translation>
    </message>
    <message>
        <source>expected two libraries, FROM and TO (see haulmetry library copy --help)</source>
        <translation>zwei Archive erwartet, FROM und TO (siehe haulmetry library copy --help)</translation>
    </message>
    <message>
        <source>Copies every download of the library FROM into the library TO (each an SQLite file or a postgresql:// URL), keeping each download&apos;s identification, times, computer, workshop, source and path. TO is created or brought forward as an import would. Each batch is one transaction and data already in TO is not stored twice, so a copy that was cut off is finished by running it again. An image that does not match its hash is named and skipped.</source>
        <translation>Kopiert jeden Download des Archivs FROM in das Archiv TO (jeweils eine SQLite-Datei oder eine postgresql://-URL) und behält Kennung, Zeiten, Computer, Werkstatt, Herkunft und Pfad jedes Downloads bei. TO wird wie bei einem Import angelegt oder aktualisiert. Jeder Stapel ist eine Transaktion, und Daten, die TO schon hat, werden nicht doppelt gespeichert; eine abgebrochene Kopie wird durch erneutes Ausführen abgeschlossen. Ein Abbild, das nicht zu seinem Hash passt, wird genannt und übersprungen.</translation>
    </message>
    <message>
        <source>The library to read.</source>
        <translation>Das zu lesende Archiv.</translation>
    </message>
    <message>
        <source>The library to add to.</source>
        <translation>Das Archiv, dem hinzugefügt wird.</translation>
    </message>
    <message>
        <source>Writes a copy of the SQLite library into the new file FILE with SQLite&apos;s online backup: safe while the window and other commands use the library. The copy is checked before it gets its name; an existing FILE is never replaced. A shared library is backed up on its server with pg_dump, or copied into an SQLite file with library copy.</source>
        <translation>Schreibt eine Kopie des SQLite-Archivs mit der Online-Sicherung von SQLite in die neue Datei FILE: sicher, während das Fenster und andere Befehle das Archiv benutzen. Die Kopie wird geprüft, bevor sie ihren Namen erhält; eine vorhandene FILE wird nie ersetzt. Ein gemeinsames Archiv wird auf seinem Server mit pg_dump gesichert oder mit library copy in eine SQLite-Datei kopiert.</translation>
    </message>
    <message>
        <source>The new file.</source>
        <translation>Die neue Datei.</translation>
    </message>
    <message>
        <source>expected one FILE (see haulmetry library backup --help)</source>
        <translation>eine FILE erwartet (siehe haulmetry library backup --help)</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Keine Befunde.</translation>
    </message>
    <message>
        <source>haulmetry %1: unknown format &quot;%2&quot; (text or json)</source>
        <translation>haulmetry %1: unbekanntes Format &quot;%2&quot; (text oder json)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: warning: %3</source>
        <translation>haulmetry %1: %2: Warnung: %3</translation>
    </message>
    <message>
        <source>since the older download: %1, of them %2 in the current interval</source>
        <translation>seit dem älteren Download: %1, davon %2 im laufenden Intervall</translation>
    </message>
    <message>
        <source>; %1 intervals driven in between are no longer held (missing)</source>
        <translation>; %1 dazwischen gefahrene Intervalle sind nicht mehr gespeichert (fehlen)</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 not stored, %5 skipped</source>
        <translation>%1 hinzugefügt, %2 bereits im Archiv, %3 warten in der lokalen Warteschlange, %4 nicht gespeichert, %5 übersprungen</translation>
    </message>
    <message>
        <source>expected one WORKSHOP</source>
        <translation>eine WERKSTATT erwartet</translation>
    </message>
    <message>
        <source>%1 cannot be a workshop&apos;s role: use lower-case letters, digits and _, starting with a letter (at most 63, not pg_...)</source>
        <translation>%1 kann keine Werkstattrolle sein: Kleinbuchstaben, Ziffern und _ verwenden, mit einem Buchstaben beginnend (höchstens 63, nicht pg_...)</translation>
    </message>
    <message>
        <source>%1 is set up for workshops (group role %2); add one with haulmetry library grant WORKSHOP
</source>
        <translation>%1 ist für Werkstätten eingerichtet (Gruppenrolle %2); eine hinzufügen mit haulmetry library grant WORKSHOP
</translation>
    </message>
    <message>
        <source>The workshop %1 may add to and read %2.
</source>
        <translation>Die Werkstatt %1 darf %2 lesen und ergänzen.
</translation>
    </message>
    <message>
        <source>Its password (shown only now; for the workshop&apos;s ~/.pgpass): %1
</source>
        <translation>Ihr Passwort (nur jetzt angezeigt; für ~/.pgpass der Werkstatt): %1
</translation>
    </message>
    <message>
        <source>The workshop %1 may no longer use %2.
</source>
        <translation>Die Werkstatt %1 darf %2 nicht mehr verwenden.
</translation>
    </message>
    <message>
        <source>no findings</source>
        <translation>keine Befunde</translation>
    </message>
    <message>
        <source>Fleet of %1 trailer(s): median and 90th percentile per figure</source>
        <translation>Flotte aus %1 Anhänger(n): Median und 90. Perzentil je Kennzahl</translation>
    </message>
    <message>
        <source>expected at most one trailer identification</source>
        <translation>höchstens eine Anhängerkennung erwartet</translation>
    </message>
    <message>
        <source>unknown format %1 (text or json)</source>
        <translation>unbekanntes Format %1 (text oder json)</translation>
    </message>
    <message>
        <source>unknown format %1 (text, csv, json or xlsx)</source>
        <translation>unbekanntes Format %1 (text, csv, json oder xlsx)</translation>
    </message>
    <message>
        <source>haulmetry %1: --format must be csv, json or xlsx, not &apos;%2&apos;</source>
        <translation>haulmetry %1: --format muss csv, json oder xlsx sein, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <source>haulmetry %1: a spreadsheet is not written to a terminal; give -o FILE</source>
        <translation>haulmetry %1: eine Tabellenkalkulationsdatei wird nicht auf ein Terminal geschrieben; geben Sie -o DATEI an</translation>
    </message>
    <message>
        <source>haulmetry %1: the spreadsheet could not be made: %2</source>
        <translation>haulmetry %1: die Tabellenkalkulationsdatei konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>trailer %1:</source>
        <translation>Anhänger %1:</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>Flottennummer</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>keine Angaben</translation>
    </message>
    <message>
        <source>%1 is the plate or fleet number of %2 trailers (%3); give the identification</source>
        <translation>%1 ist das Kennzeichen oder die Flottennummer von %2 Anhängern (%3); geben Sie die Kennung an</translation>
    </message>
    <message>
        <source>%1 change(s) of trailers&apos; details copied</source>
        <translation>%1 Änderung(en) von Anhängerangaben kopiert</translation>
    </message>
    <message>
        <source>nothing to set: give --plate, --fleet-number, --customer or --notes (see haulmetry library set --help)</source>
        <translation>nichts zu setzen: --plate, --fleet-number, --customer oder --notes angeben (siehe haulmetry library set --help)</translation>
    </message>
    <message>
        <source>changes of the details:</source>
        <translation>Änderungen der Angaben:</translation>
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
        <translation>%1 seit dem letzten Besuch: %2</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km</source>
        <translation>%1 km überladen gefahren</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km since the last visit</source>
        <translation>%1 km überladen gefahren seit dem letzten Besuch</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar</source>
        <translation>%1 km mit einem Vorratsdruck unter 6.5 bar gefahren</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar since the last visit</source>
        <translation>%1 km mit einem Vorratsdruck unter 6.5 bar gefahren seit dem letzten Besuch</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone in the last %2 km: %1</source>
        <translation>Bremsungen nur über die Bremslichtversorgung in den letzten %2 km: %1</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone since the last visit: %1</source>
        <translation>Bremsungen nur über die Bremslichtversorgung seit dem letzten Besuch: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Kippereignisse: %1</translation>
    </message>
    <message>
        <source>Roll-over events since the last visit: %1</source>
        <translation>Kippereignisse seit dem letzten Besuch: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>ABS-Ereignisse: %1</translation>
    </message>
    <message>
        <source>ABS events since the last visit: %1</source>
        <translation>ABS-Ereignisse seit dem letzten Besuch: %1</translation>
    </message>
    <message>
        <source>Stability records: %1</source>
        <translation>Stabilitätsaufzeichnungen: %1</translation>
    </message>
    <message>
        <source>New stability records since the last visit: %1</source>
        <translation>Neue Stabilitätsaufzeichnungen seit dem letzten Besuch: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above: %1</source>
        <translation>Bremsungen mit 6 bar und mehr: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above since the last visit: %1</source>
        <translation>Bremsungen mit 6 bar und mehr seit dem letzten Besuch: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts since the last visit start at the erase</source>
        <translation>Die Daten des Steuergeräts wurden zwischen den Besuchen gelöscht: Die Zählungen seit dem letzten Besuch beginnen mit dem Löschen</translation>
    </message>
    <message>
        <source> (%1 per 1000 km)</source>
        <translation> (%1 je 1000 km)</translation>
    </message>
    <message>
        <source> (%1 of the distance)</source>
        <translation> (%1 der Strecke)</translation>
    </message>
    <message>
        <source> (%1 of the brake applications)</source>
        <translation> (%1 der Bremsungen)</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 von %2)</translation>
    </message>
    <message>
        <source>, above the fleet&apos;s 90th percentile of %1</source>
        <translation>, über dem 90. Perzentil der Flotte von %1</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
</context>
<context>
    <name>hm::figures::RulesFile</name>
    <message>
        <source>the rule ends before its figure</source>
        <translation>die Regel endet vor ihrer Kennzahl</translation>
    </message>
    <message>
        <source>unknown figure %1</source>
        <translation>unbekannte Kennzahl %1</translation>
    </message>
    <message>
        <source>%1 sums the last 14000 km and has no change since the last visit</source>
        <translation>%1 summiert die letzten 14000 km und hat keine Änderung seit dem letzten Besuch</translation>
    </message>
    <message>
        <source>the rule ends before its comparison (&gt;, &gt;=, &lt; or &lt;=)</source>
        <translation>die Regel endet vor ihrem Vergleich (&gt;, &gt;=, &lt; oder &lt;=)</translation>
    </message>
    <message>
        <source>a comparison (&gt;, &gt;=, &lt; or &lt;=) was expected, not %1</source>
        <translation>ein Vergleich (&gt;, &gt;=, &lt; oder &lt;=) wurde erwartet, nicht %1</translation>
    </message>
    <message>
        <source>the rule ends before its number</source>
        <translation>die Regel endet vor ihrer Zahl</translation>
    </message>
    <message>
        <source>bad number %1 (write a decimal point, such as 2.5)</source>
        <translation>ungültige Zahl %1 (mit Dezimalpunkt schreiben, etwa 2.5)</translation>
    </message>
    <message>
        <source>%1 belongs after the number of a share only</source>
        <translation>%1 gehört nur hinter die Zahl eines Anteils</translation>
    </message>
    <message>
        <source>the rule ends before its message</source>
        <translation>die Regel endet vor ihrer Meldung</translation>
    </message>
    <message>
        <source>unknown message %1</source>
        <translation>unbekannte Meldung %1</translation>
    </message>
    <message>
        <source>%1 after the end of the rule</source>
        <translation>%1 nach dem Ende der Regel</translation>
    </message>
    <message>
        <source>unknown severity %1 (info or attention)</source>
        <translation>unbekannte Stufe %1 (info oder attention)</translation>
    </message>
    <message>
        <source>this rule holds for every download</source>
        <translation>diese Regel trifft auf jeden Download zu</translation>
    </message>
    <message>
        <source>this rule never holds</source>
        <translation>diese Regel trifft nie zu</translation>
    </message>
    <message>
        <source>too large for a rules file (over 1 MiB)</source>
        <translation>zu groß für eine Regeldatei (über 1 MiB)</translation>
    </message>
    <message>
        <source>not a text file (it holds zero bytes)</source>
        <translation>keine Textdatei (sie enthält Nullbytes)</translation>
    </message>
</context>
<context>
    <name>hm::library::LibraryReport</name>
    <message>
        <source>Driven: %1 km</source>
        <translation>Gefahren: %1 km</translation>
    </message>
    <message>
        <source>Brake applications: %1</source>
        <translation>Bremsungen: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>ABS-Eingriffe: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Kippereignisse: %1</translation>
    </message>
    <message>
        <source>Driven overloaded: %1 km</source>
        <translation>Überladen gefahren: %1 km</translation>
    </message>
    <message>
        <source>Driven at low reservoir pressure: %1 km</source>
        <translation>Mit niedrigem Vorratsdruck gefahren: %1 km</translation>
    </message>
    <message>
        <source>New stability records: %1</source>
        <translation>Neue Stabilitätsaufnahmen: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts start at the erase.</source>
        <translation>Die Daten der ECU wurden zwischen den Besuchen gelöscht: die Zählung beginnt mit dem Löschen.</translation>
    </message>
</context>
<context>
    <name>hm::str</name>
    <message>
        <source>&amp;About Haulmetry...</source>
        <comment>101</comment>
        <translation>&amp;Über Haulmetry...</translation>
    </message>
    <message>
        <source> </source>
        <comment>202</comment>
        <translation> </translation>
    </message>
    <message>
        <source>1.  Average Braking Time v Peak Demand Pressure</source>
        <comment>203</comment>
        <translation>1.  Mittlere Bremsdauer / max. Bremsanforderungsdruck</translation>
    </message>
    <message>
        <source>2.  Number of Brake Applications v Peak Demand Pressure</source>
        <comment>204</comment>
        <translation>2.  Anzahl Bremsungen / max. Bremsanforderungsdruck</translation>
    </message>
    <message>
        <source>3.  Total Braking Time v Peak Demand Pressure</source>
        <comment>205</comment>
        <translation>3.  Gesamte Bremsdauer / max. Bremsanforderungsdruck</translation>
    </message>
    <message>
        <source>4.  Average Pressure v Braking Start Speed</source>
        <comment>206</comment>
        <translation>4.  Mittlerer Bremsdruck / Anfangsgeschwindigkeit</translation>
    </message>
    <message>
        <source>5.  Number of of Brake Applications v Braking Start Speed</source>
        <comment>207</comment>
        <translation>5.  Anzahl Bremsungen / Anfangsgeschwindigkeit</translation>
    </message>
    <message>
        <source>6.  Brake Applications v Distance</source>
        <comment>208</comment>
        <translation>6.  Bremsungen / Fahrstrecke</translation>
    </message>
    <message>
        <source>7.  ABS Events v Distance</source>
        <comment>209</comment>
        <translation>7.  ABS-Eingriffe / Fahrstrecke</translation>
    </message>
    <message>
        <source>8.  Rollover Events v Distance</source>
        <comment>210</comment>
        <translation>8.  RSS-Eingriffe / Fahrstrecke</translation>
    </message>
    <message>
        <source>9.  Distance v Percentage Load</source>
        <comment>211</comment>
        <translation>9.  Fahrstrecke / Lastzustand in Prozent</translation>
    </message>
    <message>
        <source>10. Distance v Reservoir Pressure</source>
        <comment>212</comment>
        <translation>10. Fahrstrecke / Vorratsdruck</translation>
    </message>
    <message>
        <source>Stability Snapshot</source>
        <comment>213</comment>
        <translation>Stabilitäts-Momentaufnahme</translation>
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
        <translation>(Jeder Balken entspricht 500 km)</translation>
    </message>
    <message>
        <source>(Percentage Load (100% = Fully Laden) )</source>
        <comment>222</comment>
        <translation>(Lastzustand in Prozent (100% = voll beladen) )</translation>
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
        <translation>(Sek)</translation>
    </message>
    <message>
        <source>(No.)</source>
        <comment>226</comment>
        <translation>(Anz.)</translation>
    </message>
    <message>
        <source>(km)</source>
        <comment>227</comment>
        <translation>(km)</translation>
    </message>
    <message>
        <source>Save   ?</source>
        <comment>228</comment>
        <translation>%1 speichern?</translation>
    </message>
    <message>
        <source> Haulmetry</source>
        <comment>229</comment>
        <translation> Haulmetry</translation>
    </message>
    <message>
        <source>Select Data to Erase From ECU</source>
        <comment>230</comment>
        <translation>Zu löschende ECU-Daten</translation>
    </message>
    <message>
        <source>Extended Fleet Information</source>
        <comment>231</comment>
        <translation>Erweiterte Flotteninformationen</translation>
    </message>
    <message>
        <source>Stability Snapshot Information</source>
        <comment>232</comment>
        <translation>Informationen zur Stabilitäts-Momentaufnahme</translation>
    </message>
    <message>
        <source>Load Haulmetry Data From File</source>
        <comment>236</comment>
        <translation>Haulmetry-Daten aus Datei laden</translation>
    </message>
    <message>
        <source>Save ECU Extended Fleet Data To File</source>
        <comment>237</comment>
        <translation>Erweiterte Flottendaten des ECU in Datei speichern</translation>
    </message>
    <message>
        <source>Write To ECU</source>
        <comment>238</comment>
        <translation>In ECU schreiben</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <comment>239</comment>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Cancel without Updating ECU</source>
        <comment>240</comment>
        <translation>Abbrechen, ohne das ECU zu ändern</translation>
    </message>
    <message>
        <source>Proceed with Write Operation</source>
        <comment>241</comment>
        <translation>Schreibvorgang ausführen</translation>
    </message>
    <message>
        <source>Reload Data From ECU</source>
        <comment>242</comment>
        <translation>Daten neu aus dem ECU laden</translation>
    </message>
    <message>
        <source>View Next Graph</source>
        <comment>243</comment>
        <translation>Nächstes Diagramm anzeigen</translation>
    </message>
    <message>
        <source>View Previous Graph</source>
        <comment>244</comment>
        <translation>Vorheriges Diagramm anzeigen</translation>
    </message>
    <message>
        <source>Select Info To Clear</source>
        <comment>245</comment>
        <translation>Zu löschende Daten wählen</translation>
    </message>
    <message>
        <source>Write Current Extended Fleet Values To ECU</source>
        <comment>246</comment>
        <translation>Aktuelle Flottenwerte in ECU schreiben</translation>
    </message>
    <message>
        <source>ECU Does Not Support Haulmetry</source>
        <comment>247</comment>
        <translation>ECU unterstützt Haulmetry nicht</translation>
    </message>
    <message>
        <source> [ No Data Loaded ]</source>
        <comment>248</comment>
        <translation> [ Keine Daten geladen ]</translation>
    </message>
    <message>
        <source> [ ECU Data ]</source>
        <comment>249</comment>
        <translation> [ ECU-Daten ]</translation>
    </message>
    <message>
        <source>Information about this Graph</source>
        <comment>250</comment>
        <translation>Informationen zu diesem Diagramm</translation>
    </message>
    <message>
        <source>Preview/Print this Graph</source>
        <comment>252</comment>
        <translation>Vorschau/Druck dieses Diagramms</translation>
    </message>
    <message>
        <source>Filename</source>
        <comment>260</comment>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Vehicle Ident Number</source>
        <comment>261</comment>
        <translation>Fahrzeug-Identnummer</translation>
    </message>
    <message>
        <source>ECU Data Saved At:</source>
        <comment>262</comment>
        <translation>ECU-Daten gespeichert am:</translation>
    </message>
    <message>
        <source>The duration of each brake application is recorded against the peak demand pressure. The data shows a graph of average time for a brake application in each of the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>265</comment>
        <translation>Die Dauer jeder Bremsung wird über der maximalen Bremsanforderung (Anforderungsdruck) erfasst. Das Diagramm zeigt die mittlere Dauer einer Bremsung in jedem 0,5-Bar-Druckbereich von 0 bis 8 Bar.</translation>
    </message>
    <message>
        <source>For each brake application, the peak demand pressure during the application is recorded. The data shows a graph of the number of brake applications for 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>266</comment>
        <translation>Für jede Bremsung wird der höchste Anforderungsdruck während der Bremsung erfasst. Das Diagramm zeigt die Anzahl der Bremsungen je 0,5-Bar-Druckbereich von 0 bis 8 Bar.</translation>
    </message>
    <message>
        <source>The duration of each brake application is measured and used to update the total braking time for the peak demand pressure in the brake application. The data shows a graph of the cumulative braking time for the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>267</comment>
        <translation>Die Dauer jeder Bremsung wird gemessen und zur Gesamtbremsdauer beim höchsten Anforderungsdruck der Bremsung addiert. Das Diagramm zeigt die aufsummierte Bremsdauer je 0,5-Bar-Druckbereich von 0 bis 8 Bar.</translation>
    </message>
    <message>
        <source>The peak demand pressure is monitored during each brake application and is then recorded against the speed measured at the start of the brake application.  The data shows a graph of average pressure for a brake application grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>268</comment>
        <translation>Der höchste Anforderungsdruck wird während jeder Bremsung überwacht und über der zu Bremsbeginn gemessenen Geschwindigkeit erfasst. Das Diagramm zeigt den mittleren Bremsdruck einer Bremsung in 10-km/h-Bereichen von 0 bis 160 km/h.</translation>
    </message>
    <message>
        <source>For each brake application, the speed at the start of the brake application is recorded. The data shows a graph of the number of brake applications grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>269</comment>
        <translation>Für jede Bremsung wird die Geschwindigkeit zu Bremsbeginn erfasst. Das Diagramm zeigt die Anzahl der Bremsungen in 10-km/h-Bereichen von 0 bis 160 km/h.</translation>
    </message>
    <message>
        <source>The data shows the total number of brake applications that occurred in groups of 500km interval, and the number of those which occurred when the trailer was powered only by the 24N supply. (Total Graph Range is 14000 km).</source>
        <comment>270</comment>
        <translation>Das Diagramm zeigt die Gesamtzahl der Bremsungen je 500-km-Abschnitt und die Zahl derer, bei denen der Anhänger nur über die 24N-Versorgung (Bremslicht) gespeist wurde. (Gesamtbereich des Diagramms: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of ABS events that have occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>271</comment>
        <translation>Das Diagramm zeigt die Gesamtzahl der ABS-Eingriffe, gruppiert in 500-km-Abschnitte. (Gesamtbereich des Diagramms: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of Rollover events that occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>272</comment>
        <translation>Das Diagramm zeigt die Gesamtzahl der Roll-Over-Ereignisse (RSS-Eingriffe), gruppiert in 500-km-Abschnitte. (Gesamtbereich des Diagramms: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the how the vehicle load has changed with distance. At the end of each Km travelled, the suspension pressure is recorded as a percentage (0% = Unladen, 100% = Fully Laden). In this way a &apos;Load Profile&apos; is built up.</source>
        <comment>273</comment>
        <translation>Das Diagramm zeigt, wie sich der Lastzustand mit der Fahrstrecke verändert hat. Am Ende jedes gefahrenen Kilometers wird der Balgdruck als Prozentwert erfasst (0% = leer, 100% = voll beladen). So entsteht ein &apos;Lastprofil&apos;.</translation>
    </message>
    <message>
        <source>The data shows the how the reservoir pressure has changed with distance. At the end of each Km travelled, the reservoir pressure in 0.5 Bar steps is recorded.</source>
        <comment>274</comment>
        <translation>Das Diagramm zeigt, wie sich der Vorratsdruck mit der Fahrstrecke verändert hat. Am Ende jedes gefahrenen Kilometers wird der Vorratsdruck in 0,5-Bar-Stufen erfasst.</translation>
    </message>
    <message>
        <source>The stability snapshot records the output of the stability sensor together with the system parameters and signal states at the moment the ECU detected a stability event. The ECU keeps up to 32 snapshots.</source>
        <comment>275</comment>
        <translation>Die Stabilitäts-Momentaufnahme hält das Signal des Stabilitätssensors zusammen mit den Systemparametern und Signalzuständen in dem Moment fest, in dem das ECU ein Stabilitätsereignis erkannt hat. Das ECU speichert bis zu 32 Aufnahmen.</translation>
    </message>
    <message>
        <source> Print Preview</source>
        <comment>277</comment>
        <translation> Druckvorschau</translation>
    </message>
    <message>
        <source>Trying To Connect...</source>
        <comment>278</comment>
        <translation>Verbindungsaufbau...</translation>
    </message>
    <message>
        <source>Display Information</source>
        <comment>279</comment>
        <translation>Informationen anzeigen</translation>
    </message>
    <message>
        <source>Stability Snaphot</source>
        <comment>281</comment>
        <translation>Stabilitäts-Momentaufnahme</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>282</comment>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Stability Sensor Output</source>
        <comment>283</comment>
        <translation>Stabilitätssensor-Signal</translation>
    </message>
    <message>
        <source>Time Since Startup (HH:MM:SS)</source>
        <comment>284</comment>
        <translation>Zeit seit Start (HH:MM:SS)</translation>
    </message>
    <message>
        <source>SYSTEM PARAMETERS</source>
        <comment>285</comment>
        <translation>SYSTEMPARAMETER</translation>
    </message>
    <message>
        <source>Odometer</source>
        <comment>286</comment>
        <translation>Kilometerstand</translation>
    </message>
    <message>
        <source>Voltage</source>
        <comment>287</comment>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Reservoir Pressure</source>
        <comment>288</comment>
        <translation>Vorratsdruck</translation>
    </message>
    <message>
        <source>Suspension Pressure</source>
        <comment>289</comment>
        <translation>Balgdruck</translation>
    </message>
    <message>
        <source>ISO Demand Pressure</source>
        <comment>290</comment>
        <translation>ISO-Anforderungsdruck</translation>
    </message>
    <message>
        <source>Control Line Pressure</source>
        <comment>291</comment>
        <translation>Steuerleitungsdruck</translation>
    </message>
    <message>
        <source>Vehicle Speed</source>
        <comment>292</comment>
        <translation>Fahrzeuggeschwindigkeit</translation>
    </message>
    <message>
        <source>SYSTEM SETTINGS</source>
        <comment>293</comment>
        <translation>SYSTEMZUSTÄNDE</translation>
    </message>
    <message>
        <source>Red Lamp Signal</source>
        <comment>294</comment>
        <translation>Rote Warnleuchte</translation>
    </message>
    <message>
        <source>Cab Lamp Signal</source>
        <comment>295</comment>
        <translation>Warnleuchte Fahrerhaus</translation>
    </message>
    <message>
        <source>Service Lamp Signal</source>
        <comment>296</comment>
        <translation>Servicelampe</translation>
    </message>
    <message>
        <source>Stop Light Power</source>
        <comment>297</comment>
        <translation>Bremslichtversorgung</translation>
    </message>
    <message>
        <source>Brake Apply</source>
        <comment>298</comment>
        <translation>Bremsbetätigung</translation>
    </message>
    <message>
        <source>View and Print Stability Data</source>
        <comment>299</comment>
        <translation>Stabilitätsdaten anzeigen und drucken</translation>
    </message>
    <message>
        <source>No Interim Data for this graph</source>
        <comment>303</comment>
        <translation>Keine Zwischenwerte für dieses Diagramm</translation>
    </message>
    <message>
        <source>Number of 500km intervals</source>
        <comment>305</comment>
        <translation>Anzahl 500-km-Abschnitte</translation>
    </message>
    <message>
        <source>Km(s) in current interval (0..500)</source>
        <comment>307</comment>
        <translation>km im laufenden Abschnitt (0..500)</translation>
    </message>
    <message>
        <source>Brake Apps in current interval</source>
        <comment>308</comment>
        <translation>Bremsungen im laufenden Abschnitt</translation>
    </message>
    <message>
        <source>SLP Brake Apps in current interval</source>
        <comment>309</comment>
        <translation>SLP-Bremsungen im lfd. Abschnitt</translation>
    </message>
    <message>
        <source>ABS Events in current interval</source>
        <comment>311</comment>
        <translation>ABS-Eingriffe im laufenden Abschnitt</translation>
    </message>
    <message>
        <source>Rollover Events in current interval</source>
        <comment>313</comment>
        <translation>RSS-Eingriffe im lfd. Abschnitt</translation>
    </message>
    <message>
        <source>Working Offline</source>
        <comment>314</comment>
        <translation>Offline-Betrieb</translation>
    </message>
    <message>
        <source>!! Application Already Running !!</source>
        <comment>315</comment>
        <translation>!! Programm läuft bereits !!</translation>
    </message>
    <message>
        <source>Failed To Connect To ECU - Retry ?</source>
        <comment>316</comment>
        <translation>Keine Verbindung zum ECU - Erneut versuchen ?</translation>
    </message>
    <message>
        <source>Load from Dir - </source>
        <comment>317</comment>
        <translation>Laden aus Ordner - </translation>
    </message>
    <message>
        <source>Save To Dir - </source>
        <comment>318</comment>
        <translation>Speichern in Ordner - </translation>
    </message>
    <message>
        <source>Stability Data Only</source>
        <comment>319</comment>
        <translation>Nur Stabilitätsdaten</translation>
    </message>
    <message>
        <source> [ ***  File Error  *** ]</source>
        <comment>320</comment>
        <translation> [ ***  Dateifehler  *** ]</translation>
    </message>
    <message>
        <source> [ File: </source>
        <comment>321</comment>
        <translation> [ Datei: </translation>
    </message>
    <message>
        <source>Not Connected</source>
        <comment>322</comment>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>323</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No Data</source>
        <comment>324</comment>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>1127</comment>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>1128</comment>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>1129</comment>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>1130</comment>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <comment>1131</comment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>1132</comment>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>1133</comment>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>1134</comment>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>1135</comment>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>1136</comment>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>1137</comment>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>1138</comment>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <comment>1200</comment>
        <translation>Verbindung: %1</translation>
    </message>
    <message>
        <source>searching, a port is being tried</source>
        <comment>1201</comment>
        <translation>Suche läuft, ein Anschluss wird geprüft</translation>
    </message>
    <message>
        <source>connected to the ECU</source>
        <comment>1202</comment>
        <translation>mit dem ECU verbunden</translation>
    </message>
    <message>
        <source>not connected</source>
        <comment>1203</comment>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>1204</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Load data file</source>
        <comment>1210</comment>
        <translation>Datendatei laden</translation>
    </message>
    <message>
        <source>Save data file</source>
        <comment>1211</comment>
        <translation>Datendatei speichern</translation>
    </message>
    <message>
        <source>Erase or write ECU data</source>
        <comment>1212</comment>
        <translation>ECU-Daten löschen oder schreiben</translation>
    </message>
    <message>
        <source>Reload from ECU</source>
        <comment>1213</comment>
        <translation>Aus dem ECU neu laden</translation>
    </message>
    <message>
        <source>Stability snapshots</source>
        <comment>1214</comment>
        <translation>Stabilitäts-Momentaufnahmen</translation>
    </message>
    <message>
        <source>Graph information</source>
        <comment>1215</comment>
        <translation>Informationen zum Diagramm</translation>
    </message>
    <message>
        <source>Print preview</source>
        <comment>1216</comment>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>1217</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Next graph</source>
        <comment>1218</comment>
        <translation>Nächstes Diagramm</translation>
    </message>
    <message>
        <source>Previous graph</source>
        <comment>1219</comment>
        <translation>Vorheriges Diagramm</translation>
    </message>
    <message>
        <source>Download progress</source>
        <comment>1220</comment>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <source>Chart</source>
        <comment>1221</comment>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <comment>1222</comment>
        <translation>Diagramm: %1</translation>
    </message>
    <message>
        <source>One entry per bar, with the bar&apos;s range and value</source>
        <comment>1223</comment>
        <translation>Ein Eintrag je Balken, mit Bereich und Wert des Balkens</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>1224</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bar %1 of %2</source>
        <comment>1225</comment>
        <translation>Balken %1 von %2</translation>
    </message>
    <message>
        <source>Graph title</source>
        <comment>1226</comment>
        <translation>Titel des Diagramms</translation>
    </message>
    <message>
        <source>Top of the vertical scale</source>
        <comment>1227</comment>
        <translation>Oberes Ende der senkrechten Skala</translation>
    </message>
    <message>
        <source>Vertical unit</source>
        <comment>1228</comment>
        <translation>Senkrechte Einheit</translation>
    </message>
    <message>
        <source>Bottom of the vertical scale</source>
        <comment>1229</comment>
        <translation>Unteres Ende der senkrechten Skala</translation>
    </message>
    <message>
        <source>Distance at the left end</source>
        <comment>1230</comment>
        <translation>Strecke am linken Ende</translation>
    </message>
    <message>
        <source>Distance at the right end</source>
        <comment>1231</comment>
        <translation>Strecke am rechten Ende</translation>
    </message>
    <message>
        <source>Horizontal unit</source>
        <comment>1232</comment>
        <translation>Waagerechte Einheit</translation>
    </message>
    <message>
        <source>Horizontal scale</source>
        <comment>1233</comment>
        <translation>Waagerechte Skala</translation>
    </message>
    <message>
        <source>ECU type</source>
        <comment>1234</comment>
        <translation>ECU-Typ</translation>
    </message>
    <message>
        <source>Printed page</source>
        <comment>1235</comment>
        <translation>Gedruckte Seite</translation>
    </message>
    <message>
        <source>The page as it will be printed: Ctrl+P prints it, Ctrl++ and Ctrl+- zoom</source>
        <comment>1236</comment>
        <translation>Die Seite, wie sie gedruckt wird: Strg+P druckt sie, Strg++ und Strg+- zoomen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>1237</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Frames sent and received</source>
        <comment>1238</comment>
        <translation>Gesendete und empfangene Frames</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1240</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>1241</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Data to erase</source>
        <comment>1242</comment>
        <translation>Zu löschende Daten</translation>
    </message>
    <message>
        <source>Explanation</source>
        <comment>1243</comment>
        <translation>Erläuterung</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <comment>1244</comment>
        <translation>Momentaufnahme %1</translation>
    </message>
    <message>
        <source>Stability sensor output of snapshot %1</source>
        <comment>1245</comment>
        <translation>Ausgang des Stabilitätssensors, Momentaufnahme %1</translation>
    </message>
</context>
</TS>
