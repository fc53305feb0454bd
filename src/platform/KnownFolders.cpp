#include "platform/KnownFolders.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>
#include <fstream>
#include <linux/magic.h>
#include <sstream>
#include <string_view>
#include <sys/sysmacros.h>

namespace platform {
namespace {

// An XDG base folder: the variable when it holds an absolute path, else the home-relative default.
QString XdgFolder(const char* variable, const QString& homeRelative)
{
    const QString value = qEnvironmentVariable(variable);
    if (value.startsWith(QLatin1Char('/')))
        return FolderText(QDir::cleanPath(value));
    return FolderText(QDir::cleanPath(QDir::homePath() + QLatin1Char('/') + homeRelative));
}

bool IsVirtualFileSystem(std::string_view type)
{
    static constexpr std::array<std::string_view, 20> kTypes = {
        "proc",      "sysfs",       "devtmpfs", "devpts", "cgroup",     "cgroup2", "debugfs",
        "tracefs",   "securityfs",  "pstore",   "bpf",    "configfs",   "fusectl", "mqueue",
        "hugetlbfs", "binfmt_misc", "efivarfs", "autofs", "rpc_pipefs", "nsfs"};
    for (auto t : kTypes)
        if (t == type)
            return true;
    return false;
}

} // namespace

QString SystemProgramsFolder()
{
    return QStringLiteral("/usr");
}
QString ProgramsFolder()
{
    return QStringLiteral("/opt");
}
QString LocalAppDataFolder()
{
    return XdgFolder("XDG_DATA_HOME", QStringLiteral(".local/share"));
}
QString AppDataFolder()
{
    return XdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}
QString CommonAppDataFolder()
{
    return QStringLiteral("/var/lib");
}
QString HomeTrashFolder()
{
    return LocalAppDataFolder() + QStringLiteral("/Trash");
}

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return FolderText(documents);
    return FolderText(QDir::homePath());
}

std::unordered_set<dev_t> ParseVirtualMountDevices(const std::string& mountinfo)
{
    // Each line: id parent major:minor root mount-point options [optional fields] - type source ...
    std::unordered_set<dev_t> devices;
    std::istringstream lines(mountinfo);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string field, device;
        int index = 0;
        bool afterSeparator = false;
        while (fields >> field) {
            if (index == 2)
                device = field;
            if (afterSeparator) {
                unsigned major = 0, minor = 0;
                char colon = 0;
                std::istringstream numbers(device);
                if (IsVirtualFileSystem(field) && (numbers >> major >> colon >> minor) && colon == ':')
                    devices.insert(makedev(major, minor));
                break;
            }
            if (index >= 6 && field == "-")
                afterSeparator = true;
            ++index;
        }
    }
    return devices;
}

std::unordered_set<dev_t> VirtualMountDevices()
{
    std::ifstream file("/proc/self/mountinfo");
    if (!file)
        return {};
    std::stringstream text;
    text << file.rdbuf();
    return ParseVirtualMountDevices(text.str());
}

bool IsVirtualFileSystemMagic(unsigned long magic)
{
    static constexpr std::array<unsigned long, 19> kMagics = {PROC_SUPER_MAGIC,
                                                              SYSFS_MAGIC,
                                                              DEVPTS_SUPER_MAGIC,
                                                              CGROUP_SUPER_MAGIC,
                                                              CGROUP2_SUPER_MAGIC,
                                                              DEBUGFS_MAGIC,
                                                              TRACEFS_MAGIC,
                                                              SECURITYFS_MAGIC,
                                                              PSTOREFS_MAGIC,
                                                              BPF_FS_MAGIC,
                                                              0x62656570 /* configfs */,
                                                              0x65735543 /* fusectl */,
                                                              0x19800202 /* mqueue */,
                                                              HUGETLBFS_MAGIC,
                                                              BINFMTFS_MAGIC,
                                                              EFIVARFS_MAGIC,
                                                              AUTOFS_SUPER_MAGIC,
                                                              NSFS_MAGIC,
                                                              0x67596969 /* rpc_pipefs */};
    for (unsigned long m : kMagics)
        if (m == magic)
            return true;
    return false;
}

} // namespace platform
