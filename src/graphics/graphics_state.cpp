#include "graphics/graphics_state.h"

#include <algorithm>
#include <cmath>

namespace kalo {

namespace {
constexpr int kMaxResolution = 65535;
constexpr double kDeviceLimit = 1 << 30;
}  // namespace

long double AspectOf(const Resolution& resolution) { return 0.75L * resolution.width / resolution.height; }

Resolution ResolutionOf(const Configuration& config) {
  return {std::clamp(config.resolutionX, 1, kMaxResolution), std::clamp(config.resolutionY, 1, kMaxResolution)};
}

int RoundToDevice(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::lrint(std::clamp(value, -kDeviceLimit, kDeviceLimit)));
}

}  // namespace kalo
