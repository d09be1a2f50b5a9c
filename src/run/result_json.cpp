#include "run/result_json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/fields.h"

namespace stelvar {
namespace {

struct ToJson {
    nlohmann::ordered_json& j;
    template <class T>
    void operator()(const char* name, const T& value) const {
        j[name] = value;
    }
};

template <class Rec, class Visit>
nlohmann::ordered_json Record(const std::optional<Rec>& rec, Visit visit) {
    if (!rec) return nullptr;
    nlohmann::ordered_json j = nlohmann::ordered_json::object();
    visit(*rec, ToJson{j});
    return j;
}

const char* OkNo(bool ok) { return ok ? "OK" : "NO"; }

// Writes JSON text as nlohmann's dump() does: no spaces, numbers as its shortest
// round-trip form (its own to_chars), a number that is not finite as null, texts raw
// where they hold nothing to escape, else through the library.
class JsonText {
public:
    std::string& Out() { return out_; }

    void Open(char bracket) {
        out_ += bracket;
        first_ = true;
    }
    void Close(char bracket) {
        out_ += bracket;
        first_ = false;
    }
    // A key is a field name: letters and digits only (see NamesPlainAndDistinct).
    void Key(std::string_view name) {
        if (!first_) out_ += ',';
        first_ = false;
        out_ += '"';
        out_ += name;
        out_ += "\":";
    }
    void Null() { out_ += "null"; }
    void Value(double x) {
        if (!std::isfinite(x)) return Null();
        char buffer[64];
        char* end = nlohmann::detail::to_chars(buffer, buffer + sizeof buffer, x);
        out_.append(buffer, end);
    }
    void Value(std::int32_t x) {
        char buffer[16];
        out_.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, x).ptr);
    }
    void Value(bool x) { out_ += x ? "true" : "false"; }
    void Value(const std::string& x) { String(x); }
    template <std::size_t N>
    void Value(const std::array<double, N>& xs) {
        Open('[');
        for (const double x : xs) {
            if (!first_) out_ += ',';
            first_ = false;
            Value(x);
        }
        Close(']');
    }
    static bool Plain(std::string_view text) {
        return std::all_of(text.begin(), text.end(),
                           [](char ch) { return ch >= 0x20 && ch < 0x7F && ch != '"' && ch != '\\'; });
    }
    void String(std::string_view text) {
        if (Plain(text)) {
            out_ += '"';
            out_ += text;
            out_ += '"';
        } else {
            out_ += nlohmann::ordered_json(std::string(text)).dump();
        }
    }

private:
    std::string out_;
    bool first_ = true;
};

struct ToText {
    JsonText& j;
    template <class T>
    void operator()(const char* name, const T& value) const {
        j.Key(name);
        j.Value(value);
    }
};

template <class Rec, class Visit>
void RecordText(JsonText& j, const char* name, const std::optional<Rec>& rec, Visit visit) {
    j.Key(name);
    if (!rec) return j.Null();
    j.Open('{');
    visit(*rec, ToText{j});
    j.Close('}');
}

// The names of the fields of one record, in visiting order.
struct Names {
    std::vector<std::string>& names;
    template <class T>
    void operator()(const char* name, const T&) const {
        names.emplace_back(name);
    }
};

bool PlainAndDistinct(std::vector<std::string> names) {
    if (!std::all_of(names.begin(), names.end(), [](const std::string& n) { return JsonText::Plain(n); }))
        return false;
    std::sort(names.begin(), names.end());
    return std::adjacent_find(names.begin(), names.end()) == names.end();
}

// An object that named a key twice keeps its first place and its last value; the text is
// written straight only while every object's names are distinct and need no escapes,
// which holds for the visitors as they are (a new field of a repeated name falls back
// to the library).
bool NamesPlainAndDistinct() {
    const TAntei a;
    const StemSection section;
    const WedgeSnapshot snapshot;
    const MemberCheck check;
    std::vector<std::string> top = {"File", "StemMid", "StemFixed", "ToeCheck", "HeelCheck", "KeyCheck", "Verdicts"};
    VisitTTeisuFields(a, Names{top});
    VisitTShapeFields(a, Names{top});
    VisitTPaFields(a, Names{top});
    VisitTAnteiFields(a, Names{top});
    std::vector<std::string> stem = {"Wedge"};
    VisitStemSectionFields(section, Names{stem});
    std::vector<std::string> wedge;
    VisitWedgeSnapshotFields(snapshot, Names{wedge});
    std::vector<std::string> member;
    VisitMemberCheckFields(check, Names{member});
    return PlainAndDistinct(top) && PlainAndDistinct(stem) && PlainAndDistinct(wedge) && PlainAndDistinct(member);
}

}  // namespace

std::string RunOutcomeJsonText(const RunOutcome& outcome, const std::string& file) {
    static const bool straight = NamesPlainAndDistinct();
    if (!straight) return RunOutcomeToJson(outcome, file).dump();

    const TAntei& a = outcome.Object;
    JsonText j;
    j.Out().reserve(12288);
    j.Open('{');
    j.Key("File");
    j.String(file);
    VisitTTeisuFields(a, ToText{j});
    VisitTShapeFields(a, ToText{j});
    VisitTPaFields(outcome.WholeWall, ToText{j});
    VisitTAnteiFields(a, ToText{j});

    const auto section = [](const StemSection& s, ToText t) { VisitStemSectionFields(s, t); };
    RecordText(j, "StemMid", a.StemMid, section);
    RecordText(j, "StemFixed", a.StemFixed, [&](const StemSection& s, ToText t) {
        VisitStemSectionFields(s, t);
        if (a.StemFixedWedge)
            RecordText(j, "Wedge", a.StemFixedWedge, [](const WedgeSnapshot& w, ToText u) {
                VisitWedgeSnapshotFields(w, u);
            });
    });
    const auto member = [](const MemberCheck& m, ToText t) { VisitMemberCheckFields(m, t); };
    RecordText(j, "ToeCheck", a.ToeCheck, member);
    RecordText(j, "HeelCheck", a.HeelCheck, member);
    RecordText(j, "KeyCheck", a.KeyCheck, member);

    const Verdicts& v = outcome.Checks;
    j.Key("Verdicts");
    j.Open('{');
    for (const auto& [name, ok] : {std::pair{"Sliding", v.Sliding}, std::pair{"Overturning", v.Overturning},
                                   std::pair{"GroundReaction", v.GroundReaction}, std::pair{"Bearing", v.Bearing}}) {
        j.Key(name);
        j.String(OkNo(ok));
    }
    j.Close('}');
    j.Close('}');
    return std::move(j.Out());
}

nlohmann::ordered_json RunOutcomeToJson(const RunOutcome& outcome, const std::string& file) {
    const TAntei& a = outcome.Object;
    nlohmann::ordered_json j = nlohmann::ordered_json::object();
    j["File"] = file;
    VisitTTeisuFields(a, ToJson{j});
    VisitTShapeFields(a, ToJson{j});
    // The earth pressure as it stood after the whole-wall search; the stem design
    // repeats the search per section on the same object afterwards.
    VisitTPaFields(outcome.WholeWall, ToJson{j});
    VisitTAnteiFields(a, ToJson{j});

    j["StemMid"] = Record(a.StemMid, [](const StemSection& s, ToJson t) {
        VisitStemSectionFields(s, t);
    });
    j["StemFixed"] = Record(a.StemFixed, [](const StemSection& s, ToJson t) {
        VisitStemSectionFields(s, t);
    });
    if (a.StemFixed && a.StemFixedWedge) {
        j["StemFixed"]["Wedge"] = Record(a.StemFixedWedge, [](const WedgeSnapshot& w, ToJson t) {
            VisitWedgeSnapshotFields(w, t);
        });
    }
    auto member = [](const MemberCheck& m, ToJson t) { VisitMemberCheckFields(m, t); };
    j["ToeCheck"] = Record(a.ToeCheck, member);
    j["HeelCheck"] = Record(a.HeelCheck, member);
    j["KeyCheck"] = Record(a.KeyCheck, member);

    const Verdicts& v = outcome.Checks;
    j["Verdicts"] = {{"Sliding", OkNo(v.Sliding)},
                     {"Overturning", OkNo(v.Overturning)},
                     {"GroundReaction", OkNo(v.GroundReaction)},
                     {"Bearing", OkNo(v.Bearing)}};
    return j;
}

nlohmann::ordered_json SummaryToJson(const std::vector<SummaryRow>& rows) {
    const auto figure = [](const std::optional<double>& x) -> nlohmann::ordered_json {
        if (!x) return nullptr;
        return *x;
    };
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const SummaryRow& r : rows) {
        nlohmann::ordered_json j = nlohmann::ordered_json::object();
        j["Case"] = std::string(DesignCaseName(r.Case));
        j["Check"] = std::string(SummaryCheckKey(r.Check));
        j["Value"] = figure(r.Value);
        j["Limit"] = figure(r.Limit);
        j["Ratio"] = figure(r.Ratio);
        j["Verdict"] = OkNo(r.Ok);
        j["Governing"] = r.Governing;
        out.push_back(std::move(j));
    }
    return out;
}

nlohmann::ordered_json PairOutcomeToJson(const PairOutcome& outcome, const std::string& file) {
    nlohmann::ordered_json j = nlohmann::ordered_json::object();
    j["File"] = file;
    j["Ordinary"] = RunOutcomeToJson(outcome.Ordinary, file);
    j["Seismic"] = RunOutcomeToJson(outcome.Seismic, file);
    j["Summary"] = SummaryToJson(outcome.Summary);
    return j;
}

}  // namespace stelvar
