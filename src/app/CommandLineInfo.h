#pragma once
// The program's command line: an optional file name, a line to start on ("+N"), and switches
// that begin with "-" (a "/" begins a path on this platform). The framework's switches are
// matched without regard to case: "-p" (print on the default printer), "-pt PRINTER" (print on
// that printer), "-Embedding", "-Automation"; the program's own long switches are written
// exactly: "--pdf OUTPUT" (print into that PDF file), "--help", "--version" and
// "--wiederherstellen".

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace venkora {

struct CommandLineInfo {
    enum class ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FilePrintToPdf };
    // What the run is for: the editor, or only the usage, the version or the list of recovery
    // files ("--wiederherstellen") on standard output.
    enum class Request { Edit, Help, Version, ListRecovery };

    ShellCommand shellCommand = ShellCommand::FileNew;
    Request request = Request::Edit;
    std::string fileName;
    std::string printerName;
    std::string pdfFileName;
    // The line the caret starts on, counted from 1; 0 for none. "+" alone, and a number too
    // large to hold, give the largest value: the last line.
    std::uint64_t startLine = 0;
    // The last "+..." argument that names no line (no number, or 0), for a warning.
    std::string lineNotUnderstood;
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

    // Reads the arguments behind the program name. Unknown switches are ignored; an argument
    // that begins with "+" is a line, never a file; the first other plain argument is the file.
    // "--help", "--version" and "--wiederherstellen" end the reading where they stand.
    static CommandLineInfo Parse(std::span<const std::string_view> arguments);
};

}  // namespace venkora
