#include "view/ListRowOrder.h"

#include "platform/Paths.h"
#include "view/ListModels.h"
#include "view/NaturalOrder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace {

// The natural keys of many texts in one buffer, with the first eight bytes of each at hand as a
// number, so most comparisons never leave the array being sorted.
class KeyTable
{
public:
    explicit KeyTable(size_t count) { m_start.reserve(count + 1); }
    void Add(std::string_view text)
    {
        m_start.push_back(uint32_t(m_keys.size()));
        NaturalOrder::AppendKey(text, m_keys);
    }
    void Finish() { m_start.push_back(uint32_t(m_keys.size())); }
    std::string_view Key(size_t i) const
    {
        return std::string_view(m_keys).substr(m_start[i], m_start[i + 1] - m_start[i]);
    }
    // Bytes `from` to `from` + 7 of a key as a big-endian number, zeros past its end.
    uint64_t Prefix(size_t i, size_t from) const
    {
        const std::string_view key = Key(i);
        uint64_t prefix = 0;
        for (size_t b = from; b < from + 8; ++b)
            prefix = (prefix << 8) | (b < key.size() ? static_cast<unsigned char>(key[b]) : 0u);
        return prefix;
    }

private:
    std::string m_keys;
    std::vector<uint32_t> m_start;
};

struct Item
{
    uint64_t prefix[2]; // the first sixteen bytes of the main key
    uint32_t length;    // of the main key
    uint32_t rank;      // of the second key
    uint32_t row;
};

// Ranks of the file list's folders in natural order; status lines (no folder) come last.
std::vector<uint32_t> FolderRanks(const FileListModel& model)
{
    const int count = model.FolderCount();
    KeyTable keys{size_t(count)};
    for (int f = 0; f < count; ++f)
        keys.Add(model.NativeFolderAt(f));
    keys.Finish();
    std::vector<uint32_t> order{};
    order.resize(size_t(count));
    for (uint32_t f = 0; f < order.size(); ++f)
        order[f] = f;
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        const int c = keys.Key(a).compare(keys.Key(b));
        return c != 0 ? c < 0 : a < b;
    });
    std::vector<uint32_t> rank(order.size());
    for (uint32_t r = 0; r < order.size(); ++r)
        rank[order[r]] = r;
    return rank;
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

std::vector<int> FileRows::SortedByStatus(int column) const
{
    // Nothing is read here, on the user-interface thread: the sort waits until the reader on its own
    // thread has covered every row (ListSortFilter's waits), and a row it has not reached yet (a
    // list put in order while rows still come) goes with the rows whose status cannot be read.
    const size_t count = size_t(m_model.rowCount());
    struct Keyed
    {
        bool statusLine; // status lines come last
        std::int64_t key;
        int row;
    };
    std::vector<Keyed> keyed(count);
    for (size_t row = 0; row < count; ++row) {
        const platform::EntryStatus status = m_model.KnownStatus(int(row));
        // A status that could not be read comes before every other.
        const std::int64_t key = !status.Known()                  ? INT64_MIN
                                 : column == FileListModel::kSize ? status.size
                                                                  : status.modified;
        keyed[row] = {!m_model.IsFileRow(int(row)), key, int(row)};
    }
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.statusLine != b.statusLine)
            return b.statusLine;
        return a.key != b.key ? a.key < b.key : a.row < b.row;
    });
    std::vector<int> rows(count);
    for (size_t i = 0; i < count; ++i)
        rows[i] = keyed[i].row;
    return rows;
}

std::vector<int> FileRows::SortedRows(int column) const
{
    if (column == FileListModel::kSize || column == FileListModel::kModified)
        return SortedByStatus(column);
    const size_t count = size_t(m_model.rowCount());
    const std::vector<uint32_t> folderRank = FolderRanks(m_model);
    KeyTable names(count);
    std::vector<Item> items(count);
    for (size_t row = 0; row < count; ++row) {
        names.Add(m_model.NativeName(int(row)));
        const int folder = m_model.FolderIndex(int(row));
        items[row].rank = folder >= 0 ? folderRank[size_t(folder)] : UINT32_MAX;
        items[row].row = uint32_t(row);
    }
    names.Finish();
    for (Item& item : items) {
        item.prefix[0] = names.Prefix(item.row, 0);
        item.prefix[1] = names.Prefix(item.row, 8);
        item.length = uint32_t(names.Key(item.row).size());
    }

    const auto byName = [&](const Item& a, const Item& b) {
        if (a.prefix[0] != b.prefix[0])
            return a.prefix[0] < b.prefix[0];
        if (a.prefix[1] != b.prefix[1])
            return a.prefix[1] < b.prefix[1];
        // Keys of sixteen bytes or less are whole in their prefixes (no key is another padded).
        if (a.length <= 16 && b.length <= 16) {
            if (a.length != b.length)
                return a.length < b.length;
        } else if (const int c = names.Key(a.row).compare(names.Key(b.row)); c != 0) {
            return c < 0;
        }
        return a.rank != b.rank ? a.rank < b.rank : a.row < b.row;
    };
    if (column == 2) {
        std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
            return a.rank != b.rank ? a.rank < b.rank : byName(a, b);
        });
    } else {
        std::sort(items.begin(), items.end(), byName);
    }
    std::vector<int> rows(count);
    for (size_t i = 0; i < count; ++i)
        rows[i] = int(items[i].row);
    return rows;
}

RowSource::Matcher FileRows::MakeMatcher(const QString& text) const
{
    const bool asciiNeedle =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    std::string lower = text.toLatin1().toStdString();
    std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
    // Whether each folder matches, worked out when a row of it is first asked about.
    auto folderMatches = std::make_shared<std::vector<signed char>>();
    const FileListModel& model = m_model;
    return [&model, text, asciiNeedle, lower, folderMatches](int row) {
        const int folder = model.FolderIndex(row);
        if (folder >= 0) {
            std::vector<signed char>& known = *folderMatches;
            if (size_t(folder) >= known.size())
                known.resize(size_t(folder) + 1, -1);
            signed char& match = known[size_t(folder)];
            if (match < 0)
                match =
                    platform::DisplayText(model.NativeFolderAt(folder)).contains(text, Qt::CaseInsensitive);
            if (match)
                return true;
        }
        const std::string_view name = model.NativeName(row);
        if (asciiNeedle && IsAscii(name)) {
            const auto at = std::search(name.begin(), name.end(), lower.begin(), lower.end(),
                                        [](char a, char b) { return AsciiLower(a) == b; });
            return at != name.end() || lower.empty();
        }
        return platform::DisplayText(name).contains(text, Qt::CaseInsensitive);
    };
}

std::string FileRows::RowPath(int row) const
{
    return m_model.IsFileRow(row) ? m_model.NativePath(row) : std::string();
}

std::vector<int> FolderRows::SortedRows(int column) const
{
    const int count = m_model.rowCount();
    std::vector<int> rows(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row)
        rows[size_t(row)] = row;
    if (column == 2) {
        std::stable_sort(rows.begin(), rows.end(),
                         [&](int a, int b) { return m_model.Count(a) < m_model.Count(b); });
        return rows;
    }
    std::vector<std::string> keys(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row)
        keys[size_t(row)] = NaturalOrder::Key(m_model.NativeFolder(row));
    std::stable_sort(rows.begin(), rows.end(),
                     [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    return rows;
}

std::string FolderRows::RowPath(int row) const
{
    return m_model.Folder(row).isEmpty() ? std::string() : m_model.NativeFolder(row);
}
