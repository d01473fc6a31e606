#pragma once
// The logical font record of the display font: the fields the font dialog hands back and the
// settings keep, without any toolkit type. Heights are in pixels (negative: character height,
// positive: cell height, 0: no font chosen); the face name is a zero-terminated name of at most
// 31 bytes, so it is cut on the way in.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace venkora {

class FontRecord {
public:
    // Pitch in the low two bits of pitchAndFamily, the family in the four bits above them.
    static constexpr std::uint8_t kPitchMask = 0x03;
    static constexpr std::uint8_t kFixedPitch = 1;
    static constexpr std::uint8_t kVariablePitch = 2;
    static constexpr std::uint8_t kFamilyMask = 0xF0;
    static constexpr std::uint8_t kFamilyRoman = 0x10;
    static constexpr std::uint8_t kFamilySwiss = 0x20;
    static constexpr std::uint8_t kFamilyModern = 0x30;
    static constexpr std::uint8_t kFamilyScript = 0x40;
    static constexpr std::uint8_t kFamilyDecorative = 0x50;
    static constexpr std::uint8_t kDefaultCharSet = 1;
    static constexpr std::size_t kMaxFaceNameBytes = 31;

    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;

    const std::string& faceName() const { return faceName_; }
    // Keeps `name` up to its first zero byte and at most 31 bytes of it; a name that is valid
    // UTF-8 is cut back to the start of the character the limit falls into.
    void SetFaceName(std::string_view name);

    bool operator==(const FontRecord&) const = default;

private:
    std::string faceName_;
};

}  // namespace venkora
