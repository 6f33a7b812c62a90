#pragma once
// The revolved body as triangles for the 3D view, made from the contour directly: the
// outline with its arcs in short chords, turned about the x axis in equal steps; with a
// half cut only the half behind the cut, closed by the two faces of the section.
#include <vector>

#include "model/contour.h"

namespace kalo {

struct BodyMesh {
  // Triangles, three corners each, every corner x, y, z (mm) and its face's normal: six
  // floats a corner. The surface of revolution and the faces of the section apart, so that
  // the view can colour them apart.
  std::vector<float> surface;
  std::vector<float> section;
  float centre[3] = {0, 0, 0};  // the middle of the body's box
  float size = 0;               // the box's diagonal

  size_t Triangles() const { return (surface.size() + section.size()) / 18; }
};

// The chords of an arc turn by at most this (degrees), the steps about the axis too.
inline constexpr long double kMeshArcStep = 3;
inline constexpr int kMeshTurnSteps = 120;

// The body of the contour's half-section (points below the axis are taken as on it).
// Empty for a contour of fewer than two elements.
BodyMesh RevolvedMesh(const Contour& contour, bool halfCut);

}  // namespace kalo
