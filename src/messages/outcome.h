#pragma once
// What an operation came to: done, cancelled by the user, or failed with a message that
// says why (code page 850, in the words the user is shown).
#include <string>
#include <utility>

namespace kalo {

class Outcome {
 public:
  static Outcome Done() { return Outcome(Kind::Done, {}); }
  static Outcome Cancelled() { return Outcome(Kind::Cancelled, {}); }
  static Outcome Failure(std::string message) { return Outcome(Kind::Failed, std::move(message)); }

  bool IsDone() const { return kind_ == Kind::Done; }
  bool IsCancelled() const { return kind_ == Kind::Cancelled; }
  bool IsFailure() const { return kind_ == Kind::Failed; }
  explicit operator bool() const { return IsDone(); }
  // Why it failed; empty when it did not.
  const std::string& Message() const { return message_; }

 private:
  enum class Kind { Done, Cancelled, Failed };
  Outcome(Kind kind, std::string message) : kind_(kind), message_(std::move(message)) {}

  Kind kind_;
  std::string message_;
};

}  // namespace kalo
