#include "view/ResultsFilterBox.h"

#include <QKeyEvent>

ResultsFilterBox::ResultsFilterBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("ResultsFilterBox"));
    setPlaceholderText(tr("Filter the found files by name or folder (Ctrl+F)"));
    setClearButtonEnabled(true);
    setToolTip(tr("Shows only the files whose name or folder contains this text. Escape clears it."));
}

void ResultsFilterBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
