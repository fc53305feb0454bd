#include "view/SwitchTips.h"

#include "engine/AppHelper.h"
#include "platform/KnownFolders.h"
#include "view/Commands.h"

#include <QCoreApplication>
#include <QLocale>

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

int StartFolderSkippedBy(const CAppHelper& engine)
{
    switch (engine.StartFolderIgnoredBy()) {
    case IgnoreRule::None:
        return 0;
    case IgnoreRule::WindowsFolder:
        return Commands::IgnoreWindowsFolder;
    case IgnoreRule::ProgramsFolder:
        return Commands::IgnoreProgramsFolder;
    case IgnoreRule::RecycleBinFolder:
        return Commands::IgnoreRecycleBinFolder;
    case IgnoreRule::HiddenFolders:
        return Commands::IgnoreHiddenFolders;
    case IgnoreRule::LocalAppDataFolder:
        return Commands::IgnoreLocalAppDataFolder;
    case IgnoreRule::VirtualFileSystem:
        return kVirtualFileSystem;
    }
    return 0;
}

} // namespace SwitchTips
