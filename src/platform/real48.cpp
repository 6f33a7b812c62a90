#include "platform/real48.h"

#include <cmath>

namespace kalo {

long double RoundToReal48(long double x) {
  if (x == 0 || std::isnan(x)) return 0;
  int exponent = 0;
  long double mantissa = std::frexp(x, &exponent);  // 0.5 <= |mantissa| < 1
  mantissa = std::nearbyint(std::ldexp(mantissa, 40));
  long double rounded = std::ldexp(mantissa, exponent - 40);
  constexpr long double kSmallest = 0x1p-128L;                     // smallest normal six-byte real
  constexpr long double kLargest = 0x1p127L - 0x1p87L;             // 40 mantissa bits all set
  if (std::fabs(rounded) < kSmallest) return 0;
  if (std::fabs(rounded) > kLargest) return std::copysign(kLargest, x);
  return rounded;
}

}  // namespace kalo
