#include "cad/iges_format.h"

#include <array>
#include <cmath>

#include "report/number_format.h"

namespace kalo {
namespace {

// Decimals of the compact form before trimming: three for 0.01 <= |x| < 10, fewer above
// (four significant digits), one more for every leading zero below 0.01.
int CompactDecimals(long double magnitude) {
  int decade = static_cast<int>(std::floor(std::log10(magnitude)));
  if (decade >= 3) return 0;
  if (decade >= 0) return 3 - decade;
  return decade >= -2 ? 3 : 1 - decade;
}

}  // namespace

std::string IgesNumber(long double value, int decimals, int configuredDecimals) {
  return FormatFixed(value, 0, decimals, NumberFormat{configuredDecimals, false});
}

std::string FormatCompact(long double value, int configuredDecimals) {
  if (std::fabs(value) < 1.0E-5L) return "0";
  int decimals = CompactDecimals(std::fabs(value));
  std::string text = FormatDecimals(value, decimals);
  while (decimals > 0 && text.back() == '0') {
    --decimals;
    text.pop_back();
  }
  return FormatDecimals(value, AdjustDecimals(decimals, NumberFormat{configuredDecimals, false}));
}

std::string Hollerith(const std::string& text) { return std::to_string(text.size()) + "H" + text; }

int IgesColour(int colourIndex) {
  static constexpr std::array<int, 16> kIgesColours = {0, 2, 5, 3, 7, 4, 6, 0, 8, 10, 11, 12, 13, 14, 15, 1};
  if (colourIndex < 0) return 0;
  return kIgesColours[static_cast<size_t>(colourIndex % 16)];
}

}  // namespace kalo
