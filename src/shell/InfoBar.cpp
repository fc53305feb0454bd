#include "shell/InfoBar.h"

#include "shell/Pictures.h"

#include <QHBoxLayout>
#include <QLabel>

CInfoBar::CInfoBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("InfoBar"));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setAccessibleName(tr("Information Bar"));
    m_picture = new QLabel(this);
    m_picture->setAccessibleName(tr("Important"));
    m_picture->setPixmap(Pictures::InfoBarPicture(devicePixelRatioF()));
    m_picture->setFixedSize(20, 20);
    m_picture->setToolTip(QStringLiteral("<b>%1</b><br>%2")
                              .arg(tr("Important"), tr("Here is an informational message for the user.")));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("InfoBarText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumWidth(1); // long texts are cut, never widen the window
    // The text is its own name; the description says what it is.
    m_text->setAccessibleDescription(tr("What to do next, or how the last search went"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(8);
    layout->addWidget(m_picture);
    layout->addWidget(m_text, 1);
}

void CInfoBar::SetText(const QString& text)
{
    m_text->setText(text);
    m_text->setToolTip(text);
    m_text->repaint();
}

QString CInfoBar::Text() const
{
    return m_text->text();
}

void CInfoBar::SetNote(const QString& note)
{
    const QString text = m_text->text();
    m_text->setToolTip(
        note.isEmpty()
            ? text
            : QStringLiteral("<p>%1</p><p>%2</p>").arg(text.toHtmlEscaped(), note.toHtmlEscaped()));
}

QString CInfoBar::ToolTip() const
{
    return m_text->toolTip();
}
