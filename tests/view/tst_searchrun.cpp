// One whole search through the real view: Start, the dialog, the worker, the rows and the summary.
#include "platform/Clock.h"
#include "support/TestSupport.h"
#include "view/AppMessages.h"
#include "view/DlgSearchParameters.h"
#include "view/FoundFilesText.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/ResultsFilterBox.h"
#include "view/Seams.h"

#include "view/ResultList.h"
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <atomic>

using Settings::Key;

namespace {

// A clock that moves 65 seconds at every reading.
std::atomic<std::int64_t> g_ticks{0};
std::int64_t SlowClock()
{
    return 1700000000 + 65 * g_ticks++;
}

// Counts the notices that reach the main window.

} // namespace

class TestSearchRun : public QObject
{
    Q_OBJECT
public:
    explicit TestSearchRun(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;
    QTemporaryDir m_tree;
    QList<Seams::MessageBoxCall> m_boxes;
    int m_dialogs = 0;
    QString m_word;
    bool m_accept = true;

    void Set(Key key, int value) { m_settings.WriteInt(Settings::Name(key), value); }

    // Starts a search and waits for its end.
    void Run(CPendrakeView& view)
    {
        QSignalSpy finished(&view, &CPendrakeView::searchFinished);
        view.OnStartSearch();
        QVERIFY(view.IsSearching());
        QVERIFY(finished.wait(20000));
        QVERIFY(!view.IsSearching());
    }

    QStringList Column(QAbstractItemModel* model, int column)
    {
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data().toString();
        return texts;
    }

    QString InfoBarText()
    {
        QString text;
        m_settings.ReadInfoBarText(text);
        return text;
    }

private slots:
    void initTestCase()
    {
        // top.txt, two files in a, nothing but a hidden file in empty, and a hidden folder.
        MakeTree(m_tree.path(),
                 {QStringLiteral("top.txt"), QStringLiteral("a/one.txt"), QStringLiteral("a/two.doc"),
                  QStringLiteral("empty/.hidden"), QStringLiteral(".secret/x.txt")});
        Seams::SetMessageBoxHandler([this](const Seams::MessageBoxCall& call) {
            m_boxes << call;
            return QMessageBox::Ok;
        });
        Seams::SetDialogRunner([this](QDialog& dialog) {
            ++m_dialogs;
            auto* parameters = qobject_cast<CDlgSearchParameters*>(&dialog);
            if (!parameters || !m_accept) {
                dialog.reject();
                return int(QDialog::Rejected);
            }
            parameters->WordEdit()->setText(m_word);
            dialog.accept();
            return int(QDialog::Accepted);
        });
    }
    void init()
    {
        m_home.ClearSettings();
        m_boxes.clear();
        m_dialogs = 0;
        m_word.clear();
        m_accept = true;
        platform::SetClock(nullptr);
    }

    void startWithoutFolderShowsTheBoxOnly()
    {
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        view.OnStartSearch();
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].text,
                 QStringLiteral("Please Select a Folder from the List of Folders (from the Left Hand "
                                "Side) & then Press the Start Button."));
        QCOMPARE(m_boxes[0].icon, QMessageBox::Information);
        QCOMPARE(m_dialogs, 0);
        QVERIFY(!view.IsSearching());
    }

    void cancelledDialogChangesNothing()
    {
        CPendrakeDoc doc;
        doc.SetSelectedFolder(m_tree.path());
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        m_word = QStringLiteral("txt");
        Run(view);
        const int rows = view.FileModel().rowCount();
        QVERIFY(rows > 0);
        m_accept = false;
        m_word = QStringLiteral("other");
        view.OnStartSearch();
        QCOMPARE(m_dialogs, 2);
        QVERIFY(!view.IsSearching());
        QCOMPARE(view.FileModel().rowCount(), rows);
        QString word;
        m_settings.ReadSearchWord(word);
        QCOMPARE(word, QStringLiteral("txt"));
    }

    void fileModeRowsAndSummary()
    {
        Set(Key::ViewFilesCount, 1);
        // A clock that stands still: the run takes no time, however busy the machine is.
        platform::SetClock([]() -> std::int64_t { return 1700000000; });
        CPendrakeDoc doc;
        doc.SetSelectedFolder(m_tree.path());
        CPendrakeView view(&doc);
        NoticeCounter frame;
        AppMessages::SetMainWindow(&frame);
        view.resize(600, 401);
        view.OnInitialUpdate();
        Run(view);
        AppMessages::SetMainWindow(nullptr);

        QAbstractItemModel* files = view.FileList()->model();
        QCOMPARE(Column(files, 0),
                 (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
        QStringList names = Column(files, 1);
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("one.txt"), QStringLiteral("top.txt"),
                                     QStringLiteral("two.doc")}));
        QVERIFY(Column(files, 2).contains(m_tree.path() + QStringLiteral("/a")));
        QCOMPARE(files->headerData(1, Qt::Horizontal).toString(), QStringLiteral("File Name"));
        QCOMPARE(files->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Folder"));

        // One folder row per folder with a found file, counting every file enumerated there.
        QAbstractItemModel* folders = view.FolderList()->model();
        QCOMPARE(folders->rowCount(), 2);
        const int aRow = int(Column(folders, 1).indexOf(m_tree.path() + QStringLiteral("/a")));
        QVERIFY(aRow >= 0);
        QCOMPARE(folders->index(aRow, 2).data().toString(), QStringLiteral("2"));

        // Parsed: the tree, a and empty; ignored: the hidden folder; empty holds no found file.
        const QString info = InfoBarText();
        QVERIFY2(info.startsWith(QStringLiteral("File Search Started At ")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral(
                     ". Parsed 3 Folder(s). 1 Folder(s) Ignored. 1 Folder(s) Do Not Contain Files. ")),
                 qPrintable(info));
        QVERIFY(!info.contains(QStringLiteral("Aound")));
        QCOMPARE(FoundFiles::Text(), QStringLiteral("3 File(s) Found."));
        QCoreApplication::processEvents();
        QCOMPARE(frame.Count(AppMessages::UWM_INFOBAR_CHANGED), 2);

        // With the folder list shown the two lists share the height, truncated; the filter box
        // stands in the file list's share.
        const int box = view.FilterBox()->height();
        QVERIFY(box > 0);
        QCOMPARE(view.FilterBox()->geometry(), QRect(0, 0, 600, box));
        QCOMPARE(view.FileList()->geometry(), QRect(0, box, 600, 200 - box));
        QCOMPARE(view.FolderList()->geometry(), QRect(0, 200, 600, 200));
        QVERIFY(!view.FolderList()->isHidden());
    }

    void statusModeLinesAndSlowRun()
    {
        Set(Key::DisplayFileList, 0);
        Set(Key::IgnoreHiddenFolders, 0);
        g_ticks = 0;
        platform::SetClock(&SlowClock);
        CPendrakeDoc doc;
        doc.SetSelectedFolder(m_tree.path());
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        m_word = QStringLiteral("TXT");
        Run(view);

        QAbstractItemModel* files = view.FileList()->model();
        const QStringList lines = Column(files, 1);
        QCOMPARE(lines.size(), 5);
        QVERIFY(
            lines[0].startsWith(QStringLiteral("File Search for Folder %1, Started At ").arg(m_tree.path())));
        QVERIFY(lines[1].startsWith(QStringLiteral("File Search Stopped At ")));
        QCOMPARE(lines[2], QStringLiteral("4 Folder(s) Parsed. "));
        // Without per-folder counts no one knows which folders hold files: no sentence on it.
        QCOMPARE(lines[3], QStringLiteral("3 File(s) Found."));
        QCOMPARE(lines[4], QStringLiteral("It Took Aound 1 Minute 5 Seconds."));
        QCOMPARE(Column(files, 0), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                                QStringLiteral("4"), QStringLiteral("5")}));
        QCOMPARE(files->index(0, 2).data().toString(), QString());
        QCOMPARE(files->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Status"));
        QCOMPARE(files->headerData(2, Qt::Horizontal).toString(), QString());
        QCOMPARE(view.m_foundPaths.size(), 3);
        QVERIFY(view.m_foundPaths.contains(m_tree.path() + QStringLiteral("/.secret/x.txt")));
        QVERIFY(
            InfoBarText().endsWith(QStringLiteral("Parsed 4 Folder(s). It Took Aound 1 Minute 5 Seconds.")));
        QVERIFY(view.FolderList()->isHidden());

        // With the counts on, the folders without a found file are told: of the four, only empty
        // holds none of the three.
        Set(Key::ViewFilesCount, 1);
        Run(view);
        QCOMPARE(Column(files, 1).mid(2, 3),
                 (QStringList{QStringLiteral("4 Folder(s) Parsed. "),
                              QStringLiteral("1 Folder(s) Do Not Contain Files. "),
                              QStringLiteral("3 File(s) Found.")}));
        QVERIFY(InfoBarText().contains(
            QStringLiteral("Parsed 4 Folder(s). 1 Folder(s) Do Not Contain Files. It")));
    }

    void filtersAreToldInBothListModes()
    {
        // Skipping the folder "a" and every ".doc": a is ignored besides the hidden folder, and the
        // summary names the options, in the information bar and among the status lines.
        SearchFilters filters;
        filters.skipPatterns = QStringList{QStringLiteral("a"), QStringLiteral("*.doc")};
        SaveSearchFilters(filters);
        platform::SetClock([]() -> std::int64_t { return 1700000000; });
        for (const int fileList : {1, 0}) {
            Set(Key::DisplayFileList, fileList);
            CPendrakeDoc doc;
            doc.SetSelectedFolder(m_tree.path());
            CPendrakeView view(&doc);
            view.OnInitialUpdate();
            Run(view);
            QVERIFY2(InfoBarText().endsWith(QStringLiteral(
                         ". Parsed 2 Folder(s). 2 Folder(s) Ignored. Skipping 2 pattern(s). ")),
                     qPrintable(InfoBarText()));
            QCOMPARE(FoundFiles::Text(), QStringLiteral("1 File(s) Found."));
            const QStringList column = Column(view.FileList()->model(), 1);
            if (fileList)
                QCOMPARE(column, QStringList{QStringLiteral("top.txt")});
            else
                QVERIFY2(column.contains(QStringLiteral("Skipping 2 pattern(s).")) &&
                             column.contains(QStringLiteral("2 Folder(s) Ignored. ")),
                         qPrintable(column.join(u'|')));
        }

        // A name the expression gives up on is told as a file that could not be read.
        QTemporaryDir costly;
        WriteFile(costly.path() + QLatin1Char('/') + QString(200, QLatin1Char('a')) + QStringLiteral("0.t"));
        filters = {};
        filters.nameMatch = SearchFilters::NameMatch::RegularExpression;
        SaveSearchFilters(filters);
        m_word = QStringLiteral("^(a+)+$");
        Set(Key::DisplayFileList, 1);
        CPendrakeDoc doc;
        doc.SetSelectedFolder(costly.path());
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        Run(view);
        QVERIFY2(
            InfoBarText().contains(QStringLiteral(". Parsed 1 Folder(s). 1 File(s) Could Not Be Read. ")),
            qPrintable(InfoBarText()));
    }

    void stopAndCloseDuringARun()
    {
        // A wide tree so the walk is still going when Stop comes.
        QTemporaryDir wide;
        QStringList paths;
        for (int i = 0; i < 400; ++i)
            paths << QStringLiteral("d%1/e/f.txt").arg(i);
        MakeTree(wide.path(), paths);
        CPendrakeDoc doc;
        doc.SetSelectedFolder(wide.path());
        {
            CPendrakeView view(&doc);
            // Qt's model checks watch both lists through every batch, removal and clearing below.
            QAbstractItemModelTester fileTester(&view.FileModel(),
                                                QAbstractItemModelTester::FailureReportingMode::QtTest);
            QAbstractItemModelTester folderTester(&view.FolderModel(),
                                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
            view.OnInitialUpdate();
            QSignalSpy finished(&view, &CPendrakeView::searchFinished);
            view.OnStartSearch();
            view.OnStopSearch();
            QVERIFY(finished.wait(20000));
            QVERIFY(InfoBarText().startsWith(QStringLiteral("File Search Started At ")));
            // Start right after a run works again.
            Run(view);
            QCOMPARE(view.FileModel().rowCount(), 400);

            // The files-count switch turned over during a run: the run keeps its own copy.
            m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
            QSignalSpy again(&view, &CPendrakeView::searchFinished);
            view.OnStartSearch();
            QTRY_VERIFY(view.FileModel().rowCount() > 0); // the run has taken its options
            const int before = view.FolderModel().rowCount();
            view.OnViewFilesCount(); // off: emptied and hidden, rows keep coming
            QVERIFY(view.FolderList()->isHidden());
            view.OnViewFilesCount();
            QVERIFY(!again.isEmpty() || again.wait(20000));
            QCOMPARE(view.FileModel().rowCount(), 400);
            QCOMPARE(view.FolderModel().rowCount(), 400 - before);
            QVERIFY(!view.FolderList()->isHidden());

            // Closing in the middle of a run waits for the worker and keeps the widths.
            view.FileList()->header()->resizeSection(1, 222);
            view.OnStartSearch();
            view.OnDestroy();
            QVERIFY(!view.m_run);
        }
        QCOMPARE(m_settings.GetInt(Settings::ColumnWidthKey(0, 1), 0), 222);
        QCOMPARE(m_settings.GetInt(Settings::ColumnWidthKey(1, 2), 0), 125);
    }

    void folderCountsEndWhole()
    {
        // The counts of a folder reach its row in steps while the walk is in it; the row ends with
        // the count at the folder's last found file, also for the folder walked last (here the only
        // one with files).
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 300; ++i)
            paths << QStringLiteral("many/f%1.txt").arg(i);
        MakeTree(dir.path(), paths);
        Set(Key::ViewFilesCount, 1);
        for (const int fileMode : {0, 1}) {
            Set(Key::DisplayFileList, fileMode);
            CPendrakeDoc doc;
            doc.SetSelectedFolder(dir.path());
            CPendrakeView view(&doc);
            view.OnInitialUpdate();
            Run(view);
            QAbstractItemModel* folders = view.FolderList()->model();
            QCOMPARE(folders->rowCount(), 1);
            QCOMPARE(folders->index(0, 1).data().toString(), dir.path() + QStringLiteral("/many"));
            QCOMPARE(folders->index(0, 2).data().toString(), QStringLiteral("300"));
        }
    }

    void aStopIsNeverLost()
    {
        // 400 folders with a sub-folder each: a whole walk parses 801 of them.
        QTemporaryDir wide;
        QStringList paths;
        for (int i = 0; i < 400; ++i)
            paths << QStringLiteral("d%1/e/f.txt").arg(i);
        MakeTree(wide.path(), paths);
        CPendrakeDoc doc;
        doc.SetSelectedFolder(wide.path());
        CPendrakeView view(&doc);
        view.OnInitialUpdate();

        // Stop right after the OK, before the worker has done anything: nothing is walked.
        QSignalSpy finished(&view, &CPendrakeView::searchFinished);
        view.OnStartSearch();
        QVERIFY(view.m_run); // Stop is offered from the OK on
        view.OnStopSearch();
        QVERIFY(finished.wait(20000));
        QCOMPARE(view.FileModel().rowCount(), 0);
        QVERIFY2(InfoBarText().contains(QStringLiteral("Parsed 0 Folder(s). ")), qPrintable(InfoBarText()));
        QCOMPARE(FoundFiles::Text(), QStringLiteral("0 File(s) Found."));
        QVERIFY(!view.m_run);

        // Stop while the worker loads its options (the start time is stamped then), after its first
        // step and before the walk: still nothing is walked.
        static CPendrakeView* s_view = nullptr;
        s_view = &view;
        platform::SetClock([]() -> std::int64_t {
            s_view->OnStopSearch();
            return 1700000000;
        });
        Run(view);
        platform::SetClock(nullptr);
        QCOMPARE(view.FileModel().rowCount(), 0);
        QVERIFY2(InfoBarText().contains(QStringLiteral("Parsed 0 Folder(s). ")), qPrintable(InfoBarText()));

        // Without a stop the same tree is walked whole.
        Run(view);
        QCOMPARE(view.FileModel().rowCount(), 400);
        QVERIFY(InfoBarText().contains(QStringLiteral("Parsed 801 Folder(s). ")));
    }

    void columnWidthsComeBack()
    {
        CPendrakeDoc doc;
        {
            CPendrakeView view(&doc);
            view.OnInitialUpdate();
            QCOMPARE(view.FileList()->header()->sectionSize(2), 400);
            QCOMPARE(view.FolderList()->header()->sectionSize(1), 500);
            view.FolderList()->header()->resizeSection(1, 321);
        }
        CPendrakeView again(&doc);
        again.OnInitialUpdate();
        QCOMPARE(again.FolderList()->header()->sectionSize(1), 321);
        QCOMPARE(again.FileList()->header()->sectionSize(0), 100);
    }

    void filesCountCommandShowsAndHidesTheFolderList()
    {
        CPendrakeDoc doc;
        CPendrakeView view(&doc);
        view.resize(500, 301);
        view.OnInitialUpdate();
        QVERIFY(view.FolderList()->isHidden());
        const int box = view.FilterBox()->height();
        QCOMPARE(view.FileList()->geometry(), QRect(0, box, 500, 301 - box));
        view.FolderModel().UpdateFolderRow(QStringLiteral("/x"), 1);
        view.OnViewFilesCount();
        QCOMPARE(m_settings.GetSwitch(Key::ViewFilesCount), 1);
        QVERIFY(!view.FolderList()->isHidden());
        QCOMPARE(view.FileList()->height(), 150 - box);
        view.OnViewFilesCount();
        QVERIFY(view.FolderList()->isHidden());
        QCOMPARE(view.FolderModel().rowCount(), 0);
        QCOMPARE(view.FileList()->height(), 301 - box);
    }

    void autoSearchAtStartupQueuesStart()
    {
        Set(Key::AutoListLastFolderAtStartup, 1);
        CPendrakeDoc doc;
        doc.SetSelectedFolder(m_tree.path());
        CPendrakeView view(&doc);
        QSignalSpy finished(&view, &CPendrakeView::searchFinished);
        view.OnInitialUpdate();
        QCOMPARE(m_dialogs, 0); // queued, not run from inside the first update
        QVERIFY(finished.wait(20000));
        QCOMPARE(m_dialogs, 1);
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestSearchRun)
#include "tst_searchrun.moc"
