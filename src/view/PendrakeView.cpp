#include "view/PendrakeView.h"

#include "platform/Paths.h"
#include "view/AppMessages.h"
#include "view/PendrakeDoc.h"
#include "view/ResultsFilterBox.h"

#include "platform/SettingsStore.h"
#include "view/ResultList.h"
#include <QHeaderView>
#include <QThread>

using Settings::Key;

namespace {

constexpr int kFileListWidths[5] = {100, 150, 400, 110, 170};
constexpr int kFolderListWidths[3] = {100, 500, 125};
// Rows reach the lists in batches at most this far apart while a search runs.
constexpr int kApplyIntervalMs = 30;
// A folder row's count goes to the list at least every this many found files of that folder.
constexpr int kFolderRowEvery = 256;

ResultList* MakeList(QWidget* parent, QAbstractItemModel* model, const QString& name)
{
    auto* list = new ResultList(parent);
    list->setObjectName(name);
    list->setModel(model);
    return list;
}

} // namespace

CPendrakeView::CPendrakeView(CPendrakeDoc* document, QWidget* parent)
    : QWidget(parent), m_document(document), m_fileModel(this), m_folderModel(this),
      m_handOver(
          std::chrono::milliseconds(kApplyIntervalMs), [this](Pending& batch) { return ApplyBatch(batch); },
          [this] { OnWorkerFinished(); })
{
    setObjectName(QStringLiteral("PendrakeView"));
    m_run = false;
    m_fileOrder.setSourceModel(&m_fileModel);
    m_folderOrder.setSourceModel(&m_folderModel);
    m_fileList = MakeList(this, &m_fileOrder, QStringLiteral("FileList"));
    m_folderList = MakeList(this, &m_folderOrder, QStringLiteral("FolderList"));
    m_fileList->setAccessibleName(tr("File List"));
    m_fileList->setAccessibleDescription(tr("The files found, or the search's status lines"));
    m_fileList->header()->setAccessibleName(tr("File List Headings"));
    m_folderList->setAccessibleName(tr("Folder List"));
    m_folderList->setAccessibleDescription(tr("The folders that hold found files, with their file counts"));
    m_folderList->header()->setAccessibleName(tr("Folder List Headings"));
    RegisterCommands();
    RegisterFileActionCommands();
    CreateListMenus();
    SetUpListExtras();
    SetUpStatusColumns();
}

CPendrakeView::~CPendrakeView()
{
    OnDestroy();
    disconnect(m_focusWatch); // the lists lose and pass on the focus as they go
}

void CPendrakeView::RegisterCommands()
{
    const auto idle = [this](CCmdUI& ui) { ui.Enable(!m_run && !m_searching); };
    OnCommand(Commands::StartSearch, [this] { OnStartSearch(); });
    OnUpdate(Commands::StartSearch, idle);
    OnUpdate(Commands::ExportFileList, idle);
    OnUpdate(Commands::DuplicateFiles, idle);
    OnCommand(Commands::StopSearch, [this] { OnStopSearch(); });
    OnUpdate(Commands::StopSearch, [this](CCmdUI& ui) { ui.Enable(m_run); });
    OnCommand(Commands::ViewFilesCount, [this] { OnViewFilesCount(); });
    OnUpdate(Commands::ViewFilesCount,
             [this](CCmdUI& ui) { ui.SetCheck(m_settings.GetSwitch(Key::ViewFilesCount)); });
    OnCommand(Commands::AutoSearchAtStartup,
              [this] { m_settings.ToggleSwitch(Key::AutoListLastFolderAtStartup); });
    OnUpdate(Commands::AutoSearchAtStartup,
             [this](CCmdUI& ui) { ui.SetCheck(m_settings.GetSwitch(Key::AutoListLastFolderAtStartup)); });
}

void CPendrakeView::SetUpList(ResultList* list, int listNumber, const int* defaultWidths)
{
    QList<int> widths;
    for (int column = 0; column < list->header()->count(); ++column)
        widths.append(m_settings.GetInt(Settings::ColumnWidthKey(listNumber, column), defaultWidths[column]));
    list->SetColumnWidths(widths);
}

void CPendrakeView::OnInitialUpdate()
{
    ArrangeLists();
    SetUpList(m_fileList, 0, kFileListWidths);
    SetUpList(m_folderList, 1, kFolderListWidths);
    if (m_settings.GetSwitch(Key::ViewFilesCount)) {
        m_folderList->show();
    } else {
        m_folderModel.Clear();
        m_folderList->hide();
    }
    m_initialized = true;
    emit firstUpdateDone();
    if (m_settings.GetSwitch(Key::AutoListLastFolderAtStartup))
        QMetaObject::invokeMethod(this, &CPendrakeView::OnStartSearch, Qt::QueuedConnection);
}

void CPendrakeView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeLists();
}

void CPendrakeView::ArrangeLists()
{
    const int w = width();
    const int h = height();
    // The filter box stands above the file list, in the file list's share of the height.
    const int top = m_filterBox ? m_filterBox->sizeHint().height() : 0;
    if (m_filterBox)
        m_filterBox->setGeometry(0, 0, w, top);
    // The stored value decides, not the running search's copy.
    if (m_settings.GetSwitch(Key::ViewFilesCount)) {
        const int half = h / 2;
        m_fileList->setGeometry(0, top, w, std::max(0, half - top));
        m_folderList->setGeometry(0, half, w, half);
    } else {
        m_fileList->setGeometry(0, top, w, std::max(0, h - top));
    }
}

void CPendrakeView::OnViewFilesCount()
{
    m_settings.ToggleSwitch(Key::ViewFilesCount);
    ArrangeLists();
    if (m_settings.GetSwitch(Key::ViewFilesCount)) {
        m_folderList->show();
    } else {
        m_folderModel.Clear();
        m_folderList->hide();
    }
}

void CPendrakeView::SaveListColumnWidths(ResultList* list, int listNumber)
{
    // The widths asked for, not those shown for the moment (a filled last column, whole status lines).
    // A hidden column's width was kept when it was hidden.
    const QList<int> widths = list->ColumnWidths();
    const platform::ProfileWriteBatch batch;
    for (int column = 0; column < widths.size(); ++column)
        if (!list->header()->isSectionHidden(column))
            m_settings.WriteInt(Settings::ColumnWidthKey(listNumber, column), widths[column]);
}

void CPendrakeView::OnDestroy()
{
    if (m_destroyed)
        return;
    m_destroyed = true;
    // Ask a running walk to stop and wait for it; the worker never waits for this thread once
    // closing is set, so this cannot deadlock.
    m_run = false;
    m_handOver.Close();
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }
    if (m_initialized) {
        SaveListColumnWidths(m_fileList, 0);
        SaveListColumnWidths(m_folderList, 1);
    }
}

// --- Rows from the worker ---------------------------------------------------------------------

void CPendrakeView::OnFileFound(const CFileFind& find)
{
    // The folder's text is made only where it is shown: a new folder of the file list, a count.
    if (m_displayFileList) {
        const std::string& native = find.GetNativeFolder();
        if (m_lastFolderIndex < 0 || native != m_lastNativeFolder) {
            const auto [it, added] = m_folderIndex.try_emplace(native, int(m_folderIndex.size()));
            if (added) {
                m_currentFolder = find.GetFolderText();
                m_handOver.Add([&](Pending& p) { p.folders.push_back({m_currentFolder, native}); });
            }
            m_lastNativeFolder = native;
            m_lastFolderIndex = it->second;
        }
        // The status is kept when the walk read it anyway (a size or date limit), or read for the
        // columns: here, relative to the folder the walk holds, rather than later by path.
        platform::EntryStatus status;
        if (m_readStatus || find.StatusRead())
            status = platform::EntryStatus::Of(find.GetLength(), find.GetLastWriteTime());
        m_handOver.Add([&](Pending& p) {
            p.fileRows.Add(m_lastFolderIndex, find.GetNativeName(), find.IsKnownRegular(), status);
        });
    } else {
        // Folder index and name bytes only; the path text is made when it is read.
        m_foundPaths.Append(find.GetNativeFolder(), find.GetNativeName());
        if (m_foundPaths.size() == 1) // after the run emptied the paths: row 0 may follow them
            m_handOver.Add([](Pending& p) { p.foundPathsStarted = true; });
    }
    if (m_viewFilesCount) {
        m_currentFolder = find.GetFolderText();
        UpdateFolderRow(m_currentFolder, GetFolderFileCount(find.GetNativeFolder()), find.GetNativeFolder());
    }
}

std::string CPendrakeView::FoundNativePath(int index) const
{
    return m_foundPaths.Native(index);
}

void CPendrakeView::AppendFileRow(const QString& name, const QString& folder)
{
    int folderIndex = -1;
    if (!folder.isEmpty()) {
        const std::string native = platform::NativePath(folder);
        const auto [it, added] = m_folderIndex.try_emplace(native, int(m_folderIndex.size()));
        if (added)
            m_handOver.Add([&](Pending& p) { p.folders.push_back({folder, native}); });
        folderIndex = it->second;
    }
    const QByteArray text = name.toUtf8();
    m_handOver.Add(
        [&](Pending& p) { p.fileRows.Add(folderIndex, std::string_view(text.constData(), text.size())); });
}

void CPendrakeView::UpdateFolderRow(const QString& folder, int count, const std::string& native)
{
    // Files of one folder come one after another: a folder's row is handed over when its first file
    // is found, then its latest count every so many files and when the walk moves on, not per file.
    if (m_folderRowWaiting && m_folderRowWaiting->native == native && m_folderRowWaiting->folder == folder) {
        m_folderRowWaiting->count = count;
        m_folderRowChanged = true;
        if (++m_folderRowUpdates % kFolderRowEvery == 0)
            HandOverFolderRow();
        return;
    }
    HandOverFolderRow();
    m_folderRowWaiting = PendingFolderRow{folder, count, native};
    m_folderRowChanged = true;
    HandOverFolderRow();
}

void CPendrakeView::HandOverFolderRow()
{
    if (!m_folderRowWaiting || !m_folderRowChanged)
        return;
    m_folderRowChanged = false;
    m_handOver.Add([this](Pending& p) { p.folderRows.push_back(*m_folderRowWaiting); });
}

void CPendrakeView::ApplyPending()
{
    m_handOver.ApplyNow();
}

std::pair<int, int> CPendrakeView::ApplyBatch(Pending& batch)
{
    if (batch.headings) {
        m_fileModel.SetHeadings(batch.headings->first, batch.headings->second);
        // Status lines have no second heading; file rows take the name column's asked width again.
        m_statusLines = batch.headings->second.isEmpty();
        if (!m_statusLines)
            m_fileList->ShowAskedWidth(1);
    }
    for (const FileListModel::Folder& folder : batch.folders)
        m_fileModel.AddFolder(folder.text, folder.native);
    if (!batch.fileRows.empty()) {
        m_fileModel.Append(batch.fileRows);
        m_fileList->scrollToBottom();
    }
    // Status lines are shown whole, however narrow the name column was left.
    if (m_statusLines && (batch.headings || !batch.fileRows.empty()))
        m_fileList->WidenToTexts(1);
    if (batch.foundPathsStarted)
        m_showLastFound = true;
    if (batch.row0Column2) {
        m_showLastFound = false;
        m_fileModel.SetRow0Column2(*batch.row0Column2);
    } else if (m_showLastFound) {
        // The paths only grow while row 0 follows them, and nothing stored in them moves.
        const int found = m_foundPaths.size();
        if (found != m_lastFoundShown) {
            m_lastFoundShown = found;
            m_fileModel.SetRow0Column2(m_foundPaths.Last());
        }
    }
    // The worker writes its reports; the notices go out from here, in order, after their rows.
    for (int i = 0; i < batch.infoBarChanged; ++i)
        AppMessages::Post(AppMessages::UWM_INFOBAR_CHANGED);
    int lastFolderRow = -1;
    for (const PendingFolderRow& row : batch.folderRows)
        lastFolderRow = m_folderModel.UpdateFolderRow(row.folder, row.count, row.native);
    if (lastFolderRow >= 0)
        m_folderList->scrollTo(m_folderOrder.mapFromSource(m_folderModel.index(lastFolderRow, 0)));
    return {m_fileModel.rowCount(), m_folderModel.rowCount()};
}

std::pair<int, int> CPendrakeView::ListRowCounts()
{
    // The apply timer, which runs for the whole search, serves the request within one interval;
    // nothing is posted from this thread.
    return m_handOver.Flush();
}
