#pragma once

#include <QDialog>
#include <QPixmap>

// The window shown while the program starts: the splash picture in a frameless window that stays
// above the others, centred on the primary screen. It takes no part in the work; whoever shows it
// closes it once the main frame is up.
class CDlgSplash : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgSplash(QWidget* parent = nullptr);

    // Names the window after the application, fixes its size and centres it on the primary screen.
    // The constructor calls it; calling it again centres the window anew.
    void OnInitDialog();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture; // the splash picture for the last device pixel ratio painted
};
