#pragma once

#include <QRegularExpression>
#include <QString>
#include <atomic>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

struct stat;

// The text looked for inside files (see SearchFilters.h for what matches), made once per search and
// read-only after, so several threads may search with it at once.
//
// Plain text is searched as bytes. A text of plain ASCII matches its ASCII case forms only (A-Z and
// a-z), found by a vector scan for the text's first and last bytes. A text with other characters is
// compared character by character by Unicode simple case folding (the file read as UTF-8; bytes
// that are not UTF-8 match only themselves), so "ÄPFEL" finds "äpfel" but "STRASSE" does not find
// "straße". A regular expression (PCRE2, case-insensitive) is matched against each line of the file
// on its own, read as UTF-8, without its "\n": "^", "$", "\A" and "\z" stand for the line's ends,
// and nothing matches across lines, wherever the lines lie in the file. A line longer than 1 MB is
// looked at in 1 MB parts, each taken as a line. To be quick about it, lines are first looked
// through for a plain part that every match must hold (the "abc" of "abc\d+"), or, for an
// expression without assertions that look past a line's ends, a block of lines is matched at once
// and only the line where that match starts is matched again on its own.
class TextMatcher
{
public:
    TextMatcher(const QString& text, bool regularExpression);

    bool Empty() const { return m_empty; }
    bool IsRegularExpression() const { return m_regex; }
    // Plain text: whether `data` holds the text.
    bool Find(const char* data, size_t size) const;
    // Regular expression: whether one of the lines in `data` matches (lines end with "\n"; what
    // follows the last one is a line too, when there is anything).
    bool FindInLines(const char* data, size_t size) const;
    // The most bytes one match of the plain text can take; a search keeps that many less one from
    // the end of one block to the next, so a match across the boundary is found.
    size_t LongestMatch() const { return m_longest; }

private:
    // Where the lower-cased ASCII text `lower` first lies in `data`, ASCII case ignored; npos if not.
    static size_t FindAscii(const std::string& lower, const unsigned char* data, size_t size);
    bool MatchesLine(const char* data, size_t size) const;
    bool FindFolded(const unsigned char* data, size_t size) const;
    bool EqualFoldedAt(const unsigned char* data, size_t size, size_t at) const;

    bool m_empty = true;
    bool m_regex = false;
    bool m_ascii = true;
    std::string m_lower;                // the ASCII text, lower-cased
    std::vector<char32_t> m_folded;     // the text's characters, case-folded
    bool m_firstBytes[256] = {};        // bytes that may start a match (folded search)
    std::vector<unsigned char> m_leads; // the same, listed
    size_t m_longest = 0;
    QRegularExpression m_expression;
    std::string m_required;      // lower-cased: what every match of the expression holds, when known
    QRegularExpression m_blocks; // the expression over many lines, when that cannot miss a line
};

// What became of one file's search.
enum class ContentOutcome
{
    Match,
    NoMatch,
    Binary,        // looks binary (a NUL byte in its first block) and binary files are left out
    NotRegular,    // not a regular file (any more), or gone: neither read nor counted
    Unreadable,    // could not be opened or read: counted
    NoDescriptors, // no descriptor left to open it; the walk gives some up and tries again
    FilteredOut,   // its status (read through the open file) fails the size or date limits
    Stopped,       // the search was stopped
};

// How one file is searched.
struct ContentTest
{
    const TextMatcher* text = nullptr;
    bool binaryToo = false;
    const std::atomic<bool>* run = nullptr; // looked at before every block
    // Looked at with it: raised, the search ends as if stopped (helpers being let go of).
    const std::atomic<bool>* cancel = nullptr;
    // When set, the open file's status must pass it before anything is read.
    bool (*passes)(const void* context, const struct stat& status) = nullptr;
    const void* passesContext = nullptr;
};

// Opens the file `name` of the folder open on `folderFd` (never through a link, without blocking,
// so a FIFO swapped in never hangs, and never as a controlling terminal), and searches it if the
// open file's status says regular, looked at before anything is read. Stops at the first match, and
// at the next block once the run flag is down. A device node swapped in after the listing is thus
// opened and closed, never read: its driver's open may act (a tape rewinds), which is accepted, as
// only root can make device nodes and the device file systems are not walked; a first open by
// O_PATH, checked and then reopened, would rule that out at twice the cost per file.
ContentOutcome SearchFileContents(int folderFd, const char* name, const ContentTest& test);
