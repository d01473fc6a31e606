#include "editview/PrinterTextMeasure.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cassert>
#include <cmath>

#include "platform/CDialog.h"
#include "platform/QtText.h"

namespace venkora {

namespace {

// Walks the runs of `bytes` between tabs, a tab advancing to the next multiple of `tabWidth`:
// `run(x, bytes)` gets each run and where it starts and gives its width. The whole width.
template <class Run>
int WalkRuns(std::string_view bytes, int tabWidth, const Run& run) {
    int width = 0;
    std::size_t runStart = 0;
    for (std::size_t pos = 0; pos <= bytes.size(); ++pos) {
        if (pos < bytes.size() && bytes[pos] != '\t') continue;
        if (pos > runStart) width += run(width, bytes.substr(runStart, pos - runStart));
        if (pos < bytes.size()) width += tabWidth - width % tabWidth;
        runStart = pos + 1;
    }
    return width;
}

QRect ClipRect(const PrintRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace

PrinterTextMeasure::PrinterTextMeasure(const QFont& font, const QPaintDevice& device, const CodePage& codePage)
    : font_(font), metrics_(font, &device), codePage_(codePage) {
    for (unsigned byte = 0; byte < 256; ++byte) {
        const char single = static_cast<char>(byte);
        byteWidths_[byte] = metrics_.horizontalAdvance(Decoded(std::string_view(&single, 1)));
    }
    // The average width of the letters, as dialog units measure it on the screen.
    const double average = CDialog::AverageCharWidth(QFontMetricsF(font, &device));
    averageWidth_ = std::max(1, static_cast<int>(std::lround(average)));
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

int PrinterTextMeasure::LineHeight() const { return metrics_.height() + std::max(0, metrics_.leading()); }

int PrinterTextMeasure::CharacterWidth(std::string_view character) const {
    const auto [entry, added] = characterWidths_.try_emplace(std::string(character), 0);
    if (added) entry->second = metrics_.horizontalAdvance(Decoded(character));
    return entry->second;
}

int PrinterTextMeasure::TextWidth(std::string_view bytes, int tabWidth) const {
    // The runs between tabs are measured whole, as they are drawn.
    return WalkRuns(bytes, tabWidth, [this](int, std::string_view run) {
        return metrics_.horizontalAdvance(Decoded(run));
    });
}

void PrinterTextMeasure::DrawText(int x, int y, std::string_view bytes, int tabWidth, const PrintRect& clip) {
    assert(painter_);
    if (const QRect rect = ClipRect(clip); rect != clip_) {
        painter_->setClipRect(rect);
        clip_ = rect;
    }
    const int baseline = y + metrics_.ascent();
    WalkRuns(bytes, tabWidth, [this, x, baseline](int runX, std::string_view run) {
        const QString text = Decoded(run);
        painter_->drawText(QPoint(x + runX, baseline), text);
        return metrics_.horizontalAdvance(text);
    });
}

}  // namespace venkora
