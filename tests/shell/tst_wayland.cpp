// The program under a real Wayland compositor: weston with its X11 back end inside a private Xvfb
// gives a seat, and xdotool types and moves the pointer there. The window's size and maximised state
// come back without a place and without a word printed; menus, the Style drop-down, a folded panel's
// menu, dialogs and message boxes open from the keyboard; a folder dragged out of a list and dropped on
// the window is selected. Skipped when weston, Xvfb, xdotool or Qt's Wayland plugin is missing.
#include "platform/SettingsStore.h"
#include "shell/FolderTree.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "shell/Ribbon.h"
#include "shell/VisualStyles.h"
#include "shell/WindowPlacement.h"
#include "support/TestSupport.h"
#include "view/DlgSearchParameters.h"
#include "view/PendrakeView.h"
#include "view/ResultList.h"
#include "view/Seams.h"

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using Settings::Key;

namespace {

// Xvfb and weston on it, for the life of the test program.
class WaylandSession
{
public:
    // `shell`: weston's desktop-shell.so (windows of any size, a panel) or kiosk-shell.so (every
    // window fills the screen).
    explicit WaylandSession(const QString& shell) : m_shell(shell)
    {
        for (const char* program : {"weston", "Xvfb", "xdotool"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {
                m_reason = QStringLiteral("%1 is not installed").arg(QLatin1String(program));
                return;
            }
        const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                               QStringLiteral("/platforms/libqwayland-generic.so");
        if (!QFile::exists(plugin)) {
            m_reason = QStringLiteral("Qt's Wayland plugin is not installed (qt6-wayland)");
            return;
        }
        char runtime[] = "/tmp/tresmolo-wayland-XXXXXX";
        if (!::mkdtemp(runtime)) {
            m_reason = QStringLiteral("no runtime folder");
            return;
        }
        m_runtime = QString::fromLocal8Bit(runtime);
        if (!StartXvfb() || !StartWeston())
            return;
        qputenv("XDG_RUNTIME_DIR", m_runtime.toLocal8Bit());
        qputenv("WAYLAND_DISPLAY", m_socket.toLocal8Bit());
        qputenv("DISPLAY", m_display.toLocal8Bit()); // for xdotool, which drives weston's window
        qputenv("QT_QPA_PLATFORM", "wayland");
        qunsetenv("QT_WAYLAND_DISABLE_WINDOWDECORATION");
        m_ready = true;
    }

    ~WaylandSession()
    {
        for (pid_t pid : {m_weston, m_xvfb}) {
            if (pid > 0) {
                ::kill(pid, SIGTERM);
                ::waitpid(pid, nullptr, 0);
            }
        }
        if (!m_runtime.isEmpty())
            RemoveTree(m_runtime);
    }

    bool Ready() const { return m_ready; }
    bool Kiosk() const { return m_shell == QLatin1String("kiosk-shell.so"); }
    QString Reason() const { return m_reason; }
    QString Log() const
    {
        QFile log(m_runtime + QStringLiteral("/weston.log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(2000)) : QString();
    }

private:
    // Starts a program with its output in `logFile` and `keepFd` as its descriptor 3. It ends with
    // this program, also when this one is killed (a test that runs too long).
    pid_t Spawn(const QStringList& arguments, int keepFd, const QString& logFile)
    {
        std::vector<QByteArray> bytes;
        for (const QString& argument : arguments)
            bytes.push_back(argument.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);
        const QByteArray log = logFile.toLocal8Bit();
        const pid_t parent = ::getpid();
        const pid_t pid = ::fork();
        if (pid != 0)
            return pid;
        // The child: only calls that are safe after fork.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(127);
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(log.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (in < 0 || out < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 || ::dup2(out, 2) < 0)
            ::_exit(127);
        if (keepFd >= 0 && ::dup2(keepFd, 3) < 0)
            ::_exit(127);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }

    bool StartXvfb()
    {
        int pipe[2];
        if (::pipe(pipe) != 0) {
            m_reason = QStringLiteral("no pipe");
            return false;
        }
        m_xvfb = Spawn({QStringLiteral("Xvfb"), QStringLiteral("-displayfd"), QStringLiteral("3"),
                        QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1600x1000x24"),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")},
                       pipe[1], m_runtime + QStringLiteral("/xvfb.log"));
        ::close(pipe[1]);
        QByteArray number;
        pollfd wait{pipe[0], POLLIN, 0};
        while (m_xvfb > 0 && !number.contains('\n') && ::poll(&wait, 1, 10000) > 0) {
            char c[16];
            const ssize_t n = ::read(pipe[0], c, sizeof c);
            if (n <= 0)
                break;
            number.append(c, n);
        }
        ::close(pipe[0]);
        if (number.trimmed().isEmpty()) {
            m_reason = QStringLiteral("Xvfb did not start");
            return false;
        }
        m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        return true;
    }

    bool StartWeston()
    {
        m_socket = QStringLiteral("tresmolo-test-%1").arg(::getpid());
        qputenv("DISPLAY", m_display.toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_runtime.toLocal8Bit());
        // The pointer starts outside weston's window (1400 x 900 of the 1600 x 1000 screen), so its
        // first move into the window is a proper entry.
        const pid_t warp = Spawn({QStringLiteral("xdotool"), QStringLiteral("mousemove"),
                                  QStringLiteral("1590"), QStringLiteral("990")},
                                 -1, m_runtime + QStringLiteral("/xdotool.log"));
        if (warp > 0)
            ::waitpid(warp, nullptr, 0);
        m_weston = Spawn({QStringLiteral("weston"), QStringLiteral("--backend=x11-backend.so"),
                          QStringLiteral("--socket=") + m_socket, QStringLiteral("--use-pixman"),
                          QStringLiteral("--no-config"), QStringLiteral("--width=1400"),
                          QStringLiteral("--height=900"), QStringLiteral("--idle-time=0"),
                          QStringLiteral("--shell=") + m_shell},
                         -1, m_runtime + QStringLiteral("/weston.log"));
        const QString socket = m_runtime + QLatin1Char('/') + m_socket;
        for (int i = 0; i < 200 && m_weston > 0 && !QFile::exists(socket); ++i)
            ::usleep(50000);
        if (!QFile::exists(socket)) {
            m_reason = QStringLiteral("weston did not start: ") + Log();
            return false;
        }
        ::usleep(500000); // the shell's own clients (panel, background) map first
        return true;
    }

    QString m_shell;
    bool m_ready = false;
    QString m_reason;
    QString m_runtime;
    QString m_display;
    QString m_socket;
    pid_t m_xvfb = -1;
    pid_t m_weston = -1;
};

// Every message Qt or the program prints from warnings up, while a test looks.
QStringList g_printed;
QtMessageHandler g_previous = nullptr;

void Catch(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_printed << text;
    if (g_previous)
        g_previous(type, context, text);
}

// Presses keys on weston's seat ("alt+f", "Escape", ...) while the program goes on handling events,
// as it does while a person types (a program held up meanwhile would see a key's press and release
// together, which no typing gives); returns when they are typed. Safe inside a menu's or dialog's loop.
void Keys(const QStringList& keys)
{
    QProcess typing;
    QEventLoop typed;
    QObject::connect(&typing, &QProcess::finished, &typed, &QEventLoop::quit);
    QObject::connect(&typing, &QProcess::errorOccurred, &typed, &QEventLoop::quit);
    QTimer::singleShot(10000, &typed, &QEventLoop::quit);
    typing.start(QStringLiteral("xdotool"),
                 QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80")} + keys);
    typed.exec();
}

// Presses `keys` until `done` holds, looking again a while after each press: a key pressed just as a
// popup takes the keyboard may go to the window it leaves. Stops when `context` goes. Safe inside a
// menu's or dialog's loop.
void PressUntil(QObject* context, const QStringList& keys, const std::function<bool()>& done, int tries = 20)
{
    if (done() || tries == 0)
        return;
    Keys(keys);
    QTimer::singleShot(500, context,
                       [context, keys, done, tries] { PressUntil(context, keys, done, tries - 1); });
}

// Runs `action` once `ready` holds, from the event loop (also inside a menu's or dialog's loop);
// forgotten when `context` goes.
void When(QObject* context, std::function<bool()> ready, std::function<void()> action)
{
    auto* poll = new QTimer(context);
    poll->setInterval(50);
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, ready = std::move(ready), action = std::move(action)] {
                         if (!ready())
                             return;
                         poll->stop();
                         poll->deleteLater();
                         action();
                     });
    poll->start();
}

} // namespace

class TestWayland : public QObject
{
    Q_OBJECT
public:
    TestWayland(const TestHome& home, const WaylandSession& session) : m_home(home), m_session(session) {}

private:
    const TestHome& m_home;
    const WaylandSession& m_session;
    CSettingsSection m_settings;
    QTemporaryDir m_tree;

    QByteArray StoredGeometry() const
    {
        return QByteArray::fromBase64(
            platform::GetProfileString(QStringLiteral("Workspace"), QStringLiteral("WindowGeometry"), {})
                .toLatin1());
    }

    // The program, shown, with the keyboard's focus from the compositor.
    static bool Start(CPendrakeApp& app)
    {
        if (!app.InitInstance() || !QTest::qWaitForWindowExposed(app.MainFrame(), 10000))
            return false;
        QDeadlineTimer deadline(10000);
        while (!app.MainFrame()->isActiveWindow() && !deadline.hasExpired())
            QTest::qWait(20);
        return app.MainFrame()->isActiveWindow();
    }

private slots:
    void initTestCase()
    {
        if (!m_session.Ready())
            QSKIP(qPrintable(m_session.Reason()));
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY(WindowPlacement::CompositorPlaces());
        MakeTree(m_tree.path(), {QStringLiteral("a.txt"), QStringLiteral("sub/b.txt")});
        g_previous = qInstallMessageHandler(Catch);
    }
    void init()
    {
        m_home.ClearSettings();
        g_printed.clear();
        Seams::SetDialogRunner(nullptr);
        Seams::SetMessageBoxHandler(nullptr);
    }
    void cleanup() { QVERIFY2(g_printed.isEmpty(), qPrintable(g_printed.join(QLatin1Char('\n')))); }
    void cleanupTestCase() { qInstallMessageHandler(g_previous); }

    // A folder dragged from the folder list with the seat's pointer and dropped on the window is
    // selected in the tree, as one dropped from a file manager is. It runs under weston's kiosk shell:
    // under its desktop shell, weston 10 inside Xvfb at times sends a window no pointer events at all.
    void aFolderDraggedOutAndDroppedInIsSelected()
    {
        if (!m_session.Kiosk())
            QSKIP("runs under the kiosk shell (ctest's tst_wayland_pointer)");
        m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        Seams::SetDialogRunner([](QDialog& dialog) {
            dialog.accept();
            return int(QDialog::Accepted);
        });
        CPendrakeApp app;
        QVERIFY(Start(app));
        CMainFrame* frame = app.MainFrame();
        frame->showMaximized();
        QTRY_VERIFY(frame->isMaximized());
        QVERIFY(frame->Tree()->SelectPath(m_tree.path()));
        QTRY_COMPARE(app.Document().SelectedFolder(), m_tree.path());
        QSignalSpy finished(frame->View(), &CPendrakeView::searchFinished);
        frame->Action(Commands::StartSearch)->trigger();
        QVERIFY(finished.wait(20000));
        ResultList* folders = frame->View()->FolderList();
        const QString sub = m_tree.path() + QStringLiteral("/sub");
        int row = -1;
        for (int r = 0; r < folders->model()->rowCount(); ++r)
            if (folders->model()->index(r, 1).data().toString() == sub)
                row = r;
        QVERIFY(row >= 0);

        // Where the seat's pointer lands in the program's coordinates: the compositor, not the program,
        // knows where the window is.
        struct PointerSeen : QObject
        {
            std::optional<QPoint> at;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::MouseMove)
                    at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
                return false;
            }
        } seen;
        qApp->installEventFilter(&seen);
        // The first moves may come before the compositor has given the window the pointer: move
        // until one arrives, then once more to a known point.
        const auto moveTo = [](const QPoint& at) {
            QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"),
                                                          QString::number(at.x()), QString::number(at.y())});
        };
        for (int i = 0; i < 50 && !seen.at; ++i) {
            moveTo(QPoint(700 + i % 2, 450));
            QTest::qWait(100);
        }
        QVERIFY(seen.at.has_value());
        seen.at.reset();
        const QPoint probe(720, 470);
        moveTo(probe);
        QTRY_VERIFY(seen.at.has_value());
        qApp->removeEventFilter(&seen);
        const QPoint offset = probe - *seen.at;
        const QPoint from =
            folders->viewport()->mapToGlobal(folders->visualRect(folders->model()->index(row, 1)).center()) +
            offset;
        const QPoint to =
            frame->Tree()->viewport()->mapToGlobal(frame->Tree()->viewport()->rect().center()) + offset;
        QStringList steps = {QStringLiteral("mousemove"), QString::number(from.x()),
                             QString::number(from.y()), QStringLiteral("mousedown"), QStringLiteral("1")};
        for (int i = 1; i <= 10; ++i) {
            const QPoint at = from + (to - from) * i / 10;
            steps << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mousemove")
                  << QString::number(at.x()) << QString::number(at.y());
        }
        steps << QStringLiteral("sleep") << QStringLiteral("0.2") << QStringLiteral("mouseup")
              << QStringLiteral("1");
        QProcess drag;
        drag.start(QStringLiteral("xdotool"), steps);
        QTRY_COMPARE_WITH_TIMEOUT(app.Document().SelectedFolder(), sub, 10000);
        QTRY_COMPARE(drag.state(), QProcess::NotRunning);
    }

    // The first window fits the screen; later ones come back at their size, maximised or not,
    // with nothing printed about places.
    void sizeAndMaximisedStateComeBack()
    {
        if (m_session.Kiosk())
            QSKIP("the kiosk shell decides every window's size");
        const QSize changed(900, 650);
        {
            CPendrakeApp app;
            QVERIFY(Start(app));
            CMainFrame* frame = app.MainFrame();
            const QRect available = frame->screen()->availableGeometry();
            QCOMPARE(frame->size(), WindowPlacement::FirstGeometry(available).size());
            QVERIFY(!frame->isMaximized());
            frame->resize(changed);
            QTRY_COMPARE(frame->size(), changed);
            frame->close();
        }
        QCOMPARE(WindowPlacement::Read(StoredGeometry())->normal.size(), changed);
        {
            CPendrakeApp app;
            QVERIFY(Start(app));
            CMainFrame* frame = app.MainFrame();
            QCOMPARE(frame->size(), changed);
            frame->showMaximized();
            QTRY_VERIFY(frame->isMaximized());
            QTRY_VERIFY(frame->width() > changed.width());
            frame->close();
        }
        const std::optional<WindowPlacement::Stored> stored = WindowPlacement::Read(StoredGeometry());
        QVERIFY(stored && stored->maximized);
        QCOMPARE(stored->normal.size(), changed);
        {
            CPendrakeApp app;
            QVERIFY(Start(app));
            CMainFrame* frame = app.MainFrame();
            QTRY_VERIFY(frame->isMaximized());
            frame->showNormal();
            QTRY_COMPARE(frame->size(), changed);
            frame->close();
        }
        QVERIFY(!WindowPlacement::Read(StoredGeometry())->maximized);
    }

    // Menus, drop-downs, dialogs and message boxes open and close from the seat's keyboard.
    void popupsAndDialogsFromTheKeyboard()
    {
        if (m_session.Kiosk())
            QSKIP("runs under the desktop shell (ctest's tst_wayland)");
        CPendrakeApp app;
        QVERIFY(Start(app));
        CMainFrame* frame = app.MainFrame();
        CRibbonBar* ribbon = frame->Ribbon();

        Keys({QStringLiteral("alt+f")});
        QMenu* appMenu = ribbon->ApplicationMenu();
        QTRY_COMPARE(QApplication::activePopupWidget(), appMenu);
        PressUntil(appMenu, {QStringLiteral("Escape")}, [appMenu] { return !appMenu->isVisible(); });
        QTRY_VERIFY(!QApplication::activePopupWidget());

        // The Style drop-down opens from the keys and its first scheme is chosen with them; its menu
        // runs a loop of its own, so what it shows is looked at from there.
        bool styleShown = false;
        QMenu* styles = ribbon->StyleButton()->menu();
        When(
            styles, [styles] { return QApplication::activePopupWidget() == styles; },
            [&styleShown, styles] {
                styleShown = true;
                PressUntil(styles, {QStringLiteral("Down")},
                           [styles] { return styles->activeAction() != nullptr; });
                When(
                    styles, [styles] { return styles->activeAction() == styles->actions().first(); },
                    [styles] {
                        PressUntil(styles, {QStringLiteral("Return")},
                                   [styles] { return !styles->isVisible(); });
                    });
            });
        ribbon->StyleButton()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(ribbon->StyleButton()->hasFocus());
        Keys({QStringLiteral("space")});
        QTRY_VERIFY(styleShown);
        QTRY_COMPARE(VisualStyles::AppliedLook(), int(VisualStyles::Office2007Blue));
        QTRY_VERIFY(!QApplication::activePopupWidget());

        // A folded panel's menu.
        frame->resize(700, 600);
        QTRY_VERIFY(!ribbon->CollapsedPanels().isEmpty());
        QToolButton* folded = ribbon->PanelButton(ribbon->CollapsedPanels().first());
        QMenu* foldedMenu = folded->menu();
        bool foldedShown = false;
        When(
            foldedMenu, [foldedMenu] { return QApplication::activePopupWidget() == foldedMenu; },
            [&foldedShown, foldedMenu] {
                foldedShown = true;
                PressUntil(foldedMenu, {QStringLiteral("Escape")},
                           [foldedMenu] { return !foldedMenu->isVisible(); });
            });
        folded->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(folded->hasFocus());
        Keys({QStringLiteral("space")});
        QTRY_VERIFY(foldedShown);
        QTRY_VERIFY(!QApplication::activePopupWidget());

        // F9 opens the search dialog, modal over the window; Escape closes it without a search.
        bool dialogShown = false;
        When(
            frame,
            [] { return qobject_cast<CDlgSearchParameters*>(QApplication::activeModalWidget()) != nullptr; },
            [&dialogShown] {
                QWidget* dialog = QApplication::activeModalWidget();
                dialogShown = dialog->isVisible();
                PressUntil(dialog, {QStringLiteral("Escape")}, [dialog] { return !dialog->isVisible(); });
            });
        frame->View()->FileList()->setFocus();
        Keys({QStringLiteral("F9")});
        QTRY_VERIFY(dialogShown);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(!frame->View()->IsSearching());

        // A message box answers with the key pressed on it: Y for Yes (Escape would give No).
        When(
            frame, [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
            [] {
                QWidget* box = QApplication::activeModalWidget();
                PressUntil(box, {QStringLiteral("y")}, [box] { return !box->isVisible(); });
            });
        QCOMPARE(Seams::MessageBox(frame, QStringLiteral("Question"), QString(), QMessageBox::Question,
                                   QMessageBox::Yes | QMessageBox::No),
                 QMessageBox::Yes);
    }
};

int main(int argc, char** argv)
{
    TestHome home;
    // One compositor per program: ctest runs this program twice, the second time under the kiosk
    // shell (TRESMOLO_WESTON_SHELL=kiosk-shell.so) for the pointer's test.
    WaylandSession session(qEnvironmentVariable("TRESMOLO_WESTON_SHELL", QStringLiteral("desktop-shell.so")));
    if (!session.Ready())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestWayland test(home, session);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland.moc"
