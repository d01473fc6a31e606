// The page layout of printing with exact integer fake metrics: the edge cases of line and page
// breaks, each page dumped as its start offsets and the lines drawn on it, and a differential
// test against a naive layout that measures every prefix of a line.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "editview/PrintLayout.h"

namespace venkora {
namespace {

constexpr int kLineHeight = 10;

// Every character `advance` wide (10 unless a case says otherwise) and 10 high, but "i" half of
// it, "W" twice and "#" 1000 wide. Measured exactly, "A" followed by "V" moves 3 closer, which
// the estimate from single widths does not know.
class FakeMeasure : public TextMeasure {
public:
    explicit FakeMeasure(CodePage codePage, double advance = 10) : codePage_(codePage), advance_(advance) {
        widths_.fill(advance);
        widths_['i'] = advance / 2;
        widths_['W'] = 2 * advance;
        widths_['#'] = 1000;
    }

    int LineHeight() const override { return kLineHeight; }
    double AverageCharWidth() const override { return advance_; }
    const std::array<double, 256>& ByteWidths() const override { return widths_; }
    double CharacterWidth(std::string_view) const override { return advance_; }
    double TextWidth(std::string_view bytes, double tabWidth) const override {
        double width = 0;
        for (std::size_t pos = 0; pos < bytes.size();) {
            const std::size_t next = codePage_.Next(bytes, pos);
            if (bytes[pos] == '\t') {
                width = NextTabStop(width, tabWidth);
            } else {
                width += next - pos > 1 ? advance_ : widths_[static_cast<unsigned char>(bytes[pos])];
                if (bytes[pos] == 'V' && pos > 0 && bytes[pos - 1] == 'A') width -= 3;
            }
            pos = next;
        }
        return width;
    }
    void DrawText(int, int y, std::string_view bytes, double, const PrintRect&) override {
        if (!drawn.empty()) drawn += ' ';
        drawn += std::to_string(y) + ':' + std::string(bytes);
    }

    std::string drawn;  // "y:text" of each line drawn on the current page

private:
    CodePage codePage_;
    double advance_;
    std::array<double, 256> widths_{};
};

struct Printed {
    std::string starts;  // "0|15": the page starts
    std::string pages;   // "0:ab 10:cd / 0:ef": the lines of each page
};

std::string Join(const std::vector<std::size_t>& offsets) {
    std::string out;
    for (const std::size_t offset : offsets) out += (out.empty() ? "" : "|") + std::to_string(offset);
    return out;
}

// A print job as the framework runs it: pages 1, 2, ... each prepared (paginated when its
// start is unknown) and then drawn, until a page is asked for that the text does not reach.
Printed PrintAll(const PrintText& text, const PrintRect& page, double advance = 10) {
    FakeMeasure measure(text.codePage, advance);
    PageStarts starts{0};
    std::string pages;
    for (std::size_t current = 1;; ++current) {
        if (current > starts.size() && !PaginateUpTo(measure, text, starts, current, page)) break;
        measure.drawn.clear();
        PrintPage(measure, text, starts, current, page, LayoutPass::Draw);
        pages += (current == 1 ? "" : " / ") + measure.drawn;
    }
    return {Join(starts), pages};
}

TEST(PrintLayout, EdgeCasesOfLinesAndPages) {
    const CodePage utf8(CodePage::Kind::Utf8);
    const CodePage windows1252(CodePage::Kind::Windows1252);
    struct Case {
        const char* name;
        std::string_view text;
        bool wrap;
        int width;  // the page is `width` wide and three lines high
        int tabStop;
        CodePage codePage;
        Printed expected;
        double advance = 10;
    };
    const Case cases[] = {
        {"empty text: one page with nothing on it", "", true, 50, 32, utf8, {"0", ""}},
        {"exactly one page of lines", "a\r\nb\r\nc\r\n", true, 50, 32, utf8, {"0", "0:a 10:b 20:c"}},
        {"one line more", "a\r\nb\r\nc\r\nd", false, 50, 32, utf8, {"0|9", "0:a 10:b 20:c / 0:d"}},
        {"wrap at the last blank that fits, blanks skipped", "ab cdefg   hi", true, 50, 32, utf8,
         {"0", "0:ab 10:cdefg 20:hi"}},
        {"a long word breaks inside", "abcdefghijkl", true, 50, 32, utf8, {"0", "0:abcde 10:fghij 20:kl"}},
        {"wrap off: cut at the edge, the cut character drawn", "abcdefgh\r\nxy", false, 50, 32, utf8,
         {"0", "0:abcdef 10:xy"}},
        {"continuation across the page bottom", "aaaa bbbb cccc dddd", true, 50, 32, utf8,
         {"0|15", "0:aaaa 10:bbbb 20:cccc / 0:dddd"}},
        {"CR CR LF: a CR, then a CR LF", "a\r\r\nb\r\nc", true, 50, 32, utf8, {"0|7", "0:a 20:b / 0:c"}},
        {"each lone CR ends a line", "A1\rA2\r\rA5", false, 50, 32, utf8, {"0|7", "0:A1 10:A2 / 0:A5"}},
        {"LF is one break", "a\nb\n\nc", true, 50, 32, utf8, {"0|5", "0:a 10:b / 0:c"}},
        {"tab stop 32: tabs every 8 average widths", "\tx\tyz", true, 100, 32, utf8, {"0", "0:\tx 10:yz"}},
        {"tab stop 16: tabs every 4 average widths", "\tx\tyz", true, 100, 16, utf8, {"0", "0:\tx\tyz"}},
        {"tab stop 0 prints tabs 1 apart", "a\t\t\tb", true, 50, 0, utf8, {"0", "0:a\t\t\tb"}},
        {"a character wider than the line, wrap on", "#ab#", true, 50, 32, utf8, {"0", "0:# 10:ab 20:#"}},
        {"a character wider than the line, wrap off", "#ab\r\nc", false, 50, 32, utf8, {"0", "0:# 10:c"}},
        {"UTF-8 characters stay whole", "ääääää", true, 50, 32, utf8, {"0", "0:äääää 10:ä"}},
        {"the same bytes in Windows-1252", "ääääääää", true, 50, 32, windows1252,
         {"0|15", "0:\xC3\xA4\xC3\xA4\xC3 10:\xA4\xC3\xA4\xC3\xA4 20:\xC3\xA4\xC3\xA4\xC3 / 0:\xA4"}},
        {"wrap off draws the cut UTF-8 character whole", "€€€€€€€", false, 45, 32, utf8, {"0", "0:€€€€€"}},
        {"measured exactly: a closer pair fits", "AVAVAVAV", true, 55, 32, utf8, {"0", "0:AVAVAV 10:AV"}},
        {"measured exactly: one unit too wide", "AVAVAVAV", true, 50, 32, utf8, {"0", "0:AVAVA 10:VAV"}},
        // Eight characters of 9.75 reach the tab position at 78; rounded, it would be at 80.
        {"fractional advances: a tab at a tab position goes on", "abcdefgh\tx", true, 100, 32, utf8,
         {"0", "0:abcdefgh 10:x"}, 9.75},
    };
    for (const Case& c : cases) {
        const PrintText text{c.text, c.codePage, c.wrap, c.tabStop};
        const Printed printed = PrintAll(text, {0, 0, c.width, 3 * kLineHeight}, c.advance);
        EXPECT_EQ(printed.starts, c.expected.starts) << c.name;
        EXPECT_EQ(printed.pages, c.expected.pages) << c.name;
    }
}

TEST(PrintLayout, WidthsAndPositionsOutOfRangeAreGuarded) {
    // A width below 0 fits nothing; it hung in Windows-1252 and read before the line in UTF-8.
    for (const CodePage codePage : {CodePage(CodePage::Kind::Windows1252), CodePage(CodePage::Kind::Utf8)}) {
        EXPECT_EQ(FitLineToWidth(FakeMeasure(codePage), codePage, -1, 80, "x\xC3\xA4y", 1, 4), 1u);
    }
    // A page ending at INT_MAX holds the one line that reaches beyond it.
    FakeMeasure measure{CodePage()};
    PrintRect last{0, INT_MAX - 5, 50, INT_MAX};
    EXPECT_EQ(LayOutTextInRect(measure, {"ab\r\nc", CodePage(), true, 32}, last, 0, 5, LayoutPass::Draw), 4u);
    EXPECT_EQ(last.bottom, INT_MAX);
}

// --- The naive layout ---------------------------------------------------------------------

struct VisualLine {
    std::size_t start;
    std::string drawn;  // empty for an empty line, which is not drawn
};

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The layout defined directly: the text cut into lines at its line breaks, each line into the
// pieces it prints as, the longest piece that fits found by measuring every prefix.
std::vector<VisualLine> NaiveLines(const PrintText& text, int width) {
    const FakeMeasure measure(text.codePage);
    const std::string_view bytes = text.bytes;
    const double tab = PrintTabWidth(text.tabStopWidth, 10);
    std::vector<VisualLine> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        const std::string_view line = bytes.substr(pos, end - pos);
        // The longest prefix of line[from, ...) of whole characters that fits.
        const auto fit = [&](std::size_t from) {
            std::size_t best = from;
            for (std::size_t next = from; next < line.size();) {
                next = text.codePage.Next(line, next);
                if (measure.TextWidth(line.substr(from, next - from), tab) > width) break;
                best = next;
            }
            return best;
        };
        if (line.empty()) {
            lines.push_back({pos, ""});
        } else if (text.wordWrap) {
            std::size_t from = 0;
            while (from < line.size()) {
                std::size_t cut = fit(from);
                if (cut == from) cut = text.codePage.Next(line, from);
                std::size_t piece = cut;
                if (cut < line.size()) {
                    for (std::size_t blank = cut; blank > from; --blank) {
                        if (IsBlank(line[blank])) {
                            piece = blank;
                            break;
                        }
                    }
                }
                lines.push_back({pos + from, std::string(line.substr(from, piece - from))});
                from = piece;
                while (from < line.size() && IsBlank(line[from])) ++from;
            }
        } else {
            std::size_t cut = fit(0);
            if (cut < line.size()) cut = text.codePage.Next(line, cut);
            lines.push_back({pos, std::string(line.substr(0, cut))});
        }
        pos = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

// Pages of as many lines as fit (at least one), dumped like PrintAll.
Printed NaivePrint(const PrintText& text, const PrintRect& page) {
    const std::vector<VisualLine> lines = NaiveLines(text, page.right - page.left);
    const std::size_t perPage = static_cast<std::size_t>(std::max(1, (page.bottom - page.top) / kLineHeight));
    std::vector<std::size_t> starts{0};
    std::vector<std::vector<std::string>> drawn(1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0 && i % perPage == 0) {
            starts.push_back(lines[i].start);
            drawn.emplace_back();
        }
        const int y = page.top + static_cast<int>(i % perPage) * kLineHeight;
        if (!lines[i].drawn.empty() && y < page.bottom) drawn.back().push_back(std::to_string(y) + ':' + lines[i].drawn);
    }
    std::string pages;
    for (std::size_t p = 0; p < drawn.size(); ++p) {
        if (p > 0) pages += " / ";
        for (std::size_t i = 0; i < drawn[p].size(); ++i) pages += (i > 0 ? " " : "") + drawn[p][i];
    }
    return {Join(starts), pages};
}

TEST(PrintLayout, MatchesTheNaiveLayoutOnRandomTexts) {
    std::mt19937 random(20261207);
    const std::vector<std::string> pieces = {"a", "b", "c", " ", "  ", "\t", "\r\n", "\n", "\r", "W",
                                             "i", "A", "V", "ä", "€", "#", "\r\r\n", "\xFF"};
    for (int round = 0; round < 10000; ++round) {
        std::string bytes;
        const int length = static_cast<int>(random() % 80);
        for (int i = 0; i < length; ++i) {
            const std::size_t which = random() % pieces.size();
            if (pieces[which] == "#" && random() % 4 != 0) continue;  // rare
            bytes += pieces[which];
        }
        const CodePage codePage(random() % 2 ? CodePage::Kind::Utf8 : CodePage::Kind::Windows1252);
        const int tabStops[] = {0, 4, 16, 32};
        const PrintText text{bytes, codePage, random() % 2 == 0, tabStops[random() % 4]};
        const int left = static_cast<int>(random() % 20);
        const int top = static_cast<int>(random() % 20);
        const PrintRect page{left, top, left + 1 + static_cast<int>(random() % 120),
                             top + static_cast<int>(random() % 60)};
        const Printed expected = NaivePrint(text, page);
        const Printed printed = PrintAll(text, page);
        ASSERT_EQ(printed.starts, expected.starts) << testing::PrintToString(bytes) << " wrap " << text.wordWrap;
        ASSERT_EQ(printed.pages, expected.pages) << testing::PrintToString(bytes) << " wrap " << text.wordWrap;
        // Straight to the last page, as a page range asks for it.
        FakeMeasure measure(codePage);
        PageStarts starts{0};
        const auto pages = static_cast<std::size_t>(std::count(expected.starts.begin(), expected.starts.end(), '|') + 1);
        ASSERT_TRUE(PaginateUpTo(measure, text, starts, pages, page));
        ASSERT_EQ(Join(starts), expected.starts);
        ASSERT_FALSE(PaginateUpTo(measure, text, starts, pages + 1, page));
    }
}

}  // namespace
}  // namespace venkora
