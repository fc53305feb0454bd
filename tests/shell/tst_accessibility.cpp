// The windows as assistive technologies see them: every element that takes the focus or shows a
// state has a name a person would say and a role that fits it; the lists report their size and
// rows; Tab goes round the main window and back the same way.
#include "duplicates/DlgDuplicateResults.h"
#include "shell/AboutDlg.h"
#include "shell/FolderTree.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "shell/Ribbon.h"
#include "shell/VisualStyles.h"
#include "support/TestSupport.h"
#include "view/DlgSearchParameters.h"
#include "view/PendrakeView.h"
#include "view/ResultList.h"
#include "view/ResultsFilterBox.h"
#include "view/Seams.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <cmath>

using Settings::Key;

namespace {

// Roles that tell nothing about what a focusable element does.
const QList<QAccessible::Role> kVagueRoles = {QAccessible::NoRole, QAccessible::Client,
                                              QAccessible::Pane,   QAccessible::Grouping,
                                              QAccessible::Window, QAccessible::Separator};

// Roles of things a person works or reads a state from.
const QList<QAccessible::Role> kControlRoles = {
    QAccessible::PushButton,     QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::ButtonMenu,
    QAccessible::ButtonDropDown, QAccessible::EditableText, QAccessible::Table,       QAccessible::Tree,
    QAccessible::List,           QAccessible::ComboBox,     QAccessible::PageTab};

// The roles an element of a kind may have.
QList<QAccessible::Role> RolesFor(const QObject* object)
{
    if (qobject_cast<const QCheckBox*>(object))
        return {QAccessible::CheckBox};
    if (qobject_cast<const QAbstractButton*>(object))
        return {QAccessible::PushButton, QAccessible::ButtonMenu, QAccessible::ButtonDropDown,
                QAccessible::CheckBox};
    if (qobject_cast<const QLineEdit*>(object))
        return {QAccessible::EditableText};
    if (qobject_cast<const QTreeView*>(object))
        return {QAccessible::Tree};
    if (qobject_cast<const QAbstractItemView*>(object))
        return {QAccessible::Table, QAccessible::List};
    return {};
}

// WCAG 2 relative luminance and contrast.
double Luminance(const QColor& c)
{
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The highest contrast between a pixel drawn with the focus and the same pixel drawn without.
double FrameContrast(const QImage& without, const QImage& with)
{
    double best = 1.0;
    for (int y = 0; y < std::min(without.height(), with.height()); ++y)
        for (int x = 0; x < std::min(without.width(), with.width()); ++x) {
            const double a = Luminance(without.pixelColor(x, y)), b = Luminance(with.pixelColor(x, y));
            best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
        }
    return best;
}

QString Describe(QAccessibleInterface* element)
{
    const QObject* object = element->object();
    return QStringLiteral("%1 \"%2\" (role %3)")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("-"),
             object ? object->objectName() : QString())
        .arg(int(element->role()));
}

// Walks the accessible tree under `root`; the items of lists and trees are rows of data, checked
// on their own, not controls.
void Walk(QAccessibleInterface* root, QStringList& faults, int& focusable)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child || child->state().invisible)
            continue;
        // Controls have names whether they take the focus or not (a box's clear button does not).
        const bool control = kControlRoles.contains(child->role());
        if (child->state().focusable || control) {
            ++focusable;
            const QString name = child->text(QAccessible::Name);
            if (name.trimmed().isEmpty())
                faults << QStringLiteral("no name: ") + Describe(child);
            else if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('&')))
                faults << QStringLiteral("name \"%1\" is not as said: ").arg(name) + Describe(child);
            const QList<QAccessible::Role> roles = RolesFor(child->object());
            if (kVagueRoles.contains(child->role()) || (!roles.isEmpty() && !roles.contains(child->role())))
                faults << QStringLiteral("wrong role: ") + Describe(child);
        }
        const QAccessible::Role role = child->role();
        if (role != QAccessible::Table && role != QAccessible::Tree && role != QAccessible::List)
            Walk(child, faults, focusable);
    }
}

// The faults of a window's elements, and how many elements take the focus. The accessible tree is
// walked from the window; then every widget that takes the focus is asked on its own, also one the
// tree does not reach (a band of buttons inside a list's headings).
QStringList Faults(QWidget* window, int* focusableCount = nullptr)
{
    QStringList faults;
    int focusable = 0;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    if (!root)
        return {QStringLiteral("no interface")};
    if (root->text(QAccessible::Name).isEmpty())
        faults << QStringLiteral("the window has no name");
    Walk(root, faults, focusable);
    focusable = 0;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || !(widget->focusPolicy() & Qt::TabFocus) || widget->window() != window)
            continue;
        // The editor inside a spin box or a drop-down is said as part of it.
        if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
            qobject_cast<QComboBox*>(widget->parentWidget()))
            continue;
        ++focusable;
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(widget);
        const QList<QAccessible::Role> roles = RolesFor(widget);
        if (element->text(QAccessible::Name).trimmed().isEmpty())
            faults << QStringLiteral("no name: ") + Describe(element);
        else if (!roles.isEmpty() && !roles.contains(element->role()))
            faults << QStringLiteral("wrong role: ") + Describe(element);
    }
    if (focusableCount)
        *focusableCount = focusable;
    faults.removeDuplicates();
    return faults;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
public:
    explicit TestAccessibility(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;
    QTemporaryDir m_tree;

    // The program, shown and active, after a search of the test tree with the folder list on.
    void OpenAndSearch(CPendrakeApp& app, bool fileMode = true)
    {
        m_settings.WriteInt(Settings::Name(Key::ViewFilesCount), 1);
        m_settings.WriteInt(Settings::Name(Key::DisplayFileList), fileMode ? 1 : 0);
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        frame->resize(1400, 800);
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QVERIFY(frame->Tree()->SelectPath(m_tree.path()));
        QTRY_COMPARE(app.Document().SelectedFolder(), m_tree.path());
        QSignalSpy finished(frame->View(), &CPendrakeView::searchFinished);
        frame->Action(Commands::StartSearch)->trigger();
        QVERIFY(finished.wait(20000));
    }

private slots:
    void initTestCase()
    {
        MakeTree(m_tree.path(), {QStringLiteral("a.txt"), QStringLiteral("same1.bin"),
                                 QStringLiteral("sub/b.txt"), QStringLiteral("sub/same2.bin")});
        WriteFile(m_tree.path() + QStringLiteral("/same1.bin"), "12345");
        WriteFile(m_tree.path() + QStringLiteral("/sub/same2.bin"), "12345");
        Seams::SetDialogRunner([](QDialog& dialog) {
            dialog.accept();
            return int(QDialog::Accepted);
        });
        Seams::SetMessageBoxHandler([](const Seams::MessageBoxCall&) { return QMessageBox::Ok; });
    }
    void init() { m_home.ClearSettings(); }

    // Every focusable element of every window has a name and a fitting role; the command panel's
    // buttons and check boxes are among them, named as said.
    void everyWindowNamesItsElements()
    {
        CPendrakeApp app;
        OpenAndSearch(app);
        CMainFrame* frame = app.MainFrame();
        frame->View()->FilterBox()->setText(QStringLiteral("a")); // its clear button shows
        int focusable = 0;
        QStringList faults = Faults(frame, &focusable);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QVERIFY(focusable >= 25);
        for (int id : {Commands::StartSearch, Commands::ExportFileList, Commands::IgnoreWindowsFolder}) {
            QWidget* element = frame->Ribbon()->Element(id);
            QVERIFY(element->focusPolicy() & Qt::TabFocus);
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(element);
            QVERIFY(face->state().focusable);
            QVERIFY(!face->text(QAccessible::Description).isEmpty());
        }
        const auto spoken = [frame](int id) {
            return QAccessible::queryAccessibleInterface(frame->Ribbon()->Element(id))
                ->text(QAccessible::Name);
        };
        QCOMPARE(spoken(Commands::StartSearch), QStringLiteral("Start"));
        QCOMPARE(spoken(Commands::ExportFileList), QStringLiteral("Export File List"));
        QCOMPARE(spoken(Commands::AppAbout), QStringLiteral("About Tresmolo"));
        QCOMPARE(spoken(Commands::IgnoreWindowsFolder), QStringLiteral("Windows"));

        // The same with the panels folded into their buttons.
        frame->resize(700, 800);
        QTRY_VERIFY(!frame->Ribbon()->CollapsedPanels().isEmpty());
        faults = Faults(frame);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        {
            CDlgSearchParameters search(frame);
            search.show();
            QVERIFY(QTest::qWaitForWindowExposed(&search));
            faults = Faults(&search, &focusable);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
            QVERIFY(focusable >= 3);
            QCOMPARE(QAccessible::queryAccessibleInterface(search.PathEdit())->text(QAccessible::Name),
                     QStringLiteral("Search Path"));
            // With More Options unfolded.
            search.MoreOptionsButton()->click();
            QTRY_VERIFY(search.findChild<QWidget*>(QStringLiteral("MoreOptions"))->isVisible());
            faults = Faults(&search, &focusable);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
            QVERIFY(focusable >= 10);
        }
        {
            CDlgDuplicateResults duplicates(frame->View());
            duplicates.m_pSourceList = &frame->View()->FileModel();
            duplicates.show();
            QVERIFY(QTest::qWaitForWindowExposed(&duplicates));
            faults = Faults(&duplicates, &focusable);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
            QVERIFY(focusable >= 2);
        }
        {
            CAboutDlg about(frame);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            faults = Faults(&about, &focusable);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
            QVERIFY(focusable >= 3);
        }
    }

    // The lists tell their size, their headings and the current row, through the sort and filter.
    void listsReportRowsAndColumns()
    {
        CPendrakeApp app;
        OpenAndSearch(app);
        ResultList* files = app.MainFrame()->View()->FileList();
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(files);
        QCOMPARE(list->role(), QAccessible::Table);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("File List"));
        QAccessibleTableInterface* table = list->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->columnCount(), int(FileListModel::kColumns));
        QCOMPARE(
            table->cellAt(0, 0)->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
            QStringLiteral("Sr"));

        app.MainFrame()->View()->FilterBox()->setText(QStringLiteral("same"));
        QCOMPARE(table->rowCount(), 2);
        files->setFocus();
        files->selectionModel()->setCurrentIndex(
            files->model()->index(1, 1), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QAccessibleInterface* current = list->focusChild();
        QVERIFY(current && current->tableCellInterface());
        QCOMPARE(current->tableCellInterface()->rowIndex(), 1);
        QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), files->model()->index(1, 1).data().toString());
        QVERIFY(table->cellAt(1, 1)->text(QAccessible::Name).startsWith(QLatin1String("same")));
        QCOMPARE(table->cellAt(1, 2)->text(QAccessible::Name), files->model()->index(1, 2).data().toString());

        // The folder list too.
        QAccessibleInterface* folders =
            QAccessible::queryAccessibleInterface(app.MainFrame()->View()->FolderList());
        QCOMPARE(folders->text(QAccessible::Name), QStringLiteral("Folder List"));
        QCOMPARE(folders->tableInterface()->rowCount(), 2);
        QCOMPARE(folders->tableInterface()->columnCount(), 3);
    }

    // Status lines leave the last heading empty on screen; it still has a name to be said.
    void statusLinesHeadingHasAName()
    {
        CPendrakeApp app;
        OpenAndSearch(app, false);
        ResultList* files = app.MainFrame()->View()->FileList();
        QCOMPARE(files->model()->headerData(2, Qt::Horizontal).toString(), QString());
        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(files)->tableInterface();
        QVERIFY(table->rowCount() > 3);
        const QList<QAccessibleInterface*> headings =
            table->cellAt(0, 2)->tableCellInterface()->columnHeaderCells();
        QCOMPARE(headings.value(0)->text(QAccessible::Name), QStringLiteral("Last File Found"));
        QVERIFY(
            table->cellAt(0, 1)->text(QAccessible::Name).startsWith(QLatin1String("File Search for Folder")));
    }

    // Whatever has the focus on the command panel shows it, in every look: drawn with the focus, it
    // differs from drawn without by a frame of at least 3:1 contrast against what it covers.
    void theFocusShowsOnThePanel()
    {
        CPendrakeApp app;
        OpenAndSearch(app);
        CMainFrame* frame = app.MainFrame();
        QStringList unseen;
        for (int look :
             {VisualStyles::Office2007Black, VisualStyles::Office2007Blue, VisualStyles::Windows2000}) {
            frame->OnApplicationLook(look);
            for (QWidget* stop : frame->Ribbon()->TabStops()) {
                if (!stop->isVisible() || !stop->isEnabled())
                    continue;
                frame->View()->FileList()->setFocus();
                QTRY_VERIFY(!stop->hasFocus());
                // Drawn as the window shows it, over what lies behind it.
                const QRect area(stop->mapTo(frame, QPoint(0, 0)), stop->size());
                const QImage before = frame->grab(area).toImage();
                stop->setFocus(Qt::TabFocusReason);
                QTRY_VERIFY(stop->hasFocus());
                // As Tab leaves it: the window draws focus frames after a focus change by keys.
                frame->setAttribute(Qt::WA_KeyboardFocusChange);
                const QImage after = frame->grab(area).toImage();
                if (FrameContrast(before, after) < 3.0)
                    unseen << QStringLiteral("%1 in %2 (%3)")
                                  .arg(stop->objectName())
                                  .arg(look)
                                  .arg(FrameContrast(before, after));
            }
        }
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen.join(QLatin1String(", "))));
    }

    // Tab goes round the whole window, through the panes and the command panel, and Shift+Tab comes
    // back the same way; every stop has a name.
    void tabGoesRoundTheWindow()
    {
        CPendrakeApp app;
        OpenAndSearch(app);
        CMainFrame* frame = app.MainFrame();
        QWidget* start = frame->View()->FilterBox();
        start->setFocus(Qt::ShortcutFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), start);
        QList<QWidget*> stops = {start};
        for (int i = 0; i < 100; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == start)
                break;
            QVERIFY2(!stops.contains(now), qPrintable(now->objectName()));
            stops << now;
        }
        QCOMPARE(QApplication::focusWidget(), start);
        QVERIFY2(stops.size() >= 10, qPrintable(QString::number(stops.size())));
        QCOMPARE(stops.mid(0, 4), (QList<QWidget*>{start, frame->View()->FileList(),
                                                   frame->View()->FolderList(), frame->Tree()}));
        // The command panel's switches and Start are among the stops.
        for (int id : {Commands::StartSearch, Commands::IgnoreHiddenFiles, Commands::ExportFileList})
            QVERIFY(stops.contains(frame->Ribbon()->Element(id)));
        QVERIFY(stops.contains(frame->Ribbon()->StyleButton()));
        for (QWidget* stop : stops)
            QVERIFY2(!QAccessible::queryAccessibleInterface(stop)->text(QAccessible::Name).isEmpty(),
                     qPrintable(stop->objectName()));

        for (qsizetype i = stops.size() - 1; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), stops[i]);
        }

        // Space on a switch that has the focus flips it, as a click does.
        QWidget* hidden = frame->Ribbon()->Element(Commands::IgnoreHiddenFiles);
        hidden->setFocus(Qt::TabFocusReason);
        const int before = m_settings.GetSwitch(Key::IgnoreHiddenFiles);
        QTest::keyClick(hidden, Qt::Key_Space);
        QCOMPARE(m_settings.GetSwitch(Key::IgnoreHiddenFiles), 1 - before);
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestAccessibility)
#include "tst_accessibility.moc"
