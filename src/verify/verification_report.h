#pragma once
// The verification report: the cases of RunVerification as a table on the terminal, as
// Shift-JIS text, as JSON Lines and as an A4 PDF with the program version, the date, the
// machine and a note on the method of each family.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "verify/verification.h"

namespace stelvar {

// The file the main window writes into the current folder.
inline constexpr std::string_view kVerificationReportFileName = "検証報告書.pdf";
inline constexpr std::string_view kVerificationReportTitle = "Stelvar 検証報告書";

struct VerificationReportInfo {
    std::string Version;  // the program version, "3.0"
    std::string Date;     // "2026-12-10 13:40"
    std::string Machine;  // operating system, release, processor and host name
};

// This program's version, the local time now and this machine.
VerificationReportInfo CurrentReportInfo();

// The report as lines of text (UTF-8): the heading with the information, the table
// (分類, 検証項目, 基準値, 出典, 計算値, 相対差, 許容差, 判定), the inputs of each case
// by its number, the method notes and the overall verdict. Lines end with `lineEnd`.
std::string VerificationText(const std::vector<VerificationCase>& cases, const VerificationReportInfo& info,
                             std::string_view lineEnd = "\n");

// One case as a JSON object: Family, Case, Inputs, Reference, Source, Computed, RelDiff,
// Tolerance, ToleranceBasis, OK (a value that could not be computed is null).
nlohmann::json VerificationCaseJson(const VerificationCase& c);

// The PDF document. `creationDate` ("yyyymmddhhnnss") fixes the creation date, the local
// time when empty.
std::string VerificationPdfBytes(const std::vector<VerificationCase>& cases, const VerificationReportInfo& info,
                                 std::string_view creationDate = {});

// The text (Shift-JIS, CR LF) and the PDF as files, each replacing its target only once
// complete; FileError when a file cannot be written, the target then left as it was.
void WriteVerificationText(const std::filesystem::path& target, const std::vector<VerificationCase>& cases,
                           const VerificationReportInfo& info);
void WriteVerificationPdf(const std::filesystem::path& target, const std::vector<VerificationCase>& cases,
                          const VerificationReportInfo& info);

}  // namespace stelvar
