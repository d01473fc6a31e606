#include "app/CQuendelApp.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <string_view>
#include <variant>

#include "about/CAboutDlg.h"
#include "app/CQuendelDoc.h"
#include "app/CQuendelView.h"
#include "app/TerminationRequest.h"
#include "core/FileFailure.h"
#include "core/RegularFile.h"
#include "frame/CMainFrame.h"
#include "platform/Archive.h"
#include "platform/CPrintInfo.h"
#include "platform/CPrintJob.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/FileNameCodec.h"
#include "platform/MessageBox.h"
#include "platform/UserPrompts.h"
#include "platform/PrintPrompts.h"
#include "platform/QtText.h"
#include "resources/CommandIds.h"
#include "resources/CommandTable.h"
#include "resources/StringTable.h"
#include "tips/CTipDlg.h"

namespace venkora {

namespace {

// Whether the existing file `existing` may be replaced by the PDF of the text `printed`: only
// when it is a PDF itself and not the text printed, so that swapped or mistyped names never
// overwrite a text (an empty file is no PDF either).
std::optional<FileFailure> PdfTargetRefusal(const RegularFile& existing, const struct stat& printed) {
    if (existing.status().st_dev == printed.st_dev && existing.status().st_ino == printed.st_ino) {
        return FileFailure::Statement(0, std::string(text::kPdfIsPrintedFile));
    }
    char head[5] = {};
    if (pread(existing.fd(), head, sizeof head, 0) != static_cast<ssize_t>(sizeof head) ||
        std::string_view(head, sizeof head) != "%PDF-") {
        return FileFailure::Statement(0, std::string(text::kPdfIsNoPdf));
    }
    return std::nullopt;
}

// Why the PDF must not be written under the name `pdf`, asked before printing so that a name
// that cannot take the PDF fails at once; storing the PDF asks again on the file it replaces.
// Nullopt when the name may be written, or when only writing can tell.
std::optional<QString> PdfNameRefused(const std::string& pdf, const struct stat& printed) {
    struct stat entry {};
    if (lstat(pdf.c_str(), &entry) != 0) return std::nullopt;
    const auto opened = RegularFile::Open(pdf);
    std::optional<FileFailure> refusal;
    if (const auto* failure = std::get_if<FileFailure>(&opened)) {
        refusal = *failure;
    } else {
        refusal = PdfTargetRefusal(std::get<RegularFile>(opened), printed);
    }
    if (!refusal || !refusal->isStatement()) return std::nullopt;
    return QtText(text::kPdfRefused)
        .arg(FileNameCodec::ForDisplay(FileNameCodec::Decode(pdf)), QtText(refusal->text()));
}

// Whether `name` names nothing yet in a folder that exists: the start then makes an empty
// document of that name, which saving creates there.
bool NamesNewFile(const std::string& name) {
    struct stat status {};
    if (name.empty() || name.back() == '/') return false;
    if (lstat(name.c_str(), &status) == 0 || errno != ENOENT) return false;
    const std::size_t slash = name.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : name.substr(0, std::max<std::size_t>(slash, 1));
    return stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

CQuendelApp::CQuendelApp(std::vector<std::string> arguments) : CWinApp(kCompanyName, kProgramName) {
    std::vector<std::string_view> views(arguments.begin(), arguments.end());
    commandLine_ = CommandLineInfo::Parse(views);
}

bool CQuendelApp::InitInstance() {
    if (!commandLine_.lineNotUnderstood.empty()) {
        const QString argument = QString::fromStdString(commandLine_.lineNotUnderstood);
        std::fprintf(stderr, "venkora: %s\n", qUtf8Printable(QtText(text::kNoLineNumber).arg(argument)));
    }
    SetRegistryKey();
    LoadStdProfileSettings();
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        [] { return std::make_unique<CQuendelDoc>(); },
        [this](CDocument& document) -> std::unique_ptr<CFrameWnd> {
            auto frame = std::make_unique<CMainFrame>(profile());
            viewSettings_.ReadWordWrap(profile());
            auto* view = new CQuendelView(profile(), viewSettings_, frame.get());
            view->SetFindReplaceState(findReplaceState_);
            viewSettings_.ReadTabWidthAndFont(profile());
            view->OnCreate();
            auto& doc = static_cast<CQuendelDoc&>(document);
            doc.SetView(view);
            view->SetDocument(&doc);
            frame->SetView(view, view, &doc);
            if (!commandLine_.PrintsOnly()) recovery_.Watch(doc, *view);
            return frame;
        }));
    if (!ProcessShellCommand()) {
        if (!commandLine_.PrintsOnly()) SetExitCode(1);
        return false;
    }
    // From here on the user may have something to lose: a termination signal closes the window.
    TerminationRequest::DeferToEventLoop();
    mainFrame()->RestoreWindowPlacement(5);
    GoToStartLine();
    mainFrame()->GetActiveView()->setFocus();
    mainFrame()->repaint();
    OfferRecovery();
    OfferStartupTip();
    return true;
}

void CQuendelApp::OfferRecovery() {
    if (!commandLine_.ShowStartupTip()) return;
    const RecoveryFolder& folder = recovery_.folder();
    folder.RemoveOldDeclined(QDateTime::currentSecsSinceEpoch());
    for (const RecoveryFolder::Entry& leftover : folder.Leftovers()) {
        // A termination signal while a question showed has closed the window.
        if (!mainFrame()->isVisible()) return;
        if (!leftover.file) {
            const QString name = FileNameCodec::ForDisplay(FileNameCodec::Decode(leftover.name));
            const std::string aside = folder.MoveAside(leftover.name, RecoveryFolder::kDamaged);
            ShowMessageBox(QtText(text::kRestoreDamaged)
                               .arg(name, FileNameCodec::ForDisplay(FileNameCodec::Decode(aside))),
                           mainFrame());
            continue;
        }
        const RecoveryFile& file = *leftover.file;
        const QString path = FileNameCodec::Decode(file.path);
        const QString document =
            file.path.empty() ? QtText(text::kUntitled) : FileNameCodec::ForDisplay(QFileInfo(path).fileName());
        switch (AskRestoreUnsaved(mainFrame(), document, RecoveryKeeper::WrittenAt(file.written))) {
            case SaveAnswer::Yes:
                // The text is this run's now: the old file goes once this run has kept it.
                // The others wait for the next start.
                if (!Restore(file)) break;
                if (recovery_.WriteNow()) folder.Remove(leftover.name);
                return;
            case SaveAnswer::No: folder.MoveAside(leftover.name, RecoveryFolder::kDeclined); break;
            case SaveAnswer::Cancel: break;
        }
    }
}

bool CQuendelApp::Restore(const RecoveryFile& file) {
    // Through the new-document flow, which asks about the changes of the document shown.
    if (!OpenDocumentFile(nullptr)) return false;
    const QString path = FileNameCodec::Decode(file.path);
    const QString name =
        path.isEmpty() ? QtText(text::kUntitled) : FileNameCodec::ForDisplay(QFileInfo(path).fileName());
    const bool loaded = ReportFailures(mainFrame(), QtText(text::kCannotOpen).arg(name), [&] {
        Archive::LoadBytes(file.text, name, [this](Archive& archive) { view()->SerializeRawText(archive); });
    });
    if (!loaded) {
        OpenDocumentFile(nullptr);  // nothing half loaded stays
        return false;
    }
    // The code page it was edited in, whatever its bytes would suggest now.
    view()->SetCodePage(CodePage(file.codePage));
    document()->ContinueUnsaved(path, file.identity);
    document()->FollowProjectOf(path);
    return true;
}

void CQuendelApp::OfferStartupTip() {
    if (!commandLine_.ShowStartupTip()) return;
    // Read in any case: reading the tip moves the stored position on.
    CTipDlg dialog;
    dialog.LoadTipState(profile());
    // A termination signal while the reader's message box showed has closed the window.
    if (dialog.showAtStartup && mainFrame()->isVisible()) dialog.DoModal(mainFrame());
    dialog.SaveTipState(profile());
}

void CQuendelApp::ShowTipsDialog() {
    CTipDlg dialog;
    dialog.LoadTipState(profile());
    dialog.DoModal(mainFrame());
    dialog.SaveTipState(profile());
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
            const QString path = FileNameCodec::Decode(commandLine_.fileName);
            if (NamesNewFile(commandLine_.fileName)) {
                if (!OpenDocumentFile(nullptr)) return false;
                document()->SetPathName(path);
                document()->FollowProjectOf(path);
                return true;
            }
            return OpenDocumentFile(&path) != nullptr;
        }
        case Command::FilePrint:
        case Command::FilePrintTo:
        case Command::FilePrintToPdf:
            return PrintFromCommandLine();
    }
    return false;
}

void CQuendelApp::GoToStartLine() {
    if (commandLine_.startLine == 0) return;
    CQuendelView& shown = *view();
    const auto lines = static_cast<std::uint64_t>(shown.SendScintilla(QsciScintilla::SCI_GETLINECOUNT));
    const auto line = static_cast<long>(std::min(commandLine_.startLine, lines) - 1);
    shown.SendScintilla(QsciScintilla::SCI_GOTOLINE, line);
    // First the line on top: word wrap, done as lines are painted, keeps the top line in place.
    shown.SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE,
                        shown.SendScintilla(QsciScintilla::SCI_VISIBLEFROMDOCLINE, line));
    // Once painted, with the width word wrap breaks at known, the lines above it come into view
    // until they fill half the window (Scintilla lays out just these lines to count them).
    const auto centre = [&shown, line] {
        long top = line;
        for (long room = shown.SendScintilla(QsciScintilla::SCI_LINESONSCREEN) / 2; top > 0; --top) {
            room -= shown.SendScintilla(QsciScintilla::SCI_WRAPCOUNT, top - 1);
            if (room < 0) break;
        }
        shown.SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE,
                            shown.SendScintilla(QsciScintilla::SCI_VISIBLEFROMDOCLINE, top));
    };
    QObject::connect(&shown, &QsciScintilla::SCN_PAINTED, &shown, centre, Qt::SingleShotConnection);
}

bool CQuendelApp::PrintFromCommandLine() {
    using Command = CommandLineInfo::ShellCommand;
    ReportMessagesOnStandardError();
    SetExitCode(1);
    const Command command = commandLine_.shellCommand;
    if (command == Command::FilePrintToPdf && commandLine_.pdfFileName.empty()) {
        ShowMessageBox(QtText(text::kPdfNameMissing));
        return false;
    }
    if (command == Command::FilePrintTo && commandLine_.fileName.empty()) {
        ShowMessageBox(QtText(commandLine_.printerName.empty() ? text::kPrinterAndFileMissing
                                                               : text::kPrinterOrFileMissing));
        return false;
    }
    if (commandLine_.fileName.empty()) {
        ShowMessageBox(QtText(text::kNoFileToPrint));
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    CPrintInfo info;
    if (command == Command::FilePrintToPdf) {
        struct stat printed {};
        stat(commandLine_.fileName.c_str(), &printed);
        if (const auto refused = PdfNameRefused(commandLine_.pdfFileName, printed)) {
            ShowMessageBox(*refused);
            return false;
        }
        info.replaceGuard = [printed](const RegularFile& existing) { return PdfTargetRefusal(existing, printed); };
        // A PDF on A4 paper, with the small border that Qt gives a PDF as its printable area.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(FileNameCodec::Decode(commandLine_.pdfFileName));
    } else if (command == Command::FilePrintTo) {
        const QString wanted = QString::fromStdString(commandLine_.printerName);
        if (!InstalledPrinterNames().contains(wanted)) {
            ShowMessageBox(QtText(text::kPrinterNotInstalled).arg(wanted));
            return false;
        }
        printer.setPrinterName(wanted);
    } else {
        const QStringList installed = InstalledPrinterNames();
        if (installed.isEmpty()) {
            ShowMessageBox(QtText(text::kNoPrinterForCommandLine));
            return false;
        }
        // Without a default printer the first one prints.
        if (!installed.contains(printer.printerName())) printer.setPrinterName(installed.front());
    }
    // The document without the recent-file list: this run leaves the settings alone.
    const QString path = FileNameCodec::Decode(commandLine_.fileName);
    if (!docTemplate()->OpenDocumentFile(&path)) return false;
    info.kind = CPrintInfo::Kind::Direct;
    info.docName = document()->GetTitle();
    info.printer = &printer;
    if (CPrintJob::Run(*view(), info)) SetExitCode(0);
    return false;
}

void CQuendelApp::KeepUnsavedTextNow() { recovery_.WriteNow(); }

int CQuendelApp::ExitInstance() {
    if (commandLine_.PrintsOnly()) return ExitCode();
    // The run ends as the user chose: what was not saved was given up.
    recovery_.Discard();
    viewSettings_.SaveViewSettings(profile());
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
