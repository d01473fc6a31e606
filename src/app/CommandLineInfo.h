#pragma once
// The program's command line: an optional file name, and switches that begin with "-" (a "/"
// begins a path on this platform), matched without regard to case: the framework's "-p" (print
// on the default printer), "-pt PRINTER" (print on that printer), "-Embedding", "-Automation",
// and the program's own "--pdf OUTPUT" (print into that PDF file).

#include <span>
#include <string>
#include <string_view>

namespace venkora {

struct CommandLineInfo {
    enum class ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FilePrintToPdf };

    ShellCommand shellCommand = ShellCommand::FileNew;
    std::string fileName;
    std::string printerName;
    std::string pdfFileName;
    bool runEmbedded = false;   // -Embedding
    bool runAutomated = false;  // -Automation
    // Whether the run prints the file and ends, without a window.
    bool PrintsOnly() const {
        return shellCommand == ShellCommand::FilePrint || shellCommand == ShellCommand::FilePrintTo ||
               shellCommand == ShellCommand::FilePrintToPdf;
    }
    // The tip of the day is offered at start-up only for an ordinary start, not for embedding,
    // automation or printing.
    bool ShowStartupTip() const { return !runEmbedded && !runAutomated && !PrintsOnly(); }

    // Reads the arguments behind the program name. Unknown switches are ignored; the first
    // plain argument is the file.
    static CommandLineInfo Parse(std::span<const std::string_view> arguments);
};

}  // namespace venkora
