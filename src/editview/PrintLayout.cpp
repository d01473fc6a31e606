#include "editview/PrintLayout.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <cstdint>

namespace venkora {

namespace {

bool IsLineBreak(char byte) { return byte == '\r' || byte == '\n'; }

}  // namespace

double PrintTabWidth(int tabStopWidth, double averageCharWidth) {
    // Wider than any page, and far enough from overflowing the sums of widths.
    constexpr double kWidest = 1 << 20;
    return std::clamp(tabStopWidth * averageCharWidth / 4, 1.0, kWidest);
}

double NextTabStop(double x, double tabWidth) {
    // Sums of advances may miss a tab position by a rounding error; reaching it to within a
    // millionth of a tab counts.
    constexpr double kRounding = 1e-6;
    return (std::floor(x / tabWidth + kRounding) + 1) * tabWidth;
}

std::size_t FindLineEnd(std::string_view text, std::size_t stop, std::size_t offset) {
    stop = std::min(stop, text.size());
    while (offset < stop && !IsLineBreak(text[offset])) ++offset;
    return std::min(offset, stop);
}

std::size_t SkipLineBreak(std::string_view text, std::size_t stop, std::size_t offset) {
    stop = std::min(stop, text.size());
    if (offset < stop && text[offset] == '\r') {
        ++offset;
        if (offset < stop && text[offset] == '\n') ++offset;
    } else if (offset < stop && text[offset] == '\n') {
        ++offset;
    }
    return offset;
}

std::size_t FitLineToWidth(const TextMeasure& measure, const CodePage& codePage, int lineWidth, double tabWidth,
                           std::string_view text, std::size_t start, std::size_t lineEnd) {
    assert(start <= lineEnd && lineEnd <= text.size());
    lineEnd = std::min(lineEnd, text.size());
    start = std::min(start, lineEnd);
    // Offsets below are relative to the line, which no character reaches beyond.
    const std::string_view line = text.substr(start, lineEnd - start);
    const std::array<double, 256>& widths = measure.ByteWidths();

    // Estimate: the characters up to and with the first one that makes the line too wide.
    std::size_t end = 0;
    double width = 0;
    while (end < line.size() && width <= lineWidth) {
        const std::size_t next = codePage.Next(line, end);
        if (line[end] == '\t') {
            width = NextTabStop(width, tabWidth);
        } else if (next - end == 1) {
            width += widths[static_cast<unsigned char>(line[end])];
        } else {
            width += measure.CharacterWidth(line.substr(end, next - end));
        }
        end = next;
    }

    // Correction by exact measurements.
    const auto fits = [&](std::size_t pieceEnd) {
        return measure.TextWidth(line.substr(0, pieceEnd), tabWidth) <= lineWidth;
    };
    if (!fits(end)) {
        // Nothing fits into a width below 0, not even the empty piece.
        while (end > 0 && !fits(end)) end = codePage.Previous(line, end);
    } else {
        while (end < line.size()) {
            const std::size_t next = codePage.Next(line, end);
            if (!fits(next)) break;
            end = next;
        }
    }
    return start + end;
}

std::size_t LayOutTextInRect(TextMeasure& measure, const PrintText& printText, PrintRect& rect,
                             std::size_t start, std::size_t stop, LayoutPass pass) {
    const std::string_view text = printText.bytes;
    if (start >= text.size()) return text.size();
    stop = std::min(stop, text.size());
    const CodePage& codePage = printText.codePage;
    const std::int64_t lineHeight = std::max(1, measure.LineHeight());
    const double tabWidth = PrintTabWidth(printText.tabStopWidth, measure.AverageCharWidth());
    const int lineWidth = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{rect.right} - rect.left, 0, INT_MAX));
    const bool drawing = pass == LayoutPass::Draw && rect.right > rect.left && rect.bottom > rect.top;
    // The next character, kept within the line.
    const auto nextInLine = [&](std::size_t offset, std::size_t lineEnd) {
        return start + codePage.Next(text.substr(start, lineEnd - start), offset - start);
    };

    // Below the rectangle's bottom lines only count, so y may pass INT_MAX.
    std::int64_t y = rect.top;
    std::size_t index = start;
    const auto draw = [&](std::size_t from, std::size_t to) {
        if (drawing && y < rect.bottom) {
            measure.DrawText(rect.left, static_cast<int>(y), text.substr(from, to - from), tabWidth, rect);
        }
    };
    do {
        std::size_t lineEnd = FindLineEnd(text, stop, index);
        if (index == lineEnd) {
            y += lineHeight;
        } else if (printText.wordWrap) {
            do {
                std::size_t wrap = FitLineToWidth(measure, codePage, lineWidth, tabWidth, text, index, lineEnd);
                // A character wider than the line takes a line of its own.
                if (wrap == index) wrap = nextInLine(index, lineEnd);
                // Back to the last blank at or before the first byte that does not fit; without
                // one the word breaks at the last character that fits.
                std::size_t word = wrap;
                if (wrap < lineEnd) {
                    while (word > index && !CodePage::IsWhiteSpace(text[word])) --word;
                    if (word == index) word = wrap;
                }
                draw(index, word);
                y += lineHeight;
                index = word;
                while (index < lineEnd && CodePage::IsWhiteSpace(text[index])) ++index;
            } while (index < lineEnd && y + lineHeight <= rect.bottom);
            // A line cut by the page bottom goes on at this byte on the next page.
            lineEnd = index;
        } else {
            if (drawing && y < rect.bottom) {
                // The character the right edge cuts is drawn too, clipped.
                std::size_t clip = FitLineToWidth(measure, codePage, lineWidth, tabWidth, text, index, lineEnd);
                if (clip < lineEnd) clip = nextInLine(clip, lineEnd);
                draw(index, clip);
            }
            y += lineHeight;
        }
        index = SkipLineBreak(text, stop, lineEnd);
    } while (index < stop && y + lineHeight <= rect.bottom);
    rect.bottom = static_cast<int>(std::min<std::int64_t>(y, INT_MAX));
    return index;
}

std::size_t PrintPage(TextMeasure& measure, const PrintText& text, PageStarts& pageStarts, std::size_t page,
                      const PrintRect& rect, LayoutPass pass) {
    assert(page >= 1 && page <= pageStarts.size());
    PrintRect laidOut = rect;
    const std::size_t next =
        LayOutTextInRect(measure, text, laidOut, pageStarts[page - 1], text.bytes.size(), pass);
    if (page == pageStarts.size() && next < text.bytes.size()) pageStarts.push_back(next);
    return next;
}

bool PaginateUpTo(TextMeasure& measure, const PrintText& text, PageStarts& pageStarts, std::size_t page,
                  const PrintRect& pageRect) {
    assert(!pageStarts.empty());
    std::size_t current = pageStarts.size();
    while (current < page) {
        const std::size_t known = pageStarts.size();
        PrintPage(measure, text, pageStarts, current, pageRect, LayoutPass::MeasureOnly);
        if (pageStarts.size() == known) break;  // the text ended on this page
        ++current;
    }
    return current >= page;
}

}  // namespace venkora
