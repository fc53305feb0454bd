<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tresmolo</source>
        <translation>Sobre o Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo, Version %1</source>
        <translation>Tresmolo, versão %1</translation>
    </message>
    <message>
        <source>Support: see the user guide</source>
        <translation>Suporte: consulte o guia do usuário</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Guia do usuário do Tresmolo</translation>
    </message>
    <message>
        <source>Open the user guide in your browser</source>
        <translation>Abrir o guia do usuário no navegador</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Doar</translation>
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
        <translation>Alterar a aparência do aplicativo</translation>
    </message>
    <message>
        <source>Application Button</source>
        <translation>Botão do aplicativo</translation>
    </message>
    <message>
        <source>Switches to the next look. Alt+F opens the application menu.</source>
        <translation>Muda para a próxima aparência. Alt+F abre o menu do aplicativo.</translation>
    </message>
</context>
<context>
    <name>CDlgDuplicateResults</name>
    <message>
        <source>Verify Contents</source>
        <translation>Verificar conteúdo</translation>
    </message>
    <message>
        <source>Compare the contents of the files of each group</source>
        <translation>Comparar o conteúdo dos arquivos de cada grupo</translation>
    </message>
    <message>
        <source>%1 group(s), %2 file(s), %3 in duplicates</source>
        <translation>%1 grupo(s), %2 arquivo(s), %3 em duplicatas</translation>
    </message>
    <message>
        <source>Comparing the contents of the files...</source>
        <translation>Comparando o conteúdo dos arquivos...</translation>
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
        <translation>Esta janela exibe possíveis arquivos duplicados, agrupados por tamanho.

Arquivos do mesmo tamanho podem ser duplicados ou diferentes.

Examine-os com atenção antes de excluir qualquer arquivo.

Clique com o botão direito para ver os comandos disponíveis.

Se a lista de arquivos estiver rolando, aguarde até que ela pare.</translation>
    </message>
    <message>
        <source>Check the Files which you wish to Send to Recyle Bin and then try again.</source>
        <translation>Marque os arquivos que deseja enviar para a lixeira e tente novamente.</translation>
    </message>
    <message>
        <source>Duplicate Search Results - %1</source>
        <translation>Resultados da busca de duplicatas - %1</translation>
    </message>
    <message>
        <source>Display Selected File(s) in Explorer</source>
        <translation>Mostrar os arquivos selecionados no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Send Checked File(s) to Recycle Bin</source>
        <translation>Enviar os arquivos marcados para a lixeira</translation>
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
        <translation>Verificação do conteúdo</translation>
    </message>
    <message>
        <source>How many groups and files the list holds, and the space their extra copies take</source>
        <translation>Quantos grupos e arquivos a lista contém, e o espaço que as cópias extras ocupam</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>Keep one file of each group?

Yes keeps these files and sends the other checked files to the Recycle Bin:
%1

No sends every checked file to the Recycle Bin, the last copy of each group included.</source>
        <translation>Manter um arquivo de cada grupo?

“Sim” mantém estes arquivos e envia os outros arquivos marcados para a lixeira:
%1

“Não” envia todos os arquivos marcados para a lixeira, incluindo a última cópia de cada grupo.</translation>
    </message>
    <message>
        <source>The contents cache could not be used: %1</source>
        <translation>Não foi possível usar o cache de conteúdo: %1</translation>
    </message>
    <message>
        <source>Duplicate Candidates</source>
        <translation>Possíveis duplicatas</translation>
    </message>
    <message>
        <source>Files of equal size, one group after another; check the files to send to the Recycle Bin</source>
        <translation>Arquivos do mesmo tamanho, grupo após grupo; marque os arquivos a enviar para a lixeira</translation>
    </message>
    <message>
        <source>Select Files to Remove...</source>
        <translation>Selecionar arquivos a remover...</translation>
    </message>
    <message>
        <source>Check the files of each group but the one that stays, by rules you choose</source>
        <translation>Marcar os arquivos de cada grupo, exceto o que é mantido, segundo regras que você escolher</translation>
    </message>
    <message>
        <source>Replace Checked with Hard Links</source>
        <translation>Substituir os arquivos marcados por links físicos</translation>
    </message>
    <message>
        <source>Replace Checked with Shared Copies</source>
        <translation>Substituir os arquivos marcados por cópias compartilhadas</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Check the files to replace with the file that stays in their group, then try again.</source>
        <translation>Marque os arquivos a substituir pelo arquivo mantido em seu grupo e tente novamente.</translation>
    </message>
    <message>
        <source>Only files whose contents were compared can be replaced. Verify Contents first.</source>
        <translation>Só é possível substituir arquivos cujo conteúdo foi comparado. Use “Verificar conteúdo” primeiro.</translation>
    </message>
    <message>
        <source>Replacing the checked files with hard links...</source>
        <translation>Substituindo os arquivos marcados por links físicos...</translation>
    </message>
    <message>
        <source>Sharing the space of the checked files...</source>
        <translation>Compartilhando o espaço dos arquivos marcados...</translation>
    </message>
    <message>
        <source>%1 file(s) replaced with hard links, %2 freed.</source>
        <translation>%1 arquivo(s) substituído(s) por links físicos; espaço liberado: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) now share their space with the file that stays, %2 freed.</source>
        <translation>%1 arquivo(s) agora compartilham seu espaço com o arquivo mantido; espaço liberado: %2.</translation>
    </message>
    <message>
        <source>%1 file(s) skipped:</source>
        <translation>%1 arquivo(s) ignorado(s):</translation>
    </message>
    <message>
        <source>%1: %2 file(s)</source>
        <translation>%1: %2 arquivo(s)</translation>
    </message>
    <message>
        <source>Stopped before every checked file was done.</source>
        <translation>Parado antes de processar todos os arquivos marcados.</translation>
    </message>
    <message>
        <source>The action log %1 could not be written: %2</source>
        <translation>Não foi possível gravar o registro de ações %1: %2</translation>
    </message>
    <message>
        <source>%1 file(s) checked, %2 to free</source>
        <translation>%1 arquivo(s) marcado(s), %2 a liberar</translation>
    </message>
</context>
<context>
    <name>CDlgSearchParameters</name>
    <message>
        <source>Search by Partial or Full File Name</source>
        <translation>Buscar por nome de arquivo parcial ou completo</translation>
    </message>
    <message>
        <source>&amp;Search Word :</source>
        <translation>&amp;Palavra de busca:</translation>
    </message>
    <message>
        <source>Search &amp;Path :</source>
        <translation>&amp;Caminho de busca:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Specify Search Parameters - %1</source>
        <translation>Parâmetros de busca - %1</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2).</source>
        <translation>Expressão regular inválida: %1 (no caractere %2).</translation>
    </message>
    <message>
        <source>Invalid regular expression: %1.</source>
        <translation>Expressão regular inválida: %1.</translation>
    </message>
    <message>
        <source>The words searched for last are in the list.</source>
        <translation>As últimas palavras buscadas estão na lista.</translation>
    </message>
    <message>
        <source>Search Word</source>
        <translation>Palavra de busca</translation>
    </message>
    <message>
        <source>Search Path</source>
        <translation>Caminho de busca</translation>
    </message>
    <message>
        <source>&amp;More Options</source>
        <translation>&amp;Mais opções</translation>
    </message>
    <message>
        <source>Shows or hides the options beyond the word: names to skip, how the word matches, size, date and text inside the files.</source>
        <translation>Mostra ou oculta as opções além da palavra: nomes a ignorar, como a palavra corresponde, tamanho, data e texto dentro dos arquivos.</translation>
    </message>
</context>
<context>
    <name>CDlgSplash</name>
    <message>
        <source>File search for your folders</source>
        <translation>Busca de arquivos nas suas pastas</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>%1 Loading...</source>
        <translation>Carregando o %1...</translation>
    </message>
</context>
<context>
    <name>CFolderTree</name>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Folder Tree</source>
        <translation>Árvore de pastas</translation>
    </message>
    <message>
        <source>Choose the folder to search</source>
        <translation>Escolha a pasta em que buscar</translation>
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
        <translation>Aqui aparece uma mensagem informativa para o usuário.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barra de informações</translation>
    </message>
    <message>
        <source>What to do next, or how the last search went</source>
        <translation>O que fazer a seguir, ou como foi a última busca</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Filter Found Files</source>
        <translation>&amp;Filtrar arquivos encontrados</translation>
    </message>
    <message>
        <source>Show only the found files whose name or folder contains a text.</source>
        <translation>Mostrar apenas os arquivos encontrados cujo nome ou pasta contém um texto.</translation>
    </message>
    <message>
        <source>Ne&amp;xt Pane</source>
        <translation>Pró&amp;ximo painel</translation>
    </message>
    <message>
        <source>Pre&amp;vious Pane</source>
        <translation>Painel an&amp;terior</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>&amp;Aparência do aplicativo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>&amp;Caption Bar</source>
        <translation>Barra de &amp;informações</translation>
    </message>
    <message>
        <source>&amp;Files Count in Every Folder</source>
        <translation>&amp;Número de arquivos por pasta</translation>
    </message>
    <message>
        <source>&amp;Display File List</source>
        <translation>Exibir &amp;lista de arquivos</translation>
    </message>
    <message>
        <source>D&amp;uplicate Files of Same Size</source>
        <translation>Arquivos &amp;duplicados do mesmo tamanho</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Selected Folder Will Appear Here</source>
        <translation>A pasta selecionada aparecerá aqui</translation>
    </message>
    <message>
        <source>Number of Files Found in Search.</source>
        <translation>Número de arquivos encontrados na busca.</translation>
    </message>
    <message>
        <source>File Count in List</source>
        <translation>Número de arquivos na lista</translation>
    </message>
    <message>
        <source>Select Folder from the Left Hand Side to be Searched.</source>
        <translation>Selecione à esquerda a pasta em que buscar.</translation>
    </message>
    <message>
        <source>Information Bar</source>
        <translation>Barra de informações</translation>
    </message>
    <message>
        <source>The settings cannot be saved in %1. Changes made now may be lost when Tresmolo closes.</source>
        <translation>Não é possível salvar as configurações em %1. As alterações feitas agora podem ser perdidas ao fechar o Tresmolo.</translation>
    </message>
    <message>
        <source>Please Select a Folder from the Folder List to Search for File(s).</source>
        <translation>Selecione na lista de pastas uma pasta em que buscar arquivos.</translation>
    </message>
    <message>
        <source>Folder Name Selected from the Folder List will Appear Here.</source>
        <translation>O nome da pasta selecionada na lista de pastas aparecerá aqui.</translation>
    </message>
    <message>
        <source>Folder %1 Selected to Search File(s).</source>
        <translation>Pasta %1 selecionada para buscar arquivos.</translation>
    </message>
    <message>
        <source>Press the Start Button to Start Searching File(s) from the Folder %1.</source>
        <translation>Pressione o botão Iniciar para começar a buscar arquivos na pasta %1.</translation>
    </message>
    <message>
        <source>Si&amp;ze Column</source>
        <translation>Coluna Ta&amp;manho</translation>
    </message>
    <message>
        <source>&amp;Modified Column</source>
        <translation>Coluna M&amp;odificado</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>&amp;Sobre o Tresmolo...</translation>
    </message>
    <message>
        <source>The folder chosen to search</source>
        <translation>A pasta escolhida para a busca</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: it lies on a virtual file system (such as /proc or /sys), which is never searched.</source>
        <translation>A própria pasta %1 não foi percorrida: ela está em um sistema de arquivos virtual (como /proc ou /sys), que nunca é percorrido.</translation>
    </message>
    <message>
        <source>The folder %1 itself was not searched: the switch &quot;%2&quot; in &quot;%3&quot; skips it.</source>
        <translation>A própria pasta %1 não foi percorrida: a opção “%2” do grupo “%3” a ignora.</translation>
    </message>
</context>
<context>
    <name>COutlookBar</name>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Outlook Bar</source>
        <translation>Barra de navegação</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>Navigation Pane Pages</source>
        <translation>Páginas da barra de navegação</translation>
    </message>
</context>
<context>
    <name>CPendrakeView</name>
    <message>
        <source>View Selected File</source>
        <translation>Abrir o arquivo selecionado</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Abrir a pasta do arquivo</translation>
    </message>
    <message>
        <source>Locate File in Explorer</source>
        <translation>Mostrar o arquivo no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Send File to Recycle Bin</source>
        <translation>Enviar o arquivo para a lixeira</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>Propriedades do arquivo</translation>
    </message>
    <message>
        <source>Folder Properties</source>
        <translation>Propriedades da pasta</translation>
    </message>
    <message>
        <source>Open Selected Folder</source>
        <translation>Abrir a pasta selecionada</translation>
    </message>
    <message>
        <source>Send Folder to Recycle Bin</source>
        <translation>Enviar a pasta para a lixeira</translation>
    </message>
    <message>
        <source>The list of files could not be written completely to %1 (%2). The incomplete file has been removed.</source>
        <translation>Não foi possível gravar a lista de arquivos completa em %1 (%2). O arquivo incompleto foi removido.</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>Copiar caminho</translation>
    </message>
    <message>
        <source>Please Select a Folder from the List of Folders (from the Left Hand Side) &amp; then Press the Start Button.</source>
        <translation>Selecione uma pasta na lista de pastas (à esquerda) &amp; depois pressione o botão Iniciar.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>File Search for Folder %1, Started At %2</source>
        <translation>Busca de arquivos na pasta %1, iniciada às %2</translation>
    </message>
    <message>
        <source>File Search Started At %1 , Stopped At %2. Parsed %3 Folder(s). </source>
        <translation>Busca de arquivos iniciada às %1, parada às %2. %3 pasta(s) percorrida(s). </translation>
    </message>
    <message>
        <source>File Search Stopped At %1.</source>
        <translation>Busca de arquivos parada às %1.</translation>
    </message>
    <message>
        <source>%1 Folder(s) Parsed. </source>
        <translation>%1 pasta(s) percorrida(s). </translation>
    </message>
    <message>
        <source>%1 Folder(s) Ignored. </source>
        <translation>%1 pasta(s) ignorada(s). </translation>
    </message>
    <message>
        <source>%1 Folder(s) Do Not Contain Files. </source>
        <translation>%1 pasta(s) sem arquivos. </translation>
    </message>
    <message>
        <source>%1 File(s) Found.</source>
        <translation>%1 arquivo(s) encontrado(s).</translation>
    </message>
    <message>
        <source>It Took Aound %1.</source>
        <translation>Duração: cerca de %1.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Lista de arquivos</translation>
    </message>
    <message>
        <source>The files found, or the search&apos;s status lines</source>
        <translation>Os arquivos encontrados, ou as linhas de status da busca</translation>
    </message>
    <message>
        <source>File List Headings</source>
        <translation>Cabeçalhos da lista de arquivos</translation>
    </message>
    <message>
        <source>Folder List</source>
        <translation>Lista de pastas</translation>
    </message>
    <message>
        <source>The folders that hold found files, with their file counts</source>
        <translation>As pastas que contêm arquivos encontrados, com seu número de arquivos</translation>
    </message>
    <message>
        <source>Folder List Headings</source>
        <translation>Cabeçalhos da lista de pastas</translation>
    </message>
    <message>
        <source>%1 Folder(s) Could Not Be Opened (Too Many Open Files). </source>
        <translation>%1 pasta(s) não aberta(s) (arquivos abertos demais). </translation>
    </message>
    <message>
        <source>%1 File(s) Could Not Be Read. </source>
        <translation>%1 arquivo(s) ilegível(is). </translation>
    </message>
</context>
<context>
    <name>CRibbonBar</name>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Início</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Modify Visual Style</source>
        <translation>Alterar o estilo visual</translation>
    </message>
    <message>
        <source>Choose one of the Office 2007 themes</source>
        <translation>Escolher um dos temas do Office 2007</translation>
    </message>
    <message>
        <source>Folders To Ignore</source>
        <translation>Pastas a ignorar</translation>
    </message>
    <message>
        <source>Files to Ignore</source>
        <translation>Arquivos a ignorar</translation>
    </message>
    <message>
        <source>File Search</source>
        <translation>Busca</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Lançadores</translation>
    </message>
    <message>
        <source>Exporters</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Command Panel Tabs</source>
        <translation>Abas do painel de comandos</translation>
    </message>
    <message>
        <source>Opens a menu with the commands of this panel.</source>
        <translation>Abre um menu com os comandos deste grupo.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Searches a folder (and its sub-folders) for files, lists them with per-folder counts
and lets you act on them. With FOLDER, that folder is selected in the folder tree.</source>
        <translation>Busca arquivos em uma pasta (e suas subpastas), lista-os com a contagem por pasta e
permite agir sobre eles. Com FOLDER, essa pasta é selecionada na árvore de pastas.</translation>
    </message>
    <message>
        <source>Start a search in the selected folder at once, as the automatic search at start-up does.</source>
        <translation>Iniciar imediatamente uma busca na pasta selecionada, como faz a busca automática ao iniciar.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>A pasta “%1” não existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder.</source>
        <translation>“%1” não é uma pasta.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for more information.</source>
        <translation>Tente “%1 --help” para mais informações.</translation>
    </message>
    <message>
        <source>Give one folder at most.</source>
        <translation>Indique no máximo uma pasta.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, given to Qt when they come before &quot;--&quot;:</source>
        <translation>Opções próprias do Qt, repassadas ao Qt quando vêm antes de “--”:</translation>
    </message>
    <message>
        <source>The folder to select (and search): a path, or a local file:// URI. Every argument after &quot;--&quot; is a folder, even one that starts with &quot;-&quot;.</source>
        <translation>A pasta a selecionar (e em que buscar): um caminho ou um URI file:// local. Todo argumento depois de “--” é uma pasta, mesmo que comece com “-”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder on another computer (%2); only local folders can be searched.</source>
        <translation>“%1” indica uma pasta em outro computador (%2); só é possível buscar em pastas locais.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI.</source>
        <translation>“%1” não é um URI de arquivo válido.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: %2.</source>
        <translation>A pasta “%1” não pode ser aberta: %2.</translation>
    </message>
    <message>
        <source>Missing value after &quot;%1&quot;.</source>
        <translation>Falta um valor depois de “%1”.</translation>
    </message>
    <message>
        <source>Unknown option: %1 (did you mean &quot;%2&quot;?)</source>
        <translation>Opção desconhecida: %1 (você quis dizer “%2”?)</translation>
    </message>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opção desconhecida: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid file URI: a &quot;/&quot; cannot be part of a name.</source>
        <translation>“%1” não é um URI de arquivo válido: o caractere “/” não pode fazer parte de um nome.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read: %2.</source>
        <translation>A pasta “%1” não pode ser lida: %2.</translation>
    </message>
    <message>
        <source>The entries of the folder &quot;%1&quot; cannot be examined: %2.</source>
        <translation>As entradas da pasta “%1” não podem ser examinadas: %2.</translation>
    </message>
    <message>
        <source>The folder name is empty.</source>
        <translation>O nome da pasta está vazio.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be opened: the current folder cannot be read: %2.</source>
        <translation>A pasta “%1” não pode ser aberta: a pasta atual não pode ser lida: %2.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Caption Bar</source>
        <translation>Barra de informações</translation>
    </message>
    <message>
        <source>Show or hide the caption bar</source>
        <translation>Mostrar ou ocultar a barra de informações</translation>
    </message>
    <message>
        <source>Toggle Caption Bar</source>
        <translation>Mostrar/ocultar a barra de informações</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Ignore Windows Folder ( e.g C:\Windows ) While Searching.</source>
        <translation>Ignorar a pasta do Windows (p. ex. C:\Windows) ao buscar.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Windows Folder</source>
        <translation>Não buscar nos arquivos da pasta do Windows</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Ignore Programs Folder ( e.g C:\Program Files ) While Searching.</source>
        <translation>Ignorar a pasta de programas (p. ex. C:\Program Files) ao buscar.</translation>
    </message>
    <message>
        <source>Do Not Search in Files of Program Files Folder</source>
        <translation>Não buscar nos arquivos da pasta de programas</translation>
    </message>
    <message>
        <source>Hidden Files</source>
        <translation>Arquivos ocultos</translation>
    </message>
    <message>
        <source>Ignore all Hidden Files in Search.</source>
        <translation>Ignorar todos os arquivos ocultos na busca.</translation>
    </message>
    <message>
        <source>Skip Hidden Files when Searching.</source>
        <translation>Pular os arquivos ocultos ao buscar.</translation>
    </message>
    <message>
        <source>Read Only Files</source>
        <translation>Somente leitura</translation>
    </message>
    <message>
        <source>Ignore all Read Only Files in Search.</source>
        <translation>Ignorar todos os arquivos somente leitura na busca.</translation>
    </message>
    <message>
        <source>Skip Read Only Files in File Search.</source>
        <translation>Pular os arquivos somente leitura na busca de arquivos.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Start Searching of Files for the Selected Folder.</source>
        <translation>Começar a buscar arquivos na pasta selecionada.</translation>
    </message>
    <message>
        <source>Start File(s) Search.</source>
        <translation>Iniciar a busca de arquivos.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop Searching of of Files for the Selected Folder.</source>
        <translation>Parar a busca de arquivos na pasta selecionada.</translation>
    </message>
    <message>
        <source>Stop Searching of File(s).</source>
        <translation>Parar a busca de arquivos.</translation>
    </message>
    <message>
        <source>Search SubFolder(s)</source>
        <translation>Incluir subpastas</translation>
    </message>
    <message>
        <source>Search File(s) in Sub Folder(s) of the Selected Folder.</source>
        <translation>Buscar arquivos também nas subpastas da pasta selecionada.</translation>
    </message>
    <message>
        <source>Search Files in Sub Folder(s).</source>
        <translation>Buscar arquivos nas subpastas.</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Número de arquivos</translation>
    </message>
    <message>
        <source>Display Number of Files Count in Every Folder when Loading Files.</source>
        <translation>Exibir o número de arquivos de cada pasta ao carregar os arquivos.</translation>
    </message>
    <message>
        <source>Display Files Count in Every Folder</source>
        <translation>Exibir o número de arquivos por pasta</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>Gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Open Windows Explorer with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Abrir no gerenciador de arquivos a pasta selecionada na árvore de pastas deste programa.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Explorer</source>
        <translation>Abrir a pasta selecionada no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Open Command Prompt Window with Folder Selected in this Software&apos;s Folder Tree.</source>
        <translation>Abrir um terminal na pasta selecionada na árvore de pastas deste programa.</translation>
    </message>
    <message>
        <source>Open Selected Folder in Command Prompt</source>
        <translation>Abrir a pasta selecionada em um terminal</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>Open Recycle Bin</source>
        <translation>Abrir a lixeira</translation>
    </message>
    <message>
        <source>Export File List</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>Export List of Files Visible in List to a Temporary file and Open It.</source>
        <translation>Exportar os arquivos visíveis na lista para um arquivo temporário e abri-lo.</translation>
    </message>
    <message>
        <source>Export List of Files to a Temporary File.</source>
        <translation>Exportar a lista de arquivos para um arquivo temporário.</translation>
    </message>
    <message>
        <source>Ignore Recycle Bin Folder(s) When Listing Files.</source>
        <translation>Ignorar as pastas da lixeira ao listar arquivos.</translation>
    </message>
    <message>
        <source>Do Not Search for Files in Recycle Bin.</source>
        <translation>Não buscar arquivos na lixeira.</translation>
    </message>
    <message>
        <source>Auto Search Last Folder</source>
        <translation>Buscar ao iniciar</translation>
    </message>
    <message>
        <source>Automatically Run the Last Search at Application Startup.</source>
        <translation>Repetir automaticamente a última busca ao iniciar o aplicativo.</translation>
    </message>
    <message>
        <source>Auto Search File(s) at Startup</source>
        <translation>Buscar arquivos automaticamente ao iniciar</translation>
    </message>
    <message>
        <source>AppData</source>
        <translation>AppData</translation>
    </message>
    <message>
        <source>Ignore App Data Folders when Searching Files in the Selected Folder.</source>
        <translation>Ignorar as pastas de dados de aplicativos ao buscar arquivos na pasta selecionada.</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Application Data Folders.</source>
        <translation>Não buscar arquivos nas pastas de dados de aplicativos.</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Ocultas</translation>
    </message>
    <message>
        <source>Do Not Search File(s) in Hidden Folders.</source>
        <translation>Não buscar arquivos nas pastas ocultas.</translation>
    </message>
    <message>
        <source>Ignore Hidden Folders.</source>
        <translation>Ignorar as pastas ocultas.</translation>
    </message>
    <message>
        <source>Display File List</source>
        <translation>Exibir arquivos</translation>
    </message>
    <message>
        <source>Display List of Files as they are found. This will require extra time to parse the selected folder.</source>
        <translation>Exibir os arquivos à medida que são encontrados. Percorrer a pasta selecionada levará mais tempo.</translation>
    </message>
    <message>
        <source>Display File List in Upper List.</source>
        <translation>Exibir os arquivos na lista superior.</translation>
    </message>
    <message>
        <source>Duplicate Files</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>Search Duplicate Files from the List by Comparing File Size</source>
        <translation>Buscar arquivos duplicados na lista comparando o tamanho</translation>
    </message>
    <message>
        <source>Duplicate Files of Same Size</source>
        <translation>Arquivos duplicados do mesmo tamanho</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Open the Tresmolo User Guide</source>
        <translation>Abrir o guia do usuário do Tresmolo</translation>
    </message>
    <message>
        <source>Tresmolo User Guide</source>
        <translation>Guia do usuário do Tresmolo</translation>
    </message>
    <message>
        <source>Open File&apos;s Folder</source>
        <translation>Abrir a pasta do arquivo</translation>
    </message>
    <message>
        <source>Open Folder of Selected File</source>
        <translation>Abrir a pasta do arquivo selecionado</translation>
    </message>
    <message>
        <source>Display Selected File&apos;s Folder in Windows Explorer</source>
        <translation>Mostrar a pasta do arquivo selecionado no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copiar a seleção para a área de transferência</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Recortar	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Recortar a seleção e colocá-la na área de transferência</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>Co&amp;lar	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Inserir o conteúdo da área de transferência</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Desfazer	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Desfazer a última ação</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>&amp;About Tresmolo...</source>
        <translation>&amp;Sobre o Tresmolo...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Exibir informações do programa, número da versão e direitos autorais</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Sair do aplicativo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostrar ou ocultar a barra de status</translation>
    </message>
    <message>
        <source>Toggle Status Bar</source>
        <translation>Mostrar/ocultar a barra de status</translation>
    </message>
    <message>
        <source>Size Column</source>
        <translation>Coluna Tamanho</translation>
    </message>
    <message>
        <source>Show the size of every found file in the file list.</source>
        <translation>Mostrar o tamanho de cada arquivo encontrado na lista de arquivos.</translation>
    </message>
    <message>
        <source>Show or Hide the Size Column</source>
        <translation>Mostrar ou ocultar a coluna Tamanho</translation>
    </message>
    <message>
        <source>Modified Column</source>
        <translation>Coluna Modificado</translation>
    </message>
    <message>
        <source>Show when every found file was last modified in the file list.</source>
        <translation>Mostrar na lista de arquivos quando cada arquivo encontrado foi modificado pela última vez.</translation>
    </message>
    <message>
        <source>Show or Hide the Modified Column</source>
        <translation>Mostrar ou ocultar a coluna Modificado</translation>
    </message>
</context>
<context>
    <name>ContentsCache</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
</context>
<context>
    <name>DateTime</name>
    <message>
        <source>Invalid DateTime</source>
        <translation>Data e hora inválidas</translation>
    </message>
    <message>
        <source>%1 Day </source>
        <translation>%1 dia </translation>
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
        <translation>%1 dias </translation>
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
        <translation>Em uma pasta de referência</translation>
    </message>
    <message>
        <source>Oldest modified</source>
        <translation>Modificação mais antiga</translation>
    </message>
    <message>
        <source>Newest modified</source>
        <translation>Modificação mais recente</translation>
    </message>
    <message>
        <source>Shortest path</source>
        <translation>Caminho mais curto</translation>
    </message>
    <message>
        <source>Longest path</source>
        <translation>Caminho mais longo</translation>
    </message>
    <message>
        <source>First in the list</source>
        <translation>Primeiro da lista</translation>
    </message>
    <message>
        <source>Select Files to Remove</source>
        <translation>Selecionar arquivos a remover</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Reference folders</source>
        <translation>Pastas de referência</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Adicionar pasta...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>The file that stays in each group is chosen by the first rule that tells the files apart:</source>
        <translation>O arquivo mantido em cada grupo é escolhido pela primeira regra que distingue os arquivos:</translation>
    </message>
    <message>
        <source>Reference folders, first the most important (files in them are never checked, not even by Check All):</source>
        <translation>Pastas de referência, a mais importante primeiro (seus arquivos nunca são marcados, nem mesmo por “Marcar todos”):</translation>
    </message>
    <message>
        <source>OK checks every other file of each group, except hard links of the file that stays.</source>
        <translation>“OK” marca todos os outros arquivos de cada grupo, exceto os links físicos do arquivo mantido.</translation>
    </message>
    <message>
        <source>Add Reference Folder</source>
        <translation>Adicionar pasta de referência</translation>
    </message>
</context>
<context>
    <name>FileListModel</name>
    <message>
        <source>Sr</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Last File Found</source>
        <translation>Último arquivo encontrado</translation>
    </message>
</context>
<context>
    <name>FolderListModel</name>
    <message>
        <source>Sr</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Files Count</source>
        <translation>Arquivos</translation>
    </message>
</context>
<context>
    <name>FolderTreeModel</name>
    <message>
        <source>Home</source>
        <translation>Pasta pessoal</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>not reached</source>
        <translation>não alcançado</translation>
    </message>
    <message>
        <source>done</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>in a reference folder</source>
        <translation>em uma pasta de referência</translation>
    </message>
    <message>
        <source>no unchanged copy stays in its group</source>
        <translation>nenhuma cópia inalterada permanece em seu grupo</translation>
    </message>
    <message>
        <source>in no group of identical contents</source>
        <translation>em nenhum grupo de conteúdo idêntico</translation>
    </message>
    <message>
        <source>already a hard link of the file that stays</source>
        <translation>já é um link físico do arquivo mantido</translation>
    </message>
    <message>
        <source>already shares its space with the file that stays</source>
        <translation>já compartilha seu espaço com o arquivo mantido</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>changed since the contents check</source>
        <translation>modificado desde a verificação do conteúdo</translation>
    </message>
    <message>
        <source>the file that stays changed</source>
        <translation>o arquivo mantido foi modificado</translation>
    </message>
    <message>
        <source>on another file system than the file that stays</source>
        <translation>em um sistema de arquivos diferente do arquivo mantido</translation>
    </message>
    <message>
        <source>its file system cannot share space between files</source>
        <translation>seu sistema de arquivos não pode compartilhar espaço entre arquivos</translation>
    </message>
    <message>
        <source>stopped part way</source>
        <translation>interrompido no meio</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>falhou</translation>
    </message>
    <message>
        <source>changed since it was listed</source>
        <translation>modificado desde que foi listado</translation>
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
        <translation>Filtrar os arquivos encontrados por nome ou pasta (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows only the files whose name or folder contains this text. Escape clears it.</source>
        <translation>Mostra apenas os arquivos cujo nome ou pasta contém este texto. Esc o apaga.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Limpar filtro</translation>
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
        <translation>Nº</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Last Modified</source>
        <translation>Última modificação</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegível</translation>
    </message>
    <message>
        <source>hard link of #%1</source>
        <translation>link físico de #%1</translation>
    </message>
    <message>
        <source>symbolic link</source>
        <translation>link simbólico</translation>
    </message>
    <message>
        <source>changed since the scan</source>
        <translation>modificado desde a análise</translation>
    </message>
    <message>
        <source>keeps</source>
        <translation>mantido</translation>
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
        <translation>%1 padrão(ões) ignorado(s)</translation>
    </message>
    <message>
        <source>name matches a wildcard</source>
        <translation>nome que corresponde a um curinga</translation>
    </message>
    <message>
        <source>name matches a regular expression</source>
        <translation>nome que corresponde a uma expressão regular</translation>
    </message>
    <message>
        <source>size at least %1</source>
        <translation>tamanho mínimo de %1</translation>
    </message>
    <message>
        <source>size at most %1</source>
        <translation>tamanho máximo de %1</translation>
    </message>
    <message>
        <source>modified on or after %1</source>
        <translation>modificado a partir de %1</translation>
    </message>
    <message>
        <source>modified on or before %1</source>
        <translation>modificado até %1</translation>
    </message>
    <message>
        <source>modified in the last %1 day(s)</source>
        <translation>modificado nos últimos %1 dia(s)</translation>
    </message>
    <message>
        <source>contents match &quot;%1&quot;</source>
        <translation>conteúdo que corresponde a “%1”</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>contendo “%1”</translation>
    </message>
    <message>
        <source>binary files too</source>
        <translation>incluindo arquivos binários</translation>
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
        <translation>Um nome ou padrão por linha, p. ex. node_modules</translation>
    </message>
    <message>
        <source>Folders and files whose name matches one of these patterns are skipped. A pattern matches the exact bytes of a name, case-sensitive: * stands for any run of characters, ? for one, [abc] for one of a set. A pattern holding / matches the path below the chosen folder (e.g. src/build), and one ending in / matches folders only.</source>
        <translation>Pastas e arquivos cujo nome corresponde a um destes padrões são ignorados. Um padrão compara os bytes exatos de um nome, diferenciando maiúsculas e minúsculas: * representa qualquer sequência de caracteres, ? um único, [abc] um de um conjunto. Um padrão que contém / corresponde ao caminho abaixo da pasta escolhida (p. ex. src/build), e um que termina em / corresponde apenas a pastas.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Adds a name that is often not worth searching.</source>
        <translation>Adiciona um nome em que muitas vezes não vale a pena buscar.</translation>
    </message>
    <message>
        <source>S&amp;kip names:</source>
        <translation>&amp;Ignorar nomes:</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>contém</translation>
    </message>
    <message>
        <source>matches wildcard</source>
        <translation>corresponde ao curinga</translation>
    </message>
    <message>
        <source>matches regular expression</source>
        <translation>corresponde à expressão regular</translation>
    </message>
    <message>
        <source>How the search word is matched against each file&apos;s name, without regard to case: found anywhere in it, as a wildcard pattern for the whole name, or as a regular expression.</source>
        <translation>Como a palavra de busca é comparada com o nome de cada arquivo, sem diferenciar maiúsculas e minúsculas: em qualquer parte dele, como padrão curinga para o nome inteiro ou como expressão regular.</translation>
    </message>
    <message>
        <source>File &amp;name</source>
        <translation>&amp;Nome do arquivo</translation>
    </message>
    <message>
        <source>the search word</source>
        <translation>a palavra de busca</translation>
    </message>
    <message>
        <source>At l&amp;east</source>
        <translation>Pelo m&amp;enos</translation>
    </message>
    <message>
        <source>Smallest size</source>
        <translation>Tamanho mínimo</translation>
    </message>
    <message>
        <source>Unit of the smallest size</source>
        <translation>Unidade do tamanho mínimo</translation>
    </message>
    <message>
        <source>At m&amp;ost</source>
        <translation>No máxim&amp;o</translation>
    </message>
    <message>
        <source>Largest size</source>
        <translation>Tamanho máximo</translation>
    </message>
    <message>
        <source>Unit of the largest size</source>
        <translation>Unidade do tamanho máximo</translation>
    </message>
    <message>
        <source>Modified on or after this day</source>
        <translation>Modificado a partir deste dia</translation>
    </message>
    <message>
        <source>Modified on or a&amp;fter</source>
        <translation>Modi&amp;ficado a partir de</translation>
    </message>
    <message>
        <source>Modified on or before this day</source>
        <translation>Modificado até este dia, inclusive</translation>
    </message>
    <message>
        <source>Modified on or &amp;before</source>
        <translation>Mo&amp;dificado até</translation>
    </message>
    <message>
        <source>Number of days</source>
        <translation>Número de dias</translation>
    </message>
    <message>
        <source>Modified in the &amp;last</source>
        <translation>Modificado nos ú&amp;ltimos</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dias</translation>
    </message>
    <message>
        <source>Only files whose contents hold this text are found, without regard to case.</source>
        <translation>Somente os arquivos cujo conteúdo inclui este texto são encontrados, sem diferenciar maiúsculas e minúsculas.</translation>
    </message>
    <message>
        <source>Containing &amp;text:</source>
        <translation>Contendo o &amp;texto:</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>E&amp;xpressão regular</translation>
    </message>
    <message>
        <source>Search b&amp;inary files too</source>
        <translation>Buscar também em arquivos &amp;binários</translation>
    </message>
    <message>
        <source>Also search files that look binary (a zero byte in their first 128 KB).</source>
        <translation>Buscar também em arquivos que parecem binários (um byte zero nos primeiros 128 KB).</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>Puts every one of these options back to its default.</source>
        <translation>Volta cada uma destas opções ao seu valor padrão.</translation>
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
        <translation>1 KB equivale a 1.024 bytes, 1 MB a 1.024 KB, 1 GB a 1.024 MB.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>%1 could not be moved to the trash and stays where it is.</source>
        <translation>Não foi possível mover %1 para a lixeira; o item permanece onde está.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>These %1 items could not be moved to the trash and stay where they are:

</source>
        <translation>Não foi possível mover estes %1 itens para a lixeira; eles permanecem onde estão:

</translation>
    </message>
    <message>
        <source>Do you want to move %1 to the trash?</source>
        <translation>Deseja mover %1 para a lixeira?</translation>
    </message>
    <message>
        <source>Do you want to move these %1 items to the trash?</source>
        <translation>Deseja mover estes %1 itens para a lixeira?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Moving %1 to the trash</source>
        <translation>Movendo %1 para a lixeira</translation>
    </message>
    <message>
        <source>No terminal program was found. Install one, or name yours in the TERMINAL environment variable.</source>
        <translation>Nenhum programa de terminal foi encontrado. Instale um ou indique o seu na variável de ambiente TERMINAL.</translation>
    </message>
    <message>
        <source>No file manager was found to open the folder %1. Install one to open folders from here.</source>
        <translation>Nenhum gerenciador de arquivos foi encontrado para abrir a pasta %1. Instale um para abrir pastas a partir daqui.</translation>
    </message>
</context>
<context>
    <name>Shell::PropertiesDialog</name>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>Propriedades de %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>Points to:</source>
        <translation>Aponta para:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permissões:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Dono:</translation>
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
        <translation>Ignora a pasta de programas do sistema, %1, ao buscar.</translation>
    </message>
    <message>
        <source>Skips the folder of added programs, %1, while searching.</source>
        <translation>Ignora a pasta de programas adicionados, %1, ao buscar.</translation>
    </message>
    <message>
        <source>Skips the trash while searching: %1, and every folder named .Trash or .Trash- followed by digits.</source>
        <translation>Ignora a lixeira ao buscar: %1, e toda pasta chamada .Trash ou .Trash- seguido de dígitos.</translation>
    </message>
    <message>
        <source>Skips the application data folders while searching: %1.</source>
        <translation>Ignora as pastas de dados de aplicativos ao buscar: %1.</translation>
    </message>
    <message>
        <source>Skips folders whose names start with a dot (.), and folders that cannot be examined, while searching.</source>
        <translation>Ignora as pastas cujo nome começa com um ponto (.), e as pastas que não podem ser examinadas, ao buscar.</translation>
    </message>
    <message>
        <source>Skips files whose names start with a dot (.) while searching.</source>
        <translation>Ignora os arquivos cujo nome começa com um ponto (.) ao buscar.</translation>
    </message>
    <message>
        <source>Skips files that nobody may write to (no write permission at all) while searching.</source>
        <translation>Ignora os arquivos em que ninguém pode gravar (nenhuma permissão de escrita) ao buscar.</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be used: %2</source>
        <translation>a pasta de lixeira %1 não pode ser usada: %2</translation>
    </message>
    <message>
        <source>it is on another volume than the home trash, and its own volume has no trash it can use (%1)</source>
        <translation>está em um volume diferente do da lixeira da pasta pessoal, e o próprio volume não tem uma lixeira utilizável (%1)</translation>
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
        <translation>Estilo &amp;preto</translation>
    </message>
    <message>
        <source>Office 2007 (B&amp;lack Style)</source>
        <translation>Office 2007 (estilo &amp;preto)</translation>
    </message>
    <message>
        <source>&amp;Silver Style</source>
        <translation>Estilo p&amp;rata</translation>
    </message>
    <message>
        <source>Office 2007 (&amp;Silver Style)</source>
        <translation>Office 2007 (estilo p&amp;rata)</translation>
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
