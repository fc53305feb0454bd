#include "view/NaturalOrder.h"

#include "platform/Paths.h"

namespace NaturalOrder {
namespace {

// Where a run of digits stands in a key: the byte of "0", so numbers keep their place among the
// other characters, then the run's length in two bytes, then its digits.
constexpr char kNumberMark = '0';
constexpr char kSeparator = '\x01';

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

void AppendFolded(std::string_view text, std::string& out)
{
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsAsciiDigit(c)) {
            while (i < text.size() && text[i] == '0')
                ++i;
            const size_t start = i;
            while (i < text.size() && IsAsciiDigit(text[i]))
                ++i;
            // A run of zeros only is the number 0: no digits at all, the shortest length.
            const size_t length = std::min<size_t>(i - start, 0xffff);
            out.push_back(kNumberMark);
            out.push_back(char(length >> 8));
            out.push_back(char(length & 0xff));
            out.append(text.substr(start, length));
            continue;
        }
        if (c == '/')
            out.push_back(kSeparator);
        else if (c >= 'A' && c <= 'Z')
            out.push_back(char(c - 'A' + 'a'));
        else
            out.push_back(c);
        ++i;
    }
}

bool IsAscii(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

void AppendKey(std::string_view text, std::string& out)
{
    if (IsAscii(text)) {
        AppendFolded(text, out);
        return;
    }
    // UTF-8 keeps the order of code points, so the folded text's bytes order as its characters do.
    const QByteArray folded = platform::DisplayText(text).toCaseFolded().toUtf8();
    AppendFolded(std::string_view(folded.constData(), size_t(folded.size())), out);
}

std::string Key(std::string_view text)
{
    std::string key;
    key.reserve(text.size() + 8);
    AppendKey(text, key);
    return key;
}

std::string Key(const QString& text)
{
    return Key(text.toUtf8().toStdString());
}

int Compare(const QString& a, const QString& b)
{
    return Key(a).compare(Key(b));
}

} // namespace NaturalOrder
