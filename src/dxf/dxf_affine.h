#pragma once
// Affine maps of the drawing plane: x' = a x + b y + e, y' = c x + d y + f.
#include <cmath>

#include "geometry/plane_point.h"

namespace kalo {

struct Affine {
  long double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  PlanePoint operator()(const PlanePoint& p) const { return {a * p.x + b * p.y + e, c * p.x + d * p.y + f}; }
  // This map after the other one.
  Affine operator*(const Affine& o) const {
    return {a * o.a + b * o.c, a * o.b + b * o.d, c * o.a + d * o.c, c * o.b + d * o.d,
            a * o.e + b * o.f + e, c * o.e + d * o.f + f};
  }
  long double Determinant() const { return a * d - b * c; }
  // Whether circles stay circles: a rotation with one scale, mirrored or not.
  bool KeepsCircles() const {
    long double s = Determinant() < 0 ? -1 : 1;
    long double size = std::fabs(a) + std::fabs(b) + std::fabs(c) + std::fabs(d);
    return std::fabs(a - s * d) <= 1e-12L * size && std::fabs(b + s * c) <= 1e-12L * size;
  }

  static Affine Shift(long double x, long double y) { return {1, 0, 0, 1, x, y}; }
  static Affine Scale(long double x, long double y) { return {x, 0, 0, y, 0, 0}; }
  static Affine Rotation(long double radians) {
    long double cs = std::cos(radians), sn = std::sin(radians);
    return {cs, -sn, sn, cs, 0, 0};
  }
};

}  // namespace kalo
