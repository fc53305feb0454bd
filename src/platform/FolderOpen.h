#pragma once

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unordered_set>

// Opening folders for a walk that must never leave its start folder: no symbolic link is followed
// below the start, a folder given up is taken again only beneath a descriptor still held and only
// when it is still the same folder, and virtual file systems are told by what is mounted.
namespace platform {

// Which folder a descriptor is open on.
struct FolderId
{
    dev_t dev = 0;
    ino_t ino = 0;
    bool operator==(const FolderId&) const = default;
};

struct OpenedFolder
{
    int fd = -1;            // open for listing, or -1
    bool isVirtual = false; // a virtual file system: not opened for listing
    bool exists = false;    // the folder could be examined, whether or not it could be read
    int error = 0;          // why it was not opened for listing (an errno value), 0 when it was
};

// Whether an error of `open` says the process or the system has no descriptor left, rather than
// that the folder itself cannot be opened.
inline bool OutOfDescriptors(int error)
{
    return error == EMFILE || error == ENFILE;
}

// The devices of virtual file systems, read once per walk (see VirtualMountDevices).
using VirtualDevices = std::unordered_set<dev_t>;

// Whether the folder open on `fd` belongs to a virtual file system.
bool IsVirtualFolder(int fd, const VirtualDevices& devices);

// The start folder of a walk, at a path of any length; symbolic links on the way, the last one
// included, are followed. A folder on a virtual file system is not opened for listing, and an
// automount point with nothing mounted on it is not triggered.
OpenedFolder OpenStartFolder(const std::string& path, const VirtualDevices& devices);

// The sub-folder `name` of the folder open on `parentFd`, never following a link. Where a file
// system is mounted on the sub-folder, the mounted one is opened unless it is virtual.
OpenedFolder OpenSubFolder(int parentFd, const char* name, const VirtualDevices& devices);

// Opens again, for listing, the folder at `relative` (one or more names separated by "/", any
// length) beneath the folder open on `baseFd`, refusing every symbolic link on the way, and only
// when it is still the folder `expected`. -1 otherwise, with errno telling why (ESTALE: another
// folder stands there now).
int ReopenBeneath(int baseFd, std::string_view relative, FolderId expected);

// The identity of the folder open on `fd` (dev 0 and ino 0 when it cannot be read).
FolderId IdOf(int fd);

// How many descriptors this process may have open at once (its soft limit).
size_t OpenFileLimit();

// Raises this process's soft limit on open descriptors to its hard limit (within the system's
// ceiling, fs.nr_open), as file tools do: a walk with helpers reading ahead wants many, and a low
// limit only makes it give descriptors up and take them again more often. Called once at start-up.
// Returns the soft limit now in force.
size_t RaiseOpenFileLimit();
// For a program this one starts, between fork and exec: puts back the soft limit this process
// started with, since programs that use select() expect no more than 1,024. Async-signal-safe.
void RestoreOpenFileLimit();

// How many descriptors this process has open now (the entries of /proc/self/fd); 16 when that
// cannot be read.
size_t OpenDescriptorCount();

} // namespace platform
