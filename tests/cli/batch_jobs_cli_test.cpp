// A batch run on several cores prints exactly what it prints on one: the same standard
// output and error, byte for byte and in input order, and the same exit status, over a
// few hundred varied walls among which some are refused, some fail to load and some do
// not run.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "../documents/temp_dir.h"
#include "cli_harness.h"
#include "documents/design_file.h"
#include "forms/design_conditions.h"

namespace stelvar {
namespace {

using namespace cli_test;

std::string Number(std::mt19937& rng, double lo, double hi) {
    return std::to_string(std::uniform_real_distribution<double>(lo, hi)(rng));
}

// Walls of both types drawn around the default walls, with loads, water, a key and the
// seismic case switched on at random; one in ten with a box out of its range.
void WriteRandomWalls(const std::filesystem::path& folder, int count) {
    std::mt19937 rng(1414);
    for (int i = 0; i < count; ++i) {
        DesignConditionsForm form;
        auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; };
        const bool leaning = chance(0.4);
        form.SetIndex("PageControl2", leaning ? 1 : 0);
        form.SetText("Edit15", Number(rng, 15, 21));
        form.SetText("Edit14", Number(rng, 20, 40));
        form.SetText("Edit16", Number(rng, 100, 800));
        form.SetText("Edit17", Number(rng, 0.3, 0.7));
        if (leaning) {
            form.SetText("Edit52", Number(rng, 300, 900));
            form.SetText("Edit55", Number(rng, 2000, 7000));
            form.SetText("Edit58", Number(rng, 300, 1200));
        } else {
            const int crest = std::uniform_int_distribution<int>(200, 900)(rng);
            form.SetText("Edit37", std::to_string(crest));
            form.SetText("Edit31", std::to_string(2000 + crest));
            form.SetText("Edit38", Number(rng, 1500, 5000));
        }
        if (chance(0.4)) {
            form.SetIndex("RadioGroup5", 1);
            form.SetText("Edit61", Number(rng, 0.05, 0.3));
            form.SetIndex("RadioGroup9", std::uniform_int_distribution<int>(0, 2)(rng));
        }
        if (chance(0.3)) {
            form.SetChecked("CheckBox3", true);
            form.SetText("Edit62", Number(rng, 0.2, 2));
            form.SetText("ComboBox8", "9.8");
        }
        if (chance(0.25)) {
            form.SetIndex("RadioGroup2", 1);
            form.SetText("Edit35", Number(rng, 200, 1200));
            form.SetText("Edit40", Number(rng, 100, 600));
            form.SetText("Edit41", Number(rng, 100, 600));
        }
        if (chance(0.1)) form.SetText("Edit16", "1e9");
        char name[32];
        std::snprintf(name, sizeof name, "w%04d.dat", i);
        SaveDesignConditionsFile(folder / name, form.Controls());
    }
    // Files that cannot be loaded: an index that is no number, bytes that are not
    // Shift-JIS, nothing at all.
    std::ofstream(folder / "w0007.dat", std::ios::binary) << "abc\r\n";
    std::ofstream(folder / "w0100.dat", std::ios::binary) << "0\r\n\x81\r\n";
    std::ofstream(folder / "w0201.dat", std::ios::binary) << "";
}

TEST(CliBatchJobs, ParallelBatchPrintsWhatOneJobPrints) {
    testing::TempDir dir;
    const std::filesystem::path walls = dir / "walls";
    std::filesystem::create_directory(walls);
    constexpr int kWalls = 300;
    WriteRandomWalls(walls, kWalls);

    for (const std::string options : {"--json", "", "--case both --json"}) {
        SCOPED_TRACE(options);
        const Result one = RunCli(walls.string() + " " + options + " -j 1", dir);
        for (const char* jobs : {"-j 2", "-j 5", ""}) {
            SCOPED_TRACE(jobs);
            const Result many = RunCli(walls.string() + " " + options + " " + jobs, dir);
            EXPECT_EQ(many.Status, one.Status);
            EXPECT_TRUE(many.Out == one.Out) << "standard output differs";
            EXPECT_TRUE(many.Err == one.Err) << "standard error differs";
        }
        // Not a trivial agreement: some inputs ran, some were refused or failed (status
        // 1), and the messages name the broken files.
        EXPECT_EQ(one.Status, 1);
        EXPECT_NE(one.Err.find("w0007.dat: 'abc' is not a valid integer value"), std::string::npos);
        EXPECT_NE(one.Err.find("w0100.dat: "), std::string::npos);
        EXPECT_NE(one.Err.find("error: "), std::string::npos);
        if (options == "--json") {
            std::istringstream in(one.Out);
            std::vector<std::string> files;
            for (std::string line; std::getline(in, line);)
                files.push_back(nlohmann::json::parse(line)["File"].get<std::string>());
            EXPECT_GT(files.size(), kWalls / 2u);
            EXPECT_LT(files.size(), static_cast<std::size_t>(kWalls));
            EXPECT_TRUE(std::is_sorted(files.begin(), files.end()));
        }
    }
}

TEST(CliBatchJobs, JobsMustBeAPositiveCount) {
    testing::TempDir dir;
    for (const char* jobs : {"-j 0", "-j -1", "-j x"}) {
        const Result r = RunCli(std::string("--json ") + jobs, dir);
        EXPECT_NE(r.Status, 0) << jobs;
        EXPECT_NE(r.Status, 1) << jobs;
        EXPECT_TRUE(r.Out.empty()) << jobs;
    }
    const Result one = RunCli("--json -j 3", dir);
    EXPECT_EQ(one.Status, 0) << one.Err;
    EXPECT_EQ(one.Out, RunCli("--json", dir).Out);
}

}  // namespace
}  // namespace stelvar
