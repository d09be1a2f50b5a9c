// The verification the program ships: it passes with the real engine, its references
// hold against each other and against the textbook numbers, and a wrong engine makes
// it fail.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "verify/closed_forms.h"
#include "verify/verification.h"
#include "verify/verification_report.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180;
namespace ref = reference;

std::set<std::string> FailedFamilies(const std::vector<VerificationCase>& cases) {
    std::set<std::string> failed;
    for (const VerificationCase& c : cases)
        if (!c.Ok) failed.insert(c.Family);
    return failed;
}

TEST(Verification, EveryCaseHoldsWithTheRealEngine) {
    const std::vector<VerificationCase> cases = RunVerification();
    ASSERT_GE(cases.size(), 40u);
    std::set<std::string> families;
    std::set<std::string> names;
    for (const VerificationCase& c : cases) {
        SCOPED_TRACE(c.Family + " / " + c.Case);
        families.insert(c.Family);
        EXPECT_TRUE(names.insert(c.Family + c.Case).second) << "two cases of one name";
        EXPECT_FALSE(c.Source.empty());
        EXPECT_FALSE(c.Inputs.empty());
        EXPECT_FALSE(c.ToleranceBasis.empty());
        EXPECT_TRUE(std::isfinite(c.Reference));
        EXPECT_TRUE(std::isfinite(c.Computed));
        // Tight: nothing is allowed more than a rounding to two decimals of 5.14.
        EXPECT_GT(c.Tolerance, 0.0);
        EXPECT_LE(c.Tolerance, 1e-3);
        EXPECT_TRUE(c.Ok) << "computed " << c.Computed << ", reference " << c.Reference << ", relative "
                          << c.RelDiff << " > " << c.Tolerance;
    }
    EXPECT_GE(families.size(), 5u);
    // Every family has a method note, and every note a family.
    std::set<std::string> noted;
    for (const VerificationFamily& f : VerificationFamilies()) noted.insert(f.Name);
    EXPECT_EQ(families, noted);
    EXPECT_TRUE(AllCasesOk(cases));
}

// The references are only worth what they agree with: the standard numbers of the bearing
// factors, and the classical special cases in which one closed form turns into another.
TEST(Verification, ReferencesMatchTheTextbookNumbersAndEachOther) {
    // Prandtl–Reissner as tabulated to two decimals.
    const struct {
        double PhiDeg, Nq, Nc;
    } factors[] = {{20, 6.40, 14.83}, {30, 18.40, 30.14}, {40, 64.20, 75.31}};
    for (const auto& f : factors) {
        EXPECT_NEAR(ref::PrandtlReissnerNq(f.PhiDeg * kDeg), f.Nq, 0.005) << f.PhiDeg;
        EXPECT_NEAR(ref::PrandtlReissnerNc(f.PhiDeg * kDeg), f.Nc, 0.005) << f.PhiDeg;
    }
    EXPECT_NEAR(ref::PrandtlReissnerNc(0.0), 5.14, 0.005);
    EXPECT_NEAR(ref::RankineKa(30 * kDeg, 0.0), 1.0 / 3.0, 1e-15);
    EXPECT_NEAR(ref::RankineKp(30 * kDeg), 3.0, 1e-14);

    for (double phiDeg : {25.0, 30.0, 35.0, 40.0}) {
        SCOPED_TRACE(phiDeg);
        const double phi = phiDeg * kDeg;
        const double beta = std::atan(1 / 4.0);
        // Coulomb without wall friction on a vertical face under a level surface is Rankine,
        // and with δ = β under a slope it is Rankine's slope too.
        EXPECT_NEAR(ref::CoulombKa(phi, 0, 0, 0), ref::RankineKa(phi, 0), 1e-15);
        EXPECT_NEAR(ref::CoulombKa(phi, 0, beta, beta), ref::RankineKa(phi, beta), 1e-15);
        // Mononobe–Okabe without an earthquake is Coulomb; the passive form is Rankine's.
        EXPECT_NEAR(ref::MononobeOkabeKa(phi, 0.3, beta, phi / 2, 0), ref::CoulombKa(phi, 0.3, beta, phi / 2), 1e-15);
        EXPECT_NEAR(ref::MononobeOkabeKp(phi, 0, 0, 0, 0), ref::RankineKp(phi), 1e-13);
        // The wedge written out at its critical angle is the closed form, for a gravity
        // and a leaning back face, level and sloping, ordinary and seismic; for Rankine
        // the critical angle is π/4 + φ/2.
        for (double alpha : {0.0, std::atan(0.3), -std::atan(0.3)}) {
            for (double theta : {0.0, std::atan(0.1)}) {
                const double w = ref::CriticalSlipAngle(phi, alpha, beta, phi / 2, theta);
                EXPECT_NEAR(ref::WedgeCoefficient(w, phi, alpha, beta, phi / 2, theta) /
                                ref::MononobeOkabeKa(phi, alpha, beta, phi / 2, theta),
                            1.0, 1e-13)
                    << alpha << " " << theta;
            }
        }
        EXPECT_NEAR(ref::CriticalSlipAngle(phi, 0, 0, 0, 0), kPi / 4 + phi / 2, 1e-7);
        // The inclined-load forms at their ends.
        EXPECT_NEAR(ref::InclinedNq(phi, 0) / ref::PrandtlReissnerNq(phi), 1.0, 1e-14);
        EXPECT_NEAR(ref::InclinedNq(phi, phi) / ((1 + std::sin(phi)) * std::exp((kPi / 2 - phi) * std::tan(phi))),
                    1.0, 1e-14);
        EXPECT_NEAR(ref::CohesiveInclined(phi, 0).Nc / ref::PrandtlReissnerNc(phi), 1.0, 1e-14);
        EXPECT_EQ(ref::CohesiveInclined(phi, 0).TanDelta, 0.0);
    }
}

// A wrong engine, passed through the seam of the verification, fails the family that
// checks what it breaks and leaves the others alone.
TEST(Verification, AFaultInTheEngineFailsTheReport) {
    using Search = std::function<void(TPa&, BackFaceKind, int, double, double, double)>;
    const Search real = TrialWedgeSearch;
    struct Fault {
        const char* Name;
        std::function<void(VerificationEngine&)> Apply;
        std::set<std::string> Failing;
    };
    const std::vector<Fault> faults = {
        {"wall friction with the wrong sign in the thrust's direction",
         [real](VerificationEngine& e) {
             e.WedgeSearch = [real](TPa& p, BackFaceKind k, int s, double he, double hl, double ht) {
                 real(p, k, s, he, hl, ht);
                 const double alpha = k == BackFaceKind::RealBackFace ? p.Alpha : 0.0;
                 p.KaH = std::cos(alpha - p.Delta) * p.Ka;
                 p.KaV = std::sin(alpha - p.Delta) * p.Ka;
             };
         },
         {"Coulomb主働土圧係数"}},
        {"back-face angle with the wrong sign",
         [real](VerificationEngine& e) {
             e.WedgeSearch = [real](TPa& p, BackFaceKind k, int s, double he, double hl, double ht) {
                 p.Alpha = -p.Alpha;
                 real(p, k, s, he, hl, ht);
             };
         },
         {"Coulomb主働土圧係数", "物部・岡部 地震時主働土圧係数"}},
        {"a hundredth of a degree too much φ in the wedge",
         [real](VerificationEngine& e) {
             e.WedgeSearch = [real](TPa& p, BackFaceKind k, int s, double he, double hl, double ht) {
                 p.Phi += 0.01 * kDeg;
                 real(p, k, s, he, hl, ht);
             };
         },
         {"Coulomb主働土圧係数", "物部・岡部 地震時主働土圧係数", "Rankine土圧係数(仮想背面)"}},
        {"seismic angle with the wrong sign in the passive pressure",
         [](VerificationEngine& e) {
             e.Passive = [](TPa& p) {
                 p.Theta = -p.Theta;
                 PassivePressure(p);
             };
         },
         {"受働土圧係数"}},
        {"Nc ignoring the inclination of the load",
         [](VerificationEngine& e) { e.Nc = [](double, double phi) { return BearingFactorNc(0.0, phi); }; },
         {"支持力係数"}},
        {"overturning moment with the thrust at mid-height",
         [](VerificationEngine& e) {
             e.Run = [](const ControlSource& c) {
                 RunOutcome r = RunCalculation(c);
                 r.Object.Mo = r.WholeWall.Ph * r.Object.PointY[4] / 2;
                 return r;
             };
         },
         {"安定計算(手計算)", "既定擁壁の回帰"}},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.Name);
        VerificationEngine engine;
        f.Apply(engine);
        const std::vector<VerificationCase> cases = RunVerification(engine);
        EXPECT_FALSE(AllCasesOk(cases));
        EXPECT_EQ(FailedFamilies(cases), f.Failing);
    }
}

// An engine operation that throws fails its own cases; the rest still run and the report
// is still written, with no value where there is none.
TEST(Verification, AnEngineErrorFailsItsCasesAndTheReportStillComesOut) {
    VerificationEngine engine;
    engine.Nq = [](int, double, double, double, double) -> BearingFactor {
        throw std::runtime_error("Nq broke");
    };
    const std::vector<VerificationCase> cases = RunVerification(engine);
    int failed = 0;
    for (const VerificationCase& c : cases) {
        if (c.Ok) continue;
        ++failed;
        EXPECT_EQ(c.Family, "支持力係数");
        EXPECT_EQ(c.Case.rfind("Nq", 0), 0u) << c.Case;
        EXPECT_NE(c.Inputs.find("Nq broke"), std::string::npos);
        const nlohmann::json j = VerificationCaseJson(c);
        EXPECT_TRUE(j["Computed"].is_null());
        EXPECT_TRUE(j["RelDiff"].is_null());
        EXPECT_EQ(j["OK"], false);
    }
    EXPECT_EQ(failed, 9);

    const VerificationReportInfo info{"3.0", "2026-01-02 03:04", "Linux test"};
    const std::string text = VerificationText(cases, info);
    EXPECT_NE(text.find("---"), std::string::npos);
    EXPECT_NE(text.find("許容差を超えた項目が 9件あります。"), std::string::npos);
    const std::string pdf = VerificationPdfBytes(cases, info, "20260102030400");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(pdf.find("nan"), std::string::npos);
}

TEST(Verification, ReportCarriesHeadingTableAndEveryCase) {
    const std::vector<VerificationCase> cases = RunVerification();
    const VerificationReportInfo info{"3.0", "2026-01-02 03:04", "Linux test x86_64"};
    const std::string text = VerificationText(cases, info);
    for (const char* s : {"Stelvar 検証報告書", "Stelvar 3.0", "2026-01-02 03:04", "Linux test x86_64", "分類",
                          "検証項目", "基準値", "出典", "計算値", "相対差", "許容差", "判定",
                          "すべての項目が許容差内にあります。", "土質定数"})
        EXPECT_NE(text.find(s), std::string::npos) << s;
    for (const VerificationCase& c : cases) EXPECT_NE(text.find(c.Case), std::string::npos) << c.Case;
    for (const VerificationFamily& f : VerificationFamilies())
        EXPECT_NE(text.find(f.Method), std::string::npos) << f.Name;

    const nlohmann::json j = VerificationCaseJson(cases.front());
    for (const char* field : {"Family", "Case", "Inputs", "Reference", "Source", "Computed", "RelDiff", "Tolerance",
                              "ToleranceBasis", "OK"})
        EXPECT_TRUE(j.contains(field)) << field;

    // The same cases and information give the same document.
    EXPECT_EQ(VerificationPdfBytes(cases, info, "20260102030400"), VerificationPdfBytes(cases, info, "20260102030400"));
}

}  // namespace
}  // namespace stelvar
