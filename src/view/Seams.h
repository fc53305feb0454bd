#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

// Modal boxes and dialogs go through these two doors, so tests can answer them instead of a person.
namespace Seams {

// Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
int RunDialog(QDialog& dialog);
using DialogRunner = std::function<int(QDialog&)>;
void SetDialogRunner(DialogRunner runner); // empty: exec() again

// Shows a message box; a box without its own caption shows the application's name.
QMessageBox::StandardButton MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                       QMessageBox::Icon icon,
                                       QMessageBox::StandardButtons buttons = QMessageBox::Ok);
struct MessageBoxCall
{
    QString text, caption;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};
using MessageBoxHandler = std::function<QMessageBox::StandardButton(const MessageBoxCall&)>;
void SetMessageBoxHandler(MessageBoxHandler handler); // empty: real boxes again

} // namespace Seams
