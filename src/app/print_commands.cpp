#include "app/print_commands.h"

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "graphics/graph_window.h"
#include "help/help_text.h"
#include "print/print_form.h"
#include "print/print_job.h"

namespace kalo {

void FilePrint(Context& context, GraphWindow& window) {
  PrintSettings opening = OpeningPrintSettings(context.config, context.cad.viewMarker);
  if (!context.config.printDialog) {
    context.print.settings = opening;
    PrintGraphicsWindow(context, window, false);
    return;
  }
  PrintForm form(context, opening);
  SetHelpNumber(context, PrintForm::kHelpNumber);
  if (!context.ui.ShowPrintForm(form)) {
    context.state.cancel = true;
    return;
  }
  PrintGraphicsWindow(context, window, form.fitToPage);
}

void PrintGraphicsWindow(Context& context, GraphWindow& window, bool fit) {
  if (fit) {
    window.RestoreLimit();
    window.ResetZoom();
    window.ReSetWindow();
  }
  // The screen shows the picture before the printer gets it.
  window.ClearViewPort();
  window.Host().ProcessPendingEvents();
  context.print.printing = true;
  bool printed = context.ui.PrintGraphics({window, context.print.settings});
  context.print.printing = false;
  if (printed) return;
  ErrorBox(context, "Drucker kann nicht gestartet werden");
  context.state.cancel = true;
}

}  // namespace kalo
