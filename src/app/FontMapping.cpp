#include "app/FontMapping.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace venkora {

namespace {

constexpr int kMinQtWeight = 1;
constexpr int kMaxQtWeight = 1000;
constexpr double kDefaultDotsPerInch = 96.0;

QFont::StyleHint StyleHintOf(std::uint8_t pitchAndFamily) {
    switch (pitchAndFamily & FontRecord::kFamilyMask) {
        case FontRecord::kFamilyRoman: return QFont::Serif;
        case FontRecord::kFamilySwiss: return QFont::SansSerif;
        case FontRecord::kFamilyModern: return QFont::Monospace;
        case FontRecord::kFamilyScript: return QFont::Cursive;
        case FontRecord::kFamilyDecorative: return QFont::Decorative;
        default: return QFont::AnyStyle;
    }
}

std::uint8_t FamilyBitsOf(QFont::StyleHint hint) {
    switch (hint) {
        case QFont::Serif: return FontRecord::kFamilyRoman;
        case QFont::SansSerif: return FontRecord::kFamilySwiss;
        case QFont::TypeWriter:
        case QFont::Monospace: return FontRecord::kFamilyModern;
        case QFont::Cursive: return FontRecord::kFamilyScript;
        case QFont::Decorative:
        case QFont::Fantasy: return FontRecord::kFamilyDecorative;
        case QFont::System:
        case QFont::AnyStyle: break;
    }
    return 0;
}

int CellHeight(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).height();
}

// The largest pixel size whose cell height does not exceed `cell` (at least 1): a first guess
// scaled from the cell height at `cell` pixels, then corrected step by step for rounding.
int PixelSizeForCellHeight(const QFont& font, int cell) {
    const int measured = CellHeight(font, cell);
    int size = measured > 0
                   ? static_cast<int>(std::lround(static_cast<double>(cell) * cell / measured))
                   : cell;
    size = std::clamp(size, 1, cell);
    while (size > 1 && CellHeight(font, size) > cell) --size;
    while (size < cell && CellHeight(font, size + 1) <= cell) ++size;
    return size;
}

// Whether `font` resolves to a font whose glyphs all advance alike. Qt's fixed-pitch flag comes
// from fontconfig's spacing property, which some monospace fonts lack (Noto Sans Mono); their
// glyph widths tell.
bool IsMonospaced(const QFont& font) {
    if (QFontInfo(font).fixedPitch()) return true;
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(QLatin1Char('M'));
    for (const char c : {'i', 'l', '.', ' '}) {
        if (metrics.horizontalAdvance(QLatin1Char(c)) != width) return false;
    }
    return true;
}

double LogicalDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : kDefaultDotsPerInch;
}

}  // namespace

bool CanMake(const FontRecord& record) {
    const std::int64_t magnitude = std::abs(static_cast<std::int64_t>(record.height));
    return magnitude <= kMaxFontPixelSize && (magnitude != 0 || !record.faceName().empty());
}

QFont ToQFont(const FontRecord& record) {
    QFont font;
    font.setStyleHint(StyleHintOf(record.pitchAndFamily));
    const QString face = QString::fromUtf8(record.faceName());
    font.setFamily(face.isEmpty() ? font.defaultFamily() : face);
    if (record.weight != 0) {
        font.setWeight(static_cast<QFont::Weight>(std::clamp(record.weight, kMinQtWeight,
                                                             kMaxQtWeight)));
    }
    font.setItalic(record.italic != 0);
    font.setUnderline(record.underline != 0);
    font.setStrikeOut(record.strikeOut != 0);

    const int pitch = record.pitchAndFamily & FontRecord::kPitchMask;
    if (pitch == FontRecord::kVariablePitch) font.setFixedPitch(false);
    if (pitch == FontRecord::kFixedPitch) {
        font.setFixedPitch(true);
        // Fontconfig substitutes a missing face by the style hint first, even a proportional
        // one; the monospace hint makes the substitute fixed-pitch. An installed face is kept.
        const bool substituted = QFontInfo(font).family().compare(face, Qt::CaseInsensitive) != 0;
        if (substituted && !IsMonospaced(font)) {
            font.setStyleHint(QFont::Monospace);
            if (face.isEmpty()) font.setFamily(font.defaultFamily());
        }
    }

    const int size = static_cast<int>(
        std::min<std::int64_t>(std::abs(static_cast<std::int64_t>(record.height)),
                               kMaxFontPixelSize));
    if (record.height < 0) font.setPixelSize(size);
    if (record.height > 0) font.setPixelSize(PixelSizeForCellHeight(font, size));
    return font;
}

FontRecord FromQFont(const QFont& font) {
    FontRecord record;
    const double pixels = font.pixelSize() > 0
                              ? font.pixelSize()
                              : font.pointSizeF() * LogicalDotsPerInch() / 72.0;
    record.height = -static_cast<std::int32_t>(
        std::lround(std::clamp(pixels, 1.0, static_cast<double>(kMaxFontPixelSize))));
    record.weight = font.weight();
    record.italic = font.italic() ? 1 : 0;
    record.underline = font.underline() ? 1 : 0;
    record.strikeOut = font.strikeOut() ? 1 : 0;
    record.charSet = FontRecord::kDefaultCharSet;
    record.pitchAndFamily = static_cast<std::uint8_t>(
        (IsMonospaced(font) ? FontRecord::kFixedPitch : FontRecord::kVariablePitch) |
        FamilyBitsOf(font.styleHint()));
    record.SetFaceName(font.family().toUtf8().toStdString());
    return record;
}

QFont DialogFont(const QFont& shown) {
    const QFontInfo drawn(shown);
    QFont offered = QFontDatabase::font(drawn.family(), drawn.styleName(),
                                        std::max(1, qRound(drawn.pointSizeF())));
    offered.setUnderline(shown.underline());
    offered.setStrikeOut(shown.strikeOut());
    return offered;
}

FontRecord ChosenFontRecord(const FontRecord& current, const QFont& offered, const QFont& chosen) {
    const FontRecord before = FromQFont(offered);
    const FontRecord after = FromQFont(chosen);
    const bool sameFamily = chosen.family() == offered.family();
    if (sameFamily && after == before) return current;
    if (current.height == 0 || !CanMake(current)) return after;

    FontRecord record = current;
    if (after.height != before.height) record.height = after.height;
    if (after.weight != before.weight) record.weight = after.weight;
    for (std::uint8_t FontRecord::*flag :
         {&FontRecord::italic, &FontRecord::underline, &FontRecord::strikeOut}) {
        if (after.*flag != before.*flag) record.*flag = after.*flag;
    }
    if (!sameFamily) {
        record.pitchAndFamily = after.pitchAndFamily;
        record.SetFaceName(after.faceName());
    }
    return record;
}

}  // namespace venkora
