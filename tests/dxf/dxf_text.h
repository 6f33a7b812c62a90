#pragma once
// DXF files written by hand for the reader's tests: group pairs as text.
#include <cstdio>
#include <string>
#include <vector>

#include "dxf/dxf_entity_reader.h"

namespace kalo::testing {

// "code\nvalue\n" for each pair.
inline std::string Groups(const std::vector<std::pair<int, std::string>>& pairs) {
  std::string text;
  for (const auto& [code, value] : pairs) text += std::to_string(code) + "\n" + value + "\n";
  return text;
}

inline std::string Section(const std::string& name, const std::string& body) {
  return Groups({{0, "SECTION"}, {2, name}}) + body + Groups({{0, "ENDSEC"}});
}

// A drawing with only an ENTITIES section (as R12 allows), ended by EOF.
inline std::string EntitiesFile(const std::string& entities) { return Section("ENTITIES", entities) + Groups({{0, "EOF"}}); }

// The drawing read from the bytes, as from a file.
inline Outcome ReadDxfText(const std::string& text, DxfDrawing& drawing) {
  std::string copy = text;
  std::FILE* file = fmemopen(copy.data(), copy.size(), "rb");
  Outcome read = ReadDxfDrawing(file, drawing);
  std::fclose(file);
  return read;
}

}  // namespace kalo::testing
