#include "cad/plot_command_words.h"

#include <algorithm>
#include <cctype>

#include "platform/paths.h"

namespace kalo {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool StartsWithAt(const std::string& text, size_t at, const std::string& start) {
  return !start.empty() && text.compare(at, start.size(), start) == 0;
}

// The plot file named without a folder: the same name in the temporary folder, in lower
// case as the file is written.
std::string PlotFileWord(const std::string& word, const std::string& temporaryDirectory) {
  std::string lower = Lower(word);
  if (word.find('/') != std::string::npos || (lower != kPlotFileName && lower != kPlotInputName)) return word;
  return WithSeparator(temporaryDirectory) + lower;
}

bool SafeForShell(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || std::string_view("/._-+=:,@%").find(c) != std::string_view::npos;
}

}  // namespace

std::string PlotInputWord(const std::string& temporaryDirectory) {
  return WithSeparator(temporaryDirectory) + kPlotInputName;
}

std::vector<std::string> PlotCommandWords(const std::string& commandLine, const std::string& temporaryDirectory) {
  const std::string input = PlotInputWord(temporaryDirectory);
  const std::string extension = ".dxf";
  std::vector<std::string> words;
  size_t at = 0;
  while (at < commandLine.size()) {
    if (commandLine[at] == ' ') {
      ++at;
      continue;
    }
    size_t end = commandLine.find(' ', at);
    if (StartsWithAt(commandLine, at, input)) {
      end = at + input.size();
      if (Lower(commandLine.substr(end, extension.size())) == extension) end += extension.size();
    }
    if (end == std::string::npos) end = commandLine.size();
    words.push_back(PlotFileWord(commandLine.substr(at, end - at), temporaryDirectory));
    at = end;
  }
  return words;
}

std::string ShellCommandLine(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) {
    if (!line.empty()) line += ' ';
    if (!word.empty() && std::all_of(word.begin(), word.end(), SafeForShell)) {
      line += word;
      continue;
    }
    line += '\'';
    for (char c : word) line += c == '\'' ? std::string("'\\''") : std::string(1, c);
    line += '\'';
  }
  return line;
}

}  // namespace kalo
