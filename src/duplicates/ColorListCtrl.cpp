#include "duplicates/ColorListCtrl.h"

#include <QHeaderView>
#include <algorithm>

CColorListCtrl::CColorListCtrl(QWidget* parent) : QTableView(parent), m_model(this)
{
    setModel(&m_model);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    // Every row has the same height, so a long list costs nothing to lay out.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

std::vector<int> CColorListCtrl::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows(CResultsModel::kNumber))
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}
