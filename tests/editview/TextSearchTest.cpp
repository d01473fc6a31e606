// The search of find and replace without a window: repeated searches from a selection in both
// directions and code pages, and a differential test of the search and of replace-all against
// a naive search that compares at every character position. (Replace-all's rows are in
// FindReplaceTest.)

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodePage.h"
#include "editview/TextSearch.h"

namespace venkora {
namespace {

const CodePage kUtf8{CodePage::Kind::Utf8};
const CodePage k1252{CodePage::Kind::Windows1252};

TEST(TextSearch, SearchesStepFromTheSelection) {
    // `steps`: what successive searches select, "-" where one finds nothing (the selection stays).
    struct Row {
        const char* input;
        const CodePage& codePage;
        std::string_view text;
        std::size_t start, end;
        std::string_view find;
        bool down, matchCase;
        std::string_view steps;
    };
    const Row rows[] = {
        {"[]aaa down aa", kUtf8, "aaa", 0, 0, "aa", true, true, "0-2 1-3 -"},
        {"abcabc[] up abc", kUtf8, "abcabc", 6, 6, "abc", false, true, "3-6 0-3 -"},
        {"[]abc up a", kUtf8, "abc", 0, 0, "a", false, true, "-"},
        {"[abca]bc down abc", kUtf8, "abcabc", 0, 4, "abc", true, true, "0-3 3-6 -"},
        {"xabab[] up ab", kUtf8, "xabab", 5, 5, "ab", false, true, "3-5 1-3 -"},
        {"ab[] up abc", kUtf8, "ab", 2, 2, "abc", false, false, "-"},
        {"[]xABC down abc", kUtf8, "xABC", 0, 0, "abc", true, false, "1-4 -"},
        {"[]xABC down abc case", kUtf8, "xABC", 0, 0, "abc", true, true, "-"},
        {"[]Grüße ÄRGER down ärger", kUtf8, "Grüße ÄRGER", 0, 0, "ärger", true, false, "8-14 -"},
        {"[]Grüße ÄRGER down ärger case", kUtf8, "Grüße ÄRGER", 0, 0, "ärger", true, true, "-"},
        {"[]xÿ down Ÿ", kUtf8, "xÿ", 0, 0, "Ÿ", true, false, "1-3"},
        {"ÄäÄ[] up ä", kUtf8, "ÄäÄ", 6, 6, "ä", false, false, "4-6 2-4 0-2 -"},
        {"1252 []Grüße ÄRGER down ärger", k1252, "Gr\xFC\xDF" "e \xC4RGER", 0, 0, "\xE4rger", true, false, "6-11 -"},
        {"1252 []Grüße ÄRGER down ärger case", k1252, "Gr\xFC\xDF" "e \xC4RGER", 0, 0, "\xE4rger", true, true, "-"},
        {"1252 ŠŒŠŒ[] up šœ", k1252, "\x8A\x8C\x8A\x8C", 4, 4, "\x9A\x9C", false, false, "2-4 0-2 -"},
        {"[]Wärme down: a trail byte", kUtf8, "W\xC3\xA4rme", 0, 0, "\xA4rme", true, true, "-"},
        {"Wärme[] up: a trail byte", kUtf8, "W\xC3\xA4rme", 6, 6, "\xA4", false, false, "-"},
        {"[]Wärme down: half of ä", kUtf8, "W\xC3\xA4rme", 0, 0, "W\xC3", true, true, "-"},
        {"1252 []Wärme down: every byte a character", k1252, "W\xC3\xA4rme", 0, 0, "\xA4rme", true, true, "2-6"},
    };
    for (const Row& row : rows) {
        const TextSearch search(row.text, row.find, row.matchCase, row.codePage);
        std::size_t start = row.start;
        std::size_t end = row.end;
        std::string steps;
        while (steps.size() < row.steps.size()) {
            const std::optional<std::size_t> found = search.SearchText(start, end, row.down);
            if (found) {
                start = *found;
                end = *found + row.find.size();
            }
            steps += (found ? std::to_string(start) + '-' + std::to_string(end) : "-") + ' ';
        }
        EXPECT_EQ(steps.substr(0, steps.size() - 1), row.steps) << row.input;
    }
}

// The naive definition: every character position (found by stepping forward from the text's
// start) is compared. Down: the first match from the selection's start, or behind it when the
// selection is a match. Up: the last match that begins before the selection's start.
struct NaiveSearch {
    const CodePage& codePage;
    std::string_view text, find;
    bool matchCase;

    bool IsBoundary(std::size_t pos) const {
        std::size_t at = 0;
        while (at < pos) at = codePage.Next(text, at);
        return at == pos;
    }
    bool MatchesAt(std::size_t pos) const {
        if (pos + find.size() > text.size()) return false;
        const std::string_view candidate = text.substr(pos, find.size());
        const bool equal = matchCase ? candidate == find : codePage.EqualNoCase(candidate, find);
        return equal && IsBoundary(pos) && IsBoundary(pos + find.size());
    }
    std::optional<std::size_t> Search(std::size_t start, std::size_t end, bool down) const {
        const bool selectionMatches = end - start == find.size() && MatchesAt(start);
        std::optional<std::size_t> found;
        for (std::size_t pos = 0; pos <= text.size(); ++pos) {
            if (!MatchesAt(pos)) continue;
            if (down && (pos > start || (pos == start && !selectionMatches))) return pos;
            if (!down && pos < start) found = pos;
        }
        return down ? std::nullopt : found;
    }
};

TEST(TextSearch, AgreesWithComparingAtEveryPosition) {
    struct Alphabet {
        const CodePage& codePage;
        std::vector<std::string_view> pieces;        // of texts and find strings
        std::vector<std::string_view> replacements;  // whole characters
    };
    const Alphabet alphabets[] = {
        {kUtf8, {"a", "A", "b", "ä", "Ä", "ß", "Ÿ", "ÿ", "€", "\xC3", "\xA4", "\r\n"}, {"", "a", "ä", "AB"}},
        {k1252, {"a", "A", "b", "\xE4", "\xC4", "\xDF", "\x8A", "\x9A", "\r\n"}, {"", "a", "\xE4", "AB"}},
    };
    std::mt19937_64 random(20261207);
    const auto below = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    for (const Alphabet& alphabet : alphabets) {
        for (int round = 0; round < 20000; ++round) {
            // Every other round takes two or three pieces only, so that find strings overlap
            // themselves and texts repeat them.
            std::vector<std::string_view> used = alphabet.pieces;
            const bool few = round % 2 == 1;
            if (few) {
                std::shuffle(used.begin(), used.end(), random);
                used.resize(2 + below(2));
            }
            const auto pieces = [&](std::size_t count) {
                std::string out;
                while (count-- > 0) out += used[below(used.size())];
                return out;
            };
            const std::string text = pieces(below(few ? 40 : 24));
            const std::string find = pieces(1 + below(few ? 6 : 3));
            const bool matchCase = below(2) == 0;
            const bool down = below(2) == 0;
            const NaiveSearch naive{alphabet.codePage, text, find, matchCase};
            std::size_t start = below(text.size() + 1);
            while (!naive.IsBoundary(start)) --start;
            // Half of the selections are as long as the find string, so that some are matches.
            const std::size_t end = std::min(text.size(), start + (below(2) == 0 ? find.size() : below(4)));
            SCOPED_TRACE(testing::Message() << "round " << round << " '" << text << "' [" << start << ", " << end
                                            << ") '" << find << "'" << (down ? " down" : " up")
                                            << (matchCase ? " case" : ""));
            const TextSearch search(text, find, matchCase, alphabet.codePage);
            ASSERT_EQ(search.SearchText(start, end, down), naive.Search(start, end, down));

            // Replace-all against the literal loop: replace, then search down from behind the
            // replacement in the new text, until nothing is found or a replacement would not fit.
            const std::optional<std::size_t> first = naive.Search(0, 0, true);
            if (!first) continue;
            const std::string_view replacement = alphabet.replacements[below(alphabet.replacements.size())];
            const std::size_t room = below(8);
            std::string literal = text;
            std::optional<std::size_t> match = first;
            while (match && literal.size() - find.size() + replacement.size() <= text.size() + room) {
                literal.replace(*match, find.size(), replacement);
                const std::size_t caret = *match + replacement.size();
                match = NaiveSearch{alphabet.codePage, literal, find, matchCase}.Search(caret, caret, true);
            }
            TextSearch::Replaced replaced = search.ReplaceAll(*first, replacement, room);
            std::string result = text;
            result.replace(*first, replaced.end - *first, replaced.text);
            ASSERT_EQ(result, literal) << "replaced by '" << replacement << "', room " << room;
            ASSERT_EQ(replaced.stoppedAt, match);
        }
    }
}

}  // namespace
}  // namespace venkora
