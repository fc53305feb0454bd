#pragma once

#include "duplicates/scan/ContentsCache.h"

#include <QString>
#include <climits>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <vector>

// What one contents check takes from the contents cache and gives back to it, by the check's file
// numbers. Before a file of a group is read, Look() takes its key from the file system (no contents
// are read) and finds what the cache knows; the check then uses the known end hashes, whole hashes
// and classes instead of reading, and notes what it learnt. A file counts only while every look at
// it (before and after each read) gives the same key; with an empty cache the first look is the one
// after its first read. Commit() writes back in one transaction.
// Without a usable cache every question is answered "unknown" and nothing is written. A group's
// files are handled by one thread at a time; different groups may be handled at once.
class ContentsRecall
{
public:
    using Members = std::vector<size_t>;

    // `cache` may be null: nothing is known and nothing kept.
    ContentsRecall(size_t files, ContentsCache* cache);

    // Looks file `file` up (once; later calls give the first answer): `name` in the folder `folderFd`
    // (AT_FDCWD with a whole path; a link is looked at through itself), to be the regular file with this
    // device, inode, size and (unless kAnyTime) last write in nanoseconds, as the scan saw it; `path` is its
    // whole path. False when it is not, or the cache has nothing for it.
    static constexpr std::int64_t kAnyTime = INT64_MIN;
    // With `find` false the cache is not asked yet: FindLooked() does that later.
    bool Look(size_t file, int folderFd, const std::string& name, const std::string& path,
              std::uint64_t device, std::uint64_t inode, std::uint64_t size, std::int64_t modifiedNs,
              bool find = true);
    // Asks the cache for a file looked at without asking; its later looks give the answer.
    void FindLooked(size_t file);
    // After a read through `fd`: a key that differs from the first look makes the file unknown and
    // keeps it out of the cache.
    void Confirm(size_t file, int fd);

    // The last change (nanoseconds) of a file whose every look gave the same key; kAnyTime for
    // one never looked at, or not steady.
    std::int64_t ChangeTime(size_t file) const
    {
        const File& f = m_files[file];
        return f.looked && f.steady ? f.key.changedNs : kAnyTime;
    }

    bool KnownEnds(size_t file, ContentsHash& ends) const;
    bool KnownWhole(size_t file, ContentsHash& whole) const;
    void NoteEnds(size_t file, const ContentsHash& ends);
    void NoteWhole(size_t file, const ContentsHash& whole);

    // Files alike at both ends: when all were compared with one another before (one partition), the
    // classes of two or more identical files, and true; nothing needs reading.
    bool KnownClasses(const Members& tied, std::vector<Members>& classes) const;
    // Otherwise, the files that must be compared: one of each class known before, and every file
    // not known; `others` gets, for each of those, the files known to be identical to it.
    Members Representatives(const Members& tied, std::vector<Members>& others) const;
    // The outcome of comparing `tied` (every class, single files included): a new partition.
    void NoteClasses(const std::vector<Members>& classes);

    // Writes what was learnt of files whose key held, in one transaction. The cache's problem, if
    // any, is in Problem().
    void Commit();
    QString Problem() const;

private:
    struct File
    {
        bool tried = false;   // Look was called
        bool looked = false;  // the key is known
        bool steady = true;   // every look gave the same key
        bool found = false;   // the cache knew the key
        bool unasked = false; // looked at, the cache not asked yet
        bool learnt = false;
        std::uint64_t size = 0; // as the scan saw it
        std::int64_t modifiedNs = kAnyTime;
        ContentsKey key;
        ContentsFacts facts;
    };
    std::uint64_t FileSystem(const std::string& path, std::uint64_t device);
    bool Find(File& f);

    ContentsCache* m_cache;
    std::vector<File> m_files;
    std::shared_mutex m_lock; // the next two; the file systems are mostly only read
    std::map<std::uint64_t, std::uint64_t> m_fileSystems; // by device
    std::int64_t m_partitions = 0;
};
