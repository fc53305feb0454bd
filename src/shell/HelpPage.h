#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// The user guide that comes with the program, opened in the desktop's browser. The guide is read
// where it lies; the program never copies it anywhere.
namespace HelpPage {

// Where a guide may lie, in the order they are tried.
struct Places
{
    QString programFolder; // the running program's folder
    QString fromProgram;   // the installed guide, relative to the installed program's folder
    QString buildTree;     // the guide of the build tree the program was built in
};

// The places of this program: the installed layout (`bin/tresmolo` beside
// `share/tresmolo/help/index.html`), then the build tree's guide.
Places DefaultPlaces();

// The first readable guide file of `places`, as a clean absolute path; empty when there is none.
// The build tree's guide counts only for a program inside that build tree, so an installed program
// never reads a build folder that happens to be left on the machine.
QString Find(const Places& places);

// Find(DefaultPlaces()).
QString Path();

// Opens the guide with the desktop's default handler. False when there is no guide or the
// handler refused it.
bool Open();

// How a page is handed to the desktop. The default is QDesktopServices::openUrl; tests record
// instead. An empty launcher restores the default.
using Launcher = std::function<bool(const QUrl&)>;
void SetLauncher(Launcher launcher);

} // namespace HelpPage
