#pragma once

#include <QCheckBox>
#include <QPointer>

class QAction;

// A command panel check box on a checkable frame action: the user's click triggers the action, and
// the box follows the action's checked and enabled states, whoever changes them.
class CRibbonCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    CRibbonCheckBox(int id, QAction* action, QWidget* parent = nullptr);

    int Command() const { return m_id; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnClicked();
    void FollowAction();

    int m_id;
    QPointer<QAction> m_action;
};
