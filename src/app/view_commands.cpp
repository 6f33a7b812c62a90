#include "app/view_commands.h"

#include "cad/cad_driver.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "help/message_summary.h"
#include "output/text_output.h"
#include "report/full_report.h"
#include "report/message_block.h"
#include "report/result_report.h"
#include "views/show_view.h"

namespace kalo {
namespace {

// The screen view of each result graphic: "egal", "Quick 1", "Quick 2",
// "Fertigungszeichnung", "Diagramm", "Zeichnung".
ViewNumber ResultGraphicView(const Configuration& config) {
  switch (config.resultGraphic) {
    case ResultGraphic::Quick1: return ViewNumber::GeometryWithTable;
    case ResultGraphic::Quick2: return ViewNumber::Table;
    case ResultGraphic::ProductionDrawing: return ViewNumber::DrawingSheet;
    case ResultGraphic::Diagram: return ViewNumber::GeometryWithTable;
    case ResultGraphic::Drawing: return ViewNumber::Geometry1;
    case ResultGraphic::Any: break;
  }
  return config.helpLevel != HelpLevel::NoInfo ? ViewNumber::DrawingSheet : ViewNumber::Choose;
}

void WriteMessagesOnScreen(Context& context) {
  TextOutput output(context);
  output.SetHeaderTexts({ProgramTitleLine(), std::string("Version ") + kProgramVersion, "", "", ""});
  if (output.Open(kTargetScreen)) {
    output.PageHeader();
    WriteMessageBlock(context, output);
    output.EndPage();
  }
  output.Close();
}

// A report that was not written because the calculation failed gives the message summary.
void ShowReport(Context& context, bool (*report)(Context&, int), int kind) {
  if (!report(context, kind) && context.messages.Fatal()) ShowMessageSummary(context);
}

}  // namespace

void RefreshView(Context& context) {
  ViewNumber shown = context.state.shownView;
  ViewNumber view = shown != ViewNumber::Choose ? shown : ResultGraphicView(context.config);
  if (view != ViewNumber::Choose) ShowView(context, kCadScreen, view);
}

void ViewReport(Context& context, int kind) {
  bool (*standardReport)(Context&, int) = Report;
  ShowReport(context, standardReport, kind);
}

void ViewFullReport(Context& context) { ShowReport(context, FullReport, kReportExtract); }

void ViewOnScreen(Context& context, ViewNumber view) {
  ShowView(context, kCadScreen, view);
}

void ViewOnCadTarget(Context& context, ViewNumber view) {
  ShowView(context, kCadAsk, view);
}

void ViewErrorMessages(Context& context) {
  if (context.messages.Empty())
    InfoBox(context, "Berechnung erfolgreich ohne Fehlermeldungen");
  else if (context.messages.Fatal())
    ShowMessageSummary(context);
  else
    WriteMessagesOnScreen(context);
}

}  // namespace kalo
