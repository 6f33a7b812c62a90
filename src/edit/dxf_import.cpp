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
#include "dxf/dxf_geometry.h"
#include "dxf/dxf_placement.h"
#include "edit/dxf_chains.h"
#include "edit/dxf_junctions.h"
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
// Gaps up to this (mm, or this share of the drawing's size when that is more) are closed
// with a warning; wider ones keep a loop open.
constexpr long double kClosedGap = 0.05L;
constexpr long double kClosedGapShare = 1e-4L;
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

// The box round the points of the curves.
Box BoxOf(const std::vector<DxfCurve>& curves, const std::vector<size_t>& selected) {
  const DxfVertex& start = curves[selected.front()].vertices.front();
  Box box{start.x, start.y, start.x, start.y};
  for (size_t index : selected)
    for (const DxfVertex& v : curves[index].vertices)
      box = {std::min(box.xmin, v.x), std::min(box.ymin, v.y), std::max(box.xmax, v.x), std::max(box.ymax, v.y)};
  return box;
}

long double Diagonal(const Box& box) { return std::hypot(box.xmax - box.xmin, box.ymax - box.ymin); }

std::vector<size_t> AllOf(const std::vector<DxfCurve>& curves) {
  std::vector<size_t> all(curves.size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = i;
  return all;
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

// What the drawing holds, read and placed.
struct DrawingCurves {
  DxfDrawing drawing;
  DxfUnit unit;
  DxfPlacedCurves placed;
  std::vector<size_t> selected;  // the curves to chain
  long double tolerance = 0;     // within which ends meet
};

bool PlaceAt(const DrawingCurves& drawing, long double tolerance, DxfPlacedCurves& placed, std::string& error) {
  return PlaceCurves(drawing.drawing, {drawing.unit.millimetres, tolerance}, placed, error);
}

// The loops of the selected curves, cut at junctions, chained with the tolerance.
struct Found {
  DxfSplitCurves split;
  DxfChaining chaining;
  std::vector<DxfContourCandidate> candidates;
  long double tolerance = 0;
};

Found FindContours(const std::vector<DxfCurve>& curves, const std::vector<size_t>& selected, long double tolerance,
                   const DxfCandidateRules& rules) {
  Found found;
  found.tolerance = tolerance;
  found.split = SplitAtJunctions(curves, selected, tolerance);
  found.chaining = ChainCurves(found.split.curves, found.split.selected, tolerance);
  found.candidates = ContourCandidates(found.split.curves, found.chaining.loops, tolerance, rules);
  return found;
}

// Whether the loops found with gaps closed offer a better contour: one where there was none,
// one at the axis where there was none, or a larger one.
bool Better(const Found& closed, const Found& exact) {
  if (closed.candidates.empty()) return false;
  if (exact.candidates.empty()) return true;
  const DxfContourCandidate& a = closed.candidates.front();
  const DxfContourCandidate& b = exact.candidates.front();
  if (a.axis.atAxis != b.axis.atAxis) return a.axis.atAxis;
  return a.area > b.area * (1 + 1e-9L) + 1e-9L;
}

// Where consecutive curves of the loop meet only within the wider tolerance.
std::vector<std::string> GapNotes(const std::vector<DxfCurve>& curves, const DxfLoop& loop, long double tolerance) {
  std::vector<std::string> notes;
  for (size_t i = 0; i < loop.size(); ++i) {
    const DxfCurveUse& use = loop[i];
    const DxfCurveUse& next = loop[(i + 1) % loop.size()];
    const std::vector<DxfVertex>& a = curves[use.curve].vertices;
    const std::vector<DxfVertex>& b = curves[next.curve].vertices;
    const DxfVertex& end = use.reversed ? a.front() : a.back();
    const DxfVertex& start = next.reversed ? b.back() : b.front();
    long double gap = Distance(end, start);
    if (gap > tolerance && !curves[use.curve].closed)
      notes.push_back(Oem("Lücke ") + FormatDecimals(gap, 4) + " mm bei " + PointText({end.x, end.y}) + " geschlossen");
  }
  return notes;
}

// The elements of the loop when its splines and ellipses are followed within the tolerance.
size_t ElementsAt(const DrawingCurves& drawing, const Found& found, const DxfContourCandidate& chosen,
                  long double tolerance) {
  DxfPlacedCurves coarser;
  std::string error;
  if (!PlaceAt(drawing, tolerance, coarser, error) || coarser.curves.size() != drawing.placed.curves.size())
    return SIZE_MAX;
  DxfSplitCurves split = SplitAtJunctions(coarser.curves, drawing.selected, found.tolerance);
  return ElementsOnAxis(split.curves, chosen.loop, chosen.axis, found.tolerance).size();
}

std::string TooManyElementsText(const DrawingCurves& drawing, const Found& found, const DxfContourCandidate& chosen) {
  std::string text = " hat " + std::to_string(chosen.elements.size()) + Oem(" Elemente; höchstens ") +
                     std::to_string(kMaxElements) + Oem(" sind möglich");
  if (chosen.approximatedElements == 0) return text;
  text += " (" + std::to_string(chosen.approximatedElements) + Oem(" davon folgen SPLINE/ELLIPSE mit Toleranz ") +
          MillimetreText(kApproximationTolerance) + ")";
  for (long double tolerance : kCoarserTolerances) {
    size_t count = ElementsAt(drawing, found, chosen, tolerance);
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

// What the rules decided for the chosen contour.
std::vector<std::string> ChoiceNotes(const Context& context, const Found& found, const Found& exact,
                                     const DxfContourCandidate& chosen, DxfLoopChoice choice) {
  std::vector<std::string> notes;
  if (found.split.cuts > 0)
    notes.push_back("Linien an " + std::to_string(found.split.cuts) + Oem(" Kreuzungen und Einmündungen geteilt"));
  if (&found != &exact) {
    std::vector<std::string> gaps = GapNotes(found.split.curves, chosen.loop, exact.tolerance);
    notes.insert(notes.end(), gaps.begin(), gaps.end());
  }
  if (found.candidates.size() > 1 && choice == DxfLoopChoice::Largest)
    notes.push_back(std::to_string(found.candidates.size()) + Oem(" geschlossene Konturen; übernommen: ") +
                    ChoiceText(context, chosen) + (chosen.axis.atAxis ? " (an der Achse)" : Oem(" (die größte)")));
  notes.push_back(chosen.axis.note);
  if (chosen.approximatedElements > 0)
    notes.push_back("SPLINE/ELLIPSE durch " + std::to_string(chosen.approximatedElements) +
                    Oem(" Bögen und Linien angenähert (Toleranz ") + MillimetreText(kApproximationTolerance) + ")");
  return notes;
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
  drawing.selected = CurvesToChain(curves, contourLayer);
  std::string where = SameName(curves[drawing.selected.front()].layer, contourLayer) ? " auf Layer " + contourLayer : "";
  long double size = Diagonal(BoxOf(curves, drawing.selected));
  drawing.tolerance = std::max(kRelativeTolerance * size, kSmallestTolerance);
  DxfCandidateRules rules{CentreLinesOf(curves), options.axis, BoxOf(curves, AllOf(curves)), !where.empty()};
  Found exact = FindContours(curves, drawing.selected, drawing.tolerance, rules);
  Found closed = FindContours(curves, drawing.selected, std::max(kClosedGapShare * size, kClosedGap), rules);
  const Found& found = Better(closed, exact) ? closed : exact;
  if (found.candidates.empty()) {
    std::string what = found.chaining.loops.empty() ? "keine geschlossene Kontur" : "nur Rahmen oder Schriftfeld, keine Kontur";
    return Refuse(context, path, what + where + OpenChainText(exact.chaining) + NotesText(notes));
  }

  const DxfContourCandidate* chosen = Choose(context, found.candidates, options.choice);
  if (!chosen) return false;
  if (chosen->elements.size() > static_cast<size_t>(kMaxElements))
    return Refuse(context, path, "die Kontur" + where + TooManyElementsText(drawing, found, *chosen));
  std::vector<std::string> decided = ChoiceNotes(context, found, exact, *chosen, options.choice);
  notes.insert(notes.end(), decided.begin(), decided.end());
  TakeContour(context, chosen->elements, std::move(notes));
  return true;
}

bool IsDxfFileName(const std::string& name) {
  std::string file = FileNameOf(name);
  return file.size() > 4 && SameName(file.substr(file.size() - 4), ".dxf");
}

}  // namespace kalo
