#include "shell/OutlookBar.h"

#include "shell/FolderTree.h"

#include <QAction>
#include <QButtonGroup>
#include <QIcon>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int InitialWidth = 250;

} // namespace

COutlookBar::COutlookBar(QWidget* parent)
    : QDockWidget(tr("Shortcuts"), parent), m_pages(new QStackedWidget), m_tree(new CFolderTree)
{
    setObjectName(QStringLiteral("OutlookBar"));
    toggleViewAction()->setText(tr("Outlook Bar"));
    // The pane stays docked: it moves between the sides but neither closes nor floats.
    setFeatures(QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    m_pages->addWidget(m_tree);
    m_pages->setAccessibleName(tr("Navigation Pane Pages"));

    m_foldersButton = new QToolButton;
    m_foldersButton->setText(tr("Folders"));
    m_foldersButton->setIcon(
        QIcon::fromTheme(QStringLiteral("folder"), QIcon(QStringLiteral(":/pane/folder.svg"))));
    m_foldersButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_foldersButton->setAutoRaise(true);
    m_foldersButton->setCheckable(true);
    m_foldersButton->setChecked(true);
    m_foldersButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QFont bold = m_foldersButton->font();
    bold.setBold(true);
    m_foldersButton->setFont(bold);

    // The page buttons pick one page each; one of them is always down.
    auto* buttons = new QButtonGroup(this);
    buttons->setExclusive(true);
    buttons->addButton(m_foldersButton);
    connect(m_foldersButton, &QToolButton::clicked, this, [this] { m_pages->setCurrentWidget(m_tree); });

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_foldersButton);
    setWidget(body);
    resize(InitialWidth, height());
}

QSize COutlookBar::sizeHint() const
{
    return {InitialWidth, QDockWidget::sizeHint().height()};
}
