// The printed report as data: the fill operations (text blocks, figures, tables), the
// page forms with their titles and labels, the slab pages' headings, the print-all page
// list with its question, and the layout of the pages for real walls.

#include "documents/printed_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/report_writers.h"
#include "report/results_setup.h"
#include "text/number.h"

namespace stelvar {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

struct XY {
    double X;
    double Y;
    bool operator==(const XY&) const = default;
};

std::vector<XY> Points(const ChartSeries& s) {
    std::vector<XY> out;
    for (const SeriesPoint& p : s.Points) out.push_back({p.X, p.Y});
    return out;
}

std::vector<std::string> Labels(const ChartSeries& s) {
    std::vector<std::string> out;
    for (const SeriesPoint& p : s.Points) out.push_back(p.Label);
    return out;
}

// ---------------------------------------------------------------------------------------
// Text blocks

TEST(CopyListToText, BlockIsTwoFontHeightsTallerThanItsLinesAndKeepsThemVerbatim) {
    struct Case {
        std::vector<std::string> Lines;
        int FontHeight;
        int Height;
    };
    const Case cases[] = {
        {{}, 13, 0},  // an empty list leaves the block empty
        {{"a"}, 13, 39},
        {{"  一行目", "", "　三行目 "}, 13, 65},
        {{"x", "y"}, 16, 64},
        {{"x"}, -16, 48},  // a negative height counts by its size
    };
    for (const Case& c : cases) {
        ListBoxContent list;
        list.Lines = c.Lines;
        PrintedTextBlock block;
        block.FontHeight = c.FontHeight;
        block.Lines = {"an earlier wall's line"};
        block.Height = 999;
        CopyListToText(list, block);
        EXPECT_EQ(block.Lines, c.Lines);
        EXPECT_EQ(block.Height, c.Height) << c.Lines.size() << " lines";
    }
}

// ---------------------------------------------------------------------------------------
// Tables

StringGridContent Grid(std::vector<int> widths, int rows) {
    StringGridContent g;
    g.Resize(static_cast<int>(widths.size()), rows);
    for (std::size_t j = 0; j < widths.size(); ++j) g.SetColWidth(static_cast<int>(j), widths[j]);
    return g;
}

TEST(DrawTable, RulesAndCellLabelsOfASmallGrid) {
    StringGridContent grid = Grid({40, 50, 60}, 3);
    grid.SetRowText(0, "区分,V,H");
    grid.SetRowText(1, "自重,1.00,");
    grid.SetRowText(2, "合計,2.00,3.00");
    PrintedTable table;
    DrawTable(grid, table);

    ASSERT_EQ(table.Figure.Series.size(), 3u);
    // Each rule out and back; the header row has a second rule one pixel below it.
    EXPECT_THAT(Points(table.Figure.Series[0]),
                ElementsAreArray(std::vector<XY>{{0, -19}, {150, -19}, {0, -19},
                                                 {0, -18}, {150, -18}, {0, -18},
                                                 {0, -36}, {150, -36}, {0, -36},
                                                 {0, -54}, {150, -54}, {0, -54}}));
    EXPECT_THAT(Points(table.Figure.Series[1]),
                ElementsAreArray(std::vector<XY>{{41, 0}, {41, -54}, {41, 0},
                                                 {40, 0}, {40, -54}, {40, 0},
                                                 {90, 0}, {90, -54}, {90, 0},
                                                 {150, 0}, {150, -54}, {150, 0}}));
    EXPECT_EQ(table.Figure.Left.Min, -54);
    EXPECT_EQ(table.Figure.Left.Max, 0);
    EXPECT_EQ(table.Figure.Bottom.Min, 0);
    EXPECT_EQ(table.Figure.Bottom.Max, 150);
    EXPECT_EQ(table.Width, 150 + 15 * 3);
    EXPECT_EQ(table.Height, 3 * 18 + 5 * 3);

    const ChartSeries& cells = table.Figure.Series[2];
    EXPECT_THAT(Labels(cells), ElementsAre("区分", "自重", "合計", "V", "1.00", "2.00", "H", "", "3.00"));
    EXPECT_THAT(Points(cells), ElementsAreArray(std::vector<XY>{{20, -18}, {20, -36}, {20, -54},
                                                                {65, -18}, {65, -36}, {65, -54},
                                                                {120, -18}, {120, -36}, {120, -54}}));

    // Drawing again replaces everything: a smaller grid leaves nothing of the larger.
    DrawTable(Grid({30}, 1), table);
    EXPECT_EQ(table.Figure.Series[2].Points.size(), 1u);
    EXPECT_EQ(table.Figure.Series[0].Points.size(), 6u);
}

TEST(DrawTable, HeaderOnlyGridStillGetsItsRulesAndHeaderTexts) {
    StringGridContent grid = Grid({55, 65}, 1);
    grid.SetRowText(0, ",応力度");
    PrintedTable table;
    DrawTable(grid, table);
    EXPECT_THAT(Points(table.Figure.Series[0]),
                ElementsAreArray(std::vector<XY>{{0, -19}, {120, -19}, {0, -19},
                                                 {0, -18}, {120, -18}, {0, -18}}));
    EXPECT_THAT(Points(table.Figure.Series[1]),
                ElementsAreArray(std::vector<XY>{{56, 0}, {56, -18}, {56, 0},
                                                 {55, 0}, {55, -18}, {55, 0},
                                                 {120, 0}, {120, -18}, {120, 0}}));
    EXPECT_THAT(Labels(table.Figure.Series[2]), ElementsAre("", "応力度"));
    EXPECT_EQ(table.Height, 18 + 5);
}

// ---------------------------------------------------------------------------------------
// Figures

Chart Source() {
    Chart c;
    c.Name = "Chart11";
    ChartSeries& outline = c.Get("Series31");
    outline.SeriesColour = Colour{0x0000FF};
    outline.LineWidth = 2;
    outline.Add(0, 0);
    outline.Add(2.5, 0.1, "a");
    outline.AddNull();
    outline.Add(9.0, 1.0 / 3.0, "b");
    ChartSeries& reaction = c.Get("Series47");
    reaction.MarksVisible = true;
    reaction.SeriesColour = Colour{0x00FF00};
    reaction.Add(1, 2, "79.45");
    return c;
}

TEST(CopyChart, AxesCopiedOnlyWhenTheSourceGivesThemAnEndOtherThanZero) {
    struct Case {
        const char* What;
        ChartAxis Left;
        ChartAxis Bottom;
        bool LeftCopied;
        bool BottomCopied;
    };
    const Case cases[] = {
        {"both 0 to 0: the page's own", {"", 0, 0, true, false}, {"", 0, 0, true, false}, false, false},
        {"left set, bottom automatic", {"", -1.29, 0.7, true, false}, {"", 0, 0, false, false}, true, false},
        {"one end 0 is enough", {"", 0, 60.4, true, false}, {"", -1, 0, true, false}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Chart source = Source();
        source.Left = c.Left;
        source.Bottom = c.Bottom;
        Chart figure;
        figure.Left = {"高さ(m)", -5, 5, true, false};  // the page's own
        figure.Bottom = {"幅(m)", 0, 0, false, false};
        CopyChart(source, figure);
        EXPECT_EQ(figure.Left.Title, "高さ(m)");
        EXPECT_EQ(figure.Bottom.Title, "幅(m)");
        if (c.LeftCopied) {
            EXPECT_TRUE(figure.Left.RangeSet);
            EXPECT_EQ(figure.Left.Min, c.Left.Min);
            EXPECT_EQ(figure.Left.Max, c.Left.Max);
        } else {
            EXPECT_EQ(figure.Left.Min, -5);
            EXPECT_EQ(figure.Left.Max, 5);
        }
        EXPECT_EQ(figure.Bottom.RangeSet, c.BottomCopied);
        if (c.BottomCopied) {
            EXPECT_EQ(figure.Bottom.Min, c.Bottom.Min);
        }
    }
}

TEST(CopyChart, SeriesInOrderWithColourLabelsClampedXAndSinglePrecision) {
    Chart source = Source();
    source.Bottom = {"", -1, 5.2, true, false};
    Chart figure;
    figure.Get("Series31").Add(7, 7, "an earlier wall");
    CopyChart(source, figure);

    ASSERT_EQ(figure.Series.size(), 2u);
    const ChartSeries& outline = figure.Series[0];
    EXPECT_EQ(outline.SeriesColour, Colour{0x0000FF});
    ASSERT_EQ(outline.Points.size(), 4u);
    EXPECT_THAT(Labels(outline), ElementsAre("", "a", "", "b"));
    EXPECT_TRUE(outline.Points[2].Null);
    // x beyond the source's bottom-axis maximum stands at the maximum, in single precision.
    EXPECT_EQ(outline.Points[3].X, static_cast<double>(5.2f));
    EXPECT_NE(outline.Points[3].X, 5.2);
    EXPECT_EQ(outline.Points[1].X, 2.5);
    EXPECT_EQ(outline.Points[1].Y, static_cast<double>(0.1f));
    EXPECT_EQ(outline.Points[3].Y, static_cast<double>(static_cast<float>(1.0 / 3.0)));

    // A series the figure did not have is set up like the source's.
    const ChartSeries& reaction = figure.Series[1];
    EXPECT_EQ(reaction.Name, "Series47");
    EXPECT_TRUE(reaction.MarksVisible);
    EXPECT_EQ(reaction.SeriesColour, Colour{0x00FF00});
    EXPECT_THAT(Labels(reaction), ElementsAre("79.45"));

    // An automatic bottom axis limits nothing.
    source.Bottom = {};
    CopyChart(source, figure);
    EXPECT_EQ(figure.Series[0].Points[3].X, 9.0);
}

// ---------------------------------------------------------------------------------------
// Page forms

TEST(ReportPageForms, TitlesBandsAndLabelsInDocumentOrder) {
    const auto pages = ReportPageForms();
    std::vector<std::string> forms, labels;
    std::vector<int> bands;
    for (const PrintedPage& p : pages) {
        forms.push_back(p.FormName);
        labels.push_back(p.PageLabel);
        bands.push_back(p.TitleBandWidth);
    }
    EXPECT_THAT(forms, ElementsAre("TForm15", "TForm16", "TForm11", "TForm17", "TForm6", "TForm12",
                                   "TForm10", "TForm18", "TForm13", "TForm19", "TForm14", "TForm20",
                                   "TForm21"));
    // The labels follow the contents list: the bearing-capacity page is P6, the load
    // diagram P7, the stem pages P8 and P9.
    EXPECT_THAT(labels, ElementsAre("", "1", "2", "3", "4", "5", "6", "7", "8", "9", "", "", ""));
    EXPECT_THAT(bands, ElementsAre(681, 681, 681, 681, 681, 681, 681, 681, 681, 681, 681, 643, 643));
    EXPECT_TRUE(pages[0].TitleCentred);
    EXPECT_EQ(pages[0].TitleFontHeight, 19);
    EXPECT_EQ(pages[0].Texts.at(0).FontHeight, 16);
    EXPECT_EQ(pages[1].TitleNote, "Vantorel Ver3.0");
    EXPECT_THROW(ReportPageForm(0), std::out_of_range);
    EXPECT_THROW(ReportPageForm(14), std::out_of_range);
}

TEST(ReportPageForms, PreviewMenuItemsNameTheirPages) {
    const char* items[] = {"Contents1", "N4", "N6", "N16", "N25", "N110", "N210",
                           "N26", "N18", "N28", "N19", "N29", "N31"};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(PreviewMenuPage(items[i]), i + 1) << items[i];
    EXPECT_EQ(PreviewMenuPage("N7"), std::nullopt);  // a submenu, not a page
    EXPECT_EQ(PreviewMenuPage("N17"), std::nullopt);
}

TEST(FillReportPage, SlabPagesTakeTitlesFromTheMenuAndLabelsFromTheCaptions) {
    ResultsStore store;
    SetUpResultsWindow(store);
    SlabMenu menu = SlabMenuDefaults();
    SetSlabMenu(menu, {0, 200, 0, 200, true});  // gravity wall without a toe, with a key

    // Before a run has set the captions: the slab menu's numbers.
    EXPECT_EQ(FilledReportPage(12, store, menu).PageLabel, menu.HeelPage.Number);
    EXPECT_EQ(FilledReportPage(12, store, menu).Title, "Ⅳ-2-1．構造計算：底版(かかと版)");
    EXPECT_EQ(FilledReportPage(13, store, menu).Title, "Ⅳ-2-2．構造計算：底版(突起)");

    store.GetCaption(kToePageNumber).Text = "P10";
    store.GetCaption(kHeelPageNumber).Text = "P11";
    store.GetCaption(kKeyPageNumber).Text = "P12";
    EXPECT_EQ(FilledReportPage(11, store, menu).PageLabel, "P10");
    EXPECT_EQ(FilledReportPage(12, store, menu).PageLabel, "P11");
    EXPECT_EQ(FilledReportPage(13, store, menu).PageLabel, "P12");
    EXPECT_EQ(FilledReportPage(10, store, menu).PageLabel, "9");  // the others are fixed
}

// ---------------------------------------------------------------------------------------
// Pages of real walls

class RunWall : public ::testing::Test {
protected:
    void Run(const DesignConditionsForm& form) {
        SetUpResultsWindow(store);
        RunWithReport(form.Controls(), store);
        menu = SlabMenuDefaults();
        SetSlabMenu(menu, ReadSlabMenuConditions(form.Controls()));
    }
    static DesignConditionsForm KeyedLeaningWall() {
        DesignConditionsForm form;
        form.SetIndex("PageControl2", 1);
        form.SetIndex("RadioGroup2", 1);
        form.SetText("Edit35", "1000");
        form.SetText("Edit40", "400");
        form.SetText("Edit41", "300");
        return form;
    }

    ResultsStore store;
    SlabMenu menu;
};

TEST_F(RunWall, FiguresCarryThePageTitlesOrTheSourceOnes) {
    Run(DesignConditionsForm{});
    struct Case {
        int Page;
        std::string Title, Bottom, Left;
    };
    const Case cases[] = {
        {2, "図：擁壁外形図(mm)", "幅(m)", "高さ(m)"},
        {3, "図：点番号図", "幅(m)", "高さ(m)"},
        {4, "図3：点番号図", "", ""},
        {5, "図:すべり角～土圧", "ω：すべり角（度）", "Pa：土圧合力(kN)"},
        {6, "図：地盤反力", "幅(m)", "高さ(m)"},
        {8, "図：荷重図(安定計算時)", "幅(m)", "高さ(m)"},
        {10, "図：たて壁固定部縁応力度", "固定部幅", "応力度"},
        {11, "図：つま先版地盤反力", "固定部幅", "応力度"},
        {12, "図：踵版地盤反力", "固定部幅", "応力度"},
        {13, "図", "固定部幅", "地盤反力(kN/m2)"},
    };
    for (const Case& c : cases) {
        const PrintedPage page = FilledReportPage(c.Page, store, menu);
        ASSERT_EQ(page.Figures.size(), 1u) << c.Page;
        const Chart& f = page.Figures[0].Figure;
        EXPECT_EQ(f.Title, c.Title) << c.Page;
        EXPECT_EQ(f.Bottom.Title, c.Bottom) << c.Page;
        EXPECT_EQ(f.Left.Title, c.Left) << c.Page;
        EXPECT_EQ(f.Series.size(), store.GetChart(page.Figures[0].Source).Series.size()) << c.Page;
    }
    // Point labels of a figure drawn narrower than the results window draws its chart
    // are set smaller in proportion, not below 7 points; a wider figure keeps the size.
    const PrintedPage earthPressure = FilledReportPage(5, store, menu);
    const ChartSeries& slipAngles = earthPressure.Figures[0].Figure.Series[0];
    EXPECT_EQ(store.GetChart("Chart5").Series[0].Font.Size, 9);
    EXPECT_EQ(slipAngles.Font.Size, 7);  // 305 of 400 pixels
    EXPECT_EQ(FilledReportPage(8, store, menu).Figures[0].Figure.Series[1].Font.Size, 9);

    // The outline of the wall on the load diagram, point for point.
    const PrintedPage loads = FilledReportPage(8, store, menu);
    const ChartSeries& wall = store.GetChart("Chart1").Get("Series1");
    ASSERT_EQ(loads.Figures[0].Figure.Series[0].Points.size(), wall.Points.size());
    EXPECT_FLOAT_EQ(static_cast<float>(loads.Figures[0].Figure.Series[0].Points[2].Y),
                    static_cast<float>(wall.Points[2].Y));
}

TEST_F(RunWall, EveryPageStaysInItsFrameWithoutOverlaps) {
    for (const bool leaning : {false, true}) {
        SCOPED_TRACE(leaning ? "keyed leaning wall" : "default gravity wall");
        Run(leaning ? KeyedLeaningWall() : DesignConditionsForm{});
        for (int n = 1; n <= kPrintedPageCount; ++n) {
            const PrintedPage page = FilledReportPage(n, store, menu);
            EXPECT_THAT(FindLayoutFaults(page), IsEmpty()) << "page " << n;
            for (const PrintedTextBlock& b : page.Texts) {
                EXPECT_EQ(b.Lines, store.List(b.Source).Lines);
                EXPECT_EQ(b.Condense, 1.0) << b.Source;
            }
        }
    }
}

// What the reader checks a printed calculation against: the contents list. Print-all
// must print a page for every entry, in the contents' order, each page labelled with the
// number its entry gives.
TEST_F(RunWall, PrintAllPrintsEveryContentsEntryUnderItsNumber) {
    DesignConditionsForm keyedGravity;
    keyedGravity.SetIndex("RadioGroup2", 1);
    keyedGravity.SetText("Edit35", "1000");
    keyedGravity.SetText("Edit40", "400");
    keyedGravity.SetText("Edit41", "300");
    DesignConditionsForm noHeel;
    noHeel.SetText("Edit30", "0");
    const struct {
        const char* What;
        DesignConditionsForm Form;
    } walls[] = {{"default gravity wall", DesignConditionsForm{}},
                 {"gravity wall with a key", keyedGravity},
                 {"gravity wall without a heel", noHeel},
                 {"keyed leaning wall", KeyedLeaningWall()}};
    for (const auto& w : walls) {
        SCOPED_TRACE(w.What);
        Run(w.Form);
        std::vector<std::string> contents;
        for (const std::string& line : store.List("ListBox20").Lines) {
            const std::size_t at = line.rfind("・・・・P");
            if (at != std::string::npos) contents.push_back(line.substr(at + std::string("・・・・").size()));
        }
        std::vector<std::string> printed;
        const std::vector<int> pages = PrintAllPages(ReadSlabMenuConditions(w.Form.Controls()));
        ASSERT_FALSE(pages.empty());
        EXPECT_EQ(pages.front(), 1);  // the contents page itself carries no number
        for (std::size_t i = 1; i < pages.size(); ++i) {
            const std::string label = FilledReportPage(pages[i], store, menu).PageLabel;
            // The fixed labels are bare numbers, the slab pages' captions "P10" and on.
            printed.push_back(label.starts_with("P") ? label : "P" + label);
        }
        EXPECT_EQ(printed, contents);
    }
}

TEST(FindLayoutFaults, ReportsLinesPastTheFrameOrIntoAFigureAndCondensesTooLongLines) {
    PrintedPage page = ReportPageForm(11);
    ResultsStore store;
    SetUpResultsWindow(store);
    // 120 half-width cells at 6.5 pixels from x = 112 end at 892, past the frame at 757;
    // a line of 60 cells on the figure's rows runs into it.
    store.List("ListBox9").Lines = {std::string(120, 'x')};
    for (int i = 0; i < 6; ++i) store.List("ListBox9").Add("");
    store.List("ListBox9").Add(std::string(60, 'y'));
    page.Texts[0].Condense = 1.0;
    CopyListToText(store.List("ListBox9"), page.Texts[0]);
    std::vector<std::string> found;
    for (const PageLayoutFault& f : FindLayoutFaults(page)) found.push_back(f.Block + " " + f.What);
    EXPECT_THAT(found, ElementsAre("ListBox9 runs past the right edge of the frame",
                                   "ListBox9 runs into Chart6"));

    // Filling sets such a block narrower, so that its longest line ends inside the frame.
    FillReportPage(page, store, SlabMenuDefaults());
    const PrintedTextBlock& block = page.Texts[0];
    EXPECT_LT(block.Condense, 1.0);
    EXPECT_LE(block.Left + TextBlockWidth(block) * block.Condense, kFrameRight);
    EXPECT_EQ(TextCells("ab"), 2);
    EXPECT_EQ(TextCells("σct=ｱ"), 6);
}

// ---------------------------------------------------------------------------------------
// Print-all

TEST(PrintAllPages, MemberPagesFollowTheWall) {
    struct Case {
        const char* What;
        SlabMenuConditions Wall;
        std::vector<int> Pages;
    };
    const Case cases[] = {
        {"gravity wall with toe and heel", {0, 200, 200, 200, false}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"gravity wall without a heel, with a key", {0, 200, 200, 0, true},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}},
        {"gravity wall without a base slab, with a key", {0, 0, 200, 200, true},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}},
        {"leaning wall: never the heel page", {1, 900, 835, 500, false}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
        {"leaning wall without a toe, with a key", {1, 900, 0, 0, true}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13}},
        {"negative widths count as none", {0, 200, -1, -1, false}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
    };
    for (const Case& c : cases) EXPECT_EQ(PrintAllPages(c.Wall), c.Pages) << c.What;
}

TEST(AskPrintAll, AsksOnceAndPrintsNothingOnNoOrOnABoxWithoutANumber) {
    DesignConditionsForm form;  // the default gravity wall
    {
        ScriptedDialogs dialogs({false});
        EXPECT_EQ(AskPrintAll(form.Controls(), dialogs), std::nullopt);
        EXPECT_THAT(dialogs.Texts(ScriptedDialogs::Entry::Kind::Confirm),
                    ElementsAre("プリンターの準備はいいですか。\r一括印刷します。"));
    }
    {
        ScriptedDialogs dialogs({true});
        EXPECT_EQ(AskPrintAll(form.Controls(), dialogs),
                  (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
        EXPECT_EQ(dialogs.Shown().size(), 1u);  // the closing message belongs to the printing
    }
    {
        form.SetText("Edit30", "0");  // no heel
        form.SetIndex("RadioGroup2", 1);
        ScriptedDialogs dialogs({true});
        EXPECT_EQ(AskPrintAll(form.Controls(), dialogs),
                  (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13}));
    }
    {
        form.SetText("Edit34", "2OO");
        ScriptedDialogs dialogs({true});
        EXPECT_THROW(
            {
                try {
                    AskPrintAll(form.Controls(), dialogs);
                } catch (const ConversionError& e) {
                    EXPECT_STREQ(e.what(), "'2OO' is not a valid floating point value");
                    throw;
                }
            },
            ConversionError);
        EXPECT_THAT(dialogs.Shown(), IsEmpty());
    }
}

}  // namespace
}  // namespace stelvar
