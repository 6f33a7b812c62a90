#pragma once
// The contour of the half-section: up to 200 points, each with the arc angle of the
// segment that leads to the next point.
#include <array>
#include <cstddef>
#include <cstdint>

#include "geometry/plane_point.h"
#include "platform/real48.h"

namespace kalo {

inline constexpr int kMaxElements = 200;
inline constexpr long double kUnusedCoordinate = 999;

struct ContourElement {
  long double x = 0;    // axial coordinate, mm
  long double y = 0;    // distance from the axis of rotation, mm
  long double phi = 0;  // arc angle to the next point, radians; 0 = straight line

  bool operator==(const ContourElement&) const = default;
};

struct Contour {
  uint16_t count = 0;
  // Slot 0 is the origin record; slots beyond count keep what they last held.
  std::array<ContourElement, kMaxElements + 1> slots{};

  // count := 0, every slot 1..200 := (999, 999, 0), slot 0 := (0, 0, 0).
  void Reset();
  ContourElement& operator[](int i) { return slots[static_cast<size_t>(i)]; }
  const ContourElement& operator[](int i) const { return slots[static_cast<size_t>(i)]; }
  bool operator==(const Contour&) const = default;
};

// The contour with every arc replaced by chords, closed by a copy of element 1.
inline constexpr int kMaxPolygonIndex = 2000;

using PolygonPoint = PlanePoint;

struct ContourPolygon {
  uint16_t count = 0;
  std::array<PolygonPoint, kMaxPolygonIndex + 1> points{};
};

// Extremes of the polygon, stored as six-byte reals.
struct Bounds {
  Real48 xmin = 0;
  Real48 xmax = 160;
  Real48 ymin = 0;
  Real48 ymax = 120;
  long double length = 0;  // xmax - xmin
  long double height = 0;  // ymax - ymin
  uint16_t xminIndex = 0;
  uint16_t xmaxIndex = 0;
};

}  // namespace kalo
