#include "duplicates/scan/ContentsCheck.h"

#include "duplicates/scan/ContentsRecall.h"
#include "duplicates/scan/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
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

void ContentsCheck::Reader::CloseAll()
{
    for (const auto& [folder, fd] : folders)
        ::close(fd);
    folders.clear();
    order.clear();
    next = 0;
}

int ContentsCheck::FolderOf(Reader& reader, size_t file)
{
    const std::string& folder = m_files[file].folder;
    const auto it = reader.folders.find(folder);
    if (it != reader.folders.end())
        return it->second;
    int fd = RegularFile::OpenFolder(folder);
    if (fd < 0 && (errno == EMFILE || errno == ENFILE) && !reader.folders.empty()) {
        reader.CloseAll(); // the descriptors kept are wanted more here
        fd = RegularFile::OpenFolder(folder);
    }
    if (fd < 0)
        return -1;
    if (reader.order.size() < kFolders) {
        reader.order.push_back(folder);
    } else {
        std::string& oldest = reader.order[reader.next];
        ::close(reader.folders[oldest]);
        reader.folders.erase(oldest);
        oldest = folder;
        reader.next = (reader.next + 1) % kFolders;
    }
    reader.folders.emplace(folder, fd);
    return fd;
}

int ContentsCheck::Reopen(Reader& reader, size_t file)
{
    const ContentsFile& f = m_files[file];
    const int folder = FolderOf(reader, file);
    if (folder < 0)
        return -1;
    const int fd = RegularFile::Reopen(folder, f.name.c_str(), f.device, f.inode);
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
        std::int32_t(now.st_mtim.tv_nsec) == f.modifiedNanoseconds) {
        std::int64_t& changedNs = m_outcomes[file].changedNs;
        if (changedNs == ContentsOutcome::kNoChangeTime)
            changedNs = std::int64_t(now.st_ctim.tv_sec) * 1'000'000'000 + now.st_ctim.tv_nsec;
        return true;
    }
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
    if (ok && m_recall) {
        m_recall->Confirm(file, fd);
        if (whole && !m_stop)
            m_recall->NoteWhole(file, {hash[0], hash[1]});
    }
    return ok;
}

bool ContentsCheck::Ends(Reader& reader, size_t file, ContentsHash& ends)
{
    if (m_recall && m_recall->KnownEnds(file, ends))
        return true;
    std::uint64_t hash[2];
    if (!Hash(reader, file, false, hash))
        return false;
    ends = {hash[0], hash[1]};
    if (m_recall)
        m_recall->NoteEnds(file, ends);
    return true;
}

void ContentsCheck::CompareSideBySide(Reader& reader, const Members& members, std::vector<Members>& classes,
                                      Members* singles)
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
                if (m_recall && size <= kBlock) {
                    // The whole file is its one block: its end hash comes free.
                    const XXH128_hash_t digest = XXH3_128bits(buffer.data(), length);
                    m_recall->NoteEnds(file, {digest.low64, digest.high64});
                }
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
                    if (singles)
                        singles->push_back(readable[part.front()]);
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
        if (m_recall && !m_outcomes[file].unreadable && !m_outcomes[file].changed)
            m_recall->Confirm(file, open.fds[position]);
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

void ContentsCheck::UseCache(ContentsCache::Options options)
{
    options.hashName = QStringLiteral("XXH3-128");
    options.block = kBlock;
    m_cacheOptions = std::move(options);
}

bool ContentsCheck::Run()
{
    std::unique_ptr<ContentsCache> cache;
    std::unique_ptr<ContentsRecall> recall;
    if (m_cacheOptions && !m_groups.empty()) {
        cache = std::make_unique<ContentsCache>(*m_cacheOptions);
        if (cache->Open()) {
            recall = std::make_unique<ContentsRecall>(m_files.size(), cache.get());
            m_recall = recall.get();
        }
    }
    const std::vector<Members>& groups = m_groups;
    // Each thread takes the next group, the largest first, so that one large group does not come
    // last to one thread while the other has nothing left; each group's classes go to its own place.
    std::vector<size_t> order(groups.size());
    std::vector<std::uint64_t> bytes(groups.size());
    for (size_t g = 0; g < groups.size(); ++g) {
        order[g] = g;
        bytes[g] = m_files[groups[g].front()].size * groups[g].size();
    }
    std::stable_sort(order.begin(), order.end(),
                     [&bytes](size_t a, size_t b) { return bytes[a] > bytes[b]; });
    std::vector<std::vector<Members>> found(groups.size());
    // Two threads (when there can be two) run `work` to its end.
    const auto inParallel = [&groups](const std::function<void()>& work) {
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
    };
    // With a cache to ask, every file is looked at first, folder by folder, each folder opened
    // once: the files of one group lie in many folders.
    if (m_recall && !cache->Empty()) {
        std::vector<size_t> files;
        for (const Members& group : groups)
            files.insert(files.end(), group.begin(), group.end());
        std::sort(files.begin(), files.end(),
                  [this](size_t a, size_t b) { return m_files[a].folder < m_files[b].folder; });
        // One thread reads the cache's entries while the other looks at files, then both look;
        // the cache is asked once every file was looked at.
        constexpr size_t kSlice = 512;
        std::atomic<size_t> slice{0};
        std::atomic<bool> preloading{false};
        inParallel([&] {
            if (!preloading.exchange(true))
                cache->Preload(files.size());
            Reader reader;
            for (size_t from = slice++ * kSlice; from < files.size() && !m_stop; from = slice++ * kSlice)
                for (size_t i = from; i < std::min(files.size(), from + kSlice); ++i)
                    Look(reader, files[i], true, false);
        });
        for (size_t file : files)
            m_recall->FindLooked(file);
    }
    std::atomic<size_t> next{0};
    inParallel([&] {
        Reader reader;
        for (size_t k = next++; k < order.size() && !m_stop; k = next++)
            CompareGroup(reader, groups[order[k]], found[order[k]]);
    });
    if (cache) {
        // What was learnt is written back in one go, also after a stop. A file the cache answered
        // for, never opened, has the last change of its look (a file read keeps the one it had
        // when first opened, the earliest).
        if (m_recall) {
            for (size_t i = 0; i < m_files.size(); ++i)
                if (m_outcomes[i].changedNs == ContentsOutcome::kNoChangeTime) // kAnyTime when unknown
                    m_outcomes[i].changedNs = m_recall->ChangeTime(i);
            m_recall->Commit();
        }
        m_recall = nullptr;
        m_cacheProblem = cache->Problem();
        cache->Close();
    }
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
            m_outcomes[i].changedNs = m_outcomes[size_t(linked)].changedNs;
        }
        if (c < 0)
            continue;
        if (number[size_t(c)] == 0)
            number[size_t(c)] = ++numbered;
        m_outcomes[i].group = number[size_t(c)];
    }
    return true;
}

static_assert(ContentsRecall::kAnyTime == ContentsOutcome::kNoChangeTime,
              "one value for an unknown change time");
