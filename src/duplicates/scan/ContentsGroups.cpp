// The contents check's comparison of one size group: the end hashes, then the files still tied,
// with what the contents cache knows taking the place of reading.
#include "duplicates/scan/ContentsCheck.h"

#include "duplicates/scan/ContentsRecall.h"

#include <algorithm>
#include <climits>
#include <fcntl.h>
#include <iterator>
#include <map>

void ContentsCheck::CompareGroup(Reader& reader, const Members& members, std::vector<Members>& classes)
{
    const std::uint64_t size = m_files[members.front()].size;
    // What the contents cache knows of each file, looked up without reading it.
    bool allKnown = m_recall != nullptr;
    for (size_t file : members) {
        if (!m_recall)
            break;
        ContentsHash ends;
        const bool known = Look(reader, file, false) && m_recall->KnownEnds(file, ends);
        allKnown = allKnown && known;
    }
    // A file of one block at most (or none): that block is its whole contents, read once, side by side.
    if (size <= kBlock && members.size() <= kSideBySide && !allKnown) {
        Members singles;
        CompareSideBySide(reader, members, classes, m_recall ? &singles : nullptr);
        if (m_recall && !m_stop)
            NoteClasses(classes, singles);
        return;
    }
    // A block at the start and one at the end.
    std::map<ContentsHash, Members> byEnds;
    for (size_t file : members) {
        if (m_stop)
            return;
        ContentsHash ends;
        if (!Ends(reader, file, ends)) {
            Drop(file);
            continue;
        }
        Settle(file, std::min(size, 2 * kBlock));
        byEnds[ends].push_back(file);
    }
    for (auto& [ends, tied] : byEnds) {
        if (m_stop)
            return;
        if (tied.size() < 2) {
            Settle(tied.front(), size);
            continue;
        }
        if (m_recall && m_recall->KnownClasses(tied, classes)) {
            for (size_t file : tied)
                Settle(file, size); // compared before, unchanged since
            continue;
        }
        // One file of each class known before, and every file not known, are compared; the
        // others follow the file of their class.
        std::vector<Members> others;
        Members compared = m_recall ? m_recall->Representatives(tied, others) : tied;
        others.resize(compared.size());
        std::vector<Members> found, all;
        const auto gone = [this](size_t file) {
            return m_outcomes[file].changed || m_outcomes[file].unreadable;
        };
        for (int round = 0; round < 2; ++round) {
            found.clear();
            all.clear();
            if (compared.size() >= 2)
                CompareTied(reader, compared, found, all);
            else if (!compared.empty())
                all.push_back(compared);
            // A file that others followed changed or failed: they are compared afresh, once.
            bool lost = false;
            for (size_t place = 0; place < compared.size(); ++place)
                lost = lost || (!others[place].empty() && gone(compared[place]));
            if (!lost || m_stop)
                break;
            Members rest;
            std::copy_if(tied.begin(), tied.end(), std::back_inserter(rest),
                         [&](size_t file) { return !gone(file); });
            compared = rest;
            others.assign(compared.size(), Members());
        }
        // Files that changed or could not be read stay out of the cache's classes.
        for (Members& identical : all)
            std::erase_if(identical, gone);
        std::erase_if(all, [](const Members& identical) { return identical.empty(); });
        if (m_stop)
            return;
        if (!m_recall) {
            classes.insert(classes.end(), found.begin(), found.end());
            continue;
        }
        std::map<size_t, size_t> placeOf;
        for (size_t place = 0; place < compared.size(); ++place)
            placeOf[compared[place]] = place;
        for (Members& identical : all) {
            for (size_t i = 0, n = identical.size(); i < n; ++i) {
                for (size_t follower : others[placeOf[identical[i]]]) {
                    identical.push_back(follower);
                    Settle(follower, size);
                }
            }
            if (identical.size() >= 2)
                classes.push_back(identical);
        }
        m_recall->NoteClasses(all);
    }
}

void ContentsCheck::CompareTied(Reader& reader, const Members& tied, std::vector<Members>& classes,
                                std::vector<Members>& all)
{
    const std::uint64_t size = m_files[tied.front()].size;
    const size_t before = classes.size();
    Members singles;
    if (tied.size() <= kSideBySide) {
        CompareSideBySide(reader, tied, classes, &singles);
    } else {
        // Many files alike at both ends: their whole contents are hashed first, then each hash
        // group is compared byte by byte in turns, its first file beside the others.
        std::map<ContentsHash, Members> byWhole;
        for (size_t file : tied) {
            if (m_stop)
                return;
            ContentsHash whole;
            if (!m_recall || !m_recall->KnownWhole(file, whole)) {
                std::uint64_t hash[2];
                if (!Hash(reader, file, true, hash)) {
                    Drop(file);
                    continue;
                }
                whole = {hash[0], hash[1]};
            }
            byWhole[whole].push_back(file);
        }
        for (auto& [whole, same] : byWhole) {
            if (same.size() < 2) {
                Settle(same.front(), size);
                singles.push_back(same.front());
                continue;
            }
            Members merged;
            bool firstAlone = false;
            for (size_t start = 1; start < same.size() && !m_stop; start += kSideBySide - 1) {
                Members turn = {same.front()};
                for (size_t i = start; i < same.size() && i < start + kSideBySide - 1; ++i)
                    turn.push_back(same[i]);
                std::vector<Members> found;
                Members alone;
                CompareSideBySide(reader, turn, found, &alone);
                for (size_t file : alone) {
                    if (file == same.front())
                        firstAlone = true;
                    else
                        singles.push_back(file);
                }
                for (Members& identical : found) {
                    if (identical.front() == same.front())
                        merged.insert(merged.end(), identical.begin() + (merged.empty() ? 0 : 1),
                                      identical.end());
                    else
                        classes.push_back(std::move(identical));
                }
            }
            if (merged.size() >= 2)
                classes.push_back(std::move(merged));
            else if (firstAlone)
                singles.push_back(same.front());
        }
    }
    all.assign(classes.begin() + std::ptrdiff_t(before), classes.end());
    for (size_t file : singles)
        all.push_back({file});
}

bool ContentsCheck::Look(Reader& reader, size_t file, bool openFolder, bool find)
{
    // Relative to the folder when it is open (or to be opened), else by the whole path.
    const ContentsFile& f = m_files[file];
    const std::string path = f.folder + f.name;
    const bool relative = openFolder || path.size() >= PATH_MAX || reader.folders.count(f.folder) > 0;
    const int folder = relative ? FolderOf(reader, file) : AT_FDCWD;
    return folder != -1 && m_recall->Look(file, folder, relative ? f.name : path, path, f.device, f.inode,
                                          f.size, f.modified * 1'000'000'000 + f.modifiedNanoseconds, find);
}

void ContentsCheck::NoteClasses(const std::vector<Members>& classes, const Members& singles)
{
    const auto keeps = [this](size_t file) {
        return !m_outcomes[file].changed && !m_outcomes[file].unreadable;
    };
    std::vector<Members> all;
    for (const Members& identical : classes) {
        all.emplace_back();
        std::copy_if(identical.begin(), identical.end(), std::back_inserter(all.back()), keeps);
    }
    for (size_t file : singles)
        if (keeps(file))
            all.push_back({file});
    std::erase_if(all, [](const Members& identical) { return identical.empty(); });
    m_recall->NoteClasses(all);
}
