#pragma once

#include <QString>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

// One file of the duplicate candidates. The texts of the "Size" and "Last Modified" columns are
// made from the numbers here when a row is drawn.
struct ResultRow
{
    int number = 0;            // the "Sr" column
    int folder = -1;           // index into the list's folder table
    std::string name;          // exact bytes
    std::uint64_t size = 0;    // valid when opened
    std::int64_t modified = 0; // last write, seconds since the epoch; valid when timeKnown
    std::uint64_t key = 0;     // the size while filling and ordering, the size band afterwards
    std::uint64_t device = 0;  // of the file that was opened; valid when opened
    std::uint64_t inode = 0;
    std::int32_t modifiedNanoseconds = 0; // the part of a second of the last write
    bool opened = false;                  // false: the file could not be opened, so "Size" stays empty
    bool timeKnown = false;
    // The entry is a symbolic link. It shows the size of what it points to, but it is never a copy
    // of anything: it is in no group.
    bool link = false;
    bool checked = false;
    // After a contents check: the row's contents group (from 1; 0: none), the "Sr" of the row it
    // is a hard link of (0: none), whether it could not be read, and whether its size or last
    // write was no longer what the scan saw.
    int contentsGroup = 0;
    int hardLinkOf = 0;
    bool unreadable = false;
    bool changed = false;
    // Chosen by rule as the file of its group that stays ("keeps" in the Contents column).
    bool keeps = false;
    // After a contents check: the last change the check saw, in nanoseconds since the epoch;
    // INT64_MIN when unknown. An action on the file requires it unchanged.
    std::int64_t changedNs = INT64_MIN;
};

// A folder of the duplicate candidates: its text and its exact bytes, both ending with "/".
struct ResultFolder
{
    QString text;
    std::string native;
};

// Rows and folders that a scan hands over in one go. A row's folder index counts every folder
// handed over since the scan began.
struct ResultBatch
{
    std::vector<ResultFolder> folders;
    std::vector<ResultRow> rows;
    bool empty() const { return folders.empty() && rows.empty(); }
};
