#pragma once
// Field visitors: every field of the calculation object by its own name, for the
// machine-readable output of the headless program and for tests that compare objects.
// Keep in step with teisu.h, shape.h, pa.h and antei.h.

#include "engine/antei.h"

namespace stelvar {

#define STELVAR_FIELD(f) v(#f, o.f)

template <class Obj, class V>
void VisitTTeisuFields(Obj& o, V&& v) {
    STELVAR_FIELD(WallType);
    STELVAR_FIELD(PointX);
    STELVAR_FIELD(PointY);
    STELVAR_FIELD(GammaS);
    STELVAR_FIELD(C);
    STELVAR_FIELD(Phi);
    STELVAR_FIELD(GammaW);
    STELVAR_FIELD(GammaC);
    STELVAR_FIELD(SigmaCk);
    STELVAR_FIELD(SigmaCa);
    STELVAR_FIELD(SigmaCat);
    STELVAR_FIELD(TauCa);
    STELVAR_FIELD(SigmaCt);
    STELVAR_FIELD(TauC);
    STELVAR_FIELD(Qa0);
    STELVAR_FIELD(Qa);
    STELVAR_FIELD(Mu);
    STELVAR_FIELD(C2);
    STELVAR_FIELD(C1);
    STELVAR_FIELD(Cb);
    STELVAR_FIELD(Phi1);
    STELVAR_FIELD(Phi1Deg);
    STELVAR_FIELD(Phi2);
    STELVAR_FIELD(Phi2Deg);
    STELVAR_FIELD(PhiB);
    STELVAR_FIELD(Gamma1);
    STELVAR_FIELD(Gamma2);
    STELVAR_FIELD(Gamma1e);
    STELVAR_FIELD(Gamma2e);
    STELVAR_FIELD(Df);
    STELVAR_FIELD(DfB);
    STELVAR_FIELD(BackfillShape);
    STELVAR_FIELD(SlopeRun);
    STELVAR_FIELD(Hs);
    STELVAR_FIELD(N);
    STELVAR_FIELD(Beta);
    STELVAR_FIELD(Alpha);
    STELVAR_FIELD(Q);
    STELVAR_FIELD(QSlope);
    STELVAR_FIELD(SwSlope);
    STELVAR_FIELD(SwFlat);
    STELVAR_FIELD(SurchargeMode);
    STELVAR_FIELD(LoadCase);
    STELVAR_FIELD(SeismicMode);
    STELVAR_FIELD(Kh);
    STELVAR_FIELD(KhBody);
    STELVAR_FIELD(Theta);
    STELVAR_FIELD(CollisionForce);
    STELVAR_FIELD(H3);
    STELVAR_FIELD(CollisionMoment);
    STELVAR_FIELD(Lc);
    STELVAR_FIELD(Pcol);
    STELVAR_FIELD(WindForce);
    STELVAR_FIELD(WindArm);
    STELVAR_FIELD(WindMoment);
    STELVAR_FIELD(H2);
    STELVAR_FIELD(PWind);
    STELVAR_FIELD(WaterOn);
    STELVAR_FIELD(Hw);
    STELVAR_FIELD(Pp);
    STELVAR_FIELD(Kp);
}

template <class Obj, class V>
void VisitTShapeFields(Obj& o, V&& v) {
    STELVAR_FIELD(RegHigh);
    STELVAR_FIELD(RegX);
    STELVAR_FIELD(RegY);
    STELVAR_FIELD(LoadHigh);
    STELVAR_FIELD(LoadX);
    STELVAR_FIELD(LoadY);
}

// The earth-pressure results of a search (and the water pressure of its section).
template <class Obj, class V>
void VisitTPaFields(Obj& o, V&& v) {
    STELVAR_FIELD(SurfaceCase);
    STELVAR_FIELD(WdTrial);
    STELVAR_FIELD(PwWedge);
    STELVAR_FIELD(UvTrial);
    STELVAR_FIELD(WTrial);
    STELVAR_FIELD(Zc);
    STELVAR_FIELD(LSlip);
    STELVAR_FIELD(BSlope);
    STELVAR_FIELD(BFlat);
    STELVAR_FIELD(Pa);
    STELVAR_FIELD(Omega);
    STELVAR_FIELD(Delta);
    STELVAR_FIELD(Ka);
    STELVAR_FIELD(KaH);
    STELVAR_FIELD(KaV);
    STELVAR_FIELD(Ph);
    STELVAR_FIELD(Pv);
    STELVAR_FIELD(YPa);
    STELVAR_FIELD(Hc);
    STELVAR_FIELD(W);
    STELVAR_FIELD(Wd);
    STELVAR_FIELD(Uv);
    STELVAR_FIELD(MPv);
    STELVAR_FIELD(MPh);
    STELVAR_FIELD(Pw);
    STELVAR_FIELD(HpW);
    STELVAR_FIELD(MPw);
}

template <class Obj, class V>
void VisitTAnteiFields(Obj& o, V&& v) {
    STELVAR_FIELD(WallWeight);
    STELVAR_FIELD(HW);
    STELVAR_FIELD(XW);
    STELVAR_FIELD(YW);
    STELVAR_FIELD(MW);
    STELVAR_FIELD(MHW);
    STELVAR_FIELD(U);
    STELVAR_FIELD(XU);
    STELVAR_FIELD(MU);
    STELVAR_FIELD(Vo);
    STELVAR_FIELD(Ho);
    STELVAR_FIELD(Mr);
    STELVAR_FIELD(Mo);
    STELVAR_FIELD(MrMo);
    STELVAR_FIELD(XPv);
    STELVAR_FIELD(YPh);
    STELVAR_FIELD(D);
    STELVAR_FIELD(E);
    STELVAR_FIELD(ReactionCase);
    STELVAR_FIELD(Q1);
    STELVAR_FIELD(Q2);
    STELVAR_FIELD(Q4);
    STELVAR_FIELD(Q5);
    STELVAR_FIELD(QKeyFront);
    STELVAR_FIELD(QKeyBack);
    STELVAR_FIELD(WcToe);
    STELVAR_FIELD(X1Toe);
    STELVAR_FIELD(WcHeel);
    STELVAR_FIELD(X1Heel);
    STELVAR_FIELD(WfToe);
    STELVAR_FIELD(X3Toe);
    STELVAR_FIELD(WfHeel);
    STELVAR_FIELD(X3Heel);
    STELVAR_FIELD(QsToe);
    STELVAR_FIELD(X2Toe);
    STELVAR_FIELD(QsHeel);
    STELVAR_FIELD(X2Heel);
    STELVAR_FIELD(LoadedLength);
    STELVAR_FIELD(B1);
    STELVAR_FIELD(B2);
    STELVAR_FIELD(B3);
    STELVAR_FIELD(V1);
    STELVAR_FIELD(V2);
    STELVAR_FIELD(V3);
    STELVAR_FIELD(Hk);
    STELVAR_FIELD(Fs);
    STELVAR_FIELD(Ht);
    STELVAR_FIELD(KeyMoment);
    STELVAR_FIELD(FsSlideReq);
    STELVAR_FIELD(FsBearReq);
    STELVAR_FIELD(Be);
    STELVAR_FIELD(Kappa);
    STELVAR_FIELD(Qover);
    STELVAR_FIELD(TanTheta);
    STELVAR_FIELD(AlphaShape);
    STELVAR_FIELD(BetaShape);
    STELVAR_FIELD(BlockLength);
    STELVAR_FIELD(CStar);
    STELVAR_FIELD(QStar);
    STELVAR_FIELD(BStar);
    STELVAR_FIELD(Sc);
    STELVAR_FIELD(Sq);
    STELVAR_FIELD(Sg);
    STELVAR_FIELD(Nc);
    STELVAR_FIELD(Nq);
    STELVAR_FIELD(Ngamma);
    STELVAR_FIELD(Qu);
    STELVAR_FIELD(HoCopy);
    STELVAR_FIELD(BackReaction);
    STELVAR_FIELD(Qv);
    STELVAR_FIELD(Qh);
    STELVAR_FIELD(Qv1);
    STELVAR_FIELD(Qv2);
    STELVAR_FIELD(BackReactionTop);
    STELVAR_FIELD(Ma);
    STELVAR_FIELD(Kd);
    STELVAR_FIELD(FaceLength);
    STELVAR_FIELD(KL);
    STELVAR_FIELD(BackReactionLength);
    STELVAR_FIELD(FaceAngle);
}

template <class Obj, class V>
void VisitStemSectionFields(Obj& o, V&& v) {
    STELVAR_FIELD(Depth);
    STELVAR_FIELD(Width);
    STELVAR_FIELD(W);
    STELVAR_FIELD(XW);
    STELVAR_FIELD(YW);
    STELVAR_FIELD(HW);
    STELVAR_FIELD(MW);
    STELVAR_FIELD(MHW);
    STELVAR_FIELD(Pa);
    STELVAR_FIELD(Ph);
    STELVAR_FIELD(Pv);
    STELVAR_FIELD(YPa);
    STELVAR_FIELD(XPv);
    STELVAR_FIELD(MPh);
    STELVAR_FIELD(MPv);
    STELVAR_FIELD(Pw);
    STELVAR_FIELD(HpW);
    STELVAR_FIELD(MPw);
    STELVAR_FIELD(U);
    STELVAR_FIELD(XU);
    STELVAR_FIELD(MU);
    STELVAR_FIELD(Qt);
    STELVAR_FIELD(QtV);
    STELVAR_FIELD(QtH);
    STELVAR_FIELD(QtX);
    STELVAR_FIELD(QtY);
    STELVAR_FIELD(QtMr);
    STELVAR_FIELD(QtMt);
    STELVAR_FIELD(V);
    STELVAR_FIELD(H);
    STELVAR_FIELD(Mr);
    STELVAR_FIELD(Mo);
    STELVAR_FIELD(MrMo);
    STELVAR_FIELD(D);
    STELVAR_FIELD(E);
    STELVAR_FIELD(SigmaC1);
    STELVAR_FIELD(SigmaC2);
    STELVAR_FIELD(Verdict);
}

template <class Obj, class V>
void VisitWedgeSnapshotFields(Obj& o, V&& v) {
    STELVAR_FIELD(Pa);
    STELVAR_FIELD(Omega);
    STELVAR_FIELD(Delta);
    STELVAR_FIELD(W);
    STELVAR_FIELD(Wd);
    STELVAR_FIELD(Uv);
    STELVAR_FIELD(LSlip);
    STELVAR_FIELD(Zc);
    STELVAR_FIELD(Hc);
}

template <class Obj, class V>
void VisitMemberCheckFields(Obj& o, V&& v) {
    STELVAR_FIELD(S);
    STELVAR_FIELD(M);
    STELVAR_FIELD(Thickness);
    STELVAR_FIELD(Z);
    STELVAR_FIELD(A);
    STELVAR_FIELD(SigmaCt);
    STELVAR_FIELD(TauC);
    STELVAR_FIELD(Verdict);
}

#undef STELVAR_FIELD

}  // namespace stelvar
