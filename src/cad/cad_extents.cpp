// The drawing extents and the start of the entities: the screen's header line, the border
// of the extents and the logo blocks.
#include "cad/block_files.h"
#include "cad/cad_driver.h"
#include "cad/cad_output.h"
#include "cad/cad_text.h"
#include "context/context.h"
#include "graphics/screen_plotter.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr int kBorderLayer = 19;
constexpr int kHeaderLayer = 30;
constexpr int kHeaderFont = 2;
constexpr int kFrameViewMarker = 2;

// Screen and plotter draw the border and the logos of a drawing sheet.
bool IsSheetTarget(const Context& context) {
  return context.cad.target == kCadScreen || context.cad.target == kCadPlotter;
}

void DrawHeaderLine(Context& context) {
  const CadExtents& e = context.cad.extents;
  CadSetLayer(context, kHeaderLayer);
  CadSetTextStyle(context, kHeaderFont, 0, 0.006L * e.Height(), 0.0045L * e.Width());
  CadText(context, ScreenHeaderText(context), e.xmin + 0.005L * e.Width(), e.ymin + 0.002L * e.Height());
}

// On its own layer; the current layer stays.
void DrawBorder(Context& context) {
  const CadExtents& e = context.cad.extents;
  int layer = context.cad.layer.number;
  CadSetLayer(context, kBorderLayer);
  CadRectangle(context, e.xmin, e.ymin, e.xmax, e.ymax);
  CadSetLayer(context, layer);
}

void InsertLogo(Context& context, const std::string& name, long double yFraction) {
  if (!FileExists(BlockFilePath(context, name))) return;
  const CadExtents& e = context.cad.extents;
  CadInsert(context, name, e.xmin + 0.91L * e.Width(), e.ymin + yFraction * e.Height(), 0, e.Width() / 480,
            e.Height() / 360);
}

}  // namespace

void CadSetExtents(Context& context, long double xmin, long double ymin, long double xmax, long double ymax) {
  context.cad.extents = {xmin, ymin, xmax, ymax};
  CadTarget* output = CadOutput(context);
  if (!output) return;
  output->SetExtents(xmin, ymin, xmax, ymax);
  if (IsScreenTarget(context)) DrawHeaderLine(context);
}

// The border is drawn here rather than with the extents, so that the plot file keeps its
// lines inside the ENTITIES section.
void CadBeginEntities(Context& context) {
  CadTarget* output = CadOutput(context);
  if (!output) return;
  output->BeginEntities();
  if (ScreenPlotter* screen = ScreenNow(context)) {
    screen->Refresh();
    screen->SetLineStyle(0);
  }
  if (!IsSheetTarget(context)) return;
  if (context.cad.border) DrawBorder(context);
  if (context.cad.viewMarker == kFrameViewMarker) return;
  InsertLogo(context, "LOGO_2", 0.01L);
  InsertLogo(context, "LOGO_3", 0.96L);
}

}  // namespace kalo
