#include "edit/dxf_import.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "cad/cad_layers.h"
#include "calc/calculation.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "dxf/dxf_entity_reader.h"
#include "dxf/dxf_geometry.h"
#include "edit/dxf_contour_search.h"
#include "edit/dxf_import_form.h"
#include "numbers/number_format.h"
#include "numbers/units.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "views/view_style.h"

namespace kalo {
namespace {

// Arcs are shown in the preview as chords of at most this angle.
constexpr long double kPreviewChordAngle = kPi / 18;
const std::optional<DxfAxisChoice> kAxisChoices[] = {std::nullopt, DxfAxisChoice::X(), DxfAxisChoice::Y()};
const std::optional<DxfUnitChoice> kUnitChoices[] = {std::nullopt, DxfUnitChoice::Millimetre, DxfUnitChoice::Inch,
                                                     DxfUnitChoice::Metre};

Outcome Refuse(Context& context, const std::string& path, const std::string& what) {
  return Refuse(context, "DXF-Datei " + FileNameOf(path) + ": " + what);
}

std::string ChoiceText(const Context& context, const DxfContourCandidate& candidate) {
  UnitSystem units = context.Units();
  return std::to_string(candidate.elements.size()) + Oem(" Elemente, Fläche ") +
         FormatSignificant(AreaForDisplay(candidate.area, units), context.Numbers()) + " " + AreaUnitText(units) +
         ", Layer " + candidate.layer;
}

// The chosen candidate by the list of AskChoice; none when the user cancelled.
const DxfContourCandidate* Choose(Context& context, const std::vector<DxfContourCandidate>& candidates) {
  if (candidates.size() == 1) return &candidates.front();
  std::vector<std::string> items;
  for (size_t i = 0; i < candidates.size() && i < static_cast<size_t>(kLineListSize); ++i)
    items.push_back(ChoiceText(context, candidates[i]));
  int index = 1;
  if (!AskChoice(context, Oem("Welche Kontur übernehmen ?"), LineList(items), static_cast<int>(items.size()), index))
    return nullptr;
  return &candidates[static_cast<size_t>(index - 1)];
}

// The run of points as short lines, arcs as chords.
void AddChords(const std::vector<DxfVertex>& points, bool closed, std::vector<DxfPreviewSegment>& segments) {
  for (size_t i = 0; i + (closed ? 0 : 1) < points.size(); ++i) {
    const DxfVertex& from = points[i];
    const DxfVertex& to = points[(i + 1) % points.size()];
    int chords = std::max(1, static_cast<int>(std::ceil(std::fabs(from.phi) / kPreviewChordAngle)));
    PlanePoint start{from.x, from.y};
    for (int k = 1; k <= chords; ++k) {
      PlanePoint end = PointAlong(from, to, static_cast<long double>(k) / chords);
      segments.push_back({start, end});
      start = end;
    }
  }
}

// The form's offers and preview for the search; the chosen loop as the form says.
void ShowSearch(const Context& context, const DxfSearch& search, DxfImportForm& form) {
  form.loopItems.clear();
  form.drawing.clear();
  form.contour.clear();
  form.notes.clear();
  form.canTake = search.error.empty();
  for (const DxfCurve& curve : search.placed.curves) AddChords(curve.vertices, curve.closed, form.drawing);
  if (!form.canTake) {
    form.notes = {search.error};
    return;
  }
  const std::vector<DxfContourCandidate>& candidates = search.Found().candidates;
  for (const DxfContourCandidate& candidate : candidates) form.loopItems.push_back(ChoiceText(context, candidate));
  form.loop = std::clamp(form.loop, 0, static_cast<int>(candidates.size()) - 1);
  const DxfContourCandidate& chosen = candidates[static_cast<size_t>(form.loop)];
  AddChords(LoopVertices(search.Found().split.curves, chosen.loop), true, form.contour);
  form.notes = DecisionNotes(search, chosen, "");
  if (chosen.elements.size() > static_cast<size_t>(kMaxElements)) {
    form.notes.push_back(TooManyElementsText(search, chosen));
    form.canTake = false;
  }
  // The axis across the drawing's preview.
  long double reach = 0;
  for (const DxfPreviewSegment& s : form.drawing)
    for (const PlanePoint& p : {s.from, s.to})
      reach = std::max(reach, std::hypot(p.x - chosen.axis.origin.x, p.y - chosen.axis.origin.y));
  PlanePoint along{std::cos(chosen.axis.angle) * reach, std::sin(chosen.axis.angle) * reach};
  form.axisLine = {{chosen.axis.origin.x - along.x, chosen.axis.origin.y - along.y},
                   {chosen.axis.origin.x + along.x, chosen.axis.origin.y + along.y}};
}

// The contour chosen in the preview window; none when the user cancelled.
const DxfContourCandidate* ChooseInPreview(Context& context, const DxfDrawing& drawing, DxfImportOptions& options,
                                           const std::string& contourLayer, DxfSearch& search) {
  DxfImportForm form;
  form.SetRefresh([&](DxfImportForm& changed) {
    options.axis = kAxisChoices[std::clamp(changed.axis, 0, 2)];
    options.units = kUnitChoices[std::clamp(changed.units, 0, 3)];
    SearchContours(drawing, options, contourLayer, search);
    ShowSearch(context, search, changed);
  });
  ShowSearch(context, search, form);
  if (!context.ui.ShowDxfImportForm(form) || !form.canTake) return nullptr;
  return &search.Found().candidates[static_cast<size_t>(form.loop)];
}

void TakeContour(Context& context, const std::vector<DxfVertex>& elements, std::vector<std::string> notes) {
  Contour& contour = context.body.contour;
  contour.Reset();
  for (size_t i = 0; i < elements.size(); ++i)
    contour[static_cast<int>(i + 1)] = {elements[i].x, elements[i].y, elements[i].phi};
  contour.count = static_cast<uint16_t>(elements.size());
  context.state.modified = false;
  context.state.importNotes = std::move(notes);
  context.state.importHeading = "DXF-IMPORT";
  context.state.foreignSolid.reset();
  Calculate(context.body, context.config, context.messages);
  context.state.cancel = false;
}

}  // namespace

Outcome ImportDxfContour(Context& context, const std::string& path, const DxfImportOptions& stated) {
  // The reader opens the file itself without waiting: a FIFO or device is refused at once.
  DxfDrawing drawing;
  if (Outcome read = ReadDxfDrawing(path, drawing); !read) return Refuse(context, path, read.Message());
  DxfImportOptions options = stated;
  std::string contourLayer = LayerName(context.config, kLayerOutline);
  DxfSearch search;
  SearchContours(drawing, options, contourLayer, search);
  if (!search.error.empty()) return Refuse(context, path, search.error);

  const std::vector<DxfContourCandidate>& candidates = search.Found().candidates;
  const DxfContourCandidate* chosen = &candidates.front();
  bool ask = options.choice == DxfLoopChoice::Ask;
  if (ask && context.ui.HasDxfImportPreview())
    chosen = ChooseInPreview(context, drawing, options, contourLayer, search);
  else if (ask)
    chosen = Choose(context, candidates);
  if (!chosen) return context.state.Cancel();
  if (chosen->elements.size() > static_cast<size_t>(kMaxElements))
    return Refuse(context, path, TooManyElementsText(search, *chosen));
  std::string choiceText = ask ? "" : ChoiceText(context, *chosen);
  TakeContour(context, chosen->elements, DecisionNotes(search, *chosen, choiceText));
  return Outcome::Done();
}

bool IsDxfFileName(const std::string& name) {
  std::string file = FileNameOf(name);
  return file.size() > 4 && DxfNameKey(file.substr(file.size() - 4)) == ".DXF";
}

}  // namespace kalo
