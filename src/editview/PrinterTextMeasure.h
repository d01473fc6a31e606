#pragma once
// The print layout's measures and drawing on a Qt paint device: the metrics of the print font
// on the printer (or the PDF, or the preview), the document's bytes decoded by its code page,
// and a painter on that device to draw with. Made for one print job; the widths of the 256
// byte values are measured once.

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/CodePage.h"
#include "editview/PrintLayout.h"

class QPaintDevice;
class QPainter;

namespace venkora {

class PrinterTextMeasure : public TextMeasure {
public:
    // Measures `font` as drawn on `device`; `codePage` decodes the text.
    PrinterTextMeasure(const QFont& font, const QPaintDevice& device, const CodePage& codePage);

    // The painter that draws the next page (borrowed; nullptr while only measuring).
    void SetPainter(QPainter* painter);

    int LineHeight() const override;
    int AverageCharWidth() const override { return averageWidth_; }
    const std::array<int, 256>& ByteWidths() const override { return byteWidths_; }
    int CharacterWidth(std::string_view character) const override;
    int TextWidth(std::string_view bytes, int tabWidth) const override;
    void DrawText(int x, int y, std::string_view bytes, int tabWidth, const PrintRect& clip) override;

private:
    QString Decoded(std::string_view bytes) const;

    QFont font_;
    QFontMetrics metrics_;
    CodePage codePage_;
    std::array<int, 256> byteWidths_{};
    int averageWidth_ = 1;
    mutable std::unordered_map<std::string, int> characterWidths_;
    QPainter* painter_ = nullptr;
    std::optional<QRect> clip_;  // the painter's clip, set once per page
};

}  // namespace venkora
