#include "app/edit_commands.h"

#include "app/context.h"
#include "app/view_commands.h"
#include "calc/calculation.h"
#include "dialogs/standard_dialogs.h"
#include "help/message_boxes.h"
#include "model/drawing_text_form.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr int kDensityHelpNumber = 8320;

// A changed parameter: the body is calculated again and shown.
void Recalculate(Context& context) {
  Calculate(context);
  context.state.modified = true;
  RefreshView(context);
}

}  // namespace

void EditText(Context& context) {
  context.state.cancel = false;
  EditDrawingTexts(context);
}

void EditArcDivision(Context& context) {
  context.state.cancel = false;
  long double angle = context.body.arcDivisionAngle;
  if (!AskReal(context, Oem("Polygon-Teilung für Kreisbogenberechnung [Grad]"), angle, kMaxArcDivision,
               kMinArcDivision))
    return;
  context.body.arcDivisionAngle = angle;
  Recalculate(context);
}

bool EnterDensity(Context& context) {
  context.state.helpNumber = kDensityHelpNumber;
  long double density = context.body.rho;
  if (!AskReal(context, "Dichte des Werkstoffs [kg/dm3]", density, kMaxDensity, kMinDensity)) return false;
  context.body.rho = density;
  Recalculate(context);
  return true;
}

void EditReset(Context& context) {
  ProgramState& state = context.state;
  state.cancel = false;
  context.body.contour.count = 0;
  if (AskYesNo(context, "Koordinaten auf 0 setzen ?")) context.body.contour.Reset();
  if (!state.cancel) state.modified = false;
}

}  // namespace kalo
