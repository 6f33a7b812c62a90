#pragma once
// Area integrals of the half-section gathered piece by piece along its boundary (Green's
// theorem: the integral of x^a·y^b over the region is the boundary integral of
// -x^a·y^(b+1)/(b+1) dx), in closed form for straight lines and for circular arcs.
#include <cmath>

#include "geometry/plane_point.h"

namespace kalo {

struct RegionIntegrals {
  long double A = 0;    // integral of 1, mm²
  long double Sx = 0;   // integral of y, mm³
  long double Sy = 0;   // integral of x, mm³
  long double Ixx = 0;  // integral of y², mm⁴
  long double Iyy = 0;  // integral of x², mm⁴
  long double Ixy = 0;  // integral of x·y, mm⁴
  long double Y3 = 0;   // integral of y³, mm⁵ (mass moment of inertia about the axis)
  long double X2Y = 0;  // integral of x²·y, mm⁵ (mass moment about a transverse axis)
  long double Yds = 0;  // boundary integral of y ds, mm² (surface of revolution)

  RegionIntegrals& operator+=(const RegionIntegrals& other);
};

// The contributions of the straight segment from p1 to p2, one integral each. Along the
// line x and y are linear in t over [0, 1]; each integral of a product of their powers is
// the sum of Bernstein control values times the integrals of Bernstein products. Inline, so
// that loops summing a few of them keep their sums in registers.
class LineTerms {
 public:
  LineTerms(const PlanePoint& p1, const PlanePoint& p2)
      : x1(p1.x), y1(p1.y), x2(p2.x), y2(p2.y), h(p1.x - p2.x), aa(y1 * y1), ab(y1 * y2), bb(y2 * y2), s(y1 + y2) {}

  long double A() const { return h * s * 0.5L; }
  long double Sx() const { return h * (aa + ab + bb) * (1.0L / 6); }
  long double Ixx() const { return h * s * (aa + bb) * (1.0L / 12); }
  long double Y3() const { return h * (aa * aa + ab * (aa + ab + bb) + bb * bb) * (1.0L / 20); }
  long double Sy() const { return h * (x1 * (y1 + s) + x2 * (y2 + s)) * (1.0L / 6); }
  long double Iyy() const {
    return h * (x1 * x1 * (2 * y1 + s) + 2 * x1 * x2 * s + x2 * x2 * (2 * y2 + s)) * (1.0L / 12);
  }
  long double Ixy() const { return h * (aa * (3 * x1 + x2) + 2 * ab * (x1 + x2) + bb * (x1 + 3 * x2)) * (1.0L / 24); }
  long double X2Y() const {
    long double pp = x1 * x1, pq = x1 * x2, qq = x2 * x2;
    return h * 0.5L *
           ((pp * aa + qq * bb) * (1.0L / 5) + (pp * ab + pq * (aa + bb) + qq * ab) * (1.0L / 10) +
            (pp * bb + qq * aa) * (1.0L / 30) + 2 * pq * ab * (1.0L / 15));
  }
  long double Yds() const { return s * 0.5L * std::sqrt(h * h + (y2 - y1) * (y2 - y1)); }

 private:
  long double x1, y1, x2, y2;
  long double h;  // -dx
  long double aa, ab, bb, s;
};

// Adds all contributions of the straight segment from p1 to p2.
void AddLineIntegrals(const PlanePoint& p1, const PlanePoint& p2, RegionIntegrals& sum);

// Adds the contribution of the circular arc from p1 to p2 turning by phi (radians, positive
// counter-clockwise), for any sweep up to a full turn; a full turn counts as the chord.
void AddArcIntegrals(const PlanePoint& p1, const PlanePoint& p2, long double phi, RegionIntegrals& sum);

}  // namespace kalo
