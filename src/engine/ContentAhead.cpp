#include "engine/ContentAhead.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

struct CContentAhead::Batch
{
    enum State : int
    {
        Queued,
        Running,
        Done,
        GivenUp, // the walk passed it by
    };
    struct Job
    {
        Item item;
        std::atomic<int> state{Queued};
        ContentOutcome outcome = ContentOutcome::NoMatch; // written before state becomes Done
    };

    explicit Batch(std::vector<Item> items) : jobs(items.size())
    {
        for (size_t i = 0; i < items.size(); ++i)
            jobs[i].item = std::move(items[i]);
    }
    ~Batch()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool Claim(size_t index)
    {
        int queued = Queued;
        return jobs[index].state.compare_exchange_strong(queued, Running);
    }

    int fd = -1;
    std::vector<Job> jobs;
    std::atomic<size_t> next{0}; // where to look for a job no one has started
    std::atomic<bool> dropped{false};
    size_t taken = 0; // the walk's place: jobs before it are taken or given up
};

CContentAhead::CContentAhead(const ContentTest& test, int threads, int active)
    : m_test(test), m_active(active)
{
    m_test.cancel = &m_abandon;
    for (int i = 0; i < threads; ++i)
        m_threads.emplace_back([this, i] { Serve(i); });
}

CContentAhead::~CContentAhead()
{
    m_abandon.store(true);
    {
        std::lock_guard locker(m_lock);
        m_closing = true;
        m_batches.clear();
    }
    m_work.notify_all();
    m_sleep.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

void CContentAhead::SetActive(int active)
{
    std::lock_guard locker(m_lock);
    if (active == m_active)
        return;
    m_active = active;
    m_sleep.notify_all();
}

CContentAhead::BatchPtr CContentAhead::Submit(int folderFd, std::vector<Item> items)
{
    if (items.empty() || folderFd < 0)
        return nullptr;
    auto batch = std::make_shared<Batch>(std::move(items));
    batch->fd = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (batch->fd < 0)
        return nullptr;
    std::lock_guard locker(m_lock);
    m_batches.push_back(batch);
    ++m_generation;
    if (m_idle > 0)
        m_work.notify_all();
    return batch;
}

bool CContentAhead::SearchNext(Batch& batch)
{
    for (;;) {
        const size_t index = batch.next.fetch_add(1);
        if (index >= batch.jobs.size() || batch.dropped.load())
            return false;
        if (!batch.Claim(index))
            continue; // the walk took it or passed it by
        Batch::Job& job = batch.jobs[index];
        job.outcome = SearchFileContents(batch.fd, job.item.name.c_str(), m_test);
        job.state.store(Batch::Done);
        if (m_walkWaiting.load()) {
            std::lock_guard locker(m_lock);
            m_done.notify_all();
        }
        return true;
    }
}

bool CContentAhead::Take(Batch& batch, size_t offset, ContentOutcome& outcome)
{
    for (; batch.taken < batch.jobs.size() && batch.jobs[batch.taken].item.offset < offset; ++batch.taken)
        if (batch.Claim(batch.taken))
            batch.jobs[batch.taken].state.store(Batch::GivenUp);
    if (batch.taken == batch.jobs.size() || batch.jobs[batch.taken].item.offset != offset)
        return false;
    const size_t index = batch.taken++;
    Batch::Job& job = batch.jobs[index];
    if (batch.Claim(index)) {
        // No one has come to it: faster to search it here than to wait.
        outcome = SearchFileContents(batch.fd, job.item.name.c_str(), m_test);
        job.state.store(Batch::Done);
        return true;
    }
    // A helper is at it: search later files meanwhile, and wait only when none is left.
    while (job.state.load() != Batch::Done) {
        if (SearchNext(batch))
            continue;
        std::unique_lock locker(m_lock);
        m_walkWaiting.store(true);
        m_done.wait(locker, [&job] { return job.state.load() == Batch::Done; });
        m_walkWaiting.store(false);
    }
    outcome = job.outcome;
    return true;
}

void CContentAhead::Drop(const BatchPtr& batch)
{
    batch->dropped.store(true);
    std::lock_guard locker(m_lock);
    const auto it = std::find(m_batches.begin(), m_batches.end(), batch);
    if (it != m_batches.end()) {
        m_batches.erase(it);
        ++m_generation;
    }
}

CContentAhead::BatchPtr CContentAhead::Deepest()
{
    for (auto it = m_batches.rbegin(); it != m_batches.rend(); ++it)
        if ((*it)->next.load() < (*it)->jobs.size())
            return *it;
    return nullptr;
}

void CContentAhead::Serve(int index)
{
    for (;;) {
        BatchPtr batch;
        unsigned generation = 0;
        {
            std::unique_lock locker(m_lock);
            const auto found = [&] {
                if (m_closing)
                    return true;
                generation = m_generation.load();
                batch = index < m_active ? Deepest() : nullptr;
                return batch != nullptr;
            };
            while (!found()) {
                // A helper beyond the active ones sleeps until that changes.
                if (index >= m_active) {
                    m_sleep.wait(locker);
                    continue;
                }
                ++m_idle;
                m_work.wait(locker);
                --m_idle;
            }
            if (m_closing)
                return;
        }
        // Its files one after another, until it runs out or a deeper folder comes.
        while (m_generation.load() == generation && SearchNext(*batch)) {
        }
    }
}
