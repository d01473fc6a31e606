#pragma once
// Byte-scanning helpers shared by the one-pass optimizer rules. All work on explicit lengths,
// so NUL bytes are ordinary bytes. Where SSE2 is available (every x86-64), 16 bytes are
// compared at a time.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace venkora::scan {

inline constexpr std::size_t npos = std::string_view::npos;

// Position of the first byte `c` at or after `from`, or `size` when there is none.
inline std::size_t FindByteOrEnd(const char* p, std::size_t from, std::size_t size, char c) {
    const void* hit = std::memchr(p + from, c, size - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - p) : size;
}

// Position of the first occurrence of the three bytes `needle` in `hay` at or after `from`, or
// npos: each of the three bytes is compared 16 places at a time, so nothing is left to verify.
inline std::size_t FindThree(std::string_view hay, std::string_view needle, std::size_t from) {
    const char* p = hay.data();
    const std::size_t lastStart = hay.size() - 3;
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(needle[0]);
    const __m128i second = _mm_set1_epi8(needle[1]);
    const __m128i third = _mm_set1_epi8(needle[2]);
    const auto load = [p](std::size_t at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
    };
    for (; i + 15 <= lastStart; i += 16) {
        const __m128i found = _mm_and_si128(
            _mm_and_si128(_mm_cmpeq_epi8(load(i), first), _mm_cmpeq_epi8(load(i + 1), second)),
            _mm_cmpeq_epi8(load(i + 2), third));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(found));
        if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    for (; i <= lastStart; ++i) {
        if (p[i] == needle[0] && p[i + 1] == needle[1] && p[i + 2] == needle[2]) return i;
    }
    return npos;
}

// Position of the first occurrence of `needle` (not empty) in `hay` at or after `from`, or
// npos. Candidates are the places where the first and the last byte of the needle both match,
// so a byte that is frequent in the text but not at both ends costs nothing; a needle of three
// bytes is matched whole.
inline std::size_t Find(std::string_view hay, std::string_view needle, std::size_t from = 0) {
    assert(!needle.empty());
    const std::size_t n = hay.size();
    const std::size_t m = needle.size();
    if (from > n || n - from < m) return npos;
    const char* p = hay.data();
    if (m == 1) {
        const std::size_t at = FindByteOrEnd(p, from, n, needle[0]);
        return at == n ? npos : at;
    }
    if (m == 3) return FindThree(hay, needle, from);
    const std::size_t lastStart = n - m;
    const char head = needle[0];
    const char tail = needle[m - 1];
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i heads = _mm_set1_epi8(head);
    const __m128i tails = _mm_set1_epi8(tail);
    const auto candidates = [&](std::size_t at) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at + m - 1));
        return _mm_and_si128(_mm_cmpeq_epi8(a, heads), _mm_cmpeq_epi8(b, tails));
    };
    // Verifies the candidates of the 16 starts from `at`; npos when none is an occurrence.
    const auto verify = [&](std::size_t at, __m128i found) {
        for (auto mask = static_cast<unsigned>(_mm_movemask_epi8(found)); mask != 0; mask &= mask - 1) {
            const auto bit = static_cast<std::size_t>(__builtin_ctz(mask));
            if (std::memcmp(p + at + bit + 1, needle.data() + 1, m - 2) == 0) return at + bit;
        }
        return npos;
    };
    for (; i + 31 <= lastStart; i += 32) {
        const __m128i low = candidates(i);
        const __m128i high = candidates(i + 16);
        if (_mm_movemask_epi8(_mm_or_si128(low, high)) == 0) continue;
        if (const std::size_t at = verify(i, low); at != npos) return at;
        if (const std::size_t at = verify(i + 16, high); at != npos) return at;
    }
    for (; i + 15 <= lastStart; i += 16) {
        if (const std::size_t at = verify(i, candidates(i)); at != npos) return at;
    }
#endif
    for (; i <= lastStart; ++i) {
        if (p[i] == head && p[i + m - 1] == tail &&
            std::memcmp(p + i + 1, needle.data() + 1, m - 2) == 0) {
            return i;
        }
    }
    return npos;
}

// Whether `c` is one of the two bytes line breaks are made of.
inline bool IsBreakByte(char c) { return c == '\r' || c == '\n'; }

// Position of the first CR or LF at or after `from`, or `size` when there is none.
inline std::size_t FindBreakByteOrEnd(const char* p, std::size_t from, std::size_t size) {
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const auto mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))));
        if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
#endif
    while (i < size && !IsBreakByte(p[i])) ++i;
    return i;
}

// Number of bytes equal to `c` in the text.
inline std::size_t Count(std::string_view text, char c) {
    const char* p = text.data();
    const std::size_t size = text.size();
    std::size_t count = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i all = _mm_set1_epi8(c);
    for (; i + 16 <= size; i += 16) {
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)), all)));
        count += static_cast<std::size_t>(__builtin_popcount(mask));
    }
#endif
    for (; i < size; ++i) count += p[i] == c ? 1u : 0u;
    return count;
}

#if defined(__SSE2__)
namespace detail {

// Mask of the bytes equal to `all` among the 16 at `p`.
inline unsigned Equal16(const char* p, __m128i all) {
    return static_cast<unsigned>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), all)));
}

// Whether the 64 bytes at `p` all equal `all`.
inline bool Equal64(const char* p, __m128i all) {
    const auto equal = [p, all](int k) {
        return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k)), all);
    };
    const __m128i both = _mm_and_si128(_mm_and_si128(equal(0), equal(1)), _mm_and_si128(equal(2), equal(3)));
    return _mm_movemask_epi8(both) == 0xFFFF;
}

}  // namespace detail
#endif

// Number of bytes equal to `c` from `from` onwards. A run longer than 16 bytes is measured
// 64 bytes at a time.
inline std::size_t RunForward(const char* p, std::size_t from, std::size_t size, char c) {
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i all = _mm_set1_epi8(c);
    for (bool first = true; i + 16 <= size; i += 16, first = false) {
        const unsigned mask = detail::Equal16(p + i, all);
        if (mask != 0xFFFFu) return i + static_cast<std::size_t>(__builtin_ctz(~mask)) - from;
        if (first) {
            while (i + 16 + 64 <= size && detail::Equal64(p + i + 16, all)) i += 64;
        }
    }
#endif
    while (i < size && p[i] == c) ++i;
    return i - from;
}

// Number of bytes equal to `c` directly in front of `end`, counting at most `limit`.
inline std::size_t RunBackward(const char* p, std::size_t end, char c, std::size_t limit) {
    const std::size_t stop = end - (limit < end ? limit : end);
    std::size_t i = end;
#if defined(__SSE2__)
    const __m128i all = _mm_set1_epi8(c);
    for (bool first = true; i >= stop + 16; i -= 16, first = false) {
        const unsigned mask = detail::Equal16(p + i - 16, all);
        if (mask != 0xFFFFu) return end - i + static_cast<std::size_t>(__builtin_clz(~mask << 16));
        if (first) {
            while (i >= stop + 16 + 64 && detail::Equal64(p + i - 16 - 64, all)) i -= 64;
        }
    }
#endif
    while (i > stop && p[i - 1] == c) --i;
    return end - i;
}

// Counts whole copies of a string that stand in a row, by comparing a block of several
// copies at a time; copies of a single byte are counted as a run of that byte.
class Repeats {
public:
    explicit Repeats(std::string_view s) : unit_(s.size()) {
        while (block_.size() < 64) block_.append(s);
    }

    // Bytes taken by the copies that end at `end`.
    std::size_t Before(const char* p, std::size_t end) const {
        if (unit_ == 1) return RunBackward(p, end, block_[0], end);
        std::size_t i = end;
        while (i >= block_.size() && std::memcmp(p + i - block_.size(), block_.data(), block_.size()) == 0) {
            i -= block_.size();
        }
        while (i >= unit_ && std::memcmp(p + i - unit_, block_.data(), unit_) == 0) i -= unit_;
        return end - i;
    }

    // Bytes taken by the copies that begin at `from`.
    std::size_t After(const char* p, std::size_t from, std::size_t size) const {
        if (unit_ == 1) return RunForward(p, from, size, block_[0]);
        std::size_t i = from;
        while (size - i >= block_.size() && std::memcmp(p + i, block_.data(), block_.size()) == 0) {
            i += block_.size();
        }
        while (size - i >= unit_ && std::memcmp(p + i, block_.data(), unit_) == 0) i += unit_;
        return i - from;
    }

private:
    std::size_t unit_;
    std::string block_;  // the string repeated to at least 64 bytes
};

// In-place compaction of a text: bytes are read at `read` and kept at `write` <= `read`.
struct Compactor {
    char* p;
    std::size_t read;
    std::size_t write;

    // Keeps the input bytes up to `until`.
    void KeepUntil(std::size_t until) {
        if (write != read) std::memmove(p + write, p + read, until - read);
        write += until - read;
        read = until;
    }
};

}  // namespace venkora::scan
