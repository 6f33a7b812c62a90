#include "output/separators.h"

namespace kalo {
namespace {

constexpr char kThinBox = static_cast<char>(196);
constexpr char kDoubleBox = static_cast<char>(205);
constexpr char kVerticalDouble = static_cast<char>(186);

std::string Repeated(char c) { return std::string(kSeparatorLength, c); }

std::string DoubleBoxLine(unsigned char left, unsigned char right) {
  return static_cast<char>(left) + std::string(kSeparatorLength - 2, kDoubleBox) + static_cast<char>(right);
}

std::string AsciiLine(SeparatorKind kind) {
  switch (kind) {
    case SeparatorKind::Thin: return Repeated('-');
    case SeparatorKind::Thick: return Repeated('=');
    default: return Repeated('*');
  }
}

std::string BoxDrawingLine(SeparatorKind kind) {
  switch (kind) {
    case SeparatorKind::Thin: return Repeated(kThinBox);
    case SeparatorKind::Thick: return Repeated(kDoubleBox);
    case SeparatorKind::BoxTop: return DoubleBoxLine(201, 187);
    case SeparatorKind::BoxBottom: return DoubleBoxLine(200, 188);
    case SeparatorKind::BoxMiddle: return DoubleBoxLine(204, 185);
  }
  return {};
}

}  // namespace

std::string SeparatorLine(SeparatorKind kind, SeparatorStyle style) {
  switch (style) {
    case SeparatorStyle::Ascii: return AsciiLine(kind);
    case SeparatorStyle::BoxDrawing: return BoxDrawingLine(kind);
    case SeparatorStyle::Blanks: return Repeated(' ');
    default: return kOmitMarker;
  }
}

char FrameCharacter(SeparatorStyle style) {
  return style == SeparatorStyle::Ascii ? '*' : style == SeparatorStyle::BoxDrawing ? kVerticalDouble : ' ';
}

}  // namespace kalo
