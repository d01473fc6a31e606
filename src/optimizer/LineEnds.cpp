#include "optimizer/LineEnds.h"

#include <cassert>
#include <utility>

#include "optimizer/ByteScan.h"

namespace venkora {

namespace {

// Calls `end(at, length)` for each line end, read from left to right: a CR LF or LF CR pair is
// one of two bytes, any other CR or LF one of one byte.
template <typename End>
void ForEachLineEnd(std::string_view text, End&& end) {
    const char* p = text.data();
    const std::size_t size = text.size();
    for (std::size_t at = scan::FindBreakByteOrEnd(p, 0, size); at < size;) {
        const bool pair = at + 1 < size && scan::IsBreakByte(p[at + 1]) && p[at + 1] != p[at];
        const std::size_t length = pair ? 2 : 1;
        end(at, length);
        at = scan::FindBreakByteOrEnd(p, at + length, size);
    }
}

// The other of the two line-end bytes.
char OtherByte(char c) { return c == '\n' ? '\r' : '\n'; }

// Turns every line end of the `size` bytes at `p` into the one byte `to`, in place: only the
// other byte needs looking at. It goes where it pairs with a `to` beside it and becomes `to`
// where it stands alone. Returns the size kept at the front and whether anything changed.
std::pair<std::size_t, bool> ToOneByte(char* p, std::size_t size, char to) {
    const char other = OtherByte(to);
    std::size_t at = scan::FindByteOrEnd(p, 0, size, other);
    if (at == size) return {size, false};
    scan::Compactor c{p, at, at};
    std::size_t ended = 0;  // the line ends read so far lie before this
    while (at < size) {
        c.KeepUntil(at);
        // A `to` in front that no line end has taken yet (bytes from `ended` on are as read).
        const bool pairsBefore = at > ended && p[at - 1] == to;
        const bool pairsAfter = !pairsBefore && at + 1 < size && p[at + 1] == to;
        if (!pairsBefore && !pairsAfter) p[c.write++] = to;
        c.read = at + 1;
        ended = at + (pairsAfter ? 2 : 1);
        at = scan::FindByteOrEnd(p, c.read, size, other);
    }
    c.KeepUntil(size);
    return {c.write, true};
}

}  // namespace

LineEndKind LineEndKindOf(std::string_view text) {
    const bool cr = text.find('\r') != std::string_view::npos;
    const bool lf = text.find('\n') != std::string_view::npos;
    if (lf && !cr) return LineEndKind::Lf;
    if (cr && !lf) return LineEndKind::Cr;
    return LineEndKind::CrLf;
}

std::string_view LineEndBytes(LineEndKind kind) {
    switch (kind) {
        case LineEndKind::Lf: return "\n";
        case LineEndKind::Cr: return "\r";
        case LineEndKind::CrLf: break;
    }
    return "\r\n";
}

std::size_t ConvertedLineEndsSize(std::string_view text, LineEndKind to) {
    const std::size_t width = LineEndBytes(to).size();
    std::size_t size = text.size();
    ForEachLineEnd(text, [&](std::size_t, std::size_t length) { size = size - length + width; });
    return size;
}

bool LineEndsAre(std::string_view text, LineEndKind kind) {
    if (kind != LineEndKind::CrLf) {
        return text.find(OtherByte(LineEndBytes(kind)[0])) == std::string_view::npos;
    }
    const char* p = text.data();
    const std::size_t size = text.size();
    for (std::size_t at = scan::FindBreakByteOrEnd(p, 0, size); at < size;
         at = scan::FindBreakByteOrEnd(p, at + 2, size)) {
        if (p[at] != '\r' || at + 1 == size || p[at + 1] != '\n') return false;
    }
    return true;
}

bool ConvertLineEnds(std::string_view text, LineEndKind to, std::string& result) {
    const std::string_view end = LineEndBytes(to);
    const std::size_t base = result.size();
    if (end.size() == 1) {
        result.append(text);
        const auto [kept, changed] = ToOneByte(result.data() + base, text.size(), end[0]);
        result.resize(base + kept);
        return changed;
    }
    std::size_t copied = 0;  // the text before this is in `result`
    ForEachLineEnd(text, [&](std::size_t at, std::size_t length) {
        if (text.substr(at, length) == end) return;
        result.append(text.substr(copied, at - copied)).append(end);
        copied = at + length;
    });
    result.append(text.substr(copied));
    return copied != 0;
}

void ConvertLineEnds(std::string& text, LineEndKind to) {
    if (to != LineEndKind::CrLf) {
        text.resize(ConvertLineEndsInPlace(text, to));
        return;
    }
    std::string converted;
    converted.reserve(ConvertedLineEndsSize(text, to));
    ConvertLineEnds(text, to, converted);
    text.swap(converted);
}

std::size_t ConvertLineEndsInPlace(std::span<char> text, LineEndKind to) {
    assert(to != LineEndKind::CrLf);
    return ToOneByte(text.data(), text.size(), LineEndBytes(to)[0]).first;
}

}  // namespace venkora
