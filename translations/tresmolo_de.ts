<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tresmolo</source>
        <translation>Über Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo, Version %1</source>
        <translation>Tresmolo, Version %1</translation>
    </message>
    <message>
        <source>Support: see the user guide</source>
        <translation>Hilfe: siehe Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Tresmolo-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>Das Benutzerhandbuch im Browser öffnen</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
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
        <translation>Erscheinungsbild der Anwendung ändern</translation>
    </message>
    <message>
        <source>Application Button</source>
        <translation>Anwendungsknopf</translation>
    </message>
    <message>
        <source>Switches to the next look. Alt+F opens the application menu.</source>
        <translation>Wechselt zum nächsten Erscheinungsbild. Alt+F öffnet das Anwendungsmenü.</translation>
    </message>
</context>
<context>
    <name>CDlgDuplicateResults</name>
    <message>
        <source>Verify Contents</source>
        <translation>Inhalt prüfen</translation>
    </message>
    <message>
        <source>Compare the contents of the files of each group</source>
        <translation>Den Inhalt der Dateien jeder Gruppe vergleichen</translation>
    </message>
    <message>
        <source>%1 group(s), %2 file(s), %3 in duplicates</source>
        <translation>%1 Gruppe(n), %2 Datei(en), %3 in Duplikaten</translation>
    </message>
    <message>
        <source>Comparing the contents of the files...</source>
        <translation>Der Inhalt der Dateien wird verglichen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This Window Displays Possibly Duplicate Files Grouped by File Size.

Files of Same Size Might be Duplicate or Different.

Have a Close Look before Deleting Any File(s).

Right Click to View Available Commands.

In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling.</source>
        <translation>Dieses Fenster zeigt mögliche Duplikate, nach Dateigröße gruppiert.

Dateien gleicher Größe können Duplikate sein oder sich unterscheiden.

Sehen Sie genau hin, bevor Sie Dateien löschen.

Mit einem Rechtsklick sehen Sie die verfügbaren Befehle.

Falls die Dateiliste noch rollt, warten Sie bitte, bis sie stillsteht.</translation>
    </message>
    <message>
        <source>Check the Files which you wish to Send to Recyle Bin and then try again.</source>
        <translation>Markieren Sie die Dateien, die Sie in den Papierkorb verschieben möchten, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Duplicate Search Results - %1</source>
        <translation>Gefundene Duplikate - %1</translation>
    </message>
    <message>
        <source>Display Selected File(s) in Explorer</source>
        <translation>Ausgewählte Datei(en) im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Send Checked File(s) to Recycle Bin</source>
        <translation>Markierte Datei(en) in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Alle Markierungen aufheben</translation>
    </message>
    <message>
        <source>Contents Check</source>
        <translation>Inhaltsprüfung</translation>
    </message>
    <message>
        <source>How many groups and files the list holds, and the space their extra copies take</source>
        <translation>Wie viele Gruppen und Dateien die Liste enthält und wie viel Platz ihre zusätzlichen Kopien belegen</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Keep one file of each group?

Yes keeps these files and sends the other checked files to the Recycle Bin:
%1

No sends every checked file to the Recycle Bin, the last copy of each group included.</source>
        <translation>Eine Datei jeder Gruppe behalten?

„Ja“ behält diese Dateien und verschiebt die übrigen markierten Dateien in den Papierkorb:
%1

„Nein“ verschiebt alle markierten Dateien in den Papierkorb, auch die letzte Kopie jeder Gruppe.</translation>
    </message>
    <message>
        <source>The contents cache could not be used: %1</source>
        <translation>Der Inhalts-Cache konnte nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Duplicate Candidates</source>
        <translation>Mögliche Duplikate</translation>
    </message>
    <message>
        <source>Files of equal size, one group after another; check the files to send to the Recycle Bin</source>
        <translation>Dateien gleicher Größe, Gruppe für Gruppe; markieren Sie die Dateien, die in den Papierkorb sollen</translation>
    </message>
    <message>
        <source>Select Files to Remove...</source>
        <translation>Zu entfernende Dateien wählen...</translation>
    </message>
    <message>
        <source>Check the files of each group but the one that stays, by rules you choose</source>
        <translation>In jeder Gruppe alle Dateien außer der bleibenden nach Regeln Ihrer Wahl markieren</translation>
    </message>
    <message>
        <source>Replace Checked with Hard Links</source>
        <translation>Markierte Dateien durch harte Links ersetzen</translation>
    </message>
    <message>
        <source>Replace Checked with Shared Copies</source>
        <translation>Markierte Dateien durch geteilte Kopien ersetzen</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Check the files to replace with the file that stays in their group, then try again.</source>
        <translation>Markieren Sie die Dateien, die durch die bleibende Datei ihrer Gruppe ersetzt werden sollen, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Only files whose contents were compared can be replaced. Verify Contents first.</source>
        <translation>Nur Dateien, deren Inhalt verglichen wurde, können ersetzt werden. Führen Sie zuerst „Inhalt prüfen“ aus.</translation>
    </message>
    <message>
        <source>Replacing the checked files with hard links...</source>
        <translation>Die markierten Dateien werden durch harte Links ersetzt...</translation>
    </message>
    <message>
        <source>Sharing the space of the checked files...</source>
        <translation>Der Speicherplatz der markierten Dateien wird geteilt...</translation>
    </message>
    <message>
        <source>%1 file(s) replaced with hard links, %2 freed.</source>
        <translation>%1 Datei(en) durch harte Links ersetzt, %2 freigegeben.</translation>
    </message>
    <message>
        <source>%1 file(s) now share their space with the file that stays, %2 freed.</source>
        <translation>%1 Datei(en) teilen nun ihren Speicherplatz mit der bleibenden Datei, %2 freigegeben.</translation>
    </message>
    <message>
        <source>%1 file(s) skipped:</source>
        <translation>%1 Datei(en) übersprungen:</translation>
    </message>
    <message>
        <source>%1: %2 file(s)</source>
        <translation>%1: %2 Datei(en)</translation>
    </message>
    <message>
        <source>Stopped before every checked file was done.</source>
        <translation>Angehalten, bevor alle markierten Dateien erledigt waren.</translation>
    </message>
    <message>
        <source>The action log %1 could not be written: %2</source>
        <translation>Das Aktionsprotokoll %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 file(s) checked, %2 to free</source>
        <translation>%1 Datei(en) markiert, %2 freizugeben</translation>
    </message>
</context>
<context>
    <name>CDlgSearchParameters</name>
    <message>
        <source>Search by Partial or Full File Name</source>
        <translation>Nach Teil oder ganzem Dateinamen suchen</translation>
    </message>
    <message>
        <source>&amp;Search Word :</source>
        <translation>&amp;Suchbegriff:</translation>
    </message>
    <message>
        <source>Search &amp;Path :</source>
        <translation>Such&amp;pfad:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Specify Search Parameters - %1</source>
        <translation>Suchparameter festlegen - %1</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2).</source>
        <translation>Ungültiger regulärer Ausdruck: %1 (bei Zeichen %2).</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1.</source>
        <translation>Ungültiger regulärer Ausdruck: %1.</translation>
    </message>
    <message>
        <source>The words searched for last are in the list.</source>
        <translation>Die zuletzt gesuchten Begriffe stehen in der Liste.</translation>
    </message>
    <message>
        <source>Search Word</source>
        <translation>Suchbegriff</translation>
    </message>
    <message>
        <source>Search Path</source>
        <translation>Suchpfad</translation>
    </message>
    <message>
        <source>&amp;More Options</source>
        <translation>&amp;Weitere Optionen</translation>
    </message>
    <message>
        <source>Shows or hides the options beyond the word: names to skip, how the word matches, size, date and text inside the files.</source>
        <translation>Zeigt oder verbirgt die Optionen über den Suchbegriff hinaus: zu überspringende Namen, Art des Namensvergleichs, Größe, Datum und Text in den Dateien.</translation>
    </message>
</context>
<context>
    <name>CDlgSplash</name>
    <message>
        <source>File search for your folders</source>
        <translation>Dateisuche für Ihre Ordner</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 Loading...</source>
        <translation>%1 wird geladen...</translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Ordnerbaum</translation>
    </message>
    <message>
        <source>Choose the folder to search</source>
        <translation>Wählen Sie den zu durchsuchenden Ordner</translation>
    </message>
</context>
<context>
    <name>CInfoBar</name>
    <message>
        <source>Important</source>
        <translation>Wichtig</translation>
    </message>
    <message>
        <source>Here is an informational message for the user.</source>
        <translation>Hier steht ein Hinweis für den Benutzer.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Infoleiste</translation>
    </message>
    <message>
        <source>What to do next, or how the last search went</source>
        <translation>Was als Nächstes zu tun ist oder wie die letzte Suche verlief</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Filter Found Files</source>
        <translation>Gefundene Dateien &amp;filtern</translation>
    </message>
    <message>
        <source>Show only the found files whose name or folder contains a text.</source>
        <translation>Nur die gefundenen Dateien zeigen, deren Name oder Ordner einen Text enthält.</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>&amp;Nächster Bereich</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>&amp;Vorheriger Bereich</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>&amp;Erscheinungsbild</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>&amp;Infoleiste</translation>
    </message>
    <message>
        <source>&amp;Files Count in Every Folder</source>
        <translation>&amp;Dateianzahl je Ordner</translation>
    </message>
    <message>
        <source>&amp;Display File List</source>
        <translation>Datei&amp;liste anzeigen</translation>
    </message>
    <message>
        <source>D&amp;uplicate Files of Same Size</source>
        <translation>D&amp;oppelte Dateien gleicher Größe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Selected Folder Will Appear Here</source>
        <translation>Hier erscheint der ausgewählte Ordner</translation>
    </message>
    <message>
        <source>Number of Files Found in Search.</source>
        <translation>Anzahl der gefundenen Dateien.</translation>
    </message>
    <message>
        <source>File Count in List</source>
        <translation>Anzahl der Dateien in der Liste</translation>
    </message>
    <message>
        <source>Select Folder from the Left Hand Side to be Searched.</source>
        <translation>Wählen Sie links den zu durchsuchenden Ordner.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Infoleiste</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. Changes made now may be lost when Tresmolo closes.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden. Änderungen gehen beim Beenden von Tresmolo womöglich verloren.</translation>
    </message>
    <message>
        <source>Please Select a Folder from the Folder List to Search for File(s).</source>
        <translation>Bitte wählen Sie in der Ordnerliste einen Ordner, in dem nach Dateien gesucht werden soll.</translation>
    </message>
    <message>
        <source>Folder Name Selected from the Folder List will Appear Here.</source>
        <translation>Hier erscheint der Name des in der Ordnerliste ausgewählten Ordners.</translation>
    </message>
    <message>
        <source>Folder %1 Selected to Search File(s).</source>
        <translation>Ordner %1 für die Dateisuche ausgewählt.</translation>
    </message>
    <message>
        <source>Press the Start Button to Start Searching File(s) from the Folder %1.</source>
        <translation>Drücken Sie den Start-Knopf, um die Dateisuche im Ordner %1 zu beginnen.</translation>
    </message>
    <message>
        <source>Si&amp;ze Column</source>
        <translation>Spalte &amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Modified Column</source>
        <translation>Spalte Geände&amp;rt</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>Ü&amp;ber Tresmolo...</translation>
    </message>
    <message>
        <source>The folder chosen to search</source>
        <translation>Der zum Durchsuchen gewählte Ordner</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: it lies on a virtual file system (such as /proc or /sys), which is never searched.</source>
        <translation>Der Ordner %1 selbst wurde nicht durchsucht: Er liegt auf einem virtuellen Dateisystem (wie /proc oder /sys), das nie durchsucht wird.</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: the switch &quot;%2&quot; in &quot;%3&quot; skips it.</source>
        <translation>Der Ordner %1 selbst wurde nicht durchsucht: Der Schalter „%2“ in der Gruppe „%3“ überspringt ihn.</translation>
    </message>
</context>
<context>
    <name>COutlookBar</name>
    <message>
        <source>Shortcuts</source>
        <translation>Schnellzugriff</translation>
    </message>
    <message>
        <source>Outlook Bar</source>
        <translation>Navigationsleiste</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Navigation Pane Pages</source>
        <translation>Seiten der Navigationsleiste</translation>
    </message>
</context>
<context>
    <name>CPendrakeView</name>
    <message>
        <source>View Selected File</source>
        <translation>Ausgewählte Datei öffnen</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Ordner der Datei öffnen</translation>
    </message>
    <message>
        <source>Locate File in Explorer</source>
        <translation>Datei im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Send File to Recycle Bin</source>
        <translation>Datei in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Dateieigenschaften</translation>
    </message>
    <message>
        <source>Folder Properties</source>
        <translation>Ordnereigenschaften</translation>
    </message>
    <message>
        <source>Open Selected Folder</source>
        <translation>Ausgewählten Ordner öffnen</translation>
    </message>
    <message>
        <source>Send Folder to Recycle Bin</source>
        <translation>Ordner in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>The list of files could not be written completely to %1 (%2). The incomplete file has been removed.</source>
        <translation>Die Dateiliste konnte nicht vollständig in %1 geschrieben werden (%2). Die unvollständige Datei wurde entfernt.</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Pfad kopieren</translation>
    </message>
    <message>
        <source>Please Select a Folder from the List of Folders (from the Left Hand Side) &amp; then Press the Start Button.</source>
        <translation>Bitte wählen Sie einen Ordner in der Ordnerliste (links) &amp; drücken Sie dann den Start-Knopf.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>File Search for Folder %1, Started At %2</source>
        <translation>Dateisuche im Ordner %1, begonnen um %2</translation>
    </message>
    <message>
        <source>File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). </source>
        <translation>Dateisuche begonnen um %1, beendet um %2. %3 Ordner durchsucht. </translation>
    </message>
    <message>
        <source>File Search Stopped At %1.</source>
        <translation>Dateisuche beendet um %1.</translation>
    </message>
    <message>
        <source>%1 Folder(s) Parsed. </source>
        <translation>%1 Ordner durchsucht. </translation>
    </message>
    <message>
        <source>%1 Folder(s) Ignored. </source>
        <translation>%1 Ordner ignoriert. </translation>
    </message>
    <message>
        <source>%1 Folder(s) Do Not Contain Files. </source>
        <translation>%1 Ordner ohne Dateien. </translation>
    </message>
    <message>
        <source>%1 File(s) Found.</source>
        <translation>%1 Datei(en) gefunden.</translation>
    </message>
    <message>
        <source>It Took Aound %1.</source>
        <translation>Dauer: etwa %1.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Dateiliste</translation>
    </message>
    <message>
        <source>The files found, or the search&apos;s status lines</source>
        <translation>Die gefundenen Dateien oder die Statuszeilen der Suche</translation>
    </message>
    <message>
        <source>File List Headings</source>
        <translation>Spaltenköpfe der Dateiliste</translation>
    </message>
    <message>
        <source>Folder List</source>
        <translation>Ordnerliste</translation>
    </message>
    <message>
        <source>The folders that hold found files, with their file counts</source>
        <translation>Die Ordner mit gefundenen Dateien und deren Anzahl</translation>
    </message>
    <message>
        <source>Folder List Headings</source>
        <translation>Spaltenköpfe der Ordnerliste</translation>
    </message>
    <message>
        <source>%1 Folder(s) Could Not Be Opened (Too Many Open Files). </source>
        <translation>%1 Ordner nicht geöffnet (zu viele offene Dateien). </translation>
    </message>
    <message>
        <source>%1 File(s) Could Not Be Read. </source>
        <translation>%1 Datei(en) nicht lesbar. </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Erscheinungsbild ändern</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Eines der Office-2007-Designs wählen</translation>
    </message>
    <message>
        <source>Folders To Ignore</source>
        <translation>Ignorierte Ordner</translation>
    </message>
    <message>
        <source>Files to Ignore</source>
        <translation>Ignorierte Dateien</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>Dateisuche</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Starter</translation>
    </message>
    <message>
        <source>Exporters</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Command Panel Tabs</source>
        <translation>Registerkarten der Befehlsleiste</translation>
    </message>
    <message>
        <source>Opens a menu with the commands of this panel.</source>
        <translation>Öffnet ein Menü mit den Befehlen dieser Gruppe.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Searches a folder (and its sub-folders) for files, lists them with per-folder counts
and lets you act on them. With FOLDER, that folder is selected in the folder tree.</source>
        <translation>Durchsucht einen Ordner (samt Unterordnern) nach Dateien, listet sie mit ihrer Anzahl
je Ordner auf und bietet Befehle dafür. Mit FOLDER wird er im Ordnerbaum ausgewählt.</translation>
    </message>
    <message>
        <source>Start a search in the selected folder at once, as the automatic search at start-up does.</source>
        <translation>Sofort eine Suche im ausgewählten Ordner starten, wie es die automatische Suche beim Programmstart tut.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>„%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Weitere Informationen mit „%1 --help“.</translation>
    </message>
    <message>
        <source>Give one folder at most.</source>
        <translation>Geben Sie höchstens einen Ordner an.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, given to Qt when they come before &quot;--&quot;:</source>
        <translation>Eigene Optionen von Qt, die an Qt gehen, wenn sie vor „--“ stehen:</translation>
    </message>
    <message>
        <source>The folder to select (and search): a path, or a local file:// URI. Every argument after &quot;--&quot; is a folder, even one that starts with &quot;-&quot;.</source>
        <translation>Der auszuwählende (und zu durchsuchende) Ordner: ein Pfad oder eine lokale file://-URI. Jedes Argument nach „--“ ist ein Ordner, auch wenn es mit „-“ beginnt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder on another computer (%2); only local folders can be searched.</source>
        <translation>„%1“ bezeichnet einen Ordner auf einem anderen Rechner (%2); nur lokale Ordner können durchsucht werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI.</source>
        <translation>„%1“ ist keine gültige Datei-URI.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Der Ordner „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Missing value after &quot;%1&quot;.</source>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Unknown option: %1 (did you mean &quot;%2&quot;?)</source>
        <translation>Unbekannte Option: %1 (meinten Sie „%2“?)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Unbekannte Option: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI: a &quot;/&quot; cannot be part of a name.</source>
        <translation>„%1“ ist keine gültige Datei-URI: Ein „/“ kann nicht Teil eines Namens sein.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Der Ordner „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The entries of the folder &quot;%1&quot; cannot be examined: %2.</source>
        <translation>Die Einträge des Ordners „%1“ können nicht untersucht werden: %2.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>Der Ordnername ist leer.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: the current folder cannot be read: %2.</source>
        <translation>Der Ordner „%1“ kann nicht geöffnet werden: Der aktuelle Ordner kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Caption Bar</source>
        <translation>Infoleiste</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Die Infoleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Infoleiste ein/aus</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Ignore Windows Folder ( e.g C:\Windows ) While Searching.</source>
        <translation>Den Windows-Ordner (z. B. C:\Windows) bei der Suche ignorieren.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Windows Folder</source>
        <translation>Nicht in den Dateien des Windows-Ordners suchen</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Ignore Programs Folder ( e.g C:\Program Files ) While Searching.</source>
        <translation>Den Programmordner (z. B. C:\Program Files) bei der Suche ignorieren.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Program Files Folder</source>
        <translation>Nicht in den Dateien des Programmordners suchen</translation>
    </message>
    <message>
        <source>Hidden Files</source>
        <translation>Versteckte Dateien</translation>
    </message>
    <message>
        <source>Ignore all Hidden Files in Search.</source>
        <translation>Alle versteckten Dateien bei der Suche ignorieren.</translation>
    </message>
    <message>
        <source>Skip Hidden Files when Searching.</source>
        <translation>Versteckte Dateien bei der Suche überspringen.</translation>
    </message>
    <message>
        <source>Read Only Files</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Ignore all Read Only Files in Search.</source>
        <translation>Alle schreibgeschützten Dateien bei der Suche ignorieren.</translation>
    </message>
    <message>
        <source>Skip Read Only Files in File Search.</source>
        <translation>Schreibgeschützte Dateien bei der Dateisuche überspringen.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start Searching of Files for the Selected Folder.</source>
        <translation>Die Dateisuche im ausgewählten Ordner beginnen.</translation>
    </message>
    <message>
        <source>Start File(s) Search.</source>
        <translation>Dateisuche beginnen.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop Searching of of Files for the Selected Folder.</source>
        <translation>Die Dateisuche im ausgewählten Ordner anhalten.</translation>
    </message>
    <message>
        <source>Stop Searching of File(s).</source>
        <translation>Dateisuche anhalten.</translation>
    </message>
    <message>
        <source>Search SubFolder(s)</source>
        <translation>Mit Unterordnern</translation>
    </message>
    <message>
        <source>Search File(s) in Sub Folder(s) of the Selected Folder.</source>
        <translation>Dateien auch in den Unterordnern des ausgewählten Ordners suchen.</translation>
    </message>
    <message>
        <source>Search Files in Sub Folder(s).</source>
        <translation>Dateien in Unterordnern suchen.</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Dateianzahl</translation>
    </message>
    <message>
        <source>Display Number of Files Count in Every Folder when Loading Files.</source>
        <translation>Beim Laden der Dateien die Anzahl der Dateien in jedem Ordner anzeigen.</translation>
    </message>
    <message>
        <source>Display Files Count in Every Folder</source>
        <translation>Dateianzahl je Ordner anzeigen</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Dateimanager</translation>
    </message>
    <message>
        <source>Open Windows Explorer with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Den im Ordnerbaum dieses Programms ausgewählten Ordner im Dateimanager öffnen.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Explorer</source>
        <translation>Ausgewählten Ordner im Dateimanager öffnen</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Open Command Prompt Window with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Ein Terminal im Ordner öffnen, der im Ordnerbaum dieses Programms ausgewählt ist.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Command Prompt</source>
        <translation>Ausgewählten Ordner im Terminal öffnen</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Papierkorb öffnen</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Dateiliste exportieren</translation>
    </message>
    <message>
        <source>Export List of Files Visible in List to a Temporary file and Open It.</source>
        <translation>Die in der Liste sichtbaren Dateien in eine temporäre Datei exportieren und diese öffnen.</translation>
    </message>
    <message>
        <source>Export List of Files to a Temporary File.</source>
        <translation>Dateiliste in eine temporäre Datei exportieren.</translation>
    </message>
    <message>
        <source>Ignore Recycle Bin Folder(s) When Listing Files.</source>
        <translation>Papierkorb-Ordner beim Auflisten der Dateien ignorieren.</translation>
    </message>
    <message>
        <source>Do Not Search for Files in Recycle Bin.</source>
        <translation>Nicht im Papierkorb nach Dateien suchen.</translation>
    </message>
    <message>
        <source>Auto Search Last Folder</source>
        <translation>Beim Start suchen</translation>
    </message>
    <message>
        <source>Automatically Run the Last Search at Application Startup.</source>
        <translation>Die letzte Suche beim Programmstart automatisch ausführen.</translation>
    </message>
    <message>
        <source>Auto Search File(s) at Startup</source>
        <translation>Beim Start automatisch suchen</translation>
    </message>
    <message>
        <source>AppData</source>
        <translation>AppData</translation>
    </message>
    <message>
        <source>Ignore App Data Folders when Searching Files in the Selected Folder.</source>
        <translation>Anwendungsdatenordner bei der Dateisuche im ausgewählten Ordner ignorieren.</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Application Data Folders.</source>
        <translation>Nicht in Anwendungsdatenordnern nach Dateien suchen.</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Versteckte</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Hidden Folders.</source>
        <translation>Nicht in versteckten Ordnern nach Dateien suchen.</translation>
    </message>
    <message>
        <source>Ignore Hidden Folders.</source>
        <translation>Versteckte Ordner ignorieren.</translation>
    </message>
    <message>
        <source>Display File List</source>
        <translation>Dateiliste anzeigen</translation>
    </message>
    <message>
        <source>Display List of Files as they are found. This will require extra time to parse the selected folder.</source>
        <translation>Die Dateien anzeigen, sobald sie gefunden werden. Das Durchsuchen des ausgewählten Ordners dauert dann länger.</translation>
    </message>
    <message>
        <source>Display File List in Upper List.</source>
        <translation>Dateiliste in der oberen Liste anzeigen.</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Doppelte Dateien</translation>
    </message>
    <message>
        <source>Search Duplicate Files from the List by Comparing File Size</source>
        <translation>Doppelte Dateien in der Liste anhand der Dateigröße suchen</translation>
    </message>
    <message>
        <source>Duplicate Files of Same Size</source>
        <translation>Doppelte Dateien gleicher Größe</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Open the Tresmolo User Guide</source>
        <translation>Das Tresmolo-Benutzerhandbuch öffnen</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Tresmolo-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Ordner der Datei öffnen</translation>
    </message>
    <message>
        <source>Open Folder of Selected File</source>
        <translation>Ordner der ausgewählten Datei öffnen</translation>
    </message>
    <message>
        <source>Display Selected File&apos;s Folder in Windows Explorer</source>
        <translation>Ordner der ausgewählten Datei im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Die Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Die letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>Ü&amp;ber Tresmolo...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Die Anwendung beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Size Column</source>
        <translation>Spalte Größe</translation>
    </message>
    <message>
        <source>Show the size of every found file in the file list.</source>
        <translation>Die Größe jeder gefundenen Datei in der Dateiliste zeigen.</translation>
    </message>
    <message>
        <source>Show or Hide the Size Column</source>
        <translation>Die Spalte Größe ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Modified Column</source>
        <translation>Spalte Geändert</translation>
    </message>
    <message>
        <source>Show when every found file was last modified in the file list.</source>
        <translation>In der Dateiliste zeigen, wann jede gefundene Datei zuletzt geändert wurde.</translation>
    </message>
    <message>
        <source>Show or Hide the Modified Column</source>
        <translation>Die Spalte Geändert ein- oder ausblenden</translation>
    </message>
</context>
<context>
    <name>ContentsCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Ungültige Zeitangabe</translation>
    </message>
    <message>
        <source>%1 Day </source>
        <translation>%1 Tag </translation>
    </message>
    <message>
        <source>%1 Hour </source>
        <translation>%1 Stunde </translation>
    </message>
    <message>
        <source>%1 Minute </source>
        <translation>%1 Minute </translation>
    </message>
    <message>
        <source>%1 Second</source>
        <translation>%1 Sekunde</translation>
    </message>
    <message>
        <source>%1 Days </source>
        <translation>%1 Tage </translation>
    </message>
    <message>
        <source>%1 Hours </source>
        <translation>%1 Stunden </translation>
    </message>
    <message>
        <source>%1 Minutes </source>
        <translation>%1 Minuten </translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
</context>
<context>
    <name>DlgKeepRules</name>
    <message>
        <source>In a reference folder</source>
        <translation>In einem Referenzordner</translation>
    </message>
    <message>
        <source>Oldest modified</source>
        <translation>Ältestes Änderungsdatum</translation>
    </message>
    <message>
        <source>Newest modified</source>
        <translation>Neuestes Änderungsdatum</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Kürzester Pfad</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Längster Pfad</translation>
    </message>
    <message>
        <source>First in the list</source>
        <translation>Erste in der Liste</translation>
    </message>
    <message>
        <source>Select Files to Remove</source>
        <translation>Zu entfernende Dateien wählen</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Reference folders</source>
        <translation>Referenzordner</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>The file that stays in each group is chosen by the first rule that tells the files apart:</source>
        <translation>Die bleibende Datei jeder Gruppe wird nach der ersten Regel gewählt, die die Dateien unterscheidet:</translation>
    </message>
    <message>
        <source>Reference folders, first the most important (files in them are never checked, not even by Check All):</source>
        <translation>Referenzordner, der wichtigste zuerst (Dateien darin werden nie markiert, auch nicht mit „Alle markieren“):</translation>
    </message>
    <message>
        <source>OK checks every other file of each group, except hard links of the file that stays.</source>
        <translation>„OK“ markiert alle anderen Dateien jeder Gruppe, außer harten Links auf die bleibende Datei.</translation>
    </message>
    <message>
        <source>Add Reference Folder</source>
        <translation>Referenzordner hinzufügen</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Last File Found</source>
        <translation>Zuletzt gefundene Datei</translation>
    </message>
</context>
<context>
    <name>FolderListModel</name>
    <message>
        <source>Sr</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Dateianzahl</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>not reached</source>
        <translation>nicht erreicht</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>in a reference folder</source>
        <translation>in einem Referenzordner</translation>
    </message>
    <message>
        <source>no unchanged copy stays in its group</source>
        <translation>in ihrer Gruppe bleibt keine unveränderte Kopie</translation>
    </message>
    <message>
        <source>in no group of identical contents</source>
        <translation>in keiner Gruppe mit gleichem Inhalt</translation>
    </message>
    <message>
        <source>already a hard link of the file that stays</source>
        <translation>bereits ein harter Link auf die bleibende Datei</translation>
    </message>
    <message>
        <source>already shares its space with the file that stays</source>
        <translation>teilt bereits den Speicherplatz mit der bleibenden Datei</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>changed since the contents check</source>
        <translation>seit der Inhaltsprüfung geändert</translation>
    </message>
    <message>
        <source>the file that stays changed</source>
        <translation>die bleibende Datei wurde geändert</translation>
    </message>
    <message>
        <source>on another file system than the file that stays</source>
        <translation>auf einem anderen Dateisystem als die bleibende Datei</translation>
    </message>
    <message>
        <source>its file system cannot share space between files</source>
        <translation>das Dateisystem kann keinen Speicherplatz zwischen Dateien teilen</translation>
    </message>
    <message>
        <source>stopped part way</source>
        <translation>mittendrin angehalten</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>changed since it was listed</source>
        <translation>seit dem Auflisten geändert</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
</context>
<context>
    <name>ResultsFilterBox</name>
    <message>
        <source>Filter the found files by name or folder (Ctrl+F)</source>
        <translation>Gefundene Dateien nach Name oder Ordner filtern (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows only the files whose name or folder contains this text. Escape clears it.</source>
        <translation>Zeigt nur die Dateien, deren Name oder Ordner diesen Text enthält. Escape leert das Feld.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Filter leeren</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>rows shown of all rows</comment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Sr</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>hard link of #%1</source>
        <translation>harter Link auf #%1</translation>
    </message>
    <message>
        <source>symbolic link</source>
        <translation>symbolischer Link</translation>
    </message>
    <message>
        <source>changed since the scan</source>
        <translation>seit der Suche geändert</translation>
    </message>
    <message>
        <source>keeps</source>
        <translation>bleibt</translation>
    </message>
</context>
<context>
    <name>SearchFilters</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 Byte</translation>
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
        <translation>%1 Muster übersprungen</translation>
    </message>
    <message>
        <source>name matches a wildcard</source>
        <translation>Name passt auf Platzhaltermuster</translation>
    </message>
    <message>
        <source>name matches a regular expression</source>
        <translation>Name passt auf regulären Ausdruck</translation>
    </message>
    <message>
        <source>size at least %1</source>
        <translation>Größe mindestens %1</translation>
    </message>
    <message>
        <source>size at most %1</source>
        <translation>Größe höchstens %1</translation>
    </message>
    <message>
        <source>modified on or after %1</source>
        <translation>geändert am oder nach %1</translation>
    </message>
    <message>
        <source>modified on or before %1</source>
        <translation>geändert am oder vor %1</translation>
    </message>
    <message>
        <source>modified in the last %1 day(s)</source>
        <translation>geändert in den letzten %1 Tag(en)</translation>
    </message>
    <message>
        <source>contents match &quot;%1&quot;</source>
        <translation>Inhalt passt auf „%1“</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>enthält „%1“</translation>
    </message>
    <message>
        <source>binary files too</source>
        <translation>auch Binärdateien</translation>
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
        <translation>Ein Name oder Muster pro Zeile, z. B. node_modules</translation>
    </message>
    <message>
        <source>Folders and files whose name matches one of these patterns are skipped. A pattern matches the exact bytes of a name, case-sensitive: * stands for any run of characters, ? for one, [abc] for one of a set. A pattern holding / matches the path below the chosen folder (e.g. src/build), and one ending in / matches folders only.</source>
        <translation>Ordner und Dateien, deren Name auf eines dieser Muster passt, werden übersprungen. Ein Muster vergleicht die genauen Bytes eines Namens, mit Beachtung der Groß-/Kleinschreibung: * steht für beliebig viele Zeichen, ? für genau eines, [abc] für eines aus einer Menge. Ein Muster mit / passt auf den Pfad unterhalb des gewählten Ordners (z. B. src/build), eines, das auf / endet, nur auf Ordner.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Adds a name that is often not worth searching.</source>
        <translation>Fügt einen Namen hinzu, dessen Durchsuchen sich oft nicht lohnt.</translation>
    </message>
    <message>
        <source>S&amp;kip names:</source>
        <translation>Namen übersprin&amp;gen:</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>enthält</translation>
    </message>
    <message>
        <source>matches wildcard</source>
        <translation>passt auf Platzhaltermuster</translation>
    </message>
    <message>
        <source>matches regular expression</source>
        <translation>passt auf regulären Ausdruck</translation>
    </message>
    <message>
        <source>How the search word is matched against each file&apos;s name, without regard to case: found anywhere in it, as a wildcard pattern for the whole name, or as a regular expression.</source>
        <translation>Wie der Suchbegriff mit dem Namen jeder Datei verglichen wird, ohne Beachtung der Groß-/Kleinschreibung: irgendwo darin enthalten, als Platzhaltermuster für den ganzen Namen oder als regulärer Ausdruck.</translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation>Datei&amp;name</translation>
    </message>
    <message>
        <source>the search word</source>
        <translation>Suchbegriff</translation>
    </message>
    <message>
        <source>At l&amp;east</source>
        <translation>&amp;Mindestens</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Mindestgröße</translation>
    </message>
    <message>
        <source>Unit of the smallest size</source>
        <translation>Einheit der Mindestgröße</translation>
    </message>
    <message>
        <source>At m&amp;ost</source>
        <translation>Hö&amp;chstens</translation>
    </message>
    <message>
        <source>Largest size</source>
        <translation>Höchstgröße</translation>
    </message>
    <message>
        <source>Unit of the largest size</source>
        <translation>Einheit der Höchstgröße</translation>
    </message>
    <message>
        <source>Modified on or after this day</source>
        <translation>Geändert an oder nach diesem Tag</translation>
    </message>
    <message>
        <source>Modified on or a&amp;fter</source>
        <translation>Geändert am oder n&amp;ach</translation>
    </message>
    <message>
        <source>Modified on or before this day</source>
        <translation>Geändert an oder vor diesem Tag</translation>
    </message>
    <message>
        <source>Modified on or &amp;before</source>
        <translation>Geändert am oder &amp;vor</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Anzahl der Tage</translation>
    </message>
    <message>
        <source>Modified in the &amp;last</source>
        <translation>Geändert in den &amp;letzten</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tagen</translation>
    </message>
    <message>
        <source>Only files whose contents hold this text are found, without regard to case.</source>
        <translation>Nur Dateien, deren Inhalt diesen Text enthält, werden gefunden, ohne Beachtung der Groß-/Kleinschreibung.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>Enthält &amp;Text:</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>&amp;Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Search b&amp;inary files too</source>
        <translation>Auch B&amp;inärdateien durchsuchen</translation>
    </message>
    <message>
        <source>Also search files that look binary (a zero byte in their first 128 KB).</source>
        <translation>Auch Dateien durchsuchen, die binär aussehen (ein Nullbyte in ihren ersten 128 KB).</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Puts every one of these options back to its default.</source>
        <translation>Setzt alle diese Optionen auf ihre Standardwerte zurück.</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Byte</translation>
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
        <translation>1 KB sind 1.024 Byte, 1 MB 1.024 KB, 1 GB 1.024 MB.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be moved to the trash and stays where it is.</source>
        <translation>%1 konnte nicht in den Papierkorb verschoben werden und bleibt, wo es ist.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>These %1 items could not be moved to the trash and stay where they are:

</source>
        <translation>Diese %1 Objekte konnten nicht in den Papierkorb verschoben werden und bleiben, wo sie sind:

</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the trash?</source>
        <translation>Möchten Sie %1 in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>Möchten Sie diese %1 Objekte in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Moving %1 to the trash</source>
        <translation>%1 wird in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>No terminal program was found. Install one, or name yours in the TERMINAL environment variable.</source>
        <translation>Es wurde kein Terminalprogramm gefunden. Installieren Sie eines oder nennen Sie Ihres in der Umgebungsvariablen TERMINAL.</translation>
    </message>
    <message>
        <source>No file manager was found to open the folder %1. Install one to open folders from here.</source>
        <translation>Es wurde kein Dateimanager gefunden, um den Ordner %1 zu öffnen. Installieren Sie einen, um Ordner von hier aus zu öffnen.</translation>
    </message>
</context>
<context>
    <name>Shell::PropertiesDialog</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verknüpfung</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Points to:</source>
        <translation>Verweist auf:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Berechtigungen:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Eigentümer:</translation>
    </message>
    <message>
        <source>%1, group %2</source>
        <translation>%1, Gruppe %2</translation>
    </message>
</context>
<context>
    <name>SwitchTips</name>
    <message>
        <source>Skips the system&apos;s programs folder, %1, while searching.</source>
        <translation>Überspringt bei der Suche den Programmordner des Systems, %1.</translation>
    </message>
    <message>
        <source>Skips the folder of added programs, %1, while searching.</source>
        <translation>Überspringt bei der Suche den Ordner nachträglich installierter Programme, %1.</translation>
    </message>
    <message>
        <source>Skips the trash while searching: %1, and every folder named .Trash or .Trash- followed by digits.</source>
        <translation>Überspringt bei der Suche den Papierkorb: %1 und jeden Ordner namens .Trash oder .Trash- gefolgt von Ziffern.</translation>
    </message>
    <message>
        <source>Skips the application data folders while searching: %1.</source>
        <translation>Überspringt bei der Suche die Anwendungsdatenordner: %1.</translation>
    </message>
    <message>
        <source>Skips folders whose names start with a dot (.), and folders that cannot be examined, while searching.</source>
        <translation>Überspringt bei der Suche Ordner, deren Name mit einem Punkt (.) beginnt, und Ordner, die nicht untersucht werden können.</translation>
    </message>
    <message>
        <source>Skips files whose names start with a dot (.) while searching.</source>
        <translation>Überspringt bei der Suche Dateien, deren Name mit einem Punkt (.) beginnt.</translation>
    </message>
    <message>
        <source>Skips files that nobody may write to (no write permission at all) while searching.</source>
        <translation>Überspringt bei der Suche Dateien, in die niemand schreiben darf (überhaupt keine Schreibberechtigung).</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be used: %2</source>
        <translation>der Papierkorb-Ordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>it is on another volume than the home trash, and its own volume has no trash it can use (%1)</source>
        <translation>es liegt auf einem anderen Datenträger als der Papierkorb im persönlichen Ordner, und sein eigener Datenträger hat keinen nutzbaren Papierkorb (%1)</translation>
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
        <translation>&amp;Blauer Stil</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (&amp;Blauer Stil)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>&amp;Schwarzer Stil</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (&amp;Schwarzer Stil)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>S&amp;ilberner Stil</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (S&amp;ilberner Stil)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>&amp;Aqua-Stil</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (&amp;Aqua-Stil)</translation>
    </message>
    <message>
        <source>Office 200&amp;7</source>
        <translation>Office 200&amp;7</translation>
    </message>
</context>
</TS>
