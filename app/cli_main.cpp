// stelvar-cli: the calculation without a window. Runs the default design conditions or
// each given design-conditions file, optionally with controls changed, and prints the
// results as a short summary or as JSON Lines.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "documents/design_file.h"
#include "documents/figure_export.h"
#include "documents/text_export.h"
#include "forms/design_conditions.h"
#include "pdf/pdf_export.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "run/calculation.h"
#include "run/result_json.h"
#include "run/validation.h"

namespace fs = std::filesystem;
using namespace stelvar;

namespace {

struct Assignment {
    std::string Name;
    std::string Value;
};

// A directory stands for every .dat file in it, in name order.
std::vector<std::string> ExpandInputs(const std::vector<std::string>& args) {
    std::vector<std::string> out;
    for (const std::string& arg : args) {
        std::error_code ec;
        if (fs::is_directory(arg, ec)) {
            std::vector<std::string> files;
            for (const auto& entry : fs::directory_iterator(arg, ec)) {
                if (entry.is_regular_file() && entry.path().extension() == ".dat")
                    files.push_back(entry.path().string());
            }
            std::sort(files.begin(), files.end());
            out.insert(out.end(), files.begin(), files.end());
        } else {
            out.push_back(arg);
        }
    }
    return out;
}

const char* OkNo(bool ok) { return ok ? "OK" : "NO"; }

// A message box's CR line breaks become line ends on a terminal.
std::string TerminalText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r') c = '\n';
    return out;
}

void PrintSummary(const RunOutcome& r, const std::string& label) {
    const TAntei& a = r.Object;
    const TPa& p = r.WholeWall;
    std::printf("%s\n", label.c_str());
    std::printf("  wall type        %s\n", a.WallType == 0 ? "gravity" : "leaning");
    std::printf("  W                %.3f kN/m\n", a.WallWeight);
    std::printf("  Pa Ph Pv         %.3f %.3f %.3f kN/m\n", p.Pa, p.Ph, p.Pv);
    std::printf("  Vo Ho            %.3f %.3f kN/m\n", a.Vo, a.Ho);
    std::printf("  d e              %.3f %.3f m\n", a.D, a.E);
    std::printf("  case q1 q2       %d %.2f %.2f kN/m2\n", a.ReactionCase, a.Q1, a.Q2);
    std::printf("  Fs               %.3f (required %.2f)\n", a.Fs, a.FsSlideReq);
    std::printf("  qu               %.2f kN/m2\n", a.Qu);
    std::printf("  sliding %s, overturning %s, ground reaction %s, bearing %s\n",
                OkNo(r.Checks.Sliding), OkNo(r.Checks.Overturning),
                OkNo(r.Checks.GroundReaction), OkNo(r.Checks.Bearing));
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Stelvar: design calculation of plain-concrete retaining walls"};
    std::vector<std::string> inputs;
    std::vector<std::string> sets;
    bool json = false;
    std::string txtPath;
    app.add_option("files", inputs, "design-conditions files (.dat) or directories of them");
    app.add_option("--set", sets, "set a control before the run: Name=value")->take_all();
    app.add_flag("--json", json, "print every result field as one JSON object per input");
    CLI::Option* txt = app.add_option("--txt", txtPath,
                                      "write the calculation document as text (default 擁壁.txt)")
                           ->expected(0, 1);
    std::string pdfPath;
    CLI::Option* pdf = app.add_option("--pdf", pdfPath,
                                      "write the calculation document as PDF (default 擁壁計算結果.pdf)")
                           ->expected(0, 1);
    std::string wmfDir;
    app.add_option("--wmf", wmfDir, "write the figures as Windows metafiles into DIR");
    CLI11_PARSE(app, argc, argv);
    const bool writeText = txt->count() > 0;
    if (writeText && txtPath.empty()) txtPath = "擁壁.txt";
    const bool writePdf = pdf->count() > 0;
    if (writePdf && pdfPath.empty()) pdfPath = "擁壁計算結果.pdf";
    const bool writeFigures = !wmfDir.empty();
    const bool writeDocuments = writeText || writePdf || writeFigures;

    std::vector<Assignment> assignments;
    for (const std::string& s : sets) {
        const auto eq = s.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::cerr << "stelvar-cli: --set expects Name=value, got '" << s << "'\n";
            return 2;
        }
        assignments.push_back({s.substr(0, eq), s.substr(eq + 1)});
    }

    std::vector<std::optional<std::string>> runs;
    for (const std::string& f : ExpandInputs(inputs)) runs.emplace_back(f);
    if (inputs.empty()) runs.emplace_back(std::nullopt);

    if (writeDocuments && runs.size() > 1) {
        std::cerr << "stelvar-cli: --txt, --pdf and --wmf write the document of one input; " << runs.size()
                  << " inputs were given\n";
        return 2;
    }

    int status = 0;
    for (const auto& file : runs) {
        const std::string label = file ? *file : std::string("(default design conditions)");
        try {
            DesignConditionsForm conditions;
            AllowableStressForm stresses;
            if (file) LoadDesignConditionsFile(*file, conditions, stresses);
            for (const Assignment& as : assignments) {
                conditions.SetValue(as.Name, as.Value);
                // As a loaded file does, the design case is copied to the allowable
                // stresses, so that a seismic run is not refused for ordinary stresses.
                if (as.Name == "RadioGroup5")
                    stresses.SetIndex(allowable_stress::kDesignCase, conditions.Controls().Index("RadioGroup5"));
            }

            const bool refused = CheckInputs(
                conditions.Controls(), stresses.Controls(), [&](const InputFinding& f) {
                    std::cerr << "stelvar-cli: " << label << ": "
                              << (f.Kind == FindingKind::Error ? "error: " : "warning: ")
                              << TerminalText(f.Message) << '\n';
                });
            if (refused) {
                status = 1;
                continue;
            }

            RunOutcome outcome;
            if (writeDocuments) {
                ResultsStore store;
                SetUpResultsWindow(store, 0);
                const std::string title = file ? ProjectTitle(*file) : std::string();
                outcome = RunWithReport(conditions.Controls(), store, title);
                if (writeText) WriteTextExport(store, conditions.Controls(), fs::path(txtPath));
                if (writePdf) WritePdfExport(store, conditions.Controls(), title, fs::path(pdfPath));
                if (writeFigures) WriteFigures(store, conditions.Controls(), fs::path(wmfDir));
            } else {
                outcome = RunCalculation(conditions.Controls());
            }
            if (json)
                std::cout << RunOutcomeToJson(outcome, file ? *file : std::string()).dump() << '\n';
            else
                PrintSummary(outcome, label);
        } catch (const std::exception& e) {
            std::cout.flush();
            std::cerr << "stelvar-cli: " << label << ": " << e.what() << '\n';
            status = 1;
        }
    }
    return status;
}
