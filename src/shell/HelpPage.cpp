#include "shell/HelpPage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <utility>

namespace HelpPage {
namespace {

const QString kBundledGuide = QStringLiteral(":/help/index.html");

Launcher& CurrentLauncher()
{
    static Launcher launcher;
    return launcher;
}

QString InstalledCopy()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString candidates[] = {
        programFolder + QStringLiteral("/../share/tresmolo/help/index.html"),
        programFolder + QStringLiteral("/help/index.html"),
    };
    for (const QString& candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isReadable())
            return info.canonicalFilePath();
    }
    return {};
}

// Writes the compiled-in guide into the application data folder unless an equal copy is there.
QString WrittenCopy()
{
    QFile bundled(kBundledGuide);
    if (!bundled.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = bundled.readAll();

    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (dataFolder.isEmpty())
        return {};
    const QString folder = dataFolder + QStringLiteral("/help");
    const QString target = folder + QStringLiteral("/index.html");

    QFile existing(target);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == text)
        return target;
    existing.close();

    if (!QDir().mkpath(folder))
        return {};
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        return {};
    return target;
}

} // namespace

QString Path()
{
    const QString installed = InstalledCopy();
    return installed.isEmpty() ? WrittenCopy() : installed;
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
