#include "optimizer/LineEnds.h"

#include "optimizer/ByteScan.h"

namespace venkora {

namespace {

// Calls `line(from, to)` for each stretch of the text without line end and `end()` for each
// line end behind it, from left to right.
template <typename Line, typename End>
void ForEachLine(std::string_view text, Line&& line, End&& end) {
    const char* p = text.data();
    const std::size_t size = text.size();
    std::size_t from = 0;
    while (from <= size) {
        std::size_t at = from;
        while (at < size && !scan::IsBreakByte(p[at])) ++at;
        line(from, at);
        if (at == size) return;
        const bool pair = at + 1 < size && scan::IsBreakByte(p[at + 1]) && p[at + 1] != p[at];
        end(at, pair ? 2u : 1u);
        from = at + (pair ? 2 : 1);
    }
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
    std::size_t size = 0;
    ForEachLine(text, [&](std::size_t from, std::size_t end) { size += end - from; },
                [&](std::size_t, std::size_t) { size += width; });
    return size;
}

bool ConvertLineEnds(std::string_view text, LineEndKind to, std::string& result) {
    const std::string_view end = LineEndBytes(to);
    bool changed = false;
    ForEachLine(
        text, [&](std::size_t from, std::size_t until) { result.append(text.substr(from, until - from)); },
        [&](std::size_t at, std::size_t length) {
            changed = changed || text.substr(at, length) != end;
            result.append(end);
        });
    return changed;
}

}  // namespace venkora
