#pragma once
// The window's commands for the 3D solid: CAD "Körper als STEP…" and "Körper als STL…".
#include "solid/solid_request.h"

namespace kalo {

struct Context;

// Asks for the file name and writes the body's solid as STEP or STL.
void CadSolidFile(Context& context, SolidJob job);

}  // namespace kalo
