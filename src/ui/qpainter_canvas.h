#pragma once
// The chart canvas on a QPainter: the results window's charts on screen, and any page
// or image a QPainter can paint. Fonts named as the system names them are drawn with
// the Japanese faces installed here.

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPen>

#include <string_view>

#include "report/canvas.h"

class QPainter;

namespace stelvar::ui {

// The installed face for a font the system names: "ＭＳ Ｐゴシック" → "Noto Sans CJK JP",
// "ＭＳ Ｐ明朝" and "ＭＳ 明朝" → "Noto Serif CJK JP", "ＭＳ ゴシック" → "Noto Sans Mono CJK JP";
// any other name is used as it is.
QString QtFontFamily(std::string_view systemName);

// A font of the given family name (as the system names it) and pixel height (the em).
QFont QtFont(std::string_view systemName, int pixelHeight, bool bold = false);

// An RGB colour with red in the low byte; the few system colours the windows use are
// taken from their usual appearance (window white, window text black, button face grey).
QColor ToQColor(Colour colour);

class QPainterCanvas : public Canvas {
public:
    // Draws with `painter`, which must outlive the canvas. A clip the painter already has
    // (a page's printable area) is kept: SetClip narrows it and ResetClip returns to it.
    explicit QPainterCanvas(QPainter& painter);

    void SetPen(const Pen& pen) override;
    void Line(CanvasPoint from, CanvasPoint to) override;
    void Polyline(std::span<const CanvasPoint> points) override;
    void Rectangle(const CanvasRect& rect, std::optional<Colour> fill) override;
    void SetFont(const CanvasFont& font) override;
    void Text(CanvasPoint at, std::string_view text, TextAlign align, TextBase base) override;
    double TextWidth(std::string_view text) const override;
    void SetClip(const CanvasRect& rect) override;
    void ResetClip() override;

private:
    void UseLinePen();

    QPainter& painter_;
    QPen pen_;
    QFont font_;
    QColor fontColour_;
    int fontHeight_ = 12;
    int fontAngle_ = 0;
    bool hadClip_ = false;
    QPainterPath originalClip_;
};

}  // namespace stelvar::ui
