#pragma once
// A load or save that failed while reading or writing the archive. `reason` is a German text
// for the user where the system gave one (disk full, no permission, ...), else empty.

#include <stdexcept>
#include <string>

namespace venkora {

class ArchiveException : public std::runtime_error {
public:
    enum class Kind { Generic = 1, EndOfFile = 3, BadIndex = 5 };

    ArchiveException(Kind kind, std::string reason = {})
        : std::runtime_error(reason.empty() ? "archive error" : reason), kind_(kind),
          reason_(std::move(reason)) {}

    Kind kind() const { return kind_; }
    const std::string& reason() const { return reason_; }

private:
    Kind kind_;
    std::string reason_;
};

}  // namespace venkora
