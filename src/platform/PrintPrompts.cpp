#include "platform/PrintPrompts.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/MessageBox.h"

namespace venkora {

namespace {

PrintPromptSeams& Seams() {
    static PrintPromptSeams seams;
    return seams;
}

}  // namespace

QStringList InstalledPrinterNames() {
    if (Seams().printerNames) return Seams().printerNames();
    return QPrinterInfo::availablePrinterNames();
}

bool PrinterInstalled(QWidget* parent) {
    if (!InstalledPrinterNames().isEmpty()) return true;
    ShowMessageBox(QStringLiteral("Es ist kein Drucker installiert.\n"
                                  "Über die Seitenansicht können Sie in eine PDF-Datei drucken."),
                   parent);
    return false;
}

bool AskPrint(QWidget* parent, QPrinter& printer) {
    if (Seams().printDialog) return Seams().printDialog(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    return dialog.exec() == QDialog::Accepted;
}

void ShowPrintPreview(QPrintPreviewDialog& preview) {
    if (Seams().preview) {
        Seams().preview(preview);
        return;
    }
    preview.exec();
}

void SetPrintPromptSeams(PrintPromptSeams seams) { Seams() = std::move(seams); }

}  // namespace venkora
