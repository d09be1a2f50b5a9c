// `stelvar-cli verify` as a user runs it: the cases as JSON Lines, the report as text and
// as PDF, and the exit status that says whether every case held.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "../documents/temp_dir.h"
#include "cli_harness.h"
#include "text/cp932.h"

namespace stelvar {
namespace {

using cli_test::Contents;

struct Result {
    int Status = 0;
    std::string Out;
};

Result Shell(const std::string& command) {
    Result r;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("popen failed");
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) r.Out.append(buf, n);
    const int raw = ::pclose(pipe);
    r.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

bool HaveTool(const char* name) { return Shell(std::string("command -v ") + name + " >/dev/null 2>&1").Status == 0; }

TEST(CliVerify, EveryCaseHoldsAndTheReportIsWritten) {
    testing::TempDir dir;
    const auto txt = dir / "report/検証報告書.txt";
    const auto pdf = dir / "report/検証報告書.pdf";
    const Result r = Shell(std::string(STELVAR_CLI_PATH) + " verify --json --txt '" + txt.string() + "' --pdf '" +
                         pdf.string() + "'");
    ASSERT_EQ(r.Status, 0) << r.Out;

    std::istringstream lines(r.Out);
    std::set<std::string> families;
    int count = 0;
    for (std::string line; std::getline(lines, line);) {
        const nlohmann::json j = nlohmann::json::parse(line);
        SCOPED_TRACE(line);
        for (const char* field : {"Family", "Case", "Inputs", "Reference", "Source", "Computed", "RelDiff",
                                  "Tolerance", "OK"})
            ASSERT_TRUE(j.contains(field)) << field;
        EXPECT_EQ(j["OK"], true);
        EXPECT_FALSE(j["Source"].get<std::string>().empty());
        EXPECT_LE(j["RelDiff"].get<double>(), j["Tolerance"].get<double>());
        families.insert(j["Family"].get<std::string>());
        ++count;
    }
    EXPECT_GE(count, 40);
    EXPECT_GE(families.size(), 5u);

    // The text is Shift-JIS with CR LF and holds the table.
    const std::string text = Cp932ToUtf8(Contents(txt));
    EXPECT_NE(text.find("Stelvar 検証報告書\r\n"), std::string::npos);
    EXPECT_NE(text.find("すべての項目が許容差内にあります。"), std::string::npos);
    for (const std::string& f : families) EXPECT_NE(text.find(f), std::string::npos) << f;

    const std::string bytes = Contents(pdf);
    ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
    if (HaveTool("qpdf")) {
        EXPECT_EQ(Shell("qpdf --check '" + pdf.string() + "' >/dev/null 2>&1").Status, 0);
    }
    if (HaveTool("pdftotext")) {
        const Result shown = Shell("pdftotext -layout '" + pdf.string() + "' -");
        ASSERT_EQ(shown.Status, 0);
        for (const char* s : {"Stelvar 検証報告書", "検証項目", "基準値", "計算値", "相対差", "許容差", "判定",
                              "Coulomb主働土圧係数", "既定擁壁の回帰", "0.2973138572"})
            EXPECT_NE(shown.Out.find(s), std::string::npos) << s;
    }
}

TEST(CliVerify, TableOnTheTerminalAndOptionsOfTheCalculationRefused) {
    testing::TempDir dir;
    const Result table = Shell("cd '" + dir.Path().string() + "' && " + STELVAR_CLI_PATH + " verify");
    EXPECT_EQ(table.Status, 0);
    for (const char* s : {"分類", "検証項目", "基準値", "出典", "計算値", "相対差", "判定", "OK"})
        EXPECT_NE(table.Out.find(s), std::string::npos) << s;
    EXPECT_TRUE(dir.Entries().empty());  // nothing written unless asked

    const Result mixed = Shell(std::string(STELVAR_CLI_PATH) + " --json verify 2>/dev/null");
    EXPECT_EQ(mixed.Status, 2);
}

}  // namespace
}  // namespace stelvar
