#pragma once
// What a replay of the graphics window draws on, in device pixels (x to the right, y
// downward). The window, an off-screen image and a printer page implement it.
#include <cstdint>
#include <span>
#include <string>

namespace kalo {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};

enum class PenStyle : std::uint8_t { Solid, Dotted, DashDot, Dashed };

// Not inverts the pixels under the pen (drawing the same shape twice removes it).
enum class PenMode : std::uint8_t { Copy, Not };

struct Pen {
  Rgb colour;
  PenStyle style = PenStyle::Solid;
  int width = 1;
  PenMode mode = PenMode::Copy;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct DevicePoint {
  int x = 0;
  int y = 0;
  friend bool operator==(DevicePoint, DevicePoint) = default;
};

// A TrueType font for one text: cell height and average character width in pixels,
// escapement in tenths of a degree counter-clockwise, weight 100 (thin) .. 700 (bold).
struct FontDescription {
  std::string face;
  int height = 0;
  int averageWidth = 0;
  int escapement = 0;
  int weight = 100;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetBrush(Rgb colour) = 0;
  // The colour of the empty drawing area; a window fills its area with it.
  virtual void SetBackground(Rgb colour) = 0;

  virtual void MoveTo(int x, int y) = 0;
  // A line from the current point, which then moves to (x, y).
  virtual void LineTo(int x, int y) = 0;
  // The outline of the ellipse in the box; the inside stays as it is.
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // The part of the ellipse in the box running counter-clockwise (as seen on the device)
  // from the ray through start to the ray through end.
  virtual void EllipseArc(int left, int top, int right, int bottom, DevicePoint start, DevicePoint end) = 0;
  // Filled with the brush, outlined with the pen.
  virtual void Polygon(std::span<const DevicePoint> corners) = 0;
  // UTF-8 text with the top left corner of its cell at (x, y), on a transparent background.
  virtual void Text(int x, int y, const std::string& utf8, const FontDescription& font, Rgb colour) = 0;
};

}  // namespace kalo
