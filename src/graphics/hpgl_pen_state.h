#pragma once
// What the pen plotter that draws the help pictures remembers from one picture to the next:
// a picture that selects no pen or character size draws with those of the one before.

namespace kalo {

struct HpglPenState {
  long double x = 0;  // current point, mm
  long double y = 0;
  bool penDown = false;
  int pen = 0;
  long double charWidth = 5.0;  // cm
  long double charHeight = 5.0;
  long double run = 1.0;  // label direction
  long double rise = 0.0;
  long double charSet = 1.0;
};

}  // namespace kalo
