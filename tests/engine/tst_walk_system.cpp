// The walk on real system shapes: start folders reached through links or longer than the system's
// path limit, stacked and virtual mounts, ancestors swapped for links while the walk runs, very
// deep chains.
#include "EngineTestUtil.h"
#include "platform/FolderOpen.h"
#include "platform/Spawn.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <cstdio>
#include <functional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using Settings::Key;

namespace {

// Runs `body` in a child process and gives its exit code; 77 means "skip".
template <typename Body> int InChild(Body body)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

// A private mount namespace for this child process, so its mounts vanish with it.
bool PrivateMounts()
{
    return ::unshare(CLONE_NEWNS) == 0 && ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

bool MountAt(const QString& path, const char* type)
{
    return ::mount("none", QFile::encodeName(path).constData(), type, 0, nullptr) == 0;
}

// Under `root`: a/c1/c2/.../c<levels>/bottom.txt, and at each level four side folders s0..s3 holding
// `sideFile`, so that some side folders are listed after the way down and are entered only when the
// walk comes back up.
void MakeLadder(const QString& root, int levels, const QString& sideFile)
{
    QString level = root + QStringLiteral("/a");
    for (int i = 1; i <= levels; ++i) {
        level += QStringLiteral("/c%1").arg(i);
        QStringList paths;
        for (int s = 0; s < 4; ++s)
            paths << QStringLiteral("s%1/").arg(s) + sideFile;
        MakeTree(level, paths);
    }
    WriteFile(level + QStringLiteral("/bottom.txt"));
}

// Trees of many folders are made in memory when the system offers a memory file system; the disk
// of a busy machine makes them slowly.
QString ScratchTemplate()
{
    const QString shm = QStringLiteral("/dev/shm");
    if (::access("/dev/shm", W_OK | X_OK) == 0)
        return shm + QStringLiteral("/tst_walk_system-XXXXXX");
    return QDir::tempPath() + QStringLiteral("/tst_walk_system-XXXXXX");
}

class CountingEngine : public CAppHelper
{
public:
    long files = 0;
    std::function<void()> onFound;
    void OnFileFound(const CFileFind&) override
    {
        ++files;
        if (onFound)
            onFound();
    }
};

// Sets this process's soft descriptor limit; false when the hard limit is lower.
bool SetSoftLimit(rlim_t soft)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || soft > limit.rlim_max)
        return false;
    limit.rlim_cur = soft;
    return ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

} // namespace

class TestWalkSystem : public QObject
{
    Q_OBJECT
public:
    explicit TestWalkSystem(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

    void Set(Key key, int value) { CSettingsSection().WriteInt(Settings::Name(key), value); }

private slots:
    void init() { m_home.ClearSettings(); }

    void startFolderThroughALink()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral("real/one.txt"), QStringLiteral("real/sub/two.txt"),
                              QStringLiteral("real/sub/deeper/")});
        QVERIFY(QFile::link(dir.path() + QStringLiteral("/real"), dir.path() + QStringLiteral("/link")));
        QVERIFY(QFile::link(QStringLiteral("link"), dir.path() + QStringLiteral("/link2")));
        QVERIFY(
            QFile::link(dir.path() + QStringLiteral("/real"), dir.path() + QStringLiteral("/real/sub/back")));
        Set(Key::ViewFilesCount, 1);
        for (const QString& start : {QStringLiteral("/link"), QStringLiteral("/link2")}) {
            RecordingEngine engine;
            QList<int> counts;
            engine.onFound = [&](const CFileFind& find) {
                counts << engine.GetFolderFileCount(find.GetNativeFolder());
            };
            engine.Search(dir.path() + start);
            // The rows keep the path that was chosen; the link below the start is not followed.
            QCOMPARE(engine.found, (QStringList{dir.path() + start + QStringLiteral("/one.txt"),
                                                dir.path() + start + QStringLiteral("/sub/two.txt")}));
            QCOMPARE(engine.m_foldersParsed, 3);
            QCOMPARE(engine.m_foldersIgnored, 0);
            QCOMPARE(counts, (QList<int>{1, 1}));
        }
        // A link to a file is no folder to walk.
        WriteFile(dir.path() + QStringLiteral("/file.txt"));
        QVERIFY(
            QFile::link(dir.path() + QStringLiteral("/file.txt"), dir.path() + QStringLiteral("/tofile")));
        RecordingEngine file;
        file.Search(dir.path() + QStringLiteral("/tofile"));
        QVERIFY(file.found.isEmpty());
    }

    void startFolderLongerThanThePathLimit()
    {
        QTemporaryDir dir;
        int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        QString path = dir.path();
        const std::string name(200, 'n');
        for (int i = 0; i < 25; ++i) { // about 5,000 bytes
            QVERIFY(::mkdirat(fd, name.c_str(), 0755) == 0);
            const int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
            path += QLatin1Char('/') + QString::fromStdString(name);
        }
        for (const char* file : {"a.txt", ".hidden.txt"})
            ::close(::openat(fd, file, O_WRONLY | O_CREAT, 0644));
        QVERIFY(::mkdirat(fd, "sub", 0755) == 0);
        ::close(fd);
        QVERIFY(path.size() > 4096);
        RecordingEngine engine; // hidden folders are ignored by default
        engine.Search(path);
        QCOMPARE(engine.found, QStringList{path + QStringLiteral("/a.txt")});
        QCOMPARE(engine.m_foldersParsed, 2);
        QCOMPARE(engine.m_foldersIgnored, 0);
        RemoveTree(dir.path());
    }

    void virtualFoldersAreKnownByWhatIsMounted()
    {
        // Through a link to the root, the process table is still the process table.
        QTemporaryDir dir;
        QVERIFY(QFile::link(QStringLiteral("/"), dir.path() + QStringLiteral("/root")));
        if (QFile::exists(QStringLiteral("/proc/self"))) {
            RecordingEngine engine;
            engine.Search(dir.path() + QStringLiteral("/root/proc"));
            QVERIFY(engine.found.isEmpty());
            QCOMPARE(engine.m_foldersParsed, 0);
            QCOMPARE(engine.m_foldersIgnored, 1);
            RecordingEngine inside;
            inside.Search(QStringLiteral("/proc/self"));
            QCOMPARE(inside.m_foldersIgnored, 1);
            QVERIFY(inside.IsIgnoredFolder(dir.path() + QStringLiteral("/root/proc")));
        }

        if (::geteuid() != 0)
            QSKIP("stacking mounts needs root (mount namespaces)");
        // A real file system stacked on a virtual one is entered; a virtual one below the start is
        // counted as ignored and never listed, whatever its path.
        MakeTree(dir.path(), {QStringLiteral("top.txt"), QStringLiteral("stacked/"),
                              QStringLiteral("queues/"), QStringLiteral("pseudo/")});
        const int code = InChild([&] {
            if (!PrivateMounts())
                return 77;
            if (!MountAt(dir.path() + QStringLiteral("/stacked"), "mqueue") ||
                !MountAt(dir.path() + QStringLiteral("/stacked"), "tmpfs") ||
                !MountAt(dir.path() + QStringLiteral("/queues"), "mqueue") ||
                !MountAt(dir.path() + QStringLiteral("/pseudo"), "proc"))
                return 77;
            WriteFile(dir.path() + QStringLiteral("/stacked/home.txt"));
            RecordingEngine engine;
            engine.Search(dir.path());
            const bool ok =
                engine.SortedNames() == QStringList{QStringLiteral("home.txt"), QStringLiteral("top.txt")} &&
                engine.m_foldersParsed == 2 && engine.m_foldersIgnored == 2;
            if (!ok)
                std::fprintf(stderr, "found %s parsed %d ignored %d\n", qPrintable(engine.found.join(u' ')),
                             engine.m_foldersParsed, engine.m_foldersIgnored);
            return ok ? 0 : 1;
        });
        if (code == 77)
            QSKIP("cannot make a private mount namespace here");
        QCOMPARE(code, 0);
    }

    void swappingAnAncestorForALinkNeverLeadsOutside()
    {
        // Past 64 levels the walk gives up descriptors of the levels far above and takes them again
        // on the way back. An ancestor swapped meanwhile must not lead it into another tree.
        constexpr int kLevels = 80;
        for (const bool byLink : {true, false}) {
            QTemporaryDir dir(ScratchTemplate());
            const QString root = dir.path() + QStringLiteral("/root");
            MakeLadder(root, kLevels, QStringLiteral("inside.txt"));
            MakeLadder(dir.path() + QStringLiteral("/outside"), kLevels, QStringLiteral("evil.txt"));
            RecordingEngine engine;
            engine.onFound = [&](const CFileFind& find) {
                if (find.GetFileName() != QStringLiteral("bottom.txt"))
                    return;
                const QByteArray a = QFile::encodeName(root + QStringLiteral("/a"));
                QVERIFY(::rename(a.constData(), QByteArray(a + ".moved").constData()) == 0);
                const QByteArray outside = QFile::encodeName(dir.path() + QStringLiteral("/outside/a"));
                if (byLink)
                    QVERIFY(::symlink(outside.constData(), a.constData()) == 0);
                else
                    QVERIFY(::rename(outside.constData(), a.constData()) == 0);
            };
            engine.Search(root);
            QVERIFY(engine.found.contains(root + QStringLiteral("/a") + [] {
                QString p;
                for (int i = 1; i <= kLevels; ++i)
                    p += QStringLiteral("/c%1").arg(i);
                return p;
            }() + QStringLiteral("/bottom.txt")));
            QVERIFY2(engine.found.filter(QStringLiteral("evil.txt")).isEmpty(),
                     qPrintable(engine.found.filter(QStringLiteral("evil.txt")).value(0)));
            QVERIFY(!engine.found.filter(QStringLiteral("inside.txt")).isEmpty());
            RemoveTree(dir.path());
        }

        // The same with the swap racing the walk, many times.
        for (int attempt = 0; attempt < 10; ++attempt) {
            QTemporaryDir dir(ScratchTemplate());
            const QString root = dir.path() + QStringLiteral("/root");
            MakeLadder(root, kLevels, QStringLiteral("inside.txt"));
            MakeLadder(dir.path() + QStringLiteral("/outside"), kLevels, QStringLiteral("evil.txt"));
            const QByteArray a = QFile::encodeName(root + QStringLiteral("/a"));
            const QByteArray moved = a + ".moved";
            const QByteArray outside = QFile::encodeName(dir.path() + QStringLiteral("/outside/a"));
            std::atomic<bool> done{false};
            std::thread swapper([&] {
                for (int i = 0; !done; ++i) {
                    if (i % 2 == 0) {
                        ::rename(a.constData(), moved.constData());
                        ::symlink(outside.constData(), a.constData());
                    } else {
                        ::unlink(a.constData());
                        ::rename(moved.constData(), a.constData());
                    }
                    std::this_thread::sleep_for(std::chrono::microseconds(50 * (attempt + 1)));
                }
            });
            RecordingEngine engine;
            engine.Search(root);
            done = true;
            swapper.join();
            QVERIFY2(engine.found.filter(QStringLiteral("evil.txt")).isEmpty(),
                     qPrintable(engine.found.filter(QStringLiteral("evil.txt")).value(0)));
            RemoveTree(dir.path());
        }
    }

    void folderReplacedWhileLetGoIsNoShortage()
    {
        // Levels far above the walk give up their descriptors; one replaced meanwhile is a folder
        // that changed under the walk: its remaining files are neither searched nor counted as not
        // read, and the walk goes on with the rest.
        constexpr int kLevels = 80;
        QTemporaryDir dir(ScratchTemplate());
        const QString root = dir.path() + QStringLiteral("/root");
        for (const QString& top : {root, QString(dir.path() + QStringLiteral("/other"))}) {
            MakeLadder(top, kLevels, QStringLiteral("s.txt"));
            // Files holding the text beside each level's sub-folders; the way down is moved out and
            // back, so that listings that keep the order of making show it first (memory file
            // systems list the newest entry first).
            QString level = top + QStringLiteral("/a");
            for (int i = 1; i <= kLevels; ++i) {
                level += QStringLiteral("/c%1").arg(i);
                for (int f = 0; f < 4; ++f)
                    WriteFile(level + QStringLiteral("/t%1.txt").arg(f), "needle");
                const QByteArray down = QFile::encodeName(level + QStringLiteral("/c%1").arg(i + 1));
                ::rename(down.constData(), QByteArray(down + "~").constData());
                ::rename(QByteArray(down + "~").constData(), down.constData());
            }
            WriteFile(level + QStringLiteral("/bottom.txt"), "needle");
        }
        SearchFilters filters;
        filters.containingText = QStringLiteral("needle");
        SaveSearchFilters(filters);
        WriteFile(root + QStringLiteral("/after/zz.txt"), "needle");
        RecordingEngine engine;
        engine.SetReadAhead(CAppHelper::ReadAhead::Never);
        bool swapped = false;
        engine.onFound = [&](const CFileFind& find) {
            if (swapped || find.GetFileName() != QStringLiteral("bottom.txt"))
                return;
            swapped = true;
            const QByteArray a = QFile::encodeName(root + QStringLiteral("/a"));
            QVERIFY(::rename(a.constData(), QByteArray(a + ".moved").constData()) == 0);
            QVERIFY(::rename(QFile::encodeName(dir.path() + QStringLiteral("/other/a")).constData(),
                             a.constData()) == 0);
        };
        engine.Search(root);
        QVERIFY(swapped);
        QCOMPARE(engine.m_filesNotRead, 0);
        QCOMPARE(engine.m_foldersNotOpened, 0);
        QVERIFY(engine.found.contains(root + QStringLiteral("/after/zz.txt")));
        RemoveTree(dir.path());
    }

    void lowDescriptorLimitLosesNothing()
    {
        // 150 nested levels of four files each. Whatever the limit, every file is found: the walk
        // holds fewer levels, and when descriptors run out it gives up those it holds and reopens
        // them by name. What still cannot be opened is counted, never dropped silently.
        QTemporaryDir dir(ScratchTemplate());
        constexpr int kLevels = 150;
        MakeDeepChain(dir.path(), kLevels);
        {
            int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
            for (int level = 0; level < kLevels && fd >= 0; ++level) {
                for (const char* name : {"g1", "g2", "g3"})
                    ::close(::openat(fd, name, O_WRONLY | O_CREAT, 0644));
                const int next = ::openat(fd, "dd", O_RDONLY | O_DIRECTORY);
                ::close(fd);
                fd = next;
            }
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        // In a child process, with the soft limit at `soft` (0: as it is; 1: two descriptors free).
        const auto walk = [&](rlim_t soft, long files, int notOpened,
                              std::function<void(CountingEngine&)> during) {
            return InChild([&] {
                CountingEngine engine;
                // No helper threads in a child of a process with threads (ThreadSanitizer refuses
                // them); under these limits there would be none anyway.
                engine.SetReadAhead(CAppHelper::ReadAhead::Never);
                engine.LoadOptions();
                engine.m_startFolder = dir.path();
                if (during)
                    during(engine);
                if (soft == 1) {
                    const int a = ::open("/dev/null", O_RDONLY), b = ::open("/dev/null", O_RDONLY);
                    ::close(a);
                    ::close(b);
                    soft = rlim_t(b + 1); // descriptors are numbered from the lowest free one
                }
                if (soft > 0 && !SetSoftLimit(soft))
                    return 77;
                engine.RunSearch();
                std::fprintf(stderr, "limit %d: files %ld, not opened %d\n", int(soft), engine.files,
                             engine.m_foldersNotOpened);
                return engine.files == files && engine.m_foldersNotOpened == notOpened ? 0 : 1;
            });
        };
        for (const rlim_t soft : {rlim_t(20), rlim_t(40), rlim_t(64), rlim_t(0)})
            QCOMPARE(walk(soft, 4 * kLevels, 0, {}), 0);
        // Every free descriptor taken away at the 100th file: the walk lets go of its levels and goes on.
        std::vector<int> taken;
        QCOMPARE(walk(64, 4 * kLevels, 0,
                      [&](CountingEngine& engine) {
                          engine.onFound = [&] {
                              while (engine.files == 100) {
                                  const int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
                                  if (fd < 0)
                                      break;
                                  taken.push_back(fd);
                              }
                          };
                      }),
                 0);
        // Two descriptors free: the start folder and its first level are read, the next level cannot
        // be opened at all, and that is counted.
        QCOMPARE(walk(1, 8, 1, {}), 0);
        RemoveTree(dir.path());
    }

    void programsStartedGetTheLimitBack()
    {
        // The program raises its soft limit for the walk; a program it starts gets the one it had.
        QTemporaryDir dir;
        const QString done = dir.path() + QStringLiteral("/limit.txt");
        const int code = InChild([&] {
            if (!SetSoftLimit(256) || platform::RaiseOpenFileLimit() <= 256)
                return 77; // the hard limit leaves nothing to raise
            const std::string script = "ulimit -Sn > limit.tmp && mv limit.tmp limit.txt";
            return platform::SpawnDetached("sh", {"-c", script}, QFile::encodeName(dir.path()).toStdString())
                       ? 0
                       : 1;
        });
        if (code == 77)
            QSKIP("the hard descriptor limit is too low to raise");
        QCOMPARE(code, 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(done), 10000);
        QFile file(done);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().trimmed(), QByteArray("256"));
    }

    void memoryFollowsTheNumberOfFoldersNotTheDepth()
    {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
        QSKIP("sanitizers change how much memory a process holds");
#endif
        QTemporaryDir dir(ScratchTemplate());
        constexpr int kLevels = 10000; // paths reach about 30,000 bytes
        MakeDeepChain(dir.path(), kLevels);
        const int code = InChild([&] {
            CountingEngine engine;
            engine.LoadOptions();
            engine.m_startFolder = dir.path();
            rusage before{};
            ::getrusage(RUSAGE_SELF, &before);
            engine.RunSearch();
            rusage after{};
            ::getrusage(RUSAGE_SELF, &after);
            const long grownMb = (after.ru_maxrss - before.ru_maxrss) / 1024;
            std::fprintf(stderr, "files %ld parsed %d grown %ld MB\n", engine.files, engine.m_foldersParsed,
                         grownMb);
            return engine.files == kLevels && engine.m_foldersParsed == kLevels + 1 && grownMb < 100 ? 0 : 1;
        });
        RemoveDeepChain(dir.path(), kLevels);
        QCOMPARE(code, 0);
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestWalkSystem)
#include "tst_walk_system.moc"
