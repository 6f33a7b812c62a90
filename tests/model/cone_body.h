#pragma once
// The body of the hand-made data file tests/data/model/cone.kal: the two-element contour
// (0, 0), (100, 25) with every kind of text, two changes, placed texts and documents.
#include <string>

#include "model/body.h"

namespace kalo::testing {

Body ConeBody();
std::string ConeFilePath();

// Every field that the data file holds is equal.
void ExpectSameInput(const Body& expected, const Body& actual);

}  // namespace kalo::testing
