#include "edit/contour_edit.h"

namespace kalo {

bool InsertElement(Contour& contour, int p) {
  if (contour.count >= kMaxElements || p < 1 || p > contour.count + 1) return false;
  ++contour.count;
  for (int k = contour.count - 1; k >= p; --k) contour[k + 1] = contour[k];
  return true;
}

void DeleteElement(Contour& contour, int p) {
  if (p < 1 || p > contour.count) return;
  for (int k = p; k < contour.count; ++k) contour[k] = contour[k + 1];
  --contour.count;
}

bool AppendElements(Contour& contour, const std::vector<ContourElement>& elements) {
  if (contour.count + elements.size() > static_cast<size_t>(kMaxElements)) return false;
  for (const ContourElement& element : elements) contour[++contour.count] = element;
  return true;
}

}  // namespace kalo
