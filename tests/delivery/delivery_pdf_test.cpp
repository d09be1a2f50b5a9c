// The delivery PDF's outline, its pages and the command that writes it.

#include "delivery/delivery_pdf.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "../documents/temp_dir.h"
#include "documents/file_io.h"
#include "forms/design_conditions.h"
#include "report/report_run.h"
#include "report/results_setup.h"

namespace stelvar {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The outline as "depth page title" lines, depth as leading dots.
void Flatten(const std::vector<OutlineEntry>& entries, int depth, std::vector<std::string>& out) {
    for (const OutlineEntry& e : entries) {
        out.push_back(std::string(static_cast<std::size_t>(depth), '.') + std::to_string(e.Page) + " " + e.Text);
        Flatten(e.Children, depth + 1, out);
    }
}
std::vector<std::string> Flat(const std::vector<OutlineEntry>& entries) {
    std::vector<std::string> out;
    Flatten(entries, 0, out);
    return out;
}

// The print-all pages of a wall, filled from an empty store with the wall's slab menu.
std::vector<PrintedPage> PrintAllOf(const SlabMenuConditions& wall) {
    ResultsStore store;
    SetUpResultsWindow(store, wall.WallType);
    SlabMenu slabs = SlabMenuDefaults();
    SetSlabMenu(slabs, wall);
    std::vector<PrintedPage> pages;
    for (int n : PrintAllPages(wall)) pages.push_back(FilledReportPage(n, store, slabs));
    return pages;
}

const std::vector<std::string> kChaptersToStem = {
    "1 目　　次",
    "2 Ⅰ．設計条件",
    "3 Ⅱ-1．荷重計算(自重：安定計算用)",
    "4 Ⅱ-2．荷重計算(自重：構造計算用)",
    "5 Ⅱ-3．荷重計算(土圧等)",
    ".5 ２．土圧計算",
    ".5 ３．その他の荷重",
    ".5 ４．荷重一覧：表３",
    "6 Ⅲ-1．安定計算",
    ".7 Ⅲ-1．安定計算（極限支持力）",
    "8 Ⅲ-2．荷重図",
    "9 Ⅳ-1．構造計算：たて壁",
    ".9 Ⅳ-1-1．構造計算：たて壁(断面力)",
    "..9 表：断面力",
    ".10 Ⅳ-1-2．構造計算：たて壁(応力度)",
};

std::vector<std::string> With(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// Every chapter of the contents opens its first page, its other pages and the headings
// of a page are sections below it; the base-slab chapter has the slabs the wall has.
TEST(DeliveryOutline, ChaptersAndSectionsOpenTheirPages) {
    struct Case {
        const char* Name;
        SlabMenuConditions Wall;
        std::vector<std::string> Slabs;
    };
    const Case cases[] = {
        {"gravity wall with toe and heel", {0, 200, 200, 200, false},
         {"11 Ⅳ-2．構造計算：底版", ".11 Ⅳ-2-1．構造計算：底版(つま先版)", ".12 Ⅳ-2-2．構造計算：底版(かかと版)"}},
        {"leaning wall with toe and key", {1, 200, 300, 0, true},
         {"11 Ⅳ-2．構造計算：底版", ".11 Ⅳ-2-1．構造計算：底版(つま先版)", ".12 Ⅳ-2-2．構造計算：底版(突起)"}},
        // The key alone is numbered as the chapter itself: its page opens the chapter.
        {"key without a base slab", {0, 0, 200, 200, true}, {"11 Ⅳ-2．構造計算：底版(突起)"}},
        {"no slab", {0, 0, 0, 0, false}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Flat(ReportOutline(PrintAllOf(c.Wall))), With(kChaptersToStem, c.Slabs));
    }
}

// Pages that start further into the file open the file's pages, not the report's.
TEST(DeliveryOutline, PagesCountFromWhereTheReportStarts) {
    const std::vector<PrintedPage> pages = PrintAllOf({0, 0, 0, 0, false});
    const std::vector<std::string> outline = Flat(ReportOutline(pages, 14));
    ASSERT_EQ(outline.size(), kChaptersToStem.size());
    EXPECT_EQ(outline.front(), "14 目　　次");
    EXPECT_EQ(outline[9], ".20 Ⅲ-1．安定計算（極限支持力）");
    EXPECT_EQ(outline.back(), ".23 Ⅳ-1-2．構造計算：たて壁(応力度)");
}

class DeliveryFile : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpResultsWindow(store_, 0);
        RunWithReport(conditions_.Controls(), store_, "擁壁A");
        const PrintAllSelection s = PrintAllSelectionOf(conditions_.Controls());
        document_ = SingleDeliveryDocument(store_, s.Pages, s.Slabs, "擁壁A");
    }
    DesignConditionsForm conditions_;
    ResultsStore store_;
    DeliveryDocument document_;
};

// The default gravity wall: the twelve print-all pages as A4 sheets, the outline's
// every entry in the file, the information strings set.
TEST_F(DeliveryFile, HoldsThePrintAllPagesWithTheirOutline) {
    ASSERT_EQ(document_.Pages.size(), 12u);
    EXPECT_EQ(document_.Pages[6].Title, "Ⅲ-1．安定計算（極限支持力）");
    const std::string pdf = DeliveryPdfBytes(document_);
    ASSERT_EQ(pdf.rfind("%PDF-1.5", 0), 0u);
    const auto count = [&pdf](const char* pattern) {
        const std::regex re(pattern);
        return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), re), std::sregex_iterator());
    };
    EXPECT_EQ(count("/Type /Page\\b"), 12);
    EXPECT_EQ(count("/MediaBox \\[ 0 0 595\\.27\\d* 841\\.8\\d* \\]"), 12);
    // One outline item per entry: the 15 up to the stem and the base slab's three.
    EXPECT_EQ(count("/Dest \\[\\d+ 0 R /XYZ"), 18);
    // Embedded subsets only (FontFile3: the OpenType faces' CFF outlines).
    EXPECT_EQ(count("/Type /FontDescriptor"), count("/FontFile3"));
    EXPECT_GE(count("/FontFile3"), 2);
    for (const char* key : {"/Title", "/Author", "/Creator", "/Subject"})
        EXPECT_NE(pdf.find(key), std::string::npos) << key;
}

TEST_F(DeliveryFile, AskedFirstWrittenOnYesAndAFailureNamesTheFile) {
    testing::TempDir dir;
    const auto target = dir / "擁壁計算書.pdf";
    ScriptedDialogs no({false});
    EXPECT_FALSE(ExportDeliveryPdf(document_, no, target));
    EXPECT_EQ(no.Texts(ScriptedDialogs::Entry::Kind::Confirm), std::vector<std::string>{std::string(kDeliveryPdfQuestion)});
    EXPECT_TRUE(dir.Entries().empty());

    ScriptedDialogs yes({true});
    EXPECT_TRUE(ExportDeliveryPdf(document_, yes, target));
    EXPECT_EQ(yes.Texts(ScriptedDialogs::Entry::Kind::Info), std::vector<std::string>{std::string(kDeliveryPdfWritten)});
    EXPECT_EQ(ReadWholeFile(target).rfind("%PDF-", 0), 0u);
    EXPECT_THAT(dir.Entries(), ElementsAre("擁壁計算書.pdf"));

    const auto missing = dir / "no such folder" / "擁壁計算書.pdf";
    ScriptedDialogs again({true});
    try {
        ExportDeliveryPdf(document_, again, missing);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_THAT(e.what(), HasSubstr(missing.string()));
    }
    EXPECT_TRUE(again.Texts(ScriptedDialogs::Entry::Kind::Info).empty());
}

}  // namespace
}  // namespace stelvar
