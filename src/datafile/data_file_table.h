#pragma once
// The overview of the data files of a folder: one row of ten texts per file with its name,
// date, drawing texts and main results, under a header row. Texts are code page 850.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "numbers/number_format.h"
#include "numbers/units.h"

namespace kalo {

struct Body;
struct Context;

inline constexpr int kTableColumns = 10;
using TableRow = std::array<std::string, kTableColumns>;

enum TableColumn { kColumnFile = 0, kColumnDate = 1, kColumnName = 2, kColumnNumber = 3 };

// Shown in the "Name" column of a file that could not be read; its result columns stay
// empty, so that no values of another file appear beside its name.
std::string DamagedFileMark();

// The unrounded numbers of a row's columns n, A, rho, V, m and Jx, in the units the row
// shows them in.
inline constexpr int kFirstNumberColumn = 4;
using RowNumbers = std::array<long double, kTableColumns - kFirstNumberColumn>;

struct DataFileTable {
  TableRow header;
  std::vector<TableRow> rows;  // one per data file, without the header
  // The numbers of the files that were read, by file name (a damaged file has none).
  std::map<std::string, RowNumbers> numbers;

  DataFileTable();
  // Sorts the data rows by the text of a column, ascending; rows of equal text keep their
  // order. The header stays where it is.
  void SortByColumn(int column);
};

// "yyyy/mm/dd" of the file's last change in local time; empty when it has none.
std::string FileDateText(const std::string& path);

// The row of a file whose body was read and calculated.
TableRow BodyRow(const std::string& fileName, const std::string& date, const Body& body, const NumberFormat& format,
                 const UnitSystem& units);
TableRow DamagedRow(const std::string& fileName, const std::string& date);
RowNumbers BodyNumbers(const Body& body, const UnitSystem& units);

// The names of the data files ("*.kal") in a folder, sorted by name; folders and
// anything that is no file are left out.
std::vector<std::string> DataFileNames(const std::string& directory);

// Reads and calculates each data file of the data directory in turn into the current body
// and adds its row. The main window's caption names each file as it is read; Esc stops the
// scan with the rows read so far. Files that cannot be read give rows marked as damaged,
// without messages. The body afterwards is the last file read; the current file name is
// empty and the cancel flag clear.
void ScanDataFiles(Context& context, DataFileTable& table);

}  // namespace kalo
