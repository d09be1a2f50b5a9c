#include "verify/verification_report.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "documents/file_io.h"
#include "pdf/pdf_writer.h"
#include "text/cp932.h"

#ifndef STELVAR_VERSION
#error "STELVAR_VERSION is set by the build from the project version"
#endif

namespace stelvar {
namespace {

std::string Format(const char* pattern, double v) {
    if (!std::isfinite(v)) return "---";
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, v);
    return buf;
}

std::string Value(double v) { return Format("%.10g", v); }
std::string Ratio(double v) { return Format("%.1e", v); }
const char* Verdict(bool ok) { return ok ? "OK" : "NG"; }

int OkCount(const std::vector<VerificationCase>& cases) {
    return static_cast<int>(std::count_if(cases.begin(), cases.end(), [](const VerificationCase& c) { return c.Ok; }));
}

std::string Summary(const std::vector<VerificationCase>& cases) {
    const int ok = OkCount(cases);
    std::string s = std::to_string(cases.size()) + "件中 " + std::to_string(ok) + "件 OK";
    if (AllCasesOk(cases)) s += "：すべての項目が許容差内にあります。";
    else s += "：許容差を超えた項目が " + std::to_string(static_cast<int>(cases.size()) - ok) + "件あります。";
    return s;
}

// The code points of a UTF-8 text, each as its own string.
std::vector<std::string> CodePoints(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

// Columns on a terminal: the East Asian wide characters take two cells.
std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (const std::string& c : CodePoints(text)) {
        const auto b0 = static_cast<unsigned char>(c[0]);
        char32_t cp = b0;
        if (c.size() > 1) {
            cp = c.size() == 2 ? (b0 & 0x1Fu) : c.size() == 3 ? (b0 & 0x0Fu) : (b0 & 0x07u);
            for (std::size_t k = 1; k < c.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(c[k]) & 0x3Fu);
        }
        const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                          (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                          (cp >= 0xFF00 && cp <= 0xFF60) || (cp >= 0xFFE0 && cp <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

}  // namespace

VerificationReportInfo CurrentReportInfo() {
    VerificationReportInfo info;
    info.Version = STELVAR_VERSION;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) != nullptr) {
        char buf[32];
        std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &local);
        info.Date = buf;
    }
    utsname u{};
    if (uname(&u) == 0)
        info.Machine = std::string(u.sysname) + " " + u.release + " " + u.machine + " (" + u.nodename + ")";
    else
        info.Machine = "---";
    return info;
}

std::string VerificationText(const std::vector<VerificationCase>& cases, const VerificationReportInfo& info,
                             std::string_view lineEnd) {
    std::string out;
    const auto line = [&](const std::string& s) {
        out += s;
        out += lineEnd;
    };
    line(std::string(kVerificationReportTitle));
    line("プログラム  Stelvar " + info.Version);
    line("作成日時    " + info.Date);
    line("計算機      " + info.Machine);
    line("結果        " + Summary(cases));
    line("");

    std::vector<std::vector<std::string>> rows;
    rows.push_back({"No", "分類", "検証項目", "基準値", "出典", "計算値", "相対差", "許容差", "判定"});
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const VerificationCase& c = cases[i];
        rows.push_back({std::to_string(i + 1), c.Family, c.Case, Value(c.Reference), c.Source, Value(c.Computed),
                        Ratio(c.RelDiff), Ratio(c.Tolerance), Verdict(c.Ok)});
    }
    // Texts left-aligned, numbers right-aligned.
    const bool numeric[] = {true, false, false, true, false, true, true, true, false};
    std::vector<std::size_t> widths(rows[0].size(), 0);
    for (const auto& r : rows)
        for (std::size_t k = 0; k < r.size(); ++k) widths[k] = std::max(widths[k], DisplayWidth(r[k]));
    for (const auto& r : rows) {
        std::string s;
        for (std::size_t k = 0; k < r.size(); ++k) {
            if (k > 0) s += "  ";
            const std::string pad(widths[k] - DisplayWidth(r[k]), ' ');
            s += numeric[k] ? pad + r[k] : r[k] + pad;
        }
        while (!s.empty() && s.back() == ' ') s.pop_back();
        line(s);
    }
    line("");
    line("入力と許容差の根拠");
    for (std::size_t i = 0; i < cases.size(); ++i)
        line(std::to_string(i + 1) + "  " + cases[i].Inputs + "  〔" + cases[i].ToleranceBasis + "〕");
    line("");
    line("検証の方法");
    for (const VerificationFamily& f : VerificationFamilies()) {
        line("■" + f.Name);
        line("  " + f.Method);
    }
    line("");
    line("この報告書は、計算本体が教科書の式と手計算どおりに計算することを示すものであり、");
    line("個々の現場の土質定数や設計条件の妥当性を示すものではない。");
    return out;
}

nlohmann::json VerificationCaseJson(const VerificationCase& c) {
    const auto number = [](double v) { return std::isfinite(v) ? nlohmann::json(v) : nlohmann::json(nullptr); };
    nlohmann::json j = nlohmann::json::object();
    j["Family"] = c.Family;
    j["Case"] = c.Case;
    j["Inputs"] = c.Inputs;
    j["Reference"] = number(c.Reference);
    j["Source"] = c.Source;
    j["Computed"] = number(c.Computed);
    j["RelDiff"] = number(c.RelDiff);
    j["Tolerance"] = number(c.Tolerance);
    j["ToleranceBasis"] = c.ToleranceBasis;
    j["OK"] = c.Ok;
    return j;
}

// ---- PDF --------------------------------------------------------------------------------

namespace {

constexpr int kMincho = 6;
constexpr double kLeft = 40;
constexpr double kRight = 556;
constexpr double kTop = 800;
constexpr double kBottom = 56;

// Right edges of the numeric columns and left edges of the text columns of the table.
constexpr double kNoRight = 56;
constexpr double kCaseLeft = 62;
constexpr double kCaseWidth = 142;
constexpr double kReferenceRight = 262;
constexpr double kComputedRight = 322;
constexpr double kDiffRight = 362;
constexpr double kToleranceRight = 402;
constexpr double kVerdictLeft = 410;
constexpr double kSourceLeft = 432;
constexpr double kSourceWidth = kRight - kSourceLeft;

class PdfLayout {
public:
    explicit PdfLayout(TPDFMaker& maker) : maker_(maker) {
        Canvas().FontIndex = kMincho;
        Footer();
    }

    TPDFContents& Canvas() { return maker_.Canvas(); }

    bool Fits(double height) const { return y_ - height >= kBottom; }

    // Room for `height` points below the current line, on a new page if need be.
    void Need(double height) {
        if (!Fits(height)) NewPage();
    }

    void NewPage() {
        maker_.NewPage();
        Canvas().FontIndex = kMincho;
        ++page_;
        y_ = kTop;
        Text(std::string(kVerificationReportTitle), kLeft, y_, 8);
        y_ -= 16;
        Footer();
    }

    void Text(const std::string& text, double x, double y, double size) {
        TPDFContents& c = Canvas();
        c.FontSize = size;
        c.TextOut(text, x, y);
    }
    double Width(const std::string& text, double size) {
        Canvas().FontSize = size;
        return Canvas().TextWidth(text);
    }
    void RightText(const std::string& text, double right, double y, double size) {
        Text(text, right - Width(text, size), y, size);
    }
    // A text shrunk as far as it must be to fit the width.
    void FittedText(const std::string& text, double x, double y, double size, double width) {
        const double w = Width(text, size);
        Text(text, x, y, w > width ? size * width / w : size);
    }

    // The text broken into lines no wider than `width`, between characters. A viewer
    // without the Japanese fonts draws with others whose Latin letters run a little
    // wider than these widths, so the lines keep some room at the end.
    std::vector<std::string> Wrap(const std::string& text, double size, double width) {
        width *= 0.95;
        std::vector<std::string> lines;
        std::string current;
        for (const std::string& cp : CodePoints(text)) {
            if (!current.empty() && Width(current + cp, size) > width) {
                lines.push_back(current);
                current.clear();
            }
            current += cp;
        }
        if (!current.empty()) lines.push_back(current);
        return lines;
    }

    void Paragraph(const std::string& text, double x, double size, double width) {
        for (const std::string& l : Wrap(text, size, width)) {
            Need(size + 2);
            y_ -= size + 2;
            Text(l, x, y_, size);
        }
    }

    void Rule(double y, double width) {
        TPDFContents& c = Canvas();
        c.LineWidth = width;
        c.DrawLine(kLeft, y, kRight, y);
    }

    double& Y() { return y_; }

private:
    void Footer() { Text("- " + std::to_string(page_) + " -", (kLeft + kRight) / 2 - 8, 34, 8); }

    TPDFMaker& maker_;
    int page_ = 1;
    double y_ = kTop;
};

void TableHeader(PdfLayout& l) {
    l.Need(14);
    l.Y() -= 10;
    const double y = l.Y();
    const double s = 7;
    l.RightText("No", kNoRight, y, s);
    l.Text("検証項目", kCaseLeft, y, s);
    l.RightText("基準値", kReferenceRight, y, s);
    l.RightText("計算値", kComputedRight, y, s);
    l.RightText("相対差", kDiffRight, y, s);
    l.RightText("許容差", kToleranceRight, y, s);
    l.Text("判定", kVerdictLeft, y, s);
    l.Text("出典", kSourceLeft, y, s);
    l.Rule(y - 3, 0.6);
    l.Y() -= 3;
}

void CaseRow(PdfLayout& l, std::size_t number, const VerificationCase& c) {
    const double s = 7;
    const double small = 5.5;
    const std::vector<std::string> source = l.Wrap(c.Source, small, kSourceWidth);
    const std::vector<std::string> inputs =
        l.Wrap("入力: " + c.Inputs + "　〔許容差: " + c.ToleranceBasis + "〕", small, kRight - kCaseLeft);
    const double height = 10 + static_cast<double>(std::max<std::size_t>(source.size(), 1) - 1) * (small + 1.5) +
                          static_cast<double>(inputs.size()) * (small + 1.5) + 3;
    if (!l.Fits(height)) {
        // A table that goes on over the page repeats its heading.
        l.NewPage();
        TableHeader(l);
    }
    l.Y() -= 10;
    const double y = l.Y();
    l.RightText(std::to_string(number), kNoRight, y, s);
    l.FittedText(c.Case, kCaseLeft, y, s, kCaseWidth);
    l.RightText(Value(c.Reference), kReferenceRight, y, s);
    l.RightText(Value(c.Computed), kComputedRight, y, s);
    l.RightText(Ratio(c.RelDiff), kDiffRight, y, s);
    l.RightText(Ratio(c.Tolerance), kToleranceRight, y, s);
    l.Text(Verdict(c.Ok), kVerdictLeft, y, s);
    for (std::size_t i = 0; i < source.size(); ++i)
        l.Text(source[i], kSourceLeft, y - static_cast<double>(i) * (small + 1.5), small);
    l.Y() -= static_cast<double>(std::max<std::size_t>(source.size(), 1) - 1) * (small + 1.5);
    for (const std::string& line : inputs) {
        l.Y() -= small + 1.5;
        l.Text(line, kCaseLeft, l.Y(), small);
    }
    l.Y() -= 3;
    l.Rule(l.Y(), 0.2);
}

}  // namespace

std::string VerificationPdfBytes(const std::vector<VerificationCase>& cases, const VerificationReportInfo& info,
                                 std::string_view creationDate) {
    TPDFMemoryStream stream;
    TPDFMaker maker;
    maker.Title = std::string(kVerificationReportTitle);
    maker.Subject = "計算本体の検証";
    maker.Creator = "Stelvar " + info.Version;
    maker.Author = "Stelvar";
    maker.CreationDate = std::string(creationDate);
    maker.BeginDoc(&stream);
    {
        PdfLayout l(maker);
        l.Y() -= 16;
        l.Text(std::string(kVerificationReportTitle), kLeft, l.Y(), 16);
        l.Y() -= 8;
        const std::pair<const char*, std::string> heading[] = {
            {"プログラム", "Stelvar " + info.Version},
            {"作成日時", info.Date},
            {"計算機", info.Machine},
            {"結果", Summary(cases)},
        };
        for (const auto& [label, text] : heading) {
            l.Y() -= 13;
            l.Text(label, kLeft, l.Y(), 9);
            l.Text(text, kLeft + 60, l.Y(), 9);
        }
        l.Y() -= 6;
        l.Paragraph(
            "計算本体を通常の入力経路で実行し、その値を計算本体と独立に求めた基準値(教科書の閉じた式、"
            "手計算、既定擁壁の独立計算値)と比べた。許容差は各項目の計算方法が許す限り小さく取り、その根拠を"
            "項目ごとに記す。相対差=｜計算値-基準値｜/｜基準値｜。この報告書は計算本体が式どおりに計算することを"
            "示すもので、個々の現場の土質定数や設計条件の妥当性を示すものではない。",
            kLeft, 8, kRight - kLeft);

        for (const VerificationFamily& f : VerificationFamilies()) {
            l.Need(60);
            l.Y() -= 18;
            l.Text("■" + f.Name, kLeft, l.Y(), 10.5);
            l.Paragraph(f.Method, kLeft + 8, 7, kRight - kLeft - 8);
            TableHeader(l);
            for (std::size_t i = 0; i < cases.size(); ++i) {
                if (cases[i].Family != f.Name) continue;
                // The numbers run over the whole report, as in the text and JSON.
                CaseRow(l, i + 1, cases[i]);
            }
        }
    }
    maker.EndDoc(false);
    return stream.Bytes();
}

void WriteVerificationText(const std::filesystem::path& target, const std::vector<VerificationCase>& cases,
                           const VerificationReportInfo& info) {
    WriteFileReplacing(target, Utf8ToCp932(VerificationText(cases, info, "\r\n")));
}

void WriteVerificationPdf(const std::filesystem::path& target, const std::vector<VerificationCase>& cases,
                          const VerificationReportInfo& info) {
    WriteFileReplacing(target, VerificationPdfBytes(cases, info));
}

}  // namespace stelvar
