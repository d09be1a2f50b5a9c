#include "run/case_summary.h"

#include <algorithm>
#include <cmath>

namespace stelvar {
namespace {

// Whether a limit is kept strictly (|e| < B/6, d > B/2) or may be reached (σ ≤ σca).
enum class Limit { MayBeReached, Strict };

// On a strict limit the figure exactly on it does not satisfy the check: a ratio of
// exactly 1 is taken as the next number above 1.
double Marked(double ratio, Limit kind) {
    return kind == Limit::Strict && ratio == 1.0 ? std::nextafter(1.0, 2.0) : ratio;
}

// A limit that the figure must not exceed (demand ≤ limit, or < when strict): the ratio
// demand/limit. With a positive limit the quotient of two doubles is ≤ 1 exactly when
// demand ≤ limit, the rounding of the division being monotonic and limit/limit being 1.
// No demand at all (a figure of zero or below that the check holds within the limit, a
// mean reaction that lifts off, say) uses none of the capacity: 0. Any other figure
// against a limit of zero or below has no ratio.
std::optional<double> DemandOverLimit(double demand, double limit, Limit kind = Limit::MayBeReached) {
    if (!std::isfinite(demand) || !std::isfinite(limit)) return std::nullopt;
    const bool within = kind == Limit::Strict ? demand < limit : demand <= limit;
    if (demand <= 0.0 && within) return 0.0;
    if (limit > 0.0) return Marked(demand / limit, kind);
    return std::nullopt;
}

// A figure that must reach a required value (provided ≥ required, or > when strict): the
// ratio required/provided, for a positive provided figure. Nothing required (a required
// value of zero or below that the figure reaches) is the ratio 0.
std::optional<double> RequiredOverProvided(double required, double provided,
                                           Limit kind = Limit::MayBeReached) {
    if (!std::isfinite(required) || !std::isfinite(provided)) return std::nullopt;
    const bool reached = kind == Limit::Strict ? provided > required : provided >= required;
    if (required <= 0.0) return reached ? std::optional<double>(0.0) : std::nullopt;
    if (provided <= 0.0) return std::nullopt;
    return Marked(required / provided, kind);
}

// A figure to show: none when it is not finite; a negative zero shown as zero.
std::optional<double> Finite(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    return x + 0.0;
}

// The edge stress of a stem section against its limit: compression against σca, tension
// (a negative stress) against |σcat|, as the section's verdict holds them.
struct EdgeRatio {
    std::optional<double> Ratio;
    double Stress = 0.0;
    double Limit = 0.0;
};

EdgeRatio StemEdge(const TAntei& a, double sigma) {
    EdgeRatio r;
    r.Stress = std::fabs(sigma);
    r.Limit = sigma >= 0.0 ? a.SigmaCa : std::fabs(a.SigmaCat);
    r.Ratio = DemandOverLimit(r.Stress, r.Limit);
    return r;
}

// The larger of two ratios, with the stress and limit it came from; none when either
// cannot be computed (the check then has no margin to show).
EdgeRatio Larger(const EdgeRatio& x, const EdgeRatio& y) {
    if (!x.Ratio || !y.Ratio) return EdgeRatio{};
    return *y.Ratio > *x.Ratio ? y : x;
}

SummaryRow Row(DesignCase c, SummaryCheck check, bool ok, std::string_view unit) {
    SummaryRow r;
    r.Case = c;
    r.Check = check;
    r.Ok = ok;
    r.Unit = unit;
    return r;
}

SummaryRow SlidingRow(const RunOutcome& o, DesignCase c) {
    const TAntei& a = o.Object;
    SummaryRow r = Row(c, SummaryCheck::Sliding, o.Checks.Sliding, "");
    r.Limit = Finite(a.FsSlideReq);
    // Without a ground reaction there is no safety factor against sliding.
    if (StructuralStageRuns(a)) {
        r.Value = Finite(a.Fs);
        r.Ratio = RequiredOverProvided(a.FsSlideReq, a.Fs);
    }
    return r;
}

SummaryRow OverturningRow(const RunOutcome& o, DesignCase c) {
    const TAntei& a = o.Object;
    const bool ok = o.Checks.Overturning;
    if (a.Settings.OverturnMethod == 1) {
        SummaryRow r = Row(c, SummaryCheck::Overturning, ok, "");
        r.Limit = Finite(a.Settings.FmReq);
        if (a.Mo <= 0.0) {
            // Nothing tips the wall over: no factor, and no demand on it.
            if (ok) r.Ratio = 0.0;
        } else {
            r.Value = Finite(o.Checks.Fm);
            r.Ratio = RequiredOverProvided(a.Settings.FmReq, o.Checks.Fm);
        }
        return r;
    }
    const double B = a.PointX[9];
    const bool seismic = a.LoadCase == 1;
    SummaryRow r = Row(c, SummaryCheck::Overturning, ok, "m");
    if (a.WallType == 0) {
        // |e| < B/6 (ordinary) or < B/3 (seismic).
        const double limit = seismic ? B / 3 : B / 6;
        r.Value = Finite(std::abs(a.E));
        r.Limit = Finite(limit);
        r.Ratio = DemandOverLimit(std::abs(a.E), limit, Limit::Strict);
    } else {
        // d > B/2 (ordinary) or d ≥ B/3 (seismic).
        const double limit = seismic ? B / 3 : B / 2;
        r.Value = Finite(a.D);
        r.Limit = Finite(limit);
        r.Ratio = RequiredOverProvided(limit, a.D, seismic ? Limit::MayBeReached : Limit::Strict);
    }
    return r;
}

SummaryRow GroundReactionRow(const RunOutcome& o, DesignCase c) {
    const TAntei& a = o.Object;
    SummaryRow r = Row(c, SummaryCheck::GroundReaction, o.Checks.GroundReaction, "kN/m2");
    r.Limit = Finite(a.Qa);
    if (a.ReactionCase == 3) return r;  // resultant outside the middle two thirds: no reaction
    const bool simplified = a.ReactionCase == 5 || a.ReactionCase == 6;
    const double q1 = simplified ? a.Qv1 : a.Q1;
    const double q2 = simplified ? a.Qv2 : a.Q2;
    const double q = std::max(q1, q2);
    r.Value = Finite(q);
    // No reaction at all, or a base that would pull on the ground: no margin to show.
    if ((q1 == 0.0 && q2 == 0.0) || q1 < 0.0 || q2 < 0.0) return r;
    r.Ratio = DemandOverLimit(q, a.Qa);
    return r;
}

SummaryRow BearingRow(const RunOutcome& o, DesignCase c) {
    const TAntei& a = o.Object;
    const Verdicts& v = o.Checks;
    SummaryRow r = Row(c, SummaryCheck::Bearing, v.Bearing, "kN/m2");
    // Be ≤ 0: the resultant at or beyond the toe leaves no bearing width.
    if (!(a.Be > 0.0)) return r;
    r.Value = Finite(v.MeanReaction);
    // A qu formed with a factor that has no solution is no capacity at all.
    if (MissingFactorsOf(a).Any()) return r;
    r.Limit = Finite(v.AllowableBearing);
    r.Ratio = DemandOverLimit(v.MeanReaction, v.AllowableBearing);
    return r;
}

SummaryRow StemRow(const TAntei& a, const StemSection& s, DesignCase c, SummaryCheck check) {
    SummaryRow r = Row(c, check, s.Verdict == "可", "N/mm2");
    if (!(s.Width > 0.0)) return r;
    const EdgeRatio e = Larger(StemEdge(a, s.SigmaC1), StemEdge(a, s.SigmaC2));
    if (!e.Ratio) return r;
    r.Value = Finite(e.Stress);
    r.Limit = Finite(e.Limit);
    r.Ratio = e.Ratio;
    return r;
}

SummaryRow MemberRow(const TAntei& a, const MemberCheck& m, DesignCase c, SummaryCheck check) {
    SummaryRow r = Row(c, check, m.Verdict == "可", "N/mm2");
    if (!(m.Thickness > 0.0)) return r;
    EdgeRatio bending{DemandOverLimit(std::fabs(m.SigmaCt), a.SigmaCat), std::fabs(m.SigmaCt), a.SigmaCat};
    EdgeRatio shear{DemandOverLimit(std::fabs(m.TauC), a.TauCa), std::fabs(m.TauC), a.TauCa};
    const EdgeRatio e = Larger(bending, shear);
    if (!e.Ratio) return r;
    r.Value = Finite(e.Stress);
    r.Limit = Finite(e.Limit);
    r.Ratio = e.Ratio;
    return r;
}

// A ratio that could not agree with the printed verdict (a figure the check does not
// read the way the ratio does, such as an infinite one) is not shown.
void Settle(SummaryRow& r) {
    if (r.Ratio && (!std::isfinite(*r.Ratio) || (*r.Ratio <= 1.0) != r.Ok)) r.Ratio.reset();
}

}  // namespace

std::string_view DesignCaseName(DesignCase c) { return c == DesignCase::Ordinary ? "常時" : "地震時"; }

std::string_view SummaryCheckKey(SummaryCheck c) {
    switch (c) {
        case SummaryCheck::Sliding: return "Sliding";
        case SummaryCheck::Overturning: return "Overturning";
        case SummaryCheck::GroundReaction: return "GroundReaction";
        case SummaryCheck::Bearing: return "Bearing";
        case SummaryCheck::StemMid: return "StemMid";
        case SummaryCheck::StemFixed: return "StemFixed";
        case SummaryCheck::Toe: return "Toe";
        case SummaryCheck::Heel: return "Heel";
        case SummaryCheck::Key: return "Key";
    }
    return "";
}

std::string_view SummaryCheckTitle(SummaryCheck c) {
    switch (c) {
        case SummaryCheck::Sliding: return "滑動";
        case SummaryCheck::Overturning: return "転倒";
        case SummaryCheck::GroundReaction: return "地盤反力度";
        case SummaryCheck::Bearing: return "鉛直支持力";
        case SummaryCheck::StemMid: return "たて壁中間部";
        case SummaryCheck::StemFixed: return "たて壁固定部";
        case SummaryCheck::Toe: return "つま先版";
        case SummaryCheck::Heel: return "かかと版";
        case SummaryCheck::Key: return "突起";
    }
    return "";
}

std::vector<SummaryRow> SummariseCase(const RunOutcome& outcome, DesignCase designCase) {
    const TAntei& a = outcome.Object;
    std::vector<SummaryRow> rows;
    rows.push_back(SlidingRow(outcome, designCase));
    rows.push_back(OverturningRow(outcome, designCase));
    rows.push_back(GroundReactionRow(outcome, designCase));
    rows.push_back(BearingRow(outcome, designCase));
    if (a.StemMid) rows.push_back(StemRow(a, *a.StemMid, designCase, SummaryCheck::StemMid));
    if (a.StemFixed) rows.push_back(StemRow(a, *a.StemFixed, designCase, SummaryCheck::StemFixed));
    if (a.ToeCheck) rows.push_back(MemberRow(a, *a.ToeCheck, designCase, SummaryCheck::Toe));
    if (a.HeelCheck) rows.push_back(MemberRow(a, *a.HeelCheck, designCase, SummaryCheck::Heel));
    if (a.KeyCheck) rows.push_back(MemberRow(a, *a.KeyCheck, designCase, SummaryCheck::Key));

    SummaryRow* governing = nullptr;
    for (SummaryRow& r : rows) {
        Settle(r);
        if (r.Ratio && (!governing || *r.Ratio > *governing->Ratio)) governing = &r;
    }
    if (governing) governing->Governing = true;
    return rows;
}

}  // namespace stelvar
