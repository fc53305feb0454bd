#pragma once

#include "shell/ApplicationButton.h"
#include "shell/RibbonButton.h"
#include "shell/RibbonCheckBox.h"

#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

class RibbonPage;
class QAction;
class QMenu;
class QShortcut;
class QTabBar;
class QToolButton;

// The command panel: the application button, one "Home" tab with the Style drop-down and the About
// button beside it, and the tab page with its captioned panels. Every element works through the
// frame's action for its command; the panel makes no command actions of its own (the menu items of
// a collapsed panel only stand for the frame's actions).
class CRibbonBar : public QWidget
{
    Q_OBJECT
public:
    using ActionSource = std::function<QAction*(int id)>;
    explicit CRibbonBar(ActionSource actionFor, QWidget* parent = nullptr);

    // The application menu: `items` (a null entry is a separator), then a line and `exitAction`.
    void SetApplicationMenu(const QList<QAction*>& items, QAction* exitAction);
    // Opens the application menu under the application button.
    void ShowApplicationMenu();

    QStringList PanelCaptions() const;
    // The panels shown as a single drop-down button because the panel is too narrow for them in
    // full, left to right. View goes first, then Launchers, Exporters, Files to Ignore and Folders
    // To Ignore; File Search, with Start and Stop, goes last.
    QStringList CollapsedPanels() const;
    // The drop-down button that stands for a panel when it is collapsed, or nullptr.
    QToolButton* PanelButton(const QString& panelCaption) const;
    // The commands of a panel's elements, left to right and top to bottom; empty for no such panel.
    QList<int> PanelCommands(const QString& panelCaption) const;
    // The element of a command ("element<ID>"), or nullptr.
    QWidget* Element(int id) const;
    // What Tab visits on the panel, in order: Style and About, then each panel's elements left to
    // right and top to bottom, or its drop-down button when it is collapsed.
    QList<QWidget*> TabStops() const;

    // The application button and About carry their key tip letters in the "keyTip" property.
    CCustomMFCRibbonApplicationButton* ApplicationButton() const { return m_appButton; }
    QMenu* ApplicationMenu() const { return m_appMenu; }
    QToolButton* StyleButton() const { return m_styleButton; }
    QTabBar* Tabs() const { return m_tabs; }

signals:
    // One of the panel's menus is about to open: the commands' states want refreshing.
    void menuAboutToShow();

private:
    struct Panel
    {
        QString caption;
        QList<int> commands;
    };
    // What goes into a panel, in order: a large button, or a column of up to three check boxes.
    struct Column
    {
        bool large;
        QList<int> commands;
    };
    struct PanelLayout
    {
        QString caption;
        QString picture; // the panel's picture under ":/ribbon/"
        QList<Column> columns;
        int keep; // panels with a lower value collapse first
    };

    QAction* ActionFor(int id) const;
    QWidget* MakeTabRow();
    QWidget* MakePage();
    QWidget* MakePanel(const PanelLayout& layoutOf);
    QToolButton* MakeCollapsedPanel(const PanelLayout& layoutOf);
    QWidget* MakeCheckColumn(const QList<int>& ids);

    ActionSource m_actionFor;
    QList<Panel> m_panels;
    RibbonPage* m_page = nullptr;
    CCustomMFCRibbonApplicationButton* m_appButton = nullptr;
    QMenu* m_appMenu = nullptr;
    QTabBar* m_tabs = nullptr;
    QToolButton* m_styleButton = nullptr;
    CRibbonButton* m_aboutButton = nullptr;
    QShortcut* m_menuShortcut = nullptr;
    QShortcut* m_aboutShortcut = nullptr;
};
