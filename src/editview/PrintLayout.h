#pragma once
// The page layout of printing, for any device: the text goes onto a page line by line from the
// top of the drawing rectangle down; a long line breaks at its last blank that fits when word
// wrap is on (inside a word without one) and is cut at the right edge when it is off; a line
// that the page bottom cuts goes on at the top of the next page. The starts of the pages are
// found as a print job goes. The layout measures and draws only through TextMeasure, which the
// printer implements and tests fake with exact metrics. Widths are fractions of device units, as
// the font advances, so that tab stops fall where the characters' own widths put them.
//
// Lines end as the edit view shows them: each CR LF, each other CR and each other LF ends one
// line, and nothing of a line break is drawn.

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/CodePage.h"

namespace venkora {

// Entry k - 1 is the byte offset at which page k begins; entry 0 is 0. An entry is added when a
// page has been laid out and text remains behind it.
using PageStarts = std::vector<std::size_t>;

// A rectangle in device units; right and bottom lie just outside it.
struct PrintRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// What the layout measures the text with and draws it on.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;

    // The height of one printed line: the font's height and its external leading.
    virtual int LineHeight() const = 0;
    // The font's average character width, unrounded.
    virtual double AverageCharWidth() const = 0;
    // The width of each byte value drawn as one character; for first estimates only.
    virtual const std::array<double, 256>& ByteWidths() const = 0;
    // The width of one character of several bytes (UTF-8); for first estimates only.
    virtual double CharacterWidth(std::string_view character) const = 0;
    // The exact width of `bytes` drawn as one piece, a tab advancing to NextTabStop counted
    // from the piece's left edge.
    virtual double TextWidth(std::string_view bytes, double tabWidth) const = 0;
    // Draws `bytes` as TextWidth measures them, its left edge at `x`, the top of its line at
    // `y`, nothing outside `clip`. A layout that only measures never calls it.
    virtual void DrawText(int x, int y, std::string_view bytes, double tabWidth, const PrintRect& clip) = 0;
};

// The text as the view shows it: its bytes, its code page, its word wrap and tab stop.
struct PrintText {
    std::string_view bytes;
    CodePage codePage;
    bool wordWrap = false;
    int tabStopWidth = 32;  // dialog units, four to an average character width
};

enum class LayoutPass { Draw, MeasureOnly };

// The distance of the printed tab positions: the tab stop width in dialog units times a quarter
// of the average character width, unrounded, so that in a monospaced font the tab columns are
// whole character columns as on the screen. At least 1, so that a tab stop width of 0 (only a
// hand-edited setting gives one) still lets every tab advance; at most 2^20, wider than any page.
double PrintTabWidth(int tabStopWidth, double averageCharWidth);

// Where a tab at `x` ends: the first multiple of `tabWidth` beyond `x`. A piece that reaches a
// tab position (to within rounding) makes its tab advance to the next one, as on the screen.
double NextTabStop(double x, double tabWidth);

// The offset of the next CR or LF at or after `offset`, or `stop` when there is none before it.
std::size_t FindLineEnd(std::string_view text, std::size_t stop, std::size_t offset);
// The offset after the line break at `offset`: behind a CR LF pair, or behind the one CR or LF
// there; not beyond `stop`.
std::size_t SkipLineBreak(std::string_view text, std::size_t stop, std::size_t offset);

// The offset just past the last whole character of [start, lineEnd) that fits into
// `lineWidth` (start when not even the first one does, or the width is below 0): a first
// estimate from the per-character widths, corrected by exact measurements a character at a
// time. Requires start <= lineEnd <= text.size().
std::size_t FitLineToWidth(const TextMeasure& measure, const CodePage& codePage, int lineWidth, double tabWidth,
                           std::string_view text, std::size_t start, std::size_t lineEnd);

// Lays out the text from `start` up to `stop` into `rect`, line after line from its top, until
// the text ends or the next line would reach below the bottom; at least one line, and every
// printed line holds at least one character. Draws unless `pass` only measures or the rectangle
// is empty. Afterwards `rect.bottom` is the bottom of the last line laid out (at most INT_MAX);
// the result is the offset where the next page begins (the text's length when it has ended).
// A rectangle whose right lies left of its left is as wide as nothing.
std::size_t LayOutTextInRect(TextMeasure& measure, const PrintText& text, PrintRect& rect,
                             std::size_t start, std::size_t stop, LayoutPass pass);

// Lays out page `page` (counted from 1; its start must be known) into `rect`. When it is the
// last page with a known start and text remains behind it, the next page's start is added.
// Returns where the page ends.
std::size_t PrintPage(TextMeasure& measure, const PrintText& text, PageStarts& pageStarts, std::size_t page,
                      const PrintRect& rect, LayoutPass pass);

// Lays out, without drawing, the pages from the last one with a known start on, each into
// `pageRect`, until page `page` has a start: true then, false when the text ends before it.
// Pages already laid out are never laid out again for their starts.
bool PaginateUpTo(TextMeasure& measure, const PrintText& text, PageStarts& pageStarts, std::size_t page,
                  const PrintRect& pageRect);

}  // namespace venkora
