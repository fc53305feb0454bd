#include "duplicates/scan/ContentsRows.h"

#include <cstring>
#include <xxhash.h>

namespace ContentsRows {

std::int64_t Signed(std::uint64_t value)
{
    std::int64_t out;
    std::memcpy(&out, &value, sizeof out);
    return out;
}

std::int64_t SumOf(const ContentsKey& key, const ContentsFacts& facts)
{
    const std::uint64_t fields[] = {key.fileSystem,
                                    key.device,
                                    key.inode,
                                    key.size,
                                    std::uint64_t(key.modifiedNs),
                                    std::uint64_t(key.changedNs),
                                    facts.hasEnds,
                                    facts.ends.low,
                                    facts.ends.high,
                                    facts.hasWhole,
                                    facts.whole.low,
                                    facts.whole.high,
                                    std::uint64_t(facts.partition),
                                    std::uint64_t(facts.contentsClass)};
    return Signed(XXH3_64bits(fields, sizeof fields));
}

void BindHash(sqlite3_stmt* statement, int index, bool has, const ContentsHash& hash)
{
    if (!has) {
        sqlite3_bind_null(statement, index);
        return;
    }
    unsigned char bytes[16];
    std::memcpy(bytes, &hash.low, 8);
    std::memcpy(bytes + 8, &hash.high, 8);
    sqlite3_bind_blob(statement, index, bytes, sizeof bytes, SQLITE_TRANSIENT);
}

bool ColumnHash(sqlite3_stmt* statement, int index, ContentsHash& hash)
{
    if (sqlite3_column_type(statement, index) != SQLITE_BLOB || sqlite3_column_bytes(statement, index) != 16)
        return false;
    const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(statement, index));
    std::memcpy(&hash.low, bytes, 8);
    std::memcpy(&hash.high, bytes + 8, 8);
    return true;
}

void BindKey(sqlite3_stmt* statement, const ContentsKey& key)
{
    sqlite3_bind_int64(statement, 1, Signed(key.fileSystem));
    sqlite3_bind_int64(statement, 2, Signed(key.device));
    sqlite3_bind_int64(statement, 3, Signed(key.inode));
}

} // namespace ContentsRows
