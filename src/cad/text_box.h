#pragma once
// Where a drawing text lies: its outline measured with the metrics of the font the paper
// drawings (SVG, PDF) write it in, so that a view can make room for its texts.
#include <array>
#include <string>

#include "context/cad_target.h"

typedef struct _cairo cairo_t;

namespace kalo {

struct Configuration;

// A CAD text height is the height of the capitals; common sans faces have capitals of
// about 0.72 of their font size.
inline constexpr double kFontSizePerCapHeight = 1.0 / 0.72;

// The text as the paper drawings show it: UTF-8 from the code page the CAD text mode left it in.
std::string PageTextUtf8(const Configuration& config, const std::string& text);

// Measures texts in the configured font; made once for many texts.
class TextMeter {
 public:
  explicit TextMeter(const Configuration& config);
  ~TextMeter();
  TextMeter(const TextMeter&) = delete;
  TextMeter& operator=(const TextMeter&) = delete;

  // The four corners of the box the text covers, from its start on the base line at (x, y):
  // its advance along the rotation, the font's descent below and ascent above the base line.
  std::array<CadPoint, 4> Box(const std::string& text, long double x, long double y, const CadTextState& style);

 private:
  const Configuration& config_;
  cairo_t* cairo_;
};

}  // namespace kalo
