<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tresmolo</source>
        <translation>À propos de Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo, Version %1</source>
        <translation>Tresmolo, version %1</translation>
    </message>
    <message>
        <source>Support: see the user guide</source>
        <translation>Assistance&#xa0;: voir le guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Guide de l&apos;utilisateur de Tresmolo</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>Ouvrir le guide de l&apos;utilisateur dans votre navigateur</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
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
        <translation>Modifier l&apos;apparence de l&apos;application</translation>
    </message>
    <message>
        <source>Application Button</source>
        <translation>Bouton de l&apos;application</translation>
    </message>
    <message>
        <source>Switches to the next look. Alt+F opens the application menu.</source>
        <translation>Passe à l&apos;apparence suivante. Alt+F ouvre le menu de l&apos;application.</translation>
    </message>
</context>
<context>
    <name>CDlgDuplicateResults</name>
    <message>
        <source>Verify Contents</source>
        <translation>Vérifier le contenu</translation>
    </message>
    <message>
        <source>Compare the contents of the files of each group</source>
        <translation>Comparer le contenu des fichiers de chaque groupe</translation>
    </message>
    <message>
        <source>%1 group(s), %2 file(s), %3 in duplicates</source>
        <translation>%1 groupe(s), %2 fichier(s), %3 en doublons</translation>
    </message>
    <message>
        <source>Comparing the contents of the files...</source>
        <translation>Comparaison du contenu des fichiers...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This Window Displays Possibly Duplicate Files Grouped by File Size.

Files of Same Size Might be Duplicate or Different.

Have a Close Look before Deleting Any File(s).

Right Click to View Available Commands.

In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling.</source>
        <translation>Cette fenêtre affiche les doublons possibles, groupés par taille de fichier.

Des fichiers de même taille peuvent être identiques ou différents.

Examinez-les attentivement avant de supprimer un fichier.

Faites un clic droit pour voir les commandes disponibles.

Si la liste des fichiers défile encore, veuillez attendre qu&apos;elle s&apos;arrête.</translation>
    </message>
    <message>
        <source>Check the Files which you wish to Send to Recyle Bin and then try again.</source>
        <translation>Cochez les fichiers que vous souhaitez mettre à la corbeille, puis réessayez.</translation>
    </message>
    <message>
        <source>Duplicate Search Results - %1</source>
        <translation>Résultats de la recherche de doublons - %1</translation>
    </message>
    <message>
        <source>Display Selected File(s) in Explorer</source>
        <translation>Afficher le(s) fichier(s) sélectionné(s) dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Send Checked File(s) to Recycle Bin</source>
        <translation>Mettre le(s) fichier(s) coché(s) à la corbeille</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Contents Check</source>
        <translation>Vérification du contenu</translation>
    </message>
    <message>
        <source>How many groups and files the list holds, and the space their extra copies take</source>
        <translation>Nombre de groupes et de fichiers de la liste, et place occupée par leurs copies en trop</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Keep one file of each group?

Yes keeps these files and sends the other checked files to the Recycle Bin:
%1

No sends every checked file to the Recycle Bin, the last copy of each group included.</source>
        <translation>Garder un fichier de chaque groupe&#xa0;?

«&#xa0;Oui&#xa0;» garde ces fichiers et met les autres fichiers cochés à la corbeille&#xa0;:
%1

«&#xa0;Non&#xa0;» met tous les fichiers cochés à la corbeille, y compris la dernière copie de chaque groupe.</translation>
    </message>
    <message>
        <source>The contents cache could not be used: %1</source>
        <translation>Le cache du contenu n&apos;a pas pu être utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Duplicate Candidates</source>
        <translation>Doublons possibles</translation>
    </message>
    <message>
        <source>Files of equal size, one group after another; check the files to send to the Recycle Bin</source>
        <translation>Fichiers de même taille, groupe après groupe&#xa0;; cochez les fichiers à mettre à la corbeille</translation>
    </message>
    <message>
        <source>Select Files to Remove...</source>
        <translation>Sélectionner les fichiers à supprimer...</translation>
    </message>
    <message>
        <source>Check the files of each group but the one that stays, by rules you choose</source>
        <translation>Cocher les fichiers de chaque groupe, sauf celui qui est conservé, selon les règles de votre choix</translation>
    </message>
    <message>
        <source>Replace Checked with Hard Links</source>
        <translation>Remplacer les fichiers cochés par des liens physiques</translation>
    </message>
    <message>
        <source>Replace Checked with Shared Copies</source>
        <translation>Remplacer les fichiers cochés par des copies partagées</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <source>Check the files to replace with the file that stays in their group, then try again.</source>
        <translation>Cochez les fichiers à remplacer par le fichier conservé de leur groupe, puis réessayez.</translation>
    </message>
    <message>
        <source>Only files whose contents were compared can be replaced. Verify Contents first.</source>
        <translation>Seuls les fichiers dont le contenu a été comparé peuvent être remplacés. Utilisez d&apos;abord «&#xa0;Vérifier le contenu&#xa0;».</translation>
    </message>
    <message>
        <source>Replacing the checked files with hard links...</source>
        <translation>Remplacement des fichiers cochés par des liens physiques...</translation>
    </message>
    <message>
        <source>Sharing the space of the checked files...</source>
        <translation>Partage de l&apos;espace des fichiers cochés...</translation>
    </message>
    <message>
        <source>%1 file(s) replaced with hard links, %2 freed.</source>
        <translation>%1 fichier(s) remplacé(s) par des liens physiques&#xa0;; espace libéré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) now share their space with the file that stays, %2 freed.</source>
        <translation>%1 fichier(s) partage(nt) désormais leur espace avec le fichier conservé&#xa0;; espace libéré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) skipped:</source>
        <translation>%1 fichier(s) ignoré(s)&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2 file(s)</source>
        <translation>%1&#xa0;: %2 fichier(s)</translation>
    </message>
    <message>
        <source>Stopped before every checked file was done.</source>
        <translation>Arrêté avant que tous les fichiers cochés soient traités.</translation>
    </message>
    <message>
        <source>The action log %1 could not be written: %2</source>
        <translation>Le journal des actions %1 n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 file(s) checked, %2 to free</source>
        <translation>%1 fichier(s) coché(s), %2 à libérer</translation>
    </message>
</context>
<context>
    <name>CDlgSearchParameters</name>
    <message>
        <source>Search by Partial or Full File Name</source>
        <translation>Rechercher par nom de fichier partiel ou complet</translation>
    </message>
    <message>
        <source>&amp;Search Word :</source>
        <translation>&amp;Mot recherché&#xa0;:</translation>
    </message>
    <message>
        <source>Search &amp;Path :</source>
        <translation>&amp;Chemin de recherche&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Specify Search Parameters - %1</source>
        <translation>Paramètres de recherche - %1</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2).</source>
        <translation>Expression régulière non valide&#xa0;: %1 (au caractère %2).</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1.</source>
        <translation>Expression régulière non valide&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The words searched for last are in the list.</source>
        <translation>Les derniers mots recherchés sont dans la liste.</translation>
    </message>
    <message>
        <source>Search Word</source>
        <translation>Mot recherché</translation>
    </message>
    <message>
        <source>Search Path</source>
        <translation>Chemin de recherche</translation>
    </message>
    <message>
        <source>&amp;More Options</source>
        <translation>&amp;Plus d&apos;options</translation>
    </message>
    <message>
        <source>Shows or hides the options beyond the word: names to skip, how the word matches, size, date and text inside the files.</source>
        <translation>Affiche ou masque les options au-delà du mot&#xa0;: noms à ignorer, correspondance du mot, taille, date et texte contenu dans les fichiers.</translation>
    </message>
</context>
<context>
    <name>CDlgSplash</name>
    <message>
        <source>File search for your folders</source>
        <translation>La recherche de fichiers dans vos dossiers</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1 Loading...</source>
        <translation>Chargement de %1...</translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Arborescence des dossiers</translation>
    </message>
    <message>
        <source>Choose the folder to search</source>
        <translation>Choisissez le dossier à parcourir</translation>
    </message>
</context>
<context>
    <name>CInfoBar</name>
    <message>
        <source>Important</source>
        <translation>Important</translation>
    </message>
    <message>
        <source>Here is an informational message for the user.</source>
        <translation>Voici un message d&apos;information pour l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barre d&apos;informations</translation>
    </message>
    <message>
        <source>What to do next, or how the last search went</source>
        <translation>Que faire ensuite, ou comment s&apos;est déroulée la dernière recherche</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Filter Found Files</source>
        <translation>&amp;Filtrer les fichiers trouvés</translation>
    </message>
    <message>
        <source>Show only the found files whose name or folder contains a text.</source>
        <translation>N&apos;afficher que les fichiers trouvés dont le nom ou le dossier contient un texte.</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>Volet &amp;suivant</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Volet &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>&amp;Apparence de l&apos;application</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Barre d&apos;&amp;informations</translation>
    </message>
    <message>
        <source>&amp;Files Count in Every Folder</source>
        <translation>&amp;Nombre de fichiers par dossier</translation>
    </message>
    <message>
        <source>&amp;Display File List</source>
        <translation>Afficher la &amp;liste des fichiers</translation>
    </message>
    <message>
        <source>D&amp;uplicate Files of Same Size</source>
        <translation>&amp;Doublons de même taille</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Selected Folder Will Appear Here</source>
        <translation>Le dossier sélectionné s&apos;affichera ici</translation>
    </message>
    <message>
        <source>Number of Files Found in Search.</source>
        <translation>Nombre de fichiers trouvés par la recherche.</translation>
    </message>
    <message>
        <source>File Count in List</source>
        <translation>Nombre de fichiers dans la liste</translation>
    </message>
    <message>
        <source>Select Folder from the Left Hand Side to be Searched.</source>
        <translation>Sélectionnez à gauche le dossier à parcourir.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barre d&apos;informations</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. Changes made now may be lost when Tresmolo closes.</source>
        <translation>Les paramètres ne peuvent pas être enregistrés dans %1. Les modifications faites maintenant risquent d&apos;être perdues à la fermeture de Tresmolo.</translation>
    </message>
    <message>
        <source>Please Select a Folder from the Folder List to Search for File(s).</source>
        <translation>Veuillez sélectionner dans la liste un dossier où rechercher des fichiers.</translation>
    </message>
    <message>
        <source>Folder Name Selected from the Folder List will Appear Here.</source>
        <translation>Le nom du dossier sélectionné dans la liste des dossiers s&apos;affichera ici.</translation>
    </message>
    <message>
        <source>Folder %1 Selected to Search File(s).</source>
        <translation>Dossier %1 sélectionné pour la recherche de fichiers.</translation>
    </message>
    <message>
        <source>Press the Start Button to Start Searching File(s) from the Folder %1.</source>
        <translation>Appuyez sur le bouton Lancer pour rechercher des fichiers dans le dossier %1.</translation>
    </message>
    <message>
        <source>Si&amp;ze Column</source>
        <translation>&amp;Colonne Taille</translation>
    </message>
    <message>
        <source>&amp;Modified Column</source>
        <translation>Colonne &amp;Modifié</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>À &amp;propos de Tresmolo...</translation>
    </message>
    <message>
        <source>The folder chosen to search</source>
        <translation>Le dossier choisi pour la recherche</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: it lies on a virtual file system (such as /proc or /sys), which is never searched.</source>
        <translation>Le dossier %1 lui-même n&apos;a pas été parcouru&#xa0;: il se trouve sur un système de fichiers virtuel (comme /proc ou /sys), qui n&apos;est jamais parcouru.</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: the switch &quot;%2&quot; in &quot;%3&quot; skips it.</source>
        <translation>Le dossier %1 lui-même n&apos;a pas été parcouru&#xa0;: l&apos;option «&#xa0;%2&#xa0;» du groupe «&#xa0;%3&#xa0;» l&apos;exclut.</translation>
    </message>
</context>
<context>
    <name>COutlookBar</name>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Outlook Bar</source>
        <translation>Barre de navigation</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Navigation Pane Pages</source>
        <translation>Pages de la barre de navigation</translation>
    </message>
</context>
<context>
    <name>CPendrakeView</name>
    <message>
        <source>View Selected File</source>
        <translation>Ouvrir le fichier sélectionné</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Ouvrir le dossier du fichier</translation>
    </message>
    <message>
        <source>Locate File in Explorer</source>
        <translation>Afficher le fichier dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Send File to Recycle Bin</source>
        <translation>Mettre le fichier à la corbeille</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Propriétés du fichier</translation>
    </message>
    <message>
        <source>Folder Properties</source>
        <translation>Propriétés du dossier</translation>
    </message>
    <message>
        <source>Open Selected Folder</source>
        <translation>Ouvrir le dossier sélectionné</translation>
    </message>
    <message>
        <source>Send Folder to Recycle Bin</source>
        <translation>Mettre le dossier à la corbeille</translation>
    </message>
    <message>
        <source>The list of files could not be written completely to %1 (%2). The incomplete file has been removed.</source>
        <translation>La liste des fichiers n&apos;a pas pu être entièrement écrite dans %1 (%2). Le fichier incomplet a été supprimé.</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <source>Please Select a Folder from the List of Folders (from the Left Hand Side) &amp; then Press the Start Button.</source>
        <translation>Veuillez sélectionner un dossier dans la liste des dossiers (à gauche) &amp; appuyer ensuite sur le bouton Lancer.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche en cours...</translation>
    </message>
    <message>
        <source>File Search for Folder %1, Started At %2</source>
        <translation>Recherche de fichiers dans le dossier %1, commencée à %2</translation>
    </message>
    <message>
        <source>File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). </source>
        <translation>Recherche de fichiers commencée à %1, arrêtée à %2. %3 dossier(s) parcouru(s). </translation>
    </message>
    <message>
        <source>File Search Stopped At %1.</source>
        <translation>Recherche de fichiers arrêtée à %1.</translation>
    </message>
    <message>
        <source>%1 Folder(s) Parsed. </source>
        <translation>%1 dossier(s) parcouru(s). </translation>
    </message>
    <message>
        <source>%1 Folder(s) Ignored. </source>
        <translation>%1 dossier(s) ignoré(s). </translation>
    </message>
    <message>
        <source>%1 Folder(s) Do Not Contain Files. </source>
        <translation>%1 dossier(s) sans fichier. </translation>
    </message>
    <message>
        <source>%1 File(s) Found.</source>
        <translation>%1 fichier(s) trouvé(s).</translation>
    </message>
    <message>
        <source>It Took Aound %1.</source>
        <translation>Durée&#xa0;: environ %1.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>The files found, or the search&apos;s status lines</source>
        <translation>Les fichiers trouvés, ou les lignes d&apos;état de la recherche</translation>
    </message>
    <message>
        <source>File List Headings</source>
        <translation>En-têtes de la liste des fichiers</translation>
    </message>
    <message>
        <source>Folder List</source>
        <translation>Liste des dossiers</translation>
    </message>
    <message>
        <source>The folders that hold found files, with their file counts</source>
        <translation>Les dossiers contenant des fichiers trouvés, avec leur nombre de fichiers</translation>
    </message>
    <message>
        <source>Folder List Headings</source>
        <translation>En-têtes de la liste des dossiers</translation>
    </message>
    <message>
        <source>%1 Folder(s) Could Not Be Opened (Too Many Open Files). </source>
        <translation>%1 dossier(s) non ouvert(s) (trop de fichiers ouverts). </translation>
    </message>
    <message>
        <source>%1 File(s) Could Not Be Read. </source>
        <translation>%1 fichier(s) illisible(s). </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>&amp;Home</source>
        <translation>A&amp;ccueil</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Modifier le style visuel</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Choisir l&apos;un des thèmes Office 2007</translation>
    </message>
    <message>
        <source>Folders To Ignore</source>
        <translation>Dossiers à ignorer</translation>
    </message>
    <message>
        <source>Files to Ignore</source>
        <translation>Fichiers à ignorer</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Lanceurs</translation>
    </message>
    <message>
        <source>Exporters</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Command Panel Tabs</source>
        <translation>Onglets du panneau de commandes</translation>
    </message>
    <message>
        <source>Opens a menu with the commands of this panel.</source>
        <translation>Ouvre un menu avec les commandes de ce groupe.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Searches a folder (and its sub-folders) for files, lists them with per-folder counts
and lets you act on them. With FOLDER, that folder is selected in the folder tree.</source>
        <translation>Cherche des fichiers dans un dossier et ses sous-dossiers, les liste avec leur nombre
par dossier et permet d&apos;agir dessus. FOLDER est sélectionné dans l&apos;arborescence.</translation>
    </message>
    <message>
        <source>Start a search in the selected folder at once, as the automatic search at start-up does.</source>
        <translation>Lancer tout de suite une recherche dans le dossier sélectionné, comme le fait la recherche automatique au démarrage.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Give one folder at most.</source>
        <translation>Indiquez au plus un dossier.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, given to Qt when they come before &quot;--&quot;:</source>
        <translation>Options propres à Qt, transmises à Qt lorsqu&apos;elles précèdent «&#xa0;--&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>The folder to select (and search): a path, or a local file:// URI. Every argument after &quot;--&quot; is a folder, even one that starts with &quot;-&quot;.</source>
        <translation>Le dossier à sélectionner (et à parcourir)&#xa0;: un chemin, ou un URI file:// local. Tout argument après «&#xa0;--&#xa0;» est un dossier, même s&apos;il commence par «&#xa0;-&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder on another computer (%2); only local folders can be searched.</source>
        <translation>«&#xa0;%1&#xa0;» désigne un dossier sur un autre ordinateur (%2)&#xa0;; seuls les dossiers locaux peuvent être parcourus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un URI de fichier valide.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Missing value after &quot;%1&quot;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown option: %1 (did you mean &quot;%2&quot;?)</source>
        <translation>Option inconnue&#xa0;: %1 (vouliez-vous dire «&#xa0;%2&#xa0;»&#xa0;?)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI: a &quot;/&quot; cannot be part of a name.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un URI de fichier valide&#xa0;: un «&#xa0;/&#xa0;» ne peut pas faire partie d&apos;un nom.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The entries of the folder &quot;%1&quot; cannot be examined: %2.</source>
        <translation>Les entrées du dossier «&#xa0;%1&#xa0;» ne peuvent pas être examinées&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>Le nom du dossier est vide.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: the current folder cannot be read: %2.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: le dossier courant ne peut pas être lu&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Caption Bar</source>
        <translation>Barre d&apos;informations</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Afficher ou masquer la barre d&apos;informations</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Afficher/masquer la barre d&apos;informations</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Ignore Windows Folder ( e.g C:\Windows ) While Searching.</source>
        <translation>Ignorer le dossier Windows (p. ex. C:\Windows) lors de la recherche.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Windows Folder</source>
        <translation>Ne pas chercher dans les fichiers du dossier Windows</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Ignore Programs Folder ( e.g C:\Program Files ) While Searching.</source>
        <translation>Ignorer le dossier des programmes (p. ex. C:\Program Files) lors de la recherche.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Program Files Folder</source>
        <translation>Ne pas chercher dans les fichiers du dossier des programmes</translation>
    </message>
    <message>
        <source>Hidden Files</source>
        <translation>Fichiers cachés</translation>
    </message>
    <message>
        <source>Ignore all Hidden Files in Search.</source>
        <translation>Ignorer tous les fichiers cachés lors de la recherche.</translation>
    </message>
    <message>
        <source>Skip Hidden Files when Searching.</source>
        <translation>Passer les fichiers cachés lors de la recherche.</translation>
    </message>
    <message>
        <source>Read Only Files</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Ignore all Read Only Files in Search.</source>
        <translation>Ignorer tous les fichiers en lecture seule lors de la recherche.</translation>
    </message>
    <message>
        <source>Skip Read Only Files in File Search.</source>
        <translation>Passer les fichiers en lecture seule lors de la recherche.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Start Searching of Files for the Selected Folder.</source>
        <translation>Lancer la recherche de fichiers dans le dossier sélectionné.</translation>
    </message>
    <message>
        <source>Start File(s) Search.</source>
        <translation>Lancer la recherche de fichiers.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop Searching of of Files for the Selected Folder.</source>
        <translation>Arrêter la recherche de fichiers dans le dossier sélectionné.</translation>
    </message>
    <message>
        <source>Stop Searching of File(s).</source>
        <translation>Arrêter la recherche de fichiers.</translation>
    </message>
    <message>
        <source>Search SubFolder(s)</source>
        <translation>Sous-dossiers</translation>
    </message>
    <message>
        <source>Search File(s) in Sub Folder(s) of the Selected Folder.</source>
        <translation>Rechercher aussi dans les sous-dossiers du dossier sélectionné.</translation>
    </message>
    <message>
        <source>Search Files in Sub Folder(s).</source>
        <translation>Rechercher dans les sous-dossiers.</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Nombre de fichiers</translation>
    </message>
    <message>
        <source>Display Number of Files Count in Every Folder when Loading Files.</source>
        <translation>Afficher le nombre de fichiers de chaque dossier lors du chargement.</translation>
    </message>
    <message>
        <source>Display Files Count in Every Folder</source>
        <translation>Afficher le nombre de fichiers par dossier</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Open Windows Explorer with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Ouvrir dans le gestionnaire de fichiers le dossier sélectionné dans l&apos;arborescence de ce programme.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Explorer</source>
        <translation>Ouvrir le dossier sélectionné dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Open Command Prompt Window with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Ouvrir un terminal dans le dossier sélectionné dans l&apos;arborescence de ce programme.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Command Prompt</source>
        <translation>Ouvrir le dossier sélectionné dans un terminal</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Ouvrir la corbeille</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>Export List of Files Visible in List to a Temporary file and Open It.</source>
        <translation>Exporter les fichiers visibles dans la liste vers un fichier temporaire et l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Export List of Files to a Temporary File.</source>
        <translation>Exporter la liste des fichiers vers un fichier temporaire.</translation>
    </message>
    <message>
        <source>Ignore Recycle Bin Folder(s) When Listing Files.</source>
        <translation>Ignorer les dossiers de la corbeille lors de l&apos;énumération des fichiers.</translation>
    </message>
    <message>
        <source>Do Not Search for Files in Recycle Bin.</source>
        <translation>Ne pas chercher de fichiers dans la corbeille.</translation>
    </message>
    <message>
        <source>Auto Search Last Folder</source>
        <translation>Au démarrage</translation>
    </message>
    <message>
        <source>Automatically Run the Last Search at Application Startup.</source>
        <translation>Relancer automatiquement la dernière recherche au démarrage de l&apos;application.</translation>
    </message>
    <message>
        <source>Auto Search File(s) at Startup</source>
        <translation>Recherche automatique au démarrage</translation>
    </message>
    <message>
        <source>AppData</source>
        <translation>AppData</translation>
    </message>
    <message>
        <source>Ignore App Data Folders when Searching Files in the Selected Folder.</source>
        <translation>Ignorer les dossiers de données d&apos;application lors de la recherche dans le dossier sélectionné.</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Application Data Folders.</source>
        <translation>Ne pas chercher de fichiers dans les dossiers de données d&apos;application.</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Cachés</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Hidden Folders.</source>
        <translation>Ne pas chercher de fichiers dans les dossiers cachés.</translation>
    </message>
    <message>
        <source>Ignore Hidden Folders.</source>
        <translation>Ignorer les dossiers cachés.</translation>
    </message>
    <message>
        <source>Display File List</source>
        <translation>Liste des fichiers</translation>
    </message>
    <message>
        <source>Display List of Files as they are found. This will require extra time to parse the selected folder.</source>
        <translation>Afficher les fichiers au fur et à mesure qu&apos;ils sont trouvés. Le parcours du dossier sélectionné prendra plus de temps.</translation>
    </message>
    <message>
        <source>Display File List in Upper List.</source>
        <translation>Afficher les fichiers dans la liste du haut.</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>Search Duplicate Files from the List by Comparing File Size</source>
        <translation>Chercher les doublons de la liste en comparant la taille des fichiers</translation>
    </message>
    <message>
        <source>Duplicate Files of Same Size</source>
        <translation>Doublons de même taille</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Open the Tresmolo User Guide</source>
        <translation>Ouvrir le guide de l&apos;utilisateur de Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Guide de l&apos;utilisateur de Tresmolo</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Ouvrir le dossier du fichier</translation>
    </message>
    <message>
        <source>Open Folder of Selected File</source>
        <translation>Ouvrir le dossier du fichier sélectionné</translation>
    </message>
    <message>
        <source>Display Selected File&apos;s Folder in Windows Explorer</source>
        <translation>Afficher le dossier du fichier sélectionné dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copier la sélection dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Co&amp;uper	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Couper la sélection et la placer dans le presse-papiers</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insérer le contenu du presse-papiers</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>À &amp;propos de Tresmolo...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Afficher/masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>Size Column</source>
        <translation>Colonne Taille</translation>
    </message>
    <message>
        <source>Show the size of every found file in the file list.</source>
        <translation>Afficher la taille de chaque fichier trouvé dans la liste des fichiers.</translation>
    </message>
    <message>
        <source>Show or Hide the Size Column</source>
        <translation>Afficher ou masquer la colonne Taille</translation>
    </message>
    <message>
        <source>Modified Column</source>
        <translation>Colonne Modifié</translation>
    </message>
    <message>
        <source>Show when every found file was last modified in the file list.</source>
        <translation>Afficher dans la liste des fichiers la date de dernière modification de chaque fichier trouvé.</translation>
    </message>
    <message>
        <source>Show or Hide the Modified Column</source>
        <translation>Afficher ou masquer la colonne Modifié</translation>
    </message>
</context>
<context>
    <name>ContentsCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Date et heure non valides</translation>
    </message>
    <message>
        <source>%1 Day </source>
        <translation>%1 jour </translation>
    </message>
    <message>
        <source>%1 Hour </source>
        <translation>%1 heure </translation>
    </message>
    <message>
        <source>%1 Minute </source>
        <translation>%1 minute </translation>
    </message>
    <message>
        <source>%1 Second</source>
        <translation>%1 seconde</translation>
    </message>
    <message>
        <source>%1 Days </source>
        <translation>%1 jours </translation>
    </message>
    <message>
        <source>%1 Hours </source>
        <translation>%1 heures </translation>
    </message>
    <message>
        <source>%1 Minutes </source>
        <translation>%1 minutes </translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 secondes</translation>
    </message>
</context>
<context>
    <name>DlgKeepRules</name>
    <message>
        <source>In a reference folder</source>
        <translation>Dans un dossier de référence</translation>
    </message>
    <message>
        <source>Oldest modified</source>
        <translation>Modification la plus ancienne</translation>
    </message>
    <message>
        <source>Newest modified</source>
        <translation>Modification la plus récente</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Chemin le plus court</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Chemin le plus long</translation>
    </message>
    <message>
        <source>First in the list</source>
        <translation>Premier de la liste</translation>
    </message>
    <message>
        <source>Select Files to Remove</source>
        <translation>Sélectionner les fichiers à supprimer</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Reference folders</source>
        <translation>Dossiers de référence</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Ajouter un dossier...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>The file that stays in each group is chosen by the first rule that tells the files apart:</source>
        <translation>Le fichier conservé dans chaque groupe est choisi par la première règle qui distingue les fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>Reference folders, first the most important (files in them are never checked, not even by Check All):</source>
        <translation>Dossiers de référence, le plus important en premier (leurs fichiers ne sont jamais cochés, pas même par «&#xa0;Tout cocher&#xa0;»)&#xa0;:</translation>
    </message>
    <message>
        <source>OK checks every other file of each group, except hard links of the file that stays.</source>
        <translation>«&#xa0;OK&#xa0;» coche tous les autres fichiers de chaque groupe, sauf les liens physiques du fichier conservé.</translation>
    </message>
    <message>
        <source>Add Reference Folder</source>
        <translation>Ajouter un dossier de référence</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Last File Found</source>
        <translation>Dernier fichier trouvé</translation>
    </message>
</context>
<context>
    <name>FolderListModel</name>
    <message>
        <source>Sr</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Fichiers</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>not reached</source>
        <translation>non atteint</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fait</translation>
    </message>
    <message>
        <source>in a reference folder</source>
        <translation>dans un dossier de référence</translation>
    </message>
    <message>
        <source>no unchanged copy stays in its group</source>
        <translation>aucune copie inchangée ne reste dans son groupe</translation>
    </message>
    <message>
        <source>in no group of identical contents</source>
        <translation>dans aucun groupe de contenu identique</translation>
    </message>
    <message>
        <source>already a hard link of the file that stays</source>
        <translation>déjà un lien physique du fichier conservé</translation>
    </message>
    <message>
        <source>already shares its space with the file that stays</source>
        <translation>partage déjà son espace avec le fichier conservé</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>changed since the contents check</source>
        <translation>modifié depuis la vérification du contenu</translation>
    </message>
    <message>
        <source>the file that stays changed</source>
        <translation>le fichier conservé a été modifié</translation>
    </message>
    <message>
        <source>on another file system than the file that stays</source>
        <translation>sur un autre système de fichiers que le fichier conservé</translation>
    </message>
    <message>
        <source>its file system cannot share space between files</source>
        <translation>son système de fichiers ne peut pas partager l&apos;espace entre fichiers</translation>
    </message>
    <message>
        <source>stopped part way</source>
        <translation>arrêté en cours de route</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>changed since it was listed</source>
        <translation>modifié depuis son affichage dans la liste</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ResultsFilterBox</name>
    <message>
        <source>Filter the found files by name or folder (Ctrl+F)</source>
        <translation>Filtrer les fichiers trouvés par nom ou dossier (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows only the files whose name or folder contains this text. Escape clears it.</source>
        <translation>N&apos;affiche que les fichiers dont le nom ou le dossier contient ce texte. Échap l&apos;efface.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Effacer le filtre</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>rows shown of all rows</comment>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Sr</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>hard link of #%1</source>
        <translation>lien physique de #%1</translation>
    </message>
    <message>
        <source>symbolic link</source>
        <translation>lien symbolique</translation>
    </message>
    <message>
        <source>changed since the scan</source>
        <translation>modifié depuis l&apos;analyse</translation>
    </message>
    <message>
        <source>keeps</source>
        <translation>conservé</translation>
    </message>
</context>
<context>
    <name>SearchFilters</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 octet(s)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>skipping %1 pattern(s)</source>
        <translation>%1 motif(s) ignoré(s)</translation>
    </message>
    <message>
        <source>name matches a wildcard</source>
        <translation>nom correspondant à un motif générique</translation>
    </message>
    <message>
        <source>name matches a regular expression</source>
        <translation>nom correspondant à une expression régulière</translation>
    </message>
    <message>
        <source>size at least %1</source>
        <translation>taille d&apos;au moins %1</translation>
    </message>
    <message>
        <source>size at most %1</source>
        <translation>taille d&apos;au plus %1</translation>
    </message>
    <message>
        <source>modified on or after %1</source>
        <translation>modifié à partir du %1</translation>
    </message>
    <message>
        <source>modified on or before %1</source>
        <translation>modifié jusqu&apos;au %1 inclus</translation>
    </message>
    <message>
        <source>modified in the last %1 day(s)</source>
        <translation>modifié dans les %1 dernier(s) jour(s)</translation>
    </message>
    <message>
        <source>contents match &quot;%1&quot;</source>
        <translation>contenu correspondant à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>contenant «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>binary files too</source>
        <translation>fichiers binaires compris</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
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
        <translation>Un nom ou motif par ligne, p. ex. node_modules</translation>
    </message>
    <message>
        <source>Folders and files whose name matches one of these patterns are skipped. A pattern matches the exact bytes of a name, case-sensitive: * stands for any run of characters, ? for one, [abc] for one of a set. A pattern holding / matches the path below the chosen folder (e.g. src/build), and one ending in / matches folders only.</source>
        <translation>Les dossiers et fichiers dont le nom correspond à l&apos;un de ces motifs sont ignorés. Un motif compare les octets exacts d&apos;un nom, en respectant la casse&#xa0;: * remplace toute suite de caractères, ? un seul caractère, [abc] un caractère de l&apos;ensemble. Un motif contenant / s&apos;applique au chemin sous le dossier choisi (p. ex. src/build), et un motif terminé par / ne s&apos;applique qu&apos;aux dossiers.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Adds a name that is often not worth searching.</source>
        <translation>Ajoute un nom qu&apos;il est rarement utile de parcourir.</translation>
    </message>
    <message>
        <source>S&amp;kip names:</source>
        <translation>&amp;Ignorer les noms&#xa0;:</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>contient</translation>
    </message>
    <message>
        <source>matches wildcard</source>
        <translation>correspond au motif générique</translation>
    </message>
    <message>
        <source>matches regular expression</source>
        <translation>correspond à l&apos;expression régulière</translation>
    </message>
    <message>
        <source>How the search word is matched against each file&apos;s name, without regard to case: found anywhere in it, as a wildcard pattern for the whole name, or as a regular expression.</source>
        <translation>Comment le mot recherché est comparé au nom de chaque fichier, sans tenir compte de la casse&#xa0;: présent n&apos;importe où dans le nom, comme motif générique pour le nom entier, ou comme expression régulière.</translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation>&amp;Nom du fichier</translation>
    </message>
    <message>
        <source>the search word</source>
        <translation>le mot recherché</translation>
    </message>
    <message>
        <source>At l&amp;east</source>
        <translation>Au m&amp;oins</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Taille minimale</translation>
    </message>
    <message>
        <source>Unit of the smallest size</source>
        <translation>Unité de la taille minimale</translation>
    </message>
    <message>
        <source>At m&amp;ost</source>
        <translation>Au pl&amp;us</translation>
    </message>
    <message>
        <source>Largest size</source>
        <translation>Taille maximale</translation>
    </message>
    <message>
        <source>Unit of the largest size</source>
        <translation>Unité de la taille maximale</translation>
    </message>
    <message>
        <source>Modified on or after this day</source>
        <translation>Modifié à partir de ce jour</translation>
    </message>
    <message>
        <source>Modified on or a&amp;fter</source>
        <translation>Modi&amp;fié à partir du</translation>
    </message>
    <message>
        <source>Modified on or before this day</source>
        <translation>Modifié jusqu&apos;à ce jour inclus</translation>
    </message>
    <message>
        <source>Modified on or &amp;before</source>
        <translation>Modifié &amp;jusqu&apos;au</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Nombre de jours</translation>
    </message>
    <message>
        <source>Modified in the &amp;last</source>
        <translation>Modifié dans &amp;les</translation>
    </message>
    <message>
        <source>days</source>
        <translation>derniers jours</translation>
    </message>
    <message>
        <source>Only files whose contents hold this text are found, without regard to case.</source>
        <translation>Seuls les fichiers dont le contenu comporte ce texte sont trouvés, sans tenir compte de la casse.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>Contenant le &amp;texte&#xa0;:</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>E&amp;xpression régulière</translation>
    </message>
    <message>
        <source>Search b&amp;inary files too</source>
        <translation>Chercher aussi dans les fichiers &amp;binaires</translation>
    </message>
    <message>
        <source>Also search files that look binary (a zero byte in their first 128 KB).</source>
        <translation>Chercher aussi dans les fichiers qui semblent binaires (un octet nul dans leurs 128 premiers Ko).</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Puts every one of these options back to its default.</source>
        <translation>Remet chacune de ces options à sa valeur par défaut.</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>1 KB is 1,024 bytes, 1 MB 1,024 KB, 1 GB 1,024 MB.</source>
        <translation>1 Ko vaut 1&#xa0;024 octets, 1 Mo 1&#xa0;024 Ko, 1 Go 1&#xa0;024 Mo.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be moved to the trash and stays where it is.</source>
        <translation>%1 n&apos;a pas pu être mis à la corbeille et reste à sa place.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>These %1 items could not be moved to the trash and stay where they are:

</source>
        <translation>Ces %1 éléments n&apos;ont pas pu être mis à la corbeille et restent à leur place&#xa0;:

</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the trash?</source>
        <translation>Voulez-vous mettre %1 à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>Voulez-vous mettre ces %1 éléments à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Moving %1 to the trash</source>
        <translation>Mise à la corbeille de %1</translation>
    </message>
    <message>
        <source>No terminal program was found. Install one, or name yours in the TERMINAL environment variable.</source>
        <translation>Aucun programme de terminal n&apos;a été trouvé. Installez-en un, ou indiquez le vôtre dans la variable d&apos;environnement TERMINAL.</translation>
    </message>
    <message>
        <source>No file manager was found to open the folder %1. Install one to open folders from here.</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a été trouvé pour ouvrir le dossier %1. Installez-en un pour ouvrir des dossiers d&apos;ici.</translation>
    </message>
</context>
<context>
    <name>Shell::PropertiesDialog</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Points to:</source>
        <translation>Pointe vers&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modifié&#xa0;:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permissions&#xa0;:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propriétaire&#xa0;:</translation>
    </message>
    <message>
        <source>%1, group %2</source>
        <translation>%1, groupe %2</translation>
    </message>
</context>
<context>
    <name>SwitchTips</name>
    <message>
        <source>Skips the system&apos;s programs folder, %1, while searching.</source>
        <translation>Ignore le dossier des programmes du système, %1, lors de la recherche.</translation>
    </message>
    <message>
        <source>Skips the folder of added programs, %1, while searching.</source>
        <translation>Ignore le dossier des programmes ajoutés, %1, lors de la recherche.</translation>
    </message>
    <message>
        <source>Skips the trash while searching: %1, and every folder named .Trash or .Trash- followed by digits.</source>
        <translation>Ignore la corbeille lors de la recherche&#xa0;: %1, et tout dossier nommé .Trash ou .Trash- suivi de chiffres.</translation>
    </message>
    <message>
        <source>Skips the application data folders while searching: %1.</source>
        <translation>Ignore les dossiers de données d&apos;application lors de la recherche&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Skips folders whose names start with a dot (.), and folders that cannot be examined, while searching.</source>
        <translation>Ignore les dossiers dont le nom commence par un point (.), et les dossiers qui ne peuvent pas être examinés, lors de la recherche.</translation>
    </message>
    <message>
        <source>Skips files whose names start with a dot (.) while searching.</source>
        <translation>Ignore les fichiers dont le nom commence par un point (.) lors de la recherche.</translation>
    </message>
    <message>
        <source>Skips files that nobody may write to (no write permission at all) while searching.</source>
        <translation>Ignore les fichiers que personne n&apos;a le droit de modifier (aucun droit d&apos;écriture) lors de la recherche.</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be used: %2</source>
        <translation>le dossier de corbeille %1 est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is on another volume than the home trash, and its own volume has no trash it can use (%1)</source>
        <translation>il se trouve sur un autre volume que la corbeille du dossier personnel, et son propre volume n&apos;a pas de corbeille utilisable (%1)</translation>
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
        <translation>Style &amp;bleu</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (style &amp;bleu)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>Style &amp;noir</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (style &amp;noir)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Style &amp;argent</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (style &amp;argent)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Style a&amp;qua</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (style a&amp;qua)</translation>
    </message>
    <message>
        <source>Office 200&amp;7</source>
        <translation>Office 200&amp;7</translation>
    </message>
</context>
</TS>
