#include "context/print_settings.h"

namespace kalo {

namespace {
constexpr int kPortrait = 1;  // "Printer: Portrait=1, Landscape=2"
constexpr long double kFixedScaleX = 1.9L;
}  // namespace

PrintSettings OpeningPrintSettings(const Configuration& config, int preset) {
  if (preset == kFixedPrintPreset) return {kFixedScaleX, 1, 0, 0, false, false};
  return {config.printScale,  config.printScaleVertical, config.printOriginX,
          config.printOriginY, config.printBorder,       config.printOrientation != kPortrait};
}

}  // namespace kalo
