#include "platform/PrintPrompts.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <cups/cups.h>

#include <algorithm>

#include "platform/MessageBox.h"
#include "platform/QtText.h"
#include "resources/StringTable.h"

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
    ShowMessageBox(QtText(text::kNoPrinter), parent);
    return false;
}

bool AskPrint(QWidget* parent, QPrinter& printer) {
    if (Seams().printDialog) return Seams().printDialog(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QtText(text::kPrintTitle));
    // Qt's field "Seiten" refuses every page list, even "1"; the pages from and to remain.
    for (const char* name : {"pagesRadioButton", "pagesLineEdit"}) {
        if (auto* field = dialog.findChild<QWidget*>(QLatin1String(name))) field->hide();
    }
    // On OK Qt's dialog gives the printer the paper of its "Eigenschaften", shown or not, which
    // start from the printer's default paper; the paper chosen before stays unless the user
    // confirmed other paper there.
    const QPageLayout before = printer.pageLayout();
    if (dialog.exec() != QDialog::Accepted) return false;
    const QList<QDialog*> children = dialog.findChildren<QDialog*>();
    const bool propertiesConfirmed = std::any_of(children.cbegin(), children.cend(), [](const QDialog* child) {
        return qstrcmp(child->metaObject()->className(), "QPrintPropertiesDialog") == 0 &&
               child->result() == QDialog::Accepted;
    });
    if (!propertiesConfirmed) {
        printer.setPageSize(before.pageSize());
        printer.setPageOrientation(before.orientation());
    }
    return true;
}

void ShowPrintPreview(QPrintPreviewDialog& preview) {
    if (Seams().preview) {
        Seams().preview(preview);
        return;
    }
    preview.exec();
}

bool SpoolJob(QPrinter& printer, const PaintJob& paint) {
    if (Seams().spool) return Seams().spool(printer, paint);
    // Qt hands the pages to CUPS when the painting ends and keeps no answer; CUPS keeps the
    // answer to the last request of this thread, which is that job's.
    return !paint(printer) || cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

void SetPrintPromptSeams(PrintPromptSeams seams) { Seams() = std::move(seams); }

}  // namespace venkora
