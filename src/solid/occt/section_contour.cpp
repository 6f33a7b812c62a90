#include "solid/occt/section_contour.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAlgoAPI_Common.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepGProp.hxx>
#include <BRepTools.hxx>
#include <BRepTools_WireExplorer.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Wire.hxx>
#include <TopoDS_Vertex.hxx>
#include <gp_Ax3.hxx>
#include <gp_Pln.hxx>
#include <gp_Trsf.hxx>

#include <algorithm>
#include <cmath>

#include "platform/codepage.h"

namespace kalo {
namespace {

// The half-plane is turned this far from the solid's own frame, where seams of its faces
// tend to lie, so that the cut meets no seam.
constexpr double kCutAngle = 1.0;  // radians
constexpr int kApproximationSamples = 8;

struct Point2 {
  double x, r;
};

// One piece of the outline: from a point, straight (phi = 0) or turning by phi.
struct Piece {
  Point2 from;
  double phi;
};

class HalfPlane {
 public:
  Point2 Of(const gp_Pnt& p) const { return {p.X(), p.Y() * cos_ + p.Z() * sin_}; }

 private:
  double cos_ = std::cos(kCutAngle), sin_ = std::sin(kCutAngle);
};

double Normalised(double angle) { return std::remainder(angle, 2 * M_PI); }

double AngleAbout(const Point2& centre, const Point2& p) { return std::atan2(p.r - centre.r, p.x - centre.x); }

// The turn from a through m to b on the circle about centre.
double Turn(const Point2& centre, const Point2& a, const Point2& m, const Point2& b) {
  double am = AngleAbout(centre, a), mm = AngleAbout(centre, m), bm = AngleAbout(centre, b);
  return Normalised(mm - am) + Normalised(bm - mm);
}

// The circle through three points; false when they lie on a line.
bool CircleThrough(const Point2& a, const Point2& b, const Point2& c, Point2& centre, double& radius) {
  double d = 2 * (a.x * (b.r - c.r) + b.x * (c.r - a.r) + c.x * (a.r - b.r));
  if (std::fabs(d) < 1e-14 * (1 + std::fabs(a.x) + std::fabs(a.r))) return false;
  double aa = a.x * a.x + a.r * a.r, bb = b.x * b.x + b.r * b.r, cc = c.x * c.x + c.r * c.r;
  centre = {(aa * (b.r - c.r) + bb * (c.r - a.r) + cc * (a.r - b.r)) / d,
            (aa * (c.x - b.x) + bb * (a.x - c.x) + cc * (b.x - a.x)) / d};
  radius = std::hypot(a.x - centre.x, a.r - centre.r);
  return true;
}

double DistanceToLine(const Point2& p, const Point2& a, const Point2& b) {
  double length = std::hypot(b.x - a.x, b.r - a.r);
  if (length == 0) return std::hypot(p.x - a.x, p.r - a.r);
  return std::fabs((b.x - a.x) * (p.r - a.r) - (b.r - a.r) * (p.x - a.x)) / length;
}

// Any other curve: arcs through its ends and middle, halved until every sample of the
// curve lies within the approximation of the arc (or the line).
void Approximate(const BRepAdaptor_Curve& curve, const HalfPlane& plane, double u0, double u1, int depth,
                 std::vector<Piece>& pieces) {
  Point2 a = plane.Of(curve.Value(u0)), m = plane.Of(curve.Value((u0 + u1) / 2)), b = plane.Of(curve.Value(u1));
  Point2 centre{};
  double radius = 0;
  bool arc = CircleThrough(a, m, b, centre, radius);
  double worst = 0;
  for (int k = 1; k < kApproximationSamples; ++k) {
    Point2 p = plane.Of(curve.Value(u0 + (u1 - u0) * k / kApproximationSamples));
    double off = arc ? std::fabs(std::hypot(p.x - centre.x, p.r - centre.r) - radius) : DistanceToLine(p, a, b);
    worst = std::max(worst, off);
  }
  if (worst > kArcApproximation && depth < 20) {
    Approximate(curve, plane, u0, (u0 + u1) / 2, depth + 1, pieces);
    Approximate(curve, plane, (u0 + u1) / 2, u1, depth + 1, pieces);
    return;
  }
  pieces.push_back({a, arc ? Turn(centre, a, m, b) : 0.0});
}

// The arc of the circle from parameter u0 to u1, less than a full turn.
void AddArc(const BRepAdaptor_Curve& curve, const HalfPlane& plane, double u0, double u1, std::vector<Piece>& pieces) {
  Point2 a = plane.Of(curve.Value(u0)), m = plane.Of(curve.Value((u0 + u1) / 2)), b = plane.Of(curve.Value(u1));
  pieces.push_back({a, Turn(plane.Of(curve.Circle().Location()), a, m, b)});
}

// The edge that starts at the vertex given, as it runs along the outline.
void AddEdge(const TopoDS_Edge& edge, const TopoDS_Vertex& start, const HalfPlane& plane, std::vector<Piece>& pieces) {
  BRepAdaptor_Curve curve(edge);
  double u0 = curve.FirstParameter(), u1 = curve.LastParameter();
  gp_Pnt first = BRep_Tool::Pnt(start);
  bool closed = curve.Value(u0).Distance(curve.Value(u1)) < BRep_Tool::Tolerance(edge);
  if (closed ? edge.Orientation() == TopAbs_REVERSED : first.Distance(curve.Value(u1)) < first.Distance(curve.Value(u0)))
    std::swap(u0, u1);
  switch (curve.GetType()) {
    case GeomAbs_Line: pieces.push_back({plane.Of(curve.Value(u0)), 0}); break;
    case GeomAbs_Circle:
      if (closed) {
        AddArc(curve, plane, u0, (u0 + u1) / 2, pieces);
        AddArc(curve, plane, (u0 + u1) / 2, u1, pieces);
      } else {
        AddArc(curve, plane, u0, u1, pieces);
      }
      break;
    default: Approximate(curve, plane, u0, u1, 0, pieces);
  }
}

// Twice the signed area enclosed, arcs included.
double DoubleArea(const std::vector<Piece>& pieces) {
  double sum = 0;
  for (size_t k = 0; k < pieces.size(); ++k) {
    const Point2 &a = pieces[k].from, &b = pieces[(k + 1) % pieces.size()].from;
    sum += a.x * b.r - b.x * a.r;
    double phi = pieces[k].phi, chord = std::hypot(b.x - a.x, b.r - a.r);
    if (phi != 0) sum += chord * chord / (4 * std::sin(phi / 2) * std::sin(phi / 2)) * (phi - std::sin(phi));
  }
  return sum;
}

std::vector<Piece> Reversed(const std::vector<Piece>& pieces) {
  std::vector<Piece> reversed;
  for (size_t k = pieces.size(); k-- > 0;) reversed.push_back({pieces[(k + 1) % pieces.size()].from, -pieces[k].phi});
  return reversed;
}

// Straight pieces that go on in the same direction become one.
std::vector<Piece> Merged(const std::vector<Piece>& pieces, double tolerance) {
  std::vector<Piece> merged;
  for (size_t k = 0; k < pieces.size(); ++k) {
    const Piece& p = pieces[k];
    if (!merged.empty() && merged.back().phi == 0 && p.phi == 0 &&
        DistanceToLine(p.from, merged.back().from, pieces[(k + 1) % pieces.size()].from) < tolerance)
      continue;
    merged.push_back(p);
  }
  return merged;
}

// The contour ends with a straight segment back to its start: the outline is turned to end
// with a straight piece, one along the axis where there is one; without any, its start is
// repeated at its end.
std::vector<ContourElement> Elements(std::vector<Piece> pieces, double tolerance) {
  size_t n = pieces.size(), last = n;
  for (size_t k = 0; k < n; ++k) {
    if (pieces[k].phi != 0) continue;
    bool onAxis = std::fabs(pieces[k].from.r) < tolerance && std::fabs(pieces[(k + 1) % n].from.r) < tolerance;
    if (last == n || onAxis) last = k;
    if (onAxis) break;
  }
  std::vector<ContourElement> elements;
  size_t start = last == n ? 0 : last + 1;
  for (size_t j = 0; j < n; ++j) {
    const Piece& p = pieces[(start + j) % n];
    double r = std::fabs(p.from.r) < tolerance ? 0 : p.from.r;
    elements.push_back({p.from.x, r, p.phi});
  }
  if (last == n) elements.push_back({elements.front().x, elements.front().y, 0});
  return elements;
}

TopoDS_Face LargestFace(const TopoDS_Shape& shape, int& count) {
  TopoDS_Face largest;
  double largestArea = -1;
  count = 0;
  for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
    ++count;
    GProp_GProps props;
    BRepGProp::SurfaceProperties(e.Current(), props);
    if (props.Mass() > largestArea) {
      largestArea = props.Mass();
      largest = TopoDS::Face(e.Current());
    }
  }
  return largest;
}

}  // namespace

bool SectionContour(const TopoDS_Shape& solid, const gp_Ax1& axis, std::vector<ContourElement>& elements,
                    std::string& error) {
  // The axis becomes the x axis; the half-plane through it is turned by the cut angle.
  gp_Dir across = axis.Direction().IsParallel(gp::DZ(), 0.1) ? gp::DX() : gp::DZ();
  gp_Dir normal = axis.Direction().Crossed(across);
  gp_Trsf toAxis;
  toAxis.SetTransformation(gp_Ax3(axis.Location(), normal, axis.Direction()));
  TopoDS_Shape placed = BRepBuilderAPI_Transform(solid, toAxis, true).Shape();
  Bnd_Box box;
  BRepBndLib::Add(placed, box);
  double xmin, ymin, zmin, xmax, ymax, zmax;
  box.Get(xmin, ymin, zmin, xmax, ymax, zmax);
  double reach = std::max({std::fabs(ymin), std::fabs(ymax), std::fabs(zmin), std::fabs(zmax)}) * 2 + 1;
  gp_Dir radial(0, std::cos(kCutAngle), std::sin(kCutAngle));
  gp_Pln cutPlane(gp_Ax3(gp::Origin(), gp::DX().Crossed(radial), gp::DX()));
  TopoDS_Face halfPlane = BRepBuilderAPI_MakeFace(cutPlane, xmin - 1, xmax + 1, 0, reach);
  BRepAlgoAPI_Common cut(placed, halfPlane);
  int faces = 0;
  TopoDS_Face section = cut.IsDone() ? LargestFace(cut.Shape(), faces) : TopoDS_Face();
  if (section.IsNull()) {
    error = Oem("Der Schnitt durch die Achse ergibt keine Fläche");
    return false;
  }
  if (faces > 1) {
    error = Oem("Der Schnitt durch die Achse zerfällt in ") + std::to_string(faces) + Oem(" Flächen");
    return false;
  }
  int wires = 0;
  for (TopExp_Explorer w(section, TopAbs_WIRE); w.More(); w.Next()) ++wires;
  if (wires > 1) {
    error = Oem("Der Körper hat einen innen geschlossenen Hohlraum: der Schnitt hat Löcher");
    return false;
  }
  HalfPlane plane;
  std::vector<Piece> pieces;
  for (BRepTools_WireExplorer e(BRepTools::OuterWire(section), section); e.More(); e.Next())
    AddEdge(e.Current(), e.CurrentVertex(), plane, pieces);
  double tolerance = 1e-9 * std::max({xmax - xmin, reach, 1.0});
  if (DoubleArea(pieces) < 0) pieces = Reversed(pieces);
  pieces = Merged(pieces, tolerance);
  elements = Elements(pieces, tolerance);
  if (elements.size() > kMaxElements) {
    error = "Die Kontur hat " + std::to_string(elements.size()) + " Elemente, mehr als " + std::to_string(kMaxElements);
    return false;
  }
  return true;
}

}  // namespace kalo
