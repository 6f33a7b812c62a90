#include "context/print_settings.h"

namespace kalo {

namespace {
constexpr long double kFixedScaleX = 1.9L;
}  // namespace

PrintSettings OpeningPrintSettings(const Configuration& config, int preset) {
  if (preset == kFixedPrintPreset) return {kFixedScaleX, 1, 0, 0, false, false};
  return {config.printScale,  config.printScaleVertical, config.printOriginX,
          config.printOriginY, config.printBorder,       config.printOrientation != PageOrientation::Portrait};
}

}  // namespace kalo
