// The frame's everyday keys and drops: Edit > Copy, the filter key, F6 between the panes, and a
// folder dropped on the window.
#include "platform/Paths.h"
#include "shell/FolderTree.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "shell/Ribbon.h"
#include "support/TestSupport.h"
#include "view/PendrakeView.h"
#include "view/ResultsFilterBox.h"
#include "view/Seams.h"

#include "view/ResultList.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <sys/stat.h>
#include <unistd.h>

using Settings::Key;

class TestFrameExtras : public QObject
{
    Q_OBJECT
public:
    explicit TestFrameExtras(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;
    QTemporaryDir m_tree;

    // The program, shown and active, after a file-mode search of the test tree.
    void OpenAndSearch(CPendrakeApp& app)
    {
        m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QVERIFY(frame->Tree()->SelectPath(m_tree.path()));
        QTRY_COMPARE(app.Document().SelectedFolder(), m_tree.path());
        QSignalSpy finished(frame->View(), &CPendrakeView::searchFinished);
        frame->Action(Commands::StartSearch)->trigger();
        QVERIFY(finished.wait(20000));
    }

    static bool Drag(QWidget* target, QMimeData* data, bool drop)
    {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted() || !drop)
            return enter.isAccepted();
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }

    static QMimeData* UriList(const QByteArray& list)
    {
        auto* data = new QMimeData;
        data->setData(QStringLiteral("text/uri-list"), list);
        return data;
    }

private slots:
    void initTestCase()
    {
        MakeTree(m_tree.path(), {QStringLiteral("a.txt"), QStringLiteral("sub/b.txt")});
        Seams::SetDialogRunner([](QDialog& dialog) {
            dialog.accept();
            return int(QDialog::Accepted);
        });
        Seams::SetMessageBoxHandler([](const Seams::MessageBoxCall&) { return QMessageBox::Ok; });
    }
    void init() { m_home.ClearSettings(); }

    void editCopyAndTheFilterKey()
    {
        CPendrakeApp app;
        OpenAndSearch(app);
        CMainFrame* frame = app.MainFrame();
        CPendrakeView* view = frame->View();

        // The Edit menu keeps its items and texts; the filter is added below them.
        QMenu* edit = frame->FrameMenu()->actions().first()->menu();
        QStringList texts;
        for (QAction* action : edit->actions())
            texts << action->text();
        QCOMPARE(texts.mid(0, 5),
                 (QStringList{QStringLiteral("&Undo\tCtrl+Z"), QString(), QStringLiteral("Cu&t\tCtrl+X"),
                              QStringLiteral("&Copy\tCtrl+C"), QStringLiteral("&Paste\tCtrl+V")}));
        QVERIFY(texts.contains(QStringLiteral("&Filter Found Files\tCtrl+F")));

        QAction* copy = frame->Action(Commands::EditCopy);
        QVERIFY(copy->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_C)));
        QVERIFY(copy->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Insert)));
        frame->UpdateCommandUI();
        QVERIFY(!copy->isEnabled()); // no row selected
        ResultList* files = view->FileList();
        const int b = int(view->FileModel().Text(0, 1) == QStringLiteral("b.txt") ? 0 : 1);
        files->selectionModel()->setCurrentIndex(
            files->model()->index(b, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        files->setFocus();
        QTRY_VERIFY(files->hasFocus());
        frame->UpdateCommandUI();
        QVERIFY(copy->isEnabled());
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(files, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), m_tree.path() + QStringLiteral("/sub/b.txt"));

        // The folder list's row, once it has had the focus.
        ResultList* folders = view->FolderList();
        folders->setFocus();
        QTRY_VERIFY(folders->hasFocus());
        folders->selectionModel()->setCurrentIndex(
            folders->model()->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QTest::keyClick(folders, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), view->FolderModel().Folder(0));

        // Ctrl+F puts the focus in the filter box; there Ctrl+C copies its own text.
        QTest::keyClick(folders, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(view->FilterBox()->hasFocus());
        QTest::keyClicks(view->FilterBox(), QStringLiteral("sub"));
        QCOMPARE(files->model()->rowCount(), 1);
        view->FilterBox()->selectAll();
        QTest::keyClick(view->FilterBox(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sub"));
        QTest::keyClick(view->FilterBox(), Qt::Key_Escape);
        QCOMPARE(files->model()->rowCount(), 2);
    }

    void f6MovesBetweenThePanes()
    {
        CPendrakeApp app;
        OpenAndSearch(app);
        CMainFrame* frame = app.MainFrame();
        QWidget* tree = frame->Tree();
        QVERIFY(!frame->View()->FilterBox()->hasFocus()); // typing at start goes where it went before
        QWidget* files = frame->View()->FileList();
        QWidget* folders = frame->View()->FolderList();
        QCOMPARE(frame->Action(Commands::NextPane)->shortcut(), QKeySequence(Qt::Key_F6));
        QCOMPARE(frame->Action(Commands::PreviousPane)->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F6));

        tree->setFocus();
        QTRY_VERIFY(tree->hasFocus());
        QTest::keyClick(tree, Qt::Key_F6);
        QTRY_VERIFY(files->hasFocus());
        QTest::keyClick(files, Qt::Key_F6);
        QTRY_VERIFY(folders->hasFocus());
        QTest::keyClick(folders, Qt::Key_F6);
        QTRY_VERIFY(tree->hasFocus());
        QTest::keyClick(tree, Qt::Key_F6, Qt::ShiftModifier);
        QTRY_VERIFY(folders->hasFocus());
        QTest::keyClick(folders, Qt::Key_F6, Qt::ShiftModifier);
        QTRY_VERIFY(files->hasFocus());

        // A hidden folder list is left out.
        frame->View()->OnViewFilesCount();
        QVERIFY(folders->isHidden());
        QTest::keyClick(files, Qt::Key_F6);
        QTRY_VERIFY(tree->hasFocus());
        QTest::keyClick(tree, Qt::Key_F6, Qt::ShiftModifier);
        QTRY_VERIFY(files->hasFocus());
    }

    // Tab from the filter box goes down the lists before it reaches the tree, so a Down pressed
    // after it moves in a list and never changes the folder by surprise; Shift+Tab comes back.
    void tabGoesFromTheFilterBoxThroughTheLists()
    {
        CPendrakeApp app;
        OpenAndSearch(app);
        CMainFrame* frame = app.MainFrame();
        const QList<QWidget*> order = {frame->View()->FilterBox(), frame->View()->FileList(),
                                       frame->View()->FolderList(), frame->Tree()};
        order.first()->setFocus(Qt::ShortcutFocusReason);
        QTRY_VERIFY(order.first()->hasFocus());
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), order[i]);
        }
        for (qsizetype i = order.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QTRY_COMPARE(QApplication::focusWidget(), order[i]);
        }
    }

    // F9 starts a search however narrow the window, also when Start is folded into its panel's menu.
    void f9WorksWithStartFolded()
    {
        CPendrakeApp app;
        OpenAndSearch(app);
        CMainFrame* frame = app.MainFrame();
        int dialogs = 0;
        Seams::SetDialogRunner([&dialogs](QDialog& dialog) {
            ++dialogs;
            dialog.reject();
            return int(QDialog::Rejected);
        });
        const auto restore = qScopeGuard([] {
            Seams::SetDialogRunner([](QDialog& dialog) {
                dialog.accept();
                return int(QDialog::Accepted);
            });
        });
        frame->resize(frame->minimumWidth(), frame->height());
        QTRY_VERIFY(frame->Ribbon()->CollapsedPanels().contains(QStringLiteral("File Search")));
        QVERIFY(!frame->Ribbon()->Element(Commands::StartSearch)->isVisible());
        QTest::keyClick(frame->View()->FileList(), Qt::Key_F9);
        QCOMPARE(dialogs, 1);
    }

    void aDroppedFolderIsSelectedInTheTree()
    {
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        QTRY_COMPARE(app.Document().SelectedFolder(), QStringLiteral("/"));
        const QByteArray folder = QFile::encodeName(m_tree.path());

        // A file or a remote place is not taken.
        std::unique_ptr<QMimeData> file(UriList("file://" + folder + "/a.txt\r\n"));
        QVERIFY(!Drag(frame, file.get(), false));
        std::unique_ptr<QMimeData> remote(UriList("file://elsewhere" + folder + "\r\n"));
        QVERIFY(!Drag(frame, remote.get(), false));

        // A folder is, as a click in the tree would: the frame takes it.
        std::unique_ptr<QMimeData> sub(
            UriList("file://" + QByteArray(folder + "/sub").toPercentEncoding("/") + "\r\n"));
        QVERIFY(Drag(frame, sub.get(), true));
        QTRY_COMPARE(app.Document().SelectedFolder(), m_tree.path() + QStringLiteral("/sub"));
        QCOMPARE(frame->Tree()->GetItemPath(), m_tree.path() + QStringLiteral("/sub"));
        QCOMPARE(frame->FolderPane()->text(), m_tree.path() + QStringLiteral("/sub"));

        // So is a folder whose name is not UTF-8, which the tree cannot show: the tree shows the
        // folder above it, and that choice of its own does not replace the dropped one (nor does a
        // folder beside it named with the replacement character itself).
        const QByteArray odd = folder + "/odd\xff";
        const QByteArray replaced = folder + "/odd\xef\xbf\xbd";
        QCOMPARE(::mkdir(odd.constData(), 0755), 0);
        QCOMPARE(::mkdir(replaced.constData(), 0755), 0);
        std::unique_ptr<QMimeData> oddFolder(UriList("file://" + odd.toPercentEncoding("/") + "\r\n"));
        QVERIFY(Drag(frame, oddFolder.get(), true));
        const QString oddText = platform::PathText(odd.toStdString());
        QCOMPARE(app.Document().SelectedFolder(), oddText);
        QCOMPARE(frame->Tree()->GetItemPath(), m_tree.path());
        QTest::qWait(100);
        QCOMPARE(app.Document().SelectedFolder(), oddText);
        QCOMPARE(frame->FolderPane()->text(), m_tree.path() + QStringLiteral("/odd\uFFFD"));
        // A click on the folder the tree shows is the user's choice, and it wins.
        const QModelIndex shown = frame->Tree()->currentIndex();
        QTest::mouseClick(frame->Tree()->viewport(), Qt::LeftButton, {},
                          frame->Tree()->visualRect(shown).center());
        QTRY_COMPARE(app.Document().SelectedFolder(), m_tree.path());
        ::rmdir(odd.constData());
        ::rmdir(replaced.constData());
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestFrameExtras)
#include "tst_frameextras.moc"
