#pragma once
// The curve of a SPLINE entity given only by the points it passes through (fit points), as
// CAD programs interpolate them: a cubic through the points, parametrised by chord length,
// with the start and end tangents of the entity or, without them, straight ends.
#include <string>

#include "dxf/dxf_spline.h"

namespace kalo {

// False, with the reason in problem (code page 850), for fewer than two distinct points.
// tangentsGiven says whether the entity named its end tangents (else they were estimated).
bool FitSplineCurveOf(const DxfEntity& spline, SplineCurve& curve, bool& tangentsGiven, std::string& problem);

}  // namespace kalo
