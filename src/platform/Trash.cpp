#include "platform/Trash.h"

#include "platform/KnownFolders.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace platform {
namespace {

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

std::string Native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

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

// Whether Qt's file names can carry these bytes: they decode from UTF-8 and encode back unchanged.
bool RoundTripsThroughUtf8(const std::string& bytes)
{
    const QByteArray native = QByteArray::fromStdString(bytes);
    return QFile::encodeName(QFile::decodeName(native)) == native;
}

bool IsWithin(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/';
}

// A folder of the trash, private to the user; one that exists already is fine.
bool MakeTrashFolder(const std::string& path, std::string* error)
{
    if (::mkdir(path.c_str(), 0700) == 0)
        return true;
    const int code = errno;
    struct stat st;
    if (code == EEXIST && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return true;
    return Fail(error,
                "the trash folder " + path + " cannot be used: " + std::generic_category().message(code));
}

QByteArray TrashInfo(const std::string& absolute)
{
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    ::localtime_r(&now, &local);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
    return QByteArrayLiteral("[Trash Info]\nPath=") +
           QByteArray::fromStdString(absolute).toPercentEncoding("/") + QByteArrayLiteral("\nDeletionDate=") +
           QByteArray(date) + '\n';
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// The name in the trash for the n-th attempt: the item's own name, then name.2, name.3 and so on,
// shortened when the ".trashinfo" file would otherwise have too long a name.
std::string TrashName(const std::string& base, int attempt)
{
    static constexpr size_t kLongest = NAME_MAX - (sizeof ".trashinfo" - 1);
    const std::string suffix = attempt == 1 ? std::string() : "." + std::to_string(attempt);
    return base.substr(0, kLongest - suffix.size()) + suffix;
}

// The home trash by hand, for entries Qt cannot name (bytes that are not UTF-8) and for symbolic
// links (which Qt looks through). The record of where the item came from is made first and
// exclusively, which also claims the name in the trash; the item follows by rename, so it is never
// copied and never lost.
bool MoveToHomeTrash(const std::string& absolute, const struct stat& item, std::string* error)
{
    QDir().mkpath(LocalAppDataFolder());
    const std::string trash = Native(HomeTrashFolder());
    const std::string files = trash + "/files";
    const std::string info = trash + "/info";
    if (!MakeTrashFolder(trash, error) || !MakeTrashFolder(files, error) || !MakeTrashFolder(info, error))
        return false;
    struct stat filesStat;
    if (::stat(files.c_str(), &filesStat) != 0)
        return FailWithErrno(error, errno);
    if (filesStat.st_dev != item.st_dev)
        return Fail(error, "it is on another volume than the trash (" + trash + ")");

    const std::string base = absolute.substr(absolute.rfind('/') + 1);
    const QByteArray record = TrashInfo(absolute);
    for (int attempt = 1; attempt <= 100000; ++attempt) {
        const std::string name = TrashName(base, attempt);
        const std::string infoPath = info + "/" + name + ".trashinfo";
        const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return FailWithErrno(error, errno);
        }
        const std::string target = files + "/" + name;
        struct stat existing;
        if (::lstat(target.c_str(), &existing) == 0) { // left over without its record: keep it
            ::close(fd);
            ::unlink(infoPath.c_str());
            continue;
        }
        const bool written = WriteAll(fd, record);
        const int writeError = errno;
        if (::close(fd) != 0 || !written) {
            ::unlink(infoPath.c_str());
            return FailWithErrno(error, written ? EIO : writeError);
        }
        if (::rename(absolute.c_str(), target.c_str()) != 0) {
            const int code = errno;
            ::unlink(infoPath.c_str());
            return FailWithErrno(error, code);
        }
        return true;
    }
    return Fail(error, "the trash holds too many items of that name");
}

// Qt 6.4 writes the original path into the record as it is, where the trash format wants it
// percent-encoded: a name holding "%" or a blank would be put back under another name. The record
// is rewritten when its path is that raw text (absolute, or relative to the top of the volume as in
// a volume's own trash); a record already encoded is left alone.
void EncodeRecordedPath(const std::string& inTrash, const std::string& absolute)
{
    const size_t slash = inTrash.rfind('/');
    const size_t filesSlash = slash == std::string::npos ? slash : inTrash.rfind('/', slash - 1);
    if (filesSlash == std::string::npos)
        return;
    const std::string info =
        inTrash.substr(0, filesSlash) + "/info/" + inTrash.substr(slash + 1) + ".trashinfo";
    QFile file(QFile::decodeName(QByteArray::fromStdString(info)));
    if (!file.open(QIODevice::ReadOnly))
        return;
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    bool changed = false;
    for (QByteArray& line : lines) {
        if (!line.startsWith("Path="))
            continue;
        const std::string value = line.mid(5).toStdString();
        const std::string tail = "/" + value;
        const bool relativeTail = !value.empty() && value.front() != '/' && absolute.size() > tail.size() &&
                                  absolute.compare(absolute.size() - tail.size(), tail.size(), tail) == 0;
        const bool raw = value == absolute || relativeTail;
        const QByteArray encoded = "Path=" + QByteArray::fromStdString(value).toPercentEncoding("/");
        if (raw && encoded != line) {
            line = encoded;
            changed = true;
        }
    }
    if (!changed)
        return;
    // Written beside the record and renamed over it, so the record is never half written.
    QByteArray temporary = QByteArray::fromStdString(info) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return;
    const bool written = WriteAll(fd, lines.join('\n'));
    if (::close(fd) == 0 && written && ::rename(temporary.constData(), info.c_str()) == 0)
        return;
    ::unlink(temporary.constData());
}

// Qt's trash, which also knows the trash folders of other volumes. Qt 6.4 reports success but
// leaves the item in the current folder when $XDG_DATA_HOME does not exist, so that folder is made
// first and the outcome is checked rather than believed.
bool MoveWithQt(const std::string& absolute, std::string* error)
{
    QDir().mkpath(LocalAppDataFolder());
    QFile file(QFile::decodeName(QByteArray::fromStdString(absolute)));
    if (!file.moveToTrash())
        return Fail(error, file.errorString().toStdString());
    struct stat st;
    if (::lstat(absolute.c_str(), &st) == 0)
        return Fail(error, "the trash did not take it");
    const QString where = QFileInfo(file.fileName()).absoluteFilePath();
    if (::lstat(Native(where).c_str(), &st) != 0)
        return Fail(error, "the trash reported it moved but it cannot be found there");
    if (!QFileInfo(file.fileName()).isAbsolute()) { // Qt lost its way: put the item back
        if (::rename(Native(where).c_str(), absolute.c_str()) == 0)
            return Fail(error, "the trash folder could not be found");
        return Fail(error, "it was moved to " + Native(where) + " instead of the trash");
    }
    EncodeRecordedPath(Native(where), absolute);
    return true;
}

} // namespace

bool MoveToTrash(const std::string& nativePath, std::string* error)
{
    std::string absolute;
    if (!AbsolutePath(nativePath, &absolute, error))
        return false;
    struct stat item;
    if (::lstat(absolute.c_str(), &item) != 0)
        return FailWithErrno(error, errno);
    if (absolute == "/")
        return Fail(error, "the root folder cannot go to the trash");
    const std::string trash = Native(HomeTrashFolder());
    if (absolute == trash || IsWithin(trash, absolute))
        return Fail(error, "the trash folder itself is inside it");
    if (IsWithin(absolute, trash))
        return Fail(error, "it is in the trash already");
    // A line break in the name would break Qt's record, which it writes unencoded.
    if (S_ISLNK(item.st_mode) || !RoundTripsThroughUtf8(absolute) || absolute.find('\n') != std::string::npos)
        return MoveToHomeTrash(absolute, item, error);
    return MoveWithQt(absolute, error);
}

} // namespace platform
