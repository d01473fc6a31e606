#include "FileError.h"

#include <cerrno>

namespace venkora {

std::string FileError::Subject(std::string_view name, Action action) {
    if (name == "-") return action == Action::Read ? "Standardeingabe" : "Standardausgabe";
    return std::string("„").append(name).append("“");
}

FileError::FileError(std::string_view name, Action action, int errnum)
    : FileError(name, action,
                action == Action::Read && errnum == ENOENT ? FileFailure::NotFound()
                                                           : FileFailure::FromErrno(errnum)) {}

FileError::FileError(std::string_view name, Action action, const FileFailure& failure)
    : message_(Subject(name, action) + ": ") {
    if (!failure.isStatement()) {
        message_ += action == Action::Read ? "kann nicht gelesen werden: "
                                           : "kann nicht geschrieben werden: ";
    }
    message_ += failure.text();
}

FileError::FileError(std::string_view name, std::string_view problem)
    : message_(Subject(name, Action::Read) + ": " + std::string(problem)) {}

}  // namespace venkora
