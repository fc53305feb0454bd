#include "shell/PendrakeApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CPendrakeApp app;
    if (!app.InitInstance())
        return 1;
    return QApplication::exec();
}
