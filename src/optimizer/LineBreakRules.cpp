#include "optimizer/LineBreakRules.h"

#include <cassert>

#include "optimizer/ByteScan.h"
#include "optimizer/Sweep.h"

namespace venkora {

// The rules here are confluent when `s` holds neither CR nor LF: deleting a copy of `s` never
// creates or destroys a line break, and the pattern cannot overlap itself. Then every order of
// deletions ends in the same text as the sweeps, and one pass that deletes, at each line break,
// as many copies as stand there gives it. A string with CR or LF can form new line breaks while
// it goes; such rules are handed to SweepToFixpoint.

namespace {

bool HasBreakByte(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

enum class Side { Before, After };

// Deletes every byte `byte`.
void DeleteByte(std::string& text, char byte) {
    const std::size_t size = text.size();
    const std::size_t at = scan::FindByteOrEnd(text.data(), 0, size, byte);
    if (at == size) return;
    scan::Compactor c{text.data(), at, at};
    while (c.read < size) {
        ++c.read;
        c.KeepUntil(scan::FindByteOrEnd(c.p, c.read, size, byte));
    }
    text.resize(c.write);
}

// Deletes, at every line break where copies of `s` stand on the given side, all of them in one
// pass. Exact for the confluent rules only.
void DeleteCopiesAtBreaks(std::string& text, std::string_view s, std::string_view brk, Side side) {
    const std::string pattern =
        side == Side::Before ? std::string(s).append(brk) : std::string(brk).append(s);
    std::size_t at = scan::Find(text, pattern);
    if (at == scan::npos) return;
    const scan::Repeats copies(s);
    scan::Compactor c{text.data(), at, at};
    while (at != scan::npos) {
        if (side == Side::Before) {
            const std::size_t breakAt = at + s.size();
            c.KeepUntil(breakAt);
            c.write -= copies.Before(c.p, c.write);
            c.KeepUntil(breakAt + brk.size());
        } else {
            c.KeepUntil(at + brk.size());
            c.read += copies.After(c.p, c.read, text.size());
        }
        at = scan::Find(text, pattern, c.read);
    }
    c.KeepUntil(text.size());
    text.resize(c.write);
}

}  // namespace

void DeleteBeforeBreaks(std::string& text, std::string_view s, std::string_view brk) {
    if (s.empty()) return;
    if (HasBreakByte(s)) {
        SweepToFixpoint(text, std::string(s).append(brk), brk);
    } else {
        DeleteCopiesAtBreaks(text, s, brk, Side::Before);
    }
}

void DeleteAfterBreaks(std::string& text, std::string_view brk, std::string_view s) {
    if (s.empty()) return;
    if (HasBreakByte(s)) {
        SweepToFixpoint(text, std::string(brk).append(s), brk);
    } else {
        DeleteCopiesAtBreaks(text, s, brk, Side::After);
    }
}

void CollapseCrLfRuns(std::string& text) {
    // The pattern overlaps itself, but deleting any pair of a run of pairs leaves a run of
    // pairs, and no pair forms anew: every order ends with the first pair of each run alone.
    DeleteCopiesAtBreaks(text, kCrLf, kCrLf, Side::After);
}

void CollapseRuns(std::string& text, char brk) {
    // Deleting a byte of a run leaves a run, and no run forms anew.
    const char unit[] = {brk};
    DeleteCopiesAtBreaks(text, {unit, 1}, {unit, 1}, Side::After);
}

void DeleteBreaks(std::string& text, std::string_view brk) {
    assert(brk.size() == 1 || brk.size() == 2);
    if (brk.size() == 1) return DeleteByte(text, brk[0]);
    // Like matching brackets: each closing byte removes an opening byte that ends the kept text,
    // so breaks that come together when the break between them goes are removed too. A run of
    // k closing bytes meets the run of j opening bytes at the end of the kept text: min(j, k)
    // of each go, the rest of the closing run is kept.
    std::size_t at = scan::Find(text, brk);
    if (at == scan::npos) return;
    const char open = brk[0];
    const char close = brk[1];
    const std::size_t size = text.size();
    scan::Compactor c{text.data(), at + 1, at + 1};
    while (c.read < size) {
        const std::size_t closing = scan::RunForward(c.p, c.read, size, close);
        const std::size_t opening = scan::RunBackward(c.p, c.write, open, closing);
        c.write -= opening;
        c.read += opening;
        c.KeepUntil(c.read + (closing - opening));
        at = scan::Find(text, brk, c.read);
        if (at == scan::npos) break;
        c.KeepUntil(at + 1);
    }
    c.KeepUntil(size);
    text.resize(c.write);
}

}  // namespace venkora
