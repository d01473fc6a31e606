// The window placement as one line of ten numbers: formatting, and reading by the rules of
// sscanf, checked against the C library itself.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "core/WindowPlacement.h"

namespace venkora {
namespace {

WindowPlacement Placement(std::uint32_t flags, std::uint32_t showCmd, std::int32_t a,
                          std::int32_t b, std::int32_t c, std::int32_t d, std::int32_t left,
                          std::int32_t top, std::int32_t right, std::int32_t bottom) {
    WindowPlacement p;
    p.flags = flags;
    p.showCmd = showCmd;
    p.minPosition = {a, b};
    p.maxPosition = {c, d};
    p.normalPosition = {left, top, right, bottom};
    return p;
}

// What sscanf makes of the text, for comparison.
std::optional<WindowPlacement> ScanfReads(const std::string& text) {
    unsigned flags = 0;
    unsigned show = 0;
    int n[8] = {};
    if (std::sscanf(text.c_str(), "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", &flags, &show, &n[0], &n[1],
                    &n[2], &n[3], &n[4], &n[5], &n[6], &n[7]) != 10) {
        return std::nullopt;
    }
    return Placement(flags, show, n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7]);
}

TEST(WindowPlacement, FormatsTenNumbersAndReadsThemBack) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const WindowPlacement placements[] = {
        {},
        Placement(2, 3, -1, -1, -8, -30, 100, 120, 740, 600),
        Placement(4294967295u, 4294967295u, kMin, kMax, kMin, kMax, kMin, kMax, kMin, kMax),
    };
    EXPECT_EQ(placements[1].Format(), "2,3,-1,-1,-8,-30,100,120,740,600");
    EXPECT_EQ(placements[2].Format(),
              "4294967295,4294967295,-2147483648,2147483647,-2147483648,2147483647,"
              "-2147483648,2147483647,-2147483648,2147483647");
    for (const WindowPlacement& p : placements) {
        EXPECT_EQ(WindowPlacement::Parse(p.Format()), p) << p.Format();
    }
}

TEST(WindowPlacement, ParsesLikeSscanf) {
    struct Case {
        std::string text;
        std::optional<WindowPlacement> expected;
    };
    const auto ok = [](auto... numbers) { return std::optional(Placement(numbers...)); };
    const Case cases[] = {
        {"0,1,2,3,4,5,6,7,8,9", ok(0u, 1u, 2, 3, 4, 5, 6, 7, 8, 9)},
        {"0,1,2,3,4,5,6,7,8", std::nullopt},
        {"0,1,2,3,4,5,6,7,8,", std::nullopt},
        {"", std::nullopt},
        {"a,1,2,3,4,5,6,7,8,9", std::nullopt},
        {"0,1,2,3,x4,5,6,7,8,9", std::nullopt},
        {"0,1,2,3,4,5,6,7,8,9 und mehr,10", ok(0u, 1u, 2, 3, 4, 5, 6, 7, 8, 9)},
        {"0,1,2,3,4,5,6,7,8,9x", ok(0u, 1u, 2, 3, 4, 5, 6, 7, 8, 9)},
        {"0,1,2,3,4,5,6,7,8,9.5", ok(0u, 1u, 2, 3, 4, 5, 6, 7, 8, 9)},
        {" \t0,\n1, 2,  -3,+4,\v5,\f6,\r7, -8, 9 ", ok(0u, 1u, 2, -3, 4, 5, 6, 7, -8, 9)},
        {"0 ,1,2,3,4,5,6,7,8,9", std::nullopt},
        {"0,1,2,3,4,5,6,7,8 ,9", std::nullopt},
        {"0,1,2,3,4,- 5,6,7,8,9", std::nullopt},
        {"0,,1,2,3,4,5,6,7,8,9", std::nullopt},
        {"0;1;2;3;4;5;6;7;8;9", std::nullopt},
        {"0x10,1,2,3,4,5,6,7,8,9", std::nullopt},
        {"-1,-2,-3,-4,-5,-6,-7,-8,-9,-10",
         ok(4294967295u, 4294967294u, -3, -4, -5, -6, -7, -8, -9, -10)},
        {"-4294967295,+4294967295,0,0,0,0,0,0,0,0", ok(1u, 4294967295u, 0, 0, 0, 0, 0, 0, 0, 0)},
        // Out of range: held at the 64-bit limits, then cut to the low 32 bits.
        {"4294967296,4294967297,2147483648,4294967296,-2147483649,0,0,0,0,0",
         ok(0u, 1u, -2147483647 - 1, 0, 2147483647, 0, 0, 0, 0, 0)},
        {"99999999999999999999,-99999999999999999999,99999999999999999999,"
         "-99999999999999999999,0,0,0,0,0,0",
         ok(4294967295u, 4294967295u, -1, 0, 0, 0, 0, 0, 0, 0)},
        {"18446744073709551615,18446744073709551616,9223372036854775807,"
         "-9223372036854775808,9223372036854775808,-9223372036854775809,0,0,0,0",
         ok(4294967295u, 4294967295u, -1, 0, -1, 0, 0, 0, 0, 0)},
        {"00000000000000000000000000001,2,3,4,5,6,7,8,9,10", ok(1u, 2u, 3, 4, 5, 6, 7, 8, 9, 10)},
        {std::string("0,1,2,3,4\0,5,6,7,8,9", 20), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WindowPlacement::Parse(c.text), c.expected);
        EXPECT_EQ(ScanfReads(c.text), c.expected) << "the C library reads it otherwise";
    }
}

TEST(WindowPlacement, FitsARectangleIntoTheScreensFreeArea) {
    using Rect = WindowPlacement::Rect;
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const Rect area{0, 30, 1024, 768};
    const struct {
        Rect stored;
        Rect fitted;
    } cases[] = {
        {{100, 100, 700, 500}, {100, 100, 700, 500}},     // inside: unchanged
        {{kMin, kMin, kMax, kMax}, {0, 30, 1024, 768}},   // larger than the screen: the screen
        {{900, 700, 1300, 1000}, {624, 468, 1024, 768}},  // over the edge: moved in, same size
        {{-5000, 10, -4600, 210}, {0, 30, 400, 230}},     // off the screen: moved in
        {{kMax, kMax, kMin, kMin}, {924, 668, 1024, 768}},  // no size: the least size
    };
    for (const auto& c : cases) {
        const Rect fitted = WindowPlacement::FitInto(c.stored, area, 100, 100);
        EXPECT_EQ(fitted, c.fitted) << fitted.left << "," << fitted.top << "," << fitted.right << "," << fitted.bottom;
    }
}

}  // namespace
}  // namespace venkora
