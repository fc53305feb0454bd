#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

// The round button at the left of the command panel. A left press or double-click asks the main
// frame for the next look (AppMessages::UWM_NEXT_LOOK) and does nothing else: it neither goes down
// nor opens a menu. The application menu is opened from the keyboard instead.
class CCustomMFCRibbonApplicationButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor orbColor READ OrbColor WRITE SetOrbColor)
public:
    explicit CCustomMFCRibbonApplicationButton(QWidget* parent = nullptr);

    QColor OrbColor() const { return m_orb; }
    void SetOrbColor(const QColor& colour);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void OnClick(QMouseEvent* event);

    QColor m_orb;
    QPixmap m_face;
};
