#pragma once
// Helpers of the trash tests: raw-byte files, the trash's records, a trash call that cannot hang
// the tests, and private mounts.
#include "platform/Trash.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <poll.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace trashtest {

namespace fs = std::filesystem;

// Files and names are handled as raw bytes: Qt would blur names that are not UTF-8.
inline std::string Native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
inline bool Exists(const std::string& path)
{
    return fs::symlink_status(path).type() != fs::file_type::not_found;
}
inline void Write(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}
inline std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}
inline size_t Count(const std::string& folder)
{
    std::error_code ec;
    return size_t(std::distance(fs::directory_iterator(folder, ec), fs::directory_iterator()));
}

// The trash's records: original path (decoded) -> {name in files/, Path= as written, DeletionDate=}.
struct Record
{
    std::string name;
    QByteArray path, date;
};
inline std::map<std::string, Record> ReadTrash(const std::string& trash)
{
    std::map<std::string, Record> records;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(trash + "/info", ec)) {
        const std::string file = entry.path().filename().native();
        Record record{file.substr(0, file.size() - std::string_view(".trashinfo").size()), {}, {}};
        const QList<QByteArray> lines = QByteArray::fromStdString(Read(entry.path().native())).split('\n');
        for (const QByteArray& line : lines) {
            if (line.startsWith("Path="))
                record.path = line.mid(5);
            if (line.startsWith("DeletionDate="))
                record.date = line.mid(13);
        }
        if (file.ends_with(".trashinfo") && lines.front() == "[Trash Info]")
            records[QByteArray::fromPercentEncoding(record.path).toStdString()] = record;
    }
    return records;
}

// Sets an environment variable for one scope.
struct EnvironmentGuard
{
    EnvironmentGuard(const char* name, const QByteArray& value) : name(name), saved(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvironmentGuard() { qputenv(name, saved); }
    const char* name;
    QByteArray saved;
};

// The trash called in a child process: a call that does not come back within `seconds` is killed
// and reported as hung, so a hang fails the test instead of stopping the whole run.
struct Outcome
{
    bool hung = false;
    bool moved = false;
    std::string error;
};
inline Outcome TrashWithin(const std::string& path, int seconds = 20)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return {true, false, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        std::string error;
        const std::string message = (platform::MoveToTrash(path, &error) ? "1" : "0") + error;
        [[maybe_unused]] const ssize_t written = ::write(pipeFds[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string message;
    pollfd poller{pipeFds[0], POLLIN, 0};
    bool hung = false;
    for (;;) {
        const int ready = ::poll(&poller, 1, seconds * 1000);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            hung = true;
            break;
        }
        char buffer[4096];
        const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        message.append(buffer, size_t(got));
    }
    ::close(pipeFds[0]);
    if (hung)
        ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    if (hung || message.empty())
        return {true, false, hung ? "hung" : "no answer"};
    return {false, message.front() == '1', message.substr(1)};
}

// A private mount namespace for this process's main thread (and the children it starts), so tests
// can stack mounts without touching the system's. Needs root.
inline QString EnterPrivateMounts()
{
    if (::geteuid() != 0)
        return QStringLiteral("mounts need root");
    if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return QStringLiteral("no private mount namespace: %1").arg(QString::fromLocal8Bit(strerror(errno)));
    return {};
}
inline bool MountTmpfs(const std::string& where, const char* options)
{
    return ::mount("tmpfs", where.c_str(), "tmpfs", 0, options) == 0;
}
// Makes `folder` read-only for everybody, root included, by a read-only bind mount on itself.
inline bool BindReadOnly(const std::string& folder)
{
    return ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
           ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}
inline bool Unmount(const std::string& where)
{
    return ::umount2(where.c_str(), MNT_DETACH) == 0;
}

} // namespace trashtest
