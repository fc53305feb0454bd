#include "shell/RibbonMenuAction.h"

#include "shell/RibbonElements.h"
#include "view/Commands.h"

RibbonMenuAction::RibbonMenuAction(int id, QAction* frameAction, QObject* parent)
    : QAction(parent), m_id(id), m_frameAction(frameAction)
{
    setObjectName(QStringLiteral("menuItem%1").arg(id));
    // A menu reads "&" as a mnemonic mark; the label shows as written.
    setText(Commands::Label(id).replace(QLatin1Char('&'), QLatin1String("&&")));
    setIcon(RibbonElements::CommandIcon(id));
    RefreshTexts();
    setCheckable(frameAction && frameAction->isCheckable());
    connect(this, &QAction::triggered, this, &RibbonMenuAction::OnTriggered);
    if (frameAction)
        connect(frameAction, &QAction::changed, this, &RibbonMenuAction::FollowAction);
    FollowAction();
}

void RibbonMenuAction::RefreshTexts()
{
    setToolTip(RibbonElements::ElementToolTip(m_id));
    setStatusTip(RibbonElements::ElementDescription(m_id));
}

void RibbonMenuAction::OnTriggered()
{
    // A check item has already flipped; the frame's action decides what it really shows.
    if (m_frameAction)
        m_frameAction->trigger();
    FollowAction();
}

void RibbonMenuAction::FollowAction()
{
    setEnabled(m_frameAction && m_frameAction->isEnabled());
    if (m_frameAction && m_frameAction->isCheckable() != isCheckable())
        setCheckable(m_frameAction->isCheckable());
    setChecked(m_frameAction && m_frameAction->isChecked());
}
