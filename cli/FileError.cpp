#include "FileError.h"

#include <cerrno>

#include "BatchTexts.h"

namespace venkora {

std::string FileError::Subject(std::string_view name, Action action) {
    if (name == "-") {
        return std::string(action == Action::Read ? BatchTexts::kStandardInput
                                                  : BatchTexts::kStandardOutput);
    }
    return BatchTexts::Fill(BatchTexts::kQuoted, {name});
}

FileError::FileError(std::string_view name, Action action, int errnum)
    : FileError(name, action,
                action == Action::Read && errnum == ENOENT ? FileFailure::NotFound()
                                                           : FileFailure::FromErrno(errnum)) {}

FileError::FileError(std::string_view name, Action action, const FileFailure& failure)
    : message_(BatchTexts::Fill(failure.isStatement()     ? BatchTexts::kFileStatement
                                : action == Action::Read ? BatchTexts::kCannotRead
                                                         : BatchTexts::kCannotWrite,
                                {Subject(name, action), failure.text()})) {}

FileError::FileError(std::string_view name, std::string_view problem)
    : message_(BatchTexts::Fill(BatchTexts::kFileStatement,
                                {Subject(name, Action::Read), problem})) {}

}  // namespace venkora
