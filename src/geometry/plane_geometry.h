#pragma once
// Plane geometry and small numeric helpers shared by the calculation, the graphics, the
// views, the hatching and the CAD output. Angles are radians unless a name says degrees.
// Nothing throws: a failing function adds a message to the collection and returns a
// defined value.
#include <numbers>
#include <optional>

#include "geometry/plane_point.h"
#include "platform/real48.h"

namespace kalo {

class MessageCollection;
struct NumberFormat;

inline constexpr long double kPi = std::numbers::pi_v<long double>;

// Centre, radius and the polar angles of the two arc ends about the centre.
struct ArcGeometry {
  long double xc = 0;
  long double yc = 0;
  long double a1 = 0;
  long double a2 = 0;
  long double r = 0;
};

// An arc turning by so small an angle that it departs from its chord by less than a
// billionth of the chord's length. Its centre lies too far away to be computed to the
// accuracy of its points, so it is taken as the straight chord.
bool IsNegligibleArc(long double phi);

// The arc from P1 to P2 turning by phi about its centre (phi > 0 counter-clockwise).
// For phi >= 0 a1 belongs to P1 and a2 to P2; for phi < 0 they are exchanged, so the arc
// always runs counter-clockwise from a1 to a2. No result (and the dphi message) when
// sin(phi/2) is 0, no result and no message for a negligible arc; "GetArcCenter l12=0" when P1 equals P2 (centre at the point).
std::optional<ArcGeometry> GetArcCenter(long double x1, long double y1, long double x2, long double y2,
                                        long double phi, MessageCollection& messages,
                                        const NumberFormat& format);
// The same, but a1 always belongs to P1 and a2 to P2.
std::optional<ArcGeometry> GetArcCenterNoSwap(long double x1, long double y1, long double x2,
                                              long double y2, long double phi,
                                              MessageCollection& messages, const NumberFormat& format);

PlanePoint RotateVector(long double x, long double y, long double angle);
// The point (px, py) turned about (cx, cy).
PlanePoint RotateAbout(long double px, long double py, long double cx, long double cy, long double angle);
// The local point (x, y) placed at (x0, y0) and turned by angleDeg degrees.
PlanePoint TransformPoint(long double x0, long double y0, long double angleDeg, long double x, long double y);
// TransformPoint of the local point scaled by fx, fy (block insertion).
PlanePoint TransformPointScaled(long double fx, long double fy, long double x0, long double y0,
                                long double angleDeg, long double x, long double y);

// Polar angle of (dx, dy) in (-pi/2, 3pi/2); pi/2 for the zero vector.
long double Angle(long double dx, long double dy);
long double AngleYX(long double dy, long double dx);
long double RadToDeg(long double x);
long double DegToRad(long double x);
// Counter-clockwise sweep from startDeg to endDeg in degrees, 0 <= sweep < 360.
long double SweepDeg(long double startDeg, long double endDeg);
// sin/cos; 1e30 and "Error: function tan in Unit math" when the cosine is 0.
long double Tan(long double x, MessageCollection& messages);

long double Hypot(long double a, long double b);
// x to the power n by repeated multiplication; 1 for n = 0.
long double IntPower(int n, long double x);
// Decimal logarithm; -1e30 for x <= 0.
long double Log10(long double x);
long double Pow10(long double x);
// trunc(x) for x >= 0, trunc(x) - 1 for x < 0 (so -2 gives -3).
long double FloorDown(long double x);
// The decade of |x| as FloorDown(Log10(|x|)); 0 for x = 0.
int Decade(long double x);
// |b - a| < 1e-5.
bool NearlyEqual(long double a, long double b);
long double MaxReal(long double a, long double b);
long double MinReal(long double a, long double b);
int MaxInt(int a, int b);
int MinInt(int a, int b);
// v raised to lo, then lowered to hi.
long double Clamp(long double lo, long double hi, long double v);
void SwapReal(long double& a, long double& b);

long double InchToMm(long double x);
long double MmToInch(long double x);
long double MmToInch2(long double mm2);
long double MmToInch3(long double mm3);

// A rounded axis division of min..max into about n intervals.
struct AxisScale {
  long double lo = 0;
  long double hi = 0;
  long double step = 0;
};
AxisScale NiceScale(long double min, long double max, int n);

}  // namespace kalo
