// The folder tree: its two entries, selecting a folder by path, what it lists, refreshing, the notices
// it posts, and the two-entry model checked against QAbstractItemModelTester while folders load.
#include "shell/FolderTree.h"
#include "shell/OutlookBar.h"
#include "support/TestSupport.h"
#include "view/AppMessages.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QIcon>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

constexpr int LoadTimeout = 20000; // folders load on a thread; a busy machine may be slow

QStringList ChildNames(const QAbstractItemModel& model, const QModelIndex& parent)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(parent); ++row)
        names << model.index(row, 0, parent).data().toString();
    return names;
}

QModelIndex Child(const QAbstractItemModel& model, const QModelIndex& parent, const QString& name)
{
    for (int row = 0; row < model.rowCount(parent); ++row)
        if (model.index(row, 0, parent).data().toString() == name)
            return model.index(row, 0, parent);
    return {};
}

QModelIndex Selected(const CFolderTree& tree)
{
    const QModelIndexList rows = tree.selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first() : QModelIndex();
}

// Whether the item is on screen: every parent open and its row inside the viewport.
bool IsShown(const CFolderTree& tree, const QModelIndex& index)
{
    if (!index.isValid())
        return false;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        if (!tree.isExpanded(up))
            return false;
    const QRect rect = tree.visualRect(index);
    return !rect.isEmpty() && rect.top() >= 0 && rect.bottom() < tree.viewport()->height();
}

} // namespace

class TestFolderTree : public QObject
{
    Q_OBJECT
public:
    explicit TestFolderTree(const TestHome& home) : m_home(QDir::cleanPath(home.Path())) {}

private:
    const QString m_home;
    NoticeCounter m_counter;

    void Show(CFolderTree& tree)
    {
        tree.resize(260, 160);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
    }

private slots:
    void init()
    {
        m_counter.Reset();
        AppMessages::SetMainWindow(&m_counter);
    }

    void cleanup() { AppMessages::SetMainWindow(nullptr); }

    void entriesAreTheRootAndHome()
    {
        QCOMPARE(QDir::cleanPath(QDir::homePath()), m_home);
        CFolderTree tree;
        const FolderTreeModel& model = *tree.FolderModel();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 1);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("/"));
        QCOMPARE(model.FilePath(model.index(0, 0)), QStringLiteral("/"));
        QCOMPARE(model.index(1, 0).data().toString(), QFileInfo(m_home).fileName());
        QCOMPARE(model.FilePath(model.index(1, 0)), m_home);
        QVERIFY(tree.GetItemPath().isEmpty());
    }

    void selectsANestedFolderUnderHome()
    {
        // Enough folders ahead of the target that it lies below the fold once they are listed.
        QStringList paths{QStringLiteral("alpha/zeta/inner/")};
        for (int i = 0; i < 80; ++i)
            paths << QStringLiteral("alpha/a%1/").arg(i, 2, 10, QLatin1Char('0'));
        MakeTree(m_home, paths);
        const QString target = m_home + QStringLiteral("/alpha/zeta/inner");

        CFolderTree tree;
        Show(tree);
        QSignalSpy spy(&tree, &CFolderTree::folderSelected);
        QVERIFY(tree.SelectPath(target));
        QTRY_COMPARE_WITH_TIMEOUT(tree.GetItemPath(), target, LoadTimeout);
        QCOMPARE(tree.FolderModel()->EntryOf(Selected(tree)), int(FolderTreeModel::HomeEntry));
        const QPersistentModelIndex alpha = Selected(tree).parent().parent();
        QCOMPARE(alpha.data().toString(), QStringLiteral("alpha"));
        QTRY_COMPARE_WITH_TIMEOUT(tree.model()->rowCount(alpha), 81, LoadTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(IsShown(tree, Selected(tree)), LoadTimeout);
        QCOMPARE(tree.GetItemPath(), target);
        QVERIFY(spy.count() >= 1);
        QTRY_VERIFY(m_counter.Count(AppMessages::UWM_FOLDER_SELECTED) >= 1);
        RemoveTree(m_home + QStringLiteral("/alpha"));
    }

    void selectsOutsideHomeUnderTheRoot()
    {
        QTemporaryDir dir;
        MakeTree(dir.path(), {QStringLiteral("one/two/")});
        const QString target = QDir::cleanPath(dir.path()) + QStringLiteral("/one/two");
        QVERIFY(!target.startsWith(m_home + QLatin1Char('/')));

        CFolderTree tree;
        Show(tree);
        QVERIFY(tree.SelectPath(dir.path() + QStringLiteral("/one/../one/two/")));
        QTRY_COMPARE_WITH_TIMEOUT(tree.GetItemPath(), target, LoadTimeout);
        QCOMPARE(tree.FolderModel()->EntryOf(Selected(tree)), int(FolderTreeModel::TopEntry));
        QTRY_VERIFY_WITH_TIMEOUT(IsShown(tree, Selected(tree)), LoadTimeout);

        QSignalSpy spy(&tree, &CFolderTree::folderSelected);
        QVERIFY(tree.SelectPath(QStringLiteral("/")));
        QCOMPARE(Selected(tree), tree.model()->index(0, 0));
        QCOMPARE(tree.GetItemPath(), QStringLiteral("/"));
        QCOMPARE(spy.count(), 1);
        // Selecting the selected folder again still reports it.
        QVERIFY(tree.SelectPath(QStringLiteral("/")));
        QCOMPARE(spy.count(), 2);
    }

    void refusesWhatItDoesNotShow()
    {
        MakeTree(m_home, {QStringLiteral("plain/.secret/inner/"), QStringLiteral("plain/note.txt")});
        CFolderTree tree;
        QVERIFY(tree.SelectPath(m_home));
        QCOMPARE(tree.GetItemPath(), m_home);
        QCOMPARE(Selected(tree), tree.model()->index(1, 0));
        QSignalSpy spy(&tree, &CFolderTree::folderSelected);
        QCoreApplication::processEvents();
        const int notices = m_counter.Count(AppMessages::UWM_FOLDER_SELECTED);

        QVERIFY(!tree.SelectPath(QString()));
        QVERIFY(!tree.SelectPath(m_home + QStringLiteral("/missing")));
        QVERIFY(!tree.SelectPath(m_home + QStringLiteral("/plain/note.txt")));
        QVERIFY(!tree.SelectPath(m_home + QStringLiteral("/plain/.secret")));
        QVERIFY(!tree.SelectPath(m_home + QStringLiteral("/plain/.secret/inner")));
        QCoreApplication::processEvents();
        QCOMPARE(tree.GetItemPath(), m_home);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(m_counter.Count(AppMessages::UWM_FOLDER_SELECTED), notices);
        RemoveTree(m_home + QStringLiteral("/plain"));
    }

    void listsOnlyVisibleFoldersInBothPlaces()
    {
        MakeTree(m_home, {QStringLiteral("list/shown/"), QStringLiteral("list/.hidden/"),
                          QStringLiteral("list/file.txt"), QStringLiteral("list/other/")});
        CFolderTree tree;
        Show(tree);
        QVERIFY(tree.SelectPath(m_home + QStringLiteral("/list")));
        tree.expand(Selected(tree));
        const QStringList expected{QStringLiteral("other"), QStringLiteral("shown")};
        QTRY_COMPARE_WITH_TIMEOUT(ChildNames(*tree.model(), Selected(tree)), expected, LoadTimeout);
        QVERIFY(!ChildNames(*tree.model(), tree.model()->index(1, 0)).contains(QStringLiteral("file.txt")));

        // The same folder reached through "/" is a separate item with the same contents.
        FolderTreeModel& model = *tree.FolderModel();
        const QPersistentModelIndex viaRoot =
            model.IndexForPath(m_home + QStringLiteral("/list"), FolderTreeModel::TopEntry);
        QVERIFY(viaRoot.isValid());
        QVERIFY(viaRoot != Selected(tree));
        QCOMPARE(model.EntryOf(viaRoot), int(FolderTreeModel::TopEntry));
        QCOMPARE(model.FilePath(viaRoot), model.FilePath(Selected(tree)));
        QModelIndex top = viaRoot;
        while (top.parent().isValid())
            top = top.parent();
        QCOMPARE(top, model.index(0, 0));
        tree.expand(viaRoot);
        QTRY_COMPARE_WITH_TIMEOUT(ChildNames(model, viaRoot), expected, LoadTimeout);
        RemoveTree(m_home + QStringLiteral("/list"));
    }

    void refreshDropsRemovedFolders()
    {
        MakeTree(m_home, {QStringLiteral("gone/keep/"), QStringLiteral("gone/drop/")});
        CFolderTree tree;
        Show(tree);
        QVERIFY(tree.SelectPath(m_home + QStringLiteral("/gone/drop")));
        QTRY_COMPARE_WITH_TIMEOUT(ChildNames(*tree.model(), Selected(tree).parent()),
                                  QStringList({QStringLiteral("drop"), QStringLiteral("keep")}), LoadTimeout);
        RemoveTree(m_home + QStringLiteral("/gone/drop"));
        QSignalSpy spy(&tree, &CFolderTree::folderSelected);
        tree.Refresh();
        QVERIFY(tree.GetItemPath().isEmpty());

        // The folders that were open are open again, without what was removed.
        const QModelIndex homeEntry = tree.model()->index(1, 0);
        QVERIFY(tree.isExpanded(homeEntry));
        QPersistentModelIndex gone;
        QTRY_VERIFY_WITH_TIMEOUT((gone = Child(*tree.model(), homeEntry, QStringLiteral("gone"))).isValid(),
                                 LoadTimeout);
        QVERIFY(tree.isExpanded(gone));
        QTRY_COMPARE_WITH_TIMEOUT(ChildNames(*tree.model(), gone), QStringList{QStringLiteral("keep")},
                                  LoadTimeout);
        QCOMPARE(spy.count(), 0);
        QVERIFY(tree.GetItemPath().isEmpty());
        RemoveTree(m_home + QStringLiteral("/gone"));
    }

    void userSelectionIsReported()
    {
        CFolderTree tree;
        Show(tree);
        QSignalSpy spy(&tree, &CFolderTree::folderSelected);
        const QModelIndex homeEntry = tree.model()->index(1, 0);
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualRect(homeEntry).center());
        QCOMPARE(tree.GetItemPath(), m_home);
        QVERIFY(spy.count() >= 1);
        QTRY_VERIFY(m_counter.Count(AppMessages::UWM_FOLDER_SELECTED) >= 1);

        const int before = int(spy.count());
        QTest::keyClick(&tree, Qt::Key_Up);
        QCOMPARE(tree.GetItemPath(), QStringLiteral("/"));
        QVERIFY(spy.count() > before);
    }

    void modelStaysConsistentWhileFoldersChange()
    {
        QTemporaryDir dir;
        const QString top = QDir::cleanPath(dir.path()) + QStringLiteral("/top");
        MakeTree(top, {QStringLiteral("a/x/"), QStringLiteral("b/"), QStringLiteral("home/c/d/"),
                       QStringLiteral("home/.h/"), QStringLiteral("home/f.txt"), QStringLiteral("file")});
        QFileSystemModel fs;
        fs.setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
        fs.setRootPath(top);
        FolderTreeModel model(top, top + QStringLiteral("/home"));
        model.setSourceModel(&fs);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        const QModelIndex topEntry = model.index(0, 0);
        const QModelIndex homeEntry = model.index(1, 0);
        model.fetchMore(topEntry);
        model.fetchMore(homeEntry);
        QTRY_COMPARE_WITH_TIMEOUT(
            ChildNames(model, topEntry),
            QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("home")}), LoadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(ChildNames(model, homeEntry), QStringList{QStringLiteral("c")},
                                  LoadTimeout);
        const QPersistentModelIndex nestedHome = Child(model, topEntry, QStringLiteral("home"));
        QCOMPARE(model.mapToSource(nestedHome), model.mapToSource(homeEntry));
        QCOMPARE(model.mapFromSource(model.mapToSource(nestedHome), FolderTreeModel::TopEntry),
                 QModelIndex(nestedHome));
        QCOMPARE(model.mapFromSource(model.mapToSource(nestedHome)), homeEntry); // the innermost entry

        // Changes inside the home folder show in both places; the tester checks every step.
        QPersistentModelIndex nestedC = Child(model, nestedHome, QStringLiteral("c"));
        QPersistentModelIndex ownC = Child(model, homeEntry, QStringLiteral("c"));
        QVERIFY(nestedC.isValid() && ownC.isValid() && nestedC != ownC);
        MakeTree(top, {QStringLiteral("home/aa/"), QStringLiteral("home/zz/")});
        const QStringList grown{QStringLiteral("aa"), QStringLiteral("c"), QStringLiteral("zz")};
        QTRY_COMPARE_WITH_TIMEOUT(ChildNames(model, homeEntry), grown, LoadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(ChildNames(model, nestedHome), grown, LoadTimeout);
        QCOMPARE(nestedC.data().toString(), QStringLiteral("c"));
        QCOMPARE(ownC.data().toString(), QStringLiteral("c"));
        QCOMPARE(nestedC.parent(), QModelIndex(nestedHome));
        QCOMPARE(ownC.parent(), homeEntry);

        RemoveTree(top + QStringLiteral("/home/c"));
        const QStringList shrunk{QStringLiteral("aa"), QStringLiteral("zz")};
        QTRY_COMPARE_WITH_TIMEOUT(ChildNames(model, homeEntry), shrunk, LoadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(ChildNames(model, nestedHome), shrunk, LoadTimeout);
        QVERIFY(!nestedC.isValid());
        QVERIFY(!ownC.isValid());
    }

    void paneHoldsTheTree()
    {
        COutlookBar bar;
        QVERIFY(bar.Tree() && bar.isAncestorOf(bar.Tree()));
        const auto buttons = bar.findChildren<QToolButton*>();
        QCOMPARE(buttons.size(), 1);
        QVERIFY(buttons.first()->isChecked());
        // The picture used when the icon theme has no folder is compiled in and draws.
        QVERIFY(!QIcon(QStringLiteral(":/pane/folder.svg")).pixmap(16, 16).isNull());
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestFolderTree)
#include "tst_foldertree.moc"
