#include "graphics/page_mapping.h"

#include <algorithm>

#include "graphics/graphics_state.h"

namespace kalo {

namespace {
constexpr long double kOriginUnitsPerWidth = 210;
}  // namespace

PageMapping::PageMapping(const PrintSettings& settings, int pageWidth, int pageHeight, int resolutionX,
                         int resolutionY)
    : offsetX_(RoundToDevice(static_cast<double>(pageWidth * settings.originX / kOriginUnitsPerWidth))),
      offsetY_(RoundToDevice(static_cast<double>(pageWidth * settings.originY / kOriginUnitsPerWidth))),
      factorX_(static_cast<double>(pageWidth * settings.scaleX / std::max(resolutionX, 1))),
      factorY_(static_cast<double>(pageHeight * settings.scaleY / std::max(resolutionY, 1))) {}

int PageMapping::X(double screenX) const { return offsetX_ + RoundToDevice(screenX * factorX_); }

int PageMapping::Y(double screenY) const { return offsetY_ + RoundToDevice(screenY * factorY_); }

int PageMapping::LengthX(double screenLength) const { return RoundToDevice(screenLength * factorX_); }

int PageMapping::LengthY(double screenLength) const { return RoundToDevice(screenLength * factorY_); }

}  // namespace kalo
