#include "edit/element_list.h"

#include "context/context.h"
#include "context/undo_history.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "edit/changed_contour.h"
#include "edit/contour_edit.h"
#include "edit/contour_transform.h"
#include "edit/coordinate_form.h"
#include "edit/coordinate_paste.h"
#include "edit/element_list_form.h"
#include "platform/codepage.h"
#include "views/show_view.h"

namespace kalo {
namespace {

constexpr int kInsertHelpNumber = 8210;
constexpr int kDeleteHelpNumber = 8290;

void TooManyPoints(Context& context) {
  ErrorBox(context, "zu viele Punkte !");
  context.state.cancel = true;
}

// The line the user selected, or the position asked for with the prompt; false on cancel.
bool ChoosePosition(Context& context, int selected, const std::string& prompt, int& position) {
  if (selected > 0) {
    position = selected;
    return true;
  }
  long double asked = 1;
  if (!AskReal(context, prompt, asked, context.body.contour.count, 1)) return false;
  position = static_cast<int>(asked + 0.5L);
  return true;
}

// With help on, the changed contour is calculated and shown at once.
void ShowChangedContour(Context& context) {
  if (context.config.helpLevel != HelpLevel::NoInfo) CalculateAndShow(context, ViewNumber::Geometry1, false);
}

// A new element is edited at once; cancelling its form takes it back.
void EditNewElement(Context& context, int n) {
  if (!EditElement(context, n)) DeleteElement(context.body.contour, n);
}

void Append(Context& context) {
  Contour& contour = context.body.contour;
  if (contour.count >= kMaxElements) return TooManyPoints(context);
  ++contour.count;
  EditNewElement(context, contour.count);
}

void Insert(Context& context, int selected) {
  context.state.helpNumber = kInsertHelpNumber;
  int p = 0;
  if (!ChoosePosition(context, selected, Oem("Vor welcher Position soll eingefügt werden ?"), p)) return;
  if (!InsertElement(context.body.contour, p)) return TooManyPoints(context);
  EditNewElement(context, p);
}

void Delete(Context& context, int selected) {
  if (context.body.contour.count == 0) return;
  context.state.helpNumber = kDeleteHelpNumber;
  int p = 0;
  if (!ChoosePosition(context, selected, Oem("zu löschende Position wählen  ..."), p)) return;
  DeleteElement(context.body.contour, p);
}

void Paste(Context& context, const std::string& text) {
  PastedCoordinates pasted = ParsePastedCoordinates(text, context.Units());
  if (!pasted.refusedRows.empty()) {
    std::string rows;
    for (int row : pasted.refusedRows) rows += (rows.empty() ? "" : ", ") + std::to_string(row);
    ErrorBox(context, "Keine Koordinaten in Zeile " + rows + Oem(": nichts übernommen."));
    return;
  }
  if (pasted.elements.empty()) {
    ErrorBox(context, Oem("Die Zwischenablage enthält keine Koordinaten."));
    return;
  }
  if (!AppendElements(context.body.contour, pasted.elements)) TooManyPoints(context);
}

// One round: the action the list was closed with; false when the loop ends.
bool CarryOut(Context& context, const ElementListForm& form) {
  int s = form.selected;
  switch (form.action) {
    case ElementListAction::Append: Append(context); break;
    case ElementListAction::Insert: Insert(context, s); break;
    case ElementListAction::Change:
    case ElementListAction::DoubleClick: {
      int t = s == 0 ? 1 : s;
      if (t <= context.body.contour.count) EditElement(context, t);
      break;
    }
    case ElementListAction::Delete: Delete(context, s); break;
    case ElementListAction::Transform: TransformContour(context); return !context.state.cancel;
    case ElementListAction::Paste: Paste(context, form.pastedText); break;
    case ElementListAction::Ok: return false;
  }
  if (context.state.cancel) return false;
  ShowChangedContour(context);
  return true;
}

}  // namespace

bool EditElement(Context& context, int n) {
  Contour& contour = context.body.contour;
  if (contour[n].x == kUnusedCoordinate) contour[n].x = contour[n - 1].x;
  if (contour[n].y == kUnusedCoordinate) contour[n].y = contour[n - 1].y;
  context.state.helpNumber = CoordinateForm::kHelpNumber;
  CoordinateForm form(context, n);
  bool ok = context.ui.ShowCoordinateForm(form);
  context.state.cancel = !ok;
  return ok;
}

void EditElementList(Context& context) {
  BodyInput opened = InputOf(context.body);
  int selected = 0;
  for (;;) {
    context.state.helpNumber = ElementListForm::kHelpNumber;
    ElementListForm form(context, selected);
    if (!context.ui.ShowElementList(form)) {
      // Abbrechen gives back the body as the list found it, whatever was changed on the way.
      RestoreInput(context.body, opened);
      context.state.cancel = true;
      return;
    }
    selected = form.selected;
    if (!CarryOut(context, form)) break;
  }
  if (context.state.cancel || context.config.helpLevel == HelpLevel::NoInfo || context.body.contour.count == 0) return;
  CalculateAndShow(context, ViewNumber::GeometryWithTable, true);
}

}  // namespace kalo
