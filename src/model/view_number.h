#pragma once
// The views of the contour by their numbers in the menus, the command line and the
// configuration.

namespace kalo {

enum ViewNumber : int {
  kViewChoose = 0,
  kViewGeometryWithTable = 1,
  kViewGeometry1 = 2,
  kViewTable = 3,
  kViewGeometry2 = 4,
  kViewDrawingSheet = 5,
  kViewPolyline = 6,
};

}  // namespace kalo
