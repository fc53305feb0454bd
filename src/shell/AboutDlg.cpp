#include "shell/AboutDlg.h"

#include "BuildInfo.h"

#include "shell/HelpPage.h"
#include "shell/Pictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    setWindowTitle(tr("About Tresmolo"));
    setWindowIcon(Pictures::AppIcon());

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setPixmap(Pictures::AppIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    icon->setFixedSize(32, 32);

    auto* version = new QLabel(tr("Tresmolo, Version %1").arg(QStringLiteral(TRESMOLO_VERSION)), this);
    version->setObjectName(QStringLiteral("versionText"));
    auto* support = new QLabel(tr("Support: see the user guide"), this);
    support->setObjectName(QStringLiteral("supportText"));

    // The link leads to the installed guide; the handler opens it, so the target here is only a name.
    auto* guide =
        new QLabel(QStringLiteral("<a href=\"#guide\">%1</a>").arg(tr("Tresmolo User Guide")), this);
    guide->setObjectName(QStringLiteral("guideLink"));
    guide->setTextFormat(Qt::RichText);
    guide->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    guide->setOpenExternalLinks(false);
    guide->setToolTip(tr("Open the user guide in your browser"));
    connect(guide, &QLabel::linkActivated, this, &CAboutDlg::OnGuideLink);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(version);
    texts->addWidget(support);
    texts->addWidget(guide);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* donate = new QPushButton(tr("Donate"), this);
    donate->setObjectName(QStringLiteral("donateButton"));
    donate->setAutoDefault(false);
    connect(donate, &QPushButton::clicked, this, &CAboutDlg::OnDonate);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(donate);
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(18);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ok->setFocus();
}

void CAboutDlg::OnGuideLink()
{
    HelpPage::Open();
}

void CAboutDlg::OnDonate()
{
    HelpPage::Open();
}
