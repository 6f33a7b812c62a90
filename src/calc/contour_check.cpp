#include "calc/contour_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

#include "geometry/plane_geometry.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr int kMinChords = 2;
constexpr double kRelativeTolerance = 1e-9;
constexpr size_t kListedElements = 8;

// A point of the closed outline and the element whose segment starts there.
struct OutlinePoint {
  double x, y;
  int element;
};
using Outline = std::vector<OutlinePoint>;

void AddPoint(Outline& outline, double x, double y, int element) {
  if (!outline.empty() && outline.back().x == x && outline.back().y == y) {
    outline.back().element = element;  // the segment before has no length
    return;
  }
  outline.push_back({x, y, element});
}

void AddBelowAxis(std::vector<int>& below, int element) {
  if (below.empty() || below.back() != element) below.push_back(element);
}

// Chords no longer than step, at least two, and at most limit.
int ChordCount(long double phi, long double step, int limit) {
  long double chords = std::fabs(phi) / step;
  if (!(chords < limit)) return std::max(limit, kMinChords);
  return chords > kMinChords ? static_cast<int>(std::ceil(chords)) : kMinChords;
}

// The arc from a to b turning by phi (counter-clockwise when positive) about its centre,
// which lies on the chord's perpendicular bisector, (chord / 2) / tan(phi / 2) left of the
// chord. Worked out in double: the checks need no more, and they run often.
class Arc {
 public:
  Arc(const ContourElement& a, const ContourElement& b)
      : ax_(static_cast<double>(a.x)), ay_(static_cast<double>(a.y)), phi_(static_cast<double>(a.phi)) {
    double bx = static_cast<double>(b.x), by = static_cast<double>(b.y);
    double toCentre = 0.5 / std::tan(phi_ / 2);
    xc_ = (ax_ + bx) / 2 - (by - ay_) * toCentre;
    yc_ = (ay_ + by) / 2 + (bx - ax_) * toCentre;
    r_ = std::hypot(ax_ - xc_, ay_ - yc_);
  }
  // An angle with sin(phi / 2) = 0 gives no arc; the segment stays straight.
  bool Exists() const { return std::fabs(std::sin(phi_ / 2)) > kRelativeTolerance; }

  // The lowest point of the circle lies below the axis and between the arc's ends.
  bool DipsBelowAxis() const {
    if (yc_ - r_ >= -kRelativeTolerance * r_) return false;
    double sx = ax_ - xc_, sy = ay_ - yc_;  // from the centre to the start; to the lowest point (0, -r)
    double toLowest = std::atan2(-r_ * sx * (phi_ > 0 ? 1 : -1), -r_ * sy);
    if (toLowest < 0) toLowest += 2 * std::numbers::pi;
    return toLowest < std::fabs(phi_);
  }

  // The chord points between the two ends, turned one by one about the centre.
  void AddInnerPoints(Outline& outline, int chords, int element) const {
    double turn = phi_ / chords, c = std::cos(turn), s = std::sin(turn);
    double vx = ax_ - xc_, vy = ay_ - yc_;
    for (int j = 1; j < chords; ++j) {
      double turnedX = vx * c - vy * s;
      vy = vx * s + vy * c;
      vx = turnedX;
      AddPoint(outline, xc_ + vx, yc_ + vy, element);
    }
  }

 private:
  double ax_, ay_, phi_;
  double xc_ = 0, yc_ = 0, r_ = 0;
};

// The closed outline; the segment from the last point runs back to the first.
Outline BuildOutline(const Contour& contour, long double arcDivisionDegrees, int maxPoints,
                     ContourFindings& findings) {
  long double step = DegToRad(arcDivisionDegrees);
  // However fine the division, the outline keeps to about the given size.
  int chordLimit = maxPoints / contour.count;
  Outline outline;
  outline.reserve(static_cast<size_t>(maxPoints));
  for (int i = 1; i <= contour.count; ++i) {
    const ContourElement& e = contour[i];
    if (e.y < 0) AddBelowAxis(findings.belowAxis, i);
    AddPoint(outline, static_cast<double>(e.x), static_cast<double>(e.y), i);
    if (i == contour.count || e.phi == 0) continue;
    Arc arc(e, contour[i + 1]);
    if (!arc.Exists()) continue;
    if (arc.DipsBelowAxis()) AddBelowAxis(findings.belowAxis, i);
    arc.AddInnerPoints(outline, ChordCount(e.phi, step, chordLimit), i);
  }
  if (outline.size() > 1 && outline.back().x == outline.front().x && outline.back().y == outline.front().y)
    outline.pop_back();
  return outline;
}

// Twice the signed area: positive counter-clockwise.
double DoubleArea(const Outline& outline) {
  double sum = 0;
  for (size_t k = 0; k < outline.size(); ++k) {
    const OutlinePoint& a = outline[k];
    const OutlinePoint& b = outline[(k + 1) % outline.size()];
    sum += a.x * b.y - b.x * a.y;
  }
  return sum;
}

bool IsClockwise(const Outline& outline) {
  auto [left, right] = std::minmax_element(outline.begin(), outline.end(),
                                           [](const OutlinePoint& a, const OutlinePoint& b) { return a.x < b.x; });
  auto [low, high] = std::minmax_element(outline.begin(), outline.end(),
                                         [](const OutlinePoint& a, const OutlinePoint& b) { return a.y < b.y; });
  double extent = std::hypot(right->x - left->x, high->y - low->y);
  return DoubleArea(outline) < -kRelativeTolerance * extent * extent;
}

int Side(const OutlinePoint& a, const OutlinePoint& b, const OutlinePoint& c) {
  double turn = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
  return (turn > 0) - (turn < 0);
}

// Segment k of the outline runs from point k to point k + 1 (the last one back to point 0).
class CrossingSearch {
 public:
  explicit CrossingSearch(const Outline& outline) : outline_(outline), n_(outline.size()) {}

  // The first two segments found crossing; a sweep along x over the segments' boxes, so
  // that only segments that overlap in x are compared.
  std::optional<std::pair<size_t, size_t>> First() const {
    if (n_ < 4) return std::nullopt;
    std::vector<Box> boxes(n_);
    for (size_t k = 0; k < n_; ++k) {
      const OutlinePoint &a = At(k), &b = At(k + 1);
      boxes[k] = {std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y), k};
    }
    std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.xmin < b.xmin; });
    std::vector<const Box*> open;
    for (const Box& box : boxes) {
      for (size_t i = 0; i < open.size();) {
        const Box& other = *open[i];
        if (other.xmax < box.xmin) {
          open[i] = open.back();
          open.pop_back();
          continue;
        }
        ++i;
        if (other.ymax < box.ymin || other.ymin > box.ymax || Neighbours(box.segment, other.segment)) continue;
        if (Cross(box.segment, other.segment)) return std::pair{box.segment, other.segment};
      }
      open.push_back(&box);
    }
    return std::nullopt;
  }

  int ElementOf(size_t segment) const { return outline_[segment].element; }

 private:
  struct Box {
    double xmin, xmax, ymin, ymax;
    size_t segment;
  };

  const OutlinePoint& At(size_t k) const { return outline_[k % n_]; }
  bool Neighbours(size_t a, size_t b) const { return (a + 1) % n_ == b || (b + 1) % n_ == a; }

  bool Cross(size_t a, size_t b) const {
    int aStart = Side(At(b), At(b + 1), At(a)), aEnd = Side(At(b), At(b + 1), At(a + 1));
    int bStart = Side(At(a), At(a + 1), At(b)), bEnd = Side(At(a), At(a + 1), At(b + 1));
    if (aStart * aEnd < 0 && bStart * bEnd < 0) return true;
    return (aEnd == 0 && PassesThrough(a, b)) || (bEnd == 0 && PassesThrough(b, a));
  }

  // Segment a ends inside segment b, and the outline comes from one side of b and goes on
  // to the other.
  bool PassesThrough(size_t a, size_t b) const {
    const OutlinePoint &end = At(a + 1), &b1 = At(b), &b2 = At(b + 1);
    double along = (end.x - b1.x) * (b2.x - b1.x) + (end.y - b1.y) * (b2.y - b1.y);
    double length2 = (b2.x - b1.x) * (b2.x - b1.x) + (b2.y - b1.y) * (b2.y - b1.y);
    return along > 0 && along < length2 && Side(b1, b2, At(a)) * Side(b1, b2, At(a + 2)) < 0;
  }

  const Outline& outline_;
  size_t n_;
};

std::string ElementList(const std::vector<int>& elements) {
  std::string text;
  for (size_t k = 0; k < elements.size() && k < kListedElements; ++k)
    text += (k == 0 ? "" : ", ") + std::to_string(elements[k]);
  if (elements.size() > kListedElements) text += ", ...";
  return text;
}

}  // namespace

ContourFindings CheckContour(const Contour& contour, long double arcDivisionDegrees, int maxPoints) {
  ContourFindings findings;
  if (contour.count < 2 || contour.count > kMaxElements) return findings;
  Outline outline = BuildOutline(contour, arcDivisionDegrees, std::max(maxPoints, kMaxPolygonIndex), findings);
  CrossingSearch search(outline);
  if (auto crossing = search.First()) {
    int one = search.ElementOf(crossing->first), other = search.ElementOf(crossing->second);
    findings.crossingFirst = std::min(one, other);
    findings.crossingSecond = std::max(one, other);
  }
  findings.clockwise = IsClockwise(outline);
  return findings;
}

std::vector<std::string> ContourWarnings(const ContourFindings& findings) {
  std::vector<std::string> warnings;
  if (!findings.belowAxis.empty())
    warnings.push_back("Warnung: Punkte unterhalb der Achse (y < 0): " + ElementList(findings.belowAxis));
  if (findings.crossingFirst != 0) {
    std::string elements = findings.crossingFirst == findings.crossingSecond
                               ? "Element " + std::to_string(findings.crossingFirst)
                               : "Elemente " + std::to_string(findings.crossingFirst) + " und " +
                                     std::to_string(findings.crossingSecond);
    warnings.push_back(Oem("Warnung: Kontur überschneidet sich (") + elements + ")");
  }
  if (findings.clockwise) warnings.push_back(Oem("Warnung: Kontur im Uhrzeigersinn (negative Fläche)"));
  return warnings;
}

}  // namespace kalo
