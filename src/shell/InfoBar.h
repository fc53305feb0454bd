#pragma once

#include <QFrame>

class QLabel;

// One line of information under the command panel: a small picture and a text, left-aligned.
class CInfoBar : public QFrame
{
    Q_OBJECT
public:
    explicit CInfoBar(QWidget* parent = nullptr);
    void SetText(const QString& text);
    QString Text() const;

private:
    QLabel* m_picture;
    QLabel* m_text;
};
