#include "engine/TextSearch.h"

#include "engine/Wildcard.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Files are read in blocks of this size; the first one tells whether a file looks binary.
constexpr size_t kBlock = size_t(128) << 10;
// A regular expression sees whole lines, up to this length.
constexpr size_t kLongestLine = size_t(1) << 20;

unsigned char AsciiLower(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

// The first byte of a character's UTF-8 form.
unsigned char LeadByte(char32_t c)
{
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    if (c < 0x800)
        return static_cast<unsigned char>(0xc0 | (c >> 6));
    if (c < 0x10000)
        return static_cast<unsigned char>(0xe0 | (c >> 12));
    return static_cast<unsigned char>(0xf0 | (c >> 18));
}

// Every character that case folding changes, with what it folds to; made once, on first need.
const std::vector<std::pair<char32_t, char32_t>>& FoldSources()
{
    static const std::vector<std::pair<char32_t, char32_t>> sources = [] {
        std::vector<std::pair<char32_t, char32_t>> list;
        for (char32_t c = 0; c <= 0x10ffff; ++c) {
            if (c == 0xd800)
                c = 0xe000;
            if (const char32_t folded = FoldCase(c); folded != c)
                list.emplace_back(folded, c);
        }
        return list;
    }();
    return sources;
}

// The longest run of plain ASCII characters (lower-cased) that every match of a case-insensitive
// `pattern` must hold, or "" when the pattern is beyond this simple reading: alternatives at the top,
// option settings, quoting, references and the like. Only characters outside any group or class and
// not repeated count; letters that match characters outside ASCII when case is ignored (i, k, s) end
// a run.
std::string RequiredLiteral(const QString& pattern)
{
    std::string best, run;
    const auto endRun = [&] {
        if (run.size() > best.size())
            best = run;
        run.clear();
    };
    const qsizetype n = pattern.size();
    const auto at = [&](qsizetype i) { return i < n ? pattern[i].unicode() : char16_t(0); };
    const auto quantifier = [](char16_t c) { return c == u'?' || c == u'*' || c == u'+' || c == u'{'; };
    int depth = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = at(i);
        bool literal = false;
        if (c == u'\\') {
            c = at(++i);
            if (c == 0)
                return {};
            if (c < 0x80 && !std::isalnum(int(c))) {
                literal = true;
            } else if (c >= 0x80 || !std::strchr("dDwWsShHvVRXbBAzZGKtnrfea", char(c))) {
                return {}; // \Q, \x{..}, \p{..}, references, ...
            }
        } else if (c == u'|') {
            if (depth == 0)
                return {};
        } else if (c == u'(') {
            if (at(i + 1) == u'*')
                return {};
            if (at(i + 1) == u'?' && !std::strchr(":=!<>|'P", char(at(i + 2) < 0x80 ? at(i + 2) : 'x')))
                return {}; // options, conditions, recursion, comments
            ++depth;
        } else if (c == u')') {
            if (--depth < 0)
                return {};
        } else if (c == u'[') {
            // A class: skipped whole.
            qsizetype j = i + 1;
            if (at(j) == u'^')
                ++j;
            if (at(j) == u']')
                ++j;
            for (; j < n && at(j) != u']'; ++j) {
                if (at(j) == u'\\')
                    ++j;
                else if (at(j) == u'[' && at(j + 1) == u':') {
                    for (j += 2; j < n && !(at(j) == u':' && at(j + 1) == u']'); ++j) {
                    }
                    ++j; // on the "]" that ends the name
                }
            }
            if (j >= n)
                return {};
            i = j;
        } else if (c == u'{') {
            // A counted repeat (or a brace taken as itself): its digits are no text.
            while (i < n && at(i) != u'}')
                ++i;
        } else {
            literal = !quantifier(c) && c != u'.' && c != u'^' && c != u'$' && c >= 0x20 && c < 0x7f;
        }
        const bool kept = literal && depth == 0 && !quantifier(at(i + 1)) && !std::strchr("iIkKsS", char(c));
        if (kept)
            run.push_back(char(AsciiLower(static_cast<unsigned char>(c))));
        else
            endRun();
    }
    endRun();
    return depth == 0 ? best : std::string();
}

// Whether `pattern`, matched over a block of whole lines with "^" and "$" at every line's ends, finds
// a match wherever one of the lines, on its own, holds one: true when it has nothing that sees past
// a line's ends differently in a block (\\A, \\z, \\Z, \\G, look-arounds, option settings, verbs,
// quoting).
bool LinesMatchInBlocks(const QString& pattern)
{
    for (qsizetype i = 0; i + 1 < pattern.size(); ++i) {
        const QChar next = pattern[i + 1];
        if (pattern[i] == u'\\') {
            if (next == u'A' || next == u'z' || next == u'Z' || next == u'G' || next == u'Q')
                return false;
            ++i;
        } else if (pattern[i] == u'(' &&
                   (next == u'*' || (next == u'?' && i + 2 < pattern.size() && pattern[i + 2] != u':' &&
                                     pattern[i + 2] != u'>'))) {
            return false;
        }
    }
    return true;
}

struct Closer
{
    int fd;
    ~Closer() { ::close(fd); }
};

} // namespace

TextMatcher::TextMatcher(const QString& text, bool regularExpression)
    : m_empty(text.isEmpty()), m_regex(regularExpression)
{
    if (m_empty)
        return;
    if (m_regex) {
        m_expression = QRegularExpression(text, QRegularExpression::CaseInsensitiveOption);
        m_expression.optimize();
        m_required = RequiredLiteral(text);
        if (m_required.empty() && LinesMatchInBlocks(text)) {
            m_blocks = QRegularExpression(text, QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::MultilineOption);
            m_blocks.optimize();
        }
        return;
    }
    const std::string bytes = QFile::encodeName(text).toStdString();
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            m_ascii = false;
    if (m_ascii) {
        for (char c : bytes)
            m_lower.push_back(char(AsciiLower(static_cast<unsigned char>(c))));
        m_longest = m_lower.size();
        return;
    }
    for (size_t at = 0; at < bytes.size();) {
        char32_t c = 0;
        at += DecodeCharacter(bytes, at, c);
        m_folded.push_back(FoldCase(c));
    }
    // Every character that folds to the first one may start a match.
    const char32_t first = m_folded.front();
    m_firstBytes[LeadByte(first)] = true;
    for (const auto& [folded, c] : FoldSources())
        if (folded == first)
            m_firstBytes[LeadByte(c)] = true;
    for (int b = 0; b < 256; ++b)
        if (m_firstBytes[b])
            m_leads.push_back(static_cast<unsigned char>(b));
    m_longest = 4 * m_folded.size();
}

bool TextMatcher::Find(const char* data, size_t size) const
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    return m_ascii ? FindAscii(m_lower, bytes, size) != std::string::npos : FindFolded(bytes, size);
}

size_t TextMatcher::FindAscii(const std::string& lower, const unsigned char* data, size_t size)
{
    constexpr size_t kNone = std::string::npos;
    const size_t length = lower.size();
    if (size < length)
        return kNone;
    const auto* needle = reinterpret_cast<const unsigned char*>(lower.data());
    const auto rest = [&](const unsigned char* at) {
        for (size_t k = 1; k + 1 < length; ++k)
            if (AsciiLower(at[k]) != needle[k])
                return false;
        return true;
    };
    const unsigned char first = needle[0], last = needle[length - 1];
    size_t i = 0;
#if defined(__SSE2__)
    // A letter is compared with bit 0x20 set on both sides: that maps its capital onto it and
    // nothing else onto it. Candidates with the first and last bytes right are checked in full.
    const auto letterBit = [](unsigned char c) { return char(c >= 'a' && c <= 'z' ? 0x20 : 0); };
    const __m128i firstByte = _mm_set1_epi8(char(first)), firstBit = _mm_set1_epi8(letterBit(first));
    const __m128i lastByte = _mm_set1_epi8(char(last)), lastBit = _mm_set1_epi8(letterBit(last));
    for (; i + length - 1 + 16 <= size; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + length - 1));
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, firstBit), firstByte),
                                           _mm_cmpeq_epi8(_mm_or_si128(b, lastBit), lastByte));
        for (unsigned mask = unsigned(_mm_movemask_epi8(both)); mask != 0; mask &= mask - 1)
            if (rest(data + i + unsigned(__builtin_ctz(mask))))
                return i + unsigned(__builtin_ctz(mask));
    }
#endif
    for (; i + length <= size; ++i)
        if (AsciiLower(data[i]) == first && AsciiLower(data[i + length - 1]) == last && rest(data + i))
            return i;
    return kNone;
}

bool TextMatcher::EqualFoldedAt(const unsigned char* data, size_t size, size_t at) const
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char32_t wanted : m_folded) {
        if (at >= size)
            return false;
        char32_t c = 0;
        at += DecodeCharacter(text, at, c);
        if (FoldCase(c) != wanted)
            return false;
    }
    return true;
}

bool TextMatcher::FindFolded(const unsigned char* data, size_t size) const
{
    size_t i = 0;
#if defined(__SSE2__)
    // Few bytes can start a match (the first character's forms): look for them 16 at a time.
    if (m_leads.size() <= 4) {
        __m128i leads[4];
        for (size_t k = 0; k < 4; ++k)
            leads[k] = _mm_set1_epi8(char(m_leads[std::min(k, m_leads.size() - 1)]));
        for (; i + 16 <= size; i += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            const __m128i any =
                _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, leads[0]), _mm_cmpeq_epi8(block, leads[1])),
                             _mm_or_si128(_mm_cmpeq_epi8(block, leads[2]), _mm_cmpeq_epi8(block, leads[3])));
            for (unsigned mask = unsigned(_mm_movemask_epi8(any)); mask != 0; mask &= mask - 1)
                if (EqualFoldedAt(data, size, i + unsigned(__builtin_ctz(mask))))
                    return true;
        }
    }
#endif
    for (; i < size; ++i)
        if (m_firstBytes[data[i]] && EqualFoldedAt(data, size, i))
            return true;
    return false;
}

bool TextMatcher::MatchesLine(const char* data, size_t size) const
{
    return m_expression.match(QString::fromUtf8(data, qsizetype(size))).hasMatch();
}

bool TextMatcher::FindInLines(const char* data, size_t size) const
{
    if (!m_expression.isValid())
        return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    if (!m_required.empty()) {
        // Only the lines that hold the plain part are matched.
        for (size_t from = 0; from < size;) {
            const size_t found = FindAscii(m_required, bytes + from, size - from);
            if (found == std::string::npos)
                return false;
            const size_t hit = from + found;
            const void* before = hit > 0 ? ::memrchr(data, '\n', hit) : nullptr;
            const size_t start = before ? size_t(static_cast<const char*>(before) - data) + 1 : 0;
            const void* after = std::memchr(data + hit, '\n', size - hit);
            const size_t end = after ? size_t(static_cast<const char*>(after) - data) : size;
            if (MatchesLine(data + start, end - start))
                return true;
            from = end + 1;
        }
        return false;
    }
    const QString text = QString::fromUtf8(data, qsizetype(size));
    const QStringView all(text);
    if (!m_blocks.pattern().isEmpty()) {
        // No line before the one where the block's first match starts can match on its own; that
        // one is matched alone, and the search goes on after it.
        for (qsizetype from = 0; from < all.size();) {
            const qsizetype start = m_blocks.match(text, from).capturedStart();
            if (start < 0 || (start == all.size() && all.back() == u'\n'))
                return false;
            const qsizetype lineStart = start > 0 ? all.lastIndexOf(u'\n', start - 1) + 1 : 0;
            qsizetype lineEnd = all.indexOf(u'\n', start);
            if (lineEnd < 0)
                lineEnd = all.size();
            if (m_expression.match(all.mid(lineStart, lineEnd - lineStart)).hasMatch())
                return true;
            from = lineEnd + 1;
        }
        return false;
    }
    // Every line on its own.
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
        if (m_expression.match(all.mid(start, end - start)).hasMatch())
            return true;
        start = end + 1;
    }
    return false;
}

namespace {

bool Stopped(const ContentTest& test)
{
    return (test.run && !test.run->load(std::memory_order_relaxed)) ||
           (test.cancel && test.cancel->load(std::memory_order_relaxed));
}

} // namespace

ContentOutcome SearchFileContents(int folderFd, const char* name, const ContentTest& test)
{
    if (Stopped(test))
        return ContentOutcome::Stopped;
    const int fd = ::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case EMFILE:
        case ENFILE:
            return ContentOutcome::NoDescriptors;
        case ENOENT:
        case ELOOP:
        case ENXIO:
        case ENOTDIR:
        case EISDIR:
        case ENODEV:
            return ContentOutcome::NotRegular;
        default:
            return ContentOutcome::Unreadable;
        }
    }
    const Closer closer{fd};
    struct stat status;
    if (::fstat(fd, &status) != 0)
        return ContentOutcome::Unreadable;
    if (!S_ISREG(status.st_mode))
        return ContentOutcome::NotRegular;
    if (test.passes && !test.passes(test.passesContext, status))
        return ContentOutcome::FilteredOut;
    if (status.st_size > off_t(kBlock))
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);

    const TextMatcher& text = *test.text;
    const bool lines = text.IsRegularExpression();
    const size_t keep = lines ? 0 : text.LongestMatch() - 1;
    thread_local std::vector<char> buffer;
    size_t have = 0; // bytes carried over from the block before
    off_t total = 0;
    for (bool first = true;;) {
        if (!first && Stopped(test))
            return ContentOutcome::Stopped;
        if (buffer.size() < have + kBlock)
            buffer.resize(have + kBlock);
        const ssize_t got = ::read(fd, buffer.data() + have, kBlock);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return ContentOutcome::Unreadable;
        }
        if (got == 0)
            break;
        if (first && !test.binaryToo && std::memchr(buffer.data() + have, 0, size_t(got)))
            return ContentOutcome::Binary;
        first = false;
        total += got;
        const size_t size = have + size_t(got);
        if (!lines) {
            if (text.Find(buffer.data(), size))
                return ContentOutcome::Match;
            have = std::min(keep, size);
            std::memmove(buffer.data(), buffer.data() + size - have, have);
        } else {
            // Whole lines to the expression; the last one, unfinished, waits for the next block.
            const void* end = ::memrchr(buffer.data() + have, '\n', size_t(got));
            size_t upTo = end ? size_t(static_cast<const char*>(end) - buffer.data()) + 1 : 0;
            if (upTo == 0 && size >= kLongestLine)
                upTo = size;
            if (upTo > 0 && text.FindInLines(buffer.data(), upTo))
                return ContentOutcome::Match;
            have = size - upTo;
            std::memmove(buffer.data(), buffer.data() + upTo, have);
        }
        if (status.st_size > 0 && total >= status.st_size)
            break; // all it held when opened: no need to ask for the end
    }
    if (lines && have > 0 && text.FindInLines(buffer.data(), have))
        return ContentOutcome::Match;
    if (buffer.size() > 4 * kBlock)
        std::vector<char>().swap(buffer);
    return ContentOutcome::NoMatch;
}
