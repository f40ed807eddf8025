<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>hm::CAboutDlg</name>
    <message>
        <source>About Haulmetry</source>
        <translation>O programie Haulmetry</translation>
    </message>
    <message>
        <source>Haulmetry Version %1</source>
        <translation>Haulmetry wersja %1</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licencja: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Wolne oprogramowanie na licencji GNU General Public License w wersji 3 lub późniejszej, bez żadnej gwarancji.</translation>
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
        <translation>Uruchomione okno Haulmetry jest zajęte; %1 nie został otwarty.</translation>
    </message>
    <message>
        <source>haulmetry: the running copy did not take the file: %1</source>
        <translation>haulmetry: uruchomiony program nie przejął pliku: %1</translation>
    </message>
    <message>
        <source>Haulmetry cannot write the trace file %1: %2. The link is not traced to a file.</source>
        <translation>Haulmetry nie może zapisać pliku śledzenia %1: %2. Łącze nie jest zapisywane do pliku.</translation>
    </message>
    <message>
        <source>Haulmetry cannot set up its single-instance lock: %1</source>
        <translation>Haulmetry nie może założyć blokady pojedynczej instancji: %1</translation>
    </message>
</context>
<context>
    <name>hm::CHaulDlg</name>
    <message>
        <source>Search for ECU</source>
        <translation>Szukaj ECU</translation>
    </message>
    <message>
        <source>Link &amp;Trace...</source>
        <translation>Ś&amp;lad połączenia...</translation>
    </message>
    <message>
        <source>ECU</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Biblioteka...</translation>
    </message>
    <message>
        <source>Trailer %1, %2 km</source>
        <translation>Przyczepa %1, %2 km</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1: brak ustaleń</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (and %3 more)</source>
        <translation>%1: %2 (i %3 więcej)</translation>
    </message>
    <message>
        <source>The rules give no findings for this data.</source>
        <translation>Reguły nie dają ustaleń dla tych danych.</translation>
    </message>
    <message>
        <source>The findings rules file cannot be used (line %1: %2); the default rules apply.</source>
        <translation>Pliku reguł ustaleń nie można użyć (wiersz %1: %2); obowiązują reguły domyślne.</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Ustalenia</translation>
    </message>
    <message>
        <source>%1. Press Ctrl+F or click for the findings window.</source>
        <translation>%1. Ctrl+F lub kliknięcie otwiera okno ustaleń.</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>Drukowanie jest niedostępne: %1</translation>
    </message>
</context>
<context>
    <name>hm::CInfo</name>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Interim Values</source>
        <translation>Wartości pośrednie</translation>
    </message>
</context>
<context>
    <name>hm::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drukuj...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Zamknij	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>&amp;Powiększ	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>P&amp;omniejsz	Ctrl+-</translation>
    </message>
    <message>
        <source>Fit &amp;Width	Ctrl+0</source>
        <translation>Dopasuj do &amp;szerokości	Ctrl+0</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Powiększenie %1 %</translation>
    </message>
</context>
<context>
    <name>hm::CPrintGraphView</name>
    <message>
        <source>The page could not be printed on %1.</source>
        <translation>Nie udało się wydrukować strony na %1.</translation>
    </message>
</context>
<context>
    <name>hm::CSettingsDlg</name>
    <message>
        <source>given with --library</source>
        <translation>podana przez --library</translation>
    </message>
    <message>
        <source>given by the environment variable HAULMETRY_LIBRARY</source>
        <translation>podana przez zmienną środowiskową HAULMETRY_LIBRARY</translation>
    </message>
    <message>
        <source>from the library settings</source>
        <translation>z ustawień biblioteki</translation>
    </message>
    <message>
        <source>the default</source>
        <translation>domyślna</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Data files</source>
        <translation>Pliki danych</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>&amp;Folder danych:</translation>
    </message>
    <message>
        <source>Write a &amp;text file beside each saved data file</source>
        <translation>Zapisuj plik &amp;tekstowy obok każdego zapisanego pliku danych</translation>
    </message>
    <message>
        <source>Show the &amp;summary after loading a file</source>
        <translation>Pokazuj pod&amp;sumowanie po wczytaniu pliku</translation>
    </message>
    <message>
        <source>No settings file: these settings last until the window closes.</source>
        <translation>Brak pliku ustawień: te ustawienia obowiązują do zamknięcia okna.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Plik ustawień: %1</translation>
    </message>
    <message>
        <source>Trailer library</source>
        <translation>Biblioteka przyczep</translation>
    </message>
    <message>
        <source>PostgreSQL address or SQLite file; empty: the default</source>
        <translation>Adres PostgreSQL lub plik SQLite; puste: domyślna</translation>
    </message>
    <message>
        <source>&amp;Library:</source>
        <translation>&amp;Biblioteka:</translation>
    </message>
    <message>
        <source>In use: %1 (%2).</source>
        <translation>W użyciu: %1 (%2).</translation>
    </message>
    <message>
        <source>While --library or HAULMETRY_LIBRARY names a library, this setting is not used.</source>
        <translation>Dopóki --library lub HAULMETRY_LIBRARY wskazuje bibliotekę, to ustawienie nie jest używane.</translation>
    </message>
    <message>
        <source>A change of the library takes effect when Haulmetry starts next.</source>
        <translation>Zmiana biblioteki obowiązuje od następnego uruchomienia Haulmetry.</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Warsztat</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>P&amp;rzeglądaj...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>T&amp;elefon:</translation>
    </message>
    <message>
        <source>Lo&amp;go:</source>
        <translation>&amp;Logo:</translation>
    </message>
    <message>
        <source>Kept in %1.</source>
        <translation>Zapisane w %1.</translation>
    </message>
    <message>
        <source>The library settings cannot be changed here.</source>
        <translation>Ustawień biblioteki nie można tu zmienić.</translation>
    </message>
    <message>
        <source>Empty: %1.</source>
        <translation>Puste: %1.</translation>
    </message>
    <message>
        <source>Give a full path, starting with /.</source>
        <translation>Podaj pełną ścieżkę, zaczynającą się od /.</translation>
    </message>
    <message>
        <source>This folder does not exist yet; OK creates it.</source>
        <translation>Ten folder jeszcze nie istnieje; OK go utworzy.</translation>
    </message>
    <message>
        <source>Saves, and the backups before an erase or a reload, go into the data folder. Loading a file from another folder makes that folder the data folder.</source>
        <translation>Zapisy oraz kopie przed kasowaniem lub ponownym wczytaniem trafiają do folderu danych. Wczytanie pliku z innego folderu czyni ten folder folderem danych.</translation>
    </message>
    <message>
        <source>Choose the Data Folder</source>
        <translation>Wybierz folder danych</translation>
    </message>
    <message>
        <source>Choose the Logo</source>
        <translation>Wybierz logo</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Obrazy (*.png *.svg)</translation>
    </message>
    <message>
        <source>The data folder must be a full path, starting with /.</source>
        <translation>Folder danych musi być pełną ścieżką, zaczynającą się od /.</translation>
    </message>
    <message>
        <source>The address holds a password, so it is changed in the library settings file itself.</source>
        <translation>Adres zawiera hasło, dlatego zmienia się go w samym pliku ustawień biblioteki.</translation>
    </message>
</context>
<context>
    <name>hm::DataFile</name>
    <message>
        <source>file is too short (%1 bytes, a data file has %2)</source>
        <translation>plik jest za krótki (%1 bajtów, plik danych ma %2)</translation>
    </message>
    <message>
        <source>not a Haulmetry data file (signature missing)</source>
        <translation>to nie jest plik danych Haulmetry (brak sygnatury)</translation>
    </message>
    <message>
        <source>wrong block size %1 (expected %2)</source>
        <translation>błędny rozmiar bloku %1 (oczekiwano %2)</translation>
    </message>
</context>
<context>
    <name>hm::DataFileController</name>
    <message>
        <source>The data folder %1 does not exist any more. The file is saved in %2 instead.</source>
        <translation>Folder danych %1 już nie istnieje. Plik zostanie zapisany w %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>the data folder must be a full path, starting with /</source>
        <translation>folder danych musi być pełną ścieżką, zaczynającą się od /</translation>
    </message>
    <message>
        <source>the data folder %1: %2</source>
        <translation>folder danych %1: %2</translation>
    </message>
    <message>
        <source>The settings were not changed: %1</source>
        <translation>Ustawienia nie zostały zmienione: %1</translation>
    </message>
</context>
<context>
    <name>hm::DetailsForm</name>
    <message>
        <source>Details</source>
        <translation>Dane</translation>
    </message>
    <message>
        <source>&amp;Plate:</source>
        <translation>Nr &amp;rejestracyjny:</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Numer rejestracyjny</translation>
    </message>
    <message>
        <source>Fleet &amp;number:</source>
        <translation>&amp;Numer floty:</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Numer floty</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Klient:</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>N&amp;otatki:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notatki</translation>
    </message>
    <message>
        <source>&amp;Save details</source>
        <translation>&amp;Zapisz dane</translation>
    </message>
    <message>
        <source>Save details</source>
        <translation>Zapisz dane</translation>
    </message>
    <message>
        <source>Stores the plate, fleet number, customer and notes of the trailer in the library</source>
        <translation>Zapisuje w bibliotece numer rejestracyjny, numer floty, klienta i notatki przyczepy</translation>
    </message>
    <message>
        <source>Details of %1</source>
        <translation>Dane: %1</translation>
    </message>
    <message>
        <source>No details are stored yet.</source>
        <translation>Nie zapisano jeszcze danych.</translation>
    </message>
    <message>
        <source>Changed %1 by %2</source>
        <translation>Zmieniono %1, zmienił: %2</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>brak danych</translation>
    </message>
    <message>
        <source>Changes of the details, newest first:</source>
        <translation>Zmiany danych, od najnowszej:</translation>
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
        <translation>Słupek %1 z %2</translation>
    </message>
    <message>
        <source>&amp;Graph:</source>
        <translation>&amp;Wykres:</translation>
    </message>
    <message>
        <source>Graph compared</source>
        <translation>Porównywany wykres</translation>
    </message>
    <message>
        <source>Which of the ten graphs the two downloads are compared in</source>
        <translation>Na którym z dziesięciu wykresów porównywane są oba pobrania</translation>
    </message>
    <message>
        <source>Difference chart</source>
        <translation>Wykres różnicy</translation>
    </message>
    <message>
        <source>Newer visit chart</source>
        <translation>Wykres nowszej wizyty</translation>
    </message>
    <message>
        <source>Choose two downloads of a trailer to compare them.</source>
        <translation>Wybierz dwa pobrania przyczepy, aby je porównać.</translation>
    </message>
    <message>
        <source>Usage chart</source>
        <translation>Wykres użycia</translation>
    </message>
    <message>
        <source>Usage between %1 and %2 (in all: %3)</source>
        <translation>Użycie między %1 a %2 (łącznie: %3)</translation>
    </message>
    <message>
        <source>The counters were reset between the two visits (the ECU&apos;s data was erased): the chart shows the newer values, counted since then.</source>
        <translation>Liczniki zostały wyzerowane między wizytami (dane ECU usunięto): wykres pokazuje nowsze wartości, liczone od tego czasu.</translation>
    </message>
    <message>
        <source>Older visit chart</source>
        <translation>Wykres starszej wizyty</translation>
    </message>
    <message>
        <source>Older visit: %1</source>
        <translation>Starsza wizyta: %1</translation>
    </message>
    <message>
        <source>Newer visit: %1</source>
        <translation>Nowsza wizyta: %1</translation>
    </message>
    <message>
        <source>This graph holds averages, which cannot be subtracted: both visits are shown.</source>
        <translation>Ten wykres zawiera średnie, których nie można odjąć: pokazano obie wizyty.</translation>
    </message>
    <message>
        <source>Vertical: %1 to %2 %3. Horizontal: %4</source>
        <translation>Pionowo: od %1 do %2 %3. Poziomo: %4</translation>
    </message>
</context>
<context>
    <name>hm::FileAccess</name>
    <message>
        <source>is %1, not a regular file; it was left as it is</source>
        <translation>to %1, a nie zwykły plik; pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>to %1, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>zwykły plik</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>kolejka FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>urządzenie znakowe</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>urządzenie blokowe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>gniazdo</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>dowiązanie symboliczne</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>nie plik</translation>
    </message>
    <message>
        <source>cannot open: </source>
        <translation>nie można otworzyć: </translation>
    </message>
    <message>
        <source>cannot empty the file: </source>
        <translation>nie można opróżnić pliku: </translation>
    </message>
    <message>
        <source>cannot read: </source>
        <translation>nie można odczytać: </translation>
    </message>
</context>
<context>
    <name>hm::FleetModel</name>
    <message>
        <source>download</source>
        <translation>pobranie</translation>
    </message>
    <message>
        <source>file loaded</source>
        <translation>plik wczytany</translation>
    </message>
    <message>
        <source>file saved</source>
        <translation>plik zapisany</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <source>Trailer</source>
        <translation>Przyczepa</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Ostatnia wizyta</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Pobrania</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Przebieg (km)</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Zapisy stabilności</translation>
    </message>
    <message>
        <source>Distance since (km)</source>
        <translation>Przebieg od tego czasu (km)</translation>
    </message>
    <message>
        <source>Brake applications since</source>
        <translation>Hamowania od tego czasu</translation>
    </message>
    <message>
        <source>New stability records</source>
        <translation>Nowe zapisy stabilności</translation>
    </message>
    <message>
        <source>%1 (erased)</source>
        <translation>%1 (skasowano)</translation>
    </message>
    <message>
        <source>ABS events since</source>
        <translation>Zdarzenia ABS od tego czasu</translation>
    </message>
    <message>
        <source>Roll-over events since</source>
        <translation>Przewrócenia od tego czasu</translation>
    </message>
    <message>
        <source>Overloaded (km)</source>
        <translation>Przeciążenie (km)</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Ustalenia</translation>
    </message>
    <message>
        <source>fleet number %1</source>
        <translation>numer floty %1</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Nr rejestracyjny</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Numer floty</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klient</translation>
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
        <translation>Warsztat</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Przebieg (km)</translation>
    </message>
    <message>
        <source>Brake applications</source>
        <translation>Hamowania</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Zapisy stabilności</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Ustalenia</translation>
    </message>
</context>
<context>
    <name>hm::Language</name>
    <message>
        <source>--language needs a language code, such as de or fr</source>
        <translation>--language wymaga kodu języka, np. de lub fr</translation>
    </message>
    <message>
        <source>no translation for the language &apos;%1&apos; (there are: en %2)</source>
        <translation>brak tłumaczenia dla języka &apos;%1&apos; (dostępne: en %2)</translation>
    </message>
</context>
<context>
    <name>hm::Library</name>
    <message>
        <source>; %1 wait(s) in the local queue %2 and will be sent when the server is back</source>
        <translation>; %1 pobranie(a) czeka w lokalnej kolejce %2 i zostanie wysłane, gdy serwer znów będzie dostępny</translation>
    </message>
    <message>
        <source>%1 download(s) that waited in the local queue were stored in %2</source>
        <translation>%1 pobranie(a) z lokalnej kolejki zapisano (%2)</translation>
    </message>
    <message>
        <source>the local queue could not be sent: %1</source>
        <translation>nie można wysłać lokalnej kolejki: %1</translation>
    </message>
    <message>
        <source>cannot add to %1: it is read-only</source>
        <translation>%1: nie można dodać, tylko do odczytu</translation>
    </message>
    <message>
        <source>cannot reach %1</source>
        <translation>%1: brak połączenia</translation>
    </message>
    <message>
        <source>cannot store in %1: %2</source>
        <translation>%1: nie można zapisać: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1: nie można odczytać: %2</translation>
    </message>
    <message>
        <source>cannot read download %1 of %2: %3</source>
        <translation>nie można odczytać pobrania %1 (%2): %3</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>serwer jest niedostępny</translation>
    </message>
    <message>
        <source>download %1 of %2 is not 2484 bytes</source>
        <translation>pobranie %1 (%2) nie ma 2484 bajtów</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2): it is damaged or not a library, and is left as it is</source>
        <translation>%1: nie można odczytać (%2): uszkodzona lub to nie jest biblioteka; pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>%1 was written by a newer Haulmetry (library schema %2, this program knows up to %3); it is left as it is</source>
        <translation>%1 zapisano nowszym Haulmetry (schemat biblioteki %2, ten program zna do %3); pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>%1 is an SQLite file but not a Haulmetry library; it is left as it is</source>
        <translation>%1 to plik SQLite, ale nie biblioteka Haulmetry; pozostawiono bez zmian</translation>
    </message>
    <message>
        <source>%1 is read-only and needs its schema brought forward; nothing was changed</source>
        <translation>%1 jest tylko do odczytu, a jego schemat wymaga aktualizacji; niczego nie zmieniono</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>%1: nie można przygotować: %2</translation>
    </message>
    <message>
        <source>the library %1</source>
        <translation>biblioteka %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed (Debian: libqt6sql6-sqlite)</source>
        <translation>sterownik SQLite biblioteki Qt nie jest zainstalowany (Debian: libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>cannot create the folder of %1: %2</source>
        <translation>%1: nie można utworzyć folderu: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1: nie można otworzyć: %2</translation>
    </message>
    <message>
        <source>the PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql)</source>
        <translation>sterownik PostgreSQL biblioteki Qt nie jest zainstalowany (Debian: libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>%1: brak połączenia: %2</translation>
    </message>
    <message>
        <source>no download with that number</source>
        <translation>brak pobrania o tym numerze</translation>
    </message>
    <message>
        <source>%1 is not a library (%2)</source>
        <translation>%1 nie jest biblioteką (%2)</translation>
    </message>
    <message>
        <source>cannot back up %1: %2</source>
        <translation>nie można utworzyć kopii zapasowej: %1: %2</translation>
    </message>
    <message>
        <source>%1 exists already; a backup never replaces a file</source>
        <translation>%1 już istnieje; kopia zapasowa nigdy nie zastępuje pliku</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać: %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 to %2, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a shared library is backed up on its server with pg_dump; or copy it into an SQLite file with: haulmetry library copy URL FILE</source>
        <translation>bibliotekę współdzieloną archiwizuje się na jej serwerze programem pg_dump; można ją też skopiować do pliku SQLite: haulmetry library copy URL FILE</translation>
    </message>
    <message>
        <source>%1 download(s) of %2 backed up into %3</source>
        <translation>zapisano w kopii zapasowej pobrań: %1 z: %2, do: %3</translation>
    </message>
    <message>
        <source>there is no library %1: %2</source>
        <translation>nie ma biblioteki %1: %2</translation>
    </message>
    <message>
        <source>its image is missing</source>
        <translation>brak jego obrazu</translation>
    </message>
    <message>
        <source>its image is not 2484 bytes</source>
        <translation>jego obraz nie ma 2484 bajtów</translation>
    </message>
    <message>
        <source>its image does not match its hash</source>
        <translation>jego obraz nie zgadza się z jego skrótem</translation>
    </message>
    <message>
        <source>download %1 of %2 (%3, %4): %5; skipped</source>
        <translation>pobranie %1 z: %2 (%3, %4): %5; pominięto</translation>
    </message>
    <message>
        <source>%1 and %2 are the same library</source>
        <translation>%1 i %2 to ta sama biblioteka</translation>
    </message>
    <message>
        <source>; %1 download(s) were copied before; run the same copy again to finish it (nothing is stored twice)</source>
        <translation>; wcześniej skopiowano pobrań: %1; uruchom tę samą kopię ponownie, aby ją dokończyć (nic nie zostanie zapisane dwa razy)</translation>
    </message>
    <message>
        <source>; %1 could not be written to the local queue %2 either: %3</source>
        <translation>; %1 nie udało się też zapisać w lokalnej kolejce %2: %3</translation>
    </message>
    <message>
        <source>the queue item %1 was refused by the server and is set aside: %2</source>
        <translation>serwer odrzucił element kolejki %1; odłożono go na bok: %2</translation>
    </message>
    <message>
        <source>the queue item %1 cannot be read and is left in place</source>
        <translation>nie można odczytać elementu kolejki %1; pozostaje na miejscu</translation>
    </message>
    <message>
        <source>download %1 of %2 does not match its hash: the stored image was changed, and is not used</source>
        <translation>pobranie %1 z %2 nie zgadza się ze swoim skrótem: zapisany obraz zmieniono i nie zostanie użyty</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>to dowiązanie symboliczne</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>to %1, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>należy do innego użytkownika (uid %1)</translation>
    </message>
    <message>
        <source>others may write it (mode %1)</source>
        <translation>inni mogą go zapisywać (tryb %1)</translation>
    </message>
    <message>
        <source>it holds a password but others may read it (mode %1; chmod 600 makes it yours alone)</source>
        <translation>zawiera hasło, ale inni mogą go czytać (tryb %1; chmod 600 czyni go tylko Twoim)</translation>
    </message>
    <message>
        <source>the library settings %1 are not used: %2</source>
        <translation>ustawienia biblioteki %1 nie są używane: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid PostgreSQL address (postgresql://USER@HOST:PORT/DATABASE)</source>
        <translation>%1 nie jest prawidłowym adresem PostgreSQL (postgresql://USER@HOST:PORT/DATABASE)</translation>
    </message>
    <message>
        <source>a password on the command line can be read by every user of this computer; give it in ~/.pgpass or in the library settings (mode 0600) instead</source>
        <translation>hasło w wierszu poleceń może odczytać każdy użytkownik tego komputera; podaj je w ~/.pgpass lub w ustawieniach biblioteki (tryb 0600)</translation>
    </message>
    <message>
        <source>%1 is not a library address this program knows (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE or a file name)</source>
        <translation>%1 nie jest adresem biblioteki znanym temu programowi (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE lub nazwa pliku)</translation>
    </message>
    <message>
        <source>%1 is an SQLite file: roles and rights apply to a shared PostgreSQL library only</source>
        <translation>%1 to plik SQLite: role i uprawnienia dotyczą tylko wspólnej biblioteki PostgreSQL</translation>
    </message>
    <message>
        <source>cannot set up the rights of %1: %2</source>
        <translation>nie można ustawić uprawnień %1: %2</translation>
    </message>
    <message>
        <source>the role %1 exists and is not a workshop&apos;s; nothing was changed</source>
        <translation>rola %1 istnieje i nie należy do warsztatu; nic nie zmieniono</translation>
    </message>
    <message>
        <source>cannot add the workshop %1 to %2: %3</source>
        <translation>nie można dodać warsztatu %1 do %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a workshop of %2; nothing was changed</source>
        <translation>%1 nie jest warsztatem %2; nic nie zmieniono</translation>
    </message>
    <message>
        <source>cannot revoke the workshop %1: %2</source>
        <translation>nie można odebrać dostępu warsztatowi %1: %2</translation>
    </message>
    <message>
        <source>%1 has library schema %2, and only its owner may bring it to %3 (haulmetry library setup as the owner); nothing was changed</source>
        <translation>%1 ma schemat biblioteki %2 i tylko jego właściciel może go podnieść do %3 (haulmetry library setup jako właściciel); nic nie zmieniono</translation>
    </message>
    <message>
        <source>the connection parameter %1 cannot be passed on</source>
        <translation>nie można przekazać parametru połączenia %1</translation>
    </message>
    <message>
        <source>%1 refused the connection: %2</source>
        <translation>%1 odrzuca połączenie: %2</translation>
    </message>
    <message>
        <source>cannot store the details of the trailer %1: %2</source>
        <translation>nie można zapisać danych przyczepy %1: %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 jest tylko do odczytu</translation>
    </message>
    <message>
        <source>%1 holds no download of it</source>
        <translation>%1 nie zawiera żadnego pobrania tej przyczepy</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 odmówił: %2</translation>
    </message>
    <message>
        <source>the %1 is not UTF-8 text</source>
        <translation>%1: to nie jest tekst UTF-8</translation>
    </message>
    <message>
        <source>the %1 holds a control character (a line break, a tab, ...), which cannot be stored</source>
        <translation>%1: zawiera znak sterujący (koniec wiersza, tabulator, ...), którego nie można zapisać</translation>
    </message>
    <message>
        <source>the %1 is longer than %2 characters</source>
        <translation>%1: dłuższe niż %2 znaków</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>numer floty</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>numer rejestracyjny</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>klient</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notatki</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>jest dłuższy niż %1 bajtów</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be a line of it</source>
        <translation>klucz „%1” nie może być jego wierszem</translation>
    </message>
    <message>
        <source>the value of %1 holds a line end</source>
        <translation>wartość %1 zawiera koniec wiersza</translation>
    </message>
    <message>
        <source>Could not write the library settings %1: %2</source>
        <translation>Nie można zapisać ustawień biblioteki %1: %2</translation>
    </message>
</context>
<context>
    <name>hm::LibraryRecording</name>
    <message>
        <source>Trailer library: %1.</source>
        <translation>Biblioteka przyczep: %1.</translation>
    </message>
    <message>
        <source>The download was not added to it: save it as a data file to keep it.</source>
        <translation>Odczyt nie został do niej dodany: zapisz go jako plik danych, aby go zachować.</translation>
    </message>
</context>
<context>
    <name>hm::LibraryWindow</name>
    <message>
        <source>Trailer Library</source>
        <translation>Biblioteka przyczep</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtr:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>Flota</translation>
    </message>
    <message>
        <source>One row per trailer: its latest download and what changed since the visit before. Enter or a double-click opens the download.</source>
        <translation>Jeden wiersz na przyczepę: jej ostatnie pobranie i zmiany od poprzedniej wizyty. Enter lub dwuklik otwiera pobranie.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Every download of the trailer. Select two to compare them; Enter or a double-click opens one.</source>
        <translation>Każde pobranie przyczepy. Zaznacz dwa, aby je porównać; Enter lub dwuklik otwiera jedno.</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksportuj...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Writes every download of the trailer into a folder as data files</source>
        <translation>Zapisuje każde pobranie przyczepy do folderu jako pliki danych</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Odczyt biblioteki...</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>Nie można otworzyć biblioteki: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Nie można odczytać: %1: %2</translation>
    </message>
    <message>
        <source>Trailers in %1: %2</source>
        <translation>Przyczepy – %1: %2</translation>
    </message>
    <message>
        <source>The library holds no download yet.</source>
        <translation>Biblioteka nie zawiera jeszcze żadnego pobrania.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Nie można odczytać historii: %1</translation>
    </message>
    <message>
        <source>&amp;History of %1 (downloads: %2)</source>
        <translation>&amp;Historia: %1 (pobrania: %2)</translation>
    </message>
    <message>
        <source>The trailer has one download: nothing to compare it with.</source>
        <translation>Przyczepa ma jedno pobranie: nie ma z czym porównać.</translation>
    </message>
    <message>
        <source>Select two downloads to see their difference.</source>
        <translation>Zaznacz dwa pobrania, aby zobaczyć różnicę.</translation>
    </message>
    <message>
        <source>The downloads cannot be read: %1</source>
        <translation>Nie można odczytać pobrań: %1</translation>
    </message>
    <message>
        <source>The download cannot be read: %1</source>
        <translation>Nie można odczytać pobrania: %1</translation>
    </message>
    <message>
        <source>The main window is busy (a download, or a file being chosen or saved), so the download of %1 was not opened. Open it again when the main window is free.</source>
        <translation>Okno główne jest zajęte (pobieranie albo wybór lub zapis pliku), więc pobranie %1 nie zostało otwarte. Otwórz je ponownie, gdy okno główne będzie wolne.</translation>
    </message>
    <message>
        <source>The download of %1 is shown in the main window.</source>
        <translation>Pobranie %1 jest pokazane w oknie głównym.</translation>
    </message>
    <message>
        <source>Export the Downloads to a Folder</source>
        <translation>Eksportuj pobrania do folderu</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Eksportowanie...</translation>
    </message>
    <message>
        <source>Data files written to %1: %2</source>
        <translation>Pliki danych zapisane w: %1: %2</translation>
    </message>
    <message>
        <source>The export to %1 stopped after %2 data files: %3</source>
        <translation>Eksport do %1 zatrzymał się po %2 plikach danych: %3</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>Wyczyść filtr</translation>
    </message>
    <message>
        <source>No trailer is chosen: choose one in the list.</source>
        <translation>Nie wybrano przyczepy: wybierz ją z listy.</translation>
    </message>
    <message>
        <source>The findings rules %1 cannot be used (line %2: %3); the default rules apply.</source>
        <translation>Reguł ustaleń %1 nie można użyć (wiersz %2: %3); obowiązują reguły domyślne.</translation>
    </message>
    <message>
        <source>Needs &amp;attention</source>
        <translation>Wymaga &amp;uwagi</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Wymaga uwagi</translation>
    </message>
    <message>
        <source>Shows only the trailers whose latest download has a finding of severity attention</source>
        <translation>Pokazuje tylko przyczepy, których ostatnie pobranie ma ustalenie o poziomie uwaga</translation>
    </message>
    <message>
        <source>Findings of the visit</source>
        <translation>Ustalenia wizyty</translation>
    </message>
    <message>
        <source>Findings of the visit %1:</source>
        <translation>Ustalenia wizyty %1:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Identification, plate, fleet number or customer</source>
        <translation>Identyfikator, numer rejestracyjny, numer floty lub klient</translation>
    </message>
    <message>
        <source>Shows only the trailers whose identification, plate, fleet number or customer holds this text</source>
        <translation>Pokazuje tylko przyczepy, których identyfikator, numer rejestracyjny, numer floty lub klient zawiera ten tekst</translation>
    </message>
    <message>
        <source>The details of %1 cannot be saved: %2</source>
        <translation>Nie można zapisać danych %1: %2</translation>
    </message>
    <message>
        <source>Saving the details of %1...</source>
        <translation>Zapisywanie danych %1...</translation>
    </message>
    <message>
        <source>The details of %1 are saved.</source>
        <translation>Dane %1 zostały zapisane.</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceModel</name>
    <message>
        <source>note</source>
        <translation>uwaga</translation>
    </message>
    <message>
        <source>Time (ms)</source>
        <translation>Czas (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bajty</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Znaczenie</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceView</name>
    <message>
        <source>Link Trace</source>
        <translation>Ślad połączenia</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Zapisz zapis łącza</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The link trace was not saved: %1.</source>
        <translation>Zapis łącza nie został zapisany: %1.</translation>
    </message>
</context>
<context>
    <name>hm::PageLayout</name>
    <message>
        <source>Not Set</source>
        <translation>Nie ustawiono</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nie zapisano</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>WŁ.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
</context>
<context>
    <name>hm::PageRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>cannot draw the page</source>
        <translation>nie można narysować strony</translation>
    </message>
    <message>
        <source>cannot encode the image</source>
        <translation>nie można zakodować obrazu</translation>
    </message>
</context>
<context>
    <name>hm::PortAccessWatch</name>
    <message>
        <source>No permission to open %1.
Add your user to the &apos;%2&apos; group (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Brak uprawnień do otwarcia %1.
Dodaj swojego użytkownika do grupy &apos;%2&apos; (sudo usermod -aG %2 $USER), a następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
</context>
<context>
    <name>hm::PrintModule</name>
    <message>
        <source>the printing module is missing (%1)</source>
        <translation>brak modułu drukowania (%1)</translation>
    </message>
</context>
<context>
    <name>hm::QtFileUi</name>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Haulmetry Data Files (*.asc)</source>
        <translation>Pliki danych Haulmetry (*.asc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>hm::ReportFacts</name>
    <message>
        <source>the logo %1 is left out: %2</source>
        <translation>logo %1 pominięto: %2</translation>
    </message>
</context>
<context>
    <name>hm::ReportLogo</name>
    <message>
        <source>is larger than 2 MiB</source>
        <translation>jest większe niż 2 MiB</translation>
    </message>
    <message>
        <source>is a PNG image larger than 8000 x 8000 pixels or damaged</source>
        <translation>jest obrazem PNG większym niż 8000 x 8000 pikseli lub uszkodzonym</translation>
    </message>
    <message>
        <source>is a damaged PNG image</source>
        <translation>jest uszkodzonym obrazem PNG</translation>
    </message>
    <message>
        <source>is not a PNG or SVG image</source>
        <translation>nie jest obrazem PNG ani SVG</translation>
    </message>
    <message>
        <source>is an SVG image that refers to other files or holds a script</source>
        <translation>jest obrazem SVG, który odwołuje się do innych plików lub zawiera skrypt</translation>
    </message>
</context>
<context>
    <name>hm::ReportMenu</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Zapisz raport jako PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Pliki PDF (*.pdf);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The report was not saved: %1.</source>
        <translation>Raport nie został zapisany: %1.</translation>
    </message>
    <message>
        <source>The report was not printed: %1</source>
        <translation>Raport nie został wydrukowany: %1</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>Zapisz &amp;raport jako PDF...</translation>
    </message>
    <message>
        <source>Print &amp;All Pages...</source>
        <translation>Drukuj &amp;wszystkie strony...</translation>
    </message>
</context>
<context>
    <name>hm::ReportPages</name>
    <message>
        <source>ECU Type</source>
        <translation>Typ ECU</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>Stability Records</source>
        <translation>Zapisy stabilności</translation>
    </message>
    <message>
        <source>Summary Totals</source>
        <translation>Sumy</translation>
    </message>
    <message>
        <source>Fleet Data Report</source>
        <translation>Raport danych flotowych</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Distance driven</source>
        <translation>Przejechany dystans</translation>
    </message>
    <message>
        <source>Distance by reservoir pressure</source>
        <translation>Dystans wg ciśnienia w zbiorniku</translation>
    </message>
    <message>
        <source>Distance by load</source>
        <translation>Dystans wg obciążenia</translation>
    </message>
    <message>
        <source>Brake applications by pressure</source>
        <translation>Hamowania wg ciśnienia</translation>
    </message>
    <message>
        <source>Brake applications by speed</source>
        <translation>Hamowania wg prędkości</translation>
    </message>
    <message>
        <source>Brake applications over the distance</source>
        <translation>Hamowania na dystansie</translation>
    </message>
    <message>
        <source>ABS events over the distance</source>
        <translation>Zdarzenia ABS na dystansie</translation>
    </message>
    <message>
        <source>Roll-over events over the distance</source>
        <translation>Przewrócenia na dystansie</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Fleet Number</source>
        <translation>Numer floty</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Nr rejestracyjny</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Tel. %1</translation>
    </message>
    <message>
        <source>Visit Date</source>
        <translation>Data wizyty</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Ustalenia</translation>
    </message>
    <message>
        <source>Findings of This Visit</source>
        <translation>Ustalenia tej wizyty</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Brak ustaleń.</translation>
    </message>
    <message>
        <source>And %1 more findings.</source>
        <translation>Oraz %1 dalszych ustaleń.</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit</source>
        <translation>Zmiana od poprzedniej wizyty</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit (%1)</source>
        <translation>Zmiana od poprzedniej wizyty (%1)</translation>
    </message>
    <message>
        <source>The library holds no earlier visit of this trailer.</source>
        <translation>Biblioteka nie zawiera wcześniejszej wizyty tej przyczepy.</translation>
    </message>
    <message>
        <source>The library holds no visit of this trailer: the findings are those of this download alone.</source>
        <translation>Biblioteka nie zawiera żadnej wizyty tej przyczepy: ustalenia dotyczą tylko tego pobrania.</translation>
    </message>
    <message>
        <source>Workshop Confirmation</source>
        <translation>Potwierdzenie warsztatu</translation>
    </message>
    <message>
        <source>Checked by the Technician</source>
        <translation>Sprawdzone przez technika</translation>
    </message>
    <message>
        <source>Technician&apos;s Name</source>
        <translation>Imię i nazwisko technika</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Podpis</translation>
    </message>
</context>
<context>
    <name>hm::ReportRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Fleet Data Report %1</source>
        <translation>Raport danych flotowych %1</translation>
    </message>
    <message>
        <source>cannot draw the pages</source>
        <translation>nie można narysować stron</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>nie można rozpocząć nowej strony</translation>
    </message>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>Nie można otworzyć drukarki.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>Drukarka zgłosiła błąd.</translation>
    </message>
    <message>
        <source>Brake system fleet data of the trailer %1</source>
        <translation>Dane flotowe układu hamulcowego przyczepy %1</translation>
    </message>
    <message>
        <source>fleet data report</source>
        <translation>raport danych flotowych</translation>
    </message>
    <message>
        <source>the logo %1 %2; the report is made without it</source>
        <translation>logo %1: %2; raport powstaje bez niego</translation>
    </message>
</context>
<context>
    <name>hm::Session</name>
    <message>
        <source>line hung up</source>
        <translation>linia rozłączona</translation>
    </message>
    <message>
        <source>no valid answer in time</source>
        <translation>brak prawidłowej odpowiedzi na czas</translation>
    </message>
    <message>
        <source>%1 (waiting for %2)</source>
        <translation>%1 (oczekiwanie na %2)</translation>
    </message>
    <message>
        <source>The connection to the ECU was lost (%1): the data downloaded from this ECU was saved to
%2</source>
        <translation>Utracono połączenie z ECU (%1): dane pobrane z tego ECU zapisano w
%2</translation>
    </message>
    <message>
        <source>A download from the ECU started while the file was being chosen, so %1 was not loaded. Load it again when the download is over.</source>
        <translation>Podczas wybierania pliku rozpoczęło się pobieranie z ECU, dlatego %1 nie został wczytany. Wczytaj go ponownie po zakończeniu pobierania.</translation>
    </message>
    <message>
        <source>Before the reload, the data downloaded from this ECU was saved to
%1</source>
        <translation>Przed ponownym wczytaniem dane pobrane z tego ECU zapisano w
%1</translation>
    </message>
    <message>
        <source>The data was not reloaded from the ECU.</source>
        <translation>Dane nie zostały ponownie wczytane z ECU.</translation>
    </message>
    <message>
        <source> [ Closing... ]</source>
        <translation> [ Zamykanie... ]</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU could not be saved to %1: %2</source>
        <translation>Nie można zapisać danych pobranych z tego ECU w %1: %2</translation>
    </message>
    <message>
        <source>Nothing was erased.</source>
        <translation>Niczego nie skasowano.</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has been saved to
%1</source>
        <translation>Dane pobrane z tego ECU zapisano w
%1</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has already been saved to
%1</source>
        <translation>Dane pobrane z tego ECU zostały już zapisane w
%1</translation>
    </message>
    <message>
        <source>Erase the extended fleet information from the ECU now?</source>
        <translation>Skasować teraz rozszerzone informacje flotowe z ECU?</translation>
    </message>
    <message>
        <source>Erase the stability snapshots from the ECU now?</source>
        <translation>Skasować teraz migawki stabilności z ECU?</translation>
    </message>
    <message>
        <source>%1 is not a data image: %2</source>
        <translation>%1 nie jest obrazem danych: %2</translation>
    </message>
    <message>
        <source>%1 was not loaded: %2</source>
        <translation>Nie wczytano %1: %2</translation>
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
        <translation>odwołuje się do pliku lub adresu na zewnątrz (%1)</translation>
    </message>
    <message>
        <source>it holds an event handler (%1), which runs code</source>
        <translation>zawiera obsługę zdarzenia (%1), która wykonuje kod</translation>
    </message>
    <message>
        <source>it holds a script</source>
        <translation>zawiera skrypt</translation>
    </message>
    <message>
        <source>it declares entities</source>
        <translation>deklaruje encje</translation>
    </message>
    <message>
        <source>its document type refers to an outside file (remove the DOCTYPE line)</source>
        <translation>jego typ dokumentu odwołuje się do pliku na zewnątrz (usuń wiersz DOCTYPE)</translation>
    </message>
    <message>
        <source>it takes a style sheet from an outside file</source>
        <translation>pobiera arkusz stylów z pliku na zewnątrz</translation>
    </message>
    <message>
        <source>its style refers to an outside file or address</source>
        <translation>jego styl odwołuje się do pliku lub adresu na zewnątrz</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>jest większy niż %1 MiB</translation>
    </message>
    <message>
        <source>it is neither a PNG nor an SVG picture</source>
        <translation>nie jest ani obrazem PNG, ani SVG</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>nie podano pliku</translation>
    </message>
    <message>
        <source>The logo %1 cannot be used: %2.</source>
        <translation>Logo %1 nie może być użyte: %2.</translation>
    </message>
</context>
<context>
    <name>hm::cli</name>
    <message>
        <source>haulmetry %1: expected one data file, got %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: oczekiwano jednego pliku danych, podano %2 (zob. haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: %3</source>
        <translation>haulmetry %1: %2: %3</translation>
    </message>
    <message>
        <source>haulmetry %1: missing -o %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: brak -o %2 (zob. haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>--passes needs a number from 1 to 1000</source>
        <translation>--passes wymaga liczby od 1 do 1000</translation>
    </message>
    <message>
        <source>--max-failures needs a number from 1 to 1000</source>
        <translation>--max-failures wymaga liczby od 1 do 1000</translation>
    </message>
    <message>
        <source>--timeout needs seconds from 1 to 86400</source>
        <translation>--timeout wymaga liczby sekund od 1 do 86400</translation>
    </message>
    <message>
        <source>--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)</source>
        <translation>--key wymaga ROT,MUL,DIV (ROT 0..15, DIV różne od 0)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>-o FILE is required</source>
        <translation>-o FILE jest wymagane</translation>
    </message>
    <message>
        <source>haulmetry download: only %1 ports can be used; not used: %2</source>
        <translation>haulmetry download: można użyć tylko %1 portów; nieużyte: %2</translation>
    </message>
    <message>
        <source>haulmetry download: the ECU gave no valid answer to %1 (%2 refusals or time-outs in a row without progress; last: %3)</source>
        <translation>haulmetry download: ECU nie udzieliło poprawnej odpowiedzi na %1 (%2 odmów lub przekroczeń czasu z rzędu bez postępu; ostatnio: %3)</translation>
    </message>
    <message>
        <source>haulmetry download: no complete download within %1 s%2</source>
        <translation>haulmetry download: brak pełnego pobrania w ciągu %1 s%2</translation>
    </message>
    <message>
        <source> (waiting for %1)</source>
        <translation> (oczekiwanie na %1)</translation>
    </message>
    <message>
        <source>haulmetry download: %1</source>
        <translation>haulmetry download: %1</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (tried %1)</source>
        <translation>haulmetry download: nie znaleziono ECU (próbowano: %1)</translation>
    </message>
    <message>
        <source>haulmetry download: the download did not finish</source>
        <translation>haulmetry download: pobieranie nie zostało ukończone</translation>
    </message>
    <message>
        <source>haulmetry download: cannot save %1: %2</source>
        <translation>haulmetry download: nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (no serial port to try)</source>
        <translation>haulmetry download: nie znaleziono ECU (brak portu szeregowego do sprawdzenia)</translation>
    </message>
    <message>
        <source>haulmetry download: cannot write the trace file %1: %2</source>
        <translation>haulmetry download: nie można zapisać pliku śledzenia %1: %2</translation>
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
        <translation>haulmetry graph: oczekiwano pliku danych i numeru wykresu, podano argumentów: %1 (zob. haulmetry graph --help)</translation>
    </message>
    <message>
        <source>haulmetry graph: graph number must be 0 to 10, not &apos;%1&apos;</source>
        <translation>haulmetry graph: numer wykresu musi wynosić od 0 do 10, a nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>haulmetry page: %1</source>
        <translation>haulmetry page: %1</translation>
    </message>
    <message>
        <source>--graph needs a number from 1 to 10</source>
        <translation>--graph wymaga liczby od 1 do 10</translation>
    </message>
    <message>
        <source>--record needs a number from 1 to 32</source>
        <translation>--record wymaga liczby od 1 do 32</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>nieoczekiwany argument &apos;%1&apos; (zob. --help)</translation>
    </message>
    <message>
        <source>usage: haulmetry page FILE (--graph N | --record N) -o OUT</source>
        <translation>użycie: haulmetry page FILE (--graph N | --record N) -o OUT</translation>
    </message>
    <message>
        <source>OUT must end in .pdf or .png</source>
        <translation>OUT musi kończyć się na .pdf lub .png</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 stability records, not %3</source>
        <translation>%1 zawiera zapisów stabilności: %2, a nie %3</translation>
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
        <translation>haulmetry table: oczekiwano co najmniej jednego pliku lub folderu (zob. haulmetry table --help)</translation>
    </message>
    <message>
        <source>haulmetry table: no data file could be read</source>
        <translation>haulmetry table: nie udało się odczytać żadnego pliku danych</translation>
    </message>
    <message>
        <source>haulmetry table: %1 folder(s) could not be listed; their files are missing from the table</source>
        <translation>haulmetry table: nie udało się wylistować folderów: %1; ich plików brak w tabeli</translation>
    </message>
    <message>
        <source>haulmetry library %1: %2</source>
        <translation>haulmetry library %1: %2</translation>
    </message>
    <message>
        <source>no download of the trailer %1 in %2</source>
        <translation>brak pobrań przyczepy %1 (%2)</translation>
    </message>
    <message>
        <source>haulmetry library: expected a subcommand (see haulmetry library --help)</source>
        <translation>haulmetry library: oczekiwano podpolecenia (zob. haulmetry library --help)</translation>
    </message>
    <message>
        <source>haulmetry library: unknown subcommand %1 (see haulmetry library --help)</source>
        <translation>haulmetry library: nieznane podpolecenie %1 (zob. haulmetry library --help)</translation>
    </message>
    <message>
        <source>expected at least one file or folder</source>
        <translation>oczekiwano co najmniej jednego pliku lub folderu</translation>
    </message>
    <message>
        <source>no data file could be read</source>
        <translation>nie można odczytać żadnego pliku danych</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 skipped</source>
        <translation>dodano: %1, już w bibliotece: %2, w lokalnej kolejce: %3, pominięto: %4</translation>
    </message>
    <message>
        <source>missing -o FOLDER (see haulmetry library export --help)</source>
        <translation>brak -o FOLDER (zob. haulmetry library export --help)</translation>
    </message>
    <message>
        <source>expected one trailer identification (see haulmetry library %1 --help)</source>
        <translation>oczekiwano jednego identyfikatora przyczepy (zob. haulmetry library %1 --help)</translation>
    </message>
    <message>
        <source>averages, older and newer side by side</source>
        <translation>średnie, starsze i nowsze obok siebie</translation>
    </message>
    <message>
        <source>usage; counters were reset between the downloads, counted since</source>
        <translation>użycie; liczniki wyzerowano między pobraniami, liczone od tego momentu</translation>
    </message>
    <message>
        <source>usage between the downloads</source>
        <translation>użycie między pobraniami</translation>
    </message>
    <message>
        <source>graph %1: %2 (%3)</source>
        <translation>wykres %1: %2 (%3)</translation>
    </message>
    <message>
        <source>, with SLP %1 (%2 -&gt; %3)</source>
        <translation>, z SLP %1 (%2 -&gt; %3)</translation>
    </message>
    <message>
        <source>--%1 expects a date YYYY-MM-DD[THH:MM[:SS]]</source>
        <translation>--%1 oczekuje daty RRRR-MM-DD[Tgg:mm[:ss]]</translation>
    </message>
    <message>
        <source>fewer than two downloads of that trailer to compare</source>
        <translation>mniej niż dwa pobrania tej przyczepy do porównania</translation>
    </message>
    <message>
        <source>trailer %1</source>
        <translation>przyczepa %1</translation>
    </message>
    <message>
        <source>older: %1 %2</source>
        <translation>starsze: %1 %2</translation>
    </message>
    <message>
        <source>newer: %1 %2</source>
        <translation>nowsze: %1 %2</translation>
    </message>
    <message>
        <source>%1 already in the library as the same visit</source>
        <translation>już w bibliotece jako ta sama wizyta: %1</translation>
    </message>
    <message>
        <source>%1 copied, %2 already there, %3 skipped</source>
        <translation>skopiowano: %1, już obecne: %2, pominięto: %3</translation>
    </message>
    <message>
        <source>expected two libraries, FROM and TO (see haulmetry library copy --help)</source>
        <translation>oczekiwano dwóch bibliotek, FROM i TO (zob. haulmetry library copy --help)</translation>
    </message>
    <message>
        <source>Copies every download of the library FROM into the library TO (each an SQLite file or a postgresql:// URL), keeping each download&apos;s identification, times, computer, workshop, source and path. TO is created or brought forward as an import would. Each batch is one transaction and data already in TO is not stored twice, so a copy that was cut off is finished by running it again. An image that does not match its hash is named and skipped.</source>
        <translation>Kopiuje każde pobranie z biblioteki FROM do biblioteki TO (każda to plik SQLite lub URL postgresql://), zachowując identyfikację, czasy, komputer, warsztat, źródło i ścieżkę każdego pobrania. TO jest tworzona lub aktualizowana tak jak przy imporcie. Każda partia to jedna transakcja, a dane już obecne w TO nie są zapisywane dwa razy, więc przerwaną kopię kończy się, uruchamiając ją ponownie. Obraz niezgodny ze swoim skrótem jest wymieniany i pomijany.</translation>
    </message>
    <message>
        <source>The library to read.</source>
        <translation>Biblioteka do odczytu.</translation>
    </message>
    <message>
        <source>The library to add to.</source>
        <translation>Biblioteka, do której się dodaje.</translation>
    </message>
    <message>
        <source>Writes a copy of the SQLite library into the new file FILE with SQLite&apos;s online backup: safe while the window and other commands use the library. The copy is checked before it gets its name; an existing FILE is never replaced. A shared library is backed up on its server with pg_dump, or copied into an SQLite file with library copy.</source>
        <translation>Zapisuje kopię biblioteki SQLite w nowym pliku FILE za pomocą kopii zapasowej online SQLite: bezpiecznie, gdy okno i inne polecenia używają biblioteki. Kopia jest sprawdzana, zanim otrzyma swoją nazwę; istniejący FILE nigdy nie jest zastępowany. Bibliotekę współdzieloną archiwizuje się na jej serwerze programem pg_dump lub kopiuje do pliku SQLite poleceniem library copy.</translation>
    </message>
    <message>
        <source>The new file.</source>
        <translation>Nowy plik.</translation>
    </message>
    <message>
        <source>expected one FILE (see haulmetry library backup --help)</source>
        <translation>oczekiwano jednego FILE (zob. haulmetry library backup --help)</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Brak ustaleń.</translation>
    </message>
    <message>
        <source>haulmetry %1: unknown format &quot;%2&quot; (text or json)</source>
        <translation>haulmetry %1: nieznany format &quot;%2&quot; (text lub json)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: warning: %3</source>
        <translation>haulmetry %1: %2: ostrzeżenie: %3</translation>
    </message>
    <message>
        <source>since the older download: %1, of them %2 in the current interval</source>
        <translation>od starszego pobrania: %1, w tym %2 w bieżącym interwale</translation>
    </message>
    <message>
        <source>; %1 intervals driven in between are no longer held (missing)</source>
        <translation>; %1 interwałów przejechanych w międzyczasie nie jest już przechowywanych (brak)</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 not stored, %5 skipped</source>
        <translation>%1 dodano, %2 już w bibliotece, %3 czeka w lokalnej kolejce, %4 nie zapisano, %5 pominięto</translation>
    </message>
    <message>
        <source>expected one WORKSHOP</source>
        <translation>oczekiwano jednego WARSZTATU</translation>
    </message>
    <message>
        <source>%1 cannot be a workshop&apos;s role: use lower-case letters, digits and _, starting with a letter (at most 63, not pg_...)</source>
        <translation>%1 nie może być rolą warsztatu: użyj małych liter, cyfr i _, zaczynając od litery (najwyżej 63, nie pg_...)</translation>
    </message>
    <message>
        <source>%1 is set up for workshops (group role %2); add one with haulmetry library grant WORKSHOP
</source>
        <translation>%1 jest przygotowana dla warsztatów (rola grupowa %2); dodaj warsztat poleceniem haulmetry library grant WORKSHOP
</translation>
    </message>
    <message>
        <source>The workshop %1 may add to and read %2.
</source>
        <translation>Warsztat %1 może czytać %2 i dodawać do niej.
</translation>
    </message>
    <message>
        <source>Its password (shown only now; for the workshop&apos;s ~/.pgpass): %1
</source>
        <translation>Jego hasło (pokazane tylko teraz; do ~/.pgpass warsztatu): %1
</translation>
    </message>
    <message>
        <source>The workshop %1 may no longer use %2.
</source>
        <translation>Warsztat %1 nie może już używać %2.
</translation>
    </message>
    <message>
        <source>no findings</source>
        <translation>brak ustaleń</translation>
    </message>
    <message>
        <source>Fleet of %1 trailer(s): median and 90th percentile per figure</source>
        <translation>Flota %1 przyczep(y): mediana i 90. percentyl dla każdej wartości</translation>
    </message>
    <message>
        <source>expected at most one trailer identification</source>
        <translation>oczekiwano co najwyżej jednej identyfikacji przyczepy</translation>
    </message>
    <message>
        <source>unknown format %1 (text or json)</source>
        <translation>nieznany format %1 (text lub json)</translation>
    </message>
    <message>
        <source>unknown format %1 (text, csv, json or xlsx)</source>
        <translation>nieznany format %1 (text, csv, json lub xlsx)</translation>
    </message>
    <message>
        <source>haulmetry %1: --format must be csv, json or xlsx, not &apos;%2&apos;</source>
        <translation>haulmetry %1: --format musi być csv, json lub xlsx, a nie &apos;%2&apos;</translation>
    </message>
    <message>
        <source>haulmetry %1: a spreadsheet is not written to a terminal; give -o FILE</source>
        <translation>haulmetry %1: arkusz kalkulacyjny nie jest zapisywany na terminal; podaj -o PLIK</translation>
    </message>
    <message>
        <source>haulmetry %1: the spreadsheet could not be made: %2</source>
        <translation>haulmetry %1: nie można utworzyć arkusza kalkulacyjnego: %2</translation>
    </message>
    <message>
        <source>trailer %1:</source>
        <translation>przyczepa %1:</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>numer rejestracyjny</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>numer floty</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>klient</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notatki</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>brak danych</translation>
    </message>
    <message>
        <source>%1 is the plate or fleet number of %2 trailers (%3); give the identification</source>
        <translation>%1 to numer rejestracyjny lub numer floty %2 przyczep (%3); podaj identyfikator</translation>
    </message>
    <message>
        <source>%1 change(s) of trailers&apos; details copied</source>
        <translation>skopiowano zmiany danych przyczep: %1</translation>
    </message>
    <message>
        <source>nothing to set: give --plate, --fleet-number, --customer or --notes (see haulmetry library set --help)</source>
        <translation>nic do ustawienia: podaj --plate, --fleet-number, --customer lub --notes (zob. haulmetry library set --help)</translation>
    </message>
    <message>
        <source>changes of the details:</source>
        <translation>zmiany danych:</translation>
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
        <translation>%1 od ostatniej wizyty: %2</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km</source>
        <translation>Jazda z przeciążeniem przez %1 km</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km since the last visit</source>
        <translation>Jazda z przeciążeniem przez %1 km od ostatniej wizyty</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar</source>
        <translation>Jazda przez %1 km przy ciśnieniu w zbiorniku poniżej 6.5 bar</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar since the last visit</source>
        <translation>Jazda przez %1 km przy ciśnieniu w zbiorniku poniżej 6.5 bar od ostatniej wizyty</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone in the last %2 km: %1</source>
        <translation>Hamowania przy zasilaniu wyłącznie z obwodu świateł stopu w ostatnich %2 km: %1</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone since the last visit: %1</source>
        <translation>Hamowania przy zasilaniu wyłącznie z obwodu świateł stopu od ostatniej wizyty: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Zdarzenia przewrócenia: %1</translation>
    </message>
    <message>
        <source>Roll-over events since the last visit: %1</source>
        <translation>Zdarzenia przewrócenia od ostatniej wizyty: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>Zdarzenia ABS: %1</translation>
    </message>
    <message>
        <source>ABS events since the last visit: %1</source>
        <translation>Zdarzenia ABS od ostatniej wizyty: %1</translation>
    </message>
    <message>
        <source>Stability records: %1</source>
        <translation>Zapisy stabilności: %1</translation>
    </message>
    <message>
        <source>New stability records since the last visit: %1</source>
        <translation>Nowe zapisy stabilności od ostatniej wizyty: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above: %1</source>
        <translation>Hamowania przy 6 bar i więcej: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above since the last visit: %1</source>
        <translation>Hamowania przy 6 bar i więcej od ostatniej wizyty: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts since the last visit start at the erase</source>
        <translation>Dane sterownika zostały skasowane między wizytami: liczniki od ostatniej wizyty liczą od skasowania</translation>
    </message>
    <message>
        <source> (%1 per 1000 km)</source>
        <translation> (%1 na 1000 km)</translation>
    </message>
    <message>
        <source> (%1 of the distance)</source>
        <translation> (%1 dystansu)</translation>
    </message>
    <message>
        <source> (%1 of the brake applications)</source>
        <translation> (%1 hamowań)</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 z %2)</translation>
    </message>
    <message>
        <source>, above the fleet&apos;s 90th percentile of %1</source>
        <translation>, powyżej 90. percentyla floty: %1</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Uwaga</translation>
    </message>
</context>
<context>
    <name>hm::figures::RulesFile</name>
    <message>
        <source>the rule ends before its figure</source>
        <translation>reguła kończy się przed wskaźnikiem</translation>
    </message>
    <message>
        <source>unknown figure %1</source>
        <translation>nieznany wskaźnik %1</translation>
    </message>
    <message>
        <source>%1 sums the last 14000 km and has no change since the last visit</source>
        <translation>%1 sumuje ostatnie 14000 km i nie ma zmiany od ostatniej wizyty</translation>
    </message>
    <message>
        <source>the rule ends before its comparison (&gt;, &gt;=, &lt; or &lt;=)</source>
        <translation>reguła kończy się przed porównaniem (&gt;, &gt;=, &lt; lub &lt;=)</translation>
    </message>
    <message>
        <source>a comparison (&gt;, &gt;=, &lt; or &lt;=) was expected, not %1</source>
        <translation>oczekiwano porównania (&gt;, &gt;=, &lt; lub &lt;=), a nie %1</translation>
    </message>
    <message>
        <source>the rule ends before its number</source>
        <translation>reguła kończy się przed liczbą</translation>
    </message>
    <message>
        <source>bad number %1 (write a decimal point, such as 2.5)</source>
        <translation>błędna liczba %1 (należy pisać kropkę dziesiętną, np. 2.5)</translation>
    </message>
    <message>
        <source>%1 belongs after the number of a share only</source>
        <translation>%1 może stać tylko po liczbie udziału</translation>
    </message>
    <message>
        <source>the rule ends before its message</source>
        <translation>reguła kończy się przed komunikatem</translation>
    </message>
    <message>
        <source>unknown message %1</source>
        <translation>nieznany komunikat %1</translation>
    </message>
    <message>
        <source>%1 after the end of the rule</source>
        <translation>%1 po końcu reguły</translation>
    </message>
    <message>
        <source>unknown severity %1 (info or attention)</source>
        <translation>nieznany poziom %1 (info lub attention)</translation>
    </message>
    <message>
        <source>this rule holds for every download</source>
        <translation>ta reguła jest spełniona dla każdego pobrania</translation>
    </message>
    <message>
        <source>this rule never holds</source>
        <translation>ta reguła nigdy nie jest spełniona</translation>
    </message>
    <message>
        <source>too large for a rules file (over 1 MiB)</source>
        <translation>za duży na plik reguł (ponad 1 MiB)</translation>
    </message>
    <message>
        <source>not a text file (it holds zero bytes)</source>
        <translation>to nie plik tekstowy (zawiera bajty zerowe)</translation>
    </message>
</context>
<context>
    <name>hm::library::LibraryReport</name>
    <message>
        <source>Driven: %1 km</source>
        <translation>Przejechano: %1 km</translation>
    </message>
    <message>
        <source>Brake applications: %1</source>
        <translation>Hamowania: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>Zdarzenia ABS: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Przewrócenia: %1</translation>
    </message>
    <message>
        <source>Driven overloaded: %1 km</source>
        <translation>Przejechano z przeciążeniem: %1 km</translation>
    </message>
    <message>
        <source>Driven at low reservoir pressure: %1 km</source>
        <translation>Przejechano przy niskim ciśnieniu w zbiorniku: %1 km</translation>
    </message>
    <message>
        <source>New stability records: %1</source>
        <translation>Nowe zapisy stabilności: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts start at the erase.</source>
        <translation>Dane ECU zostały skasowane między wizytami: liczniki zaczynają się od skasowania.</translation>
    </message>
</context>
<context>
    <name>hm::str</name>
    <message>
        <source>&amp;About Haulmetry...</source>
        <comment>101</comment>
        <translation>&amp;O programie Haulmetry...</translation>
    </message>
    <message>
        <source> </source>
        <comment>202</comment>
        <translation> </translation>
    </message>
    <message>
        <source>1.  Average Braking Time v Peak Demand Pressure</source>
        <comment>203</comment>
        <translation>1.  Średni czas hamowania / maks. ciśnienie zadane</translation>
    </message>
    <message>
        <source>2.  Number of Brake Applications v Peak Demand Pressure</source>
        <comment>204</comment>
        <translation>2.  Liczba hamowań / maks. ciśnienie zadane</translation>
    </message>
    <message>
        <source>3.  Total Braking Time v Peak Demand Pressure</source>
        <comment>205</comment>
        <translation>3.  Łączny czas hamowania / maks. ciśnienie zadane</translation>
    </message>
    <message>
        <source>4.  Average Pressure v Braking Start Speed</source>
        <comment>206</comment>
        <translation>4.  Średnie ciśnienie / prędkość początkowa hamowania</translation>
    </message>
    <message>
        <source>5.  Number of of Brake Applications v Braking Start Speed</source>
        <comment>207</comment>
        <translation>5.  Liczba hamowań / prędkość początkowa hamowania</translation>
    </message>
    <message>
        <source>6.  Brake Applications v Distance</source>
        <comment>208</comment>
        <translation>6.  Hamowania / przebieg</translation>
    </message>
    <message>
        <source>7.  ABS Events v Distance</source>
        <comment>209</comment>
        <translation>7.  Interwencje ABS / przebieg</translation>
    </message>
    <message>
        <source>8.  Rollover Events v Distance</source>
        <comment>210</comment>
        <translation>8.  Interwencje RSS / przebieg</translation>
    </message>
    <message>
        <source>9.  Distance v Percentage Load</source>
        <comment>211</comment>
        <translation>9.  Przebieg / procent obciążenia</translation>
    </message>
    <message>
        <source>10. Distance v Reservoir Pressure</source>
        <comment>212</comment>
        <translation>10. Przebieg / ciśnienie w zbiorniku</translation>
    </message>
    <message>
        <source>Stability Snapshot</source>
        <comment>213</comment>
        <translation>Migawka stabilności</translation>
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
        <translation>(Każdy słupek to 500 km)</translation>
    </message>
    <message>
        <source>(Percentage Load (100% = Fully Laden) )</source>
        <comment>222</comment>
        <translation>(Procent obciążenia (100% = pełne obciążenie) )</translation>
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
        <translation>(Liczba)</translation>
    </message>
    <message>
        <source>(km)</source>
        <comment>227</comment>
        <translation>(km)</translation>
    </message>
    <message>
        <source>Save   ?</source>
        <comment>228</comment>
        <translation>Zapisać %1?</translation>
    </message>
    <message>
        <source> Haulmetry</source>
        <comment>229</comment>
        <translation> Haulmetry</translation>
    </message>
    <message>
        <source>Select Data to Erase From ECU</source>
        <comment>230</comment>
        <translation>Dane do skasowania z ECU</translation>
    </message>
    <message>
        <source>Extended Fleet Information</source>
        <comment>231</comment>
        <translation>Rozszerzone informacje flotowe</translation>
    </message>
    <message>
        <source>Stability Snapshot Information</source>
        <comment>232</comment>
        <translation>Informacje o migawce stabilności</translation>
    </message>
    <message>
        <source>Load Haulmetry Data From File</source>
        <comment>236</comment>
        <translation>Wczytaj dane Haulmetry z pliku</translation>
    </message>
    <message>
        <source>Save ECU Extended Fleet Data To File</source>
        <comment>237</comment>
        <translation>Zapisz rozszerzone dane flotowe ECU do pliku</translation>
    </message>
    <message>
        <source>Write To ECU</source>
        <comment>238</comment>
        <translation>Zapisz do ECU</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <comment>239</comment>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>Cancel without Updating ECU</source>
        <comment>240</comment>
        <translation>Anuluj bez zmiany ECU</translation>
    </message>
    <message>
        <source>Proceed with Write Operation</source>
        <comment>241</comment>
        <translation>Wykonaj zapis</translation>
    </message>
    <message>
        <source>Reload Data From ECU</source>
        <comment>242</comment>
        <translation>Wczytaj ponownie dane z ECU</translation>
    </message>
    <message>
        <source>View Next Graph</source>
        <comment>243</comment>
        <translation>Następny wykres</translation>
    </message>
    <message>
        <source>View Previous Graph</source>
        <comment>244</comment>
        <translation>Poprzedni wykres</translation>
    </message>
    <message>
        <source>Select Info To Clear</source>
        <comment>245</comment>
        <translation>Wybierz dane do skasowania</translation>
    </message>
    <message>
        <source>Write Current Extended Fleet Values To ECU</source>
        <comment>246</comment>
        <translation>Zapisz bieżące wartości flotowe do ECU</translation>
    </message>
    <message>
        <source>ECU Does Not Support Haulmetry</source>
        <comment>247</comment>
        <translation>ECU nie obsługuje Haulmetry</translation>
    </message>
    <message>
        <source> [ No Data Loaded ]</source>
        <comment>248</comment>
        <translation> [ Brak wczytanych danych ]</translation>
    </message>
    <message>
        <source> [ ECU Data ]</source>
        <comment>249</comment>
        <translation> [ Dane z ECU ]</translation>
    </message>
    <message>
        <source>Information about this Graph</source>
        <comment>250</comment>
        <translation>Informacje o tym wykresie</translation>
    </message>
    <message>
        <source>Preview/Print this Graph</source>
        <comment>252</comment>
        <translation>Podgląd/wydruk tego wykresu</translation>
    </message>
    <message>
        <source>Filename</source>
        <comment>260</comment>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Vehicle Ident Number</source>
        <comment>261</comment>
        <translation>Numer identyfikacyjny pojazdu</translation>
    </message>
    <message>
        <source>ECU Data Saved At:</source>
        <comment>262</comment>
        <translation>Dane ECU zapisane:</translation>
    </message>
    <message>
        <source>The duration of each brake application is recorded against the peak demand pressure. The data shows a graph of average time for a brake application in each of the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>265</comment>
        <translation>Czas trwania każdego hamowania jest rejestrowany względem maksymalnego ciśnienia zadanego. Wykres pokazuje średni czas hamowania w każdym przedziale ciśnienia co 0,5 Bar, od 0 do 8 Bar.</translation>
    </message>
    <message>
        <source>For each brake application, the peak demand pressure during the application is recorded. The data shows a graph of the number of brake applications for 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>266</comment>
        <translation>Dla każdego hamowania rejestrowane jest maksymalne ciśnienie zadane podczas hamowania. Wykres pokazuje liczbę hamowań w przedziałach ciśnienia co 0,5 Bar, od 0 do 8 Bar.</translation>
    </message>
    <message>
        <source>The duration of each brake application is measured and used to update the total braking time for the peak demand pressure in the brake application. The data shows a graph of the cumulative braking time for the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>267</comment>
        <translation>Czas trwania każdego hamowania jest mierzony i doliczany do łącznego czasu hamowania dla jego maksymalnego ciśnienia zadanego. Wykres pokazuje skumulowany czas hamowania w przedziałach co 0,5 Bar, od 0 do 8 Bar.</translation>
    </message>
    <message>
        <source>The peak demand pressure is monitored during each brake application and is then recorded against the speed measured at the start of the brake application.  The data shows a graph of average pressure for a brake application grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>268</comment>
        <translation>Maksymalne ciśnienie zadane jest monitorowane podczas każdego hamowania i rejestrowane względem prędkości zmierzonej na początku hamowania. Wykres pokazuje średnie ciśnienie hamowania w przedziałach co 10 km/h, od 0 do 160 km/h.</translation>
    </message>
    <message>
        <source>For each brake application, the speed at the start of the brake application is recorded. The data shows a graph of the number of brake applications grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>269</comment>
        <translation>Dla każdego hamowania rejestrowana jest prędkość na początku hamowania. Wykres pokazuje liczbę hamowań w przedziałach co 10 km/h, od 0 do 160 km/h.</translation>
    </message>
    <message>
        <source>The data shows the total number of brake applications that occurred in groups of 500km interval, and the number of those which occurred when the trailer was powered only by the 24N supply. (Total Graph Range is 14000 km).</source>
        <comment>270</comment>
        <translation>Wykres pokazuje łączną liczbę hamowań w odcinkach po 500 km oraz liczbę tych, podczas których przyczepa była zasilana tylko z zasilania 24N (światła stop). (Całkowity zakres wykresu: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of ABS events that have occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>271</comment>
        <translation>Wykres pokazuje łączną liczbę interwencji ABS w odcinkach po 500 km. (Całkowity zakres wykresu: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of Rollover events that occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>272</comment>
        <translation>Wykres pokazuje łączną liczbę interwencji RSS (zapobiegania przewróceniu) w odcinkach po 500 km. (Całkowity zakres wykresu: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the how the vehicle load has changed with distance. At the end of each Km travelled, the suspension pressure is recorded as a percentage (0% = Unladen, 100% = Fully Laden). In this way a &apos;Load Profile&apos; is built up.</source>
        <comment>273</comment>
        <translation>Wykres pokazuje, jak zmieniało się obciążenie pojazdu wraz z przebiegiem. Na końcu każdego przejechanego km ciśnienie w miechach zawieszenia jest rejestrowane w procentach (0% = bez ładunku, 100% = pełne obciążenie). W ten sposób powstaje &apos;profil obciążenia&apos;.</translation>
    </message>
    <message>
        <source>The data shows the how the reservoir pressure has changed with distance. At the end of each Km travelled, the reservoir pressure in 0.5 Bar steps is recorded.</source>
        <comment>274</comment>
        <translation>Wykres pokazuje, jak zmieniało się ciśnienie w zbiorniku wraz z przebiegiem. Na końcu każdego przejechanego km ciśnienie w zbiorniku jest rejestrowane w krokach co 0,5 Bar.</translation>
    </message>
    <message>
        <source>The stability snapshot records the output of the stability sensor together with the system parameters and signal states at the moment the ECU detected a stability event. The ECU keeps up to 32 snapshots.</source>
        <comment>275</comment>
        <translation>Migawka stabilności rejestruje sygnał czujnika stabilności wraz z parametrami systemu i stanami sygnałów w chwili, gdy ECU wykryło zdarzenie stabilności. ECU przechowuje do 32 migawek.</translation>
    </message>
    <message>
        <source> Print Preview</source>
        <comment>277</comment>
        <translation> Podgląd wydruku</translation>
    </message>
    <message>
        <source>Trying To Connect...</source>
        <comment>278</comment>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Display Information</source>
        <comment>279</comment>
        <translation>Pokaż informacje</translation>
    </message>
    <message>
        <source>Stability Snaphot</source>
        <comment>281</comment>
        <translation>Migawka stabilności</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>282</comment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Stability Sensor Output</source>
        <comment>283</comment>
        <translation>Sygnał czujnika stabilności</translation>
    </message>
    <message>
        <source>Time Since Startup (HH:MM:SS)</source>
        <comment>284</comment>
        <translation>Czas od startu (HH:MM:SS)</translation>
    </message>
    <message>
        <source>SYSTEM PARAMETERS</source>
        <comment>285</comment>
        <translation>PARAMETRY SYSTEMU</translation>
    </message>
    <message>
        <source>Odometer</source>
        <comment>286</comment>
        <translation>Licznik kilometrów</translation>
    </message>
    <message>
        <source>Voltage</source>
        <comment>287</comment>
        <translation>Napięcie</translation>
    </message>
    <message>
        <source>Reservoir Pressure</source>
        <comment>288</comment>
        <translation>Ciśnienie w zbiorniku</translation>
    </message>
    <message>
        <source>Suspension Pressure</source>
        <comment>289</comment>
        <translation>Ciśnienie w miechach</translation>
    </message>
    <message>
        <source>ISO Demand Pressure</source>
        <comment>290</comment>
        <translation>Ciśnienie zadane ISO</translation>
    </message>
    <message>
        <source>Control Line Pressure</source>
        <comment>291</comment>
        <translation>Ciśnienie przewodu sterującego</translation>
    </message>
    <message>
        <source>Vehicle Speed</source>
        <comment>292</comment>
        <translation>Prędkość pojazdu</translation>
    </message>
    <message>
        <source>SYSTEM SETTINGS</source>
        <comment>293</comment>
        <translation>STANY SYSTEMU</translation>
    </message>
    <message>
        <source>Red Lamp Signal</source>
        <comment>294</comment>
        <translation>Czerwona lampka</translation>
    </message>
    <message>
        <source>Cab Lamp Signal</source>
        <comment>295</comment>
        <translation>Lampka w kabinie</translation>
    </message>
    <message>
        <source>Service Lamp Signal</source>
        <comment>296</comment>
        <translation>Lampka serwisowa</translation>
    </message>
    <message>
        <source>Stop Light Power</source>
        <comment>297</comment>
        <translation>Zasilanie świateł stop</translation>
    </message>
    <message>
        <source>Brake Apply</source>
        <comment>298</comment>
        <translation>Hamowanie</translation>
    </message>
    <message>
        <source>View and Print Stability Data</source>
        <comment>299</comment>
        <translation>Pokaż i drukuj dane stabilności</translation>
    </message>
    <message>
        <source>No Interim Data for this graph</source>
        <comment>303</comment>
        <translation>Brak wartości pośrednich dla tego wykresu</translation>
    </message>
    <message>
        <source>Number of 500km intervals</source>
        <comment>305</comment>
        <translation>Liczba odcinków 500 km</translation>
    </message>
    <message>
        <source>Km(s) in current interval (0..500)</source>
        <comment>307</comment>
        <translation>km w bieżącym odcinku (0..500)</translation>
    </message>
    <message>
        <source>Brake Apps in current interval</source>
        <comment>308</comment>
        <translation>Hamowania w bieżącym odcinku</translation>
    </message>
    <message>
        <source>SLP Brake Apps in current interval</source>
        <comment>309</comment>
        <translation>Hamowania SLP w bieżącym odcinku</translation>
    </message>
    <message>
        <source>ABS Events in current interval</source>
        <comment>311</comment>
        <translation>Interwencje ABS w bieżącym odcinku</translation>
    </message>
    <message>
        <source>Rollover Events in current interval</source>
        <comment>313</comment>
        <translation>Interwencje RSS w bieżącym odcinku</translation>
    </message>
    <message>
        <source>Working Offline</source>
        <comment>314</comment>
        <translation>Praca offline</translation>
    </message>
    <message>
        <source>!! Application Already Running !!</source>
        <comment>315</comment>
        <translation>!! Program już działa !!</translation>
    </message>
    <message>
        <source>Failed To Connect To ECU - Retry ?</source>
        <comment>316</comment>
        <translation>Brak połączenia z ECU - Ponowić ?</translation>
    </message>
    <message>
        <source>Load from Dir - </source>
        <comment>317</comment>
        <translation>Wczytaj z folderu - </translation>
    </message>
    <message>
        <source>Save To Dir - </source>
        <comment>318</comment>
        <translation>Zapisz do folderu - </translation>
    </message>
    <message>
        <source>Stability Data Only</source>
        <comment>319</comment>
        <translation>Tylko dane stabilności</translation>
    </message>
    <message>
        <source> [ ***  File Error  *** ]</source>
        <comment>320</comment>
        <translation> [ ***  Błąd pliku  *** ]</translation>
    </message>
    <message>
        <source> [ File: </source>
        <comment>321</comment>
        <translation> [ Plik: </translation>
    </message>
    <message>
        <source>Not Connected</source>
        <comment>322</comment>
        <translation>Brak połączenia</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>323</comment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>No Data</source>
        <comment>324</comment>
        <translation>Brak danych</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>1127</comment>
        <translation>sty</translation>
    </message>
    <message>
        <source>Feb</source>
        <comment>1128</comment>
        <translation>lut</translation>
    </message>
    <message>
        <source>Mar</source>
        <comment>1129</comment>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <comment>1130</comment>
        <translation>kwi</translation>
    </message>
    <message>
        <source>May</source>
        <comment>1131</comment>
        <translation>maj</translation>
    </message>
    <message>
        <source>Jun</source>
        <comment>1132</comment>
        <translation>cze</translation>
    </message>
    <message>
        <source>Jul</source>
        <comment>1133</comment>
        <translation>lip</translation>
    </message>
    <message>
        <source>Aug</source>
        <comment>1134</comment>
        <translation>sie</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>1135</comment>
        <translation>wrz</translation>
    </message>
    <message>
        <source>Oct</source>
        <comment>1136</comment>
        <translation>paź</translation>
    </message>
    <message>
        <source>Nov</source>
        <comment>1137</comment>
        <translation>lis</translation>
    </message>
    <message>
        <source>Dec</source>
        <comment>1138</comment>
        <translation>gru</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <comment>1200</comment>
        <translation>Połączenie: %1</translation>
    </message>
    <message>
        <source>searching, a port is being tried</source>
        <comment>1201</comment>
        <translation>wyszukiwanie, sprawdzany jest port</translation>
    </message>
    <message>
        <source>connected to the ECU</source>
        <comment>1202</comment>
        <translation>połączono z ECU</translation>
    </message>
    <message>
        <source>not connected</source>
        <comment>1203</comment>
        <translation>brak połączenia</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>1204</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Load data file</source>
        <comment>1210</comment>
        <translation>Wczytaj plik danych</translation>
    </message>
    <message>
        <source>Save data file</source>
        <comment>1211</comment>
        <translation>Zapisz plik danych</translation>
    </message>
    <message>
        <source>Erase or write ECU data</source>
        <comment>1212</comment>
        <translation>Kasuj lub zapisz dane ECU</translation>
    </message>
    <message>
        <source>Reload from ECU</source>
        <comment>1213</comment>
        <translation>Wczytaj ponownie z ECU</translation>
    </message>
    <message>
        <source>Stability snapshots</source>
        <comment>1214</comment>
        <translation>Migawki stabilności</translation>
    </message>
    <message>
        <source>Graph information</source>
        <comment>1215</comment>
        <translation>Informacje o wykresie</translation>
    </message>
    <message>
        <source>Print preview</source>
        <comment>1216</comment>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>1217</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Next graph</source>
        <comment>1218</comment>
        <translation>Następny wykres</translation>
    </message>
    <message>
        <source>Previous graph</source>
        <comment>1219</comment>
        <translation>Poprzedni wykres</translation>
    </message>
    <message>
        <source>Download progress</source>
        <comment>1220</comment>
        <translation>Postęp pobierania</translation>
    </message>
    <message>
        <source>Chart</source>
        <comment>1221</comment>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <comment>1222</comment>
        <translation>Wykres: %1</translation>
    </message>
    <message>
        <source>One entry per bar, with the bar&apos;s range and value</source>
        <comment>1223</comment>
        <translation>Jeden wpis na słupek, z zakresem i wartością słupka</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>1224</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bar %1 of %2</source>
        <comment>1225</comment>
        <translation>Słupek %1 z %2</translation>
    </message>
    <message>
        <source>Graph title</source>
        <comment>1226</comment>
        <translation>Tytuł wykresu</translation>
    </message>
    <message>
        <source>Top of the vertical scale</source>
        <comment>1227</comment>
        <translation>Góra skali pionowej</translation>
    </message>
    <message>
        <source>Vertical unit</source>
        <comment>1228</comment>
        <translation>Jednostka pionowa</translation>
    </message>
    <message>
        <source>Bottom of the vertical scale</source>
        <comment>1229</comment>
        <translation>Dół skali pionowej</translation>
    </message>
    <message>
        <source>Distance at the left end</source>
        <comment>1230</comment>
        <translation>Przebieg na lewym końcu</translation>
    </message>
    <message>
        <source>Distance at the right end</source>
        <comment>1231</comment>
        <translation>Przebieg na prawym końcu</translation>
    </message>
    <message>
        <source>Horizontal unit</source>
        <comment>1232</comment>
        <translation>Jednostka pozioma</translation>
    </message>
    <message>
        <source>Horizontal scale</source>
        <comment>1233</comment>
        <translation>Skala pozioma</translation>
    </message>
    <message>
        <source>ECU type</source>
        <comment>1234</comment>
        <translation>Typ ECU</translation>
    </message>
    <message>
        <source>Printed page</source>
        <comment>1235</comment>
        <translation>Drukowana strona</translation>
    </message>
    <message>
        <source>The page as it will be printed: Ctrl+P prints it, Ctrl++ and Ctrl+- zoom</source>
        <comment>1236</comment>
        <translation>Strona tak, jak zostanie wydrukowana: Ctrl+P drukuje, Ctrl++ i Ctrl+- powiększają i pomniejszają</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>1237</comment>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>Frames sent and received</source>
        <comment>1238</comment>
        <translation>Ramki wysłane i odebrane</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1240</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>1241</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Data to erase</source>
        <comment>1242</comment>
        <translation>Dane do skasowania</translation>
    </message>
    <message>
        <source>Explanation</source>
        <comment>1243</comment>
        <translation>Objaśnienie</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <comment>1244</comment>
        <translation>Migawka %1</translation>
    </message>
    <message>
        <source>Stability sensor output of snapshot %1</source>
        <comment>1245</comment>
        <translation>Wyjście czujnika stabilności, migawka %1</translation>
    </message>
</context>
</TS>
