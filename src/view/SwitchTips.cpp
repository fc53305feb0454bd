#include "view/SwitchTips.h"

#include "engine/AppHelper.h"
#include "platform/KnownFolders.h"
#include "view/Commands.h"

#include <QCoreApplication>
#include <QLocale>
#include <iterator>
#include <utility>

namespace SwitchTips {
QString Description(int command)
{
    switch (command) {
    case Commands::IgnoreWindowsFolder:
        return QCoreApplication::translate("SwitchTips",
                                           "Skips the system's programs folder, %1, while searching.")
            .arg(platform::SystemProgramsFolder());
    case Commands::IgnoreProgramsFolder:
        return QCoreApplication::translate("SwitchTips",
                                           "Skips the folder of added programs, %1, while searching.")
            .arg(platform::ProgramsFolder());
    case Commands::IgnoreRecycleBinFolder:
        return QCoreApplication::translate("SwitchTips", "Skips the trash while searching: %1, and every "
                                                         "folder named .Trash or .Trash- followed by "
                                                         "digits.")
            .arg(platform::HomeTrashFolder());
    case Commands::IgnoreLocalAppDataFolder: {
        const QString data = platform::LocalAppDataFolder();
        // The engine also skips the data folder's twin with "Low" after its name.
        const QStringList folders = {data, data + QStringLiteral("Low"), platform::AppDataFolder(),
                                     platform::CommonAppDataFolder()};
        return QCoreApplication::translate("SwitchTips",
                                           "Skips the application data folders while searching: %1.")
            .arg(QLocale().createSeparatedList(folders));
    }
    case Commands::IgnoreHiddenFolders:
        return QCoreApplication::translate(
            "SwitchTips",
            "Skips folders whose names start with a dot (.), and folders that cannot be examined, "
            "while searching.");
    case Commands::IgnoreHiddenFiles:
        return QCoreApplication::translate("SwitchTips",
                                           "Skips files whose names start with a dot (.) while searching.");
    case Commands::IgnoreReadOnlyFiles:
        return QCoreApplication::translate(
            "SwitchTips",
            "Skips files that nobody may write to (no write permission at all) while searching.");
    default:
        return {};
    }
}

int StartFolderSkippedBy(CAppHelper& engine)
{
    // The start folder was left out when the run entered no folder and counted one as ignored.
    if (engine.m_foldersParsed != 0 || engine.m_foldersIgnored == 0 || engine.m_startFolder.isEmpty())
        return 0;
    // Asks the engine's own test with one folder switch on at a time, in the order it tries them.
    struct Rule
    {
        int CAppHelper::*flag;
        int command;
    };
    const Rule rules[] = {
        {&CAppHelper::m_ignoreWindowsFolder, Commands::IgnoreWindowsFolder},
        {&CAppHelper::m_ignoreProgramsFolder, Commands::IgnoreProgramsFolder},
        {&CAppHelper::m_ignoreRecycleBinFolder, Commands::IgnoreRecycleBinFolder},
        {&CAppHelper::m_ignoreHiddenFolders, Commands::IgnoreHiddenFolders},
        {&CAppHelper::m_ignoreLocalAppDataFolder, Commands::IgnoreLocalAppDataFolder},
    };
    int kept[std::size(rules)];
    for (size_t i = 0; i < std::size(rules); ++i)
        kept[i] = std::exchange(engine.*rules[i].flag, 0);
    int found = engine.IsIgnoredFolder(engine.m_startFolder) ? kVirtualFileSystem : 0;
    for (size_t i = 0; i < std::size(rules) && found == 0; ++i) {
        engine.*rules[i].flag = kept[i];
        if (kept[i] && engine.IsIgnoredFolder(engine.m_startFolder))
            found = rules[i].command;
        engine.*rules[i].flag = 0;
    }
    for (size_t i = 0; i < std::size(rules); ++i)
        engine.*rules[i].flag = kept[i];
    return found;
}

} // namespace SwitchTips
