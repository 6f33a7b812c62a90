// The DXF reader on its own: group pairs, sections, entities and blocks from any bytes,
// then the curves placed from them.
#include <cstdio>
#include <string>

#include "dxf/dxf_entity_reader.h"
#include "dxf/dxf_placement.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
  if (!file) return 0;
  kalo::DxfDrawing drawing;
  if (kalo::ReadDxfDrawing(file, drawing)) {
    kalo::DxfPlacedCurves placed;
    (void)kalo::PlaceCurves(drawing, {}, placed);
  }
  std::fclose(file);
  return 0;
}
