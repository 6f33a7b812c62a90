#pragma once
// The hatching of one closed region: the chord polygon collected from the outline's
// vertices and the arc angle of the last vertex. How outline and hatch lines are drawn is
// the hatch mode of the CAD output (CadState::hatchMode).
#include <array>

#include "geometry/plane_geometry.h"

namespace kalo {

inline constexpr int kMaxHatchPoints = 2000;

enum HatchMode : int {
  kHatchOutlineOnLayer5 = 1,  // outline on layer 5, hatch lines on layer 3
  kHatchLinesOnly = 2,        // no outline polyline, hatch lines on layer 3
  // any other value: outline and hatch lines on the current layer
};

struct HatchState {
  std::array<PlanePoint, kMaxHatchPoints> points{};
  int count = 0;
  long double previousPhi = 0;  // arc angle (radians) of the segment from the last vertex
};

}  // namespace kalo
