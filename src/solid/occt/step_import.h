#pragma once
// A STEP file of a turned part read into KALO's contour: its largest solid, checked to be a
// body of revolution, cut through its axis.
#include <string>

namespace kalo {

struct SolidAnswer;

// Fills the answer for the solid chosen (1-based; 0: the largest): the contour (mm, the axis
// as x) when it is a body of revolution, else the reason naming the first face that breaks
// it; the solid's own mass properties either way, and the volume of every solid in the file.
void ImportStep(const std::string& path, int chosen, SolidAnswer& answer);

}  // namespace kalo
