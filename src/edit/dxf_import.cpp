#include "edit/dxf_import.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "cad/cad_layers.h"
#include "calc/calculation.h"
#include "context/context.h"
#include "dialogs/standard_dialogs.h"
#include "edit/dxf_chains.h"
#include "edit/dxf_loop_choice.h"
#include "edit/dxf_reader.h"
#include "help/message_boxes.h"
#include "numbers/number_format.h"
#include "numbers/units.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "views/view_style.h"

namespace kalo {
namespace {

// Ends of curves meet when they lie within a millionth of the drawing's size of each
// other, and always within a thousandth of a millimetre: finer than the three decimals the
// data file keeps, coarser than the rounding of arc ends in files written with four or
// more decimals.
constexpr long double kRelativeTolerance = 1e-6L;
constexpr long double kSmallestTolerance = 0.001L;

bool Refuse(Context& context, const std::string& path, const std::string& what) {
  ErrorBox(context, "DXF-Datei " + FileNameOf(path) + ": " + what);
  context.state.cancel = true;
  return false;
}

// Layer names do not depend on letter case.
bool SameName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::toupper(x) == std::toupper(y);
  });
}

// The curves to chain: those on the layer, or all when it has none.
std::vector<size_t> CurvesToChain(const std::vector<DxfCurve>& curves, const std::string& layer) {
  std::vector<size_t> onLayer, all;
  for (size_t i = 0; i < curves.size(); ++i) {
    all.push_back(i);
    if (SameName(curves[i].layer, layer)) onLayer.push_back(i);
  }
  return onLayer.empty() ? all : onLayer;
}

long double ToleranceOf(const std::vector<DxfCurve>& curves, const std::vector<size_t>& selected) {
  const DxfVertex& start = curves[selected.front()].vertices.front();
  long double xmin = start.x, xmax = start.x, ymin = start.y, ymax = start.y;
  for (size_t index : selected)
    for (const DxfVertex& v : curves[index].vertices) {
      xmin = std::min(xmin, v.x);
      xmax = std::max(xmax, v.x);
      ymin = std::min(ymin, v.y);
      ymax = std::max(ymax, v.y);
    }
  return std::max(kRelativeTolerance * std::hypot(xmax - xmin, ymax - ymin), kSmallestTolerance);
}

std::string PointText(const PlanePoint& p) { return "(" + FormatDecimals(p.x, 3) + " | " + FormatDecimals(p.y, 3) + ")"; }

std::string OpenChainText(const DxfChaining& chaining) {
  if (!chaining.openChain) return "";
  long double gap = std::hypot(chaining.openTo.x - chaining.openFrom.x, chaining.openTo.y - chaining.openFrom.y);
  return Oem("; die längste offene Kette endet bei ") + PointText(chaining.openFrom) + " und " +
         PointText(chaining.openTo) + Oem(" (Lücke ") + FormatDecimals(gap, 3) + " mm)";
}

std::string ChoiceText(const Context& context, const DxfContourCandidate& candidate) {
  UnitSystem units = context.Units();
  std::string text = std::to_string(candidate.elements.size()) + Oem(" Elemente, Fläche ") +
                     FormatSignificant(AreaForDisplay(candidate.area, units), context.Numbers()) + " " +
                     AreaUnitText(units);
  if (!candidate.unsupported.empty()) text += " (" + candidate.unsupported + ")";
  return text + ", Layer " + candidate.layer;
}

// The chosen candidate; none when the user cancelled.
const DxfContourCandidate* Choose(Context& context, const std::vector<DxfContourCandidate>& candidates,
                                  DxfLoopChoice choice) {
  if (candidates.size() == 1 || choice == DxfLoopChoice::Largest) return &candidates.front();
  std::vector<std::string> items;
  for (size_t i = 0; i < candidates.size() && i < static_cast<size_t>(kLineListSize); ++i)
    items.push_back(ChoiceText(context, candidates[i]));
  int index = 1;
  if (!AskChoice(context, Oem("Welche Kontur übernehmen ?"), LineList(items), static_cast<int>(items.size()), index))
    return nullptr;
  return &candidates[static_cast<size_t>(index - 1)];
}

void TakeContour(Context& context, const std::vector<DxfVertex>& elements) {
  Contour& contour = context.body.contour;
  contour.Reset();
  for (size_t i = 0; i < elements.size(); ++i)
    contour[static_cast<int>(i + 1)] = {elements[i].x, elements[i].y, elements[i].phi};
  contour.count = static_cast<uint16_t>(elements.size());
  context.state.modified = false;
  Calculate(context);
  context.state.cancel = false;
}

}  // namespace

bool ImportDxfContour(Context& context, const std::string& path, DxfLoopChoice choice) {
  if (!CheckFileReadable(context, path)) return false;
  std::vector<DxfCurve> curves;
  std::string error;
  if (!ReadDxfCurves(path, curves, error)) return Refuse(context, path, error);
  if (curves.empty()) return Refuse(context, path, Oem("keine Linien, Bögen, Kreise oder Polylinien gefunden"));

  std::string contourLayer = LayerName(context.config, kLayerOutline);
  std::vector<size_t> selected = CurvesToChain(curves, contourLayer);
  std::string where = SameName(curves[selected.front()].layer, contourLayer) ? " auf Layer " + contourLayer : "";
  long double tolerance = ToleranceOf(curves, selected);
  DxfChaining chaining = ChainCurves(curves, selected, tolerance);
  if (chaining.loops.empty())
    return Refuse(context, path, "keine geschlossene Kontur" + where + OpenChainText(chaining));

  std::vector<DxfContourCandidate> candidates = ContourCandidates(curves, chaining.loops, tolerance);
  const DxfContourCandidate* chosen = Choose(context, candidates, choice);
  if (!chosen) return false;
  if (!chosen->unsupported.empty())
    return Refuse(context, path, "die Kontur" + where + " besteht auch aus " + chosen->unsupported +
                                     Oem("-Kurven; übernommen werden LINE, ARC, CIRCLE, POLYLINE und LWPOLYLINE"));
  if (chosen->elements.size() > static_cast<size_t>(kMaxElements))
    return Refuse(context, path, "die Kontur" + where + " hat " + std::to_string(chosen->elements.size()) +
                                     Oem(" Elemente; höchstens ") + std::to_string(kMaxElements) + Oem(" sind möglich"));
  TakeContour(context, chosen->elements);
  return true;
}

bool IsDxfFileName(const std::string& name) {
  std::string file = FileNameOf(name);
  return file.size() > 4 && SameName(file.substr(file.size() - 4), ".dxf");
}

}  // namespace kalo
