#include "cad/text_box.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "context/configuration.h"
#include "geometry/plane_geometry.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr int kCadTextInWindowCodePage = 2;
// Metrics at a size of 100 keep the hinting of small sizes out of the result.
constexpr double kMeasureSize = 100;

cairo_t* MeasuringContext(const Configuration& config) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* c = cairo_create(surface);
  cairo_surface_destroy(surface);  // the context keeps it
  int fontStyle = config.graphicsFontStyle;
  cairo_select_font_face(c, config.graphicsFont.c_str(), fontStyle & 2 ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         fontStyle & 1 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(c, kMeasureSize);
  return c;
}

}  // namespace

std::string PageTextUtf8(const Configuration& config, const std::string& text) {
  return config.cadTextMode == kCadTextInWindowCodePage ? AnsiToUtf8(text) : Cp850ToUtf8(text);
}

TextMeter::TextMeter(const Configuration& config) : config_(config), cairo_(MeasuringContext(config)) {}

TextMeter::~TextMeter() { cairo_destroy(cairo_); }

std::array<CadPoint, 4> TextMeter::Box(const std::string& text, long double x, long double y,
                                       const CadTextState& style) {
  cairo_text_extents_t ink;
  cairo_text_extents(cairo_, PageTextUtf8(config_, text).c_str(), &ink);
  cairo_font_extents_t font;
  cairo_font_extents(cairo_, &font);
  // Drawn ink may reach past the advance (italic faces, a glyph's overhang).
  long double advance = std::max(ink.x_advance, ink.x_bearing + ink.width) / kMeasureSize;
  long double size = kFontSizePerCapHeight * style.height;
  long double width = advance * size * style.widthFactor;
  long double up = font.ascent / kMeasureSize * size;
  long double down = -font.descent / kMeasureSize * size;
  long double slant = std::tan(DegToRad(style.oblique));
  std::array<CadPoint, 4> box = {CadPoint{slant * down, down}, {width + slant * down, down}, {width + slant * up, up},
                                 {slant * up, up}};
  long double turn = DegToRad(style.rotation);
  for (CadPoint& p : box)
    p = {x + p.x * std::cos(turn) - p.y * std::sin(turn), y + p.x * std::sin(turn) + p.y * std::cos(turn)};
  return box;
}

}  // namespace kalo
