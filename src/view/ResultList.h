#pragma once

#include <QHeaderView>
#include <QTableView>

// One of the window's two lists: rows of text under headings, chosen whole, one at a time. Every
// row has the same height and the view keeps nothing per row, so appending to a list of a million
// rows, or scrolling to its end, costs the same as for a short one.
class ResultList : public QTableView
{
    Q_OBJECT
public:
    explicit ResultList(QWidget* parent = nullptr);
    // The headings.
    QHeaderView* header() const { return horizontalHeader(); }

protected:
    // Keys act on rows, as in a list: Home and End go to the first and last row, Left and Right
    // scroll the columns.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};
