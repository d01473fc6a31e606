#pragma once
// What printing asks the system and the user: which printers are installed, Qt's print dialog
// and the print preview. Tests replace them with answers of their own, so that no test waits
// for a dialog or touches a real printer.

#include <QStringList>

#include <functional>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace venkora {

// The names of the installed printers; empty when there is none.
QStringList InstalledPrinterNames();
// True when a printer is installed; otherwise says so in a message over `parent` and gives false.
bool PrinterInstalled(QWidget* parent);
// Qt's print dialog ("Drucken") on `printer`: printer, pages, copies; false when cancelled.
bool AskPrint(QWidget* parent, QPrinter& printer);
// Shows the print preview modally until the user closes it.
void ShowPrintPreview(QPrintPreviewDialog& preview);

struct PrintPromptSeams {
    std::function<QStringList()> printerNames;
    std::function<bool(QPrinter& printer)> printDialog;
    std::function<void(QPrintPreviewDialog& preview)> preview;
};
// Replaces the real queries and dialogs by `seams` (each empty function keeps the real one).
void SetPrintPromptSeams(PrintPromptSeams seams);

}  // namespace venkora
