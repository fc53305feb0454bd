#include "shell/RibbonPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr int kSeparatorWidth = 1;

QWidget* MakeSeparator()
{
    auto* line = new QWidget;
    line->setObjectName(QStringLiteral("RibbonPanelSeparator"));
    line->setAttribute(Qt::WA_StyledBackground);
    // Without a style sheet the line takes the palette's mid-tone.
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::Mid);
    line->setFixedWidth(kSeparatorWidth);
    line->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return line;
}

} // namespace

RibbonPage::RibbonPage(QWidget* parent) : QWidget(parent), m_layout(new QHBoxLayout(this))
{
    setObjectName(QStringLiteral("RibbonPage"));
    setAttribute(Qt::WA_StyledBackground);
    m_layout->setContentsMargins(2, 3, 2, 3);
    m_layout->setSpacing(0);
    m_layout->addStretch(1);
}

void RibbonPage::AddPanel(QWidget* panel, QToolButton* collapsed, int keep)
{
    const int at = m_layout->count() - 1; // before the closing stretch
    if (!m_slots.isEmpty())
        m_layout->insertWidget(at, MakeSeparator());
    m_layout->insertWidget(m_layout->count() - 1, panel);
    m_layout->insertWidget(m_layout->count() - 1, collapsed);
    collapsed->setVisible(false);
    m_slots.append({panel, collapsed, keep});
    m_order.clear();
    for (int i = 0; i < m_slots.size(); ++i)
        m_order.append(i);
    std::stable_sort(m_order.begin(), m_order.end(), [this](int a, int b) {
        return m_slots[a].keep != m_slots[b].keep ? m_slots[a].keep < m_slots[b].keep : a > b;
    });
    updateGeometry();
    Arrange();
}

bool RibbonPage::IsCollapsed(int index) const
{
    return index >= 0 && index < m_slots.size() && m_slots[index].panel->isHidden();
}

int RibbonPage::WidthWith(int collapsed) const
{
    const QMargins margins = m_layout->contentsMargins();
    int width = margins.left() + margins.right();
    const QList<int> gone = m_order.mid(0, collapsed);
    for (int i = 0; i < m_slots.size(); ++i) {
        QWidget* shown = gone.contains(i) ? m_slots[i].collapsed : m_slots[i].panel;
        // A widget that was never shown has not had the look's style sheet put on it yet.
        shown->ensurePolished();
        width += shown->sizeHint().width();
        if (i > 0)
            width += kSeparatorWidth;
    }
    return width;
}

int RibbonPage::CollapsedAt(int width) const
{
    int collapsed = 0;
    while (collapsed < m_slots.size() && WidthWith(collapsed) > width)
        ++collapsed;
    return collapsed;
}

QList<int> RibbonPage::CollapseOrder() const
{
    return m_order;
}

int RibbonPage::ContentHeight() const
{
    int height = 0;
    for (const Slot& slot : m_slots) {
        slot.panel->ensurePolished();
        slot.collapsed->ensurePolished();
        height = qMax(height, qMax(slot.panel->sizeHint().height(), slot.collapsed->sizeHint().height()));
    }
    const QMargins margins = m_layout->contentsMargins();
    return height + margins.top() + margins.bottom();
}

QSize RibbonPage::sizeHint() const
{
    return {WidthWith(0), ContentHeight()};
}

QSize RibbonPage::minimumSizeHint() const
{
    return {WidthWith(int(m_slots.size())), ContentHeight()};
}

void RibbonPage::Arrange()
{
    if (m_arranging)
        return;
    m_arranging = true;
    const QList<int> gone = m_order.mid(0, CollapsedAt(width()));
    for (int i = 0; i < m_slots.size(); ++i) {
        // Hide before showing, so the page never holds both forms of a panel at once.
        if (!gone.contains(i)) {
            m_slots[i].collapsed->setVisible(false);
            m_slots[i].panel->setVisible(true);
        } else {
            m_slots[i].panel->setVisible(false);
            m_slots[i].collapsed->setVisible(true);
        }
    }
    // Lay the page out again at once, so its panels stand where they are shown before the next event.
    m_layout->activate();
    m_arranging = false;
}

bool RibbonPage::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::LayoutRequest:
        // A new look or font changes what the panels need.
        updateGeometry();
        Arrange();
        break;
    default:
        break;
    }
    return handled;
}

void RibbonPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Arrange();
}
