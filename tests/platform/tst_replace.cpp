// Replacing a duplicate by a hard link or by shared storage, on real file systems (loop images and
// tmpfs in a private mount namespace when root), and the action log. Whatever happens, the file is
// either replaced as asked or exactly as it was, and no temporary name is left.
#include "TrashTestUtil.h"
#include "platform/ActionLog.h"
#include "platform/Replace.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

using namespace trashtest;
using namespace platform;

namespace {

FileIdentity Id(const std::string& path)
{
    FileIdentity identity;
    IdentifyFile(path, &identity);
    return identity;
}
struct stat Stat(const std::string& path)
{
    struct stat status = {};
    ::lstat(path.c_str(), &status);
    return status;
}
size_t Temporaries(const std::string& folder)
{
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().filename().native().starts_with(".tresmolo-");
    return count;
}
ReplaceResult Replace(bool share, const std::string& kept, const std::string& path,
                      const FileIdentity& identity, const ShareProgress& progress = {})
{
    KeptFile file;
    if (!file.Open(kept, Id(kept), share))
        return {ReplaceStatus::KeptChanged, 0, 0};
    return share ? ShareStorage(file, path, identity, progress) : ReplaceWithHardLink(file, path, identity);
}
std::string Pattern(size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 2654435761u + seed) >> 13);
    return bytes;
}
// A fresh file system from a sparse image, mounted at `where`; "" or why not.
QString MountImage(const std::string& where, const QString& mkfs)
{
    fs::create_directories(where);
    const QString image = QString::fromStdString(where) + QStringLiteral(".image");
    QProcess shell;
    shell.start(QStringLiteral("sh"),
                {QStringLiteral("-c"), QStringLiteral("truncate -s 320M %1 && %2 %1 && mount -o loop %1 %3")
                                           .arg(image, mkfs, QString::fromStdString(where))});
    const bool done =
        shell.waitForFinished(120000) && shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0;
    return done ? QString() : QStringLiteral("no %1 on a loop device").arg(mkfs);
}
// Writes until no block is left, smaller pieces last, also after what a sync gives back.
bool FillUp(const std::string& folder)
{
    const int fd = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    static const std::string block(1 << 20, 'z');
    for (const size_t piece : {size_t(1) << 20, size_t(4096), size_t(512), size_t(512)}) {
        while (fd >= 0 && ::write(fd, block.data(), piece) > 0) {
        }
        ::fsync(fd);
    }
    ::close(fd);
    return fd >= 0;
}

} // namespace

// The file is as it was: its inode, its contents and no temporary name beside it.
#define VERIFY_UNTOUCHED(file, inode, contents)                                                              \
    do {                                                                                                     \
        QCOMPARE(Stat(file).st_ino, ino_t(inode));                                                           \
        QCOMPARE(Read(file), std::string(contents));                                                         \
        QCOMPARE(Temporaries(fs::path(file).parent_path()), size_t(0));                                      \
    } while (false)

class TestReplace : public QObject
{
    Q_OBJECT
public:
    explicit TestReplace(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    QString m_noMounts;
    void NeedMounts()
    {
        if (!m_noMounts.isEmpty())
            QSKIP(qPrintable(m_noMounts));
    }

private slots:
    void initTestCase() { m_noMounts = EnterPrivateMounts(); }

    void aHardLinkReplacesOnlyTheFileThatWasCompared()
    {
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        const std::string kept = root + "/kept", other = root + "/" + std::string(250, 'n') + "\xff.x";
        for (const char* name : {"/kept", "/changed", "/swapped", "/target"})
            Write(root + name, "same");
        Write(other, "same");
        const ReplaceResult result = Replace(false, kept, other, Id(other));
        QCOMPARE(result.status, ReplaceStatus::Done);
        QVERIFY(result.freed > 0);
        VERIFY_UNTOUCHED(other, Stat(kept).st_ino, "same");
        QCOMPARE(Replace(false, kept, other, Id(other)).status, ReplaceStatus::AlreadyLinked);

        // Written after the check (same size), its last write put back; or now a link.
        const FileIdentity compared = Id(root + "/changed"), swapped = Id(root + "/swapped");
        Write(root + "/changed", "SAME");
        const timespec old[2] = {{compared.modified, compared.modifiedNs},
                                 {compared.modified, compared.modifiedNs}};
        ::utimensat(AT_FDCWD, (root + "/changed").c_str(), old, 0);
        QCOMPARE(Replace(false, kept, root + "/changed", compared).status, ReplaceStatus::Changed);
        VERIFY_UNTOUCHED(root + "/changed", compared.inode, "SAME");
        fs::remove(root + "/swapped");
        fs::create_symlink(kept, root + "/swapped");
        QCOMPARE(Replace(false, kept, root + "/swapped", swapped).status, ReplaceStatus::Changed);
        QVERIFY(fs::is_symlink(root + "/swapped"));

        // The file that stays was moved away or written after it was opened: nothing happens.
        const std::string target = root + "/target";
        KeptFile file;
        QVERIFY(file.Open(kept, Id(kept), false));
        fs::rename(kept, root + "/moved");
        QCOMPARE(ReplaceWithHardLink(file, target, Id(target)).status, ReplaceStatus::KeptChanged);
        fs::rename(root + "/moved", kept);
        Write(kept, "sane");
        QCOMPARE(ReplaceWithHardLink(file, target, Id(target)).status, ReplaceStatus::KeptChanged);
        VERIFY_UNTOUCHED(target, Id(target).inode, "same");
        RemoveTree(dir.path()); // a name that is not UTF-8
    }

    void aHardLinkNeverCrossesFileSystems()
    {
        NeedMounts();
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        for (const char* folder : {"/volume", "/sub", "/bind"})
            fs::create_directories(root + folder);
        QVERIFY(MountTmpfs(root + "/volume", "size=1m"));
        QVERIFY(::mount((root + "/sub").c_str(), (root + "/bind").c_str(), nullptr, MS_BIND, nullptr) == 0);
        for (const char* name : {"/kept", "/volume/copy", "/sub/copy"})
            Write(root + name, "same");
        // Another device, and the same device seen through a second mount.
        for (const std::string& copy : {root + "/volume/copy", root + "/bind/copy"}) {
            const FileIdentity identity = Id(copy);
            QCOMPARE(Replace(false, root + "/kept", copy, identity).status, ReplaceStatus::OtherFileSystem);
            VERIFY_UNTOUCHED(copy, identity.inode, "same");
        }
        QVERIFY(Unmount(root + "/bind") && Unmount(root + "/volume"));
    }

    void aFailedReplacementLeavesTheFileAsItWas()
    {
        NeedMounts();
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        fs::create_directories(root + "/locked");
        for (const char* name : {"/kept", "/locked/copy", "/fixed"})
            Write(root + name, "same");
        const FileIdentity locked = Id(root + "/locked/copy");
        QVERIFY(BindReadOnly(root + "/locked"));
        const ReplaceResult readOnly = Replace(false, root + "/kept", root + "/locked/copy", locked);
        QVERIFY(readOnly.status == ReplaceStatus::Failed && readOnly.error == EROFS);
        VERIFY_UNTOUCHED(root + "/locked/copy", locked.inode, "same");
        QVERIFY(Unmount(root + "/locked"));

        // The link is made, the rename refused (an immutable file): the temporary name goes again.
        const int fd = ::open((root + "/fixed").c_str(), O_RDONLY | O_CLOEXEC);
        int flags = FS_IMMUTABLE_FL;
        QVERIFY(::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0);
        const ReplaceResult refused = Replace(false, root + "/kept", root + "/fixed", Id(root + "/fixed"));
        flags = 0;
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        ::close(fd);
        QVERIFY(refused.status == ReplaceStatus::Failed && refused.error == EPERM);
        VERIFY_UNTOUCHED(root + "/fixed", Id(root + "/fixed").inode, "same");
        QCOMPARE(Stat(root + "/kept").st_nlink, nlink_t(1));
    }

    void sharedStorageWhereTheFileSystemHasIt()
    {
        NeedMounts();
        for (const char* mkfs : {"mkfs.btrfs -q", "mkfs.xfs -q"}) {
            QTemporaryDir dir;
            const std::string volume = Native(dir.path()) + "/volume";
            const QString why = MountImage(volume, QLatin1String(mkfs));
            if (!why.isEmpty())
                QSKIP(qPrintable(why));
            // More than two requests' worth, ending in part of a block; its own mode and times.
            const std::string contents = Pattern((40 << 20) + 123, 7), kept = volume + "/kept",
                              copy = volume + "/copy";
            Write(kept, contents);
            Write(copy, contents);
            ::chmod(copy.c_str(), 0640);
            const timespec old[2] = {{1000000000, 5}, {1000000001, 7}};
            ::utimensat(AT_FDCWD, copy.c_str(), old, 0);
            const struct stat before = Stat(copy);

            // Stopped after the first request: what was shared stays shared, the file unchanged.
            ReplaceResult result = Replace(true, kept, copy, Id(copy), [](std::uint64_t) { return false; });
            QVERIFY(result.status == ReplaceStatus::Stopped && result.freed == 16 << 20);
            result = Replace(true, kept, copy, Id(copy));
            QCOMPARE(result.status, ReplaceStatus::Done);
            QCOMPARE(result.freed, std::uint64_t(contents.size()));
            const struct stat after = Stat(copy);
            QVERIFY(after.st_ino == before.st_ino && after.st_mode == before.st_mode);
            QVERIFY(after.st_mtim.tv_sec == before.st_mtim.tv_sec &&
                    after.st_mtim.tv_nsec == before.st_mtim.tv_nsec);
            QCOMPARE(after.st_atim.tv_sec, before.st_atim.tv_sec);
            QVERIFY(Read(copy) == contents);
            QCOMPARE(Replace(true, kept, copy, Id(copy)).status, ReplaceStatus::AlreadyShared);

            // Contents that differ although the file looks as compared: the kernel refuses.
            Write(volume + "/other", Pattern(contents.size(), 8));
            QCOMPARE(Replace(true, kept, volume + "/other", Id(volume + "/other")).status,
                     ReplaceStatus::Changed);
            QVERIFY(Read(volume + "/other") == Pattern(contents.size(), 8));

            // A full disk: sharing either works or changes nothing.
            Write(volume + "/small", Pattern(1 << 20, 9));
            Write(volume + "/small-copy", Pattern(1 << 20, 9));
            QVERIFY(FillUp(volume));
            const ReplaceResult full =
                Replace(true, volume + "/small", volume + "/small-copy", Id(volume + "/small-copy"));
            QVERIFY(full.status == ReplaceStatus::Done || full.status == ReplaceStatus::Failed);
            QVERIFY(Read(volume + "/small-copy") == Pattern(1 << 20, 9));
            QVERIFY(Unmount(volume));
        }
    }

    void aFullDiskChangesNothing()
    {
        NeedMounts();
        QTemporaryDir dir;
        const std::string volume = Native(dir.path()) + "/volume";
        // A plain folder, without a hashed index, so that no block of it is left with room.
        const QString why = MountImage(volume, QStringLiteral("mkfs.ext4 -q -F -O ^dir_index"));
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        for (const char* name : {"/kept", "/copy", "/anchor"})
            Write(volume + name, "same");
        const FileIdentity identity = Id(volume + "/copy");
        QVERIFY(FillUp(volume));
        // Long names first, then short ones fill what is left of the folder's blocks.
        int names = 0;
        for (const size_t length : {250, 8}) {
            while (names < 100000 &&
                   ::link((volume + "/anchor").c_str(),
                          (volume + "/" + std::to_string(100000 + names++) + std::string(length - 6, 'n'))
                              .c_str()) == 0) {
            }
        }
        QCOMPARE(errno, ENOSPC);
        const ReplaceResult result = Replace(false, volume + "/kept", volume + "/copy", identity);
        QVERIFY(result.status == ReplaceStatus::Failed && result.error == ENOSPC);
        VERIFY_UNTOUCHED(volume + "/copy", identity.inode, "same");
        ActionLog log(volume + "/actions.log");
        QVERIFY(!log.Write("hard-link", "/x", "/kept", "intent"));
        QCOMPARE(log.Error(), ENOSPC);
        QVERIFY(Unmount(volume));
    }

    void withoutSharedStorageNothingChanges()
    {
        QTemporaryDir dir;
        std::vector<std::string> folders = {Native(dir.path())}; // ext4 or whatever holds it
        if (m_noMounts.isEmpty()) {
            fs::create_directories(folders[0] + "/tmpfs");
            QVERIFY(MountTmpfs(folders[0] + "/tmpfs", "size=4m"));
            folders.push_back(folders[0] + "/tmpfs");
        }
        for (const std::string& folder : folders) {
            Write(folder + "/kept", Pattern(100000, 1));
            Write(folder + "/copy", Pattern(100000, 1));
            const FileIdentity before = Id(folder + "/copy");
            const ReplaceResult result = Replace(true, folder + "/kept", folder + "/copy", before);
            if (result.status == ReplaceStatus::Done)
                continue; // this file system can share after all
            QVERIFY(result.status == ReplaceStatus::NotSupported && result.freed == 0);
            QVERIFY(Id(folder + "/copy") == before);
        }
        if (folders.size() > 1)
            QVERIFY(Unmount(folders[1]));
    }

    void theLogKeepsExactBytesAndTellsAFailure()
    {
        QTemporaryDir dir;
        const std::string state = Native(dir.path()) + "/state/";
        EnvironmentGuard guard("XDG_STATE_HOME", "relative");
        QCOMPARE(ActionLog::DefaultPath(), Native(m_home.Path()) + "/.local/state/tresmolo/actions.log");
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(state));
        ActionLog log;
        QCOMPARE(log.Path(), state + "tresmolo/actions.log");
        QVERIFY(log.Write("share", "/a\tb\\c\n\xff\xc3\xa9", "", "intent") &&
                log.Write("share", "/x", "/kept", "done"));
        const QList<QByteArray> lines = QByteArray::fromStdString(Read(log.Path())).split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].split('\t').mid(1),
                 QList<QByteArray>({"share", "/a\\x09b\\x5cc\\x0a\\xff\xc3\xa9", "-", "intent"}));
        QCOMPARE(lines[1].split('\t').mid(1), QList<QByteArray>({"share", "/x", "/kept", "done"}));
        QCOMPARE(Stat(log.Path()).st_mode & 0777, mode_t(0600));
        QCOMPARE(Stat(state + "tresmolo").st_mode & 0777, mode_t(0700));

        Write(state + "file", "");
        ActionLog blocked(state + "file/actions.log");
        QVERIFY(!blocked.Write("share", "/x", "/kept", "intent") && blocked.Failed());
        QCOMPARE(blocked.Error(), ENOTDIR);
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestReplace)
#include "tst_replace.moc"
