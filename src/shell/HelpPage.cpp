#include "shell/HelpPage.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <utility>

namespace HelpPage {
namespace {

Launcher& CurrentLauncher()
{
    static Launcher launcher;
    return launcher;
}

bool IsReadableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

// True when `path` is `folder` or lies below it.
bool IsInside(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

Places DefaultPlaces()
{
    return {QCoreApplication::applicationDirPath(), QStringLiteral(TRESMOLO_HELP_FROM_PROGRAM),
            QStringLiteral(TRESMOLO_BUILD_TREE_HELP)};
}

QString Find(const Places& places)
{
    if (!places.programFolder.isEmpty() && !places.fromProgram.isEmpty()) {
        const QString installed =
            QDir::cleanPath(QDir(places.programFolder).absoluteFilePath(places.fromProgram));
        if (IsReadableFile(installed))
            return installed;
    }
    if (!places.buildTree.isEmpty()) {
        // The guide lies in <build>/help/; the program somewhere else below <build>.
        const QString guide = QDir::cleanPath(places.buildTree);
        const QString buildFolder = QFileInfo(QFileInfo(guide).absolutePath()).absolutePath();
        const QString program = QFileInfo(places.programFolder).canonicalFilePath();
        const QString canonicalBuild = QFileInfo(buildFolder).canonicalFilePath();
        if (!program.isEmpty() && !canonicalBuild.isEmpty() && IsInside(program, canonicalBuild) &&
            IsReadableFile(guide))
            return guide;
    }
    return {};
}

QString Path()
{
    return Find(DefaultPlaces());
}

bool Open()
{
    const QString path = Path();
    if (path.isEmpty())
        return false;
    const QUrl url = QUrl::fromLocalFile(path);
    const Launcher& launcher = CurrentLauncher();
    return launcher ? launcher(url) : QDesktopServices::openUrl(url);
}

void SetLauncher(Launcher launcher)
{
    CurrentLauncher() = std::move(launcher);
}

} // namespace HelpPage
