#pragma once

#include "duplicates/ResultsModel.h"

#include <QTableView>

// The results list: a grid of rows with check boxes, full-row and multiple selection, over its own
// ResultsModel, whose keys colour the rows' text (the background is left alone).
class CColorListCtrl : public QTableView
{
    Q_OBJECT
public:
    explicit CColorListCtrl(QWidget* parent = nullptr);

    ResultsModel& Model() { return m_model; }
    const ResultsModel& Model() const { return m_model; }
    int GetItemCount() const { return m_model.rowCount(); }
    // The selected rows, ascending.
    std::vector<int> SelectedRows() const;
    // A band of controls above the column headings, inside the list, so that the list still
    // covers its whole window.
    void SetBand(QWidget* band);

private:
    ResultsModel m_model;
};
