#include "graphics/colours.h"

#include "platform/codepage.h"

namespace kalo {

namespace {

constexpr std::array<Rgb, kMaxColour + 1> kPalette = {{
    {0, 0, 0},       {0, 0, 128},     {0, 255, 0},     {0, 255, 255},   {255, 0, 0},   {128, 0, 128},
    {128, 0, 0},     {192, 192, 192}, {176, 176, 176}, {0, 0, 255},     {0, 255, 0},   {0, 255, 255},
    {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255}, {0, 0, 0},
}};

// Screen colours of the AutoCAD indexes 0..7; the indexes 8..16 give index - 7.
constexpr std::array<int, 8> kTurboColours = {0, 12, 14, 10, 11, 9, 13, 15};

}  // namespace

Rgb PaletteColour(int colour) {
  if (colour < 1 || colour > kMaxColour) return kBlack;
  return kPalette[colour];
}

Rgb ColourOfValue(int value) {
  auto byte = [value](int shift) { return static_cast<std::uint8_t>((value >> shift) & 0xFF); };
  return {byte(0), byte(8), byte(16)};
}

int GetColorTurbo(int aci) {
  int value = aci & 0xFF;
  if (value > 15) value = value % 16 + 1;
  if (value < static_cast<int>(kTurboColours.size())) return kTurboColours[value];
  return value - 7;
}

int LineStyleForName(const std::string& name) {
  if (name == "DOTTED" || name == "PUNKT") return kDottedLine;
  if (name == "CENTER" || name == "DASHDOT" || name == "STRICHPUNKT") return kDashDotLine;
  if (name == "DASHED" || name == "HIDDEN" || name == "VERDECKT") return kDashedLine;
  return kSolidLine;
}

PenStyle PenStyleOfCode(int code) {
  switch (code) {
    case kDottedLine: return PenStyle::Dotted;
    case kDashDotLine: return PenStyle::DashDot;
    case kDashedLine: return PenStyle::Dashed;
    default: return PenStyle::Solid;
  }
}

const std::array<std::string, kAcadNamedColours>& AcadColourNames() {
  static const std::array<std::string, kAcadNamedColours> names = {
      "rot",           "gelb",        Oem("grün"),          "cyan",          "blau",        "magenta",
      Oem("weiß"),     "dunkel blau", Oem("dunkel grün"), "dunkel cyan",   "dunkel rot",  "dunkel magenta",
      "braun",         "hell grau",   "dunkel grau",      "schwarz"};
  return names;
}

std::vector<std::string> AcadColourChoiceItems() {
  std::vector<std::string> items;
  for (int index = 1; index <= kAcadNamedColours; ++index)
    items.push_back(std::to_string(index) + " (" + AcadColourNames()[index - 1] + ")");
  return items;
}

}  // namespace kalo
