#pragma once

#include <QFrame>

class QLabel;
class QWidget;

// One line of information under the command panel: a small picture and a text, left-aligned.
class CInfoBar : public QFrame
{
    Q_OBJECT
public:
    explicit CInfoBar(QWidget* parent = nullptr);
    // Shows `text`, which is also the tooltip until a note is added.
    void SetText(const QString& text);
    QString Text() const;
    // Adds a note under the text in the tooltip; an empty note leaves the text alone there.
    void SetNote(const QString& note);
    QString ToolTip() const;

private:
    QWidget* m_picture;
    QLabel* m_text;
};
