#pragma once
// The full results report: the result report, then every input summary and result with
// its unit to six significant digits, and each element's share of the mass moment of
// inertia about the axis.
#include <string>

namespace kalo {

struct Context;

// kind as for Report; false as Report gives it.
bool FullReport(Context& context, int kind);

struct NumberFormat;

// Six significant digits, exponent form for very small and very large magnitudes, with
// the configured decimal separator.
std::string FormatSixDigits(long double value, const NumberFormat& format);

}  // namespace kalo
