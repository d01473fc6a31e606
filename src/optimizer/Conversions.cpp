#include "optimizer/Conversions.h"

#include <cstring>

#include "optimizer/ByteScan.h"

namespace venkora {

// One sweep of TAB -> P leaves no tab behind that it inserted, and one sweep of P -> TAB leaves
// only runs shorter than N, separated by the inserted tabs; so both rules are done after a
// single sweep. TAB SP -> TAB cannot overlap itself, so any order of deletions gives its result.

namespace {

// Tabs to N >= 2 spaces where the text's room holds the longer result: the bytes are moved to
// their new places from the end backwards, so nothing is copied twice and nothing allocated.
void WidenTabsInPlace(std::string& text, std::uint8_t n, std::size_t grown) {
    std::size_t r = text.size();  // the bytes [0, r) are still to be placed
    text.resize(grown);
    char* p = text.data();
    // Until no tab is left in front of r, w - r is the room the tabs there still need.
    for (std::size_t w = grown; w != r;) {
        const auto* tab = static_cast<const char*>(memrchr(p, '\t', r));
        const std::size_t behind = static_cast<std::size_t>(tab - p) + 1;  // tabs were counted
        std::memmove(p + w - (r - behind), p + behind, r - behind);
        w -= r - behind;
        const std::size_t run = scan::RunBackward(p, behind, '\t', behind);
        w -= run * n;
        std::memset(p + w, ' ', run * n);
        r = behind - run;
    }
}

}  // namespace

void TabsToSpaces(std::string& text, std::uint8_t n) {
    const std::size_t tabs = scan::Count(text, '\t');
    if (tabs == 0) return;
    const std::size_t size = text.size();
    if (n <= 1) {
        // The text does not grow: in place.
        scan::Compactor c{text.data(), 0, 0};
        while (c.read < size) {
            c.KeepUntil(scan::FindByteOrEnd(c.p, c.read, size, '\t'));
            const std::size_t run = scan::RunForward(c.p, c.read, size, '\t');
            std::memset(c.p + c.write, ' ', run * n);
            c.write += run * n;
            c.read += run;
        }
        text.resize(c.write);
        return;
    }
    const std::size_t grown = size + tabs * (n - 1u);
    if (text.capacity() >= grown) return WidenTabsInPlace(text, n, grown);
    std::string out(grown, ' ');
    const char* p = text.data();
    std::size_t w = 0;
    for (std::size_t r = 0; r < size;) {
        const std::size_t tab = scan::FindByteOrEnd(p, r, size, '\t');
        std::memcpy(out.data() + w, p + r, tab - r);
        w += tab - r;
        const std::size_t run = scan::RunForward(p, tab, size, '\t');
        w += run * n;  // `out` starts out filled with spaces
        r = tab + run;
    }
    text.swap(out);
}

void SpacesToTabs(std::string& text, std::uint8_t n) {
    if (n == 0) return;
    const std::size_t size = text.size();
    scan::Compactor c{text.data(), 0, 0};
    while (c.read < size) {
        c.KeepUntil(scan::FindByteOrEnd(c.p, c.read, size, ' '));
        const std::size_t run = scan::RunForward(c.p, c.read, size, ' ');
        if (run >= n) {
            const std::size_t tabs = run / n;
            const std::size_t rest = run % n;
            std::memset(c.p + c.write, '\t', tabs);
            std::memset(c.p + c.write + tabs, ' ', rest);
            c.write += tabs + rest;
            c.read += run;
        } else {
            c.KeepUntil(c.read + run);
        }
    }
    text.resize(c.write);
}

void DeleteSpacesAfterTabs(std::string& text) {
    constexpr std::string_view kTabSpace = "\t ";
    std::size_t at = scan::Find(text, kTabSpace);
    if (at == scan::npos) return;
    scan::Compactor c{text.data(), at, at};
    while (at != scan::npos) {
        c.KeepUntil(at + 1);
        c.read += scan::RunForward(c.p, c.read, text.size(), ' ');
        at = scan::Find(text, kTabSpace, c.read);
    }
    c.KeepUntil(text.size());
    text.resize(c.write);
}

}  // namespace venkora
