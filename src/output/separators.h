#pragma once
// Separator lines of text reports in the four configured styles: 1 ASCII characters,
// 2 code page 850 box drawing, 3 blanks, 4 none (the omit marker that the line writer
// skips).
#include <string>

namespace kalo {

enum class SeparatorKind { Thin, Thick, BoxTop, BoxBottom, BoxMiddle };

inline constexpr const char* kOmitMarker = "$!$";
inline constexpr size_t kSeparatorLength = 70;

std::string SeparatorLine(SeparatorKind kind, int style);
// The character that frames the page header lines.
char FrameCharacter(int style);

}  // namespace kalo
