#include "shell/CommandLine.h"

#include "BuildInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>

namespace CommandLine {
namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

const QString kSearch = QStringLiteral("search");

// The parser with the program's options.
void SetUp(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        Tr("Searches a folder (and its sub-folders) for files, lists them with per-folder counts\n"
           "and lets you act on them. With FOLDER, that folder is selected in the folder tree."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        kSearch,
        Tr("Start a search in the selected folder at once, as the automatic search at start-up does.")));
    parser.addPositionalArgument(QStringLiteral("FOLDER"), Tr("The folder to select (and search)."),
                                 QStringLiteral("[FOLDER]"));
}

bool AsksForHelp(const QCommandLineParser& parser)
{
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
}

QString ProgramName(const QStringList& arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("tresmolo") : name;
}

Result Failure(const QStringList& arguments, const QString& message)
{
    Result result;
    result.exitCode = kUsageError;
    result.error = ProgramName(arguments) + QStringLiteral(": ") + message + QLatin1Char('\n');
    return result;
}

// Why `folder` cannot be searched, or empty when it can: it must exist, be a folder (or a link to
// one) and be listable.
QString FolderProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return Tr("The folder \"%1\" does not exist.").arg(folder);
    if (!info.isDir())
        return Tr("\"%1\" is not a folder.").arg(folder);
    DIR* listing = ::opendir(QFile::encodeName(folder).constData());
    if (!listing)
        return Tr("The folder \"%1\" cannot be read.").arg(folder);
    ::closedir(listing);
    return {};
}

} // namespace

Result Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    SetUp(parser);
    const bool parsed = parser.parse(arguments);
    if (AsksForHelp(parser)) {
        Result result;
        result.output = parser.helpText();
        // The usage line names the program as a user types it, without the folder it was found in.
        const QString usage = QCoreApplication::translate("QCommandLineParser", "Usage: %1").arg(QString());
        const int end = result.output.indexOf(QLatin1Char(' '), usage.size());
        if (result.output.startsWith(usage) && end > 0)
            result.output.replace(usage.size(), end - usage.size(), ProgramName(arguments));
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        Result result;
        result.output = QStringLiteral("Tresmolo " TRESMOLO_VERSION "\n");
        return result;
    }
    const QString tryHelp =
        QLatin1Char('\n') + Tr("Try \"%1 --help\" for more information.").arg(ProgramName(arguments));
    if (!parsed)
        return Failure(arguments, parser.errorText() + tryHelp);
    const QStringList folders = parser.positionalArguments();
    if (folders.size() > 1)
        return Failure(arguments, Tr("Give one folder at most.") + tryHelp);

    Result result;
    result.run = true;
    result.options.search = parser.isSet(kSearch);
    if (!folders.isEmpty()) {
        if (folders.first().isEmpty())
            return Failure(arguments, Tr("The folder name is empty."));
        const QString folder = QDir::cleanPath(QFileInfo(folders.first()).absoluteFilePath());
        const QString problem = FolderProblem(folder);
        if (!problem.isEmpty())
            return Failure(arguments, problem);
        result.options.folder = folder;
    }
    return result;
}

bool EndsWithoutWindow(const QStringList& arguments)
{
    QCommandLineParser parser;
    SetUp(parser);
    const bool parsed = parser.parse(arguments);
    if (AsksForHelp(parser) || parser.isSet(QStringLiteral("version")))
        return true;
    return parsed && !Parse(arguments).run;
}

} // namespace CommandLine
