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

// Values of our own additions, in a section of their own, each with its one default.
inline constexpr const char* kDuplicatesSection = "Duplicates";

enum class DuplicatesKey
{
    UseContentsCache, // Verify Contents keeps what it learnt of each file (1) or reads every time (0)
};

QString Name(DuplicatesKey key);
int IntDefault(DuplicatesKey key);

// Column widths of the view's two lists ("%d Column %d") and of the duplicates list.
QString ColumnWidthKey(int list, int column);
QString ResultsColumnWidthKey(int column);

} // namespace Settings
