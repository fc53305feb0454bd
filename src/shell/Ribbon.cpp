#include "shell/Ribbon.h"

#include "shell/Pictures.h"
#include "view/AppMessages.h"
#include "view/Commands.h"

#include <QAction>
#include <QActionEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int kAppButtonSize = 45;
constexpr int kAppFaceSize = 26;
constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kLargeButtonMinWidth = 48;
constexpr int kChecksPerColumn = 3;

// The picture of each command with one: a name from the user's icon theme, and our own drawing of
// the same name under ":/ribbon/" when the theme has none.
struct CommandPicture
{
    int id;
    const char* name;
};
constexpr CommandPicture kPictures[] = {
    {Commands::StartSearch, "media-playback-start"},
    {Commands::StopSearch, "process-stop"},
    {Commands::LaunchExplorer, "folder"},
    {Commands::LaunchCommandPrompt, "utilities-terminal"},
    {Commands::LaunchRecycleBin, "user-trash"},
    {Commands::ExportFileList, "document-export"},
    {Commands::WebPage, "help-contents"},
    {Commands::DuplicateFiles, "edit-copy"},
    {Commands::AppAbout, "help-about"},
};

QIcon CommandIcon(int id)
{
    for (const CommandPicture& picture : kPictures) {
        if (picture.id == id) {
            const QString name = QString::fromLatin1(picture.name);
            return QIcon::fromTheme(name, QIcon(QStringLiteral(":/ribbon/") + name + QStringLiteral(".svg")));
        }
    }
    return {};
}

// The tooltip of a panel element: the command's tooltip title in bold over its description.
QString ElementToolTip(int id)
{
    return QStringLiteral("<b>%1</b><br>%2")
        .arg(Commands::Tooltip(id).toHtmlEscaped(), Commands::Description(id).toHtmlEscaped());
}

// A large button's label on two lines, broken at the space nearest the middle, so long labels do
// not widen the panel. A short label keeps the first line and leaves the second one empty, so every
// label starts right under its picture.
QString LargeButtonText(const QString& label)
{
    constexpr int kShortLabel = 8;
    int best = -1;
    for (int i = 0; i < label.size(); ++i) {
        if (label[i] == QLatin1Char(' ') &&
            (best < 0 || qAbs(i - label.size() / 2) < qAbs(best - label.size() / 2)))
            best = i;
    }
    if (label.size() <= kShortLabel || best < 0)
        return label + QLatin1Char('\n');
    return label.left(best) + QLatin1Char('\n') + label.mid(best + 1);
}

QWidget* MakeSeparator()
{
    auto* line = new QWidget;
    line->setObjectName(QStringLiteral("RibbonPanelSeparator"));
    line->setAttribute(Qt::WA_StyledBackground);
    // Without a style sheet the line takes the palette's mid-tone.
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::Mid);
    line->setFixedWidth(1);
    line->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return line;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The application button

CCustomMFCRibbonApplicationButton::CCustomMFCRibbonApplicationButton(QWidget* parent)
    : QAbstractButton(parent), m_orb(0x2c, 0x64, 0xb0)
{
    setObjectName(QStringLiteral("AppButton"));
    setToolTip(QStringLiteral("Change Application Appearance"));
    setAccessibleName(QStringLiteral("Application Button"));
    setFixedSize(kAppButtonSize, kAppButtonSize);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void CCustomMFCRibbonApplicationButton::SetOrbColor(const QColor& colour)
{
    m_orb = colour;
    update();
}

QSize CCustomMFCRibbonApplicationButton::sizeHint() const
{
    return {kAppButtonSize, kAppButtonSize};
}

void CCustomMFCRibbonApplicationButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF orb = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const QColor base = underMouse() ? m_orb.lighter(118) : m_orb;

    // A glassy ball: lit from above, darker at the rim, with a soft highlight on its upper half.
    QRadialGradient body(QPointF(orb.center().x(), orb.top() + orb.height() * 0.7), orb.width() * 0.6);
    body.setColorAt(0.0, base.lighter(150));
    body.setColorAt(0.6, base);
    body.setColorAt(1.0, base.darker(150));
    painter.setPen(QPen(base.darker(180), 1.0));
    painter.setBrush(body);
    painter.drawEllipse(orb);

    const QRectF gloss(orb.left() + orb.width() * 0.16, orb.top() + orb.height() * 0.05, orb.width() * 0.68,
                       orb.height() * 0.46);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, 150));
    shine.setColorAt(1.0, QColor(255, 255, 255, 12));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(gloss);

    const qreal dpr = devicePixelRatioF();
    if (m_face.isNull() || !qFuzzyCompare(m_face.devicePixelRatio(), dpr))
        m_face = Pictures::AppButtonPicture(dpr);
    painter.drawPixmap(QPointF((width() - kAppFaceSize) / 2.0, (height() - kAppFaceSize) / 2.0), m_face);
}

void CCustomMFCRibbonApplicationButton::mousePressEvent(QMouseEvent* event)
{
    OnClick(event);
}

void CCustomMFCRibbonApplicationButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    OnClick(event);
}

void CCustomMFCRibbonApplicationButton::OnClick(QMouseEvent* event)
{
    // The button never goes down and never opens the application menu; it only asks the frame to
    // step to the next look. Each press and each double-click counts once.
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    AppMessages::Post(AppMessages::UWM_NEXT_LOOK);
}

// ---------------------------------------------------------------------------------------------
// Panel elements

CRibbonButton::CRibbonButton(int id, QAction* action, Size size, QWidget* parent)
    : QToolButton(parent), m_id(id), m_size(size), m_label(Commands::Label(id))
{
    setObjectName(QStringLiteral("element%1").arg(id));
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus); // the panel is worked with the mouse and its key tips
    if (size == Large) {
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        setIconSize(QSize(kLargeIcon, kLargeIcon));
        setMinimumWidth(kLargeButtonMinWidth);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    } else {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        setIconSize(QSize(kSmallIcon, kSmallIcon));
    }
    if (action)
        setDefaultAction(action);
    else
        setEnabled(false); // the frame has no such command (yet)
    ApplyFace();
}

void CRibbonButton::actionEvent(QActionEvent* event)
{
    QToolButton::actionEvent(event);
    // The base puts the action's texts and icon back on every change of the action.
    if (event->type() == QEvent::ActionChanged && event->action() == defaultAction())
        ApplyFace();
}

void CRibbonButton::ApplyFace()
{
    setIcon(CommandIcon(m_id));
    if (m_size == Large) {
        setText(LargeButtonText(m_label));
        setToolTip(ElementToolTip(m_id));
    } else {
        // The text is not shown, but a mnemonic in it would still take its Alt key from the panel's
        // own key tips.
        setText(QString(m_label).remove(QLatin1Char('&')));
        setToolTip(Commands::Tooltip(m_id));
    }
}

CRibbonCheckBox::CRibbonCheckBox(int id, QAction* action, QWidget* parent)
    : QCheckBox(Commands::Label(id), parent), m_id(id), m_action(action)
{
    setObjectName(QStringLiteral("element%1").arg(id));
    setFocusPolicy(Qt::NoFocus);
    setToolTip(ElementToolTip(id));
    connect(this, &QCheckBox::clicked, this, &CRibbonCheckBox::OnClicked);
    if (action)
        connect(action, &QAction::changed, this, &CRibbonCheckBox::FollowAction);
    FollowAction();
}

void CRibbonCheckBox::OnClicked()
{
    // The box has already flipped; the action decides what it really shows.
    if (m_action)
        m_action->trigger();
    FollowAction();
}

void CRibbonCheckBox::FollowAction()
{
    // setChecked does not emit clicked(), so following the action never triggers it again.
    setEnabled(m_action && m_action->isEnabled());
    setChecked(m_action && m_action->isChecked());
}

// ---------------------------------------------------------------------------------------------
// The command panel

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
    m_tabs->addTab(QStringLiteral("&Home"));
    layout->addWidget(m_tabs, 0, Qt::AlignBottom);
    layout->addStretch(1);

    // Beside the tabs: the look drop-down and About.
    m_styleButton = new QToolButton(row);
    m_styleButton->setObjectName(QStringLiteral("StyleButton"));
    m_styleButton->setText(QStringLiteral("Style"));
    m_styleButton->setToolTip(
        QStringLiteral("<b>Modify Visual Style</b><br>Choose one of the Office 2007 themes"));
    m_styleButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_styleButton->setPopupMode(QToolButton::InstantPopup);
    m_styleButton->setAutoRaise(true);
    m_styleButton->setFocusPolicy(Qt::NoFocus);
    auto* styles = new QMenu(m_styleButton);
    styles->setObjectName(QStringLiteral("StyleMenu"));
    for (int id : {215, 216, 217, 218})
        if (QAction* action = ActionFor(id))
            styles->addAction(action);
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
    const QList<std::pair<QString, QList<Column>>> panels = {
        {QStringLiteral("Folders To Ignore"),
         {{false, {IgnoreWindowsFolder, IgnoreProgramsFolder, IgnoreRecycleBinFolder}},
          {false, {IgnoreLocalAppDataFolder, IgnoreHiddenFolders}}}},
        {QStringLiteral("Files to Ignore"), {{false, {IgnoreHiddenFiles, IgnoreReadOnlyFiles}}}},
        {QStringLiteral("File Search"),
         {{true, {StartSearch, StopSearch}},
          {false, {SearchSubFolders, AutoSearchAtStartup}},
          {true, {DuplicateFiles}}}},
        {QStringLiteral("Launchers"), {{true, {LaunchExplorer, LaunchCommandPrompt, LaunchRecycleBin}}}},
        {QStringLiteral("Exporters"), {{true, {ExportFileList}}}},
        {QStringLiteral("View"), {{true, {WebPage}}, {false, {StatusBar, CaptionBar}}}},
    };

    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("RibbonPage"));
    page->setAttribute(Qt::WA_StyledBackground);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 3, 2, 3);
    layout->setSpacing(0);
    for (const auto& [caption, columns] : panels) {
        if (layout->count() > 0)
            layout->addWidget(MakeSeparator());
        layout->addWidget(MakePanel(caption, columns));
    }
    layout->addStretch(1);
    return page;
}

QWidget* CRibbonBar::MakePanel(const QString& caption, const QList<Column>& columns)
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("RibbonPanel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(2);
    auto* body = new QHBoxLayout;
    body->setSpacing(4);

    Panel entry{caption, {}};
    for (const Column& column : columns) {
        if (column.large) {
            for (int id : column.commands)
                body->addWidget(new CRibbonButton(id, ActionFor(id), CRibbonButton::Large));
        } else {
            body->addWidget(MakeCheckColumn(column.commands));
        }
        entry.commands += column.commands;
    }
    layout->addLayout(body, 1);

    auto* label = new QLabel(caption);
    label->setObjectName(QStringLiteral("RibbonPanelCaption"));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    m_panels.append(entry);
    return panel;
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
