#pragma once

#include <QLineEdit>

// The box above the file list whose text narrows the list to the rows that contain it. Escape
// empties it (and, when it is already empty, hands the key on).
class ResultsFilterBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit ResultsFilterBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
