// The results window's side of the scan: the worker that runs DuplicateScan on the window's input,
// the hand-over of its rows to this thread, and the grouping steps on the list.
#include "duplicates/DlgDuplicateResults.h"

#include "engine/FoundPaths.h"
#include "view/ListModels.h"

#include <QFile>
#include <chrono>
#include <system_error>

namespace {

// How often this thread takes the rows over while the worker reads.
constexpr auto kApplyInterval = std::chrono::milliseconds(30);

// The main view's file list (file mode): each file row gives its folder and name as exact bytes.
class FileListInput : public ScanInput
{
public:
    explicit FileListInput(const FileListModel& list) : m_list(list) {}
    int Count() const override { return m_list.rowCount(); }
    bool At(int index, ScanEntry& entry) const override
    {
        if (!m_list.IsFileRow(index))
            return false;
        entry.folder = m_list.NativeFolderAt(m_list.FolderIndex(index));
        entry.name = m_list.NativeName(index);
        entry.knownRegular = m_list.IsKnownRegular(index);
        return true;
    }

private:
    const FileListModel& m_list;
};

} // namespace

int SourcePaths::size() const
{
    return m_found ? m_found->size() : m_texts ? int(m_texts->size()) : 0;
}

std::string SourcePaths::Native(int index) const
{
    if (m_found)
        return m_found->Native(index);
    return QFile::encodeName(m_texts->at(index)).toStdString();
}

std::unique_ptr<ScanInput> CDlgDuplicateResults::MakeInput() const
{
    if (m_pSourcePaths) {
        // The engine's found paths give their exact bytes, also of names that are not UTF-8.
        const SourcePaths paths = m_pSourcePaths;
        return std::make_unique<NativePathsInput>(paths.size(),
                                                  [paths](int index) { return paths.Native(index); });
    }
    if (m_pSourceList)
        return std::make_unique<FileListInput>(*m_pSourceList);
    return std::make_unique<NativePathsInput>(0, nullptr);
}

void CDlgDuplicateResults::ReadInput(const DuplicateScan::HandOver& handOver)
{
    const std::unique_ptr<ScanInput> input = MakeInput();
    DuplicateScan(*input, m_bStop).Read(handOver);
}

void CDlgDuplicateResults::ScanHandOver::Put(ResultBatch& batch)
{
    std::lock_guard locker(lock);
    if (pending.empty()) {
        std::swap(pending, batch);
        return;
    }
    for (ResultFolder& folder : batch.folders)
        pending.folders.push_back(std::move(folder));
    for (ResultRow& row : batch.rows)
        pending.rows.push_back(std::move(row));
}

void CDlgDuplicateResults::ScanHandOver::Reset()
{
    std::lock_guard locker(lock);
    pending = {};
    inputRead = false;
    failed = false;
}

void CDlgDuplicateResults::StartScan()
{
    m_scanBusy.emplace();
    // Cleared here rather than on the worker, so a close that comes before the worker runs counts.
    m_bStop = false;
    m_listResults.Model().Clear();
    m_listResults.setEnabled(false);
    m_handOver.Reset();
    try {
        m_scanThread = std::thread([this] { ScanThreadProc(); });
    } catch (const std::system_error&) {
        // No thread to be had: the same scan runs here instead.
        m_scanBusy.reset();
        ScanFiles();
        return;
    }
    m_scanning = true;
    m_applyTimer.start(kApplyInterval);
}

void CDlgDuplicateResults::ScanThreadProc()
{
    bool failed = false;
    try {
        ReadInput([this](ResultBatch& batch) { m_handOver.Put(batch); });
    } catch (...) {
        // The scan ends quietly; the list stays disabled with the rows it has.
        failed = true;
    }
    // The user-interface thread's next hand-over sees the end. Nothing is posted from here: the
    // hand-over is pulled on that thread's timer, so the two threads meet only under its lock.
    std::lock_guard locker(m_handOver.lock);
    m_handOver.inputRead = true;
    m_handOver.failed = failed;
}

void CDlgDuplicateResults::ApplyPending()
{
    if (!m_scanThread.joinable())
        return; // no worker: the scan has ended or was stopped
    ResultBatch batch;
    bool inputRead;
    bool failed;
    {
        std::lock_guard locker(m_handOver.lock);
        std::swap(batch, m_handOver.pending);
        inputRead = m_handOver.inputRead;
        failed = m_handOver.failed;
    }
    if (m_bStop)
        return;
    if (!batch.empty()) {
        m_listResults.Model().Append(batch);
        m_listResults.scrollToBottom();
        if (inputRead) {
            // The last rows are in; the remaining steps come on the next turn, so that this
            // thread gets to its other events in between.
            m_applyTimer.start(0);
            return;
        }
    }
    if (!inputRead)
        return;
    m_scanThread.join();
    m_applyTimer.stop();
    m_scanning = false;
    if (!failed) {
        OrderAndGroup();
        if (!m_bStop)
            emit scanFinished();
    }
    m_scanBusy.reset();
}

void CDlgDuplicateResults::StopScan()
{
    m_bStop = true;
    if (m_scanThread.joinable())
        m_scanThread.join();
    m_applyTimer.stop();
    m_handOver.Reset();
    m_scanning = false;
    m_scanBusy.reset();
}

void CDlgDuplicateResults::ScanFiles()
{
    if (m_scanThread.joinable())
        return; // the worker's scan is still running; one scan at a time
    BusyCursor busy;
    m_bStop = false;
    CResultsModel& model = m_listResults.Model();
    model.Clear();
    m_listResults.setEnabled(false);
    m_scanning = true;
    try {
        ReadInput([&model](ResultBatch& batch) { model.Append(batch); });
    } catch (...) {
        m_scanning = false;
        return;
    }
    m_scanning = false;
    OrderAndGroup();
    if (!m_bStop)
        emit scanFinished();
}

void CDlgDuplicateResults::OrderAndGroup()
{
    CResultsModel& model = m_listResults.Model();
    if (m_bStop)
        return;
    model.SortBySizeDescending(m_bStop);
    if (m_bStop)
        return;
    model.RemoveUniqueSizes(m_bStop);
    if (m_bStop)
        return;
    model.RenumberRows(m_bStop);
    if (m_bStop)
        return;
    model.AssignSizeBands(m_bStop);
    if (m_bStop)
        return;
    model.RedrawAll();
    UpdateSummary();
    m_listResults.setEnabled(true);
    if (model.rowCount() > 0)
        m_listResults.scrollToTop();
}
