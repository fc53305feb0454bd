#pragma once

#include <QString>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A cursor over the entries of one folder. The entries ("." and ".." left out) are read in one go
// when the folder is opened and kept compactly, so the folder's descriptor can be given up while
// its entries are examined and taken again only when an entry needs it. Symbolic links are never
// followed.
class CFileFind
{
public:
    // Attribute bits, as the walk asks for them.
    enum Attribute : unsigned
    {
        kReadOnly = 0x1,
        kHidden = 0x2,
        kDirectory = 0x10,
    };

    CFileFind() = default;
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Opens the folder at `nativeFolder` and reads its entries. False when it cannot be opened or
    // holds no entry at all.
    bool FindFile(const std::string& nativeFolder);
    bool FindFile(const QString& folder);

    // For a walker: reads the entries of the folder open on `fd` (taking the descriptor over) and
    // names the folder by `*folder`, a path text the walker owns and keeps equal to this folder's
    // path while the entries are examined. A descriptor given up is taken again through `reopen`.
    bool TakeFolder(int fd, const std::string* folder, std::function<int()> reopen);
    // For a walker that read the folder elsewhere: takes over entries in the compact form that
    // ReadEntries makes, with the folder's descriptor (or -1).
    bool TakeEntries(std::vector<char> entries, int fd, const std::string* folder,
                     std::function<int()> reopen);
    // Reads the entries of the folder open on `fd` into `entries`, in the compact form, "." and ".."
    // left out. The descriptor stays open.
    static void ReadEntries(int fd, std::vector<char>& entries);

    // Moves to the next entry. The result says whether another entry follows it, so the loop
    // `for (bool more = true; more;) { more = find.FindNextFile(); ... }` examines every entry.
    bool FindNextFile();
    // False also once the folder was found gone or replaced when its descriptor was to be taken
    // again (see Lost).
    bool HasNextEntry() const { return m_lostError == 0 && m_next < m_entries.size(); }
    // Where the current entry and the next one stand in the compact entries.
    size_t EntryOffset() const { return m_current; }
    size_t NextOffset() const { return m_next; }
    const std::vector<char>& Entries() const { return m_entries; }
    // Reads the compact entry at `offset`: its name and type, and where the next one starts.
    static size_t EntryAt(const std::vector<char>& entries, size_t offset, std::string_view& name,
                          unsigned char& type);
    void Close();

    // The current entry.
    QString GetFileName() const;
    QString GetFilePath() const;
    // The folder being listed with a trailing "/" (the root is "/").
    QString GetRoot() const;
    // The folder being listed without a trailing "/" (the root stays "/").
    const QString& GetFolderText() const;
    // Forgets the folder's display text; a walker sharing one path text calls it when it moves on.
    void DropFolderText() const { m_folderText.clear(); }
    bool IsDots() const;
    bool IsDirectory() const;
    // A symbolic link whose target is a folder (the link itself is not a folder).
    bool IsLinkToFolder() const;
    // Whether the entry's type, as the folder listing gave it, says regular file (not a link).
    bool IsKnownRegular() const;
    // Whether the entry is a regular file (not a link): by the listing's type, or by its status when
    // the listing did not tell.
    bool IsRegularFile() const;

    // The entry's own status (a link's own, not its target's), read with one fstatat the first time
    // any of these is asked for and kept while the cursor stays on the entry; nothing is read until
    // then. Size in bytes, -1 when the status cannot be read; last modification time, {0, 0} then.
    std::int64_t GetLength() const;
    timespec GetLastWriteTime() const;
    bool StatusRead() const { return m_modeKnown; }
    // Why the status could not be read (an errno value: ENOENT when the entry is gone meanwhile), 0
    // when it was; reads the status if not done yet.
    int StatusError() const;
    bool MatchesMask(unsigned attributes) const;

    // The exact bytes of the current entry's name and path, and of the folder.
    std::string_view GetNativeName() const { return m_name; }
    std::string GetNativePath() const;
    const std::string& GetNativeFolder() const { return *m_folder; }

    // The folder's descriptor is kept while it may be needed; a walker that holds many levels open
    // can give it up and it is taken again on demand.
    bool HoldsHandle() const { return m_fd >= 0; }
    // The descriptor, taken again when it was given up. When that fails for any reason but a
    // shortage of descriptors (errno EMFILE or ENFILE: tried again at the next call), the folder
    // changed under the cursor (gone, replaced: ESTALE, made unreadable): it is lost, -1 is given
    // with errno set to why from then on, and no further entry is listed.
    int Handle() const;
    bool Lost() const { return m_lostError != 0; }
    void ReleaseHandle();

    // Opens a folder by its full native path, also when the path is longer than the system's limit.
    static int OpenFolder(const std::string& nativePath);

private:
    std::uint32_t Mode() const;

    std::string m_ownFolder;
    const std::string* m_folder = &m_ownFolder;
    std::function<int()> m_reopen;
    mutable QString m_folderText;
    mutable int m_fd = -1;
    std::vector<char> m_entries;
    size_t m_next = 0;
    size_t m_current = 0;
    std::string_view m_name;
    unsigned char m_type = 0;
    mutable bool m_modeKnown = false;
    mutable std::uint32_t m_mode = 0;
    mutable std::int64_t m_size = -1;
    mutable int m_statusError = 0;
    mutable int m_lostError = 0;
    mutable timespec m_modified{};
};
