#pragma once
// What printing asks the system and the user: which printers are installed, Qt's print dialog,
// the print preview and whether the spooler took a job. Tests replace them with answers of their
// own, so that no test waits for a dialog or touches a real printer.

#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace venkora {

// The names of the installed printers; empty when there is none.
QStringList InstalledPrinterNames();
// True when a printer is installed; otherwise says so in a message over `parent` and gives false.
bool PrinterInstalled(QWidget* parent);
// Qt's print dialog ("Drucken") on `printer`: printer, pages from and to, copies, order; false
// when cancelled. The paper and orientation `printer` has stay unless the user confirms others
// under "Eigenschaften".
bool AskPrint(QWidget* parent, QPrinter& printer);
// Shows the print preview modally until the user closes it.
void ShowPrintPreview(QPrintPreviewDialog& preview);

// Paints the pages of a job on the device it is given; whether it painted any.
using PaintJob = std::function<bool(QPagedPaintDevice& device)>;
// Prints a job on `printer`, a printer of the system, whose spooler gets the pages `paint`
// paints on it. False when the spooler refused the job.
bool SpoolJob(QPrinter& printer, const PaintJob& paint);

struct PrintPromptSeams {
    std::function<QStringList()> printerNames;
    std::function<bool(QPrinter& printer)> printDialog;
    std::function<void(QPrintPreviewDialog& preview)> preview;
    std::function<bool(QPrinter& printer, const PaintJob& paint)> spool;
};
// Replaces the real queries and dialogs by `seams` (each empty function keeps the real one).
void SetPrintPromptSeams(PrintPromptSeams seams);

}  // namespace venkora
