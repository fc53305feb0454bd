#pragma once

#include <QByteArray>
#include <QStringList>
#include <string>
#include <vector>

class QMimeData;

// Paths handed to other programs, on the clipboard or by dragging: as text (one path a line) and
// as files (a text/uri-list, and the list GNOME's file manager pastes). A URI carries the path's
// exact bytes, percent-encoded, so a name that is not UTF-8 still names its file.
namespace ClipboardPaths {

QStringList MimeTypes();
// "file://" URIs, each line ended by CR LF.
QByteArray UriList(const std::vector<std::string>& paths);
// The data for the clipboard or a drag; the caller owns it.
QMimeData* MakeMimeData(const std::vector<std::string>& paths);
// Puts the paths on the clipboard; nothing for an empty list.
void Copy(const std::vector<std::string>& paths);

// The local paths named by a text/uri-list, in its order, with their exact bytes; lines that are
// comments, not file URIs or of another host are left out.
std::vector<std::string> LocalPaths(const QByteArray& uriList);
// The local paths a drop carries: its uri-list, else none.
std::vector<std::string> LocalPaths(const QMimeData& data);

} // namespace ClipboardPaths
