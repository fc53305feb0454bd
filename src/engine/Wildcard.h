#pragma once

#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A shell wildcard pattern matched against exact bytes (see SearchFilters.h for the syntax). A
// character of the text is one valid UTF-8 sequence, or one single byte where the bytes are not
// valid UTF-8: "?" takes either, so a pattern can match any name, UTF-8 or not. Read-only once made.
class Wildcard
{
public:
    enum Flag : unsigned
    {
        CaseInsensitive = 0x1, // characters compare by Unicode simple case folding
        // "*", "?" and sets never match "/"; "**" matches anything, and "**/" at the start or after
        // a "/" matches any number of whole folders, none too ("**/x" matches "x" and "a/b/x").
        PathPattern = 0x2,
    };

    Wildcard() = default;
    Wildcard(std::string_view pattern, unsigned flags);

    // Whether the whole text matches.
    bool Matches(std::string_view text) const;

private:
    struct Token
    {
        enum Kind : std::uint8_t
        {
            Char,
            Any,
            Star,
            StarStar,
            Folders, // "**/": nothing, or anything up to and with a "/"
            Set,
        } kind;
        char32_t c = 0; // Char: the character (folded when case-insensitive); Set: the set's index
    };
    struct Range
    {
        char32_t low, high;
    };
    struct CharSet
    {
        bool negated = false;
        std::vector<Range> ranges;
    };

    bool InSet(const CharSet& set, char32_t c) const;

    std::vector<Token> m_tokens;
    std::vector<CharSet> m_sets;
    bool m_fold = false;
    bool m_path = false;
};

// The skip patterns of one search, compiled once: literal names and "*.ext"-like suffixes by fast
// paths, the others by Wildcard. Read-only once made, so the helpers reading ahead may use it.
class SkipPatterns
{
public:
    SkipPatterns() = default;
    explicit SkipPatterns(const QStringList& patterns);

    bool Empty() const { return m_count == 0; }
    int Count() const { return m_count; }
    // Whether some pattern holds "/" and so needs the path below the chosen folder.
    bool NeedsPath() const { return !m_paths.empty(); }
    // Whether an entry is skipped: its name's bytes, its path below the chosen folder ("a/b/name";
    // only looked at when NeedsPath), and whether it is a folder.
    bool Skips(std::string_view name, std::string_view relative, bool folder) const;

private:
    struct Pattern
    {
        enum Kind
        {
            Literal,
            Suffix, // "*" then literal text
            Prefix, // literal text then "*"
            General,
        } kind = General;
        std::string text;
        Wildcard wildcard;
        bool foldersOnly = false;
        bool Matches(std::string_view text) const;
    };

    std::vector<Pattern> m_names;
    std::vector<Pattern> m_paths;
    int m_count = 0;
};

// Decodes the character at `at`: a valid UTF-8 sequence gives its code point, any other byte gives
// itself plus 0x110000 (no character). Returns the number of bytes taken (at least 1).
size_t DecodeCharacter(std::string_view text, size_t at, char32_t& c);
// Unicode simple case folding of a character from DecodeCharacter (bytes stand for themselves).
char32_t FoldCase(char32_t c);
