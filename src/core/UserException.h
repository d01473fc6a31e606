#pragma once
// An error whose message box has already been shown; the catcher only stops its operation.

#include <stdexcept>

namespace venkora {

class UserException : public std::runtime_error {
public:
    UserException() : std::runtime_error("error already reported to the user") {}
};

}  // namespace venkora
