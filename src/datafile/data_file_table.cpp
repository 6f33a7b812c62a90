#include "datafile/data_file_table.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "context/context.h"
#include "datafile/data_file_reader.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

// "*.kal" as the file system spells names: "WELLE.KAL" would be saved again as
// "WELLE.kal", another file.
bool HasDataFileExtension(const std::string& name) {
  std::string extension = std::string(".") + kDataFileExtension;
  return name.size() > extension.size() && name.ends_with(extension);
}

// Reads one file into the current body, as quietly as a scan must be: a file that cannot
// be read leaves the body as it was and shows no message.
bool ReadQuietly(Context& context, const std::string& path) {
  bool messagesAllowed = context.state.messagesAllowed;
  context.state.messagesAllowed = false;
  bool read = ReadDataFile(context, path).IsDone();
  context.state.messagesAllowed = messagesAllowed;
  context.state.cancel = false;
  return read;
}

}  // namespace

std::string DamagedFileMark() { return Oem("<< nicht lesbar >>"); }

DataFileTable::DataFileTable()
    : header{"File", "Date  y/m/d", "Name", "No", "n", "A", "rho", "V", "m", "Jx"} {}

void DataFileTable::SortByColumn(int column) {
  if (column < 0 || column >= kTableColumns) return;
  auto index = static_cast<size_t>(column);
  std::stable_sort(rows.begin(), rows.end(),
                   [index](const TableRow& a, const TableRow& b) { return a[index] < b[index]; });
}

std::string FileDateText(const std::string& path) {
  struct stat status {};
  if (stat(NativePath(path).c_str(), &status) != 0) return "";
  std::tm local{};
  if (!localtime_r(&status.st_mtime, &local)) return "";
  char text[40];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return text;
}

TableRow BodyRow(const std::string& fileName, const std::string& date, const Body& body, const NumberFormat& format,
                 const UnitSystem& units) {
  bool inch = units.inch;
  return {fileName,
          date,
          body.texts.name,
          body.texts.number,
          std::to_string(body.contour.count),
          FormatFixed(AreaForDisplay(body.results.A, units), inch ? 5 : 8, inch ? 4 : 1, format),
          FormatFixed(body.rho, 3, 2, format),
          FormatFixed(VolumeForDisplay(body.volume, units), inch ? 6 : 10, inch ? 4 : 0, format),
          FormatFixed(body.mass, 5, 3, format),
          // kg·m² in either unit system, as the reports show it.
          FormatFixed(body.results.Jx, 4, 5, format)};
}

RowNumbers BodyNumbers(const Body& body, const UnitSystem& units) {
  return {static_cast<long double>(body.contour.count), AreaForDisplay(body.results.A, units), body.rho,
          VolumeForDisplay(body.volume, units), body.mass, body.results.Jx};
}

TableRow DamagedRow(const std::string& fileName, const std::string& date) {
  TableRow row;
  row[kColumnFile] = fileName;
  row[kColumnDate] = date;
  row[kColumnName] = DamagedFileMark();
  return row;
}

std::vector<std::string> DataFileNames(const std::string& directory) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(NativePath(directory.empty() ? "." : directory), error), end; !error && it != end;
       it.increment(error)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) continue;
    std::string name = it->path().filename().string();
    if (HasDataFileExtension(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void ScanDataFiles(Context& context, DataFileTable& table) {
  std::string directory = WithSeparator(context.state.dataDirectory);
  std::vector<std::string> names = DataFileNames(directory);
  NumberFormat format = context.Numbers();
  UnitSystem units = context.Units();
  context.ui.SetWaitCursor(true);
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    context.ui.SetMainCaption(name + " -> " + ProgramTitleLine() + "  " + std::to_string(i + 1) + "/" +
                              std::to_string(names.size()));
    if (!context.ui.ContinueLongStep()) break;
    std::string path = directory + name;
    std::string date = FileDateText(path);
    if (ReadQuietly(context, path)) {
      table.rows.push_back(BodyRow(name, date, context.body, format, units));
      table.numbers[name] = BodyNumbers(context.body, units);
    } else {
      table.rows.push_back(DamagedRow(name, date));
    }
  }
  context.ui.SetWaitCursor(false);
  context.state.currentFileName.clear();
  context.state.cancel = false;
}

}  // namespace kalo
