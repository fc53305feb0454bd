// The trash when it cannot do its work, and on other volumes: every call comes back, says why,
// and leaves the item where it was. Mounts are made in a private mount namespace (root only).
#include "TrashTestUtil.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace trashtest;

namespace {

// A work folder with its own home trash ($XDG_DATA_HOME/Trash) and one item to trash.
struct Scene
{
    Scene() : root(Native(dir.path())), data(root + "/data"), trash(data + "/Trash"), item(root + "/item.txt")
    {
        Write(item, "precious");
    }
    QTemporaryDir dir;
    std::string root, data, trash, item;
};

bool FillUp(const std::string& folder)
{
    const int fd = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    static const std::string block(65536, 'z');
    while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

bool UseUpInodes(const std::string& folder)
{
    for (int i = 0; i < 100000; ++i) {
        const int fd =
            ::open((folder + "/n" + std::to_string(i)).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0)
            return errno == ENOSPC;
        ::close(fd);
    }
    return false;
}

} // namespace

// The item stayed as it was, nothing was recorded or moved, and the call said why.
#define VERIFY_KEPT(outcome, scene)                                                                          \
    do {                                                                                                     \
        QVERIFY2(!(outcome).hung, "the trash hung");                                                         \
        QVERIFY(!(outcome).moved);                                                                           \
        QVERIFY(!(outcome).error.empty());                                                                   \
        QCOMPARE(Read((scene).item), std::string("precious"));                                               \
    } while (false)

class TestTrashFaults : public QObject
{
    Q_OBJECT
public:
    explicit TestTrashFaults(const TestHome&) {}

private:
    QString m_noMounts;

    void NeedMounts()
    {
        if (!m_noMounts.isEmpty())
            QSKIP(qPrintable(m_noMounts));
    }

private slots:
    void initTestCase() { m_noMounts = EnterPrivateMounts(); }

    void anInfoFolderThatIsAFileOrUnwritableStopsNothingButTheItem()
    {
        Scene plain;
        EnvironmentGuard data("XDG_DATA_HOME", QByteArray::fromStdString(plain.data));
        fs::create_directories(plain.trash + "/files");
        Write(plain.trash + "/info", "not a folder");
        Outcome outcome = TrashWithin(plain.item);
        VERIFY_KEPT(outcome, plain);
        QVERIFY2(outcome.error.find("/Trash/info") != std::string::npos, outcome.error.c_str());
        QCOMPARE(Read(plain.trash + "/info"), std::string("not a folder"));
        QCOMPARE(Count(plain.trash + "/files"), size_t(0));

        Scene locked;
        EnvironmentGuard data2("XDG_DATA_HOME", QByteArray::fromStdString(locked.data));
        fs::create_directories(locked.trash + "/files");
        fs::create_directories(locked.trash + "/info");
        if (::geteuid() == 0) {
            NeedMounts();
            QVERIFY(BindReadOnly(locked.trash + "/info"));
        } else {
            fs::permissions(locked.trash + "/info", fs::perms::owner_read | fs::perms::owner_exec);
        }
        outcome = TrashWithin(locked.item);
        if (::geteuid() == 0)
            Unmount(locked.trash + "/info");
        VERIFY_KEPT(outcome, locked);
        QCOMPARE(Count(locked.trash + "/files"), size_t(0));
        QCOMPARE(Count(locked.trash + "/info"), size_t(0));
    }

    void aMoveThatFailsTakesItsRecordBack()
    {
        Scene scene;
        EnvironmentGuard data("XDG_DATA_HOME", QByteArray::fromStdString(scene.data));
        fs::create_directories(scene.trash + "/files");
        fs::create_directories(scene.trash + "/info");
        if (::geteuid() == 0) {
            NeedMounts();
            QVERIFY(BindReadOnly(scene.trash + "/files"));
        } else {
            fs::permissions(scene.trash + "/files", fs::perms::owner_read | fs::perms::owner_exec);
        }
        const Outcome outcome = TrashWithin(scene.item);
        if (::geteuid() == 0)
            Unmount(scene.trash + "/files");
        VERIFY_KEPT(outcome, scene);
        QCOMPARE(Count(scene.trash + "/info"), size_t(0));
        QCOMPARE(Count(scene.trash + "/files"), size_t(0));
    }

    void aFullOrReadOnlyVolumeKeepsTheItem()
    {
        NeedMounts();
        for (const char* options : {"size=256k", "nr_inodes=64", "ro"}) {
            Scene scene;
            const std::string volume = scene.root + "/volume";
            fs::create_directory(volume);
            QVERIFY(MountTmpfs(volume, options == std::string("ro") ? "size=1m" : options));
            scene.data = volume + "/data";
            scene.trash = scene.data + "/Trash";
            scene.item = volume + "/item.txt";
            Write(scene.item, "precious");
            Write(volume + "/first.txt", "first");
            EnvironmentGuard data("XDG_DATA_HOME", QByteArray::fromStdString(scene.data));
            QVERIFY(!TrashWithin(volume + "/first.txt").hung);
            QCOMPARE(Count(scene.trash + "/info"), size_t(1));
            if (options == std::string("size=256k"))
                QVERIFY(FillUp(volume));
            else if (options == std::string("nr_inodes=64"))
                QVERIFY(UseUpInodes(volume));
            else
                QVERIFY(::mount(nullptr, volume.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
            const Outcome outcome = TrashWithin(scene.item);
            VERIFY_KEPT(outcome, scene);
            QCOMPARE(Count(scene.trash + "/info"), size_t(1));
            QCOMPARE(Count(scene.trash + "/files"), size_t(1));
            QVERIFY(Unmount(volume));
        }
    }

    void anotherVolumeUsesItsOwnTrash()
    {
        NeedMounts();
        QTemporaryDir work;
        const std::string root = Native(work.path());
        const std::string uid = std::to_string(::getuid());
        struct Case
        {
            const char* setUp; // what the top of the volume holds before
            const char* trash; // where the item must land, relative to the top
        };
        for (const Case& c : {Case{"", ".Trash-"}, Case{"sticky", ".Trash/"}, Case{"plain", ".Trash-"},
                              Case{"link", ".Trash-"}}) {
            const std::string volume = root + "/" + (*c.setUp ? c.setUp : "none");
            fs::create_directory(volume);
            QVERIFY(MountTmpfs(volume, "size=1m"));
            if (c.setUp == std::string("sticky") || c.setUp == std::string("plain")) {
                fs::create_directory(volume + "/.Trash");
                ::chmod((volume + "/.Trash").c_str(), c.setUp == std::string("sticky") ? 01777 : 0777);
            } else if (c.setUp == std::string("link")) {
                fs::create_directory(volume + "/elsewhere");
                ::chmod((volume + "/elsewhere").c_str(), 01777);
                fs::create_directory_symlink("elsewhere", volume + "/.Trash");
            }
            fs::create_directory(volume + "/sub");
            const std::string item = volume + "/sub/odd \xff%.txt";
            Write(item, c.setUp);
            const Outcome outcome = TrashWithin(item);
            QVERIFY2(!outcome.hung && outcome.moved, (std::string(c.setUp) + ": " + outcome.error).c_str());
            const std::string trash = volume + "/" + c.trash + uid;
            const auto records = ReadTrash(trash);
            QVERIFY2(records.count("sub/odd \xff%.txt"), c.setUp);
            QCOMPARE(records.at("sub/odd \xff%.txt").path, QByteArray("sub/odd%20%FF%25.txt"));
            QCOMPARE(Read(trash + "/files/" + records.at("sub/odd \xff%.txt").name), std::string(c.setUp));
            QVERIFY(!Exists(item));
            QVERIFY(Unmount(volume));
        }

        // A volume whose trash cannot be made keeps the item and says why.
        const std::string volume = root + "/blocked";
        fs::create_directory(volume);
        QVERIFY(MountTmpfs(volume, "size=1m"));
        Write(volume + "/.Trash-" + uid, "in the way");
        Scene scene;
        scene.item = volume + "/item.txt";
        Write(scene.item, "precious");
        const Outcome outcome = TrashWithin(scene.item);
        VERIFY_KEPT(outcome, scene);
        QVERIFY2(outcome.error.find("another volume") != std::string::npos, outcome.error.c_str());
        QVERIFY(Unmount(volume));
    }

    void aMountPointStaysMounted()
    {
        NeedMounts();
        Scene scene;
        EnvironmentGuard data("XDG_DATA_HOME", QByteArray::fromStdString(scene.data));
        const std::string mounted = scene.root + "/mounted";
        fs::create_directory(mounted);
        QVERIFY(MountTmpfs(mounted, "size=1m"));
        Write(mounted + "/inside", "in");
        const Outcome outcome = TrashWithin(mounted);
        QVERIFY(!outcome.hung && !outcome.moved);
        QVERIFY2(outcome.error.find("mount point") != std::string::npos, outcome.error.c_str());
        QCOMPARE(Read(mounted + "/inside"), std::string("in"));
        QCOMPARE(Count(scene.trash + "/info"), size_t(0));
        QVERIFY(Unmount(mounted));
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestTrashFaults)
#include "tst_trash_faults.moc"
