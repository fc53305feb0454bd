#pragma once

#include <QString>
#include <string>
#include <string_view>

// Path texts: "/" separates and the root is "/". A folder text never ends with "/" except the
// root itself. Native paths are the exact bytes the file system uses; display texts are QStrings.
namespace platform {

// Whether two path texts name the same path. POSIX file names are case-sensitive, so this is an
// exact comparison; a case-insensitive file system would fold case here and nowhere else.
bool SamePath(const QString& a, const QString& b);
inline bool SamePath(std::string_view a, std::string_view b)
{
    return a == b;
}

// folder + "/" + name, never doubling the separator (the root stays "/").
QString JoinPath(const QString& folder, const QString& name);
std::string JoinNativePath(std::string_view folder, std::string_view name);

// The folder text of a path: every trailing "/" removed, except that the root stays "/".
QString FolderText(const QString& path);

// The last component of a path ("" for the root).
std::string_view LastComponent(std::string_view path);

// A name marks its entry hidden when it starts with ".".
inline bool IsHiddenName(std::string_view name)
{
    return !name.empty() && name.front() == '.';
}

// Display text of native bytes: invalid UTF-8 shows as replacement characters.
inline QString DisplayText(std::string_view native)
{
    return QString::fromUtf8(native.data(), qsizetype(native.size()));
}
// A path text that keeps every byte of a native path: valid UTF-8 reads as its characters, and each
// byte that is not part of valid UTF-8 becomes the lone surrogate U+DC80..U+DCFF of its value (as
// Python's "surrogateescape" does), so NativePath gives the same bytes back. Show such a text with
// ShownText, never as it is.
QString PathText(std::string_view native);
// Native bytes of a path text: UTF-8, except that the lone surrogates U+DC80..U+DCFF that PathText
// makes of undecodable bytes are those bytes again.
std::string NativePath(const QString& path);
// A path text as it is shown: the bytes PathText kept become replacement characters.
QString ShownText(const QString& path);

// Whether a path text names a folder (or a link to one), checked on its native bytes.
bool IsFolder(const QString& path);

// A path text as a settings value: the text itself when every byte of its native path is UTF-8, so
// such paths are stored as they always were; otherwise a file URI of its percent-encoded bytes
// ("file:///caf%E9"), which a settings file keeps (it cannot keep the lone surrogates).
QString StoredPath(const QString& path);
// The path text of a settings value StoredPath made (any other value is taken as it is).
QString PathFromStored(const QString& stored);

// A folder holds the trash when it is the home trash or its name is ".Trash" or ".Trash-" followed
// by digits (the per-volume trash folders).
bool IsTrashFolderName(std::string_view name);

} // namespace platform
