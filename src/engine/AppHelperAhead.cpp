// The walk's reading ahead: when listings come from the disk, helper threads (CReadAhead) open and
// list the sub-folders the walk will enter, and the walk takes each listing when it reaches it.
#include "engine/AppHelperFrame.h"

#include <algorithm>
#include <dirent.h>
#include <sys/resource.h>
#include <thread>

namespace {

// Reading ahead: this many helper threads, and at most this many folders asked for and not yet
// reached, as far as descriptors allow. Each holds about one descriptor (a copy of its parent's
// while it waits, its own once listed), a helper at work two.
constexpr int kReadAheadThreads = 8;
constexpr size_t kReadAheadMost = 1024;
// Descriptors left for the rest of the program while a walk runs (the windowing system, settings,
// an export), beside the walk's own levels.
constexpr size_t kSpareDescriptors = 128;
// Every this many listings the walk looks whether the disk was read meanwhile: reading ahead pays
// only then (a busy processor also makes listings slow, so their time tells nothing).
constexpr int kListingsPerLook = 8;
// Reading ahead stops after this many looks in a row without a read from the disk.
constexpr int kQuietLooks = 16;
// The walk's levels: never more than this many descriptors, nor fewer than this.
constexpr size_t kMostOpenLevels = 64;
constexpr size_t kLeastOpenLevels = 2;

// How many folders may be asked for ahead with the descriptors this process may still open, beside
// the walk's `levels`.
size_t ReadAheadLimit(size_t levels)
{
    const size_t limit = platform::OpenFileLimit();
    const size_t used = platform::OpenDescriptorCount();
    const size_t room = limit > used ? limit - used : 0;
    const size_t kept = levels + kSpareDescriptors + 2 * size_t(kReadAheadThreads);
    return room > kept ? std::min(kReadAheadMost, room - kept) : 0;
}

} // namespace

namespace walk {

long BlocksRead()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_inblock;
}

size_t OpenLevels()
{
    const size_t limit = platform::OpenFileLimit();
    const size_t used = platform::OpenDescriptorCount();
    const size_t free = limit > used ? limit - used : 0;
    return std::clamp(free / 4, kLeastOpenLevels, kMostOpenLevels);
}

int ContentThreadsInMemory()
{
    return std::clamp(int(std::thread::hardware_concurrency()) - 1, 1, kContentThreads);
}

} // namespace walk

void CAppHelper::DropAhead(Frame& frame)
{
    for (size_t i = frame.aheadNext; i < frame.ahead.size(); ++i)
        m_readAhead->Drop(frame.ahead[i]);
    frame.ahead.clear();
    frame.aheadNext = 0;
}

void CAppHelper::NoteListing()
{
    if (m_readAheadMode != ReadAhead::WhenSlow || ++m_listings % kListingsPerLook != 0)
        return;
    const long blocks = walk::BlocksRead();
    const bool diskRead = blocks != m_blocksRead;
    m_blocksRead = blocks;
    m_quietLooks = diskRead ? 0 : m_quietLooks + 1;
    if (!m_readingAhead && diskRead)
        StartReadAhead();
    else if (m_readingAhead && m_quietLooks >= kQuietLooks)
        StopReadAhead();
}

void CAppHelper::StartReadAhead()
{
    if (m_descriptorsShort)
        return; // the walk ran out of descriptors once: it keeps them for itself
    if (!m_readAhead) {
        m_readAheadLimit = ReadAheadLimit(m_openLevels);
        if (m_readAheadLimit < size_t(kReadAheadThreads))
            return; // too few descriptors to spare: the walk reads in line
        m_readAhead = std::make_unique<CReadAhead>(
            m_rules.VirtualDevices(),
            [this](const std::string& path) { return !IsIgnoredNative(path, true); }, m_readAheadLimit,
            kReadAheadThreads);
    }
    m_readingAhead = true;
}

void CAppHelper::StopReadAhead()
{
    m_readingAhead = false;
    if (!m_readAhead || m_readAhead->Outstanding() == 0)
        return;
    for (Frame& frame : m_frames) {
        DropAhead(frame);
        frame.scanned = 0;
    }
}

void CAppHelper::LetGoOfHelpers()
{
    // Every request is forgotten by the walk first, so the last holder of each descriptor is a
    // helper, and ending the helpers closes them all (a request still queued included).
    m_readingAhead = false;
    for (Frame& frame : m_frames) {
        if (m_readAhead)
            DropAhead(frame);
        frame.scanned = 0;
        if (m_contentAhead)
            DropContents(frame);
    }
    m_readAhead.reset();
    m_contentAhead.reset();
}

void CAppHelper::ReadAheadMore()
{
    // The sub-folders the walk will enter next, deepest folder first, as far as the limit allows;
    // only folders whose descriptor is held are read ahead.
    if (!m_readingAhead || !m_run || !m_searchSubFolders || m_readAhead->Outstanding() >= m_readAheadLimit)
        return;
    const size_t lowest = m_frames.size() > m_openLevels ? m_frames.size() - m_openLevels : 0;
    for (size_t depth = m_frames.size(); depth-- > lowest;) {
        Frame& frame = m_frames[depth];
        const CFileFind& find = *frame.find;
        if (!find.HoldsHandle())
            continue;
        const std::vector<char>& entries = find.Entries();
        size_t at = std::max(frame.scanned, find.NextOffset());
        while (at < entries.size() && m_readAhead->Outstanding() < m_readAheadLimit) {
            std::string_view name;
            unsigned char type = 0;
            const size_t offset = at;
            at = CFileFind::EntryAt(entries, at, name, type);
            if (type != DT_DIR)
                continue; // links and unknown types are looked at by the walk itself
            m_scratchPath.assign(m_path, 0, frame.pathSize);
            if (m_scratchPath.empty() || m_scratchPath.back() != '/')
                m_scratchPath.push_back('/');
            m_scratchPath.append(name);
            if (IsIgnoredNative(m_scratchPath, true))
                continue;
            auto request =
                m_readAhead->Submit(find.Handle(), std::string(name), m_scratchPath, offset, depth);
            if (!request) {
                at = offset; // the limit was reached meanwhile: this one comes later
                break;
            }
            frame.ahead.push_back(std::move(request));
        }
        frame.scanned = at;
        if (m_readAhead->Outstanding() >= m_readAheadLimit)
            break;
    }
}
