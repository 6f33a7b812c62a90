#include "graphics/device_mapping.h"

namespace kalo {

DeviceMapping::DeviceMapping(const GraphicsState& state) { Follow(state); }

DeviceMapping::DeviceMapping(const GraphicsState& state, const PrinterPage& page, const Configuration& config) {
  Follow(state);
  Resolution resolution = ResolutionOf(config);
  page_.emplace(page.settings, page.width, page.height, resolution.width, resolution.height);
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
  return page_ ? page_->X(left_ + pixels) : left_ + RoundToDevice(pixels);
}

int DeviceMapping::Y(long double y) const {
  double pixels = (static_cast<double>(y) - originY_) * sy_;
  return page_ ? page_->Y(bottom_ - pixels) : bottom_ - RoundToDevice(pixels);
}

int DeviceMapping::LengthX(long double length) const {
  double pixels = static_cast<double>(length) * sx_;
  return page_ ? page_->LengthX(pixels) : RoundToDevice(pixels);
}

int DeviceMapping::LengthY(long double length) const {
  double pixels = static_cast<double>(length) * sy_;
  return page_ ? page_->LengthY(pixels) : RoundToDevice(pixels);
}

}  // namespace kalo
