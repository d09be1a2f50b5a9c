#include "run/sizing_json.h"

#include "run/result_json.h"

namespace stelvar {
namespace {

nlohmann::ordered_json Number(const std::optional<double>& x) {
    if (!x) return nullptr;
    return *x;
}

}  // namespace

nlohmann::ordered_json SizingToJson(const SizingResult& result, const Guidance& guidance, const std::string& file) {
    nlohmann::ordered_json j = nlohmann::ordered_json::object();
    j["File"] = file;
    j["Vary"] = std::string(result.Box.Name);
    j["From"] = result.Range.From;
    j["To"] = result.Range.To;
    j["Step"] = result.Range.Step;
    j["Smallest"] = result.Smallest ? nlohmann::ordered_json(result.Candidates[*result.Smallest].Value) : nullptr;
    nlohmann::ordered_json candidates = nlohmann::ordered_json::array();
    for (const SizingCandidate& c : result.Candidates) {
        nlohmann::ordered_json cj = nlohmann::ordered_json::object();
        cj["Value"] = c.Value;
        nlohmann::ordered_json apply = nlohmann::ordered_json::object();
        for (const auto& [name, text] : c.Apply) apply[name] = text;
        cj["Apply"] = std::move(apply);
        cj["AllOK"] = c.AllOk;
        if (c.Governing) {
            const SummaryRow& g = c.Summary[*c.Governing];
            nlohmann::ordered_json gj = nlohmann::ordered_json::object();
            gj["Case"] = std::string(DesignCaseName(g.Case));
            gj["Check"] = std::string(SummaryCheckKey(g.Check));
            gj["Ratio"] = Number(g.Ratio);
            cj["Governing"] = std::move(gj);
        } else {
            cj["Governing"] = nullptr;
        }
        cj["Summary"] = SummaryToJson(c.Summary);
        cj["Reason"] = c.Status == CandidateStatus::Ran ? nlohmann::ordered_json(nullptr)
                                                         : nlohmann::ordered_json(c.Reason);
        candidates.push_back(std::move(cj));
    }
    j["Candidates"] = std::move(candidates);
    nlohmann::ordered_json items = nlohmann::ordered_json::array();
    for (const GuidanceItem& item : guidance.Items) {
        nlohmann::ordered_json ij = nlohmann::ordered_json::object();
        ij["Vary"] = std::string(item.Box.Name);
        ij["Caption"] = std::string(item.Box.Caption);
        ij["Current"] = item.Current;
        ij["To"] = item.To;
        ij["Passing"] = Number(item.Passing);
        ij["Text"] = item.Text;
        items.push_back(std::move(ij));
    }
    j["Guidance"] = std::move(items);
    return j;
}

}  // namespace stelvar
