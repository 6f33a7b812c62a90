#include "edit/changed_contour.h"

#include "calc/calculation.h"
#include "context/context.h"
#include "help/message_summary.h"
#include "views/show_view.h"

namespace kalo {

void CalculateAndShow(Context& context, ViewNumber view, bool showMessages) {
  Calculate(context.body, context.config, context.messages);
  if (!context.messages.Fatal())
    ShowView(context, kCadScreen, view);
  else if (showMessages)
    ShowMessageSummary(context);
}

}  // namespace kalo
