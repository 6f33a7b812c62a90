#include "dxf/dxf_approximation.h"

#include <algorithm>
#include <cmath>

#include "dxf/dxf_geometry.h"

namespace kalo {
namespace {

// Deeper halving gains nothing in extended precision.
constexpr int kMaxDepth = 40;
// Where the curve is compared with its piece, as shares of the piece's parameter span.
constexpr long double kSamples[] = {0.0625L, 0.125L, 0.25L, 0.375L, 0.625L, 0.75L, 0.875L, 0.9375L};
// An arc angle below this is a line.
constexpr long double kStraight = 1e-12L;

// The arc angle of the arc from a through m to b: twice the turn between the two chords.
long double ArcAngleThrough(const PlanePoint& a, const PlanePoint& m, const PlanePoint& b) {
  long double ux = m.x - a.x, uy = m.y - a.y, vx = b.x - m.x, vy = b.y - m.y;
  long double phi = 2 * std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
  return std::fabs(phi) < kStraight ? 0 : phi;
}

class Approximation {
 public:
  Approximation(const CurvePoint& point, long double tolerance, size_t maxElements)
      : point_(point), tolerance_(tolerance), maxElements_(maxElements) {}

  void Piece(long double t0, const PlanePoint& p0, long double t1, const PlanePoint& p1, int depth) {
    long double tm = (t0 + t1) / 2;
    PlanePoint pm = point_(tm);
    DxfVertex from{p0.x, p0.y, ArcAngleThrough(p0, pm, p1)}, to{p1.x, p1.y, 0};
    bool fits = depth >= kMaxDepth || vertices_.size() >= maxElements_ ||
                std::all_of(std::begin(kSamples), std::end(kSamples), [&](long double share) {
                  return DistanceToSegment(point_(t0 + share * (t1 - t0)), from, to) <= tolerance_;
                });
    if (fits) {
      vertices_.push_back(from);
      return;
    }
    Piece(t0, p0, tm, pm, depth + 1);
    Piece(tm, pm, t1, p1, depth + 1);
  }

  std::vector<DxfVertex> vertices_;

 private:
  const CurvePoint& point_;
  long double tolerance_;
  size_t maxElements_;
};

}  // namespace

std::vector<DxfVertex> ArcsAlong(const CurvePoint& point, const std::vector<long double>& breaks,
                                 long double tolerance, size_t maxElements) {
  Approximation approximation(point, tolerance, maxElements);
  PlanePoint start = point(breaks.front());
  for (size_t i = 0; i + 1 < breaks.size(); ++i) {
    if (!(breaks[i + 1] > breaks[i])) continue;
    PlanePoint end = point(breaks[i + 1]);
    approximation.Piece(breaks[i], start, breaks[i + 1], end, 0);
    start = end;
  }
  approximation.vertices_.push_back({start.x, start.y, 0});
  return std::move(approximation.vertices_);
}

}  // namespace kalo
