#include "geometry/plane_geometry.h"

#include <cmath>
#include <utility>

#include "messages/messages.h"
#include "numbers/number_format.h"
#include "numbers/units.h"

namespace kalo {
namespace {

constexpr long double kTanOfRightAngle = 1e30L;
constexpr long double kLogOfNothing = -1e30L;

std::optional<ArcGeometry> ArcCenter(long double x1, long double y1, long double x2, long double y2,
                                     long double phi, MessageCollection& messages,
                                     const NumberFormat& format) {
  long double halfSine = std::sin(phi / 2);
  if (halfSine == 0) {
    messages.Report("Fehler in GetArcCenter (dphi = " + FormatSignificant(phi, format) + " ! ");
    return std::nullopt;
  }
  if (IsNegligibleArc(phi)) return std::nullopt;
  long double dx = x2 - x1;
  long double dy = y2 - y1;
  long double l = Hypot(dy, dx);
  long double mx = (x1 + x2) / 2;
  long double my = (y1 + y2) / 2;
  // Signed distance from the middle of the chord to the centre; 0 for a half circle.
  long double t = std::sin(phi) == 0 ? 0 : (l / 2) / Tan(phi / 2, messages);
  ArcGeometry arc;
  arc.r = std::fabs((l / 2) / halfSine);
  if (l != 0) {
    arc.xc = mx - dy * t / l;
    arc.yc = my + dx * t / l;
  } else {
    messages.Report("GetArcCenter l12=0");
    arc.xc = mx;
    arc.yc = my;
  }
  arc.a1 = Angle(x1 - arc.xc, y1 - arc.yc);
  arc.a2 = Angle(x2 - arc.xc, y2 - arc.yc);
  return arc;
}

// Fractional part with the sign of its argument: frac(-0.25) = -0.25.
long double Frac(long double x) { return x - std::trunc(x); }

}  // namespace

bool IsNegligibleArc(long double phi) {
  // The sagitta of an arc over a chord c is c/2 * tan(phi/4).
  constexpr long double kNegligibleSagitta = 1.0E-9L;
  return std::fabs(std::tan(phi / 4)) / 2 < kNegligibleSagitta;
}

std::optional<ArcGeometry> GetArcCenter(long double x1, long double y1, long double x2, long double y2,
                                        long double phi, MessageCollection& messages,
                                        const NumberFormat& format) {
  std::optional<ArcGeometry> arc = ArcCenter(x1, y1, x2, y2, phi, messages, format);
  if (arc && phi < 0) std::swap(arc->a1, arc->a2);
  return arc;
}

std::optional<ArcGeometry> GetArcCenterNoSwap(long double x1, long double y1, long double x2,
                                              long double y2, long double phi,
                                              MessageCollection& messages, const NumberFormat& format) {
  return ArcCenter(x1, y1, x2, y2, phi, messages, format);
}

PlanePoint RotateVector(long double x, long double y, long double angle) {
  long double c = std::cos(angle);
  long double s = std::sin(angle);
  return {x * c - y * s, x * s + y * c};
}

PlanePoint RotateAbout(long double px, long double py, long double cx, long double cy, long double angle) {
  PlanePoint turned = RotateVector(px - cx, py - cy, angle);
  return {cx + turned.x, cy + turned.y};
}

PlanePoint TransformPoint(long double x0, long double y0, long double angleDeg, long double x, long double y) {
  long double a = DegToRad(angleDeg);
  long double c = std::cos(a);
  long double s = std::sin(a);
  return {x0 + x * c - y * s, y0 + y * c + x * s};
}

PlanePoint TransformPointScaled(long double fx, long double fy, long double x0, long double y0,
                                long double angleDeg, long double x, long double y) {
  return TransformPoint(x0, y0, angleDeg, x * fx, y * fy);
}

long double Angle(long double dx, long double dy) {
  if (dx == 0) return dy >= 0 ? kPi / 2 : -kPi / 2;
  long double angle = std::atan(dy / dx);
  return dx < 0 ? angle + kPi : angle;
}

long double AngleYX(long double dy, long double dx) { return Angle(dx, dy); }

long double RadToDeg(long double x) { return x * 180 / kPi; }

long double DegToRad(long double x) { return x * kPi / 180; }

long double SweepDeg(long double startDeg, long double endDeg) {
  long double sweep = (Frac(endDeg / 360) - Frac(startDeg / 360)) * 360;
  return sweep < 0 ? sweep + 360 : sweep;
}

long double Tan(long double x, MessageCollection& messages) {
  long double c = std::cos(x);
  if (c == 0) {
    messages.Report("Error: function tan in Unit math");
    return kTanOfRightAngle;
  }
  return std::sin(x) / c;
}

long double Hypot(long double a, long double b) { return std::sqrt(a * a + b * b); }

long double IntPower(int n, long double x) {
  // The magnitude as unsigned so that the most negative n has a count too.
  unsigned count = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
  long double power = 1;
  for (unsigned i = 0; i < count; ++i) power *= x;
  return n < 0 ? 1 / power : power;
}

long double Log10(long double x) { return x <= 0 ? kLogOfNothing : std::log(x) / std::log(10.0L); }

long double Pow10(long double x) { return std::pow(10.0L, x); }

long double FloorDown(long double x) { return x >= 0 ? std::trunc(x) : std::trunc(x) - 1; }

int Decade(long double x) {
  if (x == 0 || !std::isfinite(x)) return 0;
  return static_cast<int>(std::lround(FloorDown(Log10(std::fabs(x)))));
}

bool NearlyEqual(long double a, long double b) { return std::fabs(b - a) < 1e-5L; }

long double MaxReal(long double a, long double b) { return a > b ? a : b; }

long double MinReal(long double a, long double b) { return a < b ? a : b; }

int MaxInt(int a, int b) { return a > b ? a : b; }

int MinInt(int a, int b) { return a < b ? a : b; }

long double Clamp(long double lo, long double hi, long double v) {
  if (v < lo) v = lo;
  if (v > hi) v = hi;
  return v;
}

void SwapReal(long double& a, long double& b) { std::swap(a, b); }

long double InchToMm(long double x) { return x * kMmPerInch; }

long double MmToInch(long double x) { return x * kInchPerMm; }

long double MmToInch2(long double mm2) { return mm2 / kMm2PerInch2; }

long double MmToInch3(long double mm3) { return mm3 / kMm3PerInch3; }

AxisScale NiceScale(long double min, long double max, int n) {
  if (n < 1) n = 1;
  if (NearlyEqual(min, max)) {
    min -= 1;
    max += 1;
  }
  max -= (max - min) * 1e-5L;
  long double d = (max - min) / n;
  long double g = d / Pow10(Decade(d));
  long double m = g < 1.5L ? 1 : g < 3 ? 2 : g < 8 ? 5 : 10;
  AxisScale scale;
  scale.step = m * Pow10(Decade(d));
  scale.hi = (FloorDown(max / scale.step) + 1) * scale.step;
  scale.lo = FloorDown(min / scale.step) * scale.step;
  return scale;
}

}  // namespace kalo
