#include "output/line_layout.h"

namespace kalo {
namespace {

constexpr size_t kResultLineLength = 72;
constexpr size_t kSymbolColumn = 35, kUnitColumn = 44, kValueColumn = 56;

}  // namespace

void PutAt(std::string& line, size_t column, const std::string& text) {
  size_t start = column - 1;
  if (line.size() < start + text.size()) line.resize(start + text.size(), ' ');
  line.replace(start, text.size(), text);
}

void PadToColumn(std::string& text, size_t column) {
  if (text.size() < column - 1) text.resize(column - 1, ' ');
}

std::string FitToWidth(const std::string& text, size_t width) {
  std::string fitted = text.substr(0, width);
  fitted.resize(width, ' ');
  return fitted;
}

std::string RightAligned(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string ResultLineText(const std::string& label, const std::string& symbol, const std::string& unit,
                           const std::string& value) {
  std::string line = label;
  PadToColumn(line, kSymbolColumn);
  line += symbol;
  PadToColumn(line, kUnitColumn);
  line += unit;
  PadToColumn(line, kValueColumn);
  line += value;
  return FitToWidth(line, kResultLineLength);
}

}  // namespace kalo
