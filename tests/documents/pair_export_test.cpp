// The documents of a pair run: the text file's blocks and the printed pages.

#include "documents/pair_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/design_conditions.h"
#include "forms/slab_menu.h"
#include "report/results_setup.h"
#include "text/cp932.h"

namespace stelvar {
namespace {

PairDocuments LeaningPair() {
    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    conditions.SetIndex("PageControl2", 1);
    conditions.SetIndex("RadioGroup5", 1);
    conditions.SetIndex("RadioGroup9", 0);
    PairDocuments pair{PairInputsOf(conditions, stresses), {}, {}, {}};
    SetUpResultsWindow(pair.Ordinary, 0);
    SetUpResultsWindow(pair.Seismic, 0);
    pair.Summary = RunPairWithReport(pair.Inputs, pair.Ordinary, pair.Seismic, "壁").Summary;
    return pair;
}

TEST(PairExport, TextFileIsTheSummaryThenBothDocumentsEachWhole) {
    const PairDocuments pair = LeaningPair();
    const CaseDocument o{pair.Ordinary, ReadTextExportConditions(pair.Inputs.Ordinary.Conditions.Controls())};
    const CaseDocument s{pair.Seismic, ReadTextExportConditions(pair.Inputs.Seismic.Conditions.Controls())};
    const std::string bytes = PairTextExportBytes(pair.Summary, o, s);
    const std::string ordinary = TextExportBytes(o.Store, o.Conditions);
    const std::string seismic = TextExportBytes(s.Store, s.Conditions);
    std::string head;
    for (const std::string& line : SummaryTextLines(pair.Summary)) head += Utf8ToCp932(line) + "\r\n";
    head += "\r\n" + Utf8ToCp932("【常時】") + "\r\n";
    EXPECT_EQ(bytes, head + ordinary + Utf8ToCp932("【地震時】") + "\r\n" + seismic);
}

TEST(PairExport, PrintedPagesAreTheSummaryThenEachCasesPages) {
    const PairDocuments pair = LeaningPair();
    SlabMenu slabs = SlabMenuDefaults();
    const SlabMenuConditions wall = ReadSlabMenuConditions(pair.Inputs.Seismic.Conditions.Controls());
    SetSlabMenu(slabs, wall);
    const std::vector<int> numbers = PrintAllPages(wall);
    const auto pages = PairPrintedPages(pair, numbers, slabs);
    ASSERT_EQ(pages.size(), 1 + 2 * numbers.size());

    const PrintedPage& summary = pages.front();
    EXPECT_EQ(summary.Title, "照査結果一覧");
    EXPECT_TRUE(summary.PageLabel.empty());
    ASSERT_EQ(summary.Texts.size(), 1u);
    EXPECT_TRUE(FindLayoutFaults(summary).empty());
    for (const SummaryRow& r : pair.Summary) {
        const std::string title(SummaryCheckTitle(r.Check));
        bool found = false;
        for (const std::string& line : summary.Texts[0].Lines) found |= line.find(title) != std::string::npos;
        EXPECT_TRUE(found) << title;
    }

    // Each case's pages as its single print-all fills them; the labels restart.
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const PrintedPage o = FilledReportPage(numbers[i], pair.Ordinary, slabs);
        const PrintedPage s = FilledReportPage(numbers[i], pair.Seismic, slabs);
        EXPECT_EQ(pages[1 + i].Title, o.Title);
        EXPECT_EQ(pages[1 + i].PageLabel, o.PageLabel);
        EXPECT_EQ(pages[1 + numbers.size() + i].PageLabel, s.PageLabel);
        ASSERT_EQ(pages[1 + i].Texts.size(), o.Texts.size());
        for (std::size_t t = 0; t < o.Texts.size(); ++t) {
            EXPECT_EQ(pages[1 + i].Texts[t].Lines, o.Texts[t].Lines);
            EXPECT_EQ(pages[1 + numbers.size() + i].Texts[t].Lines, s.Texts[t].Lines);
        }
    }
    EXPECT_NE(pages[1 + 5].Texts[0].Lines, pages[1 + numbers.size() + 5].Texts[0].Lines);
}

}  // namespace
}  // namespace stelvar
