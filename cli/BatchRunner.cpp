#include "BatchRunner.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <variant>
#include <vector>

#include "SignalHold.h"
#include "optimizer/TextPasses.h"
#include "core/CodePage.h"
#include "core/FileReplacement.h"
#include "core/RegularFile.h"

namespace venkora {

BatchRunner::BatchRunner(const BatchOptions& options) : options_(options) {}

int BatchRunner::Run() {
    const std::vector<std::string> names =
        options_.files.empty() ? std::vector<std::string>{"-"} : options_.files;
    for (const std::string& name : names) {
        if (outputBroken_) break;
        try {
            Process(name);
        } catch (const std::bad_alloc&) {
            Report(FileError(name, "nicht genug Arbeitsspeicher, um den Text zu bearbeiten"));
        }
    }
    if (anyFailed_) return kExitFileError;
    return anyWouldChange_ ? kExitWouldChange : kExitDone;
}

void BatchRunner::Process(const std::string& name) {
    if (options_.inPlace) return ProcessInPlace(name);
    std::string text;
    if (!ReadOnly(name, text)) return;
    // Only checking compares with the bytes as read.
    const std::string original = options_.check ? text : std::string();
    Optimize(text);
    if (!options_.check) return WriteOutput(text);
    if (text != original) {
        anyWouldChange_ = true;
        WriteOutput(name + "\n");
    }
}

bool BatchRunner::ReadOnly(const std::string& name, std::string& text) {
    using Action = FileError::Action;
    const bool isStandardInput = name == "-";
    FileDescriptor input = isStandardInput
                               ? FileDescriptor::Borrow(STDIN_FILENO)
                               : FileDescriptor(open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!input.IsOpen()) {
        Report(FileError(name, Action::Read, errno));
        return false;
    }
    if (isStandardInput && isatty(STDIN_FILENO)) {
        diagnostics_.WriteAll(
            "venkora-optimieren: lese Text von der Standardeingabe (Ende mit Strg+D)\n");
    }
    // A directory opens, but reading it fails with EISDIR.
    if (const int error = input.ReadAll(text)) {
        Report(FileError(name, Action::Read, error));
        return false;
    }
    return true;
}

void BatchRunner::Optimize(std::string& text) {
    // The user string is typed text. In each file it stands for the bytes the editor would
    // give it there: UTF-8 in a text of valid UTF-8, Windows-1252 in any other; a string that
    // code page cannot hold deletes nothing. A string that is no valid UTF-8 is taken as bytes.
    OptimizeOptions options = options_.optimize;
    if (!options.bendefZeichen.empty() && CodePage::IsValidUtf8(options.bendefZeichen)) {
        options.bendefZeichen =
            CodePage::ForLoadedText(text, true).Encode(options.bendefZeichen).value_or("");
    }
    StatusSink status;
    if (options_.verbose) {
        status = [this](std::string_view message) {
            diagnostics_.WriteAll(std::string(message).append("\n"));
        };
    }
    OptimizeTextPasses(text, options, status);
}

void BatchRunner::ProcessInPlace(const std::string& name) {
    using Action = FileError::Action;
    // Locked from reading to replacing, so two runs on one file cannot lose a change.
    auto opened = RegularFile::Open(
        name, options_.dontWait ? RegularFile::Lock::DontWait : RegularFile::Lock::Wait);
    if (const auto* failure = std::get_if<FileFailure>(&opened)) {
        return Report(FileError(name, Action::Read, *failure));
    }
    const RegularFile& file = std::get<RegularFile>(opened);
    std::string text;
    if (const auto failure = file.Read(text)) return Report(FileError(name, Action::Read, *failure));
    const std::string original = text;
    Optimize(text);
    if (text == original) return;  // an unchanged file stays untouched
    const SignalHold hold;
    if (const auto failure = FileReplacement::Replace(file, text)) {
        Report(FileError(name, Action::Write, *failure));
    }
}

void BatchRunner::WriteOutput(std::string_view bytes) {
    if (const int error = output_.WriteAll(bytes)) {
        Report(FileError("-", FileError::Action::Write, error));
        outputBroken_ = true;
    }
}

void BatchRunner::Report(const FileError& error) {
    anyFailed_ = true;
    diagnostics_.WriteAll("venkora-optimieren: " + error.Message() + "\n");
}

}  // namespace venkora
