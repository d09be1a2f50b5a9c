#include "ui/qpainter_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <vector>

#include "ui/qt_text.h"

namespace stelvar::ui {
namespace {

// The Japanese faces draw their full-width characters in an em box that stands 0.88 em
// above the base line and 0.12 em below it. The chart layout reserves exactly the em for
// a line of text, so a text placed by its top or bottom edge is placed by the em box,
// not by the font's taller line box.
constexpr double kEmAboveBase = 0.88;
constexpr double kEmBelowBase = 0.12;

Qt::PenStyle QtPenStyle(PenStyle style) {
    switch (style) {
        case PenStyle::Solid: return Qt::SolidLine;
        case PenStyle::Dash: return Qt::DashLine;
        case PenStyle::Dot: return Qt::DotLine;
        case PenStyle::DashDot: return Qt::DashDotLine;
        case PenStyle::None: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

QRectF ToQRect(const CanvasRect& r) { return QRectF(r.Left, r.Top, r.Width(), r.Height()); }

}  // namespace

QString QtFontFamily(std::string_view systemName) {
    if (systemName == "ＭＳ Ｐゴシック") return QStringLiteral("Noto Sans CJK JP");
    if (systemName == "ＭＳ Ｐ明朝" || systemName == "ＭＳ 明朝") return QStringLiteral("Noto Serif CJK JP");
    if (systemName == "ＭＳ ゴシック") return QStringLiteral("Noto Sans Mono CJK JP");
    return ToQString(systemName);
}

QFont QtFont(std::string_view systemName, int pixelHeight, bool bold) {
    QFont font;
    // A face that is missing falls back to the proportional Japanese face, never to one
    // without Japanese glyphs.
    font.setFamilies({QtFontFamily(systemName), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelHeight > 0 ? pixelHeight : 1);
    font.setBold(bold);
    return font;
}

QColor ToQColor(Colour colour) {
    const std::uint32_t v = colour.Value;
    if ((v >> 24) == 0xFF) {
        switch (v & 0xFFu) {
            case 5: return QColor(255, 255, 255);   // window background
            case 15: return QColor(240, 240, 240);  // button face
            default: return QColor(0, 0, 0);        // window text and the rest
        }
    }
    return QColor(static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu),
                  static_cast<int>((v >> 16) & 0xFFu));
}

QPainterCanvas::QPainterCanvas(QPainter& painter)
    : painter_(painter),
      font_(QtFont("ＭＳ Ｐゴシック", 12)),
      fontColour_(Qt::black),
      hadClip_(painter.hasClipping()),
      originalClip_(painter.hasClipping() ? painter.clipPath() : QPainterPath()) {
    pen_.setColor(Qt::black);
    pen_.setWidthF(1.0);
    pen_.setCapStyle(Qt::FlatCap);
    pen_.setJoinStyle(Qt::MiterJoin);
}

void QPainterCanvas::SetPen(const Pen& pen) {
    pen_.setColor(ToQColor(pen.PenColour));
    pen_.setWidthF(pen.Width > 0 ? pen.Width : 1);
    pen_.setStyle(QtPenStyle(pen.Style));
}

void QPainterCanvas::UseLinePen() {
    painter_.setPen(pen_);
    painter_.setBrush(Qt::NoBrush);
}

void QPainterCanvas::Line(CanvasPoint from, CanvasPoint to) {
    UseLinePen();
    painter_.drawLine(QPointF(from.X, from.Y), QPointF(to.X, to.Y));
}

void QPainterCanvas::Polyline(std::span<const CanvasPoint> points) {
    if (points.size() < 2) return;
    std::vector<QPointF> q;
    q.reserve(points.size());
    for (const CanvasPoint& p : points) q.emplace_back(p.X, p.Y);
    UseLinePen();
    painter_.drawPolyline(q.data(), static_cast<int>(q.size()));
}

void QPainterCanvas::Rectangle(const CanvasRect& rect, std::optional<Colour> fill) {
    const QRectF r = ToQRect(rect);
    if (fill) painter_.fillRect(r, ToQColor(*fill));
    if (pen_.style() == Qt::NoPen) return;
    UseLinePen();
    painter_.drawRect(r);
}

void QPainterCanvas::SetFont(const CanvasFont& font) {
    font_ = QtFont(font.Name, font.Height, font.Bold);
    fontColour_ = ToQColor(font.FontColour);
    fontHeight_ = font.Height > 0 ? font.Height : 1;
    fontAngle_ = font.Angle;
}

void QPainterCanvas::Text(CanvasPoint at, std::string_view text, TextAlign align, TextBase base) {
    const QString s = ToQString(text);
    const double width = TextWidth(text);
    double dx = 0;
    if (align == TextAlign::Centre) dx = -width / 2;
    if (align == TextAlign::Right) dx = -width;
    double dy = 0;  // from the reference point down to the base line, in the text's frame
    if (base == TextBase::Top) dy = kEmAboveBase * fontHeight_;
    if (base == TextBase::Bottom) dy = -kEmBelowBase * fontHeight_;

    painter_.save();
    painter_.setFont(font_);
    painter_.setPen(fontColour_);
    painter_.translate(at.X, at.Y);
    if (fontAngle_ % 360 != 0) painter_.rotate(-fontAngle_);
    painter_.drawText(QPointF(dx, dy), s);
    painter_.restore();
}

double QPainterCanvas::TextWidth(std::string_view text) const {
    const QFontMetricsF metrics(font_, painter_.device());
    return metrics.horizontalAdvance(ToQString(text));
}

void QPainterCanvas::SetClip(const CanvasRect& rect) {
    if (hadClip_) {
        painter_.setClipPath(originalClip_);
        painter_.setClipRect(ToQRect(rect), Qt::IntersectClip);
    } else {
        painter_.setClipRect(ToQRect(rect));
    }
}

void QPainterCanvas::ResetClip() {
    if (hadClip_)
        painter_.setClipPath(originalClip_);
    else
        painter_.setClipping(false);
}

}  // namespace stelvar::ui
