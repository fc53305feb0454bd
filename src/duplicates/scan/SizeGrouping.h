#pragma once

#include "duplicates/scan/ScanRows.h"

#include <atomic>
#include <cstdint>
#include <vector>

// The steps that turn the rows read by a scan into size groups. Each runs in one pass and returns
// early, leaving the rows as far as it got, when `stop` is set.
namespace SizeGrouping {

// Negative when the first size is the larger, positive when the second is, 0 when equal.
int CompareBySizeDescending(std::uint64_t first, std::uint64_t second);

// Orders the rows by key, largest first; rows of equal key keep their order. False when stopped
// (the rows are then unchanged).
bool SortBySizeDescending(std::vector<ResultRow>& rows, const std::atomic<bool>& stop);

// On rows ordered by key, removes every row whose key no neighbour shares, then a single row left
// on its own. False when stopped before anything was removed.
bool RemoveUniqueSizes(std::vector<ResultRow>& rows, const std::atomic<bool>& stop);

// Numbers the rows 1, 2, ... from the top; returns how many rows were numbered.
size_t RenumberRows(std::vector<ResultRow>& rows, const std::atomic<bool>& stop);

// Sets each row's key to its band: 0 for the first size text, one more at each change of text (a
// row that could not be opened has an empty text, unlike a file of 0 bytes).
void AssignSizeBands(std::vector<ResultRow>& rows, const std::atomic<bool>& stop);

// Whether two rows show the same "Size" text.
bool SameSizeText(const ResultRow& a, const ResultRow& b);

// What the steps above need of a row while the scan reads it.
struct RowKey
{
    std::uint64_t key = 0;
    bool opened = false;
};
// A row as the steps above leave it: its place in the input (from 0) and its band.
struct Placed
{
    std::uint32_t position = 0;
    std::uint64_t band = 0;
};
// The order, removal and bands that the steps above give, worked out from the keys alone, so that
// the scan's own thread can do it: the rows that stay, top to bottom. Empty when stopped.
std::vector<Placed> PlanOrder(const std::vector<RowKey>& rows, const std::atomic<bool>& stop);

// The copy group of a row, for the summary, keeping one of each group and any rule acting on
// groups: after a contents check its contents group, before one the size of a file that could be
// read (whatever rows stand between files of one size); -1 for a row in none, and always for a
// symbolic link, which is never a copy of anything.
long long CopyGroup(const ResultRow& row, bool contentsChecked);

} // namespace SizeGrouping
