#pragma once
// Where a point of the graphics window lands on the printed page. A real-valued position
// (sx, sy) in the window's client area becomes, in printer pixels,
//   px = [W·originX/210] + [W·sx·scaleX/Rx]
//   py = [W·originY/210] + [H·sy·scaleY/Ry]
// with W, H the printable page, Rx, Ry the configured resolution (client size minus 1)
// and [v] the nearest integer. Both origins count in 1/210 of the page WIDTH.
#include "context/print_settings.h"

namespace kalo {

class PageMapping {
 public:
  PageMapping(const PrintSettings& settings, int pageWidth, int pageHeight, int resolutionX, int resolutionY);

  int X(double screenX) const;
  int Y(double screenY) const;
  // A length of the window in printer pixels.
  int LengthX(double screenLength) const;
  int LengthY(double screenLength) const;

 private:
  int offsetX_ = 0;
  int offsetY_ = 0;
  double factorX_ = 1;  // printer pixels per client pixel
  double factorY_ = 1;
};

}  // namespace kalo
