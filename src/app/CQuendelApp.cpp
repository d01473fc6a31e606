#include "app/CQuendelApp.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QString>

#include <sys/stat.h>

#include <optional>

#include "about/CAboutDlg.h"
#include "app/CQuendelDoc.h"
#include "app/CQuendelView.h"
#include "app/ViewSettings.h"
#include "frame/CMainFrame.h"
#include "platform/CPrintInfo.h"
#include "platform/CPrintJob.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/MessageBox.h"
#include "platform/PrintPrompts.h"
#include "resources/CommandIds.h"
#include "resources/CommandTable.h"
#include "tips/CTipDlg.h"

namespace venkora {

namespace {

// Why the PDF of `text` must not be written under the name `pdf`: an existing file there is
// replaced only when it is a PDF itself and not the text printed, so that swapped or mistyped
// names never overwrite a text. Nullopt when the name may be written.
std::optional<QString> PdfNameRefused(const QString& pdf, const QString& text) {
    const QFileInfo target(pdf);
    if (!target.exists()) return std::nullopt;
    const QString refused = QStringLiteral("„%1“ ist keine PDF-Datei und wird nicht überschrieben.").arg(target.fileName());
    struct stat pdfStatus {};
    struct stat textStatus {};
    if (stat(QFile::encodeName(pdf).constData(), &pdfStatus) != 0 || !S_ISREG(pdfStatus.st_mode)) return refused;
    if (stat(QFile::encodeName(text).constData(), &textStatus) == 0 && pdfStatus.st_dev == textStatus.st_dev &&
        pdfStatus.st_ino == textStatus.st_ino) {
        return QStringLiteral("„%1“ ist die Datei, die gedruckt wird; die PDF-Datei braucht einen anderen Namen.")
            .arg(target.fileName());
    }
    QFile existing(pdf);
    if (pdfStatus.st_size > 0 && (!existing.open(QIODevice::ReadOnly) || !existing.read(5).startsWith("%PDF-"))) {
        return refused;
    }
    return std::nullopt;
}

}  // namespace

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
    if (!ProcessShellCommand()) {
        if (!commandLine_.PrintsOnly()) SetExitCode(1);
        return false;
    }
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
        case Command::FilePrintToPdf:
            return PrintFromCommandLine();
    }
    return false;
}

bool CQuendelApp::PrintFromCommandLine() {
    using Command = CommandLineInfo::ShellCommand;
    ReportMessagesOnStandardError();
    SetExitCode(1);
    const Command command = commandLine_.shellCommand;
    if (command == Command::FilePrintToPdf && commandLine_.pdfFileName.empty()) {
        ShowMessageBox(QStringLiteral("Nach --pdf fehlt der Name der PDF-Datei (venkora --pdf AUSGABE.pdf DATEI)."));
        return false;
    }
    if (commandLine_.fileName.empty()) {
        ShowMessageBox(QStringLiteral("Es ist keine Datei zum Drucken angegeben."));
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (command == Command::FilePrintToPdf) {
        const QString pdf = QString::fromStdString(commandLine_.pdfFileName);
        if (const auto refused = PdfNameRefused(pdf, QString::fromStdString(commandLine_.fileName))) {
            ShowMessageBox(*refused);
            return false;
        }
        // A PDF on A4 paper, with the small border that Qt gives a PDF as its printable area.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(pdf);
    } else if (command == Command::FilePrintTo) {
        const QString wanted = QString::fromStdString(commandLine_.printerName);
        if (!InstalledPrinterNames().contains(wanted)) {
            ShowMessageBox(QStringLiteral("Der Drucker „%1“ ist nicht installiert.").arg(wanted));
            return false;
        }
        printer.setPrinterName(wanted);
    } else {
        const QStringList installed = InstalledPrinterNames();
        if (installed.isEmpty()) {
            ShowMessageBox(QStringLiteral("Es ist kein Drucker installiert. Mit „venkora --pdf AUSGABE.pdf DATEI“ "
                                          "drucken Sie in eine PDF-Datei."));
            return false;
        }
        // Without a default printer the first one prints.
        if (!installed.contains(printer.printerName())) printer.setPrinterName(installed.front());
    }
    // The document without the recent-file list: this run leaves the settings alone.
    const QString path = QString::fromStdString(commandLine_.fileName);
    if (!docTemplate()->OpenDocumentFile(&path)) return false;
    CPrintInfo info;
    info.kind = CPrintInfo::Kind::Direct;
    info.docName = document()->GetTitle();
    info.printer = &printer;
    if (CPrintJob::Run(*view(), info)) SetExitCode(0);
    return false;
}

int CQuendelApp::ExitInstance() {
    if (commandLine_.PrintsOnly()) return ExitCode();
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
