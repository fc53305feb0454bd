#include "engine/AppHelper.h"

#include "engine/ReadAhead.h"
#include "platform/FolderOpen.h"
#include "platform/KnownFolders.h"
#include "platform/Paths.h"

#include <algorithm>
#include <dirent.h>
#include <sys/resource.h>
#include <unistd.h>

using Settings::Key;

namespace {

// How many folder descriptors a walk keeps open at once, whatever its depth. Deeper levels give
// up the descriptor of the level this far above them (the start folder's excepted); it is taken
// again, beneath a descriptor still held, when needed.
constexpr size_t kOpenLevels = 64;
// Reading ahead: this many helper threads, and at most this many folders asked for and not yet
// reached, as far as descriptors allow. Each holds about one descriptor (a copy of its parent's
// while it waits, its own once listed), a helper at work two.
constexpr int kReadAheadThreads = 8;
constexpr size_t kReadAheadMost = 1024;
// Descriptors left for the rest of the program while a walk runs (the windowing system, settings,
// an export), beside the walk's own levels.
constexpr size_t kSpareDescriptors = 128;
// Every this many listings the walk looks whether the disk was read meanwhile: reading ahead pays
// only then (a busy processor also makes listings slow, so their time tells nothing).
constexpr int kListingsPerLook = 8;
// Reading ahead stops after this many looks in a row without a read from the disk.
constexpr int kQuietLooks = 16;

// How many folders may be asked for ahead with the descriptors this process may open.
size_t ReadAheadLimit()
{
    const size_t room = platform::OpenFileLimit();
    const size_t kept = kOpenLevels + kSpareDescriptors + 2 * size_t(kReadAheadThreads);
    return room > kept ? std::min(kReadAheadMost, room - kept) : 0;
}

// Blocks this process read from storage so far.
long BlocksRead()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_inblock;
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

// The name word, ready for the per-file test. Names and words of plain ASCII are compared byte by
// byte; anything else goes through Qt's Unicode case folding.
struct CAppHelper::WordMatcher
{
    QString word;
    bool ascii = true;
    std::string lower;

    explicit WordMatcher(const QString& w) : word(w)
    {
        for (QChar c : w) {
            if (c.unicode() >= 0x80) {
                ascii = false;
                break;
            }
            lower.push_back(AsciiLower(char(c.unicode())));
        }
    }

    bool Empty() const { return word.isEmpty(); }

    bool Matches(std::string_view name, QString& scratch) const
    {
        if (ascii) {
            bool plain = true;
            for (char c : name)
                if (static_cast<unsigned char>(c) >= 0x80) {
                    plain = false;
                    break;
                }
            if (plain) {
                if (lower.size() > name.size())
                    return false;
                for (size_t i = 0; i + lower.size() <= name.size(); ++i) {
                    size_t j = 0;
                    while (j < lower.size() && AsciiLower(name[i + j]) == lower[j])
                        ++j;
                    if (j == lower.size())
                        return true;
                }
                return false;
            }
        }
        scratch = platform::DisplayText(name);
        return scratch.contains(word, Qt::CaseInsensitive);
    }
};

// The special folders in native form, for the per-folder tests.
struct CAppHelper::NativeFolders
{
    std::string windows, programs, programsX86, localAppData, localAppDataLow, appData, commonAppData,
        homeTrash;
    platform::VirtualDevices virtualDevices;
};

// One folder being listed.
struct CAppHelper::Frame
{
    std::unique_ptr<CFileFind> find;
    std::uint32_t folder = 0; // in m_folderFileCounts
    size_t pathSize = 0;      // the length of m_path while this folder is listed
    platform::FolderId id;    // recorded when the descriptor is given up
    // Sub-folders asked for ahead, in the order of the listing (those before `aheadNext` are taken
    // or dropped), and how far the listing was looked through.
    std::vector<CReadAhead::RequestPtr> ahead;
    size_t aheadNext = 0;
    size_t scanned = 0;
};

CAppHelper::CAppHelper() : m_native(std::make_unique<NativeFolders>()) {}

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

    m_windowsFolder = platform::SystemProgramsFolder();
    m_programFilesFolder = platform::ProgramsFolder();
    m_programFilesFolder.replace(QStringLiteral("(x86)"), QString());
    while (!m_programFilesFolder.isEmpty() && m_programFilesFolder.back().isSpace())
        m_programFilesFolder.chop(1);
    m_localAppDataFolder = platform::LocalAppDataFolder();
    m_appDataFolder = platform::AppDataFolder();
    m_commonAppDataFolder = platform::CommonAppDataFolder();

    NativeFolders& n = *m_native;
    n.windows = platform::NativePath(m_windowsFolder);
    n.programs = platform::NativePath(m_programFilesFolder);
    n.programsX86 = n.programs + " (x86)";
    n.localAppData = platform::NativePath(m_localAppDataFolder);
    n.localAppDataLow = n.localAppData + "Low";
    n.appData = platform::NativePath(m_appDataFolder);
    n.commonAppData = platform::NativePath(m_commonAppDataFolder);
    n.homeTrash = platform::NativePath(platform::HomeTrashFolder());
    n.virtualDevices = platform::VirtualMountDevices();

    m_foldersIgnored = 0;
    m_startTime = CurrentTimeStamp();
    m_stopTime = SubtractSpan(m_startTime, MakeSpan(1, 0, 0, 0));
}

void CAppHelper::RunSearch(bool startRun)
{
    if (startRun)
        m_run = true;
    m_foundPaths.clear();
    Walk(m_startFolder, m_searchWord);
    m_foldersParsed = int(m_folderFileCounts.Size());
    m_folderFileCounts.Clear();
    m_stopTime = CurrentTimeStamp();
}

void CAppHelper::Walk(QString folder, QString word)
{
    if (!m_run)
        return;
    const WordMatcher matcher(word);
    std::string path = platform::NativePath(folder);
    // The start folder may be a link to a folder: it is followed, here only.
    platform::OpenedFolder opened = platform::OpenStartFolder(path, m_native->virtualDevices);
    const auto closeOpened = [&opened] {
        if (opened.fd >= 0)
            ::close(opened.fd);
    };
    if (opened.isVirtual || IsIgnoredNative(path, opened.exists)) {
        closeOpened();
        ++m_foldersIgnored;
        return;
    }
    const auto [folderIndex, added] = m_folderFileCounts.Insert(CFolderTable::kNone, path);
    if (!added || opened.fd < 0) {
        closeOpened(); // a folder is entered at most once per run; one that cannot be read stays empty
        return;
    }
    m_path = std::move(path);
    std::vector<char> entries;
    const long blocksBefore = BlocksRead();
    CFileFind::ReadEntries(opened.fd, entries);
    m_listings = 0;
    m_quietLooks = 0;
    m_blocksRead = BlocksRead();
    // Reading the start folder came from the disk: the cache is cold, read ahead from the start.
    if (m_readAheadMode == ReadAhead::Always ||
        (m_readAheadMode == ReadAhead::WhenSlow && m_blocksRead != blocksBefore))
        StartReadAhead();
    if (PushFrame(opened.fd, std::move(entries), folderIndex))
        WalkFrames(matcher);
    // Nothing read ahead outlives the walk.
    StopReadAhead();
    m_frames.clear();
    m_readAhead.reset();
    std::string().swap(m_path);
}

void CAppHelper::WalkFrames(const WordMatcher& word)
{
    // Depth first, one frame per folder being listed: a sub-folder is walked completely before the
    // next entry of its parent is examined.
    while (!m_frames.empty()) {
        CFileFind& find = *m_frames.back().find;
        const std::uint32_t folder = m_frames.back().folder;
        bool descended = false;
        while (find.HasNextEntry()) {
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
            if (m_ignoreHiddenFiles && platform::IsHiddenName(find.GetNativeName()))
                continue;
            if (!word.Empty() && !word.Matches(find.GetNativeName(), m_fileName))
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
            opened = platform::OpenSubFolder(parent.Handle(), parent.GetNativeName().data(),
                                             m_native->virtualDevices);
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
            }
            for (const CReadAhead::RequestPtr& child : children)
                m_readAhead->Drop(child);
        }
    }
    if (!entered)
        m_path.resize(parentSize);
    return entered;
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
    if (depth >= kOpenLevels && depth - kOpenLevels > 0) {
        Frame& above = m_frames[depth - kOpenLevels];
        if (above.find->HoldsHandle()) {
            if (above.id == platform::FolderId())
                above.id = platform::IdOf(above.find->Handle());
            above.find->ReleaseHandle();
        }
    }
    ReadAheadMore();
    return true;
}

void CAppHelper::DropAhead(Frame& frame)
{
    for (size_t i = frame.aheadNext; i < frame.ahead.size(); ++i)
        m_readAhead->Drop(frame.ahead[i]);
    frame.ahead.clear();
    frame.aheadNext = 0;
}

void CAppHelper::PopFrame()
{
    DropAhead(m_frames.back());
    m_frames.pop_back();
    m_path.resize(m_frames.empty() ? 0 : m_frames.back().pathSize);
    ReadAheadMore();
}

void CAppHelper::NoteListing()
{
    if (m_readAheadMode != ReadAhead::WhenSlow || ++m_listings % kListingsPerLook != 0)
        return;
    const long blocks = BlocksRead();
    const bool diskRead = blocks != m_blocksRead;
    m_blocksRead = blocks;
    m_quietLooks = diskRead ? 0 : m_quietLooks + 1;
    if (!m_readingAhead && diskRead)
        StartReadAhead();
    else if (m_readingAhead && m_quietLooks >= kQuietLooks)
        StopReadAhead();
}

void CAppHelper::StartReadAhead()
{
    if (!m_readAhead) {
        m_readAheadLimit = ReadAheadLimit();
        if (m_readAheadLimit < size_t(kReadAheadThreads))
            return; // too few descriptors to spare: the walk reads in line
        m_readAhead = std::make_unique<CReadAhead>(
            m_native->virtualDevices,
            [this](const std::string& path) { return !IsIgnoredNative(path, true); }, m_readAheadLimit,
            kReadAheadThreads);
    }
    m_readingAhead = true;
}

void CAppHelper::StopReadAhead()
{
    m_readingAhead = false;
    if (!m_readAhead || m_readAhead->Outstanding() == 0)
        return;
    for (Frame& frame : m_frames) {
        DropAhead(frame);
        frame.scanned = 0;
    }
}

void CAppHelper::ReadAheadMore()
{
    // The sub-folders the walk will enter next, deepest folder first, as far as the limit allows;
    // only folders whose descriptor is held are read ahead.
    if (!m_readingAhead || !m_run || !m_searchSubFolders || m_readAhead->Outstanding() >= m_readAheadLimit)
        return;
    const size_t lowest = m_frames.size() > kOpenLevels ? m_frames.size() - kOpenLevels : 0;
    for (size_t depth = m_frames.size(); depth-- > lowest;) {
        Frame& frame = m_frames[depth];
        const CFileFind& find = *frame.find;
        if (!find.HoldsHandle())
            continue;
        const std::vector<char>& entries = find.Entries();
        size_t at = std::max(frame.scanned, find.NextOffset());
        while (at < entries.size() && m_readAhead->Outstanding() < m_readAheadLimit) {
            std::string_view name;
            unsigned char type = 0;
            const size_t offset = at;
            at = CFileFind::EntryAt(entries, at, name, type);
            if (type != DT_DIR)
                continue; // links and unknown types are looked at by the walk itself
            m_scratchPath.assign(m_path, 0, frame.pathSize);
            if (m_scratchPath.empty() || m_scratchPath.back() != '/')
                m_scratchPath.push_back('/');
            m_scratchPath.append(name);
            if (IsIgnoredNative(m_scratchPath, true))
                continue;
            auto request =
                m_readAhead->Submit(find.Handle(), std::string(name), m_scratchPath, offset, depth);
            if (!request) {
                at = offset; // the limit was reached meanwhile: this one comes later
                break;
            }
            frame.ahead.push_back(std::move(request));
        }
        frame.scanned = at;
        if (m_readAhead->Outstanding() >= m_readAheadLimit)
            break;
    }
}

int CAppHelper::ReopenFrame(size_t depth)
{
    // Beneath the nearest folder above that still holds its descriptor (the start folder always
    // does), refusing every link, and only if it is still the same folder.
    if (depth == 0 || depth >= m_frames.size())
        return -1;
    size_t holder = depth - 1;
    while (holder > 0 && !m_frames[holder].find->HoldsHandle())
        --holder;
    const Frame& frame = m_frames[depth];
    size_t from = m_frames[holder].pathSize;
    while (from < frame.pathSize && m_path[from] == '/')
        ++from;
    return platform::ReopenBeneath(m_frames[holder].find->Handle(),
                                   std::string_view(m_path).substr(from, frame.pathSize - from), frame.id);
}

bool CAppHelper::IsIgnoredFolder(const QString& path)
{
    const std::string native = platform::NativePath(path);
    const platform::OpenedFolder opened = platform::OpenStartFolder(native, m_native->virtualDevices);
    if (opened.fd >= 0)
        ::close(opened.fd);
    return opened.isVirtual || IsIgnoredNative(native, opened.exists);
}

bool CAppHelper::IsIgnoredNative(const std::string& path, bool examined) const
{
    // Virtual file systems (proc, sysfs, ...) are told by what is mounted, when the folder is
    // opened; the rules here go by the path.
    const NativeFolders& n = *m_native;
    if (m_ignoreWindowsFolder && platform::SamePath(path, n.windows))
        return true;
    if (m_ignoreProgramsFolder && (path == n.programs || path == n.programsX86))
        return true;
    if (m_ignoreRecycleBinFolder &&
        (path == n.homeTrash || platform::IsTrashFolderName(platform::LastComponent(path))))
        return true;
    if (m_ignoreHiddenFolders && path != "/") {
        // The root is never hidden. A folder that cannot be examined counts as hidden.
        if (platform::IsHiddenName(platform::LastComponent(path)) || !examined)
            return true;
    }
    if (m_ignoreLocalAppDataFolder &&
        (path == n.localAppData || path == n.localAppDataLow || path == n.appData || path == n.commonAppData))
        return true;
    return false;
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
