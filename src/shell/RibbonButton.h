#pragma once

#include <QString>
#include <QToolButton>

class QAction;

// A command panel button on a frame action: the action gives the enabled state and is triggered on
// a click, the panel gives the face (label, picture and tooltip), which the action's own texts never
// replace. Large buttons show a 32 x 32 picture over the label, small ones the picture alone.
class CRibbonButton : public QToolButton
{
    Q_OBJECT
public:
    enum Size
    {
        Large,
        Small
    };
    CRibbonButton(int id, QAction* action, Size size, QWidget* parent = nullptr);

    int Command() const { return m_id; }
    // The label, with no line breaks.
    QString Label() const { return m_label; }

protected:
    void actionEvent(QActionEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyFace();

    int m_id;
    Size m_size;
    QString m_label;
};
