#include "cad/cad_measure.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "cad/text_box.h"
#include "context/context.h"
#include "geometry/plane_geometry.h"

namespace kalo {
namespace {

// A target that draws nothing and records how far the drawing reaches.
class MeasureTarget : public CadTarget {
 public:
  MeasureTarget(const Configuration& config, CadBox& box) : meter_(config), box_(box) {}

  void SetExtents(long double, long double, long double, long double) override {}
  void Line(long double x1, long double y1, long double x2, long double y2) override {
    box_.Add(x1, y1);
    box_.Add(x2, y2);
  }
  void Circle(long double x, long double y, long double r) override { Arc(x, y, 0, 360, r); }
  // The end points and every quadrant point the arc passes counter-clockwise.
  void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) override {
    AddOnCircle(x, y, r, startAngle);
    AddOnCircle(x, y, r, endAngle);
    long double sweep = std::fmod(endAngle - startAngle, 360.0L);
    if (sweep <= 0) sweep += 360;
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
      long double past = std::fmod(90.0L * quadrant - startAngle, 360.0L);
      if (past < 0) past += 360;
      if (past <= sweep) AddOnCircle(x, y, r, 90.0L * quadrant);
    }
  }
  void Text(const std::string& text, long double x, long double y, const CadTextState& style) override {
    for (const CadPoint& corner : meter_.Box(text, x, y, style)) box_.Add(corner.x, corner.y);
  }
  void Solid(const std::array<CadPoint, 4>& corners) override {
    for (const CadPoint& corner : corners) box_.Add(corner.x, corner.y);
  }
  void Insert(const std::string&, long double, long double, long double, long double, long double) override {}
  Outcome Finish() override { return Outcome::Done(); }

 private:
  void AddOnCircle(long double x, long double y, long double r, long double degrees) {
    long double a = DegToRad(degrees);
    box_.Add(x + r * std::cos(a), y + r * std::sin(a));
  }

  TextMeter meter_;
  CadBox& box_;
};

}  // namespace

void CadBox::Add(long double x, long double y) {
  if (empty) {
    *this = {x, y, x, y, false};
    return;
  }
  xmin = std::min(xmin, x);
  ymin = std::min(ymin, y);
  xmax = std::max(xmax, x);
  ymax = std::max(ymax, y);
}

CadBox CadMeasure(Context& context, const std::function<void()>& draw) {
  CadBox box;
  CadState driver = std::move(context.cad);
  MessageCollection messages = context.messages;
  bool cancel = context.state.cancel;
  context.cad = CadState{};
  // A file target: the screen is left alone while measuring.
  context.cad.target = kCadTxt;
  context.cad.output = std::make_unique<MeasureTarget>(context.config, box);
  draw();
  context.cad = std::move(driver);
  context.messages = std::move(messages);
  context.state.cancel = cancel;
  return box;
}

}  // namespace kalo
