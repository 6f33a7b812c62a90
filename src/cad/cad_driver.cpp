// The driver calls that route one primitive or one section mark to the output of the run.
#include "cad/cad_driver.h"

#include "cad/block_expansion.h"
#include "cad/cad_layers.h"
#include "cad/cad_output.h"
#include "cad/cad_text.h"
#include "context/context.h"
#include "graphics/screen_plotter.h"

namespace kalo {

CadTarget* CadOutput(Context& context) { return context.cad.output.get(); }

bool IsScreenTarget(const Context& context) { return context.cad.target == kCadScreen; }

ScreenPlotter* ScreenNow(Context& context) {
  bool drawing = CadOutput(context) && IsScreenTarget(context) && !context.cad.inBlockSection;
  return drawing ? context.screenPlotter : nullptr;
}

void CadTables(Context& context) {
  if (CadTarget* output = CadOutput(context)) output->Tables();
}

void CadBeginBlocks(Context& context) {
  context.cad.inBlockSection = true;
  if (CadTarget* output = CadOutput(context)) output->BeginBlocks();
}

void CadBeginBlock(Context& context, const std::string& name) {
  if (CadTarget* output = CadOutput(context)) output->BeginBlock(name);
}

void CadEndBlock(Context& context) {
  if (CadTarget* output = CadOutput(context)) output->EndBlock();
}

void CadEndSection(Context& context) {
  context.cad.inBlockSection = false;
  if (CadTarget* output = CadOutput(context)) output->EndSection();
}

void CadSetLayer(Context& context, int layer) {
  context.cad.layer = LayerOf(context.config, layer);
  if (CadTarget* output = CadOutput(context)) output->SetLayer(context.cad.layer);
}

void CadSetLineStyle(Context& context, int style) {
  if (ScreenPlotter* screen = ScreenNow(context)) screen->SetLineStyle(style);
}

void CadSetTextStyle(Context& context, int font, long double angle, long double height, long double width) {
  context.cad.text = TextStateFor(context.config, angle, height, width);
  constexpr long double kScreenWidthRatio = 0.95L;
  if (ScreenPlotter* screen = ScreenNow(context)) screen->SetTextStyle(font, angle, height, kScreenWidthRatio * width);
}

void CadLine(Context& context, long double x1, long double y1, long double x2, long double y2) {
  if (CadTarget* output = CadOutput(context)) output->Line(x1, y1, x2, y2);
}

void CadCircle(Context& context, long double x, long double y, long double r) {
  if (CadTarget* output = CadOutput(context)) output->Circle(x, y, r);
}

void CadArc(Context& context, long double x, long double y, long double startAngle, long double endAngle,
            long double r) {
  if (r == 0) return;
  if (CadTarget* output = CadOutput(context)) output->Arc(x, y, startAngle, endAngle, r);
}

void CadText(Context& context, const std::string& text, long double x, long double y) {
  CadTarget* output = CadOutput(context);
  if (!output) return;
  bool plainLetters = context.Units().plainLetters;
  std::string shown = IsScreenTarget(context) ? text : CadFileText(text, context.config.cadTextMode, plainLetters);
  output->Text(shown, x, y, context.cad.text);
}

void CadSolid(Context& context, long double x1, long double y1, long double x2, long double y2, long double x3,
              long double y3, long double x4, long double y4) {
  if (CadTarget* output = CadOutput(context)) output->Solid({CadPoint{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}});
}

void CadMoveTo(Context& context, long double x, long double y) { context.cad.current = {x, y}; }

void CadLineTo(Context& context, long double x, long double y) {
  CadLine(context, context.cad.current.x, context.cad.current.y, x, y);
  CadMoveTo(context, x, y);
}

void CadRectangle(Context& context, long double x1, long double y1, long double x2, long double y2) {
  CadMoveTo(context, x1, y1);
  CadLineTo(context, x1, y2);
  CadLineTo(context, x2, y2);
  CadLineTo(context, x2, y1);
  CadLineTo(context, x1, y1);
}

void CadInsert(Context& context, const std::string& name, long double x, long double y, long double angle,
               long double xScale, long double yScale) {
  CadTarget* output = CadOutput(context);
  if (!output) return;
  if (IsScreenTarget(context) && !context.cad.inBlockSection)
    ExpandBlockInsert(context, name, x, y, angle, xScale, yScale);
  else
    output->Insert(name, x, y, angle, xScale, yScale);
}

}  // namespace kalo
