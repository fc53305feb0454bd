#include "shell/CommandLine.h"

#include "BuildInfo.h"
#include "platform/Paths.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace CommandLine {
namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CommandLine", text);
}

QString Text(std::string_view bytes)
{
    return QFile::decodeName(QByteArray(bytes.data(), qsizetype(bytes.size())));
}

const QString kSearch = QStringLiteral("search");

// Qt's own options, as its application objects and platform plugins take them off the command line
// (Qt also takes them with one leading "-" more).
enum class QtOption
{
    None,
    Flag,     // -reverse, or one with its value attached: -style=NAME
    WithValue // -platform NAME
};

struct QtOptionName
{
    std::string_view name;
    QtOption kind;
};

constexpr QtOptionName kQtOptions[] = {
    {"-platform", QtOption::WithValue},
    {"-platformpluginpath", QtOption::WithValue},
    {"-platformtheme", QtOption::WithValue},
    {"-plugin", QtOption::WithValue},
    {"-qwindowgeometry", QtOption::WithValue},
    {"-qwindowicon", QtOption::WithValue},
    {"-qwindowtitle", QtOption::WithValue},
    {"-geometry", QtOption::WithValue},
    {"-title", QtOption::WithValue},
    {"-icon", QtOption::WithValue},
    {"-display", QtOption::WithValue},
    {"-name", QtOption::WithValue},
    {"-visual", QtOption::WithValue},
    {"-session", QtOption::WithValue},
    {"-style", QtOption::WithValue},
    {"-stylesheet", QtOption::WithValue},
    {"-reverse", QtOption::Flag},
    {"-testability", QtOption::Flag},
    {"-widgetcount", QtOption::Flag},
    {"-nograb", QtOption::Flag},
    {"-dograb", QtOption::Flag},
    {"-qmljsdebugger=", QtOption::Flag},
};

QtOption FindQtOption(std::string_view argument)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    for (const QtOptionName& option : kQtOptions) {
        if (argument == option.name)
            return option.kind;
        // -style=NAME and the like: the value attached
        if (option.kind == QtOption::WithValue && argument.starts_with(option.name) &&
            argument.size() > option.name.size() && argument[option.name.size()] == '=' &&
            (option.name == "-style" || option.name == "-stylesheet"))
            return QtOption::Flag;
        if (option.name.ends_with('=') && argument.starts_with(option.name))
            return QtOption::Flag;
    }
    return QtOption::None;
}

// The list of Qt's options for --help-all, wrapped as the rest of the help is.
QString QtOptionsHelp()
{
    QString text = QLatin1Char('\n') + Tr("Qt's own options, given to Qt when they come before \"--\":") +
                   QLatin1Char('\n');
    QString line = QStringLiteral(" ");
    for (const QtOptionName& option : kQtOptions) {
        QString item =
            QLatin1Char(' ') + QString::fromLatin1(option.name.data(), qsizetype(option.name.size()));
        if (option.kind == QtOption::WithValue)
            item += QStringLiteral(" VALUE");
        else if (option.name.ends_with('='))
            item += QStringLiteral("VALUE");
        if (line.size() + item.size() > 79) {
            text += line + QLatin1Char('\n');
            line = QStringLiteral(" ");
        }
        line += item;
    }
    return text + line + QLatin1Char('\n');
}

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
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        Tr("The folder to select (and search): a path, or a local file:// URI. Every argument after "
           "\"--\" is a folder, even one that starts with \"-\"."),
        QStringLiteral("[FOLDER]"));
}

// The program's one-letter options (those the parser's help and version options bring).
bool IsShortOption(std::string_view argument)
{
    return argument == "-h" || argument == "-?" || argument == "-v";
}

// What is wrong with a one-dash word that is no option, with the long option it may have meant.
QString UnknownWord(std::string_view argument)
{
    const std::string_view word = argument.substr(1);
    for (std::string_view name : {"search", "help", "help-all", "version"})
        if (word == name)
            return Tr("Unknown option: %1 (did you mean \"%2\"?)")
                .arg(Text(argument), QStringLiteral("--") + Text(word));
    return Tr("Unknown option: %1").arg(Text(argument));
}

bool AsksForHelp(const QCommandLineParser& parser)
{
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
}

QString ProgramName(const std::vector<std::string>& arguments)
{
    std::string_view name = arguments.empty() ? std::string_view() : std::string_view(arguments.front());
    if (const size_t slash = name.rfind('/'); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    return name.empty() ? QStringLiteral("tresmolo") : Text(name);
}

Result Failure(const std::vector<std::string>& arguments, const QString& message)
{
    Result result;
    result.exitCode = kUsageError;
    result.error = ProgramName(arguments) + QStringLiteral(": ") + message + QLatin1Char('\n');
    return result;
}

QString SystemError(int code)
{
    return QString::fromStdString(std::generic_category().message(code));
}

bool IsOwnHost(std::string_view host)
{
    if (host.empty())
        return true;
    if (QByteArray(host.data(), qsizetype(host.size())).compare("localhost", Qt::CaseInsensitive) == 0)
        return true;
    char own[HOST_NAME_MAX + 1] = {};
    return ::gethostname(own, sizeof own - 1) == 0 && host == own;
}

// The local path a file: URI names (file:///path, file://localhost/path, file:/path), its bytes
// percent-decoded. False, with `problem` set, for a file URI that names another computer or a
// zero byte; false with `problem` empty when `argument` is no file URI (a plain path).
bool PathOfFileUri(const std::string& argument, std::string* path, QString* problem)
{
    problem->clear();
    constexpr std::string_view scheme = "file:/";
    if (argument.size() < scheme.size() ||
        QByteArray(argument.data(), qsizetype(scheme.size())).compare(scheme.data(), Qt::CaseInsensitive) !=
            0)
        return false;
    std::string_view rest(argument);
    rest.remove_prefix(scheme.size() - 1);
    rest = rest.substr(0, rest.find_first_of("?#")); // neither query nor fragment is part of the path
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const size_t slash = rest.find('/');
        const std::string_view host = rest.substr(0, slash);
        if (!IsOwnHost(host)) {
            *problem = Tr("\"%1\" names a folder on another computer (%2); only local folders can be "
                          "searched.")
                           .arg(Text(argument), Text(host));
            return false;
        }
        rest = slash == std::string_view::npos ? std::string_view("/") : rest.substr(slash);
    }
    const QByteArray encoded(rest.data(), qsizetype(rest.size()));
    // A "/" is never part of a name, so an encoded one ("%2F") names no local path.
    if (encoded.contains("%2F") || encoded.contains("%2f")) {
        *problem =
            Tr("\"%1\" is not a valid file URI: a \"/\" cannot be part of a name.").arg(Text(argument));
        return false;
    }
    const QByteArray decoded = QByteArray::fromPercentEncoding(encoded);
    if (decoded.contains('\0')) {
        *problem = Tr("\"%1\" is not a valid file URI.").arg(Text(argument));
        return false;
    }
    *path = decoded.toStdString();
    return true;
}

// `path` made absolute (from the current folder) and clean: no ".", "..", doubled or trailing "/",
// resolved by the text alone, as a path is typed. False, with the system's error, when the path is
// relative and the current folder has no path (it was removed, say).
bool AbsoluteCleanPath(const std::string& path, std::string* clean, int* error)
{
    std::string full;
    if (path.front() != '/') {
        // Without a buffer of ours, the current folder's path may be longer than PATH_MAX.
        char* cwd = ::getcwd(nullptr, 0);
        if (!cwd) {
            *error = errno;
            return false;
        }
        full = cwd;
        std::free(cwd);
        full += '/';
    }
    full += path;
    std::vector<std::string_view> parts;
    std::string_view rest(full);
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    clean->clear();
    for (std::string_view part : parts) {
        *clean += '/';
        *clean += part;
    }
    if (clean->empty())
        *clean = "/";
    return true;
}

// Why `folder` cannot be searched, or empty when it can: it must exist, be a folder (or a link to
// one), listable and searchable (its entries can be examined). The reason comes from the system's
// own error.
QString FolderProblem(const std::string& folder)
{
    const QString shown = Text(folder);
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0) {
        const int code = errno;
        if (code == ENOENT)
            return Tr("The folder \"%1\" does not exist.").arg(shown);
        return Tr("The folder \"%1\" cannot be opened: %2.").arg(shown, SystemError(code));
    }
    if (!S_ISDIR(st.st_mode))
        return Tr("\"%1\" is not a folder.").arg(shown);
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return Tr("The folder \"%1\" cannot be read: %2.").arg(shown, SystemError(errno));
    ::closedir(listing);
    // Listing needs read permission, examining the entries search permission; a folder with the one
    // and not the other shows names and nothing else.
    if (::faccessat(AT_FDCWD, folder.c_str(), X_OK, AT_EACCESS) != 0)
        return Tr("The entries of the folder \"%1\" cannot be examined: %2.").arg(shown, SystemError(errno));
    return {};
}

// A folder's exact bytes. (A return type without "::" before the function's name also keeps the
// translation tools from taking "std" for the class the function's texts belong to.)
using NativeFolder = std::string;

// The folder an argument names, checked; `problem` says why it cannot be used.
NativeFolder Folder(const std::string& argument, QString* problem)
{
    if (argument.empty()) {
        *problem = Tr("The folder name is empty.");
        return {};
    }
    std::string path = argument;
    if (!PathOfFileUri(argument, &path, problem) && !problem->isEmpty())
        return {};
    std::string folder;
    int error = 0;
    if (!AbsoluteCleanPath(path, &folder, &error)) {
        *problem = Tr("The folder \"%1\" cannot be opened: the current folder cannot be read: %2.")
                       .arg(Text(path), SystemError(error));
        return {};
    }
    *problem = FolderProblem(folder);
    if (!problem->isEmpty())
        return {};
    return folder;
}

} // namespace

Result Parse(const std::vector<std::string>& arguments)
{
    // Qt's options go aside, folders are kept as bytes, and what is left are the program's options.
    QStringList options{ProgramName(arguments)};
    std::vector<std::string> folders;
    std::vector<int> qtArguments;
    QString missingValue;
    QString unknownWord;
    bool onlyFolders = false;
    for (int i = 1; i < int(arguments.size()); ++i) {
        const std::string& argument = arguments[size_t(i)];
        if (onlyFolders || argument.size() < 2 || argument.front() != '-') {
            folders.push_back(argument);
        } else if (argument == "--") {
            onlyFolders = true;
        } else if (const QtOption qt = FindQtOption(argument); qt == QtOption::Flag) {
            qtArguments.push_back(i);
        } else if (qt == QtOption::WithValue) {
            if (i + 1 < int(arguments.size())) {
                qtArguments.push_back(i);
                qtArguments.push_back(++i);
            } else if (missingValue.isEmpty()) {
                missingValue = Tr("Missing value after \"%1\".").arg(Text(argument));
            }
        } else if (!argument.starts_with("--") && !IsShortOption(argument)) {
            // One dash and a word: one option that is not ours (never a bundle of one-letter ones).
            if (unknownWord.isEmpty())
                unknownWord = UnknownWord(argument);
        } else {
            options.append(Text(argument));
        }
    }

    QCommandLineParser parser;
    SetUp(parser);
    const bool parsed = parser.parse(options);
    if (AsksForHelp(parser)) {
        Result result;
        result.output = parser.helpText();
        // The usage line names the program as a user types it, without the folder it was found in.
        const QString usage = QCoreApplication::translate("QCommandLineParser", "Usage: %1").arg(QString());
        const int end = result.output.indexOf(QLatin1Char(' '), usage.size());
        if (result.output.startsWith(usage) && end > 0)
            result.output.replace(usage.size(), end - usage.size(), ProgramName(arguments));
        if (parser.isSet(QStringLiteral("help-all")))
            result.output += QtOptionsHelp();
        return result;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        Result result;
        result.output = QStringLiteral("Tresmolo " TRESMOLO_VERSION "\n");
        return result;
    }
    const QString tryHelp =
        QLatin1Char('\n') + Tr("Try \"%1 --help\" for more information.").arg(ProgramName(arguments));
    if (!unknownWord.isEmpty())
        return Failure(arguments, unknownWord + tryHelp);
    if (!parsed)
        return Failure(arguments, parser.errorText() + tryHelp);
    if (!missingValue.isEmpty())
        return Failure(arguments, missingValue + tryHelp);
    if (folders.size() > 1)
        return Failure(arguments, Tr("Give one folder at most.") + tryHelp);

    Result result;
    result.run = true;
    result.qtArguments = std::move(qtArguments);
    result.options.search = parser.isSet(kSearch);
    if (!folders.empty()) {
        QString problem;
        const std::string folder = Folder(folders.front(), &problem);
        if (!problem.isEmpty())
            return Failure(arguments, problem);
        result.options.folder = platform::PathText(folder);
    }
    return result;
}

} // namespace CommandLine
