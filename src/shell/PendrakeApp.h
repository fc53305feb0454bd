#pragma once

#include "view/Commands.h"
#include "view/PendrakeDoc.h"

#include <memory>

class CDlgSplash;
class CMainFrame;

// Brings the program up: the profile store's names, the splash window, the document, the main
// frame and the view; handles the application's own commands (About, Exit).
class CPendrakeApp : public CCmdTarget
{
public:
    CPendrakeApp();
    ~CPendrakeApp() override;

    // False when the program cannot come up.
    bool InitInstance();
    CMainFrame* MainFrame() const { return m_frame.get(); }
    CPendrakeDoc& Document() { return m_document; }
    void OnAppAbout();

private:
    CPendrakeDoc m_document;
    std::unique_ptr<CMainFrame> m_frame;
    CDlgSplash* m_splash = nullptr;
};
