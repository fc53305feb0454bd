#include "platform/KnownFolders.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

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

// mountinfo escapes blanks, tabs, new lines and backslashes as \ooo.
std::string UnescapeMountField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const auto octal = field.substr(i + 1, 3);
            if (octal.find_first_not_of("01234567") == std::string_view::npos) {
                out.push_back(char(((octal[0] - '0') << 6) | ((octal[1] - '0') << 3) | (octal[2] - '0')));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
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

std::unordered_set<std::string> ParseVirtualMountPoints(const std::string& mountinfo)
{
    // Each line: id parent major:minor root mount-point options [optional fields] - type source ...
    std::unordered_set<std::string> points;
    std::istringstream lines(mountinfo);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string field, mountPoint;
        int index = 0;
        bool afterSeparator = false;
        while (fields >> field) {
            if (index == 4)
                mountPoint = field;
            if (afterSeparator) {
                if (IsVirtualFileSystem(field) && !mountPoint.empty())
                    points.insert(UnescapeMountField(mountPoint));
                break;
            }
            if (index >= 6 && field == "-")
                afterSeparator = true;
            ++index;
        }
    }
    return points;
}

std::unordered_set<std::string> VirtualMountPoints()
{
    std::ifstream file("/proc/self/mountinfo");
    if (!file)
        return {};
    std::stringstream text;
    text << file.rdbuf();
    return ParseVirtualMountPoints(text.str());
}

} // namespace platform
