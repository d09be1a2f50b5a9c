// The look at the inputs before a run: which findings a set of inputs gives, in which
// order, and whether they refuse the run.

#include "run/validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "forms/allowable_stress.h"
#include "forms/design_conditions.h"
#include "forms/form_model.h"
#include "run/input_ranges.h"
#include "text/number.h"

namespace stelvar {
namespace {

using Settings = std::vector<std::pair<const char*, const char*>>;

// The windows' controls without their reactions, so that a case sets exactly the
// values it names.
struct Windows {
    FormModel conditions{DesignConditionsDefaults()};
    FormModel stresses{AllowableStressDefaults()};

    explicit Windows(const Settings& onConditions, const Settings& onStresses = {}) {
        for (const auto& [name, value] : onConditions) conditions.SetValue(name, value);
        for (const auto& [name, value] : onStresses) stresses.SetValue(name, value);
    }
};

std::vector<InputFinding> Findings(const Windows& w, bool& refused) {
    std::vector<InputFinding> out;
    refused = CheckInputs(w.conditions.Controls(), w.stresses.Controls(),
                          [&out](const InputFinding& f) { out.push_back(f); });
    return out;
}

const Settings kKey = {{"RadioGroup2", "1"}, {"Edit35", "800"}, {"Edit40", "500"},
                       {"Edit41", "400"}};

Settings With(Settings base, const Settings& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

struct Case {
    const char* Name;
    Settings Conditions;
    Settings Stresses;
    std::vector<int> Checks;  // the findings, in order
    bool Refused;
};

TEST(CheckInputs, FindingsInTableOrder) {
    const Case cases[] = {
        {"defaults", {}, {}, {}, false},
        {"cohesion 25 is a warning", {{"Edit21", "25"}}, {}, {1}, false},
        {"cohesion 20 is accepted", {{"Edit21", "20"}}, {}, {}, false},
        {"adhesion 20.5 is a warning", {{"Edit18", "20.5"}}, {}, {2}, false},
        {"key width 5", With(kKey, {{"Edit40", "5"}}), {}, {4}, true},
        {"key position below 0, height 9.9",
         With(kKey, {{"Edit35", "-1"}, {"Edit41", "9.9"}}), {}, {3, 5}, true},
        {"key 10 mm wide and high at 0", With(kKey, {{"Edit35", "0"}, {"Edit40", "10"},
                                                     {"Edit41", "10"}}), {}, {}, false},
        {"key absent: its boxes are not read",
         {{"Edit35", "x"}, {"Edit40", ""}, {"Edit41", "-5"}}, {}, {}, false},
        {"concrete 1.9", {{"ComboBox7", "1.9"}}, {}, {6}, true},
        {"slope without gradient", {{"TabControl1", "1"}, {"ComboBox1", "0"}}, {}, {7}, true},
        {"slope 1.0 at φ 45°", {{"TabControl1", "1"}, {"ComboBox1", "1.0"}, {"Edit14", "45"}},
         {}, {8}, true},
        {"slope 1.0 at φ 46°", {{"TabControl1", "1"}, {"ComboBox1", "1.0"}, {"Edit14", "46"}},
         {}, {}, false},
        {"embankment without gradient",
         {{"TabControl1", "2"}, {"ComboBox1", "0"}, {"Edit28", "2000"}}, {}, {9}, true},
        {"embankment 1.5 without height",
         {{"TabControl1", "2"}, {"ComboBox1", "1.5"}, {"Edit28", "0"}}, {}, {10}, true},
        {"embankment steeper than φ is not checked",
         {{"TabControl1", "2"}, {"ComboBox1", "1.0"}, {"Edit28", "2000"}, {"Edit14", "30"}},
         {}, {}, false},
        {"flat surface: gradient not read", {{"ComboBox1", "-"}}, {}, {}, false},
        {"widths 0.5 mm over the base", {{"Edit36", "600.5"}}, {}, {}, false},
        {"widths 1 mm over the base", {{"Edit36", "601"}}, {}, {11}, true},
        {"widths 1 mm under the base", {{"Edit31", "2401"}}, {}, {11}, true},
        {"leaning wall: gravity widths not compared",
         {{"PageControl2", "1"}, {"Edit31", "3000"}}, {}, {}, false},
        {"ordinary case, seismic stresses", {}, {{"RadioGroup4", "1"}}, {12}, true},
        {"seismic case, ordinary stresses", {{"RadioGroup5", "1"}}, {}, {13}, true},
        {"seismic, ordinary pressure model, surcharge on",
         {{"RadioGroup5", "1"}, {"RadioGroup9", "0"}, {"CheckBox1", "TRUE"}},
         {{"RadioGroup4", "1"}}, {14}, false},
        {"seismic, ordinary pressure model, no surcharge",
         {{"RadioGroup5", "1"}, {"RadioGroup9", "0"}, {"CheckBox1", "FALSE"}},
         {{"RadioGroup4", "1"}}, {}, false},
        {"several faults at once",
         With(kKey, {{"Edit21", "25"}, {"Edit40", "5"}, {"ComboBox7", "1"},
                     {"TabControl1", "1"}, {"ComboBox1", "1.0"}, {"Edit14", "40"},
                     {"Edit30", "300"}}),
         {{"RadioGroup4", "1"}}, {1, 4, 6, 8, 11, 12}, true},
    };
    for (const Case& c : cases) {
        bool refused = false;
        const std::vector<InputFinding> found = Findings(Windows(c.Conditions, c.Stresses), refused);
        std::vector<int> checks;
        for (const InputFinding& f : found) {
            checks.push_back(f.Check);
            const bool warning = f.Check == 1 || f.Check == 2 || f.Check == 14;
            EXPECT_EQ(f.Kind, warning ? FindingKind::Warning : FindingKind::Error)
                << c.Name << ": check " << f.Check;
        }
        EXPECT_EQ(checks, c.Checks) << c.Name;
        EXPECT_EQ(refused, c.Refused) << c.Name;
    }
}

// Every finding is shown as a plain message with its own text.
TEST(ValidateInputs, ShowsEachMessage) {
    const std::map<int, std::string> messages = {
        {1, "粘着力が過大です。修正する事をお勧めします。"},
        {2, "付着力が過大です。修正する事をお勧めします。"},
        {3, "突起位置を再確認して下さい。"},
        {4, "突起幅を再確認して下さい。"},
        {5, "突起高を再確認して下さい。"},
        {6, "コンクリート重量を再確認して下さい。"},
        {7, "法面勾配を設定して下さい。"},
        {8, "せん断抵抗角より法面勾配が大きいです。修正して下さい。"},
        {9, "法面勾配を設定して下さい。"},
        {10, "盛土高を設定して下さい。"},
        {11, "擁壁形状(幅)を再確認して下さい。"},
        {12, "[常時計算時]に\r[許容応力度]が[地震時]になっています。\r確認して、訂正して下さい。"},
        {13, "[地震時計算時]に\r[許容応力度]が[常時]になっています。\r確認して、訂正して下さい。"},
        {14, "[地震時土圧計算法]が[載荷無常時土圧]です。\rしかし、[②載荷重]が[載荷重有り]になっ"
             "ています。\r[②載荷重]を確認してください。\r計算は、このまま続行します。"},
    };
    // Between them these two cases find every check once.
    const Windows first(With(kKey, {{"Edit21", "21"}, {"Edit18", "21"}, {"Edit35", "-1"},
                                    {"Edit40", "1"}, {"Edit41", "1"}, {"ComboBox7", "0"},
                                    {"TabControl1", "1"}, {"ComboBox1", "0"},
                                    {"Edit2", "999"}}),
                        {{"RadioGroup4", "1"}});
    const Windows second(Settings{{"TabControl1", "1"}, {"ComboBox1", "1.0"}, {"Edit14", "30"},
                          {"RadioGroup5", "1"}, {"RadioGroup9", "0"}, {"CheckBox1", "TRUE"}});
    const Windows third(Settings{{"TabControl1", "2"}, {"ComboBox1", "0"}, {"Edit28", "0"}});

    std::vector<std::string> shown;
    std::vector<std::string> expected;
    for (const Windows* w : {&first, &second, &third}) {
        ScriptedDialogs dialogs;
        EXPECT_TRUE(ValidateInputs(w->conditions.Controls(), w->stresses.Controls(), dialogs));
        for (const std::string& t : dialogs.Texts(ScriptedDialogs::Entry::Kind::Message))
            shown.push_back(t);
        EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Entry::Kind::Message).size(),
                  dialogs.Shown().size());
    }
    for (int check : {1, 2, 3, 4, 5, 6, 7, 11, 12, 8, 13, 14, 9, 10})
        expected.push_back(messages.at(check));
    EXPECT_EQ(shown, expected);
}

// A text that is not a number stops the look with the conversion message, after the
// earlier findings were shown.
TEST(ValidateInputs, TextThatIsNotANumberThrowsAfterEarlierMessages) {
    const Windows w(Settings{{"Edit21", "25"}, {"Edit18", "2O"}});
    ScriptedDialogs dialogs;
    try {
        ValidateInputs(w.conditions.Controls(), w.stresses.Controls(), dialogs);
        FAIL() << "no ConversionError";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'2O' is not a valid floating point value");
    }
    EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Entry::Kind::Message),
              std::vector<std::string>{"粘着力が過大です。修正する事をお勧めします。"});
}

}  // namespace
}  // namespace stelvar

namespace stelvar {
namespace {

std::vector<InputFinding> RangeFindings(const Settings& settings, bool& refused) {
    std::vector<InputFinding> out;
    for (const InputFinding& f : Findings(Windows(settings), refused))
        if (f.Check == 15) out.push_back(f);
    return out;
}

// Every magnitude that is no real wall's is refused, naming the box by its caption;
// the bounds themselves are accepted.
TEST(CheckInputs, RefusesMagnitudesOutsideTheRanges) {
    struct RangeCase {
        const char* Box;
        const char* Caption;
        Settings Context;  // what makes the run read the box
    };
    const Settings seismic = {{"RadioGroup5", "1"}};
    const Settings leaning = {{"PageControl2", "1"}};
    const Settings slope = {{"TabControl1", "2"}, {"ComboBox1", "1.5"}, {"Edit28", "2000"}};
    const Settings water = {{"CheckBox3", "TRUE"}};
    const RangeCase boxes[] = {
        {"Edit14", "[裏込め土 φ(度)]", {}},
        {"Edit15", "[裏込め土 γs(kN/m3)]", {}},
        {"LabeledEdit4", "[根入れ地盤 γ2(kN/m3)]", {}},
        {"LabeledEdit3", "[根入れ地盤 Df(m)]", {}},
        {"Edit16", "[qa0(kN/m2)]", {}},
        {"Edit1", "[載荷重 ｑ(kN/m2)]", {}},
        {"ComboBox9", "[H3(作用高さm)]", {}},
        {"ComboBox18", "[擁壁ﾌﾞﾛｯｸ長 L(m)]", {}},
        {"Edit50", "[σck(N/mm2)]", {}},
        {"Edit38", "[たて壁高さ(mm)]", {}},
        {"Edit31", "[底版幅(mm)]", {}},
        {"Edit61", "[設計水平震度]", seismic},
        {"Edit56", "[底板厚(mm)]", leaning},
        {"Edit58", "[つま先版幅(mm)]", leaning},
        {"ComboBox1", "[法勾配]", slope},
        {"Edit28", "[盛土高(mm)]", slope},
        {"Edit62", "[H1(水深m)]", water},
    };
    for (const RangeCase& box : boxes) {
        for (const char* value : {"1e308", "-1e300", "1e-300", "-1e14", "1e9", "-0.5"}) {
            bool refused = false;
            const auto found = RangeFindings(With(box.Context, {{box.Box, value}}), refused);
            ASSERT_EQ(found.size(), 1u) << box.Box << "=" << value;
            EXPECT_EQ(found[0].Kind, FindingKind::Error);
            EXPECT_EQ(found[0].Message.rfind(box.Caption, 0), 0u) << found[0].Message;
            EXPECT_TRUE(refused) << box.Box << "=" << value;
        }
    }
    // The seismic coefficient and the angles at their bounds.
    for (const Settings& edge : {Settings{{"RadioGroup5", "1"}, {"Edit61", "1"}},
                                 Settings{{"Edit14", "89"}, {"Edit42", "0"}, {"LabeledEdit7", "89"}},
                                 Settings{{"Edit38", "100000"}, {"Edit21", "0"}}}) {
        bool refused = false;
        EXPECT_TRUE(RangeFindings(edge, refused).empty()) << edge[0].first;
    }
}

// Where a described check already refuses small values (the key, the concrete unit
// weight) only the upper bound is added: one fault, one message.
TEST(CheckInputs, DescribedLowerChecksAreNotRepeated) {
    bool refused = false;
    auto found = RangeFindings(With(kKey, {{"Edit40", "1e308"}}), refused);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Message, "[突起 幅(mm)]の値が範囲外です。\r100000以下の値を入力して下さい。");
    found = RangeFindings(With(kKey, {{"Edit35", "1e-300"}}), refused);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Message.rfind("[突起 位置(mm)]の値が小さすぎます。", 0), 0u);
    for (const Settings& low : {With(kKey, {{"Edit40", "-1e300"}}), With(kKey, {{"Edit35", "-1e14"}}),
                                Settings{{"ComboBox7", "-1e300"}}}) {
        std::vector<int> checks;
        for (const InputFinding& f : Findings(Windows(low), refused)) checks.push_back(f.Check);
        EXPECT_EQ(checks.size(), 1u) << low.back().first;
        EXPECT_NE(checks.at(0), 15) << low.back().first;
        EXPECT_TRUE(refused);
    }
}

// Every box that the run reads, in two settings that between them read all of them, at
// each absurd magnitude: refused, with a message that names the box.
TEST(CheckInputs, EveryBoxTheRunReadsIsHeldToItsRange) {
    const Settings everything = {{"PageControl2", "1"}, {"RadioGroup5", "1"}, {"TabControl1", "2"},
                                 {"ComboBox1", "1.5"}, {"Edit28", "2000"}, {"CheckBox3", "TRUE"},
                                 {"RadioGroup11", "1"}, {"LabeledEdit2", "1.2"}};
    const Settings gravity = With(kKey, {{"RadioGroup11", "1"}, {"LabeledEdit1", "1.5"}});
    std::size_t boxes = 0;
    for (const Settings& context : {everything, gravity}) {
        const Windows base(context, {{"RadioGroup4", context == everything ? "1" : "0"}});
        for (const InputRange& range : RangesRead(base.conditions.Controls())) {
            ++boxes;
            for (const char* value : {"1e308", "-1e300", "1e-300", "-1e14"}) {
                Windows w(context, {{"RadioGroup4", context == everything ? "1" : "0"}});
                w.conditions.SetValue(range.Name, value);
                std::vector<InputFinding> found;
                const bool refused = CheckInputs(w.conditions.Controls(), w.stresses.Controls(),
                                                 [&found](const InputFinding& f) { found.push_back(f); });
                EXPECT_TRUE(refused) << range.Name << "=" << value;
                std::string caption = "[";
                caption.append(range.Caption).append("]");
                const bool named = std::any_of(found.begin(), found.end(), [&](const InputFinding& f) {
                    return f.Message.rfind(caption, 0) == 0;
                });
                // The key's and the concrete's lower limits are the described checks 3 to 6.
                const bool describedBelow = range.Low == kCheckedBelow && value[0] == '-';
                EXPECT_TRUE(named || (describedBelow && refused)) << range.Name << "=" << value;
            }
        }
    }
    EXPECT_GE(boxes, 80u);
}

// Under water the grounds' unit weights lose a fixed 9 kN/m3 in the bearing capacity: a
// lighter ground would give a negative qu, so the range starts at 9 there.
TEST(CheckInputs, GroundsUnderWaterWeighAtLeastTheWaterTheyLose) {
    bool refused = false;
    auto found = RangeFindings({{"CheckBox3", "TRUE"}, {"LabeledEdit5", "8.9"}, {"LabeledEdit4", "9"}}, refused);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Message, "[支持地盤 γ1(kN/m3)]の値が範囲外です。\r9～100の範囲で入力して下さい。");
    EXPECT_TRUE(RangeFindings({{"LabeledEdit5", "8.9"}, {"LabeledEdit4", "5"}}, refused).empty());
}

TEST(CheckInputs, RangeMessagesSayWhatToEnter) {
    bool refused = false;
    auto found = RangeFindings({{"Edit14", "-1e14"}}, refused);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Message, "[裏込め土 φ(度)]の値が範囲外です。\r0～89の範囲で入力して下さい。");
    found = RangeFindings({{"Edit38", "1e-300"}}, refused);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].Message,
              "[たて壁高さ(mm)]の値が小さすぎます。\r0か、0.000001以上の値を入力して下さい。");
    // One message per box, in the order the run reads them.
    found = RangeFindings({{"Edit15", "1e308"}, {"Edit1", "-5"}, {"Edit37", "2e5"}}, refused);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].Message.rfind("[裏込め土 γs(kN/m3)]", 0), 0u);
    EXPECT_EQ(found[1].Message.rfind("[載荷重 ｑ(kN/m2)]", 0), 0u);
    EXPECT_EQ(found[2].Message.rfind("[天端幅(mm)]", 0), 0u);
}

// Boxes the run does not read are not held to a range: the other wall page, the key
// while there is none, the seismic coefficient in the ordinary case, the gradient of a
// flat surface.
TEST(CheckInputs, RangesOnlyForBoxesTheRunReads) {
    bool refused = false;
    EXPECT_TRUE(RangeFindings({{"Edit56", "1e308"}, {"Edit40", "-1"}, {"Edit61", "5"},
                               {"ComboBox1", "-"}, {"Edit28", "1e9"}, {"Edit62", "nan"}},
                              refused)
                    .empty());
    EXPECT_FALSE(refused);
    EXPECT_EQ(RangeFindings({{"PageControl2", "1"}, {"Edit38", "1e308"}}, refused).size(), 0u);
}

// "nan" and "inf" are no numbers: the box is named, then the conversion's own message
// ends the look as it does for any text that is not a number.
TEST(ValidateInputs, NonNumberInARangedBoxIsNamedBeforeTheConversionMessage) {
    for (const char* text : {"nan", "inf", "1e400"}) {
        const Windows w(Settings{{"ComboBox9", text}});
        ScriptedDialogs dialogs;
        try {
            ValidateInputs(w.conditions.Controls(), w.stresses.Controls(), dialogs);
            FAIL() << text << ": no ConversionError";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid floating point value");
        }
        EXPECT_EQ(dialogs.Texts(ScriptedDialogs::Entry::Kind::Message),
                  std::vector<std::string>{"[H3(作用高さm)]の値が数値ではありません。"});
    }
}

}  // namespace
}  // namespace stelvar
