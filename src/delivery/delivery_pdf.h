#pragma once
// The calculation document for electronic delivery: the printed report's pages, as the
// preview and the printer show them, written as a PDF file that shows the same on every
// machine and can be navigated. Every font is embedded as a subset, the text stays
// selectable and searchable, and the outline has one bookmark per chapter with the
// sections of its pages below it.
//
// The pages are drawn with cairo's PDF surface and pango. Cairo embeds the subsets of
// the OpenType faces, writes the outline and the document information, and pango sets
// the Japanese text with the same faces the preview uses, so that no text depends on a
// font the reader's machine may lack. The PDF 1.2 writer of the PDF export stays as it
// is: that file is specified with fonts the viewer supplies.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "documents/printed_report.h"
#include "engine/control_source.h"
#include "forms/dialogs.h"
#include "forms/slab_menu.h"
#include "report/pair_report.h"
#include "report/results_store.h"

namespace stelvar {

inline constexpr std::string_view kDeliveryPdfFileName = "擁壁計算書.pdf";
inline constexpr std::string_view kDeliveryPdfSubject = "擁壁計算書";

// One bookmark: its text, the page it opens (1 = the file's first page) and the
// bookmarks below it.
struct OutlineEntry {
    std::string Text;
    int Page = 1;
    std::vector<OutlineEntry> Children;
    bool operator==(const OutlineEntry&) const = default;
};

// The document as it goes into the file: the pages in order, the outline, and the
// project title of the document information.
struct DeliveryDocument {
    std::vector<PrintedPage> Pages;
    std::vector<OutlineEntry> Outline;
    std::string Title;
};

// The bookmarks of report pages that start at file page `firstPage`. A page whose title
// is numbered ("Ⅳ-1-2．…") belongs to the chapter of its first two levels ("Ⅳ-1"): the
// first page of a chapter opens it, and the chapter's other pages are its sections, as
// are the headings a page shows ("２．土圧計算"). A page without a numbered title (the
// contents) is a bookmark of its own.
std::vector<OutlineEntry> ReportOutline(const std::vector<PrintedPage>& pages, int firstPage = 1);

// The pages print-all prints for the conditions, and the slab menu those conditions set
// (titles and page labels of the slab pages). Throws ConversionError for a box without
// a number.
struct PrintAllSelection {
    std::vector<int> Pages;
    SlabMenu Slabs;
};
PrintAllSelection PrintAllSelectionOf(const ControlSource& conditions);

// A single run's document: the pages `numbers` filled from the store.
DeliveryDocument SingleDeliveryDocument(const ResultsStore& store, const std::vector<int>& numbers,
                                        const SlabMenu& slabs, std::string_view projectTitle);

// A pair's document: the summary page, then the pages `numbers` of each case, each case
// bookmarked "【常時】" / "【地震時】" with its own chapters below it.
DeliveryDocument PairDeliveryDocument(const PairDocuments& pair, const std::vector<int>& numbers,
                                      const SlabMenu& slabs, std::string_view projectTitle);

// The file's bytes: A4 portrait pages, fonts embedded, outline and document information
// (title, author, creator, subject). Throws std::runtime_error when the drawing fails.
std::string DeliveryPdfBytes(const DeliveryDocument& document);

// Writes the file, replacing `target` only once it is complete; FileError names the
// file when it cannot be written, and an existing file then stays as it was.
void WriteDeliveryPdf(const DeliveryDocument& document, const std::filesystem::path& target);

inline constexpr std::string_view kDeliveryPdfQuestion =
    "電子納品用PDFを出力しますか。\r\r出力ファイル名は\r　擁壁計算書.pdf\rです。";
inline constexpr std::string_view kDeliveryPdfWritten = "擁壁計算書.pdfを作成しました";

// "4.電子納品用PDF出力...": asks kDeliveryPdfQuestion, on Yes writes the file and shows
// kDeliveryPdfWritten. Returns false when the answer was No (nothing written).
bool ExportDeliveryPdf(const DeliveryDocument& document, Dialogs& dialogs, const std::filesystem::path& target);

}  // namespace stelvar
