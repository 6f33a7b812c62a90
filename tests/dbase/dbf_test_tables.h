#pragma once
// Tables for the table engine's tests: built byte by byte, or written and read by the
// independent Python libraries (dbf, dbfread) and html.parser.
#include <string>
#include <vector>

namespace kalo::testing {

struct TestField {
  std::string name;
  char type;
  int width;
  int decimals = 0;
};

// A dBase III table file: each record's values (UTF-8) are stored left-aligned in the Windows
// code page (numbers as given);
// a record whose first value is "*" is marked as deleted (the value itself is left out).
std::string BuildDbf(const std::vector<TestField>& fields, const std::vector<std::vector<std::string>>& records);

// The example table of dbf_reference.py ("make"), written by the dbf package into folder.
std::string MakeReferenceTable(const std::string& folder, const std::string& name, bool memo);
// Runs dbf_reference.py with the arguments and returns the lines it wrote (UTF-8).
std::vector<std::string> ReferenceLines(const std::string& folder, const std::string& command,
                                        const std::string& input);

}  // namespace kalo::testing
