#include "dialogs/line_list.h"

#include <algorithm>

namespace kalo {
namespace {

const std::string kNoLine;

bool IsLine(int line) { return line >= 1 && line <= kLineListSize; }

}  // namespace

LineList::LineList(const std::vector<std::string>& texts) {
  for (size_t i = 0; i < texts.size(); ++i) Set(static_cast<int>(i) + 1, texts[i]);
}

void LineList::Set(int line, const std::string& text) {
  if (IsLine(line)) lines_[line - 1] = text.substr(0, kLineListWidth);
}

const std::string& LineList::Line(int line) const { return IsLine(line) ? lines_[line - 1] : kNoLine; }

std::vector<std::string> LineList::First(int n) const {
  n = std::clamp(n, 0, kLineListSize);
  return {lines_.begin(), lines_.begin() + n};
}

}  // namespace kalo
