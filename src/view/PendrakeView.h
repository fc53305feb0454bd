#pragma once

#include "engine/AppHelper.h"
#include "view/BatchHandOver.h"
#include "view/Commands.h"
#include "view/ListModels.h"
#include "view/ListRowOrder.h"
#include "view/ListSortFilter.h"

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <optional>
#include <unordered_map>

class CPendrakeDoc;
class QMenu;
class QThread;
class ResultList;
class ResultsFilterBox;

// The main view: the upper list of found files (or status lines), the lower list of folders with
// their file counts, and the search run. The view is also the search engine: the walk reports each
// found file to OnFileFound on the worker thread, which queues rows for the user-interface thread.
class CPendrakeView : public QWidget, public CAppHelper, public CCmdTarget
{
    Q_OBJECT
public:
    explicit CPendrakeView(CPendrakeDoc* document, QWidget* parent = nullptr);
    ~CPendrakeView() override;

    // First update: lays out the lists, makes their columns, shows or hides the folder list and,
    // when asked to, queues Start.
    void OnInitialUpdate();
    void ArrangeLists();
    // Stops a run and waits for the worker, then saves the column widths. Safe to call twice.
    void OnDestroy();

    // Commands of the view.
    void OnStartSearch();
    void OnStopSearch();
    void OnViewFilesCount();
    bool IsSearching() const { return m_searching; }

    // The lists, for the commands that act on their rows and for tests.
    ResultList* FileList() const { return m_fileList; }
    ResultList* FolderList() const { return m_folderList; }
    FileListModel& FileModel() { return m_fileModel; }
    FolderListModel& FolderModel() { return m_folderModel; }
    bool DisplayFileList() const { return m_displayFileList; }
    // The file list's Size and Modified columns (FileListModel::kSize, kModified): shown or hidden
    // as the View menu asks, the choice kept; hidden at first.
    bool IsColumnShown(int column) const;
    void ShowColumn(int column, bool show);
    // Applies every queued row now (the user-interface thread only).
    void ApplyPending();
    // The exact path of found file `index` of the last status-mode run.
    std::string FoundNativePath(int index) const;

    // File actions on the selected rows.
    void ViewSelectedFile();
    void OpenSelectedFolder();
    void ExportFileList();
    QMenu* TopListMenu() const { return m_topListMenu; }
    QMenu* BottomListMenu() const { return m_bottomListMenu; }

    // What the lists show: their rows sorted and, for the file list, narrowed by the filter box.
    ListSortFilter& FileOrder() { return m_fileOrder; }
    ListSortFilter& FolderOrder() { return m_folderOrder; }
    ResultsFilterBox* FilterBox() const { return m_filterBox; }
    // The list that had the focus last (the file list at first); Edit > Copy copies its row.
    ResultList* ActiveList() const;
    // The exact path of the selected row of `list`; empty when none or a status line.
    std::string SelectedPath(ResultList* list) const;
    void CopySelectedPath(ResultList* list);
    // The row's pop-up menu at the selected row, as the keyboard asks for it.
    void PopUpRowMenu(ResultList* list);

signals:
    void firstUpdateDone();
    void searchFinished();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Engine hook and list operations; these run on the worker thread during a run.
    void OnFileFound(const CFileFind& find) override;
    void AppendFileRow(const QString& name, const QString& folder);
    void UpdateFolderRow(const QString& folder, int count, const std::string& native = {});
    // Hands the waiting folder row's latest count over, if it changed since.
    void HandOverFolderRow();
    void DoSearch(const QString& folder);
    void ShowSearchStatus(const QString& folder);
    // Has every queued row applied, then gives the row counts of both lists.
    std::pair<int, int> ListRowCounts();
    struct Pending;
    // Applies one batch from the worker; returns the row counts of both lists after it.
    std::pair<int, int> ApplyBatch(Pending& batch);

    void SaveListColumnWidths(ResultList* list, int listNumber);
    void CreateListMenus();
    void RegisterFileActionCommands();
    int SelectedRow(ResultList* list) const;
    bool SendToRecycleBin(const std::string& path);
    void ShowShellProperties(const std::string& path);
    void RemoveFolderFileRows(const QString& folder);
    std::string GetExportLine(int index) const;
    // Writes all of `text`; 0, or the error that stopped it.
    static int WriteAll(int fd, const std::string& text);
    void SetUpList(ResultList* list, int listNumber, const int* defaultWidths);
    void OnWorkerFinished();
    void RegisterCommands();
    void SetUpListExtras();
    void SetUpStatusColumns();

    CPendrakeDoc* m_document;
    QMenu* m_topListMenu = nullptr;
    QMenu* m_bottomListMenu = nullptr;
    ResultList* m_fileList;
    ResultList* m_folderList;
    FileListModel m_fileModel;
    FolderListModel m_folderModel;
    FileRows m_fileRows{m_fileModel};
    FolderRows m_folderRows{m_folderModel};
    ListSortFilter m_fileOrder{m_fileRows};
    ListSortFilter m_folderOrder{m_folderRows};
    ResultsFilterBox* m_filterBox = nullptr;
    QPointer<ResultList> m_activeList;
    QMetaObject::Connection m_focusWatch;
    QString m_workText;
    std::atomic<bool> m_displayFileList{false};
    bool m_initialized = false;
    bool m_destroyed = false;

    // The worker and what it hands over. Everything below the lock is shared with the worker.
    QThread* m_worker = nullptr;
    bool m_searching = false; // from the dialog's OK until the worker has returned
    QString m_currentFolder;
    // The worker reads each found file's status for the Size and Modified columns (set before the
    // worker starts: they were shown then).
    bool m_readStatus = false;
    std::string m_lastNativeFolder;
    int m_lastFolderIndex = -1;
    std::unordered_map<std::string, int> m_folderIndex;

    struct PendingFolderRow
    {
        QString folder;
        int count;
        std::string native;
    };
    struct Pending
    {
        std::vector<FileListModel::Folder> folders;
        FileListModel::NewRows fileRows;
        std::vector<PendingFolderRow> folderRows;
        std::optional<QString> row0Column2;
        std::optional<std::pair<QString, QString>> headings;
        int infoBarChanged = 0;         // reports written; the user-interface thread posts the notices
        bool foundPathsStarted = false; // status mode: this run's first file is in m_foundPaths
    };
    // The worker's folder row of the files found last, with its latest count.
    std::optional<PendingFolderRow> m_folderRowWaiting;
    bool m_folderRowChanged = false;
    int m_folderRowUpdates = 0;
    // Rows, status lines and notices on their way from the worker to the lists.
    BatchHandOver<Pending, std::pair<int, int>> m_handOver;
    // The user-interface thread's side of status mode: row 0 shows the path found last, read from
    // m_foundPaths at each take-over, from the run's first file until its summary.
    bool m_showLastFound = false;
    int m_lastFoundShown = 0;
    // The file list shows status lines (status mode) rather than found files.
    bool m_statusLines = false;
};
