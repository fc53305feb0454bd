#include "shell/RibbonCheckBox.h"

#include "shell/RibbonElements.h"
#include "view/Commands.h"

#include <QAction>
#include <QEvent>

CRibbonCheckBox::CRibbonCheckBox(int id, QAction* action, QWidget* parent)
    : QCheckBox(Commands::Label(id), parent), m_id(id), m_action(action)
{
    setObjectName(QStringLiteral("element%1").arg(id));
    setFocusPolicy(Qt::TabFocus);
    setToolTip(RibbonElements::ElementToolTip(id));
    setAccessibleName(RibbonElements::SpokenName(Commands::Label(id)));
    setAccessibleDescription(RibbonElements::ElementDescription(id));
    connect(this, &QCheckBox::clicked, this, &CRibbonCheckBox::OnClicked);
    if (action)
        connect(action, &QAction::changed, this, &CRibbonCheckBox::FollowAction);
    FollowAction();
}

bool CRibbonCheckBox::event(QEvent* event)
{
    // The tooltip names the folders of this moment.
    if (event->type() == QEvent::ToolTip) {
        setToolTip(RibbonElements::ElementToolTip(m_id));
        setAccessibleDescription(RibbonElements::ElementDescription(m_id));
    }
    return QCheckBox::event(event);
}

void CRibbonCheckBox::paintEvent(QPaintEvent* event)
{
    QCheckBox::paintEvent(event);
    RibbonElements::PaintFocusFrame(this, false);
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
