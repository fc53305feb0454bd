#pragma once

#include "shell/CommandLine.h"
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

    // False when the program cannot come up. A folder in `options` is selected in the folder tree
    // as a click would; `options.search` then starts a search as the automatic start-up search does.
    bool InitInstance(const CommandLine::Options& options = {});
    CMainFrame* MainFrame() const { return m_frame.get(); }
    CPendrakeDoc& Document() { return m_document; }
    void OnAppAbout();

private:
    CPendrakeDoc m_document;
    std::unique_ptr<CMainFrame> m_frame;
    CDlgSplash* m_splash = nullptr;
};
