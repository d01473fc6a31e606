#include "core/DecimalNumber.h"

#include <cassert>
#include <charconv>
#include <limits>

namespace venkora {

std::optional<DecimalNumber> DecimalNumber::Read(std::string_view text, std::size_t& pos) {
    assert(pos <= text.size());
    DecimalNumber number;
    std::size_t at = pos;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        number.negative = text[at] == '-';
        ++at;
    }
    const char* first = text.data() + at;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, number.magnitude);
    if (end == first) return std::nullopt;  // no digit (from_chars takes no sign of its own here)
    if (error == std::errc::result_out_of_range) {
        number.overflow = true;
        number.magnitude = std::numeric_limits<std::uint64_t>::max();
    }
    pos = static_cast<std::size_t>(end - text.data());
    return number;
}

std::optional<DecimalNumber> DecimalNumber::ReadWhole(std::string_view text) {
    std::size_t pos = 0;
    const std::optional<DecimalNumber> number = Read(text, pos);
    if (!number || pos != text.size()) return std::nullopt;
    return number;
}

}  // namespace venkora
