#pragma once

#include "platform/FolderOpen.h"

#include <QString>
#include <string>

// Which rule kept a folder out of a search: one of the search switches, or the rule that keeps
// virtual file systems (proc, sysfs, ...) out whatever the switches say.
enum class IgnoreRule
{
    None,
    WindowsFolder,      // "Ignore Windows Folder": the system's programs folder
    ProgramsFolder,     // "Ignore Program Files Folder"
    RecycleBinFolder,   // "Ignore Recycle Bin Folder"
    HiddenFolders,      // "Ignore Hidden Folders" (also a folder that cannot be examined)
    LocalAppDataFolder, // "Ignore Local App Data Folder": the application-data folders
    VirtualFileSystem,  // always: a folder on a virtual file system
};

// The folder rules of one search, told by path. Set up on one thread before a walk, then only read,
// also by the helpers that read folders ahead.
class IgnoreRules
{
public:
    struct Switches
    {
        bool windows = false;
        bool programs = false;
        bool recycleBin = false;
        bool hidden = false;
        bool localAppData = false;
    };

    // Takes the special folders (display texts) and reads which file systems are virtual now.
    void SetFolders(const QString& windows, const QString& programs, const QString& localAppData,
                    const QString& appData, const QString& commonAppData);
    void SetSwitches(const Switches& switches) { m_switches = switches; }

    // The rule that keeps the folder at `path` out, by its path; `examined` tells whether the folder
    // could be looked at at all. Virtual file systems are told when the folder is opened, not here.
    IgnoreRule Test(const std::string& path, bool examined) const;

    const platform::VirtualDevices& VirtualDevices() const { return m_virtualDevices; }

private:
    Switches m_switches;
    std::string m_windows, m_programs, m_programsX86, m_localAppData, m_localAppDataLow, m_appData,
        m_commonAppData, m_homeTrash;
    platform::VirtualDevices m_virtualDevices;
};
