#include "messages/messages.h"

namespace kalo {

void MessageCollection::Report(const std::string& text) {
  std::string cut = text.substr(0, kMessageLength);
  for (const std::string& stored : texts_)
    if (stored == cut) return;
  if (texts_.size() < kMaxMessages) texts_.push_back(cut);
}

void MessageCollection::Clear() {
  texts_.clear();
  fatal_ = false;
}

}  // namespace kalo
