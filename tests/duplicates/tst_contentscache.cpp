// The contents cache: what it keeps and for how long, checks that read nothing again, and databases
// that cannot be used.
#include "DuplicatesTestUtil.h"
#include "duplicates/scan/ContentsCache.h"
#include "duplicates/scan/ContentsCheck.h"
#include "engine/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <ctime>
#include <memory>
#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A file of the contents check, as the scan would have left it: one size group per size.
ContentsFile Candidate(const QString& path)
{
    ContentsFile file;
    const std::string native = QFile::encodeName(path).toStdString();
    const size_t slash = native.rfind('/');
    file.folder = native.substr(0, slash + 1);
    file.name = native.substr(slash + 1);
    struct stat st
    {
    };
    file.opened = ::stat(native.c_str(), &st) == 0;
    file.size = std::uint64_t(st.st_size);
    file.device = st.st_dev;
    file.inode = st.st_ino;
    file.modified = st.st_mtim.tv_sec;
    file.modifiedNanoseconds = std::int32_t(st.st_mtim.tv_nsec);
    file.sizeGroup = (long long)file.size;
    return file;
}

// One check's outcome: each file's group ("u" unreadable, "hN" a hard link of file N).
struct Checked
{
    QStringList groups;
    std::uint64_t bytesRead = 0;
    QString problem;
};

// Each case twice: the cache searched a file at a time, and read whole into memory first.
void AsSearchedAndPreloaded()
{
    QTest::addColumn<bool>("preload");
    QTest::newRow("searched") << false;
    QTest::newRow("preloaded") << true;
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

    QString m_noMounts; // why mounts cannot be made here; empty when they can
    std::unique_ptr<QTemporaryDir> m_tree;
    std::vector<ContentsFile> m_files;

    // 9000 bytes: a1 a2 a3 alike (h1 a hard link of a1), b1 unlike them in its middle, e1 in its last
    // block; 300 bytes: s1 s2 alike, s3 not; 256 KiB and more: l1 l2 alike.
    void MakeFiles()
    {
        QByteArray base(9000, 'a');
        for (int i = 0; i < base.size(); ++i)
            base[i] = char('a' + i % 23);
        QByteArray middle = base, last = base;
        middle[4500] = '#';
        last[8999] = '#';
        const QByteArray large(qsizetype(ContentsCheck::kChunk + 5000), 'L');
        m_tree = std::make_unique<QTemporaryDir>();
        const QString d = m_tree->path() + QLatin1Char('/');
        for (const auto& [name, bytes] : {std::pair{"a1", base},
                                          {"b1", middle},
                                          {"a2", base},
                                          {"e1", last},
                                          {"s1", QByteArray(300, 's')},
                                          {"a3", base},
                                          {"s2", QByteArray(300, 's')},
                                          {"s3", QByteArray(299, 's') + 't'},
                                          {"l1", large},
                                          {"l2", large}})
            WriteFile(d + QLatin1String(name), bytes);
        QCOMPARE(::link(QFile::encodeName(d + QStringLiteral("a1")).constData(),
                        QFile::encodeName(d + QStringLiteral("h1")).constData()),
                 0);
        m_files.clear();
        for (const char* name : {"a1", "b1", "a2", "e1", "s1", "h1", "a3", "s2", "s3", "l1", "l2"})
            m_files.push_back(Candidate(d + QLatin1String(name)));
    }
    // A check of the files with the cache in `folder`, as if `later` after the files were written.
    Checked Check(const QString& folder, std::int64_t later = 5 * kSecond)
    {
        const std::atomic<bool> go{false};
        ContentsCheck check(m_files, go);
        ContentsCache::Options options;
        options.file = folder + QStringLiteral("/contents.db");
        options.clock = [later] { return Now() + later; };
        check.UseCache(options);
        Checked out;
        if (!check.Run())
            return out;
        for (const ContentsOutcome& outcome : check.Outcomes())
            out.groups << (outcome.unreadable        ? QStringLiteral("u")
                           : outcome.hardLinkOf >= 0 ? QStringLiteral("h%1").arg(outcome.hardLinkOf)
                                                     : QString::number(outcome.group));
        out.bytesRead = check.BytesRead();
        // Files known and not read count as settled too: the progress ends full.
        if (check.Progress() != check.BytesToRead())
            out.groups << QStringLiteral("progress %1 of %2").arg(check.Progress()).arg(check.BytesToRead());
        out.problem = check.CacheProblem();
        return out;
    }
    // Writes file `file` again, and scans it again.
    void Rewrite(size_t file, const QByteArray& bytes)
    {
        WriteFile(PathOf(file), bytes);
        m_files[file] = Candidate(PathOf(file));
    }
    QString PathOf(size_t file) const
    {
        return QFile::decodeName((m_files[file].folder + m_files[file].name).c_str());
    }
    static QStringList Expected()
    {
        return QString::fromLatin1("1 0 1 0 2 h0 1 2 0 3 3").split(QLatin1Char(' '));
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            m_noMounts = QStringLiteral("mounts need root");
        else if (::unshare(CLONE_NEWNS) != 0 ||
                 ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            m_noMounts =
                QStringLiteral("no private mount namespace: %1").arg(QString::fromLocal8Bit(strerror(errno)));
    }
    void init() { m_clock = Now(); }

    void repeatedCheckReadsNothing()
    {
        MakeFiles();
        QTemporaryDir cache;
        const Checked first = Check(cache.path());
        QCOMPARE(first.groups, Expected());
        QVERIFY(first.bytesRead > 0);
        QCOMPARE(first.problem, QString());
        const Checked second = Check(cache.path());
        QCOMPARE(second.groups, Expected());
        QCOMPARE(second.bytesRead, std::uint64_t(0));

        // a2 written again, the same bytes: read again with one file of each class it may join.
        QFile a1(PathOf(0));
        QVERIFY(a1.open(QIODevice::ReadOnly));
        const QByteArray bytes = a1.readAll();
        Rewrite(2, bytes);
        const Checked touched = Check(cache.path());
        QCOMPARE(touched.groups, Expected());
        QVERIFY(touched.bytesRead > 0);
        // Both ends of a2, then a2, a1 and b1 side by side (a3 follows a1).
        QCOMPARE(touched.bytesRead, std::uint64_t(2 * 4096 + 3 * 9000));
        QCOMPARE(Check(cache.path()).bytesRead, std::uint64_t(0));

        // Changed within two seconds of the check: never kept, so read every time.
        Rewrite(6, bytes);
        const Checked racy = Check(cache.path(), 0);
        QCOMPARE(racy.groups, Expected());
        QVERIFY(racy.bytesRead > 0);
        QCOMPARE(Check(cache.path(), 0).bytesRead, racy.bytesRead);
    }

    void faultyDatabases_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("problem");
        QTest::newRow("corrupt") << QStringLiteral("corrupt") << QStringLiteral("file is not a database");
        QTest::newRow("locked") << QStringLiteral("locked") << QStringLiteral("database is locked");
        QTest::newRow("read-only") << QStringLiteral("read-only")
                                   << QStringLiteral("attempt to write a readonly database");
        QTest::newRow("full disk") << QStringLiteral("full") << QStringLiteral("database or disk is full");
    }
    void faultyDatabases()
    {
        QFETCH(QString, fault);
        QFETCH(QString, problem);
        if (fault == QLatin1String("read-only") || fault == QLatin1String("full"))
            if (!m_noMounts.isEmpty())
                QSKIP(qPrintable(m_noMounts));
        MakeFiles();
        QTemporaryDir cache;
        const QString db = cache.path() + QStringLiteral("/contents.db");
        const QByteArray folder = QFile::encodeName(cache.path());
        sqlite3* other = nullptr;
        if (fault == QLatin1String("corrupt")) {
            WriteFile(db, QByteArray(8192, 'x'));
        } else if (fault == QLatin1String("locked")) {
            QCOMPARE(Check(cache.path()).problem, QString());
            QCOMPARE(sqlite3_open(db.toUtf8().constData(), &other), SQLITE_OK);
            QCOMPARE(sqlite3_exec(other,
                                  "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; DELETE FROM files",
                                  nullptr, nullptr, nullptr),
                     SQLITE_OK);
        } else if (fault == QLatin1String("read-only")) {
            QCOMPARE(Check(cache.path()).problem, QString());
            // a2 written again with the same bytes: there is something new to keep.
            QFile a1(PathOf(0));
            QVERIFY(a1.open(QIODevice::ReadOnly));
            Rewrite(2, a1.readAll());
            QVERIFY(::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) == 0);
            QVERIFY(::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                            nullptr) == 0);
        } else {
            // A small file system, filled up once the cache is there; then a2 has something new.
            QVERIFY(::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=256k") == 0);
            QCOMPARE(Check(cache.path()).problem, QString());
            QFile filler(cache.path() + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(4096, 'f')) > 0 && filler.flush()) {
            }
            QFile a1(PathOf(0));
            QVERIFY(a1.open(QIODevice::ReadOnly));
            Rewrite(2, a1.readAll());
        }
        const Checked checked = Check(cache.path());
        if (other)
            sqlite3_close(other);
        if (fault == QLatin1String("read-only") || fault == QLatin1String("full"))
            ::umount2(folder.constData(), MNT_DETACH);
        // Right groups all the same, and one sentence why.
        QCOMPARE(checked.groups, Expected());
        QCOMPARE(checked.problem, problem);
        if (fault == QLatin1String("corrupt")) {
            // Moved aside, never repaired: the next check starts afresh and keeps what it learns.
            QVERIFY(QFileInfo::exists(db + QStringLiteral(".corrupt")));
            QCOMPARE(Check(cache.path()).problem, QString());
            QCOMPARE(Check(cache.path()).bytesRead, std::uint64_t(0));
        }
    }

    void theWindowSaysWhyOnceAndTheSettingTurnsItOff()
    {
        MakeFiles();
        QStringList paths;
        for (size_t i = 0; i < m_files.size(); ++i)
            paths << PathOf(i);
        const QString db = ContentsCache::DefaultFile();
        QCOMPARE(db, m_home.Path() + QStringLiteral("/cache/tresmolo/contents.db"));
        const auto verify = [&paths]() -> QString {
            CDlgDuplicateResults window;
            window.m_pSourcePaths = &paths;
            if (!DuplicatesTest::OpenAndScan(window))
                return QStringLiteral("no scan");
            QSignalSpy checked(&window, &CDlgDuplicateResults::contentsChecked);
            window.VerifyButton().click();
            if (checked.isEmpty() && !checked.wait(60000))
                return QStringLiteral("no check");
            return window.SummaryText() + QLatin1Char('|') + window.CacheNote();
        };
        const QString summary = QStringLiteral("3 group(s), 7 file(s), 278.75 KiB in duplicates|");
        WriteFile(db, QByteArray(8192, 'x'));
        QCOMPARE(verify(),
                 summary + QStringLiteral("The contents cache could not be used: file is not a database"));
        QCOMPARE(verify(), summary); // moved aside, and a new one made
        QVERIFY(QFileInfo::exists(db));

        const QString section = QString::fromLatin1(Settings::kDuplicatesSection);
        const QString key = Settings::Name(Settings::DuplicatesKey::UseContentsCache);
        QVERIFY(platform::WriteProfileInt(section, key, 0));
        QDir(QFileInfo(db).path()).removeRecursively();
        QCOMPARE(verify(), summary);
        QVERIFY(!QFileInfo::exists(db));
        m_home.ClearSettings();
    }

    void keepsFactsPerKeyAndSetting_data() { AsSearchedAndPreloaded(); }
    void keepsFactsPerKeyAndSetting()
    {
        QFETCH(bool, preload);
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
            if (preload)
                QVERIFY(cache.Preload(ContentsCache::kPreloadFewest));
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
            QVERIFY(facts.partition > 0 && facts.partition != partition);
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

    void damagedEntriesAreNeverTaken_data() { AsSearchedAndPreloaded(); }
    void damagedEntriesAreNeverTaken()
    {
        QFETCH(bool, preload);
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
            if (preload)
                QVERIFY(cache.Preload(ContentsCache::kPreloadFewest));
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

TRESMOLO_TEST_MAIN(QApplication, TestContentsCache)
#include "tst_contentscache.moc"
