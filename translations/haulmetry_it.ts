<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>hm::CAboutDlg</name>
    <message>
        <source>About Haulmetry</source>
        <translation>Informazioni su Haulmetry</translation>
    </message>
    <message>
        <source>Haulmetry Version %1</source>
        <translation>Haulmetry versione %1</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licenza: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Software libero sotto la GNU General Public License, versione 3 o successiva, senza alcuna garanzia.</translation>
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
        <translation>La finestra di Haulmetry in esecuzione è occupata; %1 non è stato aperto.</translation>
    </message>
    <message>
        <source>haulmetry: the running copy did not take the file: %1</source>
        <translation>haulmetry: il programma in esecuzione non ha accettato il file: %1</translation>
    </message>
    <message>
        <source>Haulmetry cannot write the trace file %1: %2. The link is not traced to a file.</source>
        <translation>Haulmetry non può scrivere il file di traccia %1: %2. Il collegamento non viene tracciato su file.</translation>
    </message>
    <message>
        <source>Haulmetry cannot set up its single-instance lock: %1</source>
        <translation>Haulmetry non può impostare il suo blocco di istanza singola: %1</translation>
    </message>
</context>
<context>
    <name>hm::CHaulDlg</name>
    <message>
        <source>Search for ECU</source>
        <translation>Cerca l&apos;ECU</translation>
    </message>
    <message>
        <source>Link &amp;Trace...</source>
        <translation>&amp;Traccia del collegamento...</translation>
    </message>
    <message>
        <source>ECU</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>A&amp;rchivio...</translation>
    </message>
    <message>
        <source>Trailer %1, %2 km</source>
        <translation>Rimorchio %1, %2 km</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1: nessun rilievo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (and %3 more)</source>
        <translation>%1: %2 (e altri %3)</translation>
    </message>
    <message>
        <source>The rules give no findings for this data.</source>
        <translation>Le regole non danno rilievi per questi dati.</translation>
    </message>
    <message>
        <source>The findings rules file cannot be used (line %1: %2); the default rules apply.</source>
        <translation>Il file delle regole dei rilievi non è utilizzabile (riga %1: %2); valgono le regole predefinite.</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Rilievi</translation>
    </message>
    <message>
        <source>%1. Press Ctrl+F or click for the findings window.</source>
        <translation>%1. Ctrl+F o un clic apre la finestra dei rilievi.</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>Imp&amp;ostazioni...</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>La stampa non è disponibile: %1</translation>
    </message>
</context>
<context>
    <name>hm::CInfo</name>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Interim Values</source>
        <translation>Valori intermedi</translation>
    </message>
</context>
<context>
    <name>hm::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Stampa...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Chiudi	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>&amp;Ingrandisci	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>&amp;Riduci	Ctrl+-</translation>
    </message>
    <message>
        <source>Fit &amp;Width	Ctrl+0</source>
        <translation>Adatta alla &amp;larghezza	Ctrl+0</translation>
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
        <translation>Impossibile stampare la pagina su %1.</translation>
    </message>
</context>
<context>
    <name>hm::CSettingsDlg</name>
    <message>
        <source>given with --library</source>
        <translation>indicato con --library</translation>
    </message>
    <message>
        <source>given by the environment variable HAULMETRY_LIBRARY</source>
        <translation>indicato dalla variabile d&apos;ambiente HAULMETRY_LIBRARY</translation>
    </message>
    <message>
        <source>from the library settings</source>
        <translation>dalle impostazioni dell&apos;archivio</translation>
    </message>
    <message>
        <source>the default</source>
        <translation>quello predefinito</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Data files</source>
        <translation>File di dati</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>Cartella &amp;dati:</translation>
    </message>
    <message>
        <source>Write a &amp;text file beside each saved data file</source>
        <translation>Scrivi un file di &amp;testo accanto a ogni file di dati salvato</translation>
    </message>
    <message>
        <source>Show the &amp;summary after loading a file</source>
        <translation>Mostra il &amp;riepilogo dopo il caricamento di un file</translation>
    </message>
    <message>
        <source>No settings file: these settings last until the window closes.</source>
        <translation>Nessun file delle impostazioni: queste impostazioni valgono fino alla chiusura della finestra.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>File delle impostazioni: %1</translation>
    </message>
    <message>
        <source>Trailer library</source>
        <translation>Archivio dei rimorchi</translation>
    </message>
    <message>
        <source>PostgreSQL address or SQLite file; empty: the default</source>
        <translation>Indirizzo PostgreSQL o file SQLite; vuoto: quello predefinito</translation>
    </message>
    <message>
        <source>&amp;Library:</source>
        <translation>&amp;Archivio:</translation>
    </message>
    <message>
        <source>In use: %1 (%2).</source>
        <translation>In uso: %1 (%2).</translation>
    </message>
    <message>
        <source>While --library or HAULMETRY_LIBRARY names a library, this setting is not used.</source>
        <translation>Finché --library o HAULMETRY_LIBRARY indica un archivio, questa impostazione non viene usata.</translation>
    </message>
    <message>
        <source>A change of the library takes effect when Haulmetry starts next.</source>
        <translation>Un cambio di archivio ha effetto al prossimo avvio di Haulmetry.</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Officina</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Sf&amp;oglia...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Indirizzo:</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>Tele&amp;fono:</translation>
    </message>
    <message>
        <source>Lo&amp;go:</source>
        <translation>&amp;Logo:</translation>
    </message>
    <message>
        <source>Kept in %1.</source>
        <translation>Conservato in %1.</translation>
    </message>
    <message>
        <source>The library settings cannot be changed here.</source>
        <translation>Le impostazioni dell&apos;archivio non si possono cambiare qui.</translation>
    </message>
    <message>
        <source>Empty: %1.</source>
        <translation>Vuoto: %1.</translation>
    </message>
    <message>
        <source>Give a full path, starting with /.</source>
        <translation>Indicare un percorso completo, che inizi con /.</translation>
    </message>
    <message>
        <source>This folder does not exist yet; OK creates it.</source>
        <translation>Questa cartella non esiste ancora; OK la crea.</translation>
    </message>
    <message>
        <source>Saves, and the backups before an erase or a reload, go into the data folder. Loading a file from another folder makes that folder the data folder.</source>
        <translation>I salvataggi, e le copie prima di una cancellazione o di un ricaricamento, vanno nella cartella dati. Caricare un file da un&apos;altra cartella rende quella cartella la cartella dati.</translation>
    </message>
    <message>
        <source>Choose the Data Folder</source>
        <translation>Scegli la cartella dati</translation>
    </message>
    <message>
        <source>Choose the Logo</source>
        <translation>Scegli il logo</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Immagini (*.png *.svg)</translation>
    </message>
    <message>
        <source>The data folder must be a full path, starting with /.</source>
        <translation>La cartella dati deve essere un percorso completo, che inizi con /.</translation>
    </message>
    <message>
        <source>The address holds a password, so it is changed in the library settings file itself.</source>
        <translation>L&apos;indirizzo contiene una password, quindi si cambia nel file delle impostazioni dell&apos;archivio stesso.</translation>
    </message>
</context>
<context>
    <name>hm::DataFile</name>
    <message>
        <source>file is too short (%1 bytes, a data file has %2)</source>
        <translation>il file è troppo corto (%1 byte, un file di dati ne ha %2)</translation>
    </message>
    <message>
        <source>not a Haulmetry data file (signature missing)</source>
        <translation>non è un file di dati Haulmetry (firma mancante)</translation>
    </message>
    <message>
        <source>wrong block size %1 (expected %2)</source>
        <translation>dimensione del blocco errata %1 (attesa %2)</translation>
    </message>
</context>
<context>
    <name>hm::DataFileController</name>
    <message>
        <source>The data folder %1 does not exist any more. The file is saved in %2 instead.</source>
        <translation>La cartella dei dati %1 non esiste più. Il file viene salvato invece in %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>the data folder must be a full path, starting with /</source>
        <translation>la cartella dati deve essere un percorso completo, che inizi con /</translation>
    </message>
    <message>
        <source>the data folder %1: %2</source>
        <translation>la cartella dati %1: %2</translation>
    </message>
    <message>
        <source>The settings were not changed: %1</source>
        <translation>Le impostazioni non sono state cambiate: %1</translation>
    </message>
</context>
<context>
    <name>hm::DetailsForm</name>
    <message>
        <source>Details</source>
        <translation>Dati</translation>
    </message>
    <message>
        <source>&amp;Plate:</source>
        <translation>&amp;Targa:</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Targa</translation>
    </message>
    <message>
        <source>Fleet &amp;number:</source>
        <translation>&amp;Numero di flotta:</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Numero di flotta</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>C&amp;liente:</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>N&amp;ote:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Save details</source>
        <translation>&amp;Salva i dati</translation>
    </message>
    <message>
        <source>Save details</source>
        <translation>Salva i dati</translation>
    </message>
    <message>
        <source>Stores the plate, fleet number, customer and notes of the trailer in the library</source>
        <translation>Salva nell&apos;archivio targa, numero di flotta, cliente e note del rimorchio</translation>
    </message>
    <message>
        <source>Details of %1</source>
        <translation>Dati di %1</translation>
    </message>
    <message>
        <source>No details are stored yet.</source>
        <translation>Nessun dato ancora salvato.</translation>
    </message>
    <message>
        <source>Changed %1 by %2</source>
        <translation>Modificato il %1 da %2</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>nessun dato</translation>
    </message>
    <message>
        <source>Changes of the details, newest first:</source>
        <translation>Modifiche dei dati, la più recente per prima:</translation>
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
        <translation>Barra %1 di %2</translation>
    </message>
    <message>
        <source>&amp;Graph:</source>
        <translation>&amp;Grafico:</translation>
    </message>
    <message>
        <source>Graph compared</source>
        <translation>Grafico confrontato</translation>
    </message>
    <message>
        <source>Which of the ten graphs the two downloads are compared in</source>
        <translation>In quale dei dieci grafici si confrontano i due scaricamenti</translation>
    </message>
    <message>
        <source>Difference chart</source>
        <translation>Grafico delle differenze</translation>
    </message>
    <message>
        <source>Newer visit chart</source>
        <translation>Grafico della visita più recente</translation>
    </message>
    <message>
        <source>Choose two downloads of a trailer to compare them.</source>
        <translation>Scegliere due scaricamenti di un rimorchio per confrontarli.</translation>
    </message>
    <message>
        <source>Usage chart</source>
        <translation>Grafico di utilizzo</translation>
    </message>
    <message>
        <source>Usage between %1 and %2 (in all: %3)</source>
        <translation>Utilizzo tra %1 e %2 (in totale: %3)</translation>
    </message>
    <message>
        <source>The counters were reset between the two visits (the ECU&apos;s data was erased): the chart shows the newer values, counted since then.</source>
        <translation>I contatori sono stati azzerati tra le due visite (i dati della ECU sono stati cancellati): il grafico mostra i valori più recenti, contati da allora.</translation>
    </message>
    <message>
        <source>Older visit chart</source>
        <translation>Grafico della visita meno recente</translation>
    </message>
    <message>
        <source>Older visit: %1</source>
        <translation>Visita meno recente: %1</translation>
    </message>
    <message>
        <source>Newer visit: %1</source>
        <translation>Visita più recente: %1</translation>
    </message>
    <message>
        <source>This graph holds averages, which cannot be subtracted: both visits are shown.</source>
        <translation>Questo grafico contiene medie, che non si possono sottrarre: sono mostrate entrambe le visite.</translation>
    </message>
    <message>
        <source>Vertical: %1 to %2 %3. Horizontal: %4</source>
        <translation>Verticale: da %1 a %2 %3. Orizzontale: %4</translation>
    </message>
</context>
<context>
    <name>hm::FileAccess</name>
    <message>
        <source>is %1, not a regular file; it was left as it is</source>
        <translation>è %1, non un file normale; è stato lasciato com&apos;era</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>è %1, non un file normale</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>un file normale</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>una FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo a caratteri</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo a blocchi</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un collegamento simbolico</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>cannot open: </source>
        <translation>impossibile aprire: </translation>
    </message>
    <message>
        <source>cannot empty the file: </source>
        <translation>impossibile svuotare il file: </translation>
    </message>
    <message>
        <source>cannot read: </source>
        <translation>impossibile leggere: </translation>
    </message>
</context>
<context>
    <name>hm::FleetModel</name>
    <message>
        <source>download</source>
        <translation>scaricamento</translation>
    </message>
    <message>
        <source>file loaded</source>
        <translation>file caricato</translation>
    </message>
    <message>
        <source>file saved</source>
        <translation>file salvato</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importazione</translation>
    </message>
    <message>
        <source>Trailer</source>
        <translation>Rimorchio</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Ultima visita</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Scaricamenti</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distanza (km)</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Registrazioni di stabilità</translation>
    </message>
    <message>
        <source>Distance since (km)</source>
        <translation>Distanza da allora (km)</translation>
    </message>
    <message>
        <source>Brake applications since</source>
        <translation>Frenate da allora</translation>
    </message>
    <message>
        <source>New stability records</source>
        <translation>Nuove registrazioni di stabilità</translation>
    </message>
    <message>
        <source>%1 (erased)</source>
        <translation>%1 (cancellato)</translation>
    </message>
    <message>
        <source>ABS events since</source>
        <translation>Eventi ABS da allora</translation>
    </message>
    <message>
        <source>Roll-over events since</source>
        <translation>Ribaltamenti da allora</translation>
    </message>
    <message>
        <source>Overloaded (km)</source>
        <translation>Sovraccarico (km)</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Rilievi</translation>
    </message>
    <message>
        <source>fleet number %1</source>
        <translation>numero di flotta %1</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Targa</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Numero di flotta</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
</context>
<context>
    <name>hm::HistoryModel</name>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Officina</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distanza (km)</translation>
    </message>
    <message>
        <source>Brake applications</source>
        <translation>Frenate</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Registrazioni di stabilità</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Rilievi</translation>
    </message>
</context>
<context>
    <name>hm::Language</name>
    <message>
        <source>--language needs a language code, such as de or fr</source>
        <translation>--language richiede un codice di lingua, ad esempio de o fr</translation>
    </message>
    <message>
        <source>no translation for the language &apos;%1&apos; (there are: en %2)</source>
        <translation>nessuna traduzione per la lingua &apos;%1&apos; (disponibili: en %2)</translation>
    </message>
</context>
<context>
    <name>hm::Library</name>
    <message>
        <source>; %1 wait(s) in the local queue %2 and will be sent when the server is back</source>
        <translation>; %1 scaricamento/i in attesa nella coda locale %2, verrà/verranno inviato/i quando il server tornerà disponibile</translation>
    </message>
    <message>
        <source>%1 download(s) that waited in the local queue were stored in %2</source>
        <translation>%1 scaricamento/i in attesa nella coda locale salvato/i nell&apos;%2</translation>
    </message>
    <message>
        <source>the local queue could not be sent: %1</source>
        <translation>impossibile inviare la coda locale: %1</translation>
    </message>
    <message>
        <source>cannot add to %1: it is read-only</source>
        <translation>%1: impossibile aggiungere, è di sola lettura</translation>
    </message>
    <message>
        <source>cannot reach %1</source>
        <translation>%1 non raggiungibile</translation>
    </message>
    <message>
        <source>cannot store in %1: %2</source>
        <translation>%1: impossibile salvare: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1: impossibile leggere: %2</translation>
    </message>
    <message>
        <source>cannot read download %1 of %2: %3</source>
        <translation>impossibile leggere lo scaricamento %1 (%2): %3</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>il server non è raggiungibile</translation>
    </message>
    <message>
        <source>download %1 of %2 is not 2484 bytes</source>
        <translation>lo scaricamento %1 (%2) non è di 2484 byte</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2): it is damaged or not a library, and is left as it is</source>
        <translation>%1: impossibile leggere (%2): è danneggiato o non è un archivio; lasciato invariato</translation>
    </message>
    <message>
        <source>%1 was written by a newer Haulmetry (library schema %2, this program knows up to %3); it is left as it is</source>
        <translation>%1 è stato scritto da un Haulmetry più recente (schema dell&apos;archivio %2, questo programma conosce fino a %3); lasciato invariato</translation>
    </message>
    <message>
        <source>%1 is an SQLite file but not a Haulmetry library; it is left as it is</source>
        <translation>%1 è un file SQLite ma non un archivio Haulmetry; lasciato invariato</translation>
    </message>
    <message>
        <source>%1 is read-only and needs its schema brought forward; nothing was changed</source>
        <translation>%1 è di sola lettura e il suo schema va aggiornato; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>%1: impossibile preparare: %2</translation>
    </message>
    <message>
        <source>the library %1</source>
        <translation>archivio %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed (Debian: libqt6sql6-sqlite)</source>
        <translation>il driver SQLite di Qt non è installato (Debian: libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>cannot create the folder of %1: %2</source>
        <translation>%1: impossibile creare la cartella: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1: impossibile aprire: %2</translation>
    </message>
    <message>
        <source>the PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql)</source>
        <translation>il driver PostgreSQL di Qt non è installato (Debian: libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1 non raggiungibile: %2</translation>
    </message>
    <message>
        <source>no download with that number</source>
        <translation>nessuno scaricamento con quel numero</translation>
    </message>
    <message>
        <source>%1 is not a library (%2)</source>
        <translation>%1 non è un archivio (%2)</translation>
    </message>
    <message>
        <source>cannot back up %1: %2</source>
        <translation>impossibile eseguire il backup di %1: %2</translation>
    </message>
    <message>
        <source>%1 exists already; a backup never replaces a file</source>
        <translation>%1 esiste già; un backup non sostituisce mai un file</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 è %2, non un file regolare</translation>
    </message>
    <message>
        <source>a shared library is backed up on its server with pg_dump; or copy it into an SQLite file with: haulmetry library copy URL FILE</source>
        <translation>un archivio condiviso si salva sul suo server con pg_dump; oppure copiarlo in un file SQLite con: haulmetry library copy URL FILE</translation>
    </message>
    <message>
        <source>%1 download(s) of %2 backed up into %3</source>
        <translation>%1 scaricamento/i dell&apos;%2 salvato/i in %3</translation>
    </message>
    <message>
        <source>there is no library %1: %2</source>
        <translation>non esiste l&apos;archivio %1: %2</translation>
    </message>
    <message>
        <source>its image is missing</source>
        <translation>manca la sua immagine</translation>
    </message>
    <message>
        <source>its image is not 2484 bytes</source>
        <translation>la sua immagine non è di 2484 byte</translation>
    </message>
    <message>
        <source>its image does not match its hash</source>
        <translation>la sua immagine non corrisponde al suo hash</translation>
    </message>
    <message>
        <source>download %1 of %2 (%3, %4): %5; skipped</source>
        <translation>scaricamento %1 dell&apos;%2 (%3, %4): %5; saltato</translation>
    </message>
    <message>
        <source>%1 and %2 are the same library</source>
        <translation>%1 e %2 sono lo stesso archivio</translation>
    </message>
    <message>
        <source>; %1 download(s) were copied before; run the same copy again to finish it (nothing is stored twice)</source>
        <translation>; %1 scaricamento/i copiato/i in precedenza; eseguire di nuovo la stessa copia per completarla (nulla viene salvato due volte)</translation>
    </message>
    <message>
        <source>; %1 could not be written to the local queue %2 either: %3</source>
        <translation>; anche la scrittura di %1 nella coda locale %2 non è riuscita: %3</translation>
    </message>
    <message>
        <source>the queue item %1 was refused by the server and is set aside: %2</source>
        <translation>l&apos;elemento della coda %1 è stato rifiutato dal server e messo da parte: %2</translation>
    </message>
    <message>
        <source>the queue item %1 cannot be read and is left in place</source>
        <translation>l&apos;elemento della coda %1 non è leggibile e resta dove si trova</translation>
    </message>
    <message>
        <source>download %1 of %2 does not match its hash: the stored image was changed, and is not used</source>
        <translation>lo scaricamento %1 di %2 non corrisponde al suo hash: l&apos;immagine memorizzata è stata modificata e non viene usata</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>è un collegamento simbolico</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>è %1, non un file normale</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>appartiene a un altro utente (uid %1)</translation>
    </message>
    <message>
        <source>others may write it (mode %1)</source>
        <translation>altri possono scriverlo (modo %1)</translation>
    </message>
    <message>
        <source>it holds a password but others may read it (mode %1; chmod 600 makes it yours alone)</source>
        <translation>contiene una password ma altri possono leggerlo (modo %1; chmod 600 lo rende solo suo)</translation>
    </message>
    <message>
        <source>the library settings %1 are not used: %2</source>
        <translation>le impostazioni dell&apos;archivio %1 non vengono usate: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid PostgreSQL address (postgresql://USER@HOST:PORT/DATABASE)</source>
        <translation>%1 non è un indirizzo PostgreSQL valido (postgresql://USER@HOST:PORT/DATABASE)</translation>
    </message>
    <message>
        <source>a password on the command line can be read by every user of this computer; give it in ~/.pgpass or in the library settings (mode 0600) instead</source>
        <translation>una password sulla riga di comando è leggibile da ogni utente di questo computer; indicarla invece in ~/.pgpass o nelle impostazioni dell&apos;archivio (modo 0600)</translation>
    </message>
    <message>
        <source>%1 is not a library address this program knows (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE or a file name)</source>
        <translation>%1 non è un indirizzo di archivio noto a questo programma (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE o un nome di file)</translation>
    </message>
    <message>
        <source>%1 is an SQLite file: roles and rights apply to a shared PostgreSQL library only</source>
        <translation>%1 è un file SQLite: ruoli e diritti valgono solo per un archivio PostgreSQL condiviso</translation>
    </message>
    <message>
        <source>cannot set up the rights of %1: %2</source>
        <translation>impossibile impostare i diritti di %1: %2</translation>
    </message>
    <message>
        <source>the role %1 exists and is not a workshop&apos;s; nothing was changed</source>
        <translation>il ruolo %1 esiste e non è di un&apos;officina; nulla è stato modificato</translation>
    </message>
    <message>
        <source>cannot add the workshop %1 to %2: %3</source>
        <translation>impossibile aggiungere l&apos;officina %1 a %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a workshop of %2; nothing was changed</source>
        <translation>%1 non è un&apos;officina di %2; nulla è stato modificato</translation>
    </message>
    <message>
        <source>cannot revoke the workshop %1: %2</source>
        <translation>impossibile revocare l&apos;officina %1: %2</translation>
    </message>
    <message>
        <source>%1 has library schema %2, and only its owner may bring it to %3 (haulmetry library setup as the owner); nothing was changed</source>
        <translation>%1 ha lo schema di archivio %2 e solo il suo proprietario può portarlo a %3 (haulmetry library setup come proprietario); nulla è stato modificato</translation>
    </message>
    <message>
        <source>the connection parameter %1 cannot be passed on</source>
        <translation>il parametro di connessione %1 non può essere passato</translation>
    </message>
    <message>
        <source>%1 refused the connection: %2</source>
        <translation>%1 ha rifiutato la connessione: %2</translation>
    </message>
    <message>
        <source>cannot store the details of the trailer %1: %2</source>
        <translation>impossibile salvare i dati del rimorchio %1: %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 è di sola lettura</translation>
    </message>
    <message>
        <source>%1 holds no download of it</source>
        <translation>%1 non contiene scaricamenti di questo rimorchio</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 ha rifiutato: %2</translation>
    </message>
    <message>
        <source>the %1 is not UTF-8 text</source>
        <translation>%1: non è testo UTF-8</translation>
    </message>
    <message>
        <source>the %1 holds a control character (a line break, a tab, ...), which cannot be stored</source>
        <translation>%1: contiene un carattere di controllo (un a capo, una tabulazione, ...), che non si può salvare</translation>
    </message>
    <message>
        <source>the %1 is longer than %2 characters</source>
        <translation>%1: più lungo di %2 caratteri</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>numero di flotta</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>targa</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>cliente</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>note</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>supera %1 byte</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be a line of it</source>
        <translation>la chiave «%1» non può esserne una riga</translation>
    </message>
    <message>
        <source>the value of %1 holds a line end</source>
        <translation>il valore di %1 contiene un fine riga</translation>
    </message>
    <message>
        <source>Could not write the library settings %1: %2</source>
        <translation>Impossibile scrivere le impostazioni dell&apos;archivio %1: %2</translation>
    </message>
</context>
<context>
    <name>hm::LibraryRecording</name>
    <message>
        <source>Trailer library: %1.</source>
        <translation>Archivio rimorchi: %1.</translation>
    </message>
    <message>
        <source>The download was not added to it: save it as a data file to keep it.</source>
        <translation>Lo scaricamento non è stato aggiunto: salvarlo come file di dati per conservarlo.</translation>
    </message>
</context>
<context>
    <name>hm::LibraryWindow</name>
    <message>
        <source>Trailer Library</source>
        <translation>Archivio rimorchi</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flotta</translation>
    </message>
    <message>
        <source>One row per trailer: its latest download and what changed since the visit before. Enter or a double-click opens the download.</source>
        <translation>Una riga per rimorchio: l&apos;ultimo scaricamento e cosa è cambiato dalla visita precedente. Invio o un doppio clic apre lo scaricamento.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Every download of the trailer. Select two to compare them; Enter or a double-click opens one.</source>
        <translation>Ogni scaricamento del rimorchio. Selezionarne due per confrontarli; Invio o un doppio clic ne apre uno.</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Writes every download of the trailer into a folder as data files</source>
        <translation>Scrive ogni scaricamento del rimorchio in una cartella come file di dati</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Lettura dell&apos;archivio...</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>Impossibile aprire l&apos;archivio: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>Trailers in %1: %2</source>
        <translation>Rimorchi nell&apos;%1: %2</translation>
    </message>
    <message>
        <source>The library holds no download yet.</source>
        <translation>L&apos;archivio non contiene ancora alcuno scaricamento.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Impossibile leggere la cronologia: %1</translation>
    </message>
    <message>
        <source>&amp;History of %1 (downloads: %2)</source>
        <translation>&amp;Cronologia di %1 (scaricamenti: %2)</translation>
    </message>
    <message>
        <source>The trailer has one download: nothing to compare it with.</source>
        <translation>Il rimorchio ha un solo scaricamento: niente da confrontare.</translation>
    </message>
    <message>
        <source>Select two downloads to see their difference.</source>
        <translation>Selezionare due scaricamenti per vederne la differenza.</translation>
    </message>
    <message>
        <source>The downloads cannot be read: %1</source>
        <translation>Impossibile leggere gli scaricamenti: %1</translation>
    </message>
    <message>
        <source>The download cannot be read: %1</source>
        <translation>Impossibile leggere lo scaricamento: %1</translation>
    </message>
    <message>
        <source>The main window is busy (a download, or a file being chosen or saved), so the download of %1 was not opened. Open it again when the main window is free.</source>
        <translation>La finestra principale è occupata (uno scaricamento, o un file in scelta o in salvataggio), quindi lo scaricamento di %1 non è stato aperto. Aprirlo di nuovo quando la finestra principale è libera.</translation>
    </message>
    <message>
        <source>The download of %1 is shown in the main window.</source>
        <translation>Lo scaricamento di %1 è mostrato nella finestra principale.</translation>
    </message>
    <message>
        <source>Export the Downloads to a Folder</source>
        <translation>Esporta gli scaricamenti in una cartella</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Esportazione...</translation>
    </message>
    <message>
        <source>Data files written to %1: %2</source>
        <translation>File di dati scritti in %1: %2</translation>
    </message>
    <message>
        <source>The export to %1 stopped after %2 data files: %3</source>
        <translation>L&apos;esportazione in %1 si è fermata dopo %2 file di dati: %3</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>Cancella il filtro</translation>
    </message>
    <message>
        <source>No trailer is chosen: choose one in the list.</source>
        <translation>Nessun rimorchio scelto: sceglierne uno nell&apos;elenco.</translation>
    </message>
    <message>
        <source>The findings rules %1 cannot be used (line %2: %3); the default rules apply.</source>
        <translation>Le regole dei rilievi %1 non sono utilizzabili (riga %2: %3); valgono le regole predefinite.</translation>
    </message>
    <message>
        <source>Needs &amp;attention</source>
        <translation>Richiede &amp;attenzione</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Richiede attenzione</translation>
    </message>
    <message>
        <source>Shows only the trailers whose latest download has a finding of severity attention</source>
        <translation>Mostra solo i rimorchi il cui ultimo scaricamento ha un rilievo di livello attenzione</translation>
    </message>
    <message>
        <source>Findings of the visit</source>
        <translation>Rilievi della visita</translation>
    </message>
    <message>
        <source>Findings of the visit %1:</source>
        <translation>Rilievi della visita %1:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>Identification, plate, fleet number or customer</source>
        <translation>Identificazione, targa, numero di flotta o cliente</translation>
    </message>
    <message>
        <source>Shows only the trailers whose identification, plate, fleet number or customer holds this text</source>
        <translation>Mostra solo i rimorchi la cui identificazione, targa, numero di flotta o cliente contiene questo testo</translation>
    </message>
    <message>
        <source>The details of %1 cannot be saved: %2</source>
        <translation>Impossibile salvare i dati di %1: %2</translation>
    </message>
    <message>
        <source>Saving the details of %1...</source>
        <translation>Salvataggio dei dati di %1...</translation>
    </message>
    <message>
        <source>The details of %1 are saved.</source>
        <translation>I dati di %1 sono salvati.</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceModel</name>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Tempo (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significato</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceView</name>
    <message>
        <source>Link Trace</source>
        <translation>Traccia collegamento</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>S&amp;vuota</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Salva traccia collegamento</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The link trace was not saved: %1.</source>
        <translation>La traccia del collegamento non è stata salvata: %1.</translation>
    </message>
</context>
<context>
    <name>hm::PageLayout</name>
    <message>
        <source>Not Set</source>
        <translation>Non impostata</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non salvato</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ATTIVO</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>INATTIVO</translation>
    </message>
</context>
<context>
    <name>hm::PageRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot draw the page</source>
        <translation>impossibile disegnare la pagina</translation>
    </message>
    <message>
        <source>cannot encode the image</source>
        <translation>impossibile codificare l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>hm::PortAccessWatch</name>
    <message>
        <source>No permission to open %1.
Add your user to the &apos;%2&apos; group (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Nessun permesso per aprire %1.
Aggiungere il proprio utente al gruppo &apos;%2&apos; (sudo usermod -aG %2 $USER), poi uscire e rientrare nella sessione.</translation>
    </message>
</context>
<context>
    <name>hm::PrintModule</name>
    <message>
        <source>the printing module is missing (%1)</source>
        <translation>manca il modulo di stampa (%1)</translation>
    </message>
</context>
<context>
    <name>hm::QtFileUi</name>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Haulmetry Data Files (*.asc)</source>
        <translation>File di dati Haulmetry (*.asc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>hm::ReportFacts</name>
    <message>
        <source>the logo %1 is left out: %2</source>
        <translation>il logo %1 è omesso: %2</translation>
    </message>
</context>
<context>
    <name>hm::ReportLogo</name>
    <message>
        <source>is larger than 2 MiB</source>
        <translation>supera 2 MiB</translation>
    </message>
    <message>
        <source>is a PNG image larger than 8000 x 8000 pixels or damaged</source>
        <translation>è un&apos;immagine PNG oltre 8000 x 8000 pixel o danneggiata</translation>
    </message>
    <message>
        <source>is a damaged PNG image</source>
        <translation>è un&apos;immagine PNG danneggiata</translation>
    </message>
    <message>
        <source>is not a PNG or SVG image</source>
        <translation>non è un&apos;immagine PNG o SVG</translation>
    </message>
    <message>
        <source>is an SVG image that refers to other files or holds a script</source>
        <translation>è un&apos;immagine SVG che rimanda ad altri file o contiene uno script</translation>
    </message>
</context>
<context>
    <name>hm::ReportMenu</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Salva rapporto come PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>File PDF (*.pdf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The report was not saved: %1.</source>
        <translation>Il rapporto non è stato salvato: %1.</translation>
    </message>
    <message>
        <source>The report was not printed: %1</source>
        <translation>Il rapporto non è stato stampato: %1</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>Salva &amp;rapporto come PDF...</translation>
    </message>
    <message>
        <source>Print &amp;All Pages...</source>
        <translation>Stampa &amp;tutte le pagine...</translation>
    </message>
</context>
<context>
    <name>hm::ReportPages</name>
    <message>
        <source>ECU Type</source>
        <translation>Tipo di ECU</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Stability Records</source>
        <translation>Registrazioni di stabilità</translation>
    </message>
    <message>
        <source>Summary Totals</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Fleet Data Report</source>
        <translation>Rapporto dati flotta</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Distance driven</source>
        <translation>Distanza percorsa</translation>
    </message>
    <message>
        <source>Distance by reservoir pressure</source>
        <translation>Distanza per pressione del serbatoio</translation>
    </message>
    <message>
        <source>Distance by load</source>
        <translation>Distanza per carico</translation>
    </message>
    <message>
        <source>Brake applications by pressure</source>
        <translation>Frenate per pressione</translation>
    </message>
    <message>
        <source>Brake applications by speed</source>
        <translation>Frenate per velocità</translation>
    </message>
    <message>
        <source>Brake applications over the distance</source>
        <translation>Frenate sulla distanza</translation>
    </message>
    <message>
        <source>ABS events over the distance</source>
        <translation>Eventi ABS sulla distanza</translation>
    </message>
    <message>
        <source>Roll-over events over the distance</source>
        <translation>Ribaltamenti sulla distanza</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Fleet Number</source>
        <translation>Numero di flotta</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Targa</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Tel. %1</translation>
    </message>
    <message>
        <source>Visit Date</source>
        <translation>Data della visita</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Rilievi</translation>
    </message>
    <message>
        <source>Findings of This Visit</source>
        <translation>Rilievi di questa visita</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Nessun rilievo.</translation>
    </message>
    <message>
        <source>And %1 more findings.</source>
        <translation>E altri %1 rilievi.</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit</source>
        <translation>Variazione dalla visita precedente</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit (%1)</source>
        <translation>Variazione dalla visita precedente (%1)</translation>
    </message>
    <message>
        <source>The library holds no earlier visit of this trailer.</source>
        <translation>La libreria non contiene visite precedenti di questo rimorchio.</translation>
    </message>
    <message>
        <source>The library holds no visit of this trailer: the findings are those of this download alone.</source>
        <translation>La libreria non contiene visite di questo rimorchio: i rilievi riguardano solo questo scaricamento.</translation>
    </message>
    <message>
        <source>Workshop Confirmation</source>
        <translation>Conferma dell&apos;officina</translation>
    </message>
    <message>
        <source>Checked by the Technician</source>
        <translation>Controllato dal tecnico</translation>
    </message>
    <message>
        <source>Technician&apos;s Name</source>
        <translation>Nome del tecnico</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
</context>
<context>
    <name>hm::ReportRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Fleet Data Report %1</source>
        <translation>Rapporto dati flotta %1</translation>
    </message>
    <message>
        <source>cannot draw the pages</source>
        <translation>impossibile disegnare le pagine</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>impossibile iniziare una nuova pagina</translation>
    </message>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>Impossibile aprire la stampante.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La stampante ha segnalato un errore.</translation>
    </message>
    <message>
        <source>Brake system fleet data of the trailer %1</source>
        <translation>Dati di flotta dell&apos;impianto frenante del rimorchio %1</translation>
    </message>
    <message>
        <source>fleet data report</source>
        <translation>rapporto dati flotta</translation>
    </message>
    <message>
        <source>the logo %1 %2; the report is made without it</source>
        <translation>il logo %1: %2; il rapporto viene creato senza</translation>
    </message>
</context>
<context>
    <name>hm::Session</name>
    <message>
        <source>line hung up</source>
        <translation>linea riagganciata</translation>
    </message>
    <message>
        <source>no valid answer in time</source>
        <translation>nessuna risposta valida in tempo</translation>
    </message>
    <message>
        <source>%1 (waiting for %2)</source>
        <translation>%1 (in attesa di %2)</translation>
    </message>
    <message>
        <source>The connection to the ECU was lost (%1): the data downloaded from this ECU was saved to
%2</source>
        <translation>La connessione con l&apos;ECU è stata persa (%1): i dati scaricati da questa ECU sono stati salvati in
%2</translation>
    </message>
    <message>
        <source>A download from the ECU started while the file was being chosen, so %1 was not loaded. Load it again when the download is over.</source>
        <translation>Durante la scelta del file è iniziato uno scaricamento dall&apos;ECU, quindi %1 non è stato caricato. Caricarlo di nuovo al termine dello scaricamento.</translation>
    </message>
    <message>
        <source>Before the reload, the data downloaded from this ECU was saved to
%1</source>
        <translation>Prima del ricaricamento, i dati scaricati da questa ECU sono stati salvati in
%1</translation>
    </message>
    <message>
        <source>The data was not reloaded from the ECU.</source>
        <translation>I dati non sono stati ricaricati dall&apos;ECU.</translation>
    </message>
    <message>
        <source> [ Closing... ]</source>
        <translation> [ Chiusura... ]</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU could not be saved to %1: %2</source>
        <translation>Non è stato possibile salvare i dati scaricati da questa ECU in %1: %2</translation>
    </message>
    <message>
        <source>Nothing was erased.</source>
        <translation>Non è stato cancellato nulla.</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has been saved to
%1</source>
        <translation>I dati scaricati da questa ECU sono stati salvati in
%1</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has already been saved to
%1</source>
        <translation>I dati scaricati da questa ECU erano già stati salvati in
%1</translation>
    </message>
    <message>
        <source>Erase the extended fleet information from the ECU now?</source>
        <translation>Cancellare ora le informazioni flotta estese dall&apos;ECU?</translation>
    </message>
    <message>
        <source>Erase the stability snapshots from the ECU now?</source>
        <translation>Cancellare ora le istantanee di stabilità dall&apos;ECU?</translation>
    </message>
    <message>
        <source>%1 is not a data image: %2</source>
        <translation>%1 non è un&apos;immagine di dati: %2</translation>
    </message>
    <message>
        <source>%1 was not loaded: %2</source>
        <translation>%1 non è stato caricato: %2</translation>
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
        <translation>rimanda a un file o a un indirizzo esterno (%1)</translation>
    </message>
    <message>
        <source>it holds an event handler (%1), which runs code</source>
        <translation>contiene un gestore di eventi (%1), che esegue codice</translation>
    </message>
    <message>
        <source>it holds a script</source>
        <translation>contiene uno script</translation>
    </message>
    <message>
        <source>it declares entities</source>
        <translation>dichiara entità</translation>
    </message>
    <message>
        <source>its document type refers to an outside file (remove the DOCTYPE line)</source>
        <translation>il suo tipo di documento rimanda a un file esterno (togliere la riga DOCTYPE)</translation>
    </message>
    <message>
        <source>it takes a style sheet from an outside file</source>
        <translation>prende un foglio di stile da un file esterno</translation>
    </message>
    <message>
        <source>its style refers to an outside file or address</source>
        <translation>il suo stile rimanda a un file o a un indirizzo esterno</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>supera %1 MiB</translation>
    </message>
    <message>
        <source>it is neither a PNG nor an SVG picture</source>
        <translation>non è un&apos;immagine PNG né SVG</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>nessun file indicato</translation>
    </message>
    <message>
        <source>The logo %1 cannot be used: %2.</source>
        <translation>Il logo %1 non si può usare: %2.</translation>
    </message>
</context>
<context>
    <name>hm::cli</name>
    <message>
        <source>haulmetry %1: expected one data file, got %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: atteso un file di dati, ricevuti %2 (vedere haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: %3</source>
        <translation>haulmetry %1: %2: %3</translation>
    </message>
    <message>
        <source>haulmetry %1: missing -o %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: manca -o %2 (vedere haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>--passes needs a number from 1 to 1000</source>
        <translation>--passes richiede un numero da 1 a 1000</translation>
    </message>
    <message>
        <source>--max-failures needs a number from 1 to 1000</source>
        <translation>--max-failures richiede un numero da 1 a 1000</translation>
    </message>
    <message>
        <source>--timeout needs seconds from 1 to 86400</source>
        <translation>--timeout richiede secondi da 1 a 86400</translation>
    </message>
    <message>
        <source>--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)</source>
        <translation>--key richiede ROT,MUL,DIV (ROT 0..15, DIV diverso da 0)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso &apos;%1&apos;</translation>
    </message>
    <message>
        <source>-o FILE is required</source>
        <translation>-o FILE è obbligatorio</translation>
    </message>
    <message>
        <source>haulmetry download: only %1 ports can be used; not used: %2</source>
        <translation>haulmetry download: si possono usare solo %1 porte; non usate: %2</translation>
    </message>
    <message>
        <source>haulmetry download: the ECU gave no valid answer to %1 (%2 refusals or time-outs in a row without progress; last: %3)</source>
        <translation>haulmetry download: l&apos;ECU non ha dato una risposta valida a %1 (%2 rifiuti o timeout di fila senza progressi; ultimo: %3)</translation>
    </message>
    <message>
        <source>haulmetry download: no complete download within %1 s%2</source>
        <translation>haulmetry download: nessun download completo entro %1 s%2</translation>
    </message>
    <message>
        <source> (waiting for %1)</source>
        <translation> (in attesa di %1)</translation>
    </message>
    <message>
        <source>haulmetry download: %1</source>
        <translation>haulmetry download: %1</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (tried %1)</source>
        <translation>haulmetry download: nessuna ECU trovata (provate: %1)</translation>
    </message>
    <message>
        <source>haulmetry download: the download did not finish</source>
        <translation>haulmetry download: il download non è terminato</translation>
    </message>
    <message>
        <source>haulmetry download: cannot save %1: %2</source>
        <translation>haulmetry download: impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (no serial port to try)</source>
        <translation>haulmetry download: nessuna ECU trovata (nessuna porta seriale da provare)</translation>
    </message>
    <message>
        <source>haulmetry download: cannot write the trace file %1: %2</source>
        <translation>haulmetry download: impossibile scrivere il file di traccia %1: %2</translation>
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
        <translation>haulmetry graph: attesi un file di dati e un numero di grafico, ricevuti %1 argomento/i (vedere haulmetry graph --help)</translation>
    </message>
    <message>
        <source>haulmetry graph: graph number must be 0 to 10, not &apos;%1&apos;</source>
        <translation>haulmetry graph: il numero del grafico deve essere da 0 a 10, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>haulmetry page: %1</source>
        <translation>haulmetry page: %1</translation>
    </message>
    <message>
        <source>--graph needs a number from 1 to 10</source>
        <translation>--graph richiede un numero da 1 a 10</translation>
    </message>
    <message>
        <source>--record needs a number from 1 to 32</source>
        <translation>--record richiede un numero da 1 a 32</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argomento inatteso &apos;%1&apos; (vedere --help)</translation>
    </message>
    <message>
        <source>usage: haulmetry page FILE (--graph N | --record N) -o OUT</source>
        <translation>uso: haulmetry page FILE (--graph N | --record N) -o OUT</translation>
    </message>
    <message>
        <source>OUT must end in .pdf or .png</source>
        <translation>OUT deve terminare con .pdf o .png</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 stability records, not %3</source>
        <translation>%1 contiene %2 registrazioni di stabilità, non %3</translation>
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
        <translation>haulmetry table: atteso almeno un file o una cartella (vedere haulmetry table --help)</translation>
    </message>
    <message>
        <source>haulmetry table: no data file could be read</source>
        <translation>haulmetry table: non è stato possibile leggere alcun file di dati</translation>
    </message>
    <message>
        <source>haulmetry table: %1 folder(s) could not be listed; their files are missing from the table</source>
        <translation>haulmetry table: non è stato possibile elencare %1 cartella/e; i loro file mancano dalla tabella</translation>
    </message>
    <message>
        <source>haulmetry library %1: %2</source>
        <translation>haulmetry library %1: %2</translation>
    </message>
    <message>
        <source>no download of the trailer %1 in %2</source>
        <translation>nessuno scaricamento del rimorchio %1 nell&apos;%2</translation>
    </message>
    <message>
        <source>haulmetry library: expected a subcommand (see haulmetry library --help)</source>
        <translation>haulmetry library: atteso un sottocomando (vedere haulmetry library --help)</translation>
    </message>
    <message>
        <source>haulmetry library: unknown subcommand %1 (see haulmetry library --help)</source>
        <translation>haulmetry library: sottocomando sconosciuto %1 (vedere haulmetry library --help)</translation>
    </message>
    <message>
        <source>expected at least one file or folder</source>
        <translation>atteso almeno un file o una cartella</translation>
    </message>
    <message>
        <source>no data file could be read</source>
        <translation>non è stato possibile leggere alcun file di dati</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 skipped</source>
        <translation>%1 aggiunto/i, %2 già nell&apos;archivio, %3 in attesa nella coda locale, %4 saltato/i</translation>
    </message>
    <message>
        <source>missing -o FOLDER (see haulmetry library export --help)</source>
        <translation>manca -o CARTELLA (vedere haulmetry library export --help)</translation>
    </message>
    <message>
        <source>expected one trailer identification (see haulmetry library %1 --help)</source>
        <translation>attesa una identificazione del rimorchio (vedere haulmetry library %1 --help)</translation>
    </message>
    <message>
        <source>averages, older and newer side by side</source>
        <translation>medie, precedente e successiva affiancate</translation>
    </message>
    <message>
        <source>usage; counters were reset between the downloads, counted since</source>
        <translation>utilizzo; i contatori sono stati azzerati tra gli scaricamenti, contato da allora</translation>
    </message>
    <message>
        <source>usage between the downloads</source>
        <translation>utilizzo tra gli scaricamenti</translation>
    </message>
    <message>
        <source>graph %1: %2 (%3)</source>
        <translation>grafico %1: %2 (%3)</translation>
    </message>
    <message>
        <source>, with SLP %1 (%2 -&gt; %3)</source>
        <translation>, con SLP %1 (%2 -&gt; %3)</translation>
    </message>
    <message>
        <source>--%1 expects a date YYYY-MM-DD[THH:MM[:SS]]</source>
        <translation>--%1 richiede una data AAAA-MM-GG[Thh:mm[:ss]]</translation>
    </message>
    <message>
        <source>fewer than two downloads of that trailer to compare</source>
        <translation>meno di due scaricamenti di quel rimorchio da confrontare</translation>
    </message>
    <message>
        <source>trailer %1</source>
        <translation>rimorchio %1</translation>
    </message>
    <message>
        <source>older: %1 %2</source>
        <translation>precedente: %1 %2</translation>
    </message>
    <message>
        <source>newer: %1 %2</source>
        <translation>successivo: %1 %2</translation>
    </message>
    <message>
        <source>%1 already in the library as the same visit</source>
        <translation>%1 già nell&apos;archivio come la stessa visita</translation>
    </message>
    <message>
        <source>%1 copied, %2 already there, %3 skipped</source>
        <translation>%1 copiato/i, %2 già presente/i, %3 saltato/i</translation>
    </message>
    <message>
        <source>expected two libraries, FROM and TO (see haulmetry library copy --help)</source>
        <translation>attesi due archivi, FROM e TO (vedere haulmetry library copy --help)</translation>
    </message>
    <message>
        <source>Copies every download of the library FROM into the library TO (each an SQLite file or a postgresql:// URL), keeping each download&apos;s identification, times, computer, workshop, source and path. TO is created or brought forward as an import would. Each batch is one transaction and data already in TO is not stored twice, so a copy that was cut off is finished by running it again. An image that does not match its hash is named and skipped.</source>
        <translation>Copia ogni scaricamento dell&apos;archivio FROM nell&apos;archivio TO (ciascuno un file SQLite o un URL postgresql://), mantenendo identificazione, orari, computer, officina, origine e percorso di ciascuno. TO viene creato o aggiornato come da un&apos;importazione. Ogni lotto è una transazione e i dati già presenti in TO non vengono salvati due volte, quindi una copia interrotta si completa eseguendola di nuovo. Un&apos;immagine che non corrisponde al suo hash viene indicata e saltata.</translation>
    </message>
    <message>
        <source>The library to read.</source>
        <translation>L&apos;archivio da leggere.</translation>
    </message>
    <message>
        <source>The library to add to.</source>
        <translation>L&apos;archivio a cui aggiungere.</translation>
    </message>
    <message>
        <source>Writes a copy of the SQLite library into the new file FILE with SQLite&apos;s online backup: safe while the window and other commands use the library. The copy is checked before it gets its name; an existing FILE is never replaced. A shared library is backed up on its server with pg_dump, or copied into an SQLite file with library copy.</source>
        <translation>Scrive una copia dell&apos;archivio SQLite nel nuovo file FILE con il backup online di SQLite: sicuro mentre la finestra e altri comandi usano l&apos;archivio. La copia viene controllata prima di ricevere il suo nome; un FILE esistente non viene mai sostituito. Un archivio condiviso si salva sul suo server con pg_dump, oppure si copia in un file SQLite con library copy.</translation>
    </message>
    <message>
        <source>The new file.</source>
        <translation>Il nuovo file.</translation>
    </message>
    <message>
        <source>expected one FILE (see haulmetry library backup --help)</source>
        <translation>atteso un FILE (vedere haulmetry library backup --help)</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Nessun rilievo.</translation>
    </message>
    <message>
        <source>haulmetry %1: unknown format &quot;%2&quot; (text or json)</source>
        <translation>haulmetry %1: formato sconosciuto &quot;%2&quot; (text o json)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: warning: %3</source>
        <translation>haulmetry %1: %2: avviso: %3</translation>
    </message>
    <message>
        <source>since the older download: %1, of them %2 in the current interval</source>
        <translation>dal download precedente: %1, di cui %2 nell&apos;intervallo in corso</translation>
    </message>
    <message>
        <source>; %1 intervals driven in between are no longer held (missing)</source>
        <translation>; %1 intervalli percorsi nel frattempo non sono più conservati (mancanti)</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 not stored, %5 skipped</source>
        <translation>%1 aggiunti, %2 già nell&apos;archivio, %3 in attesa nella coda locale, %4 non salvati, %5 saltati</translation>
    </message>
    <message>
        <source>expected one WORKSHOP</source>
        <translation>attesa un&apos;OFFICINA</translation>
    </message>
    <message>
        <source>%1 cannot be a workshop&apos;s role: use lower-case letters, digits and _, starting with a letter (at most 63, not pg_...)</source>
        <translation>%1 non può essere il ruolo di un&apos;officina: usare minuscole, cifre e _, iniziando con una lettera (al massimo 63, non pg_...)</translation>
    </message>
    <message>
        <source>%1 is set up for workshops (group role %2); add one with haulmetry library grant WORKSHOP
</source>
        <translation>%1 è predisposto per le officine (ruolo di gruppo %2); aggiungerne una con haulmetry library grant WORKSHOP
</translation>
    </message>
    <message>
        <source>The workshop %1 may add to and read %2.
</source>
        <translation>L&apos;officina %1 può leggere %2 e aggiungervi.
</translation>
    </message>
    <message>
        <source>Its password (shown only now; for the workshop&apos;s ~/.pgpass): %1
</source>
        <translation>La sua password (mostrata solo ora; per il ~/.pgpass dell&apos;officina): %1
</translation>
    </message>
    <message>
        <source>The workshop %1 may no longer use %2.
</source>
        <translation>L&apos;officina %1 non può più usare %2.
</translation>
    </message>
    <message>
        <source>no findings</source>
        <translation>nessun rilievo</translation>
    </message>
    <message>
        <source>Fleet of %1 trailer(s): median and 90th percentile per figure</source>
        <translation>Flotta di %1 rimorchio/i: mediana e 90° percentile per valore</translation>
    </message>
    <message>
        <source>expected at most one trailer identification</source>
        <translation>attesa al massimo una identificazione di rimorchio</translation>
    </message>
    <message>
        <source>unknown format %1 (text or json)</source>
        <translation>formato sconosciuto %1 (text o json)</translation>
    </message>
    <message>
        <source>unknown format %1 (text, csv, json or xlsx)</source>
        <translation>formato sconosciuto %1 (text, csv, json o xlsx)</translation>
    </message>
    <message>
        <source>haulmetry %1: --format must be csv, json or xlsx, not &apos;%2&apos;</source>
        <translation>haulmetry %1: --format deve essere csv, json o xlsx, non &apos;%2&apos;</translation>
    </message>
    <message>
        <source>haulmetry %1: a spreadsheet is not written to a terminal; give -o FILE</source>
        <translation>haulmetry %1: un foglio di calcolo non viene scritto su un terminale; indicare -o FILE</translation>
    </message>
    <message>
        <source>haulmetry %1: the spreadsheet could not be made: %2</source>
        <translation>haulmetry %1: impossibile creare il foglio di calcolo: %2</translation>
    </message>
    <message>
        <source>trailer %1:</source>
        <translation>rimorchio %1:</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>targa</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>numero di flotta</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>cliente</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>note</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>nessun dato</translation>
    </message>
    <message>
        <source>%1 is the plate or fleet number of %2 trailers (%3); give the identification</source>
        <translation>%1 è la targa o il numero di flotta di %2 rimorchi (%3); indicare l&apos;identificazione</translation>
    </message>
    <message>
        <source>%1 change(s) of trailers&apos; details copied</source>
        <translation>%1 modifica/e dei dati dei rimorchi copiata/e</translation>
    </message>
    <message>
        <source>nothing to set: give --plate, --fleet-number, --customer or --notes (see haulmetry library set --help)</source>
        <translation>niente da impostare: indicare --plate, --fleet-number, --customer o --notes (vedere haulmetry library set --help)</translation>
    </message>
    <message>
        <source>changes of the details:</source>
        <translation>modifiche dei dati:</translation>
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
        <translation>%1 dall&apos;ultima visita: %2</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km</source>
        <translation>Percorsi %1 km in sovraccarico</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km since the last visit</source>
        <translation>Percorsi %1 km in sovraccarico dall&apos;ultima visita</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar</source>
        <translation>Percorsi %1 km con la pressione del serbatoio sotto 6.5 bar</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar since the last visit</source>
        <translation>Percorsi %1 km con la pressione del serbatoio sotto 6.5 bar dall&apos;ultima visita</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone in the last %2 km: %1</source>
        <translation>Frenate con la sola alimentazione delle luci di arresto negli ultimi %2 km: %1</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone since the last visit: %1</source>
        <translation>Frenate con la sola alimentazione delle luci di arresto dall&apos;ultima visita: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Eventi di ribaltamento: %1</translation>
    </message>
    <message>
        <source>Roll-over events since the last visit: %1</source>
        <translation>Eventi di ribaltamento dall&apos;ultima visita: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>Eventi ABS: %1</translation>
    </message>
    <message>
        <source>ABS events since the last visit: %1</source>
        <translation>Eventi ABS dall&apos;ultima visita: %1</translation>
    </message>
    <message>
        <source>Stability records: %1</source>
        <translation>Registrazioni di stabilità: %1</translation>
    </message>
    <message>
        <source>New stability records since the last visit: %1</source>
        <translation>Nuove registrazioni di stabilità dall&apos;ultima visita: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above: %1</source>
        <translation>Frenate a 6 bar e oltre: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above since the last visit: %1</source>
        <translation>Frenate a 6 bar e oltre dall&apos;ultima visita: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts since the last visit start at the erase</source>
        <translation>I dati della centralina sono stati cancellati tra le visite: i conteggi dall&apos;ultima visita partono dalla cancellazione</translation>
    </message>
    <message>
        <source> (%1 per 1000 km)</source>
        <translation> (%1 ogni 1000 km)</translation>
    </message>
    <message>
        <source> (%1 of the distance)</source>
        <translation> (%1 della distanza)</translation>
    </message>
    <message>
        <source> (%1 of the brake applications)</source>
        <translation> (%1 delle frenate)</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 di %2)</translation>
    </message>
    <message>
        <source>, above the fleet&apos;s 90th percentile of %1</source>
        <translation>, sopra il 90° percentile della flotta, %1</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>hm::figures::RulesFile</name>
    <message>
        <source>the rule ends before its figure</source>
        <translation>la regola finisce prima dell&apos;indicatore</translation>
    </message>
    <message>
        <source>unknown figure %1</source>
        <translation>indicatore sconosciuto %1</translation>
    </message>
    <message>
        <source>%1 sums the last 14000 km and has no change since the last visit</source>
        <translation>%1 somma gli ultimi 14000 km e non ha variazione dall&apos;ultima visita</translation>
    </message>
    <message>
        <source>the rule ends before its comparison (&gt;, &gt;=, &lt; or &lt;=)</source>
        <translation>la regola finisce prima del confronto (&gt;, &gt;=, &lt; o &lt;=)</translation>
    </message>
    <message>
        <source>a comparison (&gt;, &gt;=, &lt; or &lt;=) was expected, not %1</source>
        <translation>era atteso un confronto (&gt;, &gt;=, &lt; o &lt;=), non %1</translation>
    </message>
    <message>
        <source>the rule ends before its number</source>
        <translation>la regola finisce prima del numero</translation>
    </message>
    <message>
        <source>bad number %1 (write a decimal point, such as 2.5)</source>
        <translation>numero non valido %1 (scrivere un punto decimale, come 2.5)</translation>
    </message>
    <message>
        <source>%1 belongs after the number of a share only</source>
        <translation>%1 va solo dopo il numero di una quota</translation>
    </message>
    <message>
        <source>the rule ends before its message</source>
        <translation>la regola finisce prima del messaggio</translation>
    </message>
    <message>
        <source>unknown message %1</source>
        <translation>messaggio sconosciuto %1</translation>
    </message>
    <message>
        <source>%1 after the end of the rule</source>
        <translation>%1 dopo la fine della regola</translation>
    </message>
    <message>
        <source>unknown severity %1 (info or attention)</source>
        <translation>gravità sconosciuta %1 (info o attention)</translation>
    </message>
    <message>
        <source>this rule holds for every download</source>
        <translation>questa regola vale per ogni scaricamento</translation>
    </message>
    <message>
        <source>this rule never holds</source>
        <translation>questa regola non vale mai</translation>
    </message>
    <message>
        <source>too large for a rules file (over 1 MiB)</source>
        <translation>troppo grande per un file di regole (oltre 1 MiB)</translation>
    </message>
    <message>
        <source>not a text file (it holds zero bytes)</source>
        <translation>non è un file di testo (contiene byte nulli)</translation>
    </message>
</context>
<context>
    <name>hm::library::LibraryReport</name>
    <message>
        <source>Driven: %1 km</source>
        <translation>Percorsi: %1 km</translation>
    </message>
    <message>
        <source>Brake applications: %1</source>
        <translation>Frenate: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>Eventi ABS: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Ribaltamenti: %1</translation>
    </message>
    <message>
        <source>Driven overloaded: %1 km</source>
        <translation>Percorsi in sovraccarico: %1 km</translation>
    </message>
    <message>
        <source>Driven at low reservoir pressure: %1 km</source>
        <translation>Percorsi con bassa pressione del serbatoio: %1 km</translation>
    </message>
    <message>
        <source>New stability records: %1</source>
        <translation>Nuove registrazioni di stabilità: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts start at the erase.</source>
        <translation>I dati della ECU sono stati cancellati tra le visite: i conteggi partono dalla cancellazione.</translation>
    </message>
</context>
<context>
    <name>hm::str</name>
    <message>
        <source>&amp;About Haulmetry...</source>
        <comment>101</comment>
        <translation>&amp;Informazioni su Haulmetry...</translation>
    </message>
    <message>
        <source> </source>
        <comment>202</comment>
        <translation> </translation>
    </message>
    <message>
        <source>1.  Average Braking Time v Peak Demand Pressure</source>
        <comment>203</comment>
        <translation>1.  Durata media frenata / pressione di comando max.</translation>
    </message>
    <message>
        <source>2.  Number of Brake Applications v Peak Demand Pressure</source>
        <comment>204</comment>
        <translation>2.  Numero di frenate / pressione di comando max.</translation>
    </message>
    <message>
        <source>3.  Total Braking Time v Peak Demand Pressure</source>
        <comment>205</comment>
        <translation>3.  Durata totale frenate / pressione di comando max.</translation>
    </message>
    <message>
        <source>4.  Average Pressure v Braking Start Speed</source>
        <comment>206</comment>
        <translation>4.  Pressione media / velocità a inizio frenata</translation>
    </message>
    <message>
        <source>5.  Number of of Brake Applications v Braking Start Speed</source>
        <comment>207</comment>
        <translation>5.  Numero di frenate / velocità a inizio frenata</translation>
    </message>
    <message>
        <source>6.  Brake Applications v Distance</source>
        <comment>208</comment>
        <translation>6.  Frenate / distanza</translation>
    </message>
    <message>
        <source>7.  ABS Events v Distance</source>
        <comment>209</comment>
        <translation>7.  Interventi ABS / distanza</translation>
    </message>
    <message>
        <source>8.  Rollover Events v Distance</source>
        <comment>210</comment>
        <translation>8.  Interventi RSS / distanza</translation>
    </message>
    <message>
        <source>9.  Distance v Percentage Load</source>
        <comment>211</comment>
        <translation>9.  Distanza / percentuale di carico</translation>
    </message>
    <message>
        <source>10. Distance v Reservoir Pressure</source>
        <comment>212</comment>
        <translation>10. Distanza / pressione serbatoio</translation>
    </message>
    <message>
        <source>Stability Snapshot</source>
        <comment>213</comment>
        <translation>Istantanea di stabilità</translation>
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
        <translation>(Ogni barra rappresenta 500 km)</translation>
    </message>
    <message>
        <source>(Percentage Load (100% = Fully Laden) )</source>
        <comment>222</comment>
        <translation>(Percentuale di carico (100% = pieno carico) )</translation>
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
        <translation>(N.)</translation>
    </message>
    <message>
        <source>(km)</source>
        <comment>227</comment>
        <translation>(km)</translation>
    </message>
    <message>
        <source>Save   ?</source>
        <comment>228</comment>
        <translation>Salvare %1?</translation>
    </message>
    <message>
        <source> Haulmetry</source>
        <comment>229</comment>
        <translation> Haulmetry</translation>
    </message>
    <message>
        <source>Select Data to Erase From ECU</source>
        <comment>230</comment>
        <translation>Dati da cancellare dall&apos;ECU</translation>
    </message>
    <message>
        <source>Extended Fleet Information</source>
        <comment>231</comment>
        <translation>Informazioni flotta estese</translation>
    </message>
    <message>
        <source>Stability Snapshot Information</source>
        <comment>232</comment>
        <translation>Informazioni sull&apos;istantanea di stabilità</translation>
    </message>
    <message>
        <source>Load Haulmetry Data From File</source>
        <comment>236</comment>
        <translation>Carica dati Haulmetry da file</translation>
    </message>
    <message>
        <source>Save ECU Extended Fleet Data To File</source>
        <comment>237</comment>
        <translation>Salva i dati flotta estesi dell&apos;ECU su file</translation>
    </message>
    <message>
        <source>Write To ECU</source>
        <comment>238</comment>
        <translation>Scrivi nell&apos;ECU</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <comment>239</comment>
        <translation>Chiudi il programma</translation>
    </message>
    <message>
        <source>Cancel without Updating ECU</source>
        <comment>240</comment>
        <translation>Annulla senza modificare l&apos;ECU</translation>
    </message>
    <message>
        <source>Proceed with Write Operation</source>
        <comment>241</comment>
        <translation>Esegui la scrittura</translation>
    </message>
    <message>
        <source>Reload Data From ECU</source>
        <comment>242</comment>
        <translation>Ricarica i dati dall&apos;ECU</translation>
    </message>
    <message>
        <source>View Next Graph</source>
        <comment>243</comment>
        <translation>Grafico successivo</translation>
    </message>
    <message>
        <source>View Previous Graph</source>
        <comment>244</comment>
        <translation>Grafico precedente</translation>
    </message>
    <message>
        <source>Select Info To Clear</source>
        <comment>245</comment>
        <translation>Scegli info da cancellare</translation>
    </message>
    <message>
        <source>Write Current Extended Fleet Values To ECU</source>
        <comment>246</comment>
        <translation>Scrivi i valori flotta attuali nell&apos;ECU</translation>
    </message>
    <message>
        <source>ECU Does Not Support Haulmetry</source>
        <comment>247</comment>
        <translation>L&apos;ECU non supporta Haulmetry</translation>
    </message>
    <message>
        <source> [ No Data Loaded ]</source>
        <comment>248</comment>
        <translation> [ Nessun dato caricato ]</translation>
    </message>
    <message>
        <source> [ ECU Data ]</source>
        <comment>249</comment>
        <translation> [ Dati dell&apos;ECU ]</translation>
    </message>
    <message>
        <source>Information about this Graph</source>
        <comment>250</comment>
        <translation>Informazioni su questo grafico</translation>
    </message>
    <message>
        <source>Preview/Print this Graph</source>
        <comment>252</comment>
        <translation>Anteprima/stampa di questo grafico</translation>
    </message>
    <message>
        <source>Filename</source>
        <comment>260</comment>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Vehicle Ident Number</source>
        <comment>261</comment>
        <translation>Numero di identificazione veicolo</translation>
    </message>
    <message>
        <source>ECU Data Saved At:</source>
        <comment>262</comment>
        <translation>Dati ECU salvati il:</translation>
    </message>
    <message>
        <source>The duration of each brake application is recorded against the peak demand pressure. The data shows a graph of average time for a brake application in each of the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>265</comment>
        <translation>La durata di ogni frenata viene registrata rispetto alla pressione di comando massima. Il grafico mostra la durata media di una frenata in ciascun intervallo di pressione di 0,5 Bar, da 0 a 8 Bar.</translation>
    </message>
    <message>
        <source>For each brake application, the peak demand pressure during the application is recorded. The data shows a graph of the number of brake applications for 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>266</comment>
        <translation>Per ogni frenata viene registrata la pressione di comando massima raggiunta durante la frenata. Il grafico mostra il numero di frenate per intervallo di pressione di 0,5 Bar, da 0 a 8 Bar.</translation>
    </message>
    <message>
        <source>The duration of each brake application is measured and used to update the total braking time for the peak demand pressure in the brake application. The data shows a graph of the cumulative braking time for the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>267</comment>
        <translation>La durata di ogni frenata viene misurata e sommata alla durata totale di frenata della sua pressione di comando massima. Il grafico mostra la durata di frenata cumulata per intervallo di 0,5 Bar, da 0 a 8 Bar.</translation>
    </message>
    <message>
        <source>The peak demand pressure is monitored during each brake application and is then recorded against the speed measured at the start of the brake application.  The data shows a graph of average pressure for a brake application grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>268</comment>
        <translation>La pressione di comando massima viene monitorata durante ogni frenata e registrata rispetto alla velocità misurata all&apos;inizio della frenata. Il grafico mostra la pressione media di una frenata in intervalli di 10 km/h, da 0 a 160 km/h.</translation>
    </message>
    <message>
        <source>For each brake application, the speed at the start of the brake application is recorded. The data shows a graph of the number of brake applications grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>269</comment>
        <translation>Per ogni frenata viene registrata la velocità all&apos;inizio della frenata. Il grafico mostra il numero di frenate in intervalli di 10 km/h, da 0 a 160 km/h.</translation>
    </message>
    <message>
        <source>The data shows the total number of brake applications that occurred in groups of 500km interval, and the number of those which occurred when the trailer was powered only by the 24N supply. (Total Graph Range is 14000 km).</source>
        <comment>270</comment>
        <translation>Il grafico mostra il numero totale di frenate per tratti di 500 km e quante di esse sono avvenute con il rimorchio alimentato solo dall&apos;alimentazione 24N (luci di stop). (Campo totale del grafico: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of ABS events that have occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>271</comment>
        <translation>Il grafico mostra il numero totale di interventi ABS, raggruppati in tratti di 500 km. (Campo totale del grafico: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of Rollover events that occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>272</comment>
        <translation>Il grafico mostra il numero totale di interventi antiribaltamento (RSS), raggruppati in tratti di 500 km. (Campo totale del grafico: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the how the vehicle load has changed with distance. At the end of each Km travelled, the suspension pressure is recorded as a percentage (0% = Unladen, 100% = Fully Laden). In this way a &apos;Load Profile&apos; is built up.</source>
        <comment>273</comment>
        <translation>Il grafico mostra come è cambiato lo stato di carico del veicolo con la distanza. Alla fine di ogni km percorso la pressione delle sospensioni viene registrata in percentuale (0% = scarico, 100% = pieno carico). Si ottiene così un &apos;profilo di carico&apos;.</translation>
    </message>
    <message>
        <source>The data shows the how the reservoir pressure has changed with distance. At the end of each Km travelled, the reservoir pressure in 0.5 Bar steps is recorded.</source>
        <comment>274</comment>
        <translation>Il grafico mostra come è cambiata la pressione serbatoio con la distanza. Alla fine di ogni km percorso la pressione serbatoio viene registrata a passi di 0,5 Bar.</translation>
    </message>
    <message>
        <source>The stability snapshot records the output of the stability sensor together with the system parameters and signal states at the moment the ECU detected a stability event. The ECU keeps up to 32 snapshots.</source>
        <comment>275</comment>
        <translation>L&apos;istantanea di stabilità registra l&apos;uscita del sensore di stabilità insieme ai parametri di sistema e allo stato dei segnali nel momento in cui l&apos;ECU ha rilevato un evento di stabilità. L&apos;ECU conserva fino a 32 istantanee.</translation>
    </message>
    <message>
        <source> Print Preview</source>
        <comment>277</comment>
        <translation> Anteprima di stampa</translation>
    </message>
    <message>
        <source>Trying To Connect...</source>
        <comment>278</comment>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Display Information</source>
        <comment>279</comment>
        <translation>Mostra informazioni</translation>
    </message>
    <message>
        <source>Stability Snaphot</source>
        <comment>281</comment>
        <translation>Istantanea di stabilità</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>282</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Stability Sensor Output</source>
        <comment>283</comment>
        <translation>Uscita sensore di stabilità</translation>
    </message>
    <message>
        <source>Time Since Startup (HH:MM:SS)</source>
        <comment>284</comment>
        <translation>Tempo dall&apos;avvio (HH:MM:SS)</translation>
    </message>
    <message>
        <source>SYSTEM PARAMETERS</source>
        <comment>285</comment>
        <translation>PARAMETRI DI SISTEMA</translation>
    </message>
    <message>
        <source>Odometer</source>
        <comment>286</comment>
        <translation>Contachilometri</translation>
    </message>
    <message>
        <source>Voltage</source>
        <comment>287</comment>
        <translation>Tensione</translation>
    </message>
    <message>
        <source>Reservoir Pressure</source>
        <comment>288</comment>
        <translation>Pressione serbatoio</translation>
    </message>
    <message>
        <source>Suspension Pressure</source>
        <comment>289</comment>
        <translation>Pressione sospensioni</translation>
    </message>
    <message>
        <source>ISO Demand Pressure</source>
        <comment>290</comment>
        <translation>Pressione di comando ISO</translation>
    </message>
    <message>
        <source>Control Line Pressure</source>
        <comment>291</comment>
        <translation>Pressione linea di comando</translation>
    </message>
    <message>
        <source>Vehicle Speed</source>
        <comment>292</comment>
        <translation>Velocità veicolo</translation>
    </message>
    <message>
        <source>SYSTEM SETTINGS</source>
        <comment>293</comment>
        <translation>STATI DEL SISTEMA</translation>
    </message>
    <message>
        <source>Red Lamp Signal</source>
        <comment>294</comment>
        <translation>Segnale spia rossa</translation>
    </message>
    <message>
        <source>Cab Lamp Signal</source>
        <comment>295</comment>
        <translation>Segnale spia cabina</translation>
    </message>
    <message>
        <source>Service Lamp Signal</source>
        <comment>296</comment>
        <translation>Segnale spia servizio</translation>
    </message>
    <message>
        <source>Stop Light Power</source>
        <comment>297</comment>
        <translation>Alimentazione luci stop</translation>
    </message>
    <message>
        <source>Brake Apply</source>
        <comment>298</comment>
        <translation>Freno azionato</translation>
    </message>
    <message>
        <source>View and Print Stability Data</source>
        <comment>299</comment>
        <translation>Visualizza e stampa i dati di stabilità</translation>
    </message>
    <message>
        <source>No Interim Data for this graph</source>
        <comment>303</comment>
        <translation>Nessun valore intermedio per questo grafico</translation>
    </message>
    <message>
        <source>Number of 500km intervals</source>
        <comment>305</comment>
        <translation>Numero di tratti da 500 km</translation>
    </message>
    <message>
        <source>Km(s) in current interval (0..500)</source>
        <comment>307</comment>
        <translation>km nel tratto corrente (0..500)</translation>
    </message>
    <message>
        <source>Brake Apps in current interval</source>
        <comment>308</comment>
        <translation>Frenate nel tratto corrente</translation>
    </message>
    <message>
        <source>SLP Brake Apps in current interval</source>
        <comment>309</comment>
        <translation>Frenate SLP nel tratto corrente</translation>
    </message>
    <message>
        <source>ABS Events in current interval</source>
        <comment>311</comment>
        <translation>Interventi ABS nel tratto corrente</translation>
    </message>
    <message>
        <source>Rollover Events in current interval</source>
        <comment>313</comment>
        <translation>Interventi RSS nel tratto corrente</translation>
    </message>
    <message>
        <source>Working Offline</source>
        <comment>314</comment>
        <translation>Modalità offline</translation>
    </message>
    <message>
        <source>!! Application Already Running !!</source>
        <comment>315</comment>
        <translation>!! L&apos;applicazione è già in esecuzione !!</translation>
    </message>
    <message>
        <source>Failed To Connect To ECU - Retry ?</source>
        <comment>316</comment>
        <translation>Connessione all&apos;ECU non riuscita - Riprovare ?</translation>
    </message>
    <message>
        <source>Load from Dir - </source>
        <comment>317</comment>
        <translation>Carica da cartella - </translation>
    </message>
    <message>
        <source>Save To Dir - </source>
        <comment>318</comment>
        <translation>Salva in cartella - </translation>
    </message>
    <message>
        <source>Stability Data Only</source>
        <comment>319</comment>
        <translation>Solo dati di stabilità</translation>
    </message>
    <message>
        <source> [ ***  File Error  *** ]</source>
        <comment>320</comment>
        <translation> [ ***  Errore di file  *** ]</translation>
    </message>
    <message>
        <source> [ File: </source>
        <comment>321</comment>
        <translation> [ File: </translation>
    </message>
    <message>
        <source>Not Connected</source>
        <comment>322</comment>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>323</comment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No Data</source>
        <comment>324</comment>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>1127</comment>
        <translation>gen</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>1128</comment>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>1129</comment>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>1130</comment>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <comment>1131</comment>
        <translation>mag</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>1132</comment>
        <translation>giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>1133</comment>
        <translation>lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>1134</comment>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>1135</comment>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>1136</comment>
        <translation>ott</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>1137</comment>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>1138</comment>
        <translation>dic</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <comment>1200</comment>
        <translation>Connessione: %1</translation>
    </message>
    <message>
        <source>searching, a port is being tried</source>
        <comment>1201</comment>
        <translation>ricerca in corso, si prova una porta</translation>
    </message>
    <message>
        <source>connected to the ECU</source>
        <comment>1202</comment>
        <translation>connesso alla ECU</translation>
    </message>
    <message>
        <source>not connected</source>
        <comment>1203</comment>
        <translation>non connesso</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>1204</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Load data file</source>
        <comment>1210</comment>
        <translation>Carica file di dati</translation>
    </message>
    <message>
        <source>Save data file</source>
        <comment>1211</comment>
        <translation>Salva file di dati</translation>
    </message>
    <message>
        <source>Erase or write ECU data</source>
        <comment>1212</comment>
        <translation>Cancella o scrivi i dati della ECU</translation>
    </message>
    <message>
        <source>Reload from ECU</source>
        <comment>1213</comment>
        <translation>Ricarica dalla ECU</translation>
    </message>
    <message>
        <source>Stability snapshots</source>
        <comment>1214</comment>
        <translation>Istantanee di stabilità</translation>
    </message>
    <message>
        <source>Graph information</source>
        <comment>1215</comment>
        <translation>Informazioni sul grafico</translation>
    </message>
    <message>
        <source>Print preview</source>
        <comment>1216</comment>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>1217</comment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Next graph</source>
        <comment>1218</comment>
        <translation>Grafico successivo</translation>
    </message>
    <message>
        <source>Previous graph</source>
        <comment>1219</comment>
        <translation>Grafico precedente</translation>
    </message>
    <message>
        <source>Download progress</source>
        <comment>1220</comment>
        <translation>Avanzamento dello scaricamento</translation>
    </message>
    <message>
        <source>Chart</source>
        <comment>1221</comment>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <comment>1222</comment>
        <translation>Grafico: %1</translation>
    </message>
    <message>
        <source>One entry per bar, with the bar&apos;s range and value</source>
        <comment>1223</comment>
        <translation>Una voce per barra, con l&apos;intervallo e il valore della barra</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>1224</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bar %1 of %2</source>
        <comment>1225</comment>
        <translation>Barra %1 di %2</translation>
    </message>
    <message>
        <source>Graph title</source>
        <comment>1226</comment>
        <translation>Titolo del grafico</translation>
    </message>
    <message>
        <source>Top of the vertical scale</source>
        <comment>1227</comment>
        <translation>Parte alta della scala verticale</translation>
    </message>
    <message>
        <source>Vertical unit</source>
        <comment>1228</comment>
        <translation>Unità verticale</translation>
    </message>
    <message>
        <source>Bottom of the vertical scale</source>
        <comment>1229</comment>
        <translation>Parte bassa della scala verticale</translation>
    </message>
    <message>
        <source>Distance at the left end</source>
        <comment>1230</comment>
        <translation>Distanza all&apos;estremità sinistra</translation>
    </message>
    <message>
        <source>Distance at the right end</source>
        <comment>1231</comment>
        <translation>Distanza all&apos;estremità destra</translation>
    </message>
    <message>
        <source>Horizontal unit</source>
        <comment>1232</comment>
        <translation>Unità orizzontale</translation>
    </message>
    <message>
        <source>Horizontal scale</source>
        <comment>1233</comment>
        <translation>Scala orizzontale</translation>
    </message>
    <message>
        <source>ECU type</source>
        <comment>1234</comment>
        <translation>Tipo di ECU</translation>
    </message>
    <message>
        <source>Printed page</source>
        <comment>1235</comment>
        <translation>Pagina stampata</translation>
    </message>
    <message>
        <source>The page as it will be printed: Ctrl+P prints it, Ctrl++ and Ctrl+- zoom</source>
        <comment>1236</comment>
        <translation>La pagina come verrà stampata: Ctrl+P la stampa, Ctrl++ e Ctrl+- ingrandiscono e riducono</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>1237</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Frames sent and received</source>
        <comment>1238</comment>
        <translation>Frame inviati e ricevuti</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1240</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>1241</comment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Data to erase</source>
        <comment>1242</comment>
        <translation>Dati da cancellare</translation>
    </message>
    <message>
        <source>Explanation</source>
        <comment>1243</comment>
        <translation>Spiegazione</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <comment>1244</comment>
        <translation>Istantanea %1</translation>
    </message>
    <message>
        <source>Stability sensor output of snapshot %1</source>
        <comment>1245</comment>
        <translation>Uscita del sensore di stabilità, istantanea %1</translation>
    </message>
</context>
</TS>
