#pragma once
// Placing texts at fixed columns of a report line (columns count from 1).
#include <string>

namespace kalo {

// Overwrites the line from column on with text, extending the line when needed.
void PutAt(std::string& line, size_t column, const std::string& text);
// Appends blanks until the text reaches column - 1 characters; a longer text stays.
void PadToColumn(std::string& text, size_t column);
// The text cut to width characters or filled with blanks up to width.
std::string FitToWidth(const std::string& text, size_t width);
// Text right-aligned in width characters; a longer text stays whole.
std::string RightAligned(const std::string& text, size_t width);

// The 72-character result line: label at column 1, symbol at 35, unit at 44, value at 56;
// a longer field pushes the later ones right, and the line is cut at 72 characters.
std::string ResultLineText(const std::string& label, const std::string& symbol, const std::string& unit,
                           const std::string& value);

}  // namespace kalo
