// Path texts, trash and virtual-file-system recognition, and the folder cursor.
#include "platform/FileFind.h"
#include "platform/KnownFolders.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

class TestPlatform : public QObject
{
    Q_OBJECT
public:
    explicit TestPlatform(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

private slots:
    void pathTexts()
    {
        QCOMPARE(platform::JoinPath(QStringLiteral("/"), QStringLiteral("a")), QStringLiteral("/a"));
        QCOMPARE(platform::JoinPath(QStringLiteral("/x"), QStringLiteral("a")), QStringLiteral("/x/a"));
        QCOMPARE(platform::JoinNativePath("/", "a"), std::string("/a"));
        QCOMPARE(platform::FolderText(QStringLiteral("/")), QStringLiteral("/"));
        QCOMPARE(platform::FolderText(QStringLiteral("//")), QStringLiteral("/"));
        QCOMPARE(platform::FolderText(QStringLiteral("/a/b//")), QStringLiteral("/a/b"));
        QCOMPARE(std::string(platform::LastComponent("/a/.b")), std::string(".b"));
        QCOMPARE(std::string(platform::LastComponent("/")), std::string());
        QVERIFY(platform::SamePath(QStringLiteral("/A"), QStringLiteral("/A")));
        QVERIFY(!platform::SamePath(QStringLiteral("/A"), QStringLiteral("/a")));
    }

    void trashNames()
    {
        QVERIFY(platform::IsTrashFolderName(".Trash"));
        QVERIFY(platform::IsTrashFolderName(".Trash-1000"));
        QVERIFY(!platform::IsTrashFolderName(".Trash-"));
        QVERIFY(!platform::IsTrashFolderName(".Trash-10a"));
        QVERIFY(!platform::IsTrashFolderName("Trash"));
        QCOMPARE(platform::HomeTrashFolder(), m_home.DataHome() + QStringLiteral("/Trash"));
    }

    void xdgFoldersFollowTheEnvironment()
    {
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", "relative/is/ignored");
        QCOMPARE(platform::LocalAppDataFolder(), m_home.Path() + QStringLiteral("/.local/share"));
        qputenv("XDG_DATA_HOME", "/some/where/");
        QCOMPARE(platform::LocalAppDataFolder(), QStringLiteral("/some/where"));
        qputenv("XDG_DATA_HOME", saved);
        // No documents folder in the test home: the home folder stands in.
        QCOMPARE(platform::DocumentsFolder(), m_home.Path());
    }

    void virtualMountDevices()
    {
        const std::string info = "22 1 0:21 / /proc rw,nosuid - proc proc rw\n"
                                 "23 1 0:22 / /sys rw shared:7 - sysfs sysfs rw\n"
                                 "24 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                 "25 1 0:40 / /mnt/with\\040blank rw - autofs systemd-1 rw\n"
                                 "26 1 0:41 / /mnt/fuse rw - fuse.sshfs host: rw\n"
                                 "27 1 259:3 / /dev rw - devtmpfs udev rw\n";
        const auto devices = platform::ParseVirtualMountDevices(info);
        QCOMPARE(devices.size(), size_t(4));
        QVERIFY(devices.count(makedev(0, 21)));
        QVERIFY(devices.count(makedev(0, 22)));
        QVERIFY(devices.count(makedev(0, 40)));
        QVERIFY(devices.count(makedev(259, 3)));
        QVERIFY(!devices.count(makedev(8, 1)));
        QVERIFY(platform::IsVirtualFileSystemMagic(0x9fa0));      // proc
        QVERIFY(!platform::IsVirtualFileSystemMagic(0x01021994)); // tmpfs, which devtmpfs shares
    }

    void cursorListsEveryEntryOnce()
    {
        QTemporaryDir dir;
        QStringList names;
        for (int i = 0; i < 2000; ++i) // more than one read of entries
            names << QStringLiteral("file-with-a-longish-name-%1.txt").arg(i);
        names << QStringLiteral("sub/");
        MakeTree(dir.path(), names);
        CFileFind find;
        QVERIFY(find.FindFile(dir.path()));
        QStringList seen;
        int folders = 0;
        for (bool more = true; more;) {
            more = find.FindNextFile();
            if (find.IsDots())
                continue;
            if (find.MatchesMask(CFileFind::kDirectory)) {
                ++folders;
                QCOMPARE(find.GetFilePath(), dir.path() + QStringLiteral("/sub"));
                continue;
            }
            seen << find.GetFileName();
            QCOMPARE(find.GetRoot(), dir.path() + QLatin1Char('/'));
        }
        QCOMPARE(folders, 1);
        QCOMPARE(seen.size(), 2000);
        QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), 2000);
        QVERIFY(!CFileFind().FindFile(dir.path() + QStringLiteral("/missing")));

        CFileFind rootFind;
        QVERIFY(rootFind.FindFile(QStringLiteral("/")));
        rootFind.FindNextFile();
        QCOMPARE(rootFind.GetRoot(), QStringLiteral("/"));
        QVERIFY(!rootFind.GetFilePath().startsWith(QStringLiteral("//")));
    }

    void longPathsOpen()
    {
        QTemporaryDir dir;
        int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        std::string path = QFile::encodeName(dir.path()).toStdString();
        const std::string name(200, 'n');
        for (int i = 0; i < 30; ++i) { // about 6,000 bytes
            QVERIFY(::mkdirat(fd, name.c_str(), 0755) == 0);
            const int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
            path += "/" + name;
        }
        ::close(fd);
        QVERIFY(path.size() > 4096);
        const int opened = CFileFind::OpenFolder(path);
        QVERIFY(opened >= 0);
        ::close(opened);
        QVERIFY(CFileFind::OpenFolder(path + "/missing") < 0);
        RemoveTree(dir.path());
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestPlatform)
#include "tst_platform.moc"
