#include "BatchRunner.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <new>
#include <vector>

#include "AtomicReplacement.h"
#include "optimizer/TextPasses.h"

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
    using Action = FileError::Action;
    const bool isStandardInput = name == "-";
    // In place only regular files are accepted; O_NONBLOCK keeps opening a FIFO from waiting
    // for a writer before that check.
    const int flags = O_RDONLY | O_CLOEXEC | O_NOCTTY | (options_.inPlace ? O_NONBLOCK : 0);
    FileDescriptor input = isStandardInput ? FileDescriptor::Borrow(STDIN_FILENO)
                                           : FileDescriptor(open(name.c_str(), flags));
    if (!input.IsOpen()) return Report(FileError(name, Action::Read, errno));
    struct stat info {};
    if (fstat(input.Get(), &info) != 0) return Report(FileError(name, Action::Read, errno));
    if (S_ISDIR(info.st_mode)) return Report(FileError(name, Action::Read, EISDIR));
    if (options_.inPlace && !S_ISREG(info.st_mode)) {
        return Report(FileError(name, "ist keine gewöhnliche Datei und kann nicht vor Ort "
                                      "neu geschrieben werden"));
    }
    if (isStandardInput && isatty(STDIN_FILENO)) {
        diagnostics_.WriteAll(
            "venkora-optimieren: lese Text von der Standardeingabe (Ende mit Strg+D)\n");
    }

    std::string text;
    if (const int error = input.ReadAll(text)) return Report(FileError(name, Action::Read, error));
    input.Close();

    // Only the modes that compare need the bytes as read.
    const std::string original = options_.inPlace || options_.check ? text : std::string();
    StatusSink status;
    if (options_.verbose) {
        status = [this](std::string_view message) {
            diagnostics_.WriteAll(std::string(message).append("\n"));
        };
    }
    OptimizeTextPasses(text, options_.optimize, status);

    if (options_.check) {
        if (text != original) {
            anyWouldChange_ = true;
            WriteOutput(name + "\n");
        }
    } else if (options_.inPlace) {
        if (text != original) Replace(name, text, info);
    } else {
        WriteOutput(text);
    }
}

void BatchRunner::Replace(const std::string& name, const std::string& text,
                          const struct stat& original) {
    using Action = FileError::Action;
    // Through a symbolic link the file it points to is rewritten and the link stays.
    const std::unique_ptr<char, decltype(&free)> real(realpath(name.c_str(), nullptr), &free);
    if (!real) return Report(FileError(name, Action::Write, errno));
    // A file without write permission stays as it is, although its folder would allow the
    // rename.
    if (faccessat(AT_FDCWD, real.get(), W_OK, AT_EACCESS) != 0) {
        return Report(FileError(name, Action::Write, errno));
    }
    // The new version is made beside the file, so a writable file in a protected folder
    // cannot be replaced either; say so, as the file's own permissions would not explain it.
    const std::string folder = AtomicReplacement::FolderOf(real.get());
    if (faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0 && errno == EACCES) {
        return Report(FileError(name, "kann nicht geschrieben werden: keine Berechtigung, "
                                      "im Ordner „" + folder + "“ eine Datei anzulegen"));
    }
    AtomicReplacement replacement(real.get());
    if (const int error = replacement.Commit(text, original)) {
        Report(FileError(name, Action::Write, error));
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
