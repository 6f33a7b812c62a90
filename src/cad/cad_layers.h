#pragma once
// The layer model of the CAD output: layers 0..31 with names, colours, line types and
// screen line widths from the configuration.
#include <string>

#include "context/cad_target.h"

namespace kalo {

struct Configuration;

inline constexpr int kCadLayerCount = 32;

// Numbers above 31 fold to (n mod 16) + 16; negative numbers count as layer 0.
int FoldLayer(int layer);
// "0" for layer 0, the configured name (at most 32 characters) for 1..5, else the number.
std::string LayerName(const Configuration& config, int layer);
// The AutoCAD colour index: 1 for layer 0, the configured colours for 1..5 and 16..31,
// (n mod 16) + 1 for the layers without a colour of their own.
int LayerColour(const Configuration& config, int layer);
std::string LayerLineType(int layer);
// Name, colour and line type of the (folded) layer.
CadLayer LayerOf(const Configuration& config, int layer);
// The layer a block file names in group 8: one of the names of layers 0..5, else the number.
int LayerOfName(const Configuration& config, const std::string& name);

// How the screen draws a layer: line style code, AutoCAD colour (none for layers 6..15,
// which keep the current colour) and line width.
struct ScreenLayerStyle {
  int lineStyle = 0;
  bool hasColour = true;
  int colour = 1;
  int width = 1;
};
ScreenLayerStyle ScreenStyleOf(const Configuration& config, int layer);

}  // namespace kalo
