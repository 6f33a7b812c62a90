#include "cad/iges_structure.h"

#include <sstream>

namespace kalo::testing {
namespace {

std::string Sequence(int number) {
  std::string digits = std::to_string(number);
  return std::string(7 - digits.size(), '0') + digits;
}

// An integer field of 8 columns; 0 when blank.
int Field(const std::string& line, size_t field) {
  std::string text = line.substr(field * 8, 8);
  return text.find_first_not_of(' ') == std::string::npos ? 0 : std::stoi(text);
}

std::vector<std::string> SplitParameters(const std::string& text) {
  std::vector<std::string> values;
  std::stringstream stream(text.substr(0, text.find(';')));
  for (std::string value; std::getline(stream, value, ',');) values.push_back(value);
  return values;
}

struct Reading {
  std::string problem;
  std::map<int, IgesEntity> entities;
};

// Lines of each section in order; a problem when a line or the order is wrong.
std::string ReadSections(const std::string& bytes, std::map<char, std::vector<std::string>>& sections) {
  const std::string order = "SGDPT";
  size_t position = 0, start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    std::string line = bytes.substr(start, end == std::string::npos ? end : end - start);
    if (end == std::string::npos || line.size() != 80) return "line not of 80 columns with CR LF: " + line;
    size_t found = order.find(line[72]);
    if (found == std::string::npos || found < position) return "section letter out of order: " + line;
    position = found;
    std::vector<std::string>& section = sections[line[72]];
    section.push_back(line);
    if (line.substr(73) != Sequence(static_cast<int>(section.size()))) return "sequence out of step: " + line;
    start = end + 2;
  }
  std::string counts;
  for (char letter : std::string("SGDP")) counts += letter + Sequence(static_cast<int>(sections[letter].size()));
  counts.resize(72, ' ');
  if (sections['S'].empty() || sections['G'].empty() || sections['T'].size() != 1 ||
      sections['T'][0] != counts + "T0000001")
    return "start, global or terminate section wrong";
  return {};
}

// Directory entries whose parameter pointers and line counts tile the P section in order.
std::string ReadEntities(const std::vector<std::string>& directory, const std::vector<std::string>& parameters,
                         std::map<int, IgesEntity>& entities) {
  if (directory.size() % 2 != 0) return "odd number of directory lines";
  int next = 1;
  for (size_t i = 0; i < directory.size(); i += 2) {
    const std::string &first = directory[i], &second = directory[i + 1];
    int pointer = static_cast<int>(i) + 1, type = Field(first, 0), count = Field(second, 3);
    if (Field(second, 0) != type || Field(first, 1) != next || count < 1) return "directory entry out of step: " + first;
    std::string text;
    for (int p = next; p < next + count; ++p) {
      if (p > static_cast<int>(parameters.size())) return "parameter lines missing for " + first;
      const std::string& line = parameters[static_cast<size_t>(p - 1)];
      if (Field(line, 8) != pointer) return "parameter line with a foreign pointer: " + line;
      text += line.substr(0, line.substr(0, 64).find_last_not_of(' ') + 1);
    }
    if (text.rfind(std::to_string(type) + ",", 0) != 0 || text.back() != ';') return "parameters not of " + first;
    entities[pointer] = {type, first.substr(64, 8), SplitParameters(text)};
    next += count;
  }
  return next == static_cast<int>(parameters.size()) + 1 ? "" : "parameter lines without an entity";
}

// Every 408 points at a 308, every 308 member at a subordinate entity.
std::string CheckReferences(const std::map<int, IgesEntity>& entities) {
  auto has = [&](const std::string& pointer, int type, const char* status) {
    auto found = entities.find(std::stoi(pointer));
    return found != entities.end() && (type == 0 || found->second.type == type) &&
           found->second.status.compare(2, 2, status) == 0;
  };
  for (const auto& [pointer, entity] : entities) {
    const std::vector<std::string>& values = entity.parameters;
    if (entity.type == 408 && !has(values.at(1), 308, "00")) return "408 does not point at a 308";
    if (entity.type != 308) continue;
    if (values.size() != 4 + std::stoul(values.at(3))) return "308 member count differs from its pointers";
    for (size_t m = 4; m < values.size(); ++m)
      if (!has(values[m], 0, "01")) return "308 member is no subordinate entity: " + values[m];
  }
  return {};
}

Reading Read(const std::string& bytes) {
  Reading reading;
  std::map<char, std::vector<std::string>> sections;
  reading.problem = ReadSections(bytes, sections);
  if (reading.problem.empty()) reading.problem = ReadEntities(sections['D'], sections['P'], reading.entities);
  if (reading.problem.empty()) reading.problem = CheckReferences(reading.entities);
  return reading;
}

}  // namespace

std::string IgesStructureProblem(const std::string& bytes) { return Read(bytes).problem; }

std::map<int, IgesEntity> IgesEntities(const std::string& bytes) {
  Reading reading = Read(bytes);
  return reading.problem.empty() ? reading.entities : std::map<int, IgesEntity>{};
}

}  // namespace kalo::testing
