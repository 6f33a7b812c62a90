#include "calc/polygon_bounds.h"

#include <cmath>

namespace kalo {
namespace {

// An extreme held as a six-byte real. Rounding is costly, so the exact candidate is kept
// and rounded only when a comparison falls within reach of the rounding step: further
// away every comparison with the rounded value comes out the same as with the exact one.
class SixByteExtreme {
 public:
  explicit SixByteExtreme(long double start) { Take(start); }

  // x beyond the held six-byte value, in the direction of 'sign' (+1 for a maximum).
  bool Beyond(long double x, int sign) const {
    long double distance = (x - candidate_) * sign;
    if (distance > reach_) return true;
    if (distance < -reach_) return false;
    return (x - Rounded()) * sign > 0;
  }
  void Take(long double x) {
    candidate_ = x;
    roundedKnown_ = false;
    long double magnitude = std::fabs(x);
    // Two half steps of the 40-bit mantissa; an infinite reach always asks the rounding.
    reach_ = magnitude >= kFastLow && magnitude <= kFastHigh ? magnitude * 0x1p-39L : INFINITY;
  }
  Real48 Value() const { return candidate_; }

 private:
  // Within these magnitudes the six-byte real neither flushes to 0 nor saturates.
  static constexpr long double kFastLow = 0x1p-120L;
  static constexpr long double kFastHigh = 0x1p120L;
  long double Rounded() const {
    if (!roundedKnown_) {
      rounded_ = RoundToReal48(candidate_);
      roundedKnown_ = true;
    }
    return rounded_;
  }

  long double candidate_ = 0;
  long double reach_ = 0;
  mutable long double rounded_ = 0;
  mutable bool roundedKnown_ = false;
};

struct Extreme {
  Real48 value;
  uint16_t index = 0;
};

// The first point whose coordinate lies beyond the six-byte extreme found before it, scanning
// from 'start'; one scan per extreme keeps the scan's values in registers.
template <int kSign>
Extreme FindExtreme(const ContourPolygon& polygon, long double PolygonPoint::*coordinate, long double start) {
  SixByteExtreme extreme(start);
  uint16_t index = 0;
  for (int p = 1; p <= polygon.count; ++p) {
    long double value = polygon.points[static_cast<size_t>(p)].*coordinate;
    if (extreme.Beyond(value, kSign)) {
      extreme.Take(value);
      index = static_cast<uint16_t>(p);
    }
  }
  return {extreme.Value(), index};
}

}  // namespace

void FindBounds(const ContourPolygon& polygon, Bounds& bounds) {
  constexpr long double kFar = 1.0E32L;
  Extreme xmax = FindExtreme<1>(polygon, &PolygonPoint::x, -kFar);
  Extreme xmin = FindExtreme<-1>(polygon, &PolygonPoint::x, kFar);
  bounds.xmax = xmax.value;
  bounds.xmin = xmin.value;
  if (xmax.index != 0) bounds.xmaxIndex = xmax.index;
  if (xmin.index != 0) bounds.xminIndex = xmin.index;
  bounds.ymax = FindExtreme<1>(polygon, &PolygonPoint::y, -kFar).value;
  bounds.ymin = FindExtreme<-1>(polygon, &PolygonPoint::y, kFar).value;
  if (bounds.xmin == bounds.xmax) bounds.xmax = bounds.xmin + 1;
  if (bounds.ymin == bounds.ymax) bounds.ymax = bounds.ymin + 1;
  bounds.length = bounds.xmax - bounds.xmin;
  bounds.height = bounds.ymax - bounds.ymin;
}

}  // namespace kalo
