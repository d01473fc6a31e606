#pragma once
// The record of one print job that the job and the view's print hooks share.

#include <QRect>
#include <QString>

#include "platform/Archive.h"

class QPrinter;
class QWidget;

namespace venkora {

struct CPrintInfo {
    // The print command with its dialog, printing directly, or the print preview.
    enum class Kind { Dialog, Direct, Preview };

    Kind kind = Kind::Dialog;
    QString docName;               // the document's title, the name of the job
    QWidget* parent = nullptr;     // over which the print dialog and messages appear
    QPrinter* printer = nullptr;   // chosen by prepare printing; one set before is used as it is
    unsigned currentPage = 1;      // the page asked for, from 1
    QRect drawRect;                // the page's printable area, in the device's pixels
    bool continuePrinting = true;  // cleared by the view when the text ends before this page
    // Whether an existing file may be replaced by the PDF of a job that prints into a file;
    // asked on that very file when the PDF is stored. Unset: any regular file may.
    Archive::ReplaceGuard replaceGuard;
};

}  // namespace venkora
