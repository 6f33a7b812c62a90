#pragma once
// Moving the whole contour in one step: rotation about the origin, scale and shift,
// mirror, and reversal of its direction.

namespace kalo {

struct Context;
struct Contour;

enum class Mirror { AboutX = 1, AboutY = 2, None = 3 };

struct ContourTransformation {
  long double rotationDegrees = 0;
  long double dx = 0, dy = 0;  // mm
  long double sx = 1, sy = 1;
  Mirror mirror = Mirror::None;
  bool reverse = false;
};

// Scales, rotates and shifts every element (arc angles stay as they are), then mirrors,
// then reverses the order so that each arc angle stays on its segment.
void ApplyTransformation(Contour& contour, const ContourTransformation& transformation);

// Asks the seven parameters one after another, applies them, calculates and shows view 1.
// A cancel at any prompt changes nothing and sets the cancel flag.
void TransformContour(Context& context);

}  // namespace kalo
