// tresmolo-bench: speed benchmarks of the engine, one command per benchmark.

#include "BenchCommands.h"
#include "BenchSupport.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string_view>

namespace {

const BenchCommand kCommands[] = {
    {"walk",
     "walk FOLDER [--word W] [--runs N] [--skip P...] [--match M] [--min-size N] [--newer D] [--text T]",
     RunWalkBench},
    {"run", "run FOLDER --mode file|status [--word W] [--runs N]", RunFrameBench},
    {"dupes", "dupes FOLDER [--mode file|status] [--runs N]", RunDupesBench},
    {"verify", "verify FOLDER [--runs N] [--again] [--cache DIR] [--list FILE]", RunVerifyBench},
    {"sort", "sort [--rows N] [--column name|folder] [--runs N]", RunSortBench},
    {"filter", "filter [--rows N] [--text T] [--runs N]", RunFilterBench},
};

void PrintUsage()
{
    bench::PrintError(QStringLiteral("usage: tresmolo-bench COMMAND ARGUMENTS..."));
    for (const BenchCommand& command : kCommands)
        bench::PrintError(QStringLiteral("  tresmolo-bench ") + QLatin1String(command.usage));
}

} // namespace

int main(int argc, char** argv)
{
    // The search options come from the user's settings file. Point the settings at an empty folder
    // so every switch has its default value and nobody's own settings can skew the numbers. This
    // has to happen before anything reads the settings, so before the application object exists.
    QTemporaryDir config;
    if (!config.isValid()) {
        bench::PrintError(QStringLiteral("tresmolo-bench: cannot create a temporary settings folder: ") +
                          config.errorString());
        return 2;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    // The window benchmarks drive the real main frame, offscreen unless a display is asked for.
    const bool windows = argc > 1 && std::string_view(argv[1]) != "walk";
    if (windows && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(windows ? new QApplication(argc, argv)
                                                  : new QCoreApplication(argc, argv));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        PrintUsage();
        return 2;
    }
    const QString name = args.takeFirst();
    for (const BenchCommand& command : kCommands)
        if (name == QLatin1String(command.name))
            return command.run(args);
    bench::PrintError(QStringLiteral("tresmolo-bench: unknown command \"%1\"").arg(name));
    PrintUsage();
    return 2;
}
