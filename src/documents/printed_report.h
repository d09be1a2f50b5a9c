#pragma once
// The printed calculation document: thirteen fixed A4 page forms (794 × 1123 pixels at
// 96 per inch) with a title band, text blocks, tables and figures at fixed positions,
// filled at print or preview time from the results store. Nothing is computed here: a
// text block takes the lines of a list box, a figure the series of a chart, a table the
// cells of a string grid. This layer gives the page as data; page_painter.h places it on
// a device's surface (the preview's and printer's QPainter, the delivery PDF's cairo).
//
// Positions are the top-left corners in pixels on the page, y growing downward, except
// inside a table figure, whose values grow upward from its top rule (y = 0).

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/control_source.h"
#include "forms/dialogs.h"
#include "forms/slab_menu.h"
#include "report/chart.h"
#include "report/results_store.h"

namespace stelvar {

// ---------------------------------------------------------------------------------------
// Page geometry common to every page

inline constexpr int kPrintedPageWidth = 794;
inline constexpr int kPrintedPageHeight = 1123;
inline constexpr int kPrintedPageCount = 13;

// The frame line around the page. The title band's top and left edges lie on it.
inline constexpr int kFrameLeft = 76;
inline constexpr int kFrameTop = 38;
inline constexpr int kFrameRight = 757;
inline constexpr int kFrameBottom = 1096;

inline constexpr int kTitleBandLeft = 76;
inline constexpr int kTitleBandTop = 38;
inline constexpr int kTitleBandHeight = 40;
inline constexpr int kTitleLeftInBand = 16;  // the title's top-left corner inside the band
inline constexpr int kTitleTopInBand = 12;

inline constexpr int kPageLabelLeft = 410;
inline constexpr int kPageLabelTop = 1072;

// The page's default font: text blocks, headings and the page label.
inline constexpr std::string_view kPageFontName = "ＭＳ 明朝";
inline constexpr int kPageFontHeight = 13;
inline constexpr int kTitleFontHeight = 16;
// Point labels of the tables (the cell texts).
inline constexpr int kTableFontHeight = 12;

// ---------------------------------------------------------------------------------------
// Page contents

// A text block: the lines of a list box, one below the other at the font height.
struct PrintedTextBlock {
    std::string Source;  // list box, e.g. "ListBox7"
    int Left = 0;
    int Top = 0;
    int FontHeight = kPageFontHeight;
    int Height = 0;  // |FontHeight|·(lines + 2) once filled
    std::vector<std::string> Lines;
    // Horizontal scale of the block's lines (1 = as set). Below 1 only when the longest
    // line would otherwise run past the page frame: the lines are then set narrower so
    // that the whole line stays on the page.
    double Condense = 1.0;
};

// A fixed text of the page (a section heading).
struct PrintedHeading {
    std::string Text;
    int Left = 0;
    int Top = 0;
    int FontHeight = kPageFontHeight;
};

// A figure: the page's own chart, with its own titles and axes, into which CopyChart
// puts the series of a results chart.
struct PrintedFigure {
    std::string Source;  // chart, e.g. "Chart2"
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    Chart Figure;
};

// A table drawn as lines and point labels on a figure whose axes are hidden
// (DrawTable). Figure.Series: [0] the horizontal rules, [1] the vertical rules, [2] the
// cell texts as point labels. Figure.Title is the table's title.
struct PrintedTable {
    std::string Source;  // string grid, e.g. "StringGrid6"
    int Left = 0;
    int Top = 0;
    int Width = 0;   // (sum of column widths) + 15·columns once drawn
    int Height = 0;  // rows·row height + 5·rows once drawn
    Chart Figure;
};

struct PrintedPage {
    int Number = 0;        // 1 … 13, the order of the document
    std::string FormName;  // "TForm15", …
    std::string Title;
    int TitleBandWidth = 681;
    int TitleFontHeight = kTitleFontHeight;
    bool TitleCentred = false;
    std::string TitleNote;  // beside the title, "Vantorel Ver3.0" on the design conditions
    int TitleNoteFontHeight = 11;
    std::string PageLabel;  // empty: no page number
    std::vector<PrintedHeading> Headings;
    std::vector<PrintedTextBlock> Texts;
    std::vector<PrintedTable> Tables;
    std::vector<PrintedFigure> Figures;
};

// ---------------------------------------------------------------------------------------
// The page forms

// The empty page form of page `number` (1 … 13) with its own title, page label, blocks
// and figure settings. Throws std::out_of_range for another number.
PrintedPage ReportPageForm(int number);

// All thirteen, in the order of the document.
std::array<PrintedPage, kPrintedPageCount> ReportPageForms();

// The page of a preview item of the main window's menu "2.計算書ﾌﾟﾚﾋﾞｭｰ" (Contents1, N4,
// N6, N16, N25, N110, N210, N26, N18, N28, N19, N29, N31 → 1 … 13); nothing for another
// name.
std::optional<int> PreviewMenuPage(std::string_view menuItem);

// ---------------------------------------------------------------------------------------
// Fill operations

// The block takes the list's lines verbatim, empty lines included, and ends
// |font height|·(lines + 2) high.
void CopyListToText(const ListBoxContent& list, PrintedTextBlock& block);

// The figure takes the source's axis ranges where the source gives an axis a minimum or
// maximum other than 0 (an axis at 0 to 0 keeps the figure's own setting) and, series by
// series in the source's order, its colour and every point with its label, its y value
// and its x value limited to at most the source's bottom-axis maximum, in single
// precision. A series the figure does not have yet is set up like the source's.
void CopyChart(const Chart& source, Chart& figure);

// The grid as rules and cell labels: horizontal rules at y = −(h + 1) (the second line
// under the header row) and at −k·h for k = 1 … rows; vertical rules at x = w0 + 1 (the
// second line beside the first column) and at every column's right edge; each drawn out
// and back. Axes [0, Σw] and [−rows·h, 0]; the cell (j, i) is the label of a point at the
// centre of column j, y = −(i + 1)·h. The figure is Σw + 15·columns wide and
// rows·h + 5·rows high.
void DrawTable(const StringGridContent& grid, PrintedTable& table);

// Fills every block of the page from the store. A figure takes the titles the page does
// not name from its source chart, the source's legend setting, and point labels scaled
// to the figure's width against the results window's (not below 7 points); a text block
// whose longest line would run past the frame is condensed to fit. The slab pages (11 to
// 13) take their titles from the slab menu's page headings and their page labels from
// the captions the design-conditions report sets (kToePageNumber, …); before any run has
// set a caption, the slab menu's page number stands.
void FillReportPage(PrintedPage& page, const ResultsStore& store, const SlabMenu& slabs);

// A fresh page form of page `number`, filled.
PrintedPage FilledReportPage(int number, const ResultsStore& store, const SlabMenu& slabs);

// ---------------------------------------------------------------------------------------
// Layout checks

// Half-width cells a report line takes: one for ASCII and half-width katakana, two for
// every other character (a character without a code page 932 form counts two).
int TextCells(std::string_view line);

// The width in pixels of a text block's longest line as set (before any condensing):
// cells × half the font height.
double TextBlockWidth(const PrintedTextBlock& block);

// Something a reader would see wrong on the page: a text line running past the frame or
// into a figure or table of the page.
struct PageLayoutFault {
    std::string Block;  // the source of the text block
    std::string What;
};
std::vector<PageLayoutFault> FindLayoutFaults(const PrintedPage& page);

// ---------------------------------------------------------------------------------------
// Print-all

inline constexpr std::string_view kPrintAllQuestion = "プリンターの準備はいいですか。\r一括印刷します。";
inline constexpr std::string_view kPrintAllClosing = "出力しています．．．\r印刷が終わるまでお待ちください。";
// Screen position of the question's top-left corner.
inline constexpr int kPrintAllQuestionLeft = 0;
inline constexpr int kPrintAllQuestionTop = 83;

// The pages print-all prints for the wall: 1 to 10 (the whole of sections Ⅰ to Ⅳ-1,
// the ultimate bearing capacity on page 7 included), then 11 when the base slab and the
// toe have a width (> 0), 12 for the gravity wall when the base slab and the heel have
// a width, 13 with a shear key. The fixed page labels follow the contents list: page 7
// is "6", pages 8 to 10 are "7" to "9".
std::vector<int> PrintAllPages(const SlabMenuConditions& wall);

// Steps 1 and 2 of print-all: reads the base-slab thickness, toe and heel widths of the
// visible wall-type page and the shear-key selection, then asks kPrintAllQuestion.
// Returns the pages to print, or nothing when the answer was not Yes. A box that holds
// no number throws ConversionError before anything is asked, so nothing is printed.
std::optional<std::vector<int>> AskPrintAll(const ControlSource& conditions, Dialogs& dialogs);

}  // namespace stelvar
