#include "forms/allowable_stress.h"

#include <string>

#include "forms/control_builders.h"

namespace stelvar {

using namespace controls;

ControlStore AllowableStressDefaults() {
    using namespace allowable_stress;
    ControlStore s;
    s.Add(std::string(kStrength), Group({"18", "21", "24"}, 0));
    s.Add(std::string(kDesignCase), Group({"常時", "地震時"}, 0));
    s.Add(std::string(kSigmaCa), Edit("4.5"));
    s.Add(std::string(kSigmaCat), Edit("0.22"));
    s.Add(std::string(kTauCa), Edit("0.33"));
    return s;
}

}  // namespace stelvar
