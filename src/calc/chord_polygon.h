#pragma once
// The calculation polygon: the contour with every arc replaced by chords.
#include "model/contour.h"

namespace kalo {

class MessageCollection;
struct NumberFormat;

enum class PolygonOutcome {
  Closed,         // points 1..count written, the last a copy of element 1
  Empty,          // no elements: the polygon keeps its previous count
  TooManyPoints,  // a point index reached 2000: the count is kept, earlier points are replaced
};

// Receives the points of the calculation polygon in order, each with the element whose step
// added it (an arc's points belong to the element it ends at); false stops the walk.
class PolygonSink {
 public:
  virtual bool Add(int element, long double x, long double y) = 0;

 protected:
  ~PolygonSink() = default;
};

// Every arc gets round(|phi| / division) chords as in BuildPolygon; the closing point is
// not sent. False when the sink stopped the walk.
bool WalkPolygon(const Contour& contour, long double arcDivisionDegrees, PolygonSink& sink,
                 MessageCollection& messages, const NumberFormat& format);

// Every arc gets round(|phi| / division) chords (at least 2, ties to even); the chord
// points include both ends of the arc. The closing segment back to element 1 is straight.
PolygonOutcome BuildPolygon(const Contour& contour, long double arcDivisionDegrees, ContourPolygon& polygon,
                            MessageCollection& messages, const NumberFormat& format);

}  // namespace kalo
