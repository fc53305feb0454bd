#include "shell/PendrakeApp.h"

#include "shell/AboutDlg.h"
#include "shell/MainFrame.h"
#include "shell/Pictures.h"
#include "shell/Splash.h"
#include "view/PendrakeView.h"
#include "view/Seams.h"

#include <QApplication>

CPendrakeApp::CPendrakeApp()
{
    OnCommand(Commands::AppAbout, [this] { OnAppAbout(); });
    OnCommand(Commands::AppExit, [this] {
        if (m_frame)
            m_frame->close();
    });
}

CPendrakeApp::~CPendrakeApp()
{
    delete m_splash;
}

bool CPendrakeApp::InitInstance()
{
    // The profile store lives under these names (~/.config/Tresmolo/Tresmolo.conf).
    QCoreApplication::setOrganizationName(QStringLiteral("Tresmolo"));
    QCoreApplication::setApplicationName(QStringLiteral("Tresmolo"));
    QApplication::setWindowIcon(Pictures::AppIcon());

    m_splash = new CDlgSplash;
    m_splash->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    m_frame = std::make_unique<CMainFrame>(&m_document, this);
    if (!m_frame->OnCreate())
        return false;
    CPendrakeView* view = m_frame->View();
    QObject::connect(view, &CPendrakeView::firstUpdateDone, view, [this] {
        if (m_splash) {
            m_splash->close();
            m_splash->deleteLater();
            m_splash = nullptr;
        }
    });
    m_frame->resize(1280, 800);
    view->OnInitialUpdate();
    m_frame->show();
    m_frame->setWindowTitle(QCoreApplication::applicationName());
    return true;
}

void CPendrakeApp::OnAppAbout()
{
    CAboutDlg dialog(m_frame.get());
    Seams::RunDialog(dialog);
}
