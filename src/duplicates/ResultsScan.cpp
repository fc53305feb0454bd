// The results window's side of the scan: the worker that runs DuplicateScan on the window's input,
// the hand-over of its rows to this thread, and the grouping steps on the list.
#include "duplicates/DlgDuplicateResults.h"

#include "engine/FoundPaths.h"
#include "view/ListModels.h"

#include <QFile>
#include <algorithm>
#include <chrono>
#include <system_error>

namespace {

// Rows waiting for the list beyond this many hold the worker until the list has taken them, so that
// one take-over never holds the user interface up for long.
constexpr size_t kMostRowsPending = 8192;

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

void CDlgDuplicateResults::StartScan()
{
    m_scanBusy.emplace();
    // Cleared here rather than on the worker, so a close that comes before the worker runs counts.
    m_bStop = false;
    m_scanFailed = false;
    m_planRows = 0;
    m_plan.clear();
    m_listResults.Model().Clear();
    m_listResults.Model().Reserve(size_t(std::max(0, MakeInput()->Count())));
    m_listResults.setEnabled(false);
    m_handOver.Start();
    try {
        m_scanThread = std::thread([this] { ScanThreadProc(); });
    } catch (const std::system_error&) {
        // No thread to be had: the same scan runs here instead.
        m_handOver.Close();
        m_scanBusy.reset();
        ScanFiles();
        return;
    }
    m_scanning = true;
}

void CDlgDuplicateResults::ScanThreadProc()
{
    try {
        // The keys of the rows handed over, in order, so that this thread also works out their
        // final order and the user-interface thread only has to put the rows in it.
        std::vector<SizeGrouping::RowKey> keys;
        ReadInput([this, &keys](ResultBatch& batch) {
            for (const ResultRow& row : batch.rows)
                keys.push_back({row.key, row.opened});
            size_t pendingRows = 0;
            m_handOver.Add([&batch, &pendingRows](ResultBatch& pending) {
                if (pending.empty()) {
                    std::swap(pending, batch);
                } else {
                    for (ResultFolder& folder : batch.folders)
                        pending.folders.push_back(std::move(folder));
                    for (ResultRow& row : batch.rows)
                        pending.rows.push_back(std::move(row));
                }
                pendingRows = pending.rows.size();
            });
            // The list never takes too many rows at once: this thread waits until it has them.
            if (pendingRows >= kMostRowsPending)
                m_handOver.Flush();
        });
        m_planRows = keys.size();
        m_plan = SizeGrouping::PlanOrder(keys, m_bStop);
    } catch (...) {
        // The scan ends quietly; the list stays disabled with the rows it has.
        m_scanFailed = true;
    }
    // Nothing is posted from here: the user-interface thread's next take-over sees the end.
    m_handOver.Finish();
}

int CDlgDuplicateResults::ApplyBatch(ResultBatch& batch)
{
    if (m_bStop || batch.empty())
        return 0;
    m_listResults.Model().Append(batch);
    m_listResults.scrollToBottom();
    return 0;
}

void CDlgDuplicateResults::InputRead()
{
    if (m_scanThread.joinable())
        m_scanThread.join();
    m_scanning = false;
    if (!m_scanFailed && !m_bStop) {
        OrderAndGroup(m_planRows, m_plan);
        m_plan = {};
        if (!m_bStop)
            emit scanFinished();
    }
    m_scanBusy.reset();
}

void CDlgDuplicateResults::StopScan()
{
    m_bStop = true;
    // Closed first: a worker waiting for the list to take its rows is let go.
    m_handOver.Close();
    if (m_scanThread.joinable())
        m_scanThread.join();
    m_scanning = false;
    m_scanBusy.reset();
}

void CDlgDuplicateResults::ScanFiles()
{
    if (m_scanThread.joinable())
        return; // the worker's scan is still running; one scan at a time
    BusyCursor busy;
    m_bStop = false;
    ResultsModel& model = m_listResults.Model();
    model.Clear();
    m_listResults.setEnabled(false);
    m_scanning = true;
    std::vector<SizeGrouping::RowKey> keys;
    try {
        ReadInput([&model, &keys](ResultBatch& batch) {
            for (const ResultRow& row : batch.rows)
                keys.push_back({row.key, row.opened});
            model.Append(batch);
        });
    } catch (...) {
        m_scanning = false;
        return;
    }
    m_scanning = false;
    OrderAndGroup(keys.size(), SizeGrouping::PlanOrder(keys, m_bStop));
    if (!m_bStop)
        emit scanFinished();
}

void CDlgDuplicateResults::OrderAndGroup(size_t rowsRead, const std::vector<SizeGrouping::Placed>& plan)
{
    ResultsModel& model = m_listResults.Model();
    // Every row read is in the list unless the scan was stopped, and then nothing more is done.
    if (m_bStop || size_t(model.rowCount()) != rowsRead)
        return;
    model.ApplyOrder(plan);
    UpdateSummary();
    m_listResults.setEnabled(true);
    if (model.rowCount() > 0)
        m_listResults.scrollToTop();
}
