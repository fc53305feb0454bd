#pragma once

#include "engine/DateTime.h"
#include "engine/FilterTests.h"
#include "engine/FolderTable.h"
#include "engine/FoundPaths.h"
#include "engine/IgnoreRules.h"
#include "engine/NameMatch.h"
#include "engine/ReadAhead.h"
#include "engine/SearchFilters.h"
#include "engine/SettingsSection.h"
#include "platform/FileFind.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

// The search engine: walks one start folder depth first, skips folders and files by the search
// options, the search filters (SearchFilters) and an optional name word, counts what it parsed and
// ignored, keeps a file count per folder, and hands every file that passes to OnFileFound. It knows
// nothing of windows. The walk itself is in AppHelper.cpp, its reading ahead in AppHelperAhead.cpp,
// the filters on each file in AppHelperFilters.cpp; the rules it applies are IgnoreRules (folders),
// NameMatcher (the word) and FilterTests (the search filters, made ready once per walk).

class CContentAhead;

class CAppHelper
{
public:
    // Whether helper threads open and list folders ahead of the walk: when it pays (listings come
    // slowly, as from a cold disk), always, or never. The results are the same in every case.
    enum class ReadAhead
    {
        WhenSlow,
        Always,
        Never,
    };
    void SetReadAhead(ReadAhead mode) { m_readAheadMode = mode; }

    // Copies the search options from the settings store, resolves the special folders, resets the
    // ignored-folders counter and stamps the start time (the stop time one day before it).
    void LoadOptions();
    // Walks m_startFolder with m_searchWord, then sets m_foldersParsed and the stop time. With
    // `startRun` false the run flag is left as the caller set it, so a stop asked for since is kept.
    void RunSearch(bool startRun = true);
    void Walk(QString folder, QString word);
    bool IsIgnoredFolder(const QString& path);
    void CountFileInFolder(const QString& folder);
    // The number of files enumerated so far in a folder of this run; 0 for a folder not entered.
    int GetFolderFileCount(const QString& folder);
    int GetFolderFileCount(const std::string& nativeFolder) const;

    // Called on the walking thread for every file that passed the filters.
    virtual void OnFileFound(const CFileFind& find) = 0;

    // The rule that kept the start folder of the last run out (IgnoreRule::None when it was
    // searched), so the user can be told which switch it was.
    IgnoreRule StartFolderIgnoredBy() const { return m_startFolderIgnoredBy; }

    QString m_fileName;
    QString m_searchWord;
    int m_foldersParsed = 0;
    int m_foldersIgnored = 0;
    // Folders of the last run that could not be opened because no descriptor was left, even after
    // the walk gave up all it could hold (they count as parsed). 0 in any ordinary run.
    int m_foldersNotOpened = 0;
    // Files of the last run whose contents were to be searched, or whose status was to be compared
    // with the size or date limits, but could not be read, and files whose name the word's regular
    // expression gave up on (too many steps); never reported as found. 0 unless a text, a size, a
    // date or a regular expression is looked for.
    int m_filesNotRead = 0;
    QString m_countText;
    int m_ignoreReadOnlyFiles = 0;
    int m_ignoreHiddenFiles = 0;
    int m_searchSubFolders = 0;
    int m_ignoreProgramsFolder = 0;
    int m_ignoreWindowsFolder = 0;
    int m_ignoreRecycleBinFolder = 0;
    int m_ignoreLocalAppDataFolder = 0;
    int m_ignoreHiddenFolders = 0;
    QString m_windowsFolder;
    QString m_programFilesFolder;
    QString m_localAppDataFolder;
    QString m_appDataFolder;
    QString m_commonAppDataFolder;
    QString m_startFolder;
    FoundPaths m_foundPaths;
    CTimeStamp m_startTime;
    CTimeStamp m_stopTime;
    int m_viewFilesCount = 0;
    // What to find and skip beyond the switches (LoadOptions reads it; all defaults: no effect).
    SearchFilters m_filters;
    CSettingsSection m_settings;
    std::atomic<bool> m_run{false};

protected:
    CAppHelper();
    ~CAppHelper();

private:
    struct Frame;

    void WalkFrames();
    bool EnterSubFolder(CFileFind& parent, std::uint32_t parentFolder);
    // Opens the sub-folder the parent's cursor stands on. Out of descriptors, it gives up the levels
    // it can and tries once more.
    platform::OpenedFolder OpenChild(CFileFind& parent);
    // Out of descriptors: gives up the descriptors of every level between the start folder and the
    // deepest one and of everything read ahead, and keeps fewer levels open from now on.
    void LetGoOfLevels();
    void GiveUpHandle(Frame& frame);
    bool PushFrame(int fd, std::vector<char> entries, std::uint32_t folder,
                   std::vector<std::shared_ptr<CReadAhead::Request>> ahead = {}, size_t scanned = 0);
    void PopFrame();
    void NoteListing();
    // Forgets the frame's sub-folders asked for ahead and not reached.
    void DropAhead(Frame& frame);
    void StartReadAhead();
    void StopReadAhead();
    // Drops everything asked of the helpers (reading ahead and searching contents ahead), waits for
    // them to end and closes all they held.
    void LetGoOfHelpers();
    void ReadAheadMore();
    int ReopenFrame(size_t depth);
    bool IsIgnoredNative(const std::string& path, bool examined) const;
    // The filters by name alone (hidden files, skip patterns, the word), for a file of the deepest
    // folder; `gaveUp` tells whether the word's expression was given up on for it.
    bool NamePasses(std::string_view name, bool& gaveUp);
    // The same for the file the cursor stands on, from what was found when its name was tested
    // ahead when it was; a name given up on is counted as not read.
    bool FilePasses(const CFileFind& find);
    // Whether the file the cursor stands on holds the text; helpers may have searched it ahead.
    bool ContainsText(CFileFind& find);
    // Asks helpers to search the files of the deepest folder from the listing's `offset` on.
    void SearchContentsAhead(Frame& frame, size_t offset);
    void DropContents(Frame& frame);
    // The part of a path below the start folder ("a/b"), into m_relative for a file's name.
    std::string_view Relative(std::string_view path) const;
    IgnoreRules::Switches Switches() const;

    // The folders entered in this run, each with the files enumerated in it so far; also the set
    // of visited folders. A folder is known by its path exactly as the walk was given it.
    CFolderTable m_folderFileCounts;
    IgnoreRules m_rules;
    std::unique_ptr<FilterTests> m_tests; // while a walk runs
    const NameMatcher* m_word = nullptr;  // while a walk runs
    std::unique_ptr<CContentAhead> m_contentAhead;
    long m_contentLooks = 0;
    long m_contentBlocks = 0;
    size_t m_startSize = 0;          // the length of the start folder's path
    std::int64_t m_startSeconds = 0; // when LoadOptions stamped the start
    std::string m_relative;
    IgnoreRule m_startFolderIgnoredBy = IgnoreRule::None;
    // How many folder descriptors the walk holds at once, whatever its depth (sized from the
    // descriptor limit at the start of each walk), and whether it ran out of them in this walk.
    size_t m_openLevels = 64;
    bool m_descriptorsShort = false;
    // The folders being listed, from the start folder down, and the path of the deepest one.
    std::vector<Frame> m_frames;
    std::string m_path;
    // Reading ahead: the helpers while a walk uses them, and what tells whether the disk is read.
    ReadAhead m_readAheadMode = ReadAhead::WhenSlow;
    std::unique_ptr<CReadAhead> m_readAhead;
    size_t m_readAheadLimit = 0;
    bool m_readingAhead = false;
    long m_listings = 0;
    long m_blocksRead = 0;
    int m_quietLooks = 0;
    std::string m_scratchPath;
};
