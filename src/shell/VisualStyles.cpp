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

// One look: its texts, its base style and every colour it sets.
struct Scheme
{
    int id;
    const char* menuText;
    const char* styleMenuText;
    const char* style;
    // The palette.
    QRgb window, windowText, base, alternateBase, text, button, buttonText, highlight, highlightedText;
    QRgb toolTipBase, toolTipText, link;
    // The style sheet.
    QRgb tabRow, tabRowText, pageTop, pageBottom, panelText, caption, separator, orb;
    QRgb infoBar, infoBarText, statusBar, statusBarText, paneTitle, paneTitleText;
};

// clang-format off
constexpr std::array<Scheme, 9> kSchemes = {{
    // The classic grey desktop: flat panels, navy selection, yellow tips.
    {Windows2000, "Windows &2000", "", "Windows",
     0xd4d0c8, 0x000000, 0xffffff, 0xf1efe9, 0x000000, 0xd4d0c8, 0x000000, 0x0a246a, 0xffffff,
     0xffffe1, 0x000000, 0x0000ee,
     0xd4d0c8, 0x000000, 0xd4d0c8, 0xd4d0c8, 0x000000, 0x404040, 0x808080, 0x0a246a,
     0xffffe1, 0x000000, 0xd4d0c8, 0x000000, 0x0a246a, 0xffffff},
    // Light warm greys with a pale lavender selection.
    {OfficeXP, "Office &XP", "", "Fusion",
     0xf0efea, 0x000000, 0xffffff, 0xf7f6f3, 0x000000, 0xf6f5f2, 0x000000, 0xb6bdd2, 0x000000,
     0xffffe1, 0x000000, 0x0645ad,
     0xdedbd2, 0x000000, 0xfbfaf8, 0xe6e3db, 0x000000, 0x55524b, 0xc3bfb4, 0x6d6a63,
     0xffffe1, 0x000000, 0xeae8e1, 0x000000, 0x6d6a63, 0xffffff},
    // Beige surfaces under a bright blue title row.
    {WindowsXP, "&Windows XP", "", "Fusion",
     0xece9d8, 0x000000, 0xffffff, 0xf6f4ea, 0x000000, 0xece9d8, 0x000000, 0x316ac5, 0xffffff,
     0xffffe1, 0x000000, 0x0645ad,
     0x245edb, 0xffffff, 0xfcfcf9, 0xe3dfca, 0x000000, 0x55523f, 0xc5c2b2, 0x3a8a2e,
     0xffffe1, 0x000000, 0xece9d8, 0x000000, 0x245edb, 0xffffff},
    // Sky-blue bars with an amber selection.
    {Office2003, "Office 200&3", "", "Fusion",
     0xdde9fa, 0x000000, 0xffffff, 0xeef4fd, 0x000000, 0xc9dcf8, 0x000000, 0xffd58c, 0x000000,
     0xffffe1, 0x000000, 0x0645ad,
     0x9ebef5, 0x000000, 0xe3effe, 0xa9c8f5, 0x000000, 0x12336b, 0x7ca2dd, 0x2f5fb0,
     0xfff4d1, 0x000000, 0x9ebef5, 0x000000, 0x2f4f8f, 0xffffff},
    // Off-white tool windows over a blue status bar.
    {VisualStudio2005, "Visual Studio.NET 200&5", "", "Fusion",
     0xf5f4ee, 0x000000, 0xffffff, 0xf9f8f4, 0x000000, 0xebe9dd, 0x000000, 0x316ac5, 0xffffff,
     0xffffe1, 0x000000, 0x0645ad,
     0xd2cfbd, 0x000000, 0xfafaf7, 0xdcd9c7, 0x000000, 0x4d4a3c, 0xb5b29e, 0x5f5a8a,
     0xffffe1, 0x000000, 0x0e5ca8, 0xffffff, 0xc4c1ab, 0x000000},
    // The Office 2007 schemes: a tab row in the scheme's colour over a light gradient page.
    {Office2007Blue, "&Blue Style", "Office 2007 (&Blue Style)", "Fusion",
     0xdfe9f5, 0x000000, 0xffffff, 0xf3f7fc, 0x000000, 0xe4eefa, 0x15428b, 0xc2dcf5, 0x000000,
     0xf4f8fd, 0x3b3b3b, 0x0645ad,
     0xbfdbff, 0x15428b, 0xf3f7fc, 0xc9dbef, 0x15428b, 0x2f5896, 0xa7c1e2, 0x2c64b0,
     0xe7eff9, 0x15428b, 0x2d5b9a, 0xffffff, 0xbfdbff, 0x15428b},
    {Office2007Black, "B&lack Style", "Office 2007 (B&lack Style)", "Fusion",
     0xdfe1e4, 0x000000, 0xffffff, 0xf2f3f4, 0x000000, 0xe8e9eb, 0x000000, 0x4a5563, 0xffffff,
     0xf2f2f2, 0x262626, 0x0645ad,
     0x363636, 0xffffff, 0xf4f4f4, 0xd0d3d7, 0x1a1a1a, 0x454545, 0xa8acb2, 0x2f2f2f,
     0xebecee, 0x1a1a1a, 0x363636, 0xffffff, 0x4a4a4a, 0xffffff},
    {Office2007Silver, "&Silver Style", "Office 2007 (&Silver Style)", "Fusion",
     0xe9ecf0, 0x000000, 0xffffff, 0xf4f5f7, 0x000000, 0xeef0f3, 0x1e1e1e, 0x5f6f88, 0xffffff,
     0xfafafa, 0x333333, 0x0645ad,
     0xd3d8df, 0x1e1e1e, 0xfbfbfc, 0xdadee5, 0x1e1e1e, 0x4c5560, 0xb9bfc8, 0x6a7788,
     0xeff1f4, 0x1e1e1e, 0xc8ced7, 0x000000, 0xd3d8df, 0x1e1e1e},
    {Office2007Aqua, "&Aqua Style", "Office 2007 (&Aqua Style)", "Fusion",
     0xdcecf3, 0x000000, 0xffffff, 0xeef6fa, 0x000000, 0xe6f2f7, 0x00344f, 0x1c6f96, 0xffffff,
     0xf0f9fc, 0x1c3c4c, 0x0645ad,
     0x9fcde0, 0x00344f, 0xeef7fb, 0xc4e1ee, 0x00344f, 0x1d5874, 0x8ec3d8, 0x1f7aa6,
     0xe2f1f7, 0x00344f, 0x1f6b8f, 0xffffff, 0x9fcde0, 0x00344f},
}};
// clang-format on

// The command panel's rules; every {name} is replaced by the scheme's colour of that name.
constexpr const char* kStyleSheet = R"(
#RibbonBar, #RibbonTabRow { background: {tabRow}; }
#RibbonTabRow QToolButton { color: {tabRowText}; }
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
    return IsLook(id) ? QString::fromUtf8(SchemeOf(id).menuText) : QString();
}

QString Office2007MenuText()
{
    return QStringLiteral("Office 200&7");
}

QString StyleMenuText(int id)
{
    return IsOffice2007(id) ? QString::fromUtf8(SchemeOf(id).styleMenuText) : QString();
}

QString StyleName(int id)
{
    const QString wanted = QString::fromUtf8(SchemeOf(id).style);
    return QStyleFactory::keys().contains(wanted, Qt::CaseInsensitive) ? wanted : QStringLiteral("Fusion");
}

QPalette Palette(int id)
{
    const Scheme& s = SchemeOf(id);
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
    const Scheme& s = SchemeOf(id);
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
    const Scheme& s = SchemeOf(id);
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
        {"toolTipText", s.toolTipText},
        {"toolTipBase", s.toolTipBase},
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
