#include "cad/iges_structure.h"

#include <map>
#include <sstream>
#include <vector>

namespace kalo::testing {
namespace {

struct Entry {
  int type = 0;
  std::string status;
  std::vector<std::string> parameters;  // the free-format parameters, split at ","
};

// An integer field of 8 columns; 0 when blank.
int Field(const std::string& line, size_t field) {
  std::string text = line.substr(field * 8, 8);
  return text.find_first_not_of(' ') == std::string::npos ? 0 : std::stoi(text);
}

std::string RightTrimmed(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::vector<std::string> SplitParameters(const std::string& text) {
  std::vector<std::string> values;
  std::stringstream stream(text.substr(0, text.find(';')));
  for (std::string value; std::getline(stream, value, ',');) values.push_back(value);
  return values;
}

class Checker {
 public:
  explicit Checker(const std::string& bytes) : bytes_(bytes) {}

  std::string Run() {
    if (!SplitLines()) return problem_;
    if (!CheckSections() || !CheckTerminate() || !CheckEntries() || !CheckReferences()) return problem_;
    return {};
  }

 private:
  bool Fail(const std::string& text) {
    problem_ = text;
    return false;
  }

  bool SplitLines() {
    size_t start = 0;
    while (start < bytes_.size()) {
      size_t end = bytes_.find("\r\n", start);
      if (end == std::string::npos) return Fail("last line without CR LF");
      std::string line = bytes_.substr(start, end - start);
      if (line.size() != 80) return Fail("line " + std::to_string(lines_.size() + 1) + " is not 80 columns");
      lines_.push_back(line);
      start = end + 2;
    }
    return !lines_.empty() || Fail("empty file");
  }

  bool CheckSections() {
    const std::string order = "SGDPT";
    size_t position = 0;
    for (const std::string& line : lines_) {
      char letter = line[72];
      size_t found = order.find(letter);
      if (found == std::string::npos || found < position) return Fail("section letter out of order: " + line);
      position = found;
      std::vector<std::string>& section = sections_[letter];
      section.push_back(line);
      if (line.substr(73) != Sequence(static_cast<int>(section.size())))
        return Fail("sequence number out of step: " + line);
    }
    if (sections_['S'].empty() || sections_['G'].empty()) return Fail("start or global section missing");
    if (sections_['T'].size() != 1 || lines_.back()[72] != 'T') return Fail("not one terminate line at the end");
    return true;
  }

  static std::string Sequence(int number) {
    std::string digits = std::to_string(number);
    return std::string(7 - digits.size(), '0') + digits;
  }

  bool CheckTerminate() {
    std::string expected;
    for (char letter : std::string("SGDP"))
      expected += letter + Sequence(static_cast<int>(sections_[letter].size()));
    expected.resize(72, ' ');
    return sections_['T'][0].substr(0, 72) == expected || Fail("terminate counts differ: " + sections_['T'][0]);
  }

  bool CheckEntries() {
    const std::vector<std::string>& directory = sections_['D'];
    const std::vector<std::string>& parameters = sections_['P'];
    if (directory.size() % 2 != 0) return Fail("odd number of directory lines");
    int nextParameter = 1;
    for (size_t i = 0; i < directory.size(); i += 2) {
      const std::string& first = directory[i];
      const std::string& second = directory[i + 1];
      int pointer = static_cast<int>(i) + 1;
      Entry entry{Field(first, 0), first.substr(64, 8), {}};
      if (Field(second, 0) != entry.type) return Fail("entity types of a directory entry differ: " + first);
      int parameterPointer = Field(first, 1), count = Field(second, 3);
      if (parameterPointer != nextParameter || count < 1) return Fail("parameter pointer out of step: " + first);
      std::string text;
      for (int p = parameterPointer; p < parameterPointer + count; ++p) {
        if (p > static_cast<int>(parameters.size())) return Fail("parameter lines missing for " + first);
        const std::string& line = parameters[static_cast<size_t>(p - 1)];
        if (std::stoi(line.substr(64, 8)) != pointer) return Fail("parameter line with a foreign pointer: " + line);
        text += RightTrimmed(line.substr(0, 64));
      }
      if (text.rfind(std::to_string(entry.type) + ",", 0) != 0 || text.back() != ';')
        return Fail("parameter data not of its entity: " + text);
      entry.parameters = SplitParameters(text);
      entries_[pointer] = entry;
      nextParameter = parameterPointer + count;
    }
    return nextParameter == static_cast<int>(parameters.size()) + 1 || Fail("parameter lines without an entity");
  }

  bool PointsTo(const std::string& pointer, int type) const {
    auto found = entries_.find(std::stoi(pointer));
    return found != entries_.end() && found->second.type == type;
  }

  bool CheckReferences() {
    for (const auto& [pointer, entry] : entries_) {
      const std::vector<std::string>& values = entry.parameters;
      if (entry.type == 408 && !PointsTo(values.at(1), 308)) return Fail("408 does not point at a 308");
      if (entry.type != 308) continue;
      size_t members = std::stoul(values.at(3));
      if (values.size() != 4 + members) return Fail("308 member count differs from its pointers");
      for (size_t m = 4; m < values.size(); ++m) {
        auto member = entries_.find(std::stoi(values[m]));
        if (member == entries_.end() || member->second.status.substr(2, 2) != "01")
          return Fail("308 member is no subordinate entity: " + values[m]);
      }
    }
    return true;
  }

  const std::string& bytes_;
  std::string problem_;
  std::vector<std::string> lines_;
  std::map<char, std::vector<std::string>> sections_;
  std::map<int, Entry> entries_;
};

}  // namespace

std::string IgesStructureProblem(const std::string& bytes) { return Checker(bytes).Run(); }

}  // namespace kalo::testing
