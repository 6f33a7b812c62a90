#pragma once
// The views of the contour, drawn through the CAD output driver.
#include "model/view_number.h"

namespace kalo {

struct Context;

// Draws the view (0 lets the user choose, again after each drawing) on the CAD target
// (0 lets the driver ask). False when an output that was started could not be completed
// or the view number is out of range; a run the user cancelled counts as no failure.
bool ShowView(Context& context, int target, ViewNumber view);
// The drawing sheet on the screen, unless the help level is 0.
void ShowDrawingAfterStart(Context& context);

}  // namespace kalo
