#include "app/ViewSettings.h"

namespace venkora {

namespace {

// Stored integers are 32 bits taken as signed: 4294967283 is -13.
std::int32_t GetSigned(const ProfileStore& store, std::string_view section, std::string_view key,
                       std::int32_t defaultValue) {
    return static_cast<std::int32_t>(
        store.GetInt(section, key, static_cast<std::uint32_t>(defaultValue)));
}

// The low 8 bits of a stored integer: 257 is 1.
std::uint8_t GetByte(const ProfileStore& store, std::string_view section, std::string_view key,
                     std::uint8_t defaultValue) {
    return static_cast<std::uint8_t>(store.GetInt(section, key, defaultValue) & 0xFFu);
}

void WriteSigned(ProfileStore& store, std::string_view section, std::string_view key,
                 std::int32_t value) {
    store.WriteInt(section, key, static_cast<std::uint32_t>(value));
}

}  // namespace

ViewSettings& ViewSettings::Instance() {
    static ViewSettings settings;
    return settings;
}

void ViewSettings::ReadWordWrap(const ProfileStore& store) {
    wordWrap_ = GetSigned(store, kSettingsSection, "Zeilenumbruch", 0);
    startupWordWrap_ = wordWrap_;
}

void ViewSettings::ReadTabWidthAndFont(const ProfileStore& store) {
    tabWidth_ = GetSigned(store, kSettingsSection, "TabStops", kDefaultTabWidth);
    startupTabWidth_ = tabWidth_;
    ReadFontSetting(store, kFontSection, font_);
    startupFont_ = font_;
}

void ViewSettings::ReadFontSetting(const ProfileStore& store, std::string_view section,
                                   FontRecord& font) {
    font.height = GetSigned(store, section, "Höhe", kDefaultFontHeight);
    if (font.height == 0) return;
    font.weight = GetSigned(store, section, "Dicke", FontRecord::kWeightNormal);
    font.italic = GetByte(store, section, "Kursiv", 0);
    font.underline = GetByte(store, section, "Unterstrichen", 0);
    font.pitchAndFamily = GetByte(store, section, "PitchAndFamily", kDefaultPitchAndFamily);
    font.charSet = GetByte(store, section, "CharSet", FontRecord::kDefaultCharSet);
    font.SetFaceName(store.GetString(section, "Art", kDefaultFaceName));
}

void ViewSettings::WriteFontSetting(ProfileStore& store, std::string_view section,
                                    const FontRecord& current, FontRecord& startup) {
    if (current.height != startup.height) WriteSigned(store, section, "Höhe", current.height);
    if (current.height != 0) {
        if (current.weight != startup.weight) {
            WriteSigned(store, section, "Dicke", current.weight);
        }
        const struct {
            std::string_view key;
            std::uint8_t FontRecord::*field;
        } bytes[] = {
            {"Kursiv", &FontRecord::italic},
            {"Unterstrichen", &FontRecord::underline},
            {"PitchAndFamily", &FontRecord::pitchAndFamily},
            {"CharSet", &FontRecord::charSet},
        };
        for (const auto& [key, field] : bytes) {
            if (current.*field != startup.*field) store.WriteInt(section, key, current.*field);
        }
        if (current.faceName() != startup.faceName()) {
            store.WriteString(section, "Art", current.faceName());
        }
    }
    startup = current;
}

void ViewSettings::SaveViewSettings(ProfileStore& store) {
    if (tabWidth_ != startupTabWidth_) {
        WriteSigned(store, kSettingsSection, "TabStops", tabWidth_);
    }
    if (wordWrap_ != startupWordWrap_) {
        WriteSigned(store, kSettingsSection, "Zeilenumbruch", wordWrap_);
    }
    WriteFontSetting(store, kFontSection, font_, startupFont_);
}

}  // namespace venkora
