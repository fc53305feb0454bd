#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QToolButton>
#include <QWidget>
#include <functional>

class QAction;
class QMenu;
class QShortcut;
class QTabBar;

// The round button at the left of the command panel. A left press or double-click asks the main
// frame for the next look (AppMessages::UWM_NEXT_LOOK) and does nothing else: it neither goes down
// nor opens a menu. The application menu is opened from the keyboard instead.
class CCustomMFCRibbonApplicationButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QColor orbColor READ OrbColor WRITE SetOrbColor)
public:
    explicit CCustomMFCRibbonApplicationButton(QWidget* parent = nullptr);

    QColor OrbColor() const { return m_orb; }
    void SetOrbColor(const QColor& colour);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void OnClick(QMouseEvent* event);

    QColor m_orb;
    QPixmap m_face;
};

// A command panel button on a frame action: the action gives the enabled state and is triggered on
// a click, the panel gives the face (label, picture and tooltip), which the action's own texts never
// replace. Large buttons show a 32 x 32 picture over the label, small ones the picture alone.
class CRibbonButton : public QToolButton
{
    Q_OBJECT
public:
    enum Size
    {
        Large,
        Small
    };
    CRibbonButton(int id, QAction* action, Size size, QWidget* parent = nullptr);

    int Command() const { return m_id; }
    // The label, with no line breaks.
    QString Label() const { return m_label; }

protected:
    void actionEvent(QActionEvent* event) override;

private:
    void ApplyFace();

    int m_id;
    Size m_size;
    QString m_label;
};

// A command panel check box on a checkable frame action: the user's click triggers the action, and
// the box follows the action's checked and enabled states, whoever changes them.
class CRibbonCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    CRibbonCheckBox(int id, QAction* action, QWidget* parent = nullptr);

    int Command() const { return m_id; }

private:
    void OnClicked();
    void FollowAction();

    int m_id;
    QPointer<QAction> m_action;
};

// The command panel: the application button, one "Home" tab with the Style drop-down and the About
// button beside it, and the tab page with its captioned panels. Every element works through the
// frame's action for its command; the panel makes no command actions of its own.
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
    // The commands of a panel's elements, left to right and top to bottom; empty for no such panel.
    QList<int> PanelCommands(const QString& panelCaption) const;
    // The element of a command ("element<ID>"), or nullptr.
    QWidget* Element(int id) const;

    // The application button and About carry their key tip letters in the "keyTip" property.
    CCustomMFCRibbonApplicationButton* ApplicationButton() const { return m_appButton; }
    QMenu* ApplicationMenu() const { return m_appMenu; }
    QToolButton* StyleButton() const { return m_styleButton; }
    QTabBar* Tabs() const { return m_tabs; }

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

    QAction* ActionFor(int id) const;
    QWidget* MakeTabRow();
    QWidget* MakePage();
    QWidget* MakePanel(const QString& caption, const QList<Column>& columns);
    QWidget* MakeCheckColumn(const QList<int>& ids);

    ActionSource m_actionFor;
    QList<Panel> m_panels;
    CCustomMFCRibbonApplicationButton* m_appButton = nullptr;
    QMenu* m_appMenu = nullptr;
    QTabBar* m_tabs = nullptr;
    QToolButton* m_styleButton = nullptr;
    CRibbonButton* m_aboutButton = nullptr;
    QShortcut* m_menuShortcut = nullptr;
    QShortcut* m_aboutShortcut = nullptr;
};
