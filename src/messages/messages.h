#pragma once
// The collection of remarks, warnings and errors of the last calculation.
#include <string>
#include <vector>

namespace kalo {

inline constexpr size_t kMaxMessages = 11;
inline constexpr size_t kMessageLength = 36;

class MessageCollection {
 public:
  // Stores the text cut to 36 characters unless one with the same first 36 characters is
  // stored already; the eleventh distinct message is the last one kept.
  void Report(const std::string& text);
  // Empties the collection and clears the fatal-error flag.
  void Clear();
  void SetFatal() { fatal_ = true; }

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
