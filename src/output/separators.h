#pragma once
// Separator lines of text reports in the four configured styles: ASCII characters, code
// page 850 box drawing, blanks, none (the omit marker that the line writer skips).
#include <string>

#include "context/configuration.h"

namespace kalo {

enum class SeparatorKind { Thin, Thick, BoxTop, BoxBottom, BoxMiddle };

inline constexpr const char* kOmitMarker = "$!$";
inline constexpr size_t kSeparatorLength = 70;

std::string SeparatorLine(SeparatorKind kind, SeparatorStyle style);
// The character that frames the page header lines.
char FrameCharacter(SeparatorStyle style);

}  // namespace kalo
