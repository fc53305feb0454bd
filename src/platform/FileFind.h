#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A cursor over the entries of one folder. The entries are read in one go when the folder is
// opened, so the folder's descriptor can be given up while its entries are examined and taken
// again (by path) only when an entry needs it. Symbolic links are never followed.
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
    // Opens the sub-folder on which `parent` is positioned, relative to the parent's descriptor, and
    // reads its entries. `nativeFolder` is that sub-folder's full path.
    bool FindSubFolder(CFileFind& parent, const std::string& nativeFolder);

    // Moves to the next entry. The result says whether another entry follows it, so the loop
    // `for (bool more = true; more;) { more = find.FindNextFile(); ... }` examines every entry.
    bool FindNextFile();
    void Close();

    // The current entry.
    QString GetFileName() const;
    QString GetFilePath() const;
    // The folder being listed with a trailing "/" (the root is "/").
    QString GetRoot() const;
    // The folder being listed without a trailing "/" (the root stays "/").
    const QString& GetFolderText() const;
    bool IsDots() const;
    bool IsDirectory() const;
    // Whether the entry's type, as the folder listing gave it, says regular file (not a link).
    bool IsKnownRegular() const;
    bool MatchesMask(unsigned attributes) const;

    // The exact bytes of the current entry's name and path, and of the folder.
    std::string_view GetNativeName() const { return m_name; }
    std::string GetNativePath() const;
    const std::string& GetNativeFolder() const { return m_folder; }

    // The folder's descriptor is kept while it may be needed; a walker that holds many levels open
    // can give it up and it is taken again by path on demand.
    bool HoldsHandle() const { return m_fd >= 0; }
    void ReleaseHandle();

    // Opens a folder by its full native path, also when the path is longer than the system's limit.
    static int OpenFolder(const std::string& nativePath);

private:
    bool ReadEntries(int fd);
    int Handle() const;
    std::uint32_t Mode() const;

    std::string m_folder;
    mutable QString m_folderText;
    mutable int m_fd = -1;
    std::vector<char> m_buffer;
    size_t m_used = 0;
    size_t m_next = 0;
    std::string_view m_name;
    unsigned char m_type = 0;
    mutable bool m_modeKnown = false;
    mutable std::uint32_t m_mode = 0;
};
