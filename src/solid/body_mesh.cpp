#include "solid/body_mesh.h"

#include <algorithm>
#include <cmath>

#include "geometry/plane_geometry.h"
#include "messages/messages.h"
#include "numbers/number_format.h"

namespace kalo {
namespace {

struct Point2 {
  double x, r;
};

struct Point3 {
  double x, y, z;
};

// The closed outline: every point once, the arcs in chords.
std::vector<Point2> Outline(const Contour& contour) {
  std::vector<Point2> outline;
  MessageCollection quiet;
  for (int i = 1; i <= contour.count; ++i) {
    const ContourElement& a = contour[i];
    outline.push_back({static_cast<double>(a.x), std::max(0.0, static_cast<double>(a.y))});
    if (i == contour.count || a.phi == 0 || IsNegligibleArc(a.phi)) continue;
    const ContourElement& b = contour[i + 1];
    std::optional<ArcGeometry> arc = GetArcCenterNoSwap(a.x, a.y, b.x, b.y, a.phi, quiet, NumberFormat{});
    if (!arc) continue;
    int chords = std::max(2, static_cast<int>(std::ceil(std::fabs(RadToDeg(a.phi)) / kMeshArcStep)));
    for (int j = 1; j < chords; ++j) {
      long double angle = arc->a1 + a.phi * j / chords;
      outline.push_back({static_cast<double>(arc->xc + arc->r * std::cos(angle)),
                         std::max(0.0, static_cast<double>(arc->yc + arc->r * std::sin(angle)))});
    }
  }
  return outline;
}

void AddCorner(std::vector<float>& triangles, const Point3& p, const Point3& n) {
  triangles.insert(triangles.end(), {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z),
                                     static_cast<float>(n.x), static_cast<float>(n.y), static_cast<float>(n.z)});
}

// A triangle with its face normal; one of no area is left out.
void AddTriangle(std::vector<float>& triangles, const Point3& a, const Point3& b, const Point3& c) {
  Point3 u{b.x - a.x, b.y - a.y, b.z - a.z}, v{c.x - a.x, c.y - a.y, c.z - a.z};
  Point3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
  double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
  if (length == 0) return;
  n = {n.x / length, n.y / length, n.z / length};
  for (const Point3* p : {&a, &b, &c}) AddCorner(triangles, *p, n);
}

Point3 Turned(const Point2& p, double angle) { return {p.x, p.r * std::cos(angle), p.r * std::sin(angle)}; }

double Cross(const Point2& o, const Point2& a, const Point2& b) {
  return (a.x - o.x) * (b.r - o.r) - (a.r - o.r) * (b.x - o.x);
}

bool Inside(const Point2& p, const Point2& a, const Point2& b, const Point2& c) {
  return Cross(a, b, p) >= 0 && Cross(b, c, p) >= 0 && Cross(c, a, p) >= 0;
}

// The section's triangles (ear clipping of the counter-clockwise outline), as corner
// indexes.
std::vector<size_t> SectionTriangles(std::vector<Point2> outline) {
  double area = 0;
  for (size_t k = 0; k < outline.size(); ++k) area += Cross({0, 0}, outline[k], outline[(k + 1) % outline.size()]);
  std::vector<size_t> order(outline.size()), corners;
  for (size_t k = 0; k < order.size(); ++k) order[k] = area >= 0 ? k : order.size() - 1 - k;
  for (size_t guard = 0; order.size() > 2 && guard < 4 * outline.size() * outline.size();) {
    size_t n = order.size(), before = order.size();
    for (size_t k = 0; k < n && order.size() == before; ++k, ++guard) {
      size_t a = order[(k + n - 1) % n], b = order[k], c = order[(k + 1) % n];
      if (Cross(outline[a], outline[b], outline[c]) <= 0) continue;
      bool empty = std::none_of(order.begin(), order.end(), [&](size_t p) {
        return p != a && p != b && p != c && Inside(outline[p], outline[a], outline[b], outline[c]);
      });
      if (!empty) continue;
      corners.insert(corners.end(), {a, b, c});
      order.erase(order.begin() + static_cast<std::ptrdiff_t>(k));
    }
    if (order.size() == before) break;  // no ear left: the outline crosses itself
  }
  return corners;
}

void Box(const std::vector<Point2>& outline, BodyMesh& mesh) {
  double xmin = outline[0].x, xmax = xmin, rmax = 0;
  for (const Point2& p : outline) {
    xmin = std::min(xmin, p.x);
    xmax = std::max(xmax, p.x);
    rmax = std::max(rmax, p.r);
  }
  mesh.centre[0] = static_cast<float>((xmin + xmax) / 2);
  mesh.size = static_cast<float>(std::hypot(xmax - xmin, 2 * rmax));
}

}  // namespace

BodyMesh RevolvedMesh(const Contour& contour, bool halfCut) {
  BodyMesh mesh;
  if (contour.count < 2) return mesh;
  std::vector<Point2> outline = Outline(contour);
  Box(outline, mesh);
  // The half behind the cut (z <= 0, away from a viewer on the z axis): from the upper
  // half-plane (z = 0, y > 0) round to the lower one.
  double sweep = halfCut ? -kPi : 2 * kPi;
  int steps = halfCut ? kMeshTurnSteps / 2 : kMeshTurnSteps;
  for (size_t k = 0; k < outline.size(); ++k) {
    const Point2 &a = outline[k], &b = outline[(k + 1) % outline.size()];
    for (int s = 0; s < steps; ++s) {
      double from = sweep * s / steps, to = sweep * (s + 1) / steps;
      AddTriangle(mesh.surface, Turned(a, from), Turned(b, from), Turned(b, to));
      AddTriangle(mesh.surface, Turned(a, from), Turned(b, to), Turned(a, to));
    }
  }
  if (!halfCut) return mesh;
  std::vector<size_t> corners = SectionTriangles(outline);
  for (double angle : {0.0, static_cast<double>(kPi)})
    for (size_t k = 0; k + 2 < corners.size(); k += 3)
      AddTriangle(mesh.section, Turned(outline[corners[k]], angle), Turned(outline[corners[k + 1]], angle),
                  Turned(outline[corners[k + 2]], angle));
  return mesh;
}

}  // namespace kalo
