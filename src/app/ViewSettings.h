#pragma once
// The main view's settings that last from one run to the next: tab width, word wrap and display
// font. There is one record per program (Instance()); it is filled when the main view is created,
// outlives the view and is written back once at exit. Each setting is held twice, as its current
// value and as the value read at start-up, and only what differs is written. Values are taken
// as stored, without range checks, and compared as stored (a word wrap of 5 is on, yet differs
// from 1). Tests construct records of their own.

#include <cstdint>
#include <string_view>

#include "app/FontRecord.h"
#include "core/ProfileStore.h"

namespace venkora {

class ViewSettings {
public:
    static constexpr std::string_view kSettingsSection = "Einstellungen";
    static constexpr std::string_view kFontSection = "Schriftart";
    static constexpr std::int32_t kDefaultTabWidth = 32;
    static constexpr std::int32_t kDefaultFontHeight = -13;
    static constexpr std::uint8_t kDefaultPitchAndFamily =
        FontRecord::kFixedPitch | FontRecord::kFamilyModern;
    static constexpr std::string_view kDefaultFaceName = "Courier";

    // The program's record; every field is zero until the main view reads the store.
    static ViewSettings& Instance();

    // Tab width in dialog units (4 to an average character), the edit area's one tab stop.
    std::int32_t tabWidth() const { return tabWidth_; }
    std::int32_t startupTabWidth() const { return startupTabWidth_; }
    void SetTabWidth(std::int32_t width) { tabWidth_ = width; }
    // 0 = off, anything else = on.
    std::int32_t wordWrap() const { return wordWrap_; }
    std::int32_t startupWordWrap() const { return startupWordWrap_; }
    void SetWordWrap(std::int32_t wrap) { wordWrap_ = wrap; }
    // Height 0 means no font of the view's own: the edit area shows the default font.
    const FontRecord& font() const { return font_; }
    const FontRecord& startupFont() const { return startupFont_; }
    void SetFont(const FontRecord& font) { font_ = font; }

    // "Einstellungen" / "Zeilenumbruch" (default 0) into current and start-up word wrap; read
    // before the view's edit area is made.
    void ReadWordWrap(const ProfileStore& store);
    // "Einstellungen" / "TabStops" (default 32) into current and start-up tab width, then the
    // font of "Schriftart" into the current font and a copy of it into the start-up font; read
    // when the view is created.
    void ReadTabWidthAndFont(const ProfileStore& store);
    // Fills `font` from `section`: "Höhe" (default -13); when that is not 0 also "Dicke" (400),
    // the low 8 bits of "Kursiv" (0), "Unterstrichen" (0), "PitchAndFamily" (49) and "CharSet"
    // (1), and "Art" ("Courier") cut to 31 bytes. With a height of 0 the other fields are left
    // as they are.
    static void ReadFontSetting(const ProfileStore& store, std::string_view section,
                                FontRecord& font);
    // Writes the persisted fields of `current` that differ from `startup` ("Höhe" always when
    // it differs, the others only when the current height is not 0), then makes `startup` equal
    // to `current`, so that a second call writes nothing.
    static void WriteFontSetting(ProfileStore& store, std::string_view section,
                                 const FontRecord& current, FontRecord& startup);
    // The exit step: tab width and word wrap when they differ from start-up, then the font.
    void SaveViewSettings(ProfileStore& store);

private:
    std::int32_t tabWidth_ = 0;
    std::int32_t startupTabWidth_ = 0;
    std::int32_t wordWrap_ = 0;
    std::int32_t startupWordWrap_ = 0;
    FontRecord font_;
    FontRecord startupFont_;
};

}  // namespace venkora
