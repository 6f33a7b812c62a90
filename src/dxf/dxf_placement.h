#pragma once
// Where the curves of a drawing lie: the entities of the model, and those of the blocks that
// INSERT entities place, as curves in mm in the drawing plane.
#include <string>
#include <vector>

#include "dxf/dxf_curves.h"
#include "dxf/dxf_drawing.h"
#include "messages/outcome.h"

namespace kalo {

// Blocks inside blocks deeper than this are refused, and so are more placements than this
// in all, or more curves.
inline constexpr int kMaxInsertDepth = 16;
inline constexpr size_t kMaxPlacements = 100'000;
inline constexpr size_t kMaxPlacedCurves = 4'000'000;
// A spline or ellipse gives at most this many elements, however fine the tolerance.
inline constexpr size_t kMaxApproximationElements = 5'000;

struct DxfPlacementOptions {
  long double millimetres = 1;     // per drawing unit
  long double tolerance = 0.001L;  // mm, of arcs and lines that follow a spline or ellipse
};

struct DxfPlacedCurves {
  std::vector<DxfCurve> curves;  // in file order, a block's curves where its INSERT stands
  // What was passed over (code page 850): curves out of the drawing plane, meshes, missing
  // blocks, splines without control points.
  std::vector<std::string> notes;
};

// Curves of the model; arcs seen from below (extrusion 0, 0, -1) turn the other way, and a
// block's curves on layer "0" take the layer of their INSERT. A failure names the reason
// (code page 850): a block that places itself, too deep or too many placements.
[[nodiscard]] Outcome PlaceCurves(const DxfDrawing& drawing, const DxfPlacementOptions& options, DxfPlacedCurves& placed);

}  // namespace kalo
