#pragma once
// TAntei: the calculation object of one run. Self-weight, stability, bearing capacity,
// slab reactions, sliding resistance and the member checks.

#include <optional>
#include <string>

#include "engine/pa.h"

namespace stelvar {

// Section forces and edge stresses of one stem section, in section coordinates
// (origin at the front edge of the section, x toward the back face, y up).
struct StemSection {
    double Depth = 0.0;
    double Width = 0.0;
    double W = 0.0, XW = 0.0, YW = 0.0;
    double HW = 0.0;
    double MW = 0.0, MHW = 0.0;
    double Pa = 0.0, Ph = 0.0, Pv = 0.0, YPa = 0.0;
    double XPv = 0.0;
    double MPh = 0.0, MPv = 0.0;
    double Pw = 0.0, HpW = 0.0, MPw = 0.0;
    double U = 0.0, XU = 0.0, MU = 0.0;
    double Qt = 0.0, QtV = 0.0, QtH = 0.0, QtX = 0.0, QtY = 0.0, QtMr = 0.0, QtMt = 0.0;
    double V = 0.0;
    double H = 0.0;
    double Mr = 0.0;
    double Mo = 0.0;
    double MrMo = 0.0;
    double D = 0.0;
    double E = 0.0;
    double SigmaC1 = 0.0, SigmaC2 = 0.0;
    std::string Verdict;  // "可" or "不可"
};

// Wedge results of the earth-pressure search for the fixed stem section, kept for the
// report's explanation of that section.
struct WedgeSnapshot {
    double Pa = 0.0, Omega = 0.0, Delta = 0.0, W = 0.0, Wd = 0.0, Uv = 0.0;
    double LSlip = 0.0, Zc = 0.0, Hc = 0.0;
};

// Plain-concrete check of a slab or the shear key, per metre strip.
struct MemberCheck {
    double S = 0.0;          // shear force (kN/m)
    double M = 0.0;          // bending moment (kNm/m)
    double Thickness = 0.0;  // d (m)
    double Z = 0.0;          // section modulus (cm3)
    double A = 0.0;          // section area (cm2)
    double SigmaCt = 0.0;    // bending tensile stress (N/mm2)
    double TauC = 0.0;       // shear stress (N/mm2)
    std::string Verdict;     // "可" or "不可"
};

struct TAntei : TPa {
    // Self-weight, inertia and buoyancy of the wall.
    double WallWeight = 0.0;
    double HW = 0.0;
    double XW = 0.0;
    double YW = 0.0;
    double MW = 0.0;
    double MHW = 0.0;
    double U = 0.0;
    double XU = 0.0;
    double MU = 0.0;

    // Load totals, resultant, eccentricity and ground reaction.
    double Vo = 0.0;
    double Ho = 0.0;
    double Mr = 0.0;
    double Mo = 0.0;
    double MrMo = 0.0;
    double XPv = 0.0;
    double YPh = 0.0;
    double D = 0.0;
    double E = 0.0;
    std::int32_t ReactionCase = 0;
    double Q1 = 0.0;
    double Q2 = 0.0;

    // Ground reactions at the slab roots and the key faces, slab weights and arms.
    double Q4 = 0.0;
    double Q5 = 0.0;
    double QKeyFront = 0.0;
    double QKeyBack = 0.0;
    double WcToe = 0.0, X1Toe = 0.0;
    double WcHeel = 0.0, X1Heel = 0.0;
    double WfToe = 0.0, X3Toe = 0.0;
    double WfHeel = 0.0, X3Heel = 0.0;
    double QsToe = 0.0, X2Toe = 0.0;
    double QsHeel = 0.0, X2Heel = 0.0;

    // Loaded length, parts of the base at the shear key, sliding.
    double LoadedLength = 0.0;
    double B1 = 0.0, B2 = 0.0, B3 = 0.0;
    double V1 = 0.0, V2 = 0.0, V3 = 0.0;
    double Hk = 0.0;
    double Fs = 0.0;
    double Ht = 0.0;
    double KeyMoment = 0.0;

    // Required safety factors.
    double FsSlideReq = 0.0;
    double FsBearReq = 0.0;

    // Ultimate bearing capacity.
    double Be = 0.0;
    double Kappa = 0.0;
    double Qover = 0.0;
    double TanTheta = 0.0;
    double AlphaShape = 0.0;
    double BetaShape = 0.0;
    double BlockLength = 0.0;
    double CStar = 0.0;
    double QStar = 0.0;
    double BStar = 0.0;
    double Sc = 0.0, Sq = 0.0, Sg = 0.0;
    double Nc = 0.0, Nq = 0.0, Ngamma = 0.0;
    double Qu = 0.0;

    // Copy of Ho; wall-face reaction of the leaning wall (simplified method).
    double HoCopy = 0.0;
    double BackReaction = 0.0;
    double Qv = 0.0;
    double Qh = 0.0;
    double Qv1 = 0.0;
    double Qv2 = 0.0;
    double BackReactionTop = 0.0;
    double Ma = 0.0;
    double Kd = 0.0;
    double FaceLength = 0.0;
    double KL = 0.0;
    double BackReactionLength = 0.0;
    double FaceAngle = 0.0;

    // Structural stage (set only when the ground reaction is computable).
    std::optional<StemSection> StemMid;
    std::optional<StemSection> StemFixed;
    std::optional<WedgeSnapshot> StemFixedWedge;
    std::optional<MemberCheck> ToeCheck;
    std::optional<MemberCheck> HeelCheck;
    std::optional<MemberCheck> KeyCheck;
};

}  // namespace stelvar
