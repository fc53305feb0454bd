// The desktop services through the real trash and file system, with launches and message boxes
// answered by the test, and no file manager on the session bus.
#include "support/TestSupport.h"
#include "view/PropertiesDialog.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include <QApplication>
#include <QDBusConnection>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace fs = std::filesystem;
using Shell::Launch;
using Shell::PropertiesDialog;

namespace {

// A session bus address that leads nowhere, set before the application object exists, so that no
// file manager of the machine running the tests answers.
[[maybe_unused]] const bool kNoSessionBus =
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tresmolo-test-bus", 1) == 0;

// Files and names are handled as raw bytes: Qt would blur names that are not UTF-8.
std::string Native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
bool Exists(const std::string& path)
{
    return fs::symlink_status(path).type() != fs::file_type::not_found;
}
void Touch(const std::string& path, const char* content = "")
{
    std::ofstream(path, std::ios::binary) << content;
}
std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

// Sets, or with a null value removes, an environment variable for one scope.
struct EnvironmentGuard
{
    EnvironmentGuard(const char* name, const char* value) : name(name), had(qEnvironmentVariableIsSet(name))
    {
        saved = qgetenv(name);
        value ? qputenv(name, value) : qunsetenv(name);
    }
    ~EnvironmentGuard() { had ? qputenv(name, saved) : qunsetenv(name); }
    const char* name;
    bool had;
    QByteArray saved;
};

} // namespace

class TestShellServices : public QObject
{
    Q_OBJECT
public:
    explicit TestShellServices(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    std::vector<Launch> m_launches;
    std::vector<Seams::MessageBoxCall> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;

    std::string TrashFiles() const { return Native(m_home.DataHome()) + "/Trash/files"; }

    // A folder of executables with the given names, for PATH to hold alone.
    std::string FakePrograms(const QTemporaryDir& dir, std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            Touch(Native(dir.path()) + "/" + name, "#!/bin/sh\n");
            fs::permissions(Native(dir.path()) + "/" + name, fs::perms(0755));
        }
        return Native(dir.path());
    }

    // The one launch made since the last call, compared in full.
    void ExpectLaunch(const Launch& expected)
    {
        QCOMPARE(m_launches.size(), size_t(1));
        const Launch& made = m_launches.front();
        QVERIFY2(made.program == expected.program && made.arguments == expected.arguments &&
                     made.workingFolder == expected.workingFolder,
                 made.program.c_str());
        m_launches.clear();
    }

private slots:
    void initTestCase() { QVERIFY(!QDBusConnection::sessionBus().isConnected()); }

    void init()
    {
        m_launches.clear();
        m_boxes.clear();
        m_answer = QMessageBox::Yes;
        Shell::SetLauncher([this](const Launch& launch) {
            m_launches.push_back(launch);
            return true;
        });
        Seams::SetMessageBoxHandler([this](const Seams::MessageBoxCall& call) {
            m_boxes.push_back(call);
            return call.icon == QMessageBox::Question ? m_answer : QMessageBox::Ok;
        });
    }

    void cleanup()
    {
        Shell::SetLauncher({});
        Seams::SetMessageBoxHandler({});
    }

    void cleanupTestCase() { RemoveTree(m_home.DataHome() + QStringLiteral("/Trash")); }

    void trashAnsweredNoMovesNothing()
    {
        QTemporaryDir dir;
        const std::string a = Native(dir.path()) + "/a.txt", b = Native(dir.path()) + "/b.txt";
        Touch(a);
        Touch(b);
        m_answer = QMessageBox::No;
        QVERIFY(!Shell::SendToTrash(nullptr, {a}));
        QVERIFY(!Shell::SendToTrash(nullptr, {a, b}));
        QVERIFY(Exists(a) && Exists(b));

        QCOMPARE(m_boxes.size(), size_t(2));
        QCOMPARE(m_boxes[0].text, QStringLiteral("Do you want to move \"a.txt\" to the trash?"));
        QCOMPARE(m_boxes[1].text, QStringLiteral("Do you want to move these 2 items to the trash?"));
        for (const auto& box : m_boxes) {
            QCOMPARE(box.icon, QMessageBox::Question);
            QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(box.caption, QCoreApplication::applicationName());
        }
    }

    void trashAnsweredYesMovesEverything()
    {
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        Touch(root + "/keep me.txt", "one");
        Touch(root + "/odd\xff.txt", "two");
        fs::create_directory(root + "/folder");
        Touch(root + "/folder/inside.txt", "three");
        // The folder's file is listed too, after the folder: it went with it and is no failure.
        QVERIFY(Shell::SendToTrash(nullptr, {root + "/keep me.txt", root + "/odd\xff.txt", root + "/folder/",
                                             root + "/folder/inside.txt"}));
        QCOMPARE(m_boxes.size(), size_t(1)); // the question only
        QVERIFY(fs::is_empty(root));
        QCOMPARE(ReadAll(TrashFiles() + "/keep me.txt"), std::string("one"));
        QCOMPARE(ReadAll(TrashFiles() + "/odd\xff.txt"), std::string("two"));
        QCOMPARE(ReadAll(TrashFiles() + "/folder/inside.txt"), std::string("three"));
    }

    void aMissingItemIsNamedAndTheOthersStillGo()
    {
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        Touch(root + "/first.txt");
        Touch(root + "/last.txt");
        QVERIFY(
            !Shell::SendToTrash(nullptr, {root + "/first.txt", root + "/missing.txt", root + "/last.txt"}));
        QVERIFY(fs::is_empty(root));
        QCOMPARE(m_boxes.size(), size_t(2));
        const Seams::MessageBoxCall& warning = m_boxes.back();
        QCOMPARE(warning.icon, QMessageBox::Warning);
        QVERIFY2(warning.text.contains(
                     QString::fromStdString("\"" + root + "/missing.txt\": No such file or directory")),
                 qPrintable(warning.text));
        QVERIFY(!warning.text.contains(QStringLiteral("first.txt")));
        QVERIFY(!warning.text.contains(QStringLiteral("last.txt")));
    }

    void manyItemsShowProgressAndCancelStops()
    {
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        std::vector<std::string> paths;
        for (int i = 0; i < 25; ++i) {
            paths.push_back(root + "/many-" + std::to_string(100 + i));
            Touch(paths.back());
        }
        // Once the progress window is up, Cancel is pressed when it reaches the sixth item.
        QWidget owner;
        bool sawProgress = false;
        QTimer::singleShot(0, &owner, [&] {
            auto* progress = owner.findChild<QProgressDialog*>();
            auto* bar = progress ? progress->findChild<QProgressBar*>() : nullptr;
            if (!bar)
                return;
            sawProgress = progress->isVisible();
            connect(bar, &QProgressBar::valueChanged, progress, [progress](int value) {
                if (value == 5)
                    QMetaObject::invokeMethod(progress, &QProgressDialog::cancel, Qt::QueuedConnection);
            });
        });
        QVERIFY(!Shell::SendToTrash(&owner, paths));
        QVERIFY(sawProgress);
        QCOMPARE(m_boxes.size(), size_t(1)); // cancelling is no failure to report
        for (size_t i = 0; i < paths.size(); ++i)
            QCOMPARE(Exists(paths[i]), i >= 5);
        for (int i = 0; i < 5; ++i)
            QVERIFY(Exists(TrashFiles() + "/many-" + std::to_string(100 + i)));
        QVERIFY(!owner.findChild<QProgressDialog*>());
    }

    void launchesGoToTheDefaultHandler()
    {
        QTemporaryDir bin, dir;
        const std::string root = Native(dir.path());
        fs::create_directory(root + "/sub");
        Touch(root + "/sub/odd \xfe.txt");
        EnvironmentGuard path("PATH", FakePrograms(bin, {"xdg-open", "gio"}).c_str());

        Shell::Open(root + "/sub/odd \xfe.txt");
        ExpectLaunch({"xdg-open", {root + "/sub/odd \xfe.txt"}, {}});
        Shell::OpenTrashView();
        ExpectLaunch({"xdg-open", {"trash:///"}, {}});
        // No file manager answers: the folder opens instead, with or without a trailing "/".
        Shell::ShowItemSelected(root + "/sub/odd \xfe.txt");
        ExpectLaunch({"xdg-open", {root + "/sub"}, {}});
        Shell::ShowItemSelected(root + "/sub/");
        ExpectLaunch({"xdg-open", {root}, {}});
        Shell::ShowItemSelected(root + "/sub/missing.txt");
        QVERIFY(m_launches.empty());

        // Without xdg-utils, GLib's gio opens.
        QVERIFY(fs::remove(Native(bin.path()) + "/xdg-open"));
        Shell::Open(root);
        ExpectLaunch({"gio", {"open", root}, {}});
        fs::remove(root + "/sub/odd \xfe.txt"); // QTemporaryDir cannot remove it
    }

    // Our desktop entry lists inode/directory, so it may be chosen for folders: a folder then opens in
    // the next program that opens folders, never in this one, or the user is told there is none.
    void foldersNeverOpenInThisProgram()
    {
        QTemporaryDir bin, xdg, dir;
        const std::string root = Native(xdg.path()), folder = Native(dir.path());
        Touch(folder + "/file.txt");
        EnvironmentGuard path("PATH", FakePrograms(bin, {"xdg-open", "tresmolo", "fake-fm"}).c_str());
        EnvironmentGuard dataHome("XDG_DATA_HOME", (root + "/data").c_str());
        EnvironmentGuard configHome("XDG_CONFIG_HOME", (root + "/config").c_str());
        EnvironmentGuard dataDirs("XDG_DATA_DIRS", (root + "/system").c_str());
        EnvironmentGuard configDirs("XDG_CONFIG_DIRS", (root + "/system").c_str());
        EnvironmentGuard desktop("XDG_CURRENT_DESKTOP", "Test");
        fs::create_directories(root + "/data/applications/files");
        fs::create_directories(root + "/config");
        const auto entry = [&](const std::string& file, const std::string& exec) {
            Touch(root + "/data/applications/" + file,
                  ("[Desktop Entry]\nType=Application\nName=Some Name\nIcon=folder-icon\nExec=" + exec +
                   "\nMimeType=text/plain;inode/directory;\n")
                      .c_str());
        };
        const auto defaultFor = [&](const std::string& list, const std::string& id) {
            Touch(root + "/config/" + list,
                  ("[Default Applications]\ninode/directory=" + id + ";\n").c_str());
        };
        entry("org.tresmolo.Tresmolo.desktop", "tresmolo %f");
        entry("files/fake.desktop", "\"fake-fm\" --new-window %i %U");
        const Launch fileManager{
            "fake-fm", {"--new-window", "--icon", "folder-icon", Shell::FileUri(folder).toStdString()}, {}};

        defaultFor("mimeapps.list", "org.tresmolo.Tresmolo.desktop");
        Shell::Open(folder);
        ExpectLaunch(fileManager);
        Shell::ShowItemSelected(folder + "/file.txt");
        ExpectLaunch(fileManager);
        Shell::Open(folder + "/file.txt"); // a file still goes to its default handler
        ExpectLaunch({"xdg-open", {folder + "/file.txt"}, {}});

        // Another file manager named as the default, here by the desktop's own list, opens as before.
        defaultFor("test-mimeapps.list", "files-fake.desktop");
        Shell::Open(folder);
        ExpectLaunch({"xdg-open", {folder}, {}});
        fs::remove(root + "/config/test-mimeapps.list");

        // No default, and a copy of our entry under another name, running this very program.
        fs::remove(root + "/config/mimeapps.list");
        entry("a-copy.desktop", Native(QCoreApplication::applicationFilePath()) + " %f");
        Shell::Open(folder);
        ExpectLaunch(fileManager);

        // Nothing else opens folders: the user is told, and nothing starts.
        fs::remove(root + "/data/applications/files/fake.desktop");
        Shell::Open(folder);
        QVERIFY(m_launches.empty());
        QCOMPARE(m_boxes.size(), size_t(1));
        QCOMPARE(m_boxes.front().icon, QMessageBox::Warning);
        QVERIFY(m_boxes.front().text.startsWith(QStringLiteral("No file manager was found")));
    }

    void terminalFollowsTheUsersChoiceThenTheKnownOnes()
    {
        QTemporaryDir bin, dir;
        const std::string folder = Native(dir.path());
        EnvironmentGuard path("PATH", FakePrograms(bin, {"my-term", "konsole", "xterm"}).c_str());
        {
            EnvironmentGuard terminal("TERMINAL", "my-term");
            Shell::OpenTerminal(folder);
            ExpectLaunch({"my-term", {}, folder});
        }
        {
            EnvironmentGuard terminal("TERMINAL", "not-installed");
            Shell::OpenTerminal(folder);
            ExpectLaunch({"konsole", {}, folder});
        }
        EnvironmentGuard terminal("TERMINAL", nullptr);
        QVERIFY(fs::remove(Native(bin.path()) + "/konsole"));
        Shell::OpenTerminal(folder);
        ExpectLaunch({"xterm", {}, folder});

        QVERIFY(fs::remove(Native(bin.path()) + "/xterm"));
        Shell::OpenTerminal(folder);
        QVERIFY(m_launches.empty());
        QCOMPARE(m_boxes.size(), size_t(1));
        QCOMPARE(m_boxes.front().icon, QMessageBox::Warning);
    }

    void ourPropertiesWhenNoFileManagerAnswers()
    {
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        Touch(root + "/notes.txt", "hello");
        fs::permissions(root + "/notes.txt", fs::perms(0640));
        fs::create_symlink("notes.txt", root + "/link");
        fs::create_directory(root + "/sub");

        QWidget owner;
        const auto show = [&owner](const std::string& path) {
            Shell::ShowProperties(&owner, path);
            PropertiesDialog* dialog = nullptr;
            const bool shown =
                QTest::qWaitFor([&] { return (dialog = owner.findChild<PropertiesDialog*>()) != nullptr; });
            return shown ? dialog : nullptr;
        };
        PropertiesDialog* file = show(root + "/notes.txt");
        QVERIFY(file);
        QVERIFY(file->isVisible());
        QVERIFY(!file->isModal());
        QCOMPARE(file->Text(PropertiesDialog::Field::Name), QStringLiteral("notes.txt"));
        QCOMPARE(file->Text(PropertiesDialog::Field::Folder), dir.path());
        QCOMPARE(file->Text(PropertiesDialog::Field::Type), QStringLiteral("File"));
        QCOMPARE(file->Text(PropertiesDialog::Field::Size), QStringLiteral("5 bytes"));
        QCOMPARE(file->Text(PropertiesDialog::Field::Permissions), QStringLiteral("rw-r-----"));
        QVERIFY(!file->Text(PropertiesDialog::Field::Owner).isEmpty());
        QVERIFY(!file->Text(PropertiesDialog::Field::Modified).isEmpty());
        delete file;

        PropertiesDialog* link = show(root + "/link");
        QVERIFY(link);
        QCOMPARE(link->Text(PropertiesDialog::Field::Type), QStringLiteral("Link"));
        QCOMPARE(link->Text(PropertiesDialog::Field::Target), QStringLiteral("notes.txt"));
        delete link;

        PropertiesDialog* folder = show(root + "/sub/");
        QVERIFY(folder);
        QCOMPARE(folder->Text(PropertiesDialog::Field::Name), QStringLiteral("sub"));
        QCOMPARE(folder->Text(PropertiesDialog::Field::Type), QStringLiteral("Folder"));
        QVERIFY(folder->Text(PropertiesDialog::Field::Size).isEmpty());
        delete folder;

        Shell::ShowProperties(&owner, root + "/missing");
        QCoreApplication::processEvents();
        QVERIFY(!owner.findChild<PropertiesDialog*>());
    }

    void permissionTexts()
    {
        QCOMPARE(PropertiesDialog::PermissionText(0755), QStringLiteral("rwxr-xr-x"));
        QCOMPARE(PropertiesDialog::PermissionText(0), QStringLiteral("---------"));
        QCOMPARE(PropertiesDialog::PermissionText(04755), QStringLiteral("rwsr-xr-x"));
        QCOMPARE(PropertiesDialog::PermissionText(04644), QStringLiteral("rwSr--r--"));
        QCOMPARE(PropertiesDialog::PermissionText(02750), QStringLiteral("rwxr-s---"));
        QCOMPARE(PropertiesDialog::PermissionText(01777), QStringLiteral("rwxrwxrwt"));
        QCOMPARE(PropertiesDialog::PermissionText(01666), QStringLiteral("rw-rw-rwT"));
    }

    void fileUrisEncodeTheBytes()
    {
        QCOMPARE(Shell::FileUri("/tmp/a b/bad\xff.txt"), QStringLiteral("file:///tmp/a%20b/bad%FF.txt"));
        QCOMPARE(Shell::FileUri("/\xc3\xbc/100%/#?"), QStringLiteral("file:///%C3%BC/100%25/%23%3F"));
        QCOMPARE(Shell::FileUri("/keep-._~/AZaz09"), QStringLiteral("file:///keep-._~/AZaz09"));
        QCOMPARE(Shell::FileUri("/"), QStringLiteral("file:///"));
    }

    void startDetachedRunsTheProgramForReal()
    {
        Shell::SetLauncher({});
        QTemporaryDir dir;
        const std::string root = Native(dir.path());
        // Arguments reach the program as they are: bytes that are not UTF-8, and no shell expansion.
        QVERIFY(Shell::StartDetached({"touch", {root + "/made\xff", root + "/$(echo x)"}, {}}));
        QTRY_VERIFY(Exists(root + "/made\xff") && Exists(root + "/$(echo x)"));
        fs::remove(root + "/made\xff");

        QVERIFY(Shell::StartDetached({"sh", {"-c", "pwd > here.tmp && mv here.tmp here.txt"}, root}));
        QTRY_VERIFY(Exists(root + "/here.txt"));
        QCOMPARE(ReadAll(root + "/here.txt"), root + "\n");

        QVERIFY(!Shell::StartDetached({"no-such-program-here", {}, {}}));
        QVERIFY(!Shell::StartDetached({"true", {}, root + "/no-such-folder"}));
        // The program is a grandchild: no child of ours is left to reap.
        int status;
        QCOMPARE(::waitpid(-1, &status, WNOHANG), pid_t(-1));
        QCOMPARE(errno, ECHILD);
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestShellServices)
#include "tst_shellservices.moc"
