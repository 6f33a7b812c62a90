#include "views/show_view.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cad/cad_driver.h"
#include "cad/cad_measure.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "help/message_summary.h"
#include "platform/codepage.h"
#include "views/contour_views.h"
#include "views/drawing_frame.h"
#include "views/drawing_sheet.h"
#include "views/result_table.h"
#include "views/view_style.h"

namespace kalo {
namespace {

constexpr int kChoiceHelpNumber = 8270;
constexpr int kDrawingHelpNumber = 8260;
constexpr int kViewBack = 7;

std::vector<std::string> ViewChoices() {
  return {"Geometrie mit Tabelle", "Geometrie 1", "Tabelle", "Geometrie 2", "Formblatt", "Polylinie", Oem("zurück ..")};
}

// The user's view, none for "zurück .."; cancelled (with the cancel flag set) when the
// list is cancelled.
Outcome ChooseView(Context& context, std::optional<ViewNumber>& view) {
  context.state.helpNumber = kChoiceHelpNumber;
  int index = 0;
  if (!context.ui.AskChoice(Oem("Bitte wählen .."), ViewChoices(), index)) return context.state.Cancel();
  int number = index + 1;
  if (number >= NumberOf(ViewNumber::GeometryWithTable) && number < kViewBack) view = static_cast<ViewNumber>(number);
  return Outcome::Done();
}

void DrawContent(Context& context, ViewNumber view);

// The extents of the view as set out for it, widened where the drawing reaches further
// (the axis runs past the contour, the results table is wider than its window), with a
// margin of two hundredths of the drawing's size. The drawing sheet has the sheet's size.
void SetViewExtents(Context& context, ViewNumber view) {
  if (view == ViewNumber::DrawingSheet) {
    CadSetExtents(context, -5, -5, 225, 310);
    return;
  }
  CadBox set;
  if (view == ViewNumber::Table) {
    set = {0, 0, 140, 125, false};
  } else {
    const Bounds& b = context.body.bounds;
    set = {b.xmin - 0.05L * b.length, -0.05L * b.height, b.xmax + 0.05L * b.length, b.ymax + 0.05L * b.height, false};
  }
  CadBox drawn = CadMeasure(context, [&] { DrawContent(context, view); });
  if (!drawn.empty) {
    constexpr long double kMargin = 0.02L;
    long double margin = kMargin * std::max(drawn.xmax - drawn.xmin, drawn.ymax - drawn.ymin);
    set.Add(drawn.xmin - margin, drawn.ymin - margin);
    set.Add(drawn.xmax + margin, drawn.ymax + margin);
  }
  CadSetExtents(context, set.xmin, set.ymin, set.xmax, set.ymax);
}

void DefineBlocks(Context& context, ViewNumber view) {
  CadTables(context);
  CadBeginBlocks(context);
  if (view == ViewNumber::DrawingSheet) {
    const DrawingTexts& texts = context.body.texts;
    CadBeginBlock(context, kFrameBlockName);
    DrawFrame(context, texts.name, texts.name2, texts.number);
    CadEndBlock(context);
  }
  CadEndSection(context);
}

void DrawContent(Context& context, ViewNumber view) {
  switch (view) {
    case ViewNumber::GeometryWithTable:
    case ViewNumber::Geometry2:
      DrawAxisAndEnds(context);
      DrawHatchedContour(context);
      DrawNumberedPolygon(context);
      break;
    case ViewNumber::Geometry1:
      DrawAxisAndEnds(context);
      DrawHatchedContour(context);
      break;
    case ViewNumber::Table:
      DrawResultTable(context, 5, 120, 3.5L);
      break;
    case ViewNumber::DrawingSheet:
      DrawDrawingSheet(context);
      break;
    case ViewNumber::Polyline:
      DrawContourPolyline(context);
      break;
    case ViewNumber::Choose:
      break;
  }
}

// One output run of the view.
Outcome DrawRun(Context& context, int target, ViewNumber view) {
  context.state.helpNumber = kDrawingHelpNumber;
  context.diagram.runTarget = target;
  if (Outcome opened = CadOpen(context, target); !opened) return opened;
  CadSetLayer(context, kLayerStart);
  SetViewExtents(context, view);
  DefineBlocks(context, view);
  CadBeginEntities(context);
  DrawContent(context, view);
  CadEndSection(context);
  return CadClose(context);
}

}  // namespace

Outcome ShowView(Context& context, int target, ViewNumber view) {
  if (!IsViewNumber(NumberOf(view))) {
    std::string message = "Ansicht " + std::to_string(NumberOf(view)) + " gibt es nicht";
    ErrorBox(context, message);
    return Outcome::Failure(message);
  }
  if (context.messages.Fatal()) {
    ShowMessageSummary(context);
    return Outcome::Failure(context.messages.Text(1));  // the summary shows them all
  }
  do {
    ViewNumber shown = view;
    if (view == ViewNumber::Choose) {
      std::optional<ViewNumber> chosen;
      if (Outcome asked = ChooseView(context, chosen); !asked) return asked;
      if (!chosen) return Outcome::Done();
      shown = *chosen;
    }
    if (Outcome drawn = DrawRun(context, target, shown); !drawn) return drawn;
    if (context.cad.target == kCadScreen) context.state.shownView = shown;
  } while (view == ViewNumber::Choose);
  return Outcome::Done();
}

void ShowDrawingAfterStart(Context& context) {
  if (context.config.helpLevel != HelpLevel::NoInfo) ShowView(context, kCadScreen, ViewNumber::DrawingSheet);
}

}  // namespace kalo
