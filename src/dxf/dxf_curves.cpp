#include "dxf/dxf_curves.h"

namespace kalo {

// Each point's segment is the old segment that ended at it, run the other way.
std::vector<DxfVertex> Reversed(const std::vector<DxfVertex>& vertices) {
  std::vector<DxfVertex> reversed(vertices.rbegin(), vertices.rend());
  for (size_t i = 0; i < reversed.size(); ++i)
    reversed[i].phi = i + 1 < reversed.size() ? Negated(reversed[i + 1].phi) : 0;
  return reversed;
}

}  // namespace kalo
