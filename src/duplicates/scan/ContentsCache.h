#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// What the file system says of a file without its contents being read. Two looks at a file that
// give the same key saw the same contents: a write changes the change time (nanoseconds). The file
// system's identity stands beside the device number, which may differ after a restart.
struct ContentsKey
{
    std::uint64_t fileSystem = 0; // statfs f_fsid
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const ContentsKey&) const = default;
};

// A 128-bit hash.
struct ContentsHash
{
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    bool operator==(const ContentsHash&) const = default;
    auto operator<=>(const ContentsHash&) const = default;
};

// What a contents check learnt about one file.
struct ContentsFacts
{
    bool hasEnds = false;
    ContentsHash ends; // of the block at the start and the one at the end
    bool hasWhole = false;
    ContentsHash whole; // of the whole contents
    // Files compared byte by byte in one go share a partition; within it, files of one class are
    // identical and files of different classes differ. 0: compared with nothing.
    std::int64_t partition = 0;
    int contentsClass = 0;
};

// The contents cache: what Verify Contents learnt of each file, kept in an SQLite database and
// keyed by the file's ContentsKey, so that a later check need not read a file again while its key
// is unchanged. Entries are namespaced by hash algorithm and block size (the `config` table, written
// last; a mismatch empties the cache). Every fault (a corrupt, locked or read-only database, a full
// disk) turns the cache off for the rest of the check and is kept in Problem(); the check goes on
// without it. A corrupt database is moved aside when the cache is closed, so the next check starts
// afresh. Find, Learn and Problem may be called from several threads.
class ContentsCache
{
public:
    struct Options
    {
        QString file;                      // the database
        QString hashName;                  // the hash algorithm, e.g. "XXH3-128"
        std::uint64_t block = 0;           // the size of the blocks at each end
        std::uint64_t maxBytes = 64 << 20; // the database's size cap: the least recently seen go first
        int keepDays = 90;                 // entries not seen for longer are dropped
        int busyMs = 200;                  // how long to wait for a lock before going on without
        // The wall clock in nanoseconds since the epoch (tests move it).
        std::function<std::int64_t()> clock;
    };
    // Files changed this close to the moment they were read are not kept: a later change might
    // leave the same time stamps (their granularity).
    static constexpr std::int64_t kRacyNs = 2'000'000'000;

    explicit ContentsCache(Options options);
    ~ContentsCache();
    ContentsCache(const ContentsCache&) = delete;
    ContentsCache& operator=(const ContentsCache&) = delete;

    // $XDG_CACHE_HOME/tresmolo/contents.db (default ~/.cache/tresmolo/contents.db).
    static QString DefaultFile();
    // The key of the file that `status` describes; `fileSystem` from fstatfs of a descriptor on it.
    static ContentsKey KeyOf(const struct stat& status, std::uint64_t fileSystem);
    // The identity of the file system that holds `path`, or of the open file `fd`; 0 when unknown.
    static std::uint64_t FileSystemOf(const std::string& path);
    static std::uint64_t FileSystemOf(int fd);

    // Opens the database, making it and its folder when missing. False when it cannot be used.
    bool Open();
    bool Usable() const;
    // Whether the database held no entry at all when it was opened (a first check).
    bool Empty() const { return m_empty; }
    // What went wrong first, in the database's own words; empty when nothing did.
    QString Problem() const;

    // Reads every entry into memory at once when the check is about to ask for most of them (at
    // least `lookUps` look-ups and no more than four entries a look-up): one pass over the table
    // instead of one search of it a file. Find then answers from memory. False when it did not.
    bool Preload(std::size_t lookUps);
    static constexpr std::size_t kPreloadFewest = 256; // below this many, searching the table costs less
    // The facts kept for `key`; false when there are none (or the cache is off).
    bool Find(const ContentsKey& key, ContentsFacts& facts);
    // Keeps `facts` for `key` at the next Commit, unless the file changed too close to the moment
    // the cache was opened. A positive `partition` is one the cache gave out; a negative one is a new
    // partition of this check (-1, -2, ...), which Commit numbers anew, never as an earlier one.
    void Learn(const ContentsKey& key, const ContentsFacts& facts);
    // Writes what was learnt and when entries were seen in one transaction, then drops old entries
    // and keeps the size cap. False on a fault.
    bool Commit();
    // Closes the database; a corrupt one is moved aside ("FILE.corrupt").
    void Close();

private:
    struct Learnt
    {
        ContentsKey key;
        ContentsFacts facts;
    };
    // An entry as stored, read by Preload.
    struct Stored
    {
        ContentsKey key;
        ContentsFacts facts;
        std::int64_t seen = 0;
        std::int64_t sum = 0;
    };
    struct Place // file system, device and inode: where an entry belongs
    {
        std::uint64_t fileSystem, device, inode;
        bool operator==(const Place&) const = default;
    };
    struct PlaceHash
    {
        std::size_t operator()(const Place& place) const;
    };
    bool Answer(const ContentsKey& key, const Stored& stored, ContentsFacts& facts,
                std::unique_lock<std::mutex>& hold);
    bool Fail(int code, const char* what);
    bool Exec(const char* sql);
    bool Prepare(sqlite3_stmt*& statement, const char* sql);
    bool MakeTables();
    bool ConfigMatches(bool& matches);
    bool Trim(std::int64_t now);
    void Finalize();

    Options m_options;
    mutable std::mutex m_lock;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_find = nullptr;
    std::atomic<bool> m_usable{false};
    bool m_corrupt = false;
    bool m_empty = false;
    QString m_problem;
    std::int64_t m_openedNs = 0;
    std::vector<Learnt> m_learnt;
    std::vector<ContentsKey> m_seen; // found entries whose last sighting is old
    std::atomic<bool> m_preloaded{false};
    std::unordered_map<Place, Stored, PlaceHash> m_stored; // every entry, after Preload
};
