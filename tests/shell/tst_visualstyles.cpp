#include "FakeFrame.h"
#include "platform/SettingsStore.h"
#include "shell/FolderTree.h"
#include "shell/InfoBar.h"
#include "shell/OutlookBar.h"
#include "shell/Ribbon.h"
#include "shell/VisualStyles.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QSet>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

// WCAG 2 relative luminance and contrast ratio, worked out here on their own.
double Channel(double c)
{
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c)
{
    return 0.2126 * Channel(c.redF()) + 0.7152 * Channel(c.greenF()) + 0.0722 * Channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The name of the style the application runs on; with a style sheet set, the application's style
// is a wrapper that holds the real one as its child.
QString BaseStyleName()
{
    QStyle* style = QApplication::style();
    if (!style->name().isEmpty())
        return style->name();
    const QList<QStyle*> inner = style->findChildren<QStyle*>(Qt::FindDirectChildrenOnly);
    return inner.isEmpty() ? QString() : inner.first()->name();
}

QChar Mnemonic(const QString& text)
{
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

const QPalette::ColorRole kTextRoles[] = {
    QPalette::Window,      QPalette::WindowText, QPalette::Base,      QPalette::Text,
    QPalette::Button,      QPalette::ButtonText, QPalette::Highlight, QPalette::HighlightedText,
    QPalette::ToolTipBase, QPalette::ToolTipText};

void AddLookRows()
{
    QTest::addColumn<int>("look");
    for (int look : VisualStyles::Looks())
        QTest::addRow("%d", look) << look;
}

// How well the text of `part` reads as the window draws it. The window's area of the part is drawn
// as it is and again with the part's text made transparent; where the two differ is text, and the
// second drawing gives the background under it. Antialiased edges blend into the background, so the
// contrast the text's cores reach is taken: the least of the best thirtieth of its pixels. A menu's arrow
// and a check box's box are left out: they are drawn in the text colour but are not text. 0 when no
// text shows.
double DrawnTextContrast(QWidget* window, QWidget* part)
{
    const QRect area(part->mapTo(window, QPoint(0, 0)), part->size());
    const QImage shown = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    const QString sheet = part->styleSheet();
    part->setStyleSheet(QStringLiteral("* { color: transparent; } *::tab { color: transparent; }"));
    const QImage blank = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    part->setStyleSheet(sheet);
    QRect text = shown.rect();
    if (auto* tool = qobject_cast<QToolButton*>(part); tool && tool->menu())
        text.setRight(text.right() -
                      part->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, part));
    if (qobject_cast<QCheckBox*>(part))
        text.setLeft(part->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, part));
    std::vector<double> ratios;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x)
            if (shown.pixel(x, y) != blank.pixel(x, y))
                ratios.push_back(Contrast(shown.pixelColor(x, y), blank.pixelColor(x, y)));
    if (ratios.empty())
        return 0;
    std::sort(ratios.begin(), ratios.end(), std::greater<>());
    return ratios[ratios.size() / 30];
}

} // namespace

class TestVisualStyles : public QObject
{
    Q_OBJECT

public:
    explicit TestVisualStyles(const TestHome& home) : m_home(home) {}

private:
    const TestHome& m_home;

private slots:
    void init() { m_home.ClearSettings(); }

    // Must run first: no Office 2007 scheme has been applied yet in this process.
    void unknownLookShowsOffice2007()
    {
        QCOMPARE(VisualStyles::AppliedLook(), 0);
        VisualStyles::Apply(300);
        QCOMPARE(VisualStyles::AppliedLook(), int(VisualStyles::Office2007Black));
        QCOMPARE(qApp->styleSheet(), VisualStyles::StyleSheet(216));
        // Later on, the scheme applied last stays, whatever came after it.
        VisualStyles::Apply(217);
        VisualStyles::Apply(VisualStyles::Windows2000);
        VisualStyles::Apply(100);
        QCOMPARE(VisualStyles::AppliedLook(), 217);
        QCOMPARE(QApplication::palette().color(QPalette::Highlight),
                 VisualStyles::Palette(217).color(QPalette::Highlight));
        QCOMPARE(BaseStyleName(), QStringLiteral("fusion"));
    }

    void nextLook()
    {
        const QList<QPair<int, int>> steps = {{215, 216}, {216, 217}, {217, 218}, {218, 215},
                                              {210, 211}, {214, 215}, {300, 215}, {100, 101}};
        for (const auto& [current, next] : steps)
            QCOMPARE(VisualStyles::NextLook(current), next);
        QList<int> seen;
        for (int look = VisualStyles::Windows2000; seen.size() < 9;)
            seen.append(look = VisualStyles::NextLook(look));
        QCOMPARE(seen, (QList<int>{211, 212, 213, 214, 215, 216, 217, 218, 215}));
    }

    void storedLook()
    {
        QCOMPARE(VisualStyles::StoredLook(), 216);
        VisualStyles::StoreLook(213);
        QCOMPARE(VisualStyles::StoredLook(), 213);
        // Kept where the frame's workspace values live, and nothing else is written there.
        QCOMPARE(platform::GetProfileInt(QStringLiteral("Workspace"), QStringLiteral("ApplicationLook"), -1),
                 213);
        VisualStyles::Apply(VisualStyles::StoredLook());
        QCOMPARE(platform::GetProfileInt(QStringLiteral("Workspace"), QStringLiteral("OutlookAnimation"), -7),
                 -7);
        VisualStyles::StoreLook(300);
        QCOMPARE(VisualStyles::StoredLook(), 300);
    }

    void menuTexts()
    {
        // The looks before Office 2007 and the "Office 200&7" sub-menu share one menu: one mnemonic
        // each, none twice. The four schemes share the sub-menu.
        QSet<QChar> frameMenu{Mnemonic(VisualStyles::Office2007MenuText())};
        QSet<QChar> subMenu;
        for (int look : VisualStyles::Looks()) {
            const QString text = VisualStyles::MenuText(look);
            QCOMPARE(text.count(QLatin1Char('&')), 1);
            QSet<QChar>& menu = VisualStyles::IsOffice2007(look) ? subMenu : frameMenu;
            QVERIFY2(!menu.contains(Mnemonic(text)), qPrintable(text));
            menu.insert(Mnemonic(text));
            if (VisualStyles::IsOffice2007(look))
                QCOMPARE(VisualStyles::StyleMenuText(look), QStringLiteral("Office 2007 (%1)").arg(text));
            else
                QVERIFY(VisualStyles::StyleMenuText(look).isEmpty());
        }
        QCOMPARE(frameMenu.size(), 6);
    }

    void palettesDiffer()
    {
        QSet<QString> faces;
        for (int look : VisualStyles::Looks()) {
            const QPalette p = VisualStyles::Palette(look);
            faces.insert(p.color(QPalette::Window).name() + p.color(QPalette::Button).name() +
                         p.color(QPalette::Highlight).name());
        }
        QCOMPARE(faces.size(), 9);
    }

    void apply_data() { AddLookRows(); }

    void apply()
    {
        QFETCH(int, look);
        VisualStyles::Apply(look);
        QCOMPARE(VisualStyles::AppliedLook(), look);
        const bool classic = look == VisualStyles::Windows2000 &&
                             QStyleFactory::keys().contains(QStringLiteral("Windows"), Qt::CaseInsensitive);
        QCOMPARE(BaseStyleName(), classic ? QStringLiteral("windows") : QStringLiteral("fusion"));
        QCOMPARE(qApp->styleSheet(), VisualStyles::StyleSheet(look));
        // Windows made afterwards get the look's colours too.
        QWidget later;
        const QPalette expected = VisualStyles::Palette(look);
        for (QPalette::ColorRole role : kTextRoles) {
            QCOMPARE(QApplication::palette().color(QPalette::Active, role),
                     expected.color(QPalette::Active, role));
            QCOMPARE(later.palette().color(QPalette::Active, role), expected.color(QPalette::Active, role));
        }
        // Disabled text still differs from enabled text.
        QVERIFY(expected.color(QPalette::Disabled, QPalette::Text) !=
                expected.color(QPalette::Active, QPalette::Text));
    }

    void contrastHelper()
    {
        QVERIFY(qFuzzyCompare(Contrast(Qt::black, Qt::white), 21.0));
        QVERIFY(qFuzzyCompare(Contrast(Qt::gray, Qt::gray), 1.0));
        QVERIFY(Contrast(QColor(0x76, 0x76, 0x76), Qt::white) > 4.5);
        QVERIFY(Contrast(QColor(0x77, 0x77, 0x77), Qt::white) < 4.5);
    }

    void textStaysReadable_data() { AddLookRows(); }

    void textStaysReadable()
    {
        QFETCH(int, look);
        const QList<QPair<QColor, QColor>> pairs = VisualStyles::TextPairs(look);
        QCOMPARE(pairs.size(), 14);
        for (const auto& [text, back] : pairs) {
            const double ratio = Contrast(text, back);
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1 on %2: %3").arg(text.name(), back.name()).arg(ratio)));
        }
    }

    // Every text of the command panel and its neighbours reads well as drawn, in every state a
    // button can show (at rest, under the mouse, pressed), after switching through the nine looks
    // in both directions: a look never keeps colours of the one before it.
    void drawnTextsReadableAfterEverySwitch()
    {
        FakeFrame actions;
        QMainWindow window;
        auto* top = new QWidget;
        auto* layout = new QVBoxLayout(top);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* ribbon = new CRibbonBar(actions.Source());
        auto* infoBar = new CInfoBar;
        infoBar->SetText(QStringLiteral("Information"));
        layout->addWidget(ribbon);
        layout->addWidget(infoBar);
        window.setMenuWidget(top);
        window.setCentralWidget(new QWidget);
        auto* pane = new QLabel(QStringLiteral("Pane"));
        window.statusBar()->addWidget(pane);
        window.resize(1400, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QList<int> order = VisualStyles::Looks();
        QList<int> backwards(order.rbegin(), order.rend());
        order += backwards;
        order += {VisualStyles::Office2007Blue, VisualStyles::Office2007Black};
        for (int look : order) {
            VisualStyles::Apply(look);
            for (int width : {1400, ribbon->minimumSizeHint().width()}) {
                window.resize(width, 400);
                QCoreApplication::processEvents();
                QList<QWidget*> parts = {ribbon->StyleButton(), ribbon->Tabs(), infoBar, pane};
                for (QWidget* part : ribbon->findChildren<QWidget*>())
                    if ((qobject_cast<QAbstractButton*>(part) || qobject_cast<QLabel*>(part)) &&
                        part != ribbon->ApplicationButton() && part->isVisible())
                        parts.append(part);
                for (QWidget* part : parts) {
                    auto* button = qobject_cast<QAbstractButton*>(part);
                    if (auto* tool = qobject_cast<QToolButton*>(part);
                        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                        continue; // a picture alone
                    for (int state = 0; state < (button ? 3 : 1); ++state) {
                        part->setAttribute(Qt::WA_UnderMouse, state == 1);
                        if (button)
                            button->setDown(state == 2);
                        const double ratio = DrawnTextContrast(&window, part);
                        part->setAttribute(Qt::WA_UnderMouse, false);
                        if (button)
                            button->setDown(false);
                        QVERIFY2(ratio >= 4.5,
                                 qPrintable(QStringLiteral("look %1, %2 \"%3\", state %4: %5")
                                                .arg(look)
                                                .arg(QString::fromLatin1(part->metaObject()->className()),
                                                     button ? button->text() : part->objectName())
                                                .arg(state)
                                                .arg(ratio)));
                    }
                }
            }
        }
    }

    // The colours checked for contrast are the ones the style sheet really puts on the widgets.
    void sheetColoursReachWidgets_data() { AddLookRows(); }

    void sheetColoursReachWidgets()
    {
        QFETCH(int, look);
        QMainWindow window;
        auto* top = new QWidget;
        auto* layout = new QVBoxLayout(top);
        auto* ribbon = new CRibbonBar([](int) { return nullptr; });
        auto* infoBar = new CInfoBar;
        layout->addWidget(ribbon);
        layout->addWidget(infoBar);
        window.setMenuWidget(top);
        auto* pane = new QLabel(QStringLiteral("pane"));
        window.statusBar()->addWidget(pane);
        auto* navigation = new COutlookBar;
        window.addDockWidget(Qt::LeftDockWidgetArea, navigation);
        window.show();
        VisualStyles::Apply(look);
        for (QWidget* widget : window.findChildren<QWidget*>())
            widget->ensurePolished();

        const VisualStyles::PanelColours colours = VisualStyles::Colours(look);
        const auto foreground = [](const QWidget* w) { return w->palette().color(w->foregroundRole()); };
        const auto background = [](const QWidget* w) { return w->palette().color(w->backgroundRole()); };
        const auto* caption = ribbon->findChild<QLabel*>(QStringLiteral("RibbonPanelCaption"));
        QVERIFY(caption);
        QCOMPARE(foreground(caption), colours.caption);
        QCOMPARE(foreground(ribbon->findChild<QCheckBox*>()), colours.text);
        const auto* largeButton = ribbon->findChild<QToolButton*>(QStringLiteral("element314"));
        QCOMPARE(foreground(largeButton), colours.text);
        QCOMPARE(foreground(ribbon->StyleButton()), colours.tabRowText);
        QCOMPARE(background(ribbon->findChild<QWidget*>(QStringLiteral("RibbonTabRow"))), colours.tabRow);
        QCOMPARE(background(infoBar), colours.infoBar);
        QCOMPARE(foreground(infoBar->findChild<QLabel*>(QStringLiteral("InfoBarText"))), colours.infoBarText);
        QCOMPARE(background(window.statusBar()), colours.statusBar);
        QCOMPARE(foreground(pane), colours.statusBarText);
        QCOMPARE(ribbon->ApplicationButton()->OrbColor(), colours.orb);
        // The pane's title colour stays on the title: the folder names keep the palette's text.
        QCOMPARE(foreground(navigation), colours.paneTitleText);
        QCOMPARE(navigation->Tree()->palette().color(QPalette::Text),
                 VisualStyles::Palette(look).color(QPalette::Text));
    }
};

TRESMOLO_TEST_MAIN(QApplication, TestVisualStyles)
#include "tst_visualstyles.moc"
