#include "documents/wmf_canvas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "text/cp932.h"

namespace stelvar {
namespace {

constexpr std::int16_t kPsSolid = 0;
constexpr std::int16_t kPsDash = 1;
constexpr std::int16_t kPsDot = 2;
constexpr std::int16_t kPsDashDot = 3;
constexpr std::int16_t kPsNull = 5;
constexpr std::int16_t kBsSolid = 0;
constexpr std::int16_t kBsNull = 1;
constexpr std::int16_t kTransparent = 1;
constexpr std::uint16_t kTaLeft = 0;
constexpr std::uint16_t kTaRight = 2;
constexpr std::uint16_t kTaCenter = 6;
constexpr std::uint16_t kTaTop = 0;
constexpr std::uint16_t kTaBottom = 8;
constexpr std::uint16_t kTaBaseline = 24;
constexpr std::size_t kFaceNameBytes = 32;  // with its terminating zero
constexpr std::size_t kPolylineChunk = 8000;

void PutWord(std::string& out, std::uint16_t w) {
    out += static_cast<char>(w & 0xFF);
    out += static_cast<char>(w >> 8);
}

void PutDword(std::string& out, std::uint32_t d) {
    PutWord(out, static_cast<std::uint16_t>(d & 0xFFFF));
    PutWord(out, static_cast<std::uint16_t>(d >> 16));
}

void PutShort(std::string& out, std::int16_t v) { PutWord(out, static_cast<std::uint16_t>(v)); }

// A colour as the file holds it: red, green, blue, 0. The window's system colours are
// drawn as their usual look (the input-box background white, every other black).
void PutColour(std::string& out, Colour c) {
    std::uint32_t rgb = c.Value;
    if ((rgb & 0xFF000000U) != 0) rgb = c == clWindow ? 0xFFFFFFU : 0;
    PutDword(out, rgb & 0xFFFFFFU);
}

std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

// Code page 932 bytes of a text; a character without such a form becomes "?".
std::string ToCp932(std::string_view utf8) {
    try {
        return Utf8ToCp932(utf8);
    } catch (const EncodingError&) {
    }
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = std::min(Utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        try {
            out += Utf8ToCp932(utf8.substr(i, n));
        } catch (const EncodingError&) {
            out += '?';
        }
        i += n;
    }
    return out;
}

// A face name in at most 31 bytes, never cutting a double-byte character.
std::string FaceName(std::string_view utf8) {
    std::string name = ToCp932(utf8);
    std::size_t end = 0;
    while (end < name.size()) {
        const std::size_t step = IsCp932LeadByte(static_cast<unsigned char>(name[end])) ? 2 : 1;
        if (end + step > kFaceNameBytes - 1) break;
        end += step;
    }
    name.resize(end);
    return name;
}

std::int16_t PenStyleCode(PenStyle s) {
    switch (s) {
        case PenStyle::Solid: return kPsSolid;
        case PenStyle::Dash: return kPsDash;
        case PenStyle::Dot: return kPsDot;
        case PenStyle::DashDot: return kPsDashDot;
        case PenStyle::None: return kPsNull;
    }
    return kPsSolid;
}

}  // namespace

WmfCanvas::WmfCanvas(int width, int height) : width_(width), height_(height) {
    const int largest = std::numeric_limits<std::int16_t>::max() / wmf::kUnitsPerPixel;
    if (width < 1 || height < 1 || width > largest || height > largest)
        throw std::invalid_argument("metafile picture size out of range: " + std::to_string(width) +
                                    " x " + std::to_string(height));
    Record(wmf::kSetWindowOrg, {0, 0});  // y, x
    Record(wmf::kSetWindowExt, {Unit(height), Unit(width)});
    Record(wmf::kSetBkMode, {kTransparent});
}

std::int16_t WmfCanvas::Unit(double pixels) {
    // A place that is not a number has none; one beyond the 16-bit range, including one
    // whose scaling to units overflows, is held at the nearest end of the range instead
    // of wrapping round.
    if (std::isnan(pixels)) return 0;
    const double units = pixels * wmf::kUnitsPerPixel;
    const double limited = std::clamp(units, -32768.0, 32767.0);
    return static_cast<std::int16_t>(std::lround(limited));
}

void WmfCanvas::RecordBytes(std::uint16_t function, const std::string& params) {
    std::string padded = params;
    if (padded.size() % 2 != 0) padded += '\0';
    const auto words = static_cast<std::uint32_t>(3 + padded.size() / 2);
    PutDword(records_, words);
    PutWord(records_, function);
    records_ += padded;
    largestRecord_ = std::max(largestRecord_, words);
}

void WmfCanvas::Record(std::uint16_t function, const std::vector<std::int16_t>& words) {
    std::string params;
    for (std::int16_t w : words) PutShort(params, w);
    RecordBytes(function, params);
}

int WmfCanvas::CreateObject(std::uint16_t function, const std::string& params) {
    // A new object takes the lowest free index of the table, as the player assigns them.
    std::size_t slot = 0;
    while (slot < slots_.size() && slots_[slot]) ++slot;
    if (slot == slots_.size()) slots_.push_back(false);
    slots_[slot] = true;
    objectTableSize_ = std::max(objectTableSize_, slots_.size());
    RecordBytes(function, params);
    Record(wmf::kSelectObject, {static_cast<std::int16_t>(slot)});
    return static_cast<int>(slot);
}

void WmfCanvas::Release(int slot) {
    if (slot < 0) return;
    // An object the clip's saved state still holds goes back into use when the clip
    // ends; it is kept until then.
    if (saved_ && (slot == saved_->PenSlot || slot == saved_->BrushSlot || slot == saved_->FontSlot)) return;
    Record(wmf::kDeleteObject, {static_cast<std::int16_t>(slot)});
    slots_[static_cast<std::size_t>(slot)] = false;
}

void WmfCanvas::ApplyPen() {
    if (selected_.PenValue == pen_) return;
    std::string p;
    PutShort(p, PenStyleCode(pen_.Style));
    // Dashes and dots show only on a pen one device pixel wide (width 0).
    const bool styled = pen_.Style != PenStyle::Solid && pen_.Style != PenStyle::None;
    const int largest = std::numeric_limits<std::int16_t>::max() / wmf::kUnitsPerPixel;
    const int width =
        styled && pen_.Width <= 1 ? 0 : std::clamp(pen_.Width, 1, largest) * wmf::kUnitsPerPixel;
    PutShort(p, static_cast<std::int16_t>(width));
    PutShort(p, 0);
    PutColour(p, pen_.PenColour);
    const int old = selected_.PenSlot;
    selected_.PenSlot = CreateObject(wmf::kCreatePenIndirect, p);
    selected_.PenValue = pen_;
    Release(old);
}

void WmfCanvas::ApplyBrush(std::optional<Colour> fill) {
    if (selected_.BrushValue && *selected_.BrushValue == fill) return;
    std::string b;
    PutShort(b, fill ? kBsSolid : kBsNull);
    PutColour(b, fill.value_or(Colour{0}));
    PutShort(b, 0);
    const int old = selected_.BrushSlot;
    selected_.BrushSlot = CreateObject(wmf::kCreateBrushIndirect, b);
    selected_.BrushValue = fill;
    Release(old);
}

void WmfCanvas::ApplyFont() {
    // The text colour is not part of the font object: a colour change alone needs no
    // new font.
    const auto sameFace = [&](const CanvasFont& f) {
        return f.Name == font_.Name && f.Height == font_.Height && f.Bold == font_.Bold &&
               f.Angle == font_.Angle;
    };
    if (!selected_.FontValue || !sameFace(*selected_.FontValue)) {
        std::string f;
        const int largest = std::numeric_limits<std::int16_t>::max() / wmf::kUnitsPerPixel;
        PutShort(f, static_cast<std::int16_t>(-std::clamp(font_.Height, 1, largest) *
                                              wmf::kUnitsPerPixel));  // em height
        PutShort(f, 0);                                              // width: the face's own
        const auto tenths = static_cast<std::int16_t>((font_.Angle % 360) * 10);
        PutShort(f, tenths);                                         // escapement
        PutShort(f, tenths);                                         // orientation
        PutShort(f, static_cast<std::int16_t>(font_.Bold ? 700 : 400));
        f += '\0';                                                   // italic
        f += '\0';                                                   // underline
        f += '\0';                                                   // strike-out
        f += static_cast<char>(wmf::kShiftJisCharset);
        f += '\0';  // output precision: default
        f += '\0';  // clip precision: default
        f += '\0';  // quality: default
        f += '\0';  // pitch and family: default
        std::string face = FaceName(font_.Name);
        face.resize(kFaceNameBytes, '\0');
        f += face;
        const int old = selected_.FontSlot;
        selected_.FontSlot = CreateObject(wmf::kCreateFontIndirect, f);
        Release(old);
        selected_.FontValue = font_;
    }
    if (selected_.TextColour != font_.FontColour) {
        std::string c;
        PutColour(c, font_.FontColour);
        RecordBytes(wmf::kSetTextColor, c);
        selected_.TextColour = font_.FontColour;
    }
}

void WmfCanvas::SetPen(const Pen& pen) { pen_ = pen; }

void WmfCanvas::Line(CanvasPoint from, CanvasPoint to) {
    if (pen_.Style == PenStyle::None) return;
    ApplyPen();
    Record(wmf::kMoveTo, {Unit(from.Y), Unit(from.X)});
    Record(wmf::kLineTo, {Unit(to.Y), Unit(to.X)});
}

void WmfCanvas::Polyline(std::span<const CanvasPoint> points) {
    if (points.size() < 2 || pen_.Style == PenStyle::None) return;
    ApplyPen();
    // The point count is a 16-bit number: a long line goes out in pieces that share
    // their end points.
    for (std::size_t start = 0; start + 1 < points.size(); start += kPolylineChunk - 1) {
        const std::size_t n = std::min(kPolylineChunk, points.size() - start);
        std::vector<std::int16_t> words;
        words.reserve(1 + 2 * n);
        words.push_back(static_cast<std::int16_t>(n));
        for (std::size_t i = start; i < start + n; ++i) {
            words.push_back(Unit(points[i].X));
            words.push_back(Unit(points[i].Y));
        }
        Record(wmf::kPolyline, words);
    }
}

void WmfCanvas::Rectangle(const CanvasRect& rect, std::optional<Colour> fill) {
    if (!fill && pen_.Style == PenStyle::None) return;
    ApplyPen();
    ApplyBrush(fill);
    // The player fills up to one unit short of the right and bottom edges.
    Record(wmf::kRectangle,
           {Unit(rect.Bottom), Unit(rect.Right), Unit(rect.Top), Unit(rect.Left)});
}

void WmfCanvas::SetFont(const CanvasFont& font) { font_ = font; }

void WmfCanvas::Text(CanvasPoint at, std::string_view text, TextAlign align, TextBase base) {
    if (text.empty()) return;
    ApplyFont();
    std::uint16_t mode = align == TextAlign::Left ? kTaLeft
                         : align == TextAlign::Right ? kTaRight
                                                     : kTaCenter;
    mode |= base == TextBase::Top ? kTaTop : base == TextBase::Bottom ? kTaBottom : kTaBaseline;
    if (selected_.Align != mode) {
        Record(wmf::kSetTextAlign, {static_cast<std::int16_t>(mode)});
        selected_.Align = mode;
    }
    const std::string bytes = ToCp932(text);
    const std::size_t length = std::min<std::size_t>(bytes.size(), 0x7FFF);
    std::string p;
    PutShort(p, static_cast<std::int16_t>(length));
    p.append(bytes, 0, length);
    if (p.size() % 2 != 0) p += '\0';
    PutShort(p, Unit(at.Y));
    PutShort(p, Unit(at.X));
    RecordBytes(wmf::kTextOut, p);
}

double WmfCanvas::TextWidth(std::string_view text) const {
    const std::string bytes = ToCp932(text);
    return static_cast<double>(bytes.size()) * std::max(1, font_.Height) / 2.0;
}

void WmfCanvas::SetClip(const CanvasRect& rect) {
    ResetClip();
    Record(wmf::kSaveDC, {});
    saved_ = selected_;
    Record(wmf::kIntersectClipRect,
           {Unit(rect.Bottom), Unit(rect.Right), Unit(rect.Top), Unit(rect.Left)});
}

void WmfCanvas::ResetClip() {
    if (!saved_) return;
    Record(wmf::kRestoreDC, {-1});
    // The player has put back the objects, text colour and alignment of the saved
    // state; what was created inside the clip is no longer selected and can go.
    const Selected inside = selected_;
    const Selected before = *saved_;
    saved_.reset();
    selected_ = before;
    for (int slot : {inside.PenSlot, inside.BrushSlot, inside.FontSlot})
        if (slot >= 0 && slot != before.PenSlot && slot != before.BrushSlot && slot != before.FontSlot)
            Release(slot);
}

std::string WmfCanvas::Bytes() const {
    const auto recordWords = static_cast<std::uint32_t>(records_.size() / 2);
    constexpr std::uint32_t kHeaderWords = 9;
    constexpr std::uint32_t kEofWords = 3;
    std::string out;

    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum
    // (the exclusive-or of the ten words before it).
    std::string placeable;
    PutDword(placeable, wmf::kPlaceableKey);
    PutWord(placeable, 0);
    PutShort(placeable, 0);
    PutShort(placeable, 0);
    PutShort(placeable, Unit(width_));
    PutShort(placeable, Unit(height_));
    PutWord(placeable, static_cast<std::uint16_t>(wmf::kUnitsPerInch));
    PutDword(placeable, 0);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < placeable.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(placeable[i]) |
                                               (static_cast<unsigned char>(placeable[i + 1]) << 8));
    PutWord(placeable, checksum);
    out += placeable;

    // Metafile header: on disk, 9 words, version 3.0, total size in words, size of the
    // object table, largest record, no parameters.
    PutWord(out, 1);
    PutWord(out, kHeaderWords);
    PutWord(out, 0x0300);
    PutDword(out, kHeaderWords + recordWords + kEofWords);
    PutWord(out, static_cast<std::uint16_t>(objectTableSize_));
    PutDword(out, std::max(largestRecord_, kEofWords));
    PutWord(out, 0);

    out += records_;
    PutDword(out, kEofWords);
    PutWord(out, wmf::kEof);
    return out;
}

}  // namespace stelvar
