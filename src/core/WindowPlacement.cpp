#include "core/WindowPlacement.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/DecimalNumber.h"

namespace venkora {

namespace {

// The next number from `pos` on as strtol (`isSigned`) or strtoul read it in base 10, as its
// low 32 bits; nullopt when no digit follows the blanks and the sign.
std::optional<std::uint32_t> ReadNumber(std::string_view text, std::size_t& pos, bool isSigned) {
    const auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (pos < text.size() && isSpace(text[pos])) ++pos;
    const std::optional<DecimalNumber> number = DecimalNumber::Read(text, pos);
    if (!number) return std::nullopt;
    const std::uint64_t magnitude = number->magnitude;
    std::uint64_t value = 0;
    if (isSigned) {
        // strtol: held at INT64_MIN and INT64_MAX.
        constexpr std::uint64_t kMinMagnitude = std::uint64_t{1} << 63;
        if (number->negative) {
            value = magnitude > kMinMagnitude ? kMinMagnitude : 0 - magnitude;
        } else {
            value = magnitude >= kMinMagnitude ? kMinMagnitude - 1 : magnitude;
        }
    } else {
        // strtoul: held at UINT64_MAX whatever the sign, otherwise negated modulo 2^64.
        value = number->overflow ? magnitude : number->negative ? 0 - magnitude : magnitude;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

std::string WindowPlacement::Format() const {
    std::string text = std::to_string(flags) + ',' + std::to_string(showCmd);
    for (std::int32_t number : {minPosition.x, minPosition.y, maxPosition.x, maxPosition.y,
                                normalPosition.left, normalPosition.top, normalPosition.right,
                                normalPosition.bottom}) {
        text.append(",").append(std::to_string(number));
    }
    return text;
}

std::optional<WindowPlacement> WindowPlacement::Parse(std::string_view text) {
    std::array<std::uint32_t, 10> numbers{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            if (pos == text.size() || text[pos] != ',') return std::nullopt;
            ++pos;
        }
        const auto number = ReadNumber(text, pos, i >= 2);
        if (!number) return std::nullopt;
        numbers[i] = *number;
    }
    const auto s = [&numbers](std::size_t i) { return static_cast<std::int32_t>(numbers[i]); };
    WindowPlacement placement;
    placement.flags = numbers[0];
    placement.showCmd = numbers[1];
    placement.minPosition = {s(2), s(3)};
    placement.maxPosition = {s(4), s(5)};
    placement.normalPosition = {s(6), s(7), s(8), s(9)};
    return placement;
}

WindowPlacement::Rect WindowPlacement::FitInto(const Rect& rect, const Rect& area, std::int32_t minWidth,
                                               std::int32_t minHeight) {
    // One axis: the start and end of the rectangle within [low, high).
    const auto fit = [](std::int64_t start, std::int64_t end, std::int64_t low, std::int64_t high, std::int64_t least) {
        const std::int64_t room = std::max<std::int64_t>(high - low, 0);
        const std::int64_t length = std::clamp<std::int64_t>(std::max(end - start, least), 0, room);
        const std::int64_t placed = std::clamp<std::int64_t>(start, low, low + room - length);
        return std::pair{static_cast<std::int32_t>(placed), static_cast<std::int32_t>(placed + length)};
    };
    const auto [left, right] = fit(rect.left, rect.right, area.left, area.right, minWidth);
    const auto [top, bottom] = fit(rect.top, rect.bottom, area.top, area.bottom, minHeight);
    return Rect{left, top, right, bottom};
}

}  // namespace venkora
