#pragma once
// Conversions between the program's code page 850 texts and the outside world:
// Unicode (UTF-8) for windows and the console, Windows-1252 for files written
// "in the window code page", and the plain-letter spelling.
#include <cstddef>
#include <string>
#include <string_view>

namespace kalo {

// A UTF-8 source literal as the program's code page 850 text.
std::string Oem(std::string_view utf8);

// A file name (bytes of the system's locale, UTF-8) marked inside a code page 850 text, so
// that every conversion of the text carries it unchanged: the console and the JSON and CSV
// outputs get its bytes, the window its characters.
std::string FileNameText(std::string_view name);
// A file name for a file in code page 850: what the code page has stays, any other
// character is spelled out as <U+03A9>, a byte that is no UTF-8 as <FF>.
std::string NameInCp850(std::string_view name);
// The length of the valid UTF-8 character at pos, or 0 when the byte starts none.
size_t Utf8SequenceLength(std::string_view s, size_t pos);

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
