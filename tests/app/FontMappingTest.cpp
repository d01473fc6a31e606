// The display font's record against QFont on the offscreen platform with the fonts installed
// here: the default font, round trips, fixed pitch for missing faces, cell heights, limits.
// Which fonts are installed differs from machine to machine ("Courier" may be missing or an
// alias of a metric clone), so expectations come from the fonts actually drawn.

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include <cstdint>
#include <string>

#include "AppFixture.h"
#include "app/FontMapping.h"

namespace venkora {
namespace {

using test::ColumnsLineUp;

FontRecord Record(std::int32_t height, std::int32_t weight, std::uint8_t style,
                  std::uint8_t pitchAndFamily, const char* face) {
    FontRecord record;
    record.height = height;
    record.weight = weight;
    record.italic = style & 1;
    record.underline = style & 2;
    record.pitchAndFamily = pitchAndFamily;
    record.SetFaceName(face);
    return record;
}

TEST(FontMappingTest, DefaultCourierIsFixedPitchAt13Pixels) {
    const QFont font = ToQFont(Record(-13, 400, 0, 0x31, "Courier"));
    const QFontInfo info(font);
    RecordProperty("family", info.family().toStdString());
    EXPECT_TRUE(ColumnsLineUp(font)) << info.family().toStdString();
    EXPECT_EQ(info.pixelSize(), 13);
}

TEST(FontMappingTest, RoundTripKeepsTheChosenFields) {
    for (const FontRecord& record :
         {Record(-13, 400, 0, 0x31, "Courier"), Record(-20, 700, 1, 0x22, "DejaVu Sans"),
          Record(-9, 300, 2, 0x12, "DejaVu Serif"), Record(-40, 900, 3, 0x52, "Gibt es nicht")}) {
        const FontRecord back = FromQFont(ToQFont(record));
        EXPECT_EQ(back.height, record.height) << record.faceName();
        EXPECT_EQ(back.weight, record.weight) << record.faceName();
        EXPECT_EQ(back.italic, record.italic) << record.faceName();
        EXPECT_EQ(back.underline != 0, record.underline != 0) << record.faceName();
        EXPECT_EQ(back.pitchAndFamily & 0xF0, record.pitchAndFamily & 0xF0) << record.faceName();
        EXPECT_EQ(back.faceName(), record.faceName());
    }
}

// Fontconfig substitutes a missing face by its style hint first, even by a proportional font;
// a record asking for fixed pitch gets a font whose columns line up all the same. An installed
// face is kept, and a record asking for variable pitch is not made fixed.
TEST(FontMappingTest, FixedPitchIsKeptForMissingFacesOnly) {
    const struct {
        const char* face;
        std::uint8_t pitchAndFamily;
    } fixed[] = {{"Gibt es nicht", 0x11}, {"Gibt es nicht", 0x21}, {"", 0x01}, {"Courier", 0x11}};
    for (const auto& c : fixed) {
        const QFont font = ToQFont(Record(-13, 400, 0, c.pitchAndFamily, c.face));
        EXPECT_TRUE(ColumnsLineUp(font)) << c.face << " " << int{c.pitchAndFamily} << ": "
                                         << QFontInfo(font).family().toStdString();
    }

    const QFont installed = ToQFont(Record(-13, 400, 0, 0x21, "DejaVu Sans"));
    EXPECT_EQ(QFontInfo(installed).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_FALSE(ColumnsLineUp(installed));

    QFont serif;  // what the roman family bits alone give here
    serif.setStyleHint(QFont::Serif);
    serif.setFamily(serif.defaultFamily());
    serif.setPixelSize(13);
    EXPECT_EQ(ColumnsLineUp(ToQFont(Record(-13, 400, 0, 0x12, "Gibt es nicht"))),
              ColumnsLineUp(serif));
}

// The pitch bits of a font's record say whether its columns line up, also for monospace fonts
// that fontconfig does not mark as such.
TEST(FontMappingTest, TheRecordsPitchIsThatOfTheFontDrawn) {
    for (const QFont::StyleHint hint : {QFont::Monospace, QFont::SansSerif, QFont::Serif}) {
        QFont font;
        font.setStyleHint(hint);
        font.setFamily(font.defaultFamily());
        font.setPixelSize(13);
        EXPECT_EQ(FromQFont(font).pitchAndFamily & 0x03, ColumnsLineUp(font) ? 1 : 2)
            << QFontInfo(font).family().toStdString();
    }
}

TEST(FontMappingTest, PositiveHeightIsTheLargestFittingCellHeight) {
    for (std::int32_t cell = 2; cell <= 60; ++cell) {
        QFont font = ToQFont(Record(cell, 400, 0, 0x12, "DejaVu Serif"));
        EXPECT_LE(QFontMetrics(font).height(), cell);
        font.setPixelSize(font.pixelSize() + 1);
        EXPECT_GT(QFontMetrics(font).height(), cell);
    }
}

TEST(FontMappingTest, AFontNeedsAFaceOrAHeightWithinTheLimit) {
    EXPECT_TRUE(CanMake(Record(0, 400, 0, 0x31, "Courier")));
    EXPECT_FALSE(CanMake(Record(0, 400, 0, 0x31, "")));
    EXPECT_TRUE(CanMake(Record(-kMaxFontPixelSize, 400, 0, 0x31, "")));
    EXPECT_FALSE(CanMake(Record(kMaxFontPixelSize + 1, 400, 0, 0x31, "Courier")));
    const FontRecord lowest = Record(-2147483647 - 1, 400, 0, 0x31, "Courier");
    EXPECT_FALSE(CanMake(lowest));
    EXPECT_EQ(ToQFont(lowest).pixelSize(), kMaxFontPixelSize);
}

}  // namespace
}  // namespace venkora
