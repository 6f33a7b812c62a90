#pragma once
// The views of the contour, drawn through the CAD output driver.

namespace kalo {

struct Context;

enum ViewNumber : int {
  kViewChoose = 0,
  kViewGeometryWithTable = 1,
  kViewGeometry1 = 2,
  kViewTable = 3,
  kViewGeometry2 = 4,
  kViewDrawingSheet = 5,
  kViewPolyline = 6,
};

// Draws the view (0 lets the user choose, again after each drawing) on the CAD target
// (0 lets the driver ask). False when an output that was started could not be completed
// or the view number is out of range; a run the user cancelled counts as no failure.
bool ShowView(Context& context, int target, int view);
// The drawing sheet on the screen, unless the help level is 0.
void ShowDrawingAfterStart(Context& context);

}  // namespace kalo
