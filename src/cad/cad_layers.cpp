#include "cad/cad_layers.h"

#include "context/configuration.h"
#include "numbers/number_format.h"

namespace kalo {
namespace {

constexpr int kWidthMin = 2;
constexpr int kWidthMax = 50;

bool IsNamedLayer(int layer) { return layer >= 1 && layer < kNamedLayers; }
bool IsDrawingLayer(int layer) { return layer >= kFirstDrawingLayer && layer < kCadLayerCount; }

int DrawingLayerWidth(const Configuration& config, int layer) {
  int width = config.drawingLayerThicknesses[static_cast<size_t>(layer - kFirstDrawingLayer)];
  return width >= kWidthMin && width <= kWidthMax ? width : 1;
}

}  // namespace

int FoldLayer(int layer) {
  if (layer < 0) return 0;
  return layer < kCadLayerCount ? layer : layer % 16 + 16;
}

std::string LayerName(const Configuration& config, int layer) {
  if (layer == 0) return "0";
  if (IsNamedLayer(layer)) return config.layers[static_cast<size_t>(layer)].name.substr(0, kLayerNameLength);
  return std::to_string(layer);
}

int LayerColour(const Configuration& config, int layer) {
  if (layer == 0) return 1;
  if (IsNamedLayer(layer)) return config.layers[static_cast<size_t>(layer)].colour;
  if (IsDrawingLayer(layer)) return config.drawingLayerColours[static_cast<size_t>(layer - kFirstDrawingLayer)];
  return layer % 16 + 1;
}

std::string LayerLineType(int layer) {
  if (layer == 1) return "DASHDOT";
  if (layer == 2) return "DASHED";
  return "CONTINUOUS";
}

CadLayer LayerOf(const Configuration& config, int layer) {
  int number = FoldLayer(layer);
  return {number, LayerName(config, number), LayerColour(config, number), LayerLineType(number)};
}

int LayerOfName(const Configuration& config, const std::string& name) {
  for (int layer = 0; layer < kNamedLayers; ++layer)
    if (LayerName(config, layer) == name) return layer;
  long number = 0;
  return ParseInteger(name, number) && number >= 0 && number < 1000 ? static_cast<int>(number) : 0;
}

ScreenLayerStyle ScreenStyleOf(const Configuration& config, int layer) {
  ScreenLayerStyle style;
  style.lineStyle = layer == 1 ? 2 : layer == 2 ? 3 : 0;
  style.colour = LayerColour(config, layer);
  if (IsNamedLayer(layer)) {
    style.width = config.layers[static_cast<size_t>(layer)].thickness;
  } else if (IsDrawingLayer(layer)) {
    style.width = DrawingLayerWidth(config, layer);
  } else {
    style.hasColour = layer == 0;
  }
  return style;
}

}  // namespace kalo
