#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

// A found file's own status as the lists show it (a link's own, not its target's): its size and
// the time of its last modification.
namespace platform {

struct EntryStatus
{
    static constexpr std::int64_t kNotRead = -2;    // not looked at yet
    static constexpr std::int64_t kUnreadable = -1; // looked at, could not be read
    std::int64_t size = kNotRead;                   // bytes, or one of the two above
    std::int64_t modified = 0;                      // seconds since the epoch
    bool Read() const { return size != kNotRead; }
    bool Known() const { return size >= 0; }
    static EntryStatus Of(std::int64_t size, timespec modified);
};

// One fstatat of `name` (exact bytes) in the folder open on `folderFd`, never through a link.
EntryStatus ReadEntryStatus(int folderFd, const std::string& name);

// The status of each of `names` in the folder at `nativeFolder` (exact bytes, any length), opening
// the folder once. No symbolic link on the way to the folder is followed, except on the way to a
// folder a search started from (see NoteStartFolder), which is followed as the walk followed it;
// so a folder swapped for a link after the search shows nothing of the link's target. A folder
// that cannot be opened so gives kUnreadable for every name.
std::vector<EntryStatus> ReadEntryStatuses(const std::string& nativeFolder,
                                           const std::vector<std::string_view>& names);

// Notes the path (exact bytes, as the search was given it) of a folder a search started from; the
// last few noted are kept. Any thread.
void NoteStartFolder(const std::string& nativeFolder);

} // namespace platform
