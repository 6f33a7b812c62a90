#include "graphics/device_mapping.h"

namespace kalo {

namespace {
constexpr long double kPageWidthMm = 210;
}  // namespace

DeviceMapping::DeviceMapping(const GraphicsState& state) { Follow(state); }

DeviceMapping::DeviceMapping(const GraphicsState& state, const PrinterPage& page, const Configuration& config)
    : printer_(true) {
  Follow(state);
  Resolution resolution = ResolutionOf(config);
  offsetX_ = RoundToDevice(page.width * config.printOriginX / kPageWidthMm);
  offsetY_ = RoundToDevice(page.width * config.printOriginY / kPageWidthMm);
  factorX_ = static_cast<double>(page.width * config.printScale / resolution.width);
  factorY_ = static_cast<double>(page.height * config.printScaleVertical / resolution.height);
}

void DeviceMapping::Follow(const GraphicsState& state) {
  originX_ = static_cast<double>(state.originX);
  originY_ = static_cast<double>(state.originY);
  sx_ = static_cast<double>(state.sx);
  sy_ = static_cast<double>(state.sy);
  left_ = state.viewport.x0;
  bottom_ = state.viewport.y1;
}

int DeviceMapping::X(long double x) const {
  double pixels = (static_cast<double>(x) - originX_) * sx_;
  if (!printer_) return left_ + RoundToDevice(pixels);
  return offsetX_ + RoundToDevice((left_ + pixels) * factorX_);
}

int DeviceMapping::Y(long double y) const {
  double pixels = (static_cast<double>(y) - originY_) * sy_;
  if (!printer_) return bottom_ - RoundToDevice(pixels);
  return offsetY_ + RoundToDevice((bottom_ - pixels) * factorY_);
}

int DeviceMapping::LengthX(long double length) const {
  double pixels = static_cast<double>(length) * sx_;
  return RoundToDevice(printer_ ? pixels * factorX_ : pixels);
}

int DeviceMapping::LengthY(long double length) const {
  double pixels = static_cast<double>(length) * sy_;
  return RoundToDevice(printer_ ? pixels * factorY_ : pixels);
}

}  // namespace kalo
