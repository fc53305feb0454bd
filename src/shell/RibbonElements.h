#pragma once

#include <QIcon>
#include <QString>

class QWidget;

// What the command panel's elements share: their pictures, tooltips and label layout.
namespace RibbonElements {

// The picture of a command: our own drawing under ":/ribbon/", whatever the desktop's icon theme;
// null for a command without one.
QIcon CommandIcon(int id);

// One of our own pictures, ":/ribbon/<name>.svg".
QIcon Picture(const QString& name);

// The description of a panel element: for an ignore switch, what it skips on this machine, read now;
// otherwise the command's description.
QString ElementDescription(int id);

// The tooltip of a panel element: the command's tooltip title in bold over its description.
QString ElementToolTip(int id);

// The name a screen reader says for an element: its label on one line, without mnemonic marks or a
// closing "...".
QString SpokenName(const QString& label);

// A large button's label on two lines, broken at the space nearest the middle, so long labels do
// not widen the panel. A short label keeps the first line and leaves the second one empty, so every
// label starts right under its picture.
QString LargeButtonText(const QString& label);

// Draws the frame that shows an element has the focus, over what the element has drawn, once the
// focus came by the keyboard (as the widget styles do): a dotted line in the look's text colour for
// what it stands on (the tab row, or the tab page and a button's light face under the mouse or
// pressed), so it stands out as the element's text does. Called at the end of the element's paint
// event.
void PaintFocusFrame(QWidget* element, bool onButtonFace);

} // namespace RibbonElements
