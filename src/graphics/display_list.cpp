#include "graphics/display_list.h"

#include <algorithm>

namespace kalo {

void DisplayList::Clear() {
  records_.clear();
  texts_.clear();
}

void DisplayList::Add(RecordCode code, std::initializer_list<long double> values) {
  DisplayRecord& record = records_.emplace_back();
  record.code = code;
  std::transform(values.begin(), values.begin() + std::min(values.size(), kRecordValues), record.values.begin(),
                 [](long double value) { return static_cast<double>(value); });
}

void DisplayList::AddText(long double x, long double y, std::string text) {
  Add(RecordCode::Text, {x, y});
  records_.back().text = static_cast<std::uint32_t>(texts_.size());
  texts_.push_back(std::move(text));
}

}  // namespace kalo
