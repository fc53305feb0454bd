#include "engine/AppHelper.h"

#include "platform/KnownFolders.h"
#include "platform/Paths.h"

#include <sys/stat.h>

using Settings::Key;

namespace {

// How many folder descriptors a walk keeps open at once, whatever its depth. Deeper levels give
// up the descriptor of the level this far above them; it is taken again by path when needed.
constexpr size_t kOpenLevels = 64;
// Levels below this depth give their entry buffers back when they are done.
constexpr size_t kKeptLevels = 32;

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
    std::unordered_set<std::string> virtualMounts;
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
    n.virtualMounts = platform::VirtualMountPoints();

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
    m_foldersParsed = int(m_folderFileCounts.size());
    m_folderFileCounts.clear();
    m_levels.clear();
    m_stopTime = CurrentTimeStamp();
}

void CAppHelper::Walk(QString folder, QString word)
{
    const WordMatcher matcher(word);
    WalkFolder(nullptr, platform::NativePath(folder), matcher, 0);
}

CFileFind& CAppHelper::Level(size_t depth)
{
    if (m_levels.size() <= depth)
        m_levels.resize(depth + 1);
    if (!m_levels[depth])
        m_levels[depth] = std::make_unique<CFileFind>();
    return *m_levels[depth];
}

void CAppHelper::WalkFolder(CFileFind* parent, std::string folder, const WordMatcher& word, size_t depth)
{
    if (!m_run)
        return;
    if (IsIgnoredNative(folder, parent != nullptr)) {
        ++m_foldersIgnored;
        return;
    }
    const auto [entry, entered] = m_folderFileCounts.try_emplace(std::move(folder), 0);
    if (!entered)
        return; // a folder is entered at most once per run
    // Nodes of the map stay put while it grows, so its key and count can be used in place.
    const std::string& path = entry->first;
    int& fileCount = entry->second;

    CFileFind& find = Level(depth);
    const bool listed = parent ? find.FindSubFolder(*parent, path) : find.FindFile(path);
    if (depth >= kOpenLevels)
        m_levels[depth - kOpenLevels]->ReleaseHandle();
    if (listed) {
        for (bool more = true; more;) {
            more = find.FindNextFile();
            if (find.IsDots())
                continue;
            if (find.MatchesMask(CFileFind::kDirectory)) {
                if (m_searchSubFolders)
                    WalkFolder(&find, find.GetNativePath(), word, depth + 1);
                continue;
            }
            if (m_viewFilesCount)
                ++fileCount;
            if (m_ignoreReadOnlyFiles && find.MatchesMask(CFileFind::kReadOnly))
                continue;
            if (m_ignoreHiddenFiles && platform::IsHiddenName(find.GetNativeName()))
                continue;
            if (!word.Empty() && !word.Matches(find.GetNativeName(), m_fileName))
                continue;
            OnFileFound(find);
        }
    }
    find.Close();
    if (depth >= kKeptLevels)
        m_levels[depth].reset();
}

bool CAppHelper::IsIgnoredFolder(const QString& path)
{
    return IsIgnoredNative(platform::NativePath(path), false);
}

bool CAppHelper::IsIgnoredNative(const std::string& path, bool knownToExist) const
{
    const NativeFolders& n = *m_native;
    // Virtual file systems (proc, sysfs, ...) are never entered, whatever the switches.
    if (n.virtualMounts.count(path))
        return true;
    if (m_ignoreWindowsFolder && platform::SamePath(path, n.windows))
        return true;
    if (m_ignoreProgramsFolder && (path == n.programs || path == n.programsX86))
        return true;
    if (m_ignoreRecycleBinFolder &&
        (path == n.homeTrash || platform::IsTrashFolderName(platform::LastComponent(path))))
        return true;
    if (m_ignoreHiddenFolders && path != "/") {
        // The root is never hidden. A folder that cannot be examined counts as hidden.
        if (platform::IsHiddenName(platform::LastComponent(path)))
            return true;
        struct stat st;
        if (!knownToExist && ::lstat(path.c_str(), &st) != 0)
            return true;
    }
    if (m_ignoreLocalAppDataFolder &&
        (path == n.localAppData || path == n.localAppDataLow || path == n.appData || path == n.commonAppData))
        return true;
    return false;
}

void CAppHelper::CountFileInFolder(const QString& folder)
{
    const int n = GetFolderFileCount(folder) + 1;
    m_countText = QString::number(n);
    m_folderFileCounts[platform::NativePath(folder)] = n;
}

int CAppHelper::GetFolderFileCount(const QString& folder)
{
    const int n = GetFolderFileCount(platform::NativePath(folder));
    m_countText = QString::number(n);
    return n;
}

int CAppHelper::GetFolderFileCount(const std::string& nativeFolder) const
{
    const auto it = m_folderFileCounts.find(nativeFolder);
    return it == m_folderFileCounts.end() ? 0 : it->second;
}
