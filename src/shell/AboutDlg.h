#pragma once

#include <QDialog>

// The About box: the icon, the program's name and version, where to find help, a link to the user
// guide and a Donate button. The link and Donate open the user guide and leave the box open;
// OK closes it.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

private:
    void OnGuideLink();
    void OnDonate();
};
