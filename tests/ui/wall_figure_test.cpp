// The wall pictures: template and offset choice, the backfill shapes, the flood fill
// and the painted pictures.

#include "ui/wall_figure.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace stelvar {
namespace {

const QRgb kSilverRgb = qRgb(192, 192, 192);
const QRgb kOliveRgb = qRgb(128, 128, 0);
const QRgb kNavyRgb = qRgb(0, 0, 128);
const QRgb kAquaRgb = qRgb(0, 255, 255);

TEST(WallFigureGeometry, TemplateFollowsWallTypeAndKeyNotDimensions) {
    DesignConditionsForm form;
    EXPECT_EQ(ReadWallFigureOptions(form.Controls()).Template, 1);
    form.SetText("Edit38", "9000");  // a typed dimension changes nothing
    EXPECT_EQ(ReadWallFigureOptions(form.Controls()).Template, 1);
    form.SetIndex("RadioGroup2", 1);
    EXPECT_EQ(ReadWallFigureOptions(form.Controls()).Template, 2);
    form.SetIndex("PageControl2", 1);
    EXPECT_EQ(ReadWallFigureOptions(form.Controls()).Template, 4);
    form.SetIndex("RadioGroup2", 0);
    EXPECT_EQ(ReadWallFigureOptions(form.Controls()).Template, 3);
}

TEST(WallFigureGeometry, TemplatesAndPictureOffsets) {
    // Anchors of the four templates: the crest and the key bottom.
    EXPECT_EQ(TemplateOutline(1).Point(5), (PixelPoint{130, 64}));
    EXPECT_EQ(TemplateOutline(2).Point(11), (PixelPoint{130, 198}));
    EXPECT_EQ(TemplateOutline(3).Point(8), (PixelPoint{124, 166}));
    EXPECT_EQ(TemplateOutline(4).Point(12), (PixelPoint{110, 195}));

    struct Case {
        WallPicture picture;
        int tmpl;
        PixelPoint offset;
    };
    const std::vector<Case> cases = {
        {WallPicture::Gravity, 1, {0, 0}},       {WallPicture::Leaning, 3, {0, 0}},
        {WallPicture::Key, 1, {-85, -135}},      {WallPicture::Key, 2, {-85, -135}},
        {WallPicture::Key, 3, {-78, -135}},      {WallPicture::Key, 4, {-78, -135}},
        {WallPicture::Backfill, 4, {-75, 0}},    {WallPicture::OtherLoads, 1, {-40, 20}},
        {WallPicture::Diagram, 2, {15, 0}},      {WallPicture::Diagram, 3, {32, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(WallPictureName(c.picture)) + " template " + std::to_string(c.tmpl));
        EXPECT_EQ(WallPictureOffset(c.picture, c.tmpl), c.offset);
        const WallOutline shifted = PictureOutline(c.picture, c.tmpl);
        const WallOutline base = TemplateOutline(c.tmpl);
        for (int i = 0; i < 14; ++i) {
            EXPECT_EQ(shifted.Point(i), (PixelPoint{base.Point(i).X + c.offset.X, base.Point(i).Y + c.offset.Y}));
        }
    }
    EXPECT_EQ(BackfillKind(WallPicture::Gravity, 3), 'G');
    EXPECT_EQ(BackfillKind(WallPicture::Leaning, 1), 'M');
    EXPECT_EQ(BackfillKind(WallPicture::Backfill, 2), 'G');
    EXPECT_EQ(BackfillKind(WallPicture::OtherLoads, 4), 'M');
}

TEST(WallFigureGeometry, SurchargeFromBackfillSurchargeAndSnow) {
    struct Case {
        int tab;
        bool surcharge;
        int position;
        bool snow;
        int expected;
    };
    // Rows in the order the window's reactions allow them to be set.
    const std::vector<Case> cases = {
        {0, true, 0, false, 1}, {0, true, 1, false, 2}, {0, false, 0, false, 0},
        {2, true, 0, false, 1}, {2, true, 1, false, 2}, {1, true, 1, false, 2},
        {1, false, 0, false, 0}, {1, false, 0, true, 2}, {0, false, 0, true, 2},
    };
    for (const Case& c : cases) {
        DesignConditionsForm form;
        form.SetIndex("RadioGroup8", c.position);
        form.SetIndex("TabControl1", c.tab);
        form.SetChecked("CheckBox1", c.surcharge);
        form.SetChecked("CheckBox4", c.snow);
        SCOPED_TRACE("tab " + std::to_string(c.tab) + " position " + std::to_string(c.position));
        const WallFigureOptions o = ReadWallFigureOptions(form.Controls());
        EXPECT_EQ(o.Shape, c.tab);
        EXPECT_EQ(o.Surcharge, c.expected);
    }
}

TEST(WallFigureGeometry, BackfillShapesAndSurchargeBands) {
    const WallOutline g = TemplateOutline(1);
    const WallOutline m = TemplateOutline(3);
    const int w = 250;
    // Flat: level with the crest; slope 1 in 3 up to the right edge; embankment: a
    // slope 31 pixels high, then flat, its top starting 20 before the heel (gravity) or
    // 40 behind the crest (leaning).
    EXPECT_EQ(BackSurfaceLine(g, 0, 'G', w), (std::vector<PixelPoint>{{130, 64}, {249, 64}}));
    EXPECT_EQ(BackSurfaceLine(g, 1, 'G', w), (std::vector<PixelPoint>{{130, 64}, {249, 64 - 119 / 3 - 1}}));
    EXPECT_EQ(BackSurfaceLine(g, 2, 'G', w), (std::vector<PixelPoint>{{130, 64}, {173, 33}, {249, 33}}));
    EXPECT_EQ(BackSurfaceLine(m, 2, 'M', w), (std::vector<PixelPoint>{{130, 64}, {170, 33}, {249, 33}}));

    EXPECT_TRUE(SurchargeBand(g, 0, 0, 'G', w).empty());
    EXPECT_EQ(SurchargeBand(g, 0, 1, 'G', w).size(), 4u);
    // A surcharge on the flat part of a plain slope has nowhere to go.
    EXPECT_TRUE(SurchargeBand(g, 1, 1, 'G', w).empty());
    const std::vector<PixelPoint> slope = SurchargeBand(g, 1, 2, 'G', w);
    ASSERT_EQ(slope.size(), 4u);
    EXPECT_EQ(slope[1], (PixelPoint{249, 24}));
    EXPECT_EQ(slope[2], (PixelPoint{249, 14}));
    const std::vector<PixelPoint> top = SurchargeBand(m, 2, 1, 'M', w);
    ASSERT_EQ(top.size(), 4u);
    EXPECT_EQ(top[0], (PixelPoint{170, 33}));
    EXPECT_EQ(SurchargeBand(m, 2, 2, 'M', w).size(), 6u);
}

TEST(WallFigureGeometry, FrontGroundLineMeetsTheFrontFace) {
    // 19 pixels above the foot of the face; the line reaches the face so the soil in
    // front stays closed off from the sky.
    const std::vector<PixelPoint> g = FrontGroundLine(TemplateOutline(1), 'G');
    EXPECT_EQ(g[0], (PixelPoint{118, 147}));
    EXPECT_EQ(g[1], (PixelPoint{1, 147}));
    const std::vector<PixelPoint> m = FrontGroundLine(TemplateOutline(3), 'M');
    EXPECT_EQ(m[0], (PixelPoint{106, 147}));
}

class FloodFillTest : public ::testing::Test {
protected:
    // 12 × 8 pixels of 0 with a closed square border of 1 from (2, 1) to (8, 6).
    FloodFillTest() : pixels(kW * kH, 0u) {
        for (int x = 2; x <= 8; ++x) {
            At(x, 1) = 1;
            At(x, 6) = 1;
        }
        for (int y = 1; y <= 6; ++y) {
            At(2, y) = 1;
            At(8, y) = 1;
        }
    }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y * kW + x)]; }
    static constexpr int kW = 12;
    static constexpr int kH = 8;
    std::vector<std::uint32_t> pixels;
};

TEST_F(FloodFillTest, FillsTheClosedRegionOnly) {
    EXPECT_EQ(FloodFill(pixels.data(), kW, kH, kW, 5, 3, 7u), 5u * 4u);
    EXPECT_EQ(At(3, 2), 7u);
    EXPECT_EQ(At(7, 5), 7u);
    EXPECT_EQ(At(2, 3), 1u);  // border untouched
    EXPECT_EQ(At(0, 0), 0u);  // outside untouched
    EXPECT_EQ(At(9, 3), 0u);
}

TEST_F(FloodFillTest, LeaksThroughAGapButNotThroughADiagonal) {
    At(8, 3) = 0;  // a gap in the right border
    EXPECT_EQ(FloodFill(pixels.data(), kW, kH, kW, 5, 3, 7u), kW * kH - 21u);
    EXPECT_EQ(At(0, 0), 7u);

    // A diagonal line only touching at corners still closes the region (4-connected).
    std::vector<std::uint32_t> d(5 * 5, 0u);
    for (int i = 0; i < 5; ++i) d[static_cast<std::size_t>(i * 5 + i)] = 1;
    EXPECT_EQ(FloodFill(d.data(), 5, 5, 5, 4, 0, 9u), 10u);
    EXPECT_EQ(d[5 * 4 + 0], 0u);
}

TEST_F(FloodFillTest, OutsideSeedOrSameColourChangesNothingAndStrideIsHonoured) {
    EXPECT_EQ(FloodFill(pixels.data(), kW, kH, kW, -1, 3, 7u), 0u);
    EXPECT_EQ(FloodFill(pixels.data(), kW, kH, kW, 5, kH, 7u), 0u);
    EXPECT_EQ(FloodFill(pixels.data(), kW, kH, kW, 5, 3, 0u), 0u);
    // A narrower view of the same rows: the fill stays inside its width.
    EXPECT_EQ(FloodFill(pixels.data(), 2, kH, kW, 0, 0, 5u), 2u * kH);
    EXPECT_EQ(At(2, 0), 0u);

    QImage image(6, 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    EXPECT_EQ(ui::FloodFill(image, 1, 1, qRgb(1, 2, 3)), 24u);
    EXPECT_EQ(image.pixel(5, 3), qRgb(1, 2, 3));
}

int CountColour(const QImage& image, QRgb colour, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour) ++n;
        }
    }
    return n;
}

TEST(WallFigurePainting, DefaultWallsShowSkySoilAndWall) {
    for (const bool leaning : {false, true}) {
        SCOPED_TRACE(leaning ? "leaning" : "gravity");
        DesignConditionsForm form;
        form.SetIndex("PageControl2", leaning ? 1 : 0);
        ui::WallFigureWidget widget(form, leaning ? WallPicture::Leaning : WallPicture::Gravity);
        const QImage& image = widget.Image();
        ASSERT_EQ(image.size(), DefaultWallPictureSize(widget.Picture()));
        EXPECT_EQ(widget.objectName(), leaning ? "Image4" : "Image2");
        // Sky above the back ground, soil behind the wall and in front of it, the wall
        // body itself unfilled.
        EXPECT_EQ(image.pixel(200, 30), kSilverRgb);
        EXPECT_EQ(image.pixel(30, 100), kSilverRgb);
        EXPECT_EQ(image.pixel(200, 120), kOliveRgb);
        EXPECT_EQ(image.pixel(30, 160), kOliveRgb);
        EXPECT_EQ(image.pixel(40, 220), kOliveRgb);
        EXPECT_EQ(image.pixel(leaning ? 115 : 140, 130), kSilverRgb);
        // The default surcharge (checked, on the flat part) lies on the flat ground.
        EXPECT_GT(CountColour(image, kNavyRgb, QRect(131, 55, 110, 8)), 20);
        // Wall outline and dimension marks: black and white pixels around the wall.
        EXPECT_GT(CountColour(image, qRgb(0, 0, 0), QRect(50, 40, 150, 200)), 200);
        EXPECT_GT(CountColour(image, qRgb(255, 255, 255), QRect(50, 40, 150, 200)), 200);

        // The soil stays inside the sunken frame.
        EXPECT_EQ(image.pixel(0, 0), qRgb(128, 128, 128));
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));
    }
}

TEST(WallFigurePainting, EveryPictureAndOptionPaintsWithoutLeaking) {
    // Every template and backfill shape, with every load: the sky in the top-left
    // corner stays silver and some soil is shown.
    for (int tmpl = 1; tmpl <= 4; ++tmpl) {
        for (int shape = 0; shape <= 2; ++shape) {
            for (const WallPicture picture : kWallPictures) {
                WallFigureOptions o;
                o.Template = tmpl;
                o.Shape = shape;
                o.Surcharge = 2;
                o.Passive = o.Water = o.Wind = o.Collision = true;
                const QImage image = ui::RenderWallPicture(picture, o, DefaultWallPictureSize(picture));
                SCOPED_TRACE(std::string(WallPictureName(picture)) + " template " + std::to_string(tmpl) +
                             " shape " + std::to_string(shape));
                EXPECT_EQ(image.pixel(4, 4), kSilverRgb);
                EXPECT_GT(CountColour(image, kOliveRgb, image.rect()), 500);
                // The wall body stays unfilled.
                const WallOutline outline = PictureOutline(picture, tmpl);
                const int cx = (outline.X[3] + outline.X[8]) / 2;
                const int cy = outline.Y[3] + 9;
                if (cy >= 0 && cy < image.height()) {
                    EXPECT_EQ(image.pixel(cx, cy), kSilverRgb);
                }
            }
        }
    }
}

TEST(WallFigurePainting, OtherLoadsAndKeyMarksAppearWithTheirOptions) {
    WallFigureOptions o;
    const QSize size = DefaultWallPictureSize(WallPicture::OtherLoads);
    const QImage plain = ui::RenderWallPicture(WallPicture::OtherLoads, o, size);
    EXPECT_EQ(CountColour(plain, kAquaRgb, plain.rect()), 0);
    o.Water = true;
    const QImage water = ui::RenderWallPicture(WallPicture::OtherLoads, o, size);
    EXPECT_GT(CountColour(water, kAquaRgb, water.rect()), 100);
    o.Water = false;
    o.Wind = true;
    const QImage wind = ui::RenderWallPicture(WallPicture::OtherLoads, o, size);
    // The barrier post stands on the crest (point 4 of the shifted outline: 81, 84).
    EXPECT_EQ(wind.pixel(83, 60), qRgb(128, 128, 128));
    EXPECT_EQ(plain.pixel(83, 60), kSilverRgb);

    const QSize keySize = DefaultWallPictureSize(WallPicture::Key);
    o = {};
    const QImage noKey = ui::RenderWallPicture(WallPicture::Key, o, keySize);
    o.Template = 2;
    const QImage key = ui::RenderWallPicture(WallPicture::Key, o, keySize);
    // The key-height mark at X11 + 34 between the base underside and the key bottom.
    EXPECT_EQ(key.pixel(45 + 34, 55), qRgb(255, 255, 255));
    EXPECT_NE(noKey.pixel(45 + 34, 55), qRgb(255, 255, 255));
}

TEST(WallFigurePainting, WidgetRepaintsOnlyWhenTheFormAskedForIt) {
    DesignConditionsForm form;
    ui::WallFigureWidget widget(form, WallPicture::Backfill);
    const int first = widget.Paintings();
    widget.UpdateFigure();
    EXPECT_EQ(widget.Paintings(), first);
    const int navyBefore = CountColour(widget.Image(), kNavyRgb, widget.Image().rect());
    form.SetChecked("CheckBox1", false);  // surcharge off: the reaction asks for a redraw
    widget.UpdateFigure();
    EXPECT_EQ(widget.Paintings(), first + 1);
    EXPECT_GT(navyBefore, 0);
    EXPECT_EQ(CountColour(widget.Image(), kNavyRgb, widget.Image().rect()), 0);

    // The picture follows the widget's size once shown.
    widget.show();
    widget.resize(260, 230);
    EXPECT_EQ(widget.Image().size(), QSize(260, 230));
    EXPECT_FALSE(widget.grab().isNull());
}

}  // namespace
}  // namespace stelvar
