#pragma once

#include <QString>
#include <string>
#include <string_view>

// The search word, ready for the per-file test: a file matches when its name contains the word,
// without regard to case. Names and words of plain ASCII are compared byte by byte; anything else
// goes through Qt's Unicode case folding. Read-only once made, so any thread may use it.
class NameMatcher
{
public:
    explicit NameMatcher(const QString& word);

    bool Empty() const { return m_word.isEmpty(); }
    // Whether the name (its exact bytes) matches; `scratch` is room for its display text.
    bool Matches(std::string_view name, QString& scratch) const;

private:
    QString m_word;
    bool m_ascii = true;
    std::string m_lower;
};
