#include "dxf/dxf_spline.h"

#include <algorithm>

#include "platform/codepage.h"

namespace kalo {
namespace {

// Higher degrees do not occur in drawings; the evaluation's work grows with its square.
constexpr int kMaxDegree = 11;

struct Weighted {
  long double x = 0, y = 0, w = 1;
};

// De Boor's evaluation in homogeneous coordinates at t within the span [k, k + 1].
PlanePoint Evaluate(const std::vector<Weighted>& control, const std::vector<long double>& knots, int degree,
                    long double t) {
  size_t last = control.size() - 1;
  size_t k = static_cast<size_t>(std::upper_bound(knots.begin(), knots.end(), t) - knots.begin());
  k = std::clamp<size_t>(k == 0 ? 0 : k - 1, static_cast<size_t>(degree), last);
  std::vector<Weighted> d(control.begin() + static_cast<long>(k) - degree, control.begin() + static_cast<long>(k) + 1);
  for (int r = 1; r <= degree; ++r)
    for (int j = degree; j >= r; --j) {
      size_t i = k - static_cast<size_t>(degree) + static_cast<size_t>(j);
      long double span = knots[i + static_cast<size_t>(degree) + 1 - static_cast<size_t>(r)] - knots[i];
      long double alpha = span > 0 ? (t - knots[i]) / span : 0;
      Weighted& p = d[static_cast<size_t>(j)];
      const Weighted& q = d[static_cast<size_t>(j) - 1];
      p = {(1 - alpha) * q.x + alpha * p.x, (1 - alpha) * q.y + alpha * p.y, (1 - alpha) * q.w + alpha * p.w};
    }
  const Weighted& result = d[static_cast<size_t>(degree)];
  return {result.x / result.w, result.y / result.w};
}

}  // namespace

bool SplineCurveOf(const DxfEntity& spline, SplineCurve& curve, std::string& problem) {
  int degree = spline.degree;
  size_t count = spline.controlPoints.size();
  if (degree < 1 || degree > kMaxDegree || count < static_cast<size_t>(degree) + 1) {
    problem = "Grad " + std::to_string(degree) + " mit " + std::to_string(count) + " Kontrollpunkten";
    return false;
  }
  if (spline.knots.size() != count + static_cast<size_t>(degree) + 1 ||
      !std::is_sorted(spline.knots.begin(), spline.knots.end())) {
    problem = std::to_string(spline.knots.size()) + " Knoten zu " + std::to_string(count) + " Kontrollpunkten";
    return false;
  }
  bool weighted = spline.weights.size() == count;
  if (weighted && std::any_of(spline.weights.begin(), spline.weights.end(), [](double w) { return !(w > 0); })) {
    problem = "Gewicht nicht positiv";
    return false;
  }
  std::vector<Weighted> control;
  for (size_t i = 0; i < count; ++i) {
    long double w = weighted ? spline.weights[i] : 1;
    control.push_back({spline.controlPoints[i].x * w, spline.controlPoints[i].y * w, w});
  }
  std::vector<long double> knots(spline.knots.begin(), spline.knots.end());
  long double first = knots[static_cast<size_t>(degree)], last = knots[count];
  if (!(last > first)) {
    problem = Oem("Knoten ohne Parameterbereich");
    return false;
  }
  curve.breaks.clear();
  for (long double knot : knots)
    if (knot >= first && knot <= last && (curve.breaks.empty() || knot > curve.breaks.back()))
      curve.breaks.push_back(knot);
  curve.point = [control = std::move(control), knots = std::move(knots), degree](long double t) {
    return Evaluate(control, knots, degree, t);
  };
  return true;
}

}  // namespace kalo
