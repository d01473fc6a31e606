#include "optimizer/TextConventions.h"

#include <cstring>

#include "core/CodePage.h"
#include "optimizer/ByteScan.h"

namespace venkora {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool EndsInLineEnd(std::string_view text) {
    return !text.empty() && scan::IsBreakByte(text.back());
}

bool HasTrailingBlanks(std::string_view text) {
    const char* p = text.data();
    const std::size_t size = text.size();
    for (std::size_t at = scan::FindBreakByteOrEnd(p, 0, size);;
         at = scan::FindBreakByteOrEnd(p, at + 1, size)) {
        if (at > 0 && IsBlank(p[at - 1])) return true;
        if (at == size) return false;
    }
}

// Deletes the blanks in front of every CR and LF and at the end, moving the rest forward.
void TrimTrailingBlanks(std::string& text) {
    char* p = text.data();
    const std::size_t size = text.size();
    std::size_t write = 0;  // the text kept so far lies before this
    std::size_t read = 0;   // the bytes from here on are as they were
    for (std::size_t at = scan::FindBreakByteOrEnd(p, 0, size);;
         at = scan::FindBreakByteOrEnd(p, at + 1, size)) {
        std::size_t kept = at;
        while (kept > read && IsBlank(p[kept - 1])) --kept;
        if (write != read) std::memmove(p + write, p + read, kept - read);
        write += kept - read;
        read = at;
        if (at == size) break;
    }
    text.resize(write);
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

BrokenConventions FindBrokenConventions(std::string_view text, const TextConventions& conventions) {
    BrokenConventions broken;
    broken.trailingBlanks = conventions.trimTrailingBlanks && HasTrailingBlanks(text);
    broken.lineEnds = conventions.lineEnd && !LineEndsAre(text, *conventions.lineEnd);
    broken.finalLineEnd = conventions.finalLineEnd && !text.empty() &&
                          EndsInLineEnd(text) != *conventions.finalLineEnd;
    if (conventions.utf8 && !text.empty()) {
        const bool withBom = *conventions.utf8 == TextConventions::Utf8::WithBom;
        broken.utf8 = text.starts_with(kByteOrderMark) != withBom || !CodePage::IsValidUtf8(text);
    }
    return broken;
}

bool ApplyConventions(std::string& text, const TextConventions& conventions) {
    const BrokenConventions broken = FindBrokenConventions(text, conventions);
    if (!broken.AnyApplied()) return false;
    if (broken.trailingBlanks) TrimTrailingBlanks(text);
    if (conventions.lineEnd && !LineEndsAre(text, *conventions.lineEnd)) {
        ConvertLineEnds(text, *conventions.lineEnd);
    }
    if (conventions.finalLineEnd == true && !text.empty() && !EndsInLineEnd(text)) {
        text.append(LineEndBytes(conventions.lineEnd.value_or(LineEndKindOf(text))));
    } else if (conventions.finalLineEnd == false) {
        while (EndsInLineEnd(text)) text.pop_back();
    }
    return true;
}

}  // namespace venkora
