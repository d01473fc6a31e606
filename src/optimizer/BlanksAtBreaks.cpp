#include "optimizer/BlanksAtBreaks.h"

#include <cassert>
#include <cstdint>
#include <cstring>

#include "optimizer/ByteScan.h"

namespace venkora {

// Why one pass is exact. Cut the text into clusters, the maximal runs of CR and LF, and the
// segments between them. A line break is a pair of different bytes inside a cluster, so a
// blank stands directly in front of a break exactly when it ends a segment whose right cluster
// begins with two different bytes, and directly behind one exactly when it begins a segment
// whose left cluster ends with two different bytes. The rules delete blanks only and never
// touch a cluster. What they can change is which clusters touch: a segment they empty joins
// its two clusters, and the joined cluster begins as its left part began and ends as its right
// part ended, unless that part is a single byte. So while no segment between two clusters is
// emptied next to a cluster of one byte, every segment keeps the line breaks at both of its
// ends, and the rules, one after the other, act on each segment by itself: its trailing spaces
// go if a break follows it, its leading spaces if one precedes it, then its trailing tabs,
// then its leading tabs. The pass computes exactly that, and gives up where a segment would be
// emptied next to a single-byte cluster (a lone CR or LF touching a blank line).
//
// In an LF or CR text a cluster is a run of its one line-break byte, and every such byte is a
// line break: a blank touching a cluster always stands at a line break, joined clusters keep
// their breaks, and the one pass is always exact.
//
// Only segments with a blank at an end that touches a cluster can change, so the pass visits
// just the places where a blank touches a CR or LF, found 64 bytes at a time. In a segment
// that keeps a byte other than a blank between its two ends, the two ends are trimmed
// independently: at the right end trailing spaces, then trailing tabs; at the left end leading
// spaces, then leading tabs. A segment of blanks only is worked through rule by rule.

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The bytes clusters are made of: CR and LF in a CR LF text, else the one line-break byte
// (named twice, so that the scans compare with two bytes either way).
struct ClusterBytes {
    char first;
    char second;

    static ClusterBytes Of(LineEndKind kind) {
        switch (kind) {
            case LineEndKind::Lf: return {'\n', '\n'};
            case LineEndKind::Cr: return {'\r', '\r'};
            case LineEndKind::CrLf: break;
        }
        return {'\r', '\n'};
    }
    bool Single() const { return first == second; }
    bool Has(char c) const { return c == first || c == second; }
};

// Builds the result from the stretches of the text that are kept: appended to a result string
// (then a text in which nothing is deleted costs no copy at all), or moved together at the
// front of the text itself.
class Keeper {
public:
    Keeper(std::string_view text, std::string& result) : text_(text), result_(&result) {}
    Keeper(char* text, std::size_t size) : text_(text, size), front_(text) {}

    // Leaves out the bytes [from, to); calls come in text order.
    void Drop(std::size_t from, std::size_t to) {
        if (from == to) return;
        Keep(from);
        kept_ = to;
        changed_ = true;
    }

    // Keeps the rest; whether anything was left out.
    bool Finish() {
        if (changed_) Keep(text_.size());
        return changed_;
    }

    // The bytes kept at the front of the text.
    std::size_t kept() const { return changed_ ? front_size_ : text_.size(); }

private:
    // Keeps the bytes from the last drop up to `until`.
    void Keep(std::size_t until) {
        if (result_) {
            if (!changed_) result_->reserve(text_.size());
            result_->append(text_.data() + kept_, until - kept_);
        } else {
            if (front_size_ != kept_) std::memmove(front_ + front_size_, front_ + kept_, until - kept_);
            front_size_ += until - kept_;
        }
    }

    std::string_view text_;
    std::string* result_ = nullptr;
    char* front_ = nullptr;
    std::size_t front_size_ = 0;  // bytes kept at the front so far
    std::size_t kept_ = 0;        // start of the kept stretch not yet kept
    bool changed_ = false;
};

#if defined(__SSE2__)
// Loads the 64 bytes at `p` and marks their cluster bytes; whether there is any.
bool LoadBreaks(const char* p, ClusterBytes bytes, __m128i (&v)[4], __m128i (&br)[4]) {
    for (int k = 0; k < 4; ++k) {
        v[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        br[k] = _mm_or_si128(_mm_cmpeq_epi8(v[k], _mm_set1_epi8(bytes.first)),
                             _mm_cmpeq_epi8(v[k], _mm_set1_epi8(bytes.second)));
    }
    return _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(br[0], br[1]), _mm_or_si128(br[2], br[3]))) != 0;
}

// Bit k for byte k of the 64 marked ones.
std::uint64_t Mask(const __m128i (&marked)[4]) {
    std::uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
        mask |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(marked[k]))} << (16 * k);
    }
    return mask;
}
#endif

// Whether a CR or LF stands alone, with no other CR or LF beside it: a cluster of one byte.
bool HasLoneBreakByte(std::string_view text) {
    const char* p = text.data();
    const std::size_t size = text.size();
    std::uint64_t before = 0;  // whether the byte in front of the block is a break byte
    std::size_t i = 0;
#if defined(__SSE2__)
    __m128i v[4];
    __m128i br[4];
    for (; i + 64 < size; i += 64) {
        if (!LoadBreaks(p + i, ClusterBytes::Of(LineEndKind::CrLf), v, br)) {
            before = 0;
            continue;
        }
        const std::uint64_t breaks = Mask(br);
        const std::uint64_t after = scan::IsBreakByte(p[i + 64]) ? 1 : 0;
        const std::uint64_t neighbours = (breaks << 1 | before) | (breaks >> 1 | after << 63);
        if ((breaks & ~neighbours) != 0) return true;
        before = breaks >> 63;
    }
#endif
    for (; i < size; ++i) {
        const bool isBreak = scan::IsBreakByte(p[i]);
        const bool next = i + 1 < size && scan::IsBreakByte(p[i + 1]);
        if (isBreak && !before && !next) return true;
        before = isBreak ? 1 : 0;
    }
    return false;
}

// The places where a blank and a cluster byte stand side by side, 64 bytes at a time: bit k of
// the mask stands for the pair of bytes (at + k, at + k + 1).
class Touches {
public:
    Touches(std::string_view text, ClusterBytes bytes)
        : p_(text.data()), size_(text.size()), bytes_(bytes) {}

    // The mask of the next 64 pairs, and where they begin; false at the end of the text.
    bool Next(std::uint64_t& mask, std::size_t& at) {
        if (block_ >= size_) return false;
        at = block_;
        if (size_ - block_ > 64) {
            mask = Pairs(p_ + block_, p_[block_ + 64]);  // the last pair ends in the next block
        } else {
            char tail[65] = {};  // zero bytes are neither blanks nor break bytes
            std::memcpy(tail, p_ + block_, size_ - block_);
            mask = Pairs(tail, '\0');
        }
        block_ += 64;
        return true;
    }

private:
    // The pairs (blank, cluster byte) and (cluster byte, blank) among the 64 bytes at `p` and
    // the byte `following` behind them. Blanks are looked for only where cluster bytes are.
    std::uint64_t Pairs(const char* p, char following) const {
        const std::uint64_t breakFollows = bytes_.Has(following) ? 1 : 0;
        const std::uint64_t blankFollows = IsBlank(following) ? 1 : 0;
#if defined(__SSE2__)
        __m128i v[4];
        __m128i br[4];
        if (!LoadBreaks(p, bytes_, v, br) && breakFollows == 0) return 0;
        const std::uint64_t breaks = Mask(br);
        __m128i bl[4];
        for (int k = 0; k < 4; ++k) {
            bl[k] = _mm_or_si128(_mm_cmpeq_epi8(v[k], _mm_set1_epi8(' ')),
                                 _mm_cmpeq_epi8(v[k], _mm_set1_epi8('\t')));
        }
        const std::uint64_t blanks = Mask(bl);
#else
        std::uint64_t breaks = 0;
        std::uint64_t blanks = 0;
        for (int k = 0; k < 64; ++k) {
            breaks |= std::uint64_t{bytes_.Has(p[k])} << k;
            blanks |= std::uint64_t{IsBlank(p[k])} << k;
        }
#endif
        const std::uint64_t breakNext = (breaks >> 1) | (breakFollows << 63);
        const std::uint64_t blankNext = (blanks >> 1) | (blankFollows << 63);
        return (blanks & breakNext) | (breaks & blankNext);
    }

    const char* p_;
    std::size_t size_;
    ClusterBytes bytes_;
    std::size_t block_ = 0;
};

// Reads the text and tells the keeper what to leave out. Working in the text itself, the
// keeper writes only in front of the place the pass reads: every byte the pass looks at again
// (a cluster behind it, the blanks of the segment it is in) lies behind the last drop.
class BlankPass {
public:
    BlankPass(std::string_view text, ClusterBytes bytes, Keeper& keeper, const BlankSides& sides)
        : p_(text.data()), size_(text.size()), bytes_(bytes), sides_(sides), keeper_(keeper) {}

    OnePass Run(std::string_view text) {
        Touches touches(text, bytes_);
        std::uint64_t mask = 0;
        std::size_t at = 0;
        while (touches.Next(mask, at)) {
            for (; mask != 0; mask &= mask - 1) {
                const std::size_t pair = at + static_cast<std::size_t>(__builtin_ctzll(mask));
                const bool ok = IsBlank(p_[pair]) ? AtSegmentEnd(pair + 1) : AtSegmentStart(pair + 1);
                if (!ok) return OnePass::NotExact;
            }
        }
        return keeper_.Finish() ? OnePass::Changed : OnePass::Unchanged;
    }

private:
    // Whether the cluster that begins at `at` begins with a line break.
    bool BreakAt(std::size_t at) const {
        if (bytes_.Single()) return at < size_ && p_[at] == bytes_.first;
        return at + 1 < size_ && bytes_.Has(p_[at + 1]) && p_[at] != p_[at + 1];
    }
    // Whether the cluster that ends at `end` ends with a line break.
    bool BreakEndsAt(std::size_t end) const {
        if (bytes_.Single()) return end >= 1 && p_[end - 1] == bytes_.first;
        return end >= 2 && bytes_.Has(p_[end - 2]) && p_[end - 2] != p_[end - 1];
    }
    // A segment that ends at `end`, where a cluster begins, with a blank in front of it.
    bool AtSegmentEnd(std::size_t end) {
        if (end <= settled_ || !BreakAt(end)) return true;
        std::size_t last = end;
        if (sides_.spacesAtEnds) last -= scan::RunBackward(p_, last, ' ', last);
        if (sides_.tabsAtEnds) last -= scan::RunBackward(p_, last, '\t', last);
        if (last == end) return true;
        std::size_t blanks = last;  // start of the blanks the segment ends with
        while (blanks > 0 && IsBlank(p_[blanks - 1])) --blanks;
        if (blanks > 0 && !bytes_.Has(p_[blanks - 1])) {
            keeper_.Drop(last, end);
            settled_ = end;
            return true;
        }
        // Blanks only. Trailing spaces, then trailing tabs, were all of it: whatever the rules
        // at its start take first, nothing is left.
        if (blanks == last) return Emptied(last, end);
        return Segment(blanks, end);
    }

    // A segment that begins at `start`, behind a cluster, with a blank at its start.
    bool AtSegmentStart(std::size_t start) {
        if (start < settled_ || !BreakEndsAt(start)) return true;
        std::size_t first = start;
        if (sides_.spacesAtStarts) first += scan::RunForward(p_, first, size_, ' ');
        if (sides_.tabsAtStarts) first += scan::RunForward(p_, first, size_, '\t');
        if (first == start) return true;
        std::size_t blanks = first;  // end of the blanks the segment begins with
        while (blanks < size_ && IsBlank(p_[blanks])) ++blanks;
        if (blanks < size_ && !bytes_.Has(p_[blanks])) {
            keeper_.Drop(start, first);
            settled_ = first;
            return true;
        }
        // Blanks only; leading spaces, then leading tabs, were all of it.
        if (blanks == first) return Emptied(start, first);
        return Segment(start, blanks);
    }

    // The segment [start, end), rule by rule; false where one pass is not known to be exact.
    bool Segment(std::size_t start, std::size_t end) {
        const bool breakBefore = BreakEndsAt(start);
        const bool breakAfter = end < size_ && BreakAt(end);
        std::size_t first = start;
        std::size_t last = end;
        const auto trim = [&](char blank, bool atEnds, bool atStarts) {
            if (atEnds && breakAfter) last -= scan::RunBackward(p_, last, blank, last - first);
            if (atStarts && breakBefore) first += scan::RunForward(p_, first, last, blank);
        };
        trim(' ', sides_.spacesAtEnds, sides_.spacesAtStarts);
        trim('\t', sides_.tabsAtEnds, sides_.tabsAtStarts);
        if (first == last) return Emptied(start, end);
        keeper_.Drop(start, first);
        keeper_.Drop(last, end);
        settled_ = end;
        return true;
    }

    // The segment [start, end) goes whole. Between two clusters, that joins them; in a CR LF
    // text a cluster of one byte then gains or loses a line break at its other end, and one
    // pass is not known to be exact.
    bool Emptied(std::size_t start, std::size_t end) {
        const bool lonePrevious = start == 1 || (start >= 2 && !bytes_.Has(p_[start - 2]));
        const bool loneNext = end + 1 == size_ || (end + 1 < size_ && !bytes_.Has(p_[end + 1]));
        if (!bytes_.Single() && start > 0 && end < size_ && (lonePrevious || loneNext)) return false;
        keeper_.Drop(start, end);
        settled_ = end;
        return true;
    }

    const char* p_;
    std::size_t size_;
    ClusterBytes bytes_;
    BlankSides sides_;
    Keeper& keeper_;
    std::size_t settled_ = 0;  // the text before this position is done with
};

}  // namespace

OnePass DeleteBlanksAtBreaks(std::string_view text, std::string& result, const BlankSides& sides,
                             LineEndKind kind) {
    Keeper keeper(text, result);
    return BlankPass(text, ClusterBytes::Of(kind), keeper, sides).Run(text);
}

std::optional<std::size_t> DeleteBlanksAtBreaksInPlace(char* text, std::size_t size,
                                                       const BlankSides& sides, LineEndKind kind) {
    const std::string_view view(text, size);
    if (kind == LineEndKind::CrLf && HasLoneBreakByte(view)) return std::nullopt;
    Keeper keeper(text, size);
    [[maybe_unused]] const OnePass outcome =
        BlankPass(view, ClusterBytes::Of(kind), keeper, sides).Run(view);
    assert(outcome != OnePass::NotExact);  // only next to a single-byte cluster
    return keeper.kept();
}

}  // namespace venkora
