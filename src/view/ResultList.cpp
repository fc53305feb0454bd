#include "view/ResultList.h"

#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>
#include <utility>

namespace {

// Rows are chosen whole: no cell draws a focus frame of its own.
class RowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

} // namespace

ResultList::ResultList(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new RowDelegate(this));
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &ResultList::OnSectionResized);
}

void ResultList::SetColumnWidths(const QList<int>& widths)
{
    m_asked = widths;
    for (int column = 0; column < widths.size() && column < header()->count(); ++column)
        ShowWidth(column, widths[column]);
    FillLastColumn();
}

QList<int> ResultList::ColumnWidths() const
{
    QList<int> widths;
    for (int column = 0; column < header()->count(); ++column)
        widths.append(Asked(column));
    return widths;
}

int ResultList::Asked(int column) const
{
    return column < m_asked.size() ? m_asked[column] : header()->sectionSize(column);
}

void ResultList::WidenToTexts(int column)
{
    constexpr int kRowsLookedAt = 64;
    if (!model() || column < 0 || column >= header()->count())
        return;
    int widest = Asked(column);
    for (int row = 0; row < std::min(model()->rowCount(), kRowsLookedAt); ++row)
        widest = std::max(widest, sizeHintForIndex(model()->index(row, column)).width());
    ShowWidth(column, widest);
    FillLastColumn();
}

void ResultList::ShowAskedWidth(int column)
{
    if (column < 0 || column >= header()->count())
        return;
    ShowWidth(column, Asked(column));
    FillLastColumn();
}

void ResultList::ShowWidth(int column, int width)
{
    const bool was = std::exchange(m_sizing, true);
    header()->resizeSection(column, width);
    m_sizing = was;
}

void ResultList::OnSectionResized(int column, int, int newSize)
{
    // A column being hidden or shown keeps its width apart.
    if (m_sizing || header()->isSectionHidden(column) || newSize == 0)
        return;
    // The user dragged a heading's edge (or the program set a width directly): that is the width
    // asked for now.
    while (m_asked.size() <= column)
        m_asked.append(header()->sectionSize(int(m_asked.size())));
    m_asked[column] = newSize;
    FillLastColumn();
}

int ResultList::LastShownColumn() const
{
    for (int visual = header()->count() - 1; visual >= 0; --visual)
        if (const int column = header()->logicalIndex(visual); !header()->isSectionHidden(column))
            return column;
    return -1;
}

void ResultList::FillLastColumn()
{
    const int last = LastShownColumn();
    if (last < 0 || m_sizing)
        return;
    const int room = viewport()->width() - header()->sectionPosition(last);
    const int width = std::max(Asked(last), room);
    if (header()->sectionSize(last) != width)
        ShowWidth(last, width);
}

void ResultList::updateGeometries()
{
    QTableView::updateGeometries();
    FillLastColumn();
}

QModelIndex ResultList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    switch (action) {
    case MoveHome:
    case MoveEnd:
        return QTableView::moveCursor(action, modifiers | Qt::ControlModifier);
    case MoveLeft:
    case MoveRight: {
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(bar->value() + (action == MoveLeft ? -bar->singleStep() : bar->singleStep()));
        return currentIndex();
    }
    default:
        return QTableView::moveCursor(action, modifiers);
    }
}
