#pragma once
// The colours of the 3D view: the body in the colour of the contour's layer, the faces of
// the half cut in the colour of the hatching, as the configuration has them.
#include "platform/canvas.h"

namespace kalo {

struct Configuration;

Rgb BodyColour(const Configuration& config);
Rgb SectionColour(const Configuration& config);

}  // namespace kalo
