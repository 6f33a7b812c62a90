#pragma once
// The contour after a change: calculated and shown on the screen.

#include "model/view_number.h"

namespace kalo {

struct Context;

// Calculates the body and shows the view; after a fatal calculation error the view is not
// drawn, and with showMessages the message summary opens instead.
void CalculateAndShow(Context& context, ViewNumber view, bool showMessages);

}  // namespace kalo
