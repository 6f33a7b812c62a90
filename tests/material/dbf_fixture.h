#pragma once
// Material tables written byte by byte for the tests of the material table.
#include <string>
#include <vector>

#include "dbase/dbf_test_tables.h"

namespace kalo::testing {

// The fields of a material table: key, name, group, four integers, three reals, the
// density and two texts.
inline std::vector<TestField> MaterialFields() {
  return {{"WNR", 'C', 9},    {"NAME", 'C', 18},     {"GRUPPE", 'C', 9},   {"RM", 'N', 5},
          {"RE", 'N', 5},     {"A", 'N', 3},         {"HB", 'N', 4},       {"EMODUL", 'N', 7, 1},
          {"ALPHA", 'N', 5, 1}, {"LAMBDA", 'N', 7, 2}, {"DICHTE", 'N', 6, 3}, {"NORM", 'C', 35},
          {"VERWENDUNG", 'C', 35}};
}

// A material record with this key, name and density, the other fields filled alike.
inline std::vector<std::string> MaterialRow(const std::string& key, const std::string& name, const std::string& density) {
  return {key, name, "Gruppe", "360", "235", "26", "", "210.0", "12.0", "53.30", density, "Norm", "Verwendung"};
}

}  // namespace kalo::testing
