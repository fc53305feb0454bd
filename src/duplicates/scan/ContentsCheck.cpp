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
    // Hard links first: a file seen earlier in its size group is that file again.
    std::map<std::pair<std::uint64_t, std::uint64_t>, size_t> seen;
    std::vector<size_t> distinct(m_files.size(), 0); // per file: distinct files of its group
    for (size_t i = 0; i < m_files.size();) {
        size_t end = i + 1;
        while (end < m_files.size() && m_files[end].sizeGroup == m_files[i].sizeGroup)
            ++end;
        seen.clear();
        size_t count = 0;
        for (size_t j = i; j < end; ++j) {
            const ContentsFile& file = m_files[j];
            if (!file.opened || file.sizeGroup < 0) {
                m_outcomes[j].unreadable = !file.opened;
                continue;
            }
            const auto [it, added] = seen.try_emplace({file.device, file.inode}, j);
            if (!added)
                m_outcomes[j].hardLinkOf = int(it->second);
            else
                ++count;
        }
        for (size_t j = i; j < end; ++j)
            distinct[j] = count;
        i = end;
    }
    for (size_t i = 0; i < m_files.size(); ++i) {
        if (m_files[i].opened && m_files[i].sizeGroup >= 0 && m_outcomes[i].hardLinkOf < 0 &&
            distinct[i] >= 2)
            m_bytesToRead += m_files[i].size;
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
    return RegularFile::Reopen(reader.fd, f.name.c_str(), f.device, f.inode);
}

bool ContentsCheck::ReadAt(int fd, char* buffer, std::uint64_t length, std::uint64_t offset)
{
    while (length > 0) {
        const ssize_t n = ::pread(fd, buffer, length, off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // an error, or the file is shorter than it was
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
        ok = ok && ReadAt(fd, buffer.data(), length, offset);
        if (ok)
            XXH3_128bits_update(state, buffer.data(), length);
    };
    if (whole) {
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        for (std::uint64_t offset = 0; ok && offset < size && !m_stop; offset += kChunk)
            add(offset, std::min(kChunk, size - offset));
    } else {
        add(0, std::min(size, kBlock));
        if (size > kBlock)
            add(size - std::min(size - kBlock, kBlock), std::min(size - kBlock, kBlock));
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
            m_outcomes[file].unreadable = true;
            Settle(file, size);
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
                if (!ReadAt(open.fds[position], buffer.data(), length, offset)) {
                    m_outcomes[file].unreadable = true;
                    Settle(file, size);
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
    for (const std::vector<size_t>& group : current) {
        Members identical;
        for (size_t position : group)
            identical.push_back(readable[position]);
        classes.push_back(std::move(identical));
    }
}

void ContentsCheck::CompareGroup(Reader& reader, const Members& members, std::vector<Members>& classes)
{
    const std::uint64_t size = m_files[members.front()].size;
    if (size == 0) {
        classes.push_back(members); // nothing to read: all are alike
        return;
    }
    // A block at the start and one at the end.
    std::map<std::pair<std::uint64_t, std::uint64_t>, Members> byEnds;
    for (size_t file : members) {
        if (m_stop)
            return;
        std::uint64_t hash[2];
        if (!Hash(reader, file, false, hash)) {
            m_outcomes[file].unreadable = true;
            Settle(file, size);
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
                m_outcomes[file].unreadable = true;
                Settle(file, size);
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
    // The groups worth reading: two or more distinct files.
    std::vector<Members> groups;
    for (size_t i = 0; i < m_files.size();) {
        size_t end = i + 1;
        while (end < m_files.size() && m_files[end].sizeGroup == m_files[i].sizeGroup)
            ++end;
        Members distinct;
        for (size_t j = i; j < end; ++j) {
            if (m_files[j].opened && m_files[j].sizeGroup >= 0 && m_outcomes[j].hardLinkOf < 0)
                distinct.push_back(j);
        }
        if (distinct.size() >= 2)
            groups.push_back(std::move(distinct));
        i = end;
    }
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

    std::vector<int> classOf(m_files.size(), -1);
    int classes = 0;
    for (const std::vector<Members>& groupClasses : found) {
        for (const Members& identical : groupClasses) {
            for (size_t file : identical)
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
        if (linked >= 0)
            m_outcomes[i].unreadable = m_outcomes[size_t(linked)].unreadable;
        if (c < 0)
            continue;
        if (number[size_t(c)] == 0)
            number[size_t(c)] = ++numbered;
        m_outcomes[i].group = number[size_t(c)];
    }
    return true;
}
