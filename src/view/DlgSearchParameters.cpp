#include "view/DlgSearchParameters.h"

#include "engine/SearchFilters.h"
#include "engine/ViewSettings.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"
#include "view/SearchOptionsPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using Settings::ViewKey;

namespace {

constexpr int kWordBoxLetters = 24; // the word box's width, whatever the words it remembers
constexpr int kLeastWidth = 474;

QString ExpressionError(const PatternCheck& check)
{
    if (check.valid)
        return {};
    return check.offset >= 0 ? CDlgSearchParameters::tr("Invalid regular expression: %1 (at character %2).")
                                   .arg(check.error)
                                   .arg(check.offset + 1)
                             : CDlgSearchParameters::tr("Invalid regular expression: %1.").arg(check.error);
}

QLabel* MakeErrorLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->hide();
    return label;
}

} // namespace

CDlgSearchParameters::CDlgSearchParameters(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    auto* group = new QGroupBox(tr("Search by Partial or Full File Name"), this);
    auto* wordLabel = new QLabel(tr("&Search Word :"), group);
    m_wordBox = new QComboBox(group);
    m_wordBox->setEditable(true);
    m_wordBox->setInsertPolicy(QComboBox::NoInsert);
    m_wordBox->setCompleter(nullptr); // a remembered word never completes what is typed
    m_wordBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_wordBox->setMinimumContentsLength(kWordBoxLetters);
    m_wordBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_wordBox->setToolTip(tr("The words searched for last are in the list."));
    wordLabel->setBuddy(m_wordBox);
    m_wordError = MakeErrorLabel(group, QStringLiteral("WordError"));
    auto* pathLabel = new QLabel(tr("Search &Path :"), group);
    m_pathEdit = new QLineEdit(group);
    m_pathEdit->setReadOnly(true);
    m_pathEdit->setFocusPolicy(Qt::ClickFocus); // shown only: no tab stop
    pathLabel->setBuddy(m_pathEdit);
    // The labels' colons and mnemonic marks are not said.
    m_wordBox->setAccessibleName(tr("Search Word"));
    m_wordBox->lineEdit()->setAccessibleName(tr("Search Word"));
    m_pathEdit->setAccessibleName(tr("Search Path"));

    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(14, 18, 14, 14);
    grid->setVerticalSpacing(12);
    grid->addWidget(wordLabel, 0, 0);
    grid->addWidget(m_wordBox, 0, 1);
    grid->addWidget(m_wordError, 1, 1);
    grid->addWidget(pathLabel, 2, 0);
    grid->addWidget(m_pathEdit, 2, 1);

    // Options in force while they are folded away: said in one sentence under the word.
    m_optionsNote = new QLabel(this);
    m_optionsNote->setObjectName(QStringLiteral("OptionsNote"));
    m_optionsNote->setWordWrap(true);
    m_optionsNote->setTextFormat(Qt::PlainText);
    m_optionsNote->hide();

    m_panel = new SearchOptionsPanel(this);
    m_panel->hide();

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    m_moreOptions = new QToolButton(this);
    m_moreOptions->setObjectName(QStringLiteral("MoreOptionsButton"));
    m_moreOptions->setText(tr("&More Options"));
    m_moreOptions->setCheckable(true);
    m_moreOptions->setArrowType(Qt::RightArrow);
    m_moreOptions->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_moreOptions->setAutoRaise(true);
    m_moreOptions->setToolTip(tr("Shows or hides the options beyond the word: names to skip, how the word "
                                 "matches, size, date and text inside the files."));
    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_ok->setDefault(true);
    m_ok->setMinimumSize(140, 44);
    m_cancel->setMinimumSize(140, 44);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(icon);
    buttons->addWidget(m_moreOptions);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_optionsNote);
    layout->addWidget(m_panel);
    layout->addLayout(buttons);
    setMinimumWidth(kLeastWidth);

    // Tab: the word, More Options and the options, then OK and Cancel.
    QList<QWidget*> order = {m_wordBox, m_moreOptions};
    order += m_panel->TabStops();
    order += {m_ok, m_cancel};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    OnInitDialog();

    connect(m_wordBox, &QComboBox::editTextChanged, this, &CDlgSearchParameters::CheckInput);
    connect(m_panel, &SearchOptionsPanel::changed, this, &CDlgSearchParameters::CheckInput);
    connect(m_moreOptions, &QToolButton::toggled, this, [this](bool on) {
        ShowMoreOptions(on);
        ViewSettings::WriteInt(ViewKey::MoreOptionsShown, on ? 1 : 0);
    });
}

QLineEdit* CDlgSearchParameters::WordEdit() const
{
    return m_wordBox->lineEdit();
}

void CDlgSearchParameters::OnInitDialog()
{
    m_settings.ReadLastFolderSelected(m_pathText);
    m_settings.ReadSearchWord(m_wordText);
    m_pathEdit->setText(platform::ShownText(platform::PathFromStored(m_pathText)));
    m_wordBox->addItems(ViewSettings::LoadWordHistory());
    m_wordBox->setCurrentIndex(-1);
    m_wordBox->setEditText(m_wordText);
    const SearchFilters filters = LoadSearchFilters();
    m_panel->SetFilters(filters);
    setWindowTitle(tr("Specify Search Parameters - %1").arg(QCoreApplication::applicationName()));
    setWindowIcon(QApplication::windowIcon());
    CheckInput();
    // Options that cannot be searched with are shown, so what stops OK can be seen and mended.
    const bool textInvalid = filters.textIsRegularExpression && !filters.containingText.isEmpty() &&
                             !CheckRegularExpression(filters.containingText).valid;
    const bool show = ViewSettings::GetInt(ViewKey::MoreOptionsShown) != 0 || textInvalid;
    m_moreOptions->setChecked(show);
    ShowMoreOptions(show);
    m_wordBox->setFocus();
}

void CDlgSearchParameters::ShowMoreOptions(bool show)
{
    m_moreOptions->setArrowType(show ? Qt::DownArrow : Qt::RightArrow);
    m_panel->setVisible(show);
    CheckInput(); // the note under the word shows only while the options are folded
    // Never narrower than its contents can be laid out (long translations), nor than it always was.
    layout()->activate();
    setMinimumWidth(std::max(kLeastWidth, layout()->totalMinimumSize().width()));
    if (!isVisible())
        return; // shown, it takes the size it needs
    // The dialog takes the height it needs, and keeps the width it was given.
    const int w = std::max(width(), minimumWidth());
    resize(w, hasHeightForWidth() ? std::max(heightForWidth(w), minimumHeight()) : sizeHint().height());
    // Unfolded near the bottom of the screen: move up as far as needed to show it whole.
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        const QRect frame = frameGeometry();
        if (frame.bottom() > room.bottom())
            move(x(), std::max(room.top(), y() - (frame.bottom() - room.bottom())));
    }
}

void CDlgSearchParameters::CheckInput()
{
    const QString word = m_wordBox->currentText();
    const SearchFilters filters = m_panel->Filters();
    const bool wordIsExpression = filters.nameMatch == SearchFilters::NameMatch::RegularExpression;
    const QString wordError =
        wordIsExpression && !word.isEmpty() ? ExpressionError(CheckRegularExpression(word)) : QString();
    m_wordError->setText(wordError);
    m_wordError->setVisible(!wordError.isEmpty());
    m_wordBox->setAccessibleDescription(wordError);
    const bool textIsExpression = filters.textIsRegularExpression && !filters.containingText.isEmpty();
    m_panel->ShowTextError(textIsExpression ? ExpressionError(CheckRegularExpression(filters.containingText))
                                            : QString());
    m_ok->setEnabled(CheckSearchFilters(filters, word).valid);

    const bool noted = !m_panel->isVisibleTo(this) && filters.AnyInForce(word);
    m_optionsNote->setText(noted ? DescribeSearchFilters(filters, word) : QString());
    m_optionsNote->setVisible(noted);
}

void CDlgSearchParameters::accept()
{
    m_wordText = m_wordBox->currentText();
    const SearchFilters filters = m_panel->Filters();
    if (!CheckSearchFilters(filters, m_wordText).valid)
        return;                              // shown beside its field; nothing is kept and no search starts
    const platform::ProfileWriteBatch batch; // the word, its history and the options: one save
    m_settings.WriteSearchWord(m_wordText);
    ViewSettings::SaveWordHistory(ViewSettings::RememberWord(ViewSettings::LoadWordHistory(), m_wordText));
    SaveSearchFilters(filters);
    QDialog::accept();
}
