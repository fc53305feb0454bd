#pragma once

#include "duplicates/scan/ScanRows.h"

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

// One input file of a scan: its folder and its name, both exact bytes. `folder` may end with "/"
// or not, as long as one input gives all its folders the same way.
struct ScanEntry
{
    std::string_view folder;
    std::string_view name;
    // The folder walk saw a regular file there (a hint only: the entry is looked at anyway).
    bool knownRegular = false;
    // Room for an input that has to make the bytes; folder and name may point into it.
    std::string storage;
};

// The files a scan reads, in input order. Read from the scan's threads while the scan runs, so it
// must not change meanwhile.
class ScanInput
{
public:
    virtual ~ScanInput() = default;
    virtual int Count() const = 0;
    // Fills `entry` for input line `index`; false when the line names no file.
    virtual bool At(int index, ScanEntry& entry) const = 0;
};

// Full paths, exact bytes, from a function.
class NativePathsInput : public ScanInput
{
public:
    NativePathsInput(int count, std::function<std::string(int)> pathAt)
        : m_count(count), m_pathAt(std::move(pathAt))
    {
    }
    int Count() const override { return m_count; }
    bool At(int index, ScanEntry& entry) const override;

private:
    int m_count;
    std::function<std::string(int)> m_pathAt;
};

// The first part of the duplicates window's scan, without the window: reads the size and
// last-write time of every input file in input order and hands the rows over in batches. A path
// that names nothing gives no row; an entry that is not a regular file (or a link to one), or that
// may not be read, gives a row without size. Nothing is opened: one look at each entry gives its
// type and its size. The later steps are in SizeGrouping.
class DuplicateScan
{
public:
    using HandOver = std::function<void(ResultBatch&)>;

    // `stop` is read before each input file and at each step of a file; once set, nothing more is
    // handed over.
    DuplicateScan(const ScanInput& input, const std::atomic<bool>& stop) : m_input(input), m_stop(stop) {}

    // Reads the whole input. The rows of a batch follow those of the batches before it; a batch is
    // handed over at least every 20 ms or 512 rows while reading, and once at the end. A long input
    // is read by two threads, with the same result: the second half, read aside, follows the first
    // in batches of at most 4096 rows. Throws when reading fails on either thread.
    void Read(const HandOver& handOver);

private:
    struct Cursor;
    void ReadRange(int begin, int end, Cursor& cursor, const HandOver& handOver);
    void AddFileRow(const ScanEntry& entry, Cursor& cursor);

    const ScanInput& m_input;
    const std::atomic<bool>& m_stop;
};
