#pragma once
// The encoded polyline of the PE command (HP-GL/2): numbers as base-32 (after "7") or
// base-64 digits in printable characters, least significant digit first.
#include <vector>

#include "help/hpgl_reader.h"

namespace kalo {

struct PolylineStep {
  enum class Kind { Pen, Point };
  Kind kind = Kind::Point;
  int pen = 0;              // Pen: the pen selected
  long double x = 0;        // Point: plotter units, relative unless absolute
  long double y = 0;
  bool absolute = false;    // after "="
  bool penUp = false;       // after "<"
};

// The steps of one PE command, read up to and including its ";" (or the end of the file).
// A coordinate pair cut short by the ";" or the end of the file is dropped.
std::vector<PolylineStep> DecodePolyline(HpglReader& reader);

}  // namespace kalo
