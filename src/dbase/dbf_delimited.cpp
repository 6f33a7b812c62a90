#include "dbase/dbf_delimited.h"

#include "dbase/dbf_field_value.h"
#include "platform/paths.h"

namespace kalo {
namespace {

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string WithoutTrailingBlanks(std::string_view text) {
  std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

}  // namespace

std::string DelimitedLine(const std::vector<std::string_view>& stored, const std::vector<const DbfField*>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size() && i < stored.size(); ++i) {
    if (i > 0) line += ',';
    if (fields[i]->type == 'C') {
      line += Quoted(WithoutTrailingBlanks(stored[i]));
    } else if (fields[i]->type == 'L') {
      line += StoredTrue(stored[i]) ? 'T' : 'F';
    } else {
      line += TrimBlanks(stored[i]);
    }
  }
  return line;
}

std::vector<std::string> SplitDelimitedLine(std::string_view line) {
  std::vector<std::string> values;
  std::size_t at = 0;
  while (true) {
    while (at < line.size() && line[at] == ' ') ++at;
    std::string value;
    if (at < line.size() && line[at] == '"') {
      for (++at; at < line.size(); ++at) {
        if (line[at] != '"') {
          value += line[at];
        } else if (at + 1 < line.size() && line[at + 1] == '"') {
          value += '"';
          ++at;
        } else {
          ++at;
          break;
        }
      }
      std::size_t comma = line.find(',', at);
      at = comma == std::string_view::npos ? line.size() : comma;
    } else {
      std::size_t comma = line.find(',', at);
      std::size_t end = comma == std::string_view::npos ? line.size() : comma;
      value = TrimBlanks(line.substr(at, end - at));
      at = end;
    }
    values.push_back(value);
    if (at >= line.size()) break;
    ++at;  // the comma
  }
  return values;
}

}  // namespace kalo
