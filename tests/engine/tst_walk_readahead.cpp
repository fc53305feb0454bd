// Reading ahead changes nothing but speed: the same files in the same order, the same counts and
// the same stop, with helpers forced on and forced off; and nothing is left open afterwards.
#include "EngineTestUtil.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>

using Settings::Key;

namespace {

// Everything a walk shows of itself.
struct Outcome
{
    QStringList found;
    QList<int> counts; // the folder's count at each report
    int parsed = 0;
    int ignored = 0;
    bool operator==(const Outcome&) const = default;
};

Outcome WalkWith(CAppHelper::ReadAhead mode, const QString& folder, const QString& word = {},
                 const QString& stopAt = {})
{
    RecordingEngine engine;
    engine.SetReadAhead(mode);
    Outcome outcome;
    engine.onFound = [&](const CFileFind& find) {
        outcome.counts << engine.GetFolderFileCount(find.GetNativeFolder());
        if (!stopAt.isEmpty() && find.GetFileName() == stopAt)
            engine.m_run = false;
    };
    engine.Search(folder, word);
    outcome.found = engine.found;
    outcome.parsed = engine.m_foldersParsed;
    outcome.ignored = engine.m_foldersIgnored;
    return outcome;
}

int OpenDescriptors()
{
    int count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir))
            ++count;
        ::closedir(dir);
    }
    return count;
}

// A wide and deep tree with the shapes the rules care about: hidden and application-data folders,
// trash folders, links, names that are not UTF-8, read-only and hidden files.
void MakeMixedTree(const QString& root)
{
    QStringList paths;
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 6; ++b) {
            const QString folder = QStringLiteral("d%1/e%2/").arg(a).arg(b);
            for (int f = 0; f < 4; ++f)
                paths << folder + QStringLiteral("file%1.txt").arg(f);
            paths << folder + QStringLiteral(".hidden/h.txt") << folder + QStringLiteral("g/deep/x.doc")
                  << folder + QStringLiteral(".Trash-1000/files/t.txt")
                  << folder + QStringLiteral(".dot.txt");
        }
    paths << QStringLiteral("empty/") << QStringLiteral("stop.here");
    MakeTree(root, paths);
    const QByteArray native = QFile::encodeName(root);
    QVERIFY(::mkdir(QByteArray(native + "/d3/\xff\xfe").constData(), 0755) == 0);
    ::close(::open(QByteArray(native + "/d3/\xff\xfe/odd\xe9.txt").constData(), O_WRONLY | O_CREAT, 0444));
    QVERIFY(QFile::link(root + QStringLiteral("/d1"), root + QStringLiteral("/d2/linked")));
    QVERIFY(QFile::link(QStringLiteral("/nowhere"), root + QStringLiteral("/d4/dangling")));
    QFile::setPermissions(root + QStringLiteral("/d5/e1/file2.txt"), QFile::ReadOwner);
}

} // namespace

class TestWalkReadAhead : public QObject
{
    Q_OBJECT
public:
    explicit TestWalkReadAhead(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

    void Set(Key key, int value) { CSettingsSection().WriteInt(Settings::Name(key), value); }

    void CompareModes(const QString& folder, const QString& word = {}, const QString& stopAt = {})
    {
        const Outcome inLine = WalkWith(CAppHelper::ReadAhead::Never, folder, word, stopAt);
        for (int round = 0; round < 3; ++round) {
            const Outcome ahead = WalkWith(CAppHelper::ReadAhead::Always, folder, word, stopAt);
            QCOMPARE(ahead.found, inLine.found);
            QCOMPARE(ahead.counts, inLine.counts);
            QCOMPARE(ahead.parsed, inLine.parsed);
            QCOMPARE(ahead.ignored, inLine.ignored);
        }
        const Outcome automatic = WalkWith(CAppHelper::ReadAhead::WhenSlow, folder, word, stopAt);
        QVERIFY(automatic == inLine);
    }

private slots:
    void init() { m_home.ClearSettings(); }

    void sameResultsOnAMixedTree()
    {
        QTemporaryDir dir;
        MakeMixedTree(dir.path());
        const int before = OpenDescriptors();
        Set(Key::ViewFilesCount, 1);
        CompareModes(dir.path());
        CompareModes(dir.path(), QStringLiteral("TXT"));
        const Outcome all = WalkWith(CAppHelper::ReadAhead::Always, dir.path());
        QVERIFY(all.found.size() > 12 * 6 * 5);
        QVERIFY(all.ignored >= 12 * 6); // the hidden folders
        Set(Key::IgnoreHiddenFolders, 0);
        Set(Key::IgnoreRecycleBinFolder, 1);
        Set(Key::IgnoreReadOnlyFiles, 1);
        CompareModes(dir.path());
        Set(Key::SearchSubFolders, 0);
        CompareModes(dir.path());
        // Nothing read ahead outlives the walk.
        QCOMPARE(OpenDescriptors(), before);
    }

    void sameStop()
    {
        QTemporaryDir dir;
        MakeMixedTree(dir.path());
        // Stopped at a file of the start folder, and at one deep inside: the rest of each open folder
        // is still reported, no further folder is entered.
        CompareModes(dir.path(), {}, QStringLiteral("stop.here"));
        CompareModes(dir.path(), {}, QStringLiteral("x.doc"));
        const Outcome stopped =
            WalkWith(CAppHelper::ReadAhead::Always, dir.path(), {}, QStringLiteral("x.doc"));
        const Outcome whole = WalkWith(CAppHelper::ReadAhead::Always, dir.path());
        QVERIFY(stopped.parsed < whole.parsed);
    }

    void fewDescriptorsLeaveTheWalkItsOwn()
    {
        // A wide tree under a low descriptor limit: what is read ahead must never take the
        // descriptors the walk needs for itself, or folders would go unlisted.
        QTemporaryDir dir;
        QStringList paths;
        for (int a = 0; a < 12; ++a)
            for (int b = 0; b < 10; ++b)
                for (int c = 0; c < 10; ++c)
                    paths << QStringLiteral("w%1/v%2/u%3/f.txt").arg(a).arg(b).arg(c);
        MakeTree(dir.path(), paths);
        const Outcome inLine = WalkWith(CAppHelper::ReadAhead::Never, dir.path());
        QCOMPARE(inLine.found.size(), 12 * 10 * 10);
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &saved) == 0);
        for (rlim_t soft : {rlim_t(40), rlim_t(60), rlim_t(90), rlim_t(140), rlim_t(260)}) {
            if (soft > saved.rlim_max)
                continue;
            rlimit low = saved;
            low.rlim_cur = soft;
            QVERIFY(::setrlimit(RLIMIT_NOFILE, &low) == 0);
            const Outcome ahead = WalkWith(CAppHelper::ReadAhead::Always, dir.path());
            QVERIFY(::setrlimit(RLIMIT_NOFILE, &saved) == 0);
            QVERIFY2(ahead == inLine, qPrintable(QStringLiteral("soft limit %1: %2 of %3 files")
                                                     .arg(soft)
                                                     .arg(ahead.found.size())
                                                     .arg(inLine.found.size())));
        }
    }

    void textHelpersGiveBackTheirDescriptors()
    {
        // A text search with helpers under a limit that leaves a few descriptors free: when the walk
        // runs short, the helpers give back all they hold, and every folder and file is still
        // searched; none is counted as not opened or not read.
        QTemporaryDir dir;
        QString level = dir.path();
        for (int depth = 0; depth < 100; ++depth) {
            level += QStringLiteral("/d%1").arg(depth);
            for (int f = 0; f < 6; ++f)
                WriteFile(level + QStringLiteral("/g%1.txt").arg(f), f % 2 ? "plain" : "a needle");
            for (int s = 0; s < 3; ++s)
                for (int f = 0; f < 6; ++f)
                    WriteFile(level + QStringLiteral("/s%1/f%2.txt").arg(s).arg(f), f % 2 ? "needle" : "no");
        }
        SearchFilters filters;
        filters.containingText = QStringLiteral("needle");
        SaveSearchFilters(filters);
        const Outcome inLine = WalkWith(CAppHelper::ReadAhead::Never, dir.path());
        QCOMPARE(inLine.found.size(), 100 * 12);
        // With helpers and descriptors enough first. (This also lets the undefined-behaviour
        // sanitizer learn the helpers' types while it can still open the pipe it checks memory with.)
        QCOMPARE(WalkWith(CAppHelper::ReadAhead::WhenSlow, dir.path()).found, inLine.found);
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &saved) == 0);
        // Descriptors are numbered from the lowest free one: the gaps below the highest open one are
        // filled, so only the `spare` above it are free.
        int highest = 0;
        for (const QString& fd : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot))
            highest = std::max(highest, fd.toInt());
        std::vector<int> fillers;
        for (int fd = 0; fd < highest;) {
            fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            QVERIFY(fd >= 0);
            fillers.push_back(fd);
            highest = std::max(highest, fd);
        }
        // Under the same limit, with helpers and without: the same outcome; with three or more
        // descriptors free (the start folder's, a level's and a file's), nothing lost.
        for (int spare = 1; spare <= 6; ++spare) {
            rlimit low = saved;
            low.rlim_cur = rlim_t(highest + 1 + spare);
            QStringList outcome[2];
            // Helpers search contents ahead (folders from memory are not read ahead).
            for (const auto mode : {CAppHelper::ReadAhead::Never, CAppHelper::ReadAhead::WhenSlow}) {
                RecordingEngine engine;
                engine.SetReadAhead(mode);
                engine.LoadOptions();
                engine.m_startFolder = dir.path();
                QVERIFY(::setrlimit(RLIMIT_NOFILE, &low) == 0);
                engine.RunSearch();
                QVERIFY(::setrlimit(RLIMIT_NOFILE, &saved) == 0);
                outcome[mode != CAppHelper::ReadAhead::Never]
                    << QStringLiteral("%1 found, %2 parsed, %3 not opened, %4 not read")
                           .arg(engine.found.size())
                           .arg(engine.m_foldersParsed)
                           .arg(engine.m_foldersNotOpened)
                           .arg(engine.m_filesNotRead)
                    << engine.found;
            }
            QCOMPARE(outcome[1].first(), outcome[0].first());
            QVERIFY(outcome[1] == outcome[0]);
            if (spare >= 3)
                QVERIFY(outcome[1].mid(1) == inLine.found);
        }
        for (int fd : fillers)
            ::close(fd);
    }

    void sameResultsOnADeepChain()
    {
        QTemporaryDir dir;
        constexpr int kLevels = 3000;
        MakeDeepChain(dir.path(), kLevels);
        // Side folders at a few levels, entered on the way back up.
        int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        for (int level = 0; level < kLevels && fd >= 0; ++level) {
            if (level % 97 == 0) {
                ::mkdirat(fd, "side", 0755);
                const int side = ::openat(fd, "side", O_RDONLY | O_DIRECTORY);
                ::close(::openat(side, "s.txt", O_WRONLY | O_CREAT, 0644));
                ::close(side);
            }
            const int next = ::openat(fd, "dd", O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
        }
        if (fd >= 0)
            ::close(fd);
        Set(Key::ViewFilesCount, 1);
        CompareModes(dir.path());
        const Outcome ahead = WalkWith(CAppHelper::ReadAhead::Always, dir.path());
        QCOMPARE(ahead.found.size(), kLevels + (kLevels + 96) / 97);
        RemoveTree(dir.path());
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestWalkReadAhead)
#include "tst_walk_readahead.moc"
