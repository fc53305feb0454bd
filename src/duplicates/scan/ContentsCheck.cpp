#include "duplicates/scan/ContentsCheck.h"

#include "duplicates/scan/RegularFile.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>
#include <xxhash.h>

namespace {

// Closes the descriptors it holds however the scope is left.
struct Descriptors
{
    std::vector<int> fds;
    ~Descriptors()
    {
        for (int fd : fds)
            if (fd >= 0)
                ::close(fd);
    }
};

} // namespace

ContentsCheck::ContentsCheck(std::vector<ContentsFile> files, const std::atomic<bool>& stop)
    : m_files(std::move(files)), m_outcomes(m_files.size()), m_settled(m_files.size(), 0), m_stop(stop)
{
    // The groups, by their number and size, each in file order.
    std::map<std::pair<long long, std::uint64_t>, size_t> groupOf;
    std::vector<Members> groups;
    for (size_t i = 0; i < m_files.size(); ++i) {
        const ContentsFile& file = m_files[i];
        m_outcomes[i].changed = file.changed;
        m_outcomes[i].unreadable = !file.opened && !file.changed && !file.link;
        if (!file.opened || file.changed || file.link || file.sizeGroup < 0)
            continue;
        const auto [it, added] = groupOf.try_emplace({file.sizeGroup, file.size}, groups.size());
        if (added)
            groups.emplace_back();
        groups[it->second].push_back(i);
    }
    // Hard links: a file seen earlier in its group is that file again.
    for (const Members& group : groups) {
        std::map<std::pair<std::uint64_t, std::uint64_t>, size_t> seen;
        Members distinct;
        for (size_t i : group) {
            const auto [it, added] = seen.try_emplace({m_files[i].device, m_files[i].inode}, i);
            if (added)
                distinct.push_back(i);
            else
                m_outcomes[i].hardLinkOf = int(it->second);
        }
        if (distinct.size() < 2)
            continue;
        for (size_t i : distinct)
            m_bytesToRead += m_files[i].size;
        m_groups.push_back(std::move(distinct));
    }
}

void ContentsCheck::Settle(size_t file, std::uint64_t upTo)
{
    upTo = std::min(upTo, m_files[file].size);
    if (upTo > m_settled[file]) {
        m_progress += upTo - m_settled[file];
        m_settled[file] = upTo;
    }
}

ContentsCheck::Reader::~Reader()
{
    if (fd >= 0)
        ::close(fd);
}

int ContentsCheck::Reopen(Reader& reader, size_t file)
{
    const ContentsFile& f = m_files[file];
    if (f.folder != reader.folder || reader.fd < 0) {
        if (reader.fd >= 0)
            ::close(reader.fd);
        reader.folder = f.folder;
        reader.fd = RegularFile::OpenFolder(f.folder);
    }
    if (reader.fd < 0)
        return -1;
    const int fd = RegularFile::Reopen(reader.fd, f.name.c_str(), f.device, f.inode);
    if (fd >= 0 && !StillAsScanned(fd, file)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool ContentsCheck::StillAsScanned(int fd, size_t file)
{
    const ContentsFile& f = m_files[file];
    struct stat now;
    if (::fstat(fd, &now) != 0)
        return false;
    if (std::uint64_t(now.st_size) == f.size && std::int64_t(now.st_mtim.tv_sec) == f.modified &&
        std::int32_t(now.st_mtim.tv_nsec) == f.modifiedNanoseconds)
        return true;
    m_outcomes[file].changed = true;
    return false;
}

bool ContentsCheck::EndsAsScanned(int fd, size_t file)
{
    char more;
    ssize_t n;
    do
        n = ::pread(fd, &more, 1, off_t(m_files[file].size));
    while (n < 0 && errno == EINTR);
    if (n == 0)
        return StillAsScanned(fd, file);
    if (n > 0)
        m_outcomes[file].changed = true;
    return false;
}

void ContentsCheck::Drop(size_t file)
{
    m_outcomes[file].unreadable = !m_outcomes[file].changed;
    Settle(file, m_files[file].size);
}

bool ContentsCheck::ReadAt(int fd, size_t file, char* buffer, std::uint64_t length, std::uint64_t offset)
{
    while (length > 0) {
        const ssize_t n = ::pread(fd, buffer, length, off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            m_outcomes[file].changed = true; // shorter than the scan saw it
        if (n <= 0)
            return false;
        m_bytesRead += std::uint64_t(n);
        buffer += n;
        offset += std::uint64_t(n);
        length -= std::uint64_t(n);
    }
    return true;
}

bool ContentsCheck::Hash(Reader& reader, size_t file, bool whole, std::uint64_t hash[2])
{
    const int fd = Reopen(reader, file);
    if (fd < 0)
        return false;
    Descriptors holder{{fd}};
    const std::uint64_t size = m_files[file].size;
    XXH3_state_t* state = XXH3_createState();
    if (!state)
        return false;
    XXH3_128bits_reset(state);
    std::vector<char> buffer(whole ? kChunk : kBlock);
    bool ok = true;
    const auto add = [&](std::uint64_t offset, std::uint64_t length) {
        ok = ok && ReadAt(fd, file, buffer.data(), length, offset);
        if (ok)
            XXH3_128bits_update(state, buffer.data(), length);
    };
    if (whole) {
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        for (std::uint64_t offset = 0; ok && offset < size && !m_stop; offset += kChunk)
            add(offset, std::min(kChunk, size - offset));
        ok = ok && (m_stop || EndsAsScanned(fd, file));
    } else {
        add(0, std::min(size, kBlock));
        if (size > kBlock)
            add(size - std::min(size - kBlock, kBlock), std::min(size - kBlock, kBlock));
        ok = ok && StillAsScanned(fd, file);
    }
    const XXH128_hash_t digest = XXH3_128bits_digest(state);
    XXH3_freeState(state);
    hash[0] = digest.low64;
    hash[1] = digest.high64;
    return ok;
}

void ContentsCheck::CompareSideBySide(Reader& reader, const Members& members, std::vector<Members>& classes)
{
    const std::uint64_t size = m_files[members.front()].size;
    Descriptors open;
    Members readable;
    for (size_t file : members) {
        const int fd = Reopen(reader, file);
        if (fd < 0) {
            Drop(file);
            continue;
        }
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        open.fds.push_back(fd);
        readable.push_back(file);
    }
    // Classes of positions into `readable`; each still needs reading while it has two members.
    std::vector<std::vector<size_t>> current;
    current.emplace_back();
    for (size_t i = 0; i < readable.size(); ++i)
        current.back().push_back(i);
    std::vector<std::vector<char>> buffers(readable.size());
    for (std::uint64_t offset = 0; offset < size && !m_stop; offset += kChunk) {
        const std::uint64_t length = std::min(kChunk, size - offset);
        std::vector<std::vector<size_t>> next;
        for (const std::vector<size_t>& group : current) {
            std::vector<std::vector<size_t>> parts; // by contents of this chunk
            for (size_t position : group) {
                std::vector<char>& buffer = buffers[position];
                buffer.resize(length);
                const size_t file = readable[position];
                if (!ReadAt(open.fds[position], file, buffer.data(), length, offset)) {
                    Drop(file);
                    continue;
                }
                Settle(file, offset + length);
                auto same = std::find_if(parts.begin(), parts.end(), [&](const std::vector<size_t>& part) {
                    return std::memcmp(buffers[part.front()].data(), buffer.data(), length) == 0;
                });
                if (same == parts.end())
                    parts.push_back({position});
                else
                    same->push_back(position);
            }
            for (std::vector<size_t>& part : parts) {
                if (part.size() >= 2) {
                    next.push_back(std::move(part));
                } else {
                    // Unlike every other file: no need to read it further.
                    Settle(readable[part.front()], size);
                }
            }
        }
        current.swap(next);
        if (current.empty())
            break;
    }
    if (m_stop)
        return;
    // The files still alike were read to their end: nothing may follow it. Every file read must
    // still be as the scan saw it.
    std::vector<bool> alike(readable.size(), false);
    for (const std::vector<size_t>& group : current)
        for (size_t position : group)
            alike[position] = true;
    for (size_t position = 0; position < readable.size(); ++position) {
        const size_t file = readable[position];
        if (alike[position] && !EndsAsScanned(open.fds[position], file))
            m_outcomes[file].unreadable = !m_outcomes[file].changed;
        else if (!alike[position] && !m_outcomes[file].unreadable && !m_outcomes[file].changed)
            StillAsScanned(open.fds[position], file);
    }
    for (const std::vector<size_t>& group : current) {
        Members identical;
        for (size_t position : group)
            if (!m_outcomes[readable[position]].changed && !m_outcomes[readable[position]].unreadable)
                identical.push_back(readable[position]);
        if (identical.size() >= 2)
            classes.push_back(std::move(identical));
    }
}

void ContentsCheck::CompareGroup(Reader& reader, const Members& members, std::vector<Members>& classes)
{
    const std::uint64_t size = m_files[members.front()].size;
    // A file of one block at most (or none): that block is its whole contents, read once, side by side.
    if (size <= kBlock && members.size() <= kSideBySide) {
        CompareSideBySide(reader, members, classes);
        return;
    }
    // A block at the start and one at the end.
    std::map<std::pair<std::uint64_t, std::uint64_t>, Members> byEnds;
    for (size_t file : members) {
        if (m_stop)
            return;
        std::uint64_t hash[2];
        if (!Hash(reader, file, false, hash)) {
            Drop(file);
            continue;
        }
        Settle(file, std::min(size, 2 * kBlock));
        byEnds[{hash[0], hash[1]}].push_back(file);
    }
    for (auto& [ends, tied] : byEnds) {
        if (m_stop)
            return;
        if (tied.size() < 2) {
            Settle(tied.front(), size);
            continue;
        }
        if (tied.size() <= kSideBySide) {
            CompareSideBySide(reader, tied, classes);
            continue;
        }
        // Many files alike at both ends: their whole contents are hashed first, then each hash
        // group is compared byte by byte in turns, its first file beside the others.
        std::map<std::pair<std::uint64_t, std::uint64_t>, Members> byWhole;
        for (size_t file : tied) {
            if (m_stop)
                return;
            std::uint64_t hash[2];
            if (!Hash(reader, file, true, hash)) {
                Drop(file);
                continue;
            }
            byWhole[{hash[0], hash[1]}].push_back(file);
        }
        for (auto& [whole, same] : byWhole) {
            if (same.size() < 2) {
                Settle(same.front(), size);
                continue;
            }
            Members merged;
            for (size_t start = 1; start < same.size() && !m_stop; start += kSideBySide - 1) {
                Members turn = {same.front()};
                for (size_t i = start; i < same.size() && i < start + kSideBySide - 1; ++i)
                    turn.push_back(same[i]);
                std::vector<Members> found;
                CompareSideBySide(reader, turn, found);
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
        }
    }
}

bool ContentsCheck::Run()
{
    const std::vector<Members>& groups = m_groups;
    // Each thread takes the next group; each group's classes go to its own place.
    std::vector<std::vector<Members>> found(groups.size());
    std::atomic<size_t> next{0};
    const auto work = [&] {
        Reader reader;
        for (size_t g = next++; g < groups.size() && !m_stop; g = next++)
            CompareGroup(reader, groups[g], found[g]);
    };
    std::thread helper;
    if (groups.size() > 1 && std::thread::hardware_concurrency() > 1) {
        try {
            helper = std::thread(work);
        } catch (const std::system_error&) {
            // One thread does it all.
        }
    }
    work();
    if (helper.joinable())
        helper.join();
    if (m_stop)
        return false;

    // A file that changed or failed after it was placed (compared in several turns) leaves its class.
    std::vector<int> classOf(m_files.size(), -1);
    int classes = 0;
    for (const std::vector<Members>& groupClasses : found) {
        for (const Members& identical : groupClasses) {
            const auto stays = [this](size_t file) {
                return !m_outcomes[file].changed && !m_outcomes[file].unreadable;
            };
            if (std::count_if(identical.begin(), identical.end(), stays) < 2)
                continue;
            for (size_t file : identical)
                if (stays(file))
                    classOf[file] = classes;
            ++classes;
        }
    }
    // Groups are numbered in order of their first file; a hard link goes with its file.
    std::vector<int> number(size_t(classes), 0);
    int numbered = 0;
    for (size_t i = 0; i < m_files.size(); ++i) {
        const int linked = m_outcomes[i].hardLinkOf;
        const int c = linked >= 0 ? classOf[size_t(linked)] : classOf[i];
        if (linked >= 0) {
            m_outcomes[i].unreadable = m_outcomes[size_t(linked)].unreadable;
            m_outcomes[i].changed = m_outcomes[size_t(linked)].changed;
        }
        if (c < 0)
            continue;
        if (number[size_t(c)] == 0)
            number[size_t(c)] = ++numbered;
        m_outcomes[i].group = number[size_t(c)];
    }
    return true;
}
