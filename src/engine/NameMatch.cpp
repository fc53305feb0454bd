#include "engine/NameMatch.h"

#include "platform/Paths.h"

#include <QFile>

namespace {

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool IsAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// The display text of a name into `out`, reusing its room when the name is plain ASCII.
void DisplayInto(std::string_view name, QString& out)
{
    if (!IsAscii(name)) {
        out = platform::DisplayText(name);
        return;
    }
    out.resize(qsizetype(name.size()));
    QChar* data = out.data();
    for (size_t i = 0; i < name.size(); ++i)
        data[i] = QChar(char16_t(static_cast<unsigned char>(name[i])));
}

} // namespace

NameMatcher::NameMatcher(const QString& word, SearchFilters::NameMatch mode) : m_word(word), m_mode(mode)
{
    switch (mode) {
    case SearchFilters::NameMatch::Contains:
        for (QChar c : word) {
            if (c.unicode() >= 0x80) {
                m_ascii = false;
                break;
            }
            m_lower.push_back(AsciiLower(char(c.unicode())));
        }
        break;
    case SearchFilters::NameMatch::Wildcard:
        m_wildcard = Wildcard(QFile::encodeName(word).toStdString(), Wildcard::CaseInsensitive);
        break;
    case SearchFilters::NameMatch::RegularExpression:
        // The limit is set at the very start of the pattern, where it may only lower PCRE2's own.
        m_expression = QRegularExpression(QStringLiteral("(*LIMIT_MATCH=1000000)") + word,
                                          QRegularExpression::CaseInsensitiveOption);
        m_expression.optimize();
        break;
    }
}

bool NameMatcher::Matches(std::string_view name, QString& scratch, bool* gaveUp) const
{
    if (gaveUp)
        *gaveUp = false;
    if (m_mode == SearchFilters::NameMatch::Wildcard)
        return m_wildcard.Matches(name);
    if (m_mode == SearchFilters::NameMatch::RegularExpression) {
        if (!m_expression.isValid())
            return false;
        DisplayInto(name, scratch);
        // The display text is valid UTF-16 by making: Qt need not check it again.
        const QRegularExpressionMatch match =
            m_expression.match(QStringView(scratch), 0, QRegularExpression::NormalMatch,
                               QRegularExpression::DontCheckSubjectStringMatchOption);
        // A match that ended in an error (the step limit) is invalid.
        if (gaveUp && !match.isValid())
            *gaveUp = true;
        return match.hasMatch();
    }
    if (m_ascii && IsAscii(name)) {
        if (m_lower.size() > name.size())
            return false;
        for (size_t i = 0; i + m_lower.size() <= name.size(); ++i) {
            size_t j = 0;
            while (j < m_lower.size() && AsciiLower(name[i + j]) == m_lower[j])
                ++j;
            if (j == m_lower.size())
                return true;
        }
        return false;
    }
    scratch = platform::DisplayText(name);
    return scratch.contains(m_word, Qt::CaseInsensitive);
}
