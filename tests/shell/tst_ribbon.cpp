#include "FakeFrame.h"
#include "shell/InfoBar.h"
#include "shell/Ribbon.h"
#include "shell/VisualStyles.h"
#include "support/TestSupport.h"
#include "view/AppMessages.h"
#include "view/Commands.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

struct PanelLayout
{
    QString caption;
    QList<int> commands;
};

const QList<PanelLayout> kHome = {
    {QStringLiteral("Folders To Ignore"), {310, 311, 322, 324, 325}},
    {QStringLiteral("Files to Ignore"), {312, 313}},
    {QStringLiteral("File Search"), {314, 315, 316, 323, 327}},
    {QStringLiteral("Launchers"), {318, 319, 320}},
    {QStringLiteral("Exporters"), {321}},
    {QStringLiteral("View"), {328, 59393, 221}},
};
const QSet<int> kCheckBoxes = {310, 311, 322, 324, 325, 312, 313, 316, 323, 59393, 221};

int CommandOf(const QWidget* element)
{
    return element->objectName().mid(int(qstrlen("element"))).toInt();
}

// A panel's elements in reading order: column by column, top to bottom in a column.
QList<int> ElementsOf(const QWidget* panel)
{
    QList<const QWidget*> elements;
    for (const QWidget* child : panel->findChildren<QWidget*>())
        if (child->objectName().startsWith(QLatin1String("element")))
            elements.append(child);
    const auto place = [panel](const QWidget* w) { return w->mapTo(panel, QPoint(0, 0)); };
    std::sort(elements.begin(), elements.end(), [&place](const QWidget* a, const QWidget* b) {
        const QPoint pa = place(a), pb = place(b);
        return pa.x() != pb.x() ? pa.x() < pb.x() : pa.y() < pb.y();
    });
    QList<int> ids;
    for (const QWidget* element : elements)
        ids.append(CommandOf(element));
    return ids;
}

QList<QWidget*> PanelsLeftToRight(const CRibbonBar& ribbon)
{
    QList<QWidget*> panels = ribbon.findChildren<QWidget*>(QStringLiteral("RibbonPanel"));
    std::sort(panels.begin(), panels.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
    return panels;
}

// A large button's label as one line (it is shown on two).
QString ShownLabel(const QWidget* element)
{
    return qobject_cast<const QToolButton*>(element)
        ->text()
        .replace(QLatin1Char('\n'), QLatin1Char(' '))
        .trimmed();
}

// Shows the panel wide enough for every panel in full.
void ShowWide(CRibbonBar& ribbon)
{
    ribbon.resize(1400, ribbon.sizeHint().height());
    ribbon.show();
}

// The ignore switches tell what they skip on this machine (see ignoreSwitchesNameThisMachine);
// the other elements show their command's description.
const QSet<int> kIgnoreSwitches = {310, 311, 322, 324, 325, 312, 313};

QString ElementTip(int id)
{
    return QStringLiteral("<b>%1</b><br>%2")
        .arg(Commands::Tooltip(id).toHtmlEscaped(), Commands::Description(id).toHtmlEscaped());
}

// Sends the element the event that shows its tooltip and gives the text it then has.
QString ShownTip(QWidget* element)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), element->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(element, &help);
    return element->toolTip();
}

} // namespace

class TestRibbon : public QObject
{
    Q_OBJECT

public:
    explicit TestRibbon(const TestHome&) {}

private slots:
    void cleanup() { AppMessages::SetMainWindow(nullptr); }

    // Every element of the Home tab in its panel and in order, with its kind, label and tooltip.
    void homeTab()
    {
        FakeFrame frame;
        CRibbonBar ribbon(frame.Source());
        ribbon.resize(1280, ribbon.sizeHint().height());
        ribbon.show();
        QCOMPARE(ribbon.Tabs()->count(), 1);
        QCOMPARE(ribbon.Tabs()->tabText(0), QStringLiteral("&Home"));
        QStringList captions;
        for (const PanelLayout& panel : kHome)
            captions.append(panel.caption);
        QCOMPARE(ribbon.PanelCaptions(), captions);
        QVERIFY(ribbon.PanelCommands(QStringLiteral("No Such Panel")).isEmpty());

        // What the panel reports is what it shows: captions left to right, elements in reading order.
        const QList<QWidget*> panels = PanelsLeftToRight(ribbon);
        QCOMPARE(panels.size(), kHome.size());
        QCOMPARE(ribbon.findChildren<QWidget*>(QStringLiteral("RibbonPanelSeparator")).size(),
                 panels.size() - 1);
        for (qsizetype i = 0; i < panels.size(); ++i) {
            const auto* caption = panels[i]->findChild<QLabel*>(QStringLiteral("RibbonPanelCaption"));
            QVERIFY(caption);
            QCOMPARE(caption->text(), kHome[i].caption);
            QCOMPARE(ribbon.PanelCommands(kHome[i].caption), kHome[i].commands);
            QCOMPARE(ElementsOf(panels[i]), kHome[i].commands);
            for (int id : kHome[i].commands) {
                QWidget* element = ribbon.Element(id);
                QVERIFY(element->mapTo(panels[i], QPoint(0, element->height())).y() <= caption->y());
                if (!kIgnoreSwitches.contains(id))
                    QCOMPARE(element->toolTip(), ElementTip(id));
                if (kCheckBoxes.contains(id)) {
                    QVERIFY(qobject_cast<QCheckBox*>(element));
                    QCOMPARE(qobject_cast<QCheckBox*>(element)->text(), Commands::Label(id));
                    continue;
                }
                auto* button = qobject_cast<QToolButton*>(element);
                QVERIFY(button);
                QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
                QCOMPARE(button->iconSize(), QSize(32, 32));
                QCOMPARE(button->defaultAction(), frame.actions.value(id));
                // Drawn for the screen's density, not scaled up from a small bitmap.
                QCOMPARE(button->icon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
                // The frame's own texts never replace the element's face.
                frame.actions.value(id)->setText(QStringLiteral("Renamed"));
                frame.actions.value(id)->setToolTip(QStringLiteral("Other"));
                QCOMPARE(ShownLabel(button), Commands::Label(id));
                QCOMPARE(button->toolTip(), ElementTip(id));
            }
        }
    }

    // Our own drawings: compiled in, and sharp at any density.
    void ownPictures()
    {
        for (const char* name :
             {"media-playback-start", "process-stop", "folder", "utilities-terminal", "user-trash",
              "document-export", "help-contents", "edit-copy", "help-about", "panel", "view"}) {
            const QImage image = QIcon(QStringLiteral(":/ribbon/%1.svg").arg(QLatin1String(name)))
                                     .pixmap(QSize(32, 32), 2.0)
                                     .toImage();
            QVERIFY2(image.size() == QSize(64, 64) && qAlpha(image.pixel(32, 32)) > 200, name);
        }
    }

    // The ignore switches' tooltips say what each one skips here, with the folders the platform
    // gives at the moment the tooltip shows; so do the items of a collapsed panel, when it opens.
    void ignoreSwitchesNameThisMachine()
    {
        FakeFrame frame;
        CRibbonBar ribbon(frame.Source());
        ShowWide(ribbon);
        const QString home = QDir::homePath();
        const QString data = qEnvironmentVariable("XDG_DATA_HOME");
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY(data.startsWith(QLatin1Char('/')) && config.startsWith(QLatin1Char('/')));
        const QList<std::pair<int, QStringList>> skipped = {
            {Commands::IgnoreWindowsFolder, {QStringLiteral("/usr")}},
            {Commands::IgnoreProgramsFolder, {QStringLiteral("/opt")}},
            {Commands::IgnoreRecycleBinFolder, {data + QStringLiteral("/Trash"), QStringLiteral(".Trash-")}},
            {Commands::IgnoreLocalAppDataFolder, {data, config, QStringLiteral("/var/lib")}},
            {Commands::IgnoreHiddenFolders, {QStringLiteral("start with a dot")}},
            {Commands::IgnoreHiddenFiles, {QStringLiteral("start with a dot")}},
            {Commands::IgnoreReadOnlyFiles, {QStringLiteral("no write permission")}},
        };
        for (const auto& [id, words] : skipped) {
            const QString tip = ShownTip(ribbon.Element(id));
            QVERIFY2(
                tip.startsWith(QStringLiteral("<b>%1</b><br>").arg(Commands::Tooltip(id).toHtmlEscaped())),
                qPrintable(tip));
            QVERIFY2(!tip.contains(QLatin1String("C:")) && !tip.contains(QLatin1String("e.g")),
                     qPrintable(tip));
            for (const QString& word : words)
                QVERIFY2(tip.contains(word), qPrintable(tip + QStringLiteral(" / ") + word));
        }
        // The labels stay as they are.
        QCOMPARE(qobject_cast<QCheckBox*>(ribbon.Element(Commands::IgnoreWindowsFolder))->text(),
                 QStringLiteral("Windows"));

        // Folders moved since the panel was made: the tooltip and the collapsed menu follow.
        const QString moved = home + QStringLiteral("/elsewhere");
        qputenv("XDG_CONFIG_HOME", moved.toUtf8());
        const auto restore = qScopeGuard([config] { qputenv("XDG_CONFIG_HOME", config.toUtf8()); });
        QVERIFY(ShownTip(ribbon.Element(Commands::IgnoreLocalAppDataFolder)).contains(moved));
        QMenu* menu = ribbon.PanelButton(QStringLiteral("Folders To Ignore"))->menu();
        emit menu->aboutToShow();
        bool seen = false;
        for (QAction* item : menu->actions())
            if (item->objectName() == QStringLiteral("menuItem%1").arg(Commands::IgnoreLocalAppDataFolder)) {
                QVERIFY(item->toolTip().contains(moved));
                QVERIFY(item->statusTip().contains(moved) && !item->statusTip().contains(QLatin1Char('<')));
                seen = true;
            }
        QVERIFY(seen);
    }

    void buttonsTriggerFrameActions()
    {
        FakeFrame frame;
        CRibbonBar ribbon(frame.Source());
        ShowWide(ribbon);
        for (const PanelLayout& panel : kHome) {
            for (int id : panel.commands) {
                if (kCheckBoxes.contains(id))
                    continue;
                QTest::mouseClick(ribbon.Element(id), Qt::LeftButton);
                QCOMPARE(frame.triggered.value(id), 1);
            }
        }
        frame.actions.value(Commands::StartSearch)->setEnabled(false);
        QVERIFY(!ribbon.Element(Commands::StartSearch)->isEnabled());
        QTest::mouseClick(ribbon.Element(Commands::StartSearch), Qt::LeftButton);
        QCOMPARE(frame.triggered.value(Commands::StartSearch), 1);
    }

    void checkBoxesFollowActions()
    {
        FakeFrame frame;
        CRibbonBar ribbon(frame.Source());
        ShowWide(ribbon);
        auto* box = qobject_cast<QCheckBox*>(ribbon.Element(Commands::SearchSubFolders));
        QAction* action = frame.actions.value(Commands::SearchSubFolders);
        QVERIFY(box && action && !box->isChecked());

        // A click triggers the action once and the box shows the action's state.
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(frame.triggered.value(Commands::SearchSubFolders), 1);
        QVERIFY(action->isChecked());
        QVERIFY(box->isChecked());

        // Changes made elsewhere show without triggering the action again.
        action->setChecked(false);
        QVERIFY(!box->isChecked());
        action->setEnabled(false);
        QVERIFY(!box->isEnabled());
        action->setEnabled(true);
        QCOMPARE(frame.triggered.value(Commands::SearchSubFolders), 1);

        // When the frame refuses the change, the box goes back to what the frame says.
        connect(action, &QAction::triggered, action, [action] { action->setChecked(true); });
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(frame.triggered.value(Commands::SearchSubFolders), 2);
        QVERIFY(box->isChecked());
    }

    void missingCommandShowsDisabled()
    {
        FakeFrame frame;
        frame.missing = {Commands::DuplicateFiles, Commands::StatusBar};
        CRibbonBar ribbon(frame.Source());
        ribbon.show();
        QCOMPARE(ShownLabel(ribbon.Element(Commands::DuplicateFiles)), QStringLiteral("Duplicate Files"));
        QVERIFY(!ribbon.Element(Commands::DuplicateFiles)->isEnabled());
        QVERIFY(!ribbon.Element(Commands::StatusBar)->isEnabled());
    }

    void applicationButton()
    {
        FakeFrame frame;
        CRibbonBar ribbon(frame.Source());
        ribbon.SetApplicationMenu({frame.Action(Commands::ExportFileList)}, frame.Action(Commands::AppExit));
        ribbon.show();
        NoticeCounter receiver;
        AppMessages::SetMainWindow(&receiver);
        CCustomMFCRibbonApplicationButton* button = ribbon.ApplicationButton();
        QCOMPARE(button->size(), QSize(45, 45));
        QCOMPARE(button->toolTip(), QStringLiteral("Change Application Appearance"));
        // Sends mouse events and returns the number of notices they posted.
        const auto notices = [&receiver, button](QList<QPair<QEvent::Type, Qt::MouseButton>> events) {
            for (const auto& [type, which] : events) {
                QMouseEvent event(type, QPointF(22, 22), button->mapToGlobal(QPointF(22, 22)), which, which,
                                  {});
                QApplication::sendEvent(button, &event);
            }
            QCoreApplication::sendPostedEvents(&receiver, AppMessages::UWM_NEXT_LOOK);
            const int posted = receiver.Count(AppMessages::UWM_NEXT_LOOK);
            receiver.Reset();
            return posted;
        };
        const auto press = QEvent::MouseButtonPress, release = QEvent::MouseButtonRelease;
        const auto doubleClick = QEvent::MouseButtonDblClick;
        QCOMPARE(notices({{press, Qt::LeftButton}, {release, Qt::LeftButton}}), 1);
        QVERIFY(!button->isDown());
        QCOMPARE(notices({{doubleClick, Qt::LeftButton}}), 1);
        // A double-click arrives as a press, a release and a double-click.
        QCOMPARE(notices({{press, Qt::LeftButton}, {release, Qt::LeftButton}, {doubleClick, Qt::LeftButton}}),
                 2);
        QCOMPARE(notices({{press, Qt::RightButton}, {doubleClick, Qt::MiddleButton}}), 0);
        // No press ever opens a menu.
        QVERIFY(!ribbon.ApplicationMenu()->isVisible());
        QVERIFY(!QApplication::activePopupWidget());
    }

    void keyboardOpensApplicationMenu()
    {
        FakeFrame frame;
        QMainWindow window;
        auto* ribbon = new CRibbonBar(frame.Source());
        window.setMenuWidget(ribbon);
        window.setCentralWidget(new QWidget);
        QAction* exit = frame.Action(Commands::AppExit);
        ribbon->SetApplicationMenu({frame.Action(Commands::DuplicateFiles)}, nullptr);
        // Filling it again replaces what was there.
        ribbon->SetApplicationMenu({frame.Action(Commands::ExportFileList), frame.Action(Commands::WebPage)},
                                   exit);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QMenu* menu = ribbon->ApplicationMenu();
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 4);
        QCOMPARE(items[0], frame.actions.value(Commands::ExportFileList));
        QCOMPARE(items[1], frame.actions.value(Commands::WebPage));
        QVERIFY(items[2]->isSeparator());
        QCOMPARE(items[3], exit);
        QCOMPARE(ribbon->ApplicationButton()->property("keyTip").toString(), QStringLiteral("f"));

        QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
        QVERIFY(menu->isVisible());
        const QWidget* button = ribbon->ApplicationButton();
        QCOMPARE(menu->pos(), button->mapToGlobal(QPoint(0, button->height())));
        menu->close();

        // The About key tip.
        QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(frame.triggered.value(Commands::AppAbout), 1);
    }

    void styleDropDownAndAbout()
    {
        FakeFrame frame;
        CRibbonBar ribbon(frame.Source());
        ribbon.show();
        QToolButton* style = ribbon.StyleButton();
        QCOMPARE(style->text(), QStringLiteral("Style"));
        QCOMPARE(style->popupMode(), QToolButton::InstantPopup);
        QVERIFY(style->icon().isNull() && !style->defaultAction());
        QCOMPARE(style->toolTip(),
                 QStringLiteral("<b>Modify Visual Style</b><br>Choose one of the Office 2007 themes"));
        QVERIFY(style->menu());
        const QList<QAction*> expected = {frame.actions.value(215), frame.actions.value(216),
                                          frame.actions.value(217), frame.actions.value(218)};
        QVERIFY(!expected.contains(nullptr));
        QCOMPARE(style->menu()->actions(), expected);

        auto* about = qobject_cast<QToolButton*>(ribbon.Element(Commands::AppAbout));
        QVERIFY(about);
        QCOMPARE(about->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QCOMPARE(about->toolTip(), QStringLiteral("About"));
        QCOMPARE(about->property("keyTip").toString(), QStringLiteral("a"));
        QVERIFY(!about->icon().isNull());
        // Both sit right of the tab, the Style drop-down first.
        QVERIFY(ribbon.Tabs()->geometry().right() < style->geometry().left());
        QVERIFY(style->geometry().right() < about->geometry().left());
        QTest::mouseClick(about, Qt::LeftButton);
        QCOMPARE(frame.triggered.value(Commands::AppAbout), 1);
    }

    // The panel in a window 1280 wide under every look: nothing is squeezed, cut or overlapping, and
    // the look's colours are on screen. With TRESMOLO_RIBBON_PICTURES set to a folder, the window is
    // also saved there as ribbon-<look>.png for a person to look at.
    void fitsEveryLook_data()
    {
        QTest::addColumn<int>("look");
        for (int look : VisualStyles::Looks())
            QTest::addRow("%d", look) << look;
    }

    void fitsEveryLook()
    {
        QFETCH(int, look);
        FakeFrame frame;
        QMainWindow window;
        auto* top = new QWidget;
        auto* topLayout = new QVBoxLayout(top);
        topLayout->setContentsMargins(0, 0, 0, 0);
        topLayout->setSpacing(0);
        auto* menus = new QMenuBar;
        for (const char* title : {"&File", "&Edit", "&View", "&Help"})
            menus->addMenu(QString::fromLatin1(title));
        auto* ribbon = new CRibbonBar(frame.Source());
        topLayout->addWidget(menus);
        topLayout->addWidget(ribbon);
        window.setMenuWidget(top);
        auto* infoBar = new CInfoBar;
        infoBar->SetText(QStringLiteral("Select Folder from the Left Hand Side to be Searched."));
        window.setCentralWidget(infoBar);
        window.statusBar()->addWidget(new QLabel(QStringLiteral("Selected Folder Will Appear Here")));
        frame.Action(Commands::SearchSubFolders)->setChecked(true);
        frame.Action(Commands::StatusBar)->setChecked(true);
        frame.Action(Commands::StopSearch)->setEnabled(false);

        VisualStyles::Apply(look);
        window.resize(1280, 260);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(ribbon->width(), 1280);
        QVERIFY(ribbon->minimumSizeHint().width() <= 1280);

        QList<QWidget*> parts = ribbon->findChildren<QWidget*>(QStringLiteral("RibbonPanelCaption"));
        for (const PanelLayout& panel : kHome)
            for (int id : panel.commands)
                parts.append(ribbon->Element(id));
        parts << ribbon->StyleButton() << ribbon->Element(Commands::AppAbout) << ribbon->ApplicationButton()
              << ribbon->Tabs();
        for (QWidget* part : parts) {
            const QRect area(part->mapTo(ribbon, QPoint(0, 0)), part->size());
            const QString name = part->objectName();
            QVERIFY2(part->isVisible() && ribbon->rect().contains(area), qPrintable(name));
            QVERIFY2(part->width() >= part->sizeHint().width() && part->height() >= part->sizeHint().height(),
                     qPrintable(name));
        }
        // Panels stand apart, each caption centred under its panel.
        const QList<QWidget*> panels = PanelsLeftToRight(*ribbon);
        for (qsizetype i = 0; i < panels.size(); ++i) {
            if (i > 0)
                QVERIFY(panels[i - 1]->geometry().right() < panels[i]->geometry().left());
            const auto* caption = panels[i]->findChild<QLabel*>(QStringLiteral("RibbonPanelCaption"));
            QVERIFY(qAbs(caption->geometry().center().x() - panels[i]->rect().center().x()) <= 1);
        }

        const QImage shown = window.grab().toImage();
        // The tab row shows the look's colour between the tab and the Style drop-down.
        const QWidget* row = ribbon->findChild<QWidget*>(QStringLiteral("RibbonTabRow"));
        const QPoint gap = row->mapTo(
            &window,
            QPoint((ribbon->Tabs()->geometry().right() + ribbon->StyleButton()->geometry().left()) / 2,
                   row->height() / 2));
        const qreal dpr = shown.devicePixelRatio();
        QCOMPARE(shown.pixelColor(QPoint(int(gap.x() * dpr), int(gap.y() * dpr))),
                 VisualStyles::Colours(look).tabRow);

        const QString folder = qEnvironmentVariable("TRESMOLO_RIBBON_PICTURES");
        if (!folder.isEmpty())
            QVERIFY(shown.save(QDir(folder).filePath(QStringLiteral("ribbon-%1.png").arg(look))));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestRibbon)
#include "tst_ribbon.moc"
