#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <sys/eventfd.h>
#include <unistd.h>
#include <utility>

// Carries work from one worker thread to the thread that owns this object (the user-interface
// thread). The worker adds to a pending batch under a lock; the owner takes the whole batch over on
// a timer and applies it, so the two threads meet only under the lock and nothing is posted from
// the worker. The worker's last act is Finish(): the owner's next take-over holds every row the
// worker added and then ends the run.
//
// `Reply` is what the owner hands back after each application; a worker that has to know what was
// applied (the row counts of the lists, say) asks for it with Flush(). Flush() and Finish() ring a
// bell (an eventfd the owner's event loop watches), so the owner serves them at once instead of at
// its next tick.
template <class Batch, class Reply = int> class BatchHandOver
{
public:
    // Applies one batch on the owner's thread; its result is the reply a flushing worker gets.
    using ApplyFn = std::function<Reply(Batch& batch)>;
    // Runs on the owner's thread after the batch that holds the worker's last additions.
    using FinishedFn = std::function<void()>;

    BatchHandOver(std::chrono::milliseconds interval, ApplyFn apply, FinishedFn finished = {})
        : m_apply(std::move(apply)), m_finished(std::move(finished))
    {
        m_timer.setInterval(interval);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { ApplyNow(); });
        if (m_bell >= 0) {
            m_bellNotifier = std::make_unique<QSocketNotifier>(m_bell, QSocketNotifier::Read);
            QObject::connect(m_bellNotifier.get(), &QSocketNotifier::activated, [this] {
                eventfd_t rings = 0;
                ::eventfd_read(m_bell, &rings);
                if (m_timer.isActive()) // a run is on and not closed
                    ApplyNow();
            });
        }
    }
    ~BatchHandOver()
    {
        m_bellNotifier.reset();
        if (m_bell >= 0)
            ::close(m_bell);
    }
    BatchHandOver(const BatchHandOver&) = delete;
    BatchHandOver& operator=(const BatchHandOver&) = delete;

    // --- The owner's thread ---

    // Begins a run: anything left pending is dropped and the apply timer starts.
    void Start()
    {
        {
            std::lock_guard locker(m_lock);
            m_pending = Batch{};
            m_done = false;
            m_closed = false;
            m_served = m_requested;
        }
        m_timer.start();
    }

    // Takes the pending batch over and applies it; ends the run when the worker has finished.
    void ApplyNow()
    {
        Batch batch;
        unsigned long long ticket;
        bool done;
        {
            std::lock_guard locker(m_lock);
            std::swap(batch, m_pending);
            ticket = m_requested;
            done = m_done; // set after the worker's last addition: this batch holds them all
        }
        Reply reply = m_apply(batch);
        {
            std::lock_guard locker(m_lock);
            m_reply = std::move(reply);
            if (m_served < ticket)
                m_served = ticket;
        }
        m_applied.notify_all();
        if (!done)
            return;
        m_timer.stop();
        {
            std::lock_guard locker(m_lock);
            m_done = false;
        }
        if (m_finished)
            m_finished();
    }

    // The owner goes away: the timer stops and a worker waiting in Flush() is let go at once.
    // Whatever the worker adds from now on stays pending until the next Start().
    void Close()
    {
        {
            std::lock_guard locker(m_lock);
            m_closed = true;
        }
        m_applied.notify_all();
        m_timer.stop();
    }

    bool Active() const { return m_timer.isActive(); }
    // The apply timer, for an owner that wants the next take-over sooner (start(0)).
    QTimer& Timer() { return m_timer; }

    // --- The worker's thread ---

    // Changes the pending batch under the lock: `change(batch)`.
    template <class Change> void Add(Change&& change)
    {
        std::lock_guard locker(m_lock);
        std::forward<Change>(change)(m_pending);
    }

    // Waits until the owner has applied everything added so far and returns its reply; after
    // Close() it returns at once with the last reply. The bell has the owner serve it at once; the
    // apply timer, which runs from Start() until the worker's end is applied, would within one
    // interval.
    Reply Flush()
    {
        std::unique_lock locker(m_lock);
        const unsigned long long ticket = ++m_requested;
        Ring();
        m_applied.wait(locker, [&] { return m_served >= ticket || m_closed; });
        return m_reply;
    }

    // The worker's last call.
    void Finish()
    {
        {
            std::lock_guard locker(m_lock);
            m_done = true;
        }
        Ring();
    }

private:
    void Ring()
    {
        if (m_bell >= 0)
            ::eventfd_write(m_bell, 1);
    }

    ApplyFn m_apply;
    FinishedFn m_finished;
    QTimer m_timer;
    const int m_bell = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    std::unique_ptr<QSocketNotifier> m_bellNotifier;
    std::mutex m_lock;
    std::condition_variable m_applied;
    // Shared with the worker, under m_lock.
    Batch m_pending;
    Reply m_reply{};
    unsigned long long m_requested = 0;
    unsigned long long m_served = 0;
    bool m_done = false;
    bool m_closed = false;
};
