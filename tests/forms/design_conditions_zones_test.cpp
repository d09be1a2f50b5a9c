// The regional correction factor: zone rows, the initial-kana buttons and the two lists.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "forms/design_conditions.h"
#include "forms/seismic_zones.h"
#include "text/number.h"

namespace stelvar {
namespace {

std::vector<std::string> Fields(std::string_view row) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = row.find(',', start);
        fields.emplace_back(row.substr(start, end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

const std::vector<std::string> kKeysInTableOrder = {
    "青森県A", "青森県B", "愛知県A", "秋田県B", "茨城県A", "石川県A", "石川県B", "岩手県A",
    "愛媛県B", "大阪府A", "岡山県B", "大分県B", "大分県C", "沖縄県C", "神奈川県A", "香川県A",
    "香川県B", "鹿児島県A", "鹿児島県C", "京都府A", "岐阜県A", "熊本県B", "熊本県C", "群馬県A",
    "高知県B", "埼玉県A", "佐賀県A", "静岡県A", "滋賀県A", "島根県B", "千葉県A", "栃木県A",
    "東京都A", "富山県A", "富山県B", "鳥取県A", "鳥取県B", "徳島県A", "徳島県B", "長野県A",
    "奈良県A", "長崎県A", "新潟県B", "兵庫県A", "広島県B", "福島県A", "福島県B", "福井県A",
    "宮崎県B", "福岡県A", "北海道A", "北海道B", "北海道C", "三重県A", "宮城県A", "山梨県A",
    "山形県B", "山口県A", "和歌山県A",
};

// Every key, in order; the factor by the zone letter and only there; a prefecture with a
// single zone covers the whole prefecture; the area names of a prefecture's zones do not
// overlap.
TEST(SeismicZones, RowsCarryKeyAreasAndFactor) {
    const auto rows = SeismicZoneRows();
    ASSERT_EQ(rows.size(), kKeysInTableOrder.size());
    std::map<std::string, int> zonesOfPrefecture;
    for (const std::string& key : kKeysInTableOrder) ++zonesOfPrefecture[key.substr(0, key.size() - 1)];
    EXPECT_EQ(zonesOfPrefecture.size(), 47u);

    std::map<std::string, std::set<std::string>> areasOfPrefecture;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string> f = Fields(rows[i]);
        const std::string& key = kKeysInTableOrder[i];
        ASSERT_GE(f.size(), 3u) << rows[i];
        EXPECT_EQ(f.front(), key);
        const char zone = key.back();
        EXPECT_EQ(f.back(), zone == 'A' ? "1.0" : zone == 'B' ? "0.85" : "0.7") << key;
        for (std::size_t j = 1; j + 1 < f.size(); ++j) {
            EXPECT_EQ(f[j].find('.'), std::string::npos) << key << ": " << f[j];
            EXPECT_FALSE(f[j].empty()) << key;
        }
        const std::string prefecture = key.substr(0, key.size() - 1);
        if (zonesOfPrefecture[prefecture] == 1) {
            EXPECT_EQ(f.size(), 3u) << key;
            EXPECT_EQ(f[1], prefecture + "全域") << key;
        }
        for (std::size_t j = 1; j + 1 < f.size(); ++j)
            EXPECT_TRUE(areasOfPrefecture[prefecture].insert(f[j]).second) << key << ": " << f[j];
        EXPECT_EQ(FindSeismicZoneRow(key), rows[i]);
    }
    EXPECT_EQ(FindSeismicZoneRow("青森県"), "");
    EXPECT_EQ(FindSeismicZoneRow(""), "");
}

TEST(SeismicZones, QuotedRowsAreKeptWordForWord) {
    const char* quoted[] = {
        "愛知県A,愛知県全域,1.0",
        "青森県A,三沢市,十和田市,八戸市,上北郡,三戸郡,1.0",
        "青森県B,青森市,弘前市,黒石市,五所川原市,むつ市,東津軽郡,西津軽郡,中津軽郡,南津軽郡,"
        "北津軽郡,下北郡,0.85",
        "鹿児島県A,名瀬市,大島郡,1.0",
        "鹿児島県C,名瀬市大島郡以外,0.7",
    };
    for (const char* row : quoted) EXPECT_EQ(FindSeismicZoneRow(Fields(row)[0]), row);
}

// Each key is listed by exactly one button, the one of its reading's initial, and the
// buttons run from SpeedButton5 to SpeedButton26 with the initials as captions.
TEST(SeismicZones, ButtonsListEveryZoneOnce) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
        {"あ", {"青森県A", "青森県B", "愛知県A", "秋田県B"}},
        {"い", {"茨城県A", "石川県A", "石川県B", "岩手県A"}},
        {"え", {"愛媛県B"}},
        {"お", {"大阪府A", "岡山県B", "大分県B", "大分県C", "沖縄県C"}},
        {"か", {"神奈川県A", "香川県A", "香川県B", "鹿児島県A", "鹿児島県C"}},
        {"き", {"京都府A"}},
        {"ぎ", {"岐阜県A"}},
        {"く", {"熊本県B", "熊本県C"}},
        {"ぐ", {"群馬県A"}},
        {"こ", {"高知県B"}},
        {"さ", {"埼玉県A", "佐賀県A"}},
        {"し", {"静岡県A", "滋賀県A", "島根県B"}},
        {"ち", {"千葉県A"}},
        {"と", {"栃木県A", "東京都A", "富山県A", "富山県B", "鳥取県A", "鳥取県B", "徳島県A", "徳島県B"}},
        {"な", {"長野県A", "奈良県A", "長崎県A"}},
        {"に", {"新潟県B"}},
        {"ひ", {"兵庫県A", "広島県B"}},
        {"ふ", {"福島県A", "福島県B", "福井県A", "福岡県A"}},
        {"ほ", {"北海道A", "北海道B", "北海道C"}},
        {"み", {"三重県A", "宮城県A", "宮崎県B"}},
        {"や", {"山梨県A", "山形県B", "山口県A"}},
        {"わ", {"和歌山県A"}},
    };
    const auto buttons = RegionButtons();
    ASSERT_EQ(buttons.size(), expected.size());
    const ControlStore defaults = DesignConditionsDefaults();
    std::multiset<std::string> listed;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].Control, "SpeedButton" + std::to_string(5 + i));
        EXPECT_EQ(buttons[i].Initial, expected[i].first);
        EXPECT_EQ(defaults.State(buttons[i].Control).Caption, expected[i].first);
        EXPECT_EQ(std::vector<std::string>(buttons[i].Keys.begin(), buttons[i].Keys.end()),
                  expected[i].second);
        listed.insert(buttons[i].Keys.begin(), buttons[i].Keys.end());
    }
    EXPECT_EQ(listed, std::multiset<std::string>(kKeysInTableOrder.begin(), kKeysInTableOrder.end()));
}

class ZoneLists : public ::testing::Test {
protected:
    ZoneLists() { form.SetIndex("RadioGroup5", 1); }
    DesignConditionsForm form;
    const ControlStore& c = form.Controls();
};

TEST_F(ZoneLists, AomoriBListsItsAreasAndTheFactorThenAomoriCitySetsOne) {
    form.ClickButton("SpeedButton5");  // あ
    EXPECT_EQ(c.Items("ListBox1"),
              (std::vector<std::string>{"青森県A", "青森県B", "愛知県A", "秋田県B"}));
    EXPECT_EQ(c.Index("ListBox1"), -1);
    EXPECT_TRUE(c.Items("ListBox2").empty());

    form.SetIndex("ListBox1", 1);
    EXPECT_EQ(c.Items("ListBox2"),
              (std::vector<std::string>{"青森市", "弘前市", "黒石市", "五所川原市", "むつ市",
                                        "東津軽郡", "西津軽郡", "中津軽郡", "南津軽郡",
                                        "北津軽郡", "下北郡"}));
    EXPECT_EQ(c.Text("ComboBox6"), "0.85");
    EXPECT_EQ(c.Text("Edit61"), "0.10");  // 0.12 × 0.85

    form.SetIndex("ListBox2", 1);  // 弘前市: nothing
    EXPECT_EQ(c.Text("ComboBox6"), "0.85");
    form.SetIndex("ListBox2", 0);  // 青森市
    EXPECT_EQ(c.Text("ComboBox6"), "1.0");
    EXPECT_EQ(c.Text("Edit61"), "0.10");  // not recomputed
}

TEST_F(ZoneLists, ZoneFactorMultipliesTheCurrentStandardValue) {
    const std::tuple<const char*, const char*, int, const char*, const char*> cases[] = {
        // standard, button, zone, factor, coefficient
        {"0.15", "SpeedButton8", 3, "0.7", "0.11"},    // 大分県C
        {"0.20", "SpeedButton23", 1, "0.85", "0.17"},  // 北海道B
        {"0.24", "SpeedButton18", 1, "1.0", "0.24"},   // 東京都A
    };
    for (const auto& [standard, button, zone, factor, shown] : cases) {
        form.SetText("ComboBox5", standard);
        form.ClickButton(button);
        form.SetIndex("ListBox1", zone);
        EXPECT_EQ(c.Text("ComboBox6"), factor) << button;
        EXPECT_EQ(c.Text("Edit61"), shown) << button;
        EXPECT_FALSE(c.Items("ListBox2").empty());
    }
    EXPECT_EQ(c.Items("ListBox2"), std::vector<std::string>{"東京都全域"});

    // Another initial empties the areas; clicking the same zone again refills them.
    form.ClickButton("SpeedButton26");
    EXPECT_EQ(c.Items("ListBox1"), std::vector<std::string>{"和歌山県A"});
    EXPECT_TRUE(c.Items("ListBox2").empty());
    form.SetIndex("ListBox1", 0);
    form.SetText("ComboBox6", "0.70");
    form.SetIndex("ListBox1", 0);
    EXPECT_EQ(c.Text("ComboBox6"), "1.0");
    EXPECT_EQ(c.Items("ListBox2"), std::vector<std::string>{"和歌山県全域"});
}

TEST_F(ZoneLists, StandardValueThatIsNotANumberStopsAfterEmptyingTheAreas) {
    form.ClickButton("SpeedButton5");
    form.SetIndex("ListBox1", 0);
    ASSERT_FALSE(c.Items("ListBox2").empty());
    form.SetIndex("ListBox1", -1);  // a click beside the items: nothing
    EXPECT_FALSE(c.Items("ListBox2").empty());
    try {
        form.SetText("ComboBox5", "");
    } catch (const ConversionError&) {
    }
    EXPECT_THROW(form.SetIndex("ListBox1", 1), ConversionError);
    EXPECT_TRUE(c.Items("ListBox2").empty());
    EXPECT_EQ(c.Text("ComboBox6"), "1.0");
}

}  // namespace
}  // namespace stelvar
