#pragma once
// TShape: the region workspace of the region query and the surface-line workspace.

#include "engine/teisu.h"

namespace stelvar {

struct TShape : TTeisu {
    std::int32_t RegHigh = 0;
    std::array<double, 15> RegX{};
    std::array<double, 15> RegY{};
    std::int32_t LoadHigh = 0;
    std::array<double, 5> LoadX{};
    std::array<double, 5> LoadY{};
};

}  // namespace stelvar
