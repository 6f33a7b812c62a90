#include "edit/coordinate_paste.h"

#include <cmath>
#include <sstream>

#include "model/length_entry.h"
#include "numbers/number_format.h"

namespace kalo {
namespace {

std::vector<std::string> Fields(const std::string& row) {
  std::vector<std::string> fields;
  std::string field;
  for (char c : row + ' ') {
    if (c == '\t' || c == ';' || c == ' ' || c == '\r') {
      if (!field.empty()) fields.push_back(field);
      field.clear();
    } else {
      field += c;
    }
  }
  return fields;
}

bool ParseRow(const std::vector<std::string>& fields, const UnitSystem& units, ContourElement& element) {
  if (fields.size() < 2 || fields.size() > 3) return false;
  long double values[3] = {0, 0, 0};
  for (size_t i = 0; i < fields.size(); ++i)
    if (!ParseReal(fields[i], values[i]) || !std::isfinite(values[i])) return false;
  if (std::fabs(values[2]) >= 360) return false;
  long double factor = units.inch ? kMmPerInch : 1;
  element = {values[0] * factor, values[1] * factor, DegreesToRadians(values[2])};
  return true;
}

}  // namespace

PastedCoordinates ParsePastedCoordinates(const std::string& text, const UnitSystem& units) {
  PastedCoordinates pasted;
  std::istringstream rows(text);
  std::string row;
  for (int number = 1; std::getline(rows, row); ++number) {
    std::vector<std::string> fields = Fields(row);
    if (fields.empty()) continue;
    ContourElement element;
    if (ParseRow(fields, units, element))
      pasted.elements.push_back(element);
    else
      pasted.refusedRows.push_back(number);
  }
  return pasted;
}

}  // namespace kalo
