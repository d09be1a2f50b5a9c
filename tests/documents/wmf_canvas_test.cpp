// The metafile writer read back record by record: the placeable header with its
// checksum, the metafile header's sizes, each record's size and parameters, and the
// object table as a player keeps it.

#include "documents/wmf_canvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/cp932.h"

namespace stelvar {
namespace {

std::uint16_t Word(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b.at(at)) |
                                      (static_cast<unsigned char>(b.at(at + 1)) << 8));
}
std::int16_t Short(const std::string& b, std::size_t at) { return static_cast<std::int16_t>(Word(b, at)); }
std::uint32_t Dword(const std::string& b, std::size_t at) {
    return Word(b, at) | (static_cast<std::uint32_t>(Word(b, at + 2)) << 16);
}

struct Record {
    std::uint16_t Function;
    std::string Params;
    std::int16_t Param(std::size_t i) const { return Short(Params, 2 * i); }
};

struct Metafile {
    std::int16_t Box[4];  // left, top, right, bottom
    std::uint16_t Inch;
    std::uint16_t Objects;
    std::uint32_t MaxRecord;
    std::vector<Record> Records;  // after the header, the end record included
};

// Reads the file as a player would, failing the test on any inconsistency.
Metafile Read(const std::string& b) {
    Metafile m{};
    EXPECT_EQ(Dword(b, 0), 0x9AC6CDD7u);
    EXPECT_EQ(Word(b, 4), 0);
    for (int i = 0; i < 4; ++i) m.Box[i] = Short(b, 6 + 2 * static_cast<std::size_t>(i));
    m.Inch = Word(b, 14);
    EXPECT_EQ(Dword(b, 16), 0u);
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 20; i += 2) sum ^= Word(b, i);
    EXPECT_EQ(Word(b, 20), sum) << "checksum";

    const std::size_t h = 22;
    EXPECT_EQ(Word(b, h), 1);        // on disk
    EXPECT_EQ(Word(b, h + 2), 9);    // header words
    EXPECT_EQ(Word(b, h + 4), 0x0300);
    EXPECT_EQ(Dword(b, h + 6) * 2, b.size() - h) << "total size in words";
    m.Objects = Word(b, h + 10);
    m.MaxRecord = Dword(b, h + 12);
    EXPECT_EQ(Word(b, h + 16), 0);

    std::uint32_t largest = 0;
    std::size_t at = h + 18;
    while (at < b.size()) {
        const std::uint32_t words = Dword(b, at);
        EXPECT_GE(words, 3u);
        if (words < 3 || at + 2 * words > b.size()) {
            ADD_FAILURE() << "record at " << at << " runs past the end";
            break;
        }
        largest = std::max(largest, words);
        m.Records.push_back({Word(b, at + 4), b.substr(at + 6, 2 * words - 6)});
        at += 2 * words;
    }
    EXPECT_EQ(at, b.size());
    EXPECT_FALSE(m.Records.empty());
    if (!m.Records.empty()) {
        EXPECT_EQ(m.Records.back().Function, wmf::kEof);
        EXPECT_EQ(m.Records.back().Params.size(), 0u);
    }
    EXPECT_EQ(m.MaxRecord, largest);
    return m;
}

std::vector<Record> Of(const Metafile& m, std::uint16_t function) {
    std::vector<Record> out;
    for (const Record& r : m.Records)
        if (r.Function == function) out.push_back(r);
    return out;
}

TEST(WmfCanvas, HeaderOfAnEmptyPicture) {
    const std::string b = WmfCanvas(300, 200).Bytes();
    const Metafile m = Read(b);
    EXPECT_EQ(m.Box[0], 0);
    EXPECT_EQ(m.Box[1], 0);
    EXPECT_EQ(m.Box[2], 4500);
    EXPECT_EQ(m.Box[3], 3000);
    EXPECT_EQ(m.Inch, 1440);
    EXPECT_EQ(m.Objects, 0);
    // Window origin and extent (y before x), transparent text background, end.
    ASSERT_EQ(m.Records.size(), 4u);
    EXPECT_EQ(m.Records[0].Function, wmf::kSetWindowOrg);
    EXPECT_EQ(m.Records[1].Function, wmf::kSetWindowExt);
    EXPECT_EQ(m.Records[1].Param(0), 3000);
    EXPECT_EQ(m.Records[1].Param(1), 4500);
    EXPECT_EQ(m.Records[2].Function, wmf::kSetBkMode);
    EXPECT_EQ(m.Records[2].Param(0), 1);
    // The placeable header's bytes, checksum included, for this size.
    EXPECT_EQ(b.substr(0, 22), std::string("\xD7\xCD\xC6\x9A\x00\x00\x00\x00\x00\x00\x94\x11\xB8\x0B"
                                           "\xA0\x05\x00\x00\x00\x00\x9D\x48",
                                           22));
}

TEST(WmfCanvas, RecordsRoundTrip) {
    WmfCanvas c(400, 300);
    c.SetPen({Colour{0x800080}, 2, PenStyle::Solid});
    const std::vector<CanvasPoint> pts = {{10, 20}, {30.5, 40.2}, {50, 60}};
    c.Polyline(pts);
    c.Line({1, 2}, {3, 4});
    c.SetPen({Colour{0x000000}, 1, PenStyle::Solid});
    c.Rectangle({10, 20, 110, 220}, Colour{0xFFFFFF});
    CanvasFont f;
    f.Name = "ＭＳ Ｐ明朝";
    f.Height = 12;
    f.FontColour = Colour{0x0000FF};
    c.SetFont(f);
    c.Text({100, 50}, "地盤反力 79.45kN/m2", TextAlign::Centre, TextBase::Bottom);
    const Metafile m = Read(c.Bytes());

    const std::vector<Record> pens = Of(m, wmf::kCreatePenIndirect);
    ASSERT_EQ(pens.size(), 2u);
    EXPECT_EQ(pens[0].Params.size(), 10u);
    EXPECT_EQ(pens[0].Param(0), 0);   // solid
    EXPECT_EQ(pens[0].Param(1), 30);  // 2 pixels
    EXPECT_EQ(Dword(pens[0].Params, 6), 0x800080u);

    const std::vector<Record> polylines = Of(m, wmf::kPolyline);
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0].Param(0), 3);
    EXPECT_EQ(polylines[0].Param(1), 150);
    EXPECT_EQ(polylines[0].Param(2), 300);
    EXPECT_EQ(polylines[0].Param(3), 458);  // 30.5 × 15 = 457.5, rounded away from zero
    EXPECT_EQ(polylines[0].Param(4), 603);
    const std::vector<Record> moves = Of(m, wmf::kMoveTo);
    const std::vector<Record> lines = Of(m, wmf::kLineTo);
    ASSERT_EQ(moves.size(), 1u);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(moves[0].Param(0), 30);  // y first
    EXPECT_EQ(moves[0].Param(1), 15);
    EXPECT_EQ(lines[0].Param(0), 60);

    const std::vector<Record> rects = Of(m, wmf::kRectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].Param(0), 3300);  // bottom, right, top, left
    EXPECT_EQ(rects[0].Param(1), 1650);
    EXPECT_EQ(rects[0].Param(2), 300);
    EXPECT_EQ(rects[0].Param(3), 150);
    const std::vector<Record> brushes = Of(m, wmf::kCreateBrushIndirect);
    ASSERT_EQ(brushes.size(), 1u);
    EXPECT_EQ(brushes[0].Param(0), 0);  // solid
    EXPECT_EQ(Dword(brushes[0].Params, 2), 0xFFFFFFu);

    const std::vector<Record> fonts = Of(m, wmf::kCreateFontIndirect);
    ASSERT_EQ(fonts.size(), 1u);
    const std::string& font = fonts[0].Params;
    ASSERT_EQ(font.size(), 50u);
    EXPECT_EQ(Short(font, 0), -180);
    EXPECT_EQ(Short(font, 8), 400);
    EXPECT_EQ(static_cast<unsigned char>(font[13]), 128);  // Shift-JIS character set
    EXPECT_EQ(font.substr(18, font.find('\0', 18) - 18), Utf8ToCp932("ＭＳ Ｐ明朝"));

    const std::vector<Record> colours = Of(m, wmf::kSetTextColor);
    ASSERT_EQ(colours.size(), 1u);
    EXPECT_EQ(Dword(colours[0].Params, 0), 0x0000FFu);
    const std::vector<Record> aligns = Of(m, wmf::kSetTextAlign);
    ASSERT_EQ(aligns.size(), 1u);
    EXPECT_EQ(aligns[0].Param(0), 6 | 8);  // centre, bottom

    const std::vector<Record> texts = Of(m, wmf::kTextOut);
    ASSERT_EQ(texts.size(), 1u);
    const std::string sjis = Utf8ToCp932("地盤反力 79.45kN/m2");
    const std::size_t n = static_cast<std::size_t>(texts[0].Param(0));
    EXPECT_EQ(n, sjis.size());
    EXPECT_EQ(texts[0].Params.substr(2, n), sjis);
    const std::size_t after = 2 + n + n % 2;
    EXPECT_EQ(Short(texts[0].Params, after), 750);       // y
    EXPECT_EQ(Short(texts[0].Params, after + 2), 1500);  // x
}

// Plays the object records back on a table as a player does: a new object takes the
// lowest free index, only a live object can be selected or deleted, a selected one is
// never deleted, and RestoreDC puts back what was selected at SaveDC.
TEST(WmfCanvas, ObjectTablePlaysBackCleanly) {
    WmfCanvas c(200, 200);
    CanvasFont f;
    for (int i = 0; i < 40; ++i) {
        c.SetPen({Colour{static_cast<std::uint32_t>(i)}, 1 + i % 3, PenStyle::Solid});
        c.Line({0, 0}, {10, 10});
        if (i % 10 == 5) {
            c.SetClip({10, 10, 100, 100});
            c.SetPen({Colour{0xFF}, 2, PenStyle::Solid});
            c.Polyline(std::vector<CanvasPoint>{{0, 0}, {5, 5}, {9, 9}});
            f.Height = 10 + i;
            c.SetFont(f);
            c.Text({5, 5}, "1", TextAlign::Left, TextBase::Top);
            c.Rectangle({1, 1, 2, 2}, Colour{0xFF});
            c.SetPen({Colour{0xFF00}, 1, PenStyle::Dash});
            c.Line({0, 0}, {1, 1});
            c.ResetClip();
        }
        f.Height = 12 + i % 2;
        c.SetFont(f);
        c.Text({5, 5}, "x", TextAlign::Right, TextBase::Baseline);
        c.Rectangle({1, 1, 20, 20}, i % 2 ? std::optional<Colour>() : Colour{0xFFFFFF});
    }
    const Metafile m = Read(c.Bytes());

    struct Dc {
        std::map<std::uint16_t, int> Selected;  // create function -> index
    };
    std::vector<int> kind;  // per index: create function, 0 free
    Dc dc;
    std::vector<Dc> saved;
    std::set<int> everSelectedAfterSave;
    for (const Record& r : m.Records) {
        switch (r.Function) {
            case wmf::kCreatePenIndirect:
            case wmf::kCreateBrushIndirect:
            case wmf::kCreateFontIndirect: {
                std::size_t i = 0;
                while (i < kind.size() && kind[i] != 0) ++i;
                if (i == kind.size()) kind.push_back(0);
                kind[i] = r.Function;
                break;
            }
            case wmf::kSelectObject: {
                const int i = r.Param(0);
                ASSERT_LT(static_cast<std::size_t>(i), kind.size());
                ASSERT_NE(kind[static_cast<std::size_t>(i)], 0) << "selecting a deleted object";
                dc.Selected[static_cast<std::uint16_t>(kind[static_cast<std::size_t>(i)])] = i;
                break;
            }
            case wmf::kDeleteObject: {
                const int i = r.Param(0);
                ASSERT_LT(static_cast<std::size_t>(i), kind.size());
                ASSERT_NE(kind[static_cast<std::size_t>(i)], 0) << "deleting a free index";
                for (const auto& [what, sel] : dc.Selected) EXPECT_NE(sel, i) << "deleting a selected object";
                for (const Dc& s : saved)
                    for (const auto& [what, sel] : s.Selected) EXPECT_NE(sel, i) << "deleting a saved object";
                kind[static_cast<std::size_t>(i)] = 0;
                break;
            }
            case wmf::kSaveDC: saved.push_back(dc); break;
            case wmf::kRestoreDC:
                ASSERT_FALSE(saved.empty());
                EXPECT_EQ(r.Param(0), -1);
                dc = saved.back();
                saved.pop_back();
                for (const auto& [what, sel] : dc.Selected)
                    ASSERT_NE(kind[static_cast<std::size_t>(sel)], 0) << "restored a deleted object";
                break;
            case wmf::kIntersectClipRect:
                ASSERT_EQ(saved.size(), 1u);
                EXPECT_EQ(r.Param(0), 1500);
                EXPECT_EQ(r.Param(3), 150);
                break;
            default: break;
        }
    }
    EXPECT_TRUE(saved.empty());
    EXPECT_EQ(m.Objects, kind.size());
    // Created, selected, the previous one deleted: the table stays small. At most the
    // pen, brush and font held for the clip, one object of each kind inside it, and the
    // new one of a kind being swapped in.
    EXPECT_LE(m.Objects, 7);
    // A dashed one-pixel pen is written one device pixel wide, so its dashes show.
    bool dashed = false;
    for (const Record& r : Of(m, wmf::kCreatePenIndirect))
        if (r.Param(0) == 1) {
            dashed = true;
            EXPECT_EQ(r.Param(1), 0);
        }
    EXPECT_TRUE(dashed);
}

TEST(WmfCanvas, UnchangedPensAndFontsAreNotCreatedAgain) {
    WmfCanvas c(100, 100);
    c.SetPen({Colour{0}, 1, PenStyle::Solid});
    c.SetFont(CanvasFont{});
    for (int i = 0; i < 5; ++i) {
        c.Line({0, 0}, {1, 1});
        c.Text({1, 1}, "a", TextAlign::Left, TextBase::Top);
    }
    c.SetPen({Colour{0}, 1, PenStyle::None});
    c.Line({0, 0}, {1, 1});  // an invisible pen draws nothing
    const Metafile m = Read(c.Bytes());
    EXPECT_EQ(Of(m, wmf::kCreatePenIndirect).size(), 1u);
    EXPECT_EQ(Of(m, wmf::kCreateFontIndirect).size(), 1u);
    EXPECT_EQ(Of(m, wmf::kSetTextAlign).size(), 1u);
    EXPECT_EQ(Of(m, wmf::kLineTo).size(), 5u);
}

TEST(WmfCanvas, OutOfRangeInputIsHeldWithinTheFormat) {
    WmfCanvas c(100, 100);
    c.SetPen({Colour{0}, 1, PenStyle::Solid});
    c.Line({-1e9, std::numeric_limits<double>::quiet_NaN()}, {1e9, 1e300});
    // A long line goes out in pieces of at most 8000 points that share their ends.
    std::vector<CanvasPoint> many;
    for (int i = 0; i < 20000; ++i) many.push_back({static_cast<double>(i % 100), 1});
    c.Polyline(many);
    CanvasFont f;
    f.Name = "A face name far longer than the thirty-one bytes a font record holds";
    c.SetFont(f);
    c.Text({0, 0}, "x😀y", TextAlign::Left, TextBase::Top);  // no code page 932 form: "?"
    const Metafile m = Read(c.Bytes());

    const Record move = Of(m, wmf::kMoveTo).at(0);
    const Record line = Of(m, wmf::kLineTo).at(0);
    EXPECT_EQ(move.Param(0), 0);
    EXPECT_EQ(move.Param(1), -32768);
    EXPECT_EQ(line.Param(0), 32767);
    EXPECT_EQ(line.Param(1), 32767);

    std::size_t total = 0;
    for (const Record& r : Of(m, wmf::kPolyline)) {
        EXPECT_LE(r.Param(0), 8000);
        total += static_cast<std::size_t>(r.Param(0));
    }
    EXPECT_EQ(Of(m, wmf::kPolyline).size(), 3u);
    EXPECT_EQ(total, 20000u + 2u);

    const std::string font = Of(m, wmf::kCreateFontIndirect).at(0).Params;
    EXPECT_EQ(font.substr(18, font.find('\0', 18) - 18), std::string(f.Name.substr(0, 31)));
    const Record text = Of(m, wmf::kTextOut).at(0);
    EXPECT_EQ(text.Params.substr(2, static_cast<std::size_t>(text.Param(0))), "x?y");

    EXPECT_THROW(WmfCanvas(0, 10), std::invalid_argument);
    EXPECT_THROW(WmfCanvas(10, 2185), std::invalid_argument);
    EXPECT_NO_THROW(WmfCanvas(2184, 2184));
}

// The 16-bit coordinates of places far off the picture: held at the nearest end of the
// range, also where the scaling to units overflows a finite place; no place for NaN.
TEST(WmfCanvas, FarOffPlacesAreHeldAtTheEndsOfTheRange) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const struct {
        double Pixels;
        std::int16_t Units;
    } rows[] = {
        {1e306, 32767},  {-1e306, -32768}, {1e300, 32767}, {-1e300, -32768},
        {1.7e308, 32767}, {-1.7e308, -32768}, {kInf, 32767}, {-kInf, -32768},
        {std::numeric_limits<double>::quiet_NaN(), 0}, {2184.4, 32766}, {-2184.6, -32768},
    };
    for (const auto& r : rows) {
        WmfCanvas c(100, 100);
        c.SetPen({Colour{0}, 1, PenStyle::Solid});
        c.Line({r.Pixels, 1}, {2, r.Pixels});
        c.Text({r.Pixels, 3}, "t", TextAlign::Left, TextBase::Top);
        const Metafile m = Read(c.Bytes());
        const Record move = Of(m, wmf::kMoveTo).at(0);  // y, x
        const Record line = Of(m, wmf::kLineTo).at(0);
        const Record text = Of(m, wmf::kTextOut).at(0);  // length, "t" padded, y, x
        EXPECT_EQ(move.Param(1), r.Units) << r.Pixels;
        EXPECT_EQ(move.Param(0), 15) << r.Pixels;
        EXPECT_EQ(line.Param(0), r.Units) << r.Pixels;
        EXPECT_EQ(text.Param(3), r.Units) << r.Pixels;
    }
}

TEST(WmfCanvas, FaceNamesAreNotCutInsideADoubleByteCharacter) {
    WmfCanvas c(100, 100);
    CanvasFont f;
    f.Name = "ＭＳ Ｐゴシック＿ＭＳ Ｐゴシック";  // 32 bytes in code page 932
    c.SetFont(f);
    c.Text({0, 0}, "a", TextAlign::Left, TextBase::Top);
    const Metafile m = Read(c.Bytes());
    const std::string font = Of(m, wmf::kCreateFontIndirect).at(0).Params;
    const std::string face = font.substr(18, font.find('\0', 18) - 18);
    EXPECT_EQ(face, Utf8ToCp932("ＭＳ Ｐゴシック＿ＭＳ Ｐゴシッ"));  // 30 bytes: "ク" would make 32
    EXPECT_NO_THROW(Cp932ToUtf8(face));
}

}  // namespace
}  // namespace stelvar
