#include "shell/MainFrame.h"

#include "duplicates/DlgDuplicateResults.h"
#include "platform/KnownFolders.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "shell/FolderTree.h"
#include "shell/HelpPage.h"
#include "shell/InfoBar.h"
#include "shell/OutlookBar.h"
#include "shell/Ribbon.h"
#include "shell/VisualStyles.h"
#include "view/AppMessages.h"
#include "view/FoundFilesText.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"
#include "view/ShellServices.h"
#include "view/SwitchTips.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

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
constexpr int kSettingsNoticeMs = 30000; // how long the notice of unsaved settings shows

// A pane as wide as its template text, whatever it shows.
int TemplateWidth(const QLabel* pane, int letters)
{
    return pane->fontMetrics().horizontalAdvance(QString(letters, QLatin1Char('X'))) + 12;
}

} // namespace

CMainFrame::CMainFrame(CPendrakeDoc* document, const CCmdTarget* application)
    : m_document(document), m_appLook(VisualStyles::StoredLook())
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
    connect(m_view, &CPendrakeView::searchFinished, this, &CMainFrame::NoteSkippedStartFolder);
}

CMainFrame::~CMainFrame()
{
    m_view->OnDestroy();
    AppMessages::SetMainWindow(nullptr);
}

bool CMainFrame::OnCreate()
{
    OnApplicationLook(m_appLook);
    InitializeCommandPanel();
    CreateStatusBar();
    if (!CreateNavigationPane() || !CreateInfoBar())
        return false;
    m_settings.ReadLastFolderSelected(m_scratchText);
    m_lastFolder = platform::PathFromStored(m_scratchText);
    if (!SelectFolder(m_lastFolder)) {
        m_lastFolder.clear();
        m_settings.WriteLastFolderSelected(m_lastFolder);
    }
    UpdateFolderPanes(m_lastFolder);
    ArrangeTabOrder();
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

QAction* CMainFrame::MakeMirrorAction(int id, const QString& text)
{
    QAction* primary = MakeAction(id);
    auto* mirror = new QAction(text, this);
    mirror->setCheckable(primary->isCheckable());
    mirror->setStatusTip(primary->statusTip());
    connect(mirror, &QAction::triggered, primary, [primary] { primary->trigger(); });
    m_mirrors.insert(id, mirror);
    return mirror;
}

QMenu* CMainFrame::MakeApplicationLookMenu()
{
    auto* looks = new QMenu(tr("&Application Look"), this);
    auto* group = new QActionGroup(this);
    auto* office2007 = new QMenu(VisualStyles::Office2007MenuText(), looks);
    for (int id : VisualStyles::Looks()) {
        QAction* action = MakeAction(id);
        action->setCheckable(true);
        if (VisualStyles::IsOffice2007(id)) {
            // The command panel's "Style" drop-down names them in full; this menu briefly.
            action->setText(VisualStyles::StyleMenuText(id));
            QAction* entry = MakeMirrorAction(id, VisualStyles::MenuText(id));
            group->addAction(entry);
            office2007->addAction(entry);
        } else {
            action->setText(VisualStyles::MenuText(id));
            group->addAction(action);
            looks->addAction(action);
        }
    }
    looks->addMenu(office2007);
    return looks;
}

void CMainFrame::InitializeCommandPanel()
{
    // The frame menu. Its Exit lives in the application menu, which Alt+F opens.
    m_menuBar = new QMenuBar;
    m_menuBar->setObjectName(QStringLiteral("FrameMenu"));
    QMenu* edit = m_menuBar->addMenu(tr("&Edit"));
    edit->addAction(MakeAction(Commands::EditUndo));
    edit->addSeparator();
    edit->addAction(MakeAction(Commands::EditCut));
    edit->addAction(MakeAction(Commands::EditCopy));
    edit->addAction(MakeAction(Commands::EditPaste));
    QMenu* view = m_menuBar->addMenu(tr("&View"));
    view->addAction(MakeMenuAction(Commands::StatusBar, tr("&Status Bar")));
    view->addAction(MakeMenuAction(Commands::CaptionBar, tr("&Caption Bar")));
    view->addMenu(MakeApplicationLookMenu());
    view->addSeparator();
    view->addAction(MakeMirrorAction(Commands::ViewFilesCount, tr("&Files Count in Every Folder")));
    view->addAction(MakeMirrorAction(Commands::DisplayFileList, tr("&Display File List")));
    view->addAction(MakeMenuAction(Commands::ViewSizeColumn, tr("Si&ze Column")));
    view->addAction(MakeMenuAction(Commands::ViewModifiedColumn, tr("&Modified Column")));
    view->addAction(MakeMirrorAction(Commands::DuplicateFiles, tr("D&uplicate Files of Same Size")));
    AddEverydayItems(edit, view);
    QMenu* help = m_menuBar->addMenu(tr("&Help"));
    help->addAction(MakeMirrorAction(Commands::AppAbout, tr("&About Tresmolo...")));
    for (QMenu* menu : {edit, view, help})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);

    MakeAction(Commands::StartSearch)->setShortcut(QKeySequence(Qt::Key_F9));
    MakeAction(Commands::StartSearch)->setShortcutContext(Qt::ApplicationShortcut);
    // A key works only while a widget that shows its action is visible: the window itself holds it,
    // so F9 works also when Start is folded into its panel's menu.
    addAction(MakeAction(Commands::StartSearch));

    // The command panel, on the frame's actions, under the frame menu.
    m_ribbon = new CRibbonBar([this](int id) { return MakeAction(id); }, this);
    connect(m_ribbon, &CRibbonBar::menuAboutToShow, this, &CMainFrame::UpdateCommandUI);
    m_ribbon->SetApplicationMenu({MakeAction(Commands::ExportFileList), MakeAction(Commands::DuplicateFiles),
                                  nullptr, MakeAction(Commands::WebPage), MakeAction(Commands::AppAbout)},
                                 MakeAction(Commands::AppExit));
    auto* top = new QWidget(this);
    auto* layout = new QVBoxLayout(top);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_menuBar);
    layout->addWidget(m_ribbon);
    setMenuWidget(top);
}

void CMainFrame::OnApplicationLook(int id)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_appLook = id;
    VisualStyles::Apply(id);
    VisualStyles::StoreLook(id);
    QApplication::restoreOverrideCursor();
    if (!m_actions.isEmpty())
        UpdateCommandUI();
}

void CMainFrame::CreateStatusBar()
{
    m_folderPane = new QLabel(tr("Selected Folder Will Appear Here"), this);
    m_folderPane->setObjectName(QStringLiteral("FolderPane"));
    // The folder pane is as wide as its template while the window has room, narrower when it has
    // not, so the status bar never makes the window wider than a small screen.
    m_folderPane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_folderPane->setMaximumWidth(TemplateWidth(m_folderPane, 80));
    m_pCountPane = new QLabel(tr("Number of Files Found in Search."), this);
    m_pCountPane->setObjectName(QStringLiteral("CountPane"));
    m_pCountPane->setFixedWidth(TemplateWidth(m_pCountPane, 37));
    m_pCountPane->setToolTip(tr("File Count in List"));
    // Each pane's text is its name; the description says what it shows.
    m_folderPane->setAccessibleDescription(tr("The folder chosen to search"));
    m_pCountPane->setAccessibleDescription(tr("File Count in List"));
    statusBar()->addWidget(m_folderPane, 1);
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
    m_infoBar->SetText(tr("Select Folder from the Left Hand Side to be Searched."));
    // A tool-bar row of its own under the command panel, across the whole window.
    addToolBarBreak(Qt::TopToolBarArea);
    m_infoBarHolder = addToolBar(tr("Information Bar"));
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
    OnCommand(Commands::WebPage, [] { HelpPage::Open(); });
    // The duplicate candidates of the current result: the file list itself in file mode, the found
    // paths in status mode. The view keeps it disabled while a search runs.
    OnCommand(Commands::DuplicateFiles, [this] {
        CDlgDuplicateResults dialog(m_view);
        if (m_view->DisplayFileList())
            dialog.m_pSourceList = &m_view->FileModel();
        else
            dialog.m_pSourcePaths = &m_view->m_foundPaths;
        Seams::RunDialog(dialog);
    });
    for (int id : VisualStyles::Looks()) {
        OnCommand(id, [this, id] { OnApplicationLook(id); });
        OnUpdate(id, [this, id](CCmdUI& ui) { ui.SetRadio(m_appLook == id); });
    }
    OnCommand(Commands::StatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    OnUpdate(Commands::StatusBar, [this](CCmdUI& ui) { ui.SetCheck(statusBar()->isVisible()); });
}

void CMainFrame::UpdateCommandUI()
{
    if (platform::TakeProfileWriteFailure())
        statusBar()->showMessage(tr("The settings cannot be saved in %1. Changes made now may be lost "
                                    "when Tresmolo closes.")
                                     .arg(platform::ProfileStoreFile()),
                                 kSettingsNoticeMs);
    const auto apply = [](QAction* action, const CCmdUI& state) {
        action->setEnabled(state.m_enabled);
        if (action->isCheckable())
            action->setChecked(state.m_checked);
    };
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const CCmdUI state = m_route.State(it.key());
        apply(it.value(), state);
        for (QAction* mirror : m_mirrors.values(it.key()))
            apply(mirror, state);
    }
}

void CMainFrame::UpdateFolderPanes(const QString& path)
{
    if (path.isEmpty()) {
        m_folderPane->setText(tr("Please Select a Folder from the Folder List to Search for File(s)."));
        m_folderPane->setToolTip(tr("Folder Name Selected from the Folder List will Appear Here."));
    } else {
        m_folderPane->setText(platform::ShownText(path));
        m_scratchText = tr("Folder %1 Selected to Search File(s).").arg(platform::ShownText(path));
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
    else if (event->type() == AppMessages::UWM_NEXT_LOOK)
        OnApplicationLook(VisualStyles::NextLook(m_appLook));
    else
        QMainWindow::customEvent(event);
}

bool CMainFrame::SelectFolder(const QString& path)
{
    if (m_folderTree->SelectPath(path))
        return true; // the tree reports its selection
    if (!platform::IsFolder(path))
        return false;
    // The tree's own choice of a folder above it reports nothing, so it never replaces this one.
    m_folderTree->SelectNearestShown(path);
    TakeSelectedFolder(path);
    return true;
}

void CMainFrame::OnFolderSelected()
{
    m_scratchText = m_folderTree->GetItemPath();
    if (!m_scratchText.isEmpty())
        TakeSelectedFolder(m_scratchText);
}

void CMainFrame::TakeSelectedFolder(QString path)
{
    if (!platform::IsFolder(path))
        return;
    m_lastFolder = std::move(path);
    m_settings.WriteLastFolderSelected(platform::StoredPath(m_lastFolder));
    UpdateFolderPanes(m_lastFolder);
    m_document->SetSelectedFolder(m_lastFolder);
    m_scratchText = tr("Press the Start Button to Start Searching File(s) from the Folder %1.")
                        .arg(platform::ShownText(m_lastFolder));
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
    NoteSkippedStartFolder();
    UpdateCommandUI();
}

void CMainFrame::NoteSkippedStartFolder()
{
    if (m_view->IsSearching() || !m_infoBar)
        return;
    const int skippedBy = SwitchTips::StartFolderSkippedBy(*m_view);
    if (skippedBy == 0)
        return;
    const QString folder = platform::ShownText(m_view->m_startFolder);
    if (skippedBy == SwitchTips::kVirtualFileSystem) {
        m_infoBar->SetNote(tr("The folder %1 itself was not searched: it lies on a virtual file system "
                              "(such as /proc or /sys), which is never searched.")
                               .arg(folder));
        return;
    }
    QString panel;
    for (const QString& caption : m_ribbon->PanelCaptions())
        if (m_ribbon->PanelCommands(caption).contains(skippedBy))
            panel = caption;
    m_infoBar->SetNote(tr("The folder %1 itself was not searched: the switch \"%2\" in \"%3\" skips it.")
                           .arg(folder, Commands::Label(skippedBy), panel));
}

void CMainFrame::OnRefreshTree()
{
    m_folderTree->Refresh();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    const platform::ProfileWriteBatch batch; // the placement and the lists' widths: one save
    SavePlacement();
    m_updateTimer.stop();
    m_view->OnDestroy(); // stops a run and waits for it, then keeps the column widths
    QMainWindow::closeEvent(event);
}
