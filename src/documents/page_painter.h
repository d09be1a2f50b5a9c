#pragma once
// Painting a printed page: where the frame, the title band, the text blocks, the tables,
// the figures, the headings and the page label go, in page pixels (794 × 1123, y
// downward). The print preview and the printer (QPainter) and the delivery PDF (cairo)
// paint every page through this one placement, each on its own PageSurface, so that the
// file shows what the preview shows.

#include <functional>
#include <string_view>

#include "documents/printed_report.h"
#include "report/canvas.h"

namespace stelvar {

// What a page needs of a device, in page pixels.
class PageSurface {
public:
    virtual ~PageSurface() = default;

    // A black rule one pixel wide with flat ends, set on whole pixels where the device
    // can (crisp at 96 per inch).
    virtual void Rule(CanvasPoint from, CanvasPoint to) = 0;
    virtual void RuleRectangle(const CanvasRect& rect) = 0;

    // The font of the texts that follow: a face as the system names it ("ＭＳ 明朝") at
    // a pixel height (the em).
    virtual void SetFont(std::string_view systemName, int pixelHeight) = 0;
    // Width in pixels of the text in the current font, unscaled.
    virtual double TextWidth(std::string_view text) = 0;
    // Black text whose base line starts at `at` of a frame with its origin at the page
    // point `origin` and its x set `narrower` times as wide (1 = as the font sets it),
    // glyphs and advances alike: the page point origin + (narrower·at.X, at.Y).
    virtual void Text(std::string_view text, CanvasPoint at, CanvasPoint origin = {}, double narrower = 1.0) = 0;

    // A chart canvas whose origin is the page point (left, top), for `draw` only.
    virtual void WithCanvasAt(double left, double top, const std::function<void(Canvas&)>& draw) = 0;
};

// Paints the page onto the surface (the sheet itself is the surface's business).
void PaintPrintedPage(const PrintedPage& page, PageSurface& surface);

}  // namespace stelvar
