#include "engine/Wildcard.h"

#include <QChar>
#include <QFile>

namespace {

constexpr char32_t kNotACharacter = 0x110000;

bool HasWildcard(std::string_view text)
{
    return text.find_first_of("*?[\\") != std::string_view::npos;
}

// A skip pattern as the user means it: without the white space around it (a space kept at the end
// is written "\ "), without a leading "./" or any "/./", and with repeated "/" taken as one.
std::string Normalized(std::string text)
{
    const auto space = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    };
    size_t first = 0;
    while (first < text.size() && space(text[first]))
        ++first;
    size_t last = text.size();
    while (last > first && space(text[last - 1]) && !(last - 1 > first && text[last - 2] == '\\'))
        --last;
    text = text.substr(first, last - first);
    std::string out;
    for (size_t at = 0; at < text.size(); ++at) {
        const bool folderStart = out.empty() || out.back() == '/';
        if (text[at] == '/' && !out.empty() && out.back() == '/')
            continue;
        if (folderStart && text[at] == '.' && at + 1 < text.size() && text[at + 1] == '/') {
            ++at; // "./": this folder
            continue;
        }
        out.push_back(text[at]);
    }
    return out;
}

} // namespace

size_t DecodeCharacter(std::string_view text, size_t at, char32_t& c)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    c = kNotACharacter + lead;
    if (lead < 0x80) {
        c = lead;
        return 1;
    }
    size_t length = 0;
    char32_t value = 0, least = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2, value = lead & 0x1f, least = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3, value = lead & 0x0f, least = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return 1;
    }
    if (at + length > text.size())
        return 1;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xc0) != 0x80)
            return 1;
        value = value << 6 | (byte(at + i) & 0x3f);
    }
    if (value < least || value > 0x10ffff || (value >= 0xd800 && value <= 0xdfff))
        return 1;
    c = value;
    return length;
}

char32_t FoldCase(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    return c < kNotACharacter ? QChar::toCaseFolded(c) : c;
}

Wildcard::Wildcard(std::string_view pattern, unsigned flags)
    : m_fold(flags & CaseInsensitive), m_path(flags & PathPattern)
{
    const auto next = [&](size_t& at) {
        char32_t c = 0;
        at += DecodeCharacter(pattern, at, c);
        return c;
    };
    const auto literal = [&](char32_t c) { m_tokens.push_back({Token::Char, m_fold ? FoldCase(c) : c}); };
    for (size_t at = 0; at < pattern.size();) {
        const char32_t c = next(at);
        if (c == '*') {
            const bool wholeFolders = at == 1 || pattern[at - 2] == '/';
            bool twice = false;
            while (at < pattern.size() && pattern[at] == '*')
                ++at, twice = true;
            if (twice && m_path && wholeFolders && at < pattern.size() && pattern[at] == '/') {
                ++at;
                m_tokens.push_back({Token::Folders, 0});
                continue;
            }
            m_tokens.push_back({twice && m_path ? Token::StarStar : Token::Star, 0});
        } else if (c == '?') {
            m_tokens.push_back({Token::Any, 0});
        } else if (c == '\\') {
            literal(at < pattern.size() ? next(at) : c);
        } else if (c == '[') {
            // A set; without its closing "]" the "[" stands for itself.
            size_t end = at;
            CharSet set;
            if (end < pattern.size() && (pattern[end] == '!' || pattern[end] == '^'))
                set.negated = true, ++end;
            bool closed = false;
            for (bool first = true; end < pattern.size(); first = false) {
                if (pattern[end] == ']' && !first) {
                    closed = true;
                    ++end;
                    break;
                }
                char32_t low = next(end);
                if (low == '\\' && end < pattern.size())
                    low = next(end);
                char32_t high = low;
                if (end + 1 < pattern.size() && pattern[end] == '-' && pattern[end + 1] != ']') {
                    ++end;
                    high = next(end);
                    if (high == '\\' && end < pattern.size())
                        high = next(end);
                }
                set.ranges.push_back({low, high});
            }
            if (!closed) {
                literal(c);
                continue;
            }
            at = end;
            m_tokens.push_back({Token::Set, char32_t(m_sets.size())});
            m_sets.push_back(std::move(set));
        } else {
            literal(c);
        }
    }
}

bool Wildcard::InSet(const CharSet& set, char32_t c) const
{
    const auto in = [&set](char32_t x) {
        for (const Range& range : set.ranges)
            if (x >= range.low && x <= range.high)
                return true;
        return false;
    };
    bool found = in(c);
    if (!found && m_fold && c < kNotACharacter)
        found = in(FoldCase(c)) || in(QChar::toUpper(c)) || in(QChar::toLower(c));
    return found != set.negated;
}

bool Wildcard::Matches(std::string_view text) const
{
    const size_t n = m_tokens.size();
    constexpr size_t kNone = size_t(-1);
    size_t p = 0, t = 0;
    size_t starP = kNone, starT = 0; // the last "*": where it stands and where its run ends now
    size_t deepP = kNone, deepT = 0; // the last "**"
    for (;;) {
        if (p < n && m_tokens[p].kind == Token::Star) {
            starP = p++;
            starT = t;
            continue;
        }
        if (p < n && (m_tokens[p].kind == Token::StarStar || m_tokens[p].kind == Token::Folders)) {
            deepP = p++;
            deepT = t;
            starP = kNone;
            continue;
        }
        if (t == text.size() && p == n)
            return true;
        if (t < text.size() && p < n) {
            char32_t c = 0;
            const size_t length = DecodeCharacter(text, t, c);
            const Token& token = m_tokens[p];
            bool ok = false;
            if (token.kind == Token::Char)
                ok = (m_fold ? FoldCase(c) : c) == token.c;
            else if (!(m_path && c == '/'))
                ok = token.kind == Token::Any || InSet(m_sets[token.c], c);
            if (ok) {
                ++p;
                t += length;
                continue;
            }
        }
        // Let the last star take one more character, else the last double star.
        if (starP != kNone && starT < text.size() && !(m_path && text[starT] == '/')) {
            char32_t c = 0;
            starT += DecodeCharacter(text, starT, c);
            t = starT;
            p = starP + 1;
            continue;
        }
        if (deepP != kNone && deepT < text.size()) {
            if (m_tokens[deepP].kind == Token::Folders) {
                // One more whole folder.
                const size_t slash = text.find('/', deepT);
                if (slash == std::string_view::npos)
                    return false;
                deepT = slash + 1;
            } else {
                char32_t c = 0;
                deepT += DecodeCharacter(text, deepT, c);
            }
            t = deepT;
            p = deepP + 1;
            starP = kNone;
            continue;
        }
        return false;
    }
}

bool SkipPatterns::Pattern::Matches(std::string_view name) const
{
    switch (kind) {
    case Literal:
        return name == text;
    case Suffix:
        return name.size() >= text.size() && name.substr(name.size() - text.size()) == text;
    case Prefix:
        return name.substr(0, text.size()) == text;
    case General:
        break;
    }
    return wildcard.Matches(name);
}

SkipPatterns::SkipPatterns(const QStringList& patterns)
{
    for (const QString& written : patterns) {
        std::string text = Normalized(QFile::encodeName(written).toStdString());
        Pattern pattern;
        while (text.size() > 1 && text.back() == '/' && text[text.size() - 2] != '\\') {
            text.pop_back();
            pattern.foldersOnly = true;
        }
        const bool path = text.find('/') != std::string::npos;
        while (path && !text.empty() && text.front() == '/')
            text.erase(0, 1);
        if (text.empty())
            continue;
        const std::string_view view(text);
        if (!HasWildcard(view)) {
            pattern.kind = Pattern::Literal;
            pattern.text = text;
        } else if (view.front() == '*' && !HasWildcard(view.substr(1)) && !path) {
            pattern.kind = Pattern::Suffix;
            pattern.text = text.substr(1);
        } else if (view.back() == '*' && !HasWildcard(view.substr(0, view.size() - 1)) && !path) {
            pattern.kind = Pattern::Prefix;
            pattern.text = text.substr(0, text.size() - 1);
        } else {
            pattern.wildcard = Wildcard(view, path ? unsigned(Wildcard::PathPattern) : 0u);
        }
        (path ? m_paths : m_names).push_back(std::move(pattern));
        ++m_count;
    }
}

bool SkipPatterns::Skips(std::string_view name, std::string_view relative, bool folder) const
{
    for (const Pattern& pattern : m_names)
        if ((folder || !pattern.foldersOnly) && pattern.Matches(name))
            return true;
    for (const Pattern& pattern : m_paths)
        if ((folder || !pattern.foldersOnly) && pattern.Matches(relative))
            return true;
    return false;
}
