#pragma once
// The search of the find and replace commands over the bytes of a text, without a window: where
// the next match lies from a selection, whether the selection is a match, and what a replace-all
// makes of the text. It reads the text in place (the edit view's locked buffer) and never copies
// it. Positions are byte offsets; candidates are whole characters of the document's code page,
// so a match never begins or ends inside a UTF-8 sequence. With match case a candidate equals
// the find string byte for byte, else it is as many bytes long and equal in the code page's case
// rules. Every search takes time linear in the lengths of the text and the find string.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodePage.h"

namespace venkora {

class TextSearch {
public:
    // `text` and `find` are borrowed for the searcher's life. An empty `find` matches nothing.
    TextSearch(std::string_view text, std::string_view find, bool matchCase, const CodePage& codePage);

    // Whether the selection [start, end) is a match.
    bool SelectionMatches(std::size_t start, std::size_t end) const;

    // The start of the match that the find command selects from the selection [start, end), or
    // nullopt (the selection then stays). Down: the first match from the selection's start, or
    // from one character further when the selection is itself a match, so that overlapping
    // matches are found one after the other. Up: the nearest match that begins before the
    // selection's start (it may reach into the selection), never one that would run past the
    // end of the text; nothing at all from position 0. A start inside a character counts from
    // that character's start.
    std::optional<std::size_t> SearchText(std::size_t start, std::size_t end, bool searchDown) const;

    // Replace-all from the match at `first` downwards: each further match is searched behind the
    // previous one, as in the text after each replacement the search resumes behind the
    // inserted text. `room` is how many bytes the text may grow; the first replacement that
    // would grow it further is not made, nor any after it.
    struct Replaced {
        std::size_t end = 0;      // [first, end) of the text is replaced by `text`
        std::string text;         // that range with its matches replaced
        std::size_t count = 0;    // how many matches were replaced
        // The first match not replaced for want of room, where it stands once [first, end) is
        // replaced by `text`.
        std::optional<std::size_t> stoppedAt;
    };
    Replaced ReplaceAll(std::size_t first, std::string_view replacement, std::size_t room) const;

private:
    // The folded forms of the UTF-8 sequences of two bytes, by lead byte (0xC0 to 0xDF) and
    // continuation byte; a sequence that is no character stays as it is. Made once.
    using PairTable = std::array<std::array<std::array<unsigned char, 2>, 64>, 32>;
    static const PairTable& FoldedPairs();

    // The folded find string read forwards or backwards, with the length of the longest proper
    // border (a beginning that is also an end) of each of its beginnings: the text is read once,
    // and after a mismatch the search goes on with the longest part that still fits.
    struct Pattern {
        // The pattern's bytes, then -1, which no byte matches.
        std::vector<std::int16_t> expected;
        // For each count of bytes matched, the longest proper border of those bytes.
        std::vector<std::uint32_t> fallback;

        Pattern() = default;
        explicit Pattern(std::string_view folded);
        // How many bytes of the pattern end with `c` when `matched` ended before it.
        std::size_t Step(std::size_t matched, unsigned char c) const;
    };

    bool IsBoundary(std::size_t pos) const;
    bool MatchesAt(std::size_t pos) const;
    // The first match at or behind `from`; the last match at or before `from`. Both read the
    // folded text once and skip the bytes that cannot begin (or end) a match while nothing of
    // one is read.
    std::optional<std::size_t> FirstFrom(std::size_t from) const;
    std::optional<std::size_t> LastUpTo(std::size_t from) const;
    std::size_t NextCandidate(std::size_t pos) const;
    std::size_t PreviousCandidate(std::size_t end) const;
    // The byte at `pos` of the text with each of its characters folded.
    unsigned char FoldedByte(std::size_t pos) const;

    std::string_view text_;
    std::string_view find_;
    bool matchCase_;
    CodePage codePage_;
    // Whether every byte is folded on its own: with case (nothing is folded) and in Windows-1252.
    bool bytewise_;
    std::array<unsigned char, 256> fold_{};  // each byte folded as a character of its own
    std::array<bool, 256> firstBytes_{};     // the bytes a match can begin with
    std::array<bool, 256> lastBytes_{};      // the bytes a match can end with
    const PairTable* pairs_ = nullptr;       // the folded UTF-8 pairs, without case
    Pattern forward_;
    Pattern backward_;
};

}  // namespace venkora
