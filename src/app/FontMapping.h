#pragma once
// Between the display font's record (FontRecord) and Qt's QFont: the record is what the
// settings keep, the QFont is what the edit area shows. The character set stays in the record;
// Qt picks glyphs by Unicode and has no use for it.

#include <QFont>

#include "app/FontRecord.h"

namespace venkora {

// Pixel sizes above this are refused (CanMake) or cut down (ToQFont, FromQFont): Qt's font
// metrics overflow well before its own limit of 65535 pixels, and no screen shows such a font.
inline constexpr std::int32_t kMaxFontPixelSize = 8192;

// Whether the view can show `record`: a height of at most kMaxFontPixelSize pixels either way,
// and a face name or a height to go by.
bool CanMake(const FontRecord& record);

// The font `record` asks for: a negative height is the pixel size, a positive one the cell
// height (ascent plus descent) the font must not exceed, 0 the default size; weight 1..1000
// (0 the default), italic, underline, strike-out, fixed or variable pitch, the family bits as
// style hint, the face as family (none: the style hint's default family). A record asking for
// fixed pitch whose face is not installed and whose substitute is proportional gets a
// monospace substitute instead.
QFont ToQFont(const FontRecord& record);

// The record of `font`: its pixel size (or its point size at the screen's logical resolution)
// as negative height, weight, italic, underline, strike-out, the pitch of the font it resolves
// to, the family bits of its style hint, its family cut to 31 bytes, and the default character
// set.
FontRecord FromQFont(const QFont& font);

// The font the font dialog opens on when the edit area shows `shown`: the family and the face
// style the toolkit draws for it, named as the dialog's lists name them, at the nearest whole
// point size (the dialog knows no other), with the underline and strike-out of `shown`.
QFont DialogFont(const QFont& shown);

// The record of the font `chosen` in a dialog that opened on `offered`, the DialogFont of what
// `current` shows. What the user left alone (family, size, weight, italic, underline, strike-out)
// stays as `current` has it, so that confirming the dialog unchanged gives `current` back; what
// the user changed comes from FromQFont(chosen), a new family with its pitch and family bits.
// When the edit area shows its default font instead of `current` (height 0, or a font that
// cannot be made), a change takes the whole record of `chosen`.
FontRecord ChosenFontRecord(const FontRecord& current, const QFont& offered, const QFont& chosen);

}  // namespace venkora
