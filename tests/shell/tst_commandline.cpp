// The command line: what it accepts and refuses, what the program prints and returns for it, and a
// start-up on a given folder with --search.
#include "BuildInfo.h"
#include "platform/Paths.h"
#include "shell/CommandLine.h"
#include "shell/FolderTree.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "support/TestSupport.h"
#include "view/DlgSearchParameters.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using Settings::Key;

namespace {

CommandLine::Result ParseBytes(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "/usr/bin/tresmolo");
    return CommandLine::Parse(arguments);
}

CommandLine::Result Parse(const QStringList& arguments)
{
    std::vector<std::string> bytes;
    for (const QString& argument : arguments)
        bytes.push_back(QFile::encodeName(argument).toStdString());
    return ParseBytes(bytes);
}

QString Uri(const QString& path)
{
    return QStringLiteral("file://") + QString::fromLatin1(QFile::encodeName(path).toPercentEncoding("/"));
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
public:
    explicit TestCommandLine(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    QTemporaryDir m_tree;
    QString m_folder; // a folder with files, and a space in its name
    QString m_file;

private slots:
    void initTestCase()
    {
        m_folder = m_tree.path() + QStringLiteral("/my files");
        m_file = m_folder + QStringLiteral("/a.txt");
        MakeTree(m_folder, {QStringLiteral("a.txt"), QStringLiteral("sub/b.txt")});
        MakeTree(m_tree.path(), {QStringLiteral("-reverse/"), QStringLiteral("-platform/")});
    }

    void goodFolders_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("search");
        QTest::newRow("nothing") << QStringList{} << QString() << false;
        QTest::newRow("search alone") << QStringList{QStringLiteral("--search")} << QString() << true;
        QTest::newRow("folder") << QStringList{m_folder} << m_folder << false;
        QTest::newRow("folder, trailing slash, dots")
            << QStringList{m_folder + QStringLiteral("/sub/../")} << m_folder << false;
        QTest::newRow("search, then folder")
            << QStringList{QStringLiteral("--search"), m_folder} << m_folder << true;
        QTest::newRow("folder, then search")
            << QStringList{m_folder, QStringLiteral("--search")} << m_folder << true;
        QTest::newRow("root") << QStringList{QStringLiteral("/")} << QStringLiteral("/") << false;
        QTest::newRow("relative") << QStringList{QStringLiteral("my files/sub")}
                                  << m_folder + QStringLiteral("/sub") << false;
        QTest::newRow("after --") << QStringList{QStringLiteral("--"), m_folder} << m_folder << false;
        // After "--" even Qt's option names are folders.
        QTest::newRow("-- -reverse") << QStringList{QStringLiteral("--search"), QStringLiteral("--"),
                                                    QStringLiteral("-reverse")}
                                     << m_tree.path() + QStringLiteral("/-reverse") << true;
        QTest::newRow("-- -platform") << QStringList{QStringLiteral("--"), QStringLiteral("-platform")}
                                      << m_tree.path() + QStringLiteral("/-platform") << false;
        QTest::newRow("file URI") << QStringList{Uri(m_folder)} << m_folder << false;
        QTest::newRow("file URI, localhost, query")
            << QStringList{Uri(m_folder).replace(QStringLiteral("file://"),
                                                 QStringLiteral("FILE://LocalHost")) +
                           QStringLiteral("/sub?x#y")}
            << m_folder + QStringLiteral("/sub") << false;
        QTest::newRow("file URI, one slash")
            << QStringList{QStringLiteral("file:") + m_folder} << m_folder << false;
    }

    void goodFolders()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, folder);
        QFETCH(bool, search);
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_tree.path()));
        const CommandLine::Result result = Parse(arguments);
        QDir::setCurrent(before);
        QVERIFY2(result.run, qPrintable(result.error));
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.output.isEmpty() && result.error.isEmpty());
        QCOMPARE(result.options.folder, folder);
        QCOMPARE(result.options.search, search);
        QVERIFY(result.qtArguments.empty());
    }

    void badCommandLines_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString missing = m_tree.path() + QStringLiteral("/missing");
        QTest::newRow("missing folder")
            << QStringList{missing}
            << QStringLiteral("tresmolo: The folder \"%1\" does not exist.\n").arg(missing);
        QTest::newRow("missing, with search")
            << QStringList{QStringLiteral("--search"), missing}
            << QStringLiteral("tresmolo: The folder \"%1\" does not exist.\n").arg(missing);
        QTest::newRow("a file") << QStringList{m_file}
                                << QStringLiteral("tresmolo: \"%1\" is not a folder.\n").arg(m_file);
        QTest::newRow("empty name") << QStringList{QString()}
                                    << QStringLiteral("tresmolo: The folder name is empty.\n");
        QTest::newRow("two folders") << QStringList{m_folder, m_folder}
                                     << QStringLiteral("tresmolo: Give one folder at most.\n"
                                                       "Try \"tresmolo --help\" for more information.\n");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--find")}
                                        << QStringLiteral("tresmolo: Unknown option 'find'.\n"
                                                          "Try \"tresmolo --help\" for more information.\n");
        QTest::newRow("Qt's option without its value")
            << QStringList{m_folder, QStringLiteral("-platform")}
            << QStringLiteral("tresmolo: Missing value after \"-platform\".\n"
                              "Try \"tresmolo --help\" for more information.\n");
        QTest::newRow("below a file") << QStringList{m_file + QStringLiteral("/sub")}
                                      << QStringLiteral("tresmolo: The folder \"%1/sub\" cannot be opened: "
                                                        "Not a directory.\n")
                                             .arg(m_file);
        // One dash and a word: one unknown option, named whole, with the long option it may mean.
        const QString tryHelp = QStringLiteral("Try \"tresmolo --help\" for more information.\n");
        QTest::newRow("-search") << QStringList{QStringLiteral("-search"), m_folder}
                                 << QStringLiteral("tresmolo: Unknown option: -search (did you mean "
                                                   "\"--search\"?)\n") +
                                        tryHelp;
        QTest::newRow("-platform=offscreen")
            << QStringList{QStringLiteral("-platform=offscreen")}
            << QStringLiteral("tresmolo: Unknown option: -platform=offscreen\n") + tryHelp;
        QTest::newRow("file URI with an encoded slash")
            << QStringList{QStringLiteral("file:///tmp%2Fqa")}
            << QStringLiteral("tresmolo: \"file:///tmp%2Fqa\" is not a valid file URI: a \"/\" cannot be "
                              "part of a name.\n");
        QTest::newRow("file URI of another computer")
            << QStringList{QStringLiteral("file://elsewhere.example/tmp")}
            << QStringLiteral("tresmolo: \"file://elsewhere.example/tmp\" names a folder on another computer "
                              "(elsewhere.example); only local folders can be searched.\n");
    }

    void badCommandLines()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CommandLine::Result result = Parse(arguments);
        QVERIFY(!result.run);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.error, message);
        QVERIFY(result.output.isEmpty());
    }

    // A folder that cannot be listed, and one whose entries cannot be examined (read permission but
    // no search permission), are refused with the system's reason. The superuser examines them with
    // the file rights of "nobody" on this thread (a file-system user id drops its file rights).
    void foldersWithoutRightsAreRefused()
    {
        const QString locked = m_tree.path() + QStringLiteral("/locked");
        const QString closed = m_tree.path() + QStringLiteral("/closed");
        const QByteArray tree = QFile::encodeName(m_tree.path());
        QVERIFY(::mkdir(QFile::encodeName(locked).constData(), 0333) == 0);
        QVERIFY(::mkdir(QFile::encodeName(closed).constData(), 0666) == 0);
        QVERIFY(::chmod(QFile::encodeName(locked).constData(), 0333) == 0); // past the umask
        QVERIFY(::chmod(QFile::encodeName(closed).constData(), 0666) == 0);
        QVERIFY(::chmod(tree.constData(), 0755) == 0);
        const auto restore = qScopeGuard([&] {
            ::setfsuid(0);
            ::chmod(tree.constData(), 0700);
            ::rmdir(QFile::encodeName(locked).constData());
            ::rmdir(QFile::encodeName(closed).constData());
        });
        if (::geteuid() == 0) {
            ::setfsuid(65534);
            if (::setfsuid(uid_t(-1)) != 65534)
                QSKIP("cannot take another user's file rights here");
        }
        const CommandLine::Result unreadable = Parse({locked});
        const CommandLine::Result unsearchable = Parse({closed, QStringLiteral("--search")});
        ::setfsuid(0);
        QVERIFY(!unreadable.run && !unsearchable.run);
        QCOMPARE(unreadable.exitCode, 2);
        QCOMPARE(unsearchable.exitCode, 2);
        QCOMPARE(
            unreadable.error,
            QStringLiteral("tresmolo: The folder \"%1\" cannot be read: Permission denied.\n").arg(locked));
        QCOMPARE(unsearchable.error,
                 QStringLiteral("tresmolo: The entries of the folder \"%1\" cannot be examined: "
                                "Permission denied.\n")
                     .arg(closed));
    }

    void helpAndVersion()
    {
        const CommandLine::Result version =
            Parse({QStringLiteral("--version"), QStringLiteral("/nonexistent")});
        QVERIFY(!version.run);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.output, QStringLiteral("Tresmolo " TRESMOLO_VERSION "\n"));
        QVERIFY(QStringLiteral(TRESMOLO_VERSION)
                    .contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))));

        for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const CommandLine::Result help = Parse({option});
            QVERIFY(!help.run);
            QCOMPARE(help.exitCode, 0);
            QVERIFY(help.error.isEmpty());
            QVERIFY2(help.output.contains(QStringLiteral("[options] [FOLDER]")), qPrintable(help.output));
            for (const char* name : {"--search", "--help", "--version"})
                QVERIFY(help.output.contains(QLatin1String(name)));
        }
    }

    // Which command lines end without a window, and which arguments Qt gets: its own options before
    // "--" with their values, and nothing else.
    void endsWithoutWindow()
    {
        const auto ends = [](const QStringList& arguments) { return !Parse(arguments).run; };
        QVERIFY(ends({QStringLiteral("--help")}));
        QVERIFY(ends({QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--version")}));
        QVERIFY(ends({QStringLiteral("/nonexistent")}));
        QVERIFY(ends({m_folder, m_folder}));
        QVERIFY(ends({QStringLiteral("--bogus")}));
        QVERIFY(ends({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--bogus")}));
        QVERIFY(!ends({m_folder}));
        QVERIFY(!ends({QStringLiteral("-platform"), QStringLiteral("offscreen"), m_folder}));
        QVERIFY(!ends({QStringLiteral("-style"), QStringLiteral("fusion")}));

        const CommandLine::Result mixed =
            Parse({QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--search"),
                   QStringLiteral("--reverse"), QStringLiteral("-style=fusion"), QStringLiteral("-title"),
                   QStringLiteral("--search"), QStringLiteral("--"), m_folder});
        QVERIFY2(mixed.run, qPrintable(mixed.error));
        QCOMPARE(mixed.qtArguments, (std::vector<int>{1, 2, 4, 5, 6, 7}));
        QVERIFY(mixed.options.search);
        QCOMPARE(mixed.options.folder, m_folder);
    }

    // Folders the system refuses are named with the system's reason; names that are not UTF-8 are
    // taken by their bytes.
    void folderFaultsSayWhatIsWrong()
    {
        const std::string tree = QFile::encodeName(m_tree.path()).toStdString();
        QVERIFY(::symlink("loop", (tree + "/loop").c_str()) == 0);
        QVERIFY(QDir().mkpath(m_tree.path() + QStringLiteral("/odd\u00e9")));
        QVERIFY(::mkdir((tree + "/odd\xff").c_str(), 0755) == 0);
        std::string longPath = tree; // 5,000 bytes and more, in names of 250 bytes
        while (longPath.size() < 5000)
            longPath += "/" + std::string(250, 'x');
        const std::vector<std::pair<std::string, QString>> cases = {
            {tree + "/loop", QStringLiteral("cannot be opened: Too many levels of symbolic links.")},
            {longPath, QStringLiteral("cannot be opened: File name too long.")},
            {"file://" + tree + "/odd%00", QStringLiteral("is not a valid file URI.")},
        };
        for (const auto& [argument, reason] : cases) {
            const CommandLine::Result result = ParseBytes({argument});
            QVERIFY(!result.run);
            QCOMPARE(result.exitCode, 2);
            QVERIFY2(result.error.endsWith(reason + QLatin1Char('\n')), qPrintable(result.error));
        }
        // A name given as a percent-encoded URI is the folder itself, whether UTF-8 or not; a path
        // text hands on its exact bytes.
        const std::vector<std::pair<std::string, std::string>> named = {
            {"file://" + tree + "/odd%C3%A9", tree + "/odd\xc3\xa9"},
            {"file://" + tree + "/odd%FF", tree + "/odd\xff"},
            {tree + "/odd\xff/", tree + "/odd\xff"},
        };
        for (const auto& [argument, folder] : named) {
            const CommandLine::Result result = ParseBytes({argument});
            QVERIFY2(result.run, qPrintable(result.error));
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(platform::NativePath(result.options.folder), folder);
        }
        ::rmdir((tree + "/odd\xff").c_str()); // QTemporaryDir cannot remove it
    }

    // A relative folder while the current folder has no path: removed, or deeper than PATH_MAX.
    void relativeFoldersNeedTheCurrentFolder()
    {
        const QString before = QDir::currentPath();
        const QString gone = m_tree.path() + QStringLiteral("/gone");
        QVERIFY(QDir().mkpath(gone));
        QVERIFY(QDir::setCurrent(gone));
        QVERIFY(QDir().rmdir(gone));
        const CommandLine::Result removed = Parse({QStringLiteral("sub")});
        QVERIFY(QDir::setCurrent(m_tree.path()));
        // Deep down, the folder is found from the current one, and its path is too long to use.
        const std::string name(250, 'd');
        int depth = 0;
        for (; depth < 20; ++depth)
            if (::mkdir(name.c_str(), 0755) != 0 || ::chdir(name.c_str()) != 0)
                break;
        const CommandLine::Result deep = Parse({QStringLiteral(".")});
        for (; depth > 0; --depth)
            QVERIFY(::chdir("..") == 0 && ::rmdir(name.c_str()) == 0);
        QVERIFY(QDir::setCurrent(before));
        QVERIFY(!removed.run && !deep.run);
        QCOMPARE(removed.error, QStringLiteral("tresmolo: The folder \"sub\" cannot be opened: the current "
                                               "folder cannot be read: No such file or directory.\n"));
        QVERIFY2(deep.error.endsWith(QStringLiteral("cannot be opened: File name too long.\n")),
                 qPrintable(deep.error));
    }

    // The program itself: what it prints and returns, with no display at all.
    void theProgramAnswersWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0
                                 << QStringLiteral("Tresmolo " TRESMOLO_VERSION "\n") << QString();
        QTest::newRow("missing folder")
            << QStringList{QStringLiteral("--search"), QStringLiteral("/nonexistent")} << 2 << QString()
            << QStringLiteral("tresmolo: The folder \"/nonexistent\" does not exist.\n");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0
                              << QStringLiteral("Usage: tresmolo ") << QString();
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 2 << QString()
                                        << QStringLiteral("tresmolo: Unknown option 'bogus'.\n"
                                                          "Try \"tresmolo --help\" for more information.\n");
        // Qt never sees what follows "--": with a platform to open a window on, none opens.
        QTest::newRow("Qt's option name after --")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--"),
                           QStringLiteral("-reverse")}
            << 2 << QString()
            << QStringLiteral("tresmolo: The folder \"%1/-reverse\" does not exist.\n").arg(m_folder);
    }

    void theProgramAnswersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        program.setProcessEnvironment(environment);
        // Started through a link named like the installed program, so the usage line names it.
        const QString link = m_tree.path() + QStringLiteral("/tresmolo");
        QVERIFY(QFile::exists(link) || QFile::link(QStringLiteral(TRESMOLO_PROGRAM), link));
        program.setProgram(link);
        program.setArguments(arguments);
        program.setWorkingDirectory(m_folder);
        program.start();
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY(QString::fromLocal8Bit(program.readAllStandardOutput()).startsWith(output));
        const QString printed = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(error.isEmpty() ? printed.isEmpty() : printed.endsWith(error), qPrintable(printed));
    }

    void noDisplayEndsWithItsReasonNotACoreDump()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            environment.remove(QLatin1String(name));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TRESMOLO_PROGRAM), {QStringLiteral("--"), m_folder});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString printed = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(printed.startsWith(QStringLiteral("tresmolo: ")) ||
                     printed.contains(QStringLiteral("\ntresmolo: ")),
                 qPrintable(printed));
    }

    // FOLDER is selected in the tree as a click would, and --search starts the search as the automatic
    // start-up search does, with the folder already in the document.
    void startOnAFolderAndSearch()
    {
        m_home.ClearSettings();
        int dialogs = 0;
        QString proposed;
        Seams::SetDialogRunner([&](QDialog& dialog) {
            ++dialogs;
            if (auto* parameters = qobject_cast<CDlgSearchParameters*>(&dialog))
                proposed = parameters->PathEdit()->text();
            dialog.accept();
            return int(QDialog::Accepted);
        });
        const CSettingsSection settings;
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance({m_folder, true}));
            // The window names its desktop entry, and the version is the project's.
            QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(TRESMOLO_APP_ID));
            QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(TRESMOLO_VERSION));
            QSignalSpy finished(app.MainFrame()->View(), &CPendrakeView::searchFinished);
            QVERIFY(finished.wait(20000));
            QCOMPARE(dialogs, 1);
            QCOMPARE(proposed, m_folder);
            QCOMPARE(app.Document().SelectedFolder(), m_folder);
            QCOMPARE(app.MainFrame()->View()->FileModel().rowCount(), 2);
            QString stored;
            settings.ReadLastFolderSelected(stored);
            QCOMPARE(stored, m_folder);
            QCOMPARE(settings.GetSwitch(Key::AutoListLastFolderAtStartup), 0);
        }
        {
            // A folder without --search only selects it; the automatic search is not turned on.
            const QString sub = m_folder + QStringLiteral("/sub");
            CPendrakeApp app;
            QVERIFY(app.InitInstance({sub, false}));
            QTRY_COMPARE(app.Document().SelectedFolder(), sub);
            QTest::qWait(100);
            QCOMPARE(dialogs, 1);
        }
        {
            // With the automatic search on as well, the search still runs once.
            settings.WriteInt(Settings::Name(Key::AutoListLastFolderAtStartup), 1);
            CPendrakeApp app;
            QVERIFY(app.InitInstance({m_folder, true}));
            QSignalSpy finished(app.MainFrame()->View(), &CPendrakeView::searchFinished);
            QVERIFY(finished.wait(20000));
            QTest::qWait(200);
            QCOMPARE(dialogs, 2);
        }
        Seams::SetDialogRunner({});
    }

    // A folder whose name is not UTF-8 is taken by its bytes: searched, shown with a replacement
    // character, kept as the folder chosen last, while the tree shows the folder above it.
    void startOnAFolderWhoseNameIsNotUtf8()
    {
        m_home.ClearSettings();
        const std::string odd = QFile::encodeName(m_tree.path()).toStdString() + "/caf\xe9";
        QVERIFY(::mkdir(odd.c_str(), 0755) == 0);
        const std::string files[] = {odd + "/one.txt", odd + "/two\xff.txt"};
        for (const std::string& file : files)
            QVERIFY(::close(::creat(file.c_str(), 0644)) == 0);
        const auto remove = qScopeGuard([&] {
            for (const std::string& file : files)
                ::unlink(file.c_str());
            ::rmdir(odd.c_str());
        });
        const CommandLine::Result command = ParseBytes({"--search", odd});
        QVERIFY2(command.run, qPrintable(command.error));
        const QString shown = m_tree.path() + QStringLiteral("/caf\uFFFD");
        QString proposed;
        Seams::SetDialogRunner([&](QDialog& dialog) {
            if (auto* parameters = qobject_cast<CDlgSearchParameters*>(&dialog))
                proposed = parameters->PathEdit()->text();
            dialog.accept();
            return int(QDialog::Accepted);
        });
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance(command.options));
            QSignalSpy finished(app.MainFrame()->View(), &CPendrakeView::searchFinished);
            QVERIFY(finished.wait(20000));
            QCOMPARE(app.Document().SelectedFolder(), command.options.folder);
            QCOMPARE(app.MainFrame()->Tree()->GetItemPath(), m_tree.path());
            QCOMPARE(app.MainFrame()->FolderPane()->text(), shown);
            QCOMPARE(proposed, shown);
            QCOMPARE(app.MainFrame()->View()->FileModel().rowCount(), 2);
        }
        // Stored in a form a settings file keeps, it is the folder chosen last at the next start.
        QString stored;
        CSettingsSection().ReadLastFolderSelected(stored);
        QCOMPARE(QString::fromUtf8(stored.toUtf8()), stored);
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance({}));
            QCOMPARE(app.Document().SelectedFolder(), command.options.folder);
            QTest::qWait(100);
            QCOMPARE(app.Document().SelectedFolder(), command.options.folder);
        }
        Seams::SetDialogRunner({});
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestCommandLine)

#include "tst_commandline.moc"
