#pragma once
// Plane section values and frustum mass values summed over the closed polygon.
#include "geometry/plane_point.h"
#include "model/contour.h"

namespace kalo {

class MessageCollection;

struct SectionSums {
  // The plane values are taken about this point of the body: about the drawing's origin the
  // centroidal values of a small body far from it would lose their digits.
  PlanePoint origin;
  long double A = 0, Sx = 0, Sy = 0, Ixx = 0, Iyy = 0, Ixy = 0;
  long double m = 0;   // kg, signed by the direction of the segments
  long double Jx = 0;  // kg·m², signed likewise
};

// Green's theorem over the segments p -> p+1 (p = 1..count-1) for the section values, about
// the polygon's first point; each segment taken as a frustum of a cone about the x axis for
// mass and mass moment of inertia. Counter-clockwise contours give positive values,
// clockwise ones the same values negated.
SectionSums SumSegments(const ContourPolygon& polygon, long double rho, MessageCollection& messages);

// Points below the axis by no more than this (mm) count as on it: a small share of the
// polygon's largest coordinate.
long double AxisTolerance(const ContourPolygon& polygon);

}  // namespace kalo
