#include "core/ProfileStore.h"

#include "core/DecimalNumber.h"

namespace venkora {

std::optional<std::uint32_t> ProfileStore::ParseInteger(std::string_view text) {
    const std::optional<DecimalNumber> number = DecimalNumber::ReadWhole(text);
    if (!number || number->magnitude > (number->negative ? 0x80000000u : 0xFFFFFFFFu)) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(number->magnitude);
    return number->negative ? static_cast<std::uint32_t>(0u - bits) : bits;
}

bool ProfileStore::SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldName(a) == FoldName(b);
}

std::string ProfileStore::FoldName(std::string_view name) {
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(folded[i]);
        if (byte >= 'A' && byte <= 'Z') {
            folded[i] = static_cast<char>(byte + ('a' - 'A'));
        } else if (byte == 0xC3 && i + 1 < folded.size()) {
            // U+00C0..U+00DE are C3 80..C3 9E in UTF-8; their lower-case letters are 0x20
            // further on. U+00D7 (the multiplication sign) is no letter.
            const auto next = static_cast<unsigned char>(folded[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) {
                folded[i + 1] = static_cast<char>(next + 0x20);
                ++i;
            }
        }
    }
    return folded;
}

}  // namespace venkora
