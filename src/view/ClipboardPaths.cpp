#include "view/ClipboardPaths.h"

#include "platform/Paths.h"
#include "view/ShellServices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace ClipboardPaths {
namespace {

const QString kUriList = QStringLiteral("text/uri-list");
const QString kGnomeFiles = QStringLiteral("x-special/gnome-copied-files");

} // namespace

QStringList MimeTypes()
{
    return {kUriList, kGnomeFiles, QStringLiteral("text/plain")};
}

QByteArray UriList(const std::vector<std::string>& paths)
{
    QByteArray list;
    for (const std::string& path : paths)
        list += Shell::FileUri(path).toLatin1() + "\r\n";
    return list;
}

QMimeData* MakeMimeData(const std::vector<std::string>& paths)
{
    auto* data = new QMimeData;
    QByteArray gnome = "copy";
    QStringList texts;
    for (const std::string& path : paths) {
        gnome += '\n' + Shell::FileUri(path).toLatin1();
        texts << platform::DisplayText(path);
    }
    data->setData(kUriList, UriList(paths));
    data->setData(kGnomeFiles, gnome);
    data->setText(texts.join(QLatin1Char('\n')));
    return data;
}

void Copy(const std::vector<std::string>& paths)
{
    if (!paths.empty())
        QGuiApplication::clipboard()->setMimeData(MakeMimeData(paths));
}

std::vector<std::string> LocalPaths(const QByteArray& uriList)
{
    std::vector<std::string> paths;
    for (QByteArray line : uriList.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#') || !line.startsWith("file://"))
            continue;
        QByteArray rest = line.mid(7);
        const qsizetype slash = rest.indexOf('/');
        if (slash < 0)
            continue;
        const QByteArray host = rest.left(slash);
        if (!host.isEmpty() && host != "localhost")
            continue;
        const QByteArray path = QByteArray::fromPercentEncoding(rest.mid(slash));
        if (!path.isEmpty())
            paths.push_back(path.toStdString());
    }
    return paths;
}

std::vector<std::string> LocalPaths(const QMimeData& data)
{
    return data.hasFormat(kUriList) ? LocalPaths(data.data(kUriList)) : std::vector<std::string>();
}

} // namespace ClipboardPaths
