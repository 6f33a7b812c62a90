#pragma once
// DXF group pairs read back into records: each record starts with its group 0 and holds
// the groups up to the next one. Used for the screen target's block files.
#include <string>
#include <utility>
#include <vector>

namespace kalo {

struct DxfRecord {
  std::string name;  // the value of group 0: "LINE", "VERTEX", "EOF", ...
  std::vector<std::pair<int, std::string>> groups;

  bool Has(int code) const;
  // The first value of the group; empty when missing.
  std::string Text(int code) const;
  // The first value of the group as a number; fallback when missing or not a number.
  long double Real(int code, long double fallback = 0) const;
};

// The records of the lines (code line, value line) up to the EOF record or the end. A pair
// whose code line is not a number is skipped; groups before the first group 0 are ignored.
std::vector<DxfRecord> ReadDxfRecords(const std::vector<std::string>& lines);

}  // namespace kalo
