#include "editview/PrinterTextMeasure.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cassert>
#include <cmath>

#include "platform/CDialog.h"
#include "platform/QtText.h"

namespace venkora {

namespace {

// Qt's font metrics overflow on a device well before a font is this many pixels high; a larger
// font is measured at this size and scaled.
constexpr double kLargestMeasured = 4096;

double PixelSize(const QFont& font, const QPaintDevice& device) {
    return font.pointSizeF() > 0 ? font.pointSizeF() * device.logicalDpiY() / 72.0 : font.pixelSize();
}

QFont AtPixels(QFont font, double pixels, const QPaintDevice& device) {
    font.setPointSizeF(pixels * 72.0 / device.logicalDpiY());
    return font;
}

// How many pixels of `device` high `font` prints: its own size, or smaller when a line of it
// would be taller than the page, so that every character prints whole on a page of its own.
double PrintedPixelSize(const QFont& font, const QPaintDevice& device) {
    const double pixels = std::max(1.0, PixelSize(font, device));
    const double measured = std::min(pixels, kLargestMeasured);
    const QFontMetricsF metrics(AtPixels(font, measured, device), &device);
    const double lineHeightPerPixel = (metrics.height() + std::max(0.0, metrics.leading())) / measured;
    if (lineHeightPerPixel <= 0) return pixels;
    return std::max(1.0, std::min(pixels, 0.999 * device.height() / lineHeightPerPixel));
}

// Whether the decoded character `text` has no glyph: a control character, or a byte without a
// character (decoded as the replacement character).
bool PrintsNothing(const QString& text) {
    return text.size() == 1 &&
           (text[0].category() == QChar::Other_Control || text[0] == QChar::ReplacementCharacter);
}

QRect ClipRect(const PrintRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace

PrinterTextMeasure::PrinterTextMeasure(const QFont& font, const QPaintDevice& device, const CodePage& codePage,
                                       const CharacterName& name)
    : PrinterTextMeasure(font, PrintedPixelSize(font, device), device, codePage, name) {}

PrinterTextMeasure::PrinterTextMeasure(const QFont& font, double printedPixels, const QPaintDevice& device,
                                       const CodePage& codePage, const CharacterName& name)
    : scale_(std::max(1.0, printedPixels / kLargestMeasured)),
      font_(AtPixels(font, printedPixels / scale_, device)),
      outlineFont_(font_),
      metrics_(font_, &device),
      codePage_(codePage),
      name_(name) {
    outlineFont_.setPixelSize(std::max(1, static_cast<int>(std::lround(PixelSize(font_, device)))));
    const double height = (metrics_.height() + std::max(0.0, metrics_.leading())) * scale_;
    lineHeight_ = static_cast<int>(std::clamp(std::round(height), 1.0, 1e9));
    // The average width of the letters, as dialog units measure it on the screen.
    averageWidth_ = std::max(1e-3, CDialog::AverageCharWidth(metrics_) * scale_);
    for (unsigned byte = 0; byte < 256; ++byte) {
        const char single = static_cast<char>(byte);
        const std::string_view character(&single, 1);
        const QString text = Decoded(character);
        if (name_ && PrintsNothing(text)) byteMarks_[byte] = QtText(name_(character));
        byteWidths_[byte] = byteMarks_[byte].isEmpty() ? Advance(text) : MarkWidth(byteMarks_[byte]);
        // In UTF-8 a byte from 0x80 on is a character of its own only where the text is not
        // UTF-8, which a UTF-8 document never is; its marks begin with 0xC2 or 0xE2.
        const bool utf8 = codePage.kind() == CodePage::Kind::Utf8;
        mayBreakRun_[byte] = byte == '\t' || (!byteMarks_[byte].isEmpty() && (!utf8 || byte < 0x80)) ||
                             (utf8 && (byte == 0xC2 || byte == 0xE2));
    }
}

void PrinterTextMeasure::SetPainter(QPainter* painter) {
    painter_ = painter;
    clip_.reset();
    if (!painter_) return;
    painter_->setFont(font_);
    painter_->setPen(Qt::black);
    painter_->setBackgroundMode(Qt::TransparentMode);
}

QString PrinterTextMeasure::Decoded(std::string_view bytes) const {
    return QtText(codePage_.Decode(bytes));
}

double PrinterTextMeasure::Advance(const QString& text) const { return metrics_.horizontalAdvance(text) * scale_; }

// A mark is its name with a quarter of an average character on either side.
double PrinterTextMeasure::MarkWidth(const QString& name) const { return Advance(name) + averageWidth_ / 2; }

const QString* PrinterTextMeasure::MarkOf(std::string_view bytes) const {
    if (bytes.size() == 1) {
        const QString& mark = byteMarks_[static_cast<unsigned char>(bytes[0])];
        return mark.isEmpty() ? nullptr : &mark;
    }
    // Of the characters of several bytes only the C1 controls (U+0080 to U+009F) and the line
    // and paragraph separators (U+2028, U+2029) have no glyph.
    const bool c1 = bytes.size() == 2 && bytes[0] == '\xC2' && static_cast<unsigned char>(bytes[1]) <= 0x9F;
    if (!c1 && bytes != "\xE2\x80\xA8" && bytes != "\xE2\x80\xA9") return nullptr;
    const auto [entry, added] = characterMarks_.try_emplace(std::string(bytes));
    if (added && name_) entry->second = QtText(name_(bytes));
    return entry->second.isEmpty() ? nullptr : &entry->second;
}

template <class Run, class Mark>
double PrinterTextMeasure::Walk(std::string_view bytes, double tabWidth, const Run& run, const Mark& mark) const {
    double x = 0;
    std::size_t runStart = 0;
    const auto endRun = [&](std::size_t end) {
        if (end > runStart) x += run(x, Decoded(bytes.substr(runStart, end - runStart)));
    };
    for (std::size_t pos = 0; pos < bytes.size();) {
        if (!mayBreakRun_[static_cast<unsigned char>(bytes[pos])]) {
            ++pos;
            continue;
        }
        const std::size_t next = codePage_.Next(bytes, pos);
        const bool tab = bytes[pos] == '\t';
        const QString* name = tab ? nullptr : MarkOf(bytes.substr(pos, next - pos));
        if (tab || name) {
            endRun(pos);
            x = tab ? NextTabStop(x, tabWidth) : x + mark(x, *name);
            runStart = next;
        }
        pos = next;
    }
    endRun(bytes.size());
    return x;
}

double PrinterTextMeasure::CharacterWidth(std::string_view character) const {
    const auto [entry, added] = characterWidths_.try_emplace(std::string(character), 0);
    if (added) {
        const QString* mark = MarkOf(character);
        entry->second = mark ? MarkWidth(*mark) : Advance(Decoded(character));
    }
    return entry->second;
}

double PrinterTextMeasure::TextWidth(std::string_view bytes, double tabWidth) const {
    // The runs between tabs and marks are measured whole, as they are drawn.
    return Walk(
        bytes, tabWidth, [this](double, const QString& text) { return Advance(text); },
        [this](double, const QString& name) { return MarkWidth(name); });
}

void PrinterTextMeasure::DrawText(int x, int y, std::string_view bytes, double tabWidth, const PrintRect& clip) {
    assert(painter_);
    if (const QRect rect = ClipRect(clip); rect != clip_) {
        painter_->setClipRect(rect);
        clip_ = rect;
    }
    const double baseline = y + metrics_.ascent() * scale_;
    Walk(
        bytes, tabWidth,
        [&](double runX, const QString& text) {
            DrawRun(x + runX, baseline, text);
            return Advance(text);
        },
        [&](double markX, const QString& name) {
            DrawMark(x + markX, baseline, name);
            return MarkWidth(name);
        });
}

void PrinterTextMeasure::DrawRun(double x, double baseline, const QString& text) {
    if (scale_ == 1) {
        painter_->drawText(QPointF(x, baseline), text);
        return;
    }
    // Outlines: PDF viewers draw no text this large.
    QPainterPath outline;
    outline.addText(QPointF(0, 0), outlineFont_, text);
    painter_->save();
    painter_->translate(x, baseline);
    painter_->scale(scale_, scale_);
    painter_->fillPath(outline, painter_->pen().color());
    painter_->restore();
}

void PrinterTextMeasure::DrawMark(double x, double baseline, const QString& name) {
    const double side = averageWidth_ / 4;
    const double ascent = metrics_.ascent() * scale_;
    const QRectF box(x + side / 2, baseline - ascent, MarkWidth(name) - side, ascent + metrics_.descent() * scale_);
    painter_->save();
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(Qt::black);
    painter_->drawRoundedRect(box, side, side);
    painter_->setPen(Qt::white);
    DrawRun(x + side, baseline, name);
    painter_->restore();
}

}  // namespace venkora
