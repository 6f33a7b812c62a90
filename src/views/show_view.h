#pragma once
// The views of the contour, drawn through the CAD output driver.
#include "messages/outcome.h"
#include "model/view_number.h"

namespace kalo {

struct Context;

// Draws the view (0 lets the user choose, again after each drawing) on the CAD target
// (0 lets the driver ask). A failure, reported to the user already, when the output could
// not be created or completed, the view number is out of range or the calculation failed;
// cancelled when the user cancelled a question or the run was abandoned.
Outcome ShowView(Context& context, int target, ViewNumber view);
// The drawing sheet on the screen, unless the help level is 0.
void ShowDrawingAfterStart(Context& context);

}  // namespace kalo
