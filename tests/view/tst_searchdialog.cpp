// The search dialog: as first shown, its "More Options", their checks and settings, the word history.
#include "engine/ViewSettings.h"
#include "support/TestSupport.h"
#include "view/DlgSearchParameters.h"
#include "view/SearchOptionsPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QTranslator>

namespace {

// Every text half as long again, as a German translation makes them.
class LongTexts : public QTranslator
{
public:
    QString translate(const char*, const char* text, const char*, int) const override
    {
        const QString source = QString::fromUtf8(text);
        return source + QString(source.size() / 2, QChar(0xF6));
    }
    bool isEmpty() const override { return false; }
};

// The texts of the dialog's visible labels, buttons and group titles, in the order they were made.
QStringList ShownTexts(const QDialog& dialog)
{
    QStringList texts;
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&dialog))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty())
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
    }
    return texts;
}

} // namespace

class TestSearchDialog : public QObject
{
    Q_OBJECT
public:
    explicit TestSearchDialog(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    CSettingsSection m_settings;

private slots:
    void init() { m_home.ClearSettings(); }

    void firstShownAsBeforeWithOnlyTheFoldedSectionAdded()
    {
        m_settings.WriteSearchWord(QStringLiteral("report"));
        m_settings.WriteLastFolderSelected(QStringLiteral("/srv/data"));
        CDlgSearchParameters dialog;
        QCOMPARE(
            ShownTexts(dialog),
            QStringList({QStringLiteral("Search by Partial or Full File Name"),
                         QStringLiteral("&Search Word :"), QStringLiteral("Search &Path :"),
                         QStringLiteral("&More Options"), QStringLiteral("OK"), QStringLiteral("Cancel")}));
        QCOMPARE(dialog.WordEdit()->text(), QStringLiteral("report"));
        QCOMPARE(dialog.PathEdit()->text(), QStringLiteral("/srv/data"));
        QCOMPARE(dialog.WordBox()->count(), 0);
        QVERIFY(dialog.OkButton()->isEnabled() && dialog.OkButton()->isDefault());
        QVERIFY(!dialog.MoreOptionsButton()->isChecked());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Specify Search Parameters - tst_searchdialog"));

        // Return in the word box is OK; the folded state is kept for the next time.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.MoreOptionsButton()->click();
        QVERIFY(dialog.OptionsPanel()->isVisible());
        QTest::keyClick(dialog.WordEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        CDlgSearchParameters again;
        QVERIFY(again.MoreOptionsButton()->isChecked() && again.OptionsPanel()->isVisibleTo(&again));
    }

    void invalidExpressionsDisableOkAndKeepNothing()
    {
        CDlgSearchParameters dialog;
        SearchOptionsPanel* panel = dialog.OptionsPanel();
        dialog.WordEdit()->setText(QStringLiteral("a(b"));
        QVERIFY(dialog.OkButton()->isEnabled()); // contains: any text is a word
        panel->MatchBox()->setCurrentIndex(int(SearchFilters::NameMatch::RegularExpression));
        QVERIFY(!dialog.OkButton()->isEnabled());
        QVERIFY(dialog.WordError()->isVisibleTo(&dialog));
        QVERIFY(dialog.WordError()->text().contains(CheckRegularExpression(QStringLiteral("a(b")).error));
        // Folded, the error still shows, with a note of the options in force.
        QVERIFY(dialog.OptionsNote()->isVisibleTo(&dialog));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(LoadSearchFilters(), SearchFilters());

        dialog.WordEdit()->setText(QStringLiteral("a(b)"));
        QVERIFY(dialog.OkButton()->isEnabled() && !dialog.WordError()->isVisibleTo(&dialog));
        panel->TextEdit()->setText(QStringLiteral("[x"));
        QVERIFY(dialog.OkButton()->isEnabled()); // plain text
        panel->TextIsExpressionBox()->setChecked(true);
        QVERIFY(!dialog.OkButton()->isEnabled());
        QVERIFY(!panel->TextError()->text().isEmpty());

        // Stored that way (by hand), the options show unfolded with the error and OK disabled.
        SearchFilters stored;
        stored.containingText = QStringLiteral("[x");
        stored.textIsRegularExpression = true;
        SaveSearchFilters(stored);
        CDlgSearchParameters reopened;
        QVERIFY(reopened.OptionsPanel()->isVisibleTo(&reopened) && !reopened.OkButton()->isEnabled());
    }

    void optionsRoundTripAndReset()
    {
        SearchFilters filters;
        filters.skipPatterns = {QStringLiteral(".git"), QStringLiteral("src/build/"), QStringLiteral("*~")};
        filters.nameMatch = SearchFilters::NameMatch::Wildcard;
        filters.minSize = {true, 3, SearchFilters::SizeUnit::MB};
        filters.maxSize = {true, 70000, SearchFilters::SizeUnit::Bytes};
        filters.modifiedFrom = QDate(2024, 2, 29);
        filters.modifiedTo = QDate(2025, 1, 1);
        filters.modifiedWithinDays = 30;
        filters.containingText = QStringLiteral("TODO");
        filters.textIsRegularExpression = true;
        filters.searchBinaryFiles = true;
        {
            CDlgSearchParameters dialog;
            dialog.OptionsPanel()->SetFilters(filters);
            QCOMPARE(dialog.OptionsPanel()->Filters(), filters);
            dialog.accept();
        }
        QCOMPARE(LoadSearchFilters(), filters);

        // The Add drop-down appends a suggestion once; Reset gives the defaults back.
        CDlgSearchParameters dialog;
        SearchOptionsPanel* panel = dialog.OptionsPanel();
        QCOMPARE(panel->Filters(), filters);
        for (int i = 0; i < 2; ++i)
            panel->AddButton()->menu()->actions().at(1)->trigger();
        QCOMPARE(panel->Filters().skipPatterns,
                 filters.skipPatterns + QStringList{QStringLiteral("node_modules")});
        panel->ResetButton()->click();
        QCOMPARE(panel->Filters(), SearchFilters());
        dialog.reject();
        QCOMPARE(LoadSearchFilters(), filters); // Cancel keeps nothing
    }

    void wordHistoryKeepsTheLastTenMostRecentFirst()
    {
        QStringList history;
        for (const char* word : {"a", "b", "", "c", "b", "x\ny"})
            history = ViewSettings::RememberWord(history, QString::fromUtf8(word));
        QCOMPARE(history, QStringList({QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}));
        QCOMPARE(ViewSettings::RememberWord(history, QStringLiteral("B")).size(), 4); // case matters

        for (int i = 1; i <= 12; ++i) {
            CDlgSearchParameters dialog;
            dialog.WordEdit()->setText(QStringLiteral("w%1").arg(i % 11)); // w1 comes back as the 12th
            dialog.accept();
        }
        QStringList expected = {QStringLiteral("w1"), QStringLiteral("w0")};
        for (int i = 10; i >= 3; --i)
            expected << QStringLiteral("w%1").arg(i);
        QCOMPARE(ViewSettings::LoadWordHistory(), expected);
        QString word;
        m_settings.ReadSearchWord(word);
        QCOMPARE(word, QStringLiteral("w1"));
        CDlgSearchParameters dialog;
        QCOMPARE(dialog.WordBox()->count(), 10);
        QCOMPARE(dialog.WordBox()->itemText(9), QStringLiteral("w3"));
        QCOMPARE(dialog.WordEdit()->text(), QStringLiteral("w1"));
    }

    void unfoldedFitsASmallScreenWithLongTexts()
    {
        LongTexts longTexts;
        QCoreApplication::installTranslator(&longTexts);
        ViewSettings::WriteInt(Settings::ViewKey::MoreOptionsShown, 1);
        CDlgSearchParameters dialog;
        QCoreApplication::removeTranslator(&longTexts);
        QVERIFY(dialog.OptionsPanel()->isVisibleTo(&dialog));
        QVERIFY(dialog.MoreOptionsButton()->text().endsWith(QChar(0xF6)));
        // No two accelerators of the unfolded dialog share a letter.
        QString keys;
        for (const QString& text : ShownTexts(dialog))
            if (const qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at + 1 < text.size()) {
                QVERIFY2(!keys.contains(text[at + 1].toLower()), qPrintable(text));
                keys += text[at + 1].toLower();
            }
        QCOMPARE(keys.size(), 15);
        // Shown as on a screen of 1024 x 768 (less a panel and the title bar), or a smaller one.
        QVERIFY(dialog.screen()->size().width() <= 1024);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY2(dialog.width() <= 1000 && dialog.height() <= 690,
                 qPrintable(QStringLiteral("%1 x %2").arg(dialog.width()).arg(dialog.height())));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestSearchDialog)
#include "tst_searchdialog.moc"
