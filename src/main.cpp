#include "platform/FolderOpen.h"
#include "shell/CommandLine.h"
#include "shell/PendrakeApp.h"
#include "shell/Translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// Prints what the command line asked for or what is wrong with it; returns the exit code.
int Finish(const CommandLine::Result& result)
{
    std::fputs(result.output.toLocal8Bit().constData(), stdout);
    std::fputs(result.error.toLocal8Bit().constData(), stderr);
    return result.exitCode;
}

// While the application object is made: Qt's messages as usual, but a fault of Qt's (no display to
// open the window on, no platform plugin that loads) ends the program with its reason and exit
// code 1 instead of a core dump.
QtMessageHandler g_qtMessages = nullptr;
void StartingMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (g_qtMessages)
            g_qtMessages(type, context, message);
        return;
    }
    std::fprintf(stderr, "tresmolo: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    platform::RaiseOpenFileLimit();
    // The command line is read before any application object exists, so Qt never takes one of our
    // arguments for its own, and the help, the version and every fault need no display.
    const std::vector<std::string> arguments(argv, argv + argc);
    const CommandLine::Result command = CommandLine::Parse(arguments);

    // Qt gets the program's name and its own options, nothing else.
    char fallbackName[] = "tresmolo"; // for a start with no arguments at all, not even a name
    std::vector<char*> qtArgv{argc > 0 ? argv[0] : fallbackName};
    for (int index : command.qtArguments)
        qtArgv.push_back(argv[index]);
    int qtArgc = int(qtArgv.size());
    qtArgv.push_back(nullptr);

    // Only a command line that opens the window asks the windowing system for a display.
    g_qtMessages = qInstallMessageHandler(StartingMessages);
    const std::unique_ptr<QCoreApplication> application =
        command.run ? std::make_unique<QApplication>(qtArgc, qtArgv.data())
                    : std::make_unique<QCoreApplication>(qtArgc, qtArgv.data());
    qInstallMessageHandler(g_qtMessages);
    InstallTranslations(*application);
    if (!command.run) {
        // Read again now that the application object (and any translation) is there, so the texts
        // come in the user's language.
        const CommandLine::Result again = CommandLine::Parse(arguments);
        return Finish(again.run ? command : again);
    }

    CPendrakeApp app;
    if (!app.InitInstance(command.options))
        return 1;
    return QApplication::exec();
}
