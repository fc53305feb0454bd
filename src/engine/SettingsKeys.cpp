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

struct FilterEntry
{
    FilterKey key;
    const char* name;
    int intDefault;
    const char* stringDefault; // nullptr for integer values
};

constexpr std::array<FilterEntry, 14> kFilterTable = {{
    {FilterKey::SkipPatterns, "SkipPatterns", 0, ""},
    {FilterKey::NameMatch, "NameMatch", 0, nullptr},
    {FilterKey::MinSizeEnabled, "MinSizeEnabled", 0, nullptr},
    {FilterKey::MinSize, "MinSize", 0, nullptr},
    {FilterKey::MinSizeUnit, "MinSizeUnit", 1, nullptr},
    {FilterKey::MaxSizeEnabled, "MaxSizeEnabled", 0, nullptr},
    {FilterKey::MaxSize, "MaxSize", 0, nullptr},
    {FilterKey::MaxSizeUnit, "MaxSizeUnit", 1, nullptr},
    {FilterKey::ModifiedFrom, "ModifiedFrom", 0, ""},
    {FilterKey::ModifiedTo, "ModifiedTo", 0, ""},
    {FilterKey::ModifiedWithinDays, "ModifiedWithinDays", 0, nullptr},
    {FilterKey::ContainingText, "ContainingText", 0, ""},
    {FilterKey::TextIsRegularExpression, "TextIsRegularExpression", 0, nullptr},
    {FilterKey::SearchBinaryFiles, "SearchBinaryFiles", 0, nullptr},
}};

const FilterEntry& EntryOf(FilterKey key)
{
    return kFilterTable[size_t(key)];
}

struct ViewEntry
{
    ViewKey key;
    const char* section;
    const char* name;
    int intDefault;
    const char* stringDefault; // nullptr for integer values
};

constexpr std::array<ViewEntry, 4> kViewTable = {{
    {ViewKey::WordHistory, "SearchDialog", "WordHistory", 0, ""},
    {ViewKey::MoreOptionsShown, "SearchDialog", "MoreOptionsShown", 0, nullptr},
    {ViewKey::SizeColumn, "FileList", "SizeColumn", 0, nullptr},
    {ViewKey::ModifiedColumn, "FileList", "ModifiedColumn", 0, nullptr},
}};

const ViewEntry& EntryOf(ViewKey key)
{
    return kViewTable[size_t(key)];
}

struct DuplicatesEntry
{
    DuplicatesKey key;
    const char* name;
    int intDefault;
    const char* stringDefault; // nullptr for integer values
};

// Empty rules or folders stand for the usual rules and no reference folder.
constexpr std::array<DuplicatesEntry, 3> kDuplicatesTable = {{
    {DuplicatesKey::UseContentsCache, "UseContentsCache", 1, nullptr},
    {DuplicatesKey::KeepRules, "KeepRules", 0, ""},
    {DuplicatesKey::ReferenceFolders, "ReferenceFolders", 0, ""},
}};

const DuplicatesEntry& EntryOf(DuplicatesKey key)
{
    return kDuplicatesTable[size_t(key)];
}

static_assert(
    [] {
        for (size_t i = 0; i < kDuplicatesTable.size(); ++i)
            if (size_t(kDuplicatesTable[i].key) != i)
                return false;
        return true;
    }(),
    "the duplicates table lists the keys in their order");

static_assert(
    [] {
        for (size_t i = 0; i < kViewTable.size(); ++i)
            if (size_t(kViewTable[i].key) != i)
                return false;
        return true;
    }(),
    "the view table lists the keys in their order");

static_assert(
    [] {
        for (size_t i = 0; i < kFilterTable.size(); ++i)
            if (size_t(kFilterTable[i].key) != i)
                return false;
        return true;
    }(),
    "the filter table lists the keys in their order");

static_assert(
    [] {
        for (size_t i = 0; i < kTable.size(); ++i)
            if (size_t(kTable[i].key) != i)
                return false;
        return true;
    }(),
    "the table lists the keys in their order");

} // namespace

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

QString Name(FilterKey key)
{
    return QString::fromLatin1(EntryOf(key).name);
}

int IntDefault(FilterKey key)
{
    return EntryOf(key).intDefault;
}

QString StringDefault(FilterKey key)
{
    const char* value = EntryOf(key).stringDefault;
    return value ? QString::fromLatin1(value) : QString();
}

QString Section(ViewKey key)
{
    return QString::fromLatin1(EntryOf(key).section);
}

QString Name(ViewKey key)
{
    return QString::fromLatin1(EntryOf(key).name);
}

int IntDefault(ViewKey key)
{
    return EntryOf(key).intDefault;
}

QString StringDefault(ViewKey key)
{
    const char* value = EntryOf(key).stringDefault;
    return value ? QString::fromLatin1(value) : QString();
}

QString Name(DuplicatesKey key)
{
    return QString::fromLatin1(EntryOf(key).name);
}

int IntDefault(DuplicatesKey key)
{
    return EntryOf(key).intDefault;
}

QString StringDefault(DuplicatesKey key)
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
