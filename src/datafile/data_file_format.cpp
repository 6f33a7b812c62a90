#include "datafile/data_file_format.h"

#include <cmath>

#include "context/context.h"
#include "platform/paths.h"

namespace kalo {

std::string DataFileFilter() {
  std::string pattern = std::string("*.") + kDataFileExtension;
  return pattern + "|" + pattern;
}

std::string DataFilePath(const ProgramState& state, const std::string& name) {
  if (name.find('.') != std::string::npos) return name;
  std::string directory = DirectoryOf(name).empty() ? WithSeparator(state.dataDirectory) : "";
  return directory + name + "." + kDataFileExtension;
}

bool ChooseDataFile(Context& context, const std::string& name, FileDialog dialog, std::string& path) {
  path = name;
  if (name.empty() && !(context.ui.*dialog)(context.state.dataDirectory, DataFileFilter(), path)) return false;
  path = DataFilePath(context.state, path);
  return true;
}

std::string FormatFixed3(long double value, const NumberFormat& format) { return FormatFixed(value, 0, 3, format); }

std::string FormatReal7(long double value, const NumberFormat& format) {
  bool wholeBelowOne = value < 1 && std::fabs(value - std::round(value)) < 1.0E-10L;
  return wholeBelowOne ? FormatSignificant(value, format) : FormatFixed(value, 0, 7, format);
}

std::string OneLine(const std::string& text) {
  std::string line = text;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

}  // namespace kalo
