#include "shell/RibbonButton.h"

#include "shell/RibbonElements.h"
#include "view/Commands.h"

#include <QAction>
#include <QActionEvent>

namespace {

constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kLargeButtonMinWidth = 48;

} // namespace

CRibbonButton::CRibbonButton(int id, QAction* action, Size size, QWidget* parent)
    : QToolButton(parent), m_id(id), m_size(size), m_label(Commands::Label(id))
{
    setObjectName(QStringLiteral("element%1").arg(id));
    setAutoRaise(true);
    // Tab reaches the button; a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
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

void CRibbonButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    RibbonElements::PaintFocusFrame(this, underMouse() || isDown());
}

void CRibbonButton::ApplyFace()
{
    setIcon(RibbonElements::CommandIcon(m_id));
    setAccessibleName(RibbonElements::SpokenName(m_label));
    setAccessibleDescription(RibbonElements::ElementDescription(m_id));
    if (m_size == Large) {
        setText(RibbonElements::LargeButtonText(m_label));
        setToolTip(RibbonElements::ElementToolTip(m_id));
    } else {
        // The text is not shown, but a mnemonic in it would still take its Alt key from the panel's
        // own key tips.
        setText(QString(m_label).remove(QLatin1Char('&')));
        setToolTip(Commands::Tooltip(m_id));
    }
}
