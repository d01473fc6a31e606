#include "core/ProfileStore.h"

#include <cassert>

#include "core/DecimalNumber.h"

namespace venkora {

std::int32_t ProfileStore::ReadInteger(const StoredSetting& setting) const {
    assert(setting.kind == StoredSetting::Kind::Integer || setting.kind == StoredSetting::Kind::Byte);
    const std::uint32_t bits =
        GetInt(setting.section, setting.key, static_cast<std::uint32_t>(setting.defaultInteger));
    if (setting.kind == StoredSetting::Kind::Byte) return static_cast<std::int32_t>(bits & 0xFFu);
    return static_cast<std::int32_t>(bits);
}

std::string ProfileStore::ReadText(const StoredSetting& setting) const {
    assert(setting.kind == StoredSetting::Kind::Text);
    return GetString(setting.section, setting.key, setting.defaultText);
}

std::string ProfileStore::ReadBytes(const StoredSetting& setting) const {
    assert(setting.kind == StoredSetting::Kind::Bytes);
    return GetBinary(setting.section, setting.key);
}

void ProfileStore::WriteInteger(const StoredSetting& setting, std::int32_t value) {
    assert(setting.kind == StoredSetting::Kind::Integer || setting.kind == StoredSetting::Kind::Byte);
    WriteInt(setting.section, setting.key, static_cast<std::uint32_t>(value));
}

void ProfileStore::WriteText(const StoredSetting& setting, std::string_view value) {
    assert(setting.kind == StoredSetting::Kind::Text);
    WriteString(setting.section, setting.key, value);
}

void ProfileStore::WriteBytes(const StoredSetting& setting, std::string_view bytes) {
    assert(setting.kind == StoredSetting::Kind::Bytes);
    WriteBinary(setting.section, setting.key, bytes);
}

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
