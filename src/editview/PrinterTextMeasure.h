#pragma once
// The print layout's measures and drawing on a Qt paint device: the metrics of the print font
// on the printer (or the PDF, or the preview), the document's bytes decoded by its code page,
// and a painter on that device to draw with. Made for one print job; the widths of the 256
// byte values are measured once.
//
// A character that prints nothing (NUL and the other controls, a byte without a character)
// prints as a mark: the edit view's name for it ("NUL", "x81") light on a dark rounded box, as
// the screen shows it. A font whose line would be taller than the page prints at the largest
// size whose line fits it; a font larger than Qt can measure on the device is measured smaller
// and drawn enlarged, as outlines.

#include <QFont>
#include <QFontMetricsF>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
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
    // The edit view's name for the character `bytes`, empty when it shows no name for it.
    using CharacterName = std::function<std::string(std::string_view bytes)>;

    // Measures `font` as drawn on `device`; `codePage` decodes the text, `name` names the
    // characters that print nothing.
    PrinterTextMeasure(const QFont& font, const QPaintDevice& device, const CodePage& codePage,
                       const CharacterName& name);

    // The painter that draws the next page (borrowed; nullptr while only measuring).
    void SetPainter(QPainter* painter);

    int LineHeight() const override { return lineHeight_; }
    double AverageCharWidth() const override { return averageWidth_; }
    const std::array<double, 256>& ByteWidths() const override { return byteWidths_; }
    double CharacterWidth(std::string_view character) const override;
    double TextWidth(std::string_view bytes, double tabWidth) const override;
    void DrawText(int x, int y, std::string_view bytes, double tabWidth, const PrintRect& clip) override;

private:
    // The same, `font` printing `printedPixels` high on `device`.
    PrinterTextMeasure(const QFont& font, double printedPixels, const QPaintDevice& device,
                       const CodePage& codePage, const CharacterName& name);
    // Walks `bytes` piece by piece: `run(x, text)` gets each run of characters drawn as text,
    // `mark(x, name)` each mark, with where it starts, and each gives its width; a tab advances
    // to the next tab stop. The whole width.
    template <class Run, class Mark>
    double Walk(std::string_view bytes, double tabWidth, const Run& run, const Mark& mark) const;
    // The mark of the character `bytes`, nullptr when it prints as a glyph.
    const QString* MarkOf(std::string_view bytes) const;
    QString Decoded(std::string_view bytes) const;
    // Widths on the device, the font's scale included.
    double Advance(const QString& text) const;
    double MarkWidth(const QString& name) const;
    void DrawRun(double x, double baseline, const QString& text);
    void DrawMark(double x, double baseline, const QString& name);

    double scale_;    // how much larger the font prints than it is measured
    QFont font_;      // as measured: at most the largest size Qt measures on the device
    QFont outlineFont_;  // the same in device pixels, for the outlines of a scaled font
    QFontMetricsF metrics_;
    CodePage codePage_;
    CharacterName name_;
    std::array<double, 256> byteWidths_{};
    std::array<QString, 256> byteMarks_;  // the marks of the characters of one byte
    std::array<bool, 256> mayBreakRun_{};  // the bytes that may begin a tab or a mark
    double averageWidth_ = 1;
    int lineHeight_ = 1;
    mutable std::unordered_map<std::string, double> characterWidths_;
    mutable std::unordered_map<std::string, QString> characterMarks_;
    QPainter* painter_ = nullptr;
    std::optional<QRect> clip_;  // the painter's clip, set once per page
};

}  // namespace venkora
