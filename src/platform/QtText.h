#pragma once
// Text of the program's tables (UTF-8 byte views) as Qt strings.

#include <QString>

#include <string_view>

namespace venkora {

inline QString QtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace venkora
