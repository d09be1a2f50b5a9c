#pragma once
// The small schematic wall pictures of the design-conditions window (and of the
// ground-constant diagram). They are not drawn to scale: the outline comes from four
// fixed templates, shifted to suit each picture, and the pictures follow only the
// options (wall type, shear key, backfill shape, surcharge, snow, other loads), never
// the entered dimensions.
//
// The first half of this header is plain geometry without Qt types, so the choice of
// template, offsets and shapes can be checked without painting; the second half paints
// the pictures onto a QImage and shows one picture as a widget.

#include <QImage>
#include <QSize>
#include <QWidget>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "forms/control_store.h"
#include "forms/design_conditions.h"

namespace stelvar {

// The six pictures: the wall-type pages (`Image2` gravity, `Image4` leaning), the shear
// key (`Image6`), the backfill shape (`Image8`), the other loads (`Image5`) and the
// picture of the ground-constant diagram window.
enum class WallPicture { Gravity, Leaning, Key, Backfill, OtherLoads, Diagram };

inline constexpr std::array<WallPicture, 6> kWallPictures = {
    WallPicture::Gravity, WallPicture::Leaning,    WallPicture::Key,
    WallPicture::Backfill, WallPicture::OtherLoads, WallPicture::Diagram};

// The control name of a picture ("Image2", ...); the diagram picture is "ImageDiagram".
std::string_view WallPictureName(WallPicture picture);

// The size the picture is laid out for; the fixed marks of each picture lie inside it.
QSize DefaultWallPictureSize(WallPicture picture);

struct PixelPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The 14 outline points in image pixels (origin top left, y downward). Roles: 0 front
// bottom corner of the base; 1 front top corner of the toe; 2, 3 foot of the front
// face; 4 front end of the crest; 5 back end of the crest; 6, 7 foot of the back face;
// 8 back top corner of the base; 9 back bottom corner; 10 to 13 along the base
// underside, forming the key when there is one.
struct WallOutline {
    std::array<int, 14> X{};
    std::array<int, 14> Y{};

    PixelPoint Point(int i) const { return {X[static_cast<std::size_t>(i)], Y[static_cast<std::size_t>(i)]}; }
    bool operator==(const WallOutline&) const = default;
};

// What the pictures depend on, read from the design-conditions window.
struct WallFigureOptions {
    int Template = 1;   // 1 gravity, 2 gravity with key, 3 leaning, 4 leaning with key
    int Shape = 0;      // backfill tab: 0 flat, 1 slope, 2 embankment
    int Surcharge = 0;  // 0 none, 1 on the flat part, 2 over the whole surface
    bool Passive = false;
    bool Water = false;
    bool Wind = false;
    bool Collision = false;
    bool operator==(const WallFigureOptions&) const = default;
};

// The options as the controls of the design-conditions window give them.
WallFigureOptions ReadWallFigureOptions(const ControlStore& controls);

// Template 1 to 4 for the wall type (leaning or not) and the shear key.
int WallTemplate(bool leaning, bool shearKey);
bool IsLeaningTemplate(int wallTemplate);

// The outline of a template (1 to 4) at offset 0.
WallOutline TemplateOutline(int wallTemplate);

// The offset added to every template point for a picture.
PixelPoint WallPictureOffset(WallPicture picture, int wallTemplate);

// The template the picture shows and its outline shifted for the picture. The two
// wall-type pages are both painted with the current template (only the page of the
// current wall type is visible).
WallOutline PictureOutline(WallPicture picture, int wallTemplate);

// 'G' (gravity) or 'M' (leaning): the backfill variant the picture draws.
char BackfillKind(WallPicture picture, int wallTemplate);

// The back ground surface, from the back end of the crest to the right edge of a
// picture `width` pixels wide.
std::vector<PixelPoint> BackSurfaceLine(const WallOutline& outline, int shape, char kind, int width);

// The front ground line: from the front face at the height 19 pixels above its foot
// to x = 1. The line starts where it meets the face, so the soil in front of the wall
// is closed off from the sky above it.
std::vector<PixelPoint> FrontGroundLine(const WallOutline& outline, char kind);

// The surcharge band, a polygon 10 pixels high laid on the ground surface; empty when
// no band is drawn (no surcharge, or a surcharge on the flat part of a plain slope).
std::vector<PixelPoint> SurchargeBand(const WallOutline& outline, int shape, int surcharge, char kind,
                                      int width);

// Whether a pixel lies inside the wall outline (even-odd rule on pixel centres).
bool InsideOutline(const WallOutline& outline, int x, int y);

// Flood fill over 32-bit pixels (rows of `stride` pixels): the 4-connected region of
// the seed's colour that contains the seed takes `colour`. A seed outside the image or
// already of that colour changes nothing. Returns the number of pixels filled.
std::size_t FloodFill(std::uint32_t* pixels, int width, int height, int stride, int x, int y,
                      std::uint32_t colour);

}  // namespace stelvar

namespace stelvar::ui {

// Fills the region of `image` (any 32-bit format) around (x, y), see FloodFill.
std::size_t FloodFill(QImage& image, int x, int y, QRgb colour);

// Paints one picture for the given options onto an image of the given size.
QImage RenderWallPicture(WallPicture picture, const WallFigureOptions& options, QSize size);

// One wall picture of the design-conditions window. It reads the window's options from
// the form (never changes it) and repaints when asked: UpdateFigure repaints when the
// form's redraw counter has moved since the last painting, Redraw always. The picture
// follows the widget's size.
class WallFigureWidget : public QWidget {
    Q_OBJECT

public:
    WallFigureWidget(const DesignConditionsForm& form, WallPicture picture, QWidget* parent = nullptr);

    void UpdateFigure();
    void Redraw();

    WallPicture Picture() const { return picture_; }
    const QImage& Image() const { return image_; }
    // How often the picture has been painted.
    int Paintings() const { return paintings_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const DesignConditionsForm& form_;
    WallPicture picture_;
    QImage image_;
    int seenRedraws_ = -1;
    int paintings_ = 0;
};

}  // namespace stelvar::ui
