#include "views/drawing_sheet.h"

#include <algorithm>

#include "cad/cad_driver.h"
#include "context/context.h"
#include "views/contour_views.h"
#include "views/diagram.h"
#include "views/draw_diagram.h"
#include "views/result_table.h"
#include "views/view_style.h"

namespace kalo {
namespace {

constexpr int kLabelAboveAxisEnd = 2;

}  // namespace

void DrawDrawingSheet(Context& context) {
  CadInsert(context, kFrameBlockName, 0, 0, 0, 1, 1);
  DiagramState& diagram = context.diagram;
  SetDiagramArea(diagram, 125, 125);
  SetDiagramOrigin(diagram, 50, 140);
  // The outline's arcs are drawn as true arcs between the mapped points: only an equal
  // scale keeps them on the section's circles.
  diagram.equalScale = true;
  const UnitSystem units = context.Units();
  const std::string unit = LengthUnitText(units);
  const Bounds& b = context.body.bounds;
  auto inUnit = [&units](long double mm) { return LengthForDisplay(mm, units); };
  DrawDiagram(context, " x [" + unit + "]", "y [" + unit + "]", "", inUnit(b.xmin), 0,
              inUnit(std::max<long double>(b.xmax, b.xmin + b.height)), inUnit(std::max<long double>(b.length, b.ymax)),
              kLabelAboveAxisEnd);
  // Contour millimetres map into the diagram drawn in the chosen unit.
  ScaleDiagramLimits(diagram, inUnit(1), inUnit(1));
  DrawHatchedContour(context, true);
  ResetDiagram(diagram);
  DrawResultTable(context, 40, 100, 3.5L);
  context.cad.viewMarker = kViewMarkerDrawing;
}

}  // namespace kalo
