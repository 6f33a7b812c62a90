#pragma once
// A table printed through the text output channel: its first (at most seven) fields as
// columns as wide as the field plus one, headed by the field names, one row per record.
#include <string>

namespace kalo {

struct Context;
class DbfTable;

// Opened with the configured target under the current data file's name; the page header
// names the program, the table's file, the window caption and title 1.
void PrintTable(Context& context, const DbfTable& table, const std::string& caption, const std::string& title1);

}  // namespace kalo
