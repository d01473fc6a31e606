#pragma once
// The program's command line: an optional file name, and switches that begin with "-" (a "/"
// begins a path on this platform), matched without regard to case.

#include <span>
#include <string>
#include <string_view>

namespace venkora {

struct CommandLineInfo {
    enum class ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo };

    ShellCommand shellCommand = ShellCommand::FileNew;
    std::string fileName;
    std::string printerName;
    bool runEmbedded = false;   // -Embedding
    bool runAutomated = false;  // -Automation
    // The tip of the day is offered at start-up only for an ordinary start, not for embedding,
    // automation or printing.
    bool ShowStartupTip() const {
        return !runEmbedded && !runAutomated && shellCommand != ShellCommand::FilePrint &&
               shellCommand != ShellCommand::FilePrintTo;
    }

    // Reads the arguments behind the program name. Unknown switches are ignored; the first
    // plain argument is the file.
    static CommandLineInfo Parse(std::span<const std::string_view> arguments);
};

}  // namespace venkora
