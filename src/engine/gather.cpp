// Gathering of the design conditions from the controls of the design-conditions window.

#include <cmath>
#include <numbers>

#include "engine/engine.h"
#include "engine/float_errors.h"
#include "text/number.h"

namespace stelvar {
namespace {

constexpr double kPi = std::numbers::pi;

// Submerged unit weight of soil is the unit weight less this fixed value, whatever
// unit weight of water is entered.
constexpr double kWaterReduction = 9.0;

class Reader {
public:
    explicit Reader(const ControlSource& c) : c_(c) {}
    double Num(std::string_view name) const { return StrToFloat(c_.Text(name)); }
    std::int32_t Int(std::string_view name) const { return StrToInt(c_.Text(name)); }
    double Deg(std::string_view name) const { return Num(name) * kPi / 180; }
    int Index(std::string_view name) const { return c_.Index(name); }
    bool Checked(std::string_view name) const { return c_.Checked(name); }

private:
    const ControlSource& c_;
};

// Outline edits of the active wall-type page, in millimetres.
struct PageEdits {
    const char* B;
    const char* tT;
    const char* wF;
    const char* wC;
    const char* wK;  // nullptr: the leaning wall has no heel
    const char* hS;
    const char* hB;
    const char* wB;  // back slope width, only for the back-face angle
};

constexpr PageEdits kGravityPage{"Edit31", "Edit34", "Edit36", "Edit37", "Edit30",
                                 "Edit38", "Edit39", "Edit2"};
constexpr PageEdits kLeaningPage{"Edit59", "Edit58", "Edit51", "Edit52", nullptr,
                                 "Edit55", "Edit56", "Edit60"};

void ReadSwitches(WindowSettings& s, const Reader& r) {
    s.UseCrackHeight = r.Checked("CheckBox7");
    s.KeyOn = r.Index("RadioGroup2") == 1;
    s.PassiveOn = r.Checked("CheckBox9");
    s.SurchargeOn = r.Checked("CheckBox1");
    s.SnowOn = r.Checked("CheckBox4");
    s.WindOn = r.Checked("CheckBox5");
    s.CollisionOn = r.Checked("CheckBox6");
    s.SurchargeOnWholeSurface = r.Index("RadioGroup8") == 1;
    s.SlabBuoyancyOn = r.Checked("CheckBox2");
    s.OverturnMethod = r.Index("RadioGroup11");
    s.SoilType = r.Index("RadioGroup1");
    s.ColourMode = r.Index("RadioGroup4");
}

}  // namespace

void Gather(TTeisu& t, const ControlSource& controls) {
    const Reader r(controls);
    ReadSwitches(t.Settings, r);

    t.WallType = r.Index("PageControl2") == 1 ? 1 : 0;

    t.GammaS = r.Num("Edit15");
    t.Phi = r.Deg("Edit14");
    t.C = r.Num("Edit21");
    t.GammaC = r.Num("ComboBox7");
    t.GammaW = r.Num("ComboBox8");
    t.Qa0 = r.Num("Edit16");
    t.C2 = r.Num("LabeledEdit8");
    t.C1 = r.Num("Edit3");
    t.Cb = r.Num("Edit18");
    t.Mu = r.Num("Edit17");
    t.Phi2Deg = r.Int("LabeledEdit7");
    t.Phi2 = r.Deg("LabeledEdit7");
    t.Phi1Deg = r.Int("Edit42");
    t.Phi1 = r.Deg("Edit42");

    // A precast body slides on a smoother base than one cast against the ground.
    t.PhiB = r.Index("RadioGroup3") == 1 ? 2.0 / 3.0 * t.Phi1 : t.Phi1;

    t.Gamma1 = r.Num("LabeledEdit5");
    t.Gamma2 = r.Num("LabeledEdit4");
    t.Df = r.Num("LabeledEdit3");
    t.DfB = r.Num("LabeledEdit6");
    t.SurchargeMode = r.Index("RadioGroup6");
    t.Q = r.Num("Edit1");
    t.SwSlope = r.Num("Edit13");
    t.SwFlat = r.Num("Edit43");
    t.QSlope = t.Settings.SurchargeOnWholeSurface ? t.Q : 0.0;

    if (r.Checked("CheckBox3")) {
        t.WaterOn = 1;
        t.Hw = r.Num("Edit62");
    } else {
        t.WaterOn = 0;
        t.Hw = 0.0;
    }

    if (t.WaterOn == 1) {
        // Embedment ground: unit weight averaged over the depth, submerged below the
        // water level. Without embedment depth there is nothing to average.
        if (t.Df > t.Hw && t.Df > 0.0)
            t.Gamma2e = ((t.Df - t.Hw) * t.Gamma2 + t.Hw * (t.Gamma2 - kWaterReduction)) / t.Df;
        else
            t.Gamma2e = t.Gamma2 - kWaterReduction;
        t.Gamma1e = t.Gamma1 - kWaterReduction;
    } else {
        t.Gamma2e = t.Gamma2;
        t.Gamma1e = t.Gamma1;
    }

    t.H2 = r.Num("ComboBox3");
    t.PWind = r.Num("ComboBox2");
    t.H3 = r.Num("ComboBox9");
    t.Pcol = r.Num("ComboBox4");
    t.Lc = r.Num("Edit63");

    t.LoadCase = r.Index("RadioGroup5") == 1 ? 1 : 0;
    if (t.LoadCase == 0) {
        t.SeismicMode = 0;
        t.Kh = 0.0;
        t.KhBody = 0.0;
        t.Theta = 0.0;
    } else {
        t.Kh = r.Num("Edit61");
        switch (r.Index("RadioGroup9")) {
            case 0:  // ordinary earth pressure + inertia of the body
                t.SeismicMode = 1;
                t.KhBody = t.Kh;
                t.Theta = 0.0;
                break;
            case 2:  // seismic earth pressure only
                t.SeismicMode = 4;
                t.KhBody = 0.0;
                t.Theta = std::atan(t.Kh);
                break;
            default:  // seismic earth pressure + inertia of the body (the window's default)
                t.SeismicMode = 2;
                t.KhBody = t.Kh;
                t.Theta = std::atan(t.Kh);
                break;
        }
    }

    t.SigmaCk = r.Num("Edit50");
    t.SigmaCa = r.Num("Edit23");
    t.SigmaCat = r.Num("Edit24");
    t.TauCa = r.Num("Edit25");

    t.BackfillShape = r.Index("TabControl1") + 1;
    if (t.BackfillShape == 2) {
        t.N = r.Num("ComboBox1");
        t.Hs = 0.0;
    } else if (t.BackfillShape == 3) {
        t.N = r.Num("ComboBox1");
        t.Hs = r.Num("Edit28") * 0.001;
    } else {
        t.BackfillShape = 1;
        t.N = 0.0;
        t.Hs = 0.0;
    }
    t.SlopeRun = t.Hs * t.N;
    t.Beta = t.N != 0.0 ? std::atan(1 / t.N) : 0.0;

    const PageEdits& page = t.WallType == 0 ? kGravityPage : kLeaningPage;

    // Back-face angle from the back slope width over the stem height (both mm).
    const double backWidth = r.Num(page.wB);
    const double stemHeight = r.Num(page.hS);
    if (stemHeight == 0.0) throw EngineError(kFloatDivisionByZero);
    t.Alpha = t.WallType == 0 ? std::atan(backWidth / stemHeight)
                              : -std::atan(backWidth / stemHeight);

    double B = r.Num(page.B);
    double tT = r.Num(page.tT);
    const double wF = r.Num(page.wF);
    const double wC = r.Num(page.wC);
    double wK = page.wK != nullptr ? r.Num(page.wK) : 0.0;
    const double hS = stemHeight;
    const double hB = r.Num(page.hB);
    if (hB < 0.01) {
        // No base slab: the base shrinks to the foot of the stem.
        B = B - tT - wK;
        tT = 0.0;
        wK = 0.0;
    }

    WallDimensions dims;
    dims.B = B * 0.001;
    dims.tT = tT * 0.001;
    dims.wF = wF * 0.001;
    dims.wC = wC * 0.001;
    dims.wK = wK * 0.001;
    dims.hS = hS * 0.001;
    dims.hB = hB * 0.001;
    if (t.Settings.KeyOn) {
        dims.kp = r.Num("Edit35") * 0.001;
        dims.kw = r.Num("Edit40") * 0.001;
        dims.kd = r.Num("Edit41") * 0.001;
    }
    t.Settings.H0 = r.Num("Edit54");
    dims.H0 = t.Settings.H0;
    BuildOutline(t, dims);

    t.Settings.BlockLength = r.Num("ComboBox18");
    t.Settings.FmReq = 0.0;
    if (t.Settings.OverturnMethod == 1)
        t.Settings.FmReq = r.Num(t.LoadCase == 1 ? "LabeledEdit2" : "LabeledEdit1");
}

}  // namespace stelvar
