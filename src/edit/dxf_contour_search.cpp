#include "edit/dxf_contour_search.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>

#include "dxf/dxf_geometry.h"
#include "edit/dxf_axis.h"
#include "model/contour.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"

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

std::string MillimetreText(long double value) { return FormatSignificant(value, NumberFormat{}) + " mm"; }

// The axis the user stated through two points of the drawing, in mm like the curves.
std::optional<DxfAxisChoice> InMillimetres(std::optional<DxfAxisChoice> axis, long double millimetres) {
  if (axis) *axis = {{axis->from.x * millimetres, axis->from.y * millimetres}, {axis->to.x * millimetres, axis->to.y * millimetres}};
  return axis;
}

Outcome PlaceAt(const DxfSearch& search, long double tolerance, DxfPlacedCurves& placed) {
  return PlaceCurves(*search.drawing, {search.unit.millimetres, tolerance}, placed);
}

DxfFound FindContours(const std::vector<DxfCurve>& curves, const std::vector<size_t>& selected, long double tolerance,
                      const DxfCandidateRules& rules) {
  DxfFound found;
  found.tolerance = tolerance;
  found.split = SplitAtJunctions(curves, selected, tolerance);
  found.chaining = ChainCurves(found.split.curves, found.split.selected, tolerance);
  found.candidates = ContourCandidates(found.split.curves, found.chaining.loops, tolerance, rules);
  return found;
}

// Whether the loops found with gaps closed offer a better contour: one where there was none,
// one at the axis where there was none, or a larger one.
bool Better(const DxfFound& closed, const DxfFound& exact) {
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
size_t ElementsAt(const DxfSearch& search, const DxfContourCandidate& chosen, long double tolerance) {
  DxfPlacedCurves coarser;
  if (!PlaceAt(search, tolerance, coarser) || coarser.curves.size() != search.placed.curves.size())
    return SIZE_MAX;
  const DxfFound& found = search.Found();
  DxfSplitCurves split = SplitAtJunctions(coarser.curves, search.selected, found.tolerance);
  return ElementsOnAxis(split.curves, chosen.loop, chosen.axis, found.tolerance).size();
}

// A unit of a metre or more from the header that makes the part larger than any turned part
// (many programs write metres when nobody chose a unit): said, not changed.
std::string UnitDoubt(const DxfUnit& unit, const std::vector<DxfVertex>& elements) {
  constexpr long double kLargestLikelyPart = 20000;  // mm
  if (unit.stated || unit.millimetres < 1000 || elements.empty()) return "";
  Box box = LoopBox(elements);
  long double size = std::max(box.xmax - box.xmin, box.ymax - box.ymin);
  if (size <= kLargestLikelyPart) return "";
  return Oem("Achtung: in der Einheit der Zeichnung ist das Teil ") + FormatSignificant(size / 1000, NumberFormat{}) +
         Oem(" m groß; in mm gezeichnet? /UNITS=mm liest es in Millimetern");
}

std::string NotesText(const std::vector<std::string>& notes) {
  std::string text;
  for (const std::string& note : notes) text += "; " + note;
  return text;
}

}  // namespace

void SearchContours(const DxfDrawing& drawing, const DxfImportOptions& options, const std::string& contourLayer,
                    DxfSearch& search) {
  search = DxfSearch{};
  search.drawing = &drawing;
  search.unit = DrawingUnit(drawing.header, options.units);
  if (Outcome placed = PlaceAt(search, kApproximationTolerance, search.placed); !placed) {
    search.error = placed.Message();
    return;
  }
  search.notes = drawing.notes;
  if (!search.unit.message.empty()) search.notes.push_back(search.unit.message);
  search.notes.insert(search.notes.end(), search.placed.notes.begin(), search.placed.notes.end());
  const std::vector<DxfCurve>& curves = search.placed.curves;
  if (curves.empty()) {
    search.error = Oem("keine Linien, Bögen, Kreise oder Polylinien gefunden") + NotesText(search.notes);
    return;
  }
  search.selected = CurvesToChain(curves, contourLayer);
  if (SameName(curves[search.selected.front()].layer, contourLayer)) search.where = " auf Layer " + contourLayer;
  long double size = Diagonal(BoxOf(curves, search.selected));
  DxfCandidateRules rules{CentreLinesOf(curves), InMillimetres(options.axis, search.unit.millimetres),
                          BoxOf(curves, AllOf(curves)), !search.where.empty()};
  search.exact = FindContours(curves, search.selected, std::max(kRelativeTolerance * size, kSmallestTolerance), rules);
  if (search.exact.chaining.looseEnds) {
    search.closed = FindContours(curves, search.selected, std::max(kClosedGapShare * size, kClosedGap), rules);
    search.gapsClosed = Better(search.closed, search.exact);
  }
  const DxfFound& found = search.Found();
  if (found.candidates.empty())
    search.error = (found.chaining.loops.empty() ? "keine geschlossene Kontur" : "nur Rahmen oder Schriftfeld, keine Kontur") +
                   search.where + OpenChainText(search.exact.chaining) + NotesText(search.notes);
}

std::string TooManyElementsText(const DxfSearch& search, const DxfContourCandidate& chosen) {
  std::string text = "die Kontur" + search.where + " hat " + std::to_string(chosen.elements.size()) +
                     Oem(" Elemente; höchstens ") + std::to_string(kMaxElements) + Oem(" sind möglich");
  if (chosen.approximatedElements == 0) return text;
  text += " (" + std::to_string(chosen.approximatedElements) + Oem(" davon folgen SPLINE/ELLIPSE mit Toleranz ") +
          MillimetreText(kApproximationTolerance) + ")";
  for (long double tolerance : kCoarserTolerances) {
    size_t count = ElementsAt(search, chosen, tolerance);
    if (count <= static_cast<size_t>(kMaxElements))
      return text + "; mit Toleranz " + MillimetreText(tolerance) + Oem(" wären es ") + std::to_string(count);
  }
  return text + "; auch mit Toleranz " + MillimetreText(kCoarserTolerances[std::size(kCoarserTolerances) - 1]) +
         Oem(" wären es zu viele");
}

std::vector<std::string> DecisionNotes(const DxfSearch& search, const DxfContourCandidate& chosen,
                                       const std::string& choiceText) {
  const DxfFound& found = search.Found();
  std::vector<std::string> notes = search.notes;
  if (found.split.cuts > 0)
    notes.push_back("Linien an " + std::to_string(found.split.cuts) + Oem(" Kreuzungen und Einmündungen geteilt"));
  if (search.gapsClosed) {
    std::vector<std::string> gaps = GapNotes(found.split.curves, chosen.loop, search.exact.tolerance);
    notes.insert(notes.end(), gaps.begin(), gaps.end());
  }
  if (found.candidates.size() > 1 && !choiceText.empty())
    notes.push_back(std::to_string(found.candidates.size()) + Oem(" geschlossene Konturen; übernommen: ") + choiceText +
                    (chosen.axis.atAxis ? " (an der Achse)" : Oem(" (die größte)")));
  notes.push_back(chosen.axis.note);
  if (std::string doubt = UnitDoubt(search.unit, chosen.elements); !doubt.empty()) notes.push_back(doubt);
  if (chosen.approximatedElements > 0)
    notes.push_back("SPLINE/ELLIPSE durch " + std::to_string(chosen.approximatedElements) +
                    Oem(" Bögen und Linien angenähert (Toleranz ") + MillimetreText(kApproximationTolerance) + ")");
  return notes;
}

}  // namespace kalo
