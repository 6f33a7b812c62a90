#include "views/diagram.h"

#include <algorithm>

#include "cad/cad_driver.h"
#include "context/context.h"

namespace kalo {

void SetDiagramArea(DiagramState& diagram, long double width, long double height) {
  diagram.width = width;
  diagram.height = height;
}

void SetDiagramOrigin(DiagramState& diagram, long double x0, long double y0) {
  diagram.x0 = x0;
  diagram.y0 = y0;
}

void ResetDiagram(DiagramState& diagram) {
  DiagramState defaults;
  defaults.user = diagram.user;
  defaults.runTarget = diagram.runTarget;
  diagram = defaults;
}

void SetDiagramLimits(DiagramState& diagram, long double xlo, long double xhi, long double ylo, long double yhi) {
  diagram.xlo = xlo;
  diagram.xhi = xhi;
  diagram.ylo = ylo;
  diagram.yhi = yhi;
  diagram.dx = xhi - xlo;
  diagram.dy = yhi - ylo;
}

void ScaleDiagramLimits(DiagramState& diagram, long double fx, long double fy) {
  diagram.xStep /= fx;
  SetDiagramLimits(diagram, diagram.xlo / fx, diagram.xhi / fx, diagram.ylo / fy, diagram.yhi / fy);
}

long double DiagramX(const DiagramState& diagram, long double x) {
  return (x - diagram.xlo) / diagram.dx * diagram.width + diagram.x0;
}

long double DiagramY(const DiagramState& diagram, long double y) {
  return (y - diagram.ylo) / diagram.dy * diagram.height + diagram.y0;
}

void DiagramLine(Context& context, long double x1, long double y1, long double x2, long double y2) {
  const DiagramState& d = context.diagram;
  CadLine(context, DiagramX(d, x1), DiagramY(d, y1), DiagramX(d, x2), DiagramY(d, y2));
}

void DiagramText(Context& context, const std::string& text, long double x, long double y) {
  CadText(context, text, DiagramX(context.diagram, x), DiagramY(context.diagram, y));
}

void DiagramTextStyle(Context& context, int font, long double angle, long double height, long double width) {
  const DiagramState& d = context.diagram;
  long double f = std::max(0.01L * d.height, 0.00625L * d.width);
  CadSetTextStyle(context, font, angle, height * f, width * f);
}

void DiagramArrow(Context& context, int kind, long double size, long double x, long double y) {
  // Direction of the tip and the half-width across it.
  long double ux = 0, uy = 0;
  switch (kind) {
    case 0:
    case kArrowRight: ux = 1; break;
    case kArrowUp: uy = 1; break;
    case kArrowLeft: ux = -1; break;
    case kArrowDown: uy = -1; break;
    default: return;
  }
  long double bx = x - size * ux, by = y - size * uy;
  long double hx = -uy * size / 8, hy = ux * size / 8;
  CadSolid(context, x, y, bx + hx, by + hy, bx - hx, by - hy, x, y);
}

}  // namespace kalo
