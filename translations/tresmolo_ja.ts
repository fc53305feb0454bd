<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tresmolo</source>
        <translation>Tresmolo について</translation>
    </message>
    <message>
        <source>Tresmolo, Version %1</source>
        <translation>Tresmolo バージョン %1</translation>
    </message>
    <message>
        <source>Support: see the user guide</source>
        <translation>サポート: ユーザーガイドをご覧ください</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Tresmolo ユーザーガイド</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>ユーザーガイドをブラウザーで開きます</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>寄付</translation>
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
        <translation>アプリケーションの外観を変更します</translation>
    </message>
    <message>
        <source>Application Button</source>
        <translation>アプリケーションボタン</translation>
    </message>
    <message>
        <source>Switches to the next look. Alt+F opens the application menu.</source>
        <translation>次の外観に切り替えます。Alt+F キーでアプリケーションメニューを開きます。</translation>
    </message>
</context>
<context>
    <name>CDlgDuplicateResults</name>
    <message>
        <source>Verify Contents</source>
        <translation>内容を検証</translation>
    </message>
    <message>
        <source>Compare the contents of the files of each group</source>
        <translation>各グループのファイルの内容を比較します</translation>
    </message>
    <message>
        <source>%1 group(s), %2 file(s), %3 in duplicates</source>
        <translation>%1 グループ、%2 ファイル、重複分 %3</translation>
    </message>
    <message>
        <source>Comparing the contents of the files...</source>
        <translation>ファイルの内容を比較しています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This Window Displays Possibly Duplicate Files Grouped by File Size.

Files of Same Size Might be Duplicate or Different.

Have a Close Look before Deleting Any File(s).

Right Click to View Available Commands.

In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling.</source>
        <translation>このウィンドウには、重複している可能性のあるファイルがファイルサイズごとにまとめて表示されます。

同じサイズのファイルは、重複している場合も異なる場合もあります。

ファイルを削除する前によく確認してください。

右クリックすると使用できるコマンドが表示されます。

ファイル一覧がスクロールしている場合は、止まるまでお待ちください。</translation>
    </message>
    <message>
        <source>Check the Files which you wish to Send to Recyle Bin and then try again.</source>
        <translation>ゴミ箱に移動するファイルにチェックを付けてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Duplicate Search Results - %1</source>
        <translation>重複ファイルの検索結果 - %1</translation>
    </message>
    <message>
        <source>Display Selected File(s) in Explorer</source>
        <translation>選択したファイルをファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Send Checked File(s) to Recycle Bin</source>
        <translation>チェックしたファイルをゴミ箱に移動</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>すべてチェック</translation>
    </message>
    <message>
        <source>UnCheck All</source>
        <translation>すべてのチェックを外す</translation>
    </message>
    <message>
        <source>Contents Check</source>
        <translation>内容のチェック</translation>
    </message>
    <message>
        <source>How many groups and files the list holds, and the space their extra copies take</source>
        <translation>一覧にあるグループとファイルの数、および余分なコピーが占める容量</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>Keep one file of each group?

Yes keeps these files and sends the other checked files to the Recycle Bin:
%1

No sends every checked file to the Recycle Bin, the last copy of each group included.</source>
        <translation>各グループのファイルを 1 つずつ残しますか?

[はい] を選ぶと次のファイルを残し、チェックしたほかのファイルをゴミ箱に移動します:
%1

[いいえ] を選ぶと、各グループの最後のコピーも含め、チェックしたすべてのファイルをゴミ箱に移動します。</translation>
    </message>
    <message>
        <source>The contents cache could not be used: %1</source>
        <translation>内容キャッシュを使用できませんでした: %1</translation>
    </message>
    <message>
        <source>Duplicate Candidates</source>
        <translation>重複の候補</translation>
    </message>
    <message>
        <source>Files of equal size, one group after another; check the files to send to the Recycle Bin</source>
        <translation>同じサイズのファイルがグループごとに並びます。ゴミ箱に移動するファイルにチェックを付けてください</translation>
    </message>
    <message>
        <source>Select Files to Remove...</source>
        <translation>削除するファイルを選択...</translation>
    </message>
    <message>
        <source>Check the files of each group but the one that stays, by rules you choose</source>
        <translation>選んだルールに従って、各グループで残すファイル以外のファイルにチェックを付けます</translation>
    </message>
    <message>
        <source>Replace Checked with Hard Links</source>
        <translation>チェックしたファイルをハードリンクに置き換え</translation>
    </message>
    <message>
        <source>Replace Checked with Shared Copies</source>
        <translation>チェックしたファイルを共有コピーに置き換え</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Check the files to replace with the file that stays in their group, then try again.</source>
        <translation>グループに残すファイルで置き換えるファイルにチェックを付けてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Only files whose contents were compared can be replaced. Verify Contents first.</source>
        <translation>置き換えられるのは、内容を比較したファイルだけです。先に [内容を検証] を実行してください。</translation>
    </message>
    <message>
        <source>Replacing the checked files with hard links...</source>
        <translation>チェックしたファイルをハードリンクに置き換えています...</translation>
    </message>
    <message>
        <source>Sharing the space of the checked files...</source>
        <translation>チェックしたファイルの領域を共有しています...</translation>
    </message>
    <message>
        <source>%1 file(s) replaced with hard links, %2 freed.</source>
        <translation>%1 ファイルをハードリンクに置き換え、%2 を解放しました。</translation>
    </message>
    <message>
        <source>%1 file(s) now share their space with the file that stays, %2 freed.</source>
        <translation>%1 ファイルが残すファイルと領域を共有するようになり、%2 を解放しました。</translation>
    </message>
    <message>
        <source>%1 file(s) skipped:</source>
        <translation>%1 ファイルをスキップしました:</translation>
    </message>
    <message>
        <source>%1: %2 file(s)</source>
        <translation>%1: %2 ファイル</translation>
    </message>
    <message>
        <source>Stopped before every checked file was done.</source>
        <translation>チェックしたすべてのファイルを処理する前に停止しました。</translation>
    </message>
    <message>
        <source>The action log %1 could not be written: %2</source>
        <translation>操作ログ %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>%1 file(s) checked, %2 to free</source>
        <translation>チェック済み %1 ファイル、解放予定 %2</translation>
    </message>
</context>
<context>
    <name>CDlgSearchParameters</name>
    <message>
        <source>Search by Partial or Full File Name</source>
        <translation>ファイル名の一部または全体で検索</translation>
    </message>
    <message>
        <source>&amp;Search Word :</source>
        <translation>検索語(&amp;S):</translation>
    </message>
    <message>
        <source>Search &amp;Path :</source>
        <translation>検索パス(&amp;P):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Specify Search Parameters - %1</source>
        <translation>検索条件の指定 - %1</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2).</source>
        <translation>無効な正規表現です: %1 (%2 文字目)。</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1.</source>
        <translation>無効な正規表現です: %1。</translation>
    </message>
    <message>
        <source>The words searched for last are in the list.</source>
        <translation>最近検索した語は一覧にあります。</translation>
    </message>
    <message>
        <source>Search Word</source>
        <translation>検索語</translation>
    </message>
    <message>
        <source>Search Path</source>
        <translation>検索パス</translation>
    </message>
    <message>
        <source>&amp;More Options</source>
        <translation>その他のオプション(&amp;M)</translation>
    </message>
    <message>
        <source>Shows or hides the options beyond the word: names to skip, how the word matches, size, date and text inside the files.</source>
        <translation>検索語以外のオプションの表示/非表示を切り替えます: スキップする名前、検索語の照合方法、サイズ、日付、ファイル内の文字列。</translation>
    </message>
</context>
<context>
    <name>CDlgSplash</name>
    <message>
        <source>File search for your folders</source>
        <translation>フォルダー内のファイルを検索</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>読み込んでいます...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>%1 Loading...</source>
        <translation>%1 を読み込んでいます...</translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>フォルダーツリー</translation>
    </message>
    <message>
        <source>Choose the folder to search</source>
        <translation>検索するフォルダーを選択します</translation>
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
        <translation>ここにユーザーへのお知らせが表示されます。</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>情報バー</translation>
    </message>
    <message>
        <source>What to do next, or how the last search went</source>
        <translation>次に行うこと、または前回の検索の結果</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Filter Found Files</source>
        <translation>見つかったファイルを絞り込む(&amp;F)</translation>
    </message>
    <message>
        <source>Show only the found files whose name or folder contains a text.</source>
        <translation>名前またはフォルダーに指定した文字列を含む、見つかったファイルだけを表示します。</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>次のペイン(&amp;X)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>前のペイン(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>アプリケーションの外観(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>情報バー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Files Count in Every Folder</source>
        <translation>フォルダーごとのファイル数(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Display File List</source>
        <translation>ファイル一覧を表示(&amp;D)</translation>
    </message>
    <message>
        <source>D&amp;uplicate Files of Same Size</source>
        <translation>同じサイズの重複ファイル(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Selected Folder Will Appear Here</source>
        <translation>選択したフォルダーがここに表示されます</translation>
    </message>
    <message>
        <source>Number of Files Found in Search.</source>
        <translation>検索で見つかったファイルの数です。</translation>
    </message>
    <message>
        <source>File Count in List</source>
        <translation>一覧のファイル数</translation>
    </message>
    <message>
        <source>Select Folder from the Left Hand Side to be Searched.</source>
        <translation>検索するフォルダーを左側で選択してください。</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>情報バー</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. Changes made now may be lost when Tresmolo closes.</source>
        <translation>設定を %1 に保存できません。今行った変更は Tresmolo の終了時に失われる可能性があります。</translation>
    </message>
    <message>
        <source>Please Select a Folder from the Folder List to Search for File(s).</source>
        <translation>ファイルを検索するフォルダーをフォルダー一覧から選択してください。</translation>
    </message>
    <message>
        <source>Folder Name Selected from the Folder List will Appear Here.</source>
        <translation>フォルダー一覧で選択したフォルダーの名前がここに表示されます。</translation>
    </message>
    <message>
        <source>Folder %1 Selected to Search File(s).</source>
        <translation>ファイルを検索するフォルダーとして %1 を選択しました。</translation>
    </message>
    <message>
        <source>Press the Start Button to Start Searching File(s) from the Folder %1.</source>
        <translation>[開始] ボタンを押すと、フォルダー %1 でファイルの検索を開始します。</translation>
    </message>
    <message>
        <source>Si&amp;ze Column</source>
        <translation>サイズ列(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Modified Column</source>
        <translation>更新日時列(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>Tresmolo について(&amp;A)...</translation>
    </message>
    <message>
        <source>The folder chosen to search</source>
        <translation>検索対象として選択したフォルダー</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: it lies on a virtual file system (such as /proc or /sys), which is never searched.</source>
        <translation>フォルダー %1 自体は検索されませんでした。仮想ファイルシステム (/proc や /sys など) 上にあり、そこは検索されません。</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: the switch &quot;%2&quot; in &quot;%3&quot; skips it.</source>
        <translation>フォルダー %1 自体は検索されませんでした。「%3」の「%2」スイッチでスキップされています。</translation>
    </message>
</context>
<context>
    <name>COutlookBar</name>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Outlook Bar</source>
        <translation>ナビゲーションバー</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Navigation Pane Pages</source>
        <translation>ナビゲーションバーのページ</translation>
    </message>
</context>
<context>
    <name>CPendrakeView</name>
    <message>
        <source>View Selected File</source>
        <translation>選択したファイルを開く</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>ファイルのあるフォルダーを開く</translation>
    </message>
    <message>
        <source>Locate File in Explorer</source>
        <translation>ファイルマネージャーでファイルを表示</translation>
    </message>
    <message>
        <source>Send File to Recycle Bin</source>
        <translation>ファイルをゴミ箱に移動</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>ファイルのプロパティ</translation>
    </message>
    <message>
        <source>Folder Properties</source>
        <translation>フォルダーのプロパティ</translation>
    </message>
    <message>
        <source>Open Selected Folder</source>
        <translation>選択したフォルダーを開く</translation>
    </message>
    <message>
        <source>Send Folder to Recycle Bin</source>
        <translation>フォルダーをゴミ箱に移動</translation>
    </message>
    <message>
        <source>The list of files could not be written completely to %1 (%2). The incomplete file has been removed.</source>
        <translation>ファイル一覧を %1 に完全には書き込めませんでした (%2)。不完全なファイルは削除されました。</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>パスをコピー</translation>
    </message>
    <message>
        <source>Please Select a Folder from the List of Folders (from the Left Hand Side) &amp; then Press the Start Button.</source>
        <translation>フォルダー一覧 (左側) からフォルダーを選択し &amp; [開始] ボタンを押してください。</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>検索しています...</translation>
    </message>
    <message>
        <source>File Search for Folder %1, Started At %2</source>
        <translation>フォルダー %1 のファイル検索、開始 %2</translation>
    </message>
    <message>
        <source>File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). </source>
        <translation>ファイル検索を %1 に開始し、%2 に停止しました。%3 個のフォルダーを調べました。 </translation>
    </message>
    <message>
        <source>File Search Stopped At %1.</source>
        <translation>ファイル検索を %1 に停止しました。</translation>
    </message>
    <message>
        <source>%1 Folder(s) Parsed. </source>
        <translation>%1 個のフォルダーを調べました。 </translation>
    </message>
    <message>
        <source>%1 Folder(s) Ignored. </source>
        <translation>%1 個のフォルダーを除外しました。 </translation>
    </message>
    <message>
        <source>%1 Folder(s) Do Not Contain Files. </source>
        <translation>%1 個のフォルダーにはファイルがありません。 </translation>
    </message>
    <message>
        <source>%1 File(s) Found.</source>
        <translation>%1 個のファイルが見つかりました。</translation>
    </message>
    <message>
        <source>It Took Aound %1.</source>
        <translation>所要時間は約 %1 です。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>ファイル一覧</translation>
    </message>
    <message>
        <source>The files found, or the search&apos;s status lines</source>
        <translation>見つかったファイル、または検索の状態を示す行</translation>
    </message>
    <message>
        <source>File List Headings</source>
        <translation>ファイル一覧の見出し</translation>
    </message>
    <message>
        <source>Folder List</source>
        <translation>フォルダー一覧</translation>
    </message>
    <message>
        <source>The folders that hold found files, with their file counts</source>
        <translation>見つかったファイルのあるフォルダーとそのファイル数</translation>
    </message>
    <message>
        <source>Folder List Headings</source>
        <translation>フォルダー一覧の見出し</translation>
    </message>
    <message>
        <source>%1 Folder(s) Could Not Be Opened (Too Many Open Files). </source>
        <translation>%1 個のフォルダーを開けませんでした (開いているファイルが多すぎます)。 </translation>
    </message>
    <message>
        <source>%1 File(s) Could Not Be Read. </source>
        <translation>%1 個のファイルを読み取れませんでした。 </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>&amp;Home</source>
        <translation>ホーム(&amp;O)</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>表示スタイルの変更</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Office 2007 のテーマを選択します</translation>
    </message>
    <message>
        <source>Folders To Ignore</source>
        <translation>除外するフォルダー</translation>
    </message>
    <message>
        <source>Files to Ignore</source>
        <translation>除外するファイル</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>ファイル検索</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>起動</translation>
    </message>
    <message>
        <source>Exporters</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Command Panel Tabs</source>
        <translation>コマンドパネルのタブ</translation>
    </message>
    <message>
        <source>Opens a menu with the commands of this panel.</source>
        <translation>このパネルのコマンドのメニューを開きます。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Searches a folder (and its sub-folders) for files, lists them with per-folder counts
and lets you act on them. With FOLDER, that folder is selected in the folder tree.</source>
        <translation>フォルダー (とサブフォルダー) のファイルを検索し、フォルダーごとの件数付きで一覧表示して
操作できるようにします。FOLDER を指定すると、そのフォルダーをツリーで選択します。</translation>
    </message>
    <message>
        <source>Start a search in the selected folder at once, as the automatic search at start-up does.</source>
        <translation>起動時の自動検索と同じように、選択したフォルダーですぐに検索を開始します。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>フォルダー「%1」は存在しません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>「%1」はフォルダーではありません。</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>詳しくは「%1 --help」を実行してください。</translation>
    </message>
    <message>
        <source>Give one folder at most.</source>
        <translation>フォルダーは 1 つまでしか指定できません。</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, given to Qt when they come before &quot;--&quot;:</source>
        <translation>Qt 独自のオプション (「--」より前にあるときは Qt に渡されます):</translation>
    </message>
    <message>
        <source>The folder to select (and search): a path, or a local file:// URI. Every argument after &quot;--&quot; is a folder, even one that starts with &quot;-&quot;.</source>
        <translation>選択する (そして検索する) フォルダー: パス、またはローカルの file:// URI。「--」より後の引数は、「-」で始まるものも含めてすべてフォルダーとみなされます。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder on another computer (%2); only local folders can be searched.</source>
        <translation>「%1」は別のコンピューター (%2) 上のフォルダーを指しています。検索できるのはローカルのフォルダーだけです。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI.</source>
        <translation>「%1」は有効なファイル URI ではありません。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <translation>フォルダー「%1」を開けません: %2。</translation>
    </message>
    <message>
        <source>Missing value after &quot;%1&quot;.</source>
        <translation>「%1」の後に値がありません。</translation>
    </message>
    <message>
        <source>Unknown option: %1 (did you mean &quot;%2&quot;?)</source>
        <translation>不明なオプション: %1 (「%2」のことですか?)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>不明なオプション: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI: a &quot;/&quot; cannot be part of a name.</source>
        <translation>「%1」は有効なファイル URI ではありません: 名前に「/」は使えません。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>フォルダー「%1」を読み取れません: %2。</translation>
    </message>
    <message>
        <source>The entries of the folder &quot;%1&quot; cannot be examined: %2.</source>
        <translation>フォルダー「%1」の項目を調べられません: %2。</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>フォルダー名が空です。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: the current folder cannot be read: %2.</source>
        <translation>フォルダー「%1」を開けません: 現在のフォルダーを読み取れません: %2。</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Caption Bar</source>
        <translation>情報バー</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>情報バーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>情報バーの表示切り替え</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Ignore Windows Folder ( e.g C:\Windows ) While Searching.</source>
        <translation>検索時に Windows フォルダー (例: C:\Windows) を除外します。</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Windows Folder</source>
        <translation>Windows フォルダーのファイルは検索しない</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Ignore Programs Folder ( e.g C:\Program Files ) While Searching.</source>
        <translation>検索時にプログラムフォルダー (例: C:\Program Files) を除外します。</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Program Files Folder</source>
        <translation>プログラムフォルダーのファイルは検索しない</translation>
    </message>
    <message>
        <source>Hidden Files</source>
        <translation>隠しファイル</translation>
    </message>
    <message>
        <source>Ignore all Hidden Files in Search.</source>
        <translation>検索ですべての隠しファイルを除外します。</translation>
    </message>
    <message>
        <source>Skip Hidden Files when Searching.</source>
        <translation>検索時に隠しファイルをスキップします。</translation>
    </message>
    <message>
        <source>Read Only Files</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>Ignore all Read Only Files in Search.</source>
        <translation>検索ですべての読み取り専用ファイルを除外します。</translation>
    </message>
    <message>
        <source>Skip Read Only Files in File Search.</source>
        <translation>ファイル検索で読み取り専用ファイルをスキップします。</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Start Searching of Files for the Selected Folder.</source>
        <translation>選択したフォルダーでファイルの検索を開始します。</translation>
    </message>
    <message>
        <source>Start File(s) Search.</source>
        <translation>ファイル検索を開始します。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop Searching of of Files for the Selected Folder.</source>
        <translation>選択したフォルダーでのファイルの検索を停止します。</translation>
    </message>
    <message>
        <source>Stop Searching of File(s).</source>
        <translation>ファイル検索を停止します。</translation>
    </message>
    <message>
        <source>Search SubFolder(s)</source>
        <translation>サブフォルダー</translation>
    </message>
    <message>
        <source>Search File(s) in Sub Folder(s) of the Selected Folder.</source>
        <translation>選択したフォルダーのサブフォルダーでもファイルを検索します。</translation>
    </message>
    <message>
        <source>Search Files in Sub Folder(s).</source>
        <translation>サブフォルダーでファイルを検索します。</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>ファイル数</translation>
    </message>
    <message>
        <source>Display Number of Files Count in Every Folder when Loading Files.</source>
        <translation>ファイルの読み込み時に各フォルダーのファイル数を表示します。</translation>
    </message>
    <message>
        <source>Display Files Count in Every Folder</source>
        <translation>フォルダーごとのファイル数を表示</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>ファイル マネージャー</translation>
    </message>
    <message>
        <source>Open Windows Explorer with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>このソフトウェアのフォルダーツリーで選択したフォルダーをファイルマネージャーで開きます。</translation>
    </message>
    <message>
        <source>Open Selected Folder in Explorer</source>
        <translation>選択したフォルダーをファイルマネージャーで開く</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>端末</translation>
    </message>
    <message>
        <source>Open Command Prompt Window with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>このソフトウェアのフォルダーツリーで選択したフォルダーで端末を開きます。</translation>
    </message>
    <message>
        <source>Open Selected Folder in Command Prompt</source>
        <translation>選択したフォルダーを端末で開く</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>ゴミ箱を開く</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>一覧をエクスポート</translation>
    </message>
    <message>
        <source>Export List of Files Visible in List to a Temporary file and Open It.</source>
        <translation>一覧に表示されているファイルを一時ファイルにエクスポートして開きます。</translation>
    </message>
    <message>
        <source>Export List of Files to a Temporary File.</source>
        <translation>ファイル一覧を一時ファイルにエクスポートします。</translation>
    </message>
    <message>
        <source>Ignore Recycle Bin Folder(s) When Listing Files.</source>
        <translation>ファイルを一覧にするときにゴミ箱のフォルダーを除外します。</translation>
    </message>
    <message>
        <source>Do Not Search for Files in Recycle Bin.</source>
        <translation>ゴミ箱ではファイルを検索しません。</translation>
    </message>
    <message>
        <source>Auto Search Last Folder</source>
        <translation>起動時に検索</translation>
    </message>
    <message>
        <source>Automatically Run the Last Search at Application Startup.</source>
        <translation>アプリケーションの起動時に前回の検索を自動的に実行します。</translation>
    </message>
    <message>
        <source>Auto Search File(s) at Startup</source>
        <translation>起動時にファイルを自動検索</translation>
    </message>
    <message>
        <source>AppData</source>
        <translation>AppData</translation>
    </message>
    <message>
        <source>Ignore App Data Folders when Searching Files in the Selected Folder.</source>
        <translation>選択したフォルダーでファイルを検索するときにアプリケーションデータフォルダーを除外します。</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Application Data Folders.</source>
        <translation>アプリケーションデータフォルダーではファイルを検索しません。</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>隠しフォルダー</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Hidden Folders.</source>
        <translation>隠しフォルダーではファイルを検索しません。</translation>
    </message>
    <message>
        <source>Ignore Hidden Folders.</source>
        <translation>隠しフォルダーを除外します。</translation>
    </message>
    <message>
        <source>Display File List</source>
        <translation>ファイル一覧</translation>
    </message>
    <message>
        <source>Display List of Files as they are found. This will require extra time to parse the selected folder.</source>
        <translation>見つかった順にファイルを一覧に表示します。選択したフォルダーを調べるのに時間が余分にかかります。</translation>
    </message>
    <message>
        <source>Display File List in Upper List.</source>
        <translation>上の一覧にファイルを表示します。</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>重複ファイル</translation>
    </message>
    <message>
        <source>Search Duplicate Files from the List by Comparing File Size</source>
        <translation>ファイルサイズを比較して一覧から重複ファイルを探します</translation>
    </message>
    <message>
        <source>Duplicate Files of Same Size</source>
        <translation>同じサイズの重複ファイル</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Open the Tresmolo User Guide</source>
        <translation>Tresmolo ユーザーガイドを開きます</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Tresmolo ユーザーガイド</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>ファイルのあるフォルダーを開く</translation>
    </message>
    <message>
        <source>Open Folder of Selected File</source>
        <translation>選択したファイルのあるフォルダーを開きます</translation>
    </message>
    <message>
        <source>Display Selected File&apos;s Folder in Windows Explorer</source>
        <translation>選択したファイルのあるフォルダーをファイルマネージャーで表示します</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>コピー(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>選択範囲をコピーしてクリップボードに置きます</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>切り取り(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>選択範囲を切り取ってクリップボードに置きます</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>貼り付け(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>クリップボードの内容を挿入します</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>元に戻す(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>直前の操作を元に戻します</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>Tresmolo について(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>プログラムの情報、バージョン番号、著作権を表示します</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>アプリケーションを終了します</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>ステータスバーの表示/非表示を切り替えます</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>ステータスバーの表示切り替え</translation>
    </message>
    <message>
        <source>Size Column</source>
        <translation>サイズ列</translation>
    </message>
    <message>
        <source>Show the size of every found file in the file list.</source>
        <translation>見つかった各ファイルのサイズをファイル一覧に表示します。</translation>
    </message>
    <message>
        <source>Show or Hide the Size Column</source>
        <translation>サイズ列の表示/非表示</translation>
    </message>
    <message>
        <source>Modified Column</source>
        <translation>更新日時列</translation>
    </message>
    <message>
        <source>Show when every found file was last modified in the file list.</source>
        <translation>見つかった各ファイルの最終更新日時をファイル一覧に表示します。</translation>
    </message>
    <message>
        <source>Show or Hide the Modified Column</source>
        <translation>更新日時列の表示/非表示</translation>
    </message>
</context>
<context>
    <name>ContentsCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>無効な日時</translation>
    </message>
    <message>
        <source>%1 Day </source>
        <translation>%1 日 </translation>
    </message>
    <message>
        <source>%1 Hour </source>
        <translation>%1 時間 </translation>
    </message>
    <message>
        <source>%1 Minute </source>
        <translation>%1 分 </translation>
    </message>
    <message>
        <source>%1 Second</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 Days </source>
        <translation>%1 日 </translation>
    </message>
    <message>
        <source>%1 Hours </source>
        <translation>%1 時間 </translation>
    </message>
    <message>
        <source>%1 Minutes </source>
        <translation>%1 分 </translation>
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
        <translation>参照フォルダー内にある</translation>
    </message>
    <message>
        <source>Oldest modified</source>
        <translation>更新日時が最も古い</translation>
    </message>
    <message>
        <source>Newest modified</source>
        <translation>更新日時が最も新しい</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>パスが最も短い</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>パスが最も長い</translation>
    </message>
    <message>
        <source>First in the list</source>
        <translation>一覧で最初にある</translation>
    </message>
    <message>
        <source>Select Files to Remove</source>
        <translation>削除するファイルの選択</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Reference folders</source>
        <translation>参照フォルダー</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダーを追加...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>The file that stays in each group is chosen by the first rule that tells the files apart:</source>
        <translation>各グループに残すファイルは、ファイルを区別できる最初のルールで決まります:</translation>
    </message>
    <message>
        <source>Reference folders, first the most important (files in them are never checked, not even by Check All):</source>
        <translation>参照フォルダー (重要なものから順に。中のファイルには [すべてチェック] でもチェックが付きません):</translation>
    </message>
    <message>
        <source>OK checks every other file of each group, except hard links of the file that stays.</source>
        <translation>[OK] を押すと、各グループのほかのファイルすべてにチェックが付きます (残すファイルのハードリンクは除く)。</translation>
    </message>
    <message>
        <source>Add Reference Folder</source>
        <translation>参照フォルダーを追加</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Last File Found</source>
        <translation>最後に見つかったファイル</translation>
    </message>
</context>
<context>
    <name>FolderListModel</name>
    <message>
        <source>Sr</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>ファイル数</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>Home</source>
        <translation>ホームフォルダー</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>not reached</source>
        <translation>未処理</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>in a reference folder</source>
        <translation>参照フォルダー内にある</translation>
    </message>
    <message>
        <source>no unchanged copy stays in its group</source>
        <translation>グループに変更されていないコピーが残らない</translation>
    </message>
    <message>
        <source>in no group of identical contents</source>
        <translation>内容が同じグループに属していない</translation>
    </message>
    <message>
        <source>already a hard link of the file that stays</source>
        <translation>すでに残すファイルのハードリンクである</translation>
    </message>
    <message>
        <source>already shares its space with the file that stays</source>
        <translation>すでに残すファイルと領域を共有している</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空のファイル</translation>
    </message>
    <message>
        <source>changed since the contents check</source>
        <translation>内容のチェック後に変更された</translation>
    </message>
    <message>
        <source>the file that stays changed</source>
        <translation>残すファイルが変更された</translation>
    </message>
    <message>
        <source>on another file system than the file that stays</source>
        <translation>残すファイルとは別のファイルシステム上にある</translation>
    </message>
    <message>
        <source>its file system cannot share space between files</source>
        <translation>ファイルシステムがファイル間の領域共有に対応していない</translation>
    </message>
    <message>
        <source>stopped part way</source>
        <translation>途中で停止</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>changed since it was listed</source>
        <translation>一覧に載った後に変更された</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
</context>
<context>
    <name>ResultsFilterBox</name>
    <message>
        <source>Filter the found files by name or folder (Ctrl+F)</source>
        <translation>見つかったファイルを名前またはフォルダーで絞り込む (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows only the files whose name or folder contains this text. Escape clears it.</source>
        <translation>名前またはフォルダーにこの文字列を含むファイルだけを表示します。Esc キーで消去します。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>絞り込み</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>絞り込みを解除</translation>
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
        <translation>番号</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>読み取り不可</translation>
    </message>
    <message>
        <source>hard link of #%1</source>
        <translation>#%1 のハードリンク</translation>
    </message>
    <message>
        <source>symbolic link</source>
        <translation>シンボリックリンク</translation>
    </message>
    <message>
        <source>changed since the scan</source>
        <translation>調べた後に変更</translation>
    </message>
    <message>
        <source>keeps</source>
        <translation>残す</translation>
    </message>
</context>
<context>
    <name>SearchFilters</name>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 バイト</translation>
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
        <translation>%1 個のパターンをスキップ</translation>
    </message>
    <message>
        <source>name matches a wildcard</source>
        <translation>名前がワイルドカードに一致</translation>
    </message>
    <message>
        <source>name matches a regular expression</source>
        <translation>名前が正規表現に一致</translation>
    </message>
    <message>
        <source>size at least %1</source>
        <translation>サイズ %1 以上</translation>
    </message>
    <message>
        <source>size at most %1</source>
        <translation>サイズ %1 以下</translation>
    </message>
    <message>
        <source>modified on or after %1</source>
        <translation>%1 以降に更新</translation>
    </message>
    <message>
        <source>modified on or before %1</source>
        <translation>%1 以前に更新</translation>
    </message>
    <message>
        <source>modified in the last %1 day(s)</source>
        <translation>過去 %1 日以内に更新</translation>
    </message>
    <message>
        <source>contents match &quot;%1&quot;</source>
        <translation>内容が「%1」に一致</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>「%1」を含む</translation>
    </message>
    <message>
        <source>binary files too</source>
        <translation>バイナリファイルも対象</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1、%2</translation>
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
        <translation>1 行に 1 つの名前またはパターン (例: node_modules)</translation>
    </message>
    <message>
        <source>Folders and files whose name matches one of these patterns are skipped. A pattern matches the exact bytes of a name, case-sensitive: * stands for any run of characters, ? for one, [abc] for one of a set. A pattern holding / matches the path below the chosen folder (e.g. src/build), and one ending in / matches folders only.</source>
        <translation>名前がこれらのパターンのいずれかに一致するフォルダーとファイルはスキップされます。パターンは名前のバイト列と正確に照合され、大文字と小文字は区別されます: * は任意の長さの文字列、? は 1 文字、[abc] は集合内の 1 文字を表します。/ を含むパターンは選択したフォルダーより下のパス (例: src/build) と照合され、/ で終わるパターンはフォルダーだけに一致します。</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>Adds a name that is often not worth searching.</source>
        <translation>検索する価値がないことの多い名前を追加します。</translation>
    </message>
    <message>
        <source>S&amp;kip names:</source>
        <translation>スキップする名前(&amp;K):</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>部分一致</translation>
    </message>
    <message>
        <source>matches wildcard</source>
        <translation>ワイルドカード</translation>
    </message>
    <message>
        <source>matches regular expression</source>
        <translation>正規表現</translation>
    </message>
    <message>
        <source>How the search word is matched against each file&apos;s name, without regard to case: found anywhere in it, as a wildcard pattern for the whole name, or as a regular expression.</source>
        <translation>検索語を各ファイル名と照合する方法 (大文字と小文字は区別しません): 名前のどこかに含まれる、名前全体に対するワイルドカードパターン、または正規表現。</translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation>ファイル名(&amp;N)</translation>
    </message>
    <message>
        <source>the search word</source>
        <translation>で検索語と照合</translation>
    </message>
    <message>
        <source>At l&amp;east</source>
        <translation>最小(&amp;E)</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>最小サイズ</translation>
    </message>
    <message>
        <source>Unit of the smallest size</source>
        <translation>最小サイズの単位</translation>
    </message>
    <message>
        <source>At m&amp;ost</source>
        <translation>最大(&amp;O)</translation>
    </message>
    <message>
        <source>Largest size</source>
        <translation>最大サイズ</translation>
    </message>
    <message>
        <source>Unit of the largest size</source>
        <translation>最大サイズの単位</translation>
    </message>
    <message>
        <source>Modified on or after this day</source>
        <translation>この日以降に更新</translation>
    </message>
    <message>
        <source>Modified on or a&amp;fter</source>
        <translation>この日以降に更新(&amp;F)</translation>
    </message>
    <message>
        <source>Modified on or before this day</source>
        <translation>この日以前に更新</translation>
    </message>
    <message>
        <source>Modified on or &amp;before</source>
        <translation>この日以前に更新(&amp;B)</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>日数</translation>
    </message>
    <message>
        <source>Modified in the &amp;last</source>
        <translation>過去(&amp;L)</translation>
    </message>
    <message>
        <source>days</source>
        <translation>日以内に更新</translation>
    </message>
    <message>
        <source>Only files whose contents hold this text are found, without regard to case.</source>
        <translation>内容にこの文字列を含むファイルだけが見つかります (大文字と小文字は区別しません)。</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>含む文字列(&amp;T):</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>正規表現(&amp;X)</translation>
    </message>
    <message>
        <source>Search b&amp;inary files too</source>
        <translation>バイナリファイルも検索(&amp;I)</translation>
    </message>
    <message>
        <source>Also search files that look binary (a zero byte in their first 128 KB).</source>
        <translation>バイナリと思われるファイル (最初の 128 KB にゼロバイトを含むもの) も検索します。</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>Puts every one of these options back to its default.</source>
        <translation>これらのオプションをすべて既定値に戻します。</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>バイト</translation>
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
        <translation>1 KB は 1,024 バイト、1 MB は 1,024 KB、1 GB は 1,024 MB です。</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be moved to the trash and stays where it is.</source>
        <translation>%1 をゴミ箱に移動できませんでした。元の場所に残っています。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>These %1 items could not be moved to the trash and stay where they are:

</source>
        <translation>次の %1 個の項目をゴミ箱に移動できませんでした。元の場所に残っています:

</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the trash?</source>
        <translation>%1 をゴミ箱に移動しますか?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>これら %1 個の項目をゴミ箱に移動しますか?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Moving %1 to the trash</source>
        <translation>%1 をゴミ箱に移動しています</translation>
    </message>
    <message>
        <source>No terminal program was found. Install one, or name yours in the TERMINAL environment variable.</source>
        <translation>端末プログラムが見つかりません。端末プログラムをインストールするか、環境変数 TERMINAL で指定してください。</translation>
    </message>
    <message>
        <source>No file manager was found to open the folder %1. Install one to open folders from here.</source>
        <translation>フォルダー %1 を開くファイルマネージャーが見つかりません。ここからフォルダーを開くには、ファイルマネージャーをインストールしてください。</translation>
    </message>
</context>
<context>
    <name>Shell::PropertiesDialog</name>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>%1 のプロパティ</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>フォルダー:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>読み取れません: %1</translation>
    </message>
    <message>
        <source>Points to:</source>
        <translation>リンク先:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>更新日時:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>アクセス権:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>所有者:</translation>
    </message>
    <message>
        <source>%1, group %2</source>
        <translation>%1、グループ %2</translation>
    </message>
</context>
<context>
    <name>SwitchTips</name>
    <message>
        <source>Skips the system&apos;s programs folder, %1, while searching.</source>
        <translation>検索時にシステムのプログラムフォルダー %1 をスキップします。</translation>
    </message>
    <message>
        <source>Skips the folder of added programs, %1, while searching.</source>
        <translation>検索時に、追加でインストールしたプログラムのフォルダー %1 をスキップします。</translation>
    </message>
    <message>
        <source>Skips the trash while searching: %1, and every folder named .Trash or .Trash- followed by digits.</source>
        <translation>検索時にゴミ箱をスキップします: %1、および .Trash という名前か .Trash- の後に数字が続く名前のすべてのフォルダー。</translation>
    </message>
    <message>
        <source>Skips the application data folders while searching: %1.</source>
        <translation>検索時にアプリケーションデータフォルダーをスキップします: %1。</translation>
    </message>
    <message>
        <source>Skips folders whose names start with a dot (.), and folders that cannot be examined, while searching.</source>
        <translation>検索時に、名前がドット (.) で始まるフォルダーと、調べることができないフォルダーをスキップします。</translation>
    </message>
    <message>
        <source>Skips files whose names start with a dot (.) while searching.</source>
        <translation>検索時に、名前がドット (.) で始まるファイルをスキップします。</translation>
    </message>
    <message>
        <source>Skips files that nobody may write to (no write permission at all) while searching.</source>
        <translation>検索時に、だれも書き込めないファイル (書き込み権限がまったくないもの) をスキップします。</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be used: %2</source>
        <translation>ゴミ箱フォルダー %1 を使用できません: %2</translation>
    </message>
    <message>
        <source>it is on another volume than the home trash, and its own volume has no trash it can use (%1)</source>
        <translation>ホームフォルダーのゴミ箱とは別のボリュームにあり、そのボリュームには使用できるゴミ箱がありません (%1)</translation>
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
        <translation>青のスタイル(&amp;B)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Blue Style)</source>
        <translation>Office 2007 青のスタイル(&amp;B)</translation>
    </message>
    <message>
        <source>B&amp;lack Style</source>
        <translation>黒のスタイル(&amp;L)</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 黒のスタイル(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>シルバーのスタイル(&amp;S)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 シルバーのスタイル(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Aqua Style</source>
        <translation>アクアのスタイル(&amp;A)</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Aqua Style)</source>
        <translation>Office 2007 アクアのスタイル(&amp;A)</translation>
    </message>
    <message>
        <source>Office 200&amp;7</source>
        <translation>Office 200&amp;7</translation>
    </message>
</context>
</TS>
