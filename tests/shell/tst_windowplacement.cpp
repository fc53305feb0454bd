// The main window's place: the first window fits the screen, a closed window's place comes back at
// the next start, and a place that no screen shows any more is brought back onto one.
#include "platform/SettingsStore.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "shell/WindowPlacement.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QScreen>

using WindowPlacement::FirstGeometry;
using WindowPlacement::OntoScreens;

class TestWindowPlacement : public QObject
{
    Q_OBJECT
public:
    explicit TestWindowPlacement(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

    static QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

private slots:
    void init() { m_home.ClearSettings(); }

    void firstGeometry_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("1024x768") << QRect(0, 0, 1024, 768) << QRect(51, 38, 921, 691);
        QTest::newRow("with a panel on top") << QRect(0, 32, 1920, 1048) << QRect(96, 84, 1728, 943);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QRect(1984, 51, 1152, 921);
        // 90% would be below the minimum: the minimum, centred.
        QTest::newRow("small") << QRect(0, 0, 700, 520) << QRect(30, 20, 640, 480);
        // Even the minimum does not fit: the whole area.
        QTest::newRow("tiny") << QRect(0, 0, 600, 400) << QRect(0, 0, 600, 400);
    }

    void firstGeometry()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        const QRect placed = FirstGeometry(available);
        QCOMPARE(placed, expected);
        QVERIFY(available.contains(placed));
    }

    void ontoScreens_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("expected");
        const QRect kept(100, 100, 800, 600);
        QTest::newRow("on the left screen") << kept << kept;
        QTest::newRow("on the right screen") << QRect(2000, 50, 900, 700) << QRect(2000, 50, 900, 700);
        QTest::newRow("across both screens") << QRect(1500, 100, 800, 600) << QRect(1500, 100, 800, 600);
        // Partly off, but the top edge can still be grabbed: the user's choice stands.
        QTest::newRow("hanging off the bottom") << QRect(300, 900, 800, 600) << QRect(300, 900, 800, 600);
        QTest::newRow("mostly off the left") << QRect(-700, 100, 800, 600) << QRect(-700, 100, 800, 600);
        // Nothing of it shows any more: centred on the primary screen, size kept.
        QTest::newRow("on a screen that is gone") << QRect(3500, 100, 800, 600) << QRect(560, 240, 800, 600);
        QTest::newRow("far above") << QRect(100, -5000, 800, 600) << QRect(560, 240, 800, 600);
        // Only the bottom shows: the title bar is out of reach.
        QTest::newRow("title bar above the screens")
            << QRect(100, -580, 800, 600) << QRect(560, 240, 800, 600);
        // Only a sliver of the top edge shows, too narrow to grab.
        QTest::newRow("a sliver at the left") << QRect(-790, 100, 800, 600) << QRect(560, 240, 800, 600);
        // Larger than the primary screen and off every screen: it fits the primary screen.
        QTest::newRow("huge, gone") << QRect(5000, 0, 3000, 2000) << QRect(0, 0, 1920, 1080);
        QTest::newRow("invalid") << QRect() << QRect(96, 54, 1728, 972);
    }

    // Two screens side by side, the right one higher and taller.
    void ontoScreens()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, expected);
        const QRect primary(0, 0, 1920, 1080);
        const QList<QRect> screens{primary, QRect(1920, -200, 1280, 1400)};
        QCOMPARE(OntoScreens(window, screens, primary), expected);
    }

    void theFirstWindowFitsTheScreen()
    {
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QCOMPARE(frame->geometry(), FirstGeometry(Available()));
        QVERIFY(Available().contains(frame->frameGeometry()));
        QCOMPARE(frame->minimumSize(), WindowPlacement::kMinimumSize);
        QVERIFY(!frame->isMaximized());
    }

    // On a 1024x768 screen the whole first window shows, the status bar with both panes included.
    void theStatusBarFitsASmallScreen()
    {
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        frame->setGeometry(FirstGeometry(QRect(0, 0, 1024, 768)));
        QTRY_COMPARE(frame->width(), 921);
        QCOMPARE(frame->height(), 691);
        const QRect inside = frame->rect();
        for (QWidget* pane :
             {static_cast<QWidget*>(frame->FolderPane()), static_cast<QWidget*>(frame->CountPane())}) {
            QVERIFY(pane->isVisible());
            QVERIFY(inside.contains(QRect(pane->mapTo(frame, QPoint(0, 0)), pane->size())));
        }
        QVERIFY2(frame->FolderPane()->width() >= 300,
                 qPrintable(QString::number(frame->FolderPane()->width())));
        QVERIFY(frame->CountPane()->width() >= frame->CountPane()->fontMetrics().horizontalAdvance(
                                                   QStringLiteral("Number of Files Found in Search.")));
        // With more room the folder pane grows to its template of 80 letters, and no further.
        frame->setGeometry(QRect(0, 0, 1900, 700));
        QTRY_COMPARE(frame->width(), 1900);
        QTRY_VERIFY(frame->FolderPane()->width() >=
                    frame->FolderPane()->fontMetrics().horizontalAdvance(QString(80, QLatin1Char('X'))));
    }

    // Size, position, maximised state and the panes come back at the next start.
    void theWindowComesBackWhereItWas()
    {
        const QRect changed(40, 30, 700, 500);
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance());
            CMainFrame* frame = app.MainFrame();
            frame->setGeometry(changed);
            QTRY_COMPARE(frame->geometry(), changed);
            frame->findChild<QDockWidget*>()->hide();
            frame->close();
        }
        QVERIFY(!platform::GetProfileString(QStringLiteral("Workspace"), QStringLiteral("WindowGeometry"), {})
                     .isEmpty());
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance());
            CMainFrame* frame = app.MainFrame();
            QCOMPARE(frame->geometry(), changed);
            QVERIFY(frame->findChild<QDockWidget*>()->isHidden());
            frame->showMaximized();
            QTRY_VERIFY(frame->isMaximized());
            frame->close();
        }
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance());
            CMainFrame* frame = app.MainFrame();
            QTRY_VERIFY(frame->isMaximized());
            // Leaving the maximised state gives back the size it had before.
            frame->showNormal();
            QTRY_COMPARE(frame->geometry(), changed);
        }
    }

    // Where a compositor places the windows (Wayland), only the size and the maximised state come
    // back; no place is asked for, and the place stored before is kept, also while maximised.
    void underACompositorOnlySizeAndStateComeBack()
    {
        const QRect changed(40, 30, 700, 500);
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance());
            app.MainFrame()->setGeometry(changed);
            QTRY_COMPARE(app.MainFrame()->geometry(), changed);
            app.MainFrame()->close();
        }
        WindowPlacement::SetCompositorPlaces(true);
        const auto restore = qScopeGuard([] { WindowPlacement::SetCompositorPlaces(std::nullopt); });
        const auto stored = [] {
            return WindowPlacement::Read(QByteArray::fromBase64(
                platform::GetProfileString(QStringLiteral("Workspace"), QStringLiteral("WindowGeometry"), {})
                    .toLatin1()));
        };
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance());
            CMainFrame* frame = app.MainFrame();
            QCOMPARE(frame->size(), changed.size());
            QVERIFY(!frame->testAttribute(Qt::WA_Moved));
            QVERIFY(!frame->isMaximized());
            frame->resize(800, 600);
            frame->showMaximized();
            QTRY_VERIFY(frame->isMaximized());
            frame->close();
        }
        QVERIFY(stored());
        QCOMPARE(stored()->normal, QRect(changed.topLeft(), QSize(800, 600)));
        QVERIFY(stored()->maximized);
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance());
            CMainFrame* frame = app.MainFrame();
            QVERIFY(!frame->testAttribute(Qt::WA_Moved));
            QTRY_VERIFY(frame->isMaximized());
            frame->showNormal();
            QTRY_COMPARE(frame->size(), QSize(800, 600));
            frame->close();
        }
        QCOMPARE(stored()->normal, QRect(changed.topLeft(), QSize(800, 600)));
        QVERIFY(!stored()->maximized);
        // Back on a desktop that lets the program place its window, the place is the one it had.
        WindowPlacement::SetCompositorPlaces(false);
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        QCOMPARE(app.MainFrame()->geometry(), QRect(changed.topLeft(), QSize(800, 600)));
    }

    void aPlaceOffEveryScreenIsBroughtBack()
    {
        const QRect gone(Available().right() + 2000, 100, 700, 500);
        {
            CPendrakeApp app;
            QVERIFY(app.InitInstance());
            app.MainFrame()->setGeometry(gone);
            QTRY_COMPARE(app.MainFrame()->geometry(), gone);
            app.MainFrame()->close();
        }
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        const QRect placed = app.MainFrame()->geometry();
        QCOMPARE(placed.size(), gone.size());
        QVERIFY(Available().contains(placed));
    }

    void aDamagedStoredPlaceGivesTheFirstWindow()
    {
        platform::WriteProfileString(QStringLiteral("Workspace"), QStringLiteral("WindowGeometry"),
                                     QStringLiteral("bm90IGEgZ2VvbWV0cnk="));
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        QCOMPARE(app.MainFrame()->geometry(), FirstGeometry(Available()));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestWindowPlacement)

#include "tst_windowplacement.moc"
