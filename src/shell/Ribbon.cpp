#include "shell/Ribbon.h"

#include "shell/RibbonElements.h"
#include "shell/RibbonMenuAction.h"
#include "shell/RibbonPage.h"
#include "shell/VisualStyles.h"
#include "view/Commands.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kChecksPerColumn = 3;
constexpr int kPanelIcon = 32;

// A drop-down button of the panel (Style, a folded panel) that shows the focus as the elements do.
class MenuButton : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QToolButton::paintEvent(event);
        RibbonElements::PaintFocusFrame(this, underMouse() || isDown());
    }
};

} // namespace

CRibbonBar::CRibbonBar(ActionSource actionFor, QWidget* parent)
    : QWidget(parent), m_actionFor(std::move(actionFor))
{
    setObjectName(QStringLiteral("RibbonBar"));
    setAttribute(Qt::WA_StyledBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    m_appMenu = new QMenu(this);
    m_appMenu->setObjectName(QStringLiteral("RibbonApplicationMenu"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeTabRow());
    layout->addWidget(MakePage());

    // Key tips: Alt+F opens the application menu, Alt+A runs About.
    m_menuShortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), this);
    connect(m_menuShortcut, &QShortcut::activated, this, &CRibbonBar::ShowApplicationMenu);
    m_aboutShortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_A), this);
    connect(m_aboutShortcut, &QShortcut::activated, this, [this] {
        if (QAction* about = m_aboutButton->defaultAction(); about && about->isEnabled())
            about->trigger();
    });
}

QAction* CRibbonBar::ActionFor(int id) const
{
    return m_actionFor ? m_actionFor(id) : nullptr;
}

QWidget* CRibbonBar::MakeTabRow()
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("RibbonTabRow"));
    row->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 2, 6, 0);
    layout->setSpacing(4);

    m_appButton = new CCustomMFCRibbonApplicationButton(row);
    m_appButton->setProperty("keyTip", QStringLiteral("f"));
    layout->addWidget(m_appButton, 0, Qt::AlignVCenter);
    layout->addSpacing(8);

    m_tabs = new QTabBar(row);
    m_tabs->setObjectName(QStringLiteral("RibbonTabs"));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->setAccessibleName(tr("Command Panel Tabs"));
    m_tabs->addTab(tr("&Home"));
    layout->addWidget(m_tabs, 0, Qt::AlignBottom);
    layout->addStretch(1);

    // Beside the tabs: the look drop-down and About.
    m_styleButton = new MenuButton(row);
    m_styleButton->setObjectName(QStringLiteral("StyleButton"));
    m_styleButton->setText(tr("Style"));
    m_styleButton->setToolTip(
        QStringLiteral("<b>%1</b><br>%2")
            .arg(tr("Modify Visual Style"), tr("Choose one of the Office 2007 themes")));
    m_styleButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_styleButton->setPopupMode(QToolButton::InstantPopup);
    m_styleButton->setAutoRaise(true);
    m_styleButton->setFocusPolicy(Qt::TabFocus);
    m_styleButton->setAccessibleName(tr("Style"));
    m_styleButton->setAccessibleDescription(tr("Choose one of the Office 2007 themes"));
    auto* styles = new QMenu(m_styleButton);
    styles->setObjectName(QStringLiteral("StyleMenu"));
    // One of the four is the look on show: the menu marks it with a radio mark, as the frame menu does.
    auto* schemes = new QActionGroup(styles);
    for (int id : VisualStyles::kOffice2007Looks) {
        if (QAction* action = ActionFor(id)) {
            styles->addAction(action);
            if (!action->actionGroup())
                schemes->addAction(action);
        }
    }
    connect(styles, &QMenu::aboutToShow, this, &CRibbonBar::menuAboutToShow);
    m_styleButton->setMenu(styles);

    m_aboutButton =
        new CRibbonButton(Commands::AppAbout, ActionFor(Commands::AppAbout), CRibbonButton::Small, row);
    m_aboutButton->setProperty("keyTip", QStringLiteral("a"));

    auto* side = new QHBoxLayout;
    side->setContentsMargins(0, 0, 0, 3);
    side->setSpacing(2);
    side->addWidget(m_styleButton);
    side->addWidget(m_aboutButton);
    layout->addLayout(side);
    layout->setAlignment(side, Qt::AlignBottom);
    return row;
}

QWidget* CRibbonBar::MakePage()
{
    using namespace Commands;
    // Each panel with its picture: one for the five option and command panels, one for View.
    const QString commonPicture = QStringLiteral("panel");
    const QList<PanelLayout> panels = {
        {tr("Folders To Ignore"),
         commonPicture,
         {{false, {IgnoreWindowsFolder, IgnoreProgramsFolder, IgnoreRecycleBinFolder}},
          {false, {IgnoreLocalAppDataFolder, IgnoreHiddenFolders}}},
         4},
        {tr("Files to Ignore"), commonPicture, {{false, {IgnoreHiddenFiles, IgnoreReadOnlyFiles}}}, 3},
        {tr("File Search"),
         commonPicture,
         {{true, {StartSearch, StopSearch}},
          {false, {SearchSubFolders, AutoSearchAtStartup}},
          {true, {DuplicateFiles}}},
         5},
        {tr("Launchers"),
         commonPicture,
         {{true, {LaunchExplorer, LaunchCommandPrompt, LaunchRecycleBin}}},
         1},
        {tr("Exporters"), commonPicture, {{true, {ExportFileList}}}, 2},
        {tr("View"), QStringLiteral("view"), {{true, {WebPage}}, {false, {StatusBar, CaptionBar}}}, 0},
    };

    m_page = new RibbonPage;
    for (const PanelLayout& panel : panels)
        m_page->AddPanel(MakePanel(panel), MakeCollapsedPanel(panel), panel.keep);
    return m_page;
}

QWidget* CRibbonBar::MakePanel(const PanelLayout& layoutOf)
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("RibbonPanel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(2);
    auto* body = new QHBoxLayout;
    body->setSpacing(4);

    Panel entry{layoutOf.caption, {}};
    for (const Column& column : layoutOf.columns) {
        if (column.large) {
            for (int id : column.commands)
                body->addWidget(new CRibbonButton(id, ActionFor(id), CRibbonButton::Large));
        } else {
            body->addWidget(MakeCheckColumn(column.commands));
        }
        entry.commands += column.commands;
    }
    layout->addLayout(body, 1);

    auto* label = new QLabel(layoutOf.caption);
    label->setObjectName(QStringLiteral("RibbonPanelCaption"));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    m_panels.append(entry);
    return panel;
}

QToolButton* CRibbonBar::MakeCollapsedPanel(const PanelLayout& layoutOf)
{
    auto* button = new MenuButton;
    button->setObjectName(QStringLiteral("RibbonPanelButton"));
    button->setProperty("panel", layoutOf.caption);
    button->setText(RibbonElements::LargeButtonText(layoutOf.caption));
    button->setIcon(RibbonElements::Picture(layoutOf.picture));
    button->setIconSize(QSize(kPanelIcon, kPanelIcon));
    button->setToolTip(layoutOf.caption);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAccessibleName(layoutOf.caption);
    button->setAccessibleDescription(tr("Opens a menu with the commands of this panel."));
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    // The panel's commands in its order, a line between its groups of elements.
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("RibbonPanelMenu"));
    menu->setToolTipsVisible(true);
    for (const Column& column : layoutOf.columns) {
        if (!menu->isEmpty())
            menu->addSeparator();
        for (int id : column.commands)
            menu->addAction(new RibbonMenuAction(id, ActionFor(id), menu));
    }
    connect(menu, &QMenu::aboutToShow, this, &CRibbonBar::menuAboutToShow);
    // The items' tooltips and status texts name the folders of the moment the menu shows.
    connect(menu, &QMenu::aboutToShow, menu, [menu] {
        for (QAction* item : menu->actions())
            if (auto* entry = qobject_cast<RibbonMenuAction*>(item))
                entry->RefreshTexts();
    });
    button->setMenu(menu);
    return button;
}

QWidget* CRibbonBar::MakeCheckColumn(const QList<int>& ids)
{
    Q_ASSERT(ids.size() <= kChecksPerColumn);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 2, 4, 0);
    layout->setSpacing(2);
    for (int id : ids)
        layout->addWidget(new CRibbonCheckBox(id, ActionFor(id)));
    layout->addStretch(1);
    return column;
}

void CRibbonBar::SetApplicationMenu(const QList<QAction*>& items, QAction* exitAction)
{
    m_appMenu->clear();
    for (QAction* item : items) {
        if (item)
            m_appMenu->addAction(item);
        else
            m_appMenu->addSeparator();
    }
    if (exitAction) {
        m_appMenu->addSeparator();
        m_appMenu->addAction(exitAction);
    }
}

void CRibbonBar::ShowApplicationMenu()
{
    m_appMenu->popup(m_appButton->mapToGlobal(QPoint(0, m_appButton->height())));
}

QStringList CRibbonBar::PanelCaptions() const
{
    QStringList captions;
    for (const Panel& panel : m_panels)
        captions.append(panel.caption);
    return captions;
}

QList<int> CRibbonBar::PanelCommands(const QString& panelCaption) const
{
    for (const Panel& panel : m_panels)
        if (panel.caption == panelCaption)
            return panel.commands;
    return {};
}

QWidget* CRibbonBar::Element(int id) const
{
    return findChild<QWidget*>(QStringLiteral("element%1").arg(id));
}

QList<QWidget*> CRibbonBar::TabStops() const
{
    QList<QWidget*> stops = {m_styleButton, m_aboutButton};
    for (const Panel& panel : m_panels) {
        for (int id : panel.commands)
            if (QWidget* element = Element(id))
                stops.append(element);
        stops.append(PanelButton(panel.caption));
    }
    return stops;
}

QStringList CRibbonBar::CollapsedPanels() const
{
    QStringList collapsed;
    for (int i = 0; i < m_page->PanelCount(); ++i)
        if (m_page->IsCollapsed(i))
            collapsed.append(m_panels[i].caption);
    return collapsed;
}

QToolButton* CRibbonBar::PanelButton(const QString& panelCaption) const
{
    for (auto* button : findChildren<QToolButton*>(QStringLiteral("RibbonPanelButton")))
        if (button->property("panel").toString() == panelCaption)
            return button;
    return nullptr;
}
