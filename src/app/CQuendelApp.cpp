#include "app/CQuendelApp.h"

#include <QString>

#include "about/CAboutDlg.h"
#include "app/CQuendelDoc.h"
#include "app/CQuendelView.h"
#include "app/ViewSettings.h"
#include "frame/CMainFrame.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/MessageBox.h"
#include "resources/CommandIds.h"
#include "resources/CommandTable.h"
#include "tips/CTipDlg.h"

namespace venkora {

CQuendelApp::CQuendelApp(std::vector<std::string> arguments) : CWinApp(kCompanyName, kProgramName) {
    std::vector<std::string_view> views(arguments.begin(), arguments.end());
    commandLine_ = CommandLineInfo::Parse(views);
}

bool CQuendelApp::InitInstance() {
    SetRegistryKey();
    LoadStdProfileSettings();
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        [] { return std::make_unique<CQuendelDoc>(); },
        [this](CDocument& document) -> std::unique_ptr<CFrameWnd> {
            auto frame = std::make_unique<CMainFrame>(profile());
            ViewSettings& settings = ViewSettings::Instance();
            settings.ReadWordWrap(profile());
            auto* view = new CQuendelView(profile(), frame.get());
            settings.ReadTabWidthAndFont(profile());
            view->OnCreate();
            auto& doc = static_cast<CQuendelDoc&>(document);
            doc.SetView(view);
            view->SetDocument(&doc);
            frame->SetView(view, view, &doc);
            return frame;
        }));
    if (!ProcessShellCommand()) return false;
    mainFrame()->RestoreWindowPlacement(5);
    mainFrame()->GetActiveView()->setFocus();
    mainFrame()->repaint();
    OfferStartupTip();
    return true;
}

void CQuendelApp::OfferStartupTip() {
    if (!commandLine_.ShowStartupTip()) return;
    // Constructed in any case: reading the tip moves the stored position on.
    CTipDlg dialog(profile());
    // A termination signal while the reader's message box showed has closed the window.
    if (dialog.showAtStartup && mainFrame()->isVisible()) dialog.DoModal(mainFrame());
}

void CQuendelApp::ShowTipsDialog() {
    CTipDlg dialog(profile());
    dialog.DoModal(mainFrame());
}

void CQuendelApp::ShowAboutBox() {
    CAboutDlg dialog;
    dialog.DoModal(mainFrame());
}

bool CQuendelApp::ProcessShellCommand() {
    using Command = CommandLineInfo::ShellCommand;
    switch (commandLine_.shellCommand) {
        case Command::FileNew:
            return OpenDocumentFile(nullptr) != nullptr;
        case Command::FileOpen: {
            const QString path = QString::fromStdString(commandLine_.fileName);
            return OpenDocumentFile(&path) != nullptr;
        }
        case Command::FilePrint:
        case Command::FilePrintTo:
            ShowMessageBox(QStringLiteral("Drucken von der Befehlszeile aus ist in dieser Version "
                                          "noch nicht möglich."));
            return false;
    }
    return false;
}

int CQuendelApp::ExitInstance() {
    ViewSettings::Instance().SaveViewSettings(profile());
    return CWinApp::ExitInstance();
}

CMainFrame* CQuendelApp::mainFrame() const { return static_cast<CMainFrame*>(GetMainWnd()); }

CQuendelDoc* CQuendelApp::document() const {
    return docTemplate() ? static_cast<CQuendelDoc*>(docTemplate()->document()) : nullptr;
}

CQuendelView* CQuendelApp::view() const { return document() ? document()->GetView() : nullptr; }

const CommandTarget::Map& CQuendelApp::CommandMap() {
    static constexpr Entry kEntries[] = {
        OnCommand<&CQuendelApp::ShowAboutBox>(kIdAppAbout),
        OnCommand<&CQuendelApp::ShowTipsDialog>(kIdTipOfTheDay),
    };
    static const Map map{&CWinApp::CommandMap(), kEntries};
    return map;
}

}  // namespace venkora
