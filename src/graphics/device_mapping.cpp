#include "graphics/device_mapping.h"

namespace kalo {

namespace {
constexpr long double kPageWidthMm = 210;
}  // namespace

DeviceMapping::DeviceMapping(const GraphicsState& state) : state_(state) {}

DeviceMapping::DeviceMapping(const GraphicsState& state, const PrinterPage& page, const Configuration& config)
    : state_(state), printer_(true) {
  Resolution resolution = ResolutionOf(config);
  offsetX_ = RoundToDevice(page.width * config.printOriginX / kPageWidthMm);
  offsetY_ = RoundToDevice(page.width * config.printOriginY / kPageWidthMm);
  factorX_ = page.width * config.printScale / resolution.width;
  factorY_ = page.height * config.printScaleVertical / resolution.height;
}

int DeviceMapping::X(long double x) const {
  long double pixels = (x - state_.originX) * state_.sx;
  if (!printer_) return state_.viewport.x0 + RoundToDevice(pixels);
  return offsetX_ + RoundToDevice((state_.viewport.x0 + pixels) * factorX_);
}

int DeviceMapping::Y(long double y) const {
  long double pixels = (y - state_.originY) * state_.sy;
  if (!printer_) return state_.viewport.y1 - RoundToDevice(pixels);
  return offsetY_ + RoundToDevice((state_.viewport.y1 - pixels) * factorY_);
}

int DeviceMapping::LengthX(long double length) const {
  long double pixels = length * state_.sx;
  return RoundToDevice(printer_ ? pixels * factorX_ : pixels);
}

int DeviceMapping::LengthY(long double length) const {
  long double pixels = length * state_.sy;
  return RoundToDevice(printer_ ? pixels * factorY_ : pixels);
}

}  // namespace kalo
