#include "platform/EntryStatus.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/openat2.h>
#include <mutex>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {
namespace {

// Only to look names up in: O_PATH needs no permission to read the folder. On the way to a start
// folder links are followed, as the walk follows them; below it none is.
constexpr int kLookUpFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
constexpr int kNoLinkFlags = kLookUpFlags | O_NOFOLLOW;

std::mutex g_startLock;
std::vector<std::string> g_startFolders; // the last noted first
constexpr size_t kStartFoldersKept = 8;

// The longest start folder noted that `path` lies in (at a "/"), or "".
std::string StartFolderOf(const std::string& path)
{
    std::lock_guard locker(g_startLock);
    std::string best;
    for (const std::string& start : g_startFolders) {
        const bool within = path.compare(0, start.size(), start) == 0 &&
                            (path.size() == start.size() || path[start.size()] == '/' ||
                             (!start.empty() && start.back() == '/'));
        if (within && start.size() > best.size())
            best = start;
    }
    return best;
}

// The folder at `relative` beneath `baseFd`, refusing every link: in one call where the kernel
// can, else name by name. Takes `baseFd` over.
int OpenBeneathNoLinks(int baseFd, std::string_view relative)
{
    while (!relative.empty() && relative.front() == '/')
        relative.remove_prefix(1);
    if (relative.empty() || baseFd < 0)
        return baseFd;
    if (relative.size() < PATH_MAX) {
        open_how how{};
        how.flags = kLookUpFlags;
        how.resolve = RESOLVE_NO_SYMLINKS;
        const std::string text(relative);
        const long fd = ::syscall(SYS_openat2, baseFd, text.c_str(), &how, sizeof how);
        if (fd >= 0 || (errno != ENOSYS && errno != EPERM && errno != EINVAL)) {
            ::close(baseFd);
            return int(fd);
        }
    }
    int fd = baseFd;
    while (!relative.empty() && fd >= 0) {
        const size_t end = std::min(relative.find('/'), relative.size());
        const int next = ::openat(fd, std::string(relative.substr(0, end)).c_str(), kNoLinkFlags);
        ::close(fd);
        fd = next;
        relative.remove_prefix(end);
        while (!relative.empty() && relative.front() == '/')
            relative.remove_prefix(1);
    }
    return fd;
}

int OpenFollowing(const std::string& path)
{
    if (path.size() < PATH_MAX)
        return ::open(path.c_str(), kLookUpFlags);
    // Too long for one call: the longest leading part that fits, then the rest in pieces that fit.
    int fd = AT_FDCWD;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.size();
        if (end - start >= PATH_MAX) {
            end = path.rfind('/', start + PATH_MAX - 1);
            if (end == std::string::npos || end <= start) {
                if (fd != AT_FDCWD)
                    ::close(fd);
                return -1;
            }
        }
        const std::string piece(end > start ? std::string_view(path).substr(start, end - start) : "/");
        const int next = ::openat(fd, piece.c_str(), kLookUpFlags);
        if (fd != AT_FDCWD)
            ::close(fd);
        if (next < 0)
            return -1;
        fd = next;
        start = end;
        while (start < path.size() && path[start] == '/')
            ++start;
    }
    return fd;
}

int OpenForLookUp(const std::string& path)
{
    const std::string start = StartFolderOf(path);
    if (start.empty())
        return path.empty() || path.front() != '/' ? -1 : OpenBeneathNoLinks(::open("/", kLookUpFlags), path);
    return OpenBeneathNoLinks(OpenFollowing(start), std::string_view(path).substr(start.size()));
}

} // namespace

void NoteStartFolder(const std::string& nativeFolder)
{
    std::lock_guard locker(g_startLock);
    std::erase(g_startFolders, nativeFolder);
    g_startFolders.insert(g_startFolders.begin(), nativeFolder);
    if (g_startFolders.size() > kStartFoldersKept)
        g_startFolders.pop_back();
}

EntryStatus EntryStatus::Of(std::int64_t size, timespec modified)
{
    EntryStatus status;
    status.size = size < 0 ? kUnreadable : size;
    status.modified = size < 0 ? 0 : std::int64_t(modified.tv_sec);
    return status;
}

EntryStatus ReadEntryStatus(int folderFd, const std::string& name)
{
    struct stat st;
    if (folderFd < 0 || ::fstatat(folderFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return EntryStatus::Of(-1, {});
    return EntryStatus::Of(std::int64_t(st.st_size), st.st_mtim);
}

std::vector<EntryStatus> ReadEntryStatuses(const std::string& nativeFolder,
                                           const std::vector<std::string_view>& names)
{
    std::vector<EntryStatus> statuses;
    statuses.reserve(names.size());
    const int fd = OpenForLookUp(nativeFolder);
    std::string name;
    for (const std::string_view n : names) {
        name.assign(n);
        statuses.push_back(ReadEntryStatus(fd, name));
    }
    if (fd >= 0)
        ::close(fd);
    return statuses;
}

} // namespace platform
