#pragma once

#include <QAction>
#include <QPointer>

// A menu item of the command panel that stands for a frame action: it shows the panel's label and
// picture for the command, triggers the frame's action when chosen, and follows that action's
// enabled and checked states, whoever changes them. Without a frame action it stays disabled.
class RibbonMenuAction : public QAction
{
    Q_OBJECT
public:
    RibbonMenuAction(int id, QAction* frameAction, QObject* parent = nullptr);

    int Command() const { return m_id; }
    QAction* FrameAction() const { return m_frameAction; }
    // Reads the tooltip and status text again (an ignore switch names the folders of this moment).
    void RefreshTexts();

private:
    void OnTriggered();
    void FollowAction();

    int m_id;
    QPointer<QAction> m_frameAction;
};
