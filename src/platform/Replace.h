#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <sys/stat.h>

// Freeing the storage of a duplicate: the file becomes a hard link of the copy that stays, or the
// two come to share their storage (the kernel's FIDEDUPERANGE, which compares the contents itself).
// Each step first makes sure that both files are still the files whose contents were compared;
// whatever goes wrong, the file is left exactly as it was.
namespace platform {

// A regular file as it was when its contents were compared: device, inode, size, last write and
// last change (seconds and nanoseconds).
struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changed = 0;
    std::int64_t changedNs = 0;

    bool operator==(const FileIdentity&) const = default;
    static FileIdentity Of(const struct stat& status);
};

// Looks `path` up without following a link; false unless it names a regular file.
bool IdentifyFile(const std::string& path, FileIdentity* identity);

enum class ReplaceStatus
{
    Done,
    AlreadyLinked,   // already a hard link of the file that stays: frees nothing
    AlreadyShared,   // its storage is already that of the file that stays
    Empty,           // an empty file takes no storage to share
    Changed,         // no longer the file whose contents were compared (gone, replaced, written)
    KeptChanged,     // the file that stays is gone, replaced or changed
    OtherFileSystem, // not on the file system of the file that stays
    NotSupported,    // this file system cannot share storage between files
    Stopped,         // stopped part way by the caller; what was shared stays shared
    Failed,          // the system refused; `error` says why
};

struct ReplaceResult
{
    ReplaceStatus status = ReplaceStatus::Failed;
    int error = 0;           // errno of a failure
    std::uint64_t freed = 0; // bytes of storage the file no longer takes on its own
};

// The copy that stays in a group, held open while the group's other files are replaced. Our own
// hard links change its last-change time; it still counts as unchanged after them.
class KeptFile
{
public:
    KeptFile() = default;
    ~KeptFile();
    KeptFile(const KeptFile&) = delete;
    KeptFile& operator=(const KeptFile&) = delete;

    // Opens `path` without following a link (for reading when `forReading`, else as a reference
    // only) and checks that it is the file that was compared. False otherwise.
    bool Open(const std::string& path, const FileIdentity& verified, bool forReading);
    // Whether `path` still names this file and the file is unchanged.
    bool StillSame() const;
    // After a link to it was made or removed: its new last-change time is its own doing.
    void NoteOwnChange();

    const std::string& Path() const { return m_path; }
    int Fd() const { return m_fd; }
    const FileIdentity& Identity() const { return m_identity; }

private:
    void Close();
    std::string m_path;
    int m_fd = -1;
    FileIdentity m_identity; // as compared, with the last change as our own links left it
};

// Makes `path` a hard link of the kept file: the kept file is linked to a new temporary name in
// the same folder, which is then renamed over `path`. Any failure leaves `path` as it was and the
// temporary name removed. Refused unless `path` is still `verified` and the kept file unchanged.
ReplaceResult ReplaceWithHardLink(KeptFile& kept, const std::string& path, const FileIdentity& verified);

// Lets `path` share the kept file's storage, at most 16 MiB per request. The path, owner, mode and
// times of `path` stay. `progress` (when given) hears the bytes shared so far after each request
// and stops the sharing by returning false.
using ShareProgress = std::function<bool(std::uint64_t shared)>;
ReplaceResult ShareStorage(KeptFile& kept, const std::string& path, const FileIdentity& verified,
                           const ShareProgress& progress = {});

} // namespace platform
