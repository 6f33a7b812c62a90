#pragma once
// A program context for the views: the CAD test folder and recording graphics window, and
// bodies whose values are known in closed form.
#include <algorithm>
#include <initializer_list>
#include <string>

#include "cad/cad_fixture.h"
#include "calc/calculation.h"
#include "context/context.h"
#include "views/show_view.h"

namespace kalo::testing {

class ViewsFixture : public CadFixture {
 protected:
  ViewsFixture() { context.screenPlotter = &plotter; }

  // The contour of these elements, calculated.
  void SetBody(std::initializer_list<ContourElement> elements) {
    context.body.contour.Reset();
    int i = 0;
    for (const ContourElement& e : elements) context.body.contour[++i] = e;
    context.body.contour.count = static_cast<uint16_t>(i);
    Calculate(context.body, context.config, context.messages);
  }
  // A rectangle from x0 to x0 + length, from the axis up to height.
  void SetRectangle(long double x0, long double length, long double height) {
    SetBody({{x0, 0, 0}, {x0 + length, 0, 0}, {x0 + length, height, 0}, {x0, height, 0}});
  }

  size_t Count(const std::string& prefix) const { return plotter.Starting(prefix).size(); }
  bool Recorded(const std::string& call) const {
    return std::find(plotter.calls.begin(), plotter.calls.end(), call) != plotter.calls.end();
  }
};

}  // namespace kalo::testing
