#include "app/ViewSettings.h"

#include "resources/SettingsSchema.h"

namespace venkora {

void ViewSettings::ReadWordWrap(const ProfileStore& store) {
    wordWrap_ = store.ReadInteger(Setting(SettingId::WordWrap));
    startupWordWrap_ = wordWrap_;
    showBlanks_ = store.ReadInteger(Setting(SettingId::ShowBlanks));
    startupShowBlanks_ = showBlanks_;
}

void ViewSettings::ReadTabWidthAndFont(const ProfileStore& store) {
    tabWidth_ = store.ReadInteger(Setting(SettingId::TabStops));
    startupTabWidth_ = tabWidth_;
    ReadFontSetting(store, font_);
    startupFont_ = font_;
}

void ViewSettings::ReadFontSetting(const ProfileStore& store, FontRecord& font) {
    font.height = store.ReadInteger(Setting(SettingId::FontHeight));
    if (font.height == 0) return;
    font.weight = store.ReadInteger(Setting(SettingId::FontWeight));
    const auto byte = [&store](SettingId id) { return static_cast<std::uint8_t>(store.ReadInteger(Setting(id))); };
    font.italic = byte(SettingId::FontItalic);
    font.underline = byte(SettingId::FontUnderline);
    font.pitchAndFamily = byte(SettingId::FontPitchAndFamily);
    font.charSet = byte(SettingId::FontCharSet);
    font.SetFaceName(store.ReadText(Setting(SettingId::FontFaceName)));
}

void ViewSettings::WriteFontSetting(ProfileStore& store, const FontRecord& current, FontRecord& startup) {
    if (current.height != startup.height) store.WriteInteger(Setting(SettingId::FontHeight), current.height);
    if (current.height != 0) {
        if (current.weight != startup.weight) store.WriteInteger(Setting(SettingId::FontWeight), current.weight);
        const struct {
            SettingId id;
            std::uint8_t FontRecord::*field;
        } bytes[] = {
            {SettingId::FontItalic, &FontRecord::italic},
            {SettingId::FontUnderline, &FontRecord::underline},
            {SettingId::FontPitchAndFamily, &FontRecord::pitchAndFamily},
            {SettingId::FontCharSet, &FontRecord::charSet},
        };
        for (const auto& [id, field] : bytes) {
            if (current.*field != startup.*field) store.WriteInteger(Setting(id), current.*field);
        }
        if (current.faceName() != startup.faceName()) {
            store.WriteText(Setting(SettingId::FontFaceName), current.faceName());
        }
    }
    startup = current;
}

void ViewSettings::SaveViewSettings(ProfileStore& store) {
    if (tabWidth_ != startupTabWidth_) store.WriteInteger(Setting(SettingId::TabStops), tabWidth_);
    if (wordWrap_ != startupWordWrap_) store.WriteInteger(Setting(SettingId::WordWrap), wordWrap_);
    if (showBlanks_ != startupShowBlanks_) store.WriteInteger(Setting(SettingId::ShowBlanks), showBlanks_);
    WriteFontSetting(store, font_, startupFont_);
}

}  // namespace venkora
