<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tresmolo</source>
        <translation>关于 Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo, Version %1</source>
        <translation>Tresmolo，版本 %1</translation>
    </message>
    <message>
        <source>Support: see the user guide</source>
        <translation>支持：请参阅用户指南</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Tresmolo 用户指南</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>在浏览器中打开用户指南</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>捐赠</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CCustomMFCRibbonApplicationButton</name>
    <message>
        <source>Change Application Appearance</source>
        <translation>更改应用程序外观</translation>
    </message>
    <message>
        <source>Application Button</source>
        <translation>应用程序按钮</translation>
    </message>
    <message>
        <source>Switches to the next look. Alt+F opens the application menu.</source>
        <translation>切换到下一种外观。按 Alt+F 打开应用程序菜单。</translation>
    </message>
</context>
<context>
    <name>CDlgDuplicateResults</name>
    <message>
        <source>Verify Contents</source>
        <translation>校验内容</translation>
    </message>
    <message>
        <source>Compare the contents of the files of each group</source>
        <translation>比较每组中文件的内容</translation>
    </message>
    <message>
        <source>%1 group(s), %2 file(s), %3 in duplicates</source>
        <translation>%1 组，%2 个文件，重复部分 %3</translation>
    </message>
    <message>
        <source>Comparing the contents of the files...</source>
        <translation>正在比较文件内容...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This Window Displays Possibly Duplicate Files Grouped by File Size.

Files of Same Size Might be Duplicate or Different.

Have a Close Look before Deleting Any File(s).

Right Click to View Available Commands.

In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling.</source>
        <translation>此窗口按文件大小分组显示可能重复的文件。

大小相同的文件可能重复，也可能不同。

删除任何文件之前请仔细查看。

右键单击可查看可用的命令。

如果文件列表正在滚动，请等待它停止滚动。</translation>
    </message>
    <message>
        <source>Check the Files which you wish to Send to Recyle Bin and then try again.</source>
        <translation>请勾选要移到回收站的文件，然后重试。</translation>
    </message>
    <message>
        <source>Duplicate Search Results - %1</source>
        <translation>重复文件搜索结果 - %1</translation>
    </message>
    <message>
        <source>Display Selected File(s) in Explorer</source>
        <translation>在文件管理器中显示所选文件</translation>
    </message>
    <message>
        <source>Send Checked File(s) to Recycle Bin</source>
        <translation>将勾选的文件移到回收站</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>全部勾选</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>全部取消勾选</translation>
    </message>
    <message>
        <source>Contents Check</source>
        <translation>内容检查</translation>
    </message>
    <message>
        <source>How many groups and files the list holds, and the space their extra copies take</source>
        <translation>列表中的组数和文件数，以及多余副本占用的空间</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>以及另外 %1 项</translation>
    </message>
    <message>
        <source>Keep one file of each group?

Yes keeps these files and sends the other checked files to the Recycle Bin:
%1

No sends every checked file to the Recycle Bin, the last copy of each group included.</source>
        <translation>是否保留每组中的一个文件？

“是”保留以下文件，并将其他勾选的文件移到回收站：
%1

“否”将所有勾选的文件移到回收站，包括每组的最后一个副本。</translation>
    </message>
    <message>
        <source>The contents cache could not be used: %1</source>
        <translation>无法使用内容缓存：%1</translation>
    </message>
    <message>
        <source>Duplicate Candidates</source>
        <translation>可能的重复文件</translation>
    </message>
    <message>
        <source>Files of equal size, one group after another; check the files to send to the Recycle Bin</source>
        <translation>大小相同的文件，逐组排列；勾选要移到回收站的文件</translation>
    </message>
    <message>
        <source>Select Files to Remove...</source>
        <translation>选择要删除的文件...</translation>
    </message>
    <message>
        <source>Check the files of each group but the one that stays, by rules you choose</source>
        <translation>按您选择的规则，勾选每组中除保留文件以外的文件</translation>
    </message>
    <message>
        <source>Replace Checked with Hard Links</source>
        <translation>将勾选的文件替换为硬链接</translation>
    </message>
    <message>
        <source>Replace Checked with Shared Copies</source>
        <translation>将勾选的文件替换为共享副本</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>Check the files to replace with the file that stays in their group, then try again.</source>
        <translation>请勾选要用所在组的保留文件替换的文件，然后重试。</translation>
    </message>
    <message>
        <source>Only files whose contents were compared can be replaced. Verify Contents first.</source>
        <translation>只能替换已比较过内容的文件。请先执行“校验内容”。</translation>
    </message>
    <message>
        <source>Replacing the checked files with hard links...</source>
        <translation>正在将勾选的文件替换为硬链接...</translation>
    </message>
    <message>
        <source>Sharing the space of the checked files...</source>
        <translation>正在让勾选的文件共享存储空间...</translation>
    </message>
    <message>
        <source>%1 file(s) replaced with hard links, %2 freed.</source>
        <translation>已将 %1 个文件替换为硬链接，释放了 %2。</translation>
    </message>
    <message>
        <source>%1 file(s) now share their space with the file that stays, %2 freed.</source>
        <translation>%1 个文件现在与保留文件共享空间，释放了 %2。</translation>
    </message>
    <message>
        <source>%1 file(s) skipped:</source>
        <translation>跳过了 %1 个文件：</translation>
    </message>
    <message>
        <source>%1: %2 file(s)</source>
        <translation>%1：%2 个文件</translation>
    </message>
    <message>
        <source>Stopped before every checked file was done.</source>
        <translation>在处理完所有勾选的文件之前已停止。</translation>
    </message>
    <message>
        <source>The action log %1 could not be written: %2</source>
        <translation>无法写入操作日志 %1：%2</translation>
    </message>
    <message>
        <source>%1 file(s) checked, %2 to free</source>
        <translation>已勾选 %1 个文件，可释放 %2</translation>
    </message>
</context>
<context>
    <name>CDlgSearchParameters</name>
    <message>
        <source>Search by Partial or Full File Name</source>
        <translation>按部分或完整文件名搜索</translation>
    </message>
    <message>
        <source>&amp;Search Word :</source>
        <translation>搜索词(&amp;S)：</translation>
    </message>
    <message>
        <source>Search &amp;Path :</source>
        <translation>搜索路径(&amp;P)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Specify Search Parameters - %1</source>
        <translation>指定搜索参数 - %1</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2).</source>
        <translation>无效的正则表达式：%1（位于第 %2 个字符）。</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1.</source>
        <translation>无效的正则表达式：%1。</translation>
    </message>
    <message>
        <source>The words searched for last are in the list.</source>
        <translation>列表中有最近搜索过的词。</translation>
    </message>
    <message>
        <source>Search Word</source>
        <translation>搜索词</translation>
    </message>
    <message>
        <source>Search Path</source>
        <translation>搜索路径</translation>
    </message>
    <message>
        <source>&amp;More Options</source>
        <translation>更多选项(&amp;M)</translation>
    </message>
    <message>
        <source>Shows or hides the options beyond the word: names to skip, how the word matches, size, date and text inside the files.</source>
        <translation>显示或隐藏搜索词以外的选项：要跳过的名称、搜索词的匹配方式、大小、日期以及文件中的文本。</translation>
    </message>
</context>
<context>
    <name>CDlgSplash</name>
    <message>
        <source>File search for your folders</source>
        <translation>在您的文件夹中搜索文件</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>%1 Loading...</source>
        <translation>正在加载 %1...</translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>文件夹树</translation>
    </message>
    <message>
        <source>Choose the folder to search</source>
        <translation>选择要搜索的文件夹</translation>
    </message>
</context>
<context>
    <name>CInfoBar</name>
    <message>
        <source>Important</source>
        <translation>重要</translation>
    </message>
    <message>
        <source>Here is an informational message for the user.</source>
        <translation>这里显示给用户的提示信息。</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>信息栏</translation>
    </message>
    <message>
        <source>What to do next, or how the last search went</source>
        <translation>下一步该做什么，或上次搜索的结果</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Filter Found Files</source>
        <translation>筛选找到的文件(&amp;F)</translation>
    </message>
    <message>
        <source>Show only the found files whose name or folder contains a text.</source>
        <translation>只显示名称或文件夹包含指定文本的已找到文件。</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>下一个窗格(&amp;X)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>上一个窗格(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>应用程序外观(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>信息栏(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Files Count in Every Folder</source>
        <translation>每个文件夹中的文件数(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Display File List</source>
        <translation>显示文件列表(&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;uplicate Files of Same Size</source>
        <translation>大小相同的重复文件(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Selected Folder Will Appear Here</source>
        <translation>所选文件夹将显示在这里</translation>
    </message>
    <message>
        <source>Number of Files Found in Search.</source>
        <translation>搜索找到的文件数。</translation>
    </message>
    <message>
        <source>File Count in List</source>
        <translation>列表中的文件数</translation>
    </message>
    <message>
        <source>Select Folder from the Left Hand Side to be Searched.</source>
        <translation>请在左侧选择要搜索的文件夹。</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>信息栏</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. Changes made now may be lost when Tresmolo closes.</source>
        <translation>无法将设置保存到 %1。现在所做的更改可能会在 Tresmolo 关闭时丢失。</translation>
    </message>
    <message>
        <source>Please Select a Folder from the Folder List to Search for File(s).</source>
        <translation>请从文件夹列表中选择一个文件夹来搜索文件。</translation>
    </message>
    <message>
        <source>Folder Name Selected from the Folder List will Appear Here.</source>
        <translation>在文件夹列表中选择的文件夹名称将显示在这里。</translation>
    </message>
    <message>
        <source>Folder %1 Selected to Search File(s).</source>
        <translation>已选择文件夹 %1 进行文件搜索。</translation>
    </message>
    <message>
        <source>Press the Start Button to Start Searching File(s) from the Folder %1.</source>
        <translation>按“开始”按钮开始在文件夹 %1 中搜索文件。</translation>
    </message>
    <message>
        <source>Si&amp;ze Column</source>
        <translation>“大小”列(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Modified Column</source>
        <translation>“修改时间”列(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>关于 Tresmolo(&amp;A)...</translation>
    </message>
    <message>
        <source>The folder chosen to search</source>
        <translation>选定要搜索的文件夹</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: it lies on a virtual file system (such as /proc or /sys), which is never searched.</source>
        <translation>未搜索文件夹 %1 本身：它位于虚拟文件系统（例如 /proc 或 /sys）上，此类文件系统从不搜索。</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: the switch &quot;%2&quot; in &quot;%3&quot; skips it.</source>
        <translation>未搜索文件夹 %1 本身：“%3”中的“%2”开关跳过了它。</translation>
    </message>
</context>
<context>
    <name>COutlookBar</name>
    <message>
        <source>Shortcuts</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Outlook Bar</source>
        <translation>导航栏</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Navigation Pane Pages</source>
        <translation>导航栏页面</translation>
    </message>
</context>
<context>
    <name>CPendrakeView</name>
    <message>
        <source>View Selected File</source>
        <translation>打开所选文件</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>打开文件所在的文件夹</translation>
    </message>
    <message>
        <source>Locate File in Explorer</source>
        <translation>在文件管理器中显示文件</translation>
    </message>
    <message>
        <source>Send File to Recycle Bin</source>
        <translation>将文件移到回收站</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>文件属性</translation>
    </message>
    <message>
        <source>Folder Properties</source>
        <translation>文件夹属性</translation>
    </message>
    <message>
        <source>Open Selected Folder</source>
        <translation>打开所选文件夹</translation>
    </message>
    <message>
        <source>Send Folder to Recycle Bin</source>
        <translation>将文件夹移到回收站</translation>
    </message>
    <message>
        <source>The list of files could not be written completely to %1 (%2). The incomplete file has been removed.</source>
        <translation>无法将文件列表完整写入 %1（%2）。不完整的文件已被删除。</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>复制路径</translation>
    </message>
    <message>
        <source>Please Select a Folder from the List of Folders (from the Left Hand Side) &amp; then Press the Start Button.</source>
        <translation>请从（左侧的）文件夹列表中选择一个文件夹 &amp; 然后按“开始”按钮。</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>正在搜索...</translation>
    </message>
    <message>
        <source>File Search for Folder %1, Started At %2</source>
        <translation>在文件夹 %1 中搜索文件，开始于 %2</translation>
    </message>
    <message>
        <source>File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). </source>
        <translation>文件搜索开始于 %1，停止于 %2。已扫描 %3 个文件夹。 </translation>
    </message>
    <message>
        <source>File Search Stopped At %1.</source>
        <translation>文件搜索停止于 %1。</translation>
    </message>
    <message>
        <source>%1 Folder(s) Parsed. </source>
        <translation>已扫描 %1 个文件夹。 </translation>
    </message>
    <message>
        <source>%1 Folder(s) Ignored. </source>
        <translation>已忽略 %1 个文件夹。 </translation>
    </message>
    <message>
        <source>%1 Folder(s) Do Not Contain Files. </source>
        <translation>%1 个文件夹不含文件。 </translation>
    </message>
    <message>
        <source>%1 File(s) Found.</source>
        <translation>找到 %1 个文件。</translation>
    </message>
    <message>
        <source>It Took Aound %1.</source>
        <translation>耗时约 %1。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>文件列表</translation>
    </message>
    <message>
        <source>The files found, or the search&apos;s status lines</source>
        <translation>找到的文件，或搜索的状态行</translation>
    </message>
    <message>
        <source>File List Headings</source>
        <translation>文件列表标题</translation>
    </message>
    <message>
        <source>Folder List</source>
        <translation>文件夹列表</translation>
    </message>
    <message>
        <source>The folders that hold found files, with their file counts</source>
        <translation>包含已找到文件的文件夹及其文件数</translation>
    </message>
    <message>
        <source>Folder List Headings</source>
        <translation>文件夹列表标题</translation>
    </message>
    <message>
        <source>%1 Folder(s) Could Not Be Opened (Too Many Open Files). </source>
        <translation>%1 个文件夹无法打开（打开的文件过多）。 </translation>
    </message>
    <message>
        <source>%1 File(s) Could Not Be Read. </source>
        <translation>%1 个文件无法读取。 </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>&amp;Home</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>更改视觉样式</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>选择一种 Office 2007 主题</translation>
    </message>
    <message>
        <source>Folders To Ignore</source>
        <translation>忽略的文件夹</translation>
    </message>
    <message>
        <source>Files to Ignore</source>
        <translation>忽略的文件</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>文件搜索</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>启动器</translation>
    </message>
    <message>
        <source>Exporters</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>View</source>
        <translation>查看</translation>
    </message>
    <message>
        <source>Command Panel Tabs</source>
        <translation>命令面板选项卡</translation>
    </message>
    <message>
        <source>Opens a menu with the commands of this panel.</source>
        <translation>打开包含此面板命令的菜单。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Searches a folder (and its sub-folders) for files, lists them with per-folder counts
and lets you act on them. With FOLDER, that folder is selected in the folder tree.</source>
        <translation>在文件夹（及其子文件夹）中搜索文件，列出文件及每个文件夹的文件数，
并可对其进行操作。指定 FOLDER 时，将在文件夹树中选中该文件夹。</translation>
    </message>
    <message>
        <source>Start a search in the selected folder at once, as the automatic search at start-up does.</source>
        <translation>立即在所选文件夹中开始搜索，与启动时的自动搜索相同。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>文件夹“%1”不存在。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>“%1”不是文件夹。</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>请尝试执行“%1 --help”来获取更多信息。</translation>
    </message>
    <message>
        <source>Give one folder at most.</source>
        <translation>最多只能指定一个文件夹。</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, given to Qt when they come before &quot;--&quot;:</source>
        <translation>Qt 自身的选项，出现在“--”之前时交给 Qt 处理：</translation>
    </message>
    <message>
        <source>The folder to select (and search): a path, or a local file:// URI. Every argument after &quot;--&quot; is a folder, even one that starts with &quot;-&quot;.</source>
        <translation>要选择（并搜索）的文件夹：路径或本地 file:// URI。“--”之后的每个参数都是文件夹，即使它以“-”开头。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder on another computer (%2); only local folders can be searched.</source>
        <translation>“%1”指向另一台计算机（%2）上的文件夹；只能搜索本地文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI.</source>
        <translation>“%1”不是有效的文件 URI。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <translation>无法打开文件夹“%1”：%2。</translation>
    </message>
    <message>
        <source>Missing value after &quot;%1&quot;.</source>
        <translation>“%1”之后缺少值。</translation>
    </message>
    <message>
        <source>Unknown option: %1 (did you mean &quot;%2&quot;?)</source>
        <translation>未知选项：%1（您是不是想用“%2”？）</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>未知选项：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI: a &quot;/&quot; cannot be part of a name.</source>
        <translation>“%1”不是有效的文件 URI：名称中不能包含“/”。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>无法读取文件夹“%1”：%2。</translation>
    </message>
    <message>
        <source>The entries of the folder &quot;%1&quot; cannot be examined: %2.</source>
        <translation>无法检查文件夹“%1”中的条目：%2。</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>文件夹名称为空。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: the current folder cannot be read: %2.</source>
        <translation>无法打开文件夹“%1”：无法读取当前文件夹：%2。</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Caption Bar</source>
        <translation>信息栏</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>显示或隐藏信息栏</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>切换信息栏</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Ignore Windows Folder ( e.g C:\Windows ) While Searching.</source>
        <translation>搜索时忽略 Windows 文件夹（例如 C:\Windows）。</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Windows Folder</source>
        <translation>不在 Windows 文件夹的文件中搜索</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Ignore Programs Folder ( e.g C:\Program Files ) While Searching.</source>
        <translation>搜索时忽略程序文件夹（例如 C:\Program Files）。</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Program Files Folder</source>
        <translation>不在程序文件夹的文件中搜索</translation>
    </message>
    <message>
        <source>Hidden Files</source>
        <translation>隐藏文件</translation>
    </message>
    <message>
        <source>Ignore all Hidden Files in Search.</source>
        <translation>搜索时忽略所有隐藏文件。</translation>
    </message>
    <message>
        <source>Skip Hidden Files when Searching.</source>
        <translation>搜索时跳过隐藏文件。</translation>
    </message>
    <message>
        <source>Read Only Files</source>
        <translation>只读文件</translation>
    </message>
    <message>
        <source>Ignore all Read Only Files in Search.</source>
        <translation>搜索时忽略所有只读文件。</translation>
    </message>
    <message>
        <source>Skip Read Only Files in File Search.</source>
        <translation>文件搜索时跳过只读文件。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Start Searching of Files for the Selected Folder.</source>
        <translation>开始在所选文件夹中搜索文件。</translation>
    </message>
    <message>
        <source>Start File(s) Search.</source>
        <translation>开始文件搜索。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop Searching of of Files for the Selected Folder.</source>
        <translation>停止在所选文件夹中搜索文件。</translation>
    </message>
    <message>
        <source>Stop Searching of File(s).</source>
        <translation>停止文件搜索。</translation>
    </message>
    <message>
        <source>Search SubFolder(s)</source>
        <translation>子文件夹</translation>
    </message>
    <message>
        <source>Search File(s) in Sub Folder(s) of the Selected Folder.</source>
        <translation>同时在所选文件夹的子文件夹中搜索文件。</translation>
    </message>
    <message>
        <source>Search Files in Sub Folder(s).</source>
        <translation>在子文件夹中搜索文件。</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>文件数</translation>
    </message>
    <message>
        <source>Display Number of Files Count in Every Folder when Loading Files.</source>
        <translation>加载文件时显示每个文件夹中的文件数。</translation>
    </message>
    <message>
        <source>Display Files Count in Every Folder</source>
        <translation>显示每个文件夹中的文件数</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>文件管理器</translation>
    </message>
    <message>
        <source>Open Windows Explorer with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>在文件管理器中打开本软件文件夹树中所选的文件夹。</translation>
    </message>
    <message>
        <source>Open Selected Folder in Explorer</source>
        <translation>在文件管理器中打开所选文件夹</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>终端</translation>
    </message>
    <message>
        <source>Open Command Prompt Window with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>在本软件文件夹树中所选的文件夹中打开终端。</translation>
    </message>
    <message>
        <source>Open Selected Folder in Command Prompt</source>
        <translation>在终端中打开所选文件夹</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>打开回收站</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>导出列表</translation>
    </message>
    <message>
        <source>Export List of Files Visible in List to a Temporary file and Open It.</source>
        <translation>将列表中可见的文件导出到临时文件并打开它。</translation>
    </message>
    <message>
        <source>Export List of Files to a Temporary File.</source>
        <translation>将文件列表导出到临时文件。</translation>
    </message>
    <message>
        <source>Ignore Recycle Bin Folder(s) When Listing Files.</source>
        <translation>列出文件时忽略回收站文件夹。</translation>
    </message>
    <message>
        <source>Do Not Search for Files in Recycle Bin.</source>
        <translation>不在回收站中搜索文件。</translation>
    </message>
    <message>
        <source>Auto Search Last Folder</source>
        <translation>启动时搜索</translation>
    </message>
    <message>
        <source>Automatically Run the Last Search at Application Startup.</source>
        <translation>应用程序启动时自动运行上次的搜索。</translation>
    </message>
    <message>
        <source>Auto Search File(s) at Startup</source>
        <translation>启动时自动搜索文件</translation>
    </message>
    <message>
        <source>AppData</source>
        <translation>AppData</translation>
    </message>
    <message>
        <source>Ignore App Data Folders when Searching Files in the Selected Folder.</source>
        <translation>在所选文件夹中搜索文件时忽略应用程序数据文件夹。</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Application Data Folders.</source>
        <translation>不在应用程序数据文件夹中搜索文件。</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Hidden Folders.</source>
        <translation>不在隐藏文件夹中搜索文件。</translation>
    </message>
    <message>
        <source>Ignore Hidden Folders.</source>
        <translation>忽略隐藏文件夹。</translation>
    </message>
    <message>
        <source>Display File List</source>
        <translation>显示文件列表</translation>
    </message>
    <message>
        <source>Display List of Files as they are found. This will require extra time to parse the selected folder.</source>
        <translation>找到文件时即显示文件列表。扫描所选文件夹将需要更多时间。</translation>
    </message>
    <message>
        <source>Display File List in Upper List.</source>
        <translation>在上方列表中显示文件列表。</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>重复文件</translation>
    </message>
    <message>
        <source>Search Duplicate Files from the List by Comparing File Size</source>
        <translation>通过比较文件大小在列表中查找重复文件</translation>
    </message>
    <message>
        <source>Duplicate Files of Same Size</source>
        <translation>大小相同的重复文件</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>Open the Tresmolo User Guide</source>
        <translation>打开 Tresmolo 用户指南</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Tresmolo 用户指南</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>打开文件所在的文件夹</translation>
    </message>
    <message>
        <source>Open Folder of Selected File</source>
        <translation>打开所选文件所在的文件夹</translation>
    </message>
    <message>
        <source>Display Selected File&apos;s Folder in Windows Explorer</source>
        <translation>在文件管理器中显示所选文件所在的文件夹</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>复制所选内容并放到剪贴板上</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>剪切所选内容并放到剪贴板上</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>插入剪贴板内容</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>撤销上一步操作</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>关于 Tresmolo(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>显示程序信息、版本号和版权</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>退出应用程序</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>切换状态栏</translation>
    </message>
    <message>
        <source>Size Column</source>
        <translation>“大小”列</translation>
    </message>
    <message>
        <source>Show the size of every found file in the file list.</source>
        <translation>在文件列表中显示每个找到的文件的大小。</translation>
    </message>
    <message>
        <source>Show or Hide the Size Column</source>
        <translation>显示或隐藏“大小”列</translation>
    </message>
    <message>
        <source>Modified Column</source>
        <translation>“修改时间”列</translation>
    </message>
    <message>
        <source>Show when every found file was last modified in the file list.</source>
        <translation>在文件列表中显示每个找到的文件的最后修改时间。</translation>
    </message>
    <message>
        <source>Show or Hide the Modified Column</source>
        <translation>显示或隐藏“修改时间”列</translation>
    </message>
</context>
<context>
    <name>ContentsCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>无效的日期时间</translation>
    </message>
    <message>
        <source>%1 Day </source>
        <translation>%1 天 </translation>
    </message>
    <message>
        <source>%1 Hour </source>
        <translation>%1 小时 </translation>
    </message>
    <message>
        <source>%1 Minute </source>
        <translation>%1 分钟 </translation>
    </message>
    <message>
        <source>%1 Second</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 Days </source>
        <translation>%1 天 </translation>
    </message>
    <message>
        <source>%1 Hours </source>
        <translation>%1 小时 </translation>
    </message>
    <message>
        <source>%1 Minutes </source>
        <translation>%1 分钟 </translation>
    </message>
    <message>
        <source>%1 Seconds</source>
        <translation>%1 秒</translation>
    </message>
</context>
<context>
    <name>DlgKeepRules</name>
    <message>
        <source>In a reference folder</source>
        <translation>位于参考文件夹中</translation>
    </message>
    <message>
        <source>Oldest modified</source>
        <translation>修改时间最早</translation>
    </message>
    <message>
        <source>Newest modified</source>
        <translation>修改时间最晚</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>路径最短</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>路径最长</translation>
    </message>
    <message>
        <source>First in the list</source>
        <translation>在列表中排在最前</translation>
    </message>
    <message>
        <source>Select Files to Remove</source>
        <translation>选择要删除的文件</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Reference folders</source>
        <translation>参考文件夹</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>The file that stays in each group is chosen by the first rule that tells the files apart:</source>
        <translation>每组中保留的文件由第一条能区分这些文件的规则选出：</translation>
    </message>
    <message>
        <source>Reference folders, first the most important (files in them are never checked, not even by Check All):</source>
        <translation>参考文件夹，最重要的在前（其中的文件永远不会被勾选，“全部勾选”也不会勾选它们）：</translation>
    </message>
    <message>
        <source>OK checks every other file of each group, except hard links of the file that stays.</source>
        <translation>“确定”将勾选每组中的其他所有文件，保留文件的硬链接除外。</translation>
    </message>
    <message>
        <source>Add Reference Folder</source>
        <translation>添加参考文件夹</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Last File Found</source>
        <translation>最后找到的文件</translation>
    </message>
</context>
<context>
    <name>FolderListModel</name>
    <message>
        <source>Sr</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>文件数</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>Home</source>
        <translation>主文件夹</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>not reached</source>
        <translation>未处理到</translation>
    </message>
    <message>
        <source>done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>in a reference folder</source>
        <translation>位于参考文件夹中</translation>
    </message>
    <message>
        <source>no unchanged copy stays in its group</source>
        <translation>所在组中没有保留未更改的副本</translation>
    </message>
    <message>
        <source>in no group of identical contents</source>
        <translation>不属于任何内容相同的组</translation>
    </message>
    <message>
        <source>already a hard link of the file that stays</source>
        <translation>已是保留文件的硬链接</translation>
    </message>
    <message>
        <source>already shares its space with the file that stays</source>
        <translation>已与保留文件共享空间</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空文件</translation>
    </message>
    <message>
        <source>changed since the contents check</source>
        <translation>内容检查后已更改</translation>
    </message>
    <message>
        <source>the file that stays changed</source>
        <translation>保留文件已更改</translation>
    </message>
    <message>
        <source>on another file system than the file that stays</source>
        <translation>与保留文件不在同一文件系统上</translation>
    </message>
    <message>
        <source>its file system cannot share space between files</source>
        <translation>所在文件系统不支持文件间共享空间</translation>
    </message>
    <message>
        <source>stopped part way</source>
        <translation>中途停止</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>changed since it was listed</source>
        <translation>列出后已更改</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
</context>
<context>
    <name>ResultsFilterBox</name>
    <message>
        <source>Filter the found files by name or folder (Ctrl+F)</source>
        <translation>按名称或文件夹筛选找到的文件 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows only the files whose name or folder contains this text. Escape clears it.</source>
        <translation>只显示名称或文件夹包含此文本的文件。按 Esc 清除。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>清除筛选</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>rows shown of all rows</comment>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>ResultsModel</name>
    <message>
        <source>Sr</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>hard link of #%1</source>
        <translation>#%1 的硬链接</translation>
    </message>
    <message>
        <source>symbolic link</source>
        <translation>符号链接</translation>
    </message>
    <message>
        <source>changed since the scan</source>
        <translation>扫描后已更改</translation>
    </message>
    <message>
        <source>keeps</source>
        <translation>保留</translation>
    </message>
</context>
<context>
    <name>SearchFilters</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 字节</translation>
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
        <translation>跳过 %1 个模式</translation>
    </message>
    <message>
        <source>name matches a wildcard</source>
        <translation>名称匹配通配符</translation>
    </message>
    <message>
        <source>name matches a regular expression</source>
        <translation>名称匹配正则表达式</translation>
    </message>
    <message>
        <source>size at least %1</source>
        <translation>大小不小于 %1</translation>
    </message>
    <message>
        <source>size at most %1</source>
        <translation>大小不大于 %1</translation>
    </message>
    <message>
        <source>modified on or after %1</source>
        <translation>修改时间不早于 %1</translation>
    </message>
    <message>
        <source>modified on or before %1</source>
        <translation>修改时间不晚于 %1</translation>
    </message>
    <message>
        <source>modified in the last %1 day(s)</source>
        <translation>最近 %1 天内修改过</translation>
    </message>
    <message>
        <source>contents match &quot;%1&quot;</source>
        <translation>内容匹配“%1”</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>包含“%1”</translation>
    </message>
    <message>
        <source>binary files too</source>
        <translation>包括二进制文件</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>SearchOptionsPanel</name>
    <message>
        <source>One name or pattern a line, e.g. node_modules</source>
        <translation>每行一个名称或模式，例如 node_modules</translation>
    </message>
    <message>
        <source>Folders and files whose name matches one of these patterns are skipped. A pattern matches the exact bytes of a name, case-sensitive: * stands for any run of characters, ? for one, [abc] for one of a set. A pattern holding / matches the path below the chosen folder (e.g. src/build), and one ending in / matches folders only.</source>
        <translation>名称与其中某个模式匹配的文件夹和文件将被跳过。模式按名称的确切字节匹配，区分大小写：* 代表任意个字符，? 代表一个字符，[abc] 代表集合中的一个字符。包含 / 的模式匹配所选文件夹下的路径（例如 src/build），以 / 结尾的模式只匹配文件夹。</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Adds a name that is often not worth searching.</source>
        <translation>添加一个通常不值得搜索的名称。</translation>
    </message>
    <message>
        <source>S&amp;kip names:</source>
        <translation>跳过名称(&amp;K)：</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>包含</translation>
    </message>
    <message>
        <source>matches wildcard</source>
        <translation>匹配通配符</translation>
    </message>
    <message>
        <source>matches regular expression</source>
        <translation>匹配正则表达式</translation>
    </message>
    <message>
        <source>How the search word is matched against each file&apos;s name, without regard to case: found anywhere in it, as a wildcard pattern for the whole name, or as a regular expression.</source>
        <translation>搜索词与每个文件名的匹配方式，不区分大小写：出现在名称中的任意位置、作为整个名称的通配符模式，或作为正则表达式。</translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation>文件名(&amp;N)</translation>
    </message>
    <message>
        <source>the search word</source>
        <translation>搜索词</translation>
    </message>
    <message>
        <source>At l&amp;east</source>
        <translation>不小于(&amp;E)</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>最小大小</translation>
    </message>
    <message>
        <source>Unit of the smallest size</source>
        <translation>最小大小的单位</translation>
    </message>
    <message>
        <source>At m&amp;ost</source>
        <translation>不大于(&amp;O)</translation>
    </message>
    <message>
        <source>Largest size</source>
        <translation>最大大小</translation>
    </message>
    <message>
        <source>Unit of the largest size</source>
        <translation>最大大小的单位</translation>
    </message>
    <message>
        <source>Modified on or after this day</source>
        <translation>在此日期当天或之后修改</translation>
    </message>
    <message>
        <source>Modified on or a&amp;fter</source>
        <translation>修改时间不早于(&amp;F)</translation>
    </message>
    <message>
        <source>Modified on or before this day</source>
        <translation>在此日期当天或之前修改</translation>
    </message>
    <message>
        <source>Modified on or &amp;before</source>
        <translation>修改时间不晚于(&amp;B)</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>天数</translation>
    </message>
    <message>
        <source>Modified in the &amp;last</source>
        <translation>修改于最近(&amp;L)</translation>
    </message>
    <message>
        <source>days</source>
        <translation>天内</translation>
    </message>
    <message>
        <source>Only files whose contents hold this text are found, without regard to case.</source>
        <translation>只查找内容包含此文本的文件，不区分大小写。</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>包含文本(&amp;T)：</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>正则表达式(&amp;X)</translation>
    </message>
    <message>
        <source>Search b&amp;inary files too</source>
        <translation>同时搜索二进制文件(&amp;I)</translation>
    </message>
    <message>
        <source>Also search files that look binary (a zero byte in their first 128 KB).</source>
        <translation>也搜索看起来是二进制的文件（前 128 KB 中含有零字节）。</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Puts every one of these options back to its default.</source>
        <translation>将所有这些选项恢复为默认值。</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>字节</translation>
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
        <translation>1 KB 为 1,024 字节，1 MB 为 1,024 KB，1 GB 为 1,024 MB。</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be moved to the trash and stays where it is.</source>
        <translation>无法将 %1 移到回收站，它仍留在原处。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>以及另外 %1 项</translation>
    </message>
    <message>
        <source>These %1 items could not be moved to the trash and stay where they are:

</source>
        <translation>以下 %1 项无法移到回收站，仍留在原处：

</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the trash?</source>
        <translation>要将 %1 移到回收站吗？</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>要将这 %1 项移到回收站吗？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Moving %1 to the trash</source>
        <translation>正在将 %1 移到回收站</translation>
    </message>
    <message>
        <source>No terminal program was found. Install one, or name yours in the TERMINAL environment variable.</source>
        <translation>未找到终端程序。请安装一个，或在 TERMINAL 环境变量中指定您的终端程序。</translation>
    </message>
    <message>
        <source>No file manager was found to open the folder %1. Install one to open folders from here.</source>
        <translation>未找到可打开文件夹 %1 的文件管理器。请安装一个，以便从这里打开文件夹。</translation>
    </message>
</context>
<context>
    <name>Shell::PropertiesDialog</name>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>%1 属性</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>文件夹：</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>Points to:</source>
        <translation>指向：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>修改时间：</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>权限：</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>所有者：</translation>
    </message>
    <message>
        <source>%1, group %2</source>
        <translation>%1，组 %2</translation>
    </message>
</context>
<context>
    <name>SwitchTips</name>
    <message>
        <source>Skips the system&apos;s programs folder, %1, while searching.</source>
        <translation>搜索时跳过系统程序文件夹 %1。</translation>
    </message>
    <message>
        <source>Skips the folder of added programs, %1, while searching.</source>
        <translation>搜索时跳过另行安装的程序所在的文件夹 %1。</translation>
    </message>
    <message>
        <source>Skips the trash while searching: %1, and every folder named .Trash or .Trash- followed by digits.</source>
        <translation>搜索时跳过回收站：%1，以及所有名为 .Trash 或 .Trash- 后跟数字的文件夹。</translation>
    </message>
    <message>
        <source>Skips the application data folders while searching: %1.</source>
        <translation>搜索时跳过应用程序数据文件夹：%1。</translation>
    </message>
    <message>
        <source>Skips folders whose names start with a dot (.), and folders that cannot be examined, while searching.</source>
        <translation>搜索时跳过名称以点 (.) 开头的文件夹以及无法检查的文件夹。</translation>
    </message>
    <message>
        <source>Skips files whose names start with a dot (.) while searching.</source>
        <translation>搜索时跳过名称以点 (.) 开头的文件。</translation>
    </message>
    <message>
        <source>Skips files that nobody may write to (no write permission at all) while searching.</source>
        <translation>搜索时跳过任何人都无法写入的文件（完全没有写权限）。</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be used: %2</source>
        <translation>无法使用回收站文件夹 %1：%2</translation>
    </message>
    <message>
        <source>it is on another volume than the home trash, and its own volume has no trash it can use (%1)</source>
        <translation>它与主文件夹的回收站不在同一个卷上，而它所在的卷没有可用的回收站（%1）</translation>
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
        <translation>蓝色样式(&amp;B)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 蓝色样式(&amp;B)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>黑色样式(&amp;L)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 黑色样式(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>银色样式(&amp;S)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 银色样式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>水绿色样式(&amp;A)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 水绿色样式(&amp;A)</translation>
    </message>
    <message>
        <source>Office 200&amp;7</source>
        <translation>Office 200&amp;7</translation>
    </message>
</context>
</TS>
