#pragma once

#include <QIcon>
#include <QString>

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

} // namespace RibbonElements
