#pragma once
// Changes of the element order: inserting, deleting and appending elements.
#include <vector>

#include "model/contour.h"

namespace kalo {

// A place for a new element before element p (1..count): elements p..count move one
// place up and element p keeps its values. False when the contour is full.
bool InsertElement(Contour& contour, int p);
// Elements p+1..count move one place down; the slot of the old last element keeps its
// values until it is used again.
void DeleteElement(Contour& contour, int p);
// The elements after the last one; false (nothing added) when they do not fit.
bool AppendElements(Contour& contour, const std::vector<ContourElement>& elements);

}  // namespace kalo
