#include "solid/occt/section_contour.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <Bnd_Box.hxx>
#include <BRepTools.hxx>
#include <BRep_Tool.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Wire.hxx>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

#include "platform/codepage.h"

namespace kalo {
namespace {

// Every face of a body of revolution meets a half-plane through the axis in the same curve,
// whatever the half-plane's angle: its meridian. So the section is gathered face by face,
// each face's meridian taken in the middle of its own range of angles, in the coordinates
// along the axis (x) and away from it (r).
constexpr int kApproximationSamples = 8;
constexpr int kMaxHalvings = 20;

struct Point2 {
  double x, r;
};

using Meridian = std::function<Point2(double)>;

// One piece of the outline: from a point to the next piece's, straight (phi = 0) or turning
// by phi; to is where it ends.
struct Piece {
  Point2 from;
  double phi;
  Point2 to;
};

class AxisFrame {
 public:
  explicit AxisFrame(const gp_Ax1& axis) : origin_(axis.Location()), along_(axis.Direction()) {}
  // A circle of this axis lies across the axis with its centre on it.
  bool Across(const gp_Ax1& axis) const {
    return axis.Direction().IsParallel(gp_Dir(along_), 1e-9) && Of(axis.Location()).r < 1e-6;
  }
  Point2 Of(const gp_Pnt& p) const {
    gp_Vec d(origin_, p);
    double x = d.Dot(along_);
    return {x, (d - along_ * x).Magnitude()};
  }

 private:
  gp_Pnt origin_;
  gp_Vec along_;
};

double Distance(const Point2& a, const Point2& b) { return std::hypot(a.x - b.x, a.r - b.r); }

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
  double scale = std::max({Distance(a, b), Distance(b, c), Distance(a, c)});
  if (std::fabs(d) < 1e-12 * scale * scale) return false;
  double aa = a.x * a.x + a.r * a.r, bb = b.x * b.x + b.r * b.r, cc = c.x * c.x + c.r * c.r;
  centre = {(aa * (b.r - c.r) + bb * (c.r - a.r) + cc * (a.r - b.r)) / d,
            (aa * (c.x - b.x) + bb * (a.x - c.x) + cc * (b.x - a.x)) / d};
  radius = Distance(a, centre);
  return true;
}

double DistanceToLine(const Point2& p, const Point2& a, const Point2& b) {
  double length = Distance(a, b);
  if (length == 0) return Distance(p, a);
  return std::fabs((b.x - a.x) * (p.r - a.r) - (b.r - a.r) * (p.x - a.x)) / length;
}

// The arc (or line) through the meridian's ends and middle, and how far the meridian's
// samples lie from it.
Piece ArcThrough(const Meridian& at, double v0, double v1, double* worst) {
  Point2 a = at(v0), m = at((v0 + v1) / 2), b = at(v1), centre{};
  double radius = 0;
  bool arc = CircleThrough(a, m, b, centre, radius);
  if (worst) {
    *worst = 0;
    for (int k = 1; k < kApproximationSamples; ++k) {
      Point2 p = at(v0 + (v1 - v0) * k / kApproximationSamples);
      *worst = std::max(*worst, arc ? std::fabs(Distance(p, centre) - radius) : DistanceToLine(p, a, b));
    }
  }
  return {a, arc ? Turn(centre, a, m, b) : 0.0, b};
}

// A meridian of any curve: arcs through its ends and middle, halved until every sample lies
// within the approximation of its arc.
void Approximate(const Meridian& at, double v0, double v1, int depth, std::vector<Piece>& pieces) {
  double worst = 0;
  Piece piece = ArcThrough(at, v0, v1, &worst);
  if (worst > kArcApproximation && depth < kMaxHalvings) {
    Approximate(at, v0, (v0 + v1) / 2, depth + 1, pieces);
    Approximate(at, (v0 + v1) / 2, v1, depth + 1, pieces);
    return;
  }
  pieces.push_back(piece);
}

// The radial line of a plane across the axis: from its hole (or the axis) to its rim.
void AddPlaneMeridian(const TopoDS_Face& face, const AxisFrame& frame, std::vector<Piece>& pieces) {
  TopoDS_Wire outer = BRepTools::OuterWire(face);
  double inner = 0, rim = 0, x = 0;
  for (TopExp_Explorer w(face, TopAbs_WIRE); w.More(); w.Next()) {
    double reach = 0;
    for (TopExp_Explorer e(w.Current(), TopAbs_EDGE); e.More(); e.Next()) {
      BRepAdaptor_Curve curve(TopoDS::Edge(e.Current()));
      for (double u : {curve.FirstParameter(), (curve.FirstParameter() + curve.LastParameter()) / 2,
                       curve.LastParameter()}) {
        Point2 p = frame.Of(curve.Value(u));
        reach = std::max(reach, p.r);
        x = p.x;
      }
    }
    if (w.Current().IsSame(outer))
      rim = reach;
    else
      inner = std::max(inner, reach);
  }
  pieces.push_back({{x, inner}, 0, {x, rim}});
}

// A sphere's meridian about the axis: the arc about its centre between the circles across
// the axis that bound the face (the sphere's own parameters may turn about another axis).
void AddSphereMeridian(const TopoDS_Face& face, const BRepAdaptor_Surface& surface, const AxisFrame& frame,
                       std::vector<Piece>& pieces) {
  Point2 centre = frame.Of(surface.Sphere().Location());
  double radius = surface.Sphere().Radius(), u0, u1, v0, v1;
  BRepTools::UVBounds(face, u0, u1, v0, v1);
  double inside = frame.Of(surface.Value((u0 + u1) / 2, (v0 + v1) / 2)).x;
  double low = centre.x - radius, high = centre.x + radius;
  for (TopExp_Explorer e(face, TopAbs_EDGE); e.More(); e.Next()) {
    if (BRep_Tool::Degenerated(TopoDS::Edge(e.Current()))) continue;
    BRepAdaptor_Curve curve(TopoDS::Edge(e.Current()));
    if (curve.GetType() != GeomAbs_Circle || !frame.Across(curve.Circle().Axis())) continue;
    double x = frame.Of(curve.Circle().Location()).x;
    if (x <= inside) low = std::max(low, x);
    if (x >= inside) high = std::min(high, x);
  }
  auto at = [&](double angle) { return Point2{centre.x + radius * std::cos(angle), radius * std::sin(angle)}; };
  double from = std::acos(std::clamp((low - centre.x) / radius, -1.0, 1.0));
  double to = std::acos(std::clamp((high - centre.x) / radius, -1.0, 1.0));
  pieces.push_back({at(from), to - from, at(to)});
}

void AddMeridian(const TopoDS_Face& face, const AxisFrame& frame, double tolerance, std::vector<Piece>& pieces) {
  BRepAdaptor_Surface surface(face, false);
  if (surface.GetType() == GeomAbs_Plane) return AddPlaneMeridian(face, frame, pieces);
  if (surface.GetType() == GeomAbs_Sphere) return AddSphereMeridian(face, surface, frame, pieces);
  double u0, u1, v0, v1;
  BRepTools::UVBounds(face, u0, u1, v0, v1);
  double u = (u0 + u1) / 2;
  Meridian at = [&surface, &frame, u](double v) { return frame.Of(surface.Value(u, v)); };
  // A closed meridian (a torus's circle) in two halves.
  if (Distance(at(v0), at(v1)) < tolerance) {
    for (auto [a, b] : {std::pair{v0, (v0 + v1) / 2}, std::pair{(v0 + v1) / 2, v1}}) {
      if (surface.GetType() == GeomAbs_Torus)
        pieces.push_back(ArcThrough(at, a, b, nullptr));
      else
        Approximate(at, a, b, 0, pieces);
    }
    return;
  }
  switch (surface.GetType()) {
    case GeomAbs_Cylinder:
    case GeomAbs_Cone: pieces.push_back({at(v0), 0, at(v1)}); break;
    case GeomAbs_Torus: pieces.push_back(ArcThrough(at, v0, v1, nullptr)); break;
    default: Approximate(at, v0, v1, 0, pieces);
  }
}

bool SamePiece(const Piece& a, const Piece& b, double tolerance) {
  bool forward = Distance(a.from, b.from) < tolerance && Distance(a.to, b.to) < tolerance;
  bool backward = Distance(a.from, b.to) < tolerance && Distance(a.to, b.from) < tolerance;
  return (forward && std::fabs(a.phi - b.phi) < 1e-9) || (backward && std::fabs(a.phi + b.phi) < 1e-9);
}

// Faces split in angle give their meridian more than once; a piece of no length is none.
std::vector<Piece> Distinct(const std::vector<Piece>& pieces, double tolerance) {
  std::vector<Piece> distinct;
  for (const Piece& p : pieces) {
    if (Distance(p.from, p.to) < tolerance) continue;
    auto same = [&](const Piece& q) { return SamePiece(p, q, tolerance); };
    if (std::none_of(distinct.begin(), distinct.end(), same)) distinct.push_back(p);
  }
  return distinct;
}

Piece Turned(const Piece& p) { return {p.to, -p.phi, p.from}; }

// The pieces joined end to end into one outline; where a run of pieces ends on the axis, it
// goes on along the axis to the nearest start of another run there. False when the pieces
// do not close.
bool Chain(std::vector<Piece> open, double tolerance, std::vector<Piece>& outline) {
  if (open.empty()) return false;
  outline = {open.front()};
  open.erase(open.begin());
  while (true) {
    Point2 end = outline.back().to;
    auto next = std::find_if(open.begin(), open.end(), [&](const Piece& p) {
      return Distance(p.from, end) < tolerance || Distance(p.to, end) < tolerance;
    });
    if (next != open.end()) {
      outline.push_back(Distance(next->from, end) < tolerance ? *next : Turned(*next));
      open.erase(next);
      continue;
    }
    if (Distance(end, outline.front().from) < tolerance) return open.empty();
    if (end.r > tolerance) return false;
    // Along the axis to the nearest end of a run on it, or back to the start.
    Point2 target = outline.front().from;
    auto nearest = open.end();
    for (auto p = open.begin(); p != open.end(); ++p)
      for (const Point2& q : {p->from, p->to})
        if (q.r < tolerance && Distance(q, end) < Distance(target, end)) {
          target = q;
          nearest = p;
        }
    outline.push_back({end, 0, {target.x, 0}});
    if (nearest == open.end()) return open.empty() && target.r < tolerance;
  }
}

// Twice the signed area enclosed, arcs included.
double DoubleArea(const std::vector<Piece>& pieces) {
  double sum = 0;
  for (const Piece& p : pieces) {
    sum += p.from.x * p.to.r - p.to.x * p.from.r;
    double chord = Distance(p.from, p.to);
    if (p.phi != 0) sum += chord * chord / (4 * std::sin(p.phi / 2) * std::sin(p.phi / 2)) * (p.phi - std::sin(p.phi));
  }
  return sum;
}

std::vector<Piece> Reversed(const std::vector<Piece>& pieces) {
  std::vector<Piece> reversed;
  for (auto p = pieces.rbegin(); p != pieces.rend(); ++p) reversed.push_back(Turned(*p));
  return reversed;
}

// Straight pieces that go on in the same direction become one.
std::vector<Piece> Merged(const std::vector<Piece>& pieces, double tolerance) {
  std::vector<Piece> merged;
  for (const Piece& p : pieces) {
    if (!merged.empty() && merged.back().phi == 0 && p.phi == 0 && DistanceToLine(p.to, merged.back().from, p.from) < tolerance) {
      merged.back().to = p.to;
      continue;
    }
    merged.push_back(p);
  }
  return merged;
}

// The contour ends with a straight segment back to its start: the outline is turned to end
// with a straight piece, one along the axis where there is one; without any, its start is
// repeated at its end.
std::vector<ContourElement> Elements(const std::vector<Piece>& pieces, double tolerance) {
  size_t n = pieces.size(), last = n;
  for (size_t k = 0; k < n; ++k) {
    if (pieces[k].phi != 0) continue;
    bool onAxis = pieces[k].from.r < tolerance && pieces[k].to.r < tolerance;
    if (last == n || onAxis) last = k;
    if (onAxis) break;
  }
  std::vector<ContourElement> elements;
  size_t start = last == n ? 0 : last + 1;
  for (size_t j = 0; j < n; ++j) {
    const Piece& p = pieces[(start + j) % n];
    elements.push_back({p.from.x, p.from.r < tolerance ? 0 : p.from.r, p.phi});
  }
  if (last == n) elements.push_back({elements.front().x, elements.front().y, 0});
  return elements;
}

}  // namespace

Outcome SectionContour(const TopoDS_Shape& solid, const gp_Ax1& axis, std::vector<ContourElement>& elements) {
  AxisFrame frame(axis);
  Bnd_Box box;
  BRepBndLib::Add(solid, box);
  double tolerance = 1e-7 * std::max(std::sqrt(box.SquareExtent()), 1.0);
  std::vector<Piece> pieces;
  for (TopExp_Explorer f(solid, TopAbs_FACE); f.More(); f.Next())
    AddMeridian(TopoDS::Face(f.Current()), frame, tolerance, pieces);
  std::vector<Piece> outline;
  if (!Chain(Distinct(pieces, tolerance), tolerance, outline))
    return Outcome::Failure(Oem("Der Schnitt durch die Achse ergibt keinen geschlossenen Umriss (innere Hohlräume?)"));
  if (DoubleArea(outline) < 0) outline = Reversed(outline);
  elements = Elements(Merged(outline, tolerance), tolerance);
  if (elements.size() > kMaxElements)
    return Outcome::Failure("Die Kontur hat " + std::to_string(elements.size()) + " Elemente, mehr als " +
                            std::to_string(kMaxElements));
  return Outcome::Done();
}

}  // namespace kalo
