// `stelvar-cli --case`: both design cases of a set of seismic walls in one run, against
// the single runs of each case, as JSON and as the text document.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "../documents/temp_dir.h"
#include "cli_harness.h"
#include "documents/design_file.h"
#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"

namespace stelvar {
namespace {

using namespace cli_test;

using Settings = std::vector<std::pair<std::string, std::string>>;

// A seismic wall saved as a user saves it: 地震時, then the allowable-stress window in the
// seismic case copied into the conditions.
void SaveSeismicWall(const std::filesystem::path& file, const Settings& settings) {
    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    conditions.SetIndex("RadioGroup5", 1);
    stresses.SetIndex(allowable_stress::kDesignCase, 1);
    stresses.TransferToDesignConditions(conditions);
    for (const auto& [name, value] : settings) conditions.SetValue(name, value);
    SaveDesignConditionsFile(file, conditions.Controls());
}

const Settings kKey = {{"RadioGroup2", "1"}, {"Edit35", "800"}, {"Edit40", "300"}, {"Edit41", "300"}};

// Both wall types under every seismic model, with water, a key, an embankment, the
// safety-factor method; among them walls that fail checks and one without a ground
// reaction in the seismic case.
void SaveSeismicWalls(const testing::TempDir& dir) {
    const std::vector<std::pair<const char*, Settings>> walls = {
        {"a gravity model0", {{"RadioGroup9", "0"}, {"CheckBox1", "FALSE"}}},
        {"b gravity model1", {{"Edit61", "0.2"}}},
        {"c gravity model2", {{"RadioGroup9", "2"}, {"Edit61", "0.15"}}},
        {"d leaning model0", {{"PageControl2", "1"}, {"RadioGroup9", "0"}, {"CheckBox1", "FALSE"}}},
        {"e leaning model1", {{"PageControl2", "1"}}},
        {"f leaning model2", {{"PageControl2", "1"}, {"RadioGroup9", "2"}}},
        {"g water", {{"CheckBox3", "TRUE"}, {"Edit61", "0.16"}}},
        {"h key", kKey},
        {"i embankment", {{"TabControl1", "2"}, {"ComboBox1", "1.8"}, {"Edit28", "1000"}}},
        {"j safety factor", {{"RadioGroup11", "1"}, {"PageControl2", "1"}, {"RadioGroup9", "0"}}},
    };
    for (const auto& [name, settings] : walls) SaveSeismicWall(dir / (std::string(name) + ".dat"), settings);
}

std::string Verdict(const nlohmann::json& member) { return member["Verdict"] == "可" ? "OK" : "NO"; }

// The pair's summary verdicts are the case's own: the four stability verdicts and the
// members' 可/不可, one row for each check that ran.
void ExpectSummaryOfCase(const nlohmann::json& summary, const std::string& caseName, const nlohmann::json& single) {
    std::vector<std::pair<std::string, std::string>> expected;
    for (const char* check : {"Sliding", "Overturning", "GroundReaction", "Bearing"})
        expected.emplace_back(check, single["Verdicts"][check]);
    for (const auto& [field, check] : {std::pair{"StemMid", "StemMid"}, std::pair{"StemFixed", "StemFixed"},
                                       std::pair{"ToeCheck", "Toe"}, std::pair{"HeelCheck", "Heel"},
                                       std::pair{"KeyCheck", "Key"}})
        if (!single[field].is_null()) expected.emplace_back(check, Verdict(single[field]));

    std::vector<std::pair<std::string, std::string>> got;
    int governing = 0;
    for (const auto& row : summary) {
        if (row["Case"] != caseName) continue;
        got.emplace_back(row["Check"], row["Verdict"]);
        if (!row["Ratio"].is_null()) {
            EXPECT_EQ(row["Ratio"].get<double>() <= 1.0, row["Verdict"] == "OK") << row.dump();
        }
        governing += row["Governing"].get<bool>();
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(governing, 1);
}

TEST(CliPair, BothCasesEqualTheirSingleRuns) {
    testing::TempDir dir;
    SaveSeismicWalls(dir);
    const std::string walls = Quoted(dir.Path());
    const Result pair = RunCli("--case both --json " + walls, dir);
    ASSERT_EQ(pair.Status, 0) << pair.Err;
    // The ordinary case: the click on 常時 with the ordinary allowable stresses of σck 18
    // in place of the seismic ones the walls were saved with.
    const Result ordinary =
        RunCli("--set RadioGroup5=0 --set Edit23=4.50 --set Edit24=0.22 --set Edit25=0.33 --json " + walls, dir);
    ASSERT_EQ(ordinary.Status, 0) << ordinary.Err;
    const Result seismic = RunCli("--json " + walls, dir);
    ASSERT_EQ(seismic.Status, 0) << seismic.Err;
    // --case ordinary is the pair's ordinary case.
    const Result chosen = RunCli("--case ordinary --json " + walls, dir);
    EXPECT_EQ(chosen.Out, ordinary.Out);

    const auto p = JsonLines(pair.Out), o = JsonLines(ordinary.Out), s = JsonLines(seismic.Out);
    ASSERT_EQ(p.size(), 10u);
    ASSERT_EQ(o.size(), p.size());
    ASSERT_EQ(s.size(), p.size());
    bool withoutReaction = false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        SCOPED_TRACE(p[i]["File"].get<std::string>());
        std::vector<std::string> keys;
        for (const auto& [key, value] : p[i].items()) keys.push_back(key);
        EXPECT_EQ(keys, (std::vector<std::string>{"File", "Ordinary", "Seismic", "Summary"}));
        EXPECT_EQ(p[i]["File"], s[i]["File"]);
        EXPECT_EQ(p[i]["Ordinary"], o[i]);
        EXPECT_EQ(p[i]["Seismic"], s[i]);
        EXPECT_EQ(o[i]["LoadCase"], 0);
        EXPECT_EQ(s[i]["LoadCase"], 1);
        ExpectSummaryOfCase(p[i]["Summary"], "常時", o[i]);
        ExpectSummaryOfCase(p[i]["Summary"], "地震時", s[i]);
        withoutReaction |= s[i]["ReactionCase"] == 7 || s[i]["ReactionCase"] == 3;
    }
    EXPECT_TRUE(withoutReaction) << "the set holds a wall without a ground reaction";
}

TEST(CliPair, TheTextDocumentHoldsBothSingleDocumentsUnchanged) {
    testing::TempDir dir;
    SaveSeismicWall(dir / "wall.dat", kKey);
    const std::string wall = (dir / "wall.dat").string();
    const Result pair = RunCli("--case both --txt " + (dir / "pair.txt").string() + " " + wall, dir);
    ASSERT_EQ(pair.Status, 0) << pair.Err;
    ASSERT_EQ(RunCli("--case ordinary --txt " + (dir / "o.txt").string() + " " + wall, dir).Status, 0);
    ASSERT_EQ(RunCli("--txt " + (dir / "s.txt").string() + " " + wall, dir).Status, 0);
    const std::string bytes = Contents(dir / "pair.txt");
    const std::string o = Contents(dir / "o.txt"), s = Contents(dir / "s.txt");
    ASSERT_FALSE(o.empty());
    ASSERT_NE(o, s);
    // The summary first (照査結果一覧 in Shift-JIS), then the ordinary document, then the
    // seismic one, each whole, and the seismic document ends the file.
    EXPECT_EQ(bytes.rfind("\x8f\xc6\x8d\xb8\x8c\x8b\x89\xca\x88\xea\x97\x97\r\n", 0), 0u);
    const auto first = bytes.find(o);
    ASSERT_NE(first, std::string::npos);
    const auto second = bytes.find(s, first + o.size());
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(second + s.size(), bytes.size());
    EXPECT_EQ(bytes.find("Vantorel Ver3.0"), first);

    // The PDF: the summary page, then both reports of the wall with its key (thirteen
    // pages each), the page numbers restarting with each case.
    const Result pdf = RunCli("--case both --pdf " + (dir / "pair.pdf").string() + " " + wall, dir);
    ASSERT_EQ(pdf.Status, 0) << pdf.Err;
    const std::string document = Contents(dir / "pair.pdf");
    EXPECT_NE(document.find("/Count 27\r\n"), std::string::npos);
    EXPECT_NE(document.find("(Page: 12) Tj"), document.rfind("(Page: 12) Tj"));
    EXPECT_EQ(document.find("(Page: 13) Tj"), std::string::npos);
}

TEST(CliPair, RefusalsNameTheirCase) {
    testing::TempDir dir;
    // Conditions in the ordinary case make no pair; the other inputs still run.
    SaveSeismicWall(dir / "b.dat", {});
    DesignConditionsForm ordinary;
    SaveDesignConditionsFile(dir / "a.dat", ordinary.Controls());
    const Result r = RunCli("--case both --json " + Quoted(dir.Path()), dir);
    EXPECT_EQ(r.Status, 1);
    EXPECT_NE(r.Err.find("a.dat: 地震時: error: 常時・地震時一括計算は[地震時]の設計条件から行います。"),
              std::string::npos)
        << r.Err;
    EXPECT_EQ(JsonLines(r.Out).size(), 1u);

    // A box out of range: both cases refused, each named.
    const Result range = RunCli((dir / "b.dat").string() + " --case both --set Edit14=95", dir);
    EXPECT_EQ(range.Status, 1);
    EXPECT_NE(range.Err.find("常時: error: [裏込め土 φ(度)]の値が範囲外です。"), std::string::npos) << range.Err;
    EXPECT_NE(range.Err.find("地震時: error: [裏込め土 φ(度)]の値が範囲外です。"), std::string::npos) << range.Err;
    EXPECT_TRUE(range.Out.empty());

    // A stage that cannot go on fails the input naming the first case.
    const Result failed = RunCli((dir / "b.dat").string() + " --case both --set Edit38=0", dir);
    EXPECT_EQ(failed.Status, 1);
    EXPECT_NE(failed.Err.find("b.dat: 常時: "), std::string::npos) << failed.Err;

    EXPECT_EQ(RunCli("--case both --wmf figures " + (dir / "b.dat").string(), dir).Status, 2);
    const Result unknown = RunCli("--case sometimes", dir);
    EXPECT_NE(unknown.Status, 0);
    EXPECT_NE(unknown.Err.find("--case"), std::string::npos) << unknown.Err;
}

// Allowable stresses of the user's own tell nothing of the ordinary case's: the pair and
// the ordinary case are refused rather than checked with the seismic values.
TEST(CliPair, OwnAllowableStressesRefuseTheOrdinaryCase) {
    testing::TempDir dir;
    SaveSeismicWall(dir / "own.dat", {{"Edit23", "5.00"}, {"Edit24", "0.30"}, {"Edit25", "0.40"}});
    const std::string wall = Quoted(dir / "own.dat");
    for (const char* which : {"both", "ordinary"}) {
        const Result r = RunCli(std::string("--case ") + which + " --json " + wall, dir);
        EXPECT_EQ(r.Status, 1) << which;
        EXPECT_TRUE(r.Out.empty()) << which;
        EXPECT_NE(r.Err.find("常時の許容応力度を決められません。"), std::string::npos) << which << ": " << r.Err;
    }
    // The seismic case alone runs with them as entered.
    const Result seismic = RunCli("--case seismic --json " + wall, dir);
    ASSERT_EQ(seismic.Status, 0) << seismic.Err;
    EXPECT_EQ(JsonLines(seismic.Out).at(0)["SigmaCa"], 5.0);
}

}  // namespace
}  // namespace stelvar
