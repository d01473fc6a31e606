#pragma once
// The main view's settings that last from one run to the next: tab width, word wrap, whether
// blanks are shown and the display font. The application owns the one record of a run and
// hands it to the main view, which keeps it up to date; it is read when the view is made and
// written back once at exit. Each setting is held twice, as its current value and as the value
// read at start-up, and only what differs is written. Values are taken as stored (keys and
// defaults in resources/SettingsSchema.h), without range checks, and compared as stored (a word
// wrap of 5 is on, yet differs from 1).

#include <cstdint>

#include "app/FontRecord.h"
#include "core/ProfileStore.h"

namespace venkora {

class ViewSettings {
public:
    // The tab lengths a user may choose, in characters (the dialog "Tabulatoren Länge"), and
    // dialog units to a character.
    static constexpr int kMinTabLength = 1;
    static constexpr int kMaxTabLength = 16;
    static constexpr int kUnitsPerCharacter = 4;

    // Tab width in dialog units (4 to an average character), the edit area's one tab stop.
    std::int32_t tabWidth() const { return tabWidth_; }
    void SetTabWidth(std::int32_t width) { tabWidth_ = width; }
    // 0 = off, anything else = on.
    std::int32_t wordWrap() const { return wordWrap_; }
    void SetWordWrap(std::int32_t wrap) { wordWrap_ = wrap; }
    // Whether spaces, tabs and line ends are drawn visibly: 0 = no, anything else = yes.
    std::int32_t showBlanks() const { return showBlanks_; }
    void SetShowBlanks(std::int32_t show) { showBlanks_ = show; }
    // Height 0 means no font of the view's own: the edit area shows the default font.
    const FontRecord& font() const { return font_; }
    const FontRecord& startupFont() const { return startupFont_; }
    void SetFont(const FontRecord& font) { font_ = font; }

    // The stored word wrap and visible blanks into their current and start-up values; read
    // before the view's edit area is made.
    void ReadWordWrap(const ProfileStore& store);
    // The stored tab width into current and start-up tab width, then the font into the current
    // font and a copy of it into the start-up font; read when the view is created.
    void ReadTabWidthAndFont(const ProfileStore& store);
    // Fills `font` from the store: the height; when that is not 0 also the weight, the low 8 bits
    // of italic, underline, pitch and family and character set, and the face name cut to 31
    // bytes. With a height of 0 the other fields are left as they are.
    static void ReadFontSetting(const ProfileStore& store, FontRecord& font);
    // Writes the persisted fields of `current` that differ from `startup` (the height always when
    // it differs, the others only when the current height is not 0), then makes `startup` equal
    // to `current`, so that a second call writes nothing.
    static void WriteFontSetting(ProfileStore& store, const FontRecord& current, FontRecord& startup);
    // The exit step: tab width, word wrap and visible blanks when they differ from start-up, then
    // the font.
    void SaveViewSettings(ProfileStore& store);

private:
    std::int32_t tabWidth_ = 0;
    std::int32_t startupTabWidth_ = 0;
    std::int32_t wordWrap_ = 0;
    std::int32_t startupWordWrap_ = 0;
    std::int32_t showBlanks_ = 0;
    std::int32_t startupShowBlanks_ = 0;
    FontRecord font_;
    FontRecord startupFont_;
};

}  // namespace venkora
