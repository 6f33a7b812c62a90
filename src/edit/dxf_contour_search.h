#pragma once
// The search for the contours of a drawing once it is read: its curves placed in mm, cut at
// junctions and chained, exactly and with small gaps closed, and the loops offered about
// their axes. It can run again with other choices of axis and unit.
#include <string>
#include <vector>

#include "dxf/dxf_drawing.h"
#include "dxf/dxf_placement.h"
#include "dxf/dxf_units.h"
#include "edit/dxf_chains.h"
#include "edit/dxf_import.h"
#include "edit/dxf_junctions.h"
#include "edit/dxf_loop_choice.h"

namespace kalo {

// The loops of the selected curves, cut at junctions, chained with a tolerance.
struct DxfFound {
  DxfSplitCurves split;
  DxfChaining chaining;
  std::vector<DxfContourCandidate> candidates;  // the likeliest first
  long double tolerance = 0;
};

struct DxfSearch {
  const DxfDrawing* drawing = nullptr;
  DxfUnit unit;
  DxfPlacedCurves placed;        // every curve of the drawing, in mm
  std::vector<size_t> selected;  // the curves to chain: on the contour layer, else all
  std::string where;             // " auf Layer 5" when the contour layer has curves
  DxfFound exact;                // ends meet within a millionth of the drawing's size
  DxfFound closed;               // ends meet across small gaps
  bool gapsClosed = false;       // the closed search offers the better contour
  std::vector<std::string> notes;  // what the reader and the placement passed over, the unit
  std::string error;             // why nothing can be taken (code page 850); empty when something can

  const DxfFound& Found() const { return gapsClosed ? closed : exact; }
};

// Searches the drawing with the options' axis and unit; the contour layer is the program's.
void SearchContours(const DxfDrawing& drawing, const DxfImportOptions& options, const std::string& contourLayer,
                    DxfSearch& search);

// Why the chosen contour has too many elements: its count, and for splines and ellipses the
// coarser tolerance that would fit, when one does.
std::string TooManyElementsText(const DxfSearch& search, const DxfContourCandidate& chosen);

// What the rules decided for the chosen contour (cuts, gaps, the loop among others when
// choiceText is not empty, the axis, approximations), after the search's notes.
std::vector<std::string> DecisionNotes(const DxfSearch& search, const DxfContourCandidate& chosen,
                                       const std::string& choiceText);

}  // namespace kalo
