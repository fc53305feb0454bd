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
#include <sys/resource.h>
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
ReplaceResult Link(const std::string& kept, const std::string& path, const FileIdentity& identity)
{
    KeptFile file;
    if (!file.Open(kept, Id(kept), false))
        return {ReplaceStatus::KeptChanged, 0, 0};
    return ReplaceWithHardLink(file, path, identity);
}
ReplaceResult Share(const std::string& kept, const std::string& path, const FileIdentity& identity,
                    const ShareProgress& progress = {})
{
    KeptFile file;
    if (!file.Open(kept, Id(kept), true))
        return {ReplaceStatus::KeptChanged, 0, 0};
    return ShareStorage(file, path, identity, progress);
}
std::string Pattern(size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 2654435761u + seed) >> 13);
    return bytes;
}
bool Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
// A fresh file system of `type` from a sparse image, mounted at `where`; "" or why not.
QString MountImage(const QString& type, const std::string& image, const std::string& where,
                   const QStringList& options = {})
{
    const int fd = ::open(image.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const bool sized = fd >= 0 && ::ftruncate(fd, 320ll << 20) == 0;
    ::close(fd);
    if (!sized)
        return QStringLiteral("no room for an image");
    const QStringList quiet = type == QLatin1String("ext4")
                                  ? QStringList{QStringLiteral("-q"), QStringLiteral("-F")}
                                  : QStringList{QStringLiteral("-q")};
    if (!Run(QStringLiteral("mkfs.") + type, quiet + options + QStringList{QString::fromStdString(image)}))
        return QStringLiteral("mkfs.%1 failed").arg(type);
    fs::create_directories(where);
    if (!Run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("loop"),
                                       QString::fromStdString(image), QString::fromStdString(where)}))
        return QStringLiteral("no loop device for %1").arg(type);
    return {};
}
// Writes until no block is left, smaller pieces last, also after what a sync gives back.
bool FillUp(const std::string& folder)
{
    const int fd = ::open((folder + "/filler").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    static const std::string block(1 << 20, 'z');
    bool full = false;
    for (const size_t piece : {size_t(1) << 20, size_t(4096), size_t(512)}) {
        for (int round = 0; round < 2; ++round) {
            while (fd >= 0 && ::write(fd, block.data(), piece) > 0) {
            }
            full = errno == ENOSPC;
            ::fsync(fd);
        }
    }
    ::close(fd);
    return full;
}
bool SetImmutable(const std::string& path, bool on)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    int flags = 0;
    const bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                      (flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL, true) &&
                      ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
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
        Write(kept, "same");
        Write(other, "same");
        ReplaceResult result = Link(kept, other, Id(other));
        QCOMPARE(result.status, ReplaceStatus::Done);
        QVERIFY(result.freed > 0);
        QCOMPARE(Stat(other).st_ino, Stat(kept).st_ino);
        VERIFY_UNTOUCHED(other, Stat(kept).st_ino, "same");
        QCOMPARE(Link(kept, other, Id(other)).status, ReplaceStatus::AlreadyLinked);

        // Written after the check (same size): refused, even though the last write time looks old.
        const std::string changed = root + "/changed";
        Write(changed, "same");
        const FileIdentity compared = Id(changed);
        Write(changed, "SAME");
        const timespec old[2] = {{compared.modified, compared.modifiedNs},
                                 {compared.modified, compared.modifiedNs}};
        ::utimensat(AT_FDCWD, changed.c_str(), old, 0);
        QCOMPARE(Link(kept, changed, compared).status, ReplaceStatus::Changed);
        VERIFY_UNTOUCHED(changed, compared.inode, "SAME");
        // Replaced by a link to the very file that stays: still not the file compared.
        const std::string swapped = root + "/swapped";
        Write(swapped, "same");
        const FileIdentity before = Id(swapped);
        fs::remove(swapped);
        fs::create_symlink(kept, swapped);
        QCOMPARE(Link(kept, swapped, before).status, ReplaceStatus::Changed);
        QVERIFY(fs::is_symlink(swapped));

        // The file that stays vanished or changed after it was opened: nothing happens.
        const std::string target = root + "/target";
        Write(target, "same");
        KeptFile file;
        QVERIFY(file.Open(kept, Id(kept), false));
        fs::rename(kept, root + "/moved");
        QCOMPARE(ReplaceWithHardLink(file, target, Id(target)).status, ReplaceStatus::KeptChanged);
        fs::rename(root + "/moved", kept);
        Write(kept, "sane");
        QCOMPARE(ReplaceWithHardLink(file, target, Id(target)).status, ReplaceStatus::KeptChanged);
        QVERIFY(!file.Open(kept, Id(target), false));
        VERIFY_UNTOUCHED(target, Id(target).inode, "same");
        RemoveTree(dir.path()); // a name that is not UTF-8
    }

    void aHardLinkNeverCrossesFileSystems()
    {
        NeedMounts();
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        fs::create_directories(root + "/volume");
        fs::create_directories(root + "/sub");
        fs::create_directories(root + "/bind");
        QVERIFY(MountTmpfs(root + "/volume", "size=1m"));
        QVERIFY(::mount((root + "/sub").c_str(), (root + "/bind").c_str(), nullptr, MS_BIND, nullptr) == 0);
        Write(root + "/kept", "same");
        Write(root + "/volume/copy", "same");
        Write(root + "/sub/copy", "same");
        // Another device, and the same device seen through a second mount.
        for (const std::string& copy : {root + "/volume/copy", root + "/bind/copy"}) {
            const FileIdentity identity = Id(copy);
            QCOMPARE(Link(root + "/kept", copy, identity).status, ReplaceStatus::OtherFileSystem);
            VERIFY_UNTOUCHED(copy, identity.inode, "same");
        }
        QVERIFY(Unmount(root + "/bind") && Unmount(root + "/volume"));
    }

    void aFailedReplacementLeavesTheFileAsItWas()
    {
        NeedMounts();
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        Write(root + "/kept", "same");
        fs::create_directories(root + "/locked");
        Write(root + "/locked/copy", "same");
        const FileIdentity locked = Id(root + "/locked/copy");
        QVERIFY(BindReadOnly(root + "/locked"));
        const ReplaceResult readOnly = Link(root + "/kept", root + "/locked/copy", locked);
        QCOMPARE(readOnly.status, ReplaceStatus::Failed);
        QCOMPARE(readOnly.error, EROFS);
        VERIFY_UNTOUCHED(root + "/locked/copy", locked.inode, "same");
        QVERIFY(Unmount(root + "/locked"));

        // The link is made, the rename refused (an immutable file): the temporary name goes again.
        const std::string fixed = root + "/fixed";
        Write(fixed, "same");
        QVERIFY(SetImmutable(fixed, true));
        const ReplaceResult refused = Link(root + "/kept", fixed, Id(fixed));
        QVERIFY(SetImmutable(fixed, false));
        QCOMPARE(refused.status, ReplaceStatus::Failed);
        QCOMPARE(refused.error, EPERM);
        VERIFY_UNTOUCHED(fixed, Id(fixed).inode, "same");
        QCOMPARE(Stat(root + "/kept").st_nlink, nlink_t(1));

        // No descriptor left.
        KeptFile kept;
        QVERIFY(kept.Open(root + "/kept", Id(root + "/kept"), true));
        rlimit saved;
        ::getrlimit(RLIMIT_NOFILE, &saved);
        const int lowest = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ::close(lowest);
        rlimit low = {rlim_t(lowest), saved.rlim_max};
        ::setrlimit(RLIMIT_NOFILE, &low);
        const ReplaceResult linked = ReplaceWithHardLink(kept, fixed, Id(fixed));
        const ReplaceResult shared = ShareStorage(kept, fixed, Id(fixed));
        ::setrlimit(RLIMIT_NOFILE, &saved);
        QCOMPARE(linked.status, ReplaceStatus::Failed);
        QCOMPARE(shared.status, ReplaceStatus::Failed);
        QCOMPARE(linked.error, EMFILE);
        VERIFY_UNTOUCHED(fixed, Id(fixed).inode, "same");
    }

    void sharedStorageWhereTheFileSystemHasIt()
    {
        NeedMounts();
        for (const char* name : {"btrfs", "xfs"}) {
            const QString type = QLatin1String(name);
            QTemporaryDir dir;
            const std::string root = Native(dir.path()), volume = root + "/volume";
            const QString why = MountImage(type, root + "/image", volume);
            if (!why.isEmpty())
                QSKIP(qPrintable(why));
            // More than two requests' worth, ending in part of a block.
            const std::string contents = Pattern((40 << 20) + 123, 7);
            const std::string kept = volume + "/kept", copy = volume + "/copy";
            Write(kept, contents);
            Write(copy, contents);
            ::chmod(copy.c_str(), 0640);
            const timespec old[2] = {{1000000000, 5}, {1000000001, 7}};
            ::utimensat(AT_FDCWD, copy.c_str(), old, 0);
            const struct stat before = Stat(copy);

            // Stopped after the first request: what was shared stays shared, the file unchanged.
            ReplaceResult result = Share(kept, copy, Id(copy), [](std::uint64_t) { return false; });
            QCOMPARE(result.status, ReplaceStatus::Stopped);
            QCOMPARE(result.freed, std::uint64_t(16 << 20));
            result = Share(kept, copy, Id(copy));
            QCOMPARE(result.status, ReplaceStatus::Done);
            QCOMPARE(result.freed, std::uint64_t(contents.size()));
            const struct stat after = Stat(copy);
            QCOMPARE(after.st_ino, before.st_ino);
            QCOMPARE(after.st_mode, before.st_mode);
            QCOMPARE(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
            QCOMPARE(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
            QCOMPARE(after.st_atim.tv_sec, before.st_atim.tv_sec);
            QVERIFY(Read(copy) == contents);
            QCOMPARE(Share(kept, copy, Id(copy)).status, ReplaceStatus::AlreadyShared);

            // Contents that differ although the file looks as compared: the kernel refuses.
            const std::string other = volume + "/other";
            Write(other, Pattern(contents.size(), 8));
            QCOMPARE(Share(kept, other, Id(other)).status, ReplaceStatus::Changed);
            QVERIFY(Read(other) == Pattern(contents.size(), 8));

            // A full disk: sharing and linking either work or change nothing.
            const std::string small = volume + "/small", smallCopy = volume + "/small-copy";
            Write(small, Pattern(1 << 20, 9));
            Write(smallCopy, Pattern(1 << 20, 9));
            Write(volume + "/linked", Pattern(1 << 20, 9));
            QVERIFY(FillUp(volume));
            const ReplaceResult full = Share(small, smallCopy, Id(smallCopy));
            QVERIFY2(full.status == ReplaceStatus::Done || full.status == ReplaceStatus::Failed,
                     qPrintable(type));
            QVERIFY(Read(smallCopy) == Pattern(1 << 20, 9));
            const ReplaceResult fullLink = Link(small, volume + "/linked", Id(volume + "/linked"));
            QVERIFY(fullLink.status == ReplaceStatus::Done || fullLink.status == ReplaceStatus::Failed);
            QVERIFY(Read(volume + "/linked") == Pattern(1 << 20, 9));
            QCOMPARE(Temporaries(volume), size_t(0));
            QVERIFY(Unmount(volume));
        }
    }

    void aFullDiskChangesNothing()
    {
        NeedMounts();
        QTemporaryDir dir;
        const std::string root = Native(dir.path()), volume = root + "/volume";
        const QString why = MountImage(QStringLiteral("ext4"), root + "/image", volume,
                                       {QStringLiteral("-O"), QStringLiteral("^dir_index")});
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        Write(volume + "/kept", "same");
        Write(volume + "/copy", "same");
        const FileIdentity identity = Id(volume + "/copy");
        // No block left, not even for one more name in the folder.
        QVERIFY(FillUp(volume));
        // Long names first, then short ones fill what is left of the folder's blocks (a plain
        // folder, without a hashed index, so that no block is left with room).
        Write(volume + "/anchor", "");
        int names = 0;
        for (const size_t length : {250, 8}) {
            while (names < 100000 &&
                   ::link((volume + "/anchor").c_str(),
                          (volume + "/" + std::to_string(100000 + names++) + std::string(length - 6, 'n'))
                              .c_str()) == 0) {
            }
        }
        QCOMPARE(errno, ENOSPC);
        const ReplaceResult result = Link(volume + "/kept", volume + "/copy", identity);
        QCOMPARE(result.status, ReplaceStatus::Failed);
        QCOMPARE(result.error, ENOSPC);
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
            const ReplaceResult result = Share(folder + "/kept", folder + "/copy", before);
            if (result.status == ReplaceStatus::Done)
                continue; // this file system can share after all
            QCOMPARE(result.status, ReplaceStatus::NotSupported);
            QCOMPARE(result.freed, std::uint64_t(0));
            QVERIFY(Id(folder + "/copy") == before);
        }
        if (folders.size() > 1)
            QVERIFY(Unmount(folders[1]));
    }

    void theLogKeepsExactBytesAndTellsAFailure()
    {
        QTemporaryDir dir;
        const QByteArray state = QFile::encodeName(dir.path()) + "/state/";
        {
            EnvironmentGuard guard("XDG_STATE_HOME", state);
            QCOMPARE(ActionLog::DefaultPath(), state.toStdString() + "tresmolo/actions.log");
        }
        {
            EnvironmentGuard guard("XDG_STATE_HOME", "relative");
            QCOMPARE(ActionLog::DefaultPath(), Native(m_home.Path()) + "/.local/state/tresmolo/actions.log");
        }
        ActionLog log(state.toStdString() + "deep/actions.log");
        QVERIFY(log.Write("share", "/a\tb\\c\n\xff\xc3\xa9", "", "intent"));
        QVERIFY(log.Write("share", "/x", "/kept", "done"));
        const QList<QByteArray> lines = QByteArray::fromStdString(Read(log.Path())).split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].split('\t').mid(1),
                 QList<QByteArray>({"share", "/a\\x09b\\x5cc\\x0a\\xff\xc3\xa9", "-", "intent"}));
        QCOMPARE(lines[1].split('\t').mid(1), QList<QByteArray>({"share", "/x", "/kept", "done"}));
        QCOMPARE(Stat(log.Path()).st_mode & 0777, mode_t(0600));
        QCOMPARE(Stat(state.toStdString() + "deep").st_mode & 0777, mode_t(0700));

        Write(state.toStdString() + "file", "");
        ActionLog blocked(state.toStdString() + "file/actions.log");
        QVERIFY(!blocked.Write("share", "/x", "/kept", "intent"));
        QVERIFY(blocked.Failed());
        QCOMPARE(blocked.Error(), ENOTDIR);
    }
};

TRESMOLO_TEST_MAIN(QCoreApplication, TestReplace)
#include "tst_replace.moc"
