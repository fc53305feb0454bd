#include "platform/Paths.h"

#include <QByteArray>
#include <QFile>

#include <sys/stat.h>

namespace platform {

bool SamePath(const QString& a, const QString& b)
{
    return a == b;
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

std::string JoinNativePath(std::string_view folder, std::string_view name)
{
    std::string path;
    path.reserve(folder.size() + name.size() + 1);
    path.append(folder);
    if (path.empty() || path.back() != '/')
        path.push_back('/');
    path.append(name);
    return path;
}

QString FolderText(const QString& path)
{
    qsizetype end = path.size();
    while (end > 1 && path.at(end - 1) == QLatin1Char('/'))
        --end;
    return path.left(end);
}

std::string_view LastComponent(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return path;
    return path.substr(slash + 1);
}

namespace {

constexpr char16_t kEscapeFirst = 0xDC80;
constexpr char16_t kEscapeLast = 0xDCFF;

// Whether the unit at `i` is a lone low surrogate of ours: in the range, and not the second half
// of a pair (U+10080, say, is the pair D800 DC80).
bool IsEscapeAt(const QString& text, qsizetype i)
{
    const char16_t c = text.at(i).unicode();
    return c >= kEscapeFirst && c <= kEscapeLast && (i == 0 || !text.at(i - 1).isHighSurrogate());
}

// The length of the valid UTF-8 sequence at `at`, or 0 when none starts there.
size_t Utf8SequenceAt(std::string_view s, size_t at)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = byte(at);
    if (c < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // bounds of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0;
        else if (c == 0xED)
            high = 0x9F; // no encoded surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90;
        else if (c == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > s.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    return length;
}

} // namespace

QString PathText(std::string_view native)
{
    QString text;
    text.reserve(qsizetype(native.size()));
    size_t at = 0;
    while (at < native.size()) {
        // Runs of valid UTF-8 are decoded at once.
        size_t end = at;
        while (end < native.size()) {
            const size_t n = Utf8SequenceAt(native, end);
            if (n == 0)
                break;
            end += n;
        }
        if (end > at)
            text += QString::fromUtf8(native.data() + at, qsizetype(end - at));
        if (end < native.size())
            text += QChar(char16_t(kEscapeFirst + (static_cast<unsigned char>(native[end]) - 0x80)));
        at = end + 1;
    }
    return text;
}

std::string NativePath(const QString& path)
{
    bool escaped = false;
    for (qsizetype i = 0; i < path.size() && !escaped; ++i)
        escaped = IsEscapeAt(path, i);
    if (!escaped)
        return QFile::encodeName(path).toStdString();
    std::string native;
    native.reserve(size_t(path.size()));
    qsizetype from = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !IsEscapeAt(path, i))
            continue;
        native += QStringView(path).mid(from, i - from).toUtf8().toStdString();
        if (i < path.size())
            native.push_back(char(0x80 + (path.at(i).unicode() - kEscapeFirst)));
        from = i + 1;
    }
    return native;
}

QString ShownText(const QString& path)
{
    QString shown = path;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (IsEscapeAt(path, i))
            shown[i] = QChar(QChar::ReplacementCharacter);
    return shown;
}

bool IsFolder(const QString& path)
{
    struct stat st;
    return !path.isEmpty() && ::stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {

constexpr QLatin1StringView kStoredScheme("file://");

} // namespace

QString StoredPath(const QString& path)
{
    if (ShownText(path) == path)
        return path;
    const std::string native = NativePath(path);
    return kStoredScheme +
           QString::fromLatin1(QByteArray(native.data(), qsizetype(native.size())).toPercentEncoding("/"));
}

QString PathFromStored(const QString& stored)
{
    if (!stored.startsWith(kStoredScheme))
        return stored;
    return PathText(
        QByteArray::fromPercentEncoding(stored.mid(kStoredScheme.size()).toLatin1()).toStdString());
}

bool IsTrashFolderName(std::string_view name)
{
    constexpr std::string_view trash = ".Trash";
    if (name == trash)
        return true;
    if (name.size() <= trash.size() + 1 || name.substr(0, trash.size() + 1) != ".Trash-")
        return false;
    for (char c : name.substr(trash.size() + 1))
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace platform
