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

// The options of SearchFilters, in their own group; see SearchFilters.h for their meaning.
enum class FilterKey
{
    SkipPatterns,   // string: one pattern a line
    NameMatch,      // 0 contains, 1 wildcard, 2 regular expression
    MinSizeEnabled, // 0 or 1
    MinSize,        // the amount, in MinSizeUnit
    MinSizeUnit,    // 0 bytes, 1 KB, 2 MB, 3 GB
    MaxSizeEnabled,
    MaxSize,
    MaxSizeUnit,
    ModifiedFrom,       // string: yyyy-MM-dd, empty for none
    ModifiedTo,         // string: yyyy-MM-dd, empty for none
    ModifiedWithinDays, // 0 for none
    ContainingText,     // string, empty for none
    TextIsRegularExpression,
    SearchBinaryFiles,
};

// Values of the search dialog and of the file list that the "Settings" section does not hold,
// each in its own group.
enum class ViewKey
{
    WordHistory,      // group "SearchDialog", string: the last words searched for, one a line
    MoreOptionsShown, // group "SearchDialog", 0 or 1: the dialog's "More Options" unfolded
    SizeColumn,       // group "FileList", 0 or 1: the file list shows the Size column
    ModifiedColumn,   // group "FileList", 0 or 1: the file list shows the Modified column
};

inline constexpr const char* kSection = "Settings";
inline constexpr const char* kFiltersSection = "SearchFilters";
inline constexpr const char* kWorkspaceSection = "Workspace";

QString Name(Key key);
int IntDefault(Key key);        // integer values
QString StringDefault(Key key); // string values

QString Name(FilterKey key);
int IntDefault(FilterKey key);
QString StringDefault(FilterKey key);

QString Section(ViewKey key);
QString Name(ViewKey key);
int IntDefault(ViewKey key);
QString StringDefault(ViewKey key);

// Values of our own additions, in a section of their own, each with its one default.
inline constexpr const char* kDuplicatesSection = "Duplicates";

enum class DuplicatesKey
{
    UseContentsCache, // Verify Contents keeps what it learnt of each file (1) or reads every time (0)
    // Strings; empty stands for the usual rules and no folder.
    KeepRules,        // the rules that choose the file that stays: "reference,oldest,-newest,..."
    ReferenceFolders, // the reference folders: percent-encoded exact bytes, separated by ":"
};

QString Name(DuplicatesKey key);
int IntDefault(DuplicatesKey key);
QString StringDefault(DuplicatesKey key);

// Column widths of the view's two lists ("%d Column %d") and of the duplicates list.
QString ColumnWidthKey(int list, int column);
QString ResultsColumnWidthKey(int column);

} // namespace Settings
