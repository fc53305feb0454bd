#include "engine/AppHelper.h"

#include "engine/AppHelperFrame.h"
#include "platform/Clock.h"
#include "platform/EntryStatus.h"
#include "platform/FolderOpen.h"
#include "platform/KnownFolders.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <unistd.h>

using Settings::Key;

CAppHelper::CAppHelper() = default;

CAppHelper::~CAppHelper() = default;

void CAppHelper::LoadOptions()
{
    m_ignoreProgramsFolder = m_settings.GetSwitch(Key::IgnoreProgramsFolder);
    m_ignoreWindowsFolder = m_settings.GetSwitch(Key::IgnoreWindowsFolder);
    m_searchSubFolders = m_settings.GetSwitch(Key::SearchSubFolders);
    m_ignoreRecycleBinFolder = m_settings.GetSwitch(Key::IgnoreRecycleBinFolder);
    m_ignoreLocalAppDataFolder = m_settings.GetSwitch(Key::IgnoreLocalAppDataFolder);
    m_ignoreHiddenFolders = m_settings.GetSwitch(Key::IgnoreHiddenFolders);
    m_ignoreReadOnlyFiles = m_settings.GetSwitch(Key::IgnoreReadOnlyFiles);
    m_ignoreHiddenFiles = m_settings.GetSwitch(Key::IgnoreHiddenFiles);
    m_viewFilesCount = m_settings.GetSwitch(Key::ViewFilesCount);
    m_filters = LoadSearchFilters();

    m_windowsFolder = platform::SystemProgramsFolder();
    m_programFilesFolder = platform::ProgramsFolder();
    m_programFilesFolder.replace(QStringLiteral("(x86)"), QString());
    while (!m_programFilesFolder.isEmpty() && m_programFilesFolder.back().isSpace())
        m_programFilesFolder.chop(1);
    m_localAppDataFolder = platform::LocalAppDataFolder();
    m_appDataFolder = platform::AppDataFolder();
    m_commonAppDataFolder = platform::CommonAppDataFolder();
    m_rules.SetFolders(m_windowsFolder, m_programFilesFolder, m_localAppDataFolder, m_appDataFolder,
                       m_commonAppDataFolder);

    m_foldersIgnored = 0;
    m_startSeconds = platform::CurrentTime();
    m_startTime = TimeStampFromSeconds(m_startSeconds);
    m_stopTime = SubtractSpan(m_startTime, MakeSpan(1, 0, 0, 0));
}

void CAppHelper::RunSearch(bool startRun)
{
    if (startRun)
        m_run = true;
    m_foundPaths.clear();
    m_foldersNotOpened = 0;
    m_filesNotRead = 0;
    m_startFolderIgnoredBy = IgnoreRule::None;
    Walk(m_startFolder, m_searchWord);
    m_foldersParsed = int(m_folderFileCounts.Size());
    m_folderFileCounts.Clear();
    m_stopTime = CurrentTimeStamp();
}

IgnoreRules::Switches CAppHelper::Switches() const
{
    IgnoreRules::Switches on;
    on.windows = m_ignoreWindowsFolder != 0;
    on.programs = m_ignoreProgramsFolder != 0;
    on.recycleBin = m_ignoreRecycleBinFolder != 0;
    on.hidden = m_ignoreHiddenFolders != 0;
    on.localAppData = m_ignoreLocalAppDataFolder != 0;
    return on;
}

void CAppHelper::Walk(QString folder, QString word)
{
    if (!m_run)
        return;
    m_rules.SetSwitches(Switches());
    m_descriptorsShort = false;
    m_openLevels = walk::OpenLevels();
    const NameMatcher matcher(word, m_filters.nameMatch);
    std::string path = platform::NativePath(folder);
    // The lists look the found files' statuses up along the same way.
    platform::NoteStartFolder(path);
    // The start folder may be a link to a folder: it is followed, here only.
    platform::OpenedFolder opened = platform::OpenStartFolder(path, m_rules.VirtualDevices());
    const auto closeOpened = [&opened] {
        if (opened.fd >= 0)
            ::close(opened.fd);
    };
    // Out of descriptors, the start folder was not examined; that does not make it hidden.
    const bool starved = opened.fd < 0 && !opened.isVirtual && platform::OutOfDescriptors(opened.error);
    const IgnoreRule rule = opened.isVirtual ? IgnoreRule::VirtualFileSystem
                            : starved        ? IgnoreRule::None
                                             : m_rules.Test(path, opened.exists);
    if (rule != IgnoreRule::None) {
        closeOpened();
        m_startFolderIgnoredBy = rule;
        ++m_foldersIgnored;
        return;
    }
    const auto [folderIndex, added] = m_folderFileCounts.Insert(CFolderTable::kNone, path);
    if (added && starved)
        ++m_foldersNotOpened;
    if (!added || opened.fd < 0) {
        closeOpened(); // a folder is entered at most once per run; one that cannot be read stays empty
        return;
    }
    m_path = std::move(path);
    m_startSize = m_path.size();
    m_tests = std::make_unique<FilterTests>(m_filters, m_startSeconds);
    m_tests->SetIgnoreReadOnly(m_ignoreReadOnlyFiles != 0);
    m_word = &matcher;
    if (m_tests->Text() && m_readAheadMode != ReadAhead::Never) {
        ContentTest test;
        test.text = m_tests->Text();
        test.binaryToo = m_tests->BinaryToo();
        test.run = &m_run;
        if (m_tests->TestsOpenStatus()) {
            test.passes = &FilterTests::PassesOpenStatus;
            test.passesContext = m_tests.get();
        }
        m_contentAhead =
            std::make_unique<CContentAhead>(test, walk::kContentThreads, walk::ContentThreadsInMemory());
        m_contentLooks = 0;
        m_contentBlocks = walk::BlocksRead();
    }
    std::vector<char> entries;
    const long blocksBefore = walk::BlocksRead();
    CFileFind::ReadEntries(opened.fd, entries);
    m_listings = 0;
    m_quietLooks = 0;
    m_blocksRead = walk::BlocksRead();
    // Reading the start folder came from the disk: the cache is cold, read ahead from the start.
    if (m_readAheadMode == ReadAhead::Always ||
        (m_readAheadMode == ReadAhead::WhenSlow && m_blocksRead != blocksBefore))
        StartReadAhead();
    if (PushFrame(opened.fd, std::move(entries), folderIndex))
        WalkFrames();
    // Nothing read ahead outlives the walk.
    StopReadAhead();
    m_frames.clear();
    m_readAhead.reset();
    m_contentAhead.reset();
    m_word = nullptr;
    m_tests.reset();
    std::string().swap(m_path);
}

void CAppHelper::WalkFrames()
{
    const FilterTests& tests = *m_tests;
    // After a Stop the rest of each open folder is still listed, unless its files want a costly
    // test (a regular expression on the name, the text inside): then the walk ends at once.
    const bool costly = m_word->Costly() || tests.Text();
    // Depth first, one frame per folder being listed: a sub-folder is walked completely before the
    // next entry of its parent is examined.
    while (!m_frames.empty()) {
        CFileFind& find = *m_frames.back().find;
        const std::uint32_t folder = m_frames.back().folder;
        bool descended = false;
        while (find.HasNextEntry() && (m_run || !costly)) {
            find.FindNextFile();
            if (find.MatchesMask(CFileFind::kDirectory)) {
                if (m_searchSubFolders && EnterSubFolder(find, folder)) {
                    descended = true;
                    break;
                }
                continue;
            }
            if (find.IsLinkToFolder())
                continue; // neither a file nor entered
            if (m_viewFilesCount)
                ++m_folderFileCounts.Count(folder);
            if (m_ignoreReadOnlyFiles && find.MatchesMask(CFileFind::kReadOnly))
                continue;
            if (!FilePasses(find))
                continue;
            if (tests.TestsStatus() && !tests.PassesStatus(find)) {
                // A file whose status cannot be read is not known to fail the limits: it is counted
                // with the files that could not be read (one gone meanwhile is not).
                if (find.GetLength() < 0 && !find.Lost() && find.StatusError() != ENOENT &&
                    find.StatusError() != ENOTDIR)
                    ++m_filesNotRead;
                continue;
            }
            if (tests.Text() && !ContainsText(find))
                continue;
            OnFileFound(find);
        }
        if (!descended)
            PopFrame();
    }
}

bool CAppHelper::EnterSubFolder(CFileFind& parent, std::uint32_t parentFolder)
{
    if (!m_run) {
        StopReadAhead(); // folders not reached are not wanted any more
        return false;
    }
    // The listing asked for ahead, when there is one for this entry.
    CReadAhead::RequestPtr request;
    Frame& here = m_frames.back();
    while (here.aheadNext < here.ahead.size() &&
           here.ahead[here.aheadNext]->Offset() <= parent.EntryOffset()) {
        CReadAhead::RequestPtr& next = here.ahead[here.aheadNext++];
        if (next->Offset() == parent.EntryOffset())
            request = std::move(next);
        else
            m_readAhead->Drop(next);
        next.reset();
    }

    const size_t parentSize = m_path.size();
    if (m_path.empty() || m_path.back() != '/')
        m_path.push_back('/');
    m_path.append(parent.GetNativeName());
    bool entered = false;
    if (IsIgnoredNative(m_path, true)) {
        ++m_foldersIgnored;
        if (request)
            m_readAhead->Drop(request);
    } else {
        platform::OpenedFolder opened;
        std::vector<char> entries;
        std::vector<CReadAhead::RequestPtr> children;
        size_t scanned = 0;
        bool taken = request && m_readAhead->Take(*request, m_frames.size(), children, scanned);
        if (taken && request->opened.fd < 0 && !request->opened.isVirtual) {
            // The helper could not open it (out of descriptors, say): the walk tries for itself.
            for (const CReadAhead::RequestPtr& child : children)
                m_readAhead->Drop(child);
            children.clear();
            scanned = 0;
            taken = false;
        }
        if (taken) {
            opened = request->opened;
            request->opened.fd = -1;
            entries = std::move(request->entries);
        } else {
            opened = OpenChild(parent);
            if (opened.fd >= 0)
                CFileFind::ReadEntries(opened.fd, entries);
        }
        NoteListing();
        if (opened.isVirtual) {
            ++m_foldersIgnored;
        } else {
            const auto [folderIndex, added] = m_folderFileCounts.Insert(parentFolder, parent.GetNativeName());
            if (added && opened.fd >= 0) {
                parent.DropFolderText();
                entered = PushFrame(opened.fd, std::move(entries), folderIndex, std::move(children), scanned);
                children.clear();
            } else if (opened.fd >= 0) {
                ::close(opened.fd);
            } else if (added && platform::OutOfDescriptors(opened.error)) {
                ++m_foldersNotOpened;
            }
            for (const CReadAhead::RequestPtr& child : children)
                m_readAhead->Drop(child);
        }
    }
    if (!entered)
        m_path.resize(parentSize);
    return entered;
}

platform::OpenedFolder CAppHelper::OpenChild(CFileFind& parent)
{
    for (int attempt = 0;; ++attempt) {
        platform::OpenedFolder opened;
        errno = 0;
        const int parentFd = parent.Handle();
        if (parentFd >= 0)
            opened =
                platform::OpenSubFolder(parentFd, parent.GetNativeName().data(), m_rules.VirtualDevices());
        else
            opened.error = errno != 0 ? errno : EBADF;
        if (opened.fd >= 0 || opened.isVirtual || attempt > 0 || !platform::OutOfDescriptors(opened.error))
            return opened;
        LetGoOfLevels();
    }
}

void CAppHelper::GiveUpHandle(Frame& frame)
{
    DropContents(frame);
    if (!frame.find->HoldsHandle())
        return;
    if (frame.id == platform::FolderId())
        frame.id = platform::IdOf(frame.find->Handle());
    frame.find->ReleaseHandle();
}

void CAppHelper::LetGoOfLevels()
{
    // Helpers hold descriptors too: they are let go of for the rest of this walk, and what they
    // held is closed before the walk tries again.
    m_descriptorsShort = true;
    LetGoOfHelpers();
    for (size_t depth = 1; depth + 1 < m_frames.size(); ++depth)
        GiveUpHandle(m_frames[depth]);
    m_openLevels = std::max<size_t>(1, m_openLevels / 2);
}

bool CAppHelper::PushFrame(int fd, std::vector<char> entries, std::uint32_t folder,
                           std::vector<CReadAhead::RequestPtr> ahead, size_t scanned)
{
    const size_t depth = m_frames.size();
    Frame& frame = m_frames.emplace_back();
    frame.find = std::make_unique<CFileFind>();
    frame.folder = folder;
    frame.pathSize = m_path.size();
    frame.ahead = std::move(ahead);
    frame.scanned = scanned;
    if (!frame.find->TakeEntries(std::move(entries), fd, &m_path,
                                 [this, depth] { return ReopenFrame(depth); })) {
        DropAhead(frame);
        m_frames.pop_back();
        return false; // nothing to list: the folder stays parsed and empty
    }
    if (depth >= m_openLevels && depth - m_openLevels > 0)
        GiveUpHandle(m_frames[depth - m_openLevels]);
    ReadAheadMore();
    // Its files' contents are searched ahead from the start, so helpers have work while the walk is
    // in its sub-folders.
    if (m_contentAhead)
        SearchContentsAhead(m_frames.back(), 0);
    return true;
}

void CAppHelper::PopFrame()
{
    DropAhead(m_frames.back());
    DropContents(m_frames.back());
    m_frames.pop_back();
    m_path.resize(m_frames.empty() ? 0 : m_frames.back().pathSize);
    ReadAheadMore();
}

int CAppHelper::ReopenFrame(size_t depth)
{
    // Beneath the nearest folder above that still holds its descriptor (the start folder always
    // does), refusing every link, and only if it is still the same folder.
    if (depth == 0 || depth >= m_frames.size())
        return -1;
    for (int attempt = 0;; ++attempt) {
        size_t holder = depth - 1;
        while (holder > 0 && !m_frames[holder].find->HoldsHandle())
            --holder;
        const Frame& frame = m_frames[depth];
        size_t from = m_frames[holder].pathSize;
        while (from < frame.pathSize && m_path[from] == '/')
            ++from;
        const int fd =
            platform::ReopenBeneath(m_frames[holder].find->Handle(),
                                    std::string_view(m_path).substr(from, frame.pathSize - from), frame.id);
        if (fd >= 0 || attempt > 0 || !platform::OutOfDescriptors(errno))
            return fd;
        LetGoOfLevels();
    }
}

bool CAppHelper::IsIgnoredFolder(const QString& path)
{
    m_rules.SetSwitches(Switches());
    const std::string native = platform::NativePath(path);
    const platform::OpenedFolder opened = platform::OpenStartFolder(native, m_rules.VirtualDevices());
    if (opened.fd >= 0)
        ::close(opened.fd);
    return opened.isVirtual || m_rules.Test(native, opened.exists) != IgnoreRule::None;
}

bool CAppHelper::IsIgnoredNative(const std::string& path, bool examined) const
{
    // Below the start folder only. Virtual file systems (proc, sysfs, ...) are told by what is
    // mounted, when the folder is opened; the rules here go by the path.
    if (m_rules.Test(path, examined) != IgnoreRule::None)
        return true;
    const SkipPatterns& skip = m_tests->Skip();
    return !skip.Empty() && skip.Skips(platform::LastComponent(path), Relative(path), true);
}

void CAppHelper::CountFileInFolder(const QString& folder)
{
    const std::string native = platform::NativePath(folder);
    std::uint32_t index = m_folderFileCounts.Find(native);
    if (index == CFolderTable::kNone)
        index = m_folderFileCounts.Insert(CFolderTable::kNone, native).first;
    const int n = ++m_folderFileCounts.Count(index);
    m_countText = QString::number(n);
}

int CAppHelper::GetFolderFileCount(const QString& folder)
{
    const int n = GetFolderFileCount(platform::NativePath(folder));
    m_countText = QString::number(n);
    return n;
}

int CAppHelper::GetFolderFileCount(const std::string& nativeFolder) const
{
    // Asked nearly always for the folder being listed.
    if (!m_frames.empty() && nativeFolder == m_path)
        return m_folderFileCounts.Count(m_frames.back().folder);
    const std::uint32_t index = m_folderFileCounts.Find(nativeFolder);
    return index == CFolderTable::kNone ? 0 : m_folderFileCounts.Count(index);
}
