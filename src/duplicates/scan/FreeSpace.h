#pragma once

#include "platform/Replace.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace platform {
class ActionLog;
}

// Frees the storage of the checked files of contents groups without losing any contents: each
// checked file becomes a hard link of the file that stays in its group, or shares its storage.
// Files in a reference folder are skipped, and so is every file of a group in which no unchecked
// file is still the file whose contents were compared.
namespace FreeSpace {

enum class Method
{
    HardLink,
    SharedCopy,
};

// One file of the list.
struct File
{
    std::string path;     // exact bytes
    long long group = -1; // contents group; -1: none
    bool checked = false;
    bool keeps = false;       // marked as the file that stays
    bool inReference = false; // protected: never acted on
    bool verified = false;    // `identity` holds what the contents check compared
    bool timeKnown = false;   // `identity` holds the last modification the list shows
    bool sized = true;        // the list shows a size: `identity` holds what the scan saw
    bool link = false;        // a symbolic link, listed with what it points to
    platform::FileIdentity identity;
};

enum class Outcome
{
    NotChecked, // not acted on: not checked, or stopped before it was reached
    Done,
    Protected,
    NoCopyStays, // no unchecked file of its group is still unchanged
    NotInGroup,
    AlreadyLinked,
    AlreadyShared,
    Empty,
    Changed,
    ChangedSinceListed,
    KeptChanged,
    OtherFileSystem,
    NotSupported,
    Stopped,
    Failed,
};

struct FileResult
{
    Outcome outcome = Outcome::NotChecked;
    int error = 0; // errno of a failure
    std::uint64_t freed = 0;
    std::string kept; // the file that stays, when one was found
};

struct Report
{
    std::vector<FileResult> files; // one per input file
    int done = 0;
    std::uint64_t freed = 0;
    // Skipped files by reason; failures by reason and errno.
    std::map<std::pair<Outcome, int>, int> skipped;
    bool stopped = false;
};

// Asked before each file and after each part of a file shared; false stops.
using Progress = std::function<bool(size_t filesDone, std::uint64_t bytesShared)>;

// The action's name in the log: "hard-link" or "share".
const char* ActionName(Method method);

// The English text of a reason (as the log writes it); QT_TRANSLATE_NOOP("FreeSpace", ...) marks
// it for translation where it is shown.
const char* ReasonText(Outcome outcome);

// Just before a checked file goes to the trash: whether it is still the file the list shows (the
// same file, size and last modification; a link still a link; nothing to compare for a file the
// scan could not open), and whether a file of its group that stays still is.
// A group whose files were all checked (the user chose to send its last copy too) is not held back.
class TrashCheck
{
public:
    explicit TrashCheck(std::vector<File> files);
    // Outcome::Done when file `i` may go now; otherwise why it stays.
    Outcome Before(size_t i);
    // The file of its group found still as listed by the last Before; empty when none was asked.
    const std::string& Kept() const { return m_kept; }

private:
    std::vector<File> m_files;
    std::string m_kept;
    std::map<long long, std::vector<size_t>> m_staying; // group: its unchecked files, the last found first
};

// Acts on every checked file, group by group, writing its intent to `log` before acting on it and
// its outcome after.
Report Run(Method method, const std::vector<File>& files, platform::ActionLog& log,
           const Progress& progress = {});

} // namespace FreeSpace
