#include "forms/seismic_zones.h"

#include <array>

namespace stelvar {
namespace {

// The split prefectures list the cities (市) and districts (郡) of the zoning by their
// names at the time it was laid down; a district split between two zones names the
// towns of each part.
constexpr std::array<std::string_view, 59> kZoneRows = {
    "青森県A,三沢市,十和田市,八戸市,上北郡,三戸郡,1.0",
    "青森県B,青森市,弘前市,黒石市,五所川原市,むつ市,東津軽郡,西津軽郡,中津軽郡,南津軽郡,"
    "北津軽郡,下北郡,0.85",
    "愛知県A,愛知県全域,1.0",
    "秋田県B,秋田県全域,0.85",
    "茨城県A,茨城県全域,1.0",
    "石川県A,金沢市,七尾市,小松市,加賀市,羽咋市,松任市,江沼郡,能美郡,石川郡,河北郡,羽咋郡,"
    "鹿島郡,1.0",
    "石川県B,輪島市,珠洲市,鳳至郡,珠洲郡,0.85",
    "岩手県A,岩手県全域,1.0",
    "愛媛県B,愛媛県全域,0.85",
    "大阪府A,大阪府全域,1.0",
    "岡山県B,岡山県全域,0.85",
    "大分県B,大分市,別府市,佐伯市,臼杵市,津久見市,竹田市,大分郡,北海部郡,南海部郡,大野郡,"
    "直入郡,玖珠郡,日田郡,0.85",
    "大分県C,中津市,日田市,豊後高田市,杵築市,宇佐市,西国東郡,東国東郡,速見郡,下毛郡,宇佐郡,"
    "0.7",
    "沖縄県C,沖縄県全域,0.7",
    "神奈川県A,神奈川県全域,1.0",
    "香川県A,大川郡,木田郡,1.0",
    "香川県B,高松市,丸亀市,坂出市,善通寺市,観音寺市,小豆郡,香川郡,綾歌郡,仲多度郡,三豊郡,"
    "0.85",
    "鹿児島県A,名瀬市,大島郡,1.0",
    "鹿児島県C,名瀬市大島郡以外,0.7",
    "京都府A,京都府全域,1.0",
    "岐阜県A,岐阜県全域,1.0",
    "熊本県B,熊本市,人吉市,菊池市,下益城郡,菊池郡,阿蘇郡,上益城郡,八代郡,球磨郡,0.85",
    "熊本県C,八代市,荒尾市,水俣市,玉名市,本渡市,山鹿市,牛深市,宇土市,飽託郡,宇土郡,玉名郡,"
    "鹿本郡,葦北郡,天草郡,0.7",
    "群馬県A,群馬県全域,1.0",
    "高知県B,高知県全域,0.85",
    "埼玉県A,埼玉県全域,1.0",
    "佐賀県A,佐賀県全域,1.0",
    "静岡県A,静岡県全域,1.0",
    "滋賀県A,滋賀県全域,1.0",
    "島根県B,島根県全域,0.85",
    "千葉県A,千葉県全域,1.0",
    "栃木県A,栃木県全域,1.0",
    "東京都A,東京都全域,1.0",
    "富山県A,富山市,高岡市,新湊市,氷見市,砺波市,小矢部市,上新川郡,中新川郡,婦負郡,射水郡,"
    "東礪波郡,西礪波郡,1.0",
    "富山県B,魚津市,滑川市,黒部市,下新川郡,0.85",
    "鳥取県A,鳥取市,岩美郡,八頭郡,気高郡,1.0",
    "鳥取県B,米子市,倉吉市,境港市,東伯郡,西伯郡,日野郡,0.85",
    "徳島県A,徳島市,鳴門市,小松島市,阿南市,勝浦郡,名東郡,名西郡,那賀郡,海部郡,板野郡,阿波郡,"
    "麻植郡,1.0",
    "徳島県B,美馬郡,三好郡,0.85",
    "長野県A,長野県全域,1.0",
    "奈良県A,奈良県全域,1.0",
    "長崎県A,長崎県全域,1.0",
    "新潟県B,新潟県全域,0.85",
    "兵庫県A,兵庫県全域,1.0",
    "広島県B,広島県全域,0.85",
    "福島県A,福島市,いわき市,原町市,相馬市,二本松市,伊達郡,安達郡,石川郡,田村郡,東白川郡,"
    "双葉郡,相馬郡,1.0",
    "福島県B,会津若松市,郡山市,白河市,須賀川市,喜多方市,岩瀬郡,南会津郡,北会津郡,耶麻郡,"
    "河沼郡,大沼郡,西白河郡,0.85",
    "福井県A,福井県全域,1.0",
    "宮崎県B,宮崎県全域,0.85",
    "福岡県A,福岡県全域,1.0",
    "北海道A,釧路市,帯広市,根室市,沙流郡,新冠郡,静内郡,三石郡,浦河郡,様似郡,幌泉郡,河東郡,"
    "河西郡,広尾郡,中川郡（十勝支庁）,足寄郡,十勝郡,上川郡（十勝支庁）,釧路郡,厚岸郡,川上郡,"
    "阿寒郡,白糠郡,野付郡,標津郡,目梨郡,1.0",
    "北海道B,札幌市,函館市,小樽市,室蘭市,北見市,夕張市,岩見沢市,網走市,苫小牧市,美唄市,"
    "芦別市,江別市,赤平市,三笠市,千歳市,滝川市,砂川市,歌志内市,深川市,富良野市,登別市,"
    "恵庭市,伊達市,札幌郡,石狩郡,厚田郡,浜益郡,松前郡,上磯郡,亀田郡,茅部郡,山越郡,檜山郡,"
    "爾志郡,久遠郡,奥尻郡,瀬棚郡,島牧郡,寿都郡,磯谷郡,虻田郡,岩内郡,古宇郡,積丹郡,古平郡,"
    "余市郡,空知郡,夕張郡,樺戸郡,雨竜郡,上川郡（上川支庁）のうち東神楽町、上川町、東川町及び"
    "美瑛町,勇払郡,網走郡,斜里郡,常呂郡,有珠郡,白老郡,0.85",
    "北海道C,旭川市,留萌市,稚内市,紋別市,士別市,名寄市,上川郡（上川支庁）のうち鷹栖町、当麻町、"
    "比布町、愛別町、和寒町、剣淵町、朝日町、風連町及び下川町,中川郡（上川支庁）,増毛郡,留萌郡,"
    "苫前郡,天塩郡,宗谷郡,枝幸郡,礼文郡,利尻郡,紋別郡,0.7",
    "三重県A,三重県全域,1.0",
    "宮城県A,宮城県全域,1.0",
    "山梨県A,山梨県全域,1.0",
    "山形県B,山形県全域,0.85",
    "山口県A,山口県全域,1.0",
    "和歌山県A,和歌山県全域,1.0",
};

constexpr std::string_view kA[] = {"青森県A", "青森県B", "愛知県A", "秋田県B"};
constexpr std::string_view kI[] = {"茨城県A", "石川県A", "石川県B", "岩手県A"};
constexpr std::string_view kE[] = {"愛媛県B"};
constexpr std::string_view kO[] = {"大阪府A", "岡山県B", "大分県B", "大分県C", "沖縄県C"};
constexpr std::string_view kKa[] = {"神奈川県A", "香川県A", "香川県B", "鹿児島県A", "鹿児島県C"};
constexpr std::string_view kKi[] = {"京都府A"};
constexpr std::string_view kGi[] = {"岐阜県A"};
constexpr std::string_view kKu[] = {"熊本県B", "熊本県C"};
constexpr std::string_view kGu[] = {"群馬県A"};
constexpr std::string_view kKo[] = {"高知県B"};
constexpr std::string_view kSa[] = {"埼玉県A", "佐賀県A"};
constexpr std::string_view kShi[] = {"静岡県A", "滋賀県A", "島根県B"};
constexpr std::string_view kChi[] = {"千葉県A"};
constexpr std::string_view kTo[] = {"栃木県A", "東京都A", "富山県A", "富山県B",
                                    "鳥取県A", "鳥取県B", "徳島県A", "徳島県B"};
constexpr std::string_view kNa[] = {"長野県A", "奈良県A", "長崎県A"};
constexpr std::string_view kNi[] = {"新潟県B"};
constexpr std::string_view kHi[] = {"兵庫県A", "広島県B"};
constexpr std::string_view kFu[] = {"福島県A", "福島県B", "福井県A", "福岡県A"};
constexpr std::string_view kHo[] = {"北海道A", "北海道B", "北海道C"};
constexpr std::string_view kMi[] = {"三重県A", "宮城県A", "宮崎県B"};
constexpr std::string_view kYa[] = {"山梨県A", "山形県B", "山口県A"};
constexpr std::string_view kWa[] = {"和歌山県A"};

constexpr std::array<RegionButton, 22> kButtons = {{
    {"SpeedButton5", "あ", kA},   {"SpeedButton6", "い", kI},   {"SpeedButton7", "え", kE},
    {"SpeedButton8", "お", kO},   {"SpeedButton9", "か", kKa},  {"SpeedButton10", "き", kKi},
    {"SpeedButton11", "ぎ", kGi}, {"SpeedButton12", "く", kKu}, {"SpeedButton13", "ぐ", kGu},
    {"SpeedButton14", "こ", kKo}, {"SpeedButton15", "さ", kSa}, {"SpeedButton16", "し", kShi},
    {"SpeedButton17", "ち", kChi}, {"SpeedButton18", "と", kTo}, {"SpeedButton19", "な", kNa},
    {"SpeedButton20", "に", kNi}, {"SpeedButton21", "ひ", kHi}, {"SpeedButton22", "ふ", kFu},
    {"SpeedButton23", "ほ", kHo}, {"SpeedButton24", "み", kMi}, {"SpeedButton25", "や", kYa},
    {"SpeedButton26", "わ", kWa},
}};

}  // namespace

std::span<const std::string_view> SeismicZoneRows() { return kZoneRows; }

std::string_view FindSeismicZoneRow(std::string_view key) {
    for (std::string_view row : kZoneRows)
        if (row.substr(0, row.find(',')) == key) return row;
    return {};
}

std::span<const RegionButton> RegionButtons() { return kButtons; }

}  // namespace stelvar
