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

std::vector<Placed> PlanOrder(const std::vector<RowKey>& rows, const std::atomic<bool>& stop)
{
    // Largest key first, input order among equal keys.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order;
    order.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        order.emplace_back(rows[i].key, std::uint32_t(i));
    if (stop)
        return {};
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    if (stop)
        return {};
    std::vector<Placed> placed;
    const size_t n = order.size();
    for (size_t i = 0; i < n; ++i) {
        const bool shared = (i > 0 && order[i - 1].first == order[i].first) ||
                            (i + 1 < n && order[i + 1].first == order[i].first);
        if (shared)
            placed.push_back({order[i].second, 0});
    }
    if (placed.size() == 1)
        placed.clear();
    // Bands as AssignSizeBands gives them: one more at each change of the size text.
    const auto sameText = [&rows](std::uint32_t a, std::uint32_t b) {
        return rows[a].opened == rows[b].opened && (!rows[a].opened || rows[a].key == rows[b].key);
    };
    for (size_t j = 1; j < placed.size(); ++j)
        placed[j].band = placed[j - 1].band + (sameText(placed[j].position, placed[j - 1].position) ? 0 : 1);
    return stop ? std::vector<Placed>() : placed;
}

long long CopyGroup(const ResultRow& row, bool contentsChecked)
{
    if (row.link)
        return -1;
    if (contentsChecked)
        return row.contentsGroup > 0 ? row.contentsGroup : -1;
    return row.opened ? (long long)row.size : -1;
}

} // namespace SizeGrouping
