#pragma once

#include <QString>
#include <string>
#include <sys/types.h>
#include <unordered_set>

// The well-known folders of this system, resolved fresh on every call (the environment decides).
namespace platform {

QString SystemProgramsFolder(); // the operating system's own programs and libraries: /usr
QString ProgramsFolder();       // add-on application packages: /opt
QString LocalAppDataFolder();   // $XDG_DATA_HOME, default ~/.local/share
QString AppDataFolder();        // $XDG_CONFIG_HOME, default ~/.config
QString CommonAppDataFolder();  // /var/lib
QString DocumentsFolder();      // the XDG documents folder, or the home folder when it does not exist
QString HomeTrashFolder();      // $XDG_DATA_HOME/Trash

// Devices of the mounted virtual file systems (proc, sysfs, devtmpfs, autofs, ...), read from
// /proc/self/mountinfo. Such folders hold no user files and reading them can hang. A folder is
// told virtual by the device it lives on, never by its path text.
std::unordered_set<dev_t> VirtualMountDevices();

// Parses the text of a mountinfo file; split out so it can be tested on made-up input.
std::unordered_set<dev_t> ParseVirtualMountDevices(const std::string& mountinfo);

// Whether a virtual file system's magic number (statfs f_type) is this one. devtmpfs shares its
// number with tmpfs and is known by its device only.
bool IsVirtualFileSystemMagic(unsigned long magic);

} // namespace platform
