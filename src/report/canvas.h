#pragma once
// A drawing surface for the report figures. The chart renderer draws through it, so the
// same drawing goes to the screen, to a printed page or into a Windows metafile.
//
// Coordinates are pixels (96 per inch) with the origin at the top-left corner of the
// surface and y growing downward; a surface may scale them to its own units. Texts are
// UTF-8.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "forms/colour.h"

namespace stelvar {

struct CanvasPoint {
    double X = 0.0;
    double Y = 0.0;
    friend constexpr bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

struct CanvasRect {
    double Left = 0.0;
    double Top = 0.0;
    double Right = 0.0;
    double Bottom = 0.0;
    double Width() const { return Right - Left; }
    double Height() const { return Bottom - Top; }
    bool Contains(CanvasPoint p) const {
        return p.X >= Left && p.X <= Right && p.Y >= Top && p.Y <= Bottom;
    }
    friend constexpr bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, None };

struct Pen {
    Colour PenColour{0x000000};  // RGB with red in the low byte
    int Width = 1;               // pixels
    PenStyle Style = PenStyle::Solid;
    friend constexpr bool operator==(const Pen&, const Pen&) = default;
};

struct CanvasFont {
    std::string Name = "ＭＳ Ｐゴシック";
    int Height = 12;  // character height in pixels (the em, without leading)
    Colour FontColour{0x000000};
    bool Bold = false;
    int Angle = 0;  // degrees counter-clockwise; 90 writes upward
    friend bool operator==(const CanvasFont&, const CanvasFont&) = default;
};

// Where the reference point of a text lies on the text: horizontally at its start,
// middle or end, vertically at its top, base line or bottom (in the text's own
// direction when it is turned).
enum class TextAlign { Left, Centre, Right };
enum class TextBase { Top, Baseline, Bottom };

class Canvas {
public:
    virtual ~Canvas() = default;

    // The pen of the lines, polylines and rectangle outlines that follow.
    virtual void SetPen(const Pen& pen) = 0;
    virtual void Line(CanvasPoint from, CanvasPoint to) = 0;
    // Joined segments through the points in order; fewer than two points draw nothing.
    virtual void Polyline(std::span<const CanvasPoint> points) = 0;
    // The outline in the current pen (none with PenStyle::None), filled with `fill`
    // when one is given.
    virtual void Rectangle(const CanvasRect& rect, std::optional<Colour> fill) = 0;

    // The font of the texts that follow, with their colour. Texts are drawn without a
    // background.
    virtual void SetFont(const CanvasFont& font) = 0;
    virtual void Text(CanvasPoint at, std::string_view text, TextAlign align, TextBase base) = 0;
    // Width in pixels the text takes in the current font.
    virtual double TextWidth(std::string_view text) const = 0;

    // Until ResetClip, drawing shows only inside the rectangle. A new clip replaces the
    // previous one.
    virtual void SetClip(const CanvasRect& rect) = 0;
    virtual void ResetClip() = 0;
};

}  // namespace stelvar
