#include "solid/body_view_style.h"

#include "context/configuration.h"
#include "graphics/colours.h"
#include "views/view_style.h"

namespace kalo {

Rgb BodyColour(const Configuration& config) { return PaletteColour(GetColorTurbo(config.layers[kLayerOutline].colour)); }

Rgb SectionColour(const Configuration& config) { return PaletteColour(GetColorTurbo(config.layers[kLayerHatch].colour)); }

}  // namespace kalo
