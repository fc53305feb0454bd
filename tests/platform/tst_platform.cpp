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

    void pathTextsKeepEveryByte()
    {
        const std::string samples[] = {
            "/plain/a b",
            "/caf\xc3\xa9/\xf0\x90\x82\x80",            // valid two- and four-byte characters
            "/x\xff\xfe/\x80\xbf\xc3",                  // bytes that are no UTF-8, one cut short
            "/\xed\xa0\x80\xc0\xaf\xf5\x80",            // an encoded surrogate, overlong, past U+10FFFF
            std::string(255, '\x9c') + "/\xc3\xa9\xe9", // a valid character beside a stray byte
        };
        for (const std::string& native : samples) {
            const QString text = platform::PathText(native);
            QCOMPARE(platform::NativePath(text), native);
            // What is shown holds no lone surrogate: it survives a round trip through UTF-8.
            const QString shown = platform::ShownText(text);
            QCOMPARE(QString::fromUtf8(shown.toUtf8()), shown);
            // So does the stored form, and it reads back as the same path text.
            const QString stored = platform::StoredPath(text);
            QCOMPARE(QString::fromUtf8(stored.toUtf8()), stored);
            QCOMPARE(platform::PathFromStored(stored), text);
        }
        // A path that is all UTF-8 is stored as it is.
        QCOMPARE(platform::StoredPath(QStringLiteral("/caf\u00e9 50%")), QStringLiteral("/caf\u00e9 50%"));
        QCOMPARE(platform::StoredPath(platform::PathText("/a b/caf\xe9")),
                 QStringLiteral("file:///a%20b/caf%E9"));

        // A folder is found by its exact bytes, whatever its name.
        const QTemporaryDir dir;
        const std::string odd = QFile::encodeName(dir.path()).toStdString() + "/caf\xe9";
        QVERIFY(::mkdir(odd.c_str(), 0755) == 0);
        QVERIFY(platform::IsFolder(platform::PathText(odd)));
        QVERIFY(!platform::IsFolder(platform::PathText(odd + "/missing")));
        QVERIFY(!platform::IsFolder(QString()));
        ::rmdir(odd.c_str());
        // Valid UTF-8 reads as its characters, and each stray byte shows as one replacement character.
        QCOMPARE(platform::PathText("/caf\xc3\xa9"), QString::fromUtf8("/caf\xc3\xa9"));
        QCOMPARE(platform::ShownText(platform::PathText("a\xff"
                                                        "b\xfe")),
                 QStringLiteral("a\uFFFDb\uFFFD"));
        // A character beyond the first plane whose second half lies in the escape range is kept.
        const QString pair = QString::fromUtf8("\xf0\x90\x82\x80");
        QCOMPARE(platform::NativePath(pair), std::string("\xf0\x90\x82\x80"));
        QCOMPARE(platform::ShownText(pair), pair);
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
