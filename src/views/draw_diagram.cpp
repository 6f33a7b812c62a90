#include "views/draw_diagram.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cad/cad_driver.h"
#include "context/context.h"
#include "views/diagram.h"
#include "views/diagram_limits_form.h"
#include "views/equal_scale.h"
#include "views/view_style.h"

namespace kalo {
namespace {

constexpr int kAxisIntervals = 6;
constexpr long double kMaxTicks = 100;
constexpr long double kOnStep = 1e-6L;  // a value this many steps off a tick lies on it
constexpr int kDottedLine = 1;

bool LimitsDialogWanted(const Context& context) {
  return context.diagram.runTarget != kCadScreen && context.config.askDiagramLimits &&
         context.state.arguments.size() < 2;
}

// The values to show: those asked for, or the limits the user confirms; cancel keeps the
// asked ones and does not stop the drawing.
DiagramLimits ChooseLimits(Context& context, const std::string& xText, const std::string& yText,
                           const std::string& title, const DiagramLimits& asked) {
  if (!LimitsDialogWanted(context)) return asked;
  AxisScale x = NiceScale(asked.xmin, asked.xmax, kAxisIntervals);
  AxisScale y = NiceScale(asked.ymin, asked.ymax, kAxisIntervals);
  DiagramLimitsForm form(context.diagram.user, {x.lo, y.lo, x.hi, y.hi}, context.Numbers());
  form.Label_x = xText;
  form.Label_y = yText;
  if (!title.empty()) form.caption = title;
  context.state.helpNumber = DiagramLimitsForm::kHelpNumber;
  if (!context.ui.EditDiagramLimits(form)) return asked;
  return context.diagram.user = form.Confirmed();
}

// The multiples of the step from lo up to hi; lo itself when it lies on the step.
std::vector<long double> Ticks(const AxisScale& scale) {
  if (!(scale.step > 0)) return {scale.lo};
  long double offset = scale.step * std::ceil(scale.lo / scale.step - kOnStep) - scale.lo;
  if (std::fabs(offset) < kOnStep * scale.step) offset = 0;
  long double intervals = std::floor((scale.hi - scale.lo - offset) / scale.step + kOnStep);
  int count = static_cast<int>(std::clamp(intervals, 0.0L, kMaxTicks)) + 1;
  std::vector<long double> ticks;
  for (int i = 0; i < count; ++i) ticks.push_back(scale.lo + offset + i * scale.step);
  return ticks;
}

void DrawTitle(Context& context, const std::string& title) {
  if (title.empty()) return;
  const DiagramState& d = context.diagram;
  long double x = std::max(d.x0 + d.width / 2 - 1.75L * static_cast<long double>(title.size()), d.x0);
  CadText(context, title, x, d.y0 + d.height + 3);
}

void DrawXAxis(Context& context, const std::vector<long double>& ticks, const std::string& xText,
               int labelPlacement) {
  const DiagramState& d = context.diagram;
  if (d.ylo <= 0 && d.yhi >= 0) {
    long double end = d.xhi + 0.05L * d.dx;
    DiagramLine(context, d.xlo, 0, end, 0);
    DiagramArrow(context, kArrowRight, 0.04L * d.width, DiagramX(d, end), DiagramY(d, 0));
  }
  DiagramTextStyle(context, kViewFont, 0, 2.3L, 1.9L);
  for (long double x : ticks) {
    DiagramLine(context, x, d.ylo - 0.01L * d.dy, x, d.ylo);
    DiagramText(context, FormatSmallOrLarge(x, context.Numbers()), x - 0.03L * d.dx, d.ylo - 0.07L * d.dy);
  }
  if (labelPlacement == 0 || labelPlacement == 1) DiagramText(context, xText, 1.06L * d.xhi, d.ylo - 0.07L * d.dy);
  if (labelPlacement == 2) DiagramText(context, xText, 1.01L * d.xhi, d.ylo + 0.03L * d.dy);
}

void DrawYAxis(Context& context, const std::vector<long double>& ticks, const std::string& yText) {
  const DiagramState& d = context.diagram;
  if (d.xlo <= 0 && d.xhi >= 0) {
    long double end = d.yhi + 0.05L * d.dy;
    DiagramLine(context, 0, d.ylo, 0, end);
    DiagramArrow(context, kArrowUp, 0.04L * d.height, DiagramX(d, 0), DiagramY(d, end));
  }
  DiagramTextStyle(context, kViewFont, 0, 2.3L, 1.9L);
  for (long double y : ticks) {
    DiagramLine(context, d.xlo - 0.01L * d.dx, y, d.xlo, y);
    DiagramText(context, FormatSmallOrLarge(y, context.Numbers()), d.xlo - 0.1L * d.dx, y - 0.01L * d.dy);
  }
  DiagramText(context, yText, d.xlo - 0.1L * d.dx, d.yhi + 0.07L * d.dy);
}

void DrawGrid(Context& context, const std::vector<long double>& xTicks, const std::vector<long double>& yTicks) {
  const DiagramState& d = context.diagram;
  CadSetLayer(context, kLayerTableLines);
  CadSetLineStyle(context, kDottedLine);
  for (long double x : xTicks) DiagramLine(context, x, d.ylo, x, d.yhi);
  for (long double y : yTicks) DiagramLine(context, d.xlo, y, d.xhi, y);
}

}  // namespace

void DrawDiagram(Context& context, const std::string& xText, const std::string& yText, const std::string& title,
                 long double xmin, long double ymin, long double xmax, long double ymax, int labelPlacement) {
  context.cad.viewMarker = kViewMarkerDiagram;
  CadSetLayer(context, kLayerTitle);
  DiagramTextStyle(context, kViewFont, 0, 3.5L, 2.5L);
  DrawTitle(context, title);
  CadSetLayer(context, kLayerTableLines);
  DiagramLimits shown = ChooseLimits(context, xText, yText, title, {xmin, ymin, xmax, ymax});
  AxisScale x = NiceScale(shown.xmin, shown.xmax, kAxisIntervals);
  AxisScale y = NiceScale(shown.ymin, shown.ymax, kAxisIntervals);
  if (context.diagram.equalScale) EqualizeScales(shown, context.diagram.width, context.diagram.height, x, y);
  SetDiagramLimits(context.diagram, x.lo, x.hi, y.lo, y.hi);
  context.diagram.xStep = x.step;
  std::vector<long double> xTicks = Ticks(x), yTicks = Ticks(y);
  DrawXAxis(context, xTicks, xText, labelPlacement);
  DrawYAxis(context, yTicks, yText);
  DrawGrid(context, xTicks, yTicks);
}

}  // namespace kalo
