#include "platform/Replace.h"

#include "platform/FileFind.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

constexpr std::uint64_t kMostPerRequest = 16 * 1024 * 1024;
constexpr int kNameTries = 100;

class OwnedFd
{
public:
    explicit OwnedFd(int fd = -1) : m_fd(fd) {}
    ~OwnedFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OwnedFd(const OwnedFd&) = delete;
    OwnedFd& operator=(const OwnedFd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

ReplaceResult Result(ReplaceStatus status, int error = 0, std::uint64_t freed = 0)
{
    return {status, error, freed};
}

// The folder part (without the last "/", the root as "/") and the name of a path.
bool Split(const std::string& path, std::string* folder, std::string* name)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash + 1 == path.size())
        return false;
    *folder = slash == 0 ? std::string("/") : path.substr(0, slash);
    *name = path.substr(slash + 1);
    return *name != "." && *name != "..";
}

// Opens a folder for looking entries up and changing them; the folder itself is not followed when
// it is a link.
int OpenFolder(const std::string& folder)
{
    if (folder.size() >= PATH_MAX)
        return CFileFind::OpenFolder(folder);
    return ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The entry `name` of `folder`, not followed, when it is a regular file.
bool LookRegular(int folder, const char* name, struct stat* status)
{
    return ::fstatat(folder, name, status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status->st_mode);
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A name for the new link beside the file; short, so it fits whatever the file's own name.
std::string TemporaryName()
{
    unsigned char bytes[6] = {};
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != ssize_t(sizeof bytes)) {
        const auto seed = std::uint64_t(::getpid()) * 2654435761u ^ std::uint64_t(std::clock());
        std::memcpy(bytes, &seed, sizeof bytes);
    }
    static const char kDigits[] = "0123456789abcdef";
    std::string name = ".tresmolo-";
    for (unsigned char byte : bytes) {
        name += kDigits[byte >> 4];
        name += kDigits[byte & 15];
    }
    return name + ".tmp";
}

// Links the kept file, by its descriptor, to `name` in `folder`; the link by path is the last
// resort and is checked afterwards. Returns 0 or an errno.
int LinkKept(const KeptFile& kept, int folder, const std::string& name)
{
    if (::linkat(kept.Fd(), "", folder, name.c_str(), AT_EMPTY_PATH) == 0)
        return 0;
    if (errno != ENOENT && errno != EPERM && errno != EINVAL)
        return errno;
    // Without the right to link by descriptor: through the descriptor's entry in /proc.
    const std::string proc = "/proc/self/fd/" + std::to_string(kept.Fd());
    if (::linkat(AT_FDCWD, proc.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    if (errno != ENOENT && errno != EPERM && errno != EINVAL)
        return errno;
    if (::linkat(AT_FDCWD, kept.Path().c_str(), folder, name.c_str(), 0) == 0)
        return 0;
    return errno;
}

// Whether both files already take the very same storage (FIEMAP); false when it cannot be told.
bool SameStorage(int first, int second)
{
    constexpr unsigned kMostExtents = 256;
    // A map is its head followed by its extents.
    struct Map
    {
        std::unique_ptr<void, decltype(&std::free)> memory{
            std::calloc(1, sizeof(fiemap) + kMostExtents * sizeof(fiemap_extent)), &std::free};
        fiemap* head() { return static_cast<fiemap*>(memory.get()); }
        const fiemap_extent& at(unsigned i) { return head()->fm_extents[i]; }
    };
    const auto read = [](int fd, Map& map) {
        fiemap* head = map.head();
        if (!head)
            return false;
        head->fm_length = FIEMAP_MAX_OFFSET;
        head->fm_flags = FIEMAP_FLAG_SYNC;
        head->fm_extent_count = kMostExtents;
        if (::ioctl(fd, FS_IOC_FIEMAP, head) != 0 || head->fm_mapped_extents == 0)
            return false;
        if (!(map.at(head->fm_mapped_extents - 1).fe_flags & FIEMAP_EXTENT_LAST))
            return false;
        constexpr unsigned kUnclear = FIEMAP_EXTENT_UNKNOWN | FIEMAP_EXTENT_DELALLOC |
                                      FIEMAP_EXTENT_DATA_INLINE | FIEMAP_EXTENT_NOT_ALIGNED |
                                      FIEMAP_EXTENT_ENCODED | FIEMAP_EXTENT_DATA_TAIL;
        for (unsigned i = 0; i < head->fm_mapped_extents; ++i)
            if ((map.at(i).fe_flags & kUnclear) || map.at(i).fe_physical == 0)
                return false;
        return true;
    };
    Map a, b;
    if (!read(first, a) || !read(second, b) || a.head()->fm_mapped_extents != b.head()->fm_mapped_extents)
        return false;
    for (unsigned i = 0; i < a.head()->fm_mapped_extents; ++i) {
        const fiemap_extent& x = a.at(i);
        const fiemap_extent& y = b.at(i);
        if (x.fe_logical != y.fe_logical || x.fe_physical != y.fe_physical || x.fe_length != y.fe_length)
            return false;
    }
    return true;
}

// Puts the last access and last write back as they were, when sharing changed them.
void KeepTimes(int fd, const struct stat& before)
{
    struct stat after;
    if (::fstat(fd, &after) != 0)
        return;
    const bool accessMoved =
        after.st_atim.tv_sec != before.st_atim.tv_sec || after.st_atim.tv_nsec != before.st_atim.tv_nsec;
    const bool writeMoved =
        after.st_mtim.tv_sec != before.st_mtim.tv_sec || after.st_mtim.tv_nsec != before.st_mtim.tv_nsec;
    if (accessMoved || writeMoved) {
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ::futimens(fd, times);
    }
}

} // namespace

FileIdentity FileIdentity::Of(const struct stat& status)
{
    return {std::uint64_t(status.st_dev),         std::uint64_t(status.st_ino),
            std::uint64_t(status.st_size),        std::int64_t(status.st_mtim.tv_sec),
            std::int64_t(status.st_mtim.tv_nsec), std::int64_t(status.st_ctim.tv_sec),
            std::int64_t(status.st_ctim.tv_nsec)};
}

bool IdentifyFile(const std::string& path, FileIdentity* identity)
{
    std::string folder, name;
    if (!Split(path, &folder, &name))
        return false;
    const OwnedFd dir(OpenFolder(folder));
    struct stat status;
    if (dir.get() < 0 || !LookRegular(dir.get(), name.c_str(), &status))
        return false;
    *identity = FileIdentity::Of(status);
    return true;
}

// --- The file that stays ------------------------------------------------------------------------

KeptFile::~KeptFile()
{
    Close();
}

void KeptFile::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool KeptFile::Open(const std::string& path, const FileIdentity& verified, bool forReading)
{
    Close();
    m_path = path;
    m_identity = verified;
    std::string folder, name;
    if (!Split(path, &folder, &name))
        return false;
    const OwnedFd dir(OpenFolder(folder));
    if (dir.get() < 0)
        return false;
    const int flags = (forReading ? O_RDONLY | O_NONBLOCK | O_NOCTTY : O_PATH) | O_NOFOLLOW | O_CLOEXEC;
    m_fd = ::openat(dir.get(), name.c_str(), flags);
    if (m_fd < 0)
        return false;
    if (!StillSame()) {
        Close();
        return false;
    }
    return true;
}

bool KeptFile::StillSame() const
{
    struct stat open, named;
    if (m_fd < 0 || ::fstat(m_fd, &open) != 0 || !S_ISREG(open.st_mode) ||
        FileIdentity::Of(open) != m_identity)
        return false;
    // The path must still name it: the log and the user know it by that path.
    std::string folder, name;
    if (!Split(m_path, &folder, &name))
        return false;
    const OwnedFd dir(OpenFolder(folder));
    return dir.get() >= 0 && LookRegular(dir.get(), name.c_str(), &named) && SameFile(open, named);
}

void KeptFile::NoteOwnChange()
{
    struct stat open;
    if (m_fd < 0 || ::fstat(m_fd, &open) != 0)
        return;
    // Only the last change may move: a different size or last write is a change by someone else.
    const FileIdentity now = FileIdentity::Of(open);
    FileIdentity expected = m_identity;
    expected.changed = now.changed;
    expected.changedNs = now.changedNs;
    if (now == expected)
        m_identity = expected;
}

// --- Hard links ---------------------------------------------------------------------------------

ReplaceResult ReplaceWithHardLink(KeptFile& kept, const std::string& path, const FileIdentity& verified)
{
    std::string folderPath, name;
    if (!Split(path, &folderPath, &name))
        return Result(ReplaceStatus::Changed);
    const OwnedFd folder(OpenFolder(folderPath));
    if (folder.get() < 0)
        return Result(errno == ENOENT || errno == ENOTDIR || errno == ELOOP ? ReplaceStatus::Changed
                                                                            : ReplaceStatus::Failed,
                      errno);
    // The file itself is held, so what the rename drops can be told afterwards.
    const OwnedFd file(::openat(folder.get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat before;
    if (file.get() < 0) {
        const int code = errno;
        return Result(code == ENOENT ? ReplaceStatus::Changed : ReplaceStatus::Failed, code);
    }
    if (::fstat(file.get(), &before) != 0 || !S_ISREG(before.st_mode) || FileIdentity::Of(before) != verified)
        return Result(ReplaceStatus::Changed);
    if (!kept.StillSame())
        return Result(ReplaceStatus::KeptChanged);
    const FileIdentity& keptIdentity = kept.Identity();
    if (verified.device == keptIdentity.device && verified.inode == keptIdentity.inode)
        return Result(ReplaceStatus::AlreadyLinked);
    if (verified.device != keptIdentity.device)
        return Result(ReplaceStatus::OtherFileSystem);

    std::string temporary;
    int linked = EEXIST;
    for (int attempt = 0; attempt < kNameTries && linked == EEXIST; ++attempt) {
        temporary = TemporaryName();
        linked = LinkKept(kept, folder.get(), temporary);
    }
    if (linked != 0)
        return Result(linked == EXDEV ? ReplaceStatus::OtherFileSystem : ReplaceStatus::Failed, linked);
    kept.NoteOwnChange();
    const auto dropTemporary = [&] {
        const bool removed = ::unlinkat(folder.get(), temporary.c_str(), 0) == 0;
        kept.NoteOwnChange();
        return removed;
    };

    // The new name must be the kept file (a link made by path could have met another file), and
    // the file must still be the one compared, right before it is replaced.
    struct stat made, now;
    struct stat keptNow;
    const bool madeRight = LookRegular(folder.get(), temporary.c_str(), &made) &&
                           ::fstat(kept.Fd(), &keptNow) == 0 && SameFile(made, keptNow);
    if (!madeRight || !kept.StillSame()) {
        dropTemporary();
        return Result(ReplaceStatus::KeptChanged);
    }
    if (!LookRegular(folder.get(), name.c_str(), &now) || !SameFile(now, before) ||
        FileIdentity::Of(now) != verified) {
        dropTemporary();
        return Result(ReplaceStatus::Changed);
    }
    if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0) {
        const int code = errno;
        dropTemporary();
        return Result(ReplaceStatus::Failed, code);
    }
    // A rename onto the same file "succeeds" and leaves both names: the temporary one always goes.
    if (dropTemporary())
        return Result(ReplaceStatus::AlreadyLinked);
    struct stat dropped;
    const bool gone = ::fstat(file.get(), &dropped) == 0 && dropped.st_nlink == 0;
    return Result(ReplaceStatus::Done, 0, gone ? std::uint64_t(dropped.st_blocks) * 512 : 0);
}

// --- Shared storage -----------------------------------------------------------------------------

ReplaceResult ShareStorage(KeptFile& kept, const std::string& path, const FileIdentity& verified,
                           const ShareProgress& progress)
{
    std::string folderPath, name;
    if (!Split(path, &folderPath, &name))
        return Result(ReplaceStatus::Changed);
    const OwnedFd folder(OpenFolder(folderPath));
    if (folder.get() < 0)
        return Result(errno == ENOENT || errno == ENOTDIR || errno == ELOOP ? ReplaceStatus::Changed
                                                                            : ReplaceStatus::Failed,
                      errno);
    // Sharing needs the file open, but not for writing: the owner may share a read-only file.
    const OwnedFd file(
        ::openat(folder.get(), name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (file.get() < 0) {
        const int code = errno;
        return Result(code == ENOENT || code == ELOOP ? ReplaceStatus::Changed : ReplaceStatus::Failed, code);
    }
    struct stat before;
    if (::fstat(file.get(), &before) != 0 || !S_ISREG(before.st_mode) || FileIdentity::Of(before) != verified)
        return Result(ReplaceStatus::Changed);
    if (!kept.StillSame())
        return Result(ReplaceStatus::KeptChanged);
    const FileIdentity& keptIdentity = kept.Identity();
    if (verified.device == keptIdentity.device && verified.inode == keptIdentity.inode)
        return Result(ReplaceStatus::AlreadyLinked);
    if (verified.device != keptIdentity.device)
        return Result(ReplaceStatus::OtherFileSystem);
    if (verified.size == 0)
        return Result(ReplaceStatus::Empty);
    if (SameStorage(kept.Fd(), file.get()))
        return Result(ReplaceStatus::AlreadyShared);

    // A request is its head followed by the one file it shares into.
    constexpr size_t kRequestSize = sizeof(file_dedupe_range) + sizeof(file_dedupe_range_info);
    const std::unique_ptr<void, decltype(&std::free)> request(std::calloc(1, kRequestSize), &std::free);
    if (!request)
        return Result(ReplaceStatus::Failed, ENOMEM);
    file_dedupe_range& head = *static_cast<file_dedupe_range*>(request.get());
    file_dedupe_range_info& target = head.info[0];
    const std::uint64_t block = before.st_blksize > 0 ? std::uint64_t(before.st_blksize) : 4096;
    std::uint64_t offset = 0;
    ReplaceResult result = Result(ReplaceStatus::Done);
    while (offset < verified.size) {
        std::memset(request.get(), 0, kRequestSize);
        head.src_offset = offset;
        head.src_length = std::min(kMostPerRequest, verified.size - offset);
        head.dest_count = 1;
        target.dest_fd = file.get();
        target.dest_offset = offset;
        int code = 0;
        for (;;) {
            code = ::ioctl(kept.Fd(), FIDEDUPERANGE, &head) == 0 ? -target.status : errno;
            if (code == EINTR)
                continue;
            // A length the file system will not take: whole blocks only (the end of the file aside).
            const std::uint64_t aligned = head.src_length / block * block;
            if (code == EINVAL && aligned > 0 && aligned < head.src_length) {
                head.src_length = aligned;
                target.status = 0;
                target.bytes_deduped = 0;
                continue;
            }
            break;
        }
        const bool first = offset == 0;
        if (code == -FILE_DEDUPE_RANGE_DIFFERS) {
            result = Result(ReplaceStatus::Changed);
        } else if (code == EINVAL && !first && verified.size - offset < block) {
            // Only the file's last part block stays its own: everything else is shared.
        } else if (code == EOPNOTSUPP || code == ENOTTY || code == ENOSYS || (code == EINVAL && first)) {
            result = Result(first ? ReplaceStatus::NotSupported : ReplaceStatus::Failed, code);
        } else if (code == EXDEV) {
            result = Result(ReplaceStatus::OtherFileSystem);
        } else if (code != 0) {
            result = Result(ReplaceStatus::Failed, code);
        } else if (target.bytes_deduped == 0) {
            result = Result(ReplaceStatus::Failed, EIO);
        } else {
            offset += target.bytes_deduped;
            if (!progress || progress(offset))
                continue;
            result = Result(ReplaceStatus::Stopped);
        }
        break;
    }
    KeepTimes(file.get(), before);
    result.freed = offset;
    return result;
}

} // namespace platform
