// Polylines: native POLYLINE records where the output has them, otherwise lines and arcs
// from vertex to vertex.
#include "cad/cad_driver.h"
#include "cad/cad_output.h"
#include "context/context.h"
#include "geometry/plane_geometry.h"

namespace kalo {
namespace {

bool NativePolylines(Context& context) {
  CadTarget* output = CadOutput(context);
  return output && output->HasPolylines();
}

}  // namespace

void CadArcThrough(Context& context, long double x1, long double y1, long double x2, long double y2,
                   long double phi) {
  std::optional<ArcGeometry> arc = GetArcCenter(x1, y1, x2, y2, phi, context.messages, context.Numbers());
  if (arc)
    CadArc(context, arc->xc, arc->yc, RadToDeg(arc->a1), RadToDeg(arc->a2), arc->r);
  else
    CadLine(context, x1, y1, x2, y2);
}

void CadBeginPolyline(Context& context, int flag) {
  CadState& cad = context.cad;
  cad.vertexCount = 1;
  cad.previousPhi = 0;
  cad.polylineFlag = flag;
  if (NativePolylines(context)) CadOutput(context)->BeginPolyline(flag);
}

void CadVertex(Context& context, long double x, long double y, long double phi) {
  CadState& cad = context.cad;
  if (NativePolylines(context)) {
    CadOutput(context)->Vertex(x, y, phi == 0 ? 0 : Tan(phi / 4, context.messages));
    return;
  }
  if (cad.vertexCount == 1) {
    cad.firstVertex = {x, y};
  } else if (cad.previousPhi == 0) {
    CadLineTo(context, x, y);
  } else {
    CadArcThrough(context, cad.current.x, cad.current.y, x, y, cad.previousPhi);
  }
  CadMoveTo(context, x, y);
  cad.previousPhi = phi;
  ++cad.vertexCount;
}

// A closed polyline drawn as segments gets its straight closing segment here, as the
// native polylines of DXF close themselves.
void CadEndPolyline(Context& context) {
  CadState& cad = context.cad;
  if (NativePolylines(context)) {
    CadOutput(context)->EndPolyline();
    return;
  }
  bool closed = (cad.polylineFlag & 1) != 0 && cad.vertexCount > 2;
  bool open = cad.current.x != cad.firstVertex.x || cad.current.y != cad.firstVertex.y;
  if (closed && open) CadLineTo(context, cad.firstVertex.x, cad.firstVertex.y);
  cad.polylineFlag = 0;
}

}  // namespace kalo
