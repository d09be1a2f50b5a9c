// Verdict captions of the stability group boxes.

#include <array>
#include <stdexcept>
#include <string>

#include "report/report_colours.h"
#include "report/report_writers.h"

namespace stelvar {

void SetVerdictCaption(ResultsStore& store, std::string_view groupBox, int index,
                       std::string_view verdict) {
    static constexpr std::array<std::string_view, 5> kBase = {
        "-", "1.滑動に対する安定", "2.転倒に対する安定", "3.支持力に対する安定",
        "4.鉛直支持力の照査"};
    if (index < 0 || index >= static_cast<int>(kBase.size()))
        throw std::out_of_range("verdict caption index " + std::to_string(index) +
                                " outside 0..4");
    ResultsStore::Caption& caption = store.GetCaption(groupBox);
    caption.Text = std::string(kBase[static_cast<std::size_t>(index)]) + "( " +
                   std::string(verdict) + " )";
    if (verdict == "OK")
        caption.FontColour = report_colours::clBlue;
    else if (verdict == "NO")
        caption.FontColour = report_colours::clRed;
}

}  // namespace stelvar
