#include "view/ResultsFilterBox.h"

#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int kCountGap = 6; // between the count and what is beside it

} // namespace

ResultsFilterBox::ResultsFilterBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("ResultsFilterBox"));
    setPlaceholderText(tr("Filter the found files by name or folder (Ctrl+F)"));
    setClearButtonEnabled(true);
    setToolTip(tr("Shows only the files whose name or folder contains this text. Escape clears it."));
    setAccessibleName(tr("Filter"));
    setAccessibleDescription(toolTip());
    // The clear button shows only a picture; a screen reader says its name.
    for (QToolButton* clear : findChildren<QToolButton*>())
        clear->setAccessibleName(tr("Clear Filter"));
    connect(this, &QLineEdit::textChanged, this, &ResultsFilterBox::MakeRoom);
}

void ResultsFilterBox::SetCount(int shown, int total)
{
    if (shown == m_shown && total == m_total)
        return;
    m_shown = shown;
    m_total = total;
    MakeRoom();
}

QString ResultsFilterBox::CountText() const
{
    if (text().isEmpty())
        return {};
    const QLocale locale;
    return tr("%1 of %2", "rows shown of all rows").arg(locale.toString(m_shown), locale.toString(m_total));
}

void ResultsFilterBox::MakeRoom()
{
    const QString count = CountText();
    const int room = count.isEmpty() ? 0 : fontMetrics().horizontalAdvance(count) + 2 * kCountGap;
    if (textMargins().right() != room)
        setTextMargins(0, 0, room, 0);
    update();
}

void ResultsFilterBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        MakeRoom();
}

void ResultsFilterBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    const QString count = CountText();
    if (count.isEmpty())
        return;
    // Right of the text, left of the clear button when it shows.
    int right = rect().right() - kCountGap;
    for (const QToolButton* button : findChildren<QToolButton*>())
        if (button->isVisible())
            right = std::min(right, button->geometry().left() - kCountGap);
    const int width = fontMetrics().horizontalAdvance(count);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(QRect(right - width, 0, width, height()), Qt::AlignRight | Qt::AlignVCenter, count);
}

void ResultsFilterBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            emit toList();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
