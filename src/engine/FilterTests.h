#pragma once

#include "engine/SearchFilters.h"
#include "engine/TextSearch.h"
#include "engine/Wildcard.h"

#include <cstdint>
#include <string>
#include <string_view>

class CFileFind;
struct stat;

// The search filters of one walk, made ready once when it starts (patterns compiled, dates turned
// into times, the text prepared) and read-only after, so the helper threads may use them too.
class FilterTests
{
public:
    FilterTests() = default;
    // `now` (seconds since the epoch) anchors "in the last N days".
    FilterTests(const SearchFilters& filters, std::int64_t now);

    const SkipPatterns& Skip() const { return m_skip; }
    bool TestsStatus() const { return m_testsStatus; }
    // Whether a file of this size and modification time passes the size and date limits.
    bool PassesStatus(std::int64_t size, std::int64_t seconds) const;
    bool PassesStatus(const CFileFind& find) const;
    // For SearchFileContents on a helper thread: the same limits, and the read-only switch when
    // `ignoreReadOnly`, on the open file's status, so that no file is read that the walk would not
    // search.
    void SetIgnoreReadOnly(bool ignore) { m_ignoreReadOnly = ignore; }
    bool TestsOpenStatus() const { return m_testsStatus || m_ignoreReadOnly; }
    static bool PassesOpenStatus(const void* tests, const struct stat& status);

    const TextMatcher* Text() const { return m_text.Empty() ? nullptr : &m_text; }
    bool BinaryToo() const { return m_binaryToo; }

private:
    SkipPatterns m_skip;
    bool m_testsStatus = false;
    std::int64_t m_minSize = -1, m_maxSize = -1;
    std::int64_t m_from = INT64_MIN;   // modified at or after (seconds)
    std::int64_t m_before = INT64_MAX; // modified before (seconds)
    TextMatcher m_text{QString(), false};
    bool m_binaryToo = false;
    bool m_ignoreReadOnly = false;
};
