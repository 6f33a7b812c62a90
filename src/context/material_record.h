#pragma once
// The material last picked from the material table: fields 1 to 13 of its record.
#include <array>
#include <string>

namespace kalo {

class DbfTable;

inline constexpr int kMaterialFieldCount = 13;

struct MaterialRecord {
  int tableRecord = 0;  // the record's physical number in the table; 0 for none
  std::string key;    // field 1, the material number; the table is ordered by it
  std::string name;   // field 2
  std::string group;  // field 3
  std::array<long, 4> integers{};         // fields 4 to 7
  std::array<long double, 3> reals{};     // fields 8 to 10
  long double density = 0;                // field 11, kg/dm³
  std::array<std::string, 2> remarks;     // fields 12 and 13

  bool operator==(const MaterialRecord&) const = default;
};

// The current record of the table, field by field: texts (code page 850) cut to 9, 18, 9,
// 35 and 35 characters; numbers that do not parse give 0, reals take "," or ".".
MaterialRecord ReadMaterialRecord(const DbfTable& table);

}  // namespace kalo
