#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>

// What a search finds and skips beyond the switches of the search dialog: names to skip, how the
// search word matches, limits on size and modification date, and text inside the files. With every
// member at its default the search, its counts and its rows are exactly those without it.
//
// Kept in its own settings group, "SearchFilters" (keys: Settings::FilterKey), read by
// LoadSearchFilters (CAppHelper::LoadOptions calls it) and written by SaveSearchFilters.
//
// The meaning of each option, as the walk applies it:
// - skipPatterns: shell wildcards matched against the exact bytes of each folder's and file's name,
//   case-sensitive: "*" any run of characters, "?" exactly one character, "[abc]", "[a-z]" one of
//   a set ("[!...]" or "[^...]" one not in it), "\" takes the next character literally. A
//   character is one valid UTF-8 sequence, or one single byte where the name is not valid UTF-8, so
//   "*" and "?" also match names that are not UTF-8. A pattern holding "/" is matched against the
//   path below the chosen folder ("src/build", "*/cache"; a leading "/" changes nothing); there "*",
//   "?" and sets never match "/", while "**" matches anything, "/" included, and "**/" at the start
//   or after a "/" any number of whole folders, none too ("**/node_modules" skips it at the top as
//   well as deeper; "a/**/b" matches "a/b"). A trailing "/" makes a
//   pattern apply to folders only. A skipped folder is neither entered nor read ahead and counts as
//   ignored; a skipped file is not listed (the per-folder counts take every file, as before any
//   filter). The chosen folder itself is always searched. Empty lines are no patterns. A pattern
//   is taken without the white space around it (a name that truly ends in a space is written with
//   "\ " at the end), without a leading "./" or any "/./", and repeated "/" count as one
//   ("./src//build " is "src/build").
// - nameMatch: how the search word matches a file's name, always without regard to case:
//   Contains (part of the name), Wildcard (the whole name, wildcards as above) or
//   RegularExpression (PCRE2 syntax, found anywhere in the name unless anchored with ^ and $).
// - minSize, maxSize: the file's own size (a link's own, not its target's) is at least, or at
//   most, the amount; 1 KB = 1,024 bytes, 1 MB = 1,024 KB, 1 GB = 1,024 MB.
// - modifiedFrom, modifiedTo: the last modification is on or after the start of modifiedFrom, or
//   on or before the end of modifiedTo, local time; an invalid date is no limit.
// - modifiedWithinDays: modified in the last N times 24 hours before the search starts; 0 is none.
//   A file dated after the start (later in the search, or in the future) is newer still and passes.
//   A file whose status cannot be read passes no size or date limit and is counted with the files
//   that could not be read.
// - containingText: the file's contents hold this text, without regard to case: as plain text
//   (bytes; A-Z match a-z; a text with other characters also matches them by Unicode simple case
//   folding where the file is UTF-8) or, with textIsRegularExpression, as a regular expression
//   (PCRE2) matched within each line of the file read as UTF-8, each line on its own (never
//   across lines; a line over 1 MB is taken in 1 MB parts). Only regular files are read,
//   never through a link; a file that looks binary (a NUL byte in its first 128 KB) is left out
//   unless searchBinaryFiles is on. A file that cannot be read is counted, never a match.
// Size, date and text are tested only for files whose name already passed.
struct SearchFilters
{
    enum class NameMatch
    {
        Contains,
        Wildcard,
        RegularExpression,
    };
    enum class SizeUnit
    {
        Bytes,
        KB,
        MB,
        GB,
    };
    struct SizeLimit
    {
        bool enabled = false;
        int amount = 0; // in `unit`s, at least 0
        SizeUnit unit = SizeUnit::KB;
        std::int64_t Bytes() const;
        bool operator==(const SizeLimit&) const = default;
    };

    QStringList skipPatterns;
    NameMatch nameMatch = NameMatch::Contains;
    SizeLimit minSize;
    SizeLimit maxSize;
    QDate modifiedFrom;
    QDate modifiedTo;
    int modifiedWithinDays = 0;
    QString containingText;
    bool textIsRegularExpression = false;
    bool searchBinaryFiles = false;

    // Whether any option changes what a search finds (with `word` as the search word): a skip
    // pattern, a word that matches otherwise than by containment, a limit, a text. Options without
    // effect on their own (a limit switched off, binary files without a text) do not count.
    bool AnyInForce(const QString& word) const;
    // Whether a file's status (size, time) is needed to test it.
    bool TestsStatus() const { return minSize.enabled || maxSize.enabled || TestsTime(); }
    bool TestsTime() const
    {
        return modifiedFrom.isValid() || modifiedTo.isValid() || modifiedWithinDays > 0;
    }
    bool operator==(const SearchFilters&) const = default;
};

// Reads and writes the "SearchFilters" settings group.
SearchFilters LoadSearchFilters();
void SaveSearchFilters(const SearchFilters& filters);

// The skip patterns as they are stored: one a line. Empty lines are dropped when splitting.
QString JoinSkipPatterns(const QStringList& patterns);
QStringList SplitSkipPatterns(const QString& text);

// Whether a regular expression (PCRE2 syntax) can be used for the word or the text; when not, why
// and at which character of the text. The search refuses an invalid expression before it starts.
struct PatternCheck
{
    bool valid = true;
    QString error;
    int offset = -1;
};
PatternCheck CheckRegularExpression(const QString& pattern);
// Whether the options can be searched with: the word (as the options say it matches) and the text.
PatternCheck CheckSearchFilters(const SearchFilters& filters, const QString& word);

// One short sentence naming the options in force, for the summary of a search, e.g.
// "Skipping 3 pattern(s); name matches a regular expression; size at least 1 MB."; empty when none is.
QString DescribeSearchFilters(const SearchFilters& filters, const QString& word);
