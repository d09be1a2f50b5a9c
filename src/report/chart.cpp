#include "report/chart.h"

#include <stdexcept>

namespace stelvar {

ChartSeries& Chart::Get(std::string_view seriesName) {
    for (ChartSeries& s : Series)
        if (s.Name == seriesName) return s;
    ChartSeries& s = Series.emplace_back();
    s.Name = std::string(seriesName);
    return s;
}

const ChartSeries& Chart::Get(std::string_view seriesName) const {
    for (const ChartSeries& s : Series)
        if (s.Name == seriesName) return s;
    throw std::out_of_range("chart '" + Name + "' has no series '" + std::string(seriesName) + "'");
}

bool Chart::Has(std::string_view seriesName) const {
    for (const ChartSeries& s : Series)
        if (s.Name == seriesName) return true;
    return false;
}

void Chart::Clear() {
    for (ChartSeries& s : Series) s.Clear();
}

void Chart::SetRange(double xmax, double xmin, double ymax, double ymin) {
    Bottom.Min = xmin;
    Bottom.Max = xmax;
    Bottom.RangeSet = true;
    Left.Min = ymin;
    Left.Max = ymax;
    Left.RangeSet = true;
}

}  // namespace stelvar
