// The results window's scan: which files stay, in what order, with which numbers, sizes, dates and
// colours, from either kind of input.
#include "DuplicatesTestUtil.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <clocale>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace DuplicatesTest;

class TestSizeGrouping : public QObject
{
    Q_OBJECT
public:
    explicit TestSizeGrouping(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

    // The seconds of a local calendar time.
    static std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second)
    {
        std::tm t{};
        t.tm_year = year - 1900;
        t.tm_mon = month - 1;
        t.tm_mday = day;
        t.tm_hour = hour;
        t.tm_min = minute;
        t.tm_sec = second;
        t.tm_isdst = -1;
        return std::mktime(&t);
    }
    static void SetModified(const QString& path, std::time_t seconds)
    {
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }

private slots:
    void initTestCase()
    {
        // Dates and times in the C library's plain form, whatever the machine's locale.
        std::setlocale(LC_TIME, "C");
    }
    void init() { m_home.ClearSettings(); }

    void setUp()
    {
        CDlgDuplicateResults window;
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.setUpdatesEnabled(false);
        QSignalSpy finished(&window, &CDlgDuplicateResults::scanFinished);
        window.show();
        OpenHelp(window);

        // The help text, modal to the window but not holding up the scan.
        QMessageBox* help = window.HelpBox();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowModality(), Qt::WindowModal);
        QCOMPARE(help->parentWidget(), &window);
        QCOMPARE(help->icon(), QMessageBox::Information);
        QCOMPARE(help->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(help->windowTitle(), QCoreApplication::applicationName());
        QCOMPARE(
            help->text(),
            QStringLiteral("This Window Displays Possibly Duplicate Files Grouped by File Size.\n\n"
                           "Files of Same Size Might be Duplicate or Different.\n\n"
                           "Have a Close Look before Deleting Any File(s).\n\n"
                           "Right Click to View Available Commands.\n\n"
                           "In case the List of Files is Scrolling, Please Wait untill it Stops Scrolling."));
        help->button(QMessageBox::Ok)->click();
        QVERIFY(!window.HelpBox());
        QVERIFY(finished.count() > 0 || finished.wait(60000));

        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Duplicate Search Results - ") + QCoreApplication::applicationName());
        QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        const QHeaderView* header = window.ResultsList().horizontalHeader();
        QStringList headings;
        QList<int> widths;
        for (int column = 0; column < header->count(); ++column) {
            headings << header->model()->headerData(column, Qt::Horizontal).toString();
            widths << header->sectionSize(column);
        }
        QCOMPARE(headings,
                 (QStringList{QStringLiteral("Sr"), QStringLiteral("File Name"), QStringLiteral("Folder"),
                              QStringLiteral("Size"), QStringLiteral("Last Modified")}));
        QCOMPARE(widths.mid(0, 4), (QList<int>{60, 150, 250, 100}));
        QVERIFY(LastColumnFills(window));
        QStringList items;
        for (const QAction* action : window.PopupMenu().actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(items,
                 (QStringList{QStringLiteral("Display Selected File(s) in Explorer"), QStringLiteral("-"),
                              QStringLiteral("Send Checked File(s) to Recycle Bin"), QStringLiteral("-"),
                              QStringLiteral("Check All"), QStringLiteral("UnCheck All")}));

        // No input: an empty list, enabled again, and the busy cursor gone.
        QCOMPARE(window.ResultsList().GetItemCount(), 0);
        QVERIFY(window.ResultsList().isEnabled());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void sizeGroups_data()
    {
        QTest::addColumn<bool>("fromFileList");
        QTest::addColumn<QList<qint64>>("sizes"); // of files f0, f1, ... in input order
        QTest::addColumn<QList<int>>("shown");    // the input files the list shows, top to bottom
        QTest::addColumn<QString>("colours");     // of those rows: B black, R red
        for (const bool fromFileList : {false, true}) {
            const char* source = fromFileList ? "file list" : "found paths";
            const auto add = [&](const char* name) {
                return &(QTest::addRow("%s, %s", source, name) << fromFileList);
            };
            *add("10 10 7 5 5 in mixed order")
                << QList<qint64>{5, 10, 7, 5, 10} << QList<int>{1, 4, 0, 3} << QStringLiteral("BBRR");
            *add("9 8 8 7 6") << QList<qint64>{9, 8, 8, 7, 6} << QList<int>{1, 2} << QStringLiteral("BB");
            *add("3 2 1") << QList<qint64>{3, 2, 1} << QList<int>{} << QString();
            *add("a single file") << QList<qint64>{4} << QList<int>{} << QString();
            *add("two files of one odd size")
                << QList<qint64>{7, 7} << QList<int>{0, 1} << QStringLiteral("BB");
            *add("5 5 5") << QList<qint64>{5, 5, 5} << QList<int>{0, 1, 2} << QStringLiteral("BBB");
            *add("three pairs") << QList<qint64>{1, 3, 2, 3, 1, 2} << QList<int>{1, 3, 2, 5, 0, 4}
                                << QStringLiteral("BBRRBB");
        }
    }
    void sizeGroups()
    {
        QFETCH(bool, fromFileList);
        QFETCH(QList<qint64>, sizes);
        QFETCH(QList<int>, shown);
        QFETCH(QString, colours);

        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < sizes.size(); ++i)
            paths << MakeSized(dir.path() + QStringLiteral("/f%1").arg(i), sizes[i]);
        FileListModel list;
        CDlgDuplicateResults window;
        if (fromFileList) {
            FillFileList(list, paths);
            window.m_pSourceList = &list;
        } else {
            window.m_pSourcePaths = &paths;
        }
        QVERIFY(OpenAndScan(window));

        QStringList names, numbers, sizeTexts;
        for (int k = 0; k < shown.size(); ++k) {
            names << QStringLiteral("f%1").arg(shown[k]);
            numbers << QString::number(k + 1);
            sizeTexts << QString::number(sizes[shown[k]]);
        }
        const std::vector<ShownRow> rows = Shown(window);
        QCOMPARE(Column(rows, &ShownRow::name), names);
        QCOMPARE(Column(rows, &ShownRow::number), numbers);
        QCOMPARE(Column(rows, &ShownRow::size), sizeTexts);
        QCOMPARE(Colours(rows), colours);
        for (const ShownRow& row : rows) {
            QCOMPARE(row.folder, dir.path() + QLatin1Char('/'));
            QVERIFY(!row.modified.trimmed().isEmpty());
            QVERIFY(!row.checked);
        }
        QVERIFY(window.ResultsList().isEnabled());
        QVERIFY(!window.IsScanning());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void unopenableFileBesideZeroLengthFile()
    {
        // A path that no longer exists, a pipe (never opened: it counts as a file that failed to
        // open), an empty file and two files of nine bytes.
        QTemporaryDir dir;
        const QString gone = dir.path() + QStringLiteral("/gone");
        const QString pipe = dir.path() + QStringLiteral("/pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
        const QStringList paths = {gone, pipe, MakeSized(dir.path() + QStringLiteral("/zero"), 0),
                                   MakeSized(dir.path() + QStringLiteral("/n1"), 9),
                                   MakeSized(dir.path() + QStringLiteral("/n2"), 9)};
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));

        // The pipe and the empty file both hold key 0 and stay together at the bottom, but their
        // size texts differ, so they fall into different bands.
        const std::vector<ShownRow> rows = Shown(window);
        QCOMPARE(Column(rows, &ShownRow::name),
                 (QStringList{QStringLiteral("n1"), QStringLiteral("n2"), QStringLiteral("pipe"),
                              QStringLiteral("zero")}));
        QCOMPARE(Column(rows, &ShownRow::number), Texts({"1", "2", "3", "4"}));
        QCOMPARE(Column(rows, &ShownRow::size), Texts({"9", "9", "", "0"}));
        QCOMPARE(Colours(rows), QStringLiteral("BBRB"));
        QCOMPARE(rows[2].modified, QString());
        QVERIFY(!rows[3].modified.trimmed().isEmpty());
    }

    void linksAreFollowedToRegularFilesOnly()
    {
        QTemporaryDir dir;
        const QString target = MakeSized(dir.path() + QStringLiteral("/a"), 6);
        const auto link = [&](const QString& to, const QString& name) {
            const QString path = dir.path() + QLatin1Char('/') + name;
            if (::symlink(QFile::encodeName(to).constData(), QFile::encodeName(path).constData()) != 0)
                qFatal("cannot make a link");
            return path;
        };
        const QStringList paths = {target, link(target, QStringLiteral("toA")),
                                   link(dir.path() + QStringLiteral("/nothing"), QStringLiteral("dangling")),
                                   MakeSized(dir.path() + QStringLiteral("/zero"), 0),
                                   link(dir.path(), QStringLiteral("toFolder"))};
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));

        // Bands follow the size texts from row to row: "6", "6", "", "0", "" make bands 0, 0, 1, 2, 3.
        const std::vector<ShownRow> rows = Shown(window);
        QCOMPARE(Column(rows, &ShownRow::name), Texts({"a", "toA", "dangling", "zero", "toFolder"}));
        QCOMPARE(Column(rows, &ShownRow::size), Texts({"6", "6", "", "0", ""}));
        QCOMPARE(Colours(rows), QStringLiteral("BBRBR"));
    }

    void wholeSizesAndLocalDates()
    {
        // Files beyond 4 GiB (sparse) sort above all smaller ones and group only with their exact size.
        QTemporaryDir dir;
        const qint64 big = (qint64(1) << 32) + 10;
        const QStringList paths = {MakeSized(dir.path() + QStringLiteral("/big1"), big),
                                   MakeSized(dir.path() + QStringLiteral("/ten"), 10),
                                   MakeSized(dir.path() + QStringLiteral("/big2"), big),
                                   MakeSized(dir.path() + QStringLiteral("/s1"), 7),
                                   MakeSized(dir.path() + QStringLiteral("/s2"), 7)};
        SetModified(paths[3], LocalTime(2021, 3, 4, 5, 6, 7));
        SetModified(paths[4], LocalTime(2019, 12, 31, 23, 59, 58));
        CDlgDuplicateResults window;
        window.m_pSourcePaths = &paths;
        QVERIFY(OpenAndScan(window));

        const std::vector<ShownRow> rows = Shown(window);
        QCOMPARE(Column(rows, &ShownRow::name), Texts({"big1", "big2", "s1", "s2"}));
        QCOMPARE(Column(rows, &ShownRow::size), Texts({"4294967306", "4294967306", "7", "7"}));
        QCOMPARE(Colours(rows), QStringLiteral("BBRR"));
        QCOMPARE(rows[2].modified, QStringLiteral("03/04/21 05:06:07"));
        QCOMPARE(rows[3].modified, QStringLiteral("12/31/19 23:59:58"));
    }

    void fileListRowsKeepTheirExactNames()
    {
        // A name that is not valid UTF-8, a status line among the rows, and a file gone since the
        // search: the status line and the missing file add no row and leave no gap in the numbers.
        QTemporaryDir dir;
        const std::string folder = QFile::encodeName(dir.path()).toStdString();
        const std::string odd = "caf\xe9";
        // QTemporaryDir cannot remove a name it cannot decode, so that file goes by its bytes.
        struct RemoveOnExit
        {
            std::string path;
            ~RemoveOnExit() { ::unlink(path.c_str()); }
        } removeOdd{folder + "/" + odd};
        const int fd = ::open(removeOdd.path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "abc", 3), ssize_t(3));
        ::close(fd);
        MakeSized(dir.path() + QStringLiteral("/plain"), 3);
        MakeSized(dir.path() + QStringLiteral("/other"), 8);

        FileListModel list;
        const int index = list.AddFolder(dir.path(), folder);
        std::vector<FileListModel::NewRow> rows = {{-1, "File Search for Folder /x, Started At 10:00:00"},
                                                   {index, "gone"},
                                                   {index, odd},
                                                   {index, "other"},
                                                   {index, "plain"}};
        list.Append(rows);
        CDlgDuplicateResults window;
        window.m_pSourceList = &list;
        QVERIFY(OpenAndScan(window));

        const ResultsModel& model = window.ResultsList().Model();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.NativePath(0), folder + "/" + odd);
        QCOMPARE(model.NativePath(1), folder + "/plain");
        QVERIFY(model.Text(0, ResultsModel::kName).contains(QChar(QChar::ReplacementCharacter)));
        QCOMPARE(model.Text(0, ResultsModel::kFolder), dir.path() + QLatin1Char('/'));
        QCOMPARE(Column(Shown(window), &ShownRow::number), Texts({"1", "2"}));
        QCOMPARE(Column(Shown(window), &ShownRow::size), Texts({"3", "3"}));
    }

    void rowsSeenAsRegularAreStillLookedUpWhenTheyChanged()
    {
        // Every row says the walk saw a regular file, yet one is gone, one is now a link and one a
        // folder: each is taken for what it is now, as if the walk had said nothing.
        QTemporaryDir dir;
        const QString plain = MakeSized(dir.path() + QStringLiteral("/plain"), 3);
        MakeSized(dir.path() + QStringLiteral("/empty"), 0);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        QCOMPARE(::symlink(QFile::encodeName(plain).constData(),
                           QFile::encodeName(dir.path() + QStringLiteral("/toPlain")).constData()),
                 0);
        FileListModel list;
        const int index = list.AddFolder(dir.path(), QFile::encodeName(dir.path()).toStdString());
        std::vector<FileListModel::NewRow> rows;
        for (const char* name : {"gone", "plain", "sub", "empty", "toPlain"})
            rows.push_back({index, name, true});
        list.Append(rows);
        QVERIFY(list.IsKnownRegular(1));
        CDlgDuplicateResults window;
        window.m_pSourceList = &list;
        QVERIFY(OpenAndScan(window));

        const std::vector<ShownRow> shown = Shown(window);
        QCOMPARE(Column(shown, &ShownRow::name), Texts({"plain", "toPlain", "sub", "empty"}));
        QCOMPARE(Column(shown, &ShownRow::size), Texts({"3", "3", "", "0"}));
        QCOMPARE(Column(shown, &ShownRow::number), Texts({"1", "2", "3", "4"}));
        QCOMPARE(Colours(shown), QStringLiteral("BBRB"));
    }

    void longInputKeepsInputOrder_data()
    {
        QTest::addColumn<bool>("seenAsRegular");
        QTest::newRow("looked up") << false;
        QTest::newRow("seen as regular") << true;
    }
    void longInputKeepsInputOrder()
    {
        // Enough files for the reading to be shared out, in two folders, the first holding most:
        // equal sizes keep input order, numbers have no gaps and every row keeps its own folder.
        QFETCH(bool, seenAsRegular);
        QTemporaryDir dir;
        const QString first = dir.path() + QStringLiteral("/first");
        const QString second = dir.path() + QStringLiteral("/second");
        QVERIFY(QDir().mkpath(first) && QDir().mkpath(second));
        constexpr int kFiles = 5001;
        FileListModel list;
        const int firstIndex = list.AddFolder(first, QFile::encodeName(first).toStdString());
        const int secondIndex = list.AddFolder(second, QFile::encodeName(second).toStdString());
        std::vector<FileListModel::NewRow> rows;
        std::vector<std::pair<int, int>> sizes; // size and input position of each file
        for (int i = 0; i < kFiles; ++i) {
            const bool inFirst = i < 3000;
            const int size = i + 1 == kFiles ? 1000 : i % 50; // the last size occurs once
            const QString name = QStringLiteral("f%1").arg(i);
            MakeSized((inFirst ? first : second) + QLatin1Char('/') + name, size);
            rows.push_back({inFirst ? firstIndex : secondIndex, name.toStdString(), seenAsRegular});
            if (i + 1 < kFiles)
                sizes.emplace_back(size, i);
        }
        list.Append(rows);
        std::stable_sort(sizes.begin(), sizes.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        CDlgDuplicateResults window;
        window.m_pSourceList = &list;
        QVERIFY(OpenAndScan(window));

        const std::vector<ShownRow> shown = Shown(window);
        QCOMPARE(int(shown.size()), kFiles - 1);
        for (size_t row = 0; row < shown.size(); ++row) {
            const int position = sizes[row].second;
            QCOMPARE(shown[row].name, QStringLiteral("f%1").arg(position));
            QCOMPARE(shown[row].number, QString::number(row + 1));
            QCOMPARE(shown[row].size, QString::number(sizes[row].first));
            QCOMPARE(shown[row].folder, (position < 3000 ? first : second) + QLatin1Char('/'));
        }
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestSizeGrouping)
#include "tst_sizegrouping.moc"
