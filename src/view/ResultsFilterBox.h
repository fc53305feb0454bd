#pragma once

#include <QLineEdit>

// The box above the file list whose text narrows the list to the rows that contain it. Escape
// empties it (and, when it is already empty, hands the key on); Down, Enter and Return go on to the
// list.
class ResultsFilterBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit ResultsFilterBox(QWidget* parent = nullptr);

signals:
    void toList();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
