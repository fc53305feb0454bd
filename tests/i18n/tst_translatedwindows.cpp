// The windows in every language, with the build tree's catalogues loaded as the program loads them:
// the main window at 1024 pixels, the search dialog and the duplicates window show every label,
// button, check box and menu title whole (the command panel folds its panels into drop-down
// buttons instead of cutting them), and no menu gives two items one accelerator letter where the
// English menu does not.
//
// A menu here is what the user sees together: each QMenu's items; and each window's menu titles,
// buttons and labelled fields, which Alt and a letter reach. They are read from the running windows,
// not guessed from the catalogue, since one menu gathers texts of several classes.
#include "TsCheck.h"
#include "duplicates/DlgDuplicateResults.h"
#include "shell/MainFrame.h"
#include "shell/PendrakeApp.h"
#include "shell/Translations.h"
#include "support/TestSupport.h"
#include "view/DlgSearchParameters.h"
#include "view/Seams.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTranslator>
#include <functional>

namespace {

const int kSmallScreenWidth = 1024;

// The texts of each menu of `window`, in the order the window made them.
using Menus = QList<QStringList>;

// A widget that shows any text and cuts what does not fit says so: an ignored width, or (a label)
// a minimum width below its text's.
bool MayCut(const QWidget* widget)
{
    if (widget->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
        return true;
    return qobject_cast<const QLabel*>(widget) && widget->minimumWidth() > 0 &&
           widget->minimumWidth() < widget->maximumWidth() &&
           widget->minimumWidth() < widget->minimumSizeHint().width();
}

QString Describe(const QWidget* widget, const QString& text)
{
    return QStringLiteral("%1 \"%2\" (%3 of %4 pixels)")
        .arg(QString::fromLatin1(widget->metaObject()->className()), text)
        .arg(widget->width())
        .arg(widget->sizeHint().width());
}

// Every shown label, button and check box of `window` too narrow for its text, and every menu title
// the menu bar has no room for.
QStringList CutTexts(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || MayCut(widget))
            continue;
        QString text;
        int needed = 0;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
            needed = label->wordWrap() ? 0 : label->minimumSizeHint().width();
            if (label->wordWrap() && label->height() < label->heightForWidth(label->width()))
                cut << Describe(widget, text) + QStringLiteral(" lacks height");
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text();
            needed = button->sizeHint().width();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            text = box->title();
            needed = box->minimumSizeHint().width();
        }
        if (!text.isEmpty() && widget->width() < needed)
            cut << Describe(widget, text);
    }
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        if (!bar->isVisible())
            continue;
        for (QAction* action : bar->actions()) {
            const QRect place = bar->actionGeometry(action);
            if (action->isVisible() && (place.isEmpty() || place.right() >= bar->width()))
                cut << QStringLiteral("menu title \"%1\"").arg(action->text());
        }
    }
    return cut;
}

QStringList MenuTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

// The menus of `window`: each QMenu, and the window's own menu titles, buttons and labelled fields.
Menus MenusOf(const QWidget& window)
{
    Menus menus;
    for (const QMenu* menu : window.findChildren<QMenu*>())
        menus << MenuTexts(menu->actions());
    QStringList own;
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        own << MenuTexts(bar->actions());
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            own << button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
            own << label->text();
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            own << box->title();
    }
    return menus << own;
}

// The accelerator clashes of each menu against the same menu in English.
QStringList Clashes(const Menus& english, const Menus& translated)
{
    if (english.size() != translated.size())
        return {QStringLiteral("%1 menus instead of %2").arg(translated.size()).arg(english.size())};
    QStringList clashes;
    for (qsizetype i = 0; i < english.size(); ++i)
        clashes << TsCheck::AcceleratorClashes(english[i], translated[i]);
    return clashes;
}

} // namespace

class TestTranslatedWindows : public QObject
{
    Q_OBJECT
public:
    explicit TestTranslatedWindows(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;
    QHash<QString, Menus> m_english; // each window's menus in English

    // Only `language`'s catalogues (none for English), as the program installs them.
    static bool UseLanguage(const QString& language)
    {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        const QString folder = Translations::Folder(Translations::DefaultPlaces());
        if (language == QLatin1String("en"))
            return true;
        return Translations::Choose({language}, folder) == language &&
               Translations::Install(*qApp, language, folder,
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)) > 0;
    }

    // Shows the main window at 1024 pixels, the search dialog and the duplicates window with its
    // help box, in the current language, and hands each to `visit` by name.
    void ShowWindows(const std::function<void(const QString&, const QWidget&)>& visit)
    {
        m_home.ClearSettings();
        CPendrakeApp app;
        QVERIFY(app.InitInstance());
        CMainFrame* frame = app.MainFrame();
        frame->resize(kSmallScreenWidth, 768);
        QTRY_COMPARE(frame->width(), kSmallScreenWidth);
        QCoreApplication::processEvents();
        visit(QStringLiteral("main window"), *frame);

        CDlgSearchParameters search(frame);
        search.show();
        QVERIFY(QTest::qWaitForWindowExposed(&search));
        visit(QStringLiteral("search dialog"), search);
        search.reject();

        CDlgDuplicateResults duplicates(frame);
        duplicates.show();
        QTRY_VERIFY(duplicates.HelpBox()); // shown just after the window
        QMessageBox* help = duplicates.HelpBox();
        visit(QStringLiteral("duplicates help"), *help);
        help->button(QMessageBox::Ok)->click();
        QCoreApplication::processEvents();
        visit(QStringLiteral("duplicates window"), duplicates);
        duplicates.reject();
    }

private slots:
    // The English menus, which the translated ones are held against.
    void initTestCase()
    {
        Seams::SetMessageBoxHandler([](const Seams::MessageBoxCall&) { return QMessageBox::Ok; });
        QVERIFY(!Translations::Folder(Translations::DefaultPlaces()).isEmpty());
        QVERIFY(UseLanguage(QStringLiteral("en")));
        ShowWindows(
            [this](const QString& name, const QWidget& window) { m_english.insert(name, MenusOf(window)); });
        QCOMPARE(m_english.size(), 4);
    }
    void cleanupTestCase() { UseLanguage(QStringLiteral("en")); }

    void windowsShowTheirTextsWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        for (const QString& language : QStringLiteral(TRESMOLO_LANGUAGES).split(QLatin1Char(' ')))
            QTest::newRow(qPrintable(language)) << language;
    }

    void windowsShowTheirTextsWhole()
    {
        QFETCH(QString, language);
        QVERIFY2(UseLanguage(language), "the language's catalogue or Qt's own is missing");
        QStringList faults;
        ShowWindows([&](const QString& name, const QWidget& window) {
            for (const QString& cut : CutTexts(window))
                faults << QStringLiteral("%1: cut: %2").arg(name, cut);
            for (const QString& clash : Clashes(m_english.value(name), MenusOf(window)))
                faults << QStringLiteral("%1: one accelerator for two items: %2").arg(name, clash);
        });
        for (const QString& fault : faults)
            qWarning("%s: %s", qPrintable(language), qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(faults.size())));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestTranslatedWindows)
#include "tst_translatedwindows.moc"
