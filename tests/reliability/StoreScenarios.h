// The scenarios of the object store calls and of cedb, and those of the viewer's models.
#pragma once

#include <vector>

#include "Sweep.h"

namespace sweep {

std::vector<Scenario> storeScenarios();
std::vector<Scenario> viewerScenarios();

}  // namespace sweep
