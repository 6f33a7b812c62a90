#pragma once
// Conversions between the program's code page 850 texts and the outside world:
// Unicode (UTF-8) for windows and the console, Windows-1252 for files written
// "in the window code page", and the plain-letter spelling.
#include <string>
#include <string_view>

namespace kalo {

// A UTF-8 source literal as the program's code page 850 text.
std::string Oem(std::string_view utf8);

std::string Cp850ToUtf8(std::string_view cp850);
// Characters without a code page 850 form become '?'.
std::string Utf8ToCp850(std::string_view utf8);

// The system's OEM to ANSI conversion and back (best fit for box drawing).
std::string Cp850ToAnsi(std::string_view cp850);
std::string AnsiToCp850(std::string_view ansi);
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

// ASCII spelling: "Maß 20°" becomes "Mass 20deg".
std::string SpellOutPlainLetters(std::string_view cp850);

// The program's own table from code page 850 to the window character set used
// with the plain-letter option.
std::string MapPlainLetterTable(std::string_view cp850);

// Display conversion of a code page 850 text: empty for 255 characters or more;
// with plainLetters first spelled out and mapped through the program's table.
std::string DisplayAnsi(std::string_view cp850, bool plainLetters);
std::string DisplayUtf8(std::string_view cp850, bool plainLetters);

}  // namespace kalo
