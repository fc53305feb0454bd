#pragma once

#include "engine/SearchFilters.h"
#include "engine/Wildcard.h"

#include <QRegularExpression>
#include <QString>
#include <string>
#include <string_view>

// The search word, ready for the per-file test, without regard to case: the name contains the word
// (names and words of plain ASCII compared byte by byte, anything else through Qt's Unicode case
// folding), the whole name matches it as a wildcard, or it is a regular expression found in the
// name. Made once per search; read-only after, so any thread may use it. An invalid regular
// expression matches nothing (the search dialog refuses it first). A regular expression that takes
// too many steps on a name (one that backtracks without end, like "(a+)+$") is given up on after a
// million steps: the name does not match, and the caller is told.
class NameMatcher
{
public:
    explicit NameMatcher(const QString& word,
                         SearchFilters::NameMatch mode = SearchFilters::NameMatch::Contains);

    bool Empty() const { return m_word.isEmpty(); }
    // Whether matching a name may take long (a regular expression).
    bool Costly() const { return !Empty() && m_mode == SearchFilters::NameMatch::RegularExpression; }
    // Whether the name (its exact bytes) matches; `scratch` is room for its display text. `gaveUp`,
    // when given, tells whether the expression was given up on for this name.
    bool Matches(std::string_view name, QString& scratch, bool* gaveUp = nullptr) const;

private:
    QString m_word;
    SearchFilters::NameMatch m_mode;
    bool m_ascii = true;
    std::string m_lower;
    Wildcard m_wildcard;
    QRegularExpression m_expression;
};
