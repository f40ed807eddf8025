<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>hm::CAboutDlg</name>
    <message>
        <source>About Haulmetry</source>
        <translation>Acerca de Haulmetry</translation>
    </message>
    <message>
        <source>Haulmetry Version %1</source>
        <translation>Haulmetry versión %1</translation>
    </message>
    <message>
        <source>Licence: GPL-3.0-or-later</source>
        <translation>Licencia: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later, with no warranty.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior, sin ninguna garantía.</translation>
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
        <translation>La ventana de Haulmetry en marcha está ocupada; %1 no se abrió.</translation>
    </message>
    <message>
        <source>haulmetry: the running copy did not take the file: %1</source>
        <translation>haulmetry: el programa en marcha no aceptó el archivo: %1</translation>
    </message>
    <message>
        <source>Haulmetry cannot write the trace file %1: %2. The link is not traced to a file.</source>
        <translation>Haulmetry no puede escribir el archivo de traza %1: %2. El enlace no se registra en un archivo.</translation>
    </message>
    <message>
        <source>Haulmetry cannot set up its single-instance lock: %1</source>
        <translation>Haulmetry no puede establecer su bloqueo de instancia única: %1</translation>
    </message>
</context>
<context>
    <name>hm::CHaulDlg</name>
    <message>
        <source>Search for ECU</source>
        <translation>Buscar la ECU</translation>
    </message>
    <message>
        <source>Link &amp;Trace...</source>
        <translation>&amp;Traza del enlace...</translation>
    </message>
    <message>
        <source>ECU</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>&amp;Library...</source>
        <translation>&amp;Biblioteca...</translation>
    </message>
    <message>
        <source>Trailer %1, %2 km</source>
        <translation>Remolque %1, %2 km</translation>
    </message>
    <message>
        <source>%1: no findings</source>
        <translation>%1: sin hallazgos</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 (and %3 more)</source>
        <translation>%1: %2 (y %3 más)</translation>
    </message>
    <message>
        <source>The rules give no findings for this data.</source>
        <translation>Las reglas no dan hallazgos para estos datos.</translation>
    </message>
    <message>
        <source>The findings rules file cannot be used (line %1: %2); the default rules apply.</source>
        <translation>El archivo de reglas de hallazgos no se puede usar (línea %1: %2); se aplican las reglas predeterminadas.</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Hallazgos</translation>
    </message>
    <message>
        <source>%1. Press Ctrl+F or click for the findings window.</source>
        <translation>%1. Ctrl+F o un clic abre la ventana de hallazgos.</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Configuración...</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>No se puede imprimir: %1</translation>
    </message>
</context>
<context>
    <name>hm::CInfo</name>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Interim Values</source>
        <translation>Valores intermedios</translation>
    </message>
</context>
<context>
    <name>hm::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Close	Ctrl+W</source>
        <translation>&amp;Cerrar	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>&amp;Ampliar	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>&amp;Reducir	Ctrl+-</translation>
    </message>
    <message>
        <source>Fit &amp;Width	Ctrl+0</source>
        <translation>Ajustar al a&amp;ncho	Ctrl+0</translation>
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
        <translation>No se pudo imprimir la página en %1.</translation>
    </message>
</context>
<context>
    <name>hm::CSettingsDlg</name>
    <message>
        <source>given with --library</source>
        <translation>indicada con --library</translation>
    </message>
    <message>
        <source>given by the environment variable HAULMETRY_LIBRARY</source>
        <translation>indicada por la variable de entorno HAULMETRY_LIBRARY</translation>
    </message>
    <message>
        <source>from the library settings</source>
        <translation>de la configuración de la biblioteca</translation>
    </message>
    <message>
        <source>the default</source>
        <translation>la predeterminada</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Data files</source>
        <translation>Archivos de datos</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>&amp;Carpeta de datos:</translation>
    </message>
    <message>
        <source>Write a &amp;text file beside each saved data file</source>
        <translation>Escribir un archivo de &amp;texto junto a cada archivo de datos guardado</translation>
    </message>
    <message>
        <source>Show the &amp;summary after loading a file</source>
        <translation>Mostrar el &amp;resumen tras cargar un archivo</translation>
    </message>
    <message>
        <source>No settings file: these settings last until the window closes.</source>
        <translation>Sin archivo de configuración: estos ajustes valen hasta que se cierre la ventana.</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Archivo de configuración: %1</translation>
    </message>
    <message>
        <source>Trailer library</source>
        <translation>Biblioteca de remolques</translation>
    </message>
    <message>
        <source>PostgreSQL address or SQLite file; empty: the default</source>
        <translation>Dirección PostgreSQL o archivo SQLite; vacío: la predeterminada</translation>
    </message>
    <message>
        <source>&amp;Library:</source>
        <translation>&amp;Biblioteca:</translation>
    </message>
    <message>
        <source>In use: %1 (%2).</source>
        <translation>En uso: %1 (%2).</translation>
    </message>
    <message>
        <source>While --library or HAULMETRY_LIBRARY names a library, this setting is not used.</source>
        <translation>Mientras --library o HAULMETRY_LIBRARY indique una biblioteca, este ajuste no se usa.</translation>
    </message>
    <message>
        <source>A change of the library takes effect when Haulmetry starts next.</source>
        <translation>Un cambio de biblioteca tiene efecto en el próximo inicio de Haulmetry.</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Taller</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;Phone:</source>
        <translation>Telé&amp;fono:</translation>
    </message>
    <message>
        <source>Lo&amp;go:</source>
        <translation>&amp;Logo:</translation>
    </message>
    <message>
        <source>Kept in %1.</source>
        <translation>Guardado en %1.</translation>
    </message>
    <message>
        <source>The library settings cannot be changed here.</source>
        <translation>La configuración de la biblioteca no se puede cambiar aquí.</translation>
    </message>
    <message>
        <source>Empty: %1.</source>
        <translation>Vacío: %1.</translation>
    </message>
    <message>
        <source>Give a full path, starting with /.</source>
        <translation>Indique una ruta completa, que empiece por /.</translation>
    </message>
    <message>
        <source>This folder does not exist yet; OK creates it.</source>
        <translation>Esta carpeta aún no existe; Aceptar la crea.</translation>
    </message>
    <message>
        <source>Saves, and the backups before an erase or a reload, go into the data folder. Loading a file from another folder makes that folder the data folder.</source>
        <translation>Los guardados, y las copias antes de un borrado o una recarga, van a la carpeta de datos. Cargar un archivo de otra carpeta convierte esa carpeta en la carpeta de datos.</translation>
    </message>
    <message>
        <source>Choose the Data Folder</source>
        <translation>Elegir la carpeta de datos</translation>
    </message>
    <message>
        <source>Choose the Logo</source>
        <translation>Elegir el logo</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Imágenes (*.png *.svg)</translation>
    </message>
    <message>
        <source>The data folder must be a full path, starting with /.</source>
        <translation>La carpeta de datos debe ser una ruta completa, que empiece por /.</translation>
    </message>
    <message>
        <source>The address holds a password, so it is changed in the library settings file itself.</source>
        <translation>La dirección contiene una contraseña, así que se cambia en el propio archivo de configuración de la biblioteca.</translation>
    </message>
</context>
<context>
    <name>hm::DataFile</name>
    <message>
        <source>file is too short (%1 bytes, a data file has %2)</source>
        <translation>el archivo es demasiado corto (%1 bytes, un archivo de datos tiene %2)</translation>
    </message>
    <message>
        <source>not a Haulmetry data file (signature missing)</source>
        <translation>no es un archivo de datos de Haulmetry (falta la firma)</translation>
    </message>
    <message>
        <source>wrong block size %1 (expected %2)</source>
        <translation>tamaño de bloque erróneo %1 (se esperaba %2)</translation>
    </message>
</context>
<context>
    <name>hm::DataFileController</name>
    <message>
        <source>The data folder %1 does not exist any more. The file is saved in %2 instead.</source>
        <translation>La carpeta de datos %1 ya no existe. El archivo se guarda en %2.</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>No se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>the data folder must be a full path, starting with /</source>
        <translation>la carpeta de datos debe ser una ruta completa, que empiece por /</translation>
    </message>
    <message>
        <source>the data folder %1: %2</source>
        <translation>la carpeta de datos %1: %2</translation>
    </message>
    <message>
        <source>The settings were not changed: %1</source>
        <translation>No se cambió la configuración: %1</translation>
    </message>
</context>
<context>
    <name>hm::DetailsForm</name>
    <message>
        <source>Details</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>&amp;Plate:</source>
        <translation>&amp;Matrícula:</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Matrícula</translation>
    </message>
    <message>
        <source>Fleet &amp;number:</source>
        <translation>&amp;Número de flota:</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Número de flota</translation>
    </message>
    <message>
        <source>&amp;Customer:</source>
        <translation>&amp;Cliente:</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>N&amp;otas:</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>&amp;Save details</source>
        <translation>Guardar &amp;datos</translation>
    </message>
    <message>
        <source>Save details</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Stores the plate, fleet number, customer and notes of the trailer in the library</source>
        <translation>Guarda en la biblioteca la matrícula, el número de flota, el cliente y las notas del remolque</translation>
    </message>
    <message>
        <source>Details of %1</source>
        <translation>Datos de %1</translation>
    </message>
    <message>
        <source>No details are stored yet.</source>
        <translation>Todavía no hay datos guardados.</translation>
    </message>
    <message>
        <source>Changed %1 by %2</source>
        <translation>Cambiado el %1 por %2</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>sin datos</translation>
    </message>
    <message>
        <source>Changes of the details, newest first:</source>
        <translation>Cambios de los datos, el más reciente primero:</translation>
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
        <translation>Barra %1 de %2</translation>
    </message>
    <message>
        <source>&amp;Graph:</source>
        <translation>&amp;Gráfico:</translation>
    </message>
    <message>
        <source>Graph compared</source>
        <translation>Gráfico comparado</translation>
    </message>
    <message>
        <source>Which of the ten graphs the two downloads are compared in</source>
        <translation>En cuál de los diez gráficos se comparan las dos descargas</translation>
    </message>
    <message>
        <source>Difference chart</source>
        <translation>Gráfico de diferencias</translation>
    </message>
    <message>
        <source>Newer visit chart</source>
        <translation>Gráfico de la visita más reciente</translation>
    </message>
    <message>
        <source>Choose two downloads of a trailer to compare them.</source>
        <translation>Elija dos descargas de un remolque para compararlas.</translation>
    </message>
    <message>
        <source>Usage chart</source>
        <translation>Gráfico de uso</translation>
    </message>
    <message>
        <source>Usage between %1 and %2 (in all: %3)</source>
        <translation>Uso entre %1 y %2 (en total: %3)</translation>
    </message>
    <message>
        <source>The counters were reset between the two visits (the ECU&apos;s data was erased): the chart shows the newer values, counted since then.</source>
        <translation>Los contadores se reiniciaron entre las dos visitas (se borraron los datos de la ECU): el gráfico muestra los valores más recientes, contados desde entonces.</translation>
    </message>
    <message>
        <source>Older visit chart</source>
        <translation>Gráfico de la visita más antigua</translation>
    </message>
    <message>
        <source>Older visit: %1</source>
        <translation>Visita más antigua: %1</translation>
    </message>
    <message>
        <source>Newer visit: %1</source>
        <translation>Visita más reciente: %1</translation>
    </message>
    <message>
        <source>This graph holds averages, which cannot be subtracted: both visits are shown.</source>
        <translation>Este gráfico contiene promedios, que no se pueden restar: se muestran las dos visitas.</translation>
    </message>
    <message>
        <source>Vertical: %1 to %2 %3. Horizontal: %4</source>
        <translation>Vertical: de %1 a %2 %3. Horizontal: %4</translation>
    </message>
</context>
<context>
    <name>hm::FileAccess</name>
    <message>
        <source>is %1, not a regular file; it was left as it is</source>
        <translation>es %1, no un archivo normal; se dejó como estaba</translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>is %1, not a regular file</source>
        <translation>es %1, no un archivo normal</translation>
    </message>
    <message>
        <source>a regular file</source>
        <translation>un archivo normal</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>una FIFO</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>a block device</source>
        <translation>un dispositivo de bloques</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un enlace simbólico</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>cannot open: </source>
        <translation>no se puede abrir: </translation>
    </message>
    <message>
        <source>cannot empty the file: </source>
        <translation>no se puede vaciar el archivo: </translation>
    </message>
    <message>
        <source>cannot read: </source>
        <translation>no se puede leer: </translation>
    </message>
</context>
<context>
    <name>hm::FleetModel</name>
    <message>
        <source>download</source>
        <translation>descarga</translation>
    </message>
    <message>
        <source>file loaded</source>
        <translation>archivo cargado</translation>
    </message>
    <message>
        <source>file saved</source>
        <translation>archivo guardado</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importación</translation>
    </message>
    <message>
        <source>Trailer</source>
        <translation>Remolque</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Última visita</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distancia (km)</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Registros de estabilidad</translation>
    </message>
    <message>
        <source>Distance since (km)</source>
        <translation>Distancia desde entonces (km)</translation>
    </message>
    <message>
        <source>Brake applications since</source>
        <translation>Frenadas desde entonces</translation>
    </message>
    <message>
        <source>New stability records</source>
        <translation>Nuevos registros de estabilidad</translation>
    </message>
    <message>
        <source>%1 (erased)</source>
        <translation>%1 (borrado)</translation>
    </message>
    <message>
        <source>ABS events since</source>
        <translation>Eventos ABS desde entonces</translation>
    </message>
    <message>
        <source>Roll-over events since</source>
        <translation>Vuelcos desde entonces</translation>
    </message>
    <message>
        <source>Overloaded (km)</source>
        <translation>Sobrecarga (km)</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Hallazgos</translation>
    </message>
    <message>
        <source>fleet number %1</source>
        <translation>número de flota %1</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Matrícula</translation>
    </message>
    <message>
        <source>Fleet number</source>
        <translation>Número de flota</translation>
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
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Taller</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distancia (km)</translation>
    </message>
    <message>
        <source>Brake applications</source>
        <translation>Frenadas</translation>
    </message>
    <message>
        <source>Stability records</source>
        <translation>Registros de estabilidad</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Hallazgos</translation>
    </message>
</context>
<context>
    <name>hm::Language</name>
    <message>
        <source>--language needs a language code, such as de or fr</source>
        <translation>--language necesita un código de idioma, como de o fr</translation>
    </message>
    <message>
        <source>no translation for the language &apos;%1&apos; (there are: en %2)</source>
        <translation>no hay traducción para el idioma &apos;%1&apos; (disponibles: en %2)</translation>
    </message>
</context>
<context>
    <name>hm::Library</name>
    <message>
        <source>; %1 wait(s) in the local queue %2 and will be sent when the server is back</source>
        <translation>; %1 descarga(s) espera(n) en la cola local %2 y se enviará(n) cuando el servidor vuelva</translation>
    </message>
    <message>
        <source>%1 download(s) that waited in the local queue were stored in %2</source>
        <translation>%1 descarga(s) que esperaba(n) en la cola local se guardaron en %2</translation>
    </message>
    <message>
        <source>the local queue could not be sent: %1</source>
        <translation>no se pudo enviar la cola local: %1</translation>
    </message>
    <message>
        <source>cannot add to %1: it is read-only</source>
        <translation>no se puede añadir a %1: es de solo lectura</translation>
    </message>
    <message>
        <source>cannot reach %1</source>
        <translation>no se puede acceder a %1</translation>
    </message>
    <message>
        <source>cannot store in %1: %2</source>
        <translation>no se puede guardar en %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot read download %1 of %2: %3</source>
        <translation>no se puede leer la descarga %1 de %2: %3</translation>
    </message>
    <message>
        <source>the server cannot be reached</source>
        <translation>no se puede acceder al servidor</translation>
    </message>
    <message>
        <source>download %1 of %2 is not 2484 bytes</source>
        <translation>la descarga %1 de %2 no tiene 2484 bytes</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2): it is damaged or not a library, and is left as it is</source>
        <translation>no se puede leer %1 (%2): está dañada o no es una biblioteca; se deja como está</translation>
    </message>
    <message>
        <source>%1 was written by a newer Haulmetry (library schema %2, this program knows up to %3); it is left as it is</source>
        <translation>%1 fue escrita por un Haulmetry más reciente (esquema de biblioteca %2, este programa conoce hasta %3); se deja como está</translation>
    </message>
    <message>
        <source>%1 is an SQLite file but not a Haulmetry library; it is left as it is</source>
        <translation>%1 es un archivo SQLite pero no una biblioteca de Haulmetry; se deja como está</translation>
    </message>
    <message>
        <source>%1 is read-only and needs its schema brought forward; nothing was changed</source>
        <translation>%1 es de solo lectura y su esquema debe actualizarse; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot set up %1: %2</source>
        <translation>no se puede preparar %1: %2</translation>
    </message>
    <message>
        <source>the library %1</source>
        <translation>la biblioteca %1</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed (Debian: libqt6sql6-sqlite)</source>
        <translation>el controlador SQLite de Qt no está instalado (Debian: libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>cannot create the folder of %1: %2</source>
        <translation>no se puede crear la carpeta de %1: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>the PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql)</source>
        <translation>el controlador PostgreSQL de Qt no está instalado (Debian: libqt6sql6-psql)</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>no se puede acceder a %1: %2</translation>
    </message>
    <message>
        <source>no download with that number</source>
        <translation>no hay ninguna descarga con ese número</translation>
    </message>
    <message>
        <source>%1 is not a library (%2)</source>
        <translation>%1 no es una biblioteca (%2)</translation>
    </message>
    <message>
        <source>cannot back up %1: %2</source>
        <translation>no se puede hacer copia de seguridad de %1: %2</translation>
    </message>
    <message>
        <source>%1 exists already; a backup never replaces a file</source>
        <translation>%1 ya existe; una copia de seguridad nunca reemplaza un archivo</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 es %2, no un archivo normal</translation>
    </message>
    <message>
        <source>a shared library is backed up on its server with pg_dump; or copy it into an SQLite file with: haulmetry library copy URL FILE</source>
        <translation>una biblioteca compartida se respalda en su servidor con pg_dump; o cópiela a un archivo SQLite con: haulmetry library copy URL FILE</translation>
    </message>
    <message>
        <source>%1 download(s) of %2 backed up into %3</source>
        <translation>%1 descarga(s) de %2 respaldada(s) en %3</translation>
    </message>
    <message>
        <source>there is no library %1: %2</source>
        <translation>no existe la biblioteca %1: %2</translation>
    </message>
    <message>
        <source>its image is missing</source>
        <translation>falta su imagen</translation>
    </message>
    <message>
        <source>its image is not 2484 bytes</source>
        <translation>su imagen no tiene 2484 bytes</translation>
    </message>
    <message>
        <source>its image does not match its hash</source>
        <translation>su imagen no coincide con su hash</translation>
    </message>
    <message>
        <source>download %1 of %2 (%3, %4): %5; skipped</source>
        <translation>descarga %1 de %2 (%3, %4): %5; omitida</translation>
    </message>
    <message>
        <source>%1 and %2 are the same library</source>
        <translation>%1 y %2 son la misma biblioteca</translation>
    </message>
    <message>
        <source>; %1 download(s) were copied before; run the same copy again to finish it (nothing is stored twice)</source>
        <translation>; %1 descarga(s) se copiaron antes; ejecute la misma copia de nuevo para terminarla (nada se guarda dos veces)</translation>
    </message>
    <message>
        <source>; %1 could not be written to the local queue %2 either: %3</source>
        <translation>; %1 tampoco se pudo/pudieron escribir en la cola local %2: %3</translation>
    </message>
    <message>
        <source>the queue item %1 was refused by the server and is set aside: %2</source>
        <translation>el servidor rechazó el elemento de la cola %1, que se ha apartado: %2</translation>
    </message>
    <message>
        <source>the queue item %1 cannot be read and is left in place</source>
        <translation>el elemento de la cola %1 no se puede leer y se deja donde está</translation>
    </message>
    <message>
        <source>download %1 of %2 does not match its hash: the stored image was changed, and is not used</source>
        <translation>la descarga %1 de %2 no coincide con su hash: la imagen guardada se modificó y no se usa</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>es %1, no un archivo normal</translation>
    </message>
    <message>
        <source>it belongs to another user (uid %1)</source>
        <translation>pertenece a otro usuario (uid %1)</translation>
    </message>
    <message>
        <source>others may write it (mode %1)</source>
        <translation>otros pueden escribirlo (modo %1)</translation>
    </message>
    <message>
        <source>it holds a password but others may read it (mode %1; chmod 600 makes it yours alone)</source>
        <translation>contiene una contraseña, pero otros pueden leerlo (modo %1; chmod 600 lo hace solo suyo)</translation>
    </message>
    <message>
        <source>the library settings %1 are not used: %2</source>
        <translation>no se usa la configuración de la biblioteca %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid PostgreSQL address (postgresql://USER@HOST:PORT/DATABASE)</source>
        <translation>%1 no es una dirección PostgreSQL válida (postgresql://USER@HOST:PORT/DATABASE)</translation>
    </message>
    <message>
        <source>a password on the command line can be read by every user of this computer; give it in ~/.pgpass or in the library settings (mode 0600) instead</source>
        <translation>cualquier usuario de este equipo puede leer una contraseña en la línea de órdenes; indíquela en ~/.pgpass o en la configuración de la biblioteca (modo 0600)</translation>
    </message>
    <message>
        <source>%1 is not a library address this program knows (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE or a file name)</source>
        <translation>%1 no es una dirección de biblioteca que este programa conozca (postgresql://HOST/DATABASE, postgres://..., sqlite:FILE o un nombre de archivo)</translation>
    </message>
    <message>
        <source>%1 is an SQLite file: roles and rights apply to a shared PostgreSQL library only</source>
        <translation>%1 es un archivo SQLite: los roles y derechos solo se aplican a una biblioteca PostgreSQL compartida</translation>
    </message>
    <message>
        <source>cannot set up the rights of %1: %2</source>
        <translation>no se pueden configurar los derechos de %1: %2</translation>
    </message>
    <message>
        <source>the role %1 exists and is not a workshop&apos;s; nothing was changed</source>
        <translation>el rol %1 existe y no es de un taller; no se cambió nada</translation>
    </message>
    <message>
        <source>cannot add the workshop %1 to %2: %3</source>
        <translation>no se puede añadir el taller %1 a %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a workshop of %2; nothing was changed</source>
        <translation>%1 no es un taller de %2; no se cambió nada</translation>
    </message>
    <message>
        <source>cannot revoke the workshop %1: %2</source>
        <translation>no se puede revocar el taller %1: %2</translation>
    </message>
    <message>
        <source>%1 has library schema %2, and only its owner may bring it to %3 (haulmetry library setup as the owner); nothing was changed</source>
        <translation>%1 tiene el esquema de biblioteca %2 y solo su propietario puede llevarlo a %3 (haulmetry library setup como propietario); no se cambió nada</translation>
    </message>
    <message>
        <source>the connection parameter %1 cannot be passed on</source>
        <translation>el parámetro de conexión %1 no se puede transmitir</translation>
    </message>
    <message>
        <source>%1 refused the connection: %2</source>
        <translation>%1 rechazó la conexión: %2</translation>
    </message>
    <message>
        <source>cannot store the details of the trailer %1: %2</source>
        <translation>no se pueden guardar los datos del remolque %1: %2</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>%1 holds no download of it</source>
        <translation>%1 no contiene ninguna descarga suya</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 lo ha rechazado: %2</translation>
    </message>
    <message>
        <source>the %1 is not UTF-8 text</source>
        <translation>%1: no es texto UTF-8</translation>
    </message>
    <message>
        <source>the %1 holds a control character (a line break, a tab, ...), which cannot be stored</source>
        <translation>%1: contiene un carácter de control (un salto de línea, un tabulador, ...), que no se puede guardar</translation>
    </message>
    <message>
        <source>the %1 is longer than %2 characters</source>
        <translation>%1: tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>número de flota</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>matrícula</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>cliente</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notas</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>tiene más de %1 bytes</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; cannot be a line of it</source>
        <translation>la clave «%1» no puede ser una línea suya</translation>
    </message>
    <message>
        <source>the value of %1 holds a line end</source>
        <translation>el valor de %1 contiene un fin de línea</translation>
    </message>
    <message>
        <source>Could not write the library settings %1: %2</source>
        <translation>No se pudo escribir la configuración de la biblioteca %1: %2</translation>
    </message>
</context>
<context>
    <name>hm::LibraryRecording</name>
    <message>
        <source>Trailer library: %1.</source>
        <translation>Biblioteca de remolques: %1.</translation>
    </message>
    <message>
        <source>The download was not added to it: save it as a data file to keep it.</source>
        <translation>La descarga no se ha añadido: guárdela como archivo de datos para conservarla.</translation>
    </message>
</context>
<context>
    <name>hm::LibraryWindow</name>
    <message>
        <source>Trailer Library</source>
        <translation>Biblioteca de remolques</translation>
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
        <translation>Flota</translation>
    </message>
    <message>
        <source>One row per trailer: its latest download and what changed since the visit before. Enter or a double-click opens the download.</source>
        <translation>Una fila por remolque: su última descarga y lo que cambió desde la visita anterior. Intro o un doble clic abre la descarga.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Every download of the trailer. Select two to compare them; Enter or a double-click opens one.</source>
        <translation>Cada descarga del remolque. Seleccione dos para compararlas; Intro o un doble clic abre una.</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Writes every download of the trailer into a folder as data files</source>
        <translation>Escribe cada descarga del remolque en una carpeta como archivos de datos</translation>
    </message>
    <message>
        <source>Reading the library...</source>
        <translation>Leyendo la biblioteca...</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>No se puede abrir la biblioteca: %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>Trailers in %1: %2</source>
        <translation>Remolques en %1: %2</translation>
    </message>
    <message>
        <source>The library holds no download yet.</source>
        <translation>La biblioteca aún no contiene ninguna descarga.</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>No se puede leer el historial: %1</translation>
    </message>
    <message>
        <source>&amp;History of %1 (downloads: %2)</source>
        <translation>&amp;Historial de %1 (descargas: %2)</translation>
    </message>
    <message>
        <source>The trailer has one download: nothing to compare it with.</source>
        <translation>El remolque tiene una descarga: nada con qué compararla.</translation>
    </message>
    <message>
        <source>Select two downloads to see their difference.</source>
        <translation>Seleccione dos descargas para ver su diferencia.</translation>
    </message>
    <message>
        <source>The downloads cannot be read: %1</source>
        <translation>No se pueden leer las descargas: %1</translation>
    </message>
    <message>
        <source>The download cannot be read: %1</source>
        <translation>No se puede leer la descarga: %1</translation>
    </message>
    <message>
        <source>The main window is busy (a download, or a file being chosen or saved), so the download of %1 was not opened. Open it again when the main window is free.</source>
        <translation>La ventana principal está ocupada (una descarga, o un archivo que se elige o se guarda), así que la descarga de %1 no se abrió. Ábrala de nuevo cuando la ventana principal esté libre.</translation>
    </message>
    <message>
        <source>The download of %1 is shown in the main window.</source>
        <translation>La descarga de %1 se muestra en la ventana principal.</translation>
    </message>
    <message>
        <source>Export the Downloads to a Folder</source>
        <translation>Exportar las descargas a una carpeta</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Data files written to %1: %2</source>
        <translation>Archivos de datos escritos en %1: %2</translation>
    </message>
    <message>
        <source>The export to %1 stopped after %2 data files: %3</source>
        <translation>La exportación a %1 se detuvo tras %2 archivos de datos: %3</translation>
    </message>
    <message>
        <source>Clear the filter</source>
        <translation>Borrar el filtro</translation>
    </message>
    <message>
        <source>No trailer is chosen: choose one in the list.</source>
        <translation>No hay ningún remolque elegido: elija uno de la lista.</translation>
    </message>
    <message>
        <source>The findings rules %1 cannot be used (line %2: %3); the default rules apply.</source>
        <translation>Las reglas de hallazgos %1 no se pueden usar (línea %2: %3); se aplican las reglas predeterminadas.</translation>
    </message>
    <message>
        <source>Needs &amp;attention</source>
        <translation>Requiere &amp;atención</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Requiere atención</translation>
    </message>
    <message>
        <source>Shows only the trailers whose latest download has a finding of severity attention</source>
        <translation>Muestra solo los remolques cuya última descarga tiene un hallazgo de nivel atención</translation>
    </message>
    <message>
        <source>Findings of the visit</source>
        <translation>Hallazgos de la visita</translation>
    </message>
    <message>
        <source>Findings of the visit %1:</source>
        <translation>Hallazgos de la visita %1:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Identification, plate, fleet number or customer</source>
        <translation>Identificación, matrícula, número de flota o cliente</translation>
    </message>
    <message>
        <source>Shows only the trailers whose identification, plate, fleet number or customer holds this text</source>
        <translation>Muestra solo los remolques cuya identificación, matrícula, número de flota o cliente contiene este texto</translation>
    </message>
    <message>
        <source>The details of %1 cannot be saved: %2</source>
        <translation>No se pueden guardar los datos de %1: %2</translation>
    </message>
    <message>
        <source>Saving the details of %1...</source>
        <translation>Guardando los datos de %1...</translation>
    </message>
    <message>
        <source>The details of %1 are saved.</source>
        <translation>Los datos de %1 están guardados.</translation>
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
        <translation>Tiempo (ms)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sentido</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
</context>
<context>
    <name>hm::LinkTraceView</name>
    <message>
        <source>Link Trace</source>
        <translation>Traza del enlace</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>Save Link Trace</source>
        <translation>Guardar la traza del enlace</translation>
    </message>
    <message>
        <source>Text Files (*.txt);;All Files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The link trace was not saved: %1.</source>
        <translation>La traza del enlace no se guardó: %1.</translation>
    </message>
</context>
<context>
    <name>hm::PageLayout</name>
    <message>
        <source>Not Set</source>
        <translation>Sin fijar</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIVO</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>INACTIVO</translation>
    </message>
</context>
<context>
    <name>hm::PageRenderer</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot draw the page</source>
        <translation>no se puede dibujar la página</translation>
    </message>
    <message>
        <source>cannot encode the image</source>
        <translation>no se puede codificar la imagen</translation>
    </message>
</context>
<context>
    <name>hm::PortAccessWatch</name>
    <message>
        <source>No permission to open %1.
Add your user to the &apos;%2&apos; group (sudo usermod -aG %2 $USER), then log out and in again.</source>
        <translation>Sin permiso para abrir %1.
Añada su usuario al grupo &apos;%2&apos; (sudo usermod -aG %2 $USER) y después cierre la sesión y vuelva a entrar.</translation>
    </message>
</context>
<context>
    <name>hm::PrintModule</name>
    <message>
        <source>the printing module is missing (%1)</source>
        <translation>falta el módulo de impresión (%1)</translation>
    </message>
</context>
<context>
    <name>hm::QtFileUi</name>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Haulmetry Data Files (*.asc)</source>
        <translation>Archivos de datos de Haulmetry (*.asc)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>hm::ReportFacts</name>
    <message>
        <source>the logo %1 is left out: %2</source>
        <translation>el logotipo %1 se omite: %2</translation>
    </message>
</context>
<context>
    <name>hm::ReportLogo</name>
    <message>
        <source>is larger than 2 MiB</source>
        <translation>ocupa más de 2 MiB</translation>
    </message>
    <message>
        <source>is a PNG image larger than 8000 x 8000 pixels or damaged</source>
        <translation>es una imagen PNG de más de 8000 x 8000 píxeles o está dañada</translation>
    </message>
    <message>
        <source>is a damaged PNG image</source>
        <translation>es una imagen PNG dañada</translation>
    </message>
    <message>
        <source>is not a PNG or SVG image</source>
        <translation>no es una imagen PNG ni SVG</translation>
    </message>
    <message>
        <source>is an SVG image that refers to other files or holds a script</source>
        <translation>es una imagen SVG que remite a otros archivos o contiene un script</translation>
    </message>
</context>
<context>
    <name>hm::ReportMenu</name>
    <message>
        <source>Save Report as PDF</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf);;All Files (*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The report was not saved: %1.</source>
        <translation>El informe no se guardó: %1.</translation>
    </message>
    <message>
        <source>The report was not printed: %1</source>
        <translation>El informe no se imprimió: %1</translation>
    </message>
    <message>
        <source>Save &amp;Report as PDF...</source>
        <translation>Guardar in&amp;forme como PDF...</translation>
    </message>
    <message>
        <source>Print &amp;All Pages...</source>
        <translation>Imprimir &amp;todas las páginas...</translation>
    </message>
</context>
<context>
    <name>hm::ReportPages</name>
    <message>
        <source>ECU Type</source>
        <translation>Tipo de ECU</translation>
    </message>
    <message>
        <source>Not known</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Stability Records</source>
        <translation>Registros de estabilidad</translation>
    </message>
    <message>
        <source>Summary Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Fleet Data Report</source>
        <translation>Informe de datos de flota</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Distance driven</source>
        <translation>Distancia recorrida</translation>
    </message>
    <message>
        <source>Distance by reservoir pressure</source>
        <translation>Distancia por presión del depósito</translation>
    </message>
    <message>
        <source>Distance by load</source>
        <translation>Distancia por carga</translation>
    </message>
    <message>
        <source>Brake applications by pressure</source>
        <translation>Frenadas por presión</translation>
    </message>
    <message>
        <source>Brake applications by speed</source>
        <translation>Frenadas por velocidad</translation>
    </message>
    <message>
        <source>Brake applications over the distance</source>
        <translation>Frenadas en la distancia</translation>
    </message>
    <message>
        <source>ABS events over the distance</source>
        <translation>Eventos ABS en la distancia</translation>
    </message>
    <message>
        <source>Roll-over events over the distance</source>
        <translation>Vuelcos en la distancia</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Fleet Number</source>
        <translation>Número de flota</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Matrícula</translation>
    </message>
    <message>
        <source>Phone %1</source>
        <translation>Tel. %1</translation>
    </message>
    <message>
        <source>Visit Date</source>
        <translation>Fecha de la visita</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Hallazgos</translation>
    </message>
    <message>
        <source>Findings of This Visit</source>
        <translation>Hallazgos de esta visita</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Sin hallazgos.</translation>
    </message>
    <message>
        <source>And %1 more findings.</source>
        <translation>Y %1 hallazgos más.</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit</source>
        <translation>Cambio desde la visita anterior</translation>
    </message>
    <message>
        <source>Change Since the Previous Visit (%1)</source>
        <translation>Cambio desde la visita anterior (%1)</translation>
    </message>
    <message>
        <source>The library holds no earlier visit of this trailer.</source>
        <translation>La biblioteca no contiene ninguna visita anterior de este remolque.</translation>
    </message>
    <message>
        <source>The library holds no visit of this trailer: the findings are those of this download alone.</source>
        <translation>La biblioteca no contiene ninguna visita de este remolque: los hallazgos son solo de esta descarga.</translation>
    </message>
    <message>
        <source>Workshop Confirmation</source>
        <translation>Confirmación del taller</translation>
    </message>
    <message>
        <source>Checked by the Technician</source>
        <translation>Revisado por el técnico</translation>
    </message>
    <message>
        <source>Technician&apos;s Name</source>
        <translation>Nombre del técnico</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
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
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Fleet Data Report %1</source>
        <translation>Informe de datos de flota %1</translation>
    </message>
    <message>
        <source>cannot draw the pages</source>
        <translation>no se pueden dibujar las páginas</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>no se puede empezar una página nueva</translation>
    </message>
    <message>
        <source>The printer cannot be opened.</source>
        <translation>No se puede abrir la impresora.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora ha notificado un error.</translation>
    </message>
    <message>
        <source>Brake system fleet data of the trailer %1</source>
        <translation>Datos de flota del sistema de frenos del remolque %1</translation>
    </message>
    <message>
        <source>fleet data report</source>
        <translation>informe de datos de flota</translation>
    </message>
    <message>
        <source>the logo %1 %2; the report is made without it</source>
        <translation>el logotipo %1: %2; el informe se crea sin él</translation>
    </message>
</context>
<context>
    <name>hm::Session</name>
    <message>
        <source>line hung up</source>
        <translation>línea colgada</translation>
    </message>
    <message>
        <source>no valid answer in time</source>
        <translation>ninguna respuesta válida a tiempo</translation>
    </message>
    <message>
        <source>%1 (waiting for %2)</source>
        <translation>%1 (esperando %2)</translation>
    </message>
    <message>
        <source>The connection to the ECU was lost (%1): the data downloaded from this ECU was saved to
%2</source>
        <translation>Se perdió la conexión con la ECU (%1): los datos descargados de esta ECU se guardaron en
%2</translation>
    </message>
    <message>
        <source>A download from the ECU started while the file was being chosen, so %1 was not loaded. Load it again when the download is over.</source>
        <translation>Se inició una descarga de la ECU mientras se elegía el archivo, por lo que %1 no se cargó. Vuelva a cargarlo cuando termine la descarga.</translation>
    </message>
    <message>
        <source>Before the reload, the data downloaded from this ECU was saved to
%1</source>
        <translation>Antes de la recarga, los datos descargados de esta ECU se guardaron en
%1</translation>
    </message>
    <message>
        <source>The data was not reloaded from the ECU.</source>
        <translation>Los datos no se volvieron a cargar desde la ECU.</translation>
    </message>
    <message>
        <source> [ Closing... ]</source>
        <translation> [ Cerrando... ]</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU could not be saved to %1: %2</source>
        <translation>Los datos descargados de esta ECU no se pudieron guardar en %1: %2</translation>
    </message>
    <message>
        <source>Nothing was erased.</source>
        <translation>No se borró nada.</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has been saved to
%1</source>
        <translation>Los datos descargados de esta ECU se han guardado en
%1</translation>
    </message>
    <message>
        <source>The data downloaded from this ECU has already been saved to
%1</source>
        <translation>Los datos descargados de esta ECU ya se habían guardado en
%1</translation>
    </message>
    <message>
        <source>Erase the extended fleet information from the ECU now?</source>
        <translation>¿Borrar ahora la información de flota ampliada de la ECU?</translation>
    </message>
    <message>
        <source>Erase the stability snapshots from the ECU now?</source>
        <translation>¿Borrar ahora las instantáneas de estabilidad de la ECU?</translation>
    </message>
    <message>
        <source>%1 is not a data image: %2</source>
        <translation>%1 no es una imagen de datos: %2</translation>
    </message>
    <message>
        <source>%1 was not loaded: %2</source>
        <translation>No se ha cargado %1: %2</translation>
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
        <translation>remite a un archivo o una dirección externos (%1)</translation>
    </message>
    <message>
        <source>it holds an event handler (%1), which runs code</source>
        <translation>contiene un manejador de eventos (%1), que ejecuta código</translation>
    </message>
    <message>
        <source>it holds a script</source>
        <translation>contiene un script</translation>
    </message>
    <message>
        <source>it declares entities</source>
        <translation>declara entidades</translation>
    </message>
    <message>
        <source>its document type refers to an outside file (remove the DOCTYPE line)</source>
        <translation>su tipo de documento remite a un archivo externo (quite la línea DOCTYPE)</translation>
    </message>
    <message>
        <source>it takes a style sheet from an outside file</source>
        <translation>toma una hoja de estilo de un archivo externo</translation>
    </message>
    <message>
        <source>its style refers to an outside file or address</source>
        <translation>su estilo remite a un archivo o una dirección externos</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>tiene más de %1 MiB</translation>
    </message>
    <message>
        <source>it is neither a PNG nor an SVG picture</source>
        <translation>no es una imagen PNG ni SVG</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>no se indica ningún archivo</translation>
    </message>
    <message>
        <source>The logo %1 cannot be used: %2.</source>
        <translation>El logo %1 no se puede usar: %2.</translation>
    </message>
</context>
<context>
    <name>hm::cli</name>
    <message>
        <source>haulmetry %1: expected one data file, got %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: se esperaba un archivo de datos, se recibieron %2 (véase haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: %3</source>
        <translation>haulmetry %1: %2: %3</translation>
    </message>
    <message>
        <source>haulmetry %1: missing -o %2 (see haulmetry %1 --help)</source>
        <translation>haulmetry %1: falta -o %2 (véase haulmetry %1 --help)</translation>
    </message>
    <message>
        <source>--passes needs a number from 1 to 1000</source>
        <translation>--passes necesita un número de 1 a 1000</translation>
    </message>
    <message>
        <source>--max-failures needs a number from 1 to 1000</source>
        <translation>--max-failures necesita un número de 1 a 1000</translation>
    </message>
    <message>
        <source>--timeout needs seconds from 1 to 86400</source>
        <translation>--timeout necesita segundos de 1 a 86400</translation>
    </message>
    <message>
        <source>--key needs ROT,MUL,DIV (ROT 0..15, DIV not 0)</source>
        <translation>--key necesita ROT,MUL,DIV (ROT 0..15, DIV distinto de 0)</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>-o FILE is required</source>
        <translation>-o FILE es obligatorio</translation>
    </message>
    <message>
        <source>haulmetry download: only %1 ports can be used; not used: %2</source>
        <translation>haulmetry download: solo se pueden usar %1 puertos; no usados: %2</translation>
    </message>
    <message>
        <source>haulmetry download: the ECU gave no valid answer to %1 (%2 refusals or time-outs in a row without progress; last: %3)</source>
        <translation>haulmetry download: la ECU no dio una respuesta válida a %1 (%2 rechazos o tiempos agotados seguidos sin avance; último: %3)</translation>
    </message>
    <message>
        <source>haulmetry download: no complete download within %1 s%2</source>
        <translation>haulmetry download: ninguna descarga completa en %1 s%2</translation>
    </message>
    <message>
        <source> (waiting for %1)</source>
        <translation> (esperando %1)</translation>
    </message>
    <message>
        <source>haulmetry download: %1</source>
        <translation>haulmetry download: %1</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (tried %1)</source>
        <translation>haulmetry download: no se encontró ninguna ECU (probados: %1)</translation>
    </message>
    <message>
        <source>haulmetry download: the download did not finish</source>
        <translation>haulmetry download: la descarga no terminó</translation>
    </message>
    <message>
        <source>haulmetry download: cannot save %1: %2</source>
        <translation>haulmetry download: no se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>haulmetry download: no ECU found (no serial port to try)</source>
        <translation>haulmetry download: no se encontró ninguna ECU (ningún puerto serie que probar)</translation>
    </message>
    <message>
        <source>haulmetry download: cannot write the trace file %1: %2</source>
        <translation>haulmetry download: no se puede escribir el archivo de traza %1: %2</translation>
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
        <translation>haulmetry graph: se esperaba un archivo de datos y un número de gráfico, se recibieron %1 argumento(s) (véase haulmetry graph --help)</translation>
    </message>
    <message>
        <source>haulmetry graph: graph number must be 0 to 10, not &apos;%1&apos;</source>
        <translation>haulmetry graph: el número de gráfico debe ser de 0 a 10, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>haulmetry page: %1</source>
        <translation>haulmetry page: %1</translation>
    </message>
    <message>
        <source>--graph needs a number from 1 to 10</source>
        <translation>--graph necesita un número de 1 a 10</translation>
    </message>
    <message>
        <source>--record needs a number from 1 to 32</source>
        <translation>--record necesita un número de 1 a 32</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argumento inesperado &apos;%1&apos; (véase --help)</translation>
    </message>
    <message>
        <source>usage: haulmetry page FILE (--graph N | --record N) -o OUT</source>
        <translation>uso: haulmetry page FILE (--graph N | --record N) -o OUT</translation>
    </message>
    <message>
        <source>OUT must end in .pdf or .png</source>
        <translation>OUT debe terminar en .pdf o .png</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 holds %2 stability records, not %3</source>
        <translation>%1 contiene %2 registros de estabilidad, no %3</translation>
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
        <translation>haulmetry table: se esperaba al menos un archivo o carpeta (véase haulmetry table --help)</translation>
    </message>
    <message>
        <source>haulmetry table: no data file could be read</source>
        <translation>haulmetry table: no se pudo leer ningún archivo de datos</translation>
    </message>
    <message>
        <source>haulmetry table: %1 folder(s) could not be listed; their files are missing from the table</source>
        <translation>haulmetry table: no se pudieron listar %1 carpeta(s); sus archivos faltan en la tabla</translation>
    </message>
    <message>
        <source>haulmetry library %1: %2</source>
        <translation>haulmetry library %1: %2</translation>
    </message>
    <message>
        <source>no download of the trailer %1 in %2</source>
        <translation>no hay ninguna descarga del remolque %1 en %2</translation>
    </message>
    <message>
        <source>haulmetry library: expected a subcommand (see haulmetry library --help)</source>
        <translation>haulmetry library: se esperaba un subcomando (véase haulmetry library --help)</translation>
    </message>
    <message>
        <source>haulmetry library: unknown subcommand %1 (see haulmetry library --help)</source>
        <translation>haulmetry library: subcomando desconocido %1 (véase haulmetry library --help)</translation>
    </message>
    <message>
        <source>expected at least one file or folder</source>
        <translation>se esperaba al menos un archivo o carpeta</translation>
    </message>
    <message>
        <source>no data file could be read</source>
        <translation>no se pudo leer ningún archivo de datos</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 skipped</source>
        <translation>%1 añadida(s), %2 ya en la biblioteca, %3 en espera en la cola local, %4 omitida(s)</translation>
    </message>
    <message>
        <source>missing -o FOLDER (see haulmetry library export --help)</source>
        <translation>falta -o CARPETA (véase haulmetry library export --help)</translation>
    </message>
    <message>
        <source>expected one trailer identification (see haulmetry library %1 --help)</source>
        <translation>se esperaba una identificación de remolque (véase haulmetry library %1 --help)</translation>
    </message>
    <message>
        <source>averages, older and newer side by side</source>
        <translation>promedios, anterior y posterior lado a lado</translation>
    </message>
    <message>
        <source>usage; counters were reset between the downloads, counted since</source>
        <translation>uso; los contadores se reiniciaron entre las descargas, contado desde entonces</translation>
    </message>
    <message>
        <source>usage between the downloads</source>
        <translation>uso entre las descargas</translation>
    </message>
    <message>
        <source>graph %1: %2 (%3)</source>
        <translation>gráfico %1: %2 (%3)</translation>
    </message>
    <message>
        <source>, with SLP %1 (%2 -&gt; %3)</source>
        <translation>, con SLP %1 (%2 -&gt; %3)</translation>
    </message>
    <message>
        <source>--%1 expects a date YYYY-MM-DD[THH:MM[:SS]]</source>
        <translation>--%1 espera una fecha AAAA-MM-DD[Thh:mm[:ss]]</translation>
    </message>
    <message>
        <source>fewer than two downloads of that trailer to compare</source>
        <translation>menos de dos descargas de ese remolque para comparar</translation>
    </message>
    <message>
        <source>trailer %1</source>
        <translation>remolque %1</translation>
    </message>
    <message>
        <source>older: %1 %2</source>
        <translation>anterior: %1 %2</translation>
    </message>
    <message>
        <source>newer: %1 %2</source>
        <translation>posterior: %1 %2</translation>
    </message>
    <message>
        <source>%1 already in the library as the same visit</source>
        <translation>%1 ya en la biblioteca como la misma visita</translation>
    </message>
    <message>
        <source>%1 copied, %2 already there, %3 skipped</source>
        <translation>%1 copiada(s), %2 ya presente(s), %3 omitida(s)</translation>
    </message>
    <message>
        <source>expected two libraries, FROM and TO (see haulmetry library copy --help)</source>
        <translation>se esperaban dos bibliotecas, FROM y TO (véase haulmetry library copy --help)</translation>
    </message>
    <message>
        <source>Copies every download of the library FROM into the library TO (each an SQLite file or a postgresql:// URL), keeping each download&apos;s identification, times, computer, workshop, source and path. TO is created or brought forward as an import would. Each batch is one transaction and data already in TO is not stored twice, so a copy that was cut off is finished by running it again. An image that does not match its hash is named and skipped.</source>
        <translation>Copia cada descarga de la biblioteca FROM en la biblioteca TO (cada una un archivo SQLite o una URL postgresql://), conservando la identificación, las horas, el equipo, el taller, el origen y la ruta de cada descarga. TO se crea o se actualiza como en una importación. Cada lote es una transacción y los datos que TO ya tiene no se guardan dos veces, así que una copia interrumpida se termina ejecutándola de nuevo. Una imagen que no coincide con su hash se nombra y se omite.</translation>
    </message>
    <message>
        <source>The library to read.</source>
        <translation>La biblioteca que se lee.</translation>
    </message>
    <message>
        <source>The library to add to.</source>
        <translation>La biblioteca a la que se añade.</translation>
    </message>
    <message>
        <source>Writes a copy of the SQLite library into the new file FILE with SQLite&apos;s online backup: safe while the window and other commands use the library. The copy is checked before it gets its name; an existing FILE is never replaced. A shared library is backed up on its server with pg_dump, or copied into an SQLite file with library copy.</source>
        <translation>Escribe una copia de la biblioteca SQLite en el archivo nuevo FILE con la copia de seguridad en línea de SQLite: seguro mientras la ventana y otras órdenes usan la biblioteca. La copia se comprueba antes de recibir su nombre; un FILE existente nunca se reemplaza. Una biblioteca compartida se respalda en su servidor con pg_dump, o se copia a un archivo SQLite con library copy.</translation>
    </message>
    <message>
        <source>The new file.</source>
        <translation>El archivo nuevo.</translation>
    </message>
    <message>
        <source>expected one FILE (see haulmetry library backup --help)</source>
        <translation>se esperaba un FILE (véase haulmetry library backup --help)</translation>
    </message>
    <message>
        <source>No findings.</source>
        <translation>Sin hallazgos.</translation>
    </message>
    <message>
        <source>haulmetry %1: unknown format &quot;%2&quot; (text or json)</source>
        <translation>haulmetry %1: formato desconocido &quot;%2&quot; (text o json)</translation>
    </message>
    <message>
        <source>haulmetry %1: %2: warning: %3</source>
        <translation>haulmetry %1: %2: aviso: %3</translation>
    </message>
    <message>
        <source>since the older download: %1, of them %2 in the current interval</source>
        <translation>desde la descarga anterior: %1, de ellos %2 en el intervalo actual</translation>
    </message>
    <message>
        <source>; %1 intervals driven in between are no longer held (missing)</source>
        <translation>; %1 intervalos recorridos entretanto ya no se guardan (faltan)</translation>
    </message>
    <message>
        <source>%1 added, %2 already in the library, %3 waiting in the local queue, %4 not stored, %5 skipped</source>
        <translation>%1 añadida(s), %2 ya en la biblioteca, %3 en espera en la cola local, %4 sin guardar, %5 omitida(s)</translation>
    </message>
    <message>
        <source>expected one WORKSHOP</source>
        <translation>se esperaba un TALLER</translation>
    </message>
    <message>
        <source>%1 cannot be a workshop&apos;s role: use lower-case letters, digits and _, starting with a letter (at most 63, not pg_...)</source>
        <translation>%1 no puede ser el rol de un taller: use minúsculas, cifras y _, empezando por una letra (63 como máximo, no pg_...)</translation>
    </message>
    <message>
        <source>%1 is set up for workshops (group role %2); add one with haulmetry library grant WORKSHOP
</source>
        <translation>%1 está preparada para talleres (rol de grupo %2); añada uno con haulmetry library grant WORKSHOP
</translation>
    </message>
    <message>
        <source>The workshop %1 may add to and read %2.
</source>
        <translation>El taller %1 puede leer %2 y añadir a ella.
</translation>
    </message>
    <message>
        <source>Its password (shown only now; for the workshop&apos;s ~/.pgpass): %1
</source>
        <translation>Su contraseña (solo se muestra ahora; para el ~/.pgpass del taller): %1
</translation>
    </message>
    <message>
        <source>The workshop %1 may no longer use %2.
</source>
        <translation>El taller %1 ya no puede usar %2.
</translation>
    </message>
    <message>
        <source>no findings</source>
        <translation>sin hallazgos</translation>
    </message>
    <message>
        <source>Fleet of %1 trailer(s): median and 90th percentile per figure</source>
        <translation>Flota de %1 remolque(s): mediana y percentil 90 por cifra</translation>
    </message>
    <message>
        <source>expected at most one trailer identification</source>
        <translation>se esperaba como mucho una identificación de remolque</translation>
    </message>
    <message>
        <source>unknown format %1 (text or json)</source>
        <translation>formato desconocido %1 (text o json)</translation>
    </message>
    <message>
        <source>unknown format %1 (text, csv, json or xlsx)</source>
        <translation>formato desconocido %1 (text, csv, json o xlsx)</translation>
    </message>
    <message>
        <source>haulmetry %1: --format must be csv, json or xlsx, not &apos;%2&apos;</source>
        <translation>haulmetry %1: --format debe ser csv, json o xlsx, no &apos;%2&apos;</translation>
    </message>
    <message>
        <source>haulmetry %1: a spreadsheet is not written to a terminal; give -o FILE</source>
        <translation>haulmetry %1: una hoja de cálculo no se escribe en un terminal; indique -o ARCHIVO</translation>
    </message>
    <message>
        <source>haulmetry %1: the spreadsheet could not be made: %2</source>
        <translation>haulmetry %1: no se pudo crear la hoja de cálculo: %2</translation>
    </message>
    <message>
        <source>trailer %1:</source>
        <translation>remolque %1:</translation>
    </message>
    <message>
        <source>plate</source>
        <translation>matrícula</translation>
    </message>
    <message>
        <source>fleet number</source>
        <translation>número de flota</translation>
    </message>
    <message>
        <source>customer</source>
        <translation>cliente</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notas</translation>
    </message>
    <message>
        <source>no details</source>
        <translation>sin datos</translation>
    </message>
    <message>
        <source>%1 is the plate or fleet number of %2 trailers (%3); give the identification</source>
        <translation>%1 es la matrícula o el número de flota de %2 remolques (%3); indique la identificación</translation>
    </message>
    <message>
        <source>%1 change(s) of trailers&apos; details copied</source>
        <translation>%1 cambio(s) de datos de remolques copiados</translation>
    </message>
    <message>
        <source>nothing to set: give --plate, --fleet-number, --customer or --notes (see haulmetry library set --help)</source>
        <translation>nada que cambiar: indique --plate, --fleet-number, --customer o --notes (vea haulmetry library set --help)</translation>
    </message>
    <message>
        <source>changes of the details:</source>
        <translation>cambios de los datos:</translation>
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
        <translation>%1 desde la última visita: %2</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km</source>
        <translation>Circuló con sobrecarga durante %1 km</translation>
    </message>
    <message>
        <source>Driven overloaded for %1 km since the last visit</source>
        <translation>Circuló con sobrecarga durante %1 km desde la última visita</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar</source>
        <translation>Circuló %1 km con la presión del depósito por debajo de 6.5 bar</translation>
    </message>
    <message>
        <source>Driven for %1 km with the reservoir pressure below 6.5 bar since the last visit</source>
        <translation>Circuló %1 km con la presión del depósito por debajo de 6.5 bar desde la última visita</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone in the last %2 km: %1</source>
        <translation>Frenadas solo con la alimentación de la luz de freno en los últimos %2 km: %1</translation>
    </message>
    <message>
        <source>Brake applications on the stop-light supply alone since the last visit: %1</source>
        <translation>Frenadas solo con la alimentación de la luz de freno desde la última visita: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Eventos de vuelco: %1</translation>
    </message>
    <message>
        <source>Roll-over events since the last visit: %1</source>
        <translation>Eventos de vuelco desde la última visita: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>Eventos ABS: %1</translation>
    </message>
    <message>
        <source>ABS events since the last visit: %1</source>
        <translation>Eventos ABS desde la última visita: %1</translation>
    </message>
    <message>
        <source>Stability records: %1</source>
        <translation>Registros de estabilidad: %1</translation>
    </message>
    <message>
        <source>New stability records since the last visit: %1</source>
        <translation>Nuevos registros de estabilidad desde la última visita: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above: %1</source>
        <translation>Frenadas a 6 bar o más: %1</translation>
    </message>
    <message>
        <source>Brake applications at 6 bar and above since the last visit: %1</source>
        <translation>Frenadas a 6 bar o más desde la última visita: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts since the last visit start at the erase</source>
        <translation>Los datos de la ECU se borraron entre las visitas: los recuentos desde la última visita empiezan en el borrado</translation>
    </message>
    <message>
        <source> (%1 per 1000 km)</source>
        <translation> (%1 por cada 1000 km)</translation>
    </message>
    <message>
        <source> (%1 of the distance)</source>
        <translation> (%1 de la distancia)</translation>
    </message>
    <message>
        <source> (%1 of the brake applications)</source>
        <translation> (%1 de las frenadas)</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <translation> (%1 de %2)</translation>
    </message>
    <message>
        <source>, above the fleet&apos;s 90th percentile of %1</source>
        <translation>, por encima del percentil 90 de la flota, %1</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
</context>
<context>
    <name>hm::figures::RulesFile</name>
    <message>
        <source>the rule ends before its figure</source>
        <translation>la regla termina antes de su indicador</translation>
    </message>
    <message>
        <source>unknown figure %1</source>
        <translation>indicador desconocido %1</translation>
    </message>
    <message>
        <source>%1 sums the last 14000 km and has no change since the last visit</source>
        <translation>%1 suma los últimos 14000 km y no tiene cambio desde la última visita</translation>
    </message>
    <message>
        <source>the rule ends before its comparison (&gt;, &gt;=, &lt; or &lt;=)</source>
        <translation>la regla termina antes de su comparación (&gt;, &gt;=, &lt; o &lt;=)</translation>
    </message>
    <message>
        <source>a comparison (&gt;, &gt;=, &lt; or &lt;=) was expected, not %1</source>
        <translation>se esperaba una comparación (&gt;, &gt;=, &lt; o &lt;=), no %1</translation>
    </message>
    <message>
        <source>the rule ends before its number</source>
        <translation>la regla termina antes de su número</translation>
    </message>
    <message>
        <source>bad number %1 (write a decimal point, such as 2.5)</source>
        <translation>número incorrecto %1 (escriba un punto decimal, como 2.5)</translation>
    </message>
    <message>
        <source>%1 belongs after the number of a share only</source>
        <translation>%1 solo va tras el número de una proporción</translation>
    </message>
    <message>
        <source>the rule ends before its message</source>
        <translation>la regla termina antes de su mensaje</translation>
    </message>
    <message>
        <source>unknown message %1</source>
        <translation>mensaje desconocido %1</translation>
    </message>
    <message>
        <source>%1 after the end of the rule</source>
        <translation>%1 después del final de la regla</translation>
    </message>
    <message>
        <source>unknown severity %1 (info or attention)</source>
        <translation>gravedad desconocida %1 (info o attention)</translation>
    </message>
    <message>
        <source>this rule holds for every download</source>
        <translation>esta regla se cumple para cada descarga</translation>
    </message>
    <message>
        <source>this rule never holds</source>
        <translation>esta regla nunca se cumple</translation>
    </message>
    <message>
        <source>too large for a rules file (over 1 MiB)</source>
        <translation>demasiado grande para un archivo de reglas (más de 1 MiB)</translation>
    </message>
    <message>
        <source>not a text file (it holds zero bytes)</source>
        <translation>no es un archivo de texto (contiene bytes cero)</translation>
    </message>
</context>
<context>
    <name>hm::library::LibraryReport</name>
    <message>
        <source>Driven: %1 km</source>
        <translation>Recorrido: %1 km</translation>
    </message>
    <message>
        <source>Brake applications: %1</source>
        <translation>Frenadas: %1</translation>
    </message>
    <message>
        <source>ABS events: %1</source>
        <translation>Eventos ABS: %1</translation>
    </message>
    <message>
        <source>Roll-over events: %1</source>
        <translation>Vuelcos: %1</translation>
    </message>
    <message>
        <source>Driven overloaded: %1 km</source>
        <translation>Recorrido con sobrecarga: %1 km</translation>
    </message>
    <message>
        <source>Driven at low reservoir pressure: %1 km</source>
        <translation>Recorrido con baja presión del depósito: %1 km</translation>
    </message>
    <message>
        <source>New stability records: %1</source>
        <translation>Nuevos registros de estabilidad: %1</translation>
    </message>
    <message>
        <source>The ECU&apos;s data was erased between the visits: the counts start at the erase.</source>
        <translation>Los datos de la ECU se borraron entre las visitas: los recuentos empiezan en el borrado.</translation>
    </message>
</context>
<context>
    <name>hm::str</name>
    <message>
        <source>&amp;About Haulmetry...</source>
        <comment>101</comment>
        <translation>&amp;Acerca de Haulmetry...</translation>
    </message>
    <message>
        <source> </source>
        <comment>202</comment>
        <translation> </translation>
    </message>
    <message>
        <source>1.  Average Braking Time v Peak Demand Pressure</source>
        <comment>203</comment>
        <translation>1.  Tiempo medio de frenado / presión de mando máx.</translation>
    </message>
    <message>
        <source>2.  Number of Brake Applications v Peak Demand Pressure</source>
        <comment>204</comment>
        <translation>2.  Número de frenadas / presión de mando máx.</translation>
    </message>
    <message>
        <source>3.  Total Braking Time v Peak Demand Pressure</source>
        <comment>205</comment>
        <translation>3.  Tiempo total de frenado / presión de mando máx.</translation>
    </message>
    <message>
        <source>4.  Average Pressure v Braking Start Speed</source>
        <comment>206</comment>
        <translation>4.  Presión media / velocidad al inicio de frenada</translation>
    </message>
    <message>
        <source>5.  Number of of Brake Applications v Braking Start Speed</source>
        <comment>207</comment>
        <translation>5.  Número de frenadas / velocidad al inicio de frenada</translation>
    </message>
    <message>
        <source>6.  Brake Applications v Distance</source>
        <comment>208</comment>
        <translation>6.  Frenadas / distancia</translation>
    </message>
    <message>
        <source>7.  ABS Events v Distance</source>
        <comment>209</comment>
        <translation>7.  Intervenciones ABS / distancia</translation>
    </message>
    <message>
        <source>8.  Rollover Events v Distance</source>
        <comment>210</comment>
        <translation>8.  Intervenciones RSS / distancia</translation>
    </message>
    <message>
        <source>9.  Distance v Percentage Load</source>
        <comment>211</comment>
        <translation>9.  Distancia / porcentaje de carga</translation>
    </message>
    <message>
        <source>10. Distance v Reservoir Pressure</source>
        <comment>212</comment>
        <translation>10. Distancia / presión del calderín</translation>
    </message>
    <message>
        <source>Stability Snapshot</source>
        <comment>213</comment>
        <translation>Instantánea de estabilidad</translation>
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
        <translation>(Cada barra representa 500 km)</translation>
    </message>
    <message>
        <source>(Percentage Load (100% = Fully Laden) )</source>
        <comment>222</comment>
        <translation>(Porcentaje de carga (100% = carga completa) )</translation>
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
        <translation>(Núm.)</translation>
    </message>
    <message>
        <source>(km)</source>
        <comment>227</comment>
        <translation>(km)</translation>
    </message>
    <message>
        <source>Save   ?</source>
        <comment>228</comment>
        <translation>¿Guardar %1?</translation>
    </message>
    <message>
        <source> Haulmetry</source>
        <comment>229</comment>
        <translation> Haulmetry</translation>
    </message>
    <message>
        <source>Select Data to Erase From ECU</source>
        <comment>230</comment>
        <translation>Datos a borrar de la ECU</translation>
    </message>
    <message>
        <source>Extended Fleet Information</source>
        <comment>231</comment>
        <translation>Información de flota ampliada</translation>
    </message>
    <message>
        <source>Stability Snapshot Information</source>
        <comment>232</comment>
        <translation>Información de la instantánea de estabilidad</translation>
    </message>
    <message>
        <source>Load Haulmetry Data From File</source>
        <comment>236</comment>
        <translation>Cargar datos de Haulmetry desde un archivo</translation>
    </message>
    <message>
        <source>Save ECU Extended Fleet Data To File</source>
        <comment>237</comment>
        <translation>Guardar los datos de flota de la ECU en un archivo</translation>
    </message>
    <message>
        <source>Write To ECU</source>
        <comment>238</comment>
        <translation>Escribir en la ECU</translation>
    </message>
    <message>
        <source>Close the Program</source>
        <comment>239</comment>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>Cancel without Updating ECU</source>
        <comment>240</comment>
        <translation>Cancelar sin modificar la ECU</translation>
    </message>
    <message>
        <source>Proceed with Write Operation</source>
        <comment>241</comment>
        <translation>Ejecutar la escritura</translation>
    </message>
    <message>
        <source>Reload Data From ECU</source>
        <comment>242</comment>
        <translation>Volver a leer los datos de la ECU</translation>
    </message>
    <message>
        <source>View Next Graph</source>
        <comment>243</comment>
        <translation>Ver gráfico siguiente</translation>
    </message>
    <message>
        <source>View Previous Graph</source>
        <comment>244</comment>
        <translation>Ver gráfico anterior</translation>
    </message>
    <message>
        <source>Select Info To Clear</source>
        <comment>245</comment>
        <translation>Seleccionar info a borrar</translation>
    </message>
    <message>
        <source>Write Current Extended Fleet Values To ECU</source>
        <comment>246</comment>
        <translation>Escribir los valores de flota actuales en la ECU</translation>
    </message>
    <message>
        <source>ECU Does Not Support Haulmetry</source>
        <comment>247</comment>
        <translation>La ECU no admite Haulmetry</translation>
    </message>
    <message>
        <source> [ No Data Loaded ]</source>
        <comment>248</comment>
        <translation> [ Sin datos cargados ]</translation>
    </message>
    <message>
        <source> [ ECU Data ]</source>
        <comment>249</comment>
        <translation> [ Datos de la ECU ]</translation>
    </message>
    <message>
        <source>Information about this Graph</source>
        <comment>250</comment>
        <translation>Información sobre este gráfico</translation>
    </message>
    <message>
        <source>Preview/Print this Graph</source>
        <comment>252</comment>
        <translation>Vista previa/imprimir este gráfico</translation>
    </message>
    <message>
        <source>Filename</source>
        <comment>260</comment>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Vehicle Ident Number</source>
        <comment>261</comment>
        <translation>Número de identificación del vehículo</translation>
    </message>
    <message>
        <source>ECU Data Saved At:</source>
        <comment>262</comment>
        <translation>Datos de la ECU guardados el:</translation>
    </message>
    <message>
        <source>The duration of each brake application is recorded against the peak demand pressure. The data shows a graph of average time for a brake application in each of the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>265</comment>
        <translation>La duración de cada frenada se registra frente a la presión de mando máxima. El gráfico muestra el tiempo medio de una frenada en cada intervalo de presión de 0,5 Bar, de 0 a 8 Bar.</translation>
    </message>
    <message>
        <source>For each brake application, the peak demand pressure during the application is recorded. The data shows a graph of the number of brake applications for 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>266</comment>
        <translation>En cada frenada se registra la presión de mando máxima alcanzada durante la frenada. El gráfico muestra el número de frenadas por intervalo de presión de 0,5 Bar, de 0 a 8 Bar.</translation>
    </message>
    <message>
        <source>The duration of each brake application is measured and used to update the total braking time for the peak demand pressure in the brake application. The data shows a graph of the cumulative braking time for the 0.5 Bar pressure intervals, from 0 to 8 Bar.</source>
        <comment>267</comment>
        <translation>La duración de cada frenada se mide y se suma al tiempo total de frenado de su presión de mando máxima. El gráfico muestra el tiempo de frenado acumulado por intervalo de 0,5 Bar, de 0 a 8 Bar.</translation>
    </message>
    <message>
        <source>The peak demand pressure is monitored during each brake application and is then recorded against the speed measured at the start of the brake application.  The data shows a graph of average pressure for a brake application grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>268</comment>
        <translation>La presión de mando máxima se vigila durante cada frenada y se registra frente a la velocidad medida al inicio de la frenada. El gráfico muestra la presión media de una frenada en intervalos de 10 km/h, de 0 a 160 km/h.</translation>
    </message>
    <message>
        <source>For each brake application, the speed at the start of the brake application is recorded. The data shows a graph of the number of brake applications grouped into 10 kph intervals, from 0 to 160 kph.</source>
        <comment>269</comment>
        <translation>En cada frenada se registra la velocidad al inicio de la frenada. El gráfico muestra el número de frenadas en intervalos de 10 km/h, de 0 a 160 km/h.</translation>
    </message>
    <message>
        <source>The data shows the total number of brake applications that occurred in groups of 500km interval, and the number of those which occurred when the trailer was powered only by the 24N supply. (Total Graph Range is 14000 km).</source>
        <comment>270</comment>
        <translation>El gráfico muestra el número total de frenadas por tramos de 500 km, y cuántas de ellas se produjeron con el remolque alimentado solo por la alimentación 24N (luz de freno). (Rango total del gráfico: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of ABS events that have occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>271</comment>
        <translation>El gráfico muestra el número total de intervenciones ABS, agrupadas en tramos de 500 km. (Rango total del gráfico: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the total number of Rollover events that occurred, grouped into 500km intervals. (Total Graph Range is 14000 km).</source>
        <comment>272</comment>
        <translation>El gráfico muestra el número total de intervenciones antivuelco (RSS), agrupadas en tramos de 500 km. (Rango total del gráfico: 14000 km).</translation>
    </message>
    <message>
        <source>The data shows the how the vehicle load has changed with distance. At the end of each Km travelled, the suspension pressure is recorded as a percentage (0% = Unladen, 100% = Fully Laden). In this way a &apos;Load Profile&apos; is built up.</source>
        <comment>273</comment>
        <translation>El gráfico muestra cómo ha cambiado el estado de carga del vehículo con la distancia. Al final de cada km recorrido se registra la presión de suspensión como porcentaje (0% = vacío, 100% = carga completa). Así se obtiene un &apos;perfil de carga&apos;.</translation>
    </message>
    <message>
        <source>The data shows the how the reservoir pressure has changed with distance. At the end of each Km travelled, the reservoir pressure in 0.5 Bar steps is recorded.</source>
        <comment>274</comment>
        <translation>El gráfico muestra cómo ha cambiado la presión del calderín con la distancia. Al final de cada km recorrido se registra la presión del calderín en pasos de 0,5 Bar.</translation>
    </message>
    <message>
        <source>The stability snapshot records the output of the stability sensor together with the system parameters and signal states at the moment the ECU detected a stability event. The ECU keeps up to 32 snapshots.</source>
        <comment>275</comment>
        <translation>La instantánea de estabilidad registra la salida del sensor de estabilidad junto con los parámetros del sistema y el estado de las señales en el momento en que la ECU detectó un evento de estabilidad. La ECU guarda hasta 32 instantáneas.</translation>
    </message>
    <message>
        <source> Print Preview</source>
        <comment>277</comment>
        <translation> Vista previa de impresión</translation>
    </message>
    <message>
        <source>Trying To Connect...</source>
        <comment>278</comment>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Display Information</source>
        <comment>279</comment>
        <translation>Mostrar información</translation>
    </message>
    <message>
        <source>Stability Snaphot</source>
        <comment>281</comment>
        <translation>Instantánea de estabilidad</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>282</comment>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Stability Sensor Output</source>
        <comment>283</comment>
        <translation>Salida del sensor de estabilidad</translation>
    </message>
    <message>
        <source>Time Since Startup (HH:MM:SS)</source>
        <comment>284</comment>
        <translation>Tiempo desde arranque (HH:MM:SS)</translation>
    </message>
    <message>
        <source>SYSTEM PARAMETERS</source>
        <comment>285</comment>
        <translation>PARÁMETROS DEL SISTEMA</translation>
    </message>
    <message>
        <source>Odometer</source>
        <comment>286</comment>
        <translation>Cuentakilómetros</translation>
    </message>
    <message>
        <source>Voltage</source>
        <comment>287</comment>
        <translation>Tensión</translation>
    </message>
    <message>
        <source>Reservoir Pressure</source>
        <comment>288</comment>
        <translation>Presión del calderín</translation>
    </message>
    <message>
        <source>Suspension Pressure</source>
        <comment>289</comment>
        <translation>Presión de suspensión</translation>
    </message>
    <message>
        <source>ISO Demand Pressure</source>
        <comment>290</comment>
        <translation>Presión de mando ISO</translation>
    </message>
    <message>
        <source>Control Line Pressure</source>
        <comment>291</comment>
        <translation>Presión de la línea de mando</translation>
    </message>
    <message>
        <source>Vehicle Speed</source>
        <comment>292</comment>
        <translation>Velocidad del vehículo</translation>
    </message>
    <message>
        <source>SYSTEM SETTINGS</source>
        <comment>293</comment>
        <translation>ESTADOS DEL SISTEMA</translation>
    </message>
    <message>
        <source>Red Lamp Signal</source>
        <comment>294</comment>
        <translation>Señal testigo rojo</translation>
    </message>
    <message>
        <source>Cab Lamp Signal</source>
        <comment>295</comment>
        <translation>Señal testigo cabina</translation>
    </message>
    <message>
        <source>Service Lamp Signal</source>
        <comment>296</comment>
        <translation>Señal testigo servicio</translation>
    </message>
    <message>
        <source>Stop Light Power</source>
        <comment>297</comment>
        <translation>Alimentación luz de freno</translation>
    </message>
    <message>
        <source>Brake Apply</source>
        <comment>298</comment>
        <translation>Freno aplicado</translation>
    </message>
    <message>
        <source>View and Print Stability Data</source>
        <comment>299</comment>
        <translation>Ver e imprimir los datos de estabilidad</translation>
    </message>
    <message>
        <source>No Interim Data for this graph</source>
        <comment>303</comment>
        <translation>Sin valores intermedios para este gráfico</translation>
    </message>
    <message>
        <source>Number of 500km intervals</source>
        <comment>305</comment>
        <translation>Número de tramos de 500 km</translation>
    </message>
    <message>
        <source>Km(s) in current interval (0..500)</source>
        <comment>307</comment>
        <translation>km en el tramo actual (0..500)</translation>
    </message>
    <message>
        <source>Brake Apps in current interval</source>
        <comment>308</comment>
        <translation>Frenadas en el tramo actual</translation>
    </message>
    <message>
        <source>SLP Brake Apps in current interval</source>
        <comment>309</comment>
        <translation>Frenadas SLP en el tramo actual</translation>
    </message>
    <message>
        <source>ABS Events in current interval</source>
        <comment>311</comment>
        <translation>Interv. ABS en el tramo actual</translation>
    </message>
    <message>
        <source>Rollover Events in current interval</source>
        <comment>313</comment>
        <translation>Interv. RSS en el tramo actual</translation>
    </message>
    <message>
        <source>Working Offline</source>
        <comment>314</comment>
        <translation>Modo sin conexión</translation>
    </message>
    <message>
        <source>!! Application Already Running !!</source>
        <comment>315</comment>
        <translation>!! La aplicación ya se está ejecutando !!</translation>
    </message>
    <message>
        <source>Failed To Connect To ECU - Retry ?</source>
        <comment>316</comment>
        <translation>No se pudo conectar con la ECU - ¿Reintentar ?</translation>
    </message>
    <message>
        <source>Load from Dir - </source>
        <comment>317</comment>
        <translation>Cargar desde carpeta - </translation>
    </message>
    <message>
        <source>Save To Dir - </source>
        <comment>318</comment>
        <translation>Guardar en carpeta - </translation>
    </message>
    <message>
        <source>Stability Data Only</source>
        <comment>319</comment>
        <translation>Solo datos de estabilidad</translation>
    </message>
    <message>
        <source> [ ***  File Error  *** ]</source>
        <comment>320</comment>
        <translation> [ ***  Error de archivo  *** ]</translation>
    </message>
    <message>
        <source> [ File: </source>
        <comment>321</comment>
        <translation> [ Archivo: </translation>
    </message>
    <message>
        <source>Not Connected</source>
        <comment>322</comment>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>323</comment>
        <translation>Error</translation>
    </message>
    <message>
        <source>No Data</source>
        <comment>324</comment>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Jan</source>
        <comment>1127</comment>
        <translation>ene</translation>
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
        <translation>abr</translation>
    </message>
    <message>
        <source>May</source>
        <comment>1131</comment>
        <translation>may</translation>
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
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <comment>1135</comment>
        <translation>sep</translation>
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
        <translation>dic</translation>
    </message>
    <message>
        <source>Connection: %1</source>
        <comment>1200</comment>
        <translation>Conexión: %1</translation>
    </message>
    <message>
        <source>searching, a port is being tried</source>
        <comment>1201</comment>
        <translation>buscando, se está probando un puerto</translation>
    </message>
    <message>
        <source>connected to the ECU</source>
        <comment>1202</comment>
        <translation>conectado a la ECU</translation>
    </message>
    <message>
        <source>not connected</source>
        <comment>1203</comment>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>1204</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Load data file</source>
        <comment>1210</comment>
        <translation>Cargar archivo de datos</translation>
    </message>
    <message>
        <source>Save data file</source>
        <comment>1211</comment>
        <translation>Guardar archivo de datos</translation>
    </message>
    <message>
        <source>Erase or write ECU data</source>
        <comment>1212</comment>
        <translation>Borrar o escribir datos de la ECU</translation>
    </message>
    <message>
        <source>Reload from ECU</source>
        <comment>1213</comment>
        <translation>Volver a cargar desde la ECU</translation>
    </message>
    <message>
        <source>Stability snapshots</source>
        <comment>1214</comment>
        <translation>Instantáneas de estabilidad</translation>
    </message>
    <message>
        <source>Graph information</source>
        <comment>1215</comment>
        <translation>Información del gráfico</translation>
    </message>
    <message>
        <source>Print preview</source>
        <comment>1216</comment>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>1217</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Next graph</source>
        <comment>1218</comment>
        <translation>Gráfico siguiente</translation>
    </message>
    <message>
        <source>Previous graph</source>
        <comment>1219</comment>
        <translation>Gráfico anterior</translation>
    </message>
    <message>
        <source>Download progress</source>
        <comment>1220</comment>
        <translation>Progreso de la descarga</translation>
    </message>
    <message>
        <source>Chart</source>
        <comment>1221</comment>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <comment>1222</comment>
        <translation>Gráfico: %1</translation>
    </message>
    <message>
        <source>One entry per bar, with the bar&apos;s range and value</source>
        <comment>1223</comment>
        <translation>Una entrada por barra, con el rango y el valor de la barra</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>1224</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bar %1 of %2</source>
        <comment>1225</comment>
        <translation>Barra %1 de %2</translation>
    </message>
    <message>
        <source>Graph title</source>
        <comment>1226</comment>
        <translation>Título del gráfico</translation>
    </message>
    <message>
        <source>Top of the vertical scale</source>
        <comment>1227</comment>
        <translation>Parte superior de la escala vertical</translation>
    </message>
    <message>
        <source>Vertical unit</source>
        <comment>1228</comment>
        <translation>Unidad vertical</translation>
    </message>
    <message>
        <source>Bottom of the vertical scale</source>
        <comment>1229</comment>
        <translation>Parte inferior de la escala vertical</translation>
    </message>
    <message>
        <source>Distance at the left end</source>
        <comment>1230</comment>
        <translation>Distancia en el extremo izquierdo</translation>
    </message>
    <message>
        <source>Distance at the right end</source>
        <comment>1231</comment>
        <translation>Distancia en el extremo derecho</translation>
    </message>
    <message>
        <source>Horizontal unit</source>
        <comment>1232</comment>
        <translation>Unidad horizontal</translation>
    </message>
    <message>
        <source>Horizontal scale</source>
        <comment>1233</comment>
        <translation>Escala horizontal</translation>
    </message>
    <message>
        <source>ECU type</source>
        <comment>1234</comment>
        <translation>Tipo de ECU</translation>
    </message>
    <message>
        <source>Printed page</source>
        <comment>1235</comment>
        <translation>Página impresa</translation>
    </message>
    <message>
        <source>The page as it will be printed: Ctrl+P prints it, Ctrl++ and Ctrl+- zoom</source>
        <comment>1236</comment>
        <translation>La página tal como se imprimirá: Ctrl+P la imprime, Ctrl++ y Ctrl+- amplían y reducen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>1237</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Frames sent and received</source>
        <comment>1238</comment>
        <translation>Tramas enviadas y recibidas</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1240</comment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>1241</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Data to erase</source>
        <comment>1242</comment>
        <translation>Datos que borrar</translation>
    </message>
    <message>
        <source>Explanation</source>
        <comment>1243</comment>
        <translation>Explicación</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <comment>1244</comment>
        <translation>Instantánea %1</translation>
    </message>
    <message>
        <source>Stability sensor output of snapshot %1</source>
        <comment>1245</comment>
        <translation>Salida del sensor de estabilidad, instantánea %1</translation>
    </message>
</context>
</TS>
