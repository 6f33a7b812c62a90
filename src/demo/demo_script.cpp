#include "demo/demo_script.h"

#include <cmath>
#include <map>
#include <sstream>

#include "numbers/number_format.h"
#include "platform/paths.h"

namespace kalo {
namespace {

constexpr int kLongestStep = 60;
constexpr int kMostKeyPresses = 200;

struct CommandShape {
  DemoCommand command;
  size_t fewest, most;  // numbers after the command
};

const std::map<std::string, CommandShape>& Commands() {
  static const std::map<std::string, CommandShape> commands = {
      {"open", {DemoCommand::Open, 0, 0}},      {"view", {DemoCommand::View, 1, 1}},
      {"key", {DemoCommand::Key, 0, 1}},        {"report", {DemoCommand::Report, 1, 1}},
      {"scale", {DemoCommand::Scale, 1, 2}},    {"shift", {DemoCommand::Shift, 2, 2}},
      {"calc", {DemoCommand::Calculate, 0, 0}}, {"show", {DemoCommand::Show, 0, 0}}};
  return commands;
}

// The graphics window's virtual key codes.
const std::map<std::string, int>& Keys() {
  static const std::map<std::string, int> keys = {{"plus", 107}, {"minus", 109}, {"left", 37}, {"right", 39},
                                                  {"up", 38},    {"down", 40},   {"reset", 116}};
  return keys;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

bool ParseNumbers(std::vector<std::string>::const_iterator from, std::vector<std::string>::const_iterator to,
                  std::vector<long double>& values) {
  for (auto word = from; word != to; ++word) {
    long double value = 0;
    if (!ParseReal(*word, value) || !std::isfinite(static_cast<double>(value))) return false;
    values.push_back(value);
  }
  return true;
}

bool InRange(long double value, long double lower, long double upper) { return value >= lower && value <= upper; }

// The arguments of the step's command after its name.
bool ParseArguments(const std::vector<std::string>& words, DemoStep& step) {
  auto shape = Commands().find(words[0]);
  if (shape == Commands().end()) return false;
  step.command = shape->second.command;
  auto first = words.begin() + 1;
  if (step.command == DemoCommand::Open) {
    if (words.size() < 2) return false;
    // A file name may hold blanks: the rest of the command part.
    for (auto word = first; word != words.end(); ++word) step.file += (step.file.empty() ? "" : " ") + *word;
    return true;
  }
  if (step.command == DemoCommand::Key) {
    if (words.size() < 2 || !Keys().count(words[1])) return false;
    step.key = Keys().at(words[1]);
    ++first;
  }
  size_t count = static_cast<size_t>(words.end() - first);
  if (count < shape->second.fewest || count > shape->second.most) return false;
  if (!ParseNumbers(first, words.end(), step.values)) return false;
  switch (step.command) {
    case DemoCommand::View: return InRange(step.values[0], 1, 6) && step.values[0] == std::trunc(step.values[0]);
    case DemoCommand::Report: return step.values[0] == 1 || step.values[0] == 2;
    case DemoCommand::Key: return step.values.empty() || InRange(step.values[0], 1, kMostKeyPresses);
    case DemoCommand::Scale:
      for (long double factor : step.values)
        if (factor <= 0) return false;
      return true;
    default: return true;
  }
}

bool ParseStep(const std::string& line, DemoStep& step) {
  std::vector<std::string> parts = Split(line, '|');
  if (parts.size() < 3) return false;
  // The text may hold "|" itself: everything after the second one.
  std::string text = parts[2];
  for (size_t i = 3; i < parts.size(); ++i) text += "|" + parts[i];
  step.text = TrimBlanks(text);
  long double seconds = 0;
  if (!ParseReal(parts[1], seconds) || !InRange(seconds, 1, kLongestStep)) return false;
  step.milliseconds = static_cast<int>(std::lround(static_cast<double>(seconds * 1000)));
  std::vector<std::string> words = Words(parts[0]);
  return !words.empty() && ParseArguments(words, step);
}

}  // namespace

DemoScript ParseDemoScript(const std::vector<std::string>& lines) {
  DemoScript script;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = TrimBlanks(lines[i]);
    if (line.empty() || line.front() == ';') continue;
    DemoStep step;
    if (!ParseStep(line, step)) {
      script.steps.clear();
      script.badLine = static_cast<int>(i) + 1;
      return script;
    }
    script.steps.push_back(step);
  }
  return script;
}

}  // namespace kalo
