#include "dxf/dxf_placement.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "dxf/dxf_affine.h"
#include "dxf/dxf_approximation.h"
#include "dxf/dxf_fit_spline.h"
#include "dxf/dxf_geometry.h"
#include "dxf/dxf_spline.h"
#include "geometry/plane_geometry.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// An extrusion direction counts as the z axis when it leans less than this.
constexpr double kPlaneTolerance = 1e-9;
// An ARC whose angles differ by less than this (degrees) is a full circle, as the program
// writes it; an ELLIPSE of this ratio is a circle.
constexpr long double kFullCircleDifference = 1e-5L;
constexpr long double kCircleRatio = 1e-9L;
constexpr int kPolygonMesh = 16, kPolyfaceMesh = 64, kSplineFit = 4, k3dPolyline = 8;
constexpr int kSplineFrameVertex = 16;
// A spline whose ends lie closer than this share of the tolerance is closed.
constexpr long double kClosingGap = 1e-3L;

const char* EntityName(DxfEntityType type) {
  switch (type) {
    case DxfEntityType::Line: return "LINE";
    case DxfEntityType::Arc: return "ARC";
    case DxfEntityType::Circle: return "CIRCLE";
    case DxfEntityType::Polyline: return "POLYLINE";
    case DxfEntityType::LwPolyline: return "LWPOLYLINE";
    case DxfEntityType::Spline: return "SPLINE";
    case DxfEntityType::Ellipse: return "ELLIPSE";
    case DxfEntityType::Insert: return "INSERT";
  }
  return "";
}

// The map from an entity's object coordinates into the drawing plane: the plane seen from
// above, or from below (x negated); none for a plane that is tilted.
bool ObjectPlane(const DxfPoint3& extrusion, Affine& plane) {
  if (extrusion.z == 0 || std::fabs(extrusion.x) > kPlaneTolerance * std::fabs(extrusion.z) ||
      std::fabs(extrusion.y) > kPlaneTolerance * std::fabs(extrusion.z))
    return false;
  plane = extrusion.z > 0 ? Affine{} : Affine::Scale(-1, 1);
  return true;
}

// Notes counted by their text, each with the line of its first entity.
class Notes {
 public:
  void Add(const std::string& text, long line) {
    auto [entry, added] = counts_.try_emplace(text, Entry{0, line, order_.size()});
    if (added) order_.push_back(text);
    ++entry->second.count;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const std::string& text : order_) {
      const Entry& entry = counts_.at(text);
      texts.push_back(text + " (" + (entry.count > 1 ? std::to_string(entry.count) + Oem("×, zuerst ") : "") +
                      "Zeile " + std::to_string(entry.line) + ")");
    }
    return texts;
  }

 private:
  struct Entry {
    size_t count;
    long line;
    size_t order;
  };
  std::map<std::string, Entry> counts_;
  std::vector<std::string> order_;
};

// Where a block is placed: the map into the drawing, and what its curves inherit.
struct Placement {
  Affine map;
  std::string layer;     // of the INSERT; empty in the model
  std::string linetype;  // of the INSERT
  int depth = 0;
};

class CurvePlacer {
 public:
  CurvePlacer(const DxfDrawing& drawing, const DxfPlacementOptions& options, DxfPlacedCurves& placed)
      : drawing_(drawing), options_(options), placed_(placed) {}

  Outcome Run() {
    placed_.curves.reserve(drawing_.entities.size());
    PlaceAll(drawing_.entities, {Affine::Scale(options_.millimetres, options_.millimetres), "", "", 0});
    placed_.notes = notes_.Texts();
    return error_.empty() ? Outcome::Done() : Outcome::Failure(error_);
  }

 private:
  void PlaceAll(const DxfEntities& entities, const Placement& placement) {
    for (const DxfEntity& entity : entities) {
      if (!error_.empty()) return;
      Place(entity, placement);
    }
  }

  void Place(const DxfEntity& e, const Placement& placement) {
    Affine plane;
    bool flat = ObjectPlane(e.extrusion, plane);
    if (!flat && e.type != DxfEntityType::Line && e.type != DxfEntityType::Spline)
      return notes_.Add(std::string(EntityName(e.type)) + " nicht in der xy-Ebene, übergangen", e.line);
    Affine map = placement.map * plane;
    switch (e.type) {
      case DxfEntityType::Line:
        return Add(e, placement, placement.map, DxfCurveKind::Line, {{e.first.x, e.first.y, 0}, {e.second.x, e.second.y, 0}}, false);
      case DxfEntityType::Arc:
        return AddArc(e, placement, map);
      case DxfEntityType::Circle:
        return AddCircle(e, placement, map, e.first, e.radius, DxfCurveKind::Circle);
      case DxfEntityType::Polyline:
      case DxfEntityType::LwPolyline:
        return AddPolyline(e, placement, map);
      case DxfEntityType::Spline:
        return AddSpline(e, placement);
      case DxfEntityType::Ellipse:
        return AddEllipse(e, placement);
      case DxfEntityType::Insert:
        return Insert(e, placement, map);
    }
  }

  void AddArc(const DxfEntity& e, const Placement& placement, const Affine& map) {
    long double sweep = std::fmod(static_cast<long double>(e.endAngle) - e.startAngle, 360.0L);
    if (sweep < 0) sweep += 360;
    if (sweep < kFullCircleDifference || 360 - sweep < kFullCircleDifference)
      return AddCircle(e, placement, map, e.first, e.radius, DxfCurveKind::Arc);
    if (!(e.radius > 0)) return;
    long double a1 = DegToRad(e.startAngle), a2 = DegToRad(e.startAngle + sweep);
    Add(e, placement, map, DxfCurveKind::Arc,
        {{e.first.x + e.radius * std::cos(a1), e.first.y + e.radius * std::sin(a1), DegToRad(sweep)},
         {e.first.x + e.radius * std::cos(a2), e.first.y + e.radius * std::sin(a2), 0}},
        false);
  }

  // Two half circles from the rightmost point of the circle.
  void AddCircle(const DxfEntity& e, const Placement& placement, const Affine& map, const DxfPoint3& centre,
                 long double r, DxfCurveKind kind) {
    if (!(r > 0)) return;
    Add(e, placement, map, kind, {{centre.x + r, centre.y, kPi}, {centre.x - r, centre.y, kPi}}, true);
  }

  // The bulge is tan(phi / 4). A 3D polyline lies in the drawing plane when all its points
  // have the same height; a spline-fit polyline is kept as its fitted points.
  void AddPolyline(const DxfEntity& e, const Placement& placement, const Affine& map) {
    if (e.flags & (kPolygonMesh | kPolyfaceMesh)) return notes_.Add("Netz (POLYLINE) " + Oem("übergangen"), e.line);
    bool world = e.type == DxfEntityType::Polyline && (e.flags & k3dPolyline);
    if (world && std::any_of(e.vertices.begin(), e.vertices.end(),
                             [&](const DxfRawVertex& v) { return v.z != e.vertices.front().z; }))
      return notes_.Add("POLYLINE nicht in der xy-Ebene, " + Oem("übergangen"), e.line);
    std::vector<DxfVertex> vertices;
    for (const DxfRawVertex& v : e.vertices) {
      if ((e.flags & kSplineFit) && (v.flags & kSplineFrameVertex)) continue;
      vertices.push_back({v.x, v.y, world ? 0 : 4 * std::atan(static_cast<long double>(v.bulge))});
    }
    Add(e, placement, world ? placement.map : map, DxfCurveKind::Polyline, std::move(vertices), e.flags & 1);
  }

  // A spline of degree 1 is the polyline of its control points (or fit points); others are
  // followed by arcs and lines.
  void AddSpline(const DxfEntity& e, const Placement& placement) {
    const std::vector<DxfPoint3>& points = e.controlPoints.empty() ? e.fitPoints : e.controlPoints;
    if (std::any_of(points.begin(), points.end(), [&](const DxfPoint3& p) { return p.z != points.front().z; }))
      return notes_.Add("SPLINE nicht in der xy-Ebene, " + Oem("übergangen"), e.line);
    if (e.degree == 1) {
      std::vector<DxfVertex> vertices;
      for (const DxfPoint3& p : points) vertices.push_back({p.x, p.y, 0});
      return Add(e, placement, placement.map, DxfCurveKind::Polyline, std::move(vertices), e.flags & 1);
    }
    SplineCurve spline;
    std::string problem;
    if (e.controlPoints.empty()) {
      bool tangentsGiven = false;
      if (!FitSplineCurveOf(e, spline, tangentsGiven, problem)) return notes_.Add("SPLINE " + Oem("übergangen: ") + problem, e.line);
      notes_.Add(Oem("SPLINE nur mit Stützpunkten: kubisch durch die Punkte gelegt (Sehnenlängen, ") +
                     (tangentsGiven ? "Endtangenten der Datei" : "gerade Enden ohne Endtangenten") +
                     Oem("); das CAD-Programm kann anders interpolieren"),
                 e.line);
    } else if (!SplineCurveOf(e, spline, problem)) {
      return notes_.Add("SPLINE " + Oem("übergangen: ") + problem, e.line);
    }
    PlanePoint start = spline.point(spline.breaks.front()), end = spline.point(spline.breaks.back());
    bool closed = std::hypot(end.x - start.x, end.y - start.y) <= kClosingGap * options_.tolerance;
    AddApproximated(e, placement, spline.point, spline.breaks, DxfCurveKind::Spline, closed);
  }

  // Centre and major axis in world coordinates; the minor axis lies a quarter turn from the
  // major axis about the extrusion direction. Parameters in radians.
  void AddEllipse(const DxfEntity& e, const Placement& placement) {
    long double turn = e.extrusion.z < 0 ? -1 : 1;
    long double mx = e.second.x, my = e.second.y, ratio = e.ratio;
    long double sweep = std::fmod(static_cast<long double>(e.endAngle) - e.startAngle, 2 * kPi);
    if (sweep <= 1e-12L) sweep += 2 * kPi;
    bool full = std::fabs(sweep - 2 * kPi) < 1e-9L;
    if (!(std::hypot(mx, my) > 0) || !(ratio > 0)) return;
    CurvePoint point = [=](long double t) {
      return PlanePoint{e.first.x + std::cos(t) * mx - turn * ratio * std::sin(t) * my,
                        e.first.y + std::cos(t) * my + turn * ratio * std::sin(t) * mx};
    };
    long double t0 = e.startAngle;
    if (std::fabs(ratio - 1) < kCircleRatio) {
      PlanePoint a = point(t0), b = point(t0 + sweep), m = point(t0 + sweep / 2);
      if (full) return Add(e, placement, placement.map, DxfCurveKind::Arc, {{a.x, a.y, turn * kPi}, {m.x, m.y, turn * kPi}}, true);
      return Add(e, placement, placement.map, DxfCurveKind::Arc, {{a.x, a.y, turn * sweep}, {b.x, b.y, 0}}, false);
    }
    std::vector<long double> breaks{t0};
    for (long double quarter = std::ceil(t0 / (kPi / 2)) * (kPi / 2); quarter < t0 + sweep; quarter += kPi / 2)
      if (quarter > t0) breaks.push_back(quarter);
    breaks.push_back(t0 + sweep);
    AddApproximated(e, placement, point, breaks, DxfCurveKind::Ellipse, full);
  }

  void AddApproximated(const DxfEntity& e, const Placement& placement, const CurvePoint& point,
                       const std::vector<long double>& breaks, DxfCurveKind kind, bool closed) {
    const Affine& map = placement.map;
    CurvePoint placedPoint = [&](long double t) { return map(point(t)); };
    std::vector<DxfVertex> vertices = ArcsAlong(placedPoint, breaks, options_.tolerance, kMaxApproximationElements);
    DxfCurve& curve = Emit(e, placement, kind);
    if (closed && vertices.size() > 2) {
      vertices.pop_back();
      curve.closed = true;
    }
    curve.vertices = std::move(vertices);
    curve.approximated = true;
    Finish(curve);
  }

  // The curve with its points in object coordinates, mapped into the drawing. Where the map
  // does not keep circles (a block scaled unevenly), its arcs are followed by arcs and lines.
  void Add(const DxfEntity& e, const Placement& placement, const Affine& map, DxfCurveKind kind,
           std::vector<DxfVertex> vertices, bool closed) {
    if (vertices.size() < 2) return;
    if (!closed) vertices.back().phi = 0;
    bool keepsCircles = map.KeepsCircles();
    long double turn = map.Determinant() < 0 ? -1 : 1;
    DxfCurve& curve = Emit(e, placement, kind);
    curve.closed = closed;
    if (keepsCircles) {
      for (DxfVertex& v : vertices) {
        PlanePoint p = map({v.x, v.y});
        v = {p.x, p.y, turn * v.phi};
      }
      curve.vertices = std::move(vertices);
      return Finish(curve);
    }
    for (size_t i = 0; i < vertices.size(); ++i) {
      const DxfVertex& from = vertices[i];
      PlanePoint p = map({from.x, from.y});
      if (from.phi == 0) {
        curve.vertices.push_back({p.x, p.y, 0});
        continue;
      }
      const DxfVertex& to = vertices[(i + 1) % vertices.size()];
      SegmentArc arc = ArcOf(from, to);
      CurvePoint point = [&](long double t) {
        return map({arc.centre.x + arc.radius * std::cos(arc.startAngle + t * from.phi),
                    arc.centre.y + arc.radius * std::sin(arc.startAngle + t * from.phi)});
      };
      std::vector<DxfVertex> pieces =
          ArcsAlong(point, {0, 0.25L, 0.5L, 0.75L, 1}, options_.tolerance, kMaxApproximationElements);
      curve.vertices.insert(curve.vertices.end(), pieces.begin(), pieces.end() - 1);
      curve.approximated = true;
    }
    Finish(curve);
  }

  DxfCurve& Emit(const DxfEntity& e, const Placement& placement, DxfCurveKind kind) {
    DxfCurve& curve = placed_.curves.emplace_back();
    curve.kind = kind;
    curve.line = e.line;
    bool byBlock = !placement.layer.empty();
    curve.layer = byBlock && e.layer == "0" ? placement.layer : e.layer;
    std::string linetype = DxfNameKey(e.linetype);
    if (byBlock && linetype == "BYBLOCK") linetype = placement.linetype;
    if (linetype.empty() || linetype == "BYLAYER") linetype = LayerLinetype(curve.layer);
    curve.linetype = linetype;
    return curve;
  }

  // The line type of the layer, in upper case; drawings keep to a few layers, so the last
  // one asked for is remembered.
  const std::string& LayerLinetype(const std::string& layer) {
    if (lastLayer_ == layer) return lastLayerLinetype_;
    auto found = drawing_.layerLinetypes.find(DxfNameKey(layer));
    lastLayer_ = layer;
    lastLayerLinetype_ = found == drawing_.layerLinetypes.end() ? "" : DxfNameKey(found->second);
    return lastLayerLinetype_;
  }

  void Finish(DxfCurve& curve) {
    if (curve.vertices.size() < 2) placed_.curves.pop_back();
    if (placed_.curves.size() > kMaxPlacedCurves && error_.empty())
      error_ = "mehr als " + std::to_string(kMaxPlacedCurves) + " Kurven (durch Blockeinfügungen)";
  }

  // Block insertions at rotation, scale and array offsets; the block's base point goes to
  // the insertion point.
  void Insert(const DxfEntity& e, const Placement& placement, const Affine& map) {
    std::string key = DxfNameKey(e.blockName);
    auto found = drawing_.blocks.find(key);
    if (found == drawing_.blocks.end()) return notes_.Add("Block " + e.blockName + " fehlt", e.line);
    std::string where = " (INSERT, Zeile " + std::to_string(e.line) + ")";
    if (std::find(open_.begin(), open_.end(), key) != open_.end()) {
      error_ = "Block " + e.blockName + Oem(" fügt sich selbst ein") + where;
      return;
    }
    if (placement.depth >= kMaxInsertDepth) {
      error_ = Oem("Blöcke mehr als ") + std::to_string(kMaxInsertDepth) + Oem(" Stufen tief verschachtelt") + where;
      return;
    }
    const DxfBlock& block = found->second;
    Affine rotation = Affine::Rotation(DegToRad(e.rotation));
    Affine scale = Affine::Scale(e.scaleX, e.scaleY) * Affine::Shift(-block.base.x, -block.base.y);
    Placement inner{{}, placement.layer.empty() || e.layer != "0" ? e.layer : placement.layer,
                    DxfNameKey(e.linetype), placement.depth + 1};
    open_.push_back(key);
    for (int column = 0; column < std::max(1, e.columns) && error_.empty(); ++column)
      for (int row = 0; row < std::max(1, e.rows) && error_.empty(); ++row) {
        if (++placements_ > kMaxPlacements) {
          error_ = "mehr als " + std::to_string(kMaxPlacements) + Oem(" Blockeinfügungen") + where;
          break;
        }
        inner.map = map * Affine::Shift(e.first.x, e.first.y) * rotation *
                    Affine::Shift(column * e.columnSpacing, row * e.rowSpacing) * scale;
        PlaceAll(block.entities, inner);
      }
    open_.pop_back();
  }

  const DxfDrawing& drawing_;
  const DxfPlacementOptions& options_;
  DxfPlacedCurves& placed_;
  std::string error_;  // the first fault found; placing stops at it
  Notes notes_;
  std::vector<std::string> open_;  // the blocks being placed, outermost first
  size_t placements_ = 0;
  std::optional<std::string> lastLayer_;
  std::string lastLayerLinetype_;
};

}  // namespace

Outcome PlaceCurves(const DxfDrawing& drawing, const DxfPlacementOptions& options, DxfPlacedCurves& placed) {
  return CurvePlacer(drawing, options, placed).Run();
}

}  // namespace kalo
