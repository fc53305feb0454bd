#include "platform/FolderOpen.h"
#include "shell/CommandLine.h"
#include "shell/PendrakeApp.h"

#include <QApplication>

#include <cstdio>

namespace {

QStringList Arguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Prints what the command line asked for or what is wrong with it; returns the exit code.
int Finish(const CommandLine::Result& result)
{
    std::fputs(result.output.toLocal8Bit().constData(), stdout);
    std::fputs(result.error.toLocal8Bit().constData(), stderr);
    return result.exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    platform::RaiseOpenFileLimit();
    // The help, the version and a wrong folder need no display: answer them before the windowing
    // system is asked.
    if (CommandLine::EndsWithoutWindow(Arguments(argc, argv))) {
        QCoreApplication core(argc, argv);
        return Finish(CommandLine::Parse(QCoreApplication::arguments()));
    }

    // The application object takes Qt's own options off the command line first.
    QApplication application(argc, argv);
    const CommandLine::Result command = CommandLine::Parse(QCoreApplication::arguments());
    if (!command.run)
        return Finish(command);

    CPendrakeApp app;
    if (!app.InitInstance(command.options))
        return 1;
    return QApplication::exec();
}
