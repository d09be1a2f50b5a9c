#include "forms/control_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/colour.h"
#include "forms/form_model.h"
#include "text/number.h"

namespace stelvar {
namespace {

template <typename Error, typename F>
std::string MessageOf(F&& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    ADD_FAILURE() << "nothing thrown";
    return {};
}

ControlStore SmallStore() {
    ControlStore s;
    ControlState edit;
    edit.Text = "20";
    s.Add("Edit15", edit);
    ControlState group;
    group.Kind = ControlKind::RadioGroup;
    group.Items = {"砂、砂礫", "砂質土", "粘性土(wL<50%)"};
    group.ItemIndex = 0;
    s.Add("RadioGroup1", group);
    ControlState check;
    check.Kind = ControlKind::CheckBox;
    s.Add("CheckBox7", check);
    ControlState grid;
    grid.Kind = ControlKind::StringGrid;
    grid.Cells = {{"層No", "層厚(m)"}, {"1", "0"}};
    s.Add("StringGrid2", grid);
    return s;
}

TEST(ControlStore, AnswersTheControlQueries) {
    ControlStore s = SmallStore();
    const ControlSource& source = s;
    EXPECT_EQ(source.Text("Edit15"), "20");
    EXPECT_EQ(source.Index("RadioGroup1"), 0);
    EXPECT_EQ(source.Text("RadioGroup1"), "砂、砂礫");  // the selected item
    EXPECT_FALSE(source.Checked("CheckBox7"));
    s.SetText("Edit15", "19");
    s.SetIndex("RadioGroup1", 1);
    s.SetChecked("CheckBox7", true);
    EXPECT_EQ(source.Text("Edit15"), "19");
    EXPECT_EQ(source.Text("RadioGroup1"), "砂質土");
    EXPECT_TRUE(source.Checked("CheckBox7"));
    s.SetIndex("RadioGroup1", -1);
    EXPECT_EQ(source.Text("RadioGroup1"), "");
}

TEST(ControlStore, UnknownNamesAndMissingPropertiesNameTheControl) {
    ControlStore s = SmallStore();
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { s.Text("Edit99"); }, "unknown control 'Edit99'"},
        {[&] { s.Index("edit15"); }, "unknown control 'edit15'"},
        {[&] { s.SetEnabled("CheckBox8", false); }, "unknown control 'CheckBox8'"},
        {[&] { s.Checked("Edit15"); }, "control 'Edit15' has no check state"},
        {[&] { s.Index("Edit15"); }, "control 'Edit15' has no selection index"},
        {[&] { s.Text("CheckBox7"); }, "control 'CheckBox7' has no text"},
        {[&] { s.SetText("RadioGroup1", "x"); }, "control 'RadioGroup1' has no text"},
        {[&] { s.Cell("Edit15", 0, 0); }, "control 'Edit15' has no cells"},
        {[&] { s.SetColumnWidths("RadioGroup1", {30}); }, "control 'RadioGroup1' has no cells"},
        {[&] { s.SetCell("StringGrid2", 2, 1, "x"); },
         "cell (2, 1) is outside the grid 'StringGrid2'"},
        {[&] { s.Cell("StringGrid2", 1, -1); }, "cell (1, -1) is outside the grid 'StringGrid2'"},
        {[&] { s.Add("Edit15", ControlState{}); }, "control 'Edit15' exists already"},
    };
    for (const auto& [call, message] : cases) EXPECT_EQ(MessageOf<ControlError>(call), message);
    try {
        s.Text("Edit99");
    } catch (const UnknownControlError& e) {
        EXPECT_EQ(e.Name(), "Edit99");
    }
}

// Names are found through a hash table that grows as controls are added: every control
// of a large store is found as itself, names that differ by a letter or by length are
// not, and a copy answers alike while its changes stay its own.
TEST(ControlStore, EveryNameIsFoundAfterTheTableGrows) {
    ControlStore s;
    const char* const stems[] = {"Edit", "ComboBox", "LabeledEdit", "RadioGroup", "E"};
    std::vector<std::string> names;
    for (const char* stem : stems)
        for (int i = 0; i < 120; ++i) names.push_back(stem + std::to_string(i));
    for (const std::string& name : names) {
        ControlState edit;
        edit.Text = name + "!";
        s.Add(name, edit);
    }
    const ControlStore copy = s;
    for (const std::string& name : names) {
        ASSERT_TRUE(s.Contains(name)) << name;
        EXPECT_EQ(s.Text(name), name + "!");
        EXPECT_EQ(copy.Text(name), name + "!");
    }
    EXPECT_EQ(s.Names(), names);
    for (const std::string_view absent : {"Edit120", "Edit", "edit1", "Edit1 ", "", "E120", "LabeledEdit-1"}) {
        EXPECT_FALSE(s.Contains(absent)) << absent;
        EXPECT_THROW(s.Text(absent), UnknownControlError) << absent;
    }
    EXPECT_THROW(s.Add("Edit7", ControlState{}), ControlError);
    s.SetText("Edit7", "changed");
    EXPECT_EQ(copy.Text("Edit7"), "Edit7!");
    EXPECT_EQ(ControlStore().Contains("Edit7"), false);
}

TEST(ControlStore, SelectionIndexIsKeptWithinTheItems) {
    ControlStore s = SmallStore();
    const std::pair<int, int> cases[] = {{2, 2}, {3, 2}, {99, 2}, {-1, -1}, {-2, -1}, {0, 0}};
    for (const auto& [set, expected] : cases) {
        s.SetIndex("RadioGroup1", set);
        EXPECT_EQ(s.Index("RadioGroup1"), expected) << set;
    }
    s.SetIndex("RadioGroup1", 2);
    s.SetItems("RadioGroup1", {"a", "b"});
    EXPECT_EQ(s.Index("RadioGroup1"), -1);
}

TEST(ControlStore, EqualityCoversEveryProperty) {
    const ControlStore base = SmallStore();
    const std::function<void(ControlStore&)> changes[] = {
        [](ControlStore& s) { s.SetText("Edit15", "20.0"); },
        [](ControlStore& s) { s.SetIndex("RadioGroup1", 1); },
        [](ControlStore& s) { s.SetChecked("CheckBox7", true); },
        [](ControlStore& s) { s.SetEnabled("Edit15", false); },
        [](ControlStore& s) { s.SetVisible("Edit15", false); },
        [](ControlStore& s) { s.SetBackground("Edit15", clSilver); },
        [](ControlStore& s) { s.SetFontColour("CheckBox7", clMaroon); },
        [](ControlStore& s) { s.SetItems("RadioGroup1", {"砂、砂礫", "砂質土", "粘性土"}); },
        [](ControlStore& s) { s.SetCell("StringGrid2", 1, 1, ""); },
        [](ControlStore& s) { s.SetColumnWidths("StringGrid2", {30, 45}); },
    };
    for (const auto& change : changes) {
        ControlStore changed = base;
        EXPECT_EQ(changed, base);
        change(changed);
        EXPECT_NE(changed, base);
    }
}

// A window model that logs the changes reaching it, as a reacting window would see them.
class LoggingModel : public FormModel {
public:
    LoggingModel() : FormModel(SmallStore()) {}
    void SetText(std::string_view name, std::string_view text) override {
        log += "text " + std::string(name) + "=" + std::string(text) + ";";
        FormModel::SetText(name, text);
    }
    void SetIndex(std::string_view name, int index) override {
        log += "index " + std::string(name) + "=" + std::to_string(index) + ";";
        FormModel::SetIndex(name, index);
    }
    void SetChecked(std::string_view name, bool checked) override {
        log += "check " + std::string(name) + "=" + (checked ? "1" : "0") + ";";
        FormModel::SetChecked(name, checked);
    }
    std::string log;
};

TEST(FormModel, SetValueGoesThroughTheModelsSetters) {
    LoggingModel m;
    m.SetValue("Edit15", "18");
    m.SetValue("RadioGroup1", "2");
    m.SetValue("CheckBox7", "TRUE");
    m.SetValue("CheckBox7", "FALSE");
    EXPECT_EQ(m.log, "text Edit15=18;index RadioGroup1=2;check CheckBox7=1;check CheckBox7=0;");
    EXPECT_EQ(m.Controls().Text("Edit15"), "18");
    EXPECT_EQ(m.Controls().Index("RadioGroup1"), 2);

    EXPECT_EQ(MessageOf<ConversionError>([&] { m.SetValue("RadioGroup1", "1.0"); }),
              "'1.0' is not a valid integer value");
    EXPECT_EQ(MessageOf<ControlError>([&] { m.SetValue("CheckBox7", "yes"); }),
              "'yes' is not a check state for 'CheckBox7' (TRUE/FALSE, true/false or 1/0)");
    EXPECT_EQ(MessageOf<ControlError>([&] { m.SetValue("StringGrid2", "1"); }),
              "control 'StringGrid2' takes no single value");
    EXPECT_EQ(MessageOf<ControlError>([&] { m.SetValue("Edit16", "1"); }),
              "unknown control 'Edit16'");
}

struct ColourCase {
    const char* Text;
    std::uint32_t Value;
    const char* Written;
};

TEST(Colour, TextFormsBothWays) {
    const ColourCase cases[] = {
        {"clWindow", 0xFF000005, "clWindow"},
        {"clSilver", 0x00C0C0C0, "clSilver"},
        {"clMaroon", 0x00000080, "clMaroon"},
        {"clBlack", 0x00000000, "clBlack"},
        {"clMoneyGreen", 0x00C0DCC0, "clMoneyGreen"},
        {"clBtnFace", 0xFF00000F, "clBtnFace"},
        {"CLSILVER", 0x00C0C0C0, "clSilver"},
        {"$00C0C0C0", 0x00C0C0C0, "clSilver"},
        {"$00C0DCC1", 0x00C0DCC1, "$00C0DCC1"},
        {"$ff", 0x000000FF, "clRed"},
        {"12632256", 0x00C0C0C0, "clSilver"},
        {"-16777211", 0xFF000005, "clWindow"},
        {"$12345678", 0x12345678, "$12345678"},
    };
    for (const ColourCase& c : cases) {
        const Colour colour = TextToColour(c.Text);
        EXPECT_EQ(colour.Value, c.Value) << c.Text;
        EXPECT_EQ(ColourToText(colour), c.Written) << c.Text;
    }
}

TEST(Colour, OtherTextsAreConversionErrors) {
    const char* cases[] = {"", "clNoSuchColour", "$", "$GG", "$123456789", "#C0C0C0",
                           "silver", "clWindow ", "1.5"};
    for (const char* text : cases)
        EXPECT_EQ(MessageOf<ConversionError>([&] { TextToColour(text); }),
                  std::string(1, '\'') + text + "' is not a valid integer value");
}

}  // namespace
}  // namespace stelvar
