#pragma once
// The diagram facility's state: where the diagram area lies on the drawing and which data
// values its edges show.
#include "context/cad_target.h"

namespace kalo {

struct DiagramLimits {
  long double xmin = 0;
  long double ymin = 0;
  long double xmax = 0;
  long double ymax = 0;
};

struct DiagramState {
  long double width = 160;  // area size in drawing units
  long double height = 120;
  long double x0 = 0;  // lower left corner of the area
  long double y0 = 0;
  // Data values at the area's edges, their spans and the x tick step. Until a diagram sets
  // them, a data unit is a drawing unit.
  long double xlo = 0, xhi = 160, ylo = 0, yhi = 120;
  long double dx = 160, dy = 120;
  long double xStep = 0;
  // The next diagram shows a data unit equally long on both axes.
  bool equalScale = false;
  // The limits last confirmed in the limits dialog; they outlive ResetDiagram.
  DiagramLimits user;
  // The target code the current output run was opened with (0 when the user chose).
  int runTarget = kCadScreen;
};

}  // namespace kalo
