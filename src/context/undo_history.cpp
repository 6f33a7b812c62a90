#include "context/undo_history.h"

namespace kalo {

BodyInput InputOf(const Body& body) {
  return {body.contour, body.rho, body.arcDivisionAngle, body.materialRecord, body.texts, body.documentation};
}

void RestoreInput(Body& body, const BodyInput& input) {
  body.contour = input.contour;
  body.rho = input.rho;
  body.arcDivisionAngle = input.arcDivisionAngle;
  body.materialRecord = input.materialRecord;
  body.texts = input.texts;
  body.documentation = input.documentation;
}

void UndoHistory::Start(const BodyInput& input, bool clean) {
  steps_.assign(1, input);
  current_ = 0;
  clean_.reset();
  if (clean) clean_ = 0;
}

bool UndoHistory::Record(const BodyInput& input) {
  if (steps_.empty()) {
    Start(input, false);
    return false;
  }
  if (steps_[current_] == input) return false;
  steps_.resize(current_ + 1);
  if (clean_ && *clean_ > current_) clean_.reset();
  steps_.push_back(input);
  ++current_;
  if (steps_.size() > kMaxSteps) {
    steps_.erase(steps_.begin());
    --current_;
    if (clean_) clean_ = *clean_ > 0 ? std::optional<size_t>(*clean_ - 1) : std::nullopt;
  }
  return true;
}

const BodyInput& UndoHistory::Undo() { return steps_[--current_]; }

const BodyInput& UndoHistory::Redo() { return steps_[++current_]; }

}  // namespace kalo
