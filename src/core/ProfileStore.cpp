#include "core/ProfileStore.h"

#include "core/DecimalNumber.h"

namespace venkora {

std::optional<std::uint32_t> ProfileStore::ParseInteger(std::string_view text) {
    const std::optional<DecimalNumber> number = DecimalNumber::ReadWhole(text);
    if (!number || number->magnitude > (number->negative ? 0x80000000u : 0xFFFFFFFFu)) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(number->magnitude);
    return number->negative ? static_cast<std::uint32_t>(0u - bits) : bits;
}

}  // namespace venkora
