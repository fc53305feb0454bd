// Sorting and filtering the lists without touching their rows, and the paths they hand out.
#include "support/TestSupport.h"
#include "view/ClipboardPaths.h"
#include "view/ListModels.h"
#include "view/ListRowOrder.h"
#include "view/ListSortFilter.h"
#include "view/NaturalOrder.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMimeData>

namespace {

QStringList Column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

// A file list with the given (folder, name) rows, in that found order.
void Fill(FileListModel& model, const std::vector<std::pair<std::string, std::string>>& rows)
{
    std::map<std::string, int> folders;
    std::vector<FileListModel::NewRow> newRows;
    for (const auto& [folder, name] : rows) {
        auto it = folders.find(folder);
        if (it == folders.end())
            it = folders.emplace(folder, model.AddFolder(QString::fromUtf8(folder), folder)).first;
        newRows.push_back({it->second, name});
    }
    model.Append(newRows);
}

QStringList L(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

} // namespace

class TestListOrder : public QObject
{
    Q_OBJECT
public:
    explicit TestListOrder(const TestHome&) {}

private slots:
    void naturalOrder()
    {
        const auto before = [](const char* a, const char* b) {
            return NaturalOrder::Compare(QString::fromUtf8(a), QString::fromUtf8(b)) < 0;
        };
        QVERIFY(before("file2", "file10"));
        QVERIFY(before("file9.txt", "file10.txt"));
        QVERIFY(before("a", "B"));
        QVERIFY(before("B", "c"));
        QVERIFY(before("x1y2", "x1y10"));
        QVERIFY(before("file", "file1"));
        QVERIFY(before("file1", "file1a"));
        QVERIFY(before("0", "1"));
        QVERIFY(before("99", "100"));
        QVERIFY(before("007", "8"));
        QVERIFY(before("123456789012345678901", "123456789012345678902"));
        QVERIFY(before("a 1", "a1"));     // a blank sorts before a digit, as in plain order
        QVERIFY(before("img1z", "imga")); // digits before letters
        QVERIFY(before("éa", "Éb"));      // folding beyond ASCII
        QVERIFY(before("/data/b", "/data/b/x"));
        QVERIFY(before("/data/b/x", "/data/b c")); // a folder right before its sub-folders
        QCOMPARE(NaturalOrder::Compare(QStringLiteral("File02"), QStringLiteral("file2")), 0);
        QCOMPARE(NaturalOrder::Compare(QStringLiteral("ÉTÉ"), QStringLiteral("été")), 0);
        // Bytes that are not UTF-8 sort like the replacement character they show as.
        QVERIFY(NaturalOrder::Key(std::string_view("b\xff")) > NaturalOrder::Key(std::string_view("bz")));
    }

    void sortsByColumnKeepingNumbers()
    {
        FileListModel model;
        Fill(model, {{"/d/b", "file10.txt"},
                     {"/d/a", "File2.txt"},
                     {"/d/b", "file1.txt"},
                     {"/d/a10", "zeta"},
                     {"/d/a2", "alpha"},
                     {"/d/a", "file10.txt"}});
        FileRows rows(model);
        ListSortFilter list(rows);
        list.setSourceModel(&model);
        QCOMPARE(Column(list, 0), L({"1", "2", "3", "4", "5", "6"}));

        list.sort(1, Qt::AscendingOrder);
        // Equal names go by folder.
        QCOMPARE(Column(list, 1), L({"alpha", "file1.txt", "File2.txt", "file10.txt", "file10.txt", "zeta"}));
        QCOMPARE(Column(list, 0), L({"5", "3", "2", "6", "1", "4"}));
        list.sort(1, Qt::DescendingOrder);
        QCOMPARE(Column(list, 0), L({"4", "1", "6", "2", "3", "5"}));

        list.sort(2, Qt::AscendingOrder);
        QCOMPARE(Column(list, 2), L({"/d/a", "/d/a", "/d/a2", "/d/a10", "/d/b", "/d/b"}));
        QCOMPARE(Column(list, 0), L({"2", "6", "5", "4", "3", "1"}));

        list.sort(0, Qt::DescendingOrder);
        QCOMPARE(Column(list, 0), L({"6", "5", "4", "3", "2", "1"}));
        list.sort(0, Qt::AscendingOrder);
        QCOMPARE(Column(list, 0), L({"1", "2", "3", "4", "5", "6"}));
        // A first click on a heading sorts ascending.
        QCOMPARE(list.headerData(1, Qt::Horizontal, Qt::InitialSortOrderRole).toInt(),
                 int(Qt::AscendingOrder));
        QCOMPARE(list.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("File Name"));
    }

    void folderListSorts()
    {
        FolderListModel model;
        model.UpdateFolderRow(QStringLiteral("/x/f10"), 3);
        model.UpdateFolderRow(QStringLiteral("/x/F2"), 7);
        model.UpdateFolderRow(QStringLiteral("/x/f1"), 3);
        FolderRows rows(model);
        ListSortFilter list(rows);
        list.setSourceModel(&model);
        list.sort(1);
        QCOMPARE(Column(list, 1), L({"/x/f1", "/x/F2", "/x/f10"}));
        list.sort(2, Qt::DescendingOrder);
        QCOMPARE(Column(list, 2), L({"7", "3", "3"}));
        list.sort(2);
        QCOMPARE(Column(list, 0), L({"1", "3", "2"}));
        // A count rewritten in place reaches the list.
        model.UpdateFolderRow(QStringLiteral("/x/F2"), 9);
        QCOMPARE(list.index(2, 2).data().toString(), QStringLiteral("9"));
        QCOMPARE(list.mapToSource(list.index(2, 1)).row(), 1);
    }

    void sortWaitsWhileBusyAndRowsAppend()
    {
        FileListModel model;
        Fill(model, {{"/f", "b"}, {"/f", "a"}});
        FileRows rows(model);
        ListSortFilter list(rows);
        list.setSourceModel(&model);
        bool busy = true;
        list.SetBusy([&busy] { return busy; });
        list.sort(1);
        QCOMPARE(Column(list, 1), L({"b", "a"}));
        Fill(model, {{"/f", "c"}, {"/f", "0"}});
        QCOMPARE(Column(list, 1), L({"b", "a", "c", "0"}));
        busy = false;
        list.Resort();
        QCOMPARE(Column(list, 1), L({"0", "a", "b", "c"}));
        QCOMPARE(Column(list, 0), L({"4", "2", "1", "3"}));
        // A new run empties the list; the chosen sort is kept for its end.
        model.Clear();
        busy = true;
        Fill(model, {{"/g", "z"}, {"/g", "y"}});
        QCOMPARE(Column(list, 1), L({"z", "y"}));
        busy = false;
        list.Resort();
        QCOMPARE(Column(list, 1), L({"y", "z"}));
    }

    void filterKeepsMatchingRowsAndTheSelection()
    {
        FileListModel model;
        Fill(model, {{"/home/u/Music", "song1.ogg"},
                     {"/home/u/docs", "Report.PDF"},
                     {"/home/u/docs", "notes.txt"},
                     {"/home/u/Pictures", "Été.jpg"},
                     {"/home/u/Pictures", "bad\xff-report.png"}});
        FileRows rows(model);
        ListSortFilter list(rows);
        list.setSourceModel(&model);
        QItemSelectionModel selection(&list);
        selection.select(list.index(2, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

        list.SetFilterText(QStringLiteral("REPORT"));
        QCOMPARE(Column(list, 0), L({"2", "5"})); // case-insensitive, also in odd bytes
        QVERIFY(!selection.hasSelection());
        list.SetFilterText(QStringLiteral("music"));
        QCOMPARE(Column(list, 1), L({"song1.ogg"})); // the folder matches
        list.SetFilterText(QStringLiteral("été"));
        QCOMPARE(Column(list, 1), (L({"Été.jpg"})));
        list.SetFilterText(QStringLiteral("docs"));
        QCOMPARE(Column(list, 0), L({"2", "3"}));
        selection.select(list.index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QCOMPARE(list.mapToSource(selection.selectedRows().value(0)).row(), 2);

        // Rows found later are filtered as they come; the sort applies to what is shown.
        Fill(model, {{"/tmp", "docs10"}, {"/tmp", "docs9"}, {"/tmp", "other"}});
        QCOMPARE(Column(list, 1), L({"Report.PDF", "notes.txt", "docs10", "docs9"}));
        list.sort(1);
        QCOMPARE(Column(list, 1), L({"docs9", "docs10", "notes.txt", "Report.PDF"}));
        // The selection follows its row through the sort.
        QCOMPARE(selection.selectedRows().value(0).row(), 2);
        QCOMPARE(list.mapToSource(selection.selectedRows().value(0)).row(), 2);

        // Clearing shows every row again, in the chosen order.
        list.SetFilterText(QString());
        QCOMPARE(list.rowCount(), 8);
        QCOMPARE(Column(list, 1).first(), QStringLiteral("bad\uFFFD-report.png"));
    }

    void removedRowsLeaveTheListMappedRight()
    {
        FileListModel model;
        Fill(model, {{"/a", "3"}, {"/b", "1"}, {"/a", "2"}, {"/c", "0"}, {"/b", "4"}});
        FileRows rows(model);
        ListSortFilter list(rows);
        list.setSourceModel(&model);
        list.sort(1);
        QCOMPARE(Column(list, 1), L({"0", "1", "2", "3", "4"}));
        model.RemoveRow(2); // "2", found third
        QCOMPARE(Column(list, 1), L({"0", "1", "3", "4"}));
        for (int row = 0; row < list.rowCount(); ++row)
            QCOMPARE(model.Text(list.SourceRow(row), 1), list.index(row, 1).data().toString());
        list.SetFilterText(QStringLiteral("/b"));
        QCOMPARE(Column(list, 1), L({"1", "4"}));
        model.RemoveFolderRows(QStringLiteral("/a"));
        QCOMPARE(Column(list, 1), L({"1", "4"}));
        QCOMPARE(list.ProxyRow(2), 1); // "4" is now the source's third row
        list.SetFilterText(QString());
        QCOMPARE(Column(list, 1), L({"0", "1", "4"}));
        QCOMPARE(Column(list, 0), L({"4", "2", "5"}));
    }

    void pathsForOtherPrograms()
    {
        FileListModel model;
        Fill(model, {{"/data/x\xe9y", "na\xffme 1%.txt"}, {"/data", "plain.txt"}});
        std::vector<FileListModel::NewRow> status = {{-1, "a status line"}};
        model.Append(status);
        FileRows rows(model);
        ListSortFilter list(rows);
        list.setSourceModel(&model);

        std::unique_ptr<QMimeData> data(
            list.mimeData({list.index(0, 1), list.index(0, 2), list.index(1, 0)}));
        QVERIFY(data);
        const QByteArray uris = data->data(QStringLiteral("text/uri-list"));
        QCOMPARE(uris, QByteArray("file:///data/x%E9y/na%FFme%201%25.txt\r\nfile:///data/plain.txt\r\n"));
        QCOMPARE(data->data(QStringLiteral("x-special/gnome-copied-files")),
                 QByteArray("copy\nfile:///data/x%E9y/na%FFme%201%25.txt\nfile:///data/plain.txt"));
        QCOMPARE(data->text(), QStringLiteral("/data/x\uFFFDy/na\uFFFDme 1%.txt\n/data/plain.txt"));
        // A status line stands for no file.
        QVERIFY(!list.mimeData({list.index(2, 1)}));
        QVERIFY(list.flags(list.index(0, 1)) & Qt::ItemIsDragEnabled);
        QVERIFY(!(list.supportedDragActions() & Qt::MoveAction));

        // Reading a uri-list back gives the exact bytes.
        const std::vector<std::string> back = ClipboardPaths::LocalPaths(
            uris + "# a comment\r\nfile://localhost/tmp/a%20b\r\nfile://elsewhere/tmp/c\r\nhttp://x/y\r\n");
        QCOMPARE(back,
                 (std::vector<std::string>{"/data/x\xe9y/na\xffme 1%.txt", "/data/plain.txt", "/tmp/a b"}));

        // The clipboard holds the same.
        ClipboardPaths::Copy({"/data/x\xe9y"});
        const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
        QVERIFY(clip);
        QCOMPARE(clip->data(QStringLiteral("text/uri-list")), QByteArray("file:///data/x%E9y\r\n"));
        QCOMPARE(clip->text(), QStringLiteral("/data/x\uFFFDy"));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestListOrder)
#include "tst_listorder.moc"
