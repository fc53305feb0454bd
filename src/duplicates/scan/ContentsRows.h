#pragma once

#include "duplicates/scan/ContentsCache.h"

#include <sqlite3.h>

// How an entry of the contents cache is stored in a row of its table.
namespace ContentsRows {

// The bits of `value` as SQLite's signed integer.
std::int64_t Signed(std::uint64_t value);
// A check sum of one entry, so that a damaged row is never taken for facts.
std::int64_t SumOf(const ContentsKey& key, const ContentsFacts& facts);
// A hash as a blob of 16 bytes, or NULL when there is none.
void BindHash(sqlite3_stmt* statement, int index, bool has, const ContentsHash& hash);
// False when the column holds no hash.
bool ColumnHash(sqlite3_stmt* statement, int index, ContentsHash& hash);
// The file system, device and inode as parameters 1 to 3.
void BindKey(sqlite3_stmt* statement, const ContentsKey& key);

// Finalizes a statement however the scope is left.
struct Statement
{
    sqlite3_stmt* handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

} // namespace ContentsRows
