#pragma once
// A table of texts drawn with its rule lines: a title row, then rows of column texts.
#include <string>
#include <vector>

namespace kalo {

struct Context;

class TextTable {
 public:
  static constexpr size_t kMaxColumns = 7;

  // Left x, top y, text height h; column k is h · 0.9 · widths[k] wide (widths in
  // characters). Draws the title row at once.
  TextTable(Context& context, long double x, long double y, long double h, const std::vector<int>& widths,
            const std::string& title);

  // One row under the previous one, a text per column.
  void Row(const std::vector<std::string>& texts);

 private:
  void Texts(const std::vector<std::string>& texts);

  Context& context_;
  long double h_;
  std::vector<long double> bounds_;  // distinct column boundaries, left to right
  long double bottom_;               // bottom of the current row
};

}  // namespace kalo
