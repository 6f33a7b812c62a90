#include "views/text_table.h"

#include "cad/cad_driver.h"
#include "context/context.h"
#include "views/view_style.h"

namespace kalo {
namespace {

constexpr long double kColumnFactor = 0.9L;

}  // namespace

TextTable::TextTable(Context& context, long double x, long double y, long double h, const std::vector<int>& widths,
                     const std::string& title)
    : context_(context), h_(h), bounds_{x}, bottom_(y - 2 * h) {
  long double boundary = x;
  for (size_t k = 0; k < widths.size() && k < kMaxColumns; ++k) {
    boundary += h * widths[k] * kColumnFactor;
    if (boundary != bounds_.back()) bounds_.push_back(boundary);
  }
  CadSetLayer(context, kLayerTableLines);
  CadRectangle(context, x, y, bounds_.back(), bottom_);
  CadLine(context, x, y, x, bottom_);
  CadLine(context, bounds_.back(), y, bounds_.back(), bottom_);
  CadSetTextStyle(context, kViewFont, 0, h, 0.75L * h);
  Texts({title});
}

void TextTable::Row(const std::vector<std::string>& texts) {
  bottom_ -= 2 * h_;
  CadSetLayer(context_, kLayerTableLines);
  CadLine(context_, bounds_.front(), bottom_, bounds_.back(), bottom_);
  for (long double boundary : bounds_) CadLine(context_, boundary, bottom_, boundary, bottom_ + 2 * h_);
  Texts(texts);
}

void TextTable::Texts(const std::vector<std::string>& texts) {
  CadSetLayer(context_, kLayerTableTexts);
  for (size_t column = 0; column < texts.size() && column + 1 < bounds_.size(); ++column) {
    CadText(context_, " " + texts[column], bounds_[column], bottom_ + 0.5L * h_);
  }
}

}  // namespace kalo
