#pragma once
// TTeisu: the design-conditions record and the wall outline. Lengths in m, forces in
// kN/m, pressures in kN/m2, concrete stresses in N/mm2, angles in radians.

#include <array>
#include <cstdint>

namespace stelvar {

enum class WallKind : std::int32_t { Gravity = 0, Leaning = 1 };

// Window settings that later stages read directly from the design-conditions window
// and that are not part of the record. They are read once, by the gathering step.
struct WindowSettings {
    bool UseCrackHeight = false;        // CheckBox7: crack height Zc shortens the loaded height
    bool KeyOn = false;                 // RadioGroup2 = 1 "有り"
    bool PassiveOn = false;             // CheckBox9 "①受働土圧"
    bool SurchargeOn = false;           // CheckBox1 "載荷重の有無"
    bool SnowOn = false;                // CheckBox4 "雪荷重の有無"
    bool WindOn = false;                // CheckBox5 "③風荷重"
    bool CollisionOn = false;           // CheckBox6 "④衝突荷重"
    bool SurchargeOnWholeSurface = false;  // RadioGroup8 = 1 "全面"
    bool SlabBuoyancyOn = false;        // CheckBox2 "底版の計算に浮力を考慮"
    double BlockLength = 0.0;           // ComboBox18: block length L between joints (m)
    std::int32_t OverturnMethod = 0;    // RadioGroup11: 0 allowable eccentricity, 1 safety factor
    double FmReq = 0.0;                 // LabeledEdit1 (ordinary) / LabeledEdit2 (seismic), method 1 only
    std::int32_t SoilType = 0;          // RadioGroup1 "土質" (report only)
    std::int32_t ColourMode = 0;        // RadioGroup4 "出力図色": 0 colour, 1 black and white
    double H0 = 0.0;                    // Edit54 effective embedment length (m), as entered
};

struct TTeisu {
    std::int32_t WallType = 0;
    std::array<double, 33> PointX{};
    std::array<double, 33> PointY{};
    double GammaS = 0.0;
    double C = 0.0;
    double Phi = 0.0;
    double GammaW = 0.0;
    double GammaC = 0.0;
    double SigmaCk = 0.0;
    double SigmaCa = 0.0;
    double SigmaCat = 0.0;
    double TauCa = 0.0;
    double SigmaCt = 0.0;
    double TauC = 0.0;
    double Qa0 = 0.0;
    double Qa = 0.0;
    double Mu = 0.0;
    double C2 = 0.0;
    double C1 = 0.0;
    double Cb = 0.0;
    double Phi1 = 0.0;
    std::int32_t Phi1Deg = 0;
    double Phi2 = 0.0;
    std::int32_t Phi2Deg = 0;
    double PhiB = 0.0;
    double Gamma1 = 0.0;
    double Gamma2 = 0.0;
    double Gamma1e = 0.0;
    double Gamma2e = 0.0;
    double Df = 0.0;
    double DfB = 0.0;
    std::int32_t BackfillShape = 0;
    double SlopeRun = 0.0;
    double Hs = 0.0;
    double N = 0.0;
    double Beta = 0.0;
    double Alpha = 0.0;
    double Q = 0.0;
    double QSlope = 0.0;
    double SwSlope = 0.0;
    double SwFlat = 0.0;
    std::int32_t SurchargeMode = 0;
    std::int32_t LoadCase = 0;
    std::int32_t SeismicMode = 0;
    double Kh = 0.0;
    double KhBody = 0.0;
    double Theta = 0.0;
    double CollisionForce = 0.0;
    double H3 = 0.0;
    double CollisionMoment = 0.0;
    double Lc = 0.0;
    double Pcol = 0.0;
    double WindForce = 0.0;
    double WindArm = 0.0;
    double WindMoment = 0.0;
    double H2 = 0.0;
    double PWind = 0.0;
    std::int32_t WaterOn = 0;
    double Hw = 0.0;
    double Pp = 0.0;
    double Kp = 0.0;

    WindowSettings Settings;
};

}  // namespace stelvar
