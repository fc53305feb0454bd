// The contents cache: what it keeps and for how long, and databases that cannot be used.
#include "duplicates/scan/ContentsCache.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <ctime>
#include <sqlite3.h>

namespace {

constexpr std::int64_t kSecond = 1'000'000'000;
constexpr std::int64_t kDay = 86400 * kSecond;

std::int64_t Now()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t(now.tv_sec) * kSecond + now.tv_nsec;
}

// A key of a file last changed an hour before `at`.
ContentsKey KeyAt(std::uint64_t inode, std::int64_t at)
{
    ContentsKey key;
    key.fileSystem = 7;
    key.device = 2049;
    key.inode = inode;
    key.size = 1000 + inode;
    key.modifiedNs = at - 3600 * kSecond;
    key.changedNs = key.modifiedNs + 5;
    return key;
}

ContentsFacts FactsOf(std::uint64_t inode)
{
    ContentsFacts facts;
    facts.hasEnds = true;
    facts.ends = {inode * 3, inode * 5};
    facts.partition = -1;
    facts.contentsClass = int(inode % 4);
    return facts;
}

} // namespace

class TestContentsCache : public QObject
{
    Q_OBJECT
public:
    explicit TestContentsCache(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    std::int64_t m_clock = 0; // what the caches made by Options() take for now

    ContentsCache::Options Options(const QString& file, std::uint64_t block = 4096)
    {
        ContentsCache::Options options;
        options.file = file;
        options.hashName = QStringLiteral("XXH3-128");
        options.block = block;
        options.clock = [this] { return m_clock; };
        return options;
    }

private slots:
    void init() { m_clock = Now(); }

    void keepsFactsPerKeyAndSetting()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/sub/contents.db");
        {
            ContentsCache cache(Options(file));
            QVERIFY(cache.Open());
            for (std::uint64_t inode = 1; inode <= 3; ++inode)
                cache.Learn(KeyAt(inode, m_clock), FactsOf(inode));
            // Changed within two seconds of this check: kept by nobody.
            ContentsKey racy = KeyAt(4, m_clock);
            racy.changedNs = m_clock - ContentsCache::kRacyNs + kSecond;
            cache.Learn(racy, FactsOf(4));
            QVERIFY(cache.Commit());
            QVERIFY(cache.Problem().isEmpty());
        }
        QCOMPARE(QFileInfo(dir.path() + QStringLiteral("/sub")).permissions() & QFile::ReadOther, 0);
        std::int64_t partition = 0;
        {
            ContentsCache cache(Options(file));
            QVERIFY(cache.Open());
            ContentsFacts facts;
            QVERIFY(cache.Find(KeyAt(2, m_clock), facts));
            QCOMPARE(facts.ends, FactsOf(2).ends);
            QVERIFY(!facts.hasWhole);
            QCOMPARE(facts.contentsClass, 2);
            QVERIFY(facts.partition > 0);
            partition = facts.partition;
            ContentsKey racy = KeyAt(4, m_clock);
            racy.changedNs = m_clock - ContentsCache::kRacyNs + kSecond;
            QVERIFY(!cache.Find(racy, facts));
            // Any part of the key changed: another state of the file.
            for (auto change :
                 {+[](ContentsKey& k) { ++k.size; }, +[](ContentsKey& k) { ++k.modifiedNs; },
                  +[](ContentsKey& k) { ++k.changedNs; }, +[](ContentsKey& k) { ++k.fileSystem; }}) {
                ContentsKey key = KeyAt(2, m_clock);
                change(key);
                QVERIFY(!cache.Find(key, facts));
            }
            // A later check's partitions never reuse an earlier one's number.
            cache.Learn(KeyAt(1, m_clock), FactsOf(1));
            QVERIFY(cache.Commit());
            QVERIFY(cache.Find(KeyAt(1, m_clock), facts));
            QVERIFY(facts.partition > partition);
        }
        {
            // Another block size: the cache starts empty, and stays so for the first again.
            ContentsCache other(Options(file, 8192));
            QVERIFY(other.Open());
            ContentsFacts facts;
            QVERIFY(!other.Find(KeyAt(2, m_clock), facts));
        }
        ContentsCache again(Options(file));
        QVERIFY(again.Open());
        ContentsFacts facts;
        QVERIFY(!again.Find(KeyAt(2, m_clock), facts));
    }

    void dropsOldEntriesAndKeepsTheCap()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/contents.db");
        const std::int64_t start = m_clock;
        {
            ContentsCache cache(Options(file));
            QVERIFY(cache.Open());
            cache.Learn(KeyAt(1, start), FactsOf(1));
            cache.Learn(KeyAt(2, start), FactsOf(2));
            QVERIFY(cache.Commit());
        }
        {
            // Sixty days on, entry 2 is seen again.
            m_clock = start + 60 * kDay;
            ContentsCache cache(Options(file));
            QVERIFY(cache.Open());
            ContentsFacts facts;
            QVERIFY(cache.Find(KeyAt(2, start), facts));
            QVERIFY(cache.Commit());
        }
        {
            // Ninety-one days after the first check: entry 1 was not seen for that long.
            m_clock = start + 91 * kDay;
            ContentsCache cache(Options(file));
            QVERIFY(cache.Open());
            cache.Learn(KeyAt(3, m_clock), FactsOf(3));
            QVERIFY(cache.Commit());
            ContentsFacts facts;
            QVERIFY(!cache.Find(KeyAt(1, start), facts));
            QVERIFY(cache.Find(KeyAt(2, start), facts));
        }
        // A cap of 256 KiB: checks of 2000 files each, a day apart; the latest stay.
        for (int day = 0; day < 6; ++day) {
            m_clock = start + (92 + day) * kDay;
            ContentsCache::Options options = Options(file);
            options.maxBytes = 256 << 10;
            ContentsCache cache(options);
            QVERIFY(cache.Open());
            for (std::uint64_t i = 0; i < 2000; ++i)
                cache.Learn(KeyAt(100000 * std::uint64_t(day + 1) + i, m_clock), FactsOf(i));
            QVERIFY(cache.Commit());
            ContentsFacts facts;
            QVERIFY(cache.Find(KeyAt(100000 * std::uint64_t(day + 1) + 1999, m_clock), facts));
        }
        QVERIFY(QFileInfo(file).size() <= 256 << 10);
        ContentsCache cache(Options(file));
        QVERIFY(cache.Open());
        ContentsFacts facts;
        QVERIFY(!cache.Find(KeyAt(100001, start + 92 * kDay), facts));
    }

    void damagedEntriesAreNeverTaken()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/contents.db");
        {
            ContentsCache cache(Options(file));
            QVERIFY(cache.Open());
            cache.Learn(KeyAt(1, m_clock), FactsOf(1));
            QVERIFY(cache.Commit());
        }
        // A row changed behind the cache's back, as a damaged page might read.
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, "UPDATE files SET class = class + 1", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
        {
            ContentsCache cache(Options(file));
            QVERIFY(cache.Open());
            ContentsFacts facts;
            QVERIFY(!cache.Find(KeyAt(1, m_clock), facts));
            QVERIFY(!cache.Usable());
            QCOMPARE(cache.Problem(), QStringLiteral("database disk image is malformed"));
        }
        // Moved aside; the next check starts afresh.
        QVERIFY(QFileInfo::exists(file + QStringLiteral(".corrupt")));
        ContentsCache cache(Options(file));
        QVERIFY(cache.Open());
        ContentsFacts facts;
        QVERIFY(!cache.Find(KeyAt(1, m_clock), facts));
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestContentsCache)
#include "tst_contentscache.moc"
