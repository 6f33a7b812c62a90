#include "messages/messages.h"

namespace kalo {

void MessageCollection::Report(const std::string& text, Severity severity) {
  if (severity == Severity::Fatal) fatal_ = true;
  std::string shown = severity == Severity::Remark ? text : std::string(kFaultPrefix) + text;
  std::string cut = shown.substr(0, kMessageLength);
  for (const std::string& stored : texts_)
    if (stored == cut) return;
  if (texts_.size() < kMaxMessages) texts_.push_back(cut);
}

void MessageCollection::Clear() {
  texts_.clear();
  fatal_ = false;
}

}  // namespace kalo
