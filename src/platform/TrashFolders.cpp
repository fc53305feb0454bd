#include "platform/TrashFolders.h"

#include "platform/KnownFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <system_error>
#include <unistd.h>

namespace platform::trash {

bool Fail(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
    return false;
}

bool FailWithErrno(std::string* error, int code)
{
    return Fail(error, std::generic_category().message(code));
}

std::string Text(const char* text)
{
    return QFile::encodeName(QCoreApplication::translate("Trash", text)).toStdString();
}

std::string Parent(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : path.substr(0, slash);
}

Fd::~Fd()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

namespace {

std::string Native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

std::string Join(const std::string& folder, const std::string& name)
{
    return folder == "/" ? "/" + name : folder + "/" + name;
}

bool IsWithin(const std::string& path, const std::string& folder)
{
    if (folder == "/")
        return path.size() > 1 && path.front() == '/';
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/';
}

bool IdOf(const std::string& path, bool follow, MountId* id)
{
    struct statx st;
    if (::statx(AT_FDCWD, path.c_str(), follow ? 0 : AT_SYMLINK_NOFOLLOW, STATX_MNT_ID, &st) != 0)
        return false;
    id->device = makedev(st.stx_dev_major, st.stx_dev_minor);
    id->hasMount = (st.stx_mask & STATX_MNT_ID) != 0;
    id->mount = st.stx_mnt_id;
    return true;
}

bool Same(const MountId& a, const MountId& b)
{
    return a.device == b.device && (!a.hasMount || !b.hasMount || a.mount == b.mount);
}

std::string Canonical(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string result(resolved);
    std::free(resolved);
    return result;
}

QString CannotUse(const std::string& path, const std::string& reason)
{
    return QCoreApplication::translate("Trash", "the trash folder %1 cannot be used: %2")
        .arg(QFile::decodeName(QByteArray::fromStdString(path)), QString::fromStdString(reason));
}

// A folder of a trash, private to the user; one that exists already is fine when it is a folder
// (and, with `ownedAndReal`, not a link and the user's own, as the top of a volume demands).
bool MakeTrashFolder(const std::string& path, bool ownedAndReal, std::string* error)
{
    if (::mkdir(path.c_str(), 0700) == 0)
        return true;
    int code = errno;
    struct stat st;
    if (code == EEXIST) {
        const int found = ownedAndReal ? ::lstat(path.c_str(), &st) : ::stat(path.c_str(), &st);
        if (found == 0 && S_ISDIR(st.st_mode) && (!ownedAndReal || st.st_uid == ::getuid()))
            return true;
        code = found != 0 ? errno : S_ISDIR(st.st_mode) ? EPERM : ENOTDIR;
    }
    return Fail(error,
                QFile::encodeName(CannotUse(path, std::generic_category().message(code))).toStdString());
}

bool MakeTrash(const std::string& root, bool ownedAndReal, Place* place, std::string* error)
{
    place->root = root;
    place->files = root + "/files";
    place->info = root + "/info";
    return MakeTrashFolder(root, ownedAndReal, error) && MakeTrashFolder(place->files, ownedAndReal, error) &&
           MakeTrashFolder(place->info, ownedAndReal, error);
}

// The top of the mount `folder` is on: the last folder upwards still on that mount.
std::string TopOf(const std::string& folder, const MountId& mount)
{
    std::string top = folder;
    while (top != "/") {
        MountId up;
        if (!IdOf(Parent(top), true, &up) || !Same(up, mount))
            break;
        top = Parent(top);
    }
    return top;
}

// The trash at the top of the item's volume.
bool MakeVolumeTrash(const Item& item, Place* place, std::string* error)
{
    const std::string top = TopOf(item.folder, item.mount);
    const std::string uid = std::to_string(::getuid());
    const std::string shared = Join(top, ".Trash");
    struct stat st;
    std::string reason;
    const bool sharedUsable = ::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
                              (st.st_mode & S_ISVTX) && MakeTrash(shared + "/" + uid, true, place, &reason);
    if (!sharedUsable && !MakeTrash(Join(top, ".Trash-" + uid), true, place, &reason)) {
        return Fail(error, QFile::encodeName(QCoreApplication::translate(
                                                 "Trash", "it is on another volume than the home trash, "
                                                          "and its own volume has no trash it can use (%1)")
                                                 .arg(QString::fromStdString(reason)))
                               .toStdString());
    }
    place->recordedPath = top == "/" ? item.path.substr(1) : item.path.substr(top.size() + 1);
    return true;
}

} // namespace

bool FindItem(const std::string& absolute, Item* item, std::string* error)
{
    const size_t slash = absolute.rfind('/');
    item->name = absolute.substr(slash + 1);
    if (item->name == "." || item->name == "..")
        return Fail(error, Text("name the item itself, not \".\" or \"..\""));
    item->folder = Canonical(Parent(absolute));
    if (item->folder.empty())
        return FailWithErrno(error, errno);
    item->path = Join(item->folder, item->name);
    struct stat st;
    MountId own;
    if (::lstat(item->path.c_str(), &st) != 0 || !IdOf(item->path, false, &own) ||
        !IdOf(item->folder, true, &item->mount))
        return FailWithErrno(error, errno);
    if (S_ISDIR(st.st_mode) && !Same(own, item->mount))
        return Fail(error, Text("it is a mount point, which cannot be moved"));
    return true;
}

bool ChoosePlace(const Item& item, Place* place, std::string* error)
{
    const std::string home = Native(HomeTrashFolder());
    // The mount the home trash is (or would be) on: that of its nearest existing folder.
    std::string existing = home;
    MountId homeMount;
    while (!IdOf(existing, true, &homeMount) && existing != "/")
        existing = Parent(existing);
    if (Same(homeMount, item.mount)) {
        QDir().mkpath(LocalAppDataFolder());
        if (!MakeTrash(home, false, place, error))
            return false;
        place->recordedPath = item.path;
    } else if (!MakeVolumeTrash(item, place, error)) {
        return false;
    }
    for (const std::string& trash : {Canonical(home), Canonical(place->root)}) {
        if (trash.empty())
            continue;
        if (trash == item.path || IsWithin(trash, item.path))
            return Fail(error, Text("the trash folder itself is inside it"));
        if (IsWithin(item.path, trash))
            return Fail(error, Text("it is in the trash already"));
    }
    return true;
}

} // namespace platform::trash
