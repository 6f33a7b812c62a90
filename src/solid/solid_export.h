#pragma once
// The current body as a 3D solid file: STEP (AP214, millimetres; lines and true circular
// arcs revolved a full turn about the x axis) or binary STL. The solid is made by kalo-solid
// and checked against the exact values before the file takes its place.
#include <string>

#include "solid/solid_request.h"

namespace kalo {

struct Body;
struct Context;

// Volume and surface of the made solid may differ from the exact values by this much,
// relatively, and no more.
inline constexpr long double kSolidCheckTolerance = 1e-9L;

// The largest chordal deviation of the STL tessellation: 0.01 mm, or 1e-4 of the body's
// size (the larger of its length and its diameter) when that is less.
long double StlDeflection(const Body& body);

// "step" or "stl".
const char* SolidFileExtension(SolidJob job);

// Writes the file (Step or Stl) in one step; false, with the reasons shown as errors and no
// file, when the solid cannot be made, fails the check or cannot be written.
bool ExportSolid(Context& context, SolidJob job, const std::string& path);

}  // namespace kalo
