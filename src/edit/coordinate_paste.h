#pragma once
// Coordinates pasted from a spreadsheet or a text: one element a row, x and y in the
// current length unit and optionally the arc angle in degrees, separated by tabs,
// semicolons or blanks, with a decimal point or comma.
#include <string>
#include <vector>

#include "model/contour.h"
#include "numbers/units.h"

namespace kalo {

struct PastedCoordinates {
  std::vector<ContourElement> elements;  // mm and radians
  std::vector<int> refusedRows;          // 1-based numbers of rows that are no coordinates
};

// Empty rows are skipped; a row is refused unless it holds two or three numbers and its
// arc angle is less than a full turn.
PastedCoordinates ParsePastedCoordinates(const std::string& text, const UnitSystem& units);

}  // namespace kalo
