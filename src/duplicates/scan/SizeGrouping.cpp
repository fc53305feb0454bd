#include "duplicates/scan/SizeGrouping.h"

#include <algorithm>
#include <utility>

namespace SizeGrouping {

int CompareBySizeDescending(std::uint64_t first, std::uint64_t second)
{
    if (first > second)
        return -1;
    return first < second ? 1 : 0;
}

bool SameSizeText(const ResultRow& a, const ResultRow& b)
{
    return a.opened == b.opened && (!a.opened || a.size == b.size);
}

bool SortBySizeDescending(std::vector<ResultRow>& rows, const std::atomic<bool>& stop)
{
    if (stop)
        return false;
    // Keys and positions are ordered, rather than the rows themselves, and each row then moves
    // once; the position breaks ties, so rows of equal key keep their order.
    std::vector<std::pair<std::uint64_t, size_t>> order;
    order.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        order.emplace_back(rows[i].key, i);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        const int compared = CompareBySizeDescending(a.first, b.first);
        return compared != 0 ? compared < 0 : a.second < b.second;
    });
    std::vector<ResultRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& entry : order)
        sorted.push_back(std::move(rows[entry.second]));
    rows.swap(sorted);
    return true;
}

bool RemoveUniqueSizes(std::vector<ResultRow>& rows, const std::atomic<bool>& stop)
{
    const size_t n = rows.size();
    const auto key = [&rows](size_t i) { return rows[i].key; };
    // Mark first, delete afterwards: a stop while marking deletes nothing.
    std::vector<bool> unique(n, false);
    if (n >= 2 && key(0) != key(1))
        unique[0] = true;
    for (size_t i = 1; i + 1 < n; ++i) {
        if (stop)
            return false;
        unique[i] = key(i) != key(i - 1) && key(i) != key(i + 1);
    }
    if (n >= 2 && key(n - 1) != key(n - 2))
        unique[n - 1] = true;
    if (stop)
        return false;

    size_t kept = 0;
    for (size_t i = 0; i < n; ++i) {
        if (!unique[i]) {
            if (kept != i)
                rows[kept] = std::move(rows[i]);
            ++kept;
        }
    }
    rows.resize(kept);
    // A row left alone has nothing to be compared with (the input held a single file).
    if (rows.size() == 1)
        rows.clear();
    return true;
}

size_t RenumberRows(std::vector<ResultRow>& rows, const std::atomic<bool>& stop)
{
    size_t done = 0;
    for (; done < rows.size() && !stop; ++done)
        rows[done].number = int(done) + 1;
    return done;
}

void AssignSizeBands(std::vector<ResultRow>& rows, const std::atomic<bool>& stop)
{
    if (rows.size() < 2)
        return;
    std::uint64_t band = 0;
    rows[0].key = band;
    for (size_t j = 1; j < rows.size(); ++j) {
        if (stop)
            return;
        if (!SameSizeText(rows[j], rows[j - 1]))
            ++band;
        rows[j].key = band;
    }
}

} // namespace SizeGrouping
