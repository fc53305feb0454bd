#include "platform/Trash.h"

#include "platform/KnownFolders.h"
#include "platform/TrashFolders.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

using trash::Fail;
using trash::FailWithErrno;
using trash::Text;

// How many names a record may try before the trash gives up on that item.
constexpr int kMostAttempts = 10000;

// The absolute form of `path`, with trailing "/" removed. Links and ".." are left alone: the entry
// named is the one that goes, not what a link points to.
bool AbsolutePath(const std::string& path, std::string* absolute, std::string* error)
{
    if (path.empty())
        return FailWithErrno(error, ENOENT);
    std::string result;
    if (path.front() != '/') {
        char buffer[PATH_MAX];
        if (!::getcwd(buffer, sizeof buffer))
            return FailWithErrno(error, errno);
        result = buffer;
        if (result.back() != '/')
            result += '/';
    }
    result += path;
    while (result.size() > 1 && result.back() == '/')
        result.pop_back();
    *absolute = result;
    return true;
}

QByteArray TrashInfo(const std::string& recordedPath)
{
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    ::localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return QByteArrayLiteral("[Trash Info]\nPath=") +
           QByteArray::fromStdString(recordedPath).toPercentEncoding("/") +
           QByteArrayLiteral("\nDeletionDate=") + QByteArray(date) + '\n';
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        done += written;
    }
    return true;
}

bool IsContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The longest start of `bytes` that fits in `limit` bytes and does not end inside a UTF-8 sequence.
// Where the bytes at the limit belong to no character (continuation bytes without a lead byte close
// enough before them, as in a name that is not UTF-8), the cut falls on the limit itself: a
// shortened name never loses more than one character, and is never empty.
std::string CutAtCharacter(const std::string& bytes, size_t limit)
{
    if (bytes.size() <= limit)
        return bytes;
    // bytes[end] is the first byte left out. A UTF-8 sequence is at most four bytes long, so its
    // lead byte lies at most three bytes before any of its continuation bytes.
    size_t end = limit;
    for (int back = 0; back < 3 && end > 0 && IsContinuation(bytes[end]); ++back)
        --end;
    if (end == 0 || static_cast<unsigned char>(bytes[end]) < 0xC0) // no lead byte: no character to keep whole
        end = limit;
    return bytes.substr(0, end);
}

// The name in the trash for the n-th attempt: the item's own name, then name.2, name.3 and so on.
// A name too long to carry ".trashinfo" within the volume's limit is shortened: the start of the
// name is kept, cut between characters, and its extension (when short) stays at the end.
std::string TrashName(const std::string& base, int attempt, size_t longest)
{
    const std::string suffix = attempt == 1 ? std::string() : "." + std::to_string(attempt);
    if (base.size() + suffix.size() <= longest)
        return base + suffix;
    std::string extension;
    const size_t dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0 && base.size() - dot <= 16)
        extension = base.substr(dot);
    const std::string stem = base.substr(0, base.size() - extension.size());
    return CutAtCharacter(stem, longest - suffix.size() - extension.size()) + extension + suffix;
}

// Records the item in `place` and moves it there. The record is made first and exclusively, which
// claims the name in the trash; the item follows by rename, never by copy. When the move cannot be
// made the record goes again and the item stays where it is.
bool MoveInto(const trash::Place& place, const trash::Item& item, std::string* error, std::string* trashedAs)
{
    const trash::Fd info(::open(place.info.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const trash::Fd files(::open(place.files.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const trash::Fd from(::open(item.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (info.get() < 0 || files.get() < 0 || from.get() < 0)
        return FailWithErrno(error, errno);
    const long nameMax = ::fpathconf(info.get(), _PC_NAME_MAX);
    const size_t longest = size_t(nameMax > 0 ? nameMax : NAME_MAX) - (sizeof ".trashinfo" - 1);

    const QByteArray record = TrashInfo(place.recordedPath);
    for (int attempt = 1; attempt <= kMostAttempts; ++attempt) {
        const std::string name = TrashName(item.name, attempt, longest);
        const std::string infoName = name + ".trashinfo";
        const int fd = ::openat(info.get(), infoName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return FailWithErrno(error, errno);
        }
        struct stat existing;
        if (::fstatat(files.get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
            ::close(fd); // left in the trash without its record: keep it, take another name
            ::unlinkat(info.get(), infoName.c_str(), 0);
            continue;
        }
        const bool written = WriteAll(fd, record);
        const int writeError = errno;
        if (::close(fd) != 0 || !written) {
            const int code = written ? errno : writeError;
            ::unlinkat(info.get(), infoName.c_str(), 0);
            return FailWithErrno(error, code);
        }
        int moved = ::renameat2(from.get(), item.name.c_str(), files.get(), name.c_str(), RENAME_NOREPLACE);
        if (moved != 0 && errno == EINVAL) // a file system without RENAME_NOREPLACE: checked just above
            moved = ::renameat(from.get(), item.name.c_str(), files.get(), name.c_str());
        if (moved != 0) {
            const int code = errno;
            ::unlinkat(info.get(), infoName.c_str(), 0);
            if (code == EEXIST)
                continue;
            return FailWithErrno(error, code);
        }
        if (trashedAs)
            *trashedAs = place.files + '/' + name;
        return true;
    }
    return Fail(error, Text("the trash holds too many items of that name"));
}

} // namespace

bool MoveToTrash(const std::string& nativePath, std::string* error, std::string* trashedAs)
{
    std::string absolute;
    if (!AbsolutePath(nativePath, &absolute, error))
        return false;
    if (absolute == "/")
        return Fail(error, Text("the root folder cannot go to the trash"));
    trash::Item item;
    if (!trash::FindItem(absolute, &item, error))
        return false;
    trash::Place place;
    if (!trash::ChoosePlace(item, &place, error))
        return false;
    return MoveInto(place, item, error, trashedAs);
}

} // namespace platform
