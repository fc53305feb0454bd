#include "engine/NameMatch.h"

#include "platform/Paths.h"

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

} // namespace

NameMatcher::NameMatcher(const QString& word) : m_word(word)
{
    for (QChar c : word) {
        if (c.unicode() >= 0x80) {
            m_ascii = false;
            break;
        }
        m_lower.push_back(AsciiLower(char(c.unicode())));
    }
}

bool NameMatcher::Matches(std::string_view name, QString& scratch) const
{
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
