#pragma once
// Bodies for the calculation tests: a program context whose contour is set from a list.
#include <initializer_list>

#include "calc/calculation.h"
#include "context/context.h"
#include "geometry/plane_geometry.h"
#include "support/test_context.h"

namespace kalo::testing {

// Points (x, y) with the arc angle in degrees of the segment to the next point.
struct Vertex {
  long double x;
  long double y;
  long double phiDeg = 0;
};

struct CalculationFixture : TestContext {
  Body& body = context.body;
  BodyResults& results = context.body.results;

  void SetContour(std::initializer_list<Vertex> vertices) {
    body.contour.Reset();
    int i = 0;
    for (const Vertex& v : vertices) body.contour[++i] = {v.x, v.y, DegToRad(v.phiDeg)};
    body.contour.count = static_cast<uint16_t>(i);
  }
  void Compute(std::initializer_list<Vertex> vertices, long double arcDivisionDeg = 5) {
    SetContour(vertices);
    body.arcDivisionAngle = arcDivisionDeg;
    Calculate(context.body, context.config, context.messages);
  }
};

}  // namespace kalo::testing
