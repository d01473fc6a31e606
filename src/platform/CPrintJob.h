#pragma once
// The framework's print job around a view's print hooks. It lets the view choose the printer
// (prepare printing), then asks it for the pages 1, 2, ... of the range chosen in the print
// dialog until the view clears the continue flag, each page onto the printer's printable area;
// for "Umgekehrt" it counts the pages first and prints them from the last. A range beyond the
// text, and a job the printer's spooler refuses, are reported. A printer that prints into a
// file gets its PDF made in memory and stored through Archive, so no half-written file is ever
// left; a printer that cannot make copies itself gets each page as often as asked. The print
// preview shows the pages of the very same job.

#include <QString>

class QWidget;

namespace venkora {

struct CPrintInfo;
class PrintHooks;

class CPrintJob {
public:
    // Prints the view: prepare printing, then the pages. False when the job was cancelled,
    // printed nothing or failed (reported in a message, except a cancellation).
    static bool Run(PrintHooks& view, CPrintInfo& info);
    // Shows the view's pages in the print preview over `parent`, on the printer chosen for the
    // run; its print button prints them as Run does.
    static void Preview(PrintHooks& view, const QString& docName, QWidget* parent);
    // The framework's print preparation for a job of `info.kind`: a printer already in `info`
    // is used as it is; otherwise the printer chosen for the run, with all pages once in their
    // order unless the print dialog (for Kind::Dialog) says otherwise. Without an installed
    // printer only the preview goes on; the others say so. False when the job is not to go on.
    static bool DoPreparePrinting(CPrintInfo& info);
};

}  // namespace venkora
