#include "view/Seams.h"

#include <QCoreApplication>
#include <QDialog>

namespace Seams {
namespace {

DialogRunner& Runner()
{
    static DialogRunner runner;
    return runner;
}

MessageBoxHandler& BoxHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

} // namespace

int RunDialog(QDialog& dialog)
{
    if (Runner())
        return Runner()(dialog);
    return dialog.exec();
}

void SetDialogRunner(DialogRunner runner)
{
    Runner() = std::move(runner);
}

QMessageBox::StandardButton MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                       QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    const QString title = caption.isEmpty() ? QCoreApplication::applicationName() : caption;
    if (BoxHandler())
        return BoxHandler()({text, title, icon, buttons});
    QMessageBox box(icon, title, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

void SetMessageBoxHandler(MessageBoxHandler handler)
{
    BoxHandler() = std::move(handler);
}

} // namespace Seams
