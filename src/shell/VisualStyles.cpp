#include "shell/VisualStyles.h"

#include "platform/SettingsStore.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>
#include <array>

namespace VisualStyles {
namespace {

// The palette of a look.
struct PaletteColours
{
    QRgb window, windowText, base, alternateBase, text, button, buttonText, highlight, highlightedText;
    QRgb toolTipBase, toolTipText, link;
};

// The colours the style sheet puts on the command panel and its neighbours (see PanelColours).
struct SheetColours
{
    QRgb tabRow, tabRowText, pageTop, pageBottom, panelText, caption, separator, orb;
    QRgb infoBar, infoBarText, statusBar, statusBarText, paneTitle, paneTitleText;
};

// One look: its texts, its base style and every colour it sets.
struct Scheme
{
    int id;
    const char* menuText;
    const char* styleMenuText;
    const char* style;
    PaletteColours palette;
    SheetColours sheet;
};

// clang-format off
constexpr std::array<Scheme, 9> kSchemes = {{
    // The classic grey desktop: flat panels, navy selection, yellow tips.
    {.id = Windows2000, .menuText = QT_TRANSLATE_NOOP("VisualStyles", "Windows &2000"),
     .styleMenuText = "", .style = "Windows",
     .palette = {.window = 0xd4d0c8, .windowText = 0x000000, .base = 0xffffff, .alternateBase = 0xf1efe9,
                 .text = 0x000000, .button = 0xd4d0c8, .buttonText = 0x000000, .highlight = 0x0a246a,
                 .highlightedText = 0xffffff, .toolTipBase = 0xffffe1, .toolTipText = 0x000000,
                 .link = 0x0000ee},
     .sheet = {.tabRow = 0xd4d0c8, .tabRowText = 0x000000, .pageTop = 0xd4d0c8, .pageBottom = 0xd4d0c8,
               .panelText = 0x000000, .caption = 0x404040, .separator = 0x808080, .orb = 0x0a246a,
               .infoBar = 0xffffe1, .infoBarText = 0x000000, .statusBar = 0xd4d0c8,
               .statusBarText = 0x000000, .paneTitle = 0x0a246a, .paneTitleText = 0xffffff}},
    // Light warm greys with a pale lavender selection.
    {.id = OfficeXP, .menuText = QT_TRANSLATE_NOOP("VisualStyles", "Office &XP"),
     .styleMenuText = "", .style = "Fusion",
     .palette = {.window = 0xf0efea, .windowText = 0x000000, .base = 0xffffff, .alternateBase = 0xf7f6f3,
                 .text = 0x000000, .button = 0xf6f5f2, .buttonText = 0x000000, .highlight = 0xb6bdd2,
                 .highlightedText = 0x000000, .toolTipBase = 0xffffe1, .toolTipText = 0x000000,
                 .link = 0x0645ad},
     .sheet = {.tabRow = 0xdedbd2, .tabRowText = 0x000000, .pageTop = 0xfbfaf8, .pageBottom = 0xe6e3db,
               .panelText = 0x000000, .caption = 0x55524b, .separator = 0xc3bfb4, .orb = 0x6d6a63,
               .infoBar = 0xffffe1, .infoBarText = 0x000000, .statusBar = 0xeae8e1,
               .statusBarText = 0x000000, .paneTitle = 0x6d6a63, .paneTitleText = 0xffffff}},
    // Beige surfaces under a bright blue title row.
    {.id = WindowsXP, .menuText = QT_TRANSLATE_NOOP("VisualStyles", "&Windows XP"),
     .styleMenuText = "", .style = "Fusion",
     .palette = {.window = 0xece9d8, .windowText = 0x000000, .base = 0xffffff, .alternateBase = 0xf6f4ea,
                 .text = 0x000000, .button = 0xece9d8, .buttonText = 0x000000, .highlight = 0x316ac5,
                 .highlightedText = 0xffffff, .toolTipBase = 0xffffe1, .toolTipText = 0x000000,
                 .link = 0x0645ad},
     .sheet = {.tabRow = 0x245edb, .tabRowText = 0xffffff, .pageTop = 0xfcfcf9, .pageBottom = 0xe3dfca,
               .panelText = 0x000000, .caption = 0x55523f, .separator = 0xc5c2b2, .orb = 0x3a8a2e,
               .infoBar = 0xffffe1, .infoBarText = 0x000000, .statusBar = 0xece9d8,
               .statusBarText = 0x000000, .paneTitle = 0x245edb, .paneTitleText = 0xffffff}},
    // Sky-blue bars with an amber selection.
    {.id = Office2003, .menuText = QT_TRANSLATE_NOOP("VisualStyles", "Office 200&3"),
     .styleMenuText = "", .style = "Fusion",
     .palette = {.window = 0xdde9fa, .windowText = 0x000000, .base = 0xffffff, .alternateBase = 0xeef4fd,
                 .text = 0x000000, .button = 0xc9dcf8, .buttonText = 0x000000, .highlight = 0xffd58c,
                 .highlightedText = 0x000000, .toolTipBase = 0xffffe1, .toolTipText = 0x000000,
                 .link = 0x0645ad},
     .sheet = {.tabRow = 0x9ebef5, .tabRowText = 0x000000, .pageTop = 0xe3effe, .pageBottom = 0xa9c8f5,
               .panelText = 0x000000, .caption = 0x12336b, .separator = 0x7ca2dd, .orb = 0x2f5fb0,
               .infoBar = 0xfff4d1, .infoBarText = 0x000000, .statusBar = 0x9ebef5,
               .statusBarText = 0x000000, .paneTitle = 0x2f4f8f, .paneTitleText = 0xffffff}},
    // Off-white tool windows over a blue status bar.
    {.id = VisualStudio2005, .menuText = QT_TRANSLATE_NOOP("VisualStyles", "Visual Studio.NET 200&5"),
     .styleMenuText = "", .style = "Fusion",
     .palette = {.window = 0xf5f4ee, .windowText = 0x000000, .base = 0xffffff, .alternateBase = 0xf9f8f4,
                 .text = 0x000000, .button = 0xebe9dd, .buttonText = 0x000000, .highlight = 0x316ac5,
                 .highlightedText = 0xffffff, .toolTipBase = 0xffffe1, .toolTipText = 0x000000,
                 .link = 0x0645ad},
     .sheet = {.tabRow = 0xd2cfbd, .tabRowText = 0x000000, .pageTop = 0xfafaf7, .pageBottom = 0xdcd9c7,
               .panelText = 0x000000, .caption = 0x4d4a3c, .separator = 0xb5b29e, .orb = 0x5f5a8a,
               .infoBar = 0xffffe1, .infoBarText = 0x000000, .statusBar = 0x0e5ca8,
               .statusBarText = 0xffffff, .paneTitle = 0xc4c1ab, .paneTitleText = 0x000000}},
    // The Office 2007 schemes: a tab row in the scheme's colour over a light gradient page.
    {.id = Office2007Blue, .menuText = QT_TRANSLATE_NOOP("VisualStyles", "&Blue Style"),
     .styleMenuText = QT_TRANSLATE_NOOP("VisualStyles", "Office 2007 (&Blue Style)"),
     .style = "Fusion",
     .palette = {.window = 0xdfe9f5, .windowText = 0x000000, .base = 0xffffff, .alternateBase = 0xf3f7fc,
                 .text = 0x000000, .button = 0xe4eefa, .buttonText = 0x15428b, .highlight = 0xc2dcf5,
                 .highlightedText = 0x000000, .toolTipBase = 0xf4f8fd, .toolTipText = 0x3b3b3b,
                 .link = 0x0645ad},
     .sheet = {.tabRow = 0xbfdbff, .tabRowText = 0x15428b, .pageTop = 0xf3f7fc, .pageBottom = 0xc9dbef,
               .panelText = 0x15428b, .caption = 0x2f5896, .separator = 0xa7c1e2, .orb = 0x2c64b0,
               .infoBar = 0xe7eff9, .infoBarText = 0x15428b, .statusBar = 0x2d5b9a,
               .statusBarText = 0xffffff, .paneTitle = 0xbfdbff, .paneTitleText = 0x15428b}},
    {.id = Office2007Black, .menuText = QT_TRANSLATE_NOOP("VisualStyles", "B&lack Style"),
     .styleMenuText = QT_TRANSLATE_NOOP("VisualStyles", "Office 2007 (B&lack Style)"),
     .style = "Fusion",
     .palette = {.window = 0xdfe1e4, .windowText = 0x000000, .base = 0xffffff, .alternateBase = 0xf2f3f4,
                 .text = 0x000000, .button = 0xe8e9eb, .buttonText = 0x000000, .highlight = 0x4a5563,
                 .highlightedText = 0xffffff, .toolTipBase = 0xf2f2f2, .toolTipText = 0x262626,
                 .link = 0x0645ad},
     .sheet = {.tabRow = 0x363636, .tabRowText = 0xffffff, .pageTop = 0xf4f4f4, .pageBottom = 0xd0d3d7,
               .panelText = 0x1a1a1a, .caption = 0x454545, .separator = 0xa8acb2, .orb = 0x2f2f2f,
               .infoBar = 0xebecee, .infoBarText = 0x1a1a1a, .statusBar = 0x363636,
               .statusBarText = 0xffffff, .paneTitle = 0x4a4a4a, .paneTitleText = 0xffffff}},
    {.id = Office2007Silver, .menuText = QT_TRANSLATE_NOOP("VisualStyles", "&Silver Style"),
     .styleMenuText = QT_TRANSLATE_NOOP("VisualStyles", "Office 2007 (&Silver Style)"),
     .style = "Fusion",
     .palette = {.window = 0xe9ecf0, .windowText = 0x000000, .base = 0xffffff, .alternateBase = 0xf4f5f7,
                 .text = 0x000000, .button = 0xeef0f3, .buttonText = 0x1e1e1e, .highlight = 0x5f6f88,
                 .highlightedText = 0xffffff, .toolTipBase = 0xfafafa, .toolTipText = 0x333333,
                 .link = 0x0645ad},
     .sheet = {.tabRow = 0xd3d8df, .tabRowText = 0x1e1e1e, .pageTop = 0xfbfbfc, .pageBottom = 0xdadee5,
               .panelText = 0x1e1e1e, .caption = 0x4c5560, .separator = 0xb9bfc8, .orb = 0x6a7788,
               .infoBar = 0xeff1f4, .infoBarText = 0x1e1e1e, .statusBar = 0xc8ced7,
               .statusBarText = 0x000000, .paneTitle = 0xd3d8df, .paneTitleText = 0x1e1e1e}},
    {.id = Office2007Aqua, .menuText = QT_TRANSLATE_NOOP("VisualStyles", "&Aqua Style"),
     .styleMenuText = QT_TRANSLATE_NOOP("VisualStyles", "Office 2007 (&Aqua Style)"),
     .style = "Fusion",
     .palette = {.window = 0xdcecf3, .windowText = 0x000000, .base = 0xffffff, .alternateBase = 0xeef6fa,
                 .text = 0x000000, .button = 0xe6f2f7, .buttonText = 0x00344f, .highlight = 0x1c6f96,
                 .highlightedText = 0xffffff, .toolTipBase = 0xf0f9fc, .toolTipText = 0x1c3c4c,
                 .link = 0x0645ad},
     .sheet = {.tabRow = 0x9fcde0, .tabRowText = 0x00344f, .pageTop = 0xeef7fb, .pageBottom = 0xc4e1ee,
               .panelText = 0x00344f, .caption = 0x1d5874, .separator = 0x8ec3d8, .orb = 0x1f7aa6,
               .infoBar = 0xe2f1f7, .infoBarText = 0x00344f, .statusBar = 0x1f6b8f,
               .statusBarText = 0xffffff, .paneTitle = 0x9fcde0, .paneTitleText = 0x00344f}},
}};
// clang-format on

// The command panel's rules; every {name} is replaced by the scheme's colour of that name.
constexpr const char* kStyleSheet = R"(
#RibbonBar, #RibbonTabRow { background: {tabRow}; }
#RibbonTabRow QToolButton { color: {tabRowText}; }
#RibbonTabRow QToolButton:hover, #RibbonTabRow QToolButton:pressed, #RibbonTabRow QToolButton:open {
    color: {panelText};
}
#RibbonTabs::tab {
    color: {tabRowText}; background: transparent; padding: 4px 18px 5px 18px;
    border: 1px solid transparent; border-bottom: none; margin-right: 2px;
}
#RibbonTabs::tab:selected {
    color: {panelText}; background: {pageTop}; border-color: {separator};
    border-top-left-radius: 3px; border-top-right-radius: 3px;
}
#RibbonPage {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 {pageTop}, stop: 1 {pageBottom});
    border-bottom: 1px solid {separator};
}
#RibbonPage QCheckBox, #RibbonPage QToolButton { color: {panelText}; }
#RibbonPanelCaption { color: {caption}; }
#RibbonPanelSeparator { background: {separator}; }
#AppButton { qproperty-orbColor: {orb}; }
#InfoBar { background: {infoBar}; border-bottom: 1px solid {separator}; }
#InfoBar QLabel { color: {infoBarText}; }
QStatusBar { background: {statusBar}; color: {statusBarText}; }
QStatusBar QLabel { color: {statusBarText}; }
#OutlookBar { color: {paneTitleText}; }
#OutlookBar::title { background: {paneTitle}; padding: 4px 6px; text-align: left; }
QToolTip { color: {toolTipText}; background-color: {toolTipBase}; border: 1px solid {separator}; }
)";

// The Office 2007 scheme shown for ids outside the nine looks.
int g_office2007 = 0;
int g_applied = 0;

const Scheme& SchemeOf(int id)
{
    const int look = ShownLook(id);
    return kSchemes[size_t(look - kFirstLook)];
}

QColor Mix(QRgb a, QRgb b, qreal share)
{
    const QColor ca(a), cb(b);
    return QColor::fromRgbF(float(ca.redF() * share + cb.redF() * (1 - share)),
                            float(ca.greenF() * share + cb.greenF() * (1 - share)),
                            float(ca.blueF() * share + cb.blueF() * (1 - share)));
}

} // namespace

QList<int> Looks()
{
    QList<int> looks;
    for (const Scheme& scheme : kSchemes)
        looks.append(scheme.id);
    return looks;
}

bool IsLook(int id)
{
    return id >= kFirstLook && id <= kLastLook;
}

bool IsOffice2007(int id)
{
    return id >= Office2007Blue && id <= Office2007Aqua;
}

int ShownLook(int id)
{
    if (IsLook(id))
        return id;
    return g_office2007 ? g_office2007 : kDefaultLook;
}

QString MenuText(int id)
{
    return IsLook(id) ? QCoreApplication::translate("VisualStyles", SchemeOf(id).menuText) : QString();
}

QString Office2007MenuText()
{
    return QCoreApplication::translate("VisualStyles", "Office 200&7");
}

QString StyleMenuText(int id)
{
    return IsOffice2007(id) ? QCoreApplication::translate("VisualStyles", SchemeOf(id).styleMenuText)
                            : QString();
}

QString StyleName(int id)
{
    const QString wanted = QString::fromUtf8(SchemeOf(id).style);
    return QStyleFactory::keys().contains(wanted, Qt::CaseInsensitive) ? wanted : QStringLiteral("Fusion");
}

QPalette Palette(int id)
{
    const PaletteColours& s = SchemeOf(id).palette;
    QPalette palette{QColor(s.button), QColor(s.window)};
    const auto set = [&palette](QPalette::ColorRole role, const QColor& colour) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
    };
    set(QPalette::Window, QColor(s.window));
    set(QPalette::WindowText, QColor(s.windowText));
    set(QPalette::Base, QColor(s.base));
    set(QPalette::AlternateBase, QColor(s.alternateBase));
    set(QPalette::Text, QColor(s.text));
    set(QPalette::Button, QColor(s.button));
    set(QPalette::ButtonText, QColor(s.buttonText));
    set(QPalette::Highlight, QColor(s.highlight));
    set(QPalette::HighlightedText, QColor(s.highlightedText));
    set(QPalette::ToolTipBase, QColor(s.toolTipBase));
    set(QPalette::ToolTipText, QColor(s.toolTipText));
    set(QPalette::Link, QColor(s.link));
    set(QPalette::LinkVisited, QColor(s.link).darker(130));
    set(QPalette::PlaceholderText, Mix(s.text, s.base, 0.55));
    set(QPalette::BrightText, QColor(Qt::white));
    // Disabled texts fade into their backgrounds; they are meant to read as unavailable.
    palette.setColor(QPalette::Disabled, QPalette::Window, QColor(s.window));
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(s.button));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(s.window));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, Mix(s.windowText, s.window, 0.45));
    palette.setColor(QPalette::Disabled, QPalette::Text, Mix(s.text, s.window, 0.45));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, Mix(s.buttonText, s.button, 0.45));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, Mix(s.highlight, s.window, 0.5));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, QColor(s.highlightedText));
    return palette;
}

PanelColours Colours(int id)
{
    const SheetColours& s = SchemeOf(id).sheet;
    PanelColours c;
    c.tabRow = QColor(s.tabRow);
    c.tabRowText = QColor(s.tabRowText);
    c.pageTop = QColor(s.pageTop);
    c.pageBottom = QColor(s.pageBottom);
    c.text = QColor(s.panelText);
    c.caption = QColor(s.caption);
    c.separator = QColor(s.separator);
    c.orb = QColor(s.orb);
    c.infoBar = QColor(s.infoBar);
    c.infoBarText = QColor(s.infoBarText);
    c.statusBar = QColor(s.statusBar);
    c.statusBarText = QColor(s.statusBarText);
    c.paneTitle = QColor(s.paneTitle);
    c.paneTitleText = QColor(s.paneTitleText);
    return c;
}

QString StyleSheet(int id)
{
    const SheetColours& s = SchemeOf(id).sheet;
    const PaletteColours& p = SchemeOf(id).palette;
    const std::pair<const char*, QRgb> colours[] = {
        {"tabRow", s.tabRow},
        {"tabRowText", s.tabRowText},
        {"pageTop", s.pageTop},
        {"pageBottom", s.pageBottom},
        {"panelText", s.panelText},
        {"caption", s.caption},
        {"separator", s.separator},
        {"orb", s.orb},
        {"infoBarText", s.infoBarText},
        {"infoBar", s.infoBar},
        {"statusBarText", s.statusBarText},
        {"statusBar", s.statusBar},
        {"paneTitle", s.paneTitle},
        {"paneTitleText", s.paneTitleText},
        {"toolTipText", p.toolTipText},
        {"toolTipBase", p.toolTipBase},
    };
    QString sheet = QString::fromUtf8(kStyleSheet).trimmed();
    for (const auto& [name, rgb] : colours)
        sheet.replace(QLatin1Char('{') + QLatin1String(name) + QLatin1Char('}'), QColor(rgb).name());
    return sheet;
}

QList<QPair<QColor, QColor>> TextPairs(int id)
{
    const QPalette palette = Palette(id);
    const auto role = [&palette](QPalette::ColorRole text, QPalette::ColorRole back) {
        return qMakePair(palette.color(QPalette::Active, text), palette.color(QPalette::Active, back));
    };
    const PanelColours c = Colours(id);
    return {
        role(QPalette::Text, QPalette::Base),
        role(QPalette::WindowText, QPalette::Window),
        role(QPalette::ButtonText, QPalette::Button),
        role(QPalette::HighlightedText, QPalette::Highlight),
        role(QPalette::ToolTipText, QPalette::ToolTipBase),
        qMakePair(c.tabRowText, c.tabRow),
        // A button of the tab row under the mouse or open shows the button face behind panel text.
        qMakePair(c.text, palette.color(QPalette::Active, QPalette::Button)),
        qMakePair(c.text, c.pageTop),
        qMakePair(c.text, c.pageBottom),
        qMakePair(c.caption, c.pageTop),
        qMakePair(c.caption, c.pageBottom),
        qMakePair(c.infoBarText, c.infoBar),
        qMakePair(c.statusBarText, c.statusBar),
        qMakePair(c.paneTitleText, c.paneTitle),
    };
}

void Apply(int id)
{
    const int look = ShownLook(id);
    if (IsOffice2007(look))
        g_office2007 = look;
    g_applied = look;

    QApplication::setStyle(StyleName(look));
    const QPalette palette = Palette(look);
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
    qApp->setStyleSheet(StyleSheet(look));
    for (QWidget* window : QApplication::topLevelWidgets())
        window->update();
}

int AppliedLook()
{
    return g_applied;
}

int NextLook(int current)
{
    const int next = current + 1;
    return next > kLastLook ? int(Office2007Blue) : next;
}

int StoredLook()
{
    return platform::GetProfileInt(QStringLiteral("Workspace"), QStringLiteral("ApplicationLook"),
                                   kDefaultLook);
}

void StoreLook(int id)
{
    platform::WriteProfileInt(QStringLiteral("Workspace"), QStringLiteral("ApplicationLook"), id);
}

} // namespace VisualStyles
