#pragma once
// How far a drawing reaches: the drawing is run through the driver once more onto a target
// that only measures, so that a view can choose extents that hold everything it draws.
#include <functional>

namespace kalo {

struct Context;

struct CadBox {
  long double xmin = 0;
  long double ymin = 0;
  long double xmax = 0;
  long double ymax = 0;
  bool empty = true;
  void Add(long double x, long double y);
};

// The box of everything the drawing draws (texts with their measured width), leaving the
// driver, the messages and the cancel flag as they were. Block inserts are not measured.
CadBox CadMeasure(Context& context, const std::function<void()>& draw);

}  // namespace kalo
