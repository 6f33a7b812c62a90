#pragma once
// The curve of a SPLINE entity from its control points, knots and weights.
#include <string>
#include <vector>

#include "dxf/dxf_approximation.h"
#include "dxf/dxf_drawing.h"

namespace kalo {

struct SplineCurve {
  CurvePoint point;                 // in the drawing's x-y plane
  std::vector<long double> breaks;  // the distinct knots of the curve's parameter range
};

// The (rational) B-spline; false, with the reason in problem (code page 850), when degree,
// knots, weights and control points do not agree or a weight is not positive.
bool SplineCurveOf(const DxfEntity& spline, SplineCurve& curve, std::string& problem);

}  // namespace kalo
