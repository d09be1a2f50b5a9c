#include "run/sizing.h"

#include <cstdio>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>

#include "run/calculation.h"
#include "run/pair_run.h"
#include "run/validation.h"
#include "text/number.h"

namespace stelvar {
namespace {

constexpr int kGravityPage = 0;

// The widths whose change the base width follows, per page.
bool BaseFollows(const SizingBox& box) {
    if (box.Page == kGravityPage)
        return box.Name == "Edit36" || box.Name == "Edit37" || box.Name == "Edit2" || box.Name == "Edit34" ||
               box.Name == "Edit30";
    return box.Name == "Edit52" || box.Name == "Edit58";
}

std::string_view BaseWidthBox(int page) { return page == kGravityPage ? "Edit31" : "Edit59"; }

int ActivePage(const ControlSource& conditions) { return conditions.Index("PageControl2") == 1 ? 1 : 0; }

double CurrentValue(const ControlSource& conditions, const SizingBox& box) {
    double v = 0.0;
    if (!TryStrToFloat(conditions.Text(box.Name), v) || !std::isfinite(v))
        throw SizingError("[" + std::string(box.Caption) + "]の値が数値ではありません。");
    return v;
}

void JoinReason(std::string& reason, std::string_view message) {
    if (!reason.empty()) reason += '\r';
    reason += message;
}

}  // namespace

const std::vector<SizingBox>& SizingBoxes() {
    // The gravity page's base width is not among them: it is the sum of the five widths.
    static const std::vector<SizingBox> boxes = {
        {"Edit36", "前面勾配幅", 0, true}, {"Edit37", "天端幅", 0, true},   {"Edit2", "背面勾配幅", 0, true},
        {"Edit38", "たて壁高さ", 0, false}, {"Edit39", "底板厚", 0, false},  {"Edit34", "つま先版幅", 0, true},
        {"Edit30", "かかと版幅", 0, true},  {"Edit51", "前面勾配幅", 1, false}, {"Edit52", "天端幅", 1, true},
        {"Edit55", "たて壁高さ", 1, false}, {"Edit56", "底板厚", 1, false},  {"Edit58", "つま先版幅", 1, true},
        {"Edit59", "底版幅", 1, false},     {"Edit60", "背面勾配幅", 1, false},
    };
    return boxes;
}

std::vector<SizingBox> SizingBoxesOf(int page) {
    std::vector<SizingBox> out;
    for (const SizingBox& b : SizingBoxes())
        if (b.Page == page) out.push_back(b);
    return out;
}

SizingBox FindSizingBox(const ControlSource& conditions, std::string_view nameOrCaption) {
    const int page = ActivePage(conditions);
    if (page == kGravityPage && (nameOrCaption == "Edit31" || nameOrCaption == "底版幅"))
        throw SizingError("重力式の[底版幅]は5つの幅の合計です。つま先版幅、かかと版幅などを変えて下さい。");
    for (const SizingBox& b : SizingBoxes())
        if (b.Page == page && (b.Name == nameOrCaption || b.Caption == nameOrCaption)) return b;
    for (const SizingBox& b : SizingBoxes())
        if (b.Name == nameOrCaption)
            throw SizingError("[" + std::string(b.Caption) + "](" + std::string(b.Name) + ")は" +
                              (b.Page == kGravityPage ? "重力式" : "もたれ式") + "の寸法です。");
    throw SizingError("'" + std::string(nameOrCaption) + "'は擁壁形状の寸法ではありません。");
}

SizingRange DefaultSizingRange(double current) {
    return {current, std::max(3.0 * current, current + 3000.0), kDefaultSizingStep};
}

SizingRange DefaultSizingRange(const ControlSource& conditions, std::string_view box) {
    return DefaultSizingRange(CurrentValue(conditions, FindSizingBox(conditions, box)));
}

std::string MillimetreText(double mm) {
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, mm + 0.0, std::chars_format::fixed);
    return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string("0");
}

std::vector<double> SizingValues(const SizingRange& range) {
    if (!std::isfinite(range.From) || !std::isfinite(range.To) || !std::isfinite(range.Step))
        throw SizingError("範囲と刻みは数値で指定して下さい。");
    if (!(range.Step > 0.0)) throw SizingError("刻みは0より大きくして下さい。");
    if (range.To < range.From) throw SizingError("範囲の終わりは始めより小さくできません。");
    // A millionth of a step absorbs the rounding of (To − From)/Step, so that To itself
    // is a candidate when it falls on a step.
    const double steps = std::floor((range.To - range.From) / range.Step + 1e-6);
    if (!(steps < static_cast<double>(kMaxSizingCandidates)))
        throw SizingError("候補が多すぎます(" + std::to_string(kMaxSizingCandidates) +
                          "個まで)。刻みを大きくするか範囲を狭めて下さい。");
    std::vector<double> values;
    const auto n = static_cast<std::size_t>(steps) + 1;
    values.reserve(n);
    for (std::size_t i = 0; i < n; ++i) values.push_back(range.From + static_cast<double>(i) * range.Step);
    return values;
}

bool AllChecksOk(const std::vector<SummaryRow>& rows, const std::vector<int>& reactionCases) {
    if (rows.empty()) return false;
    for (const SummaryRow& r : rows)
        if (!r.Ok) return false;
    for (const int c : reactionCases)
        if (c == 3 || c == 7) return false;
    return true;
}

std::optional<std::size_t> GoverningRow(const std::vector<SummaryRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].Ok && !rows[i].Ratio) return i;
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Ratio && (!best || *rows[i].Ratio > *rows[*best].Ratio)) best = i;
    return best;
}

SizingCandidate EvaluateCandidate(const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                                  const std::vector<std::pair<std::string, std::string>>& apply) {
    SizingCandidate c;
    c.Apply = apply;
    DesignConditionsForm form = conditions;
    try {
        for (const auto& [name, text] : apply) form.SetValue(name, text);
        if (form.Controls().Index("RadioGroup5") == 1) {
            const PairInputs inputs = PairInputsOf(form, stresses);
            const bool refused = CheckPairInputs(inputs, [&](const PairFinding& f) {
                if (f.Finding.Kind == FindingKind::Error) JoinReason(c.Reason, PairFindingMessage(f));
            });
            if (refused) {
                c.Status = CandidateStatus::Refused;
                return c;
            }
            const PairOutcome out = RunPair(inputs);
            c.Summary = out.Summary;
            c.AllOk = AllChecksOk(c.Summary, {out.Ordinary.Object.ReactionCase, out.Seismic.Object.ReactionCase});
        } else {
            const bool refused = CheckInputs(form.Controls(), stresses.Controls(), [&](const InputFinding& f) {
                if (f.Kind == FindingKind::Error) JoinReason(c.Reason, f.Message);
            });
            if (refused) {
                c.Status = CandidateStatus::Refused;
                return c;
            }
            const RunOutcome out = RunCalculation(form.Controls());
            c.Summary = SummariseCase(out, DesignCase::Ordinary);
            c.AllOk = AllChecksOk(c.Summary, {out.Object.ReactionCase});
        }
    } catch (const std::exception& e) {
        c.Status = CandidateStatus::Failed;
        c.Reason = e.what();
        c.Summary.clear();
        c.AllOk = false;
        return c;
    }
    c.Governing = GoverningRow(c.Summary);
    return c;
}

SizingResult RunSizing(const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                       std::string_view boxName, const SizingRange& range, const SizingOptions& options) {
    SizingResult result;
    result.Box = FindSizingBox(conditions.Controls(), boxName);
    result.Current = CurrentValue(conditions.Controls(), result.Box);
    result.Range = range;
    result.BothCases = conditions.Controls().Index("RadioGroup5") == 1;
    const std::vector<double> values = SizingValues(range);

    const bool follows = BaseFollows(result.Box);
    double base = 0.0;
    const std::string_view baseBox = BaseWidthBox(result.Box.Page);
    if (follows) {
        const std::string& text = conditions.Controls().Text(baseBox);
        if (!TryStrToFloat(text, base) || !std::isfinite(base))
            throw SizingError("[底版幅]の値が数値ではありません。");
    }

    result.Candidates.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::vector<std::pair<std::string, std::string>> apply;
        const std::string text = MillimetreText(values[i]);
        apply.emplace_back(std::string(result.Box.Name), text);
        double value = 0.0;
        TryStrToFloat(text, value);
        // The base width moves with the width by the same amount, so the widths still
        // add up to it.
        if (follows) apply.emplace_back(std::string(baseBox), MillimetreText(base + (value - result.Current)));
        SizingCandidate c = EvaluateCandidate(conditions, stresses, apply);
        c.Value = value;
        result.Candidates.push_back(std::move(c));
        if (!result.Smallest && result.Candidates.back().AllOk) result.Smallest = i;
        if (options.Progress && !options.Progress(i + 1, values.size())) {
            result.Cancelled = i + 1 < values.size();
            break;
        }
        if (options.StopAtFirstPass && result.Smallest) break;
    }
    return result;
}

SizingResult RunSizing(const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                       std::string_view boxName, const SizingOptions& options) {
    return RunSizing(conditions, stresses, boxName, DefaultSizingRange(conditions.Controls(), boxName), options);
}

std::string GuidanceText(const GuidanceItem& item) {
    if (item.Passing)
        return std::string(item.Box.Caption) + " " + MillimetreText(item.Current) + " → " +
               MillimetreText(*item.Passing) + " mm で全照査OK";
    return std::string(item.Box.Caption) + " " + MillimetreText(item.Current) + " 〜 " + MillimetreText(item.To) +
           " mm の範囲に全照査OKとなる値なし";
}

Guidance ComputeGuidance(const DesignConditionsForm& conditions, const AllowableStressForm& stresses,
                         const std::function<bool(std::size_t done, std::size_t total)>& progress) {
    Guidance g;
    const SizingCandidate now = EvaluateCandidate(conditions, stresses, {});
    g.Failing = !now.AllOk;
    if (!g.Failing) return g;

    const int page = ActivePage(conditions.Controls());
    // The widths in the order an engineer tries them: crest, toe, heel, then the slopes.
    const std::vector<std::string_view> order = page == kGravityPage
                                                    ? std::vector<std::string_view>{"Edit37", "Edit34", "Edit30",
                                                                                    "Edit36", "Edit2"}
                                                    : std::vector<std::string_view>{"Edit52", "Edit58"};
    std::size_t done = 0;
    for (const std::string_view name : order) {
        GuidanceItem item;
        item.Box = FindSizingBox(conditions.Controls(), name);
        double current = 0.0;
        if (!TryStrToFloat(conditions.Controls().Text(item.Box.Name), current) || !std::isfinite(current)) continue;
        item.Current = current;
        const SizingRange range = DefaultSizingRange(current);
        item.To = range.From + std::floor((range.To - range.From) / range.Step + 1e-6) * range.Step;
        SizingOptions options;
        options.StopAtFirstPass = true;
        try {
            const SizingResult r = RunSizing(conditions, stresses, item.Box.Name, range, options);
            if (r.Smallest) item.Passing = r.Candidates[*r.Smallest].Value;
        } catch (const SizingError&) {
            // A base width that is no number: no value of this width can be tried.
        }
        item.Text = GuidanceText(item);
        g.Items.push_back(std::move(item));
        ++done;
        if (progress && !progress(done, order.size())) break;
    }
    return g;
}

CandidateCells CandidateTableCells(const SizingCandidate& c) {
    CandidateCells cells;
    cells.Verdict = c.Status == CandidateStatus::Refused ? "入力不可"
                    : c.Status == CandidateStatus::Failed ? "計算不可"
                    : c.AllOk                             ? "OK"
                                                          : "NO";
    cells.Governing = "---";
    cells.Ratio = "---";
    if (c.Governing) {
        const SummaryRow& row = c.Summary[*c.Governing];
        cells.Governing = std::string(DesignCaseName(row.Case));
        cells.Governing.append(" ").append(SummaryCheckTitle(row.Check));
        if (row.Ratio) {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.3f", *row.Ratio);
            cells.Ratio = buffer;
        }
    }
    for (const auto& [name, text] : c.Apply) {
        if (!cells.Apply.empty()) cells.Apply += ' ';
        cells.Apply.append(name).append("=").append(text);
    }
    return cells;
}

}  // namespace stelvar
