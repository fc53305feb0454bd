#include "duplicates/scan/ContentsCache.h"

#include "duplicates/scan/ContentsRows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <map>
#include <random>
#include <sqlite3.h>
#include <sys/statfs.h>
#include <utility>
#include <xxhash.h>

using namespace ContentsRows;

namespace {

constexpr int kSchema = 2;
constexpr std::int64_t kSecondNs = 1'000'000'000;
constexpr std::int64_t kDayNs = 86400 * kSecondNs;

std::int64_t WallClockNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t(now.tv_sec) * kSecondNs + now.tv_nsec;
}

} // namespace

ContentsCache::ContentsCache(Options options) : m_options(std::move(options))
{
    if (!m_options.clock)
        m_options.clock = WallClockNs;
}

ContentsCache::~ContentsCache()
{
    Close();
}

QString ContentsCache::DefaultFile()
{
    const QString value = qEnvironmentVariable("XDG_CACHE_HOME");
    const QString base =
        value.startsWith(QLatin1Char('/')) ? value : QDir::homePath() + QStringLiteral("/.cache");
    return QDir::cleanPath(base + QStringLiteral("/tresmolo/contents.db"));
}

ContentsKey ContentsCache::KeyOf(const struct stat& status, std::uint64_t fileSystem)
{
    ContentsKey key;
    key.fileSystem = fileSystem;
    key.device = std::uint64_t(status.st_dev);
    key.inode = std::uint64_t(status.st_ino);
    key.size = std::uint64_t(status.st_size);
    key.modifiedNs = std::int64_t(status.st_mtim.tv_sec) * kSecondNs + status.st_mtim.tv_nsec;
    key.changedNs = std::int64_t(status.st_ctim.tv_sec) * kSecondNs + status.st_ctim.tv_nsec;
    return key;
}

namespace {

std::uint64_t FileSystemId(const struct statfs& info)
{
    std::uint32_t parts[2];
    static_assert(sizeof info.f_fsid == sizeof parts);
    std::memcpy(parts, &info.f_fsid, sizeof parts);
    return std::uint64_t(parts[0]) << 32 | parts[1];
}

} // namespace

std::uint64_t ContentsCache::FileSystemOf(const std::string& path)
{
    struct statfs info = {};
    return ::statfs(path.c_str(), &info) == 0 ? FileSystemId(info) : 0;
}

std::uint64_t ContentsCache::FileSystemOf(int fd)
{
    struct statfs info = {};
    return ::fstatfs(fd, &info) == 0 ? FileSystemId(info) : 0;
}

bool ContentsCache::Fail(int code, const char* what)
{
    const int primary = code & 0xff;
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        m_corrupt = true;
    if (m_problem.isEmpty()) {
        const char* message =
            m_db && sqlite3_errcode(m_db) == code ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
        m_problem = QString::fromUtf8(message ? message : what);
        // The system's own reason where a read or write failed (a full disk, ...).
        const int error = m_db ? sqlite3_system_errno(m_db) : 0;
        if (error != 0 && (primary == SQLITE_IOERR || primary == SQLITE_FULL))
            m_problem += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
    m_usable = false;
    return false;
}

bool ContentsCache::Exec(const char* sql)
{
    const int code = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    return code == SQLITE_OK || Fail(code, sql);
}

bool ContentsCache::Prepare(sqlite3_stmt*& statement, const char* sql)
{
    const int code = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    return code == SQLITE_OK || Fail(code, sql);
}

bool ContentsCache::ConfigMatches(bool& matches)
{
    matches = false;
    Statement tables;
    if (!Prepare(tables.handle, "SELECT count(*) FROM sqlite_schema WHERE name IN ('config', 'files')"))
        return false;
    int code = sqlite3_step(tables.handle);
    if (code != SQLITE_ROW)
        return Fail(code, "tables");
    if (sqlite3_column_int(tables.handle, 0) != 2)
        return true;
    Statement config;
    if (!Prepare(config.handle, "SELECT name, value FROM config"))
        return false;
    int found = 0;
    const QByteArray hashName = m_options.hashName.toUtf8();
    while ((code = sqlite3_step(config.handle)) == SQLITE_ROW) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(config.handle, 0));
        const std::string_view key = name ? name : "";
        if (key == "schema" && sqlite3_column_int64(config.handle, 1) == kSchema)
            ++found;
        else if (key == "block" && sqlite3_column_int64(config.handle, 1) == Signed(m_options.block))
            ++found;
        else if (key == "hash" && sqlite3_column_type(config.handle, 1) == SQLITE_TEXT &&
                 hashName == reinterpret_cast<const char*>(sqlite3_column_text(config.handle, 1)))
            ++found;
    }
    if (code != SQLITE_DONE)
        return Fail(code, "config");
    matches = found == 3;
    return true;
}

bool ContentsCache::MakeTables()
{
    // The config rows go in last: a cache without them is one that was never finished.
    if (!Exec("BEGIN IMMEDIATE"))
        return false;
    Statement insert;
    const bool made =
        Exec("DROP TABLE IF EXISTS config; DROP TABLE IF EXISTS files;"
             "CREATE TABLE files(fs INTEGER NOT NULL, dev INTEGER NOT NULL, ino INTEGER NOT NULL,"
             " size INTEGER NOT NULL, mtime INTEGER NOT NULL, ctime INTEGER NOT NULL, ends BLOB, whole BLOB,"
             " part INTEGER NOT NULL, class INTEGER NOT NULL, seen INTEGER NOT NULL, sum INTEGER NOT NULL,"
             " PRIMARY KEY(fs, dev, ino)) WITHOUT ROWID;"
             "CREATE TABLE config(name TEXT PRIMARY KEY, value) WITHOUT ROWID;") &&
        Prepare(insert.handle, "INSERT INTO config VALUES ('trimmed', 0), ('block', ?1), "
                               "('hash', ?2), ('schema', ?3)");
    if (made) {
        const QByteArray hashName = m_options.hashName.toUtf8();
        sqlite3_bind_int64(insert.handle, 1, Signed(m_options.block));
        sqlite3_bind_text(insert.handle, 2, hashName.constData(), int(hashName.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert.handle, 3, kSchema);
        const int code = sqlite3_step(insert.handle);
        if (code == SQLITE_DONE && Exec("COMMIT"))
            return true;
        if (code != SQLITE_DONE)
            Fail(code, "config");
    }
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

bool ContentsCache::Open()
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_db)
        return m_usable;
    m_openedNs = m_options.clock();
    const QString folder = QFileInfo(m_options.file).absolutePath();
    if (!QDir().mkpath(folder)) {
        m_problem = QCoreApplication::translate("ContentsCache", "cannot make the folder %1").arg(folder);
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = QFile::encodeName(m_options.file);
    int code = sqlite3_open_v2(path.constData(), &m_db,
                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK)
        return Fail(code, "open");
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, m_options.busyMs);
    // The write-ahead log is folded into the database by later writes, not at every close: that
    // would wait for the disk at the end of each check.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    m_usable = true;
    // A new database gives freed pages back to the file system when asked (Trim); the cache can
    // always be rebuilt, so a write is not waited for on the disk.
    bool matches = false;
    if (!Exec("PRAGMA auto_vacuum = INCREMENTAL") || !Exec("PRAGMA journal_mode = WAL") ||
        !Exec("PRAGMA synchronous = NORMAL") || !Exec("PRAGMA journal_size_limit = 4194304") ||
        !ConfigMatches(matches) || (!matches && !MakeTables()))
        return false;
    // The look-ups share one read transaction (one snapshot, no lock per look-up) until Commit.
    Statement any;
    if (!Prepare(m_find, "SELECT size, mtime, ctime, ends, whole, part, class, seen, sum FROM files "
                         "WHERE fs = ?1 AND dev = ?2 AND ino = ?3") ||
        !Exec("BEGIN") || !Prepare(any.handle, "SELECT EXISTS (SELECT 1 FROM files)"))
        return false;
    code = sqlite3_step(any.handle);
    if (code != SQLITE_ROW)
        return Fail(code, "any");
    m_empty = sqlite3_column_int(any.handle, 0) == 0;
    return true;
}

bool ContentsCache::Usable() const
{
    return m_usable;
}

QString ContentsCache::Problem() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_problem;
}

std::size_t ContentsCache::PlaceHash::operator()(const Place& place) const
{
    return std::size_t(XXH3_64bits(&place, sizeof place));
}

bool ContentsCache::Preload(std::size_t lookUps)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_usable || m_preloaded || m_empty || lookUps < kPreloadFewest)
        return false;
    Statement count, all;
    if (!Prepare(count.handle, "SELECT count(*) FROM files"))
        return false;
    int code = sqlite3_step(count.handle);
    if (code != SQLITE_ROW)
        return Fail(code, "count");
    const auto entries = std::uint64_t(sqlite3_column_int64(count.handle, 0));
    if (entries > 4 * std::uint64_t(lookUps))
        return false;
    if (!Prepare(all.handle, "SELECT fs, dev, ino, size, mtime, ctime, ends, whole, part, class, seen, sum "
                             "FROM files"))
        return false;
    m_stored.reserve(std::size_t(entries));
    while ((code = sqlite3_step(all.handle)) == SQLITE_ROW) {
        Stored stored;
        stored.key.fileSystem = std::uint64_t(sqlite3_column_int64(all.handle, 0));
        stored.key.device = std::uint64_t(sqlite3_column_int64(all.handle, 1));
        stored.key.inode = std::uint64_t(sqlite3_column_int64(all.handle, 2));
        stored.key.size = std::uint64_t(sqlite3_column_int64(all.handle, 3));
        stored.key.modifiedNs = sqlite3_column_int64(all.handle, 4);
        stored.key.changedNs = sqlite3_column_int64(all.handle, 5);
        stored.facts.hasEnds = ColumnHash(all.handle, 6, stored.facts.ends);
        stored.facts.hasWhole = ColumnHash(all.handle, 7, stored.facts.whole);
        stored.facts.partition = sqlite3_column_int64(all.handle, 8);
        stored.facts.contentsClass = sqlite3_column_int(all.handle, 9);
        stored.seen = sqlite3_column_int64(all.handle, 10);
        stored.sum = sqlite3_column_int64(all.handle, 11);
        m_stored.insert_or_assign({stored.key.fileSystem, stored.key.device, stored.key.inode}, stored);
    }
    if (code != SQLITE_DONE) {
        m_stored.clear();
        return Fail(code, "preload");
    }
    m_preloaded = true;
    return true;
}

bool ContentsCache::Answer(const ContentsKey& key, const Stored& stored, ContentsFacts& facts,
                           std::unique_lock<std::mutex>& hold)
{
    if (stored.key.size != key.size || stored.key.modifiedNs != key.modifiedNs ||
        stored.key.changedNs != key.changedNs)
        return false; // an older state of this file
    const bool damaged = stored.sum != SumOf(key, stored.facts);
    const bool old = m_openedNs - stored.seen > kDayNs;
    if ((damaged || old) && !hold.owns_lock())
        hold.lock();
    if (damaged)
        return Fail(SQLITE_CORRUPT, "sum");
    if (old)
        m_seen.push_back(key);
    facts = stored.facts;
    return true;
}

bool ContentsCache::Find(const ContentsKey& key, ContentsFacts& facts)
{
    std::unique_lock<std::mutex> hold(m_lock, std::defer_lock);
    if (m_preloaded) {
        // The entries in memory change only at Commit and Close, after the check's last look, so
        // the checking threads read them side by side; only a fault or an old sighting locks.
        const auto it = m_stored.find({key.fileSystem, key.device, key.inode});
        return m_usable && it != m_stored.end() && Answer(key, it->second, facts, hold);
    }
    hold.lock();
    if (!m_usable)
        return false;
    sqlite3_reset(m_find);
    BindKey(m_find, key);
    const int code = sqlite3_step(m_find);
    if (code == SQLITE_DONE)
        return false;
    if (code != SQLITE_ROW)
        return Fail(code, "find");
    Stored stored;
    stored.key = key;
    stored.key.size = std::uint64_t(sqlite3_column_int64(m_find, 0));
    stored.key.modifiedNs = sqlite3_column_int64(m_find, 1);
    stored.key.changedNs = sqlite3_column_int64(m_find, 2);
    stored.facts.hasEnds = ColumnHash(m_find, 3, stored.facts.ends);
    stored.facts.hasWhole = ColumnHash(m_find, 4, stored.facts.whole);
    stored.facts.partition = sqlite3_column_int64(m_find, 5);
    stored.facts.contentsClass = sqlite3_column_int(m_find, 6);
    stored.seen = sqlite3_column_int64(m_find, 7);
    stored.sum = sqlite3_column_int64(m_find, 8);
    sqlite3_reset(m_find);
    return Answer(key, stored, facts, hold);
}

void ContentsCache::Learn(const ContentsKey& key, const ContentsFacts& facts)
{
    // A change this recent could be followed by another within the time stamps' granularity.
    if (key.changedNs > m_openedNs - kRacyNs || key.modifiedNs > m_openedNs - kRacyNs)
        return;
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_usable)
        m_learnt.push_back({key, facts});
}

bool ContentsCache::Commit()
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_usable)
        return false;
    sqlite3_reset(m_find);
    // The read transaction ends here, and with it the snapshot the entries in memory came from.
    m_preloaded = false;
    m_stored = {};
    if (!Exec("COMMIT"))
        return false;
    if (m_learnt.empty() && m_seen.empty())
        return true;
    if (!Exec("BEGIN IMMEDIATE"))
        return false;
    const auto rollBack = [this] {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        m_learnt.clear();
        m_seen.clear();
        return false;
    };
    Statement insert, seen;
    if (!Prepare(insert.handle,
                 "INSERT OR REPLACE INTO files VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)") ||
        !Prepare(seen.handle, "UPDATE files SET seen = ?4 WHERE fs = ?1 AND dev = ?2 AND ino = ?3"))
        return rollBack();
    // The check's partitions -1, -2, ... get numbers drawn at random from 63 bits: no count to keep
    // (which a lost write could set back), and no two partitions share one in practice.
    std::map<std::int64_t, std::int64_t> numbers;
    std::random_device random;
    int code = SQLITE_OK;
    for (const Learnt& entry : m_learnt) {
        ContentsFacts facts = entry.facts;
        if (facts.partition < 0) {
            auto [it, added] = numbers.try_emplace(facts.partition, 0);
            while (added && it->second == 0)
                it->second = std::int64_t((std::uint64_t(random()) << 31 ^ std::uint64_t(random())) &
                                          0x7fffffffffffffffULL);
            facts.partition = it->second;
        }
        sqlite3_reset(insert.handle);
        BindKey(insert.handle, entry.key);
        sqlite3_bind_int64(insert.handle, 4, Signed(entry.key.size));
        sqlite3_bind_int64(insert.handle, 5, entry.key.modifiedNs);
        sqlite3_bind_int64(insert.handle, 6, entry.key.changedNs);
        BindHash(insert.handle, 7, facts.hasEnds, facts.ends);
        BindHash(insert.handle, 8, facts.hasWhole, facts.whole);
        sqlite3_bind_int64(insert.handle, 9, facts.partition);
        sqlite3_bind_int(insert.handle, 10, facts.contentsClass);
        sqlite3_bind_int64(insert.handle, 11, m_openedNs);
        sqlite3_bind_int64(insert.handle, 12, SumOf(entry.key, facts));
        if ((code = sqlite3_step(insert.handle)) != SQLITE_DONE) {
            Fail(code, "insert");
            return rollBack();
        }
    }
    for (const ContentsKey& key : m_seen) {
        sqlite3_reset(seen.handle);
        BindKey(seen.handle, key);
        sqlite3_bind_int64(seen.handle, 4, m_openedNs);
        if ((code = sqlite3_step(seen.handle)) != SQLITE_DONE) {
            Fail(code, "seen");
            return rollBack();
        }
    }
    if (!Trim(m_openedNs) || !Exec("COMMIT"))
        return rollBack();
    m_learnt.clear();
    m_seen.clear();
    // Pages freed by the deletions go back to the file system.
    return Exec("PRAGMA incremental_vacuum");
}

bool ContentsCache::Trim(std::int64_t now)
{
    Statement trimmed, old, mark, pages, rows, oldest;
    if (!Prepare(trimmed.handle, "SELECT value FROM config WHERE name = 'trimmed'") ||
        !Prepare(old.handle, "DELETE FROM files WHERE seen < ?1") ||
        !Prepare(mark.handle, "UPDATE config SET value = ?1 WHERE name = 'trimmed'") ||
        !Prepare(pages.handle, "SELECT (SELECT page_count FROM pragma_page_count()) - "
                               "(SELECT freelist_count FROM pragma_freelist_count()), "
                               "(SELECT page_size FROM pragma_page_size())") ||
        !Prepare(rows.handle, "SELECT count(*) FROM files") ||
        !Prepare(oldest.handle, "DELETE FROM files WHERE (fs, dev, ino) IN "
                                "(SELECT fs, dev, ino FROM files ORDER BY seen LIMIT ?1)"))
        return false;
    // Entries not seen for keepDays go, looked for once a day.
    int code = sqlite3_step(trimmed.handle);
    if (code != SQLITE_ROW)
        return Fail(code, "trimmed");
    if (now - sqlite3_column_int64(trimmed.handle, 0) > kDayNs) {
        sqlite3_bind_int64(old.handle, 1, now - std::int64_t(m_options.keepDays) * kDayNs);
        sqlite3_bind_int64(mark.handle, 1, now);
        if ((code = sqlite3_step(old.handle)) != SQLITE_DONE ||
            (code = sqlite3_step(mark.handle)) != SQLITE_DONE)
            return Fail(code, "expire");
    }
    // Over the cap: the least recently seen entries go, a share a little above the excess.
    for (int round = 0; round < 8; ++round) {
        sqlite3_reset(pages.handle);
        if ((code = sqlite3_step(pages.handle)) != SQLITE_ROW)
            return Fail(code, "size");
        const double used =
            double(sqlite3_column_int64(pages.handle, 0)) * double(sqlite3_column_int64(pages.handle, 1));
        if (used <= double(m_options.maxBytes))
            return true;
        sqlite3_reset(rows.handle);
        if ((code = sqlite3_step(rows.handle)) != SQLITE_ROW)
            return Fail(code, "rows");
        const std::int64_t count = sqlite3_column_int64(rows.handle, 0);
        if (count == 0)
            return true;
        const double share = std::min(1.0, 1.0 - double(m_options.maxBytes) / used + 0.1);
        sqlite3_reset(oldest.handle);
        sqlite3_bind_int64(oldest.handle, 1, std::max<std::int64_t>(1, std::int64_t(double(count) * share)));
        if ((code = sqlite3_step(oldest.handle)) != SQLITE_DONE)
            return Fail(code, "cap");
    }
    return true;
}

void ContentsCache::Finalize()
{
    sqlite3_finalize(m_find);
    m_find = nullptr;
}

void ContentsCache::Close()
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_db)
        return;
    Finalize();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_usable = false;
    m_preloaded = false;
    m_stored = {};
    if (m_corrupt) {
        // Never repaired: moved aside (with any journal SQLite left), so the next check starts afresh.
        for (const char* suffix : {"", "-wal", "-shm"}) {
            const QByteArray from = QFile::encodeName(m_options.file + QLatin1String(suffix));
            const QByteArray to =
                QFile::encodeName(m_options.file + QStringLiteral(".corrupt") + QLatin1String(suffix));
            if (::rename(from.constData(), to.constData()) != 0 && errno != ENOENT && *suffix == '\0')
                break;
        }
        m_corrupt = false;
    }
}
