// The walk on hostile trees: very deep, very long paths, link loops, special files, odd names,
// folders that cannot be read.
#include "EngineTestUtil.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using Settings::Key;

class TestWalkEdges : public QObject
{
    Q_OBJECT
public:
    explicit TestWalkEdges(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

private slots:
    void init() { m_home.ClearSettings(); }

    void deepTreeWithPathsBeyondTheSystemLimit()
    {
        QTemporaryDir dir;
        constexpr int kLevels = 3000; // paths reach about 9,000 bytes
        MakeDeepChain(dir.path(), kLevels);
        RecordingEngine engine;
        engine.Search(dir.path());
        QCOMPARE(engine.found.size(), kLevels);
        QCOMPARE(engine.m_foldersParsed, kLevels + 1);
        const QString deepest = engine.found.filter(QStringLiteral("/f2999")).value(0);
        QVERIFY(deepest.size() > 4096 * 2);
        QCOMPARE(deepest.count(QStringLiteral("/dd")), 2999);
        // Nothing is left open however deep the walk went.
        const int probe = ::open("/dev/null", O_RDONLY);
        QVERIFY(probe >= 0 && probe < 64);
        ::close(probe);
        RemoveTree(dir.path());
    }

    void linksAreNeverFollowedAndLinksToFoldersAreNoFiles()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral("a/b/file.txt"), QStringLiteral("a/b/pipe/")});
        QVERIFY(QFile::link(dir.path(), dir.path() + QStringLiteral("/a/b/up")));
        QVERIFY(QFile::link(dir.path() + QStringLiteral("/a"), dir.path() + QStringLiteral("/loop")));
        QVERIFY(QFile::link(QStringLiteral("/nowhere"), dir.path() + QStringLiteral("/dangling")));
        QVERIFY(QFile::link(dir.path() + QStringLiteral("/a/b/file.txt"),
                            dir.path() + QStringLiteral("/tofile")));
        QVERIFY(QFile::link(QStringLiteral("selfloop"), dir.path() + QStringLiteral("/selfloop")));
        QVERIFY(QFile::link(QStringLiteral("/proc"), dir.path() + QStringLiteral("/a/proc")));
        CSettingsSection().WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        RecordingEngine engine;
        QList<int> topCounts;
        engine.onFound = [&](const CFileFind& find) {
            if (find.GetFolderText() == dir.path())
                topCounts << engine.GetFolderFileCount(find.GetNativeFolder());
        };
        engine.Search(dir.path());
        // A link to a folder is neither entered nor a file; links to files, dangling links and link
        // loops stay files.
        QCOMPARE(engine.SortedNames(), (QStringList{QStringLiteral("dangling"), QStringLiteral("file.txt"),
                                                    QStringLiteral("selfloop"), QStringLiteral("tofile")}));
        QCOMPARE(engine.m_foldersParsed, 4);
        QCOMPARE(engine.m_foldersIgnored, 0);
        QVERIFY(!topCounts.isEmpty());
        QCOMPARE(topCounts.last(), 3); // dangling, selfloop, tofile: the link "loop" is not counted

        // With sub-folders off, too.
        CSettingsSection().WriteInt(Settings::Name(Key::SearchSubFolders), 0);
        RecordingEngine flat;
        flat.Search(dir.path() + QStringLiteral("/a/b"));
        QCOMPARE(flat.SortedNames(), QStringList{QStringLiteral("file.txt")});
    }

    void specialFilesAreReportedNotOpened()
    {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        QVERIFY(::mkfifo(QByteArray(root + "/pipe").constData(), 0644) == 0);
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray socketPath = root + "/sock";
        if (socketPath.size() < qsizetype(sizeof address.sun_path)) {
            ::strncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path - 1);
            QVERIFY(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        }
        const bool device =
            ::mknod(QByteArray(root + "/null").constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
        RecordingEngine engine;
        // Even the read-only test must not open them.
        SetSwitch(Key::IgnoreReadOnlyFiles, 1);
        engine.Search(dir.path());
        ::close(sock);
        QVERIFY(engine.SortedNames().contains(QStringLiteral("pipe")));
        QVERIFY(engine.SortedNames().contains(QStringLiteral("sock")) || socketPath.size() >= 100);
        if (device)
            QVERIFY(engine.SortedNames().contains(QStringLiteral("null")));
    }

    void deviceSwappedInIsNeverRead()
    {
        // Files listed as regular and swapped for an endless device before the text search opens
        // them: the open file's status is looked at before anything is read, so the search ends,
        // and they are neither found nor counted as not read.
        QTemporaryDir dir;
        for (int i = 0; i < 8; ++i)
            WriteFile(dir.path() + QStringLiteral("/f%1.txt").arg(i), "needle");
        SearchFilters filters;
        filters.containingText = QStringLiteral("needle");
        filters.searchBinaryFiles = true;
        SaveSearchFilters(filters);
        RecordingEngine engine;
        engine.SetReadAhead(CAppHelper::ReadAhead::Never);
        bool device = false;
        engine.onFound = [&](const CFileFind& found) {
            if (engine.found.size() > 1)
                return;
            for (int i = 0; i < 8; ++i) {
                const QByteArray path = QFile::encodeName(dir.path() + QStringLiteral("/f%1.txt").arg(i));
                if (path.endsWith(QFile::encodeName(found.GetFileName())))
                    continue;
                ::unlink(path.constData());
                device = ::mknod(path.constData(), S_IFCHR | 0666, makedev(1, 5)) == 0; // zeros, endless
            }
        };
        engine.Search(dir.path());
        if (!device)
            QSKIP("making a device node needs root");
        QCOMPARE(engine.found.size(), 1);
        QCOMPARE(engine.m_filesNotRead, 0);
    }

    void namesThatAreNotUtf8KeepTheirBytes()
    {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        // Two folders whose names show alike but differ in their bytes are both walked.
        QVERIFY(::mkdir(QByteArray(root + "/\xff").constData(), 0755) == 0);
        QVERIFY(::mkdir(QByteArray(root + "/\xfe").constData(), 0755) == 0);
        for (const char* path : {"/\xff/bad\xe9name.txt", "/\xfe/other.txt"}) {
            const int fd = ::open(QByteArray(root + path).constData(), O_WRONLY | O_CREAT, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
        RecordingEngine engine;
        QList<QByteArray> natives;
        engine.onFound = [&](const CFileFind& find) {
            natives << QByteArray::fromStdString(find.GetNativePath());
        };
        engine.Search(dir.path());
        QCOMPARE(engine.found.size(), 2);
        QCOMPARE(engine.m_foldersParsed, 3);
        QVERIFY(natives.contains(root + "/\xff/bad\xe9name.txt"));
        QVERIFY(natives.contains(root + "/\xfe/other.txt"));
        QVERIFY(engine.found.join(QString()).contains(QChar(QChar::ReplacementCharacter)));
        struct stat st;
        for (const QByteArray& native : natives)
            QVERIFY(::stat(native.constData(), &st) == 0);
    }

    void unreadableFolderCountsAsParsedAndEmpty()
    {
        // Permission bits do not stop the superuser, so the walk runs in a child process that
        // gives up its privileges first.
        const QString base = QStringLiteral("/tmp/tresmolo-unreadable-%1").arg(::getpid());
        QDir(base).removeRecursively();
        MakeTree(base, {QStringLiteral("open/seen.txt"), QStringLiteral("locked/hidden.txt"),
                        QStringLiteral("top.txt")});
        ::chmod(QFile::encodeName(base).constData(), 0755);
        ::chmod(QFile::encodeName(base + QStringLiteral("/open")).constData(), 0755);
        ::chmod(QFile::encodeName(base + QStringLiteral("/locked")).constData(), 0);
        const bool root = ::geteuid() == 0;

        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (root && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(77);
            RecordingEngine engine;
            engine.Search(base);
            const bool ok =
                engine.SortedNames() == QStringList{QStringLiteral("seen.txt"), QStringLiteral("top.txt")} &&
                engine.m_foldersParsed == 3 && engine.m_foldersIgnored == 0;
            ::_exit(ok ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ::chmod(QFile::encodeName(base + QStringLiteral("/locked")).constData(), 0755);
        QDir(base).removeRecursively();
        QVERIFY(WIFEXITED(status));
        if (WEXITSTATUS(status) == 77)
            QSKIP("cannot drop to an unprivileged user here");
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    void rootIsNeverHidden()
    {
        RecordingEngine engine;
        engine.LoadOptions();
        QVERIFY(!engine.IsIgnoredFolder(QStringLiteral("/")));
    }

private:
    void SetSwitch(Key key, int value) { CSettingsSection().WriteInt(Settings::Name(key), value); }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestWalkEdges)
#include "tst_walk_edges.moc"
