#include "platform/CWinApp.h"

#include <QCoreApplication>
#include <QPrinter>

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CPrintSetupDlg.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/FileNameCodec.h"
#include "platform/QtText.h"
#include "core/StandardIds.h"
#include "platform/QSettingsProfileStore.h"
#include "platform/PrintPrompts.h"
#include "platform/UserPrompts.h"

namespace venkora {

namespace {

CWinApp* current = nullptr;

}  // namespace

CWinApp::CWinApp(std::string_view company, std::string_view program)
    : company_(QtText(company)), program_(QtText(program)) {
    QCoreApplication::setOrganizationName(company_);
    QCoreApplication::setApplicationName(program_);
    current = this;
}

CWinApp::~CWinApp() {
    if (current == this) current = nullptr;
}

CWinApp* CWinApp::Current() { return current; }

int CWinApp::ExitInstance() {
    if (profile_) recentFiles_.Save(*profile_);
    return exitCode_;
}

void CWinApp::SetRegistryKey() {
    if (!profile_) {
        profile_ = std::make_unique<QSettingsProfileStore>(
            QSettingsProfileStore::UserFilePath(company_, program_));
    }
}

void CWinApp::SetProfileStore(std::unique_ptr<ProfileStore> store) { profile_ = std::move(store); }

void CWinApp::LoadStdProfileSettings() { recentFiles_.Load(*profile_); }

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
    template_ = std::move(docTemplate);
}

CFrameWnd* CWinApp::GetMainWnd() const { return template_ ? template_->frame() : nullptr; }

QPrinter& CWinApp::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

CDocument* CWinApp::OpenDocumentFile(const QString* path) {
    const bool firstUse = template_->document() == nullptr;
    CDocument* document = template_->OpenDocumentFile(path);
    if (document && firstUse) {
        document->SetFileUsedHandler(
            [this](const QString& file) { recentFiles_.Add(FileNameCodec::Encode(file)); });
        GetMainWnd()->SetApplication(this, &recentFiles_);
    }
    if (document && path) recentFiles_.Add(FileNameCodec::Encode(document->GetPathName()));
    return document;
}

void CWinApp::OnFileNew() { OpenDocumentFile(nullptr); }

void CWinApp::OnFileOpen() {
    const std::optional<QString> path = AskOpenFileName(GetMainWnd());
    if (path) OpenDocumentFile(&*path);
}

void CWinApp::OnFilePrintSetup() {
    if (!PrinterInstalled(GetMainWnd())) return;
    QPrinter& chosen = printer();
    CPrintSetupDlg dialog;
    dialog.printerName = chosen.printerName();
    dialog.paperSize = chosen.pageLayout().pageSize();
    dialog.orientation = chosen.pageLayout().orientation();
    if (dialog.DoModal(GetMainWnd()) != QDialog::Accepted) return;
    chosen.setOutputFileName(QString());
    chosen.setPrinterName(dialog.printerName);
    chosen.setPageSize(dialog.paperSize);
    chosen.setPageOrientation(dialog.orientation);
}

void CWinApp::OnAppExit() {
    if (CFrameWnd* frame = GetMainWnd()) frame->close();
}

void CWinApp::OnOpenRecentFile(unsigned id) {
    const std::size_t index = id - kIdFileMruFirst;
    const std::vector<std::string>& entries = recentFiles_.entries();
    if (index >= entries.size()) return;
    const std::string entry = entries[index];
    const QString path = FileNameCodec::Decode(entry);
    // A file that no longer opens (reported by the document) leaves the list.
    if (!OpenDocumentFile(&path) && !template_->WasCancelled()) recentFiles_.Remove(entry);
}

void CWinApp::OnUpdateRecentFileMenu(CmdUI& ui) {
    ui.Enable(ui.id() - kIdFileMruFirst < recentFiles_.entries().size());
}

const CommandTarget::Map& CWinApp::CommandMap() {
    // One command id per entry the list holds.
    constexpr unsigned kLastRecentFile =
        kIdFileMruFirst + static_cast<unsigned>(RecentFileList::kMaxEntries) - 1;
    static constexpr Entry kEntries[] = {
        OnCommand<&CWinApp::OnFileNew>(kIdFileNew),
        OnCommand<&CWinApp::OnFileOpen>(kIdFileOpen),
        OnCommand<&CWinApp::OnFilePrintSetup>(kIdFilePrintSetup),
        OnCommand<&CWinApp::OnAppExit>(kIdAppExit),
        OnCommandRange<&CWinApp::OnOpenRecentFile>(kIdFileMruFirst, kLastRecentFile),
        OnUpdateRange<&CWinApp::OnUpdateRecentFileMenu>(kIdFileMruFirst, kLastRecentFile),
    };
    static const Map map{&CommandTarget::CommandMap(), kEntries};
    return map;
}

}  // namespace venkora
