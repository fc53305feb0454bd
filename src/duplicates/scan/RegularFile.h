#pragma once

#include <string_view>
#include <sys/stat.h>

// Opening files for the duplicates window without ever opening anything but a regular file: the
// entry is looked at first without opening it, then opened without blocking and compared with
// what was looked at, so an entry replaced in between (by a pipe, a device, a folder or a link)
// is never read.
namespace RegularFile {

// Opens the folder `native` (exact bytes, a trailing "/" allowed) for looking its entries up. The
// folder itself must not be a symbolic link. -1 on failure.
int OpenFolder(std::string_view native);

// Looks the entry `name` of the folder `folderFd` up without following a link. False when there
// is no such entry.
bool Look(int folderFd, const char* name, struct stat& entry);

// What one look at an entry tells the duplicates scan, without opening anything.
struct Looked
{
    bool link = false;     // the entry is a symbolic link
    bool regular = false;  // a regular file, or a link to one
    bool readable = false; // a regular file that this process may read
    struct stat file;      // of the entry, or of what the link points to
};

// Looks the entry `name` of the folder `folderFd` up with one fstatat that gives both its type and
// its size (a link takes a second one, through the link). Whether a regular file may be read is
// told by its permission bits, and asked of the system only when they refuse, so that an access
// control list still counts. False when there is no such entry.
bool LookAt(int folderFd, const char* name, Looked& look);

// Opens the entry that `entry` describes for reading when it is a regular file or a link to one,
// and fills `opened` from the open file. -1 when it is anything else, when it cannot be opened, or
// when what was opened is not the file that was looked at.
int Open(int folderFd, const char* name, const struct stat& entry, struct stat& opened);

// Reopens the regular file `name` of `folderFd` for reading and checks that it is still the file
// with this device and inode. -1 otherwise.
int Reopen(int folderFd, const char* name, unsigned long long device, unsigned long long inode);

} // namespace RegularFile
