#include "views/hatching.h"

#include <span>

#include "cad/cad_driver.h"
#include "context/context.h"
#include "views/hatch_geometry.h"
#include "views/view_style.h"

namespace kalo {

void HatchBegin(Context& context, int flag) {
  CadBeginPolyline(context, flag);
  context.hatch.count = 0;
  context.hatch.previousPhi = 0;
}

void HatchVertex(Context& context, long double x, long double y, long double phi) {
  CadVertex(context, x, y, phi);
  AddHatchVertex(context.hatch, x, y, phi, context.messages, context.Numbers());
}

void HatchEnd(Context& context, int count, long double spacing, long double angleDeg) {
  CadEndPolyline(context);
  Hatch(context, count == 0 ? context.hatch.count : count, spacing, angleDeg);
}

void Hatch(Context& context, int count, long double spacing, long double angleDeg) {
  HatchState& hatch = context.hatch;
  if (count > kMaxHatchPoints) {
    context.messages.Report("n schraff !", Severity::DrawingFault);
    return;
  }
  count = CloseHatchPolygon(hatch, count, context.messages);
  if (count == 0) return;
  std::span<const PlanePoint> polygon(hatch.points.data(), static_cast<size_t>(count));
  if (context.cad.hatchMode != kHatchLinesOnly) {
    if (context.cad.hatchMode == kHatchOutlineOnLayer5) CadSetLayer(context, kLayerOutline);
    CadBeginPolyline(context, 0);
    for (const PlanePoint& p : polygon) CadVertex(context, p.x, p.y, 0);
    CadEndPolyline(context);
  }
  HatchLines lines = ComputeHatchLines(polygon, spacing, angleDeg, context.messages);
  if (lines.hatched && (context.cad.hatchMode == kHatchOutlineOnLayer5 || context.cad.hatchMode == kHatchLinesOnly)) {
    CadSetLayer(context, kLayerHatch);
  }
  for (const HatchSegment& s : lines.segments) CadLine(context, s.from.x, s.from.y, s.to.x, s.to.y);
  if (lines.cancelled) context.state.cancel = true;
}

}  // namespace kalo
