#pragma once
// A ScreenPlotter for tests: every call is recorded as one line of text, numbers with
// three decimals ("Line 1.000 2.000 3.000 4.000").
#include <initializer_list>
#include <string>
#include <vector>

#include "graphics/screen_plotter.h"
#include "numbers/number_format.h"

namespace kalo::testing {

class RecordingPlotter : public ScreenPlotter {
 public:
  void Clear() override { Record("Clear", {}); }
  void SetWindow(bool, bool, long double, long double, long double, long double, long double, long double,
                 long double, long double) override {
    Record("SetWindow", {});
  }
  void Header(long double x1, long double y1, long double x2, long double y2) override {
    Record("Header", {x1, y1, x2, y2});
  }
  void Line(long double x1, long double y1, long double x2, long double y2) override {
    Record("Line", {x1, y1, x2, y2});
  }
  void Circle(long double x, long double y, long double r) override { Record("Circle", {x, y, r}); }
  void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) override {
    Record("Arc", {x, y, startAngle, endAngle, r});
  }
  void Solid(long double x1, long double y1, long double x2, long double y2, long double x3, long double y3,
             long double x4, long double y4) override {
    Record("Solid", {x1, y1, x2, y2, x3, y3, x4, y4});
  }
  void Text(const std::string& text, long double x, long double y) override { Record("Text " + text, {x, y}); }
  void SetColor(int colour) override { Record("SetColor", {static_cast<long double>(colour)}); }
  void SetColorAcad(int colour) override { Record("SetColorAcad", {static_cast<long double>(colour)}); }
  void SetLineStyle(int style) override { Record("SetLineStyle", {static_cast<long double>(style)}); }
  void SetLineWidth(int width) override { Record("SetLineWidth", {static_cast<long double>(width)}); }
  void SetTextStyle(int font, long double angle, long double height, long double width) override {
    Record("SetTextStyle", {static_cast<long double>(font), angle, height, width});
  }
  void Refresh() override { Record("Refresh", {}); }
  void DrawLogo() override { Record("DrawLogo", {}); }
  void SetWaitCursor(bool waiting) override { Record(waiting ? "WaitCursor" : "NormalCursor", {}); }

  // The recorded lines that start with the prefix, in order.
  std::vector<std::string> Starting(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& call : calls)
      if (call.rfind(prefix, 0) == 0) found.push_back(call);
    return found;
  }

  std::vector<std::string> calls;

 private:
  void Record(const std::string& name, std::initializer_list<long double> values) {
    std::string call = name;
    for (long double value : values) call += " " + FormatDecimals(value, 3);
    calls.push_back(call);
  }
};

}  // namespace kalo::testing
