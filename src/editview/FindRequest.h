#pragma once
// One search as the find and replace dialog asks for it: the text to find and the replacement as
// typed (UTF-8), the direction and whether case matters.

#include <string>

namespace venkora {

struct FindRequest {
    std::string find;
    bool searchDown = true;  // towards the end of the text
    bool matchCase = false;
    std::string replace;

    bool operator==(const FindRequest&) const = default;
};

}  // namespace venkora
