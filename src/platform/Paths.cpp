#include "platform/Paths.h"

#include <QFile>

namespace platform {

bool SamePath(const QString& a, const QString& b)
{
    return a == b;
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

std::string JoinNativePath(std::string_view folder, std::string_view name)
{
    std::string path;
    path.reserve(folder.size() + name.size() + 1);
    path.append(folder);
    if (path.empty() || path.back() != '/')
        path.push_back('/');
    path.append(name);
    return path;
}

QString FolderText(const QString& path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == QLatin1Char('/'))
        --end;
    return path.left(end);
}

std::string_view LastComponent(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return path;
    return path.substr(slash + 1);
}

std::string NativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

bool IsTrashFolderName(std::string_view name)
{
    constexpr std::string_view trash = ".Trash";
    if (name == trash)
        return true;
    if (name.size() <= trash.size() + 1 || name.substr(0, trash.size() + 1) != ".Trash-")
        return false;
    for (char c : name.substr(trash.size() + 1))
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace platform
