#pragma once

#include <QLineEdit>

// The box above the file list whose text narrows the list to the rows that contain it. Escape
// empties it (and, when it is already empty, hands the key on); Down, Enter and Return go on to the
// list. While it holds a text it shows, at its right end, how many rows match out of how many
// ("12 of 5,056", in the locale's grouping).
class ResultsFilterBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit ResultsFilterBox(QWidget* parent = nullptr);

    // The list shows `shown` of its `total` rows.
    void SetCount(int shown, int total);
    // What the box shows of the count; empty while it holds no text.
    QString CountText() const;

signals:
    void toList();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Leaves room for the count at the right end, so typed text never runs under it.
    void MakeRoom();

    int m_shown = 0;
    int m_total = 0;
};
