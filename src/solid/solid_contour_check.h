#pragma once
// What keeps a contour from turning into one valid solid, found before OpenCascade is asked:
// a point below the axis, and a point where the body narrows to nothing on the axis.
#include <string>
#include <vector>

#include "model/contour.h"

namespace kalo {

// One message (code page 850) per problem, naming the element and its place.
std::vector<std::string> AxisProblems(const std::vector<ContourElement>& elements);

}  // namespace kalo
