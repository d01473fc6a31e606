#pragma once
// The application: opens the settings store, ties the document, the main window and the main
// view together, carries out the command line, shows the window where it was left, and at
// the end saves what has to outlive the run.

#include <string>
#include <vector>

#include "app/CommandLineInfo.h"
#include "platform/CWinApp.h"

namespace venkora {

class CMainFrame;
class CQuendelDoc;
class CQuendelView;

class CQuendelApp : public CWinApp {
public:
    explicit CQuendelApp(std::vector<std::string> arguments);

    bool InitInstance() override;
    int ExitInstance() override;

    CMainFrame* mainFrame() const;
    CQuendelDoc* document() const;
    CQuendelView* view() const;

private:
    bool ProcessShellCommand();

    CommandLineInfo commandLine_;
};

}  // namespace venkora
