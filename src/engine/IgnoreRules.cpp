#include "engine/IgnoreRules.h"

#include "platform/KnownFolders.h"
#include "platform/Paths.h"

void IgnoreRules::SetFolders(const QString& windows, const QString& programs, const QString& localAppData,
                             const QString& appData, const QString& commonAppData)
{
    m_windows = platform::NativePath(windows);
    m_programs = platform::NativePath(programs);
    m_programsX86 = m_programs + " (x86)";
    m_localAppData = platform::NativePath(localAppData);
    m_localAppDataLow = m_localAppData + "Low";
    m_appData = platform::NativePath(appData);
    m_commonAppData = platform::NativePath(commonAppData);
    m_homeTrash = platform::NativePath(platform::HomeTrashFolder());
    m_virtualDevices = platform::VirtualMountDevices();
}

IgnoreRule IgnoreRules::Test(const std::string& path, bool examined) const
{
    const Switches& on = m_switches;
    if (on.windows && platform::SamePath(path, m_windows))
        return IgnoreRule::WindowsFolder;
    if (on.programs && (path == m_programs || path == m_programsX86))
        return IgnoreRule::ProgramsFolder;
    if (on.recycleBin && (path == m_homeTrash || platform::IsTrashFolderName(platform::LastComponent(path))))
        return IgnoreRule::RecycleBinFolder;
    // The root is never hidden. A folder that cannot be examined counts as hidden.
    if (on.hidden && path != "/" && (platform::IsHiddenName(platform::LastComponent(path)) || !examined))
        return IgnoreRule::HiddenFolders;
    if (on.localAppData &&
        (path == m_localAppData || path == m_localAppDataLow || path == m_appData || path == m_commonAppData))
        return IgnoreRule::LocalAppDataFolder;
    return IgnoreRule::None;
}
