#pragma once

#include "engine/TextSearch.h"

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Helper threads that search the contents of the files the walk will reach next, so that the
// reading and searching of many files overlap, from the page cache or from the disk. The walk still
// takes every file's outcome itself, in its own order, when it reaches the file (Take), and does the
// work in line when no helper has started it; a search it does not reach is dropped with its folder.
// The files of the deepest folder go first. Submit, Take and Drop are for the walking thread.
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
    CContentAhead(const ContentTest& test, int threads);
    ~CContentAhead();
    CContentAhead(const CContentAhead&) = delete;
    CContentAhead& operator=(const CContentAhead&) = delete;

    // Queues files of the folder open on `folderFd` (a descriptor of its own is made), in listing
    // order. Null when there is nothing to queue or no descriptor to spare.
    BatchPtr Submit(int folderFd, std::vector<Item> items);
    // The outcome for the file at `offset`; files of the batch before it are given up. False when
    // the batch holds no such file (the walk searches it itself).
    bool Take(Batch& batch, size_t offset, ContentOutcome& outcome);
    // Whether the batch holds files at or after `offset` still to be taken.
    bool Covers(const Batch& batch, size_t offset);
    // Forgets the files of the batch not yet started.
    void Drop(const BatchPtr& batch);

private:
    void Serve();

    const ContentTest m_test;
    std::mutex m_lock;
    std::condition_variable m_work;
    std::condition_variable m_done;
    std::vector<BatchPtr> m_batches; // live ones, the deepest folder's last
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};
