#include "duplicates/ColorListCtrl.h"

#include <QHeaderView>
#include <algorithm>

namespace {

// Column headings with an optional band of controls above them: the band takes the top of the
// heading area, the sections are drawn below it.
class CBandHeader : public QHeaderView
{
public:
    explicit CBandHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
    void SetBand(QWidget* band)
    {
        m_band = band;
        band->setParent(this);
        band->show();
        setViewportMargins(0, BandHeight(), 0, 0);
        updateGeometry();
        PlaceBand();
    }
    QSize sizeHint() const override
    {
        QSize size = QHeaderView::sizeHint();
        size.rheight() += BandHeight();
        return size;
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QHeaderView::resizeEvent(event);
        PlaceBand();
    }

private:
    int BandHeight() const { return m_band ? m_band->sizeHint().height() : 0; }
    void PlaceBand()
    {
        if (m_band)
            m_band->setGeometry(0, 0, width(), BandHeight());
    }
    QWidget* m_band = nullptr;
};

} // namespace

CColorListCtrl::CColorListCtrl(QWidget* parent) : QTableView(parent), m_model(this)
{
    setHorizontalHeader(new CBandHeader(this));
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
    // The last column takes whatever room the others leave.
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

std::vector<int> CColorListCtrl::SelectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows(ResultsModel::kNumber))
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CColorListCtrl::SetBand(QWidget* band)
{
    static_cast<CBandHeader*>(horizontalHeader())->SetBand(band);
    updateGeometries();
}
