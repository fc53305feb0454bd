#pragma once

#include <QString>
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
    bool opened = false; // false: the file could not be opened, so "Size" stays empty
    bool timeKnown = false;
    bool checked = false;
    // After a contents check: the row's contents group (from 1; 0: none), the "Sr" of the row it
    // is a hard link of (0: none), and whether it could not be read.
    int contentsGroup = 0;
    int hardLinkOf = 0;
    bool unreadable = false;
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
