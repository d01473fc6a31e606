#include "FileError.h"

#include <cerrno>

#include "platform/SystemErrorText.h"

namespace venkora {

namespace {

std::string Subject(std::string_view name, FileError::Action action) {
    if (name == "-") {
        return action == FileError::Action::Read ? "Standardeingabe" : "Standardausgabe";
    }
    return std::string("„").append(name).append("“");
}

}  // namespace

FileError::FileError(std::string_view name, Action action, int errnum)
    : message_(Subject(name, action) + ": ") {
    if (errnum == EISDIR) {
        message_ += "ist ein Verzeichnis";
    } else if (action == Action::Read && errnum == ENOENT) {
        message_ += "Datei nicht gefunden";
    } else {
        message_ += action == Action::Read ? "kann nicht gelesen werden: "
                                           : "kann nicht geschrieben werden: ";
        message_ += SystemErrorText(errnum);
    }
}

FileError::FileError(std::string_view name, std::string_view problem)
    : message_(Subject(name, Action::Read) + ": " + std::string(problem)) {}

}  // namespace venkora
