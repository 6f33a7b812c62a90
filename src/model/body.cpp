#include "model/body.h"

namespace kalo {

void Body::Initialise(const std::string& today) {
  contour.Reset();
  polygon = ContourPolygon{};
  bounds = Bounds{};
  results = BodyResults{};
  rho = kDefaultDensity;
  arcDivisionAngle = kDefaultArcDivision;
  materialRecord = 0;
  mass = 0;
  volume = 0;
  texts = DrawingTexts{};
  documentation = Documentation{};
  documentation.information.StartValues(today);
}

void Body::ClearDrawingTexts() {
  texts.name.clear();
  texts.name2.clear();
  texts.number.clear();
}

}  // namespace kalo
