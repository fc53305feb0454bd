#pragma once

// The walk's own record of one folder being listed, shared by the parts of CAppHelper. Not for use
// outside the engine.
#include "engine/AppHelper.h"
#include "engine/ContentAhead.h"

struct CAppHelper::Frame
{
    std::unique_ptr<CFileFind> find;
    std::uint32_t folder = 0; // in m_folderFileCounts
    size_t pathSize = 0;      // the length of m_path while this folder is listed
    platform::FolderId id;    // recorded when the descriptor is given up
    // Sub-folders asked for ahead, in the order of the listing (those before `aheadNext` are taken
    // or dropped), and how far the listing was looked through.
    std::vector<CReadAhead::RequestPtr> ahead;
    size_t aheadNext = 0;
    size_t scanned = 0;
    // Files whose contents helpers search ahead, up to the listing's offset `contentsEnd`.
    CContentAhead::BatchPtr contents;
    size_t contentsEnd = 0;
    // The names of the regular files from the listing's offset `namesFrom` up to `contentsEnd`,
    // tested when they were handed to the helpers: the offsets of those that passed, and of those
    // the word's expression gave up on, so no name is tested twice.
    size_t namesFrom = 0;
    std::vector<size_t> namesPassed;
    std::vector<size_t> namesGivenUp;
};

namespace walk {

// Blocks this process read from storage so far.
long BlocksRead();

// How many folder descriptors a walk holds at once, from the descriptors this process may still
// open: a quarter of those free, between 2 and 64. Deeper levels give up the descriptor of the level
// this far above them (the start folder's excepted); it is taken again, beneath a descriptor still
// held, when needed.
size_t OpenLevels();

// Helper threads that search files' contents ahead of the walk: this many at most (files read from
// the disk), as many as the processors less one (at least one) for files in memory. Every this many
// files the walk looks which it is.
constexpr int kContentThreads = 8;
constexpr int kFilesPerLook = 64;
int ContentThreadsInMemory();

} // namespace walk
