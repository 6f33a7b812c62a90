#include "model/contour.h"

namespace kalo {

void Contour::Reset() {
  count = 0;
  slots[0] = {0, 0, 0};
  for (int i = 1; i <= kMaxElements; ++i) (*this)[i] = {kUnusedCoordinate, kUnusedCoordinate, 0};
}

}  // namespace kalo
