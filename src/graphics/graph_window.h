#pragma once
// The graphics window without its toolkit: a drawing interface in the manner of a classic
// graphics library that records every primitive in the display list, the replay of that
// list onto a canvas, and keyboard and mouse zoom and pan. World coordinates are reals,
// angles degrees. The toolkit's window forwards paint, key and mouse events here.
#include <string>

#include "graphics/device_mapping.h"
#include "graphics/display_list.h"
#include "graphics/graph_host.h"
#include "graphics/graphics_state.h"

namespace kalo {

struct Context;

// The line style cache before anything is recorded or after a paint.
inline constexpr int kNoLineStyle = 99;

enum class MouseButton { Left, Right, Middle };

class GraphWindow {
 public:
  GraphWindow(Context& context, GraphHost& host);

  // Empties the display list, repaints and shows the window.
  void Clear();
  // Viewport as fractions of the client area (lower left fx1, fy1; upper right fx2, fy2),
  // world window wx1..wx2 by wy1..wy2; resets the zoom. A world window without width or
  // height sets the cancel flag and leaves the mapping as it was.
  void SetWindow(bool keepAspect, bool inset, long double fx1, long double fy1, long double fx2, long double fy2,
                 long double wx1, long double wy1, long double wx2, long double wy2);
  // The window for a whole drawing of these extents, keeping the aspect.
  void Header(long double x1, long double y1, long double x2, long double y2);
  void SaveLimit();
  void RestoreLimit();
  void ReSetWindow();
  // Shows the part zx0..zx1 by zy0..zy1 (viewport units) of the viewport.
  void SetScale(int zx0, int zy0, int zx1, int zy1);
  void ResetZoom();
  // Repaints and shows the window; the display list stays.
  void ClearViewPort();

  void circle(long double x, long double y, long double r);
  void line(long double x1, long double y1, long double x2, long double y2);
  void Rectangle(long double x1, long double y1, long double x2, long double y2);
  // Arcs sweeping less than 4 degrees are recorded as lines.
  void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r);
  // A display text (UTF-8) with its lower left corner at (x, y).
  void OutTextXY(const std::string& text, long double x, long double y);
  void Solid(long double x1, long double y1, long double x2, long double y2, long double x3, long double y3,
             long double x4, long double y4);
  // Equal consecutive colours, line styles and widths are recorded once.
  void SetColor(int colour);
  int GetColor() const { return lastColour_; }
  void SetColorAcad(int aci);
  void SetLineStyle(int style);
  void SetLineStyleName(const std::string& name);
  void SetLineWidth(int width);
  void SetTextStyle(int font, long double angle, long double height, long double width);
  void SleepMs(int milliseconds);

  // Draw at once on the shown picture with the current mapping; not recorded.
  void MoveTo(long double x, long double y);
  void LineTo(long double x, long double y);
  void DrawRectangle(int x0, int y0, int x1, int y1);

  // A fraction of the world window's width or height as a length.
  long double EinX(long double fraction) const;
  long double EinY(long double fraction) const;
  // True for angles (degrees) nearer to the vertical than to the horizontal.
  static bool GetDirection(long double angle);
  // The program's emblem on its own window.
  void DrawLogo();
  void SetWaitCursor();
  void SetOldCursor();

  // Replays the display list on the window canvas and, when a printer page is given, on
  // the printer too (texts then go to the printer only).
  void FormPaint(Canvas& windowCanvas, const PrinterPage* printer = nullptr);
  void FormKeyDown(int virtualKey) { processKey(virtualKey); }
  void processKey(int virtualKey);
  void FormMouseDown(MouseButton button, int x, int y);
  void FormMouseMove(int x, int y);
  void FormMouseUp(int x, int y);
  void FormDblClick();

  // A replayed window record: viewport and world window take these values and the zoom
  // rectangle stays; false (and the cancel flag) for a world window without area.
  bool ApplyWindowRecord(const IntRect& viewport, const WorldWindow& world);

  const GraphicsState& State() const { return state_; }
  const DisplayList& List() const { return list_; }
  Context& Program() const { return context_; }
  GraphHost& Host() const { return host_; }
  bool RubberBandActive() const { return rubberBand_; }

 private:
  bool ApplyWorldWindow(const IntRect& viewport, const WorldWindow& world);
  void StoreNavigation(int action, int direction);
  void CarryOutNavigation();
  void Pan(int dx, int dy);
  void Zoom(bool in);
  void ZoomToRubberBand();
  void DrawRubberBand();

  Context& context_;
  GraphHost& host_;
  GraphicsState state_;
  DisplayList list_;
  int lastColour_ = -1;
  int lastStyle_ = kNoLineStyle;
  int lastWidth_ = 1;
  int navigationAction_ = 0;
  int navigationDirection_ = 0;
  bool rubberBand_ = false;
  bool rubberBandShown_ = false;
  bool doubleClick_ = false;
  DevicePoint bandStart_;
  DevicePoint bandEnd_;
};

}  // namespace kalo
