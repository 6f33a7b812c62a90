#include "cad/text_box.h"

#include <cairo.h>

#include <cmath>

#include "config/configuration.h"
#include "graphics/plane_geometry.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr int kCadTextInWindowCodePage = 2;

struct FontMeasure {
  double advance = 0;
  double ascent = 0;
  double descent = 0;
};

// Advance, ascent and descent of the UTF-8 text at font size 1 in the configured face.
FontMeasure Measure(const Configuration& config, const std::string& utf8) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* c = cairo_create(surface);
  int fontStyle = config.graphicsFontStyle;
  cairo_select_font_face(c, config.graphicsFont.c_str(), fontStyle & 2 ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         fontStyle & 1 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  // Metrics at a size of 100 keep the hinting of small sizes out of the result.
  constexpr double kSize = 100;
  cairo_set_font_size(c, kSize);
  cairo_text_extents_t text;
  cairo_text_extents(c, utf8.c_str(), &text);
  cairo_font_extents_t font;
  cairo_font_extents(c, &font);
  // Drawn ink may reach past the advance (italic faces, a glyph's overhang).
  FontMeasure measure{std::max(text.x_advance, text.x_bearing + text.width) / kSize, font.ascent / kSize,
                      font.descent / kSize};
  cairo_destroy(c);
  cairo_surface_destroy(surface);
  return measure;
}

}  // namespace

std::string PageTextUtf8(const Configuration& config, const std::string& text) {
  return config.cadTextMode == kCadTextInWindowCodePage ? AnsiToUtf8(text) : Cp850ToUtf8(text);
}

std::array<CadPoint, 4> TextBox(const Configuration& config, const std::string& text, long double x, long double y,
                                const CadTextState& style) {
  FontMeasure m = Measure(config, PageTextUtf8(config, text));
  long double size = kFontSizePerCapHeight * style.height;
  long double width = m.advance * size * style.widthFactor;
  long double up = m.ascent * size;
  long double down = -m.descent * size;
  long double slant = std::tan(DegToRad(style.oblique));
  std::array<CadPoint, 4> box = {CadPoint{slant * down, down}, {width + slant * down, down}, {width + slant * up, up},
                                 {slant * up, up}};
  long double turn = DegToRad(style.rotation);
  for (CadPoint& p : box)
    p = {x + p.x * std::cos(turn) - p.y * std::sin(turn), y + p.x * std::sin(turn) + p.y * std::cos(turn)};
  return box;
}

}  // namespace kalo
