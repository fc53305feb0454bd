// The results window's commands and its life as a window: checks, the file manager, the trash
// with the new scan, fitting the list, column widths, and closing while the list still fills.
#include "DuplicatesTestUtil.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <fcntl.h>
#include <unistd.h>

using namespace DuplicatesTest;

class TestResultsCommands : public QObject
{
    Q_OBJECT
public:
    explicit TestResultsCommands(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;
    QList<Seams::MessageBoxCall> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    std::vector<Shell::Launch> m_launches;

    static void Trigger(CDlgDuplicateResults& window, const QString& item)
    {
        for (QAction* action : window.PopupMenu().actions()) {
            if (action->text() == item) {
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no menu item ") + item));
    }
    static void Check(CDlgDuplicateResults& window, int row)
    {
        ResultsModel& model = window.ResultsList().Model();
        QVERIFY(model.setData(model.index(row, 0), Qt::Checked, Qt::CheckStateRole));
    }
    static QString Checks(const std::vector<ShownRow>& rows)
    {
        QString text;
        for (const ShownRow& row : rows)
            text += row.checked ? QLatin1Char('x') : QLatin1Char('.');
        return text;
    }
    QList<int> StoredWidths() const
    {
        QList<int> widths;
        for (int column = 0; column < ResultsModel::kColumnCount; ++column)
            widths << m_settings.GetInt(Settings::ResultsColumnWidthKey(column), -1);
        return widths;
    }
    static QList<int> ShownWidths(CDlgDuplicateResults& window)
    {
        QList<int> widths;
        for (int column = 0; column < ResultsModel::kColumnCount; ++column)
            widths << window.ResultsList().horizontalHeader()->sectionSize(column);
        return widths;
    }

    // Three of five bytes, two of nine and two of three, mixed; the list shows p9a p9b g5a g5b
    // g5c p3a p3b.
    QStringList MakeGroups(const QString& folder)
    {
        QStringList paths;
        for (const auto& [name, size] : std::vector<std::pair<const char*, int>>{
                 {"p3a", 3}, {"g5a", 5}, {"p9a", 9}, {"g5b", 5}, {"p3b", 3}, {"g5c", 5}, {"p9b", 9}})
            paths << MakeSized(folder + QLatin1Char('/') + QLatin1String(name), size);
        return paths;
    }

private slots:
    void initTestCase()
    {
        // No session bus: the file manager is reached through a launched program, which is recorded.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        Seams::SetMessageBoxHandler([this](const Seams::MessageBoxCall& call) {
            m_boxes << call;
            return call.icon == QMessageBox::Question ? m_answer : QMessageBox::Ok;
        });
        Shell::SetLauncher([this](const Shell::Launch& launch) {
            m_launches.push_back(launch);
            return true;
        });
    }
    void init()
    {
        m_home.ClearSettings();
        m_boxes.clear();
        m_launches.clear();
        m_answer = QMessageBox::Yes;
    }

    void checkAllAndUncheckAll()
    {
        QTemporaryDir dir;
        const QStringList paths = MakeGroups(dir.path());
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        Check(window, 2);
        QCOMPARE(Checks(Shown(window)), QStringLiteral("..x...."));
        Trigger(window, QStringLiteral("Check All"));
        QCOMPARE(Checks(Shown(window)), QStringLiteral("xxxxxxx"));
        Trigger(window, QStringLiteral("UnCheck All"));
        QCOMPARE(Checks(Shown(window)), QStringLiteral("......."));
        QCOMPARE(Column(Shown(window), &ShownRow::number), Texts({"1", "2", "3", "4", "5", "6", "7"}));

        // On an empty list neither does anything, and neither says anything.
        CDlgDuplicateResults empty;
        QVERIFY(OpenAndScan(empty));
        Trigger(empty, QStringLiteral("Check All"));
        Trigger(empty, QStringLiteral("UnCheck All"));
        QCOMPARE(empty.ResultsList().GetItemCount(), 0);
        QVERIFY(m_boxes.isEmpty());
    }

    void recycleWithNothingCheckedOnlyAsks()
    {
        QTemporaryDir dir;
        const QStringList paths = MakeGroups(dir.path());
        const QStringList none;
        for (const QStringList* input : {&paths, &none}) {
            m_boxes.clear();
            CDlgDuplicateResults window;
            window.m_pSourcePaths = input;
            QVERIFY(OpenAndScan(window));
            const std::vector<ShownRow> before = Shown(window);
            QSignalSpy scans(&window, &CDlgDuplicateResults::scanFinished);
            Trigger(window, QStringLiteral("Send Checked File(s) to Recycle Bin"));
            QCOMPARE(m_boxes.size(), 1);
            QCOMPARE(
                m_boxes[0].text,
                QStringLiteral("Check the Files which you wish to Send to Recyle Bin and then try again."));
            QCOMPARE(m_boxes[0].icon, QMessageBox::Information);
            QCOMPARE(m_boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(m_boxes[0].caption, QCoreApplication::applicationName());
            QCOMPARE(Column(Shown(window), &ShownRow::name), Column(before, &ShownRow::name));
            QCOMPARE(scans.count(), 0);
        }
        for (const QString& path : paths)
            QVERIFY(QFile::exists(path));
    }

    void recycleAnsweredYesScansAgain()
    {
        QTemporaryDir dir(m_home.Path() + QStringLiteral("/files-XXXXXX"));
        const QStringList paths = MakeGroups(dir.path());
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        QCOMPARE(Column(Shown(window), &ShownRow::name),
                 Texts({"p9a", "p9b", "g5a", "g5b", "g5c", "p3a", "p3b"}));
        Check(window, 2); // g5a
        Check(window, 4); // g5c

        QSignalSpy scans(&window, &CDlgDuplicateResults::scanFinished);
        Trigger(window, QStringLiteral("Send Checked File(s) to Recycle Bin"));
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].icon, QMessageBox::Question);
        QCOMPARE(scans.count(), 1);

        // The five-byte group lost two of its files, so its last one has no partner any more; the
        // rest is numbered and banded again, and every check is clear.
        const std::vector<ShownRow> rows = Shown(window);
        QCOMPARE(Column(rows, &ShownRow::name), Texts({"p9a", "p9b", "p3a", "p3b"}));
        QCOMPARE(Column(rows, &ShownRow::number), Texts({"1", "2", "3", "4"}));
        QCOMPARE(Colours(rows), QStringLiteral("BBRR"));
        QCOMPARE(Checks(rows), QStringLiteral("...."));
        QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/g5a")));
        QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/g5c")));
        QVERIFY(QFile::exists(dir.path() + QStringLiteral("/g5b")));
        QVERIFY(QFile::exists(m_home.DataHome() + QStringLiteral("/Trash/files/g5a")));
        QVERIFY(QFile::exists(m_home.DataHome() + QStringLiteral("/Trash/files/g5c")));
        QVERIFY(window.ResultsList().isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(!window.HelpBox()); // the help text belongs to the opening only
    }

    void recycleDeclinedChangesNothing()
    {
        QTemporaryDir dir(m_home.Path() + QStringLiteral("/files-XXXXXX"));
        const QStringList paths = MakeGroups(dir.path());
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        Check(window, 0);
        Check(window, 5);
        const std::vector<ShownRow> before = Shown(window);

        m_answer = QMessageBox::No;
        QSignalSpy scans(&window, &CDlgDuplicateResults::scanFinished);
        Trigger(window, QStringLiteral("Send Checked File(s) to Recycle Bin"));
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(scans.count(), 0);
        const std::vector<ShownRow> after = Shown(window);
        QCOMPARE(Column(after, &ShownRow::name), Column(before, &ShownRow::name));
        QCOMPARE(Checks(after), QStringLiteral("x....x."));
        for (const QString& path : paths)
            QVERIFY(QFile::exists(path));
    }

    void showInFileManagerAsksOncePerSelectedFile()
    {
#if defined(__SANITIZE_THREAD__)
        QSKIP("the file manager is asked over D-Bus, whose connection thread ThreadSanitizer cannot follow");
#endif
        QTemporaryDir dir;
        QStringList paths;
        for (const char* folder : {"d1", "d2", "d3"})
            paths << MakeSized(dir.path() + QLatin1Char('/') + QLatin1String(folder) + QStringLiteral("/x"),
                               4);
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));
        const auto launchedFolders = [this] {
            QStringList folders;
            for (const Shell::Launch& launch : m_launches)
                folders << (launch.arguments.empty() ? QString()
                                                     : QString::fromStdString(launch.arguments.back()));
            return folders;
        };

        // Nothing selected: nothing happens.
        Trigger(window, QStringLiteral("Display Selected File(s) in Explorer"));
        QVERIFY(m_launches.empty());

        // Three rows: three requests, in row order.
        window.ResultsList().selectAll();
        Trigger(window, QStringLiteral("Display Selected File(s) in Explorer"));
        QCOMPARE(launchedFolders(),
                 (QStringList{dir.path() + QStringLiteral("/d1"), dir.path() + QStringLiteral("/d2"),
                              dir.path() + QStringLiteral("/d3")}));

        // A file gone since the scan is skipped without a word.
        m_launches.clear();
        QVERIFY(QFile::remove(paths[1]));
        Trigger(window, QStringLiteral("Display Selected File(s) in Explorer"));
        QCOMPARE(launchedFolders(),
                 (QStringList{dir.path() + QStringLiteral("/d1"), dir.path() + QStringLiteral("/d3")}));
        QVERIFY(m_boxes.isEmpty());
    }

    void helpTextHasTheKeyboard()
    {
        // On the screen, the help text comes above the window with the keyboard, and keeps it while
        // it is open: an Enter answers the box alone, and the window stays.
        CDlgDuplicateResults window;
        window.setUpdatesEnabled(false);
        window.show();
        QTRY_VERIFY(window.HelpBox());
        QMessageBox* help = window.HelpBox();
        QTRY_COMPARE(QApplication::activeWindow(), help);
        window.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), help);
        QTest::keyClick(window.windowHandle(), Qt::Key_Return); // the box holds the window's input
        QVERIFY(window.isVisible() && window.HelpBox());
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Return);
        QTRY_VERIFY(!window.HelpBox());
        QVERIFY(window.isVisible());
    }

    void listCoversTheWindow()
    {
        CDlgDuplicateResults window;
        QVERIFY(OpenAndScan(window));
        QCOMPARE(window.ResultsList().geometry(), window.rect());
        for (const QSize size : {QSize(640, 300), QSize(1200, 700)}) {
            window.resize(size);
            QTRY_COMPARE(window.rect().size(), size);
            QCOMPARE(window.ResultsList().geometry(), window.rect());
        }
    }

    void columnWidthsOutliveTheWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Escape") << QStringLiteral("escape") << int(QDialog::Rejected);
        QTest::newRow("close box") << QStringLiteral("close") << int(QDialog::Rejected);
        QTest::newRow("Enter") << QStringLiteral("enter") << int(QDialog::Accepted);
        QTest::newRow("destroyed while open") << QStringLiteral("destroy") << -1;
    }
    void columnWidthsOutliveTheWindow()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        // The last column fills the list: only the others keep the widths they were given.
        const QList<int> widths = {41, 173, 222, 87};
        {
            auto window = std::make_unique<CDlgDuplicateResults>();
            QVERIFY(OpenAndScan(*window));
            QCOMPARE(ShownWidths(*window).mid(0, 4), (QList<int>{60, 150, 250, 100}));
            QVERIFY(LastColumnFills(*window));
            for (int column = 0; column < widths.size(); ++column)
                window->ResultsList().horizontalHeader()->resizeSection(column, widths[column]);
            if (how == QLatin1String("escape"))
                QTest::keyClick(&window->ResultsList(), Qt::Key_Escape);
            else if (how == QLatin1String("enter"))
                QTest::keyClick(&window->ResultsList(), Qt::Key_Return);
            else if (how == QLatin1String("close"))
                window->close();
            if (result >= 0) {
                QVERIFY(!window->isVisible());
                QCOMPARE(window->result(), result);
            }
        }
        QCOMPARE(StoredWidths(), widths + QList<int>{-1});
        CDlgDuplicateResults again;
        QVERIFY(OpenAndScan(again));
        QCOMPARE(ShownWidths(again).mid(0, 4), widths);
        QVERIFY(LastColumnFills(again));
    }

    void closeWhileTheListFills()
    {
        // Enough files that the worker is still reading when the window goes.
        QTemporaryDir dir;
        QStringList paths;
        paths.reserve(20000);
        const QByteArray folder = QFile::encodeName(dir.path());
        for (int i = 0; i < 20000; ++i) {
            const QByteArray path = folder + "/f" + QByteArray::number(i);
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, "0123456789", size_t(i % 10 + 1)), ssize_t(i % 10 + 1));
            ::close(fd);
            paths << QFile::decodeName(path);
        }
        FileListModel list;
        FillFileList(list, paths);

        // Closed at once: no row reaches the list, before or after, and the list stays disabled.
        {
            CDlgDuplicateResults window;
            window.m_pSourceList = &list;
            QVERIFY(ShowQuietly(window));
            QVERIFY(window.IsScanning());
            window.ResultsList().horizontalHeader()->resizeSection(2, 321);
            // Time enough for the worker to wait for the list to take its rows: closing lets it go.
            QThread::msleep(300);
            window.reject();
            QVERIFY(!window.IsScanning());
            QCoreApplication::processEvents();
            QCOMPARE(window.ResultsList().GetItemCount(), 0);
            QVERIFY(!window.ResultsList().isEnabled());
            QCOMPARE(QApplication::overrideCursor(), nullptr);
            QCOMPARE(m_settings.GetInt(Settings::ResultsColumnWidthKey(2), -1), 321);
        }

        // Closed once the first rows are in: the list keeps exactly what it had.
        {
            CDlgDuplicateResults window;
            window.m_pSourcePaths = &paths;
            QVERIFY(ShowQuietly(window));
            QTRY_VERIFY_WITH_TIMEOUT(window.ResultsList().GetItemCount() > 0, 60000);
            window.close();
            const int rows = window.ResultsList().GetItemCount();
            QVERIFY(!window.IsScanning());
            QCoreApplication::processEvents();
            QCOMPARE(window.ResultsList().GetItemCount(), rows);
            QCOMPARE(QApplication::overrideCursor(), nullptr);
        }

        // Destroyed while filling, without being closed first.
        {
            auto window = std::make_unique<CDlgDuplicateResults>();
            window->m_pSourcePaths = &paths;
            QVERIFY(ShowQuietly(*window));
            window->ResultsList().horizontalHeader()->resizeSection(3, 111);
            window.reset();
            QCOMPARE(m_settings.GetInt(Settings::ResultsColumnWidthKey(3), -1), 111);
            QCOMPARE(QApplication::overrideCursor(), nullptr);
        }
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestResultsCommands)
#include "tst_resultscommands.moc"
