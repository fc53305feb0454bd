#include "platform/FolderOpen.h"

#include "platform/KnownFolders.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kListFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
constexpr int kPassFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

long OpenAt2(int dirFd, const char* path, int flags, unsigned long long resolve)
{
    open_how how{};
    how.flags = static_cast<unsigned long long>(flags);
    how.resolve = resolve;
    return ::syscall(SYS_openat2, dirFd, path, &how, sizeof how);
}

// openat2 came with Linux 5.6; a sandbox may also refuse it.
bool HaveOpenAt2()
{
    static const bool have = [] {
        const long fd = OpenAt2(AT_FDCWD, "/", O_PATH | O_CLOEXEC, RESOLVE_NO_SYMLINKS);
        if (fd < 0)
            return false;
        ::close(int(fd));
        return true;
    }();
    return have;
}

// Splits `path` into pieces shorter than PATH_MAX, cut at "/", and opens them one after the other
// from `baseFd`: `open(dirFd, piece, last)` opens one piece. -1 when a piece fails or a single name
// does not fit.
template <typename Open> int OpenInPieces(int baseFd, std::string_view path, Open open)
{
    int fd = baseFd;
    size_t start = 0;
    if (!path.empty() && path.front() == '/' && path.size() >= PATH_MAX) {
        fd = open(AT_FDCWD, std::string("/"), false);
        if (fd < 0)
            return -1;
        start = path.find_first_not_of('/');
    }
    while (start < path.size()) {
        size_t end = path.size();
        if (end - start >= PATH_MAX) {
            end = path.rfind('/', start + PATH_MAX - 1);
            if (end == std::string_view::npos || end <= start) {
                if (fd != baseFd)
                    ::close(fd);
                return -1;
            }
        }
        const bool last = end == path.size() || path.find_first_not_of('/', end) == std::string_view::npos;
        const int next = open(fd, std::string(path.substr(start, end - start)), last);
        if (fd != baseFd)
            ::close(fd);
        if (next < 0)
            return -1;
        fd = next;
        start = path.find_first_not_of('/', end);
        if (start == std::string_view::npos)
            break;
    }
    return fd == baseFd ? ::openat(baseFd, ".", kListFlags & ~O_NOFOLLOW) : fd;
}

// A folder found through a path descriptor: kept out when virtual, else opened for listing.
OpenedFolder ListThrough(int pathFd, const VirtualDevices& devices)
{
    OpenedFolder opened;
    struct stat st;
    if (pathFd < 0) {
        opened.error = errno;
        return opened;
    }
    opened.exists = ::fstat(pathFd, &st) == 0;
    if (!opened.exists) {
        opened.error = errno;
    } else if (!S_ISDIR(st.st_mode)) {
        opened.error = ENOTDIR;
    } else if (IsVirtualFolder(pathFd, devices)) {
        opened.isVirtual = true;
    } else {
        opened.fd = ::openat(pathFd, ".", kListFlags & ~O_NOFOLLOW);
        if (opened.fd < 0)
            opened.error = errno;
    }
    ::close(pathFd);
    return opened;
}

} // namespace

FolderId IdOf(int fd)
{
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return {};
    return {st.st_dev, st.st_ino};
}

bool IsVirtualFolder(int fd, const VirtualDevices& devices)
{
    struct stat st;
    if (::fstat(fd, &st) == 0 && devices.count(st.st_dev))
        return true;
    struct statfs fs;
    return ::fstatfs(fd, &fs) == 0 && IsVirtualFileSystemMagic(static_cast<unsigned long>(fs.f_type));
}

OpenedFolder OpenStartFolder(const std::string& path, const VirtualDevices& devices)
{
    // A path descriptor does not trigger an automount point; links are followed on the way.
    const int pathFd = path.size() < PATH_MAX
                           ? ::open(path.c_str(), O_PATH | O_CLOEXEC)
                           : OpenInPieces(AT_FDCWD, path, [](int dirFd, const std::string& piece, bool) {
                                 return ::openat(dirFd, piece.c_str(), O_PATH | O_CLOEXEC);
                             });
    return ListThrough(pathFd, devices);
}

OpenedFolder OpenSubFolder(int parentFd, const char* name, const VirtualDevices& devices)
{
    OpenedFolder opened;
    if (parentFd < 0) {
        opened.error = EBADF;
        return opened;
    }
    if (HaveOpenAt2()) {
        // Refusing to cross into a mount makes mount points stand out at no cost; an automount
        // point is not triggered by the refusal.
        const long fd = OpenAt2(parentFd, name, kListFlags, RESOLVE_NO_SYMLINKS | RESOLVE_NO_XDEV);
        if (fd >= 0)
            return {int(fd), false, true, 0};
        if (errno != EXDEV) {
            opened.error = errno;
            return opened;
        }
        return ListThrough(::openat(parentFd, name, O_PATH | O_NOFOLLOW | O_CLOEXEC), devices);
    }
    opened.fd = ::openat(parentFd, name, kListFlags);
    if (opened.fd < 0)
        opened.error = errno;
    else if (IsVirtualFolder(opened.fd, devices)) {
        ::close(opened.fd);
        opened = {-1, true, true, 0};
    }
    return opened;
}

int ReopenBeneath(int baseFd, std::string_view relative, FolderId expected)
{
    if (baseFd < 0 || relative.empty())
        return -1;
    int fd = -1;
    if (HaveOpenAt2()) {
        fd = OpenInPieces(baseFd, relative, [](int dirFd, const std::string& piece, bool last) {
            return int(OpenAt2(dirFd, piece.c_str(), last ? kListFlags : kPassFlags,
                               RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS | RESOLVE_BENEATH));
        });
    } else {
        // One name at a time, each refusing a link.
        fd = baseFd;
        size_t start = 0;
        while (start < relative.size()) {
            size_t end = relative.find('/', start);
            if (end == std::string_view::npos)
                end = relative.size();
            const bool last = relative.find_first_not_of('/', end) == std::string_view::npos;
            const std::string name(relative.substr(start, end - start));
            const int next = ::openat(fd, name.c_str(), last ? kListFlags : kPassFlags);
            if (fd != baseFd)
                ::close(fd);
            fd = next;
            if (fd < 0 || last)
                break;
            start = relative.find_first_not_of('/', end);
        }
        if (fd == baseFd)
            fd = -1;
    }
    if (fd >= 0 && !(IdOf(fd) == expected)) {
        ::close(fd);
        fd = -1;
        errno = ESTALE;
    }
    return fd;
}

size_t OpenFileLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 1024;
    return limit.rlim_cur == RLIM_INFINITY ? size_t(1) << 20 : size_t(limit.rlim_cur);
}

namespace {

// The limit the process started with, once RaiseOpenFileLimit changed it.
rlimit g_startLimit{};
bool g_raised = false;

} // namespace

size_t RaiseOpenFileLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return OpenFileLimit();
    const rlimit start = limit;
    rlim_t wanted = limit.rlim_max;
    if (wanted == RLIM_INFINITY) {
        // The kernel refuses more than its ceiling for one process.
        wanted = rlim_t(1) << 20;
        if (FILE* file = std::fopen("/proc/sys/fs/nr_open", "re")) {
            unsigned long long ceiling = 0;
            if (std::fscanf(file, "%llu", &ceiling) == 1 && ceiling > 0)
                wanted = rlim_t(ceiling);
            std::fclose(file);
        }
    }
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < wanted) {
        limit.rlim_cur = wanted;
        if (::setrlimit(RLIMIT_NOFILE, &limit) == 0 && !g_raised) {
            g_startLimit = start;
            g_raised = true;
        }
    }
    return OpenFileLimit();
}

void RestoreOpenFileLimit()
{
    if (g_raised)
        ::setrlimit(RLIMIT_NOFILE, &g_startLimit);
}

size_t OpenDescriptorCount()
{
    DIR* dir = ::opendir("/proc/self/fd");
    if (!dir)
        return 16;
    size_t count = 0;
    while (const dirent* entry = ::readdir(dir))
        if (entry->d_name[0] != '.')
            ++count;
    ::closedir(dir);
    return count > 0 ? count - 1 : 0; // the listing's own descriptor
}

} // namespace platform
