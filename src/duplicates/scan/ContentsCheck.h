#pragma once

#include "duplicates/scan/ContentsCache.h"

#include <QString>
#include <atomic>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class ContentsRecall;

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
    // Its last change (nanoseconds since the epoch) when the check first found it as the scan saw
    // it; kNoChangeTime when it never did. An action on the file later requires the same.
    static constexpr std::int64_t kNoChangeTime = INT64_MIN;
    std::int64_t changedNs = kNoChangeTime;
};

// Compares the contents of the files of each size group. Hard links of one file are that file
// once; symbolic links are never read. Each remaining file is reopened only if it is still the
// regular file the scan saw; first a block at the start and one at the end are hashed (XXH3, 128
// bits), then the files still tied are compared byte by byte, all of a group side by side, so that
// each is read once and a file stops being read as soon as it differs from all the others. Groups
// of more than kSideBySide files are first split by a hash of their whole contents. A file whose
// size or last write is not what the scan saw, when it is opened or after it was last read, or
// that goes on past that size, has changed since the scan and is in no group; the files of a group
// are read to their end. Two threads take the size groups in turn, the largest first; the outcome
// does not depend on which read what. With a contents cache, a file whose key (ContentsKey) is
// unchanged is not read again: its hashes, and the files it was found identical or unlike, come
// from the cache.
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

    // Keeps what the check learns in the contents cache these options name, and takes what it
    // knows. Before Run.
    void UseCache(ContentsCache::Options options);
    // Why the contents cache could not be used (the check went on without it); empty when it could.
    const QString& CacheProblem() const { return m_cacheProblem; }

    // Runs the whole check; false when it was stopped.
    bool Run();
    const std::vector<ContentsOutcome>& Outcomes() const { return m_outcomes; }

private:
    // What one reading thread keeps: the folders it opened last, by their exact bytes (the files of
    // a group lie in many folders, and each is looked at and read more than once).
    struct Reader
    {
        std::unordered_map<std::string, int> folders;
        std::vector<std::string> order; // to give the oldest up
        size_t next = 0;
        void CloseAll();
        ~Reader() { CloseAll(); }
    };
    static constexpr size_t kFolders = 64;
    // Splits distinct files of one size into classes of identical contents (two or more each).
    void CompareGroup(Reader& reader, const Members& members, std::vector<Members>& classes);
    // Files alike at both ends: classes of identical contents; `all` also gets the single files.
    void CompareTied(Reader& reader, const Members& tied, std::vector<Members>& classes,
                     std::vector<Members>& all);
    // Byte by byte, side by side, at most kSideBySide files. `singles` gets the files unlike all others.
    void CompareSideBySide(Reader& reader, const Members& members, std::vector<Members>& classes,
                           Members* singles = nullptr);
    bool Hash(Reader& reader, size_t file, bool whole, std::uint64_t hash[2]);
    // The end hash of a file, from the contents cache or read.
    bool Ends(Reader& reader, size_t file, ContentsHash& ends);
    // The classes of a comparison, as the contents cache keeps them: files that changed or could not
    // be read are left out.
    void NoteClasses(const std::vector<Members>& classes, const Members& singles);
    int FolderOf(Reader& reader, size_t file);
    // Asks the contents cache about a file (ContentsRecall::Look) without reading it: relative to
    // its folder when that is open or `openFolder` asks for it, else by its whole path.
    bool Look(Reader& reader, size_t file, bool openFolder, bool find = true);
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
    std::optional<ContentsCache::Options> m_cacheOptions;
    ContentsRecall* m_recall = nullptr; // while Run runs with a cache
    QString m_cacheProblem;
    std::uint64_t m_bytesToRead = 0;
    std::atomic<std::uint64_t> m_progress{0};
    std::atomic<std::uint64_t> m_bytesRead{0};
};
