#include "app/edit_commands.h"

#include "app/view_commands.h"
#include "calc/calculation.h"
#include "context/context.h"
#include "context/undo_history.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "doc/drawing_text_form.h"
#include "edit/element_list.h"
#include "help/message_summary.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "views/show_view.h"

namespace kalo {
namespace {

constexpr int kDensityHelpNumber = 8320;

// When the window shows no results of the body just calculated (only the results table and
// the drawing sheet do), the status line gives its mass and says where all results are.
void TellResults(Context& context) {
  ViewNumber view = context.state.shownView;
  bool resultsShown = view == ViewNumber::Table || view == ViewNumber::DrawingSheet;
  if (resultsShown || context.messages.Fatal()) return;
  context.state.notice = "Berechnet: m = " + FormatSignificant(context.body.mass, context.Numbers()) +
                         " kg   (alle Ergebnisse: Ansicht > Standardausdruck)";
}

// A changed parameter: the body is calculated again and shown.
void Recalculate(Context& context) {
  Calculate(context.body, context.config, context.messages);
  context.state.modified = true;
  RefreshView(context);
  TellResults(context);
}

}  // namespace

void EditText(Context& context) {
  EditDrawingTexts(context);
  if (!context.state.cancel) RefreshView(context);
}

void EditGeometry(Context& context) {
  ProgramState& state = context.state;
  BodyInput before = InputOf(context.body);
  EditElementList(context);
  bool changed = !(InputOf(context.body) == before);
  if (state.cancel) {
    // What the user confirmed before a cancelled prompt stays, and must not be lost unsaved;
    // the list may also have shown changes that its Abbrechen took back.
    if (changed) state.modified = true;
    Calculate(context.body, context.config, context.messages);
    RefreshView(context);
    return;
  }
  state.modified = true;
  Calculate(context.body, context.config, context.messages);
  if (context.messages.Fatal() || context.config.helpLevel == HelpLevel::Extended) ShowMessageSummary(context);
  // Without help the list showed nothing of the changes.
  if (context.config.helpLevel == HelpLevel::NoInfo) RefreshView(context);
  TellResults(context);
}

void EditArcDivision(Context& context) {
  long double angle = context.body.arcDivisionAngle;
  if (!AskReal(context, Oem("Polygon-Teilung für Kreisbogenberechnung [Grad]"), angle, kMaxArcDivision,
               kMinArcDivision))
    return;
  context.body.arcDivisionAngle = angle;
  Recalculate(context);
}

bool EnterDensity(Context& context) { return EnterDensity(context, context.body.rho); }

bool EnterDensity(Context& context, long double proposed) {
  context.state.helpNumber = kDensityHelpNumber;
  long double density = proposed;
  if (!AskReal(context, "Dichte des Werkstoffs [kg/dm3]", density, kMaxDensity, kMinDensity)) return false;
  context.body.rho = density;
  Recalculate(context);
  return true;
}

void EditReset(Context& context) {
  ProgramState& state = context.state;
  bool clearCoordinates = AskYesNo(context, "Koordinaten auf 0 setzen ?");
  // Abbrechen leaves the body as it was.
  if (state.cancel) return;
  Body& body = context.body;
  body.contour.count = 0;
  if (clearCoordinates) body.contour.Reset();
  body.ForgetResults();
  context.messages.Clear();
  state.modified = false;
  RefreshView(context);
}

}  // namespace kalo
