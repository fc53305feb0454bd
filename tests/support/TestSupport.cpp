#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Empties the folder open at `fd`, descending relative to descriptors.
void EmptyFolder(int fd)
{
    DIR* dir = ::fdopendir(fd);
    if (!dir)
        return;
    std::vector<std::pair<std::string, bool>> entries;
    while (dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            entries.emplace_back(name, e->d_type == DT_DIR);
    }
    for (const auto& [name, isFolder] : entries) {
        if (isFolder) {
            const int sub = ::openat(::dirfd(dir), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            if (sub >= 0) {
                ::fchmod(sub, 0755);
                EmptyFolder(sub);
            }
            ::unlinkat(::dirfd(dir), name.c_str(), AT_REMOVEDIR);
        } else {
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
        }
    }
    ::closedir(dir);
}

} // namespace

void RemoveTree(const QString& root)
{
    const int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd >= 0)
        EmptyFolder(fd);
    ::rmdir(QFile::encodeName(root).constData());
}

TestHome::TestHome()
{
    if (!m_dir.isValid())
        qFatal("cannot make a temporary home folder");
    const QString base = m_dir.path();
    for (const char* sub : {"config", "data", "cache", "runtime", "state"})
        QDir(base).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", base.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (base + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (base + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (base + QStringLiteral("/cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (base + QStringLiteral("/runtime")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", (base + QStringLiteral("/state")).toLocal8Bit());
}

void TestHome::ClearSettings() const
{
    QDir(ConfigHome() + QStringLiteral("/Tresmolo")).removeRecursively();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

void MakeTree(const QString& root, const QStringList& paths)
{
    for (const QString& relative : paths) {
        const QString path = root + QLatin1Char('/') + relative;
        if (relative.endsWith(QLatin1Char('/')))
            QDir().mkpath(path);
        else
            WriteFile(path);
    }
}
