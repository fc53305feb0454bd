#pragma once

#include "platform/FolderOpen.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Helper threads that open and list folders ahead of a walk, so that a cold disk has many
// requests in flight while the walk itself still visits folders one by one, in its own order.
// The walk asks for sub-folders of the folders it holds (Submit); a helper that has listed a folder
// also asks for that folder's sub-folders, as far as the limit allows. The walk takes each folder
// when it reaches it (Take) and drops those it will not reach (Drop). Requests are served in the
// order the walk will reach them. Submit, Take, Drop and Outstanding are for the walking thread.
class CReadAhead
{
public:
    struct Request;
    using RequestPtr = std::shared_ptr<Request>;

    // One folder to open and list: the sub-folder `name` of the folder open on `parentFd` (a
    // descriptor of the request's own).
    struct Request
    {
        // Where the walk reaches it: the first number stands for the folder of the walk it lies
        // under (deeper folders first), the others are entry offsets in the listings down to it.
        std::vector<std::uint32_t> order;
        std::string path; // the folder's full path
        std::string name;
        int parentFd = -1;
        platform::OpenedFolder opened;
        std::vector<char> entries;
        // Its own sub-folders asked for ahead, in listing order, and how far the listing was looked through.
        std::vector<RequestPtr> children;
        size_t scanned = 0;
        enum State
        {
            Queued,
            Running,
            Done
        } state = Queued;
        bool dropped = false;

        Request() = default;
        Request(const Request&) = delete;
        Request& operator=(const Request&) = delete;
        ~Request(); // closes what was not taken over
        size_t Offset() const { return order.empty() ? 0 : order.back(); }
    };

    // `wanted` tells whether the walk would enter a folder with this path (the ignore rules); it is
    // called on the helper threads. At most `limit` requests are outstanding.
    CReadAhead(const platform::VirtualDevices& devices, std::function<bool(const std::string&)> wanted,
               size_t limit, int threads = 8);
    ~CReadAhead();
    CReadAhead(const CReadAhead&) = delete;
    CReadAhead& operator=(const CReadAhead&) = delete;

    // Queues the sub-folder `name` (full path `path`, at `offset` in its parent's listing) of the
    // folder open on `parentFd`, which is the walk's folder at `depth`. Null when the limit is
    // reached or the descriptor cannot be duplicated.
    RequestPtr Submit(int parentFd, std::string name, std::string path, size_t offset, size_t depth);
    // Waits for the request (a request no helper has started yet is carried out here at once) and
    // gives its result over; its children, now under the walk's folder at `depth`, are moved to
    // `children`, and `scanned` tells how far its listing was looked through. False when it gave
    // way to nearer requests: the walk reads the folder itself.
    bool Take(Request& request, size_t depth, std::vector<RequestPtr>& children, size_t& scanned);
    // Forgets a request and everything asked for beneath it; listings and descriptors are freed by
    // the last holder.
    void Drop(const RequestPtr& request);
    size_t Outstanding();

private:
    void Serve();
    void Run(Request& request);
    void Expand(const RequestPtr& request);
    void DropLocked(Request& request);
    // Puts a request in the queue (the lock held).
    void Enqueue(RequestPtr request);
    bool MakeRoom(const std::vector<std::uint32_t>& order);
    static void Rebase(Request& request, std::uint32_t anchor, size_t strip);

    const platform::VirtualDevices& m_devices;
    const std::function<bool(const std::string&)> m_wanted;
    const size_t m_limit;
    std::mutex m_lock;
    std::condition_variable m_work;
    std::condition_variable m_done;
    std::vector<RequestPtr> m_queue; // a heap; taken and dropped requests are skipped
    std::vector<RequestPtr> m_live;  // outstanding: neither taken nor dropped
    size_t m_outstanding = 0;
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};
