#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Choosing by rule which file of each group stays, so that the others can be checked for removal.
// The rules are tried in the user's order; the first that tells two files apart decides between
// them, and "first in the list" always decides last. Files in a reference folder are protected:
// no rule ever checks them.
namespace KeepRules {

enum class Rule
{
    ReferenceFolder, // in a reference folder, the earlier folder of the list first
    OldestModified,
    NewestModified,
    ShortestPath,
    LongestPath,
    FirstInList, // always last, always on
};

struct RuleSwitch
{
    Rule rule;
    bool on;
    bool operator==(const RuleSwitch&) const = default;
};

// The user's choice: the rules other than "first in the list", each once, in order, and the
// reference folders (exact bytes, no trailing "/" but the root's), highest priority first.
struct RuleSet
{
    std::vector<RuleSwitch> order;
    std::vector<std::string> referenceFolders;

    static RuleSet Defaults();
    // As kept in the settings: "reference,oldest,-newest,shortest,-longest" ("-": off), and the
    // folders percent-encoded, separated by ":". Unknown or repeated names are left out and the
    // missing rules follow, off, in their usual order.
    std::string OrderText() const;
    std::string FoldersText() const;
    static RuleSet FromTexts(std::string_view order, std::string_view folders);
};

// The settings name of a rule ("reference", "oldest", ...).
const char* RuleName(Rule rule);

// Which reference folder holds a folder: by its path text, and by what its real path's folders are
// (device and inode), so a link or a second mount of a reference folder is recognised as well.
// Answers are remembered per folder.
class ReferenceFolders
{
public:
    explicit ReferenceFolders(std::vector<std::string> folders = {});
    bool empty() const { return m_folders.empty(); }
    // The place in the list (0 first) of the highest reference folder holding `folder` (exact
    // bytes, a trailing "/" allowed); -1 for none.
    int Holding(std::string_view folder);

private:
    int OwnPlace(const std::string& path);

    struct Folder
    {
        std::string text;
        std::uint64_t device = 0, inode = 0;
        bool known = false;
    };
    std::vector<Folder> m_folders;
    std::unordered_map<std::string, int> m_byFolder;
    std::unordered_map<std::string, int> m_byPath; // a real path's own place, -1 for none
};

// One file of the list as the rules see it.
struct Candidate
{
    std::string_view folder; // exact bytes, ending with "/"
    std::string_view name;
    long long group = -1; // -1: in no group
    std::int64_t modified = 0;
    std::int32_t modifiedNs = 0;
    bool timeKnown = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
};

enum class Mark
{
    None,      // in no group, or alone in it
    Keeps,     // the file that stays
    Remove,    // to be checked
    Protected, // in a reference folder: never checked
    Unneeded,  // a hard link of a file that stays: removing it frees nothing
};

// The mark of every candidate.
std::vector<Mark> Choose(const std::vector<Candidate>& files, const RuleSet& rules,
                         ReferenceFolders& folders);

} // namespace KeepRules
