#include "FakeFrame.h"
#include "shell/Ribbon.h"
#include "shell/RibbonMenuAction.h"
#include "shell/VisualStyles.h"
#include "support/TestSupport.h"
#include "view/Commands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace {

const QStringList kPanels = {QStringLiteral("Folders To Ignore"), QStringLiteral("Files to Ignore"),
                             QStringLiteral("File Search"),       QStringLiteral("Launchers"),
                             QStringLiteral("Exporters"),         QStringLiteral("View")};
// The order in which the panels collapse: the panels whose loss matters least first, the one with
// Start and Stop last.
const QStringList kCollapseOrder = {QStringLiteral("View"),
                                    QStringLiteral("Launchers"),
                                    QStringLiteral("Exporters"),
                                    QStringLiteral("Files to Ignore"),
                                    QStringLiteral("Folders To Ignore"),
                                    QStringLiteral("File Search")};

// The first `count` panels of the collapse order, left to right.
QStringList FirstToCollapse(qsizetype count)
{
    QStringList panels;
    for (const QString& caption : kPanels)
        if (kCollapseOrder.indexOf(caption) < count)
            panels.append(caption);
    return panels;
}

// The frame's top: the frame menu over the command panel, in a window of a chosen width.
struct Frame
{
    FakeFrame actions;
    QMainWindow window;
    CRibbonBar* ribbon = nullptr;

    explicit Frame(int look, const QSet<int>& missing = {})
    {
        actions.missing = missing;
        auto* top = new QWidget;
        auto* layout = new QVBoxLayout(top);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto* menus = new QMenuBar;
        for (const char* title : {"&Edit", "&View", "&Help"})
            menus->addMenu(QString::fromLatin1(title));
        ribbon = new CRibbonBar(actions.Source());
        layout->addWidget(menus);
        layout->addWidget(ribbon);
        window.setMenuWidget(top);
        window.setCentralWidget(new QWidget);
        VisualStyles::Apply(look);
        window.resize(1400, 300);
        window.show();
    }

    // False when the window did not take the width.
    bool SetWidth(int width)
    {
        window.resize(width, 300);
        QCoreApplication::processEvents();
        return window.width() == width && ribbon->width() == width;
    }
};

QWidget* PanelOf(const CRibbonBar& ribbon, const QString& caption)
{
    for (auto* label : ribbon.findChildren<QLabel*>(QStringLiteral("RibbonPanelCaption")))
        if (label->text() == caption)
            return label->parentWidget();
    return nullptr;
}

QList<int> MenuCommands(const QMenu* menu)
{
    QList<int> ids;
    for (const QAction* item : menu->actions())
        if (const auto* entry = qobject_cast<const RibbonMenuAction*>(item))
            ids.append(entry->Command());
    return ids;
}

bool FitsIn(const QWidget* part, const QWidget* area)
{
    const QRect place(part->mapTo(area, QPoint(0, 0)), part->size());
    return area->rect().contains(place) && part->width() >= part->sizeHint().width() &&
           part->height() >= part->sizeHint().height();
}

// What every width must give: the collapsed panels are the first of the collapse order and no more
// than needed;
// whatever shows is whole and inside the panel; every command can be reached.
void CheckArrangement(const CRibbonBar& ribbon)
{
    const QStringList collapsed = ribbon.CollapsedPanels();
    QCOMPARE(collapsed, FirstToCollapse(collapsed.size()));
    const QWidget* page = ribbon.findChild<QWidget*>(QStringLiteral("RibbonPage"));
    QVERIFY(page);

    QSet<int> reachable;
    int rightEdge = 0;
    for (const QString& caption : kPanels) {
        QWidget* panel = PanelOf(ribbon, caption);
        QToolButton* button = ribbon.PanelButton(caption);
        QVERIFY2(panel && button, qPrintable(caption));
        const bool isCollapsed = collapsed.contains(caption);
        QCOMPARE(panel->isVisible(), !isCollapsed);
        QCOMPARE(button->isVisible(), isCollapsed);
        QWidget* shown = isCollapsed ? button : panel;
        QVERIFY2(FitsIn(shown, page), qPrintable(caption));
        rightEdge = qMax(rightEdge, shown->mapTo(page, QPoint(shown->width(), 0)).x());
        if (isCollapsed) {
            QVERIFY(button->menu());
            for (int id : MenuCommands(button->menu()))
                reachable.insert(id);
            continue;
        }
        // No label is cut: every element and the caption get the room they ask for.
        QList<QWidget*> parts = {panel->findChild<QLabel*>(QStringLiteral("RibbonPanelCaption"))};
        for (int id : ribbon.PanelCommands(caption))
            parts.append(ribbon.Element(id));
        for (QWidget* part : parts) {
            QVERIFY2(part->isVisible() && FitsIn(part, page), qPrintable(part->objectName()));
        }
        for (int id : ribbon.PanelCommands(caption))
            reachable.insert(id);
    }
    for (const QString& caption : kPanels)
        for (int id : ribbon.PanelCommands(caption))
            QVERIFY2(reachable.contains(id), qPrintable(QString::number(id)));

    // One panel fewer collapsed would not fit.
    if (!collapsed.isEmpty()) {
        const QString last = kCollapseOrder.at(collapsed.size() - 1);
        const QWidget* next = PanelOf(ribbon, last);
        const int extra = next->sizeHint().width() - ribbon.PanelButton(last)->width();
        QVERIFY(extra > page->width() - rightEdge);
    }
}

QImage Picture(const QIcon& icon)
{
    return icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage OwnPicture(const char* name)
{
    return Picture(QIcon(QStringLiteral(":/ribbon/%1.svg").arg(QLatin1String(name))));
}

} // namespace

class TestRibbonWidth : public QObject
{
    Q_OBJECT

public:
    explicit TestRibbonWidth(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

private slots:
    void init() { m_home.ClearSettings(); }

    // Panels collapse from the right as the window narrows, the same in every look.
    void collapseByWidth_data()
    {
        QTest::addColumn<int>("look");
        for (int look : {VisualStyles::Office2007Black, VisualStyles::WindowsXP, VisualStyles::Windows2000})
            QTest::addRow("%d", look) << look;
    }

    void collapseByWidth()
    {
        QFETCH(int, look);
        Frame frame(look);
        QVERIFY(QTest::qWaitForWindowExposed(&frame.window));
        QMap<int, QStringList> collapsed;
        const int height = frame.ribbon->height();
        for (int width : {1400, 1024, 800}) {
            QVERIFY(frame.SetWidth(width));
            // Collapsing never makes the panel jump in height, which would move the whole window.
            QCOMPARE(frame.ribbon->height(), height);
            CheckArrangement(*frame.ribbon);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("at %1 px").arg(width)));
            collapsed[width] = frame.ribbon->CollapsedPanels();
        }
        QVERIFY(collapsed[1400].isEmpty());
        QVERIFY(!collapsed[1024].isEmpty());
        QVERIFY(collapsed[800].size() >= collapsed[1024].size());
        // At 800 px Start and Stop still show, whatever else had to go.
        QVERIFY(!collapsed[800].contains(QStringLiteral("File Search")));
        for (int id : {Commands::StartSearch, Commands::StopSearch})
            QVERIFY(frame.ribbon->Element(id)->isVisible());
        if (look == VisualStyles::kDefaultLook) {
            QCOMPARE(collapsed[1024], FirstToCollapse(2));
            QCOMPARE(collapsed[800], FirstToCollapse(5));
        }
        // Widening again brings the panels back in full.
        QVERIFY(frame.SetWidth(1400));
        QVERIFY(frame.ribbon->CollapsedPanels().isEmpty());
        CheckArrangement(*frame.ribbon);
    }

    // At the narrowest width the panel asks for, every panel is a drop-down, and nothing is cut.
    void narrowestWidth()
    {
        Frame frame(VisualStyles::kDefaultLook);
        QVERIFY(QTest::qWaitForWindowExposed(&frame.window));
        const int narrowest = frame.ribbon->minimumSizeHint().width();
        QVERIFY(narrowest < 800);
        QVERIFY(frame.SetWidth(narrowest));
        QCOMPARE(frame.ribbon->CollapsedPanels(), kPanels);
        CheckArrangement(*frame.ribbon);
        for (const QString& caption : kPanels) {
            QToolButton* button = frame.ribbon->PanelButton(caption);
            QCOMPARE(button->text().replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed(), caption);
            QVERIFY(!button->icon().isNull());
            QCOMPARE(button->popupMode(), QToolButton::InstantPopup);
        }
    }

    // Each collapsed panel's menu holds its panel's commands in order, with the panel's labels, and
    // issues the frame's commands, following their states.
    void collapsedMenusIssueTheCommands()
    {
        Frame frame(VisualStyles::kDefaultLook, {Commands::WebPage});
        CRibbonBar* ribbon = frame.ribbon;
        QVERIFY(QTest::qWaitForWindowExposed(&frame.window));
        QVERIFY(frame.SetWidth(ribbon->minimumSizeHint().width()));
        QCOMPARE(ribbon->CollapsedPanels(), kPanels);

        for (const QString& caption : kPanels) {
            const QMenu* menu = ribbon->PanelButton(caption)->menu();
            QCOMPARE(MenuCommands(menu), ribbon->PanelCommands(caption));
            for (QAction* item : menu->actions()) {
                const auto* entry = qobject_cast<RibbonMenuAction*>(item);
                if (!entry) {
                    QVERIFY(item->isSeparator());
                    continue;
                }
                const int id = entry->Command();
                QCOMPARE(item->text(), Commands::Label(id));
                QAction* action = frame.actions.actions.value(id);
                if (!action) { // no such command in the frame
                    QVERIFY(!item->isEnabled());
                    item->trigger();
                    continue;
                }
                QCOMPARE(item->isCheckable(), action->isCheckable());
                const bool wasChecked = action->isChecked();
                item->trigger();
                QCOMPARE(frame.actions.triggered.value(id), 1);
                QCOMPARE(action->isChecked(), action->isCheckable() && !wasChecked);
                QCOMPARE(item->isChecked(), action->isChecked());
                // Changes made by the frame show in the menu without issuing the command again.
                action->setChecked(false);
                QVERIFY(!item->isChecked());
                action->setEnabled(false);
                QVERIFY(!item->isEnabled());
                item->trigger();
                action->setEnabled(true);
                QCOMPARE(frame.actions.triggered.value(id), 1);
            }
        }
        QVERIFY(!frame.actions.triggered.contains(Commands::WebPage));

        // Through the screen: pressing the button opens the menu, and choosing an item issues it.
        QToolButton* launchers = ribbon->PanelButton(QStringLiteral("Launchers"));
        QSignalSpy opened(ribbon, &CRibbonBar::menuAboutToShow);
        QTimer::singleShot(0, launchers, [launchers] {
            QMenu* menu = launchers->menu();
            QVERIFY(menu->isVisible());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(1)).center());
        });
        QTest::mousePress(launchers, Qt::LeftButton);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(frame.actions.triggered.value(Commands::LaunchCommandPrompt), 2);
    }

    // The panel shows our own pictures whatever icon theme the desktop has.
    void ownPicturesOverTheTheme()
    {
        // A theme with its own faint grey pictures under the same names.
        QTemporaryDir themes;
        QVERIFY(themes.isValid());
        const QString theme = themes.filePath(QStringLiteral("faint/32"));
        QVERIFY(QDir().mkpath(theme));
        QFile index(themes.filePath(QStringLiteral("faint/index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=faint\nDirectories=32\n\n[32]\nSize=32\n");
        index.close();
        const char* names[] = {"media-playback-start", "process-stop", "folder",
                               "utilities-terminal",   "user-trash",   "document-export",
                               "help-contents",        "edit-copy",    "help-about"};
        QImage grey(32, 32, QImage::Format_ARGB32);
        grey.fill(QColor(0xb0, 0xb0, 0xb0, 120));
        for (const char* name : names)
            QVERIFY(grey.save(QDir(theme).filePath(QLatin1String(name) + QStringLiteral(".png"))));
        const QStringList oldPaths = QIcon::themeSearchPaths();
        const QString oldTheme = QIcon::themeName();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(QStringLiteral("faint"));
        const auto restore = qScopeGuard([&] {
            QIcon::setThemeName(oldTheme);
            QIcon::setThemeSearchPaths(oldPaths);
        });
        QVERIFY(QIcon::hasThemeIcon(QStringLiteral("media-playback-start")));

        FakeFrame actions;
        CRibbonBar ribbon(actions.Source());
        const QList<std::pair<int, const char*>> pictures = {
            {Commands::StartSearch, "media-playback-start"},
            {Commands::StopSearch, "process-stop"},
            {Commands::LaunchExplorer, "folder"},
            {Commands::LaunchCommandPrompt, "utilities-terminal"},
            {Commands::LaunchRecycleBin, "user-trash"},
            {Commands::ExportFileList, "document-export"},
            {Commands::WebPage, "help-contents"},
            {Commands::DuplicateFiles, "edit-copy"},
            {Commands::AppAbout, "help-about"}};
        for (const auto& [id, name] : pictures) {
            const auto* element = qobject_cast<QToolButton*>(ribbon.Element(id));
            QVERIFY2(element && Picture(element->icon()) == OwnPicture(name), name);
        }
        for (const QString& caption : kPanels) {
            const QImage own = OwnPicture(caption == QLatin1String("View") ? "view" : "panel");
            QToolButton* button = ribbon.PanelButton(caption);
            QCOMPARE(Picture(button->icon()), own);
            // A menu item shows the same picture as the element it stands for.
            for (const QAction* item : button->menu()->actions())
                if (const auto* entry = qobject_cast<const RibbonMenuAction*>(item);
                    entry && entry->Command())
                    if (const auto* element = qobject_cast<QToolButton*>(ribbon.Element(entry->Command())))
                        QCOMPARE(Picture(item->icon()), Picture(element->icon()));
        }

        // Start reads as a green go, in the enabled state.
        const QImage start =
            Picture(qobject_cast<QToolButton*>(ribbon.Element(Commands::StartSearch))->icon());
        const QColor body = start.pixelColor(6, 16);
        QVERIFY2(body.hueF() > 0.25f && body.hueF() < 0.45f && body.saturationF() > 0.5f &&
                     body.alpha() == 255,
                 qPrintable(body.name()));
    }

    // The Style drop-down marks the look on show with a radio mark, one at most, as the frame menu
    // does; an unknown look marks none.
    void styleMenuRadioMarks()
    {
        FakeFrame actions;
        CRibbonBar ribbon(actions.Source());
        QMenu* styles = ribbon.StyleButton()->menu();
        const QList<QAction*> items = styles->actions();
        QCOMPARE(items.size(), 4);
        for (QAction* item : items) {
            QVERIFY(item->actionGroup() && item->actionGroup()->isExclusive());
            QCOMPARE(item->actionGroup(), items.first()->actionGroup());
        }
        actions.Action(VisualStyles::Office2007Black)->setChecked(true);
        actions.Action(VisualStyles::Office2007Aqua)->setChecked(true);
        QVERIFY(!actions.Action(VisualStyles::Office2007Black)->isChecked());
        actions.Action(VisualStyles::Office2007Aqua)->setChecked(false);
        for (QAction* item : items)
            QVERIFY(!item->isChecked());

        // Opening it asks for fresh command states.
        QSignalSpy opened(&ribbon, &CRibbonBar::menuAboutToShow);
        emit styles->aboutToShow();
        QCOMPARE(opened.count(), 1);
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestRibbonWidth)
#include "tst_ribbonwidth.moc"
