// The headless program as a user runs it: files in, JSON Lines out, errors on stderr.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "../documents/temp_dir.h"
#include "cli_harness.h"
#include "documents/design_file.h"
#include "forms/design_conditions.h"

namespace stelvar {
namespace {

using namespace cli_test;

void ExpectRelative(const nlohmann::json& j, const char* field, double expected) {
    SCOPED_TRACE(field);
    ASSERT_TRUE(j.contains(field));
    EXPECT_NEAR(j[field].get<double>(), expected, 1e-12 * std::abs(expected));
}

TEST(Cli, DefaultWallsAsJsonReproduceTheReferenceFigures) {
    testing::TempDir dir;
    Result gravity = RunCli("--json", dir);
    ASSERT_EQ(gravity.Status, 0) << gravity.Err;
    auto g = JsonLines(gravity.Out);
    ASSERT_EQ(g.size(), 1u);
    ExpectRelative(g[0], "WallWeight", 93.84);
    ExpectRelative(g[0], "Pa", 54.88951744323271);
    ExpectRelative(g[0], "Omega", 1.1358652381980128);
    ExpectRelative(g[0], "Q1", 79.44706649325857);
    ExpectRelative(g[0], "Fs", 1.911176853312805);
    ExpectRelative(g[0], "Qu", 217.43553476981322);
    EXPECT_EQ(g[0]["ReactionCase"], 0);
    EXPECT_EQ(g[0]["PointX"].size(), 33u);
    ExpectRelative(g[0]["StemFixed"], "SigmaC1", 0.08956634196869417);
    EXPECT_TRUE(g[0]["StemFixed"]["Wedge"].contains("Omega"));
    EXPECT_EQ(g[0]["ToeCheck"]["Verdict"], "不可");
    EXPECT_TRUE(g[0]["KeyCheck"].is_null());
    EXPECT_EQ(g[0]["Verdicts"]["Bearing"], "OK");

    Result leaning = RunCli("--json --set PageControl2=1", dir);
    ASSERT_EQ(leaning.Status, 0) << leaning.Err;
    auto l = JsonLines(leaning.Out);
    ASSERT_EQ(l.size(), 1u);
    ExpectRelative(l[0], "Pa", 54.42198404711783);
    ExpectRelative(l[0], "Q2", 95.10130011642613);
    EXPECT_EQ(l[0]["ReactionCase"], 6);
    EXPECT_TRUE(l[0]["HeelCheck"].is_null());
    EXPECT_EQ(l[0]["Verdicts"]["Bearing"], "NO");
}

// The whole-wall earth pressure is printed as it stood after the whole-wall search,
// not as the stem design's last section search left it.
TEST(Cli, JsonKeepsTheWholeWallEarthPressure) {
    testing::TempDir dir;
    auto j = JsonLines(RunCli("--json", dir).Out).at(0);
    ExpectRelative(j, "Ph", 40.93906472841951);
    ExpectRelative(j, "YPh", 1.0666666666666667);
    EXPECT_NE(j["Pa"], j["StemFixed"]["Wedge"]["Pa"]);
}

TEST(Cli, RunsEveryFileOfADirectoryInOneProcessAndReportsBadOnes) {
    testing::TempDir dir;
    std::filesystem::create_directory(dir / "walls");
    DesignConditionsForm gravity;
    SaveDesignConditionsFile(dir / "walls/a_gravity.dat", gravity.Controls());
    DesignConditionsForm leaning;
    leaning.SetIndex("PageControl2", 1);
    SaveDesignConditionsFile(dir / "walls/c_leaning.dat", leaning.Controls());
    {
        std::ofstream bad(dir / "walls/b_broken.dat", std::ios::binary);
        bad << "x\r\n";  // the soil type index is not a number
    }

    Result r = RunCli("--json " + (dir / "walls").string(), dir);
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("b_broken.dat"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("'x' is not a valid integer value"), std::string::npos) << r.Err;
    auto lines = JsonLines(r.Out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0]["File"].get<std::string>().find("a_gravity.dat"), std::string::npos);
    EXPECT_EQ(lines[0]["WallType"], 0);
    EXPECT_EQ(lines[1]["WallType"], 1);
}

TEST(Cli, ConversionErrorsAndBadArgumentsFailWithAMessage) {
    testing::TempDir dir;
    Result notNumber = RunCli("--set Edit15=abc", dir);
    EXPECT_EQ(notNumber.Status, 1);
    EXPECT_NE(notNumber.Err.find("'abc' is not a valid floating point value"), std::string::npos);

    Result unknown = RunCli("--set NoSuchControl=1", dir);
    EXPECT_EQ(unknown.Status, 1);
    EXPECT_NE(unknown.Err.find("NoSuchControl"), std::string::npos);

    Result missing = RunCli((dir / "nowhere.dat").string(), dir);
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("nowhere.dat"), std::string::npos);

    Result malformed = RunCli("--set Edit15", dir);
    EXPECT_EQ(malformed.Status, 2);
}

TEST(Cli, ValidationWarnsOrRefusesBeforeTheRun) {
    testing::TempDir dir;
    Result warning = RunCli("--json --set Edit21=25", dir);
    EXPECT_EQ(warning.Status, 0);
    EXPECT_NE(warning.Err.find("warning: 粘着力が過大です。"), std::string::npos) << warning.Err;
    EXPECT_EQ(JsonLines(warning.Out).size(), 1u);

    Result refused = RunCli("--json --set RadioGroup2=1 --set Edit40=5 --set Edit41=5", dir);
    EXPECT_EQ(refused.Status, 1);
    EXPECT_NE(refused.Err.find("error: 突起幅を再確認して下さい。"), std::string::npos);
    EXPECT_NE(refused.Err.find("error: 突起高を再確認して下さい。"), std::string::npos);
    EXPECT_TRUE(refused.Out.empty());

    // The seismic case set on the command line carries the allowable stresses with it.
    Result seismic = RunCli("--json --set RadioGroup5=1 --set Edit61=0.2", dir);
    EXPECT_EQ(seismic.Status, 0) << seismic.Err;
    EXPECT_EQ(JsonLines(seismic.Out).at(0)["LoadCase"], 1);
}

// Check boxes take the states as people type them; anything else is refused by name.
TEST(Cli, CheckBoxStatesAsUsersTypeThem) {
    testing::TempDir dir;
    // Water is taken into account only while its box is checked.
    const auto water = [&dir](const char* state) {
        Result r = RunCli(std::string("--json --set CheckBox3=") + state + " --set Edit62=0.5", dir);
        EXPECT_EQ(r.Status, 0) << state << ": " << r.Err;
        return r.Status == 0 ? JsonLines(r.Out).at(0)["WaterOn"].get<int>() : -1;
    };
    for (const char* state : {"TRUE", "true", "True", "1"}) EXPECT_EQ(water(state), 1) << state;
    for (const char* state : {"FALSE", "false", "fAlSe", "0"}) EXPECT_EQ(water(state), 0) << state;
    Result bad = RunCli("--set CheckBox9=yes", dir);
    EXPECT_EQ(bad.Status, 1);
    EXPECT_NE(bad.Err.find("'yes' is not a check state for 'CheckBox9'"), std::string::npos) << bad.Err;
}

// The input that used to keep the wedge search turning for minutes, and magnitudes that
// overflowed, are refused before the run with the box named.
TEST(Cli, AbsurdMagnitudesAreRefusedNamingTheBox) {
    testing::TempDir dir;
    Result hang = RunCli("--json --set Edit14=-1e14", dir);
    EXPECT_EQ(hang.Status, 1);
    EXPECT_TRUE(hang.Out.empty());
    EXPECT_NE(hang.Err.find("error: [裏込め土 φ(度)]の値が範囲外です。"), std::string::npos) << hang.Err;
    Result big = RunCli("--json --set LabeledEdit5=1e308 --set ComboBox9=-1e300", dir);
    EXPECT_EQ(big.Status, 1);
    EXPECT_NE(big.Err.find("[支持地盤 γ1(kN/m3)]"), std::string::npos) << big.Err;
    EXPECT_NE(big.Err.find("[H3(作用高さm)]"), std::string::npos) << big.Err;
}

TEST(Cli, WritesTheTextDocument) {
    testing::TempDir dir;
    const auto path = dir / "wall.txt";
    Result r = RunCli("--txt " + path.string(), dir);
    ASSERT_EQ(r.Status, 0) << r.Err;
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string bytes = ss.str();
    EXPECT_EQ(bytes.rfind("Vantorel Ver3.0\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\x96\xda\x8e\x9f"), std::string::npos);  // 目次 in Shift-JIS

    Result two = RunCli("--txt " + path.string() + " a.dat b.dat", dir);
    EXPECT_EQ(two.Status, 2);

    // A folder that does not exist yet is made; one that cannot be (a file stands in its
    // place) fails with the folder's name.
    const auto nested = dir / "new folder" / "sub" / "wall.txt";
    Result made = RunCli("--txt '" + nested.string() + "'", dir);
    EXPECT_EQ(made.Status, 0) << made.Err;
    EXPECT_TRUE(std::filesystem::is_regular_file(nested));
    std::ofstream(dir / "not a folder") << "x";
    Result unwritable = RunCli("--txt '" + (dir / "not a folder" / "wall.txt").string() + "'", dir);
    EXPECT_EQ(unwritable.Status, 1);
    EXPECT_NE(unwritable.Err.find("not a folder"), std::string::npos) << unwritable.Err;
}

// Under a file-size limit too small for the documents the write fails with its message
// and exit status 1, not by the signal: the good files there stay as they were and no
// temporary file is left.
TEST(Cli, AWriteBeyondTheFileSizeLimitFailsWithAMessage) {
    for (const char* args : {"--txt a.txt --pdf a.pdf", "--pdf a.pdf"}) {
        SCOPED_TRACE(args);
        testing::TempDir dir;
        std::ofstream(dir / "a.txt") << "good text";
        std::ofstream(dir / "a.pdf") << "good pdf";
        const std::string failing = std::string(args).starts_with("--txt") ? "a.txt" : "a.pdf";
        Result r = RunShell("cd '" + dir.Path().string() + "' && ulimit -f 8 && exec " +
                                STELVAR_CLI_PATH + " " + args,
                            dir);
        EXPECT_EQ(r.Status, 1) << r.Err;
        EXPECT_NE(r.Err.find("cannot write '" + failing + "': File too large"), std::string::npos)
            << r.Err;
        EXPECT_EQ(Contents(dir / "a.txt"), "good text");
        EXPECT_EQ(Contents(dir / "a.pdf"), "good pdf");
        EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"a.pdf", "a.txt", "stderr.txt"}));
    }
}

// A document path that is a symbolic link, also a dangling one or one in another
// folder, is written through: the link stays and the file it leads to holds the text.
TEST(Cli, WritesTheTextDocumentThroughASymbolicLink) {
    for (bool existing : {true, false}) {
        SCOPED_TRACE(existing ? "link to a file" : "dangling link");
        testing::TempDir dir;
        std::filesystem::create_directory(dir / "doc");
        std::filesystem::create_directory(dir / "real");
        if (existing) std::ofstream(dir / "real" / "wall.txt") << "old";
        std::filesystem::create_symlink("../real/wall.txt", dir / "doc" / "link.txt");
        Result r = RunCli("--txt " + (dir / "doc" / "link.txt").string(), dir);
        ASSERT_EQ(r.Status, 0) << r.Err;
        EXPECT_TRUE(std::filesystem::is_symlink(dir / "doc" / "link.txt"));
        EXPECT_EQ(std::filesystem::read_symlink(dir / "doc" / "link.txt"), "../real/wall.txt");
        EXPECT_EQ(Contents(dir / "real" / "wall.txt").rfind("Vantorel Ver3.0\r\n", 0), 0u);
        std::vector<std::string> doc, real;
        for (const auto& e : std::filesystem::directory_iterator(dir / "doc"))
            doc.push_back(e.path().filename().string());
        for (const auto& e : std::filesystem::directory_iterator(dir / "real"))
            real.push_back(e.path().filename().string());
        EXPECT_EQ(doc, std::vector<std::string>{"link.txt"});
        EXPECT_EQ(real, std::vector<std::string>{"wall.txt"});
    }
}

TEST(Cli, WritesThePdfDocument) {
    testing::TempDir dir;
    const auto path = dir / "wall.pdf";
    Result r = RunCli("--pdf " + path.string() + " --set PageControl2=1", dir);
    ASSERT_EQ(r.Status, 0) << r.Err;
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string bytes = ss.str();
    EXPECT_EQ(bytes.rfind("%PDF-1.2", 0), 0u);
    std::size_t pages = 0;
    for (std::size_t at = bytes.find("/Type /Page\r"); at != std::string::npos;
         at = bytes.find("/Type /Page\r", at + 1))
        ++pages;
    EXPECT_EQ(pages, 11u);  // the leaning wall has no heel-slab page
}

TEST(Cli, WritesTheFigures) {
    testing::TempDir dir;
    // The folder is made, with its parents.
    const auto folder = dir / "out" / "figures";
    Result r = RunCli("--wmf " + folder.string(), dir);
    ASSERT_EQ(r.Status, 0) << r.Err;
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names.size(), 9u);  // no key: no "図10：突起.wmf"
    EXPECT_NE(std::find(names.begin(), names.end(), "図1：擁壁外形図.wmf"), names.end());
}

// The line of a printed table that starts with `head`, or "" when there is none.
std::string LineStartingWith(const std::string& out, const std::string& head) {
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(head, 0) == 0) return line;
    return {};
}

TEST(Cli, CoefficientsPrintsTheEarthPressureAndBearingFactorTables) {
    testing::TempDir dir;
    Result r = RunCli("coefficients", dir);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_NE(r.Out.find("嵩上げ盛土比　H1/H"), std::string::npos);
    EXPECT_EQ(LineStartingWith(r.Out, "勾配"),
              "勾配   係数   0.00   0.10   0.20   0.30   0.40   0.50   0.60   0.70   0.80   0.90   1.00");
    EXPECT_EQ(LineStartingWith(r.Out, "1:1.5"),
              "1:1.5  Ka    0.244  0.290  0.328  0.361  0.388  0.411  0.431  0.448  0.463  0.475  0.486");
    EXPECT_EQ(LineStartingWith(r.Out, "1:3.0"),
              "1:3.0  Ka    0.244  0.284  0.306  0.313  0.313  0.313  0.313  0.313  0.313  0.313  0.313");
    const std::size_t nc = r.Out.find("支持力係数　Nc"), nq = r.Out.find("支持力係数　Nq"),
                      ng = r.Out.find("支持力係数　Nγ");
    ASSERT_NE(ng, std::string::npos);
    EXPECT_LT(nc, nq);
    EXPECT_LT(nq, ng);
    EXPECT_EQ(LineStartingWith(r.Out.substr(nc), "θ0.0"),
              "θ0.0   5.14  6.49   8.34  10.98  14.83  20.72  30.14  46.12  75.31  133.87");
    EXPECT_EQ(LineStartingWith(r.Out.substr(nq), "θ0.0"),
              "θ0.0   1.00  1.57   2.47   3.94   6.40  10.66  18.40  33.30  64.20  134.87");
    EXPECT_EQ(LineStartingWith(r.Out.substr(ng), "θ40.0"), "θ40.0                                                         0.48    2.21");

    // The tool's controls by name; the crack option belongs to the design conditions.
    Result invertedT = RunCli("coefficients --set PageControl2=3 --set RadioGroup2=1 --set ComboBox1=0.2", dir);
    ASSERT_EQ(invertedT.Status, 0) << invertedT.Err;
    EXPECT_NE(invertedT.Out.find("逆Ｔ型"), std::string::npos);
    EXPECT_NE(invertedT.Out.find("地震時 kh=0.2"), std::string::npos);
    Result crack = RunCli("coefficients --set ComboBox4=1 --set CheckBox7=TRUE", dir);
    ASSERT_EQ(crack.Status, 0) << crack.Err;
    EXPECT_EQ(LineStartingWith(crack.Out, "1:1.5").substr(0, 18), "1:1.5  Ka    0.243");

    Result bad = RunCli("coefficients --set ComboBox2=x", dir);
    EXPECT_EQ(bad.Status, 1);
    EXPECT_NE(bad.Err.find("'x' is not a valid floating point value"), std::string::npos) << bad.Err;
    EXPECT_TRUE(bad.Out.empty());
    EXPECT_EQ(RunCli("--json coefficients", dir).Status, 2);
    EXPECT_EQ(RunCli("coefficients --set ComboBox2", dir).Status, 2);
}

}  // namespace
}  // namespace stelvar
