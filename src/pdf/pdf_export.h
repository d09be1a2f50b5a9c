#pragma once
// The PDF export of the calculation document, "擁壁計算結果.pdf": the report as the results
// store holds it, laid out on A4 pages (596 × 842 points) with a fixed frame, titles and
// page numbers. Nothing is computed here; every text, table cell and chart point comes
// from the store.
//
// Positions: an element is placed by a left offset L and a top offset T from the corner
// of the page frame at (45, 817); its left edge is at x = 45 + L and its top (for a text,
// the baseline of its first line) at y = 817 - T. All text is in the Mincho font
// (font index 6), black.

#include <filesystem>
#include <string>
#include <string_view>

#include "documents/text_export.h"
#include "engine/control_source.h"
#include "forms/dialogs.h"
#include "pdf/pdf_writer.h"
#include "report/pair_report.h"
#include "report/results_store.h"

namespace stelvar {

// The file name the command writes in the current folder.
inline constexpr std::string_view kPdfExportFileName = "擁壁計算結果.pdf";

// The document information entries besides the title (which is the project title).
inline constexpr std::string_view kPdfSubject = "擁壁計算結果.pdf";
inline constexpr std::string_view kPdfCreator = "Vantorel Ver3.0";
inline constexpr std::string_view kPdfAuthor = "Stelvar";

// Which slab pages the document carries is decided exactly as for the text export: the
// visible wall-type page, that page's slab thickness, toe and heel widths, and the
// shear-key selection (ReadTextExportConditions).
using PdfExportConditions = TextExportConditions;

// ---------------------------------------------------------------------------------------
// Page-drawing operations on the current content stream. L, T in points as above.

// Items of the list at x = 45 + L, the i-th (from 0) with its baseline at
// 817 - T - i × (S + 2); font size S.
void PdfTextBlock(TPDFContents& canvas, const ListBoxContent& list, double L, double T, double S);

// Three lists one after the other as one text block: each next list starts two lines
// below the last line of the one before. An empty list takes no room.
void PdfStackedTextBlocks(TPDFContents& canvas, const ListBoxContent& first,
                          const ListBoxContent& second, const ListBoxContent& third, double L,
                          double T, double S);

// The grid with its own geometry (one unit = one point; at most 20 columns): ruled
// lines, heavier under the first row and after the first column, the caption 3 points
// above the top line (an empty caption for none), and each cell's text centred in its
// column with its baseline 3 points above the row's lower line.
void PdfTable(TPDFContents& canvas, const StringGridContent& grid, std::string_view caption,
              double L, double T, double S);

// The chart in a plot of width × height points whose top is at 817 - T: the first line
// of the title above it, the bottom axis title centred under it, the left axis title to
// its right at mid-height, the frame, and every series as a thin line in its colour,
// clipped to the frame, with the points' labels 2 points above them. A null point breaks
// the line. Axis scales, grid lines and legends are not drawn.
void PdfChart(TPDFContents& canvas, const Chart& chart, double L, double T, double width,
              double height);

// ---------------------------------------------------------------------------------------
// The export

// The whole file. `projectTitle` is the document title; `creationDate` ("yyyymmddhhnnss")
// fixes the creation date, the local time when empty. Throws PdfError when the writer
// fails (a value that cannot be written, such as an infinite coordinate).
std::string PdfExportBytes(const ResultsStore& store, const PdfExportConditions& conditions,
                           std::string_view projectTitle, std::string_view creationDate = {});

// Builds the file in memory and writes it, replacing `target` only once it is complete.
// Throws ConversionError (before anything is written) for a slab thickness or width that
// is not a number, PdfError as above, and FileError naming the file and the reason when
// it cannot be written; an existing target is then left as it was. What the headless
// program calls after a run (no question, no closing message).
void WritePdfExport(const ResultsStore& store, const ControlSource& conditions,
                    std::string_view projectTitle, const std::filesystem::path& target);

// What the command did.
enum class PdfExportOutcome {
    Declined,     // the first question was answered No; nothing was written
    Written,      // the file was written; the user did not ask to see it
    ShowRequested  // the file was written and the user asked to open it in a viewer
};

// The command "3.PDF出力...": asks "計算結果をPDF出力しますか。" (with the file name), on
// Yes writes `target`, shows "擁壁計算結果.pdfを作成しました" and asks whether to show the
// file. Opening the viewer is the caller's business (ShowRequested). Errors propagate as
// for WritePdfExport, and then no message is shown.
PdfExportOutcome ExportPdf(const ResultsStore& store, const ControlSource& conditions,
                           std::string_view projectTitle, Dialogs& dialogs,
                           const std::filesystem::path& target = std::filesystem::path(
                               std::u8string_view(u8"擁壁計算結果.pdf")));

// ---------------------------------------------------------------------------------------
// Both design cases in one file

// The PDF of a pair run: the page "照査結果一覧" (the summary table with its note, in the
// page frame, without a page number), then the ordinary report and the seismic report,
// each page for page as its single export draws it. Each report keeps its own numbers:
// its contents page has none and its pages count from "Page: 1", so the numbers restart
// with each case, as the contents page of each report lists them.
std::string PairPdfExportBytes(const std::vector<SummaryRow>& summary, const ResultsStore& ordinary,
                               const PdfExportConditions& ordinaryConditions, const ResultsStore& seismic,
                               const PdfExportConditions& seismicConditions, std::string_view projectTitle,
                               std::string_view creationDate = {});

// Writes the pair's PDF, replacing `target` only once it is complete; errors as for
// WritePdfExport.
void WritePairPdfExport(const PairDocuments& pair, std::string_view projectTitle,
                        const std::filesystem::path& target);

// "3.PDF出力..." after a pair run: the single export's questions and messages, writing
// the pair's file.
PdfExportOutcome ExportPairPdf(const PairDocuments& pair, std::string_view projectTitle, Dialogs& dialogs,
                               const std::filesystem::path& target = std::filesystem::path(
                                   std::u8string_view(u8"擁壁計算結果.pdf")));

}  // namespace stelvar
