#pragma once
// The mass properties of a solid read from a STEP file that is no body of revolution, as
// OpenCascade computes them: the solid's own values, not those of a contour.
#include <string>

namespace kalo {

struct ForeignSolid {
  std::string file;            // the STEP file
  std::string reason;          // why it gives no contour (code page 850)
  long double volume = 0;      // mm³
  long double surface = 0;     // mm²
  long double centre[3] = {};  // centre of mass, mm
  // Moments of inertia per unit density (mm⁵) about the axis found (nearest to a turned
  // part's) and two axes across it, all through the centre of mass.
  long double inertia[3] = {};
};

}  // namespace kalo
