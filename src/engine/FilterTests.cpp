#include "engine/FilterTests.h"

#include "platform/FileFind.h"

#include <QDateTime>
#include <algorithm>
#include <sys/stat.h>

namespace {

// The first second of a day, local time.
std::int64_t StartOfDay(const QDate& date)
{
    return date.startOfDay().toSecsSinceEpoch();
}

} // namespace

FilterTests::FilterTests(const SearchFilters& filters, std::int64_t now)
    : m_skip(filters.skipPatterns), m_testsStatus(filters.TestsStatus()),
      m_text(filters.containingText, filters.textIsRegularExpression), m_binaryToo(filters.searchBinaryFiles)
{
    if (filters.minSize.enabled)
        m_minSize = filters.minSize.Bytes();
    if (filters.maxSize.enabled)
        m_maxSize = filters.maxSize.Bytes();
    if (filters.modifiedFrom.isValid())
        m_from = StartOfDay(filters.modifiedFrom);
    if (filters.modifiedWithinDays > 0)
        m_from = std::max(m_from, now - std::int64_t(filters.modifiedWithinDays) * 86400);
    if (filters.modifiedTo.isValid())
        m_before = StartOfDay(filters.modifiedTo.addDays(1));
}

bool FilterTests::PassesStatus(std::int64_t size, std::int64_t seconds) const
{
    // A time with a fraction of a second is before a whole second `m_before` exactly when its whole
    // seconds are, and at or after `m_from` exactly when its whole seconds are.
    return (m_minSize < 0 || size >= m_minSize) && (m_maxSize < 0 || size <= m_maxSize) &&
           seconds >= m_from && seconds < m_before;
}

bool FilterTests::PassesStatus(const CFileFind& find) const
{
    const std::int64_t size = find.GetLength();
    return size >= 0 && PassesStatus(size, find.GetLastWriteTime().tv_sec);
}

bool FilterTests::PassesOpenStatus(const void* tests, const struct stat& status)
{
    const FilterTests& self = *static_cast<const FilterTests*>(tests);
    if (self.m_ignoreReadOnly && (status.st_mode & 0222) == 0)
        return false;
    return self.PassesStatus(status.st_size, status.st_mtim.tv_sec);
}
