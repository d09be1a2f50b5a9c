#pragma once
// The text export of both design cases: one "擁壁.txt" with the summary first, then the
// ordinary document, then the seismic document, each exactly as its single run writes it.

#include <filesystem>
#include <string>
#include <vector>

#include "documents/printed_report.h"
#include "documents/text_export.h"
#include "forms/dialogs.h"
#include "report/pair_report.h"
#include "run/case_summary.h"

namespace stelvar {

// One case's document as the text export needs it.
struct CaseDocument {
    const ResultsStore& Store;
    TextExportConditions Conditions;
};

// The file's bytes: the summary lines, an empty line, then per case a line "【常時】" /
// "【地震時】" followed by that case's TextExportBytes unchanged. Code page 932, CR LF.
std::string PairTextExportBytes(const std::vector<SummaryRow>& summary, const CaseDocument& ordinary,
                                const CaseDocument& seismic);

// Writes the file, replacing `target` only once it is complete (FileError otherwise).
void WritePairTextExport(const std::vector<SummaryRow>& summary, const CaseDocument& ordinary,
                         const CaseDocument& seismic, const std::filesystem::path& target);

// "1.テキスト出力..." after a pair run: reads both cases' conditions (a ConversionError
// stops it before anything is asked), asks the single document's question and on Yes
// writes the pair's file and shows the single document's closing message. Returns false
// when the answer was No (nothing written).
bool ExportPairText(const PairDocuments& pair, Dialogs& dialogs, const std::filesystem::path& target);

// The printed summary page "照査結果一覧": the title band, the summary lines as one text
// block in the page font (fixed pitch, so the columns stay aligned), no page label.
PrintedPage PairSummaryPage(const std::vector<SummaryRow>& summary);

// The printed report of a pair: the summary page, then the print-all pages `numbers` of
// the ordinary case, then the same pages of the seismic case, each filled from its own
// store. Each report keeps its own page labels, so the numbers restart with each case.
std::vector<PrintedPage> PairPrintedPages(const PairDocuments& pair, const std::vector<int>& numbers,
                                          const SlabMenu& slabs);

}  // namespace stelvar
