#include "editview/TextSearch.h"

#include <string.h>  // memmem, memrchr

#include <algorithm>

namespace venkora {

namespace {

unsigned char Byte(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

}  // namespace

TextSearch::TextSearch(std::string_view text, std::string_view find, bool matchCase,
                       const CodePage& codePage)
    : text_(text), find_(find), matchCase_(matchCase), codePage_(codePage) {
    if (find_.empty()) return;
    if (matchCase_) {
        firstBytes_[Byte(find_, 0)] = true;
    } else {
        firstBytes_ = codePage_.FirstBytesNoCase(find_);
    }
}

bool TextSearch::IsBoundary(std::size_t pos) const {
    return codePage_.kind() == CodePage::Kind::Windows1252 || codePage_.BoundaryAtOrBefore(text_, pos) == pos;
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

std::optional<std::size_t> TextSearch::FirstFrom(std::size_t from) const {
    const std::size_t n = find_.size();
    if (n == 0 || from > text_.size() || text_.size() - from < n) return std::nullopt;
    const std::size_t last = text_.size() - n;  // the last position where the string fits
    if (matchCase_) {
        // The byte-equal spans, skipping those that begin or end inside a character.
        for (std::size_t pos = from; pos <= last;) {
            const void* hit = memmem(text_.data() + pos, text_.size() - pos, find_.data(), n);
            if (hit == nullptr) return std::nullopt;
            const auto found = static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
            if (IsBoundary(found) && IsBoundary(found + n)) return found;
            pos = found + 1;
        }
        return std::nullopt;
    }
    for (std::size_t pos = from; pos <= last; ++pos) {
        if (firstBytes_[Byte(text_, pos)] && MatchesAt(pos)) return pos;
    }
    return std::nullopt;
}

std::optional<std::size_t> TextSearch::LastUpTo(std::size_t from) const {
    // The candidates lie in [0, end); each step takes the last one that may begin a match.
    for (std::size_t end = from + 1; end > 0;) {
        if (matchCase_) {
            const void* hit = memrchr(text_.data(), find_[0], end);
            if (hit == nullptr) return std::nullopt;
            end = static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
        } else if (!firstBytes_[Byte(text_, --end)]) {
            continue;
        }
        if (MatchesAt(end)) return end;
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
