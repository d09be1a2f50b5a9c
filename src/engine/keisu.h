#pragma once
// TKeisu: the calculation object of the coefficient tool. It adds nothing to TPa; the
// tool creates a fresh one, all fields zero, for each table it computes, so that no
// wall of the design (outline, surcharge, snow, water) enters the coefficients.

#include "engine/pa.h"

namespace stelvar {

struct TKeisu : TPa {};

}  // namespace stelvar
