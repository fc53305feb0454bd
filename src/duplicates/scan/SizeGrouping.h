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

} // namespace SizeGrouping
