#pragma once

#include <QString>

// Every value of the "Settings" section, with its one default. A reader anywhere in the program
// takes the default from here.
namespace Settings {

enum class Key
{
    IgnoreWindowsFolder,
    IgnoreProgramsFolder,
    IgnoreHiddenFiles,
    IgnoreReadOnlyFiles,
    SearchSubFolders,
    IgnoreRecycleBinFolder,
    IgnoreLocalAppDataFolder,
    IgnoreHiddenFolders,
    DisplayFileList,
    ViewFilesCount,
    AutoListLastFolderAtStartup,
    LastFolderSelected,
    InfoBarText,
    SearchWord,
};

inline constexpr const char* kSection = "Settings";
inline constexpr const char* kWorkspaceSection = "Workspace";

QString Name(Key key);
int IntDefault(Key key);        // integer values
QString StringDefault(Key key); // string values

// The duplicates window's own values, in a section of their own ("Duplicates"): the rules that
// choose the file that stays ("reference,oldest,-newest,...", "-" before a rule that is off) and the
// reference folders (percent-encoded exact bytes, separated by ":"). Both are empty by default,
// which stands for the usual rules and no folder.
inline constexpr const char* kDuplicatesSection = "Duplicates";

enum class DuplicatesKey
{
    KeepRules,
    ReferenceFolders,
};

QString Name(DuplicatesKey key);
QString StringDefault(DuplicatesKey key);

// Column widths of the view's two lists ("%d Column %d") and of the duplicates list.
QString ColumnWidthKey(int list, int column);
QString ResultsColumnWidthKey(int column);

} // namespace Settings
