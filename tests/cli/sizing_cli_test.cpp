// `stelvar-cli size`: every candidate of a scan rerun with `--set` of its controls gives
// the same summary and verdicts; the JSON's shape, the table, and the refusals.

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

// The default walls saved as files: the gravity wall in the seismic case (its pair fails
// the bearing capacity and the toe slab) and the leaning wall in the ordinary case (it
// fails the bearing capacity).
std::filesystem::path SaveWall(const testing::TempDir& dir, const std::string& name, bool leaning, bool seismic) {
    DesignConditionsForm conditions;
    AllowableStressForm stresses;
    if (leaning) conditions.SetIndex("PageControl2", 1);
    if (seismic) {
        conditions.SetIndex("RadioGroup5", 1);
        stresses.SetIndex(allowable_stress::kDesignCase, 1);
        stresses.TransferToDesignConditions(conditions);
    }
    const std::filesystem::path file = dir / name;
    SaveDesignConditionsFile(file, conditions.Controls());
    return file;
}

std::string SetsOf(const nlohmann::json& apply) {
    std::string out;
    for (const auto& [name, text] : apply.items())
        out.append(" --set ").append(name).append("=").append(text.get<std::string>());
    return out;
}

// Whether a single run passes every check, from its own JSON: the four verdicts, every
// member that ran "可", and a ground reaction (cases 3 and 7 have none).
bool SinglePasses(const nlohmann::json& run) {
    for (const char* check : {"Sliding", "Overturning", "GroundReaction", "Bearing"})
        if (run["Verdicts"][check] != "OK") return false;
    for (const char* member : {"StemMid", "StemFixed", "ToeCheck", "HeelCheck", "KeyCheck"})
        if (!run[member].is_null() && run[member]["Verdict"] != "可") return false;
    const int reaction = run["ReactionCase"].get<int>();
    return reaction != 3 && reaction != 7;
}

nlohmann::json Scan(const std::string& args, const testing::TempDir& dir) {
    const Result r = RunCli("size " + args + " --json", dir);
    EXPECT_EQ(r.Status, 0) << r.Err;
    return nlohmann::json::parse(r.Out);
}

TEST(CliSize, EachCandidateOfASeismicPairIsReproducedByItsSetControls) {
    testing::TempDir dir;
    const auto file = SaveWall(dir, "gravity.dat", false, true);
    const nlohmann::ordered_json scan =
        nlohmann::ordered_json::parse(RunCli("size " + Quoted(file) + " --vary Edit37 --json", dir).Out);
    std::vector<std::string> keys;
    for (const auto& [key, value] : scan.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"File", "Vary", "From", "To", "Step", "Smallest", "Candidates",
                                               "Guidance"}));
    EXPECT_EQ(scan["File"], file.string());
    EXPECT_EQ(scan["Vary"], "Edit37");
    EXPECT_EQ(scan["From"], 400.0);
    EXPECT_EQ(scan["To"], 3400.0);
    EXPECT_EQ(scan["Step"], 50.0);
    const auto& candidates = scan["Candidates"];
    ASSERT_EQ(candidates.size(), 61u);
    ASSERT_FALSE(scan["Smallest"].is_null());

    bool passedBefore = false;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const auto& c = candidates[i];
        SCOPED_TRACE(c["Value"].dump());
        std::vector<std::string> ckeys;
        for (const auto& [key, value] : c.items()) ckeys.push_back(key);
        ASSERT_EQ(ckeys, (std::vector<std::string>{"Value", "Apply", "AllOK", "Governing", "Summary", "Reason"}));
        EXPECT_EQ(c["Apply"]["Edit31"].get<std::string>(),
                  std::to_string(2400 + 50 * static_cast<int>(i)));  // 2400 + (value − 400)
        const Result pair = RunCli(Quoted(file) + SetsOf(c["Apply"]) + " --case both --json", dir);
        ASSERT_EQ(pair.Status, 0) << pair.Err;
        const nlohmann::ordered_json single = nlohmann::ordered_json::parse(pair.Out);
        EXPECT_EQ(c["Summary"], single["Summary"]);
        const bool passes = SinglePasses(single["Ordinary"]) && SinglePasses(single["Seismic"]);
        EXPECT_EQ(c["AllOK"].get<bool>(), passes);
        // The smallest is the first that passes.
        if (passes && !passedBefore) {
            EXPECT_EQ(scan["Smallest"], c["Value"]);
        }
        passedBefore |= passes;
        // The governing check is one of the rows, with its ratio.
        bool found = false;
        for (const auto& row : c["Summary"])
            found |= row["Case"] == c["Governing"]["Case"] && row["Check"] == c["Governing"]["Check"] &&
                     row["Ratio"] == c["Governing"]["Ratio"];
        EXPECT_TRUE(found) << c["Governing"].dump();
    }
}

TEST(CliSize, EachCandidateOfAnOrdinaryRunAgreesWithItsSingleRun) {
    testing::TempDir dir;
    const auto file = SaveWall(dir, "leaning.dat", true, false);
    const nlohmann::json scan = Scan(Quoted(file) + " --vary つま先版幅 --from 835 --to 1335 --step 50", dir);
    EXPECT_EQ(scan["Vary"], "Edit58");
    const auto& candidates = scan["Candidates"];
    ASSERT_EQ(candidates.size(), 11u);
    for (const auto& c : candidates) {
        SCOPED_TRACE(c["Value"].dump());
        const Result run = RunCli(Quoted(file) + SetsOf(c["Apply"]) + " --json", dir);
        ASSERT_EQ(run.Status, 0) << run.Err;
        const nlohmann::json single = nlohmann::json::parse(run.Out);
        EXPECT_EQ(c["AllOK"].get<bool>(), SinglePasses(single));
        // Only the ordinary case's rows, whose figures are the run's own.
        for (const auto& row : c["Summary"]) EXPECT_EQ(row["Case"], "常時");
        EXPECT_EQ(c["Summary"][0]["Check"], "Sliding");
        EXPECT_EQ(c["Summary"][0]["Value"], single["Fs"]);
        EXPECT_EQ(c["Summary"][0]["Verdict"], single["Verdicts"]["Sliding"]);
        EXPECT_EQ(c["Summary"][3]["Verdict"], single["Verdicts"]["Bearing"]);
    }
    // The guidance of the leaning page: its crest and toe widths.
    ASSERT_EQ(scan["Guidance"].size(), 2u);
    EXPECT_EQ(scan["Guidance"][1]["Vary"], "Edit58");
    EXPECT_EQ(scan["Guidance"][1]["Passing"], scan["Smallest"]);
}

TEST(CliSize, TheTableShowsTheCandidatesTheSmallestAndTheGuidance) {
    testing::TempDir dir;
    const auto file = SaveWall(dir, "leaning.dat", true, false);
    const Result r = RunCli("size " + Quoted(file) + " --vary Edit52 --to 900", dir);
    ASSERT_EQ(r.Status, 0) << r.Err;
    const nlohmann::json scan = Scan(Quoted(file) + " --vary Edit52 --to 900", dir);
    const std::string smallest = std::to_string(static_cast<int>(scan["Smallest"].get<double>()));
    EXPECT_NE(r.Out.find("天端幅 (Edit52)  450 〜 900 mm  50 mm 刻み  常時"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find(" " + smallest + " OK"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("← 最小"), std::string::npos);
    EXPECT_NE(r.Out.find("全照査OKの最小寸法: " + smallest + " mm"), std::string::npos);
    for (const auto& item : scan["Guidance"])
        EXPECT_NE(r.Out.find(item["Text"].get<std::string>()), std::string::npos) << item.dump();
}

TEST(CliSize, RefusalsAreNamedAndDoNotStopTheScan) {
    testing::TempDir dir;
    // Values below zero are refused by the range check, with their reason.
    const nlohmann::json scan = Scan("--vary Edit34 --from -50 --to 50 --step 50", dir);
    ASSERT_EQ(scan["Candidates"].size(), 3u);
    EXPECT_FALSE(scan["Candidates"][0]["AllOK"].get<bool>());
    EXPECT_NE(scan["Candidates"][0]["Reason"].get<std::string>().find("つま先版幅"), std::string::npos);
    EXPECT_TRUE(scan["Candidates"][0]["Summary"].empty());
    EXPECT_TRUE(scan["Candidates"][1]["Reason"].is_null());

    struct {
        const char* Args;
        int Status;
        const char* Message;
    } const cases[] = {
        {"size --vary Edit52", 1, "もたれ式の寸法"},
        {"size --vary Edit31", 1, "5つの幅の合計"},
        {"size --vary Edit15", 1, "擁壁形状の寸法ではありません"},
        {"size --vary Edit37 --step 0", 1, "刻みは0より大きく"},
        {"size --vary Edit37 --from 500 --to 400", 1, "範囲の終わり"},
        {"size --vary Edit37 --step 0.001", 1, "候補が多すぎます"},
        {"size --vary Edit37 --set Edit37=abc", 1, "[天端幅]の値が数値ではありません"},
        {"size --vary Edit37 --set Edit37", 2, "--set expects Name=value"},
        {"size", 2, "--vary"},
        {"--json size --vary Edit37", 2, "size takes only its own"},
    };
    for (const auto& c : cases) {
        const Result r = RunCli(c.Args, dir);
        EXPECT_EQ(r.Status, c.Status) << c.Args;
        EXPECT_NE(r.Err.find(c.Message), std::string::npos) << c.Args << ": " << r.Err;
        if (c.Status == 1) {
            EXPECT_TRUE(r.Out.empty()) << r.Out;
        }
    }
    // One input that cannot be scanned does not stop the others.
    const auto good = SaveWall(dir, "good.dat", false, false);
    const Result mixed =
        RunCli("size " + Quoted(dir / "missing.dat") + " " + Quoted(good) + " --vary Edit37 --to 500 --json", dir);
    EXPECT_EQ(mixed.Status, 1);
    EXPECT_NE(mixed.Err.find("missing.dat"), std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(mixed.Out)["File"], good.string());
}

}  // namespace
}  // namespace stelvar
