#pragma once
// The header of a dBase III table, checked before the table is handed to the DBF reader
// (which trusts what a header says): version, lengths, field list and file size.
#include <string>
#include <string_view>
#include <vector>

#include "messages/outcome.h"

namespace kalo {

struct DbfField {
  std::string name;  // as stored, up to 11 characters
  char type = 'C';   // 'C', 'N', 'F', 'L', 'D' or 'M'
  int width = 0;
  int decimals = 0;
  int offset = 0;  // within the record; the delete mark is byte 0
};

struct DbfHeader {
  int recordCount = 0;
  int headerLength = 0;
  int recordLength = 0;
  std::vector<DbfField> fields;
  bool HasMemo() const;
};

// Reads and checks the header of a table file's bytes. A failure names the fault (code page
// 850) and leaves one of the engine's error codes (dbf_table.h) in errorCode.
[[nodiscard]] Outcome ReadDbfHeader(std::string_view file, DbfHeader& header, int& errorCode);

}  // namespace kalo
