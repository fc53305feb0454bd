// The lists in everyday use, through the real view: sorting by a heading, the filter box, copying
// and dragging rows, and the keys of the row commands. Launches are recorded, the trash is real.
#include "support/TestSupport.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/ResultsFilterBox.h"
#include "view/Seams.h"
#include "view/ShellServices.h"

#include "view/ResultList.h"
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

using Settings::Key;

class TestListActions : public QObject
{
    Q_OBJECT
public:
    explicit TestListActions(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;
    QList<Shell::Launch> m_launches;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    int m_questions = 0;
    QTemporaryDir m_dir;
    QByteArray m_odd; // the exact path of a file whose name is not UTF-8

    void Search(CPendrakeView& view, CPendrakeDoc& doc, bool fileMode = true)
    {
        m_settings.WriteInt(Settings::Name(Key::DisplayFileList), fileMode ? 1 : 0);
        doc.SetSelectedFolder(m_dir.path());
        QSignalSpy finished(&view, &CPendrakeView::searchFinished);
        view.OnStartSearch();
        QVERIFY(finished.wait(20000));
    }

    static QStringList Column(ResultList* list, int column)
    {
        QStringList texts;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            texts << list->model()->index(row, column).data().toString();
        return texts;
    }

    static QStringList Sorted(QStringList texts)
    {
        texts.sort();
        return texts;
    }

    // Selects the shown row whose name is `name`; its shown index, -1 when not shown.
    static int SelectShown(ResultList* list, const QString& name, int column = 1)
    {
        const int row = int(Column(list, column).indexOf(name));
        if (row >= 0)
            list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                    QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
        return row;
    }

    QByteArray LastLaunchedFile() const
    {
        if (m_launches.isEmpty() || m_launches.last().arguments.empty())
            return {};
        return QByteArray::fromStdString(m_launches.last().arguments.back());
    }

    QByteArray PathOf(const char* name) const { return QFile::encodeName(m_dir.path()) + '/' + name; }

    static void ClickHeading(ResultList* list, int column)
    {
        QHeaderView* header = list->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }

private slots:
    void initTestCase()
    {
        Shell::SetLauncher([this](const Shell::Launch& launch) {
            m_launches << launch;
            return true;
        });
        Seams::SetDialogRunner([](QDialog& dialog) {
            dialog.accept();
            return int(QDialog::Accepted);
        });
        Seams::SetMessageBoxHandler([this](const Seams::MessageBoxCall& call) {
            if (call.icon == QMessageBox::Question)
                ++m_questions;
            return call.icon == QMessageBox::Question ? m_answer : QMessageBox::Ok;
        });
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    }
    void init()
    {
        m_home.ClearSettings();
        m_launches.clear();
        m_answer = QMessageBox::Yes;
        m_questions = 0;
        RemoveTree(m_dir.path());
        MakeTree(m_dir.path(), {QStringLiteral("file10.txt"), QStringLiteral("File2.txt"),
                                QStringLiteral("sub9/file1.txt"), QStringLiteral("sub10/notes.md")});
        m_odd = PathOf("odd\xe9.txt");
        FILE* f = ::fopen(m_odd.constData(), "w");
        QVERIFY(f);
        ::fclose(f);
    }
    void cleanupTestCase() { RemoveTree(m_dir.path()); }

    void headingsSortAndCommandsActOnTheRightRow()
    {
        m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.resize(800, 600);
        view.OnInitialUpdate();
        view.show();
        Search(view, doc);
        ResultList* files = view.FileList();
        const QStringList found = Column(files, 0);
        QCOMPARE(found, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4"), QStringLiteral("5")}));
        const QStringList foundNames = Column(files, 1);

        ClickHeading(files, 1);
        const QString odd = QString::fromUtf8("odd\xef\xbf\xbd.txt");
        QCOMPARE(Column(files, 1),
                 (QStringList{QStringLiteral("file1.txt"), QStringLiteral("File2.txt"),
                              QStringLiteral("file10.txt"), QStringLiteral("notes.md"), odd}));
        // Each row keeps its number: the same name has the same number as before.
        for (int row = 0; row < 5; ++row)
            QCOMPARE(Column(files, 0)[row], found[foundNames.indexOf(Column(files, 1)[row])]);
        ClickHeading(files, 1);
        QCOMPARE(Column(files, 1).first(), odd);
        QCOMPARE(Column(files, 1).last(), QStringLiteral("file1.txt"));
        ClickHeading(files, 0);
        QCOMPARE(Column(files, 0), found);
        ClickHeading(files, 0);
        QCOMPARE(Column(files, 0).first(), QStringLiteral("5"));
        ClickHeading(files, 2);
        QCOMPARE(Column(files, 1)[3], QStringLiteral("file1.txt")); // sub9 after the top folder, before sub10
        QCOMPARE(Column(files, 1)[4], QStringLiteral("notes.md"));

        // The folder list sorts the same way.
        ClickHeading(view.FolderList(), 1);
        QCOMPARE(Column(view.FolderList(), 1),
                 (QStringList{m_dir.path(), m_dir.path() + QStringLiteral("/sub9"),
                              m_dir.path() + QStringLiteral("/sub10")}));

        // Every command takes the selected row through the sort to the file it stands for.
        ClickHeading(files, 1);
        QVERIFY(SelectShown(files, QStringLiteral("File2.txt")) >= 0);
        view.ViewSelectedFile();
        QCOMPARE(LastLaunchedFile(), PathOf("File2.txt"));
        QCOMPARE(view.SelectedPath(files), PathOf("File2.txt").toStdString());
        QVERIFY(SelectShown(files, QStringLiteral("file1.txt")) >= 0);
        view.Execute(Commands::OpenFileFolder);
        QCOMPARE(LastLaunchedFile(), PathOf("sub9"));
        view.Execute(Commands::LocateFile);
        QTRY_COMPARE(LastLaunchedFile(), PathOf("sub9"));
        QVERIFY(SelectShown(view.FolderList(), m_dir.path() + QStringLiteral("/sub10")) >= 0);
        view.OpenSelectedFolder();
        QCOMPARE(LastLaunchedFile(), PathOf("sub10"));

        // The trash takes the selected file and its row only, also when the list is filtered.
        view.FilterBox()->setText(QStringLiteral("file1"));
        QCOMPARE(Column(files, 1), (QStringList{QStringLiteral("file1.txt"), QStringLiteral("file10.txt")}));
        QVERIFY(SelectShown(files, QStringLiteral("file10.txt")) >= 0);
        view.Execute(Commands::RecycleFile);
        QCOMPARE(m_questions, 1);
        QVERIFY(!QFile::exists(QFile::decodeName(PathOf("file10.txt"))));
        QVERIFY(QFile::exists(QFile::decodeName(PathOf("sub9/file1.txt"))));
        QCOMPARE(Column(files, 1), (QStringList{QStringLiteral("file1.txt")}));
        QCOMPARE(view.FileModel().rowCount(), 4);

        // Export writes every row that is left, in the found order, whatever the list shows.
        view.ExportFileList();
        QFile exported(QFile::decodeName(LastLaunchedFile()));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll().count('\n'), 3);
        view.FilterBox()->clear();
        QCOMPARE(files->model()->rowCount(), 4);
    }

    // The last column reaches the list's right edge; the others keep their stored widths. Status
    // lines show whole, and what is stored afterwards is still the width asked for.
    void columnsFillTheListAndStatusLinesShowWhole()
    {
        m_settings.WriteInt(Settings::ColumnWidthKey(0, 0), 77);
        m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        CPendrakeDoc doc;
        QList<int> stored;
        {
            CPendrakeView view(&doc);
            view.resize(900, 600);
            view.OnInitialUpdate();
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            for (ResultList* list : {view.FileList(), view.FolderList()}) {
                QHeaderView* header = list->header();
                QCOMPARE(header->sectionPosition(2) + header->sectionSize(2), list->viewport()->width());
            }
            QCOMPARE(view.FileList()->header()->sectionSize(0), 77);
            QCOMPARE(view.FileList()->header()->sectionSize(1), 150);
            view.resize(1100, 600);
            QTRY_COMPARE(view.FileList()->header()->sectionPosition(2) +
                             view.FileList()->header()->sectionSize(2),
                         view.FileList()->viewport()->width());

            Search(view, doc, false);
            ResultList* files = view.FileList();
            const QString first = files->model()->index(0, 1).data().toString();
            QVERIFY(first.contains(m_dir.path()));
            QVERIFY(files->header()->sectionSize(1) > files->fontMetrics().horizontalAdvance(first));
            QCOMPARE(files->header()->sectionPosition(2) + files->header()->sectionSize(2),
                     files->viewport()->width());
            // A file-mode search shows the name column at its asked width again.
            Search(view, doc, true);
            QCOMPARE(files->header()->sectionSize(1), 150);
            Search(view, doc, false);
        }
        QCOMPARE(m_settings.GetInt(Settings::ColumnWidthKey(0, 0), 0), 77);
        QCOMPARE(m_settings.GetInt(Settings::ColumnWidthKey(0, 1), 0), 150);
        QCOMPARE(m_settings.GetInt(Settings::ColumnWidthKey(0, 2), 0), 400);
    }

    void aSortChosenDuringASearchWaitsForItsEnd()
    {
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.resize(800, 600);
        view.OnInitialUpdate();
        view.show();
        m_settings.WriteInt(Settings::Name(Key::DisplayFileList), 1);
        doc.SetSelectedFolder(m_dir.path());
        QSignalSpy finished(&view, &CPendrakeView::searchFinished);
        view.OnStartSearch();
        QVERIFY(view.IsSearching());
        ClickHeading(view.FileList(), 1);
        QCOMPARE(view.FileOrder().SortColumn(), 1);
        // Whatever has arrived stays in the found order until the search ends.
        view.ApplyPending();
        QStringList found;
        for (int row = 0; row < view.FileModel().rowCount(); ++row)
            found << view.FileModel().Text(row, 1);
        if (view.IsSearching())
            QCOMPARE(Column(view.FileList(), 1), found);
        QVERIFY(finished.count() > 0 || finished.wait(20000));
        QCOMPARE(Column(view.FileList(), 1),
                 (QStringList{QStringLiteral("file1.txt"), QStringLiteral("File2.txt"),
                              QStringLiteral("file10.txt"), QStringLiteral("notes.md"),
                              QString::fromUtf8("odd\xef\xbf\xbd.txt")}));
    }

    void filterBoxNarrowsAndClears()
    {
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.resize(800, 600);
        view.OnInitialUpdate();
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        Search(view, doc);
        ResultList* files = view.FileList();

        view.Execute(Commands::FilterResults);
        QTRY_VERIFY(view.FilterBox()->hasFocus());
        const QStringList names = Column(files, 1);
        const QStringList numbers = Column(files, 0);
        QVERIFY(view.FilterBox()->CountText().isEmpty());
        QTest::keyClicks(view.FilterBox(), QStringLiteral("SUB"));
        QCOMPARE(view.FilterBox()->CountText(), QStringLiteral("2 of 5"));
        // Matches in the folder count as well as in the name; rows keep their numbers.
        QCOMPARE(Sorted(Column(files, 1)),
                 (QStringList{QStringLiteral("file1.txt"), QStringLiteral("notes.md")}));
        for (int row = 0; row < 2; ++row)
            QCOMPARE(Column(files, 0)[row], numbers[names.indexOf(Column(files, 1)[row])]);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(view.FilterBox(), Qt::Key_Backspace);
        QTest::keyClicks(view.FilterBox(), QStringLiteral("10"));
        QCOMPARE(Sorted(Column(files, 1)),
                 (QStringList{QStringLiteral("file10.txt"), QStringLiteral("notes.md")}));
        // Down goes on to the list, at its first shown row.
        QTest::keyClick(view.FilterBox(), Qt::Key_Down);
        QTRY_VERIFY(files->hasFocus());
        QCOMPARE(files->selectionModel()->selectedRows().value(0).row(), 0);
        view.FilterBox()->setFocus();
        QTest::keyClick(view.FilterBox(), Qt::Key_Escape);
        QVERIFY(view.FilterBox()->text().isEmpty());
        QVERIFY(view.FilterBox()->CountText().isEmpty());
        QCOMPARE(files->model()->rowCount(), 5);
        QCOMPARE(view.FileModel().rowCount(), 5);

        // The count follows rows that arrive and go, in the locale's grouping, and the typed text
        // keeps clear of it.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const auto restore = qScopeGuard([before] { QLocale::setDefault(before); });
        view.FilterBox()->setText(QStringLiteral("file"));
        QCOMPARE(view.FilterBox()->CountText(), QStringLiteral("3 of 5"));
        std::vector<FileListModel::NewRow> more(5051);
        for (size_t i = 0; i < more.size(); ++i)
            more[i].name = i % 2 ? "file" : "other";
        view.FileModel().Append(more);
        QCOMPARE(view.FilterBox()->CountText(), QStringLiteral("2,528 of 5,056"));
        QVERIFY(view.FilterBox()->textMargins().right() >
                view.FilterBox()->fontMetrics().horizontalAdvance(view.FilterBox()->CountText()));
        view.FileModel().RemoveRow(1);
        QCOMPARE(view.FilterBox()->CountText(), QStringLiteral("2,527 of 5,055"));
        view.FilterBox()->clear();
        QCOMPARE(view.FilterBox()->textMargins().right(), 0);

        // A new search keeps the filter: its rows are filtered as they come.
        view.FilterBox()->setText(QStringLiteral("odd"));
        Search(view, doc);
        QCOMPARE(Column(files, 1), (QStringList{QString::fromUtf8("odd\xef\xbf\xbd.txt")}));
        QCOMPARE(view.FileModel().rowCount(), 5);
    }

    void copyAndDragCarryTheExactBytes()
    {
        m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        Search(view, doc);
        ResultList* files = view.FileList();
        CommandRoute route;
        route.SetTargets({&view});

        QGuiApplication::clipboard()->clear();
        QVERIFY(!route.State(Commands::EditCopy).m_enabled); // nothing selected
        QVERIFY(SelectShown(files, QString::fromUtf8("odd\xef\xbf\xbd.txt")) >= 0);
        QVERIFY(route.State(Commands::EditCopy).m_enabled);
        QVERIFY(route.Execute(Commands::EditCopy));
        const QByteArray uri =
            "file://" + QFile::encodeName(m_dir.path()).toPercentEncoding("/") + "/odd%E9.txt\r\n";
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/uri-list")), uri);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 m_dir.path() + QString::fromUtf8("/odd\xef\xbf\xbd.txt"));

        // The menus' Copy Path items show the key and copy their own list's row.
        QAction* copyFile =
            view.TopListMenu()->findChild<QAction*>(QStringLiteral("command%1").arg(Commands::CopyFilePath));
        QVERIFY(copyFile);
        QCOMPARE(copyFile->text(), QStringLiteral("Copy Path\tCtrl+C"));
        QVERIFY(SelectShown(view.FolderList(), m_dir.path() + QStringLiteral("/sub10")) >= 0);
        QAction* copyFolder = view.BottomListMenu()->findChild<QAction*>(
            QStringLiteral("command%1").arg(Commands::CopyFolderPath));
        QVERIFY(copyFolder);
        copyFolder->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), m_dir.path() + QStringLiteral("/sub10"));
        copyFile->trigger();
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/uri-list")), uri);

        // Dragging a row hands out the same uri-list; rows are never moved away.
        QVERIFY(files->dragEnabled());
        std::unique_ptr<QMimeData> drag(files->model()->mimeData(files->selectionModel()->selectedIndexes()));
        QVERIFY(drag);
        QCOMPARE(drag->data(QStringLiteral("text/uri-list")), uri);
        QVERIFY(!(files->model()->supportedDragActions() & Qt::MoveAction));
        QVERIFY(view.FolderList()->dragEnabled());

        // In status mode a line stands for no file: nothing to copy.
        Search(view, doc, false);
        files->selectionModel()->setCurrentIndex(
            files->model()->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QVERIFY(view.SelectedPath(files).empty());
    }

    void keysRunTheRowCommands()
    {
        m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.resize(800, 600);
        view.OnInitialUpdate();
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        Search(view, doc);
        ResultList* files = view.FileList();
        files->setFocus();
        QTRY_VERIFY(files->hasFocus());

        // Each key is shown in its menu item.
        const auto item = [](QMenu* menu, int id) {
            return menu->findChild<QAction*>(QStringLiteral("command%1").arg(id));
        };
        QCOMPARE(item(view.TopListMenu(), Commands::ViewSelectedFile)->shortcut(),
                 QKeySequence(Qt::Key_Enter));
        QCOMPARE(item(view.TopListMenu(), Commands::RecycleFile)->shortcut(),
                 QKeySequence(QKeySequence::Delete));
        QCOMPARE(item(view.BottomListMenu(), Commands::OpenSelectedFolder)->shortcut(),
                 QKeySequence(Qt::Key_Enter));
        QCOMPARE(item(view.BottomListMenu(), Commands::RecycleFolder)->shortcut(),
                 QKeySequence(QKeySequence::Delete));

        QVERIFY(SelectShown(files, QStringLiteral("File2.txt")) >= 0);
        QTest::keyClick(files, Qt::Key_Return);
        QCOMPARE(LastLaunchedFile(), PathOf("File2.txt"));
        m_launches.clear();
        QTest::keyClick(files, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(LastLaunchedFile(), PathOf("File2.txt"));

        // Delete asks the same question; No keeps everything.
        m_answer = QMessageBox::No;
        QTest::keyClick(files, Qt::Key_Delete);
        QCOMPARE(m_questions, 1);
        QVERIFY(QFile::exists(QFile::decodeName(PathOf("File2.txt"))));
        m_answer = QMessageBox::Yes;
        QTest::keyClick(files, Qt::Key_Delete);
        QCOMPARE(m_questions, 2);
        QVERIFY(!QFile::exists(QFile::decodeName(PathOf("File2.txt"))));
        QCOMPARE(view.FileModel().rowCount(), 4);

        // Shift+F10 and the Menu key open the row's menu.
        QVERIFY(SelectShown(files, QStringLiteral("notes.md")) >= 0);
        QTest::keyClick(files, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(view.TopListMenu()->isVisible());
        view.TopListMenu()->hide();
        QTest::keyClick(files, Qt::Key_Menu);
        QTRY_VERIFY(view.TopListMenu()->isVisible());
        view.TopListMenu()->hide();

        // The folder list's keys act on its own rows.
        ResultList* folders = view.FolderList();
        folders->setFocus();
        QTRY_VERIFY(folders->hasFocus());
        QCOMPARE(view.ActiveList(), folders);
        QVERIFY(SelectShown(folders, m_dir.path() + QStringLiteral("/sub9")) >= 0);
        m_launches.clear();
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(LastLaunchedFile(), PathOf("sub9"));
        QTest::keyClick(folders, Qt::Key_Menu);
        QTRY_VERIFY(view.BottomListMenu()->isVisible());
        view.BottomListMenu()->hide();
        m_answer = QMessageBox::No;
        QTest::keyClick(folders, Qt::Key_Delete);
        QCOMPARE(m_questions, 3);
        QVERIFY(QFile::exists(QFile::decodeName(PathOf("sub9"))));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestListActions)
#include "tst_listactions.moc"
