#pragma once
// The screen target of the drawing output: the graphics window and the plotter that
// forwards to it. The application (and a test) creates one and hands its plotter to
// the program context.
#include "graphics/graph_window.h"
#include "graphics/screen_plotter.h"

namespace kalo {

class WindowScreenPlotter : public ScreenPlotter {
 public:
  WindowScreenPlotter(GraphWindow& window, const Configuration& config) : window_(window), config_(config) {}

  void Clear() override { window_.Clear(); }
  void SetWindow(bool keepAspect, bool inset, long double fx1, long double fy1, long double fx2, long double fy2,
                 long double wx1, long double wy1, long double wx2, long double wy2) override {
    window_.SetWindow(keepAspect, inset, fx1, fy1, fx2, fy2, wx1, wy1, wx2, wy2);
  }
  void Header(long double x1, long double y1, long double x2, long double y2) override {
    window_.Header(x1, y1, x2, y2);
  }
  void Line(long double x1, long double y1, long double x2, long double y2) override { window_.line(x1, y1, x2, y2); }
  void Circle(long double x, long double y, long double r) override { window_.circle(x, y, r); }
  void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) override {
    window_.Arc(x, y, startAngle, endAngle, r);
  }
  void Solid(long double x1, long double y1, long double x2, long double y2, long double x3, long double y3,
             long double x4, long double y4) override {
    window_.Solid(x1, y1, x2, y2, x3, y3, x4, y4);
  }
  // The code page 850 text converted for display.
  void Text(const std::string& text, long double x, long double y) override;
  void SetColor(int colour) override { window_.SetColor(colour); }
  void SetColorAcad(int colourIndex) override { window_.SetColorAcad(colourIndex); }
  void SetLineStyle(int style) override { window_.SetLineStyle(style); }
  void SetLineWidth(int width) override { window_.SetLineWidth(width); }
  void SetTextStyle(int font, long double angle, long double height, long double width) override {
    window_.SetTextStyle(font, angle, height, width);
  }
  void Refresh() override { window_.ClearViewPort(); }
  void DrawLogo() override { window_.DrawLogo(); }
  void SetWaitCursor(bool waiting) override { waiting ? window_.SetWaitCursor() : window_.SetOldCursor(); }

 private:
  GraphWindow& window_;
  const Configuration& config_;
};

struct ScreenGraphics {
  ScreenGraphics(Context& context, GraphHost& host);

  GraphWindow window;
  WindowScreenPlotter plotter;
};

}  // namespace kalo
