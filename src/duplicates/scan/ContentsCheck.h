#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// One file of the duplicate candidates, as the contents check needs it.
struct ContentsFile
{
    std::string folder; // exact bytes, ending with "/"
    std::string name;
    std::uint64_t size = 0;
    std::uint64_t device = 0; // of the file the scan saw
    std::uint64_t inode = 0;
    std::int64_t modified = 0; // its last write as the scan saw it: seconds since the epoch
    std::int32_t modifiedNanoseconds = 0;
    bool opened = false;  // the scan could read it
    bool link = false;    // a symbolic link: never a copy of anything, so never read
    bool changed = false; // already known to have changed since the scan
    // Files of one size group share this number (files of different sizes never count as one
    // group); -1: in no group.
    long long sizeGroup = -1;
};

// What the check found for one file.
struct ContentsOutcome
{
    int group = 0;       // contents group, numbered from 1 in order of first file; 0: in none
    int hardLinkOf = -1; // index of an earlier file that is the same file (device and inode)
    bool unreadable = false;
    // Its size or last write, when it was opened or after it was last read, was not what the scan
    // saw, or it went on past its size: in no group.
    bool changed = false;
};

// Compares the contents of the files of each size group. Hard links of one file are that file
// once; symbolic links are never read. Each remaining file is reopened only if it is still the
// regular file the scan saw; first a block at the start and one at the end are hashed (XXH3, 128
// bits), then the files still tied are compared byte by byte, all of a group side by side, so that
// each is read once and a file stops being read as soon as it differs from all the others. Groups
// of more than kSideBySide files are first split by a hash of their whole contents. A file whose
// size or last write is not what the scan saw, when it is opened or after it was last read, or
// that goes on past that size, has changed since the scan and is in no group; the files of a group
// are read to their end. Two threads take the size groups in turn; the outcome does not depend on
// which read what.
class ContentsCheck
{
    using Members = std::vector<size_t>;

public:
    static constexpr std::uint64_t kBlock = 4096;
    static constexpr std::uint64_t kChunk = 256 * 1024;
    static constexpr size_t kSideBySide = 32;

    ContentsCheck(std::vector<ContentsFile> files, const std::atomic<bool>& stop);

    // The bytes of the files that may have to be read: every distinct file of a group of two or
    // more. Progress() reaches it when the check is done.
    std::uint64_t BytesToRead() const { return m_bytesToRead; }
    // Bytes settled so far (read, or known not to need reading); safe from any thread.
    std::uint64_t Progress() const { return m_progress; }
    // Bytes actually read.
    std::uint64_t BytesRead() const { return m_bytesRead; }

    // Runs the whole check; false when it was stopped.
    bool Run();
    const std::vector<ContentsOutcome>& Outcomes() const { return m_outcomes; }

private:
    // What one reading thread keeps: the folder it opened last.
    struct Reader
    {
        std::string folder;
        int fd = -1;
        ~Reader();
    };
    // Splits distinct files of one size into classes of identical contents (two or more each).
    void CompareGroup(Reader& reader, const Members& members, std::vector<Members>& classes);
    // Byte by byte, side by side, at most kSideBySide files.
    void CompareSideBySide(Reader& reader, const Members& members, std::vector<Members>& classes);
    bool Hash(Reader& reader, size_t file, bool whole, std::uint64_t hash[2]);
    // Opens the file again and checks it is still as the scan saw it; -1 when not.
    int Reopen(Reader& reader, size_t file);
    // Whether the open file still has the size and last write the scan saw; marks it changed if not.
    bool StillAsScanned(int fd, size_t file);
    // Whether nothing follows the size the scan saw and the file is still as the scan saw it; marks
    // it changed if not (false without a mark: it could not be read).
    bool EndsAsScanned(int fd, size_t file);
    // Reads exactly `length` bytes; a file that ends sooner has changed.
    bool ReadAt(int fd, size_t file, char* buffer, std::uint64_t length, std::uint64_t offset);
    // The file is in no group: it could not be read, or it changed. Its bytes count as settled.
    void Drop(size_t file);
    void Settle(size_t file, std::uint64_t upTo);

    std::vector<ContentsFile> m_files;
    std::vector<ContentsOutcome> m_outcomes;
    // The groups worth reading: two or more distinct files each, in file order.
    std::vector<Members> m_groups;
    std::vector<std::uint64_t> m_settled;
    const std::atomic<bool>& m_stop;
    std::uint64_t m_bytesToRead = 0;
    std::atomic<std::uint64_t> m_progress{0};
    std::atomic<std::uint64_t> m_bytesRead{0};
};
