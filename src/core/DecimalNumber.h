#pragma once
// The one reader of decimal numbers in text (stored settings, the window placement, options):
// an optional sign, then digits, read with std::from_chars. Each caller applies its own range.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace venkora {

struct DecimalNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;  // held at UINT64_MAX when the digits say more
    bool overflow = false;        // the digits say more than UINT64_MAX

    // The number that begins at `pos` (a sign, then at least one digit); `pos` moves behind it.
    // Nullopt, with `pos` unchanged, when no digit follows the sign.
    static std::optional<DecimalNumber> Read(std::string_view text, std::size_t& pos);
    // The number that is the whole of `text`, or nullopt.
    static std::optional<DecimalNumber> ReadWhole(std::string_view text);
};

}  // namespace venkora
