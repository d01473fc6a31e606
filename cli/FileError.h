#pragma once
// A failure to read or write one file or standard stream, worded in German for standard error.
// The runner creates one per failure and prints its message; the program goes on with the
// next file.

#include <string>
#include <string_view>

#include "core/FileFailure.h"

namespace venkora {

class FileError {
public:
    enum class Action { Read, Write };

    // A failed read or write of `name` with the errno `errnum`; the name "-" is the standard
    // input when reading and the standard output when writing.
    FileError(std::string_view name, Action action, int errnum);
    // A failed read or write of `name`: a statement stands behind the name on its own, a
    // reason behind "kann nicht gelesen/geschrieben werden:".
    FileError(std::string_view name, Action action, const FileFailure& failure);
    // A failure the system does not report by an errno, e.g. a file that cannot be replaced.
    FileError(std::string_view name, std::string_view problem);

    // "„NAME“: ist ein Verzeichnis", without the program name.
    const std::string& Message() const { return message_; }

    // How messages name a file: „NAME“, or for "-" the standard stream of the action.
    static std::string Subject(std::string_view name, Action action);

private:
    std::string message_;
};

}  // namespace venkora
