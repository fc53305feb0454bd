#include "duplicates/scan/RegularFile.h"

#include "platform/FileFind.h"

#include <climits>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace RegularFile {

namespace {

constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

} // namespace

int OpenFolder(std::string_view native)
{
    std::string path(native);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    if (path.empty())
        return -1;
    // Only a path reference is needed to look entries up and open them, so a folder that may be
    // entered but not listed still works. O_NOFOLLOW refuses a folder that is now a link.
    const int fd = path.size() < PATH_MAX
                       ? ::open(path.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)
                       : CFileFind::OpenFolder(path);
    if (fd < 0)
        return -1;
    struct stat folder;
    if (::fstat(fd, &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool Look(int folderFd, const char* name, struct stat& entry)
{
    return ::fstatat(folderFd, name, &entry, AT_SYMLINK_NOFOLLOW) == 0;
}

namespace {

// Whether the file that `file` describes may be read: its permission bits for this process's user
// (owner, or both group and others, decide at once), else the system's own answer.
bool MayRead(int folderFd, const char* name, const struct stat& file, bool throughLink)
{
    const mode_t allowed = file.st_uid == ::geteuid() ? S_IRUSR : S_IRGRP | S_IROTH;
    if ((file.st_mode & allowed) == allowed)
        return true;
    return ::faccessat(folderFd, name, R_OK, AT_EACCESS | (throughLink ? 0 : AT_SYMLINK_NOFOLLOW)) == 0;
}

} // namespace

bool LookAt(int folderFd, const char* name, Looked& look)
{
    if (::fstatat(folderFd, name, &look.file, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    look.link = S_ISLNK(look.file.st_mode);
    if (look.link && ::fstatat(folderFd, name, &look.file, 0) != 0)
        look.file.st_mode = 0; // dangling: a link to nothing
    look.regular = S_ISREG(look.file.st_mode);
    look.readable = look.regular && MayRead(folderFd, name, look.file, look.link);
    return true;
}

int Open(int folderFd, const char* name, const struct stat& entry, struct stat& opened)
{
    struct stat target = entry;
    int flags = kOpenFlags | O_NOFOLLOW;
    if (S_ISLNK(entry.st_mode)) {
        // A link to a regular file counts as that file: it is looked at through the link.
        if (::fstatat(folderFd, name, &target, 0) != 0)
            return -1;
        flags &= ~O_NOFOLLOW;
    }
    if (!S_ISREG(target.st_mode))
        return -1;
    const int fd = ::openat(folderFd, name, flags);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != target.st_dev ||
        opened.st_ino != target.st_ino) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int Reopen(int folderFd, const char* name, unsigned long long device, unsigned long long inode)
{
    struct stat entry;
    if (!Look(folderFd, name, entry))
        return -1;
    struct stat opened;
    const int fd = Open(folderFd, name, entry, opened);
    if (fd >= 0 && (opened.st_dev != device || opened.st_ino != inode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace RegularFile
