// The file list's Size and Modified columns: hidden at first, their values, where those come from,
// and sorting by them.
#include "engine/ViewSettings.h"
#include "platform/EntryStatus.h"
#include "support/TestSupport.h"
#include "view/DlgSearchParameters.h"
#include "view/ListRowOrder.h"
#include "view/PendrakeDoc.h"
#include "view/PendrakeView.h"
#include "view/ResultList.h"
#include "view/Seams.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kSize = FileListModel::kSize;
constexpr int kModified = FileListModel::kModified;

// name, size, modification time: the found order, name order, size order and time order all differ.
struct Made
{
    const char* name;
    int size;
    qint64 modified;
};
const Made kFiles[] = {{"b\xff.txt", 1000, 1600000000}, {"a.txt", 5, 1700000000}, {"c.txt", 20, 1500000000}};

} // namespace

class TestStatusColumns : public QObject
{
    Q_OBJECT
public:
    explicit TestStatusColumns(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    QTemporaryDir m_tree;

    void Search(CPendrakeView& view)
    {
        QSignalSpy finished(&view, &CPendrakeView::searchFinished);
        view.OnStartSearch();
        QVERIFY(finished.wait(20000));
    }
    // The size texts of the shown rows, top to bottom.
    QStringList ShownSizes(CPendrakeView& view)
    {
        QStringList sizes;
        for (int row = 0; row < view.FileOrder().rowCount(); ++row)
            sizes << view.FileOrder().index(row, kSize).data().toString();
        return sizes;
    }

private slots:
    void initTestCase()
    {
        for (const Made& file : kFiles) {
            const QByteArray path = QFile::encodeName(m_tree.path()) + '/' + file.name;
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            QVERIFY(fd >= 0 &&
                    ::write(fd, QByteArray(file.size, 'x').constData(), size_t(file.size)) == file.size);
            ::close(fd);
            const timespec times[2] = {{file.modified, 0}, {file.modified, 0}};
            QCOMPARE(::utimensat(AT_FDCWD, path.constData(), times, AT_SYMLINK_NOFOLLOW), 0);
        }
        Seams::SetDialogRunner([](QDialog& dialog) {
            dialog.accept();
            return int(QDialog::Accepted);
        });
    }
    void init() { m_home.ClearSettings(); }
    void cleanupTestCase() { RemoveTree(m_tree.path()); } // a name that is not UTF-8

    void hiddenAtFirstThenShownAndRemembered()
    {
        CPendrakeDoc doc;
        doc.SetSelectedFolder(m_tree.path());
        {
            CPendrakeView view(&doc);
            view.OnInitialUpdate();
            QVERIFY(!view.IsColumnShown(kSize) && !view.IsColumnShown(kModified));
            QVERIFY(view.FileList()->header()->isSectionHidden(kSize));
            Search(view);
            QCOMPARE(view.FileModel().rowCount(), 3);
            for (int row = 0; row < 3; ++row) // nothing is read for hidden columns
                QVERIFY(!view.FileModel().Status(row).Read() && view.FileModel().Text(row, kSize).isEmpty());

            view.Execute(Commands::ViewSizeColumn);
            CCmdUI ui(Commands::ViewSizeColumn);
            view.Update(ui);
            QVERIFY(ui.m_checked && view.IsColumnShown(kSize) && !view.IsColumnShown(kModified));
            QCOMPARE(view.FileList()->header()->visualIndex(kSize), 2); // before the folder
            view.FileList()->header()->resizeSection(kSize, 177);
            view.ShowColumn(kSize, false); // its width is kept while hidden
            view.ShowColumn(kSize, true);
            view.OnDestroy();
        }
        QCOMPARE(ViewSettings::GetInt(Settings::ViewKey::SizeColumn), 1);
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        QVERIFY(view.IsColumnShown(kSize));
        QCOMPARE(view.FileList()->header()->sectionSize(kSize), 177);
    }

    void valuesAreRightAndSortByValue_data()
    {
        QTest::addColumn<bool>("shownAtStart");
        QTest::newRow("read by the walk") << true;
        QTest::newRow("read when shown") << false;
    }
    void valuesAreRightAndSortByValue()
    {
        QFETCH(bool, shownAtStart);
        CPendrakeDoc doc;
        doc.SetSelectedFolder(m_tree.path());
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        view.ShowColumn(kSize, shownAtStart);
        view.ShowColumn(kModified, shownAtStart);
        Search(view);
        const FileListModel& model = view.FileModel();
        for (int row = 0; row < 3; ++row)
            QCOMPARE(model.Status(row).Read(), shownAtStart);
        view.ShowColumn(kSize, true);
        view.ShowColumn(kModified, true);
        const QLocale locale;
        for (int row = 0; row < model.rowCount(); ++row) {
            const std::string_view name = model.NativeName(row);
            const Made& file = *std::find_if(std::begin(kFiles), std::end(kFiles),
                                             [&](const Made& m) { return name == m.name; });
            QCOMPARE(model.Text(row, kSize), locale.toString(file.size));
            QCOMPARE(model.Text(row, kModified),
                     locale.toString(QDateTime::fromSecsSinceEpoch(file.modified), QLocale::ShortFormat));
            QCOMPARE(model.index(row, kSize).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                     Qt::AlignRight | Qt::AlignVCenter);
        }

        // Statuses read on a thread of their own: the sort waits for them.
        view.FileList()->sortByColumn(kSize, Qt::AscendingOrder);
        QTRY_COMPARE(ShownSizes(view),
                     QStringList({QStringLiteral("5"), QStringLiteral("20"), locale.toString(1000)}));
        QVERIFY(!model.ReadingStatus());
        view.FileList()->sortByColumn(kModified, Qt::DescendingOrder);
        QCOMPARE(ShownSizes(view),
                 QStringList({QStringLiteral("5"), locale.toString(1000), QStringLiteral("20")}));

        // Hidden, the column no longer decides the order.
        view.ShowColumn(kModified, false);
        QCOMPARE(view.FileList()->header()->sortIndicatorSection(), 0);
        if (shownAtStart)
            return;
        // A file gone between the walk and the first look at it: no value, first in the order.
        const QString gone = m_tree.path() + QStringLiteral("/gone");
        WriteFile(gone, "12345678");
        view.ShowColumn(kSize, false);
        Search(view);
        QFile::remove(gone);
        view.ShowColumn(kSize, true);
        view.FileList()->sortByColumn(kSize, Qt::AscendingOrder);
        QTRY_COMPARE(ShownSizes(view), QStringList({QString(), QStringLiteral("5"), QStringLiteral("20"),
                                                    locale.toString(1000)}));
    }

    void sortReadsNoStatusOnTheUserInterfaceThread()
    {
        // Shown after the search, the columns' statuses are read on a thread of their own; a sort
        // asked for meanwhile reads none itself (it waits for that thread).
        CPendrakeDoc doc;
        doc.SetSelectedFolder(m_tree.path());
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        view.ShowColumn(kSize, false);
        view.ShowColumn(kModified, false);
        Search(view);
        view.ShowColumn(kSize, true);
        QVERIFY(view.FileModel().ReadingStatus());
        const std::vector<int> order = FileRows(view.FileModel()).SortedRows(kSize);
        QCOMPARE(order.size(), size_t(3));
        for (int row = 0; row < 3; ++row)
            QVERIFY(!view.FileModel().KnownStatus(row).Read());
        QTRY_VERIFY(!view.FileModel().ReadingStatus() && view.FileModel().KnownStatus(0).Known());
    }

    void lookUpFollowsNoLinkBelowTheStart()
    {
        // The start folder is reached through a link, as chosen; a folder below it swapped for a
        // link after the search shows nothing of the link's target.
        QTemporaryDir dir;
        const QString root = dir.path();
        WriteFile(root + QStringLiteral("/real/sub/f.txt"), "abc");
        WriteFile(root + QStringLiteral("/other/sub/f.txt"), "1234567");
        QVERIFY(QFile::link(root + QStringLiteral("/real"), root + QStringLiteral("/start")));
        const std::string start = QFile::encodeName(root + QStringLiteral("/start")).toStdString();
        platform::NoteStartFolder(start);
        const auto sizeOf = [&](const std::string& folder) {
            return platform::ReadEntryStatuses(folder, {std::string_view("f.txt")}).front().size;
        };
        QCOMPARE(sizeOf(start + "/sub"), 3);
        QVERIFY(QFile::rename(root + QStringLiteral("/real/sub"), root + QStringLiteral("/real/old")));
        QVERIFY(QFile::link(root + QStringLiteral("/other/sub"), root + QStringLiteral("/real/sub")));
        QCOMPARE(sizeOf(start + "/sub"), platform::EntryStatus::kUnreadable);
        QCOMPARE(sizeOf(start + "/old"), 3);
        // A folder of no search noted: no link anywhere on the way.
        QCOMPARE(sizeOf(QFile::encodeName(root + QStringLiteral("/real/old")).toStdString()), 3);
        QVERIFY(QFile::link(root + QStringLiteral("/real"), root + QStringLiteral("/start2")));
        QCOMPARE(sizeOf(QFile::encodeName(root + QStringLiteral("/start2/old")).toStdString()),
                 platform::EntryStatus::kUnreadable);
    }

    void filtersThatReadTheStatusFillTheColumns()
    {
        SearchFilters filters;
        filters.minSize = {true, 10, SearchFilters::SizeUnit::Bytes};
        SaveSearchFilters(filters);
        CPendrakeDoc doc;
        doc.SetSelectedFolder(m_tree.path());
        CPendrakeView view(&doc);
        view.OnInitialUpdate();
        Search(view);
        QCOMPARE(view.FileModel().rowCount(), 2);
        for (int row = 0; row < 2; ++row)
            QVERIFY(view.FileModel().Status(row).Known()); // from the walk, though hidden
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestStatusColumns)
#include "tst_statuscolumns.moc"
