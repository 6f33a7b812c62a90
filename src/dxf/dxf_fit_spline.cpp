#include "dxf/dxf_fit_spline.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/codepage.h"

namespace kalo {
namespace {

struct Direction {
  long double x = 0, y = 0;
};

// A unit vector along the tangent; none (zero) when the entity gives none.
Direction UnitOf(const DxfPoint3& tangent) {
  long double length = std::sqrt(static_cast<long double>(tangent.x) * tangent.x + static_cast<long double>(tangent.y) * tangent.y);
  return length > 0 ? Direction{tangent.x / length, tangent.y / length} : Direction{};
}

// The second derivatives of the cubic through the values at the parameters t: with the end
// slopes given (clamped), or zero at an end without one (a straight end). Thomas' algorithm
// on the tridiagonal system of the continuous second derivative.
std::vector<long double> SecondDerivatives(const std::vector<long double>& t, const std::vector<long double>& v,
                                           const long double* startSlope, const long double* endSlope) {
  size_t n = t.size() - 1;
  std::vector<long double> lower(n + 1), diagonal(n + 1), upper(n + 1), right(n + 1);
  auto slope = [&](size_t i) { return (v[i + 1] - v[i]) / (t[i + 1] - t[i]); };
  for (size_t i = 1; i < n; ++i) {
    lower[i] = t[i] - t[i - 1];
    upper[i] = t[i + 1] - t[i];
    diagonal[i] = 2 * (lower[i] + upper[i]);
    right[i] = 6 * (slope(i) - slope(i - 1));
  }
  long double first = t[1] - t[0], last = t[n] - t[n - 1];
  diagonal[0] = startSlope ? 2 * first : 1;
  upper[0] = startSlope ? first : 0;
  right[0] = startSlope ? 6 * (slope(0) - *startSlope) : 0;
  diagonal[n] = endSlope ? 2 * last : 1;
  lower[n] = endSlope ? last : 0;
  right[n] = endSlope ? 6 * (*endSlope - slope(n - 1)) : 0;
  for (size_t i = 1; i <= n; ++i) {
    long double factor = lower[i] / diagonal[i - 1];
    diagonal[i] -= factor * upper[i - 1];
    right[i] -= factor * right[i - 1];
  }
  std::vector<long double> m(n + 1);
  m[n] = right[n] / diagonal[n];
  for (size_t i = n; i-- > 0;) m[i] = (right[i] - upper[i] * m[i + 1]) / diagonal[i];
  return m;
}

struct Cubic {
  std::vector<long double> t, x, y, mx, my;

  PlanePoint operator()(long double at) const {
    size_t i = static_cast<size_t>(std::upper_bound(t.begin(), t.end(), at) - t.begin());
    i = std::clamp<size_t>(i == 0 ? 0 : i - 1, 0, t.size() - 2);
    long double h = t[i + 1] - t[i], a = t[i + 1] - at, b = at - t[i];
    auto value = [&](const std::vector<long double>& v, const std::vector<long double>& m) {
      return (m[i] * a * a * a + m[i + 1] * b * b * b) / (6 * h) + (v[i] / h - m[i] * h / 6) * a +
             (v[i + 1] / h - m[i + 1] * h / 6) * b;
    };
    return {value(x, mx), value(y, my)};
  }
};

}  // namespace

bool FitSplineCurveOf(const DxfEntity& spline, SplineCurve& curve, bool& tangentsGiven, std::string& problem) {
  auto cubic = std::make_shared<Cubic>();
  std::vector<DxfPoint3> points = spline.fitPoints;
  // A closed spline runs back to its first point.
  if ((spline.flags & 1) && !points.empty()) points.push_back(points.front());
  for (const DxfPoint3& p : points) {
    if (!cubic->x.empty() && cubic->x.back() == p.x && cubic->y.back() == p.y) continue;
    long double chord = cubic->x.empty() ? 0 : std::hypot(p.x - cubic->x.back(), p.y - cubic->y.back());
    cubic->t.push_back(cubic->t.empty() ? 0 : cubic->t.back() + chord);
    cubic->x.push_back(p.x);
    cubic->y.push_back(p.y);
  }
  if (cubic->t.size() < 2) {
    problem = std::to_string(cubic->t.size()) + Oem(" verschiedene Stützpunkte");
    return false;
  }
  // The parameter is about the length along the curve, so the slopes are the unit tangent.
  Direction start = UnitOf(spline.first), end = UnitOf(spline.second);
  bool hasStart = start.x != 0 || start.y != 0, hasEnd = end.x != 0 || end.y != 0;
  tangentsGiven = hasStart && hasEnd;
  cubic->mx = SecondDerivatives(cubic->t, cubic->x, hasStart ? &start.x : nullptr, hasEnd ? &end.x : nullptr);
  cubic->my = SecondDerivatives(cubic->t, cubic->y, hasStart ? &start.y : nullptr, hasEnd ? &end.y : nullptr);
  curve.breaks = cubic->t;
  curve.point = [cubic](long double at) { return (*cubic)(at); };
  return true;
}

}  // namespace kalo
