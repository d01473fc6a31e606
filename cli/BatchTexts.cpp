#include "BatchTexts.h"

#include <cassert>

namespace venkora {

std::string BatchTexts::Fill(std::string_view pattern,
                             std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        if (c == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' && pattern[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[++at] - '1');
            assert(index < arguments.size());  // a text asks for no more than it is given
            if (index < arguments.size()) text.append(arguments.begin()[index]);
        } else {
            text.push_back(c);
        }
    }
    return text;
}

}  // namespace venkora
