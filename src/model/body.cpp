#include "model/body.h"

namespace kalo {

void Body::Initialise(const std::string& today) {
  contour.Reset();
  ForgetResults();
  rho = kDefaultDensity;
  arcDivisionAngle = kDefaultArcDivision;
  materialRecord = 0;
  texts = DrawingTexts{};
  documentation = Documentation{};
  documentation.information.StartValues(today);
}

void Body::ForgetResults() {
  polygon = ContourPolygon{};
  bounds = Bounds{};
  results = BodyResults{};
  mass = 0;
  volume = 0;
}

void Body::ClearDrawingTexts() {
  texts.name.clear();
  texts.name2.clear();
  texts.number.clear();
}

}  // namespace kalo
