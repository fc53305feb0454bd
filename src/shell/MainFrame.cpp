#include "shell/MainFrame.h"

#include "platform/Paths.h"
#include "platform/SpecialFolders.h"
#include "shell/FolderTree.h"
#include "shell/InfoBar.h"
#include "shell/OutlookBar.h"
#include "view/AppMessages.h"
#include "view/FoundFilesText.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/ShellServices.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

using Settings::Key;

namespace {

// The option switches of the frame, with the value each one keeps.
struct Switch
{
    int command;
    Key key;
};
constexpr Switch kSwitches[] = {
    {Commands::IgnoreWindowsFolder, Key::IgnoreWindowsFolder},
    {Commands::IgnoreProgramsFolder, Key::IgnoreProgramsFolder},
    {Commands::IgnoreHiddenFiles, Key::IgnoreHiddenFiles},
    {Commands::IgnoreReadOnlyFiles, Key::IgnoreReadOnlyFiles},
    {Commands::SearchSubFolders, Key::SearchSubFolders},
    {Commands::IgnoreRecycleBinFolder, Key::IgnoreRecycleBinFolder},
    {Commands::IgnoreLocalAppDataFolder, Key::IgnoreLocalAppDataFolder},
    {Commands::IgnoreHiddenFolders, Key::IgnoreHiddenFolders},
    {Commands::DisplayFileList, Key::DisplayFileList},
};

// How often the commands' states are refreshed while nothing else asks for it.
constexpr int kUpdateIntervalMs = 250;

// A pane as wide as its template text, whatever it shows.
int TemplateWidth(const QLabel* pane, int letters)
{
    return pane->fontMetrics().horizontalAdvance(QString(letters, QLatin1Char('X'))) + 12;
}

} // namespace

CMainFrame::CMainFrame(CPendrakeDoc* document, const CCmdTarget* application) : m_document(document)
{
    setObjectName(QStringLiteral("MainFrame"));
    m_view = new CPendrakeView(document, this);
    setCentralWidget(m_view);
    m_route.SetTargets({m_view, document, this, application});
    RegisterCommands();
    AppMessages::SetMainWindow(this);
    m_updateTimer.setInterval(kUpdateIntervalMs);
    connect(&m_updateTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    connect(m_view, &CPendrakeView::searchFinished, this, &CMainFrame::UpdateCommandUI);
}

CMainFrame::~CMainFrame()
{
    m_view->OnDestroy();
    AppMessages::SetMainWindow(nullptr);
}

bool CMainFrame::OnCreate()
{
    InitializeCommandPanel();
    CreateStatusBar();
    if (!CreateNavigationPane() || !CreateInfoBar())
        return false;
    m_settings.ReadLastFolderSelected(m_lastFolder);
    if (!m_folderTree->SelectPath(m_lastFolder)) {
        m_lastFolder.clear();
        m_settings.WriteLastFolderSelected(m_lastFolder);
    }
    UpdateFolderPanes(m_lastFolder);
    UpdateCommandUI();
    m_updateTimer.start();
    return true;
}

QAction* CMainFrame::MakeAction(int id)
{
    if (QAction* existing = m_actions.value(id))
        return existing;
    auto* action = new QAction(Commands::Label(id), this);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setData(id);
    const Commands::Info* info = Commands::Find(id);
    action->setCheckable(info && info->checkable);
    action->setStatusTip(Commands::Description(id));
    action->setToolTip(
        QStringLiteral("<b>%1</b><br>%2")
            .arg(Commands::Tooltip(id).toHtmlEscaped(), Commands::Description(id).toHtmlEscaped()));
    connect(action, &QAction::triggered, this, [this, id] {
        m_route.Execute(id);
        UpdateCommandUI();
    });
    m_actions.insert(id, action);
    return action;
}

QAction* CMainFrame::MakeMenuAction(int id, const QString& text)
{
    QAction* action = MakeAction(id);
    action->setText(text);
    return action;
}

void CMainFrame::InitializeCommandPanel()
{
    // The frame menu.
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(MakeAction(Commands::AppExit));
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(MakeAction(Commands::EditUndo));
    edit->addSeparator();
    edit->addAction(MakeAction(Commands::EditCut));
    edit->addAction(MakeAction(Commands::EditCopy));
    edit->addAction(MakeAction(Commands::EditPaste));
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(MakeMenuAction(Commands::StatusBar, QStringLiteral("&Status Bar")));
    view->addAction(MakeMenuAction(Commands::CaptionBar, QStringLiteral("&Caption Bar")));
    view->addSeparator();
    view->addAction(MakeMenuAction(Commands::ViewFilesCount, QStringLiteral("&Files Count in Every Folder")));
    view->addAction(MakeMenuAction(Commands::DisplayFileList, QStringLiteral("&Display File List")));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(MakeMenuAction(Commands::AppAbout, QStringLiteral("&About Pendrake...")));
    for (QMenu* menu : {file, edit, view, help})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);

    MakeAction(Commands::StartSearch)->setShortcut(QKeySequence(Qt::Key_F9));
    MakeAction(Commands::StartSearch)->setShortcutContext(Qt::ApplicationShortcut);

    // The command panel's elements, in its order, on a plain tool bar for now.
    m_homeBar = addToolBar(QStringLiteral("Home"));
    m_homeBar->setObjectName(QStringLiteral("HomeBar"));
    m_homeBar->setMovable(false);
    m_homeBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const int groups[][5] = {
        {Commands::IgnoreWindowsFolder, Commands::IgnoreProgramsFolder, Commands::IgnoreRecycleBinFolder,
         Commands::IgnoreLocalAppDataFolder, Commands::IgnoreHiddenFolders},
        {Commands::IgnoreHiddenFiles, Commands::IgnoreReadOnlyFiles, 0, 0, 0},
        {Commands::StartSearch, Commands::StopSearch, Commands::SearchSubFolders,
         Commands::AutoSearchAtStartup, 0},
        {Commands::LaunchExplorer, Commands::LaunchCommandPrompt, Commands::LaunchRecycleBin, 0, 0},
        {Commands::ExportFileList, 0, 0, 0, 0},
    };
    for (const auto& group : groups) {
        for (int id : group)
            if (id)
                m_homeBar->addAction(MakeAction(id));
        m_homeBar->addSeparator();
    }
}

void CMainFrame::CreateStatusBar()
{
    m_folderPane = new QLabel(QStringLiteral("Selected Folder Will Appear Here"), this);
    m_folderPane->setObjectName(QStringLiteral("FolderPane"));
    m_folderPane->setFixedWidth(TemplateWidth(m_folderPane, 80));
    m_pCountPane = new QLabel(QStringLiteral("Number of Files Found in Search."), this);
    m_pCountPane->setObjectName(QStringLiteral("CountPane"));
    m_pCountPane->setFixedWidth(TemplateWidth(m_pCountPane, 37));
    m_pCountPane->setToolTip(QStringLiteral("File Count in List"));
    statusBar()->addWidget(m_folderPane);
    statusBar()->addPermanentWidget(m_pCountPane);
    statusBar()->setSizeGripEnabled(true);
}

bool CMainFrame::CreateNavigationPane()
{
    m_navigationPane = new COutlookBar(this);
    m_folderTree = m_navigationPane->Tree();
    if (!m_folderTree)
        return false;
    addDockWidget(Qt::LeftDockWidgetArea, m_navigationPane);
    resizeDocks({m_navigationPane}, {250}, Qt::Horizontal);
    return true;
}

bool CMainFrame::CreateInfoBar()
{
    m_infoBar = new CInfoBar(this);
    m_infoBar->SetText(QStringLiteral("Select Folder from the Left Hand Side to be Searched."));
    // A tool-bar row of its own under the command panel, across the whole window.
    addToolBarBreak(Qt::TopToolBarArea);
    m_infoBarHolder = addToolBar(QStringLiteral("Information Bar"));
    m_infoBarHolder->setObjectName(QStringLiteral("InfoBarHolder"));
    m_infoBarHolder->setMovable(false);
    m_infoBarHolder->setFloatable(false);
    m_infoBarHolder->toggleViewAction()->setVisible(false);
    m_infoBarHolder->addWidget(m_infoBar);
    return true;
}

void CMainFrame::RegisterCommands()
{
    for (const Switch& s : kSwitches) {
        const Key key = s.key;
        OnCommand(s.command, [this, key] { m_settings.ToggleSwitch(key); });
        OnUpdate(s.command, [this, key](CCmdUI& ui) { ui.SetCheck(m_settings.GetSwitch(key)); });
    }
    OnCommand(Commands::CaptionBar, [this] { m_infoBarHolder->setVisible(!m_infoBarHolder->isVisible()); });
    OnUpdate(Commands::CaptionBar,
             [this](CCmdUI& ui) { ui.SetCheck(m_infoBarHolder && m_infoBarHolder->isVisible()); });
    // The launchers: the file manager and a terminal on the folder chosen last (the documents
    // folder when there is none), and the trash.
    const auto launchFolder = [this] {
        return platform::NativePath(m_lastFolder.isEmpty() ? platform::DocumentsFolder() : m_lastFolder);
    };
    OnCommand(Commands::LaunchExplorer, [launchFolder] { Shell::Open(launchFolder()); });
    OnCommand(Commands::LaunchCommandPrompt, [launchFolder] { Shell::OpenTerminal(launchFolder()); });
    OnCommand(Commands::LaunchRecycleBin, [] { Shell::OpenTrashView(); });
    OnCommand(Commands::StatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    OnUpdate(Commands::StatusBar, [this](CCmdUI& ui) { ui.SetCheck(statusBar()->isVisible()); });
}

void CMainFrame::UpdateCommandUI()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const CCmdUI state = m_route.State(it.key());
        it.value()->setEnabled(state.m_enabled);
        if (it.value()->isCheckable())
            it.value()->setChecked(state.m_checked);
    }
}

void CMainFrame::UpdateFolderPanes(const QString& path)
{
    if (path.isEmpty()) {
        m_folderPane->setText(
            QStringLiteral("Please Select a Folder from the Folder List to Search for File(s)."));
        m_folderPane->setToolTip(
            QStringLiteral("Folder Name Selected from the Folder List will Appear Here."));
    } else {
        m_folderPane->setText(path);
        m_scratchText = QStringLiteral("Folder %1 Selected to Search File(s).").arg(path);
        m_folderPane->setToolTip(m_scratchText);
    }
    m_folderPane->repaint();
}

void CMainFrame::customEvent(QEvent* event)
{
    if (event->type() == AppMessages::UWM_FOLDER_SELECTED)
        OnFolderSelected();
    else if (event->type() == AppMessages::UWM_INFOBAR_CHANGED)
        OnInfoBarChanged();
    else if (event->type() == AppMessages::UWM_REFRESH_TREE)
        OnRefreshTree();
    else
        QMainWindow::customEvent(event);
}

void CMainFrame::OnFolderSelected()
{
    m_scratchText = m_folderTree->GetItemPath();
    if (m_scratchText.isEmpty())
        return;
    const QFileInfo info(m_scratchText);
    if (!info.exists() || !info.isDir())
        return;
    m_lastFolder = m_scratchText;
    m_settings.WriteLastFolderSelected(m_lastFolder);
    UpdateFolderPanes(m_lastFolder);
    m_document->SetSelectedFolder(m_lastFolder);
    m_scratchText = QStringLiteral("Press the Start Button to Start Searching File(s) from the Folder %1.")
                        .arg(m_lastFolder);
    m_settings.WriteInfoBarText(m_scratchText);
    m_settings.ReadInfoBarText(m_scratchText);
    m_infoBar->SetText(m_scratchText);
}

void CMainFrame::OnInfoBarChanged()
{
    m_settings.ReadInfoBarText(m_scratchText);
    m_infoBar->SetText(m_scratchText);
    m_pCountPane->setText(FoundFiles::Text());
    m_pCountPane->repaint();
    UpdateCommandUI();
}

void CMainFrame::OnRefreshTree()
{
    m_folderTree->Refresh();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    m_updateTimer.stop();
    m_view->OnDestroy(); // stops a run and waits for it, then keeps the column widths
    QMainWindow::closeEvent(event);
}
