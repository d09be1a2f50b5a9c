#include "documents/pair_export.h"

#include "documents/file_io.h"
#include "report/pair_report.h"
#include "text/cp932.h"

namespace stelvar {

std::string PairTextExportBytes(const std::vector<SummaryRow>& summary, const CaseDocument& ordinary,
                                const CaseDocument& seismic) {
    std::string bytes;
    // The summary holds only the system's own texts, all of which have a code page 932 form.
    const auto line = [&bytes](std::string_view utf8) {
        bytes += Utf8ToCp932(utf8);
        bytes += "\r\n";
    };
    for (const std::string& l : SummaryTextLines(summary)) line(l);
    line("");
    line("【常時】");
    bytes += TextExportBytes(ordinary.Store, ordinary.Conditions);
    line("【地震時】");
    bytes += TextExportBytes(seismic.Store, seismic.Conditions);
    return bytes;
}

void WritePairTextExport(const std::vector<SummaryRow>& summary, const CaseDocument& ordinary,
                         const CaseDocument& seismic, const std::filesystem::path& target) {
    WriteFileReplacing(target, PairTextExportBytes(summary, ordinary, seismic));
}

bool ExportPairText(const PairDocuments& pair, Dialogs& dialogs, const std::filesystem::path& target) {
    const CaseDocument ordinary{pair.Ordinary, ReadTextExportConditions(pair.Inputs.Ordinary.Conditions.Controls())};
    const CaseDocument seismic{pair.Seismic, ReadTextExportConditions(pair.Inputs.Seismic.Conditions.Controls())};
    if (!dialogs.Confirm("計算結果をテキスト出力しますか。\r\r出力ファイル名は\r　擁壁.txt\rです。")) return false;
    WritePairTextExport(pair.Summary, ordinary, seismic, target);
    dialogs.Info("テキスト出力終わりました。");
    return true;
}

PrintedPage PairSummaryPage(const std::vector<SummaryRow>& summary) {
    PrintedPage page;
    page.Number = 0;
    page.FormName = "TFormSummary";
    page.Title = std::string(kSummaryTitle);
    PrintedTextBlock block;
    block.Source = "Summary";
    block.Left = 100;
    block.Top = 100;
    ListBoxContent lines;
    // The heading is the page's title already.
    const std::vector<std::string> text = SummaryTextLines(summary);
    for (std::size_t i = 1; i < text.size(); ++i) lines.Add(text[i]);
    lines.Add("");
    lines.Add("  以下、常時、地震時の順に各ケースの計算書を示す。");
    CopyListToText(lines, block);
    // A line longer than the frame allows is set narrower, as on every page.
    const double room = kFrameRight - 10 - block.Left;
    const double width = TextBlockWidth(block);
    if (width > room) block.Condense = room / width;
    page.Texts.push_back(std::move(block));
    return page;
}

std::vector<PrintedPage> PairPrintedPages(const PairDocuments& pair, const std::vector<int>& numbers,
                                          const SlabMenu& slabs) {
    std::vector<PrintedPage> pages;
    pages.reserve(1 + 2 * numbers.size());
    pages.push_back(PairSummaryPage(pair.Summary));
    for (const ResultsStore* store : {&pair.Ordinary, &pair.Seismic})
        for (int n : numbers) pages.push_back(FilledReportPage(n, *store, slabs));
    return pages;
}

}  // namespace stelvar
