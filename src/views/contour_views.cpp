#include "views/contour_views.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cad/cad_driver.h"
#include "context/context.h"
#include "views/diagram.h"
#include "views/hatching.h"
#include "views/view_style.h"

namespace kalo {
namespace {

constexpr int kClosedPolyline = 1;
constexpr long double kHatchAngle = 45;

void VerticalToAxis(Context& context, const PolygonPoint& p) { CadLine(context, p.x, p.y, p.x, 0); }

// A filled arrowhead at the end of the segment a-b, a twentieth of its length.
void Arrowhead(Context& context, const PolygonPoint& a, const PolygonPoint& b) {
  long double length = Hypot(b.x - a.x, b.y - a.y);
  if (length == 0) return;
  long double ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
  long double s = 0.05L * length;
  long double bx = b.x - s * ux, by = b.y - s * uy;
  long double nx = -uy * s / 6, ny = ux * s / 6;
  CadSolid(context, b.x, b.y, bx + nx, by + ny, bx - nx, by - ny, b.x, b.y);
}

}  // namespace

void DrawAxisAndEnds(Context& context) {
  const Body& body = context.body;
  const Bounds& bounds = body.bounds;
  CadSetLayer(context, kLayerAxis);
  CadLine(context, bounds.xmin - 0.1L * bounds.length, 0, bounds.xmax + 0.1L * bounds.length, 0);
  CadSetLayer(context, kLayerOutline);
  VerticalToAxis(context, body.polygon.points[bounds.xminIndex]);
  VerticalToAxis(context, body.polygon.points[bounds.xmaxIndex]);
}

void DrawHatchedContour(Context& context, bool inDiagram) {
  const Contour& contour = context.body.contour;
  if (contour.count == 0) return;
  const DiagramState& diagram = context.diagram;
  CadSetLayer(context, kLayerOutline);
  context.cad.hatchMode = kHatchOutlineOnLayer5;
  HatchBegin(context, kClosedPolyline);
  for (int i = 1; i <= contour.count; ++i) {
    const ContourElement& e = contour[i];
    if (inDiagram)
      HatchVertex(context, DiagramX(diagram, e.x), DiagramY(diagram, e.y), e.phi);
    else
      HatchVertex(context, e.x, e.y, e.phi);
  }
  HatchEnd(context, 0, 0, kHatchAngle);
}

void DrawNumberedPolygon(Context& context) {
  const Body& body = context.body;
  // An empty contour keeps the polygon of an earlier one; it is not drawn.
  if (body.contour.count == 0) return;
  long double size = std::min(body.bounds.length, body.bounds.height);
  CadSetTextStyle(context, kViewFont, 0, 0.025L * size, size / 60);
  CadSetLayer(context, kLayerHatch);
  const auto& points = body.polygon.points;
  for (int i = 2; i <= body.polygon.count; ++i) {
    CadLine(context, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    Arrowhead(context, points[i - 1], points[i]);
    CadText(context, " " + std::to_string(i), points[i].x, points[i].y);
  }
}

void DrawContourPolyline(Context& context) {
  const Contour& contour = context.body.contour;
  if (contour.count == 0) return;
  CadSetLayer(context, kLayerOutline);
  CadBeginPolyline(context, kClosedPolyline);
  for (int i = 1; i <= contour.count; ++i) CadVertex(context, contour[i].x, contour[i].y, contour[i].phi);
  CadEndPolyline(context);
}

}  // namespace kalo
