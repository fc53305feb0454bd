#pragma once

#include "engine/TextSearch.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Helper threads that search the contents of the files the walk will reach next, so that the
// reading and searching of many files overlap, from the page cache or from the disk. The walk still
// takes every file's outcome itself, in its own order, when it reaches the file (Take); a file no
// one has started it searches itself, and while a helper is at the file it wants, it searches a
// later one rather than wait. A folder's files not reached are dropped with it. Helpers take the
// deepest folder's files first. Files are claimed one by one without a lock; the lock guards the
// list of folders and the waiting. Submit, Take and Drop are for the walking thread.
class CContentAhead
{
public:
    // One file to search: where it stands in its folder's listing, and its name.
    struct Item
    {
        size_t offset;
        std::string name;
    };
    struct Batch;
    using BatchPtr = std::shared_ptr<Batch>;

    // `test` says how each file is searched (its run flag ends the helpers' reading promptly).
    // `threads` helpers are made, of which `active` work at first. Destroying it stops the helpers
    // at their next block and waits for them: every descriptor they held is closed then.
    CContentAhead(const ContentTest& test, int threads, int active);
    ~CContentAhead();
    CContentAhead(const CContentAhead&) = delete;
    CContentAhead& operator=(const CContentAhead&) = delete;

    // Queues files of the folder open on `folderFd` (a descriptor of its own is made), in listing
    // order. Null when there is nothing to queue or no descriptor to spare.
    BatchPtr Submit(int folderFd, std::vector<Item> items);
    // The outcome for the file at `offset`; files of the batch before it are given up. False when
    // the batch holds no such file (the walk searches it itself).
    bool Take(Batch& batch, size_t offset, ContentOutcome& outcome);
    // Forgets the files of the batch not yet started.
    void Drop(const BatchPtr& batch);
    // How many helpers work: few when files come from memory (the processors are the limit), many
    // when they come from the disk (requests in flight are).
    void SetActive(int active);

private:
    void Serve(int index);
    // Claims the batch's next file no one has started and searches it; false when none is left.
    bool SearchNext(Batch& batch);
    // The deepest batch with files no one has started (the lock held).
    BatchPtr Deepest();

    std::atomic<bool> m_abandon{false}; // raised on closing: helpers end the file they read
    ContentTest m_test;
    std::mutex m_lock;
    std::condition_variable m_work;  // active helpers wait here for files
    std::condition_variable m_sleep; // helpers beyond the active ones wait here
    std::condition_variable m_done;
    std::vector<BatchPtr> m_batches;       // live ones, the deepest folder's last
    std::atomic<unsigned> m_generation{0}; // changes when a batch comes or goes
    std::atomic<bool> m_walkWaiting{false};
    int m_active = 0;
    int m_idle = 0; // helpers waiting for work
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};
