// The HP-GL interpreter of the help pictures; every coordinate it hands on must be a number.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "graphics/screen_plotter.h"
#include "help/hpgl_interpreter.h"

namespace {

void Finite(std::initializer_list<long double> values) {
  for (long double value : values)
    if (!std::isfinite(value)) std::abort();
}

class CheckingPlotter : public kalo::ScreenPlotter {
 public:
  void Clear() override {}
  void SetWindow(bool, bool, long double fx1, long double fy1, long double fx2, long double fy2, long double wx1,
                 long double wy1, long double wx2, long double wy2) override {
    Finite({fx1, fy1, fx2, fy2, wx1, wy1, wx2, wy2});
  }
  void Header(long double x1, long double y1, long double x2, long double y2) override { Finite({x1, y1, x2, y2}); }
  void Line(long double x1, long double y1, long double x2, long double y2) override { Finite({x1, y1, x2, y2}); }
  void Circle(long double x, long double y, long double r) override { Finite({x, y, r}); }
  void Arc(long double x, long double y, long double start, long double end, long double r) override {
    Finite({x, y, start, end, r});
  }
  void Solid(long double x1, long double y1, long double x2, long double y2, long double x3, long double y3,
             long double x4, long double y4) override {
    Finite({x1, y1, x2, y2, x3, y3, x4, y4});
  }
  void Text(const std::string&, long double x, long double y) override { Finite({x, y}); }
  void SetColor(int) override {}
  void SetColorAcad(int) override {}
  void SetLineStyle(int) override {}
  void SetLineWidth(int) override {}
  void SetTextStyle(int, long double angle, long double height, long double width) override {
    Finite({angle, height, width});
  }
  void Refresh() override {}
  void DrawLogo() override {}
  void SetWaitCursor(bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckingPlotter plotter;
  kalo::HpglPenState pen;
  bool cancel = false;
  kalo::PlotHpgl(std::string_view(reinterpret_cast<const char*>(data), size), plotter, pen, cancel);
  return 0;
}
