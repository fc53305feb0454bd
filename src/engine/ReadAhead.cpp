#include "engine/ReadAhead.h"

#include "platform/FileFind.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The walk's order number of its folder at `depth`: deeper folders' remaining entries come first.
std::uint32_t Anchor(size_t depth)
{
    return UINT32_MAX - std::uint32_t(depth);
}

// Frees what a request holds.
void Release(CReadAhead::Request& request)
{
    if (request.parentFd >= 0)
        ::close(request.parentFd);
    if (request.opened.fd >= 0)
        ::close(request.opened.fd);
    request.parentFd = request.opened.fd = -1;
    std::vector<char>().swap(request.entries);
}

// The queue is a heap with the request the walk reaches first on top. Rebasing a taken request's
// children changes their order numbers but not how they compare with the others, so the heap stays
// sound.
bool ReachedLater(const CReadAhead::RequestPtr& a, const CReadAhead::RequestPtr& b)
{
    return b->order < a->order;
}

void Remove(std::vector<CReadAhead::RequestPtr>& list, const CReadAhead::Request& request)
{
    const auto it = std::find_if(list.begin(), list.end(), [&request](const CReadAhead::RequestPtr& item) {
        return item.get() == &request;
    });
    if (it != list.end()) {
        *it = std::move(list.back());
        list.pop_back();
    }
}

} // namespace

CReadAhead::Request::~Request()
{
    if (parentFd >= 0)
        ::close(parentFd);
    if (opened.fd >= 0)
        ::close(opened.fd);
}

CReadAhead::CReadAhead(const platform::VirtualDevices& devices,
                       std::function<bool(const std::string&)> wanted, size_t limit, int threads)
    : m_devices(devices), m_wanted(std::move(wanted)), m_limit(limit)
{
    for (int i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { Serve(); });
}

CReadAhead::~CReadAhead()
{
    {
        std::lock_guard locker(m_lock);
        m_closing = true;
        m_queue.clear();
        m_live.clear();
    }
    m_work.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

void CReadAhead::Run(Request& request)
{
    request.opened = platform::OpenSubFolder(request.parentFd, request.name.c_str(), m_devices);
    if (request.opened.fd >= 0)
        CFileFind::ReadEntries(request.opened.fd, request.entries);
    if (request.parentFd >= 0)
        ::close(request.parentFd);
    request.parentFd = -1;
}

size_t CReadAhead::Outstanding()
{
    std::lock_guard locker(m_lock);
    return m_outstanding;
}

CReadAhead::RequestPtr CReadAhead::Submit(int parentFd, std::string name, std::string path, size_t offset,
                                          size_t depth)
{
    std::vector<std::uint32_t> order = {Anchor(depth), std::uint32_t(offset)};
    {
        std::lock_guard locker(m_lock);
        if (!MakeRoom(order))
            return nullptr;
    }
    auto request = std::make_shared<Request>();
    request->parentFd = parentFd >= 0 ? ::fcntl(parentFd, F_DUPFD_CLOEXEC, 0) : -1;
    if (request->parentFd < 0)
        return nullptr;
    request->name = std::move(name);
    request->path = std::move(path);
    request->order = std::move(order);
    {
        std::lock_guard locker(m_lock);
        ++m_outstanding;
        m_live.push_back(request);
        Enqueue(request);
    }
    m_work.notify_one();
    return request;
}

void CReadAhead::Rebase(Request& request, std::uint32_t anchor, size_t strip)
{
    // order = {old anchor, offsets...}: the first `strip` offsets now stand for the walk's folder.
    request.order.erase(request.order.begin() + 1, request.order.begin() + 1 + std::ptrdiff_t(strip));
    request.order.front() = anchor;
    for (const RequestPtr& child : request.children)
        Rebase(*child, anchor, strip);
}

bool CReadAhead::Take(Request& request, size_t depth, std::vector<RequestPtr>& children, size_t& scanned)
{
    std::unique_lock locker(m_lock);
    if (request.dropped) {
        // It gave way to a nearer one: the walk reads it itself.
        m_done.wait(locker, [&request] { return request.state != Request::Running; });
        return false;
    }
    --m_outstanding;
    Remove(m_live, request);
    if (request.state == Request::Queued) {
        // Not started: faster to do it here than to wait behind the others. Its place in the
        // queue is skipped by the helpers.
        request.state = Request::Running;
        locker.unlock();
        Run(request);
        locker.lock();
        request.state = Request::Done;
    }
    m_done.wait(locker, [&request] { return request.state == Request::Done; });
    const size_t strip = request.order.size() - 1;
    for (const RequestPtr& child : request.children)
        Rebase(*child, Anchor(depth), strip);
    children = std::move(request.children);
    request.children.clear();
    scanned = request.scanned;
    return true;
}

void CReadAhead::Enqueue(RequestPtr request)
{
    m_queue.push_back(std::move(request));
    std::push_heap(m_queue.begin(), m_queue.end(), ReachedLater);
}

void CReadAhead::DropLocked(Request& request)
{
    if (request.dropped)
        return;
    request.dropped = true; // a queued one's place in the queue is skipped by the helpers
    --m_outstanding;
    Remove(m_live, request);
    if (request.state != Request::Running)
        Release(request);
    for (const RequestPtr& child : request.children)
        DropLocked(*child);
    request.children.clear();
}

bool CReadAhead::MakeRoom(const std::vector<std::uint32_t>& order)
{
    if (m_outstanding < m_limit)
        return true;
    // Full: the request the walk reaches last, unless a helper is reading it, gives way to a nearer
    // one. A listing already read stays in the system's cache, so the walk reads it again cheaply.
    Request* last = nullptr;
    for (const RequestPtr& request : m_live)
        if (request->state != Request::Running && (!last || last->order < request->order))
            last = request.get();
    if (!last || !(order < last->order))
        return false;
    DropLocked(*last);
    return true;
}

void CReadAhead::Drop(const RequestPtr& request)
{
    std::lock_guard locker(m_lock);
    DropLocked(*request);
}

void CReadAhead::Expand(const RequestPtr& request)
{
    // The sub-folders the walk will enter, looked for without the lock.
    struct Candidate
    {
        size_t offset;
        std::string_view name;
        std::string path;
    };
    std::vector<Candidate> candidates;
    for (size_t at = 0; at < request->entries.size();) {
        std::string_view name;
        unsigned char type = 0;
        const size_t offset = at;
        at = CFileFind::EntryAt(request->entries, at, name, type);
        if (type != DT_DIR)
            continue;
        std::string path = request->path;
        if (path.empty() || path.back() != '/')
            path.push_back('/');
        path.append(name);
        if (m_wanted(path))
            candidates.push_back({offset, name, std::move(path)});
    }
    std::lock_guard locker(m_lock);
    request->scanned = request->entries.size();
    if (request->dropped || m_closing)
        return;
    for (Candidate& candidate : candidates) {
        std::vector<std::uint32_t> order = request->order;
        order.push_back(std::uint32_t(candidate.offset));
        if (!MakeRoom(order)) {
            request->scanned = candidate.offset;
            break;
        }
        auto child = std::make_shared<Request>();
        child->parentFd = ::fcntl(request->opened.fd, F_DUPFD_CLOEXEC, 0);
        if (child->parentFd < 0) {
            request->scanned = candidate.offset;
            break;
        }
        child->name = std::string(candidate.name);
        child->path = std::move(candidate.path);
        child->order = std::move(order);
        ++m_outstanding;
        m_live.push_back(child);
        request->children.push_back(child);
        Enqueue(std::move(child));
        m_work.notify_one();
    }
}

void CReadAhead::Serve()
{
    std::unique_lock locker(m_lock);
    for (;;) {
        m_work.wait(locker, [this] { return m_closing || !m_queue.empty(); });
        if (m_closing)
            return;
        // The one the walk reaches first, unless the walk took it or dropped it meanwhile.
        std::pop_heap(m_queue.begin(), m_queue.end(), ReachedLater);
        RequestPtr request = std::move(m_queue.back());
        m_queue.pop_back();
        if (request->state != Request::Queued || request->dropped)
            continue;
        request->state = Request::Running;
        locker.unlock();
        Run(*request);
        if (request->opened.fd >= 0 && !request->entries.empty())
            Expand(request);
        locker.lock();
        request->state = Request::Done;
        if (request->dropped)
            Release(*request);
        m_done.notify_all();
        // Dropped meanwhile: the last reference may go here, without the lock.
        locker.unlock();
        request.reset();
        locker.lock();
    }
}
