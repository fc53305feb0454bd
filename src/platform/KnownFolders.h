#pragma once

#include <QString>
#include <string>
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

// Mount points of virtual file systems (proc, sysfs, ...), as native paths, read from
// /proc/self/mountinfo. Such folders hold no user files and reading them can hang.
std::unordered_set<std::string> VirtualMountPoints();

// Parses the text of a mountinfo file; split out so it can be tested on made-up input.
std::unordered_set<std::string> ParseVirtualMountPoints(const std::string& mountinfo);

} // namespace platform
