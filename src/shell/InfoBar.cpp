#include "shell/InfoBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// The "i" at the start of the bar, drawn from its SVG whenever it is painted, so it is sharp at the
// pixel ratio of whatever screen shows it.
class InfoPicture : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(QStringLiteral(":/app/infobar.svg")).render(&painter, QRectF(rect()));
    }
};

} // namespace

CInfoBar::CInfoBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("InfoBar"));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setAccessibleName(tr("Information Bar"));
    m_picture = new InfoPicture(this);
    m_picture->setObjectName(QStringLiteral("InfoBarPicture"));
    m_picture->setAccessibleName(tr("Important"));
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
