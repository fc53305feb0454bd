#include "view/Seams.h"

#include <QDialog>
#include <QGuiApplication>

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

// While a box or dialog waits for the user, the normal cursor shows over a command's busy cursor,
// so the program does not look stuck; the busy cursor comes back when it closes.
class NormalCursor
{
public:
    NormalCursor() : m_lifted(QGuiApplication::overrideCursor() != nullptr)
    {
        if (m_lifted)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor()
    {
        if (m_lifted)
            QGuiApplication::restoreOverrideCursor();
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

private:
    bool m_lifted;
};

} // namespace

int RunDialog(QDialog& dialog)
{
    const NormalCursor normal;
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
    const NormalCursor normal;
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
