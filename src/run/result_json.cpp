#include "run/result_json.h"

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

}  // namespace

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
