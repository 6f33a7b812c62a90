#pragma once
// The data file overview in a new spreadsheet, cell by cell with its header row.

namespace kalo {

struct Context;
struct DataFileTable;

void ExportOverview(Context& context, const DataFileTable& table);

}  // namespace kalo
