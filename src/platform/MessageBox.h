#pragma once
// The program's message box: a German text, the program's name as caption, an OK button only;
// and the desktop's default beep, which says that something was not found or did not fit. A run
// without a window (printing from the command line) writes the texts to standard error instead.
// Tests replace box and beep with recorders so that nothing blocks.

#include <QString>
#include <functional>

class QWidget;

namespace venkora {

void ShowMessageBox(const QString& text, QWidget* parent = nullptr);

// Runs work on a file (loading, saving, storing a PDF) and reports its failure in one box:
// `failedText`, then the reason as a sentence of its own. True when the work succeeded; a
// failure that was already reported (a UserException) shows nothing more.
bool ReportFailures(QWidget* parent, const QString& failedText, const std::function<void()>& work);

// From now on each text goes to standard error as one line, "PROGRAM: text", instead of a box.
void ReportMessagesOnStandardError();

// Replaces the box by `seam`, which receives the text instead (for tests); an empty function
// shows real boxes again.
using MessageBoxSeam = std::function<void(const QString& text)>;
void SetMessageBoxSeam(MessageBoxSeam seam);

void MessageBeep();
// Replaces the beep by `seam` (for tests); an empty function beeps again.
void SetMessageBeepSeam(std::function<void()> seam);

}  // namespace venkora
