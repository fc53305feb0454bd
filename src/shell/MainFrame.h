#pragma once

#include "engine/SettingsSection.h"
#include "view/Commands.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>

class CFolderTree;
class CRibbonBar;
class CInfoBar;
class COutlookBar;
class CPendrakeDoc;
class CPendrakeView;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QToolBar;

// The program's only top-level window: the command panel, the information bar, the navigation
// pane with the folder tree, the main view and the status bar with its two panes.
class CMainFrame : public QMainWindow, public CCmdTarget
{
    Q_OBJECT
public:
    CMainFrame(CPendrakeDoc* document, const CCmdTarget* application);
    ~CMainFrame() override;

    // Builds the panes and selects the folder chosen last; false when a pane cannot be made.
    bool OnCreate();
    void UpdateFolderPanes(const QString& path);
    // Makes `path` (a path text) the selected folder: in the tree as a click would, or, for a folder
    // the tree cannot show (a name that is not UTF-8, a hidden folder), with the nearest folder above
    // it shown selected in the tree and the folder itself taken as chosen. False when it is no folder.
    bool SelectFolder(const QString& path);
    // Sets every command's enabled and check state from its update handler.
    void UpdateCommandUI();

    CPendrakeView* View() const { return m_view; }
    CFolderTree* Tree() const { return m_folderTree; }
    CInfoBar* InfoBar() const { return m_infoBar; }
    QLabel* FolderPane() const { return m_folderPane; }
    QLabel* CountPane() const { return m_pCountPane; }
    QAction* Action(int id) const { return m_actions.value(id); }
    CRibbonBar* Ribbon() const { return m_ribbon; }
    QMenuBar* FrameMenu() const { return m_menuBar; }
    int AppLook() const { return m_appLook; }
    // Shows the whole window in visual style `id` (210 to 218) and keeps the choice.
    void OnApplicationLook(int id);
    const CommandRoute& Route() const { return m_route; }

    // The window's place (size, position, maximised state, panes) as it was when last closed,
    // brought back onto a screen when none shows it any more; on a first start 90% of the screen,
    // centred. Called once before the window is first shown.
    void RestorePlacement();
    // Keeps the window's place in the workspace values; done on close.
    void SavePlacement() const;

protected:
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A folder dropped on the window is selected in the tree.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void InitializeCommandPanel();
    bool CreateNavigationPane();
    bool CreateInfoBar();
    void CreateStatusBar();
    QAction* MakeAction(int id);
    QAction* MakeMenuAction(int id, const QString& text);
    // A second menu entry for a command, with a text of its own, kept in step with the command.
    QAction* MakeMirrorAction(int id, const QString& text);
    QMenu* MakeApplicationLookMenu();
    // Copy, the filter and the pane keys in the Edit and View menus.
    void AddEverydayItems(QMenu* edit, QMenu* view);
    // Moves the focus to the next (1) or previous (-1) of the tree and the shown lists.
    void MovePaneFocus(int step);
    // Tab goes from the filter box down the lists to the folder tree, then across the command panel.
    void ArrangeTabOrder();
    void RegisterCommands();
    void OnFolderSelected();
    // Takes an existing folder as the chosen one: stored, shown in the panes, given to the document.
    void TakeSelectedFolder(QString path);
    void OnInfoBarChanged();
    // After a run that left its start folder out, the information bar's tooltip names the switch.
    void NoteSkippedStartFolder();
    void OnRefreshTree();

    CPendrakeDoc* m_document;
    QLabel* m_pCountPane = nullptr;
    QLabel* m_folderPane = nullptr;
    QString m_lastFolder;
    CSettingsSection m_settings;
    QString m_scratchText;
    QMenuBar* m_menuBar = nullptr;
    CRibbonBar* m_ribbon = nullptr;
    int m_appLook;
    QToolBar* m_infoBarHolder = nullptr;
    COutlookBar* m_navigationPane = nullptr;
    CFolderTree* m_folderTree = nullptr;
    CInfoBar* m_infoBar = nullptr;
    CPendrakeView* m_view = nullptr;
    QHash<int, QAction*> m_actions;
    QMultiHash<int, QAction*> m_mirrors;
    CommandRoute m_route;
    QTimer m_updateTimer;
};
