#include "cad/iges_format.h"

#include <array>

#include "numbers/number_format.h"

namespace kalo {

std::string IgesNumber(long double value, int decimals, int configuredDecimals) {
  return FormatFixed(value, 0, decimals, NumberFormat{configuredDecimals, false});
}

std::string Hollerith(const std::string& text) { return std::to_string(text.size()) + "H" + text; }

int IgesColour(int colourIndex) {
  static constexpr std::array<int, 16> kIgesColours = {0, 2, 5, 3, 7, 4, 6, 0, 8, 10, 11, 12, 13, 14, 15, 1};
  if (colourIndex < 0) return 0;
  return kIgesColours[static_cast<size_t>(colourIndex % 16)];
}

}  // namespace kalo
