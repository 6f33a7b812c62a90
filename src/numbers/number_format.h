#pragma once
// The number forms shared by reports, files and windows.
#include <string>

namespace kalo {

struct NumberFormat {
  int decimals = 3;           // the configured "Dezimalstellen"
  bool decimalComma = false;  // "x,xx": every "." of a formatted number becomes ","
};

// d + (configured - 3), limited to 0..10, whenever the configured count is not 3.
int AdjustDecimals(int d, const NumberFormat& format);

// The value with exactly d decimals, rounded half away from zero, with "." and no
// padding; a result whose digits are all zero carries no sign.
std::string FormatDecimals(long double value, int decimals);

// Three significant digits (four for 1 <= |v| < 1000), trailing zero decimals removed,
// then adjusted by the configured decimals; "0" for magnitudes below 1.0E-5.
std::string FormatSignificant(long double value, const NumberFormat& format);
// d decimals (adjusted) right-aligned in w + d + 1 characters (w when d = 0); magnitudes
// below 1.0E-8 are written as 0; longer numbers are not cut.
std::string FormatFixed(long double value, int width, int decimals, const NumberFormat& format);
// The significant form with an exponent that is a multiple of 3, as in 0.0123E-3.
std::string FormatEngineering(long double value, const NumberFormat& format);
// Engineering form for magnitudes below 1.0E-5 or from 10000 on, else the significant form.
std::string FormatSmallOrLarge(long double value, const NumberFormat& format);

// Reads a number as the program writes it: the first "," counts as ".", surrounding
// blanks are ignored; false when the text is no number.
bool ParseReal(const std::string& text, long double& value);
// The same, with 0 for a text that is no number.
long double RealOrZero(const std::string& text);
bool ParseInteger(const std::string& text, long& value);

}  // namespace kalo
