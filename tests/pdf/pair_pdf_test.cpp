// The PDF of both design cases: the summary page, then each case's report exactly as its
// single export draws it, with the page numbers of each report.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "forms/design_conditions.h"
#include "pdf/pdf_export.h"
#include "report/pair_report.h"
#include "report/results_setup.h"
#include "text/cp932.h"

namespace stelvar {
namespace {

// The content streams of a file, in the order of the file (found by hand: a regular
// expression over a whole stream recurses once per byte).
std::vector<std::string> Streams(const std::string& pdf) {
    std::vector<std::string> out;
    const std::string open = "stream\r\n", close = "endstream";
    for (std::size_t at = pdf.find(open); at != std::string::npos; at = pdf.find(open, at)) {
        const std::size_t begin = at + open.size();
        const std::size_t end = pdf.find(close, begin);
        if (end == std::string::npos) break;
        out.push_back(pdf.substr(begin, end - begin));
        at = end + close.size();
    }
    return out;
}

std::vector<int> PageNumbers(const std::string& pdf) {
    std::vector<int> numbers;
    const std::regex number("\\(Page: ([0-9]+)\\) Tj");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), number); it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stoi((*it)[1]));
    return numbers;
}

TEST(PairPdf, SummaryPageThenBothReportsUnchanged) {
    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    conditions.SetIndex("RadioGroup5", 1);
    conditions.SetIndex("RadioGroup2", 1);  // the key adds a page to each report
    conditions.SetText("Edit35", "800");
    conditions.SetText("Edit40", "300");
    conditions.SetText("Edit41", "300");
    const PairInputs inputs = PairInputsOf(conditions, stresses);
    ResultsStore ordinary, seismic;
    SetUpResultsWindow(ordinary, 0);
    SetUpResultsWindow(seismic, 0);
    const PairOutcome out = RunPairWithReport(inputs, ordinary, seismic, "壁");
    const auto oc = ReadTextExportConditions(inputs.Ordinary.Conditions.Controls());
    const auto sc = ReadTextExportConditions(inputs.Seismic.Conditions.Controls());
    const char* date = "20261210120000";

    const std::string pair = PairPdfExportBytes(out.Summary, ordinary, oc, seismic, sc, "壁", date);
    const std::string single0 = PdfExportBytes(ordinary, oc, "壁", date);
    const std::string single1 = PdfExportBytes(seismic, sc, "壁", date);
    const auto p = Streams(pair), o = Streams(single0), s = Streams(single1);
    ASSERT_EQ(o.size(), 13u);
    ASSERT_EQ(p.size(), 1 + o.size() + s.size());
    EXPECT_EQ(std::vector<std::string>(p.begin() + 1, p.begin() + 1 + static_cast<long>(o.size())), o);
    EXPECT_EQ(std::vector<std::string>(p.begin() + 1 + static_cast<long>(o.size()), p.end()), s);
    EXPECT_NE(pair.find("/Count 27\r\n"), std::string::npos);

    // The summary page: its title and one verdict per row, no page number.
    const std::string& summary = p.front();
    EXPECT_NE(summary.find(PdfTextString(Utf8ToCp932("照査結果一覧")) + " Tj"), std::string::npos);
    EXPECT_EQ(summary.find("Page:"), std::string::npos);
    std::size_t verdicts = 0;
    for (const char* v : {"(OK) Tj", "(NO) Tj"})
        for (auto at = summary.find(v); at != std::string::npos; at = summary.find(v, at + 1)) ++verdicts;
    EXPECT_EQ(verdicts, out.Summary.size());

    // Each report numbers its own pages.
    std::vector<int> expected;
    for (int c = 0; c < 2; ++c)
        for (int n = 1; n <= 12; ++n) expected.push_back(n);
    EXPECT_EQ(PageNumbers(pair), expected);
}

}  // namespace
}  // namespace stelvar
