#include "engine/SettingsKeys.h"

#include <array>

namespace Settings {
namespace {

struct Entry
{
    Key key;
    const char* name;
    int intDefault;
    const char* stringDefault; // nullptr for integer values
};

// The root of the system drive is "/" here.
constexpr std::array<Entry, 14> kTable = {{
    {Key::IgnoreWindowsFolder, "IgnoreWindowsFolder", 1, nullptr},
    {Key::IgnoreProgramsFolder, "IgnoreProgramsFolder", 1, nullptr},
    {Key::IgnoreHiddenFiles, "IgnoreHiddenFiles", 1, nullptr},
    {Key::IgnoreReadOnlyFiles, "IgnoreReadOnlyFiles", 0, nullptr},
    {Key::SearchSubFolders, "SearchSubFolders", 1, nullptr},
    {Key::IgnoreRecycleBinFolder, "IgnoreRecycleBinFolder", 0, nullptr},
    {Key::IgnoreLocalAppDataFolder, "IgnoreLocalAppDataFolder", 1, nullptr},
    {Key::IgnoreHiddenFolders, "IgnoreHiddenFolders", 1, nullptr},
    {Key::DisplayFileList, "DisplayFileList", 1, nullptr},
    {Key::ViewFilesCount, "ViewFilesCount", 0, nullptr},
    {Key::AutoListLastFolderAtStartup, "AutoListLastFolderAtStartup", 0, nullptr},
    {Key::LastFolderSelected, "LastFolderSelected", 0, "/"},
    {Key::InfoBarText, "InfoBarText", 0, "Information Bar"},
    {Key::SearchWord, "SearchWord", 0, ""},
}};

const Entry& EntryOf(Key key)
{
    return kTable[size_t(key)];
}

static_assert(
    [] {
        for (size_t i = 0; i < kTable.size(); ++i)
            if (size_t(kTable[i].key) != i)
                return false;
        return true;
    }(),
    "the table lists the keys in their order");

struct DuplicatesEntry
{
    DuplicatesKey key;
    const char* name;
    const char* stringDefault;
};

constexpr std::array<DuplicatesEntry, 2> kDuplicatesTable = {{
    {DuplicatesKey::KeepRules, "KeepRules", ""},
    {DuplicatesKey::ReferenceFolders, "ReferenceFolders", ""},
}};

static_assert(
    [] {
        for (size_t i = 0; i < kDuplicatesTable.size(); ++i)
            if (size_t(kDuplicatesTable[i].key) != i)
                return false;
        return true;
    }(),
    "the duplicates table lists its keys in their order");

} // namespace

QString Name(DuplicatesKey key)
{
    return QString::fromLatin1(kDuplicatesTable[size_t(key)].name);
}

QString StringDefault(DuplicatesKey key)
{
    return QString::fromLatin1(kDuplicatesTable[size_t(key)].stringDefault);
}

QString Name(Key key)
{
    return QString::fromLatin1(EntryOf(key).name);
}

int IntDefault(Key key)
{
    return EntryOf(key).intDefault;
}

QString StringDefault(Key key)
{
    const char* value = EntryOf(key).stringDefault;
    return value ? QString::fromLatin1(value) : QString();
}

QString ColumnWidthKey(int list, int column)
{
    return QStringLiteral("%1 Column %2").arg(list).arg(column);
}

QString ResultsColumnWidthKey(int column)
{
    return QStringLiteral("Results Column %1").arg(column);
}

} // namespace Settings
