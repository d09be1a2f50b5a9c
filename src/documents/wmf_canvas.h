#pragma once
// A canvas that records a 16-bit Windows metafile ("placeable" form): the header that
// gives the picture's size, then one record per drawing step: pens, brushes and fonts
// created, selected and deleted as the drawing changes them, lines, polylines,
// rectangles, texts in code page 932 with fonts of the Shift-JIS character set, and a
// clip rectangle saved and restored around the clipped part.
//
// A pixel of the canvas is 15 logical units of the file, and the file says 1440 units
// to the inch (twips): the picture keeps the size it has on a 96-dpi screen, and
// positions keep a fifteenth of a pixel, so a figure enlarged in a document stays
// smooth.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/canvas.h"

namespace stelvar {

// Record function numbers of the records this writer uses.
namespace wmf {
inline constexpr std::uint16_t kEof = 0x0000;
inline constexpr std::uint16_t kSaveDC = 0x001E;
inline constexpr std::uint16_t kSetBkMode = 0x0102;
inline constexpr std::uint16_t kRestoreDC = 0x0127;
inline constexpr std::uint16_t kSelectObject = 0x012D;
inline constexpr std::uint16_t kSetTextAlign = 0x012E;
inline constexpr std::uint16_t kDeleteObject = 0x01F0;
inline constexpr std::uint16_t kSetTextColor = 0x0209;
inline constexpr std::uint16_t kSetWindowOrg = 0x020B;
inline constexpr std::uint16_t kSetWindowExt = 0x020C;
inline constexpr std::uint16_t kLineTo = 0x0213;
inline constexpr std::uint16_t kMoveTo = 0x0214;
inline constexpr std::uint16_t kCreatePenIndirect = 0x02FA;
inline constexpr std::uint16_t kCreateFontIndirect = 0x02FB;
inline constexpr std::uint16_t kCreateBrushIndirect = 0x02FC;
inline constexpr std::uint16_t kPolyline = 0x0325;
inline constexpr std::uint16_t kIntersectClipRect = 0x0416;
inline constexpr std::uint16_t kRectangle = 0x041B;
inline constexpr std::uint16_t kTextOut = 0x0521;

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
inline constexpr int kUnitsPerPixel = 15;
inline constexpr int kUnitsPerInch = 1440;
inline constexpr std::uint8_t kShiftJisCharset = 128;
}  // namespace wmf

class WmfCanvas final : public Canvas {
public:
    // A picture of width × height pixels (each at most 2184, the largest size the
    // file's 16-bit coordinates can hold).
    WmfCanvas(int width, int height);

    void SetPen(const Pen& pen) override;
    void Line(CanvasPoint from, CanvasPoint to) override;
    void Polyline(std::span<const CanvasPoint> points) override;
    void Rectangle(const CanvasRect& rect, std::optional<Colour> fill) override;
    void SetFont(const CanvasFont& font) override;
    void Text(CanvasPoint at, std::string_view text, TextAlign align, TextBase base) override;
    // An estimate without the real font: half the height for each single-byte character
    // of code page 932 and the full height for each double-byte one, as the Japanese
    // faces are drawn.
    double TextWidth(std::string_view text) const override;
    void SetClip(const CanvasRect& rect) override;
    void ResetClip() override;

    // The whole file: the placeable header, the metafile header, every record drawn so
    // far and the end record. The canvas can go on drawing afterwards.
    std::string Bytes() const;

private:
    struct Selected {
        int PenSlot = -1;
        int BrushSlot = -1;
        int FontSlot = -1;
        std::optional<Pen> PenValue;
        std::optional<std::optional<Colour>> BrushValue;
        std::optional<CanvasFont> FontValue;
        std::optional<Colour> TextColour;
        std::optional<std::uint16_t> Align;
    };

    void Record(std::uint16_t function, const std::vector<std::int16_t>& words);
    void RecordBytes(std::uint16_t function, const std::string& params);
    int CreateObject(std::uint16_t function, const std::string& params);
    void Release(int slot);
    void ApplyPen();
    void ApplyBrush(std::optional<Colour> fill);
    void ApplyFont();
    static std::int16_t Unit(double pixels);

    int width_;
    int height_;
    std::string records_;  // every record after the headers
    std::uint32_t largestRecord_ = 0;  // in 16-bit words
    std::vector<bool> slots_;          // the object table: which indices are taken
    std::size_t objectTableSize_ = 0;

    Pen pen_;
    CanvasFont font_;
    Selected selected_;
    std::optional<Selected> saved_;  // the state before the clip
};

}  // namespace stelvar
