#pragma once
// The regional correction factor Cz of the design seismic coefficient: the zones of the
// seismic zoning by region (A 1.0, B 0.85, C 0.7), each with the municipalities and
// districts it covers, and the initial-kana buttons that list the zones.

#include <span>
#include <string_view>

namespace stelvar {

// One zone as the window keeps it: "key,area,area,...,factor". The key is the
// prefecture followed by the zone letter; the factor is the one field holding a ".".
// A prefecture with a single zone covers "<prefecture>全域".
std::span<const std::string_view> SeismicZoneRows();

// The zone row with this key, empty when there is none.
std::string_view FindSeismicZoneRow(std::string_view key);

// A button of "県名頭文字": its control name, the initial kana it shows, and the zone
// keys it lists, in the order listed.
struct RegionButton {
    std::string_view Control;
    std::string_view Initial;
    std::span<const std::string_view> Keys;
};

std::span<const RegionButton> RegionButtons();

}  // namespace stelvar
