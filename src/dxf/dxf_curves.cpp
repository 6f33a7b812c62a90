#include "dxf/dxf_curves.h"

namespace kalo {

const char* DxfCurveName(DxfCurveKind kind) {
  switch (kind) {
    case DxfCurveKind::Line:
      return "LINE";
    case DxfCurveKind::Arc:
      return "ARC";
    case DxfCurveKind::Circle:
      return "CIRCLE";
    case DxfCurveKind::Polyline:
      return "POLYLINE";
    case DxfCurveKind::Spline:
      return "SPLINE";
    case DxfCurveKind::Ellipse:
      return "ELLIPSE";
  }
  return "";
}

// Each point's segment is the old segment that ended at it, run the other way.
std::vector<DxfVertex> Reversed(const std::vector<DxfVertex>& vertices) {
  std::vector<DxfVertex> reversed(vertices.rbegin(), vertices.rend());
  for (size_t i = 0; i < reversed.size(); ++i)
    reversed[i].phi = i + 1 < reversed.size() ? Negated(reversed[i + 1].phi) : 0;
  return reversed;
}

}  // namespace kalo
