#pragma once
// The delimited text form of table records: one line per record, fields separated by ",",
// character fields in double quotes (a quote inside doubled), numbers, dates and logical
// values bare. Texts stay in the table's code page.
#include <string>
#include <string_view>
#include <vector>

#include "dbase/dbf_header.h"

namespace kalo {

// One record's line from its stored field values (memo fields are left out by the caller).
std::string DelimitedLine(const std::vector<std::string_view>& stored, const std::vector<const DbfField*>& fields);
// The values of a line; quoted values lose their quotes, bare ones their blanks.
std::vector<std::string> SplitDelimitedLine(std::string_view line);

}  // namespace kalo
