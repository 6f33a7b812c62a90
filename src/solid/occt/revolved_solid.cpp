#include "solid/occt/revolved_solid.h"

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepCheck_Wire.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <BRep_Tool.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Vertex.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Ax1.hxx>
#include <gp_Ax2.hxx>
#include <gp_Circ.hxx>

#include <cmath>

#include "geometry/plane_geometry.h"
#include "messages/messages.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "solid/solid_contour_check.h"

namespace kalo {
namespace {

gp_Pnt Point(const ContourElement& e) { return gp_Pnt(static_cast<double>(e.x), static_cast<double>(e.y), 0); }

// The edge from element a's point to b's: straight, or the circular arc that turns by a's
// angle (counter-clockwise about +z when positive).
TopoDS_Edge SegmentEdge(const ContourElement& a, const ContourElement& b, const TopoDS_Vertex& va,
                        const TopoDS_Vertex& vb) {
  MessageCollection quiet;
  std::optional<ArcGeometry> arc;
  if (a.phi != 0 && !IsNegligibleArc(a.phi)) arc = GetArcCenterNoSwap(a.x, a.y, b.x, b.y, a.phi, quiet, NumberFormat{});
  if (!arc) return BRepBuilderAPI_MakeEdge(va, vb);
  gp_Ax2 axis(gp_Pnt(static_cast<double>(arc->xc), static_cast<double>(arc->yc), 0), a.phi > 0 ? gp::DZ() : -gp::DZ());
  gp_Circ circle(axis, static_cast<double>(arc->r));
  Handle(Geom_TrimmedCurve) curve = GC_MakeArcOfCircle(circle, Point(a), Point(b), true);
  return BRepBuilderAPI_MakeEdge(curve, va, vb);
}

// The closed wire; edges[k] is made from element elementOf[k] (1-based). Segments of no
// length are left out.
TopoDS_Wire ContourWire(const std::vector<ContourElement>& elements, std::vector<int>& elementOf) {
  BRepBuilderAPI_MakeWire wire;
  std::vector<int> kept;
  for (size_t i = 0; i < elements.size(); ++i) {
    const ContourElement& next = elements[(i + 1) % elements.size()];
    if (next.x != elements[i].x || next.y != elements[i].y) kept.push_back(static_cast<int>(i));
  }
  std::vector<TopoDS_Vertex> vertices;
  for (int i : kept) vertices.push_back(BRepBuilderAPI_MakeVertex(Point(elements[static_cast<size_t>(i)])));
  for (size_t k = 0; k < kept.size(); ++k) {
    size_t i = static_cast<size_t>(kept[k]);
    ContourElement a = elements[i];
    if (i + 1 == elements.size()) a.phi = 0;  // the closing segment is straight
    wire.Add(SegmentEdge(a, elements[(i + 1) % elements.size()], vertices[k], vertices[(k + 1) % kept.size()]));
    elementOf.push_back(kept[k] + 1);
  }
  return wire.IsDone() ? wire.Wire() : TopoDS_Wire();
}

std::string Place(const gp_Pnt& p) {
  return "x = " + FormatSignificant(p.X(), NumberFormat{}) + ", y = " + FormatSignificant(p.Y(), NumberFormat{});
}

// Where two edges of the outline meet that should not.
std::string TouchMessage(const TopoDS_Edge& first, const TopoDS_Edge& second, const TopTools_IndexedMapOfShape& edges,
                         const std::vector<int>& elementOf) {
  int a = elementOf[static_cast<size_t>(edges.FindIndex(first) - 1)];
  int b = elementOf[static_cast<size_t>(edges.FindIndex(second) - 1)];
  std::string text = Oem("Die Kontur berührt sich selbst: Element ") + std::to_string(std::min(a, b)) + " und " +
                     std::to_string(std::max(a, b));
  BRepExtrema_DistShapeShape distance(first, second);
  if (distance.IsDone() && distance.NbSolution() > 0) text += " bei " + Place(distance.PointOnShape1(1));
  return text;
}

}  // namespace

TopoDS_Shape RevolvedSolid(const std::vector<ContourElement>& elements, std::vector<std::string>& errors) {
  for (const std::string& problem : AxisProblems(elements)) errors.push_back(problem);
  if (!errors.empty()) return {};
  std::vector<int> elementOf;
  TopoDS_Wire wire = ContourWire(elements, elementOf);
  BRepBuilderAPI_MakeFace face(wire, true);
  if (wire.IsNull() || !face.IsDone()) {
    errors.push_back(Oem("Die Kontur ist kein geschlossener ebener Umriss"));
    return {};
  }
  TopTools_IndexedMapOfShape edges;
  for (TopExp_Explorer e(wire, TopAbs_EDGE); e.More(); e.Next()) edges.Add(e.Current());
  TopoDS_Edge first, second;
  BRepCheck_Wire check(wire);
  if (check.SelfIntersect(face.Face(), first, second, true) != BRepCheck_NoError) {
    errors.push_back(first.IsNull() ? Oem("Die Kontur berührt sich selbst")
                                    : TouchMessage(first, second, edges, elementOf));
    return {};
  }
  BRepPrimAPI_MakeRevol revolve(face.Face(), gp_Ax1(gp::Origin(), gp::DX()), 2 * M_PI, true);
  if (!revolve.IsDone()) {
    errors.push_back("OpenCascade kann die Kontur nicht drehen");
    return {};
  }
  return revolve.Shape();
}

std::string InvalidSolidMessage(const TopoDS_Shape& solid) {
  return BRepCheck_Analyzer(solid).IsValid() ? "" : Oem("Der gedrehte Körper ist nicht gültig (OpenCascade)");
}

}  // namespace kalo
