#pragma once
// Where the main window stood and how it was shown, as one line of ten numbers for the
// settings: "flags,showCmd,minX,minY,maxX,maxY,left,top,right,bottom".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace venkora {

struct WindowPlacement {
    struct Point {
        std::int32_t x = 0;
        std::int32_t y = 0;
        bool operator==(const Point&) const = default;
    };
    struct Rect {
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t right = 0;
        std::int32_t bottom = 0;
        bool operator==(const Rect&) const = default;
    };

    std::uint32_t flags = 0;
    std::uint32_t showCmd = 0;
    Point minPosition;
    Point maxPosition;
    Rect normalPosition;

    bool operator==(const WindowPlacement&) const = default;

    // The two unsigned and eight signed numbers in decimal, separated by commas.
    std::string Format() const;

    // Reads the ten numbers the way sscanf reads "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d": white space
    // may stand in front of each number, each comma must follow its number directly, text
    // behind the tenth number is ignored; fewer than ten numbers give nullopt. A number may
    // carry a sign, also the two unsigned ones (negative ones wrap around, as with strtoul).
    // A number out of range is taken like the C library on 64-bit Linux does: read as a
    // 64-bit number, held at the 64-bit limits like strtol and strtoul, then cut to its low
    // 32 bits.
    static std::optional<WindowPlacement> Parse(std::string_view text);

    // `rect` fitted into `area` (a screen's free area) as the desktop places a window: at least
    // `minWidth` x `minHeight` large but no wider or higher than the area, and moved by as
    // little as it takes to lie wholly inside it. A rectangle with right < left (or bottom <
    // top) has no width (height) of its own.
    static Rect FitInto(const Rect& rect, const Rect& area, std::int32_t minWidth = 0, std::int32_t minHeight = 0);
};

}  // namespace venkora
