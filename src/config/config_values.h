#pragma once
// How single values are written to and read from the lines of the configuration file.
#include <cstddef>
#include <string>

namespace kalo {

std::string EncodeInteger(int value);
// The whole line as a signed decimal integer; 0 when it is none or does not fit.
int DecodeInteger(const std::string& line);

// Always with "." as decimal separator: 4 + decimals places (7 with the default 3) unless
// the value is a whole number below 1, which is written in the significant form ("0", "-5").
std::string EncodeReal(long double value, int decimals);
// "," counts as "."; 0 when the line is no number or none that a double holds.
long double DecodeReal(const std::string& line);

std::string EncodeBoolean(bool value);
// True exactly for "TRUE" in any case.
bool DecodeBoolean(const std::string& line);
// True unless the line is "FALSE" in any case.
bool DecodeBooleanUnlessFalse(const std::string& line);
// True for "TRUE", "1", "J", "JA", "Y" and "YES" in any case and between blanks, false for
// anything else: for settings that are documented for editing by hand.
bool DecodeYesNo(const std::string& line);

// The first character of the line; 'N' for none or a control character.
char DecodeCharacter(const std::string& line);

// A text on one line: line breaks inside it would shift every later line, so they become blanks.
std::string EncodeText(const std::string& text);
// The printable characters of the line (code page 850 letters, box characters and signs
// included): control bytes would garble every file a text is written into.
std::string DecodeText(const std::string& line);
// A name of at most length characters without blanks around it; the fallback when nothing
// printable is left.
std::string DecodeName(const std::string& line, size_t length, const std::string& fallback);
// A name for a table of a drawing (layer, text style), which CAD programs refuse when it
// holds one of < > / \ " : ; ? * | = `: those characters are left out.
std::string DecodeTableName(const std::string& line, size_t length, const std::string& fallback);

struct WindowRectangle {
  int left = 0, top = 0, width = 0, height = 0;
};
// "10|40|700|440|"
std::string EncodeRectangle(const WindowRectangle& rectangle);
// Missing or unreadable parts are 0.
WindowRectangle DecodeRectangle(const std::string& line);

}  // namespace kalo
