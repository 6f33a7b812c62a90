#include "cad/dxf_numbers.h"

#include <cmath>

#include "context/configuration.h"
#include "numbers/number_format.h"

namespace kalo {
namespace {

constexpr long double kCompactZero = 0.00001L;
constexpr long double kAngleTolerance = 0.00001L;

// Decimals of the short form before trimming: enough for four significant digits from 1
// on, three below 1 down to 0.01, one more for every further leading zero.
int CompactDecimals(long double magnitude) {
  int decade = static_cast<int>(std::floor(std::log10(magnitude)));
  if (decade >= 3) return 0;
  if (decade >= 0) return 3 - decade;
  return decade >= -2 ? 3 : 1 - decade;
}

int TrimmedDecimals(const std::string& text, int decimals) {
  size_t last = text.size();
  while (decimals > 0 && text[last - 1] == '0') {
    --decimals;
    --last;
  }
  return decimals;
}

}  // namespace

int CadDecimals(const Configuration& config) {
  return config.cadDecimals >= 1 && config.cadDecimals <= 32 ? config.cadDecimals : 6;
}

std::string DxfGroupCode(int code) {
  std::string text = std::to_string(code);
  return text.size() < 3 ? std::string(3 - text.size(), ' ') + text : text;
}

std::string DxfFixed(long double value, int decimals) { return FormatDecimals(value, decimals); }

std::string DxfCompact(long double value, const NumberFormat& format) {
  if (!std::isfinite(value)) return FormatDecimals(value, 0);
  if (std::fabs(value) < kCompactZero) return "0";
  int decimals = CompactDecimals(std::fabs(value));
  decimals = TrimmedDecimals(FormatDecimals(value, decimals), decimals);
  return FormatDecimals(value, AdjustDecimals(decimals, format));
}

bool IsFullCircle(long double startAngle, long double endAngle) {
  if (startAngle == endAngle) return true;
  bool zeroTo360 = std::fabs(startAngle) < kAngleTolerance && std::fabs(endAngle - 360) < kAngleTolerance;
  bool from360To0 = std::fabs(startAngle - 360) < kAngleTolerance && std::fabs(endAngle) < kAngleTolerance;
  return zeroTo360 || from360To0;
}

}  // namespace kalo
