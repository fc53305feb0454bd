<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tresmolo</source>
        <translation>Informazioni su Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo, Version %1</source>
        <translation>Tresmolo, versione %1</translation>
    </message>
    <message>
        <source>Support: see the user guide</source>
        <translation>Assistenza: vedere la guida utente</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Guida utente di Tresmolo</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>Apre la guida utente nel browser</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Dona</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CCustomMFCRibbonApplicationButton</name>
    <message>
        <source>Change Application Appearance</source>
        <translation>Cambia l&apos;aspetto dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Application Button</source>
        <translation>Pulsante dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Switches to the next look. Alt+F opens the application menu.</source>
        <translation>Passa all&apos;aspetto successivo. Alt+F apre il menu dell&apos;applicazione.</translation>
    </message>
</context>
<context>
    <name>CDlgDuplicateResults</name>
    <message>
        <source>Verify Contents</source>
        <translation>Verifica contenuto</translation>
    </message>
    <message>
        <source>Compare the contents of the files of each group</source>
        <translation>Confronta il contenuto dei file di ogni gruppo</translation>
    </message>
    <message>
        <source>%1 group(s), %2 file(s), %3 in duplicates</source>
        <translation>Gruppi: %1, file: %2, duplicati: %3</translation>
    </message>
    <message>
        <source>Comparing the contents of the files...</source>
        <translation>Confronto del contenuto dei file...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This Window Displays Possibly Duplicate Files Grouped by File Size.

Files of Same Size Might be Duplicate or Different.

Have a Close Look before Deleting Any File(s).

Right Click to View Available Commands.

In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling.</source>
        <translation>Questa finestra mostra i possibili file duplicati, raggruppati per dimensione.

I file della stessa dimensione possono essere duplicati oppure diversi.

Controllare attentamente prima di eliminare qualsiasi file.

Fare clic con il pulsante destro per vedere i comandi disponibili.

Se l&apos;elenco dei file sta scorrendo, attendere che si fermi.</translation>
    </message>
    <message>
        <source>Check the Files which you wish to Send to Recyle Bin and then try again.</source>
        <translation>Spuntare i file da spostare nel cestino e riprovare.</translation>
    </message>
    <message>
        <source>Duplicate Search Results - %1</source>
        <translation>Risultati della ricerca di duplicati - %1</translation>
    </message>
    <message>
        <source>Display Selected File(s) in Explorer</source>
        <translation>Mostra i file selezionati nel gestore file</translation>
    </message>
    <message>
        <source>Send Checked File(s) to Recycle Bin</source>
        <translation>Sposta i file spuntati nel cestino</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Spunta tutti</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Togli tutte le spunte</translation>
    </message>
    <message>
        <source>Contents Check</source>
        <translation>Controllo del contenuto</translation>
    </message>
    <message>
        <source>How many groups and files the list holds, and the space their extra copies take</source>
        <translation>Quanti gruppi e file contiene l&apos;elenco e lo spazio occupato dalle copie in più</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>Keep one file of each group?

Yes keeps these files and sends the other checked files to the Recycle Bin:
%1

No sends every checked file to the Recycle Bin, the last copy of each group included.</source>
        <translation>Conservare un file di ogni gruppo?

Sì conserva questi file e sposta nel cestino gli altri file spuntati:
%1

No sposta nel cestino tutti i file spuntati, compresa l&apos;ultima copia di ogni gruppo.</translation>
    </message>
    <message>
        <source>The contents cache could not be used: %1</source>
        <translation>Impossibile usare la cache dei contenuti: %1</translation>
    </message>
    <message>
        <source>Duplicate Candidates</source>
        <translation>Possibili duplicati</translation>
    </message>
    <message>
        <source>Files of equal size, one group after another; check the files to send to the Recycle Bin</source>
        <translation>File della stessa dimensione, un gruppo dopo l&apos;altro; spuntare i file da spostare nel cestino</translation>
    </message>
    <message>
        <source>Select Files to Remove...</source>
        <translation>Seleziona file da rimuovere...</translation>
    </message>
    <message>
        <source>Check the files of each group but the one that stays, by rules you choose</source>
        <translation>Spunta i file di ogni gruppo tranne quello che resta, secondo le regole scelte</translation>
    </message>
    <message>
        <source>Replace Checked with Hard Links</source>
        <translation>Sostituisci i file spuntati con collegamenti fisici</translation>
    </message>
    <message>
        <source>Replace Checked with Shared Copies</source>
        <translation>Sostituisci i file spuntati con copie condivise</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Check the files to replace with the file that stays in their group, then try again.</source>
        <translation>Spuntare i file da sostituire con il file che resta nel loro gruppo e riprovare.</translation>
    </message>
    <message>
        <source>Only files whose contents were compared can be replaced. Verify Contents first.</source>
        <translation>Si possono sostituire solo i file di cui è stato confrontato il contenuto. Eseguire prima Verifica contenuto.</translation>
    </message>
    <message>
        <source>Replacing the checked files with hard links...</source>
        <translation>Sostituzione dei file spuntati con collegamenti fisici...</translation>
    </message>
    <message>
        <source>Sharing the space of the checked files...</source>
        <translation>Condivisione dello spazio dei file spuntati...</translation>
    </message>
    <message>
        <source>%1 file(s) replaced with hard links, %2 freed.</source>
        <translation>File sostituiti con collegamenti fisici: %1, spazio liberato: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) now share their space with the file that stays, %2 freed.</source>
        <translation>File che ora condividono lo spazio con il file che resta: %1, spazio liberato: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) skipped:</source>
        <translation>File saltati (%1):</translation>
    </message>
    <message>
        <source>%1: %2 file(s)</source>
        <translation>%1: %2 file</translation>
    </message>
    <message>
        <source>Stopped before every checked file was done.</source>
        <translation>Interrotto prima di aver elaborato tutti i file spuntati.</translation>
    </message>
    <message>
        <source>The action log %1 could not be written: %2</source>
        <translation>Impossibile scrivere il registro delle azioni %1: %2</translation>
    </message>
    <message>
        <source>%1 file(s) checked, %2 to free</source>
        <translation>file spuntati: %1, da liberare: %2</translation>
    </message>
</context>
<context>
    <name>CDlgSearchParameters</name>
    <message>
        <source>Search by Partial or Full File Name</source>
        <translation>Cerca per nome di file parziale o completo</translation>
    </message>
    <message>
        <source>&amp;Search Word :</source>
        <translation>&amp;Parola da cercare:</translation>
    </message>
    <message>
        <source>Search &amp;Path :</source>
        <translation>Pe&amp;rcorso di ricerca:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Specify Search Parameters - %1</source>
        <translation>Parametri di ricerca - %1</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2).</source>
        <translation>Espressione regolare non valida: %1 (al carattere %2).</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1.</source>
        <translation>Espressione regolare non valida: %1.</translation>
    </message>
    <message>
        <source>The words searched for last are in the list.</source>
        <translation>Le ultime parole cercate sono nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Search Word</source>
        <translation>Parola da cercare</translation>
    </message>
    <message>
        <source>Search Path</source>
        <translation>Percorso di ricerca</translation>
    </message>
    <message>
        <source>&amp;More Options</source>
        <translation>Altre &amp;opzioni</translation>
    </message>
    <message>
        <source>Shows or hides the options beyond the word: names to skip, how the word matches, size, date and text inside the files.</source>
        <translation>Mostra o nasconde le opzioni oltre alla parola: nomi da escludere, come viene confrontata la parola, dimensione, data e testo contenuto nei file.</translation>
    </message>
</context>
<context>
    <name>CDlgSplash</name>
    <message>
        <source>File search for your folders</source>
        <translation>Ricerca di file nelle tue cartelle</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>%1 Loading...</source>
        <translation>Caricamento di %1...</translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Albero delle cartelle</translation>
    </message>
    <message>
        <source>Choose the folder to search</source>
        <translation>Scegliere la cartella in cui cercare</translation>
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
        <translation>Qui compare un messaggio informativo per l&apos;utente.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barra informazioni</translation>
    </message>
    <message>
        <source>What to do next, or how the last search went</source>
        <translation>Cosa fare ora, o com&apos;è andata l&apos;ultima ricerca</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Filter Found Files</source>
        <translation>&amp;Filtra i file trovati</translation>
    </message>
    <message>
        <source>Show only the found files whose name or folder contains a text.</source>
        <translation>Mostra solo i file trovati il cui nome o cartella contiene un testo.</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>Riquadro s&amp;uccessivo</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Riquadro &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>&amp;Aspetto dell&apos;applicazione</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di &amp;stato</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Barra &amp;informazioni</translation>
    </message>
    <message>
        <source>&amp;Files Count in Every Folder</source>
        <translation>&amp;Numero di file per cartella</translation>
    </message>
    <message>
        <source>&amp;Display File List</source>
        <translation>Mostra &amp;elenco dei file</translation>
    </message>
    <message>
        <source>D&amp;uplicate Files of Same Size</source>
        <translation>File &amp;duplicati della stessa dimensione</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>Selected Folder Will Appear Here</source>
        <translation>Qui comparirà la cartella selezionata</translation>
    </message>
    <message>
        <source>Number of Files Found in Search.</source>
        <translation>Numero di file trovati dalla ricerca.</translation>
    </message>
    <message>
        <source>File Count in List</source>
        <translation>Numero di file nell&apos;elenco</translation>
    </message>
    <message>
        <source>Select Folder from the Left Hand Side to be Searched.</source>
        <translation>Selezionare a sinistra la cartella in cui cercare.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barra informazioni</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. Changes made now may be lost when Tresmolo closes.</source>
        <translation>Impossibile salvare le impostazioni in %1. Le modifiche fatte ora potrebbero andare perse alla chiusura di Tresmolo.</translation>
    </message>
    <message>
        <source>Please Select a Folder from the Folder List to Search for File(s).</source>
        <translation>Selezionare una cartella dall&apos;elenco delle cartelle in cui cercare i file.</translation>
    </message>
    <message>
        <source>Folder Name Selected from the Folder List will Appear Here.</source>
        <translation>Qui comparirà il nome della cartella selezionata nell&apos;elenco delle cartelle.</translation>
    </message>
    <message>
        <source>Folder %1 Selected to Search File(s).</source>
        <translation>Cartella %1 selezionata per la ricerca di file.</translation>
    </message>
    <message>
        <source>Press the Start Button to Start Searching File(s) from the Folder %1.</source>
        <translation>Premere il pulsante Avvia per cercare i file nella cartella %1.</translation>
    </message>
    <message>
        <source>Si&amp;ze Column</source>
        <translation>&amp;Colonna Dimensione</translation>
    </message>
    <message>
        <source>&amp;Modified Column</source>
        <translation>Colonna &amp;Modificato</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>&amp;Informazioni su Tresmolo...</translation>
    </message>
    <message>
        <source>The folder chosen to search</source>
        <translation>La cartella scelta per la ricerca</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: it lies on a virtual file system (such as /proc or /sys), which is never searched.</source>
        <translation>La cartella %1 stessa non è stata inclusa nella ricerca: si trova su un file system virtuale (come /proc o /sys), in cui non si cerca mai.</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: the switch &quot;%2&quot; in &quot;%3&quot; skips it.</source>
        <translation>La cartella %1 stessa non è stata inclusa nella ricerca: la esclude l&apos;opzione &quot;%2&quot; in &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>COutlookBar</name>
    <message>
        <source>Shortcuts</source>
        <translation>Collegamenti</translation>
    </message>
    <message>
        <source>Outlook Bar</source>
        <translation>Barra di navigazione</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Navigation Pane Pages</source>
        <translation>Pagine della barra di navigazione</translation>
    </message>
</context>
<context>
    <name>CPendrakeView</name>
    <message>
        <source>View Selected File</source>
        <translation>Apri il file selezionato</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Apri la cartella del file</translation>
    </message>
    <message>
        <source>Locate File in Explorer</source>
        <translation>Mostra il file nel gestore file</translation>
    </message>
    <message>
        <source>Send File to Recycle Bin</source>
        <translation>Sposta il file nel cestino</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Proprietà del file</translation>
    </message>
    <message>
        <source>Folder Properties</source>
        <translation>Proprietà della cartella</translation>
    </message>
    <message>
        <source>Open Selected Folder</source>
        <translation>Apri la cartella selezionata</translation>
    </message>
    <message>
        <source>Send Folder to Recycle Bin</source>
        <translation>Sposta la cartella nel cestino</translation>
    </message>
    <message>
        <source>The list of files could not be written completely to %1 (%2). The incomplete file has been removed.</source>
        <translation>Impossibile scrivere completamente l&apos;elenco dei file in %1 (%2). Il file incompleto è stato rimosso.</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copia percorso</translation>
    </message>
    <message>
        <source>Please Select a Folder from the List of Folders (from the Left Hand Side) &amp; then Press the Start Button.</source>
        <translation>Selezionare una cartella dall&apos;elenco delle cartelle (a sinistra) &amp; poi premere il pulsante Avvia.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Ricerca in corso...</translation>
    </message>
    <message>
        <source>File Search for Folder %1, Started At %2</source>
        <translation>Ricerca di file nella cartella %1, avviata alle %2</translation>
    </message>
    <message>
        <source>File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). </source>
        <translation>Ricerca di file avviata alle %1, terminata alle %2. Cartelle analizzate: %3. </translation>
    </message>
    <message>
        <source>File Search Stopped At %1.</source>
        <translation>Ricerca di file terminata alle %1.</translation>
    </message>
    <message>
        <source>%1 Folder(s) Parsed. </source>
        <translation>Cartelle analizzate: %1. </translation>
    </message>
    <message>
        <source>%1 Folder(s) Ignored. </source>
        <translation>Cartelle ignorate: %1. </translation>
    </message>
    <message>
        <source>%1 Folder(s) Do Not Contain Files. </source>
        <translation>Cartelle senza file: %1. </translation>
    </message>
    <message>
        <source>%1 File(s) Found.</source>
        <translation>File trovati: %1.</translation>
    </message>
    <message>
        <source>It Took Aound %1.</source>
        <translation>Durata: circa %1.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Elenco dei file</translation>
    </message>
    <message>
        <source>The files found, or the search&apos;s status lines</source>
        <translation>I file trovati, o le righe di stato della ricerca</translation>
    </message>
    <message>
        <source>File List Headings</source>
        <translation>Intestazioni dell&apos;elenco dei file</translation>
    </message>
    <message>
        <source>Folder List</source>
        <translation>Elenco delle cartelle</translation>
    </message>
    <message>
        <source>The folders that hold found files, with their file counts</source>
        <translation>Le cartelle che contengono file trovati, con il numero di file</translation>
    </message>
    <message>
        <source>Folder List Headings</source>
        <translation>Intestazioni dell&apos;elenco delle cartelle</translation>
    </message>
    <message>
        <source>%1 Folder(s) Could Not Be Opened (Too Many Open Files). </source>
        <translation>Cartelle non aperte (troppi file aperti): %1. </translation>
    </message>
    <message>
        <source>%1 File(s) Could Not Be Read. </source>
        <translation>File non leggibili: %1. </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Home</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Modifica lo stile visivo</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Sceglie uno dei temi Office 2007</translation>
    </message>
    <message>
        <source>Folders To Ignore</source>
        <translation>Cartelle da ignorare</translation>
    </message>
    <message>
        <source>Files to Ignore</source>
        <translation>File da ignorare</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>Ricerca file</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Avvio rapido</translation>
    </message>
    <message>
        <source>Exporters</source>
        <translation>Esportazione</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Command Panel Tabs</source>
        <translation>Schede del pannello dei comandi</translation>
    </message>
    <message>
        <source>Opens a menu with the commands of this panel.</source>
        <translation>Apre un menu con i comandi di questo gruppo.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Searches a folder (and its sub-folders) for files, lists them with per-folder counts
and lets you act on them. With FOLDER, that folder is selected in the folder tree.</source>
        <translation>Cerca i file in una cartella (e sottocartelle), li elenca con il numero per cartella
e permette di agire su di essi. Con FOLDER, la cartella è selezionata nell&apos;albero.</translation>
    </message>
    <message>
        <source>Start a search in the selected folder at once, as the automatic search at start-up does.</source>
        <translation>Avvia subito una ricerca nella cartella selezionata, come fa la ricerca automatica all&apos;avvio.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La cartella &quot;%1&quot; non esiste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>&quot;%1&quot; non è una cartella.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Usare &quot;%1 --help&quot; per ulteriori informazioni.</translation>
    </message>
    <message>
        <source>Give one folder at most.</source>
        <translation>Indicare al massimo una cartella.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, given to Qt when they come before &quot;--&quot;:</source>
        <translation>Opzioni proprie di Qt, passate a Qt se compaiono prima di &quot;--&quot;:</translation>
    </message>
    <message>
        <source>The folder to select (and search): a path, or a local file:// URI. Every argument after &quot;--&quot; is a folder, even one that starts with &quot;-&quot;.</source>
        <translation>La cartella da selezionare (e in cui cercare): un percorso o un URI file:// locale. Ogni argomento dopo &quot;--&quot; è una cartella, anche se inizia con &quot;-&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder on another computer (%2); only local folders can be searched.</source>
        <translation>&quot;%1&quot; indica una cartella su un altro computer (%2); si può cercare solo in cartelle locali.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI.</source>
        <translation>&quot;%1&quot; non è un URI di file valido.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Impossibile aprire la cartella &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Missing value after &quot;%1&quot;.</source>
        <translation>Manca il valore dopo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown option: %1 (did you mean &quot;%2&quot;?)</source>
        <translation>Opzione sconosciuta: %1 (forse si intendeva &quot;%2&quot;?)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opzione sconosciuta: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI: a &quot;/&quot; cannot be part of a name.</source>
        <translation>&quot;%1&quot; non è un URI di file valido: un nome non può contenere &quot;/&quot;.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossibile leggere la cartella &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The entries of the folder &quot;%1&quot; cannot be examined: %2.</source>
        <translation>Impossibile esaminare le voci della cartella &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>Il nome della cartella è vuoto.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: the current folder cannot be read: %2.</source>
        <translation>Impossibile aprire la cartella &quot;%1&quot;: impossibile leggere la cartella corrente: %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Caption Bar</source>
        <translation>Barra informazioni</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Mostra o nasconde la barra informazioni</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Mostra/nascondi barra informazioni</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Ignore Windows Folder ( e.g C:\Windows ) While Searching.</source>
        <translation>Ignora la cartella di Windows (ad es. C:\Windows) durante la ricerca.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Windows Folder</source>
        <translation>Non cercare nei file della cartella di Windows</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmi</translation>
    </message>
    <message>
        <source>Ignore Programs Folder ( e.g C:\Program Files ) While Searching.</source>
        <translation>Ignora la cartella dei programmi (ad es. C:\Program Files) durante la ricerca.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Program Files Folder</source>
        <translation>Non cercare nei file della cartella dei programmi</translation>
    </message>
    <message>
        <source>Hidden Files</source>
        <translation>File nascosti</translation>
    </message>
    <message>
        <source>Ignore all Hidden Files in Search.</source>
        <translation>Ignora tutti i file nascosti nella ricerca.</translation>
    </message>
    <message>
        <source>Skip Hidden Files when Searching.</source>
        <translation>Salta i file nascosti durante la ricerca.</translation>
    </message>
    <message>
        <source>Read Only Files</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>Ignore all Read Only Files in Search.</source>
        <translation>Ignora tutti i file di sola lettura nella ricerca.</translation>
    </message>
    <message>
        <source>Skip Read Only Files in File Search.</source>
        <translation>Salta i file di sola lettura nella ricerca di file.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Start Searching of Files for the Selected Folder.</source>
        <translation>Avvia la ricerca di file nella cartella selezionata.</translation>
    </message>
    <message>
        <source>Start File(s) Search.</source>
        <translation>Avvia la ricerca di file.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stop Searching of of Files for the Selected Folder.</source>
        <translation>Ferma la ricerca di file nella cartella selezionata.</translation>
    </message>
    <message>
        <source>Stop Searching of File(s).</source>
        <translation>Ferma la ricerca di file.</translation>
    </message>
    <message>
        <source>Search SubFolder(s)</source>
        <translation>Sottocartelle</translation>
    </message>
    <message>
        <source>Search File(s) in Sub Folder(s) of the Selected Folder.</source>
        <translation>Cerca i file anche nelle sottocartelle della cartella selezionata.</translation>
    </message>
    <message>
        <source>Search Files in Sub Folder(s).</source>
        <translation>Cerca i file nelle sottocartelle.</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Numero di file</translation>
    </message>
    <message>
        <source>Display Number of Files Count in Every Folder when Loading Files.</source>
        <translation>Mostra il numero di file di ogni cartella durante il caricamento.</translation>
    </message>
    <message>
        <source>Display Files Count in Every Folder</source>
        <translation>Mostra il numero di file per cartella</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Gestore file</translation>
    </message>
    <message>
        <source>Open Windows Explorer with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Apre nel gestore file la cartella selezionata nell&apos;albero delle cartelle di questo programma.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Explorer</source>
        <translation>Apri la cartella selezionata nel gestore file</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>Terminale</translation>
    </message>
    <message>
        <source>Open Command Prompt Window with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Apre un terminale nella cartella selezionata nell&apos;albero delle cartelle di questo programma.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Command Prompt</source>
        <translation>Apri la cartella selezionata nel terminale</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Apri il cestino</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Esporta elenco</translation>
    </message>
    <message>
        <source>Export List of Files Visible in List to a Temporary file and Open It.</source>
        <translation>Esporta i file visibili nell&apos;elenco in un file temporaneo e lo apre.</translation>
    </message>
    <message>
        <source>Export List of Files to a Temporary File.</source>
        <translation>Esporta l&apos;elenco dei file in un file temporaneo.</translation>
    </message>
    <message>
        <source>Ignore Recycle Bin Folder(s) When Listing Files.</source>
        <translation>Ignora le cartelle del cestino durante l&apos;elenco dei file.</translation>
    </message>
    <message>
        <source>Do Not Search for Files in Recycle Bin.</source>
        <translation>Non cercare file nel cestino.</translation>
    </message>
    <message>
        <source>Auto Search Last Folder</source>
        <translation>All&apos;avvio</translation>
    </message>
    <message>
        <source>Automatically Run the Last Search at Application Startup.</source>
        <translation>Ripete automaticamente l&apos;ultima ricerca all&apos;avvio dell&apos;applicazione.</translation>
    </message>
    <message>
        <source>Auto Search File(s) at Startup</source>
        <translation>Ricerca automatica all&apos;avvio</translation>
    </message>
    <message>
        <source>AppData</source>
        <translation>AppData</translation>
    </message>
    <message>
        <source>Ignore App Data Folders when Searching Files in the Selected Folder.</source>
        <translation>Ignora le cartelle dei dati delle applicazioni durante la ricerca nella cartella selezionata.</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Application Data Folders.</source>
        <translation>Non cercare file nelle cartelle dei dati delle applicazioni.</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Nascoste</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Hidden Folders.</source>
        <translation>Non cercare file nelle cartelle nascoste.</translation>
    </message>
    <message>
        <source>Ignore Hidden Folders.</source>
        <translation>Ignora le cartelle nascoste.</translation>
    </message>
    <message>
        <source>Display File List</source>
        <translation>Elenco dei file</translation>
    </message>
    <message>
        <source>Display List of Files as they are found. This will require extra time to parse the selected folder.</source>
        <translation>Mostra i file man mano che vengono trovati. L&apos;analisi della cartella selezionata richiederà più tempo.</translation>
    </message>
    <message>
        <source>Display File List in Upper List.</source>
        <translation>Mostra i file nell&apos;elenco superiore.</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>File duplicati</translation>
    </message>
    <message>
        <source>Search Duplicate Files from the List by Comparing File Size</source>
        <translation>Cerca i file duplicati nell&apos;elenco confrontando la dimensione</translation>
    </message>
    <message>
        <source>Duplicate Files of Same Size</source>
        <translation>File duplicati della stessa dimensione</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Open the Tresmolo User Guide</source>
        <translation>Apre la guida utente di Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Guida utente di Tresmolo</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Apri la cartella del file</translation>
    </message>
    <message>
        <source>Open Folder of Selected File</source>
        <translation>Apre la cartella del file selezionato</translation>
    </message>
    <message>
        <source>Display Selected File&apos;s Folder in Windows Explorer</source>
        <translation>Mostra la cartella del file selezionato nel gestore file</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copia	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copia la selezione negli appunti</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Taglia	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Taglia la selezione e la mette negli appunti</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Incolla	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Inserisce il contenuto degli appunti</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annulla	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annulla l&apos;ultima azione</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>&amp;Informazioni su Tresmolo...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra le informazioni sul programma, il numero di versione e il copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Chiude l&apos;applicazione</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra o nasconde la barra di stato</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Mostra/nascondi barra di stato</translation>
    </message>
    <message>
        <source>Size Column</source>
        <translation>Colonna Dimensione</translation>
    </message>
    <message>
        <source>Show the size of every found file in the file list.</source>
        <translation>Mostra la dimensione di ogni file trovato nell&apos;elenco dei file.</translation>
    </message>
    <message>
        <source>Show or Hide the Size Column</source>
        <translation>Mostra/nascondi colonna Dimensione</translation>
    </message>
    <message>
        <source>Modified Column</source>
        <translation>Colonna Modificato</translation>
    </message>
    <message>
        <source>Show when every found file was last modified in the file list.</source>
        <translation>Mostra nell&apos;elenco dei file quando ogni file trovato è stato modificato l&apos;ultima volta.</translation>
    </message>
    <message>
        <source>Show or Hide the Modified Column</source>
        <translation>Mostra/nascondi colonna Modificato</translation>
    </message>
</context>
<context>
    <name>ContentsCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Data/ora non valida</translation>
    </message>
    <message>
        <source>%1 Day </source>
        <translation>%1 giorno </translation>
    </message>
    <message>
        <source>%1 Hour </source>
        <translation>%1 ora </translation>
    </message>
    <message>
        <source>%1 Minute </source>
        <translation>%1 minuto </translation>
    </message>
    <message>
        <source>%1 Second</source>
        <translation>%1 secondo</translation>
    </message>
    <message>
        <source>%1 Days </source>
        <translation>%1 giorni </translation>
    </message>
    <message>
        <source>%1 Hours </source>
        <translation>%1 ore </translation>
    </message>
    <message>
        <source>%1 Minutes </source>
        <translation>%1 minuti </translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 secondi</translation>
    </message>
</context>
<context>
    <name>DlgKeepRules</name>
    <message>
        <source>In a reference folder</source>
        <translation>In una cartella di riferimento</translation>
    </message>
    <message>
        <source>Oldest modified</source>
        <translation>Modifica più vecchia</translation>
    </message>
    <message>
        <source>Newest modified</source>
        <translation>Modifica più recente</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Percorso più corto</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Percorso più lungo</translation>
    </message>
    <message>
        <source>First in the list</source>
        <translation>Primo nell&apos;elenco</translation>
    </message>
    <message>
        <source>Select Files to Remove</source>
        <translation>Seleziona file da rimuovere</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Reference folders</source>
        <translation>Cartelle di riferimento</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Aggiungi cartella...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>The file that stays in each group is chosen by the first rule that tells the files apart:</source>
        <translation>Il file che resta in ogni gruppo è scelto dalla prima regola che distingue i file:</translation>
    </message>
    <message>
        <source>Reference folders, first the most important (files in them are never checked, not even by Check All):</source>
        <translation>Cartelle di riferimento, prima la più importante (i loro file non vengono mai spuntati, nemmeno da Spunta tutti):</translation>
    </message>
    <message>
        <source>OK checks every other file of each group, except hard links of the file that stays.</source>
        <translation>OK spunta tutti gli altri file di ogni gruppo, tranne i collegamenti fisici del file che resta.</translation>
    </message>
    <message>
        <source>Add Reference Folder</source>
        <translation>Aggiungi cartella di riferimento</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Last File Found</source>
        <translation>Ultimo file trovato</translation>
    </message>
</context>
<context>
    <name>FolderListModel</name>
    <message>
        <source>Sr</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>Home</source>
        <translation>Cartella home</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>not reached</source>
        <translation>non raggiunto</translation>
    </message>
    <message>
        <source>done</source>
        <translation>completato</translation>
    </message>
    <message>
        <source>in a reference folder</source>
        <translation>in una cartella di riferimento</translation>
    </message>
    <message>
        <source>no unchanged copy stays in its group</source>
        <translation>nel suo gruppo non resta alcuna copia invariata</translation>
    </message>
    <message>
        <source>in no group of identical contents</source>
        <translation>in nessun gruppo dal contenuto identico</translation>
    </message>
    <message>
        <source>already a hard link of the file that stays</source>
        <translation>già un collegamento fisico del file che resta</translation>
    </message>
    <message>
        <source>already shares its space with the file that stays</source>
        <translation>condivide già lo spazio con il file che resta</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>changed since the contents check</source>
        <translation>modificato dopo il controllo del contenuto</translation>
    </message>
    <message>
        <source>the file that stays changed</source>
        <translation>il file che resta è stato modificato</translation>
    </message>
    <message>
        <source>on another file system than the file that stays</source>
        <translation>su un file system diverso da quello del file che resta</translation>
    </message>
    <message>
        <source>its file system cannot share space between files</source>
        <translation>il suo file system non può condividere spazio tra i file</translation>
    </message>
    <message>
        <source>stopped part way</source>
        <translation>interrotto a metà</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non riuscito</translation>
    </message>
    <message>
        <source>changed since it was listed</source>
        <translation>modificato dopo essere stato elencato</translation>
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
        <translation>Filtra i file trovati per nome o cartella (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows only the files whose name or folder contains this text. Escape clears it.</source>
        <translation>Mostra solo i file il cui nome o cartella contiene questo testo. Esc lo cancella.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Cancella filtro</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>rows shown of all rows</comment>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Sr</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Ultima modifica</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>hard link of #%1</source>
        <translation>collegamento fisico di #%1</translation>
    </message>
    <message>
        <source>symbolic link</source>
        <translation>collegamento simbolico</translation>
    </message>
    <message>
        <source>changed since the scan</source>
        <translation>modificato dopo l&apos;analisi</translation>
    </message>
    <message>
        <source>keeps</source>
        <translation>resta</translation>
    </message>
</context>
<context>
    <name>SearchFilters</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 byte</translation>
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
        <translation>modelli esclusi: %1</translation>
    </message>
    <message>
        <source>name matches a wildcard</source>
        <translation>nome corrispondente a un modello jolly</translation>
    </message>
    <message>
        <source>name matches a regular expression</source>
        <translation>nome corrispondente a un&apos;espressione regolare</translation>
    </message>
    <message>
        <source>size at least %1</source>
        <translation>dimensione minima %1</translation>
    </message>
    <message>
        <source>size at most %1</source>
        <translation>dimensione massima %1</translation>
    </message>
    <message>
        <source>modified on or after %1</source>
        <translation>modificato dal %1</translation>
    </message>
    <message>
        <source>modified on or before %1</source>
        <translation>modificato fino al %1</translation>
    </message>
    <message>
        <source>modified in the last %1 day(s)</source>
        <translation>modificato di recente (giorni: %1)</translation>
    </message>
    <message>
        <source>contents match &quot;%1&quot;</source>
        <translation>contenuto corrispondente a &quot;%1&quot;</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>contenente &quot;%1&quot;</translation>
    </message>
    <message>
        <source>binary files too</source>
        <translation>anche file binari</translation>
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
        <translation>Un nome o modello per riga, ad es. node_modules</translation>
    </message>
    <message>
        <source>Folders and files whose name matches one of these patterns are skipped. A pattern matches the exact bytes of a name, case-sensitive: * stands for any run of characters, ? for one, [abc] for one of a set. A pattern holding / matches the path below the chosen folder (e.g. src/build), and one ending in / matches folders only.</source>
        <translation>Le cartelle e i file il cui nome corrisponde a uno di questi modelli vengono saltati. Un modello corrisponde ai byte esatti di un nome, con distinzione tra maiuscole e minuscole: * sta per qualsiasi sequenza di caratteri, ? per un carattere, [abc] per un carattere di un insieme. Un modello che contiene / corrisponde al percorso sotto la cartella scelta (ad es. src/build) e uno che termina con / corrisponde solo alle cartelle.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Adds a name that is often not worth searching.</source>
        <translation>Aggiunge un nome in cui spesso non vale la pena cercare.</translation>
    </message>
    <message>
        <source>S&amp;kip names:</source>
        <translation>&amp;Escludi nomi:</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>contiene</translation>
    </message>
    <message>
        <source>matches wildcard</source>
        <translation>corrisponde (jolly) con</translation>
    </message>
    <message>
        <source>matches regular expression</source>
        <translation>corrisponde (espr. regolare) con</translation>
    </message>
    <message>
        <source>How the search word is matched against each file&apos;s name, without regard to case: found anywhere in it, as a wildcard pattern for the whole name, or as a regular expression.</source>
        <translation>Come la parola cercata viene confrontata con il nome di ogni file, senza distinzione tra maiuscole e minuscole: trovata in qualsiasi punto del nome, come modello jolly per l&apos;intero nome o come espressione regolare.</translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation>&amp;Nome file</translation>
    </message>
    <message>
        <source>the search word</source>
        <translation>la parola cercata</translation>
    </message>
    <message>
        <source>At l&amp;east</source>
        <translation>A&amp;lmeno</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Dimensione minima</translation>
    </message>
    <message>
        <source>Unit of the smallest size</source>
        <translation>Unità della dimensione minima</translation>
    </message>
    <message>
        <source>At m&amp;ost</source>
        <translation>Al &amp;massimo</translation>
    </message>
    <message>
        <source>Largest size</source>
        <translation>Dimensione massima</translation>
    </message>
    <message>
        <source>Unit of the largest size</source>
        <translation>Unità della dimensione massima</translation>
    </message>
    <message>
        <source>Modified on or after this day</source>
        <translation>Modificato in questo giorno o dopo</translation>
    </message>
    <message>
        <source>Modified on or a&amp;fter</source>
        <translation>Modificato &amp;dal</translation>
    </message>
    <message>
        <source>Modified on or before this day</source>
        <translation>Modificato in questo giorno o prima</translation>
    </message>
    <message>
        <source>Modified on or &amp;before</source>
        <translation>Modificato &amp;fino al</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Numero di giorni</translation>
    </message>
    <message>
        <source>Modified in the &amp;last</source>
        <translation>Modificato negli &amp;ultimi</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>Only files whose contents hold this text are found, without regard to case.</source>
        <translation>Vengono trovati solo i file il cui contenuto include questo testo, senza distinzione tra maiuscole e minuscole.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>Contenente il &amp;testo:</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Espressione re&amp;golare</translation>
    </message>
    <message>
        <source>Search b&amp;inary files too</source>
        <translation>Cerca anche nei file b&amp;inari</translation>
    </message>
    <message>
        <source>Also search files that look binary (a zero byte in their first 128 KB).</source>
        <translation>Cerca anche nei file che sembrano binari (un byte zero nei primi 128 KB).</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Ripri&amp;stina</translation>
    </message>
    <message>
        <source>Puts every one of these options back to its default.</source>
        <translation>Riporta tutte queste opzioni ai valori predefiniti.</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>byte</translation>
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
        <translation>1 KB = 1.024 byte, 1 MB = 1.024 KB, 1 GB = 1.024 MB.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be moved to the trash and stays where it is.</source>
        <translation>Impossibile spostare %1 nel cestino: resta dove si trova.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altri %1</translation>
    </message>
    <message>
        <source>These %1 items could not be moved to the trash and stay where they are:

</source>
        <translation>Impossibile spostare questi %1 elementi nel cestino: restano dove si trovano:

</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the trash?</source>
        <translation>Spostare %1 nel cestino?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>Spostare questi %1 elementi nel cestino?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Moving %1 to the trash</source>
        <translation>Spostamento di %1 nel cestino</translation>
    </message>
    <message>
        <source>No terminal program was found. Install one, or name yours in the TERMINAL environment variable.</source>
        <translation>Nessun programma di terminale trovato. Installarne uno o indicare il proprio nella variabile di ambiente TERMINAL.</translation>
    </message>
    <message>
        <source>No file manager was found to open the folder %1. Install one to open folders from here.</source>
        <translation>Nessun gestore file trovato per aprire la cartella %1. Installarne uno per aprire le cartelle da qui.</translation>
    </message>
</context>
<context>
    <name>Shell::PropertiesDialog</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>Proprietà di %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illeggibile: %1</translation>
    </message>
    <message>
        <source>Points to:</source>
        <translation>Punta a:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificato:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permessi:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Proprietario:</translation>
    </message>
    <message>
        <source>%1, group %2</source>
        <translation>%1, gruppo %2</translation>
    </message>
</context>
<context>
    <name>SwitchTips</name>
    <message>
        <source>Skips the system&apos;s programs folder, %1, while searching.</source>
        <translation>Durante la ricerca salta la cartella dei programmi di sistema, %1.</translation>
    </message>
    <message>
        <source>Skips the folder of added programs, %1, while searching.</source>
        <translation>Durante la ricerca salta la cartella dei programmi aggiunti, %1.</translation>
    </message>
    <message>
        <source>Skips the trash while searching: %1, and every folder named .Trash or .Trash- followed by digits.</source>
        <translation>Durante la ricerca salta il cestino: %1 e ogni cartella di nome .Trash o .Trash- seguito da cifre.</translation>
    </message>
    <message>
        <source>Skips the application data folders while searching: %1.</source>
        <translation>Durante la ricerca salta le cartelle dei dati delle applicazioni: %1.</translation>
    </message>
    <message>
        <source>Skips folders whose names start with a dot (.), and folders that cannot be examined, while searching.</source>
        <translation>Durante la ricerca salta le cartelle il cui nome inizia con un punto (.) e quelle che non si possono esaminare.</translation>
    </message>
    <message>
        <source>Skips files whose names start with a dot (.) while searching.</source>
        <translation>Durante la ricerca salta i file il cui nome inizia con un punto (.).</translation>
    </message>
    <message>
        <source>Skips files that nobody may write to (no write permission at all) while searching.</source>
        <translation>Durante la ricerca salta i file in cui nessuno può scrivere (nessun permesso di scrittura).</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be used: %2</source>
        <translation>la cartella del cestino %1 non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>it is on another volume than the home trash, and its own volume has no trash it can use (%1)</source>
        <translation>si trova su un volume diverso da quello del cestino della cartella home e il suo volume non ha un cestino utilizzabile (%1)</translation>
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
        <translation>Stile &amp;blu</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (stile &amp;blu)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Stile &amp;nero</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (stile &amp;nero)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Stile &amp;argento</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (stile &amp;argento)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Stile a&amp;qua</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (stile a&amp;qua)</translation>
    </message>
    <message>
        <source>Office 200&amp;7</source>
        <translation>Office 200&amp;7</translation>
    </message>
</context>
</TS>
