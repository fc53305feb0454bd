#include "engine/ContentAhead.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

struct CContentAhead::Batch
{
    enum State
    {
        Queued,
        Running,
        Done,
    };
    struct Job
    {
        Item item;
        State state = Queued;
        ContentOutcome outcome = ContentOutcome::NoMatch;
    };

    int fd = -1;
    std::vector<Job> jobs;
    size_t next = 0;  // the first job no one has started (helpers take jobs from here)
    size_t taken = 0; // the walk's place: jobs before it are given up or taken
    bool dropped = false;

    ~Batch()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

CContentAhead::CContentAhead(const ContentTest& test, int threads) : m_test(test)
{
    for (int i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { Serve(); });
}

CContentAhead::~CContentAhead()
{
    {
        std::lock_guard locker(m_lock);
        m_closing = true;
        m_batches.clear();
    }
    m_work.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

CContentAhead::BatchPtr CContentAhead::Submit(int folderFd, std::vector<Item> items)
{
    if (items.empty() || folderFd < 0)
        return nullptr;
    auto batch = std::make_shared<Batch>();
    batch->fd = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (batch->fd < 0)
        return nullptr;
    batch->jobs.reserve(items.size());
    for (Item& item : items)
        batch->jobs.push_back({std::move(item)});
    {
        std::lock_guard locker(m_lock);
        m_batches.push_back(batch);
    }
    m_work.notify_all();
    return batch;
}

bool CContentAhead::Covers(const Batch& batch, size_t offset)
{
    std::lock_guard locker(m_lock);
    return !batch.jobs.empty() && batch.jobs.back().item.offset >= offset;
}

bool CContentAhead::Take(Batch& batch, size_t offset, ContentOutcome& outcome)
{
    std::unique_lock locker(m_lock);
    while (batch.taken < batch.jobs.size() && batch.jobs[batch.taken].item.offset < offset)
        ++batch.taken;
    batch.next = std::max(batch.next, batch.taken);
    if (batch.taken == batch.jobs.size() || batch.jobs[batch.taken].item.offset != offset)
        return false;
    Batch::Job& job = batch.jobs[batch.taken++];
    if (job.state == Batch::Queued) {
        // No helper has come to it: faster to do it here than to wait. Helpers pass over it.
        job.state = Batch::Running;
        if (batch.next < batch.taken)
            batch.next = batch.taken;
        locker.unlock();
        outcome = SearchFileContents(batch.fd, job.item.name.c_str(), m_test);
        locker.lock();
        job.state = Batch::Done;
        job.outcome = outcome;
        return true;
    }
    m_done.wait(locker, [&job] { return job.state == Batch::Done; });
    outcome = job.outcome;
    return true;
}

void CContentAhead::Drop(const BatchPtr& batch)
{
    std::lock_guard locker(m_lock);
    batch->dropped = true;
    const auto it = std::find(m_batches.begin(), m_batches.end(), batch);
    if (it != m_batches.end())
        m_batches.erase(it);
}

void CContentAhead::Serve()
{
    std::unique_lock locker(m_lock);
    for (;;) {
        // The deepest folder's next file that no one has started.
        BatchPtr batch;
        m_work.wait(locker, [this, &batch] {
            if (m_closing)
                return true;
            for (auto it = m_batches.rbegin(); it != m_batches.rend(); ++it) {
                Batch& candidate = **it;
                while (candidate.next < candidate.jobs.size() &&
                       candidate.jobs[candidate.next].state != Batch::Queued)
                    ++candidate.next;
                if (candidate.next < candidate.jobs.size()) {
                    batch = *it;
                    return true;
                }
            }
            return false;
        });
        if (m_closing)
            return;
        const size_t index = batch->next++;
        Batch::Job& job = batch->jobs[index];
        job.state = Batch::Running;
        const int fd = batch->fd;
        const std::string& name = job.item.name;
        locker.unlock();
        const ContentOutcome outcome = SearchFileContents(fd, name.c_str(), m_test);
        locker.lock();
        job.outcome = outcome;
        job.state = Batch::Done;
        m_done.notify_all();
        // Dropped meanwhile: the last reference may go here, without the lock.
        locker.unlock();
        batch.reset();
        locker.lock();
    }
}
