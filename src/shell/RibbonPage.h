#pragma once

#include <QList>
#include <QWidget>

class QHBoxLayout;
class QToolButton;

// The tab page of the command panel: its panels side by side, left to right, with a line between
// two panels. When the page is too narrow for all of them, panels collapse, each into its single
// drop-down button, until the rest fit at their full size; so no element is ever squeezed below the
// size its label needs. The panel that matters least goes first (the lowest `keep`; of equal ones the
// rightmost), so the commands used most stay in view longest. A wide page shows every panel in full.
class RibbonPage : public QWidget
{
    Q_OBJECT
public:
    explicit RibbonPage(QWidget* parent = nullptr);

    // Adds a panel at the right end: its full form and the button that stands for it when collapsed.
    // The page takes both. Panels with a lower `keep` collapse before those with a higher one.
    void AddPanel(QWidget* panel, QToolButton* collapsed, int keep = 0);

    int PanelCount() const { return int(m_slots.size()); }
    bool IsCollapsed(int index) const;
    // How many panels, taken in the order they collapse, are collapsed at a page width of `width`.
    int CollapsedAt(int width) const;
    // The panels' indexes in the order they collapse as the page narrows.
    QList<int> CollapseOrder() const;

    // As wide as every panel in full, as high as the highest panel or button.
    QSize sizeHint() const override;
    // As wide as every panel collapsed.
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Slot
    {
        QWidget* panel;
        QToolButton* collapsed;
        int keep;
    };

    // The page's width with the first `collapsed` panels of the collapse order collapsed.
    int WidthWith(int collapsed) const;
    int ContentHeight() const;
    void Arrange();

    QHBoxLayout* m_layout;
    QList<Slot> m_slots;
    QList<int> m_order; // the collapse order
    bool m_arranging = false;
};
