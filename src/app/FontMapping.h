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

}  // namespace venkora
