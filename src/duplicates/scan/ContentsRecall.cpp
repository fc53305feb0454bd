#include "duplicates/scan/ContentsRecall.h"

#include <fcntl.h>
#include <sys/stat.h>

ContentsRecall::ContentsRecall(size_t files, ContentsCache* cache) : m_cache(cache), m_files(files) {}

std::uint64_t ContentsRecall::FileSystem(const std::string& path, std::uint64_t device)
{
    {
        std::shared_lock<std::shared_mutex> hold(m_lock);
        const auto it = m_fileSystems.find(device);
        if (it != m_fileSystems.end())
            return it->second;
    }
    const std::uint64_t id = ContentsCache::FileSystemOf(path);
    std::lock_guard<std::shared_mutex> hold(m_lock);
    m_fileSystems.emplace(device, id);
    return id;
}

bool ContentsRecall::Look(size_t file, int folderFd, const std::string& name, const std::string& path,
                          std::uint64_t device, std::uint64_t inode, std::uint64_t size,
                          std::int64_t modifiedNs, bool find)
{
    File& f = m_files[file];
    if (!m_cache || !m_cache->Usable() || f.tried)
        return f.found;
    f.tried = true;
    f.size = size;
    f.modifiedNs = modifiedNs;
    if (m_cache->Empty())
        return false; // nothing to find: the key is taken after the first read (Confirm)
    // Only looked at, never opened: it must be the very file (device and inode) the scan opened.
    struct stat status;
    if (::fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        (S_ISLNK(status.st_mode) && ::fstatat(folderFd, name.c_str(), &status, 0) != 0) ||
        !S_ISREG(status.st_mode) || std::uint64_t(status.st_dev) != device ||
        std::uint64_t(status.st_ino) != inode || std::uint64_t(status.st_size) != size ||
        (modifiedNs != kAnyTime && ContentsCache::KeyOf(status, 0).modifiedNs != modifiedNs)) {
        f.steady = false; // not the file the scan saw: the reading will tell
        return false;
    }
    f.looked = true;
    f.key = ContentsCache::KeyOf(status, FileSystem(path, device));
    f.unasked = !find;
    return find && Find(f);
}

bool ContentsRecall::Find(File& f)
{
    f.found = m_cache->Find(f.key, f.facts);
    if (!f.found)
        f.facts = ContentsFacts();
    return f.found;
}

void ContentsRecall::FindLooked(size_t file)
{
    File& f = m_files[file];
    if (f.unasked) {
        f.unasked = false;
        Find(f);
    }
}

void ContentsRecall::Confirm(size_t file, int fd)
{
    File& f = m_files[file];
    struct stat status;
    if (!m_cache || !f.steady)
        return;
    if (!f.looked) {
        // Not looked at before (a first check): the key after the first read stands. A change
        // during or after it gives a change time the cache refuses (too close to the check).
        if (::fstat(fd, &status) != 0 || std::uint64_t(status.st_size) != f.size ||
            (f.modifiedNs != kAnyTime && ContentsCache::KeyOf(status, 0).modifiedNs != f.modifiedNs)) {
            f.steady = false; // not as the scan saw it
            return;
        }
        f.looked = true;
        std::uint64_t fileSystem;
        {
            std::shared_lock<std::shared_mutex> hold(m_lock);
            const auto it = m_fileSystems.find(std::uint64_t(status.st_dev));
            fileSystem = it != m_fileSystems.end() ? it->second : 0;
        }
        if (fileSystem == 0) {
            fileSystem = ContentsCache::FileSystemOf(fd);
            std::lock_guard<std::shared_mutex> hold(m_lock);
            m_fileSystems.emplace(std::uint64_t(status.st_dev), fileSystem);
        }
        f.key = ContentsCache::KeyOf(status, fileSystem);
        return;
    }
    if (::fstat(fd, &status) != 0 || !(ContentsCache::KeyOf(status, f.key.fileSystem) == f.key)) {
        f.steady = false;
        f.found = false;
    }
}

bool ContentsRecall::KnownEnds(size_t file, ContentsHash& ends) const
{
    const File& f = m_files[file];
    if (!f.found || !f.steady || !f.facts.hasEnds)
        return false;
    ends = f.facts.ends;
    return true;
}

bool ContentsRecall::KnownWhole(size_t file, ContentsHash& whole) const
{
    const File& f = m_files[file];
    if (!f.found || !f.steady || !f.facts.hasWhole)
        return false;
    whole = f.facts.whole;
    return true;
}

void ContentsRecall::NoteEnds(size_t file, const ContentsHash& ends)
{
    File& f = m_files[file];
    if (f.facts.hasEnds && f.facts.ends == ends)
        return;
    f.facts.hasEnds = true;
    f.facts.ends = ends;
    f.learnt = true;
}

void ContentsRecall::NoteWhole(size_t file, const ContentsHash& whole)
{
    File& f = m_files[file];
    if (f.facts.hasWhole && f.facts.whole == whole)
        return;
    f.facts.hasWhole = true;
    f.facts.whole = whole;
    f.learnt = true;
}

bool ContentsRecall::KnownClasses(const Members& tied, std::vector<Members>& classes) const
{
    const std::int64_t partition = m_files[tied.front()].facts.partition;
    for (size_t file : tied) {
        const File& f = m_files[file];
        if (!f.found || !f.steady || f.facts.partition <= 0 || f.facts.partition != partition)
            return false;
    }
    std::map<int, Members> byClass;
    for (size_t file : tied)
        byClass[m_files[file].facts.contentsClass].push_back(file);
    for (auto& [contentsClass, identical] : byClass)
        if (identical.size() >= 2)
            classes.push_back(std::move(identical));
    return true;
}

ContentsRecall::Members ContentsRecall::Representatives(const Members& tied,
                                                        std::vector<Members>& others) const
{
    Members chosen;
    others.clear();
    std::map<std::pair<std::int64_t, int>, size_t> known; // (partition, class) to its place in `chosen`
    for (size_t file : tied) {
        const File& f = m_files[file];
        if (f.found && f.steady && f.facts.partition > 0) {
            const auto [it, added] =
                known.try_emplace({f.facts.partition, f.facts.contentsClass}, chosen.size());
            if (!added) {
                others[it->second].push_back(file);
                continue;
            }
        }
        chosen.push_back(file);
        others.emplace_back();
    }
    return chosen;
}

void ContentsRecall::NoteClasses(const std::vector<Members>& classes)
{
    std::int64_t partition;
    {
        std::lock_guard<std::shared_mutex> hold(m_lock);
        partition = -++m_partitions; // a new one, numbered by the cache when written
    }
    int contentsClass = 0;
    for (const Members& identical : classes) {
        for (size_t file : identical) {
            File& f = m_files[file];
            f.facts.partition = partition;
            f.facts.contentsClass = contentsClass;
            f.learnt = true;
        }
        ++contentsClass;
    }
}

void ContentsRecall::Commit()
{
    if (!m_cache)
        return;
    for (const File& f : m_files)
        if (f.looked && f.steady && f.learnt)
            m_cache->Learn(f.key, f.facts);
    m_cache->Commit();
}

QString ContentsRecall::Problem() const
{
    return m_cache ? m_cache->Problem() : QString();
}
