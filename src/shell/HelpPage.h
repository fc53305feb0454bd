#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// The user guide that comes with the program, opened in the desktop's browser.
namespace HelpPage {

// A readable file holding the guide. An installed copy next to the program is preferred
// (`<program folder>/../share/tresmolo/help/index.html`, then `<program folder>/help/index.html`);
// otherwise the copy compiled into the program is written to the user's application data folder
// (refreshed when it differs) and that file is given. Empty when neither can be had.
QString Path();

// Opens the guide with the desktop's default handler. False when there is no guide or the
// handler refused it.
bool Open();

// How a page is handed to the desktop. The default is QDesktopServices::openUrl; tests record
// instead. An empty launcher restores the default.
using Launcher = std::function<bool(const QUrl&)>;
void SetLauncher(Launcher launcher);

} // namespace HelpPage
