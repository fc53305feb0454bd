<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tresmolo</source>
        <translation>Acerca de Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo, Version %1</source>
        <translation>Tresmolo, versión %1</translation>
    </message>
    <message>
        <source>Support: see the user guide</source>
        <translation>Ayuda: consulte la guía del usuario</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Guía del usuario de Tresmolo</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>Abrir la guía del usuario en el navegador</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CCustomMFCRibbonApplicationButton</name>
    <message>
        <source>Change Application Appearance</source>
        <translation>Cambiar la apariencia de la aplicación</translation>
    </message>
    <message>
        <source>Application Button</source>
        <translation>Botón de la aplicación</translation>
    </message>
    <message>
        <source>Switches to the next look. Alt+F opens the application menu.</source>
        <translation>Cambia a la siguiente apariencia. Alt+F abre el menú de la aplicación.</translation>
    </message>
</context>
<context>
    <name>CDlgDuplicateResults</name>
    <message>
        <source>Verify Contents</source>
        <translation>Verificar contenido</translation>
    </message>
    <message>
        <source>Compare the contents of the files of each group</source>
        <translation>Comparar el contenido de los archivos de cada grupo</translation>
    </message>
    <message>
        <source>%1 group(s), %2 file(s), %3 in duplicates</source>
        <translation>%1 grupo(s), %2 archivo(s), %3 en duplicados</translation>
    </message>
    <message>
        <source>Comparing the contents of the files...</source>
        <translation>Comparando el contenido de los archivos...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This Window Displays Possibly Duplicate Files Grouped by File Size.

Files of Same Size Might be Duplicate or Different.

Have a Close Look before Deleting Any File(s).

Right Click to View Available Commands.

In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling.</source>
        <translation>Esta ventana muestra posibles archivos duplicados, agrupados por tamaño.

Los archivos del mismo tamaño pueden ser duplicados o distintos.

Revíselos con atención antes de eliminar cualquier archivo.

Haga clic derecho para ver las órdenes disponibles.

Si la lista de archivos se está desplazando, espere hasta que se detenga.</translation>
    </message>
    <message>
        <source>Check the Files which you wish to Send to Recyle Bin and then try again.</source>
        <translation>Marque los archivos que quiera enviar a la papelera e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Duplicate Search Results - %1</source>
        <translation>Resultados de la búsqueda de duplicados - %1</translation>
    </message>
    <message>
        <source>Display Selected File(s) in Explorer</source>
        <translation>Mostrar los archivos seleccionados en el gestor de archivos</translation>
    </message>
    <message>
        <source>Send Checked File(s) to Recycle Bin</source>
        <translation>Enviar los archivos marcados a la papelera</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Marcar todos</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Desmarcar todos</translation>
    </message>
    <message>
        <source>Contents Check</source>
        <translation>Comprobación del contenido</translation>
    </message>
    <message>
        <source>How many groups and files the list holds, and the space their extra copies take</source>
        <translation>Cuántos grupos y archivos contiene la lista, y el espacio que ocupan sus copias sobrantes</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Keep one file of each group?

Yes keeps these files and sends the other checked files to the Recycle Bin:
%1

No sends every checked file to the Recycle Bin, the last copy of each group included.</source>
        <translation>¿Conservar un archivo de cada grupo?

«Sí» conserva estos archivos y envía los demás archivos marcados a la papelera:
%1

«No» envía todos los archivos marcados a la papelera, incluida la última copia de cada grupo.</translation>
    </message>
    <message>
        <source>The contents cache could not be used: %1</source>
        <translation>No se pudo usar la caché de contenido: %1</translation>
    </message>
    <message>
        <source>Duplicate Candidates</source>
        <translation>Posibles duplicados</translation>
    </message>
    <message>
        <source>Files of equal size, one group after another; check the files to send to the Recycle Bin</source>
        <translation>Archivos del mismo tamaño, grupo tras grupo; marque los archivos que quiera enviar a la papelera</translation>
    </message>
    <message>
        <source>Select Files to Remove...</source>
        <translation>Seleccionar archivos para eliminar...</translation>
    </message>
    <message>
        <source>Check the files of each group but the one that stays, by rules you choose</source>
        <translation>Marcar los archivos de cada grupo salvo el que se conserva, según las reglas que elija</translation>
    </message>
    <message>
        <source>Replace Checked with Hard Links</source>
        <translation>Reemplazar los archivos marcados por enlaces duros</translation>
    </message>
    <message>
        <source>Replace Checked with Shared Copies</source>
        <translation>Reemplazar los archivos marcados por copias compartidas</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Check the files to replace with the file that stays in their group, then try again.</source>
        <translation>Marque los archivos que quiera reemplazar por el archivo que se conserva en su grupo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Only files whose contents were compared can be replaced. Verify Contents first.</source>
        <translation>Solo se pueden reemplazar los archivos cuyo contenido se ha comparado. Use primero «Verificar contenido».</translation>
    </message>
    <message>
        <source>Replacing the checked files with hard links...</source>
        <translation>Reemplazando los archivos marcados por enlaces duros...</translation>
    </message>
    <message>
        <source>Sharing the space of the checked files...</source>
        <translation>Compartiendo el espacio de los archivos marcados...</translation>
    </message>
    <message>
        <source>%1 file(s) replaced with hard links, %2 freed.</source>
        <translation>%1 archivo(s) reemplazado(s) por enlaces duros; espacio liberado: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) now share their space with the file that stays, %2 freed.</source>
        <translation>%1 archivo(s) comparten ahora su espacio con el archivo que se conserva; espacio liberado: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) skipped:</source>
        <translation>%1 archivo(s) omitido(s):</translation>
    </message>
    <message>
        <source>%1: %2 file(s)</source>
        <translation>%1: %2 archivo(s)</translation>
    </message>
    <message>
        <source>Stopped before every checked file was done.</source>
        <translation>Detenido antes de procesar todos los archivos marcados.</translation>
    </message>
    <message>
        <source>The action log %1 could not be written: %2</source>
        <translation>No se pudo escribir el registro de acciones %1: %2</translation>
    </message>
    <message>
        <source>%1 file(s) checked, %2 to free</source>
        <translation>%1 archivo(s) marcado(s), %2 por liberar</translation>
    </message>
</context>
<context>
    <name>CDlgSearchParameters</name>
    <message>
        <source>Search by Partial or Full File Name</source>
        <translation>Buscar por nombre de archivo parcial o completo</translation>
    </message>
    <message>
        <source>&amp;Search Word :</source>
        <translation>&amp;Palabra buscada:</translation>
    </message>
    <message>
        <source>Search &amp;Path :</source>
        <translation>&amp;Ruta de búsqueda:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Specify Search Parameters - %1</source>
        <translation>Parámetros de búsqueda - %1</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2).</source>
        <translation>Expresión regular no válida: %1 (en el carácter %2).</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1.</source>
        <translation>Expresión regular no válida: %1.</translation>
    </message>
    <message>
        <source>The words searched for last are in the list.</source>
        <translation>Las últimas palabras buscadas están en la lista.</translation>
    </message>
    <message>
        <source>Search Word</source>
        <translation>Palabra buscada</translation>
    </message>
    <message>
        <source>Search Path</source>
        <translation>Ruta de búsqueda</translation>
    </message>
    <message>
        <source>&amp;More Options</source>
        <translation>&amp;Más opciones</translation>
    </message>
    <message>
        <source>Shows or hides the options beyond the word: names to skip, how the word matches, size, date and text inside the files.</source>
        <translation>Muestra u oculta las opciones además de la palabra: nombres que omitir, cómo coincide la palabra, tamaño, fecha y texto dentro de los archivos.</translation>
    </message>
</context>
<context>
    <name>CDlgSplash</name>
    <message>
        <source>File search for your folders</source>
        <translation>Búsqueda de archivos en sus carpetas</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>%1 Loading...</source>
        <translation>Cargando %1...</translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Árbol de carpetas</translation>
    </message>
    <message>
        <source>Choose the folder to search</source>
        <translation>Elija la carpeta en la que buscar</translation>
    </message>
</context>
<context>
    <name>CInfoBar</name>
    <message>
        <source>Important</source>
        <translation>Importante</translation>
    </message>
    <message>
        <source>Here is an informational message for the user.</source>
        <translation>Aquí aparece un mensaje informativo para el usuario.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barra de información</translation>
    </message>
    <message>
        <source>What to do next, or how the last search went</source>
        <translation>Qué hacer a continuación, o cómo fue la última búsqueda</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Filter Found Files</source>
        <translation>&amp;Filtrar archivos encontrados</translation>
    </message>
    <message>
        <source>Show only the found files whose name or folder contains a text.</source>
        <translation>Mostrar solo los archivos encontrados cuyo nombre o carpeta contiene un texto.</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>Panel si&amp;guiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Panel an&amp;terior</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>&amp;Apariencia de la aplicación</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Barra de &amp;información</translation>
    </message>
    <message>
        <source>&amp;Files Count in Every Folder</source>
        <translation>&amp;Número de archivos por carpeta</translation>
    </message>
    <message>
        <source>&amp;Display File List</source>
        <translation>Mostrar &amp;lista de archivos</translation>
    </message>
    <message>
        <source>D&amp;uplicate Files of Same Size</source>
        <translation>Archivos &amp;duplicados del mismo tamaño</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Selected Folder Will Appear Here</source>
        <translation>Aquí aparecerá la carpeta seleccionada</translation>
    </message>
    <message>
        <source>Number of Files Found in Search.</source>
        <translation>Número de archivos encontrados en la búsqueda.</translation>
    </message>
    <message>
        <source>File Count in List</source>
        <translation>Número de archivos en la lista</translation>
    </message>
    <message>
        <source>Select Folder from the Left Hand Side to be Searched.</source>
        <translation>Seleccione a la izquierda la carpeta en la que buscar.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barra de información</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. Changes made now may be lost when Tresmolo closes.</source>
        <translation>No se puede guardar la configuración en %1. Los cambios que haga ahora pueden perderse al cerrar Tresmolo.</translation>
    </message>
    <message>
        <source>Please Select a Folder from the Folder List to Search for File(s).</source>
        <translation>Seleccione en la lista de carpetas una carpeta en la que buscar archivos.</translation>
    </message>
    <message>
        <source>Folder Name Selected from the Folder List will Appear Here.</source>
        <translation>Aquí aparecerá el nombre de la carpeta seleccionada en la lista de carpetas.</translation>
    </message>
    <message>
        <source>Folder %1 Selected to Search File(s).</source>
        <translation>Carpeta %1 seleccionada para buscar archivos.</translation>
    </message>
    <message>
        <source>Press the Start Button to Start Searching File(s) from the Folder %1.</source>
        <translation>Pulse el botón Iniciar para empezar a buscar archivos en la carpeta %1.</translation>
    </message>
    <message>
        <source>Si&amp;ze Column</source>
        <translation>Columna Ta&amp;maño</translation>
    </message>
    <message>
        <source>&amp;Modified Column</source>
        <translation>Columna M&amp;odificado</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>&amp;Acerca de Tresmolo...</translation>
    </message>
    <message>
        <source>The folder chosen to search</source>
        <translation>La carpeta elegida para buscar</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: it lies on a virtual file system (such as /proc or /sys), which is never searched.</source>
        <translation>No se buscó en la propia carpeta %1: está en un sistema de archivos virtual (como /proc o /sys), en el que nunca se busca.</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: the switch &quot;%2&quot; in &quot;%3&quot; skips it.</source>
        <translation>No se buscó en la propia carpeta %1: la opción «%2» del grupo «%3» la omite.</translation>
    </message>
</context>
<context>
    <name>COutlookBar</name>
    <message>
        <source>Shortcuts</source>
        <translation>Accesos directos</translation>
    </message>
    <message>
        <source>Outlook Bar</source>
        <translation>Barra de navegación</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Navigation Pane Pages</source>
        <translation>Páginas de la barra de navegación</translation>
    </message>
</context>
<context>
    <name>CPendrakeView</name>
    <message>
        <source>View Selected File</source>
        <translation>Abrir el archivo seleccionado</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Abrir la carpeta del archivo</translation>
    </message>
    <message>
        <source>Locate File in Explorer</source>
        <translation>Mostrar el archivo en el gestor de archivos</translation>
    </message>
    <message>
        <source>Send File to Recycle Bin</source>
        <translation>Enviar el archivo a la papelera</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Propiedades del archivo</translation>
    </message>
    <message>
        <source>Folder Properties</source>
        <translation>Propiedades de la carpeta</translation>
    </message>
    <message>
        <source>Open Selected Folder</source>
        <translation>Abrir la carpeta seleccionada</translation>
    </message>
    <message>
        <source>Send Folder to Recycle Bin</source>
        <translation>Enviar la carpeta a la papelera</translation>
    </message>
    <message>
        <source>The list of files could not be written completely to %1 (%2). The incomplete file has been removed.</source>
        <translation>No se pudo escribir la lista de archivos completa en %1 (%2). Se ha eliminado el archivo incompleto.</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copiar ruta</translation>
    </message>
    <message>
        <source>Please Select a Folder from the List of Folders (from the Left Hand Side) &amp; then Press the Start Button.</source>
        <translation>Seleccione una carpeta de la lista de carpetas (a la izquierda) &amp; pulse luego el botón Iniciar.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>File Search for Folder %1, Started At %2</source>
        <translation>Búsqueda de archivos en la carpeta %1, iniciada a las %2</translation>
    </message>
    <message>
        <source>File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). </source>
        <translation>Búsqueda de archivos iniciada a las %1, detenida a las %2. %3 carpeta(s) recorrida(s). </translation>
    </message>
    <message>
        <source>File Search Stopped At %1.</source>
        <translation>Búsqueda de archivos detenida a las %1.</translation>
    </message>
    <message>
        <source>%1 Folder(s) Parsed. </source>
        <translation>%1 carpeta(s) recorrida(s). </translation>
    </message>
    <message>
        <source>%1 Folder(s) Ignored. </source>
        <translation>%1 carpeta(s) omitida(s). </translation>
    </message>
    <message>
        <source>%1 Folder(s) Do Not Contain Files. </source>
        <translation>%1 carpeta(s) sin archivos. </translation>
    </message>
    <message>
        <source>%1 File(s) Found.</source>
        <translation>%1 archivo(s) encontrado(s).</translation>
    </message>
    <message>
        <source>It Took Aound %1.</source>
        <translation>Duración: unos %1.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Lista de archivos</translation>
    </message>
    <message>
        <source>The files found, or the search&apos;s status lines</source>
        <translation>Los archivos encontrados, o las líneas de estado de la búsqueda</translation>
    </message>
    <message>
        <source>File List Headings</source>
        <translation>Encabezados de la lista de archivos</translation>
    </message>
    <message>
        <source>Folder List</source>
        <translation>Lista de carpetas</translation>
    </message>
    <message>
        <source>The folders that hold found files, with their file counts</source>
        <translation>Las carpetas que contienen archivos encontrados, con su número de archivos</translation>
    </message>
    <message>
        <source>Folder List Headings</source>
        <translation>Encabezados de la lista de carpetas</translation>
    </message>
    <message>
        <source>%1 Folder(s) Could Not Be Opened (Too Many Open Files). </source>
        <translation>%1 carpeta(s) sin abrir (demasiados archivos abiertos). </translation>
    </message>
    <message>
        <source>%1 File(s) Could Not Be Read. </source>
        <translation>%1 archivo(s) ilegible(s). </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Cambiar el estilo visual</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Elegir uno de los temas de Office 2007</translation>
    </message>
    <message>
        <source>Folders To Ignore</source>
        <translation>Carpetas a omitir</translation>
    </message>
    <message>
        <source>Files to Ignore</source>
        <translation>Archivos a omitir</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Lanzadores</translation>
    </message>
    <message>
        <source>Exporters</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Command Panel Tabs</source>
        <translation>Pestañas del panel de órdenes</translation>
    </message>
    <message>
        <source>Opens a menu with the commands of this panel.</source>
        <translation>Abre un menú con las órdenes de este grupo.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Searches a folder (and its sub-folders) for files, lists them with per-folder counts
and lets you act on them. With FOLDER, that folder is selected in the folder tree.</source>
        <translation>Busca archivos en una carpeta y sus subcarpetas, los lista con su número por carpeta
y permite actuar sobre ellos. Con FOLDER, esa carpeta se selecciona en el árbol.</translation>
    </message>
    <message>
        <source>Start a search in the selected folder at once, as the automatic search at start-up does.</source>
        <translation>Iniciar enseguida una búsqueda en la carpeta seleccionada, como hace la búsqueda automática al iniciar.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» no es una carpeta.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>Give one folder at most.</source>
        <translation>Indique una carpeta como máximo.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, given to Qt when they come before &quot;--&quot;:</source>
        <translation>Opciones propias de Qt, que se pasan a Qt cuando van antes de «--»:</translation>
    </message>
    <message>
        <source>The folder to select (and search): a path, or a local file:// URI. Every argument after &quot;--&quot; is a folder, even one that starts with &quot;-&quot;.</source>
        <translation>La carpeta que seleccionar (y en la que buscar): una ruta o un URI file:// local. Todo argumento después de «--» es una carpeta, aunque empiece por «-».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder on another computer (%2); only local folders can be searched.</source>
        <translation>«%1» indica una carpeta de otro equipo (%2); solo se puede buscar en carpetas locales.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI.</source>
        <translation>«%1» no es un URI de archivo válido.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <translation>No se puede abrir la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>Missing value after &quot;%1&quot;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unknown option: %1 (did you mean &quot;%2&quot;?)</source>
        <translation>Opción desconocida: %1 (¿quiso decir «%2»?)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opción desconocida: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI: a &quot;/&quot; cannot be part of a name.</source>
        <translation>«%1» no es un URI de archivo válido: una «/» no puede formar parte de un nombre.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>The entries of the folder &quot;%1&quot; cannot be examined: %2.</source>
        <translation>No se pueden examinar las entradas de la carpeta «%1»: %2.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>El nombre de la carpeta está vacío.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: the current folder cannot be read: %2.</source>
        <translation>No se puede abrir la carpeta «%1»: no se puede leer la carpeta actual: %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Caption Bar</source>
        <translation>Barra de información</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Mostrar u ocultar la barra de información</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Mostrar/ocultar la barra de información</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Ignore Windows Folder ( e.g C:\Windows ) While Searching.</source>
        <translation>Omitir la carpeta de Windows (p. ej. C:\Windows) al buscar.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Windows Folder</source>
        <translation>No buscar en los archivos de la carpeta de Windows</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Ignore Programs Folder ( e.g C:\Program Files ) While Searching.</source>
        <translation>Omitir la carpeta de programas (p. ej. C:\Program Files) al buscar.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Program Files Folder</source>
        <translation>No buscar en los archivos de la carpeta de programas</translation>
    </message>
    <message>
        <source>Hidden Files</source>
        <translation>Archivos ocultos</translation>
    </message>
    <message>
        <source>Ignore all Hidden Files in Search.</source>
        <translation>Omitir todos los archivos ocultos en la búsqueda.</translation>
    </message>
    <message>
        <source>Skip Hidden Files when Searching.</source>
        <translation>Saltar los archivos ocultos al buscar.</translation>
    </message>
    <message>
        <source>Read Only Files</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Ignore all Read Only Files in Search.</source>
        <translation>Omitir todos los archivos de solo lectura en la búsqueda.</translation>
    </message>
    <message>
        <source>Skip Read Only Files in File Search.</source>
        <translation>Saltar los archivos de solo lectura al buscar.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start Searching of Files for the Selected Folder.</source>
        <translation>Empezar a buscar archivos en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Start File(s) Search.</source>
        <translation>Iniciar la búsqueda de archivos.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop Searching of of Files for the Selected Folder.</source>
        <translation>Detener la búsqueda de archivos en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Stop Searching of File(s).</source>
        <translation>Detener la búsqueda de archivos.</translation>
    </message>
    <message>
        <source>Search SubFolder(s)</source>
        <translation>Incluir subcarpetas</translation>
    </message>
    <message>
        <source>Search File(s) in Sub Folder(s) of the Selected Folder.</source>
        <translation>Buscar archivos también en las subcarpetas de la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Search Files in Sub Folder(s).</source>
        <translation>Buscar archivos en las subcarpetas.</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Número de archivos</translation>
    </message>
    <message>
        <source>Display Number of Files Count in Every Folder when Loading Files.</source>
        <translation>Mostrar el número de archivos de cada carpeta al cargar los archivos.</translation>
    </message>
    <message>
        <source>Display Files Count in Every Folder</source>
        <translation>Mostrar el número de archivos por carpeta</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Gestor de archivos</translation>
    </message>
    <message>
        <source>Open Windows Explorer with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Abrir en el gestor de archivos la carpeta seleccionada en el árbol de carpetas de este programa.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Explorer</source>
        <translation>Abrir la carpeta seleccionada en el gestor de archivos</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Open Command Prompt Window with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Abrir un terminal en la carpeta seleccionada en el árbol de carpetas de este programa.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Command Prompt</source>
        <translation>Abrir la carpeta seleccionada en un terminal</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Abrir la papelera</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>Export List of Files Visible in List to a Temporary file and Open It.</source>
        <translation>Exportar los archivos visibles en la lista a un archivo temporal y abrirlo.</translation>
    </message>
    <message>
        <source>Export List of Files to a Temporary File.</source>
        <translation>Exportar la lista de archivos a un archivo temporal.</translation>
    </message>
    <message>
        <source>Ignore Recycle Bin Folder(s) When Listing Files.</source>
        <translation>Omitir las carpetas de la papelera al listar archivos.</translation>
    </message>
    <message>
        <source>Do Not Search for Files in Recycle Bin.</source>
        <translation>No buscar archivos en la papelera.</translation>
    </message>
    <message>
        <source>Auto Search Last Folder</source>
        <translation>Buscar al iniciar</translation>
    </message>
    <message>
        <source>Automatically Run the Last Search at Application Startup.</source>
        <translation>Repetir automáticamente la última búsqueda al iniciar la aplicación.</translation>
    </message>
    <message>
        <source>Auto Search File(s) at Startup</source>
        <translation>Buscar archivos automáticamente al iniciar</translation>
    </message>
    <message>
        <source>AppData</source>
        <translation>AppData</translation>
    </message>
    <message>
        <source>Ignore App Data Folders when Searching Files in the Selected Folder.</source>
        <translation>Omitir las carpetas de datos de aplicaciones al buscar archivos en la carpeta seleccionada.</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Application Data Folders.</source>
        <translation>No buscar archivos en las carpetas de datos de aplicaciones.</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Ocultas</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Hidden Folders.</source>
        <translation>No buscar archivos en las carpetas ocultas.</translation>
    </message>
    <message>
        <source>Ignore Hidden Folders.</source>
        <translation>Omitir las carpetas ocultas.</translation>
    </message>
    <message>
        <source>Display File List</source>
        <translation>Mostrar archivos</translation>
    </message>
    <message>
        <source>Display List of Files as they are found. This will require extra time to parse the selected folder.</source>
        <translation>Mostrar los archivos a medida que se encuentran. Recorrer la carpeta seleccionada llevará más tiempo.</translation>
    </message>
    <message>
        <source>Display File List in Upper List.</source>
        <translation>Mostrar los archivos en la lista superior.</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Search Duplicate Files from the List by Comparing File Size</source>
        <translation>Buscar archivos duplicados en la lista comparando su tamaño</translation>
    </message>
    <message>
        <source>Duplicate Files of Same Size</source>
        <translation>Archivos duplicados del mismo tamaño</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Open the Tresmolo User Guide</source>
        <translation>Abrir la guía del usuario de Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Guía del usuario de Tresmolo</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Abrir la carpeta del archivo</translation>
    </message>
    <message>
        <source>Open Folder of Selected File</source>
        <translation>Abrir la carpeta del archivo seleccionado</translation>
    </message>
    <message>
        <source>Display Selected File&apos;s Folder in Windows Explorer</source>
        <translation>Mostrar la carpeta del archivo seleccionado en el gestor de archivos</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copiar la selección al portapapeles</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Cor&amp;tar	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Cortar la selección y ponerla en el portapapeles</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insertar el contenido del portapapeles</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Deshacer la última acción</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>&amp;Acerca de Tresmolo...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar la información del programa, el número de versión y el copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Mostrar/ocultar la barra de estado</translation>
    </message>
    <message>
        <source>Size Column</source>
        <translation>Columna Tamaño</translation>
    </message>
    <message>
        <source>Show the size of every found file in the file list.</source>
        <translation>Mostrar el tamaño de cada archivo encontrado en la lista de archivos.</translation>
    </message>
    <message>
        <source>Show or Hide the Size Column</source>
        <translation>Mostrar u ocultar la columna Tamaño</translation>
    </message>
    <message>
        <source>Modified Column</source>
        <translation>Columna Modificado</translation>
    </message>
    <message>
        <source>Show when every found file was last modified in the file list.</source>
        <translation>Mostrar en la lista de archivos cuándo se modificó por última vez cada archivo encontrado.</translation>
    </message>
    <message>
        <source>Show or Hide the Modified Column</source>
        <translation>Mostrar u ocultar la columna Modificado</translation>
    </message>
</context>
<context>
    <name>ContentsCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Fecha y hora no válidas</translation>
    </message>
    <message>
        <source>%1 Day </source>
        <translation>%1 día </translation>
    </message>
    <message>
        <source>%1 Hour </source>
        <translation>%1 hora </translation>
    </message>
    <message>
        <source>%1 Minute </source>
        <translation>%1 minuto </translation>
    </message>
    <message>
        <source>%1 Second</source>
        <translation>%1 segundo</translation>
    </message>
    <message>
        <source>%1 Days </source>
        <translation>%1 días </translation>
    </message>
    <message>
        <source>%1 Hours </source>
        <translation>%1 horas </translation>
    </message>
    <message>
        <source>%1 Minutes </source>
        <translation>%1 minutos </translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 segundos</translation>
    </message>
</context>
<context>
    <name>DlgKeepRules</name>
    <message>
        <source>In a reference folder</source>
        <translation>En una carpeta de referencia</translation>
    </message>
    <message>
        <source>Oldest modified</source>
        <translation>Modificación más antigua</translation>
    </message>
    <message>
        <source>Newest modified</source>
        <translation>Modificación más reciente</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Ruta más corta</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Ruta más larga</translation>
    </message>
    <message>
        <source>First in the list</source>
        <translation>Primero de la lista</translation>
    </message>
    <message>
        <source>Select Files to Remove</source>
        <translation>Seleccionar archivos para eliminar</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Reference folders</source>
        <translation>Carpetas de referencia</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Añadir carpeta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>The file that stays in each group is chosen by the first rule that tells the files apart:</source>
        <translation>El archivo que se conserva en cada grupo lo elige la primera regla que distingue los archivos:</translation>
    </message>
    <message>
        <source>Reference folders, first the most important (files in them are never checked, not even by Check All):</source>
        <translation>Carpetas de referencia, primero la más importante (sus archivos nunca se marcan, ni siquiera con «Marcar todos»):</translation>
    </message>
    <message>
        <source>OK checks every other file of each group, except hard links of the file that stays.</source>
        <translation>«Aceptar» marca todos los demás archivos de cada grupo, salvo los enlaces duros del archivo que se conserva.</translation>
    </message>
    <message>
        <source>Add Reference Folder</source>
        <translation>Añadir carpeta de referencia</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Last File Found</source>
        <translation>Último archivo encontrado</translation>
    </message>
</context>
<context>
    <name>FolderListModel</name>
    <message>
        <source>Sr</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Archivos</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>not reached</source>
        <translation>no alcanzado</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
    <message>
        <source>in a reference folder</source>
        <translation>en una carpeta de referencia</translation>
    </message>
    <message>
        <source>no unchanged copy stays in its group</source>
        <translation>no queda ninguna copia sin cambios en su grupo</translation>
    </message>
    <message>
        <source>in no group of identical contents</source>
        <translation>en ningún grupo de contenido idéntico</translation>
    </message>
    <message>
        <source>already a hard link of the file that stays</source>
        <translation>ya es un enlace duro del archivo que se conserva</translation>
    </message>
    <message>
        <source>already shares its space with the file that stays</source>
        <translation>ya comparte su espacio con el archivo que se conserva</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>changed since the contents check</source>
        <translation>modificado desde la comprobación del contenido</translation>
    </message>
    <message>
        <source>the file that stays changed</source>
        <translation>el archivo que se conserva ha cambiado</translation>
    </message>
    <message>
        <source>on another file system than the file that stays</source>
        <translation>en un sistema de archivos distinto al del archivo que se conserva</translation>
    </message>
    <message>
        <source>its file system cannot share space between files</source>
        <translation>su sistema de archivos no puede compartir espacio entre archivos</translation>
    </message>
    <message>
        <source>stopped part way</source>
        <translation>detenido a medias</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>error</translation>
    </message>
    <message>
        <source>changed since it was listed</source>
        <translation>modificado desde que se listó</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
</context>
<context>
    <name>ResultsFilterBox</name>
    <message>
        <source>Filter the found files by name or folder (Ctrl+F)</source>
        <translation>Filtrar los archivos encontrados por nombre o carpeta (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows only the files whose name or folder contains this text. Escape clears it.</source>
        <translation>Muestra solo los archivos cuyo nombre o carpeta contiene este texto. Escape lo borra.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Borrar el filtro</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>rows shown of all rows</comment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Sr</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Última modificación</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>hard link of #%1</source>
        <translation>enlace duro de #%1</translation>
    </message>
    <message>
        <source>symbolic link</source>
        <translation>enlace simbólico</translation>
    </message>
    <message>
        <source>changed since the scan</source>
        <translation>modificado desde el análisis</translation>
    </message>
    <message>
        <source>keeps</source>
        <translation>se conserva</translation>
    </message>
</context>
<context>
    <name>SearchFilters</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 byte(s)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>skipping %1 pattern(s)</source>
        <translation>%1 patrón(es) omitido(s)</translation>
    </message>
    <message>
        <source>name matches a wildcard</source>
        <translation>nombre que coincide con un patrón comodín</translation>
    </message>
    <message>
        <source>name matches a regular expression</source>
        <translation>nombre que coincide con una expresión regular</translation>
    </message>
    <message>
        <source>size at least %1</source>
        <translation>tamaño mínimo de %1</translation>
    </message>
    <message>
        <source>size at most %1</source>
        <translation>tamaño máximo de %1</translation>
    </message>
    <message>
        <source>modified on or after %1</source>
        <translation>modificado desde el %1</translation>
    </message>
    <message>
        <source>modified on or before %1</source>
        <translation>modificado hasta el %1</translation>
    </message>
    <message>
        <source>modified in the last %1 day(s)</source>
        <translation>modificado en los últimos %1 día(s)</translation>
    </message>
    <message>
        <source>contents match &quot;%1&quot;</source>
        <translation>contenido que coincide con «%1»</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>que contiene «%1»</translation>
    </message>
    <message>
        <source>binary files too</source>
        <translation>incluidos los archivos binarios</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>SearchOptionsPanel</name>
    <message>
        <source>One name or pattern a line, e.g. node_modules</source>
        <translation>Un nombre o patrón por línea, p. ej. node_modules</translation>
    </message>
    <message>
        <source>Folders and files whose name matches one of these patterns are skipped. A pattern matches the exact bytes of a name, case-sensitive: * stands for any run of characters, ? for one, [abc] for one of a set. A pattern holding / matches the path below the chosen folder (e.g. src/build), and one ending in / matches folders only.</source>
        <translation>Se omiten las carpetas y archivos cuyo nombre coincide con uno de estos patrones. Un patrón compara los bytes exactos de un nombre, distinguiendo mayúsculas y minúsculas: * representa cualquier secuencia de caracteres, ? uno solo, [abc] uno de un conjunto. Un patrón que contiene / se aplica a la ruta por debajo de la carpeta elegida (p. ej. src/build), y uno que termina en / solo a carpetas.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Adds a name that is often not worth searching.</source>
        <translation>Añade un nombre en el que a menudo no vale la pena buscar.</translation>
    </message>
    <message>
        <source>S&amp;kip names:</source>
        <translation>&amp;Omitir nombres:</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>contiene</translation>
    </message>
    <message>
        <source>matches wildcard</source>
        <translation>coincide con el patrón comodín de</translation>
    </message>
    <message>
        <source>matches regular expression</source>
        <translation>coincide con la expresión regular de</translation>
    </message>
    <message>
        <source>How the search word is matched against each file&apos;s name, without regard to case: found anywhere in it, as a wildcard pattern for the whole name, or as a regular expression.</source>
        <translation>Cómo se compara la palabra buscada con el nombre de cada archivo, sin distinguir mayúsculas y minúsculas: en cualquier parte del nombre, como patrón comodín para el nombre completo o como expresión regular.</translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation>&amp;Nombre del archivo</translation>
    </message>
    <message>
        <source>the search word</source>
        <translation>la palabra buscada</translation>
    </message>
    <message>
        <source>At l&amp;east</source>
        <translation>Al m&amp;enos</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Tamaño mínimo</translation>
    </message>
    <message>
        <source>Unit of the smallest size</source>
        <translation>Unidad del tamaño mínimo</translation>
    </message>
    <message>
        <source>At m&amp;ost</source>
        <translation>&amp;Como máximo</translation>
    </message>
    <message>
        <source>Largest size</source>
        <translation>Tamaño máximo</translation>
    </message>
    <message>
        <source>Unit of the largest size</source>
        <translation>Unidad del tamaño máximo</translation>
    </message>
    <message>
        <source>Modified on or after this day</source>
        <translation>Modificado a partir de este día</translation>
    </message>
    <message>
        <source>Modified on or a&amp;fter</source>
        <translation>Modificado &amp;desde el</translation>
    </message>
    <message>
        <source>Modified on or before this day</source>
        <translation>Modificado hasta este día inclusive</translation>
    </message>
    <message>
        <source>Modified on or &amp;before</source>
        <translation>Modificado &amp;hasta el</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Número de días</translation>
    </message>
    <message>
        <source>Modified in the &amp;last</source>
        <translation>Modificado en los ú&amp;ltimos</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>Only files whose contents hold this text are found, without regard to case.</source>
        <translation>Solo se encuentran los archivos cuyo contenido incluye este texto, sin distinguir mayúsculas y minúsculas.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>Que contenga el &amp;texto:</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>E&amp;xpresión regular</translation>
    </message>
    <message>
        <source>Search b&amp;inary files too</source>
        <translation>Buscar también en archivos b&amp;inarios</translation>
    </message>
    <message>
        <source>Also search files that look binary (a zero byte in their first 128 KB).</source>
        <translation>Buscar también en los archivos que parecen binarios (un byte cero en sus primeros 128 KB).</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Re&amp;stablecer</translation>
    </message>
    <message>
        <source>Puts every one of these options back to its default.</source>
        <translation>Devuelve cada una de estas opciones a su valor predeterminado.</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>1 KB is 1,024 bytes, 1 MB 1,024 KB, 1 GB 1,024 MB.</source>
        <translation>1 KB son 1024 bytes, 1 MB 1024 KB, 1 GB 1024 MB.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be moved to the trash and stays where it is.</source>
        <translation>No se pudo enviar %1 a la papelera y se queda donde está.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>These %1 items could not be moved to the trash and stay where they are:

</source>
        <translation>No se pudieron enviar estos %1 elementos a la papelera y se quedan donde están:

</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the trash?</source>
        <translation>¿Quiere enviar %1 a la papelera?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>¿Quiere enviar estos %1 elementos a la papelera?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Moving %1 to the trash</source>
        <translation>Enviando %1 a la papelera</translation>
    </message>
    <message>
        <source>No terminal program was found. Install one, or name yours in the TERMINAL environment variable.</source>
        <translation>No se encontró ningún programa de terminal. Instale uno o indique el suyo en la variable de entorno TERMINAL.</translation>
    </message>
    <message>
        <source>No file manager was found to open the folder %1. Install one to open folders from here.</source>
        <translation>No se encontró ningún gestor de archivos para abrir la carpeta %1. Instale uno para abrir carpetas desde aquí.</translation>
    </message>
</context>
<context>
    <name>Shell::PropertiesDialog</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Enlace</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>Propiedades de %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>Points to:</source>
        <translation>Apunta a:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permisos:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propietario:</translation>
    </message>
    <message>
        <source>%1, group %2</source>
        <translation>%1, grupo %2</translation>
    </message>
</context>
<context>
    <name>SwitchTips</name>
    <message>
        <source>Skips the system&apos;s programs folder, %1, while searching.</source>
        <translation>Omite la carpeta de programas del sistema, %1, al buscar.</translation>
    </message>
    <message>
        <source>Skips the folder of added programs, %1, while searching.</source>
        <translation>Omite la carpeta de programas añadidos, %1, al buscar.</translation>
    </message>
    <message>
        <source>Skips the trash while searching: %1, and every folder named .Trash or .Trash- followed by digits.</source>
        <translation>Omite la papelera al buscar: %1, y toda carpeta llamada .Trash o .Trash- seguido de dígitos.</translation>
    </message>
    <message>
        <source>Skips the application data folders while searching: %1.</source>
        <translation>Omite las carpetas de datos de aplicaciones al buscar: %1.</translation>
    </message>
    <message>
        <source>Skips folders whose names start with a dot (.), and folders that cannot be examined, while searching.</source>
        <translation>Omite las carpetas cuyo nombre empieza por un punto (.), y las carpetas que no se pueden examinar, al buscar.</translation>
    </message>
    <message>
        <source>Skips files whose names start with a dot (.) while searching.</source>
        <translation>Omite los archivos cuyo nombre empieza por un punto (.) al buscar.</translation>
    </message>
    <message>
        <source>Skips files that nobody may write to (no write permission at all) while searching.</source>
        <translation>Omite los archivos en los que nadie puede escribir (sin ningún permiso de escritura) al buscar.</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be used: %2</source>
        <translation>no se puede usar la carpeta de papelera %1: %2</translation>
    </message>
    <message>
        <source>it is on another volume than the home trash, and its own volume has no trash it can use (%1)</source>
        <translation>está en un volumen distinto del de la papelera de la carpeta personal, y su propio volumen no tiene ninguna papelera utilizable (%1)</translation>
    </message>
</context>
<context>
    <name>VisualStyles</name>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows &amp;2000</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office &amp;XP</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>&amp;Windows XP</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 200&amp;3</translation>
    </message>
    <message>
        <source>Visual Studio.NET 200&amp;5</source>
        <translation>Visual Studio.NET 200&amp;5</translation>
    </message>
    <message>
        <source>&amp;Blue Style</source>
        <translation>Estilo &amp;azul</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (estilo &amp;azul)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Estilo &amp;negro</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (estilo &amp;negro)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Estilo &amp;plata</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (estilo &amp;plata)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Estilo a&amp;qua</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (estilo a&amp;qua)</translation>
    </message>
    <message>
        <source>Office 200&amp;7</source>
        <translation>Office 200&amp;7</translation>
    </message>
</context>
</TS>
