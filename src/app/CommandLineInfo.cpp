#include "app/CommandLineInfo.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "core/DecimalNumber.h"

namespace venkora {

namespace {

bool SwitchIs(std::string_view argument, std::string_view name) {
    return argument.size() == name.size() + 1 &&
           std::equal(name.begin(), name.end(), argument.begin() + 1, [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// Reads "+N" into `info`: the digits behind the "+" (none: the last line). The last such
// argument counts; one that names no line leaves the caret at the start.
void ReadStartLine(std::string_view argument, CommandLineInfo& info) {
    const std::string_view digits = argument.substr(1);
    const auto number = DecimalNumber::ReadWhole(digits);
    info.lineNotUnderstood.clear();
    if (digits.empty()) {
        info.startLine = std::numeric_limits<std::uint64_t>::max();
    } else if (std::isdigit(static_cast<unsigned char>(digits.front())) && number && number->magnitude > 0) {
        info.startLine = number->magnitude;
    } else {
        info.startLine = 0;
        info.lineNotUnderstood = argument;
    }
}

}  // namespace

CommandLineInfo CommandLineInfo::Parse(std::span<const std::string_view> arguments) {
    CommandLineInfo info;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "--version" || argument == "--wiederherstellen") {
            info.request = argument == "--help"      ? Request::Help
                           : argument == "--version" ? Request::Version
                                                     : Request::ListRecovery;
            break;
        }
        if (argument.starts_with('+')) {
            ReadStartLine(argument, info);
            continue;
        }
        if (argument == "--pdf") {
            info.shellCommand = ShellCommand::FilePrintToPdf;
            if (i + 1 < arguments.size()) info.pdfFileName = arguments[++i];
            continue;
        }
        if (argument.size() > 1 && argument.front() == '-') {
            if (SwitchIs(argument, "embedding")) {
                info.runEmbedded = true;
            } else if (SwitchIs(argument, "automation")) {
                info.runAutomated = true;
            } else if (SwitchIs(argument, "p")) {
                info.shellCommand = ShellCommand::FilePrint;
            } else if (SwitchIs(argument, "pt")) {
                info.shellCommand = ShellCommand::FilePrintTo;
                if (i + 1 < arguments.size()) info.printerName = arguments[++i];
            }
            continue;
        }
        if (info.fileName.empty()) {
            info.fileName = argument;
            if (info.shellCommand == ShellCommand::FileNew) info.shellCommand = ShellCommand::FileOpen;
        }
    }
    return info;
}

}  // namespace venkora
