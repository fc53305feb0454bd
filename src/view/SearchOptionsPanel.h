#pragma once

#include "engine/SearchFilters.h"

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// The search dialog's "More Options": every option of SearchFilters, shown and edited. It only
// shows them: the dialog reads them back (Filters), checks them and keeps them.
class SearchOptionsPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit SearchOptionsPanel(QWidget* parent = nullptr);

    SearchFilters Filters() const;
    void SetFilters(const SearchFilters& filters);
    // Shows why the text's regular expression cannot be used, beside it; an empty text hides it.
    void ShowTextError(const QString& error);

    // The fields in the order Tab goes through them.
    QList<QWidget*> TabStops() const;

    // For tests.
    QPlainTextEdit* SkipEdit() const { return m_skip; }
    QToolButton* AddButton() const { return m_add; }
    QComboBox* MatchBox() const { return m_match; }
    QLineEdit* TextEdit() const { return m_text; }
    QCheckBox* TextIsExpressionBox() const { return m_textIsExpression; }
    QLabel* TextError() const { return m_textError; }
    QPushButton* ResetButton() const { return m_reset; }

signals:
    // Any option changed (also by Reset or SetFilters).
    void changed();

private:
    struct SizeFields
    {
        QCheckBox* on;
        QSpinBox* amount;
        QComboBox* unit;
    };
    SizeFields MakeSizeFields(const QString& label, const QString& amountName, const QString& unitName);
    QCheckBox* MakeDateSwitch(const QString& label, QDateEdit* date);
    void AddPattern(const QString& pattern);
    void UpdateEnabled();

    QPlainTextEdit* m_skip;
    QToolButton* m_add;
    QComboBox* m_match;
    SizeFields m_minSize;
    SizeFields m_maxSize;
    QCheckBox* m_fromOn;
    QDateEdit* m_from;
    QCheckBox* m_toOn;
    QDateEdit* m_to;
    QCheckBox* m_withinOn;
    QSpinBox* m_within;
    QLineEdit* m_text;
    QLabel* m_textError;
    QCheckBox* m_textIsExpression;
    QCheckBox* m_binary;
    QPushButton* m_reset;
};
