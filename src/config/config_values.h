#pragma once
// How single values are written to and read from the lines of the configuration file.
#include <string>

namespace kalo {

std::string EncodeInteger(int value);
// The whole line as a signed decimal integer; 0 when it is none or does not fit.
int DecodeInteger(const std::string& line);

// Always with "." as decimal separator: 4 + decimals places (7 with the default 3) unless
// the value is a whole number below 1, which is written in the significant form ("0", "-5").
std::string EncodeReal(long double value, int decimals);
// "," counts as "."; 0 when the line is no number.
long double DecodeReal(const std::string& line);

std::string EncodeBoolean(bool value);
// True exactly for "TRUE" in any case.
bool DecodeBoolean(const std::string& line);
// True unless the line is "FALSE" in any case.
bool DecodeBooleanUnlessFalse(const std::string& line);

// The first character of the line; 'N' for none.
char DecodeCharacter(const std::string& line);

// A text on one line: line breaks inside it would shift every later line, so they become blanks.
std::string EncodeText(const std::string& text);

struct WindowRectangle {
  int left = 0, top = 0, width = 0, height = 0;
};
// "10|40|700|440|"
std::string EncodeRectangle(const WindowRectangle& rectangle);
// Missing or unreadable parts are 0.
WindowRectangle DecodeRectangle(const std::string& line);

}  // namespace kalo
