#pragma once
// Undo and redo of the body's input: every change the user made (element list rounds,
// transformations, imports, density, arc division, drawing texts, reset) is one step.
// The history also knows which step was last opened or saved, so that undoing back to it
// makes the body unmodified again.
#include <cstddef>
#include <optional>
#include <vector>

#include "model/body.h"

namespace kalo {

// What the user enters of a body; everything else is calculated from it.
struct BodyInput {
  Contour contour;
  long double rho = kDefaultDensity;
  Real48 arcDivisionAngle = kDefaultArcDivision;
  uint16_t materialRecord = 0;
  DrawingTexts texts;
  Documentation documentation;

  bool operator==(const BodyInput&) const = default;
};

BodyInput InputOf(const Body& body);
// The input back into the body; the calculated values are left for the caller to renew.
void RestoreInput(Body& body, const BodyInput& input);

class UndoHistory {
 public:
  // The steps a history keeps; older ones are forgotten.
  static constexpr size_t kMaxSteps = 100;

  // A new document: the history holds only this state, saved as it is when clean.
  void Start(const BodyInput& input, bool clean);
  // Records the state as a new step unless it equals the current one; the steps that
  // could be redone are dropped. True when a step was added.
  bool Record(const BodyInput& input);
  // The current step is the one on disk now.
  void MarkClean() { clean_ = current_; }
  bool AtClean() const { return clean_ == current_; }

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < steps_.size(); }
  // The state to return to; only while CanUndo() / CanRedo().
  const BodyInput& Undo();
  const BodyInput& Redo();

 private:
  std::vector<BodyInput> steps_;
  size_t current_ = 0;
  std::optional<size_t> clean_;
};

}  // namespace kalo
