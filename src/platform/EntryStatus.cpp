#include "platform/EntryStatus.h"

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Only to look names up in: O_PATH needs no permission to read the folder. A link named as the
// folder is followed, as the walk follows a start folder that is a link.
constexpr int kLookUpFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

int OpenForLookUp(const std::string& path)
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

} // namespace

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
