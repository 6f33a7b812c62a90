#pragma once
// The collection of remarks, warnings and errors of the last calculation.
#include <string>
#include <string_view>
#include <vector>

namespace kalo {

inline constexpr size_t kMaxMessages = 11;
inline constexpr size_t kMessageLength = 36;
// What the text of a message about a fault begins with.
inline constexpr std::string_view kFaultPrefix = "Fatal  : ";

enum class Severity {
  Remark,        // a remark on the input or on how it was computed; the results stand
  DrawingFault,  // the picture may be incomplete (hatching); the results stand
  Fatal,         // there are no valid results
};

class MessageCollection {
 public:
  // Stores the text as shown (a fault's text after "Fatal  : "), cut to 36 characters,
  // unless one with the same first 36 characters is stored already; the eleventh distinct
  // message is the last one kept. A fatal message marks the results invalid even when its
  // text is not kept.
  void Report(const std::string& text, Severity severity = Severity::Remark);
  // Empties the collection and clears the fatal-error flag.
  void Clear();

  // A fatal message was reported since the last Clear().
  bool Fatal() const { return fatal_; }
  size_t Count() const { return texts_.size(); }
  bool Empty() const { return texts_.empty(); }
  // Message 1..Count().
  const std::string& Text(size_t index) const { return texts_.at(index - 1); }
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  std::vector<std::string> texts_;
  bool fatal_ = false;
};

}  // namespace kalo
