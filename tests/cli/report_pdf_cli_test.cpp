// `stelvar-cli --report-pdf`: the printed report as a delivery PDF, read back with the
// tools a recipient would use (pdffonts, qpdf, pdftotext).

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "../documents/temp_dir.h"
#include "cli_harness.h"

namespace stelvar {
namespace {

using cli_test::Contents;
using cli_test::Quoted;

struct Result {
    int Status = 0;
    std::string Out;
    std::string Err;
};

Result Shell(const std::string& command, const testing::TempDir& dir) {
    const std::string errFile = (dir / "stderr.txt").string();
    Result r;
    FILE* pipe = ::popen((command + " 2>'" + errFile + "'").c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("popen failed");
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) r.Out.append(buf, n);
    const int raw = ::pclose(pipe);
    r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream err(errFile);
    r.Err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    std::filesystem::remove(errFile);
    return r;
}

// A text without its half-width and full-width spaces: pdftotext puts spaces where it
// sees gaps, and the report's alignment spaces are not drawn.
std::string WithoutSpaces(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == ' ' || s[i] == '\n' || s[i] == '\f') continue;
        if (s.compare(i, 3, "\u3000") == 0) {
            i += 2;
            continue;
        }
        out += s[i];
    }
    return out;
}

// The outline as qpdf reads it: every entry's title and the page it opens, by depth.
struct Bookmark {
    int Depth = 0;
    std::string Title;
    int Page = 0;
};
void Walk(const nlohmann::json& entries, int depth, std::vector<Bookmark>& out) {
    for (const auto& e : entries) {
        out.push_back({depth, e["title"].get<std::string>(),
                       e["destpageposfrom1"].is_null() ? 0 : e["destpageposfrom1"].get<int>()});
        Walk(e["kids"], depth + 1, out);
    }
}

class ReportPdf : public ::testing::Test {
protected:
    // Writes the report of the conditions `args` into report.pdf and checks it as a
    // recipient's tools see it: every font embedded, a sound file, A4 pages.
    void Write(const std::string& args) {
        pdf_ = dir_ / "out/擁壁計算書.pdf";
        const Result r = Shell(std::string(STELVAR_CLI_PATH) + " " + args + " --report-pdf " + Quoted(pdf_), dir_);
        ASSERT_EQ(r.Status, 0) << r.Err;

        const Result fonts = Shell("pdffonts " + Quoted(pdf_), dir_);
        ASSERT_EQ(fonts.Status, 0) << fonts.Err;
        std::istringstream lines(fonts.Out);
        int count = 0;
        for (std::string line; std::getline(lines, line);) {
            if (line.starts_with("name") || line.starts_with("---")) continue;
            ++count;
            // name, type, encoding, then emb and sub.
            std::istringstream cols(line);
            std::string name, type1, type2, type3, encoding, emb, sub;
            cols >> name >> type1 >> type2 >> type3 >> encoding >> emb >> sub;
            EXPECT_EQ(emb, "yes") << line;
            EXPECT_EQ(sub, "yes") << line;
        }
        EXPECT_GE(count, 2) << fonts.Out;

        const Result check = Shell("qpdf --check " + Quoted(pdf_), dir_);
        EXPECT_EQ(check.Status, 0) << check.Out << check.Err;

        const Result outline = Shell("qpdf --json --json-key=outlines --json-key=pages " + Quoted(pdf_), dir_);
        ASSERT_EQ(outline.Status, 0) << outline.Err;
        const nlohmann::json j = nlohmann::json::parse(outline.Out);
        bookmarks_.clear();
        Walk(j["outlines"], 0, bookmarks_);
        pages_ = static_cast<int>(j["pages"].size());

        const Result info = Shell("pdfinfo " + Quoted(pdf_), dir_);
        EXPECT_NE(info.Out.find("Page size:       595.276 x 841.89 pts (A4)"), std::string::npos) << info.Out;
        info_ = info.Out;
    }

    // The page's text as pdftotext gives it, without spaces.
    std::string PageText(int page) {
        const std::string n = std::to_string(page);
        const Result r = Shell("pdftotext -layout -f " + n + " -l " + n + " " + Quoted(pdf_) + " -", dir_);
        EXPECT_EQ(r.Status, 0) << r.Err;
        return WithoutSpaces(r.Out);
    }

    // The page a bookmark with this title and depth opens, 0 for none.
    int PageOf(const std::string& title, int depth, std::size_t from = 0) const {
        for (std::size_t i = from; i < bookmarks_.size(); ++i)
            if (bookmarks_[i].Title == title && bookmarks_[i].Depth == depth) return bookmarks_[i].Page;
        return 0;
    }

    testing::TempDir dir_;
    std::filesystem::path pdf_;
    std::vector<Bookmark> bookmarks_;
    int pages_ = 0;
    std::string info_;
};

// The chapters of the default gravity wall's contents, each with the page it starts on.
const std::vector<std::pair<std::string, int>> kGravityChapters = {
    {"目　　次", 1},
    {"Ⅰ．設計条件", 2},
    {"Ⅱ-1．荷重計算(自重：安定計算用)", 3},
    {"Ⅱ-2．荷重計算(自重：構造計算用)", 4},
    {"Ⅱ-3．荷重計算(土圧等)", 5},
    {"Ⅲ-1．安定計算", 6},
    {"Ⅲ-2．荷重図", 8},
    {"Ⅳ-1．構造計算：たて壁", 9},
    {"Ⅳ-2．構造計算：底版", 11},
};

TEST_F(ReportPdf, GravityWallIsThePrintAllPagesWithEmbeddedFontsAndBookmarks) {
    Write("");
    EXPECT_EQ(pages_, 12);
    std::vector<std::pair<std::string, int>> chapters;
    for (const Bookmark& b : bookmarks_)
        if (b.Depth == 0) chapters.emplace_back(b.Title, b.Page);
    EXPECT_EQ(chapters, kGravityChapters);
    // Sections below their chapters, each on its own page.
    EXPECT_EQ(PageOf("Ⅲ-1．安定計算（極限支持力）", 1), 7);
    EXPECT_EQ(PageOf("Ⅳ-1-2．構造計算：たて壁(応力度)", 1), 10);
    EXPECT_EQ(PageOf("Ⅳ-2-2．構造計算：底版(かかと版)", 1), 12);
    EXPECT_EQ(PageOf("２．土圧計算", 1), 5);
    EXPECT_NE(info_.find("Author:          Stelvar"), std::string::npos) << info_;
    EXPECT_NE(info_.find("Subject:         擁壁計算書"), std::string::npos) << info_;

    // The report's Japanese lines come back as text, each on the page the contents
    // names, beside the page's title and label.
    const std::vector<std::pair<int, std::vector<std::string>>> lines = {
        {1, {"目次", "重力式擁壁計算書　目次", "1.荷重計算(自重:安定計算用) ・・・・P2", "(極限支持力)・・・・P6"}},
        {2, {"Ⅰ．設計条件", "土の単位重量(γs)=20.00kN/m3", "剪断抵抗角(φ)=35.0度", "図：擁壁外形図(mm)"}},
        {5, {"土圧は試行くさび法により求める。", "Ph(水平土圧)=Pa･cos(α+δ)=40.94kN", "４．荷重一覧：表３"}},
        {6, {"滑動に対する安全率(Fs)は、次式で求める。", "Vo(擁壁底面における全鉛直荷重)=130.40kN", "5"}},
        {7, {"Ⅲ-1．安定計算（極限支持力）", "qu(偏心傾斜を考慮した地盤の極限支持力度)=217.44kN/m2", "6"}},
        {12, {"Ⅳ-2-2．構造計算：底版(かかと版)", "踵版は、たて壁との結合部を固定端"}},
    };
    for (const auto& [page, expected] : lines) {
        const std::string text = PageText(page);
        for (const std::string& line : expected)
            EXPECT_NE(text.find(WithoutSpaces(line)), std::string::npos) << "page " << page << ": " << line;
    }
}

// The leaning wall prints its own list: no heel, so eleven pages and no heel bookmark.
TEST_F(ReportPdf, LeaningWallHasItsOwnPages) {
    Write("--set PageControl2=1");
    EXPECT_EQ(pages_, 11);
    EXPECT_EQ(PageOf("Ⅳ-2．構造計算：底版", 0), 11);
    EXPECT_EQ(PageOf("Ⅳ-2-1．構造計算：底版(つま先版)", 1), 11);
    for (const Bookmark& b : bookmarks_) EXPECT_EQ(b.Title.find("かかと版"), std::string::npos) << b.Title;
    EXPECT_NE(PageText(1).find(WithoutSpaces("もたれ式擁壁計算書　目次")), std::string::npos);
}

// Both cases: the summary page, then each case's report bookmarked by its case, its
// chapters opening the case's own pages.
TEST_F(ReportPdf, PairIsBookmarkedPerCase) {
    Write("--set RadioGroup5=1 --set Edit61=0.2 --case both");
    EXPECT_EQ(pages_, 1 + 2 * 12);
    std::vector<std::pair<std::string, int>> top;
    for (const Bookmark& b : bookmarks_)
        if (b.Depth == 0) top.emplace_back(b.Title, b.Page);
    EXPECT_EQ(top, (std::vector<std::pair<std::string, int>>{{"照査結果一覧", 1}, {"【常時】", 2}, {"【地震時】", 14}}));
    std::size_t seismic = 0;
    while (seismic < bookmarks_.size() && bookmarks_[seismic].Title != "【地震時】") ++seismic;
    for (const auto& [title, page] : kGravityChapters) {
        EXPECT_EQ(PageOf(title, 1), 1 + page) << title;
        EXPECT_EQ(PageOf(title, 1, seismic), 13 + page) << title;
    }
    EXPECT_NE(PageText(1).find("照査結果一覧"), std::string::npos);
    EXPECT_NE(PageText(2).find("（常時）"), std::string::npos);
    EXPECT_NE(PageText(14).find("（地震時）"), std::string::npos);
}

// A write that fails (files of the program may grow to 8 KiB only) names the file and
// leaves the good file there as it was, with no temporary file beside it.
TEST(ReportPdfFailure, LeavesAnExistingFileUntouched) {
    testing::TempDir dir;
    std::ofstream(dir / "擁壁計算書.pdf") << "good pdf";
    const Result r = Shell("cd " + Quoted(dir.Path()) + " && ulimit -f 8 && exec " + STELVAR_CLI_PATH +
                               " --report-pdf",
                           dir);
    EXPECT_EQ(r.Status, 1) << r.Err;
    EXPECT_NE(r.Err.find("cannot write '擁壁計算書.pdf': File too large"), std::string::npos) << r.Err;
    EXPECT_EQ(Contents(dir / "擁壁計算書.pdf"), "good pdf");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"擁壁計算書.pdf"});
}

}  // namespace
}  // namespace stelvar
