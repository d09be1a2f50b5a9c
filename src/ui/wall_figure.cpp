#include "ui/wall_figure.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace stelvar {

namespace {

struct TemplateRows {
    std::array<int, 14> X;
    std::array<int, 14> Y;
};

constexpr std::array<TemplateRows, 4> kTemplates = {{
    // 1 gravity, no key
    {{100, 100, 117, 117, 121, 130, 175, 175, 193, 193, 130, 130, 130, 130},
     {184, 166, 166, 166, 64, 64, 166, 166, 166, 184, 184, 184, 184, 184}},
    // 2 gravity, with key
    {{100, 100, 117, 117, 121, 130, 175, 175, 193, 193, 130, 130, 119, 119},
     {184, 166, 166, 166, 64, 64, 166, 166, 166, 184, 184, 198, 198, 184}},
    // 3 leaning, no key
    {{93, 93, 103, 103, 121, 130, 124, 124, 124, 124, 100, 100, 100, 100},
     {184, 166, 166, 166, 64, 64, 166, 166, 166, 184, 184, 184, 184, 184}},
    // 4 leaning, with key
    {{93, 93, 103, 103, 121, 130, 124, 124, 124, 124, 120, 120, 110, 110},
     {184, 166, 166, 166, 64, 64, 166, 166, 166, 184, 184, 195, 195, 184}},
}};

int ClampTemplate(int wallTemplate) { return std::clamp(wallTemplate, 1, 4); }

}  // namespace

std::string_view WallPictureName(WallPicture picture) {
    switch (picture) {
    case WallPicture::Gravity: return "Image2";
    case WallPicture::Leaning: return "Image4";
    case WallPicture::Key: return "Image6";
    case WallPicture::Backfill: return "Image8";
    case WallPicture::OtherLoads: return "Image5";
    case WallPicture::Diagram: return "ImageDiagram";
    }
    return "";
}

QSize DefaultWallPictureSize(WallPicture picture) {
    switch (picture) {
    case WallPicture::Gravity:
    case WallPicture::Leaning: return {250, 242};     // base-width marks reach y 238
    case WallPicture::Key: return {130, 96};          // key marks reach 40 below the base
    case WallPicture::Backfill: return {200, 206};
    case WallPicture::OtherLoads: return {200, 226};  // the outline sits 20 lower
    case WallPicture::Diagram: return {250, 202};     // level lines run to x 247
    }
    return {250, 242};
}

WallFigureOptions ReadWallFigureOptions(const ControlStore& controls) {
    WallFigureOptions o;
    const bool leaning = controls.Index("PageControl2") == 1;
    const bool key = controls.Index("RadioGroup2") == 1;
    o.Template = WallTemplate(leaning, key);
    o.Shape = std::clamp(controls.Index("TabControl1"), 0, 2);
    o.Surcharge = 0;
    if (controls.Checked("CheckBox1")) {
        const bool whole = controls.Index("RadioGroup8") == 1;
        if (o.Shape == 1) {
            o.Surcharge = whole ? 2 : 0;
        } else {
            o.Surcharge = whole ? 2 : 1;
        }
    }
    if (controls.Checked("CheckBox4")) o.Surcharge = 2;
    o.Passive = controls.Checked("CheckBox9");
    o.Water = controls.Checked("CheckBox3");
    o.Wind = controls.Checked("CheckBox5");
    o.Collision = controls.Checked("CheckBox6");
    return o;
}

int WallTemplate(bool leaning, bool shearKey) { return (leaning ? 3 : 1) + (shearKey ? 1 : 0); }

bool IsLeaningTemplate(int wallTemplate) { return ClampTemplate(wallTemplate) >= 3; }

WallOutline TemplateOutline(int wallTemplate) {
    const TemplateRows& t = kTemplates[static_cast<std::size_t>(ClampTemplate(wallTemplate) - 1)];
    WallOutline o;
    o.X = t.X;
    o.Y = t.Y;
    return o;
}

PixelPoint WallPictureOffset(WallPicture picture, int wallTemplate) {
    const bool leaning = IsLeaningTemplate(wallTemplate);
    switch (picture) {
    case WallPicture::Gravity:
    case WallPicture::Leaning: return {0, 0};
    case WallPicture::Key: return {leaning ? -78 : -85, -135};
    case WallPicture::Backfill: return {-75, 0};
    case WallPicture::OtherLoads: return {-40, 20};
    case WallPicture::Diagram: return {leaning ? 32 : 15, 0};
    }
    return {0, 0};
}

WallOutline PictureOutline(WallPicture picture, int wallTemplate) {
    WallOutline o = TemplateOutline(wallTemplate);
    const PixelPoint d = WallPictureOffset(picture, wallTemplate);
    for (std::size_t i = 0; i < o.X.size(); ++i) {
        o.X[i] += d.X;
        o.Y[i] += d.Y;
    }
    return o;
}

char BackfillKind(WallPicture picture, int wallTemplate) {
    // The wall-type pages keep their own variant whatever the template; the other
    // pictures follow the wall type.
    if (picture == WallPicture::Gravity) return 'G';
    if (picture == WallPicture::Leaning) return 'M';
    return IsLeaningTemplate(wallTemplate) ? 'M' : 'G';
}

namespace {

// The x where the embankment slope reaches its flat top.
int EmbankmentTopX(const WallOutline& o, char kind) {
    return kind == 'M' ? o.X[5] + 40 : o.X[8] - 20;
}

}  // namespace

std::vector<PixelPoint> BackSurfaceLine(const WallOutline& o, int shape, char kind, int width) {
    const int x5 = o.X[5];
    const int y5 = o.Y[5];
    const int right = width - 1;
    switch (shape) {
    case 1: {
        const int r = width - x5 - 1;
        return {{x5, y5}, {right, y5 - r / 3 - 1}};
    }
    case 2: return {{x5, y5}, {EmbankmentTopX(o, kind), y5 - 31}, {right, y5 - 31}};
    default: return {{x5, y5}, {right, y5}};
    }
}

std::vector<PixelPoint> FrontGroundLine(const WallOutline& o, char kind) {
    const int y = o.Y[3] - 19;
    int start = kind == 'M' ? o.X[3] + 1 : o.X[3] - 1;
    // Where the front face (point 3 to point 4) passes the line's height.
    const int dy = o.Y[3] - o.Y[4];
    if (dy > 0 && y <= o.Y[3] && y >= o.Y[4]) {
        const double t = static_cast<double>(o.Y[3] - y) / dy;
        start = static_cast<int>(std::lround(o.X[3] + t * (o.X[4] - o.X[3])));
    }
    return {{start, y}, {1, y}};
}

std::vector<PixelPoint> SurchargeBand(const WallOutline& o, int shape, int surcharge, char kind, int width) {
    if (surcharge <= 0) return {};
    const int x5 = o.X[5];
    const int y5 = o.Y[5];
    const int right = width - 1;
    constexpr int h = 10;
    switch (shape) {
    case 0: return {{x5, y5}, {right, y5}, {right, y5 - h}, {x5, y5 - h}};
    case 1: {
        if (surcharge != 2) return {};
        const std::vector<PixelPoint> s = BackSurfaceLine(o, 1, kind, width);
        return {s[0], s[1], {s[1].X, s[1].Y - h}, {s[0].X, s[0].Y - h}};
    }
    case 2: {
        const int xt = EmbankmentTopX(o, kind);
        const int yt = y5 - 31;
        if (surcharge == 1) return {{xt, yt}, {right, yt}, {right, yt - h}, {xt, yt - h}};
        return {{x5, y5}, {xt, yt}, {right, yt}, {right, yt - h}, {xt, yt - h}, {x5, y5 - h}};
    }
    default: return {};
    }
}

bool InsideOutline(const WallOutline& o, int x, int y) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    bool inside = false;
    for (std::size_t i = 0, j = o.X.size() - 1; i < o.X.size(); j = i++) {
        const double xi = o.X[i], yi = o.Y[i], xj = o.X[j], yj = o.Y[j];
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}

std::size_t FloodFill(std::uint32_t* pixels, int width, int height, int stride, int x, int y,
                      std::uint32_t colour) {
    if (pixels == nullptr || x < 0 || y < 0 || x >= width || y >= height) return 0;
    auto at = [&](int col, int row) -> std::uint32_t& {
        return pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(stride) +
                      static_cast<std::size_t>(col)];
    };
    const std::uint32_t target = at(x, y);
    if (target == colour) return 0;
    // Scanline fill: each popped seed fills its whole run, then queues one seed per run
    // of the target colour on the rows above and below. Every fill turns target pixels
    // into the new colour, so the loop ends after at most one run per pixel.
    std::vector<std::pair<int, int>> seeds{{x, y}};
    std::size_t filled = 0;
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        if (at(sx, sy) != target) continue;
        int left = sx;
        while (left > 0 && at(left - 1, sy) == target) --left;
        int right = sx;
        while (right < width - 1 && at(right + 1, sy) == target) ++right;
        for (int i = left; i <= right; ++i) at(i, sy) = colour;
        filled += static_cast<std::size_t>(right - left + 1);
        for (const int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= height) continue;
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                if (at(i, ny) == target) {
                    if (!inRun) seeds.emplace_back(i, ny);
                    inRun = true;
                } else {
                    inRun = false;
                }
            }
        }
    }
    return filled;
}

}  // namespace stelvar

namespace stelvar::ui {

std::size_t FloodFill(QImage& image, int x, int y, QRgb colour) {
    if (image.isNull()) return 0;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    if (image.format() == QImage::Format_RGB32) colour |= 0xff000000u;
    const int stride = static_cast<int>(image.bytesPerLine() / 4);
    return stelvar::FloodFill(reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                              stride, x, y, colour);
}

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kOlive(128, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kAqua(0, 255, 255);

QPoint Q(PixelPoint p) { return {p.X, p.Y}; }

// One picture being painted. Pen strokes go through a painter opened per stroke group;
// flood fills work on the pixels with no painter open.
class WallPainter {
public:
    WallPainter(QImage& image, const WallOutline& outline) : image_(image), o_(outline) {}

    int W() const { return image_.width(); }
    int H() const { return image_.height(); }
    int X(int i) const { return o_.X[static_cast<std::size_t>(i)]; }
    int Y(int i) const { return o_.Y[static_cast<std::size_t>(i)]; }

    void DrawWall();
    void DrawBackfill(char kind, int shape, int surcharge);
    void DrawGravityDims();
    void DrawLeaningDims();
    void DrawKeyDims();
    void DrawPassive();
    void DrawWater(char kind);
    void DrawWind();
    void DrawCollision();
    void DrawDiagramLevels();

private:
    // Fills the silver region at (x, y), if the pixel there is silver.
    void FillSilver(int x, int y, const QColor& colour) {
        if (x < 0 || y < 0 || x >= W() || y >= H()) return;
        if (QColor(image_.pixel(x, y)) != kSilver) return;
        FloodFill(image_, x, y, colour.rgb());
    }
    static void Line(QPainter& p, const QColor& c, int x1, int y1, int x2, int y2) {
        p.setPen(QPen(c, 1));
        p.drawLine(x1, y1, x2, y2);
    }
    // Engraved lines: white, with a black line one pixel below (horizontal) or one
    // pixel to the right, starting one pixel lower (vertical).
    static void EngravedH(QPainter& p, int x1, int x2, int y) {
        Line(p, kWhite, x1, y, x2, y);
        Line(p, kBlack, x1, y + 1, x2, y + 1);
    }
    static void EngravedV(QPainter& p, int x, int y1, int y2) {
        Line(p, kWhite, x, y1, x, y2);
        Line(p, kBlack, x + 1, std::min(y1, y2) + 1, x + 1, std::max(y1, y2));
    }
    static void EngravedPolyline(QPainter& p, const std::vector<PixelPoint>& pts) {
        for (std::size_t i = 1; i < pts.size(); ++i) {
            Line(p, kWhite, pts[i - 1].X, pts[i - 1].Y, pts[i].X, pts[i].Y);
        }
        for (std::size_t i = 1; i < pts.size(); ++i) {
            Line(p, kBlack, pts[i - 1].X, pts[i - 1].Y + 1, pts[i].X, pts[i].Y + 1);
        }
    }
    static void StyledH(QPainter& p, Qt::PenStyle style, int x1, int x2, int y) {
        p.setPen(QPen(kWhite, 1, style));
        p.drawLine(x1, y, x2, y);
        p.setPen(QPen(kBlack, 1, style));
        p.drawLine(x1, y + 1, x2, y + 1);
    }
    // Short white strokes of an arrowhead at (x, y), pointing up (dir -1) or down
    // (dir +1), sized to a mark `length` pixels long.
    static void ArrowHead(QPainter& p, int x, int y, int dir, int length) {
        const int head = std::clamp(length / 4, 1, 4);
        Line(p, kWhite, x - head + 1, y - head * dir, x, y);
        Line(p, kWhite, x + head - 1, y - head * dir, x, y);
    }
    void Barrier(QPainter& p);

    QImage& image_;
    WallOutline o_;
};

void WallPainter::DrawWall() {
    image_.fill(kWhite);
    FloodFill(image_, 5, 5, kSilver.rgb());
    {
        QPainter p(&image_);
        // Relief: a line inside every edge (white along the lit front and crest, grey
        // along the shaded back and underside) and an olive line outside the shaded
        // edges, where the wall meets the soil. Drawn first so the outline stays crisp.
        for (int i = 0; i < 14; ++i) {
            const int j = (i + 1) % 14;
            const int dx = X(j) - X(i);
            const int dy = Y(j) - Y(i);
            if (dx == 0 && dy == 0) continue;
            const bool lit = i < 5 || i == 12;
            int sx = 0;
            int sy = 0;
            if (std::abs(dy) >= std::abs(dx)) {
                sx = 1;
            } else {
                sy = 1;
            }
            const int mx2 = X(i) + X(j);  // twice the midpoint
            const int my2 = Y(i) + Y(j);
            if (!InsideOutline(o_, (mx2 + 4 * sx) / 2, (my2 + 4 * sy) / 2)) {
                sx = -sx;
                sy = -sy;
            }
            if (std::max(std::abs(dx), std::abs(dy)) < 3) continue;
            Line(p, lit ? kWhite : kGrey, X(i) + sx, Y(i) + sy, X(j) + sx, Y(j) + sy);
            if (!lit) Line(p, kOlive, X(i) - sx, Y(i) - sy, X(j) - sx, Y(j) - sy);
        }
        for (int i = 0; i < 14; ++i) {
            const int j = (i + 1) % 14;
            const bool lit = i < 5 || i == 12;
            Line(p, lit ? kWhite : kBlack, X(i), Y(i), X(j), Y(j));
        }
        // Sunken border.
        const int w = W();
        const int h = H();
        Line(p, kGrey, 0, 0, w - 1, 0);
        Line(p, kGrey, 0, 0, 0, h - 1);
        Line(p, kBlack, 1, 1, w - 2, 1);
        Line(p, kBlack, 1, 1, 1, h - 2);
        for (int k = 1; k <= 3; ++k) {
            Line(p, kWhite, w - k, 0, w - k, h - 1);
            Line(p, kWhite, 0, h - k, w - 1, h - k);
        }
    }
}

void WallPainter::DrawBackfill(char kind, int shape, int surcharge) {
    {
        QPainter p(&image_);
        EngravedPolyline(p, BackSurfaceLine(o_, shape, kind, W()));
        const std::vector<PixelPoint> front = FrontGroundLine(o_, kind);
        EngravedH(p, front[1].X, front[0].X, front[0].Y);
    }
    FillSilver(X(5) + 10, Y(5) + 10, kOlive);
    FillSilver(X(6) + 5, Y(6) - 10, kOlive);
    FillSilver(10, Y(3) - 10, kOlive);
    const std::vector<PixelPoint> band = SurchargeBand(o_, shape, surcharge, kind, W());
    if (!band.empty()) {
        QPolygon poly;
        for (const PixelPoint& pt : band) poly << Q(pt);
        QPainter p(&image_);
        p.setPen(QPen(kWhite, 1));
        p.setBrush(QBrush(kNavy, Qt::VerPattern));
        p.drawPolygon(poly);
    }
    // The soil just behind the wall once more, solid; on a leaning wall this seed falls
    // inside the wall body, which stays unfilled.
    const int sx = X(8) - 2;
    const int sy = Y(8) - 20;
    if (!InsideOutline(o_, sx, sy)) FillSilver(sx, sy, kOlive);
}

void WallPainter::DrawGravityDims() {
    QPainter p(&image_);
    // Wall height and base-slab thickness, left of the wall.
    EngravedH(p, 52, 117, 62);
    EngravedH(p, 52, 88, 166);
    EngravedH(p, 52, 88, 183);
    EngravedV(p, 56, 64, 184);
    // Front slope, crest and back slope widths, above the wall.
    EngravedH(p, 117, 175, 50);
    EngravedV(p, 116, 44, 60);
    EngravedV(p, 120, 44, 60);
    EngravedV(p, 129, 44, 60);
    EngravedV(p, 174, 44, 162);
    // Toe and heel widths, below the base.
    EngravedH(p, 100, 193, 212);
    EngravedV(p, 116, 190, 217);
    EngravedV(p, 174, 190, 217);
    // Base width.
    EngravedH(p, 100, 193, 233);
    EngravedV(p, 99, 190, 238);
    EngravedV(p, 192, 190, 238);
    // Extension of the toe top to the thickness mark.
    EngravedH(p, 89, 99, 166);
}

void WallPainter::DrawLeaningDims() {
    QPainter p(&image_);
    // Wall height and base-slab thickness.
    EngravedH(p, 52, 120, 62);
    EngravedH(p, 52, 88, 166);
    EngravedH(p, 52, 88, 183);
    EngravedV(p, 56, 64, 184);
    // Front slope and crest widths, above the wall.
    EngravedH(p, 103, 130, 50);
    EngravedV(p, 102, 44, 160);
    EngravedV(p, 120, 44, 60);
    EngravedV(p, 129, 44, 60);
    // Back slope width, just above the crest's back end.
    EngravedH(p, 123, 130, 36);
    EngravedV(p, 123, 30, 60);
    EngravedV(p, 131, 30, 40);
    // Toe width, below the base.
    EngravedH(p, 93, 124, 212);
    EngravedV(p, 102, 190, 217);
    // Base width.
    EngravedH(p, 93, 124, 233);
    EngravedV(p, 92, 190, 238);
    EngravedV(p, 123, 190, 238);
}

void WallPainter::DrawKeyDims() {
    QPainter p(&image_);
    const int x0 = X(0), y0 = Y(0);
    const int x10 = X(10), x11 = X(11), x12 = X(12);
    const int y9 = Y(9), y11 = Y(11);
    // Extension lines from the key's corners and the front bottom corner.
    EngravedH(p, x11 + 5, x11 + 40, y9);
    EngravedH(p, x11 + 5, x11 + 40, y11);
    EngravedV(p, x0 - 1, y0 + 5, y0 + 40);
    EngravedV(p, x11 - 1, y11 + 5, y0 + 40);
    EngravedV(p, x12 - 1, y11 + 5, y0 + 40);
    // Key position (from the front) and key width, key height.
    EngravedH(p, x0, x10, y0 + 34);
    EngravedH(p, x12, x11, y0 + 24);
    EngravedV(p, x11 + 34, y9, y11);
}

void WallPainter::DrawPassive() {
    QPainter p(&image_);
    const int y2 = Y(2), y0 = Y(0);
    // Virtual ground surface (dotted), base level and the depth H0 between them.
    p.setPen(QPen(kWhite, 1, Qt::DotLine));
    p.drawLine(10, y2 - 6, X(3) - 10, y2 - 6);
    p.setPen(QPen(kBlack, 1, Qt::DotLine));
    p.drawLine(10, y2 - 5, X(3) - 10, y2 - 5);
    Line(p, kWhite, 20, y0 - 1, X(0) - 10, y0 - 1);
    Line(p, kBlack, 20, y0, X(0) - 10, y0);
    Line(p, kWhite, 29, y2 - 4, 29, y0);
    Line(p, kBlack, 30, y2 - 4, 30, y0);
}

void WallPainter::DrawWater(char kind) {
    QPainter p(&image_);
    const int xc = kind == 'M' ? X(8) + 53 : X(8) - 15;
    const int y5 = Y(5);
    // The water lies behind the wall: the wide strokes stop at the wall's back face
    // instead of running across the concrete.
    QPolygon body;
    for (int i = 0; i < 14; ++i) body << QPoint(X(i), Y(i));
    p.setClipRegion(QRegion(image_.rect()).subtracted(QRegion(body)));
    const int halfWidths[] = {40, 20, 10, 5};
    for (int k = 0; k < 4; ++k) {
        Line(p, kAqua, xc - halfWidths[k], y5 + 60 + 5 * k, xc + halfWidths[k], y5 + 60 + 5 * k);
    }
    QPolygon tri;
    tri << QPoint(xc - 4, y5 + 52) << QPoint(xc + 4, y5 + 52) << QPoint(xc, y5 + 59);
    p.setPen(QPen(kAqua, 1));
    p.setBrush(kAqua);
    p.drawPolygon(tri);
    p.setClipping(false);
    const int c = kind == 'M' ? 70 : 0;
    const int x9 = X(9), y9 = Y(9);
    EngravedH(p, x9 + c + 5, x9 + c + 25, y9);
    EngravedV(p, x9 + c + 15, y5 + 61, y9);
}

void WallPainter::Barrier(QPainter& p) {
    const int x4 = X(4), y4 = Y(4);
    // Post 5 pixels wide and 50 high on the crest: grey body, white lit edges, black
    // shaded edge.
    p.fillRect(x4, y4 - 50, 5, 50, kGrey);
    Line(p, kWhite, x4, y4 - 50, x4, y4 - 1);
    Line(p, kWhite, x4, y4 - 50, x4 + 4, y4 - 50);
    Line(p, kBlack, x4 + 4, y4 - 49, x4 + 4, y4 - 1);
    // Strut from the post's back edge 10 pixels above the crest to the crest's back end.
    Line(p, kWhite, x4 + 5, y4 - 11, X(5), Y(5) - 1);
    Line(p, kBlack, x4 + 5, y4 - 10, X(5), Y(5));
}

void WallPainter::DrawWind() {
    QPainter p(&image_);
    Barrier(p);
    const int x4 = X(4), y4 = Y(4);
    EngravedH(p, x4 - 25, x4 - 10, y4);
    EngravedH(p, x4 - 25, x4 - 10, y4 - 50);
    EngravedV(p, x4 - 20, y4 - 50, y4);
}

void WallPainter::DrawCollision() {
    QPainter p(&image_);
    Barrier(p);
    const int x5 = X(5), y5 = Y(5);
    EngravedH(p, x5 + 10, x5 + 25, y5);
    EngravedH(p, x5 + 10, x5 + 25, y5 - 25);
    EngravedV(p, x5 + 20, y5 - 25, y5);
}

void WallPainter::DrawDiagramLevels() {
    QPainter p(&image_);
    StyledH(p, Qt::DotLine, 2, 247, 172);
    StyledH(p, Qt::DashLine, 2, 247, 183);
    EngravedV(p, 97, 152, 183);
    ArrowHead(p, 97, 152, -1, 31);
    ArrowHead(p, 97, 183, 1, 31);
    EngravedV(p, 227, 174, 183);
    ArrowHead(p, 227, 174, -1, 9);
    ArrowHead(p, 227, 183, 1, 9);
}

}  // namespace

QImage RenderWallPicture(WallPicture picture, const WallFigureOptions& options, QSize size) {
    if (size.width() < 8 || size.height() < 8) size = DefaultWallPictureSize(picture);
    QImage image(size, QImage::Format_RGB32);
    const WallOutline outline = PictureOutline(picture, options.Template);
    const char kind = BackfillKind(picture, options.Template);
    WallPainter w(image, outline);
    w.DrawWall();
    w.DrawBackfill(kind, options.Shape, options.Surcharge);
    switch (picture) {
    case WallPicture::Gravity: w.DrawGravityDims(); break;
    case WallPicture::Leaning: w.DrawLeaningDims(); break;
    case WallPicture::Key:
        if (options.Template == 2 || options.Template == 4) w.DrawKeyDims();
        break;
    case WallPicture::Backfill: break;
    case WallPicture::OtherLoads:
        if (options.Passive) w.DrawPassive();
        if (options.Water) w.DrawWater(kind);
        if (options.Wind) w.DrawWind();
        if (options.Collision) w.DrawCollision();
        break;
    case WallPicture::Diagram: w.DrawDiagramLevels(); break;
    }
    return image;
}

WallFigureWidget::WallFigureWidget(const DesignConditionsForm& form, WallPicture picture, QWidget* parent)
    : QWidget(parent), form_(form), picture_(picture) {
    setObjectName(QString::fromLatin1(WallPictureName(picture).data(),
                                      static_cast<qsizetype>(WallPictureName(picture).size())));
    resize(DefaultWallPictureSize(picture));
    Redraw();
}

void WallFigureWidget::UpdateFigure() {
    if (form_.FigureRedraws() != seenRedraws_) Redraw();
}

void WallFigureWidget::Redraw() {
    seenRedraws_ = form_.FigureRedraws();
    image_ = RenderWallPicture(picture_, ReadWallFigureOptions(form_.Controls()), size());
    ++paintings_;
    update();
}

QSize WallFigureWidget::sizeHint() const { return DefaultWallPictureSize(picture_); }

void WallFigureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void WallFigureWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (image_.size() != size()) Redraw();
}

}  // namespace stelvar::ui
