#include "BatchTexts.h"

#include <cassert>

namespace venkora {

std::string BatchTexts::Fill(std::string_view pattern,
                             std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (c == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            ++at;
            assert(index < arguments.size());  // a text asks for no more than it is given
            if (index < arguments.size()) text.append(arguments.begin()[index]);
        } else {
            text.push_back(c);
        }
    }
    return text;
}

}  // namespace venkora
