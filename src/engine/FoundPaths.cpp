#include "engine/FoundPaths.h"

#include "platform/Paths.h"

#include <algorithm>
#include <cstring>

QString FoundPaths::at(int index) const
{
    return platform::DisplayText(Native(index));
}

std::string FoundPaths::Native(int index) const
{
    const File& file = m_files[size_t(index)];
    return platform::JoinNativePath(m_folders[file.folder], std::string_view(file.name, file.length));
}

QString FoundPaths::Last() const
{
    const int n = size();
    return n > 0 ? at(n - 1) : QString();
}

bool FoundPaths::contains(const QString& path) const
{
    const std::string native = platform::NativePath(path);
    for (int i = 0; i < size(); ++i)
        if (Native(i) == native)
            return true;
    return false;
}

QStringList FoundPaths::Texts() const
{
    QStringList texts;
    const int n = size();
    texts.reserve(n);
    for (int i = 0; i < n; ++i)
        texts << at(i);
    return texts;
}

void FoundPaths::Append(const std::string& nativeFolder, std::string_view name)
{
    const size_t folders = m_folders.size();
    if (folders == 0 || m_folders[folders - 1] != nativeFolder)
        m_folders.push_back(nativeFolder);
    m_files.push_back(
        {m_names.Keep(name).data(), std::uint32_t(name.size()), std::uint32_t(m_folders.size() - 1)});
}

void FoundPaths::append(const QString& path)
{
    const std::string native = platform::NativePath(path);
    const size_t slash = native.rfind('/');
    if (slash == std::string::npos) {
        Append(std::string(), native);
        return;
    }
    Append(slash == 0 ? std::string("/") : native.substr(0, slash),
           std::string_view(native).substr(slash + 1));
}

void FoundPaths::clear()
{
    m_files.clear();
    m_folders.clear();
    m_names.clear();
}
