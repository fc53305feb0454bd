#include "platform/FileFind.h"

#include "platform/FolderOpen.h"
#include "platform/Paths.h"

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

// The layout the kernel uses for getdents64 records.
struct LinuxDirent64
{
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

} // namespace

CFileFind::~CFileFind()
{
    Close();
}

int CFileFind::OpenFolder(const std::string& nativePath)
{
    if (nativePath.size() < PATH_MAX)
        return ::open(nativePath.c_str(), kFolderFlags);
    // Too long for one call: open the longest leading part that fits, then walk down the rest in
    // pieces that each fit, relative to the folder opened last.
    int fd = AT_FDCWD;
    size_t start = 0;
    while (start < nativePath.size()) {
        size_t end = nativePath.size();
        if (end - start >= PATH_MAX) {
            end = nativePath.rfind('/', start + PATH_MAX - 1);
            if (end == std::string::npos || end <= start) {
                if (fd != AT_FDCWD)
                    ::close(fd);
                return -1;
            }
        }
        const std::string piece(end > start ? std::string_view(nativePath).substr(start, end - start) : "/");
        const int next = ::openat(fd, piece.c_str(), kFolderFlags);
        if (fd != AT_FDCWD)
            ::close(fd);
        if (next < 0)
            return -1;
        fd = next;
        start = end;
        while (start < nativePath.size() && nativePath[start] == '/')
            ++start;
    }
    return fd;
}

bool CFileFind::FindFile(const QString& folder)
{
    return FindFile(platform::NativePath(folder));
}

bool CFileFind::FindFile(const std::string& nativeFolder)
{
    Close();
    m_ownFolder = nativeFolder;
    m_folder = &m_ownFolder;
    m_reopen = nullptr;
    m_fd = OpenFolder(m_ownFolder);
    if (m_fd >= 0)
        ReadEntries(m_fd, m_entries);
    return !m_entries.empty();
}

bool CFileFind::TakeFolder(int fd, const std::string* folder, std::function<int()> reopen)
{
    Close();
    m_folder = folder;
    m_reopen = std::move(reopen);
    m_fd = fd;
    if (fd >= 0)
        ReadEntries(fd, m_entries);
    return !m_entries.empty();
}

bool CFileFind::TakeEntries(std::vector<char> entries, int fd, const std::string* folder,
                            std::function<int()> reopen)
{
    Close();
    m_folder = folder;
    m_reopen = std::move(reopen);
    m_fd = fd;
    m_entries = std::move(entries);
    return !m_entries.empty();
}

void CFileFind::ReadEntries(int fd, std::vector<char>& entries)
{
    // One large buffer per thread for the kernel's records; each folder keeps only its names, with
    // a type byte and a two-byte length before each and a NUL after.
    thread_local std::vector<char> records(size_t(1) << 16);
    thread_local std::vector<char> compact;
    compact.clear();
    for (;;) {
        const long n = ::syscall(SYS_getdents64, fd, records.data(), records.size());
        if (n <= 0)
            break; // the end, or an error: keep what was read
        for (long at = 0; at < n;) {
            const auto* record = reinterpret_cast<const LinuxDirent64*>(records.data() + at);
            const char* name = records.data() + at + offsetof(LinuxDirent64, d_name);
            at += record->d_reclen;
            const size_t length = std::strlen(name);
            if ((length == 1 && name[0] == '.') || (length == 2 && name[0] == '.' && name[1] == '.'))
                continue;
            if (length > 0xffff)
                continue;
            compact.push_back(char(record->d_type));
            compact.push_back(char(length & 0xff));
            compact.push_back(char(length >> 8));
            compact.insert(compact.end(), name, name + length + 1);
        }
    }
    entries.assign(compact.begin(), compact.end());
    if (compact.capacity() > (size_t(1) << 20))
        std::vector<char>().swap(compact);
}

size_t CFileFind::EntryAt(const std::vector<char>& entries, size_t offset, std::string_view& name,
                          unsigned char& type)
{
    const char* at = entries.data() + offset;
    const size_t length =
        size_t(static_cast<unsigned char>(at[1])) | size_t(static_cast<unsigned char>(at[2])) << 8;
    type = static_cast<unsigned char>(at[0]);
    name = std::string_view(at + 3, length);
    return offset + 3 + length + 1;
}

bool CFileFind::FindNextFile()
{
    if (m_next >= m_entries.size())
        return false;
    m_current = m_next;
    m_next = EntryAt(m_entries, m_next, m_name, m_type);
    m_modeKnown = false;
    return HasNextEntry();
}

void CFileFind::Close()
{
    ReleaseHandle();
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_next = m_current = 0;
    m_name = {};
    m_folderText.clear();
    m_reopen = nullptr;
    m_lostError = 0;
}

void CFileFind::ReleaseHandle()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

int CFileFind::Handle() const
{
    if (m_fd < 0 && m_lostError == 0 && (m_reopen || !m_folder->empty())) {
        errno = 0;
        m_fd = m_reopen ? m_reopen() : OpenFolder(*m_folder);
        if (m_fd < 0 && !platform::OutOfDescriptors(errno))
            m_lostError = errno != 0 ? errno : ESTALE;
    }
    if (m_fd < 0 && m_lostError != 0)
        errno = m_lostError;
    return m_fd;
}

std::uint32_t CFileFind::Mode() const
{
    if (!m_modeKnown) {
        m_modeKnown = true;
        m_mode = 0;
        m_size = -1;
        m_modified = {};
        m_statusError = 0;
        struct stat st;
        errno = 0;
        const int fd = Handle();
        if (fd >= 0 && ::fstatat(fd, m_name.data(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
            m_mode = st.st_mode;
            m_size = st.st_size;
            m_modified = st.st_mtim;
        } else {
            m_statusError = errno != 0 ? errno : EBADF;
        }
    }
    return m_mode;
}

int CFileFind::StatusError() const
{
    Mode();
    return m_statusError;
}

bool CFileFind::IsLinkToFolder() const
{
    if (m_type != DT_LNK && !(m_type == DT_UNKNOWN && S_ISLNK(Mode())))
        return false;
    struct stat st;
    const int fd = Handle();
    return fd >= 0 && ::fstatat(fd, m_name.data(), &st, AT_NO_AUTOMOUNT) == 0 && S_ISDIR(st.st_mode);
}

bool CFileFind::IsDots() const
{
    return m_name == "." || m_name == "..";
}

bool CFileFind::IsDirectory() const
{
    if (m_type != DT_UNKNOWN)
        return m_type == DT_DIR;
    return S_ISDIR(Mode());
}

bool CFileFind::IsKnownRegular() const
{
    return m_type == DT_REG;
}

bool CFileFind::IsRegularFile() const
{
    if (m_type != DT_UNKNOWN)
        return m_type == DT_REG;
    return S_ISREG(Mode());
}

std::int64_t CFileFind::GetLength() const
{
    Mode();
    return m_size;
}

timespec CFileFind::GetLastWriteTime() const
{
    Mode();
    return m_modified;
}

bool CFileFind::MatchesMask(unsigned attributes) const
{
    if ((attributes & kDirectory) && IsDirectory())
        return true;
    if ((attributes & kHidden) && platform::IsHiddenName(m_name))
        return true;
    // Read-only: no write permission for anyone. A link carries all bits, so it never is.
    if ((attributes & kReadOnly) && Mode() != 0 && (Mode() & 0222) == 0)
        return true;
    return false;
}

QString CFileFind::GetFileName() const
{
    return platform::DisplayText(m_name);
}

const QString& CFileFind::GetFolderText() const
{
    if (m_folderText.isEmpty() && !m_folder->empty())
        m_folderText = platform::FolderText(platform::DisplayText(*m_folder));
    return m_folderText;
}

QString CFileFind::GetFilePath() const
{
    // One allocation per path: plain ASCII names are appended as they are.
    const QString& folder = GetFolderText();
    QString path;
    path.reserve(folder.size() + 1 + qsizetype(m_name.size()));
    path += folder;
    if (!folder.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    bool ascii = true;
    for (char c : m_name)
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        path += QLatin1StringView(m_name.data(), qsizetype(m_name.size()));
    else
        path += GetFileName();
    return path;
}

QString CFileFind::GetRoot() const
{
    const QString& folder = GetFolderText();
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

std::string CFileFind::GetNativePath() const
{
    return platform::JoinNativePath(*m_folder, m_name);
}
