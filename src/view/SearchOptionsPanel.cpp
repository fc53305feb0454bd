#include "view/SearchOptionsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace {

// Names that are often not worth searching, offered by the "Add" drop-down.
const char* const kSuggestedPatterns[] = {".git", "node_modules", "__pycache__", "*.o", "*~"};

constexpr int kSkipLines = 4; // how many lines the skip field shows

} // namespace

SearchOptionsPanel::SearchOptionsPanel(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("MoreOptions"));
    auto* form = new QFormLayout(this);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Names to skip, one a line, with the common ones a click away.
    m_skip = new QPlainTextEdit(this);
    m_skip->setTabChangesFocus(true);
    m_skip->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_skip->setPlaceholderText(tr("One name or pattern a line, e.g. node_modules"));
    m_skip->setToolTip(
        tr("Folders and files whose name matches one of these patterns are skipped. A pattern matches "
           "the exact bytes of a name, case-sensitive: * stands for any run of characters, ? for one, "
           "[abc] for one of a set. A pattern holding / matches the path below the chosen folder "
           "(e.g. src/build), and one ending in / matches folders only."));
    m_skip->setFixedHeight(m_skip->fontMetrics().lineSpacing() * kSkipLines + 2 * m_skip->frameWidth() +
                           int(m_skip->document()->documentMargin() * 2));
    m_add = new QToolButton(this);
    m_add->setText(tr("&Add"));
    m_add->setToolTip(tr("Adds a name that is often not worth searching."));
    m_add->setPopupMode(QToolButton::InstantPopup);
    auto* suggestions = new QMenu(m_add);
    for (const char* pattern : kSuggestedPatterns) {
        const QString text = QString::fromLatin1(pattern);
        // The names are shown as they are: no "&" in them is taken for an accelerator.
        QAction* action =
            suggestions->addAction(QString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(action, &QAction::triggered, this, [this, text] { AddPattern(text); });
    }
    m_add->setMenu(suggestions);
    auto* skipLabel = new QLabel(tr("S&kip names:"), this);
    skipLabel->setBuddy(m_skip);
    auto* skipRow = new QHBoxLayout;
    skipRow->addWidget(m_skip, 1);
    skipRow->addWidget(m_add, 0, Qt::AlignTop);
    form->addRow(skipLabel, skipRow);

    // How the word matches.
    m_match = new QComboBox(this);
    m_match->addItems({tr("contains"), tr("matches wildcard"), tr("matches regular expression")});
    m_match->setToolTip(tr("How the search word is matched against each file's name, without regard "
                           "to case: found anywhere in it, as a wildcard pattern for the whole name, or "
                           "as a regular expression."));
    auto* matchLabel = new QLabel(tr("File &name"), this);
    matchLabel->setBuddy(m_match);
    auto* matchRow = new QHBoxLayout;
    matchRow->addWidget(m_match);
    matchRow->addWidget(new QLabel(tr("the search word"), this));
    matchRow->addStretch(1);
    form->addRow(matchLabel, matchRow);

    // Size limits.
    m_minSize = MakeSizeFields(tr("At l&east"), tr("Smallest size"), tr("Unit of the smallest size"));
    m_maxSize = MakeSizeFields(tr("At m&ost"), tr("Largest size"), tr("Unit of the largest size"));
    for (const SizeFields* fields : {&m_minSize, &m_maxSize}) {
        auto* row = new QHBoxLayout;
        row->addWidget(fields->amount);
        row->addWidget(fields->unit);
        row->addStretch(1);
        form->addRow(fields->on, row);
    }

    // Date limits.
    const QDate today = QDate::currentDate();
    m_from = new QDateEdit(today, this);
    m_from->setAccessibleName(tr("Modified on or after this day"));
    m_fromOn = MakeDateSwitch(tr("Modified on or a&fter"), m_from);
    m_to = new QDateEdit(today, this);
    m_to->setAccessibleName(tr("Modified on or before this day"));
    m_toOn = MakeDateSwitch(tr("Modified on or &before"), m_to);
    m_within = new QSpinBox(this);
    m_within->setRange(1, 100000);
    m_within->setValue(7);
    m_within->setAccessibleName(tr("Number of days"));
    m_withinOn = new QCheckBox(tr("Modified in the &last"), this);
    auto* withinRow = new QHBoxLayout;
    withinRow->addWidget(m_within);
    withinRow->addWidget(new QLabel(tr("days"), this));
    withinRow->addStretch(1);
    form->addRow(m_withinOn, withinRow);

    // Text inside the files.
    m_text = new QLineEdit(this);
    m_text->setToolTip(tr("Only files whose contents hold this text are found, without regard to case."));
    auto* textLabel = new QLabel(tr("Containing &text:"), this);
    textLabel->setBuddy(m_text);
    m_textError = new QLabel(this);
    m_textError->setObjectName(QStringLiteral("TextError"));
    m_textError->setWordWrap(true);
    m_textError->setTextFormat(Qt::PlainText);
    m_textError->hide();
    m_textIsExpression = new QCheckBox(tr("Regular e&xpression"), this);
    m_binary = new QCheckBox(tr("Search b&inary files too"), this);
    m_binary->setToolTip(tr("Also search files that look binary (a zero byte in their first 128 KB)."));
    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(m_text);
    textColumn->addWidget(m_textError);
    auto* textSwitches = new QHBoxLayout;
    textSwitches->addWidget(m_textIsExpression);
    textSwitches->addWidget(m_binary);
    textSwitches->addStretch(1);
    textColumn->addLayout(textSwitches);
    form->addRow(textLabel, textColumn);

    m_reset = new QPushButton(tr("&Reset"), this);
    m_reset->setToolTip(tr("Puts every one of these options back to its default."));
    m_reset->setAutoDefault(false);
    auto* resetRow = new QHBoxLayout;
    resetRow->addStretch(1);
    resetRow->addWidget(m_reset);
    form->addRow(resetRow);
    connect(m_reset, &QPushButton::clicked, this, [this] { SetFilters({}); });

    // Any change is reported; a switch also enables its fields.
    connect(m_skip, &QPlainTextEdit::textChanged, this, &SearchOptionsPanel::changed);
    connect(m_match, &QComboBox::currentIndexChanged, this, &SearchOptionsPanel::changed);
    connect(m_text, &QLineEdit::textChanged, this, &SearchOptionsPanel::changed);
    for (QCheckBox* box :
         {m_minSize.on, m_maxSize.on, m_fromOn, m_toOn, m_withinOn, m_textIsExpression, m_binary})
        connect(box, &QCheckBox::toggled, this, [this] {
            UpdateEnabled();
            emit changed();
        });
    for (QSpinBox* spin : {m_minSize.amount, m_maxSize.amount, m_within})
        connect(spin, &QSpinBox::valueChanged, this, &SearchOptionsPanel::changed);
    for (QComboBox* unit : {m_minSize.unit, m_maxSize.unit})
        connect(unit, &QComboBox::currentIndexChanged, this, &SearchOptionsPanel::changed);
    for (QDateEdit* date : {m_from, m_to})
        connect(date, &QDateEdit::dateChanged, this, &SearchOptionsPanel::changed);
    UpdateEnabled();
}

SearchOptionsPanel::SizeFields
SearchOptionsPanel::MakeSizeFields(const QString& label, const QString& amountName, const QString& unitName)
{
    SizeFields fields;
    fields.on = new QCheckBox(label, this);
    fields.amount = new QSpinBox(this);
    fields.amount->setRange(0, std::numeric_limits<int>::max());
    fields.amount->setGroupSeparatorShown(true);
    fields.amount->setAccessibleName(amountName);
    fields.unit = new QComboBox(this);
    fields.unit->addItems({tr("bytes"), tr("KB"), tr("MB"), tr("GB")});
    fields.unit->setCurrentIndex(int(SearchFilters::SizeUnit::KB));
    fields.unit->setAccessibleName(unitName);
    fields.unit->setToolTip(tr("1 KB is 1,024 bytes, 1 MB 1,024 KB, 1 GB 1,024 MB."));
    return fields;
}

QCheckBox* SearchOptionsPanel::MakeDateSwitch(const QString& label, QDateEdit* date)
{
    date->setCalendarPopup(true);
    auto* on = new QCheckBox(label, this);
    static_cast<QFormLayout*>(layout())->addRow(on, date);
    return on;
}

void SearchOptionsPanel::AddPattern(const QString& pattern)
{
    QStringList patterns = SplitSkipPatterns(m_skip->toPlainText());
    if (!patterns.contains(pattern)) {
        patterns.append(pattern);
        m_skip->setPlainText(JoinSkipPatterns(patterns));
    }
    m_skip->setFocus(Qt::OtherFocusReason);
    m_skip->moveCursor(QTextCursor::End);
}

void SearchOptionsPanel::UpdateEnabled()
{
    for (const SizeFields* fields : {&m_minSize, &m_maxSize}) {
        fields->amount->setEnabled(fields->on->isChecked());
        fields->unit->setEnabled(fields->on->isChecked());
    }
    m_from->setEnabled(m_fromOn->isChecked());
    m_to->setEnabled(m_toOn->isChecked());
    m_within->setEnabled(m_withinOn->isChecked());
}

SearchFilters SearchOptionsPanel::Filters() const
{
    SearchFilters filters;
    filters.skipPatterns = SplitSkipPatterns(m_skip->toPlainText());
    filters.nameMatch = SearchFilters::NameMatch(m_match->currentIndex());
    for (auto [limit, fields] :
         {std::pair{&filters.minSize, &m_minSize}, std::pair{&filters.maxSize, &m_maxSize}}) {
        limit->enabled = fields->on->isChecked();
        limit->amount = fields->amount->value();
        limit->unit = SearchFilters::SizeUnit(fields->unit->currentIndex());
    }
    if (m_fromOn->isChecked())
        filters.modifiedFrom = m_from->date();
    if (m_toOn->isChecked())
        filters.modifiedTo = m_to->date();
    if (m_withinOn->isChecked())
        filters.modifiedWithinDays = m_within->value();
    filters.containingText = m_text->text();
    filters.textIsRegularExpression = m_textIsExpression->isChecked();
    filters.searchBinaryFiles = m_binary->isChecked();
    return filters;
}

void SearchOptionsPanel::SetFilters(const SearchFilters& filters)
{
    m_skip->setPlainText(JoinSkipPatterns(filters.skipPatterns));
    m_match->setCurrentIndex(int(filters.nameMatch));
    for (auto [limit, fields] :
         {std::pair{&filters.minSize, &m_minSize}, std::pair{&filters.maxSize, &m_maxSize}}) {
        fields->on->setChecked(limit->enabled);
        fields->amount->setValue(limit->amount);
        fields->unit->setCurrentIndex(int(limit->unit));
    }
    // A limit switched off keeps showing its last day, or today.
    const QDate today = QDate::currentDate();
    m_fromOn->setChecked(filters.modifiedFrom.isValid());
    m_from->setDate(filters.modifiedFrom.isValid() ? filters.modifiedFrom : today);
    m_toOn->setChecked(filters.modifiedTo.isValid());
    m_to->setDate(filters.modifiedTo.isValid() ? filters.modifiedTo : today);
    m_withinOn->setChecked(filters.modifiedWithinDays > 0);
    m_within->setValue(filters.modifiedWithinDays > 0 ? filters.modifiedWithinDays : 7);
    m_text->setText(filters.containingText);
    m_textIsExpression->setChecked(filters.textIsRegularExpression);
    m_binary->setChecked(filters.searchBinaryFiles);
    UpdateEnabled();
    emit changed();
}

void SearchOptionsPanel::ShowTextError(const QString& error)
{
    m_textError->setText(error);
    m_textError->setVisible(!error.isEmpty());
    m_text->setAccessibleDescription(error);
}

QList<QWidget*> SearchOptionsPanel::TabStops() const
{
    return {m_skip,
            m_add,
            m_match,
            m_minSize.on,
            m_minSize.amount,
            m_minSize.unit,
            m_maxSize.on,
            m_maxSize.amount,
            m_maxSize.unit,
            m_fromOn,
            m_from,
            m_toOn,
            m_to,
            m_withinOn,
            m_within,
            m_text,
            m_textIsExpression,
            m_binary,
            m_reset};
}
