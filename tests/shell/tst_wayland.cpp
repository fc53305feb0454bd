// The program under a real Wayland compositor: wayland-session.sh runs it under weston with its X11
// back end inside a private Xvfb, which gives a seat; xdotool types and moves the pointer there. The window's
// size and maximised state come back without a place and without a word printed; menus, the Style drop-down,
// a folded panel's menu, dialogs and message boxes open from the keyboard; a folder dragged out of a list and
// dropped on the window is selected. Skipped when weston, Xvfb, xdotool or Qt's Wayland plugin is missing.
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
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <memory>

using Settings::Key;

namespace {

// Whether the compositor is weston's kiosk shell (every window fills the screen) rather than its
// desktop shell.
bool Kiosk()
{
    return qEnvironmentVariable("TRESMOLO_WESTON_SHELL") == QLatin1String("kiosk-shell.so");
}

// Every message Qt or the program prints from warnings up, while a test looks; but for one Qt's own
// locks print now and then under the compositor (about one run in seventy-five here; the program
// itself has no QMutex), which says nothing of the program.
QStringList g_printed;
QtMessageHandler g_previous = nullptr;

void Catch(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg && text != QLatin1String("QMutex: destroying locked mutex"))
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
    explicit TestWayland(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
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
        if (qEnvironmentVariableIsSet("TRESMOLO_WAYLAND_SKIP"))
            QSKIP(qPrintable(qEnvironmentVariable("TRESMOLO_WAYLAND_SKIP")));
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
        if (!Kiosk())
            QSKIP("runs under the kiosk shell (ctest's tst_wayland_kiosk)");
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

        // A right click on the file list opens its menu; Escape closes it.
        ResultList* files = frame->View()->FileList();
        QMenu* listMenu = frame->View()->TopListMenu();
        const QPoint inFiles = files->viewport()->mapToGlobal(files->viewport()->rect().center()) + offset;
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QString::number(inFiles.x()),
                           QString::number(inFiles.y()), QStringLiteral("click"), QStringLiteral("3")});
        QTRY_COMPARE(QApplication::activePopupWidget(), listMenu);
        PressUntil(listMenu, {QStringLiteral("Escape")}, [listMenu] { return !listMenu->isVisible(); });
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }

    // The first window fits the screen; later ones come back at their size, maximised or not,
    // with nothing printed about places.
    void sizeAndMaximisedStateComeBack()
    {
        if (Kiosk())
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
        if (Kiosk())
            QSKIP("runs under the desktop shell (ctest's tst_wayland_desktop)");
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
        // Pressed again when the first press went to the window the Style menu just gave back.
        PressUntil(folded, {QStringLiteral("space")}, [&foldedShown] { return foldedShown; });
        QTRY_VERIFY_WITH_TIMEOUT(foldedShown, 15000);
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

TRESMOLO_TEST_MAIN(QApplication, TestWayland)

#include "tst_wayland.moc"
