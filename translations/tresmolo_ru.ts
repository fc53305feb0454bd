<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tresmolo</source>
        <translation>О программе Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo, Version %1</source>
        <translation>Tresmolo, версия %1</translation>
    </message>
    <message>
        <source>Support: see the user guide</source>
        <translation>Поддержка: см. руководство пользователя</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Руководство пользователя Tresmolo</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>Открыть руководство пользователя в браузере</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Пожертвовать</translation>
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
        <translation>Изменить оформление приложения</translation>
    </message>
    <message>
        <source>Application Button</source>
        <translation>Кнопка приложения</translation>
    </message>
    <message>
        <source>Switches to the next look. Alt+F opens the application menu.</source>
        <translation>Переключает на следующее оформление. Alt+F открывает меню приложения.</translation>
    </message>
</context>
<context>
    <name>CDlgDuplicateResults</name>
    <message>
        <source>Verify Contents</source>
        <translation>Сравнить содержимое</translation>
    </message>
    <message>
        <source>Compare the contents of the files of each group</source>
        <translation>Сравнить содержимое файлов в каждой группе</translation>
    </message>
    <message>
        <source>%1 group(s), %2 file(s), %3 in duplicates</source>
        <translation>Групп: %1, файлов: %2, в дубликатах: %3</translation>
    </message>
    <message>
        <source>Comparing the contents of the files...</source>
        <translation>Сравнение содержимого файлов...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This Window Displays Possibly Duplicate Files Grouped by File Size.

Files of Same Size Might be Duplicate or Different.

Have a Close Look before Deleting Any File(s).

Right Click to View Available Commands.

In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling.</source>
        <translation>В этом окне показаны возможные дубликаты файлов, сгруппированные по размеру.

Файлы одного размера могут быть как дубликатами, так и разными файлами.

Внимательно проверьте их, прежде чем удалять.

Щёлкните правой кнопкой мыши, чтобы увидеть доступные команды.

Если список файлов прокручивается, подождите, пока он не остановится.</translation>
    </message>
    <message>
        <source>Check the Files which you wish to Send to Recyle Bin and then try again.</source>
        <translation>Отметьте файлы, которые нужно переместить в корзину, и повторите попытку.</translation>
    </message>
    <message>
        <source>Duplicate Search Results - %1</source>
        <translation>Результаты поиска дубликатов - %1</translation>
    </message>
    <message>
        <source>Display Selected File(s) in Explorer</source>
        <translation>Показать выбранные файлы в файловом менеджере</translation>
    </message>
    <message>
        <source>Send Checked File(s) to Recycle Bin</source>
        <translation>Переместить отмеченные файлы в корзину</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Отметить все</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>Снять все отметки</translation>
    </message>
    <message>
        <source>Contents Check</source>
        <translation>Проверка содержимого</translation>
    </message>
    <message>
        <source>How many groups and files the list holds, and the space their extra copies take</source>
        <translation>Сколько групп и файлов в списке и сколько места занимают лишние копии</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>Keep one file of each group?

Yes keeps these files and sends the other checked files to the Recycle Bin:
%1

No sends every checked file to the Recycle Bin, the last copy of each group included.</source>
        <translation>Оставить по одному файлу из каждой группы?

«Да» оставляет эти файлы и перемещает остальные отмеченные файлы в корзину:
%1

«Нет» перемещает в корзину все отмеченные файлы, включая последнюю копию в каждой группе.</translation>
    </message>
    <message>
        <source>The contents cache could not be used: %1</source>
        <translation>Не удалось использовать кэш содержимого: %1</translation>
    </message>
    <message>
        <source>Duplicate Candidates</source>
        <translation>Возможные дубликаты</translation>
    </message>
    <message>
        <source>Files of equal size, one group after another; check the files to send to the Recycle Bin</source>
        <translation>Файлы одного размера, группа за группой; отметьте файлы, которые нужно переместить в корзину</translation>
    </message>
    <message>
        <source>Select Files to Remove...</source>
        <translation>Выбрать файлы для удаления...</translation>
    </message>
    <message>
        <source>Check the files of each group but the one that stays, by rules you choose</source>
        <translation>Отметить в каждой группе все файлы, кроме остающегося, по выбранным правилам</translation>
    </message>
    <message>
        <source>Replace Checked with Hard Links</source>
        <translation>Заменить отмеченные файлы жёсткими ссылками</translation>
    </message>
    <message>
        <source>Replace Checked with Shared Copies</source>
        <translation>Заменить отмеченные файлы общими копиями</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Check the files to replace with the file that stays in their group, then try again.</source>
        <translation>Отметьте файлы, которые нужно заменить остающимся файлом их группы, и повторите попытку.</translation>
    </message>
    <message>
        <source>Only files whose contents were compared can be replaced. Verify Contents first.</source>
        <translation>Заменить можно только файлы, содержимое которых было сравнено. Сначала выполните «Сравнить содержимое».</translation>
    </message>
    <message>
        <source>Replacing the checked files with hard links...</source>
        <translation>Замена отмеченных файлов жёсткими ссылками...</translation>
    </message>
    <message>
        <source>Sharing the space of the checked files...</source>
        <translation>Перевод отмеченных файлов на общее место на диске...</translation>
    </message>
    <message>
        <source>%1 file(s) replaced with hard links, %2 freed.</source>
        <translation>Заменено жёсткими ссылками файлов: %1, освобождено: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) now share their space with the file that stays, %2 freed.</source>
        <translation>Файлов, теперь занимающих общее место с остающимся файлом: %1, освобождено: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) skipped:</source>
        <translation>Пропущено файлов (%1):</translation>
    </message>
    <message>
        <source>%1: %2 file(s)</source>
        <translation>%1 — файлов: %2</translation>
    </message>
    <message>
        <source>Stopped before every checked file was done.</source>
        <translation>Остановлено до обработки всех отмеченных файлов.</translation>
    </message>
    <message>
        <source>The action log %1 could not be written: %2</source>
        <translation>Не удалось записать журнал действий %1: %2</translation>
    </message>
    <message>
        <source>%1 file(s) checked, %2 to free</source>
        <translation>отмечено файлов: %1, освободится: %2</translation>
    </message>
</context>
<context>
    <name>CDlgSearchParameters</name>
    <message>
        <source>Search by Partial or Full File Name</source>
        <translation>Поиск по части или полному имени файла</translation>
    </message>
    <message>
        <source>&amp;Search Word :</source>
        <translation>&amp;Искомое слово:</translation>
    </message>
    <message>
        <source>Search &amp;Path :</source>
        <translation>&amp;Путь поиска:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Specify Search Parameters - %1</source>
        <translation>Параметры поиска - %1</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2).</source>
        <translation>Недопустимое регулярное выражение: %1 (символ %2).</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1.</source>
        <translation>Недопустимое регулярное выражение: %1.</translation>
    </message>
    <message>
        <source>The words searched for last are in the list.</source>
        <translation>Последние искомые слова есть в списке.</translation>
    </message>
    <message>
        <source>Search Word</source>
        <translation>Искомое слово</translation>
    </message>
    <message>
        <source>Search Path</source>
        <translation>Путь поиска</translation>
    </message>
    <message>
        <source>&amp;More Options</source>
        <translation>&amp;Дополнительно</translation>
    </message>
    <message>
        <source>Shows or hides the options beyond the word: names to skip, how the word matches, size, date and text inside the files.</source>
        <translation>Показывает или скрывает параметры помимо слова: пропускаемые имена, способ сравнения слова, размер, дату и текст внутри файлов.</translation>
    </message>
</context>
<context>
    <name>CDlgSplash</name>
    <message>
        <source>File search for your folders</source>
        <translation>Поиск файлов в ваших папках</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>%1 Loading...</source>
        <translation>Загрузка %1...</translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Дерево папок</translation>
    </message>
    <message>
        <source>Choose the folder to search</source>
        <translation>Выберите папку для поиска</translation>
    </message>
</context>
<context>
    <name>CInfoBar</name>
    <message>
        <source>Important</source>
        <translation>Важно</translation>
    </message>
    <message>
        <source>Here is an informational message for the user.</source>
        <translation>Здесь показывается сообщение для пользователя.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Панель сведений</translation>
    </message>
    <message>
        <source>What to do next, or how the last search went</source>
        <translation>Что делать дальше или чем закончился последний поиск</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Filter Found Files</source>
        <translation>&amp;Фильтр найденных файлов</translation>
    </message>
    <message>
        <source>Show only the found files whose name or folder contains a text.</source>
        <translation>Показывать только найденные файлы, имя или папка которых содержит заданный текст.</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>С&amp;ледующая панель</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>П&amp;редыдущая панель</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>&amp;Оформление приложения</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Панель с&amp;ведений</translation>
    </message>
    <message>
        <source>&amp;Files Count in Every Folder</source>
        <translation>&amp;Число файлов в каждой папке</translation>
    </message>
    <message>
        <source>&amp;Display File List</source>
        <translation>Показывать с&amp;писок файлов</translation>
    </message>
    <message>
        <source>D&amp;uplicate Files of Same Size</source>
        <translation>&amp;Дубликаты файлов одного размера</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Selected Folder Will Appear Here</source>
        <translation>Здесь появится выбранная папка</translation>
    </message>
    <message>
        <source>Number of Files Found in Search.</source>
        <translation>Число найденных файлов.</translation>
    </message>
    <message>
        <source>File Count in List</source>
        <translation>Число файлов в списке</translation>
    </message>
    <message>
        <source>Select Folder from the Left Hand Side to be Searched.</source>
        <translation>Выберите слева папку для поиска.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Панель сведений</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. Changes made now may be lost when Tresmolo closes.</source>
        <translation>Не удаётся сохранить настройки в %1. Изменения, сделанные сейчас, могут быть потеряны при закрытии Tresmolo.</translation>
    </message>
    <message>
        <source>Please Select a Folder from the Folder List to Search for File(s).</source>
        <translation>Выберите в списке папок папку для поиска файлов.</translation>
    </message>
    <message>
        <source>Folder Name Selected from the Folder List will Appear Here.</source>
        <translation>Здесь появится имя папки, выбранной в списке папок.</translation>
    </message>
    <message>
        <source>Folder %1 Selected to Search File(s).</source>
        <translation>Для поиска файлов выбрана папка %1.</translation>
    </message>
    <message>
        <source>Press the Start Button to Start Searching File(s) from the Folder %1.</source>
        <translation>Нажмите кнопку «Пуск», чтобы начать поиск файлов в папке %1.</translation>
    </message>
    <message>
        <source>Si&amp;ze Column</source>
        <translation>Столбец «Ра&amp;змер»</translation>
    </message>
    <message>
        <source>&amp;Modified Column</source>
        <translation>Столбец «&amp;Изменён»</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>&amp;О программе Tresmolo...</translation>
    </message>
    <message>
        <source>The folder chosen to search</source>
        <translation>Папка, выбранная для поиска</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: it lies on a virtual file system (such as /proc or /sys), which is never searched.</source>
        <translation>Сама папка %1 не просматривалась: она находится в виртуальной файловой системе (например, /proc или /sys), где поиск никогда не выполняется.</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: the switch &quot;%2&quot; in &quot;%3&quot; skips it.</source>
        <translation>Сама папка %1 не просматривалась: её пропускает переключатель «%2» в группе «%3».</translation>
    </message>
</context>
<context>
    <name>COutlookBar</name>
    <message>
        <source>Shortcuts</source>
        <translation>Ярлыки</translation>
    </message>
    <message>
        <source>Outlook Bar</source>
        <translation>Панель навигации</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Navigation Pane Pages</source>
        <translation>Страницы панели навигации</translation>
    </message>
</context>
<context>
    <name>CPendrakeView</name>
    <message>
        <source>View Selected File</source>
        <translation>Открыть выбранный файл</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Открыть папку файла</translation>
    </message>
    <message>
        <source>Locate File in Explorer</source>
        <translation>Показать файл в файловом менеджере</translation>
    </message>
    <message>
        <source>Send File to Recycle Bin</source>
        <translation>Переместить файл в корзину</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Свойства файла</translation>
    </message>
    <message>
        <source>Folder Properties</source>
        <translation>Свойства папки</translation>
    </message>
    <message>
        <source>Open Selected Folder</source>
        <translation>Открыть выбранную папку</translation>
    </message>
    <message>
        <source>Send Folder to Recycle Bin</source>
        <translation>Переместить папку в корзину</translation>
    </message>
    <message>
        <source>The list of files could not be written completely to %1 (%2). The incomplete file has been removed.</source>
        <translation>Не удалось полностью записать список файлов в %1 (%2). Неполный файл удалён.</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Копировать путь</translation>
    </message>
    <message>
        <source>Please Select a Folder from the List of Folders (from the Left Hand Side) &amp; then Press the Start Button.</source>
        <translation>Выберите папку в списке папок (слева) &amp; затем нажмите кнопку «Пуск».</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Идёт поиск...</translation>
    </message>
    <message>
        <source>File Search for Folder %1, Started At %2</source>
        <translation>Поиск файлов в папке %1, начат в %2</translation>
    </message>
    <message>
        <source>File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). </source>
        <translation>Поиск файлов начат в %1, остановлен в %2. Просмотрено папок: %3. </translation>
    </message>
    <message>
        <source>File Search Stopped At %1.</source>
        <translation>Поиск файлов остановлен в %1.</translation>
    </message>
    <message>
        <source>%1 Folder(s) Parsed. </source>
        <translation>Просмотрено папок: %1. </translation>
    </message>
    <message>
        <source>%1 Folder(s) Ignored. </source>
        <translation>Пропущено папок: %1. </translation>
    </message>
    <message>
        <source>%1 Folder(s) Do Not Contain Files. </source>
        <translation>Папок без файлов: %1. </translation>
    </message>
    <message>
        <source>%1 File(s) Found.</source>
        <translation>Найдено файлов: %1.</translation>
    </message>
    <message>
        <source>It Took Aound %1.</source>
        <translation>Длительность: около %1.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Список файлов</translation>
    </message>
    <message>
        <source>The files found, or the search&apos;s status lines</source>
        <translation>Найденные файлы или строки состояния поиска</translation>
    </message>
    <message>
        <source>File List Headings</source>
        <translation>Заголовки списка файлов</translation>
    </message>
    <message>
        <source>Folder List</source>
        <translation>Список папок</translation>
    </message>
    <message>
        <source>The folders that hold found files, with their file counts</source>
        <translation>Папки, в которых найдены файлы, с числом файлов</translation>
    </message>
    <message>
        <source>Folder List Headings</source>
        <translation>Заголовки списка папок</translation>
    </message>
    <message>
        <source>%1 Folder(s) Could Not Be Opened (Too Many Open Files). </source>
        <translation>Не открыто папок (слишком много открытых файлов): %1. </translation>
    </message>
    <message>
        <source>%1 File(s) Could Not Be Read. </source>
        <translation>Не прочитано файлов: %1. </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Главная</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Стиль</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Изменить стиль оформления</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Выбрать одну из тем Office 2007</translation>
    </message>
    <message>
        <source>Folders To Ignore</source>
        <translation>Исключаемые папки</translation>
    </message>
    <message>
        <source>Files to Ignore</source>
        <translation>Исключаемые файлы</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>Поиск файлов</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Exporters</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Command Panel Tabs</source>
        <translation>Вкладки панели команд</translation>
    </message>
    <message>
        <source>Opens a menu with the commands of this panel.</source>
        <translation>Открывает меню с командами этой группы.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Searches a folder (and its sub-folders) for files, lists them with per-folder counts
and lets you act on them. With FOLDER, that folder is selected in the folder tree.</source>
        <translation>Ищет файлы в папке (и её подпапках), выводит их списком с числом файлов по папкам
и позволяет работать с ними. С FOLDER эта папка выбирается в дереве папок.</translation>
    </message>
    <message>
        <source>Start a search in the selected folder at once, as the automatic search at start-up does.</source>
        <translation>Сразу начать поиск в выбранной папке, как это делает автоматический поиск при запуске.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Папка «%1» не существует.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>«%1» не является папкой.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Дополнительную информацию можно получить по команде «%1 --help».</translation>
    </message>
    <message>
        <source>Give one folder at most.</source>
        <translation>Укажите не больше одной папки.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, given to Qt when they come before &quot;--&quot;:</source>
        <translation>Собственные параметры Qt; передаются Qt, если стоят перед «--»:</translation>
    </message>
    <message>
        <source>The folder to select (and search): a path, or a local file:// URI. Every argument after &quot;--&quot; is a folder, even one that starts with &quot;-&quot;.</source>
        <translation>Папка, которую нужно выбрать (и в которой искать): путь или локальный URI file://. Каждый аргумент после «--» считается папкой, даже если начинается с «-».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder on another computer (%2); only local folders can be searched.</source>
        <translation>«%1» указывает на папку на другом компьютере (%2); искать можно только в локальных папках.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI.</source>
        <translation>«%1» не является допустимым URI файла.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Не удаётся открыть папку «%1»: %2.</translation>
    </message>
    <message>
        <source>Missing value after &quot;%1&quot;.</source>
        <translation>Отсутствует значение после «%1».</translation>
    </message>
    <message>
        <source>Unknown option: %1 (did you mean &quot;%2&quot;?)</source>
        <translation>Неизвестный параметр: %1 (возможно, имелся в виду «%2»?)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Неизвестный параметр: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI: a &quot;/&quot; cannot be part of a name.</source>
        <translation>«%1» не является допустимым URI файла: имя не может содержать «/».</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>Не удаётся прочитать папку «%1»: %2.</translation>
    </message>
    <message>
        <source>The entries of the folder &quot;%1&quot; cannot be examined: %2.</source>
        <translation>Не удаётся проверить элементы папки «%1»: %2.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>Имя папки пустое.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: the current folder cannot be read: %2.</source>
        <translation>Не удаётся открыть папку «%1»: не удаётся прочитать текущую папку: %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Caption Bar</source>
        <translation>Панель сведений</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Показать или скрыть панель сведений</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Показать/скрыть панель сведений</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Ignore Windows Folder ( e.g C:\Windows ) While Searching.</source>
        <translation>Пропускать при поиске папку Windows (напр. C:\Windows).</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Windows Folder</source>
        <translation>Не искать среди файлов папки Windows</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Ignore Programs Folder ( e.g C:\Program Files ) While Searching.</source>
        <translation>Пропускать при поиске папку программ (напр. C:\Program Files).</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Program Files Folder</source>
        <translation>Не искать среди файлов папки программ</translation>
    </message>
    <message>
        <source>Hidden Files</source>
        <translation>Скрытые файлы</translation>
    </message>
    <message>
        <source>Ignore all Hidden Files in Search.</source>
        <translation>Пропускать при поиске все скрытые файлы.</translation>
    </message>
    <message>
        <source>Skip Hidden Files when Searching.</source>
        <translation>Пропускать скрытые файлы при поиске.</translation>
    </message>
    <message>
        <source>Read Only Files</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>Ignore all Read Only Files in Search.</source>
        <translation>Пропускать при поиске все файлы только для чтения.</translation>
    </message>
    <message>
        <source>Skip Read Only Files in File Search.</source>
        <translation>Пропускать файлы только для чтения при поиске файлов.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Start Searching of Files for the Selected Folder.</source>
        <translation>Начать поиск файлов в выбранной папке.</translation>
    </message>
    <message>
        <source>Start File(s) Search.</source>
        <translation>Начать поиск файлов.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stop Searching of of Files for the Selected Folder.</source>
        <translation>Остановить поиск файлов в выбранной папке.</translation>
    </message>
    <message>
        <source>Stop Searching of File(s).</source>
        <translation>Остановить поиск файлов.</translation>
    </message>
    <message>
        <source>Search SubFolder(s)</source>
        <translation>Подпапки</translation>
    </message>
    <message>
        <source>Search File(s) in Sub Folder(s) of the Selected Folder.</source>
        <translation>Искать файлы и во вложенных папках выбранной папки.</translation>
    </message>
    <message>
        <source>Search Files in Sub Folder(s).</source>
        <translation>Искать файлы во вложенных папках.</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Число файлов</translation>
    </message>
    <message>
        <source>Display Number of Files Count in Every Folder when Loading Files.</source>
        <translation>Показывать число файлов в каждой папке при загрузке файлов.</translation>
    </message>
    <message>
        <source>Display Files Count in Every Folder</source>
        <translation>Показывать число файлов в каждой папке</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Файловый менеджер</translation>
    </message>
    <message>
        <source>Open Windows Explorer with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Открыть в файловом менеджере папку, выбранную в дереве папок этой программы.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Explorer</source>
        <translation>Открыть выбранную папку в файловом менеджере</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>Терминал</translation>
    </message>
    <message>
        <source>Open Command Prompt Window with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Открыть терминал в папке, выбранной в дереве папок этой программы.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Command Prompt</source>
        <translation>Открыть выбранную папку в терминале</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Открыть корзину</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Экспорт списка</translation>
    </message>
    <message>
        <source>Export List of Files Visible in List to a Temporary file and Open It.</source>
        <translation>Экспортировать видимые в списке файлы во временный файл и открыть его.</translation>
    </message>
    <message>
        <source>Export List of Files to a Temporary File.</source>
        <translation>Экспортировать список файлов во временный файл.</translation>
    </message>
    <message>
        <source>Ignore Recycle Bin Folder(s) When Listing Files.</source>
        <translation>Пропускать папки корзины при перечислении файлов.</translation>
    </message>
    <message>
        <source>Do Not Search for Files in Recycle Bin.</source>
        <translation>Не искать файлы в корзине.</translation>
    </message>
    <message>
        <source>Auto Search Last Folder</source>
        <translation>При запуске</translation>
    </message>
    <message>
        <source>Automatically Run the Last Search at Application Startup.</source>
        <translation>Автоматически повторять последний поиск при запуске приложения.</translation>
    </message>
    <message>
        <source>Auto Search File(s) at Startup</source>
        <translation>Автоматический поиск при запуске</translation>
    </message>
    <message>
        <source>AppData</source>
        <translation>AppData</translation>
    </message>
    <message>
        <source>Ignore App Data Folders when Searching Files in the Selected Folder.</source>
        <translation>Пропускать папки данных приложений при поиске файлов в выбранной папке.</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Application Data Folders.</source>
        <translation>Не искать файлы в папках данных приложений.</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Скрытые</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Hidden Folders.</source>
        <translation>Не искать файлы в скрытых папках.</translation>
    </message>
    <message>
        <source>Ignore Hidden Folders.</source>
        <translation>Пропускать скрытые папки.</translation>
    </message>
    <message>
        <source>Display File List</source>
        <translation>Список файлов</translation>
    </message>
    <message>
        <source>Display List of Files as they are found. This will require extra time to parse the selected folder.</source>
        <translation>Показывать файлы по мере их нахождения. Просмотр выбранной папки займёт больше времени.</translation>
    </message>
    <message>
        <source>Display File List in Upper List.</source>
        <translation>Показывать файлы в верхнем списке.</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Дубликаты</translation>
    </message>
    <message>
        <source>Search Duplicate Files from the List by Comparing File Size</source>
        <translation>Искать дубликаты файлов в списке, сравнивая размеры файлов</translation>
    </message>
    <message>
        <source>Duplicate Files of Same Size</source>
        <translation>Дубликаты файлов одного размера</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Open the Tresmolo User Guide</source>
        <translation>Открыть руководство пользователя Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Руководство пользователя Tresmolo</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Открыть папку файла</translation>
    </message>
    <message>
        <source>Open Folder of Selected File</source>
        <translation>Открыть папку выбранного файла</translation>
    </message>
    <message>
        <source>Display Selected File&apos;s Folder in Windows Explorer</source>
        <translation>Показать папку выбранного файла в файловом менеджере</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Копировать	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Скопировать выделенное в буфер обмена</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Вырезать	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Вырезать выделенное и поместить в буфер обмена</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>Вст&amp;авить	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Вставить содержимое буфера обмена</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Отменить	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Отменить последнее действие</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>&amp;О программе Tresmolo...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показать сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Завершить работу приложения</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Показать/скрыть строку состояния</translation>
    </message>
    <message>
        <source>Size Column</source>
        <translation>Столбец «Размер»</translation>
    </message>
    <message>
        <source>Show the size of every found file in the file list.</source>
        <translation>Показывать размер каждого найденного файла в списке файлов.</translation>
    </message>
    <message>
        <source>Show or Hide the Size Column</source>
        <translation>Показать/скрыть столбец «Размер»</translation>
    </message>
    <message>
        <source>Modified Column</source>
        <translation>Столбец «Изменён»</translation>
    </message>
    <message>
        <source>Show when every found file was last modified in the file list.</source>
        <translation>Показывать в списке файлов время последнего изменения каждого найденного файла.</translation>
    </message>
    <message>
        <source>Show or Hide the Modified Column</source>
        <translation>Показать/скрыть столбец «Изменён»</translation>
    </message>
</context>
<context>
    <name>ContentsCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Недопустимые дата и время</translation>
    </message>
    <message>
        <source>%1 Day </source>
        <translation>%1 дн. </translation>
    </message>
    <message>
        <source>%1 Hour </source>
        <translation>%1 ч </translation>
    </message>
    <message>
        <source>%1 Minute </source>
        <translation>%1 мин </translation>
    </message>
    <message>
        <source>%1 Second</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 Days </source>
        <translation>%1 дн. </translation>
    </message>
    <message>
        <source>%1 Hours </source>
        <translation>%1 ч </translation>
    </message>
    <message>
        <source>%1 Minutes </source>
        <translation>%1 мин </translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 с</translation>
    </message>
</context>
<context>
    <name>DlgKeepRules</name>
    <message>
        <source>In a reference folder</source>
        <translation>В эталонной папке</translation>
    </message>
    <message>
        <source>Oldest modified</source>
        <translation>Изменён раньше всех</translation>
    </message>
    <message>
        <source>Newest modified</source>
        <translation>Изменён позже всех</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Самый короткий путь</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Самый длинный путь</translation>
    </message>
    <message>
        <source>First in the list</source>
        <translation>Первый в списке</translation>
    </message>
    <message>
        <source>Select Files to Remove</source>
        <translation>Выбор файлов для удаления</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Reference folders</source>
        <translation>Эталонные папки</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Добавить папку...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>The file that stays in each group is chosen by the first rule that tells the files apart:</source>
        <translation>Остающийся в каждой группе файл выбирается по первому правилу, которое различает файлы:</translation>
    </message>
    <message>
        <source>Reference folders, first the most important (files in them are never checked, not even by Check All):</source>
        <translation>Эталонные папки, сначала самая важная (файлы в них никогда не отмечаются, даже командой «Отметить все»):</translation>
    </message>
    <message>
        <source>OK checks every other file of each group, except hard links of the file that stays.</source>
        <translation>«OK» отмечает все остальные файлы каждой группы, кроме жёстких ссылок на остающийся файл.</translation>
    </message>
    <message>
        <source>Add Reference Folder</source>
        <translation>Добавить эталонную папку</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Last File Found</source>
        <translation>Последний найденный файл</translation>
    </message>
</context>
<context>
    <name>FolderListModel</name>
    <message>
        <source>Sr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Файлов</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>Home</source>
        <translation>Домашняя папка</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>not reached</source>
        <translation>не обработан</translation>
    </message>
    <message>
        <source>done</source>
        <translation>выполнено</translation>
    </message>
    <message>
        <source>in a reference folder</source>
        <translation>в эталонной папке</translation>
    </message>
    <message>
        <source>no unchanged copy stays in its group</source>
        <translation>в группе не остаётся неизменённой копии</translation>
    </message>
    <message>
        <source>in no group of identical contents</source>
        <translation>не входит в группу с одинаковым содержимым</translation>
    </message>
    <message>
        <source>already a hard link of the file that stays</source>
        <translation>уже жёсткая ссылка на остающийся файл</translation>
    </message>
    <message>
        <source>already shares its space with the file that stays</source>
        <translation>уже занимает общее место с остающимся файлом</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пустой</translation>
    </message>
    <message>
        <source>changed since the contents check</source>
        <translation>изменён после проверки содержимого</translation>
    </message>
    <message>
        <source>the file that stays changed</source>
        <translation>остающийся файл изменён</translation>
    </message>
    <message>
        <source>on another file system than the file that stays</source>
        <translation>в другой файловой системе, чем остающийся файл</translation>
    </message>
    <message>
        <source>its file system cannot share space between files</source>
        <translation>файловая система не поддерживает общее место для файлов</translation>
    </message>
    <message>
        <source>stopped part way</source>
        <translation>остановлено на полпути</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>changed since it was listed</source>
        <translation>изменён после попадания в список</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
</context>
<context>
    <name>ResultsFilterBox</name>
    <message>
        <source>Filter the found files by name or folder (Ctrl+F)</source>
        <translation>Фильтр найденных файлов по имени или папке (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows only the files whose name or folder contains this text. Escape clears it.</source>
        <translation>Показывает только файлы, имя или папка которых содержит этот текст. Esc очищает поле.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Очистить фильтр</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>rows shown of all rows</comment>
        <translation>%1 из %2</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Sr</source>
        <translation>№</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержимое</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>hard link of #%1</source>
        <translation>жёсткая ссылка на №%1</translation>
    </message>
    <message>
        <source>symbolic link</source>
        <translation>символьная ссылка</translation>
    </message>
    <message>
        <source>changed since the scan</source>
        <translation>изменён после просмотра</translation>
    </message>
    <message>
        <source>keeps</source>
        <translation>остаётся</translation>
    </message>
</context>
<context>
    <name>SearchFilters</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>skipping %1 pattern(s)</source>
        <translation>шаблонов пропуска: %1</translation>
    </message>
    <message>
        <source>name matches a wildcard</source>
        <translation>имя соответствует шаблону</translation>
    </message>
    <message>
        <source>name matches a regular expression</source>
        <translation>имя соответствует регулярному выражению</translation>
    </message>
    <message>
        <source>size at least %1</source>
        <translation>размер не меньше %1</translation>
    </message>
    <message>
        <source>size at most %1</source>
        <translation>размер не больше %1</translation>
    </message>
    <message>
        <source>modified on or after %1</source>
        <translation>изменён не ранее %1</translation>
    </message>
    <message>
        <source>modified on or before %1</source>
        <translation>изменён не позднее %1</translation>
    </message>
    <message>
        <source>modified in the last %1 day(s)</source>
        <translation>изменён не более %1 дн. назад</translation>
    </message>
    <message>
        <source>contents match &quot;%1&quot;</source>
        <translation>содержимое соответствует «%1»</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>содержит «%1»</translation>
    </message>
    <message>
        <source>binary files too</source>
        <translation>включая двоичные файлы</translation>
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
        <translation>По одному имени или шаблону в строке, напр. node_modules</translation>
    </message>
    <message>
        <source>Folders and files whose name matches one of these patterns are skipped. A pattern matches the exact bytes of a name, case-sensitive: * stands for any run of characters, ? for one, [abc] for one of a set. A pattern holding / matches the path below the chosen folder (e.g. src/build), and one ending in / matches folders only.</source>
        <translation>Папки и файлы, имя которых соответствует одному из этих шаблонов, пропускаются. Шаблон сравнивается с точными байтами имени, с учётом регистра: * обозначает любую последовательность символов, ? — один символ, [abc] — один символ из набора. Шаблон, содержащий /, сравнивается с путём внутри выбранной папки (напр. src/build), а шаблон, оканчивающийся на /, подходит только для папок.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Доб&amp;авить</translation>
    </message>
    <message>
        <source>Adds a name that is often not worth searching.</source>
        <translation>Добавляет имя, в котором обычно нет смысла искать.</translation>
    </message>
    <message>
        <source>S&amp;kip names:</source>
        <translation>Пропус&amp;кать имена:</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>содержит</translation>
    </message>
    <message>
        <source>matches wildcard</source>
        <translation>соответствует шаблону</translation>
    </message>
    <message>
        <source>matches regular expression</source>
        <translation>соответствует рег. выражению</translation>
    </message>
    <message>
        <source>How the search word is matched against each file&apos;s name, without regard to case: found anywhere in it, as a wildcard pattern for the whole name, or as a regular expression.</source>
        <translation>Как искомое слово сравнивается с именем каждого файла, без учёта регистра: в любом месте имени, как шаблон для всего имени или как регулярное выражение.</translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation>Имя &amp;файла</translation>
    </message>
    <message>
        <source>the search word</source>
        <translation>искомое слово</translation>
    </message>
    <message>
        <source>At l&amp;east</source>
        <translation>Не &amp;меньше</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Минимальный размер</translation>
    </message>
    <message>
        <source>Unit of the smallest size</source>
        <translation>Единица минимального размера</translation>
    </message>
    <message>
        <source>At m&amp;ost</source>
        <translation>Не &amp;больше</translation>
    </message>
    <message>
        <source>Largest size</source>
        <translation>Максимальный размер</translation>
    </message>
    <message>
        <source>Unit of the largest size</source>
        <translation>Единица максимального размера</translation>
    </message>
    <message>
        <source>Modified on or after this day</source>
        <translation>Изменён в этот день или позже</translation>
    </message>
    <message>
        <source>Modified on or a&amp;fter</source>
        <translation>Изменён не &amp;ранее</translation>
    </message>
    <message>
        <source>Modified on or before this day</source>
        <translation>Изменён в этот день или раньше</translation>
    </message>
    <message>
        <source>Modified on or &amp;before</source>
        <translation>Изменён не по&amp;зднее</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Количество дней</translation>
    </message>
    <message>
        <source>Modified in the &amp;last</source>
        <translation>Изменён за посл&amp;едние</translation>
    </message>
    <message>
        <source>days</source>
        <translation>дн.</translation>
    </message>
    <message>
        <source>Only files whose contents hold this text are found, without regard to case.</source>
        <translation>Находятся только файлы, содержимое которых включает этот текст, без учёта регистра.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>Содержит &amp;текст:</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Ре&amp;гулярное выражение</translation>
    </message>
    <message>
        <source>Search b&amp;inary files too</source>
        <translation>Искать и в д&amp;воичных файлах</translation>
    </message>
    <message>
        <source>Also search files that look binary (a zero byte in their first 128 KB).</source>
        <translation>Искать также в файлах, похожих на двоичные (нулевой байт в первых 128 КБ).</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>Puts every one of these options back to its default.</source>
        <translation>Возвращает всем этим параметрам значения по умолчанию.</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>1 KB is 1,024 bytes, 1 MB 1,024 KB, 1 GB 1,024 MB.</source>
        <translation>1 КБ = 1024 байта, 1 МБ = 1024 КБ, 1 ГБ = 1024 МБ.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be moved to the trash and stays where it is.</source>
        <translation>Не удалось переместить в корзину %1; объект остаётся на месте.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>These %1 items could not be moved to the trash and stay where they are:

</source>
        <translation>Не удалось переместить в корзину объекты (%1); они остаются на месте:

</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the trash?</source>
        <translation>Переместить %1 в корзину?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>Переместить эти объекты (%1) в корзину?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Moving %1 to the trash</source>
        <translation>Перемещение %1 в корзину</translation>
    </message>
    <message>
        <source>No terminal program was found. Install one, or name yours in the TERMINAL environment variable.</source>
        <translation>Программа терминала не найдена. Установите её или укажите свою в переменной окружения TERMINAL.</translation>
    </message>
    <message>
        <source>No file manager was found to open the folder %1. Install one to open folders from here.</source>
        <translation>Не найден файловый менеджер, чтобы открыть папку %1. Установите его, чтобы открывать папки отсюда.</translation>
    </message>
</context>
<context>
    <name>Shell::PropertiesDialog</name>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Ссылка</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>Свойства: %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не читается: %1</translation>
    </message>
    <message>
        <source>Points to:</source>
        <translation>Указывает на:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Изменён:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Права доступа:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Владелец:</translation>
    </message>
    <message>
        <source>%1, group %2</source>
        <translation>%1, группа %2</translation>
    </message>
</context>
<context>
    <name>SwitchTips</name>
    <message>
        <source>Skips the system&apos;s programs folder, %1, while searching.</source>
        <translation>При поиске пропускает системную папку программ %1.</translation>
    </message>
    <message>
        <source>Skips the folder of added programs, %1, while searching.</source>
        <translation>При поиске пропускает папку дополнительно установленных программ %1.</translation>
    </message>
    <message>
        <source>Skips the trash while searching: %1, and every folder named .Trash or .Trash- followed by digits.</source>
        <translation>При поиске пропускает корзину: %1, а также все папки с именем .Trash или .Trash- с цифрами после дефиса.</translation>
    </message>
    <message>
        <source>Skips the application data folders while searching: %1.</source>
        <translation>При поиске пропускает папки данных приложений: %1.</translation>
    </message>
    <message>
        <source>Skips folders whose names start with a dot (.), and folders that cannot be examined, while searching.</source>
        <translation>При поиске пропускает папки, имена которых начинаются с точки (.), и папки, которые нельзя просмотреть.</translation>
    </message>
    <message>
        <source>Skips files whose names start with a dot (.) while searching.</source>
        <translation>При поиске пропускает файлы, имена которых начинаются с точки (.).</translation>
    </message>
    <message>
        <source>Skips files that nobody may write to (no write permission at all) while searching.</source>
        <translation>При поиске пропускает файлы, в которые никто не может записывать (нет ни одного права на запись).</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be used: %2</source>
        <translation>папку корзины %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>it is on another volume than the home trash, and its own volume has no trash it can use (%1)</source>
        <translation>объект находится не на том томе, что корзина домашней папки, а на его томе нет пригодной корзины (%1)</translation>
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
        <translation>&amp;Синий стиль</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 (&amp;синий стиль)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>&amp;Чёрный стиль</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (&amp;чёрный стиль)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Се&amp;ребристый стиль</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (се&amp;ребристый стиль)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>Стиль «&amp;Аква»</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 (стиль «&amp;Аква»)</translation>
    </message>
    <message>
        <source>Office 200&amp;7</source>
        <translation>Office 200&amp;7</translation>
    </message>
</context>
</TS>
