#include "editview/TextSearch.h"

#include <string.h>  // memchr, memrchr

#include <algorithm>

namespace venkora {

namespace {

unsigned char Byte(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

}  // namespace

const TextSearch::PairTable& TextSearch::FoldedPairs() {
    static const PairTable pairs = [] {
        PairTable table{};
        const CodePage utf8(CodePage::Kind::Utf8);
        for (unsigned lead = 0xC0; lead < 0xE0; ++lead) {
            for (unsigned next = 0x80; next < 0xC0; ++next) {
                const std::array<char, 2> bytes{static_cast<char>(lead), static_cast<char>(next)};
                std::array<char, 4> folded{};
                auto& pair = table[lead - 0xC0][next - 0x80];
                pair = {static_cast<unsigned char>(lead), static_cast<unsigned char>(next)};
                if (utf8.FoldCharacter({bytes.data(), 2}, 0, folded) == 2) {
                    pair = {static_cast<unsigned char>(folded[0]), static_cast<unsigned char>(folded[1])};
                }
            }
        }
        return table;
    }();
    return pairs;
}

TextSearch::Pattern::Pattern(std::string_view folded)
    : expected(folded.size() + 1, -1), fallback(folded.size() + 1, 0) {
    for (std::size_t i = 0; i < folded.size(); ++i) expected[i] = Byte(folded, i);
    for (std::size_t i = 1, border = 0; i < folded.size(); ++i) {
        while (border > 0 && expected[i] != expected[border]) border = fallback[border];
        if (expected[i] == expected[border]) ++border;
        fallback[i + 1] = static_cast<std::uint32_t>(border);
    }
}

inline std::size_t TextSearch::Pattern::Step(std::size_t matched, unsigned char c) const {
    while (matched > 0 && expected[matched] != c) matched = fallback[matched];
    return expected[matched] == c ? matched + 1 : 0;
}

TextSearch::TextSearch(std::string_view text, std::string_view find, bool matchCase,
                       const CodePage& codePage)
    : text_(text),
      find_(find),
      matchCase_(matchCase),
      codePage_(codePage),
      bytewise_(matchCase || codePage.kind() == CodePage::Kind::Windows1252) {
    if (find_.empty()) return;
    if (!bytewise_) pairs_ = &FoldedPairs();
    std::array<char, 4> folded{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        const char single = static_cast<char>(byte);
        codePage_.FoldCharacter({&single, 1}, 0, folded);
        fold_[byte] = matchCase_ ? static_cast<unsigned char>(byte) : static_cast<unsigned char>(folded[0]);
    }
    std::string pattern;  // the folded find string
    if (matchCase_) {
        pattern = find_;
        firstBytes_[Byte(find_, 0)] = true;
    } else {
        for (std::size_t pos = 0; pos < find_.size();) {
            const std::size_t length = codePage_.FoldCharacter(find_, pos, folded);
            pattern.append(folded.data(), length);
            pos += length;
        }
        firstBytes_ = codePage_.FirstBytesNoCase(find_);
    }
    // In UTF-8 without case a byte above ASCII may fold into another one above ASCII.
    const auto last = static_cast<unsigned char>(pattern.back());
    for (unsigned byte = 0; byte < 256; ++byte) {
        lastBytes_[byte] = fold_[byte] == last || (!bytewise_ && byte >= 0x80 && last >= 0x80);
    }
    forward_ = Pattern(pattern);
    std::reverse(pattern.begin(), pattern.end());
    backward_ = Pattern(pattern);
}

bool TextSearch::IsBoundary(std::size_t pos) const {
    // Only a continuation byte can lie inside a UTF-8 character.
    return codePage_.kind() == CodePage::Kind::Windows1252 || pos >= text_.size() ||
           (Byte(text_, pos) & 0xC0) != 0x80 || codePage_.BoundaryAtOrBefore(text_, pos) == pos;
}

bool TextSearch::MatchesAt(std::size_t pos) const {
    const std::size_t n = find_.size();
    if (n == 0 || pos > text_.size() || text_.size() - pos < n) return false;
    const std::string_view candidate = text_.substr(pos, n);
    const bool equal = matchCase_ ? candidate == find_ : codePage_.EqualNoCase(candidate, find_);
    return equal && IsBoundary(pos) && IsBoundary(pos + n);
}

bool TextSearch::SelectionMatches(std::size_t start, std::size_t end) const {
    return end >= start && end - start == find_.size() && MatchesAt(start);
}

inline unsigned char TextSearch::FoldedByte(std::size_t pos) const {
    const unsigned char byte = Byte(text_, pos);
    if (bytewise_ || byte < 0x80) return fold_[byte];
    // Only UTF-8 characters of two bytes change: a lead byte 0xC0 to 0xDF with a continuation
    // byte behind it (no such lead can lie inside another character).
    const auto isLeadOfTwo = [](unsigned char b) { return (b & 0xE0) == 0xC0; };
    const auto isContinuation = [](unsigned char b) { return (b & 0xC0) == 0x80; };
    if (isLeadOfTwo(byte) && pos + 1 < text_.size() && isContinuation(Byte(text_, pos + 1))) {
        return (*pairs_)[byte - 0xC0][Byte(text_, pos + 1) - 0x80][0];
    }
    if (isContinuation(byte) && pos > 0 && isLeadOfTwo(Byte(text_, pos - 1))) {
        return (*pairs_)[Byte(text_, pos - 1) - 0xC0][byte - 0x80][1];
    }
    return byte;
}

std::size_t TextSearch::NextCandidate(std::size_t pos) const {
    if (matchCase_) {
        const void* hit = memchr(text_.data() + pos, find_.front(), text_.size() - pos);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data()) : text_.size();
    }
    while (pos < text_.size() && !firstBytes_[Byte(text_, pos)]) ++pos;
    return pos;
}

std::size_t TextSearch::PreviousCandidate(std::size_t end) const {
    if (matchCase_) {
        const void* hit = memrchr(text_.data(), find_.back(), end);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data()) + 1 : 0;
    }
    while (end > 0 && !lastBytes_[Byte(text_, end - 1)]) --end;
    return end;
}

std::optional<std::size_t> TextSearch::FirstFrom(std::size_t from) const {
    const std::size_t n = find_.size();
    const std::size_t size = text_.size();
    if (n == 0 || from > size || size - from < n) return std::nullopt;
    std::size_t matched = 0;  // how many bytes of the pattern end the folded bytes read
    for (std::size_t pos = from; pos < size; ++pos) {
        if (matched == 0) {
            pos = NextCandidate(pos);
            if (size - pos < n) return std::nullopt;
        }
        matched = forward_.Step(matched, FoldedByte(pos));
        if (matched == n && IsBoundary(pos + 1 - n) && IsBoundary(pos + 1)) return pos + 1 - n;
    }
    return std::nullopt;
}

std::optional<std::size_t> TextSearch::LastUpTo(std::size_t from) const {
    const std::size_t n = find_.size();
    std::size_t matched = 0;  // how many bytes of the reversed pattern begin the folded bytes read
    for (std::size_t pos = from + n; pos > 0;) {
        if (matched == 0) {
            pos = PreviousCandidate(pos);
            if (pos < n) return std::nullopt;
        }
        --pos;
        matched = backward_.Step(matched, FoldedByte(pos));
        if (matched == n && IsBoundary(pos) && IsBoundary(pos + n)) return pos;
    }
    return std::nullopt;
}

std::optional<std::size_t> TextSearch::SearchText(std::size_t start, std::size_t end,
                                                  bool searchDown) const {
    const std::size_t n = find_.size();
    const std::size_t length = text_.size();
    if (n == 0) return std::nullopt;
    end = std::min(end, length);
    start = codePage_.BoundaryAtOrBefore(text_, std::min(start, end));
    if (!searchDown) {
        if (start == 0 || length < n) return std::nullopt;
        // From the character before the start, or from where the string still fits.
        return LastUpTo(std::min(codePage_.Previous(text_, start), length - n));
    }
    const bool selectionMatches = end > start && SelectionMatches(start, end);
    return FirstFrom(selectionMatches ? codePage_.Next(text_, start) : start);
}

TextSearch::Replaced TextSearch::ReplaceAll(std::size_t first, std::string_view replacement,
                                            std::size_t room) const {
    const std::size_t n = find_.size();
    Replaced result;
    std::size_t copied = first;  // the text before this is done
    std::optional<std::size_t> match;
    if (MatchesAt(first)) match = first;
    while (match) {
        if (replacement.size() > n) {
            if (replacement.size() - n > room) {
                result.stoppedAt = first + result.text.size() + (*match - copied);
                break;
            }
            room -= replacement.size() - n;
        }
        result.text.append(text_.substr(copied, *match - copied));
        result.text.append(replacement);
        copied = *match + n;
        ++result.count;
        match = FirstFrom(copied);
    }
    result.end = copied;
    return result;
}

}  // namespace venkora
