#include "shell/ApplicationButton.h"

#include "shell/Pictures.h"
#include "view/AppMessages.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace {

constexpr int kAppButtonSize = 45;
constexpr int kAppFaceSize = 26;

} // namespace

CCustomMFCRibbonApplicationButton::CCustomMFCRibbonApplicationButton(QWidget* parent)
    : QAbstractButton(parent), m_orb(0x2c, 0x64, 0xb0)
{
    setObjectName(QStringLiteral("AppButton"));
    setToolTip(tr("Change Application Appearance"));
    setAccessibleName(tr("Application Button"));
    setAccessibleDescription(tr("Switches to the next look. Alt+F opens the application menu."));
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
