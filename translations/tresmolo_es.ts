<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tresmolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tresmolo, Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support: see the user guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCustomMFCRibbonApplicationButton</name>
    <message>
        <source>Change Application Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Button</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgDuplicateResults</name>
    <message>
        <source>Verify Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the contents of the files of each group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 group(s), %2 file(s), %3 in duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep one file of each group?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing the contents of the files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Window Displays Possibly Duplicate Files Grouped by File Size.

Files of Same Size Might be Duplicate or Different.

Have a Close Look before Deleting Any File(s).

Right Click to View Available Commands.

In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the Files which you wish to Send to Recyle Bin and then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Search Results - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Selected File(s) in Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Checked File(s) to Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgSearchParameters</name>
    <message>
        <source>Search by Partial or Full File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Word :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search &amp;Path :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify Search Parameters - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDlgSplash</name>
    <message>
        <source>File search for your folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CInfoBar</name>
    <message>
        <source>Important</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here is an informational message for the user.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Filter Found Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only the found files whose name or folder contains a text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files Count in Every Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display File List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;uplicate Files of Same Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Pendrake...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Folder Will Appear Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Files Found in Search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Count in List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder from the Left Hand Side to be Searched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. Changes made now may be lost when Tresmolo closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a Folder from the Folder List to Search for File(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Name Selected from the Folder List will Appear Here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder %1 Selected to Search File(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the Start Button to Start Searching File(s) from the Folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COutlookBar</name>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outlook Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPendrakeView</name>
    <message>
        <source>View Selected File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate File in Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send File to Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Selected Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Folder to Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of files could not be written completely to %1 (%2). The incomplete file has been removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a Folder from the List of Folders (from the Left Hand Side) &amp; then Press the Start Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Search for Folder %1, Started At %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Search Stopped At %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Folder(s) Parsed. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Folder(s) Ignored. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Folder(s) Do Not Contain Files. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 File(s) Found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It Took Aound %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>&amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders To Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Searches a folder (and its sub-folders) for files, lists them with per-folder counts
and lets you act on them. With FOLDER, that folder is selected in the folder tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a search in the selected folder at once, as the automatic search at start-up does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder to select (and search).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give one folder at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Caption Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore Windows Folder ( e.g C:\Windows ) While Searching.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Not Search in Files of Windows Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore Programs Folder ( e.g C:\Program Files ) While Searching.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Not Search in Files of Program Files Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore all Hidden Files in Search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Hidden Files when Searching.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Only Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore all Read Only Files in Search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip Read Only Files in File Search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Searching of Files for the Selected Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start File(s) Search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Searching of of Files for the Selected Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Searching of File(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search SubFolder(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search File(s) in Sub Folder(s) of the Selected Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Files in Sub Folder(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Number of Files Count in Every Folder when Loading Files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Files Count in Every Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Windows Explorer with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Selected Folder in Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Command Prompt Window with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Selected Folder in Command Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export List of Files Visible in List to a Temporary file and Open It.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export List of Files to a Temporary File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore Recycle Bin Folder(s) When Listing Files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Not Search for Files in Recycle Bin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Search Last Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically Run the Last Search at Application Startup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Search File(s) at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AppData</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore App Data Folders when Searching Files in the Selected Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Application Data Folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Hidden Folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore Hidden Folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display File List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display List of Files as they are found. This will require extra time to parse the selected folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display File List in Upper List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Duplicate Files from the List by Comparing File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Files of Same Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Tresmolo User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder of Selected File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Selected File&apos;s Folder in Windows Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderListModel</name>
    <message>
        <source>Sr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsFilterBox</name>
    <message>
        <source>Filter the found files by name or folder (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the files whose name or folder contains this text. Escape clears it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Sr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hard link of #%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be moved to the trash and stays where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These %1 items could not be moved to the trash and stay where they are:

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to move %1 to the trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving %1 to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No terminal program was found. Install one, or name yours in the TERMINAL environment variable.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell::PropertiesDialog</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, group %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is on another volume than the home trash, and its own volume has no trash it can use (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VisualStyles</name>
    <message>
        <source>Windows &amp;2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visual Studio.NET 200&amp;5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Blue Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office 200&amp;7</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
