#pragma once
// The values of a STEP solid that is no body of revolution, for messages, reports and JSON,
// always marked as the solid's own values from OpenCascade.
#include <string>
#include <vector>

#include "model/foreign_solid.h"
#include "numbers/number_format.h"

namespace kalo {

// Lines in code page 850, with the mass for the density given (kg/dm³).
std::vector<std::string> ForeignSolidLines(const ForeignSolid& solid, long double rho, const NumberFormat& format);
// The JSON member "step_solid" (without a trailing comma).
std::string ForeignSolidJson(const ForeignSolid& solid, long double rho);

}  // namespace kalo
