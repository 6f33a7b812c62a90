#pragma once
// The contour of a turned part read from a STEP file (AP203, AP214, AP242) by kalo-solid:
// the solid is checked to be a body of revolution and cut through its axis.
#include <string>

#include "messages/outcome.h"

namespace kalo {

struct Context;

// Which solid of a file with several is taken.
enum class StepSolidChoice {
  Ask,      // the user chooses from a list of the solids with their volumes
  Largest,  // the one of largest volume, where no one can answer (batch chains)
};

// A name with the extension "step" or "stp" in any letter case.
bool IsStepFileName(const std::string& name);

// Replaces the body's contour by the solid's half-section and calculates it; the import
// notes say what was decided and how the contour's exact values agree with OpenCascade's
// values of the solid. A solid that is no body of revolution is refused with the first face
// that breaks it, and its own mass properties are kept as context.state.foreignSolid. On
// refusal (a failure with the first error) or a cancelled choice the body stays as it was
// and the cancel flag is set.
Outcome ImportStepContour(Context& context, const std::string& path, StepSolidChoice choice);

}  // namespace kalo
