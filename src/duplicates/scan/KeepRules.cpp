#include "duplicates/scan/KeepRules.h"

#include <QByteArray>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <set>
#include <sys/stat.h>

namespace KeepRules {
namespace {

constexpr Rule kUsualOrder[] = {Rule::ReferenceFolder, Rule::OldestModified, Rule::NewestModified,
                                Rule::ShortestPath, Rule::LongestPath};

std::string WithoutTrailingSlash(std::string_view path)
{
    std::string text(path);
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const size_t end = std::min(text.find(separator), text.size());
        if (end > 0)
            parts.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return parts;
}

// Negative when `a` should stay rather than `b` by this rule, positive for `b`, 0 when the rule
// does not tell them apart. `place` is each file's reference folder place (-1: none).
int Compare(Rule rule, const Candidate& a, int placeA, size_t indexA, const Candidate& b, int placeB,
            size_t indexB)
{
    const auto order = [](auto x, auto y) { return x < y ? -1 : y < x ? 1 : 0; };
    switch (rule) {
    case Rule::ReferenceFolder:
        return order(placeA < 0 ? INT_MAX : placeA, placeB < 0 ? INT_MAX : placeB);
    case Rule::OldestModified:
    case Rule::NewestModified: {
        // A file whose time is not known never wins on time.
        if (a.timeKnown != b.timeKnown)
            return a.timeKnown ? -1 : 1;
        if (!a.timeKnown)
            return 0;
        const int older = order(std::pair(a.modified, a.modifiedNs), std::pair(b.modified, b.modifiedNs));
        return rule == Rule::OldestModified ? older : -older;
    }
    case Rule::ShortestPath:
    case Rule::LongestPath: {
        const int shorter = order(a.folder.size() + a.name.size(), b.folder.size() + b.name.size());
        return rule == Rule::ShortestPath ? shorter : -shorter;
    }
    case Rule::FirstInList:
        return order(indexA, indexB);
    }
    return 0;
}

} // namespace

const char* RuleName(Rule rule)
{
    switch (rule) {
    case Rule::ReferenceFolder:
        return "reference";
    case Rule::OldestModified:
        return "oldest";
    case Rule::NewestModified:
        return "newest";
    case Rule::ShortestPath:
        return "shortest";
    case Rule::LongestPath:
        return "longest";
    case Rule::FirstInList:
        return "first";
    }
    return "";
}

// --- The user's choice --------------------------------------------------------------------------

RuleSet RuleSet::Defaults()
{
    return {{{Rule::ReferenceFolder, true},
             {Rule::OldestModified, true},
             {Rule::NewestModified, false},
             {Rule::ShortestPath, true},
             {Rule::LongestPath, false}},
            {}};
}

std::string RuleSet::OrderText() const
{
    std::string text;
    for (const RuleSwitch& entry : order) {
        if (!text.empty())
            text += ',';
        if (!entry.on)
            text += '-';
        text += RuleName(entry.rule);
    }
    return text;
}

std::string RuleSet::FoldersText() const
{
    std::string text;
    for (const std::string& folder : referenceFolders) {
        if (!text.empty())
            text += ':';
        text += QByteArray::fromStdString(folder).toPercentEncoding("/").toStdString();
    }
    return text;
}

RuleSet RuleSet::FromTexts(std::string_view orderText, std::string_view foldersText)
{
    RuleSet rules;
    std::set<Rule> seen;
    for (std::string_view part : SplitAt(orderText, ',')) {
        const bool on = part.front() != '-';
        if (!on)
            part.remove_prefix(1);
        for (Rule rule : kUsualOrder) {
            if (part == RuleName(rule) && seen.insert(rule).second)
                rules.order.push_back({rule, on});
        }
    }
    const RuleSet defaults = Defaults();
    for (const RuleSwitch& entry : defaults.order) {
        if (!seen.count(entry.rule))
            rules.order.push_back({entry.rule, orderText.empty() ? entry.on : false});
    }
    for (std::string_view part : SplitAt(foldersText, ':')) {
        const std::string folder = WithoutTrailingSlash(
            QByteArray::fromPercentEncoding(QByteArray(part.data(), qsizetype(part.size()))).toStdString());
        if (!folder.empty() && folder.front() == '/' &&
            std::find(rules.referenceFolders.begin(), rules.referenceFolders.end(), folder) ==
                rules.referenceFolders.end())
            rules.referenceFolders.push_back(folder);
    }
    return rules;
}

// --- Reference folders --------------------------------------------------------------------------

ReferenceFolders::ReferenceFolders(std::vector<std::string> folders)
{
    for (std::string& text : folders) {
        Folder folder;
        folder.text = WithoutTrailingSlash(text);
        struct stat status;
        if (::stat(folder.text.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
            folder.device = status.st_dev;
            folder.inode = status.st_ino;
            folder.known = true;
        }
        m_folders.push_back(std::move(folder));
    }
}

int ReferenceFolders::OwnPlace(const std::string& path)
{
    const auto cached = m_byPath.find(path);
    if (cached != m_byPath.end())
        return cached->second;
    int place = -1;
    struct stat status;
    if (::stat(path.c_str(), &status) == 0) {
        for (size_t i = 0; i < m_folders.size() && place < 0; ++i) {
            if (m_folders[i].known && m_folders[i].device == status.st_dev &&
                m_folders[i].inode == status.st_ino)
                place = int(i);
        }
    }
    m_byPath.emplace(path, place);
    return place;
}

int ReferenceFolders::Holding(std::string_view folderBytes)
{
    if (m_folders.empty())
        return -1;
    const std::string folder = WithoutTrailingSlash(folderBytes);
    const auto cached = m_byFolder.find(folder);
    if (cached != m_byFolder.end())
        return cached->second;
    int best = -1;
    const auto consider = [&best](int place) {
        if (place >= 0 && (best < 0 || place < best))
            best = place;
    };
    for (size_t i = 0; i < m_folders.size(); ++i) {
        const std::string& text = m_folders[i].text;
        if (text == "/" || folder == text || (folder.starts_with(text) && folder[text.size()] == '/'))
            consider(int(i));
    }
    // The folders of its real path, each looked at once for all the files below it.
    if (char* resolved = ::realpath(folder.c_str(), nullptr)) {
        std::string path = resolved;
        std::free(resolved);
        for (;;) {
            consider(OwnPlace(path));
            if (path == "/")
                break;
            const size_t slash = path.rfind('/');
            path.resize(slash == 0 ? 1 : slash);
        }
    }
    m_byFolder.emplace(folder, best);
    return best;
}

// --- Choosing -----------------------------------------------------------------------------------

std::vector<Mark> Choose(const std::vector<Candidate>& files, const RuleSet& rules, ReferenceFolders& folders)
{
    std::vector<Mark> marks(files.size(), Mark::None);
    std::map<long long, std::vector<size_t>> groups;
    for (size_t i = 0; i < files.size(); ++i) {
        if (files[i].group >= 0)
            groups[files[i].group].push_back(i);
    }
    std::vector<Rule> active;
    for (const RuleSwitch& entry : rules.order) {
        if (entry.on && entry.rule != Rule::FirstInList)
            active.push_back(entry.rule);
    }
    active.push_back(Rule::FirstInList);

    for (const auto& [group, members] : groups) {
        if (members.size() < 2)
            continue;
        std::vector<int> places;
        for (size_t i : members)
            places.push_back(folders.Holding(files[i].folder));
        size_t best = 0;
        for (size_t m = 1; m < members.size(); ++m) {
            for (Rule rule : active) {
                const int verdict = Compare(rule, files[members[m]], places[m], members[m],
                                            files[members[best]], places[best], members[best]);
                if (verdict != 0) {
                    if (verdict < 0)
                        best = m;
                    break;
                }
            }
        }
        // What stays: the chosen file and every protected one; their hard links free nothing.
        std::set<std::pair<std::uint64_t, std::uint64_t>> staying;
        for (size_t m = 0; m < members.size(); ++m) {
            if (m == best || places[m] >= 0)
                staying.insert({files[members[m]].device, files[members[m]].inode});
        }
        for (size_t m = 0; m < members.size(); ++m) {
            const Candidate& file = files[members[m]];
            marks[members[m]] = m == best                                  ? Mark::Keeps
                                : places[m] >= 0                           ? Mark::Protected
                                : staying.count({file.device, file.inode}) ? Mark::Unneeded
                                                                           : Mark::Remove;
        }
    }
    return marks;
}

} // namespace KeepRules
