#include "edit/dxf_import.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

#include "cad/cad_layers.h"
#include "calc/calculation.h"
#include "context/context.h"
#include "dialogs/standard_dialogs.h"
#include "dxf/dxf_entity_reader.h"
#include "dxf/dxf_placement.h"
#include "edit/dxf_chains.h"
#include "edit/dxf_contour.h"
#include "edit/dxf_loop_choice.h"
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
// Splines and ellipses are followed within this (mm); coarser ones are offered when the
// contour would get too many elements.
constexpr long double kApproximationTolerance = 0.001L;
constexpr long double kCoarserTolerances[] = {0.002L, 0.005L, 0.01L, 0.02L, 0.05L, 0.1L, 0.2L, 0.5L, 1.0L};

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
  return std::to_string(candidate.elements.size()) + Oem(" Elemente, Fläche ") +
         FormatSignificant(AreaForDisplay(candidate.area, units), context.Numbers()) + " " + AreaUnitText(units) +
         ", Layer " + candidate.layer;
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

void TakeContour(Context& context, const std::vector<DxfVertex>& elements, std::vector<std::string> notes) {
  Contour& contour = context.body.contour;
  contour.Reset();
  for (size_t i = 0; i < elements.size(); ++i)
    contour[static_cast<int>(i + 1)] = {elements[i].x, elements[i].y, elements[i].phi};
  contour.count = static_cast<uint16_t>(elements.size());
  context.state.modified = false;
  context.state.importNotes = std::move(notes);
  Calculate(context);
  context.state.cancel = false;
}

std::string MillimetreText(long double value) { return FormatSignificant(value, NumberFormat{}) + " mm"; }

// What the drawing holds, read and placed; false with the refusal in error.
struct DrawingCurves {
  DxfDrawing drawing;
  DxfUnit unit;
  DxfPlacedCurves placed;
};

bool PlaceAt(const DrawingCurves& drawing, long double tolerance, DxfPlacedCurves& placed, std::string& error) {
  return PlaceCurves(drawing.drawing, {drawing.unit.millimetres, tolerance}, placed, error);
}

// The elements of the loop when its splines and ellipses are followed within the tolerance.
size_t ElementsAt(const DrawingCurves& drawing, const DxfContourCandidate& chosen, long double tolerance,
                  long double joinTolerance) {
  DxfPlacedCurves coarser;
  std::string error;
  if (!PlaceAt(drawing, tolerance, coarser, error) || coarser.curves.size() != drawing.placed.curves.size())
    return SIZE_MAX;
  return ContourElementsOf(LoopVertices(coarser.curves, InFileOrder(chosen.loop)), joinTolerance).size();
}

std::string TooManyElementsText(const DrawingCurves& drawing, const DxfContourCandidate& chosen,
                                long double joinTolerance) {
  std::string text = " hat " + std::to_string(chosen.elements.size()) + Oem(" Elemente; höchstens ") +
                     std::to_string(kMaxElements) + Oem(" sind möglich");
  if (chosen.approximatedElements == 0) return text;
  text += " (" + std::to_string(chosen.approximatedElements) + Oem(" davon folgen SPLINE/ELLIPSE mit Toleranz ") +
          MillimetreText(kApproximationTolerance) + ")";
  for (long double tolerance : kCoarserTolerances) {
    size_t count = ElementsAt(drawing, chosen, tolerance, joinTolerance);
    if (count <= static_cast<size_t>(kMaxElements))
      return text + "; mit Toleranz " + MillimetreText(tolerance) + Oem(" wären es ") + std::to_string(count);
  }
  return text + "; auch mit Toleranz " + MillimetreText(kCoarserTolerances[std::size(kCoarserTolerances) - 1]) +
         Oem(" wären es zu viele");
}

std::string NotesText(const std::vector<std::string>& notes) {
  std::string text;
  for (const std::string& note : notes) text += "; " + note;
  return text;
}

}  // namespace

bool ImportDxfContour(Context& context, const std::string& path, const DxfImportOptions& options) {
  if (!CheckFileReadable(context, path)) return false;
  DrawingCurves drawing;
  std::string error;
  if (!ReadDxfDrawing(path, drawing.drawing, error)) return Refuse(context, path, error);
  drawing.unit = DrawingUnit(drawing.drawing.header, options.units);
  if (!PlaceAt(drawing, kApproximationTolerance, drawing.placed, error)) return Refuse(context, path, error);
  std::vector<std::string> notes = drawing.drawing.notes;
  if (!drawing.unit.message.empty()) notes.push_back(drawing.unit.message);
  notes.insert(notes.end(), drawing.placed.notes.begin(), drawing.placed.notes.end());
  const std::vector<DxfCurve>& curves = drawing.placed.curves;
  if (curves.empty())
    return Refuse(context, path, Oem("keine Linien, Bögen, Kreise oder Polylinien gefunden") + NotesText(notes));

  std::string contourLayer = LayerName(context.config, kLayerOutline);
  std::vector<size_t> selected = CurvesToChain(curves, contourLayer);
  std::string where = SameName(curves[selected.front()].layer, contourLayer) ? " auf Layer " + contourLayer : "";
  long double tolerance = ToleranceOf(curves, selected);
  DxfChaining chaining = ChainCurves(curves, selected, tolerance);
  if (chaining.loops.empty())
    return Refuse(context, path, "keine geschlossene Kontur" + where + OpenChainText(chaining) + NotesText(notes));

  std::vector<DxfContourCandidate> candidates = ContourCandidates(curves, chaining.loops, tolerance);
  const DxfContourCandidate* chosen = Choose(context, candidates, options.choice);
  if (!chosen) return false;
  if (chosen->elements.size() > static_cast<size_t>(kMaxElements))
    return Refuse(context, path, "die Kontur" + where + TooManyElementsText(drawing, *chosen, tolerance));
  if (chosen->approximatedElements > 0)
    notes.push_back("SPLINE/ELLIPSE durch " + std::to_string(chosen->approximatedElements) +
                    Oem(" Bögen und Linien angenähert (Toleranz ") + MillimetreText(kApproximationTolerance) + ")");
  TakeContour(context, chosen->elements, std::move(notes));
  return true;
}

bool IsDxfFileName(const std::string& name) {
  std::string file = FileNameOf(name);
  return file.size() > 4 && SameName(file.substr(file.size() - 4), ".dxf");
}

}  // namespace kalo
