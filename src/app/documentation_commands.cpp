#include "app/documentation_commands.h"

#include "context/context.h"
#include "context/text_channel.h"
#include "doc/change_history.h"
#include "doc/change_list_report.h"
#include "doc/document_setup_form.h"
#include "doc/drawing_info_form.h"
#include "doc/linked_documents.h"

namespace kalo {
namespace {

// Runs a step on the documentation; the body counts as modified when it changed it.
void ChangeDocumentation(Context& context, void (*step)(Context&)) {
  Documentation before = context.body.documentation;
  step(context);
  if (!(context.body.documentation == before)) context.state.modified = true;
}

// A changed change list is shown at once.
void ChangeAndShow(Context& context, void (*step)(Context&)) {
  ChangeDocumentation(context, step);
  if (!context.state.cancel) WriteChangeList(context, kTargetScreen);
}

}  // namespace

void DocumentationInfo(Context& context) { ChangeDocumentation(context, ShowDrawingInformation); }

void DocumentationShowChanges(Context& context) {
  WriteChangeList(context, kTargetScreen);
}

void DocumentationPrintChanges(Context& context) {
  WriteChangeList(context, 0);
}

void DocumentationNewChange(Context& context) { ChangeAndShow(context, NewChange); }

void DocumentationModifyChange(Context& context) {
  if (!context.body.documentation.changes.empty()) ChangeAndShow(context, ModifyLastChange);
}

void DocumentationDeleteChange(Context& context) { ChangeDocumentation(context, DeleteLastChange); }

void DocumentationOpen(Context& context, size_t n) {
  OpenDocument(context, n);
}

void DocumentationSetup(Context& context) {
  EditDocuments(context);
  if (!context.state.cancel) context.state.modified = true;
}

}  // namespace kalo
