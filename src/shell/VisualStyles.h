#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QPalette>
#include <QString>

// The program's nine looks, picked by the commands 210..218: a widget style, a palette and a style
// sheet for the command panel, the navigation pane, the information bar and the status bar.
namespace VisualStyles {

enum Look : int
{
    Windows2000 = 210,
    OfficeXP = 211,
    WindowsXP = 212,
    Office2003 = 213,
    VisualStudio2005 = 214,
    Office2007Blue = 215,
    Office2007Black = 216,
    Office2007Silver = 217,
    Office2007Aqua = 218,
};

inline constexpr int kFirstLook = Windows2000;
inline constexpr int kLastLook = Office2007Aqua;
inline constexpr int kDefaultLook = Office2007Black;
// The four Office 2007 colour schemes, in command order: the command panel's Style drop-down.
inline constexpr int kOffice2007Looks[] = {Office2007Blue, Office2007Black, Office2007Silver, Office2007Aqua};

// The nine looks in command order.
QList<int> Looks();
bool IsLook(int id);
// True for the four Office 2007 colour schemes.
bool IsOffice2007(int id);

// The look whose colours `id` shows: `id` itself for 210..218; for any other value the Office 2007
// scheme applied last, or Black when none has been applied yet.
int ShownLook(int id);

// The text of the look's command in the frame menu; 215..218 sit in an "Office 200&7" sub-menu and
// read "&Blue Style" and so on. Empty for an unknown id.
QString MenuText(int id);
// The title of the frame menu's sub-menu that holds the Office 2007 schemes: "Office 200&7".
QString Office2007MenuText();
// The text of an Office 2007 scheme in the command panel's Style drop-down, e.g.
// "Office 2007 (&Blue Style)"; empty for the other ids.
QString StyleMenuText(int id);

// The widget style the look runs on: "Windows" for Windows 2000 (Fusion when that style is not
// built in), "Fusion" for the others.
QString StyleName(int id);
QPalette Palette(int id);
QString StyleSheet(int id);

// The colours the style sheet gives the command panel and its neighbours.
struct PanelColours
{
    QColor tabRow, tabRowText;       // the row of tabs, and the buttons on it
    QColor pageTop, pageBottom;      // the tab page's gradient; the selected tab has the top colour
    QColor text;                     // element labels and the selected tab's text
    QColor caption;                  // the panel captions under the elements
    QColor separator;                // the lines between panels and under the command panel
    QColor orb;                      // the round application button
    QColor infoBar, infoBarText;     // the information bar
    QColor statusBar, statusBarText; // the status bar
    QColor paneTitle, paneTitleText; // the navigation pane's title
};
PanelColours Colours(int id);

// Every text colour of the look with the background it is drawn on: the palette's text roles and
// the style sheet's labels (both ends of a gradient count as backgrounds).
QList<QPair<QColor, QColor>> TextPairs(int id);

// Puts the look on the whole application: style, palette, tooltip palette and style sheet, then
// repaints every top-level window. An id outside 210..218 shows ShownLook(id).
void Apply(int id);
// The look whose colours are showing; 0 before the first Apply.
int AppliedLook();

// The look after `current` when the application button is pressed: the next id, wrapping from
// the last Office 2007 scheme back to the first one.
int NextLook(int current);

// The look kept in the "Workspace" section as "ApplicationLook" (216 when none is kept).
int StoredLook();
void StoreLook(int id);

} // namespace VisualStyles
