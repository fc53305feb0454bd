// The scan of the results window: read the size and last-write time of every input file, then
// order the rows by size, drop sizes that occur once, number the rows and band them by size.
#include "duplicates/DlgDuplicateResults.h"

#include "platform/FileFind.h"
#include "platform/Paths.h"
#include "view/ListModels.h"

#include <QFile>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

// Rows reach the list at least this often while the worker reads, and at the end.
constexpr auto kHandOverInterval = std::chrono::milliseconds(20);
constexpr size_t kHandOverRows = 512;
// How often this thread takes the rows over while the worker reads.
constexpr auto kApplyInterval = std::chrono::milliseconds(30);
// From this many input lines on, two threads read the files.
constexpr int kSplitRows = 4096;

// A folder by its exact bytes (ending with "/"); only a path reference is needed to look its
// entries up and open them, so a folder that may be entered but not listed still works.
int OpenFolder(const std::string& folder)
{
    const std::string path = folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
    if (path.size() < PATH_MAX)
        return ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return CFileFind::OpenFolder(path);
}

} // namespace

// The folder that the last paths were in stays open, since the input comes grouped by folder.
struct CDlgDuplicateResults::ScanCursor
{
    std::string folder; // exact bytes, ending with "/"
    int fd = -1;
    int folderIndex = -1; // in the list's folder table, once a row of this folder was added
    int foldersAdded = 0;
    int rowsAdded = 0;
    ResultBatch batch;
    std::chrono::steady_clock::time_point lastHandOver = std::chrono::steady_clock::now();

    ScanCursor() = default;
    ScanCursor(const ScanCursor&) = delete;
    ScanCursor& operator=(const ScanCursor&) = delete;
    ~ScanCursor() { Enter({}); }

    void Enter(const std::string& nativeFolder)
    {
        if (fd >= 0)
            ::close(fd);
        folder = nativeFolder;
        fd = nativeFolder.empty() ? -1 : OpenFolder(nativeFolder);
        folderIndex = -1;
    }
    int FolderIndex()
    {
        if (folderIndex < 0) {
            batch.folders.push_back({platform::DisplayText(folder), folder});
            folderIndex = foldersAdded++;
        }
        return folderIndex;
    }
    void Flush(const HandOver& handOver, bool force)
    {
        const auto now = std::chrono::steady_clock::now();
        if (batch.empty() ||
            (!force && batch.rows.size() < kHandOverRows && now - lastHandOver < kHandOverInterval))
            return;
        handOver(batch);
        batch = {};
        lastHandOver = now;
    }
};

namespace {

// Takes the size and last-write time from a file that is open; only a regular file counts.
bool ReadOpenFile(int fd, ResultRow& row)
{
    struct stat opened;
    // Still a regular file once open (the entry may have been replaced since it was looked up).
    const bool ok = ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    ::close(fd);
    if (!ok)
        return false;
    row.opened = true;
    row.size = std::uint64_t(opened.st_size);
    row.key = row.size;
    row.modified = std::int64_t(opened.st_mtim.tv_sec);
    row.timeKnown = true;
    return true;
}

constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Reads the size and last-write time of the entry `name` in the folder open at `folderFd`, which
// `entry` describes (not following a link). Only a regular file, or a link to one, is opened;
// pipes, sockets, devices and folders count as files that failed to open.
void ReadSizeAndTime(int folderFd, const char* name, const struct stat& entry, const std::atomic<bool>& stop,
                     ResultRow& row)
{
    struct stat target = entry;
    int flags = kOpenFlags | O_NOFOLLOW;
    if (S_ISLNK(entry.st_mode)) {
        if (::fstatat(folderFd, name, &target, 0) != 0)
            return;
        flags &= ~O_NOFOLLOW;
    }
    if (!S_ISREG(target.st_mode))
        return;
    const int fd = ::openat(folderFd, name, flags);
    if (fd < 0 || stop) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    ReadOpenFile(fd, row);
}

} // namespace

void CDlgDuplicateResults::StartScan()
{
    m_scanBusy.emplace();
    // Cleared here rather than on the worker, so a close that comes before the worker runs counts.
    m_bStop = false;
    m_listResults.Model().Clear();
    m_listResults.setEnabled(false);
    {
        std::lock_guard locker(m_lock);
        m_pending = {};
        m_inputRead = false;
        m_scanFailed = false;
    }
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
        ReadInput([this](ResultBatch& batch) {
            std::lock_guard locker(m_lock);
            if (m_pending.empty()) {
                std::swap(m_pending, batch);
                return;
            }
            for (ResultFolder& folder : batch.folders)
                m_pending.folders.push_back(std::move(folder));
            for (ResultRow& row : batch.rows)
                m_pending.rows.push_back(std::move(row));
        });
    } catch (...) {
        // The scan ends quietly; the list stays disabled with the rows it has.
        failed = true;
    }
    // The user-interface thread's next hand-over sees the end. Nothing is posted from here: the
    // hand-over is pulled on that thread's timer, so the two threads meet only under m_lock.
    std::lock_guard locker(m_lock);
    m_inputRead = true;
    m_scanFailed = failed;
}

void CDlgDuplicateResults::ApplyPending()
{
    if (!m_scanThread.joinable())
        return; // no worker: the scan has ended or was stopped
    ResultBatch batch;
    bool inputRead;
    bool failed;
    {
        std::lock_guard locker(m_lock);
        std::swap(batch, m_pending);
        inputRead = m_inputRead;
        failed = m_scanFailed;
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
    {
        std::lock_guard locker(m_lock);
        m_pending = {};
        m_inputRead = false;
    }
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

void CDlgDuplicateResults::ReadInput(const HandOver& handOver)
{
    const int count = m_pSourcePaths  ? int(m_pSourcePaths->size())
                      : m_pSourceList ? m_pSourceList->rowCount()
                                      : 0;
    // A long input is read by two threads: this one reads the first half and hands it over as it
    // goes, a helper reads the second half aside; that half follows once the first is done, with
    // its numbers and folder indices moved on past the first half's, so the rows come in input
    // order exactly as one thread would give them.
    int split = count;
    ResultBatch tail;
    int tailRows = 0;
    int tailFolders = 0;
    bool tailFailed = false;
    std::thread helper;
    if (count >= kSplitRows && std::thread::hardware_concurrency() > 1) {
        split = count / 2;
        try {
            helper = std::thread([&, split, count] {
                try {
                    ScanCursor second;
                    ReadRange(split, count, second, [&tail](ResultBatch& batch) {
                        for (ResultFolder& folder : batch.folders)
                            tail.folders.push_back(std::move(folder));
                        for (ResultRow& row : batch.rows)
                            tail.rows.push_back(std::move(row));
                    });
                    tailRows = second.rowsAdded;
                    tailFolders = second.foldersAdded;
                } catch (...) {
                    tailFailed = true;
                }
            });
        } catch (const std::system_error&) {
            split = count; // no second thread to be had: this one reads everything
        }
    }
    // The helper is waited for however this thread leaves.
    struct Joiner
    {
        std::thread& thread;
        ~Joiner()
        {
            if (thread.joinable())
                thread.join();
        }
    } joiner{helper};

    ScanCursor cursor;
    ReadRange(0, split, cursor, handOver);
    if (helper.joinable())
        helper.join();
    if (tailFailed)
        throw std::runtime_error("reading the second half failed");
    if (split < count && !m_bStop) {
        for (ResultRow& row : tail.rows) {
            row.number += cursor.rowsAdded;
            row.folder += cursor.foldersAdded;
        }
        for (ResultFolder& folder : tail.folders)
            cursor.batch.folders.push_back(std::move(folder));
        for (ResultRow& row : tail.rows)
            cursor.batch.rows.push_back(std::move(row));
        cursor.rowsAdded += tailRows;
        cursor.foldersAdded += tailFolders;
    }
    cursor.Flush(handOver, true);
}

void CDlgDuplicateResults::ReadRange(int begin, int end, ScanCursor& cursor, const HandOver& handOver)
{
    if (m_pSourcePaths) {
        for (int i = begin; i < end && !m_bStop; ++i) {
            const QByteArray native = QFile::encodeName((*m_pSourcePaths)[i]);
            const std::string_view bytes(native.constData(), size_t(native.size()));
            const size_t slash = bytes.rfind('/');
            if (slash != std::string_view::npos)
                AddFileRow(bytes.substr(0, slash + 1), bytes.substr(slash + 1), false, cursor);
            cursor.Flush(handOver, false);
        }
    } else if (m_pSourceList) {
        // Each file row gives folder and name; its exact bytes are kept, so any name works.
        int listFolder = -1;
        std::string folder;
        for (int row = begin; row < end && !m_bStop; ++row) {
            if (m_pSourceList->IsFileRow(row)) {
                const int index = m_pSourceList->FolderIndex(row);
                if (index != listFolder) {
                    listFolder = index;
                    folder = m_pSourceList->NativeFolderAt(index);
                    if (folder.empty() || folder.back() != '/')
                        folder.push_back('/');
                }
                AddFileRow(folder, m_pSourceList->NativeName(row), m_pSourceList->IsKnownRegular(row),
                           cursor);
            }
            cursor.Flush(handOver, false);
        }
    }
    cursor.Flush(handOver, true);
}

void CDlgDuplicateResults::AddFileRow(std::string_view folder, std::string_view name, bool knownRegular,
                                      ScanCursor& cursor)
{
    // Look the path up: its folder, then the entry itself. A path that names nothing adds nothing.
    if (name.empty() || name == "." || name == "..")
        return;
    if (cursor.folder != folder)
        cursor.Enter(std::string(folder));
    if (cursor.fd < 0)
        return;
    ResultRow row;
    row.name = name;
    if (knownRegular) {
        // The walk saw a regular file: open it straight away. Should the entry have changed since,
        // the look-up below decides as for any other path.
        const int fd = ::openat(cursor.fd, row.name.c_str(), kOpenFlags | O_NOFOLLOW);
        if (fd >= 0) {
            if (m_bStop) {
                ::close(fd);
                return;
            }
            ReadOpenFile(fd, row);
            row.number = ++cursor.rowsAdded;
            row.folder = cursor.FolderIndex();
            cursor.batch.rows.push_back(std::move(row));
            return;
        }
    }
    struct stat entry;
    if (::fstatat(cursor.fd, row.name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (m_bStop)
        return;

    row.number = ++cursor.rowsAdded;
    row.folder = cursor.FolderIndex();
    ReadSizeAndTime(cursor.fd, row.name.c_str(), entry, m_bStop, row);
    cursor.batch.rows.push_back(std::move(row));
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
    m_listResults.setEnabled(true);
    if (model.rowCount() > 0)
        m_listResults.scrollToTop();
}
