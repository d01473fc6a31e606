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
#include "platform/QtText.h"
#include "resources/StringTable.h"

namespace venkora {

namespace {

// What became of the pages of a job.
enum class Rendered { Printed, NoPageInRange, DeviceFailed };

// How a job's pages go to the device: each page `copies` times, or the whole run `copies` times
// when `collate`; the last page first when `lastPageFirst`.
struct PageOrder {
    int copies = 1;
    bool collate = false;
    bool lastPageFirst = false;
};

PageOrder OrderOf(const QPrinter& printer) {
    return {printer.supportsMultipleCopies() ? 1 : printer.copyCount(), printer.collateCopies(),
            printer.pageOrder() == QPrinter::LastPageFirst};
}

// "Die Seiten 7 bis 9 gibt es nicht: das Dokument hat 5 Seiten."
QString NoPageInRangeMessage(const QPageRanges& ranges, int pages) {
    const int first = ranges.firstPage();
    const int last = ranges.lastPage();
    const QString wanted = first == last ? QtText(text::kPageWanted).arg(first)
                                         : QtText(text::kPagesWanted).arg(first).arg(last);
    const QString count = QtText(pages == 1 ? text::kPageCount : text::kPagesCount).arg(pages);
    return QtText(text::kNoPageInRange).arg(wanted, count);
}

// Runs the pages of one job on `device` in `order`: the pages of the device's page ranges (all
// pages when it has none) that the text reaches. Says itself when the range lies beyond the text.
Rendered RenderPages(PrintHooks& view, CPrintInfo& info, QPagedPaintDevice& device, const PageOrder& order) {
    const QPageRanges ranges = device.pageRanges();
    const int lastPage = ranges.isEmpty() ? INT_MAX : ranges.lastPage();
    view.OnBeginPrinting(device, info);
    // Whether the text reaches page `page`; lays it out when its start is not known yet.
    const auto prepare = [&view, &info, &device](int page) {
        info.currentPage = static_cast<unsigned>(page);
        info.continuePrinting = true;
        view.OnPrepareDC(device, info);
        return info.continuePrinting;
    };
    // Forward the pages are found as the job goes; backward they are counted first.
    int pages = 0;
    if (order.lastPageFirst) {
        while (pages < lastPage && prepare(pages + 1)) ++pages;
    }
    QPainter painter;
    bool painted = true;
    bool printedAny = false;
    for (int run = 0; painted && run < (order.collate ? order.copies : 1); ++run) {
        for (int step = 0; painted; ++step) {
            const int page = order.lastPageFirst ? pages - step : step + 1;
            if (page < 1 || page > lastPage) break;
            if (!ranges.isEmpty() && !ranges.contains(page)) continue;
            if (!prepare(page)) break;
            for (int copy = 0; painted && copy < (order.collate ? 1 : order.copies); ++copy) {
                // The device opens with the first page that is printed, so a range beyond the
                // text prints nothing at all.
                painted = painter.isActive() ? device.newPage() : painter.begin(&device);
                if (!painted) break;
                info.drawRect = QRect(0, 0, device.width(), device.height());
                view.OnPrint(painter, info);
                printedAny = true;
            }
        }
    }
    if (painted && !printedAny) {
        while (prepare(pages + 1)) ++pages;
        ShowMessageBox(NoPageInRangeMessage(ranges, pages), info.parent);
    }
    view.OnEndPrinting(device, info);
    if (painter.isActive()) painted = painter.end() && painted;
    if (!painted) return Rendered::DeviceFailed;
    return printedAny ? Rendered::Printed : Rendered::NoPageInRange;
}

// The PDF of the job made in memory, then stored under the printer's output file name.
bool PrintToFile(PrintHooks& view, CPrintInfo& info, QPrinter& printer) {
    const QString path = printer.outputFileName();
    const QString failed = QtText(text::kCannotSave).arg(FileNameCodec::ForDisplay(QFileInfo(path).fileName()));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Rendered rendered = Rendered::DeviceFailed;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(printer.resolution());
        pdf.setPageLayout(printer.pageLayout());
        pdf.setPageRanges(printer.pageRanges());
        pdf.setTitle(printer.docName());
        pdf.setCreator(QCoreApplication::applicationName());
        rendered = RenderPages(view, info, pdf, OrderOf(printer));
    }
    if (rendered == Rendered::DeviceFailed) ShowMessageBox(failed, info.parent);
    if (rendered != Rendered::Printed) return false;
    const QByteArray& bytes = buffer.data();
    return ReportFailures(info.parent, failed, [&path, &bytes, &info] {
        Archive::StoreFile(
            path,
            [&bytes](Archive& archive) { archive.Write(bytes.constData(), static_cast<std::size_t>(bytes.size())); },
            info.replaceGuard);
    });
}

// The pages of the job on `printer`, into its file when it prints into one.
bool PrintOn(PrintHooks& view, CPrintInfo& info, QPrinter& printer) {
    if (!printer.outputFileName().isEmpty()) return PrintToFile(view, info, printer);
    Rendered rendered = Rendered::DeviceFailed;
    const bool taken = SpoolJob(printer, [&](QPagedPaintDevice& device) {
        rendered = RenderPages(view, info, device, OrderOf(printer));
        return rendered == Rendered::Printed;
    });
    if (rendered == Rendered::NoPageInRange) return false;
    if (rendered == Rendered::DeviceFailed || printer.printerState() == QPrinter::Error) {
        ShowMessageBox(QtText(text::kPrinterCannotPrint).arg(printer.printerName()), info.parent);
        return false;
    }
    if (!taken) {
        ShowMessageBox(QtText(text::kPrinterRefusedJob).arg(printer.printerName()), info.parent);
        return false;
    }
    return true;
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
    printer.setPageOrder(QPrinter::FirstPageFirst);
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
    preview.setWindowTitle(QtText(text::kPreviewTitle));
    if (parent) preview.resize(parent->window()->size());  // whole pages, large enough to read
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&view, &info](QPrinter* target) {
        CPrintInfo job = info;
        job.printer = target;
        if (IsPreviewPainting(*target)) {
            RenderPages(view, job, *target, PageOrder{});
        } else {
            // The preview's print button, after its print dialog; a file was for this job.
            PrintOn(view, job, *target);
            target->setOutputFileName(QString());
        }
    });
    ShowPrintPreview(preview);
}

}  // namespace venkora
