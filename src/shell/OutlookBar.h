#pragma once

#include <QDockWidget>

class CFolderTree;
class QStackedWidget;
class QToolButton;

// The left pane: a page area over a column of page buttons. The one page is the folder tree.
class COutlookBar : public QDockWidget
{
    Q_OBJECT
public:
    explicit COutlookBar(QWidget* parent = nullptr);

    CFolderTree* Tree() const { return m_tree; }
    QSize sizeHint() const override;

private:
    QStackedWidget* m_pages;
    CFolderTree* m_tree;
    QToolButton* m_foldersButton;
};
