#include "duplicates/scan/DuplicateScan.h"

#include "duplicates/scan/RegularFile.h"
#include "platform/Paths.h"

#include <chrono>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// Rows are handed over at least this often while reading, and at the end.
constexpr auto kHandOverInterval = std::chrono::milliseconds(20);
constexpr size_t kHandOverRows = 512;
// The second half of a long input, read aside, is handed over in batches of this many rows.
constexpr size_t kTailSlice = 4096;
// From this many input lines on, two threads read the files.
constexpr int kSplitRows = 4096;

} // namespace

bool NativePathsInput::At(int index, ScanEntry& entry) const
{
    entry.storage = m_pathAt(index);
    const std::string_view bytes(entry.storage);
    const size_t slash = bytes.rfind('/');
    if (slash == std::string_view::npos)
        return false;
    entry.folder = bytes.substr(0, slash + 1);
    entry.name = bytes.substr(slash + 1);
    entry.knownRegular = false;
    return true;
}

// The folder that the last paths were in stays open, since the input comes grouped by folder.
struct DuplicateScan::Cursor
{
    std::string folder; // as the input gives it
    int fd = -1;
    int folderIndex = -1; // in the folder table, once a row of this folder was added
    int foldersAdded = 0;
    int rowsAdded = 0;
    ResultBatch batch;
    std::chrono::steady_clock::time_point lastHandOver = std::chrono::steady_clock::now();

    Cursor() = default;
    Cursor(const Cursor&) = delete;
    Cursor& operator=(const Cursor&) = delete;
    ~Cursor() { Enter({}); }

    void Enter(std::string_view nativeFolder)
    {
        if (fd >= 0)
            ::close(fd);
        folder = nativeFolder;
        fd = nativeFolder.empty() ? -1 : RegularFile::OpenFolder(nativeFolder);
        folderIndex = -1;
    }
    int FolderIndex()
    {
        if (folderIndex < 0) {
            std::string native = folder;
            if (native.back() != '/')
                native.push_back('/');
            QString text = platform::DisplayText(native);
            batch.folders.push_back({std::move(text), std::move(native)});
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

void DuplicateScan::Read(const HandOver& handOver)
{
    const int count = m_input.Count();
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
                    Cursor second;
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

    Cursor cursor;
    ReadRange(0, split, cursor, handOver);
    if (helper.joinable())
        helper.join();
    if (tailFailed)
        throw std::runtime_error("reading the second half failed");
    if (split < count && !m_stop) {
        // The second half goes over in slices, so that whoever takes the rows never has to take
        // them all at once.
        const int rowBase = cursor.rowsAdded;
        const int folderBase = cursor.foldersAdded;
        for (ResultFolder& folder : tail.folders)
            cursor.batch.folders.push_back(std::move(folder));
        for (ResultRow& row : tail.rows) {
            if (cursor.batch.rows.size() >= kTailSlice) {
                if (m_stop)
                    return;
                cursor.Flush(handOver, true);
            }
            row.number += rowBase;
            row.folder += folderBase;
            cursor.batch.rows.push_back(std::move(row));
        }
        cursor.rowsAdded += tailRows;
        cursor.foldersAdded += tailFolders;
    }
    if (!m_stop)
        cursor.Flush(handOver, true);
}

void DuplicateScan::ReadRange(int begin, int end, Cursor& cursor, const HandOver& handOver)
{
    ScanEntry entry;
    for (int i = begin; i < end && !m_stop; ++i) {
        if (m_input.At(i, entry))
            AddFileRow(entry, cursor);
        cursor.Flush(handOver, false);
    }
    if (!m_stop)
        cursor.Flush(handOver, true);
}

void DuplicateScan::AddFileRow(const ScanEntry& entry, Cursor& cursor)
{
    // Look the path up: its folder, then the entry itself. A path that names nothing adds nothing.
    if (entry.name.empty() || entry.name == "." || entry.name == ".." ||
        entry.name.find('/') != std::string_view::npos || entry.folder.empty())
        return;
    if (cursor.folder != entry.folder)
        cursor.Enter(entry.folder);
    if (cursor.fd < 0)
        return;
    ResultRow row;
    row.name = entry.name;
    // One look gives the type and the size; nothing is opened, so a pipe or a device never is.
    RegularFile::Looked looked;
    if (!RegularFile::LookAt(cursor.fd, row.name.c_str(), looked) || m_stop)
        return;
    row.number = ++cursor.rowsAdded;
    row.folder = cursor.FolderIndex();
    row.link = looked.link;
    if (looked.readable) {
        const struct stat& file = looked.file;
        row.opened = true;
        row.size = std::uint64_t(file.st_size);
        row.key = row.size;
        row.device = std::uint64_t(file.st_dev);
        row.inode = std::uint64_t(file.st_ino);
        row.modified = std::int64_t(file.st_mtim.tv_sec);
        row.modifiedNanoseconds = std::int32_t(file.st_mtim.tv_nsec);
        row.timeKnown = true;
    }
    cursor.batch.rows.push_back(std::move(row));
}
