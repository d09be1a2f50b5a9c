// Section "Ⅳ-1．構造(たて壁)": the fixed section's force explanation, the force tables of
// both stem sections, the stress text and table, and the stress chart.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "forms/design_conditions.h"
#include "report/report_colours.h"
#include "report/results_setup.h"
#include "report/write_stem.h"
#include "report_fixtures.h"
#include "run/calculation.h"
#include "golden.h"

namespace stelvar {
namespace {

// The structural stage of a run as the run drives it: set-up at program start (for the
// wall type selected then), the reset before the run, steps 1-14, the stem design, and
// the stem report.
struct StemRun {
    ResultsStore Store;
    TAntei Object;
};

void RunInto(StemRun& r, const DesignConditionsForm& form) {
    ResetResultGrids(r.Store);
    r.Object = TAntei{};
    CalculationSequence(r.Object, form.Controls());
    StemDesign(r.Object);
    WriteStemReport(r.Object, r.Store);
}

StemRun RunStem(const DesignConditionsForm& form, int setUpWallType = 0) {
    StemRun r;
    SetUpResultsWindow(r.Store, setUpWallType);
    RunInto(r, form);
    return r;
}

DesignConditionsForm LeaningWall() {
    DesignConditionsForm f;
    f.SetIndex("PageControl2", 1);
    return f;
}

void ExpectReport(const ResultsStore& s, std::string_view forces, std::string_view otherForces,
                  std::string_view stresses, std::string_view midTable,
                  std::string_view fixedTable, std::string_view stressTable) {
    {
        SCOPED_TRACE("ListBox8");
        ExpectLines(s.List("ListBox8").Lines, forces);
    }
    {
        SCOPED_TRACE("ListBox19");
        ExpectLines(s.List("ListBox19").Lines, otherForces);
    }
    {
        SCOPED_TRACE("ListBox14");
        ExpectLines(s.List("ListBox14").Lines, stresses);
    }
    {
        SCOPED_TRACE("StringGrid1");
        ExpectLines(GridRows(s.Grid("StringGrid1")), midTable);
    }
    {
        SCOPED_TRACE("StringGrid5");
        ExpectLines(GridRows(s.Grid("StringGrid5")), fixedTable);
    }
    {
        SCOPED_TRACE("StringGrid3");
        ExpectLines(GridRows(s.Grid("StringGrid3")), stressTable);
    }
}

// ---- Goldens ------------------------------------------------------------------------
// Default gravity wall. The fixed section is the stem foot (H = 3.0 m); the wedge is that
// of the section's own search (W 95.75 kN, L 3.308 m, not the whole wall's 107.24 kN),
// Ph = Pa·cos(δ+α) = 49.0085·cos 0.7290, h = H/3 with the surcharge inside the wedge.
constexpr std::string_view kGravityForces = R"(
1.たて壁の計算
    躯体の各水平断面においてその断面より上部に
  作用する土圧と自重によって生じる応力度が許容
  応力度以下になるように設計する。

  部材設計において考慮する荷重は、
  常時土圧、自重とする。

(a)土圧の計算
   たて壁の固定端(H=3.000m)における土圧を求める
   主働土圧は、試行くさび法により求める。
   尚、土圧合力(Pa)は、壁面に直接作用させる。

       W･sin(ω-φ)-c･L･cosφ
   Pa=------------------------     =49.01kN
         cos(ω-φ-α-δ)
   Ph(水平土圧)    =Pa･cos(δ+α)  =36.55kN
   Pv(鉛直土圧)    =Pa･sin(δ+α)  =32.65kN

   ここに
     Ｗ(すべり土塊の重量)          =95.75kN
     ω(すべり角)          =1.14rad=65.08度
     φ(背面土せん断抵抗角)        =35.0度
     α(壁面が鉛直となす角)        =18.43度
     δ(壁面摩擦角)                =23.33度
     c (粘着力)                    =0.0kN/m2
     Ｌ(滑り面長)                  =3.308m
     γs(土の単位重量)             =20.0kN/m3

(b)断面力(土圧)の計算
   たて壁の固定端(H=3.000m)における曲げ
   ﾓｰﾒﾝﾄ(M)及び剪断力(S)は、次式で求める。

   M(曲げﾓｰﾒﾝﾄ)    =Ph･h           =36.55kN･m
   S(剪断力)       =Ph             =36.55kN

   ここに
     Ph(水平土圧)  =Pa･cos(δ+α)  =36.55kN
     h (土圧作用点)                =1.000m)";

constexpr std::string_view kGravityOtherForces = R"(
(c)断面力(地震慣性力)の計算
   常時であり、地震慣性力はない。

(d)断面力(水圧)の計算
   水圧は無い。

以下、同様に各高さの土圧、断面力
を求める。

計算結果を[表]に示す。)";

// σc1/σc2: 0.0417/0.0213 at mid-height, 0.0896/0.0259 N/mm2 at the foot (the
// reference figures); N at the foot 32.65 + 82.80, d = (130.77 − 36.55)/115.45.
constexpr std::string_view kGravityStresses = R"(
(e)応力度計算
　　ｺﾝｸﾘｰﾄ断面の縁応力度(σc1、σc2)が、
　　次式を満足するように設計する。

　　　　　　　 N　　　N･e
　　σc1,σc2=--- ± -----　≦σca,σcat
　　　　　　　 A　　　 W 

　　ここに
　　　　σca (許容圧縮応力度)=4.50N/mm2
　　　　σcat(許容引張応力度)=0.22N/mm2

　高さH=1.500m断面の計算結果を示す。

　　σc1(圧縮応力度)　　　　=0.04N/mm2 (≦σca=4.50N/mm2)
　　σc2(圧縮応力度)　　　　=0.02N/mm2 (≦σca=4.50N/mm2)
　　N(軸方向力)　　　　　　 =37.80kN
　　A(ｺﾝｸﾘｰﾄ全断面積)       =1.200m2
　　W(断面係数)=1.0･B^2/6   =0.240m3
　　B(照査位置の躯体幅)　　 =1.200m
　　　　　　　　　　Mr-Mo
　　d (作用点位置)=-------　=0.535m
　　　　　　　　　　　N
　　Mr(抵抗ﾓｰﾒﾝﾄ)　　　　　 =25.95kNm
　　Mo(転倒ﾓｰﾒﾝﾄ)　　　　　 =5.71kNm
　　e (偏心距離)　=B/2-d　　=0.065m


　高さH=3.000m断面の計算結果を示す。

　　σc1(圧縮応力度)　　　　=0.09N/mm2 (≦σca=4.50N/mm2)
　　σc2(圧縮応力度)　　　　=0.03N/mm2 (≦σca=4.50N/mm2)
　　N(軸方向力)　　　　　　 =115.45kN
　　A(ｺﾝｸﾘｰﾄ全断面積)       =2.000m2
　　W(断面係数)=1.0･B^2/6   =0.667m3
　　B(照査位置の躯体幅)　　 =2.000m
　　　　　　　　　　Mr-Mo
　　d (作用点位置)=-------　=0.816m
　　　　　　　　　　　N
　　Mr(抵抗ﾓｰﾒﾝﾄ)　　　　　 =130.77kNm
　　Mo(転倒ﾓｰﾒﾝﾄ)　　　　　 =36.55kNm
　　e (偏心距離)　=B/2-d　　=0.184m


 計算結果を一覧表[表]に示す。)";

// Stem part above H = 1.5 m: a trapezoid 0.4 → 1.2 m wide, 1.2 m2 × 23 kN/m3 = 27.6 kN;
// XPv = B − tan α·YPa = 1.2 − 0.5/3. Without water rows 3 and 4 keep the run's "---".
constexpr std::string_view kGravityMidTable = R"(
H=1.50m|鉛直力V|水平力H|作用点x|作用点y|ﾓｰﾒﾝﾄV･x|ﾓｰﾒﾝﾄH･y
自重|27.60kN|0.00kN|0.558m|0.625m|15.41kNm|0.00kNm
土圧|10.20kN|11.42kN|1.033m|0.500m|10.54kNm|5.71kNm
水圧|---|---|---|---|---|---
浮力|---|---|---|---|---|---
合計|37.80kN|11.42kN|---|---|25.95kNm|5.71kNm)";

constexpr std::string_view kGravityFixedTable = R"(
H=3.00m|鉛直力V|水平力H|作用点x|作用点y|ﾓｰﾒﾝﾄV･x|ﾓｰﾒﾝﾄH･y
自重|82.80kN|0.00kN|0.922m|1.167m|76.36kNm|0.00kNm
土圧|32.65kN|36.55kN|1.667m|1.000m|54.41kNm|36.55kNm
水圧|---|---|---|---|---|---
浮力|---|---|---|---|---|---
合計|115.45kN|36.55kN|---|---|130.77kNm|36.55kNm)";

constexpr std::string_view kGravityStressTable = R"(
位置|中間部|固定部
高さ(H)|1.500m|3.000m
軸方向力N|37.80kN|115.45kN
Σﾓｰﾒﾝﾄ|20.24kNm|94.22kNm
作用位置(d)|0.535m|0.816m
偏心距離(e)|0.065m|0.184m
躯体幅(B)|1.200m|2.000m
応力度σc1|0.04N/mm2|0.09N/mm2
応力度σc2|0.02N/mm2|0.03N/mm2
判定|可|可)";

// Default leaning wall (ReactionCase 6): α is negative (the wall overhangs its backfill).
constexpr std::string_view kLeaningForces = R"(
1.たて壁の計算
    躯体の各水平断面においてその断面より上部に
  作用する土圧と自重によって生じる応力度が許容
  応力度以下になるように設計する。

  部材設計において考慮する荷重は、
  常時土圧、自重とする。

(a)土圧の計算
   たて壁の固定端(H=5.100m)における土圧を求める
   主働土圧は、試行くさび法により求める。
   尚、土圧合力(Pa)は、壁面に直接作用させる。

       W･sin(ω-φ)-c･L･cosφ
   Pa=------------------------     =40.31kN
         cos(ω-φ-α-δ)
   Ph(水平土圧)    =Pa･cos(δ+α)  =40.21kN
   Pv(鉛直土圧)    =Pa･sin(δ+α)  =2.84kN

   ここに
     Ｗ(すべり土塊の重量)          =140.09kN
     ω(すべり角)          =0.90rad=51.33度
     φ(背面土せん断抵抗角)        =35.0度
     α(壁面が鉛直となす角)        =-19.29度
     δ(壁面摩擦角)                =23.33度
     c (粘着力)                    =0.0kN/m2
     Ｌ(滑り面長)                  =6.532m
     γs(土の単位重量)             =20.0kN/m3

(b)断面力(土圧)の計算
   たて壁の固定端(H=5.100m)における曲げ
   ﾓｰﾒﾝﾄ(M)及び剪断力(S)は、次式で求める。

   M(曲げﾓｰﾒﾝﾄ)    =Ph･h           =68.36kN･m
   S(剪断力)       =Ph             =40.21kN

   ここに
     Ph(水平土圧)  =Pa･cos(δ+α)  =40.21kN
     h (土圧作用点)                =1.700m)";

// At the foot the whole loaded face length lies above the section: QtY = cos θ·(s − Lr/3)
// = 4.000 m, QtX = tan θ·QtY + B; QtV is downward, hence negative.
constexpr std::string_view kLeaningOtherForces = R"(
(c)断面力(地震慣性力)の計算
   常時であり、地震慣性力はない。

(d)断面力(水圧)の計算
   水圧は無い。

(e)断面力(壁面地盤反力)の計算
   Qt(壁面地盤反力)=1.74kN
   θ(壁面傾斜角)　=19.29度
   Qt_v=Qt･sin(θ) =-0.57kN
   Qt_h=Qt･cos(θ) =1.64kN
   Qt_x(作用点:x)  =2.615m
   Qt_y(作用点:y)  =4.000m
   Qt_Mr=Qt_v･Qt_x =-1.50kNm
   Qt_Mt=Qt_h･Qt_y =6.55kNm

   ここに
   　Qt_v ：Qtの鉛直成分
   　Qt_h ：Qtの水平成分
   　Qt_Mr：Qtの抵抗ﾓｰﾒﾝﾄ
   　Qt_Mt：Qtの転倒ﾓｰﾒﾝﾄ

以下、同様に各高さの土圧、断面力
を求める。

計算結果を[表]に示す。)";

// The mid-height front edge is in tension (σc1 = −0.0071 N/mm2): the text prints its
// magnitude after "(引張応力度)", the table below its sign.
constexpr std::string_view kLeaningStresses = R"(
(e)応力度計算
　　ｺﾝｸﾘｰﾄ断面の縁応力度(σc1、σc2)が、
　　次式を満足するように設計する。

　　　　　　　 N　　　N･e
　　σc1,σc2=--- ± -----　≦σca,σcat
　　　　　　　 A　　　 W 

　　ここに
　　　　σca (許容圧縮応力度)=4.50N/mm2
　　　　σcat(許容引張応力度)=0.22N/mm2

　高さH=2.550m断面の計算結果を示す。

　　σc1(引張応力度)　　　　=0.01N/mm2 (≦σcat=0.22N/mm2)
　　σc2(圧縮応力度)　　　　=0.10N/mm2 (≦σca=4.50N/mm2)
　　N(軸方向力)　　　　　　 =37.89kN
　　A(ｺﾝｸﾘｰﾄ全断面積)       =0.833m2
　　W(断面係数)=1.0･B^2/6   =0.116m3
　　B(照査位置の躯体幅)　　 =0.833m
　　　　　　　　　　Mr-Mo
　　d (作用点位置)=-------　=0.577m
　　　　　　　　　　　N
　　Mr(抵抗ﾓｰﾒﾝﾄ)　　　　　 =34.20kNm
　　Mo(転倒ﾓｰﾒﾝﾄ)　　　　　 =12.34kNm
　　e (偏心距離)　=B/2-d　　=-0.161m


　高さH=5.100m断面の計算結果を示す。

　　σc1(圧縮応力度)　　　　=0.01N/mm2 (≦σca=4.50N/mm2)
　　σc2(圧縮応力度)　　　　=0.15N/mm2 (≦σca=4.50N/mm2)
　　N(軸方向力)　　　　　　 =99.92kN
　　A(ｺﾝｸﾘｰﾄ全断面積)       =1.215m2
　　W(断面係数)=1.0･B^2/6   =0.246m3
　　B(照査位置の躯体幅)　　 =1.215m
　　　　　　　　　　Mr-Mo
　　d (作用点位置)=-------　=0.777m
　　　　　　　　　　　N
　　Mr(抵抗ﾓｰﾒﾝﾄ)　　　　　 =152.59kNm
　　Mo(転倒ﾓｰﾒﾝﾄ)　　　　　 =74.91kNm
　　e (偏心距離)　=B/2-d　　=-0.170m


 計算結果を一覧表[表]に示す。)";

constexpr std::string_view kLeaningMidTable = R"(
H=2.55m|鉛直力V|水平力H|作用点x|作用点y|ﾓｰﾒﾝﾄV･x|ﾓｰﾒﾝﾄH･y
自重|37.61kN|0.00kN|0.904m|1.148m|34.01kNm|0.00kNm
土圧|0.83kN|11.70kN|1.130m|0.850m|0.93kNm|9.95kNm
水圧|---|---|---|---|---|---
浮力|---|---|---|---|---|---
壁面地盤反力|-0.54kN|1.55kN|1.372m|1.543m|-0.75kNm|2.40kNm
合計|37.89kN|13.25kN|---|---|34.20kNm|12.34kNm)";

constexpr std::string_view kLeaningFixedTable = R"(
H=5.10m|鉛直力V|水平力H|作用点x|作用点y|ﾓｰﾒﾝﾄV･x|ﾓｰﾒﾝﾄH･y
自重|97.65kN|0.00kN|1.525m|2.159m|148.95kNm|0.00kNm
土圧|2.84kN|40.21kN|1.810m|1.700m|5.14kNm|68.36kNm
水圧|---|---|---|---|---|---
浮力|---|---|---|---|---|---
壁面地盤反力|-0.57kN|1.64kN|2.615m|4.000m|-1.50kNm|6.55kNm
合計|99.92kN|41.85kN|---|---|152.59kNm|74.91kNm)";

constexpr std::string_view kLeaningStressTable = R"(
位置|中間部|固定部
高さ(H)|2.550m|5.100m
軸方向力N|37.89kN|99.92kN
Σﾓｰﾒﾝﾄ|21.85kNm|77.68kNm
作用位置(d)|0.577m|0.777m
偏心距離(e)|-0.161m|-0.170m
躯体幅(B)|0.833m|1.215m
応力度σc1|-0.01N/mm2|0.01N/mm2
応力度σc2|0.10N/mm2|0.15N/mm2
判定|可|可)";

// Seismic case "地震時土圧+躯体慣性力", kh 0.2, water 1.0 m above the base underside:
// θ = atan 0.2 = 11.31°, δ = φ/2.
constexpr std::string_view kSeismicForces = R"(
1.たて壁の計算
    躯体の各水平断面においてその断面より上部に
  作用する土圧と自重によって生じる応力度が許容
  応力度以下になるように設計する。

  部材設計において考慮する荷重は、地震時土圧
  自重、浮力、水圧、地震時慣性力とする。

(a)土圧の計算
   たて壁の固定端(H=3.000m)における土圧を求める
   主働土圧は、試行くさび法により求める。
   尚、土圧合力(Pa)は、壁面に直接作用させる。


       W･secθsin(ω-φ+θ)-c･L･cosφ
   Pa=-------------------------------=67.21kN
              cos(ω-φ-α-δ)

   θ(地震合成角)  =Arctan(kh)     =11.31度
   Ph(水平土圧)    =Pa･cos(δ+α)  =54.42kN
   Pv(鉛直土圧)    =Pa･sin(δ+α)  =39.44kN

   ここに
     Ｗ(すべり土塊の重量)          =126.09kN
     ω(すべり角)          =0.94rad=53.62度
     φ(背面土せん断抵抗角)        =35.0度
     α(壁面が鉛直となす角)        =18.43度
     δ(壁面摩擦角)                =17.50度
     c (粘着力)                    =0.0kN/m2
     Ｌ(滑り面長)                  =3.726m
     γs(土の単位重量)             =20.0kN/m3

(b)断面力(土圧)の計算
   たて壁の固定端(H=3.000m)における曲げ
   ﾓｰﾒﾝﾄ(M)及び剪断力(S)は、次式で求める。

   M(曲げﾓｰﾒﾝﾄ)    =Ph･h           =54.42kN･m
   S(剪断力)       =Ph             =54.42kN

   ここに
     Ph(水平土圧)  =Pa･cos(δ+α)  =54.42kN
     h (土圧作用点)                =1.000m)";

// Inertia of the 82.8 kN stem: 0.2·82.8 at its centroid 1.167 m; water 0.8 m above the
// stem foot: Pw = 9.8·0.8²/2, acting at 0.8/3.
constexpr std::string_view kSeismicOtherForces = R"(
(c)断面力(地震慣性力)の計算
   躯体重量は、座標法にて求める。
   地震慣性力は、次式にて求める。

   Pv(躯体重量)         =82.80kN
   Ph(地震慣性力)=Pv･Kh =16.56kN
   Mt(地震ﾓｰﾒﾝﾄ )=Ph･H  =19.32kN

   ここに
     Kh(水平震度)       =0.20
     H (慣性力作用点)   =1.167m

(d)断面力(水圧)の計算
   水圧は、次式にて求める。

                  Hw^2
   Pwh(水圧)=γw･------ =3.14kN
                   2

   Pwm(水圧ﾓｰﾒﾝﾄ )=Pwh･H=0.84kNm

   ここに
     γw(水の単位重量)  =9.80kN/m3
     Hw (水深)          =0.800m
     H  (作用点)=Hw/3   =0.267m

以下、同様に各高さの土圧、断面力
を求める。

計算結果を[表]に示す。)";

constexpr std::string_view kSeismicStresses = R"(
(e)応力度計算
　　ｺﾝｸﾘｰﾄ断面の縁応力度(σc1、σc2)が、
　　次式を満足するように設計する。

　　　　　　　 N　　　N･e
　　σc1,σc2=--- ± -----　≦σca,σcat
　　　　　　　 A　　　 W 

　　ここに
　　　　σca (許容圧縮応力度)=4.50N/mm2
　　　　σcat(許容引張応力度)=0.22N/mm2

　高さH=1.500m断面の計算結果を示す。

　　σc1(圧縮応力度)　　　　=0.07N/mm2 (≦σca=4.50N/mm2)
　　σc2(圧縮応力度)　　　　=0.00N/mm2 (≦σca=4.50N/mm2)
　　N(軸方向力)　　　　　　 =40.15kN
　　A(ｺﾝｸﾘｰﾄ全断面積)       =1.200m2
　　W(断面係数)=1.0･B^2/6   =0.240m3
　　B(照査位置の躯体幅)　　 =1.200m
　　　　　　　　　　Mr-Mo
　　d (作用点位置)=-------　=0.405m
　　　　　　　　　　　N
　　Mr(抵抗ﾓｰﾒﾝﾄ)　　　　　 =28.38kNm
　　Mo(転倒ﾓｰﾒﾝﾄ)　　　　　 =12.11kNm
　　e (偏心距離)　=B/2-d　　=0.195m


　高さH=3.000m断面の計算結果を示す。

　　σc1(圧縮応力度)　　　　=0.14N/mm2 (≦σca=4.50N/mm2)
　　σc2(引張応力度)　　　　=0.03N/mm2 (≦σcat=0.22N/mm2)
　　N(軸方向力)　　　　　　 =108.23kN
　　A(ｺﾝｸﾘｰﾄ全断面積)       =2.000m2
　　W(断面係数)=1.0･B^2/6   =0.667m3
　　B(照査位置の躯体幅)　　 =2.000m
　　　　　　　　　　Mr-Mo
　　d (作用点位置)=-------　=0.498m
　　　　　　　　　　　N
　　Mr(抵抗ﾓｰﾒﾝﾄ)　　　　　 =128.45kNm
　　Mo(転倒ﾓｰﾒﾝﾄ)　　　　　 =74.57kNm
　　e (偏心距離)　=B/2-d　　=0.502m


 計算結果を一覧表[表]に示す。)";

// The mid-height section (1.7 m above the base underside) is above the water: no rows
// 3 and 4. At the foot the submerged part 0.8 m high, 2.0 → 1.573 m wide, 14.01 kN.
constexpr std::string_view kSeismicMidTable = R"(
H=1.50m|鉛直力V|水平力H|作用点x|作用点y|ﾓｰﾒﾝﾄV･x|ﾓｰﾒﾝﾄH･y
自重|27.60kN|5.52kN|0.558m|0.625m|15.41kNm|3.45kNm
土圧|12.55kN|17.32kN|1.033m|0.500m|12.97kNm|8.66kNm
水圧|---|---|---|---|---|---
浮力|---|---|---|---|---|---
合計|40.15kN|22.84kN|---|---|28.38kNm|12.11kNm)";

constexpr std::string_view kSeismicFixedTable = R"(
H=3.00m|鉛直力V|水平力H|作用点x|作用点y|ﾓｰﾒﾝﾄV･x|ﾓｰﾒﾝﾄH･y
自重|82.80kN|16.56kN|0.922m|1.167m|76.36kNm|19.32kNm
土圧|39.44kN|54.42kN|1.667m|1.000m|65.74kNm|54.42kNm
水圧|---|3.14kN|---|0.267m|---|0.84kNm
浮力|14.01kN|---|0.974m|---|13.65kNm|---
合計|108.23kN|74.11kN|---|---|128.45kNm|74.57kNm)";

constexpr std::string_view kSeismicStressTable = R"(
位置|中間部|固定部
高さ(H)|1.500m|3.000m
軸方向力N|40.15kN|108.23kN
Σﾓｰﾒﾝﾄ|16.27kNm|53.87kNm
作用位置(d)|0.405m|0.498m
偏心距離(e)|0.195m|0.502m
躯体幅(B)|1.200m|2.000m
応力度σc1|0.07N/mm2|0.14N/mm2
応力度σc2|0.00N/mm2|-0.03N/mm2
判定|可|可)";

TEST(StemReport, DefaultGravityWall) {
    const StemRun r = RunStem(DesignConditionsForm{});
    ExpectReport(r.Store, kGravityForces, kGravityOtherForces, kGravityStresses, kGravityMidTable,
                 kGravityFixedTable, kGravityStressTable);
    for (const char* grid : {"StringGrid1", "StringGrid5"}) {
        const StringGridContent& g = r.Store.Grid(grid);
        EXPECT_EQ(g.ColWidths, (std::vector<int>{40, 48, 48, 45, 45, 58, 58})) << grid;
    }
    EXPECT_EQ(r.Store.Grid("StringGrid3").ColWidths, (std::vector<int>{67, 60, 60}));
}

// The program started with the gravity wall selected: the run lays the force tables out
// for the leaning wall, with the wall-face reaction row.
TEST(StemReport, DefaultLeaningWall) {
    const StemRun r = RunStem(LeaningWall(), 0);
    ASSERT_EQ(r.Object.ReactionCase, 6);
    ExpectReport(r.Store, kLeaningForces, kLeaningOtherForces, kLeaningStresses, kLeaningMidTable,
                 kLeaningFixedTable, kLeaningStressTable);
    for (const char* grid : {"StringGrid1", "StringGrid5"}) {
        const StringGridContent& g = r.Store.Grid(grid);
        EXPECT_EQ(g.ColWidths, (std::vector<int>{75, 48, 48, 45, 45, 58, 58})) << grid;
    }
}

TEST(StemReport, SeismicWallWithWaterPassivePressureAndKey) {
    const StemRun r = RunStem(testing::SeismicWaterPassiveKeyWall());
    ExpectReport(r.Store, kSeismicForces, kSeismicOtherForces, kSeismicStresses, kSeismicMidTable,
                 kSeismicFixedTable, kSeismicStressTable);
}

// The lines strictly between the first line equal to `after` and the next line that
// starts with `until`.
std::vector<std::string> Between(const std::vector<std::string>& lines, std::string_view after,
                                 std::string_view until) {
    auto from = std::find(lines.begin(), lines.end(), after);
    if (from == lines.end()) return {"<missing: " + std::string(after) + ">"};
    ++from;
    auto to = std::find_if(from, lines.end(),
                           [&](const std::string& l) { return l.starts_with(until); });
    return {from, to};
}

DesignConditionsForm SeismicModel(int index) {
    DesignConditionsForm f;
    f.SetIndex("RadioGroup5", 1);
    f.SetIndex("RadioGroup9", index);
    f.SetText("Edit61", "0.2");
    return f;
}

DesignConditionsForm CohesiveBackfillWithCrack() {
    DesignConditionsForm f;
    f.SetText("Edit21", "10");
    f.SetChecked("CheckBox7", true);
    return f;
}

struct Passage {
    const char* Label;
    DesignConditionsForm Form;
    const char* List;
    const char* After;
    const char* Until;
    std::string_view Expected;
};

constexpr const char* kDesignAim = "  応力度以下になるように設計する。";
constexpr const char* kPaOnTheWall = "   尚、土圧合力(Pa)は、壁面に直接作用させる。";
constexpr const char* kInertiaHeading = "(c)断面力(地震慣性力)の計算";

// The passages that change with the seismic load model and the backfill's cohesion
// (the ordinary case and "地震時土圧+躯体慣性力" are in the goldens above).
TEST(StemReport, PassagesBySeismicModelAndCohesion) {
    const Passage passages[] = {
        {"ordinary earth pressure with inertia: loads", SeismicModel(0), "ListBox8", kDesignAim,
         "(a)", R"(

  部材設計において考慮する荷重は、地震時土圧
  自重、地震時慣性力とする。
)"},
        {"ordinary earth pressure with inertia: Pa", SeismicModel(0), "ListBox8", kPaOnTheWall,
         "   Ph(", R"(


       W･sin(ω-φ)-c･L･cosφ
   Pa=------------------------     =36.76kN
         cos(ω-φ-α-δ)
)"},
        {"ordinary earth pressure with inertia: inertia", SeismicModel(0), "ListBox19",
         kInertiaHeading, "(d)", R"(
   躯体重量は、座標法にて求める。
   地震慣性力は、次式にて求める。

   Pv(躯体重量)         =82.80kN
   Ph(地震慣性力)=Pv･Kh =16.56kN
   Mt(地震ﾓｰﾒﾝﾄ )=Ph･H  =19.32kN

   ここに
     Kh(水平震度)       =0.20
     H (慣性力作用点)   =1.167m
)"},
        {"seismic earth pressure alone: loads", SeismicModel(2), "ListBox8", kDesignAim, "(a)",
         R"(

  部材設計において考慮する荷重は、地震時土圧
  自重とする。
)"},
        {"seismic earth pressure alone: no Pa formula", SeismicModel(2), "ListBox8", kPaOnTheWall,
         "   Ph(", "\n"},
        {"seismic earth pressure alone: inertia ignored", SeismicModel(2), "ListBox19",
         kInertiaHeading, "(d)", R"(
   地震慣性力は、無視する。
)"},
        {"cohesive backfill with crack height", CohesiveBackfillWithCrack(), "ListBox8",
         "     γs(土の単位重量)             =20.0kN/m3", "(b)", R"(
               2･C     π   φ     Q
   Zc(粘着高)=----･tan(---＋---)- --- =1.421m
               γs      4    2    γs
   hc       =Cosα･Cosβ/Cos(α+β)･Zc=1.421m
)"},
    };
    for (const Passage& p : passages) {
        SCOPED_TRACE(p.Label);
        const StemRun r = RunStem(p.Form);
        // An expected text starts with a line break that is not a line of its own.
        std::vector<std::string> expected = Lines(p.Expected);
        EXPECT_EQ(Between(r.Store.List(p.List).Lines, p.After, p.Until), expected);
    }
}

// Compression is judged against σca, tension by its magnitude against σcat; reaching
// the limit is within it. The text prints a tensile stress as its magnitude.
TEST(StemReport, EdgeStressLinesAgainstTheirLimits) {
    constexpr std::size_t kMidSigmaC1 = 14;
    constexpr std::size_t kFixedSigmaC1 = 30;

    StemRun gravity = RunStem(DesignConditionsForm{});
    const auto fixedLine = [&](double sigmaCa) {
        gravity.Object.SigmaCa = sigmaCa;
        WriteStemReport(gravity.Object, gravity.Store);
        return gravity.Store.List("ListBox14").Lines.at(kFixedSigmaC1);
    };
    EXPECT_EQ(fixedLine(gravity.Object.StemFixed->SigmaC1),
              "　　σc1(圧縮応力度)　　　　=0.09N/mm2 (≦σca=0.09N/mm2)");
    EXPECT_EQ(fixedLine(0.05), "　　σc1(圧縮応力度)　　　　=0.09N/mm2 (＞σca=0.05N/mm2)");
    EXPECT_EQ(gravity.Store.List("ListBox14").Lines.size(), 45u);

    StemRun leaning = RunStem(LeaningWall());
    const auto midLine = [&](double sigmaCat) {
        leaning.Object.SigmaCat = sigmaCat;
        WriteStemReport(leaning.Object, leaning.Store);
        return leaning.Store.List("ListBox14").Lines.at(kMidSigmaC1);
    };
    EXPECT_EQ(midLine(-leaning.Object.StemMid->SigmaC1),
              "　　σc1(引張応力度)　　　　=0.01N/mm2 (≦σcat=0.01N/mm2)");
    EXPECT_EQ(midLine(0.004), "　　σc1(引張応力度)　　　　=0.01N/mm2 (＞σcat=0.00N/mm2)");
}

struct ChartCase {
    const char* Label;
    DesignConditionsForm Form;
    double XMax, YMax;
    double SigmaFixed;  // the larger edge stress of the fixed section
    std::size_t OutlinePoints;
    const char* Sigma1Label;
    const char* Sigma2Label;
};

// The outline of the wall and the fixed section's edge stresses, 10 units per N/mm2
// below the top of the base slab.
TEST(StemReport, StressChart) {
    const ChartCase cases[] = {
        {"gravity", DesignConditionsForm{}, 2.4 + 0.5, 3.2 + 0.5, 0.08956634196869417, 9,
         "σc1=0.09N/mm2", "σc2=0.03N/mm2"},
        {"leaning", LeaningWall(), 3.835 + 0.5, 6.0 + 0.5, 0.15124800846106987, 8, "σc1=0.01N/mm2",
         "σc2=0.15N/mm2"},
        // A tensile back edge is labelled with its sign; the key adds four corners.
        {"seismic", testing::SeismicWaterPassiveKeyWall(), 2.4 + 0.5, 3.2 + 0.5, -1, 13,
         "σc1=0.14N/mm2", "σc2=-0.03N/mm2"},
    };
    for (const ChartCase& c : cases) {
        SCOPED_TRACE(c.Label);
        const StemRun r = RunStem(c.Form);
        const TAntei& a = r.Object;
        const StemSection& s = *a.StemFixed;
        const double sigma = c.SigmaFixed < 0 ? std::max(s.SigmaC1, s.SigmaC2) : c.SigmaFixed;
        const double y0 = a.PointY[1];

        const Chart& chart = r.Store.GetChart("Chart3");
        EXPECT_TRUE(chart.Bottom.RangeSet && chart.Left.RangeSet);
        EXPECT_EQ(chart.Bottom.Min, -0.5);
        EXPECT_NEAR(chart.Bottom.Max, c.XMax, 1e-12);
        EXPECT_NEAR(chart.Left.Min, y0 - 10 * sigma - 0.5, 1e-12);
        EXPECT_NEAR(chart.Left.Max, c.YMax, 1e-12);

        ASSERT_EQ(chart.Series.size(), 2u);
        const ChartSeries& outline = chart.Series[0];
        const ChartSeries& stress = chart.Series[1];
        EXPECT_EQ(outline.Name, "Series14");
        EXPECT_EQ(stress.Name, "Series3");
        EXPECT_EQ(outline.SeriesColour, clBlack);
        EXPECT_EQ(stress.SeriesColour, report_colours::clRed);

        ASSERT_EQ(outline.Points.size(), c.OutlinePoints);
        for (const SeriesPoint& p : outline.Points) EXPECT_EQ(p.Label, "");
        EXPECT_EQ(outline.Points.front().X, outline.Points.back().X);
        EXPECT_EQ(outline.Points.front().Y, outline.Points.back().Y);

        ASSERT_EQ(stress.Points.size(), 5u);
        const double front = a.PointX[3];
        const double back = a.PointX[6];
        const struct {
            double X, Y;
            std::string Label;
        } expected[] = {{front, y0, " "},
                        {front, y0 - 10 * s.SigmaC1, c.Sigma1Label},
                        {back, y0 - 10 * s.SigmaC2, c.Sigma2Label},
                        {back, y0, " "},
                        {front, y0, " "}};
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(stress.Points[i].X, expected[i].X) << i;
            EXPECT_EQ(stress.Points[i].Y, expected[i].Y) << i;
            EXPECT_EQ(stress.Points[i].Label, expected[i].Label) << i;
        }
    }
}

TEST(StemReport, BlackAndWhiteChart) {
    DesignConditionsForm form;
    form.SetIndex("RadioGroup4", 1);
    const StemRun r = RunStem(form);
    for (const ChartSeries& s : r.Store.GetChart("Chart3").Series)
        EXPECT_EQ(s.SeriesColour, clBlack) << s.Name;
}

// The force tables follow the run's wall, whatever the window was set up for or showed
// before: no row of an earlier wall survives.
TEST(StemReport, ForceTablesAreLaidOutForTheRunsWall) {
    {
        SCOPED_TRACE("set up for the leaning wall");
        const StemRun r = RunStem(DesignConditionsForm{}, 1);
        EXPECT_EQ(r.Store.Grid("StringGrid1").ColWidth(0), 40);
        ExpectReport(r.Store, kGravityForces, kGravityOtherForces, kGravityStresses,
                     kGravityMidTable, kGravityFixedTable, kGravityStressTable);
    }
    {
        SCOPED_TRACE("leaning wall, then the gravity wall");
        StemRun r = RunStem(LeaningWall());
        RunInto(r, DesignConditionsForm{});
        EXPECT_EQ(r.Store.Grid("StringGrid5").ColWidth(0), 40);
        ExpectReport(r.Store, kGravityForces, kGravityOtherForces, kGravityStresses,
                     kGravityMidTable, kGravityFixedTable, kGravityStressTable);
    }
}

// Without a stem check (ground reaction not computable) the writer leaves the store as
// the run left it.
TEST(StemReport, WritesNothingWithoutAStemCheck) {
    ResultsStore store;
    SetUpResultsWindow(store);
    ResetResultGrids(store);
    store.List("ListBox8").Add("earlier wall");
    store.GetChart("Chart3").Get("Series3").Add(1, 1, "old");
    const ResultsStore before = store;

    TAntei a;
    CalculationSequence(a, DesignConditionsForm{}.Controls());
    ASSERT_FALSE(a.StemFixed.has_value());
    WriteStemReport(a, store);

    for (const char* list : {"ListBox8", "ListBox19", "ListBox14"})
        EXPECT_EQ(store.List(list).Lines, before.List(list).Lines) << list;
    for (const char* grid : {"StringGrid1", "StringGrid5", "StringGrid3"})
        EXPECT_EQ(store.Grid(grid).Cells, before.Grid(grid).Cells) << grid;
    EXPECT_EQ(store.GetChart("Chart3").Get("Series3").Points.size(), 1u);
    EXPECT_EQ(store.GetChart("Chart3").Bottom.RangeSet, before.GetChart("Chart3").Bottom.RangeSet);
}

}  // namespace
}  // namespace stelvar
