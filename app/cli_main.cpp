// stelvar-cli: the calculation without a window. Runs the default design conditions or
// each given design-conditions file, optionally with controls changed, and prints the
// results as a short summary or as JSON Lines. `stelvar-cli coefficients` prints the
// tables of the coefficient tool instead.

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <mutex>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <CLI/CLI.hpp>

#include "delivery/delivery_pdf.h"
#include "documents/design_file.h"
#include "documents/figure_export.h"
#include "documents/file_io.h"
#include "documents/pair_export.h"
#include "documents/text_export.h"
#include "forms/coefficient_tool.h"
#include "forms/design_conditions.h"
#include "pdf/pdf_export.h"
#include "report/coefficient_tables.h"
#include "report/pair_report.h"
#include "report/report_run.h"
#include "report/results_setup.h"
#include "run/calculation.h"
#include "run/pair_run.h"
#include "run/result_json.h"
#include "run/sizing.h"
#include "run/sizing_json.h"
#include "run/validation.h"
#include "verify/verification_report.h"

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

// A document asked for in a folder that does not exist yet gets its folder, parents
// included, as any program that saves files does.
void MakeFolder(const fs::path& folder) {
    if (folder.empty()) return;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw std::runtime_error("cannot create folder '" + folder.string() + "': " + ec.message());
}

const char* OkNo(bool ok) { return ok ? "OK" : "NO"; }

// A message box's CR line breaks become line ends on a terminal.
std::string TerminalText(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r') c = '\n';
    return out;
}

// printf onto a stream: an input's results go to standard output or, while inputs run
// in parallel, into its own buffer.
__attribute__((format(printf, 2, 3))) void Print(std::ostream& out, const char* format, ...) {
    char buffer[512];
    std::va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0) return;
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        out.write(buffer, length);
        return;
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    va_start(args, format);
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    out.write(text.data(), length);
}

void PrintSummary(std::ostream& out, const RunOutcome& r, const std::string& label) {
    const TAntei& a = r.Object;
    const TPa& p = r.WholeWall;
    Print(out, "%s\n", label.c_str());
    Print(out, "  wall type        %s\n", a.WallType == 0 ? "gravity" : "leaning");
    Print(out, "  W                %.3f kN/m\n", a.WallWeight);
    Print(out, "  Pa Ph Pv         %.3f %.3f %.3f kN/m\n", p.Pa, p.Ph, p.Pv);
    Print(out, "  Vo Ho            %.3f %.3f kN/m\n", a.Vo, a.Ho);
    Print(out, "  d e              %.3f %.3f m\n", a.D, a.E);
    Print(out, "  case q1 q2       %d %.2f %.2f kN/m2\n", a.ReactionCase, a.Q1, a.Q2);
    Print(out, "  Fs               %.3f (required %.2f)\n", a.Fs, a.FsSlideReq);
    Print(out, "  qu               %.2f kN/m2\n", a.Qu);
    Print(out, "  sliding %s, overturning %s, ground reaction %s, bearing %s\n",
          OkNo(r.Checks.Sliding), OkNo(r.Checks.Overturning),
          OkNo(r.Checks.GroundReaction), OkNo(r.Checks.Bearing));
}

// Columns on a terminal: a character of the East Asian wide ranges takes two cells.
std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        char32_t cp = byte;
        std::size_t length = 1;
        if (byte >= 0xF0) {
            length = 4;
            cp = byte & 0x07u;
        } else if (byte >= 0xE0) {
            length = 3;
            cp = byte & 0x0Fu;
        } else if (byte >= 0xC0) {
            length = 2;
            cp = byte & 0x1Fu;
        }
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                          (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                          (cp >= 0xFF00 && cp <= 0xFF60) || (cp >= 0xFFE0 && cp <= 0xFFE6);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

// A grid as lines of columns, each as wide as its widest cell, two spaces apart; the
// first `textColumns` columns left-aligned, the numbers right-aligned.
void PrintGrid(const StringGridContent& grid, int textColumns) {
    std::vector<std::size_t> widths(static_cast<std::size_t>(grid.ColCount), 0);
    for (int row = 0; row < grid.RowCount; ++row)
        for (int col = 0; col < grid.ColCount; ++col)
            widths[static_cast<std::size_t>(col)] =
                std::max(widths[static_cast<std::size_t>(col)], DisplayWidth(grid.Cell(col, row)));
    for (int row = 0; row < grid.RowCount; ++row) {
        std::string line;
        for (int col = 0; col < grid.ColCount; ++col) {
            const std::string& cell = grid.Cell(col, row);
            if (col > 0) line += "  ";
            const std::string pad(widths[static_cast<std::size_t>(col)] - DisplayWidth(cell), ' ');
            line += col < textColumns ? cell + pad : pad + cell;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::printf("%s\n", line.c_str());
    }
}

// `stelvar-cli verify`: every verification case, as a table or as JSON Lines, and the
// report as Shift-JIS text and as PDF when asked. Exit status 0 only when every case
// is within its tolerance.
int RunVerificationCommand(bool json, const CLI::Option* txt, std::string txtPath, const CLI::Option* pdf,
                           std::string pdfPath) {
    const std::vector<VerificationCase> cases = RunVerification();
    const VerificationReportInfo info = CurrentReportInfo();
    if (json) {
        for (const VerificationCase& c : cases) std::cout << VerificationCaseJson(c).dump() << '\n';
    } else {
        std::cout << VerificationText(cases, info);
    }
    std::cout.flush();
    if (txt->count() > 0) {
        if (txtPath.empty()) txtPath = "検証報告書.txt";
        MakeFolder(fs::path(txtPath).parent_path());
        WriteVerificationText(fs::path(txtPath), cases, info);
    }
    if (pdf->count() > 0) {
        if (pdfPath.empty()) pdfPath = std::string(kVerificationReportFileName);
        MakeFolder(fs::path(pdfPath).parent_path());
        WriteVerificationPdf(fs::path(pdfPath), cases, info);
    }
    return AllCasesOk(cases) ? 0 : 1;
}

// `stelvar-cli coefficients`: the earth-pressure table of the coefficient tool for its
// settings (changed by Name=value on its controls; a name the tool does not have, such
// as the crack option CheckBox7, is set in the design conditions), then the tables of
// Nc, Nq and Nγ.
int PrintCoefficientTables(const std::vector<Assignment>& assignments) {
    namespace ct = coefficient_tool;
    namespace ctab = coefficient_tables;
    CoefficientToolForm tool;
    DesignConditionsForm conditions;
    for (const Assignment& as : assignments) {
        if (tool.Controls().Contains(as.Name)) tool.SetValue(as.Name, as.Value);
        else conditions.SetValue(as.Name, as.Value);
    }
    CoefficientTables tables;
    WriteCoefficientTableHeaders(tables);
    ComputeCoefficientTable(tables, tool.Controls(), conditions.Controls());
    ComputeBearingFactorTables(tables);

    const ControlStore& c = tool.Controls();
    std::string settings = tables.Chart1.Title + "  " + c.Text(ct::kWallTypes) + "  γ=" + c.Text(ct::kGamma) +
                           " φ=" + c.Text(ct::kPhi) + " C=" + c.Text(ct::kCohesion) + "  " +
                           c.Text(ct::kDesignCase);
    if (c.Index(ct::kDesignCase) == 1) settings += " kh=" + c.Text(ct::kKh);
    if (c.Index(ct::kWallTypes) == ct::kBatteredGravityPage) settings += " 背面勾配=" + c.Text(ct::kGravityBatter);
    if (c.Index(ct::kWallTypes) == ct::kLeaningPage) settings += " 背面勾配=" + c.Text(ct::kLeaningBatter);
    if (conditions.Controls().Checked("CheckBox7")) settings += "  Zc考慮";
    std::printf("%s\n%s\n", settings.c_str(), std::string(ctab::kEarthPressureHeader).c_str());
    PrintGrid(tables.StringGrid1, 2);
    for (std::string_view grid : {ctab::kNcGrid, ctab::kNqGrid, ctab::kNgammaGrid}) {
        const std::string_view chart = grid == ctab::kNcGrid   ? ctab::kNcChart
                                       : grid == ctab::kNqGrid ? ctab::kNqChart
                                                               : ctab::kNgammaChart;
        std::printf("\n%s\n", tables.GetChart(chart).Title.c_str());
        PrintGrid(tables.Grid(grid), 1);
    }
    return 0;
}


// `stelvar-cli size`: one outline box stepped through a range for each input.
struct SizingCommand {
    std::vector<std::string> Inputs;
    std::vector<Assignment> Assignments;
    std::string Vary;
    std::optional<double> From;
    std::optional<double> To;
    std::optional<double> Step;
    bool Json = false;
};

std::string Padded(const std::string& cell, std::size_t width, bool right) {
    const std::string pad(width > DisplayWidth(cell) ? width - DisplayWidth(cell) : 0, ' ');
    return right ? pad + cell : cell + pad;
}

void PrintSizingTable(const SizingResult& r, const Guidance& g, const std::string& label) {
    std::printf("%s\n", label.c_str());
    std::printf("  %s (%s)  %s 〜 %s mm  %s mm 刻み  %s\n", std::string(r.Box.Caption).c_str(),
                std::string(r.Box.Name).c_str(), MillimetreText(r.Range.From).c_str(),
                MillimetreText(r.Range.To).c_str(), MillimetreText(r.Range.Step).c_str(),
                r.BothCases ? "常時・地震時" : "常時");
    std::vector<std::vector<std::string>> rows = {{"寸法(mm)", "判定", "支配照査", "比率", "設定"}};
    for (std::size_t i = 0; i < r.Candidates.size(); ++i) {
        const SizingCandidate& c = r.Candidates[i];
        const CandidateCells cells = CandidateTableCells(c);
        const std::string& verdict = cells.Verdict;
        const std::string& governing = cells.Governing;
        const std::string& ratio = cells.Ratio;
        std::string last = c.Status == CandidateStatus::Ran ? cells.Apply : TerminalText(c.Reason);
        for (char& ch : last)
            if (ch == '\n') ch = ' ';
        if (r.Smallest == i) last += "  ← 最小";
        rows.push_back({c.Apply.empty() ? std::string() : c.Apply.front().second, verdict, governing, ratio, last});
    }
    std::vector<std::size_t> widths(5, 0);
    for (const auto& row : rows)
        for (std::size_t k = 0; k < row.size(); ++k) widths[k] = std::max(widths[k], DisplayWidth(row[k]));
    for (const auto& row : rows) {
        std::string line = " ";
        for (std::size_t k = 0; k < row.size(); ++k)
            line += " " + (k + 1 == row.size() ? row[k] : Padded(row[k], widths[k], k == 0 || k == 3));
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::printf("%s\n", line.c_str());
    }
    if (r.Smallest)
        std::printf("  全照査OKの最小寸法: %s mm (%s)\n", MillimetreText(r.Candidates[*r.Smallest].Value).c_str(),
                    CandidateTableCells(r.Candidates[*r.Smallest]).Apply.c_str());
    else
        std::printf("  全照査OKの最小寸法: 範囲内になし\n");
    if (!g.Failing) {
        std::printf("  入力の寸法で全照査OK\n");
        return;
    }
    std::printf("  全照査OKとなる寸法 (各幅を単独で変えた場合):\n");
    for (const GuidanceItem& item : g.Items) std::printf("    %s\n", item.Text.c_str());
}

// Exit status 0 when every input was scanned, 1 when one could not be read or scanned.
int RunSizingCommand(const SizingCommand& cmd) {
    std::vector<std::optional<std::string>> runs;
    for (const std::string& f : ExpandInputs(cmd.Inputs)) runs.emplace_back(f);
    if (cmd.Inputs.empty()) runs.emplace_back(std::nullopt);
    int status = 0;
    for (const auto& file : runs) {
        const std::string label = file ? *file : std::string("(default design conditions)");
        try {
            DesignConditionsForm conditions;
            AllowableStressForm stresses;
            if (file) LoadDesignConditionsFile(*file, conditions, stresses);
            for (const Assignment& as : cmd.Assignments) {
                conditions.SetValue(as.Name, as.Value);
                if (as.Name == "RadioGroup5")
                    stresses.SetIndex(allowable_stress::kDesignCase, conditions.Controls().Index("RadioGroup5"));
            }
            SizingRange range = DefaultSizingRange(conditions.Controls(), cmd.Vary);
            if (cmd.From) range.From = *cmd.From;
            if (cmd.To) range.To = *cmd.To;
            if (cmd.Step) range.Step = *cmd.Step;
            const SizingResult result = RunSizing(conditions, stresses, cmd.Vary, range);
            const Guidance guidance = ComputeGuidance(conditions, stresses);
            if (cmd.Json)
                std::cout << SizingToJson(result, guidance, file ? *file : std::string()).dump() << '\n';
            else
                PrintSizingTable(result, guidance, label);
            std::cout.flush();
        } catch (const std::exception& e) {
            std::cout.flush();
            std::cerr << "stelvar-cli: size: " << label << ": " << TerminalText(e.what()) << '\n';
            status = 1;
        }
    }
    return status;
}

// Where the documents of a run go; an empty path writes none.
struct DocumentTargets {
    std::string Text;
    std::string Pdf;
    std::string ReportPdf;
};

// `--case both`: the ordinary case from a copy of the conditions switched to 常時, then
// the seismic case as entered; findings and failures name their case. Returns the exit
// status of the input.
int RunPairInput(const std::optional<std::string>& file, const std::string& label,
                 const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                 const DocumentTargets& targets, bool json, std::ostream& out, std::ostream& err) {
    const PairInputs inputs = PairInputsOf(conditions, stresses);
    const bool refused = CheckPairInputs(inputs, [&](const PairFinding& f) {
        err << "stelvar-cli: " << label << ": " << DesignCaseName(f.Case) << ": "
                  << (f.Finding.Kind == FindingKind::Error ? "error: " : "warning: ")
                  << TerminalText(f.Finding.Message) << '\n';
    });
    if (refused) return 1;

    PairOutcome outcome;
    try {
        if (!targets.Text.empty() || !targets.Pdf.empty() || !targets.ReportPdf.empty()) {
            ResultsStore ordinary;
            ResultsStore seismic;
            SetUpResultsWindow(ordinary, 0);
            SetUpResultsWindow(seismic, 0);
            const std::string title = file ? ProjectTitle(*file) : std::string();
            outcome = RunPairWithReport(inputs, ordinary, seismic, title);
            const CaseDocument ordinaryDocument{ordinary,
                                                ReadTextExportConditions(inputs.Ordinary.Conditions.Controls())};
            const CaseDocument seismicDocument{seismic,
                                               ReadTextExportConditions(inputs.Seismic.Conditions.Controls())};
            if (!targets.Text.empty()) {
                MakeFolder(fs::path(targets.Text).parent_path());
                WritePairTextExport(outcome.Summary, ordinaryDocument, seismicDocument, fs::path(targets.Text));
            }
            if (!targets.Pdf.empty()) {
                MakeFolder(fs::path(targets.Pdf).parent_path());
                WriteFileReplacing(fs::path(targets.Pdf),
                                   PairPdfExportBytes(outcome.Summary, ordinary, ordinaryDocument.Conditions, seismic,
                                                      seismicDocument.Conditions, title));
            }
            if (!targets.ReportPdf.empty()) {
                // The print-all pages as the seismic conditions give them, as 計算書印刷 prints the pair.
                const PrintAllSelection pages = PrintAllSelectionOf(inputs.Seismic.Conditions.Controls());
                PairDocuments pair{inputs, std::move(ordinary), std::move(seismic), outcome.Summary};
                MakeFolder(fs::path(targets.ReportPdf).parent_path());
                WriteDeliveryPdf(PairDeliveryDocument(pair, pages.Pages, pages.Slabs, title),
                                 fs::path(targets.ReportPdf));
            }
        } else {
            outcome = RunPair(inputs);
        }
    } catch (const PairCaseError& e) {
        out.flush();
        err << "stelvar-cli: " << label << ": " << DesignCaseName(e.Case()) << ": "
            << TerminalText(e.Message()) << '\n';
        return 1;
    }
    if (json) {
        out << PairOutcomeToJson(outcome, file ? *file : std::string()).dump() << '\n';
    } else {
        PrintSummary(out, outcome.Ordinary, label + " [" + std::string(DesignCaseName(DesignCase::Ordinary)) + "]");
        PrintSummary(out, outcome.Seismic, label + " [" + std::string(DesignCaseName(DesignCase::Seismic)) + "]");
        for (const std::string& line : SummaryTextLines(outcome.Summary)) out << line << '\n';
    }
    return 0;
}

// What one input printed while inputs run in parallel, kept until the inputs before it
// are printed.
struct InputPrinted {
    std::string Out;
    std::string Err;
    int Status = 0;
    std::exception_ptr Escaped;
    bool Done = false;
};

// Runs every input and returns the exit status of the batch. With one job the inputs run
// one after the other straight onto standard output and error; with more, that many
// threads take the next input each, and every input's output and messages are printed
// in input order as soon as the inputs before it are done, so that the batch prints
// exactly what one job prints.
int RunInputs(const std::vector<std::optional<std::string>>& runs, unsigned jobs,
              const std::function<int(const std::optional<std::string>&, std::ostream&, std::ostream&)>& run) {
    int status = 0;
    if (jobs <= 1 || runs.size() <= 1) {
        for (const auto& file : runs) status |= run(file, std::cout, std::cerr);
        return status;
    }
    std::vector<InputPrinted> printed(runs.size());
    std::mutex mutex;
    std::condition_variable done;
    std::size_t awaited = 0;  // the input the printing waits for; only its end wakes it
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next++) < runs.size();) {
            std::ostringstream out;
            std::ostringstream err;
            InputPrinted p;
            try {
                p.Status = run(runs[i], out, err);
            } catch (...) {
                p.Escaped = std::current_exception();
            }
            p.Out = std::move(out).str();
            p.Err = std::move(err).str();
            p.Done = true;
            bool wake = false;
            {
                const std::lock_guard<std::mutex> lock(mutex);
                printed[i] = std::move(p);
                wake = i == awaited;
            }
            if (wake) done.notify_one();
        }
    };
    std::vector<std::jthread> workers;
    for (std::size_t k = 0; k < std::min<std::size_t>(jobs, runs.size()); ++k) workers.emplace_back(work);
    for (std::size_t i = 0; i < printed.size(); ++i) {
        InputPrinted p;
        {
            std::unique_lock<std::mutex> lock(mutex);
            awaited = i;
            done.wait(lock, [&] { return printed[i].Done; });
            p = std::move(printed[i]);
        }
        if (p.Escaped) {
            next = runs.size();
            std::rethrow_exception(p.Escaped);
        }
        if (!p.Err.empty()) {
            std::cout.flush();
            std::cerr << p.Err;
        }
        std::cout << p.Out;
        status |= p.Status;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file-size limit then fails with EFBIG and its clear message, and
    // the temporary file is removed, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
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
    std::string reportPdfPath;
    CLI::Option* reportPdf =
        app.add_option("--report-pdf", reportPdfPath,
                       "write the printed report as PDF for electronic delivery (default 擁壁計算書.pdf)")
            ->expected(0, 1);
    std::string wmfDir;
    app.add_option("--wmf", wmfDir, "write the figures as Windows metafiles into DIR");
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
    app.add_option("-j,--jobs", jobs, "inputs run at the same time (default: all cores; 1: one after the other)")
        ->check(CLI::Range(1u, 1024u));
    std::string designCase;
    app.add_option("--case", designCase,
                   "design case: ordinary, seismic, or both in one run (default: as the conditions say)")
        ->check(CLI::IsMember({"ordinary", "seismic", "both"}));
    CLI::App* coefficients =
        app.add_subcommand("coefficients", "print the earth-pressure coefficient and bearing-factor tables");
    std::vector<std::string> coefficientSets;
    coefficients->add_option("--set", coefficientSets, "set a control of the coefficient tool: Name=value")
        ->take_all();
    CLI::App* verify = app.add_subcommand(
        "verify", "compare the engine with closed forms and hand calculations; exit 0 when all agree");
    bool verifyJson = false;
    verify->add_flag("--json", verifyJson, "print one JSON object per case");
    std::string verifyTxt;
    CLI::Option* verifyTxtOption =
        verify->add_option("--txt", verifyTxt, "write the report as text (default 検証報告書.txt)")->expected(0, 1);
    std::string verifyPdf;
    CLI::Option* verifyPdfOption =
        verify->add_option("--pdf", verifyPdf, "write the report as PDF (default 検証報告書.pdf)")->expected(0, 1);
    CLI::App* size = app.add_subcommand(
        "size", "step one outline box through a range and find the smallest value with every check OK");
    SizingCommand sizing;
    size->add_option("files", sizing.Inputs, "design-conditions files (.dat) or directories of them");
    size->add_option("--vary", sizing.Vary, "the box to vary: its name (Edit37) or caption (天端幅)");
    size->add_option("--from", sizing.From, "first value in mm (default: the current value)");
    size->add_option("--to", sizing.To, "last value in mm (default: three times it or 3000 mm more)");
    size->add_option("--step", sizing.Step, "step in mm (default 50)");
    std::vector<std::string> sizingSets;
    size->add_option("--set", sizingSets, "set a control before the scan: Name=value")->take_all();
    size->add_flag("--json", sizing.Json, "print one JSON object per input");
    CLI11_PARSE(app, argc, argv);

    if (coefficients->parsed()) {
        if (!inputs.empty() || !sets.empty() || json || txt->count() > 0 || pdf->count() > 0 ||
            reportPdf->count() > 0 || !wmfDir.empty()) {
            std::cerr << "stelvar-cli: coefficients takes only its own --set\n";
            return 2;
        }
        std::vector<Assignment> toolSets;
        for (const std::string& s : coefficientSets) {
            const auto eq = s.find('=');
            if (eq == std::string::npos || eq == 0) {
                std::cerr << "stelvar-cli: --set expects Name=value, got '" << s << "'\n";
                return 2;
            }
            toolSets.push_back({s.substr(0, eq), s.substr(eq + 1)});
        }
        try {
            return PrintCoefficientTables(toolSets);
        } catch (const std::exception& e) {
            std::cout.flush();
            std::cerr << "stelvar-cli: coefficients: " << e.what() << '\n';
            return 1;
        }
    }
    if (verify->parsed()) {
        if (!inputs.empty() || !sets.empty() || json || txt->count() > 0 || pdf->count() > 0 ||
            reportPdf->count() > 0 || !wmfDir.empty()) {
            std::cerr << "stelvar-cli: verify takes only its own --json, --txt and --pdf\n";
            return 2;
        }
        try {
            return RunVerificationCommand(verifyJson, verifyTxtOption, verifyTxt, verifyPdfOption, verifyPdf);
        } catch (const std::exception& e) {
            std::cout.flush();
            std::cerr << "stelvar-cli: verify: " << e.what() << '\n';
            return 1;
        }
    }
    if (size->parsed()) {
        if (!inputs.empty() || !sets.empty() || json || txt->count() > 0 || pdf->count() > 0 ||
            reportPdf->count() > 0 || !wmfDir.empty()) {
            std::cerr << "stelvar-cli: size takes only its own files, --vary, --from, --to, --step, --set and --json\n";
            return 2;
        }
        if (sizing.Vary.empty()) {
            std::cerr << "stelvar-cli: size needs --vary NAME (a box of the wall outline, e.g. Edit37 or 天端幅)\n";
            return 2;
        }
        for (const std::string& s : sizingSets) {
            const auto eq = s.find('=');
            if (eq == std::string::npos || eq == 0) {
                std::cerr << "stelvar-cli: --set expects Name=value, got '" << s << "'\n";
                return 2;
            }
            sizing.Assignments.push_back({s.substr(0, eq), s.substr(eq + 1)});
        }
        return RunSizingCommand(sizing);
    }
    const bool writeText = txt->count() > 0;
    if (writeText && txtPath.empty()) txtPath = "擁壁.txt";
    const bool writePdf = pdf->count() > 0;
    if (writePdf && pdfPath.empty()) pdfPath = "擁壁計算結果.pdf";
    const bool writeFigures = !wmfDir.empty();
    const bool writeReport = reportPdf->count() > 0;
    if (writeReport && reportPdfPath.empty()) reportPdfPath = std::string(kDeliveryPdfFileName);
    const bool writeDocuments = writeText || writePdf || writeFigures || writeReport;

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

    if (designCase == "both" && writeFigures) {
        std::cerr << "stelvar-cli: --wmf writes the figures of one case; use --case ordinary or seismic\n";
        return 2;
    }
    if (writeDocuments && runs.size() > 1) {
        std::cerr << "stelvar-cli: --txt, --pdf, --report-pdf and --wmf write the document of one input; " << runs.size()
                  << " inputs were given\n";
        return 2;
    }

    return RunInputs(runs, jobs, [&](const std::optional<std::string>& file, std::ostream& out, std::ostream& err) {
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
            if (designCase == "both") {
                return RunPairInput(file, label, conditions, stresses,
                                    {writeText ? txtPath : std::string(), writePdf ? pdfPath : std::string(),
                                     writeReport ? reportPdfPath : std::string()},
                                    json, out, err);
            }
            // The ordinary case of seismic conditions is the pair's: the seismic allowable
            // stresses give way to the ordinary ones, or the run is refused.
            if (designCase == "ordinary" && conditions.Controls().Index("RadioGroup5") == 1) {
                PairInputs pair = PairInputsOf(conditions, stresses);
                if (pair.Stresses == OrdinaryStresses::Unknown) {
                    err << "stelvar-cli: " << label << ": error: " << TerminalText(kPairStressesUnknownMessage)
                        << '\n';
                    return 1;
                }
                conditions = std::move(pair.Ordinary.Conditions);
                stresses = std::move(pair.Ordinary.Stresses);
            }
            // One case chosen: as if its button were clicked, the stresses following.
            if (!designCase.empty()) {
                conditions.SetIndex("RadioGroup5", designCase == "seismic" ? 1 : 0);
                stresses.SetIndex(allowable_stress::kDesignCase, conditions.Controls().Index("RadioGroup5"));
            }

            const bool refused = CheckInputs(
                conditions.Controls(), stresses.Controls(), [&](const InputFinding& f) {
                    err << "stelvar-cli: " << label << ": "
                        << (f.Kind == FindingKind::Error ? "error: " : "warning: ")
                        << TerminalText(f.Message) << '\n';
                });
            if (refused) return 1;

            RunOutcome outcome;
            if (writeDocuments) {
                ResultsStore store;
                SetUpResultsWindow(store, 0);
                const std::string title = file ? ProjectTitle(*file) : std::string();
                outcome = RunWithReport(conditions.Controls(), store, title);
                if (writeText) {
                    MakeFolder(fs::path(txtPath).parent_path());
                    WriteTextExport(store, conditions.Controls(), fs::path(txtPath));
                }
                if (writePdf) {
                    MakeFolder(fs::path(pdfPath).parent_path());
                    WritePdfExport(store, conditions.Controls(), title, fs::path(pdfPath));
                }
                if (writeReport) {
                    const PrintAllSelection pages = PrintAllSelectionOf(conditions.Controls());
                    MakeFolder(fs::path(reportPdfPath).parent_path());
                    WriteDeliveryPdf(SingleDeliveryDocument(store, pages.Pages, pages.Slabs, title),
                                     fs::path(reportPdfPath));
                }
                if (writeFigures) {
                    MakeFolder(fs::path(wmfDir));
                    WriteFigures(store, conditions.Controls(), fs::path(wmfDir));
                }
            } else {
                outcome = RunCalculation(conditions.Controls());
            }
            if (json)
                out << RunOutcomeJsonText(outcome, file ? *file : std::string()) << '\n';
            else
                PrintSummary(out, outcome, label);
        } catch (const std::exception& e) {
            out.flush();
            err << "stelvar-cli: " << label << ": " << e.what() << '\n';
            return 1;
        }
        return 0;
    });
}
