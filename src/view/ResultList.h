#pragma once

#include <QHeaderView>
#include <QTableView>

// One of the window's two lists: rows of text under headings, chosen whole, one at a time. Every
// row has the same height and the view keeps nothing per row, so appending to a list of a million
// rows, or scrolling to its end, costs the same as for a short one.
//
// Each column has the width asked for it (the stored one, or the one the user gives it by dragging
// a heading's edge); the last column shown also fills the list to its right edge, and a column can be
// widened for a while to show its texts whole. What is kept between sessions is the asked widths.
class ResultList : public QTableView
{
    Q_OBJECT
public:
    explicit ResultList(QWidget* parent = nullptr);
    // The headings.
    QHeaderView* header() const { return horizontalHeader(); }

    // Asks for these column widths, the first column first.
    void SetColumnWidths(const QList<int>& widths);
    // The widths asked for, whatever the columns show for the moment.
    QList<int> ColumnWidths() const;
    // Widens `column` to show the texts of its first rows whole (status lines, a few rows); it keeps
    // its asked width, which comes back with ShowAskedWidth.
    void WidenToTexts(int column);
    void ShowAskedWidth(int column);

protected:
    // Keys act on rows, as in a list: Home and End go to the first and last row, Left and Right
    // scroll the columns.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void updateGeometries() override;

private:
    void OnSectionResized(int column, int oldSize, int newSize);
    // Sizes a column without taking it as asked for.
    void ShowWidth(int column, int width);
    // The last column shown (in the order shown) reaches the list's right edge, and is never narrower
    // than asked.
    void FillLastColumn();
    int LastShownColumn() const;
    int Asked(int column) const;

    QList<int> m_asked;
    bool m_sizing = false;
};
