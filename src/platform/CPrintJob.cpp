#include "platform/CPrintJob.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

#include <climits>

#include "platform/Archive.h"
#include "platform/CPrintInfo.h"
#include "platform/CWinApp.h"
#include "platform/FileNameCodec.h"
#include "platform/MessageBox.h"
#include "platform/PrintHooks.h"
#include "platform/PrintPrompts.h"

namespace venkora {

namespace {

// Runs the pages of one job on `device`: from page 1 on, within the device's page ranges (all
// pages when it has none), until the view clears the continue flag; each page `copies` times,
// or the whole run `copies` times when `collate`. False when the device cannot be painted on.
bool RenderPages(PrintHooks& view, CPrintInfo& info, QPagedPaintDevice& device, int copies, bool collate) {
    const QPageRanges ranges = device.pageRanges();
    const int lastPage = ranges.isEmpty() ? INT_MAX : ranges.lastPage();
    view.OnBeginPrinting(device, info);
    QPainter painter;
    bool painted = true;
    for (int run = 0; painted && run < (collate ? copies : 1); ++run) {
        for (int page = 1; painted && page <= lastPage; ++page) {
            if (!ranges.isEmpty() && !ranges.contains(page)) continue;
            info.currentPage = static_cast<unsigned>(page);
            info.continuePrinting = true;
            view.OnPrepareDC(device, info);
            if (!info.continuePrinting) break;
            for (int copy = 0; painted && copy < (collate ? 1 : copies); ++copy) {
                // The device opens with the first page that is printed, so a range beyond the
                // text prints nothing at all.
                painted = painter.isActive() ? device.newPage() : painter.begin(&device);
                if (!painted) break;
                info.drawRect = QRect(0, 0, device.width(), device.height());
                view.OnPrint(painter, info);
            }
        }
    }
    view.OnEndPrinting(device, info);
    if (painter.isActive()) painted = painter.end() && painted;
    return painted;
}

// The PDF of the job made in memory, then stored under the printer's output file name.
bool PrintToFile(PrintHooks& view, CPrintInfo& info, QPrinter& printer, int copies) {
    const QString path = printer.outputFileName();
    const QString failed = QStringLiteral("„%1“ kann nicht gespeichert werden.")
                               .arg(FileNameCodec::ForDisplay(QFileInfo(path).fileName()));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool rendered = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(printer.resolution());
        pdf.setPageLayout(printer.pageLayout());
        pdf.setPageRanges(printer.pageRanges());
        pdf.setTitle(printer.docName());
        pdf.setCreator(QCoreApplication::applicationName());
        rendered = RenderPages(view, info, pdf, copies, printer.collateCopies());
    }
    if (!rendered) {
        ShowMessageBox(failed, info.parent);
        return false;
    }
    const QByteArray& bytes = buffer.data();
    if (bytes.isEmpty()) return true;  // no page of the text lies in the chosen range
    return ReportFailures(info.parent, failed, [&path, &bytes, &info] {
        Archive::StoreFile(
            path,
            [&bytes](Archive& archive) { archive.Write(bytes.constData(), static_cast<std::size_t>(bytes.size())); },
            info.replaceGuard);
    });
}

// The pages of the job on `printer`, into its file when it prints into one.
bool PrintOn(PrintHooks& view, CPrintInfo& info, QPrinter& printer) {
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    if (!printer.outputFileName().isEmpty()) return PrintToFile(view, info, printer, copies);
    if (RenderPages(view, info, printer, copies, printer.collateCopies()) &&
        printer.printerState() != QPrinter::Error) {
        return true;
    }
    ShowMessageBox(QStringLiteral("Der Drucker „%1“ kann das Dokument nicht drucken.").arg(printer.printerName()),
                   info.parent);
    return false;
}

// Whether the printer paints for the preview (its pages are recorded, not printed).
bool IsPreviewPainting(QPrinter& printer) {
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

}  // namespace

bool CPrintJob::DoPreparePrinting(CPrintInfo& info) {
    if (info.printer) return true;
    CWinApp* app = CWinApp::Current();
    if (!app) return false;
    if (info.kind != CPrintInfo::Kind::Preview && !PrinterInstalled(info.parent)) return false;
    QPrinter& printer = app->printer();
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    printer.setCopyCount(1);
    if (info.kind == CPrintInfo::Kind::Dialog && !AskPrint(info.parent, printer)) return false;
    info.printer = &printer;
    return true;
}

bool CPrintJob::Run(PrintHooks& view, CPrintInfo& info) {
    if (!view.OnPreparePrinting(info)) return false;
    QPrinter& printer = *info.printer;
    printer.setDocName(info.docName);
    const bool printed = PrintOn(view, info, printer);
    // A file chosen in the print dialog was for this job; later jobs print on the printer.
    if (info.kind == CPrintInfo::Kind::Dialog) printer.setOutputFileName(QString());
    return printed;
}

void CPrintJob::Preview(PrintHooks& view, const QString& docName, QWidget* parent) {
    CPrintInfo info;
    info.kind = CPrintInfo::Kind::Preview;
    info.docName = docName;
    info.parent = parent;
    if (!view.OnPreparePrinting(info)) return;
    QPrinter& printer = *info.printer;
    printer.setDocName(docName);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Seitenansicht"));
    if (parent) preview.resize(parent->window()->size());  // whole pages, large enough to read
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&view, &info](QPrinter* target) {
        CPrintInfo job = info;
        job.printer = target;
        if (IsPreviewPainting(*target)) {
            RenderPages(view, job, *target, 1, false);
        } else {
            // The preview's print button, after its print dialog; a file was for this job.
            PrintOn(view, job, *target);
            target->setOutputFileName(QString());
        }
    });
    ShowPrintPreview(preview);
}

}  // namespace venkora
