#include "help/program_sources.h"

#include <filesystem>
#include <map>
#include <regex>

#include "help/error_message_file.h"
#include "messages/messages.h"
#include "platform/codepage.h"
#include "support/temp_dir.h"

namespace kalo::testing {
namespace {

// Functions whose text arguments are shown as messages.
const std::regex kMessageCall(R"(\b(Report|ErrorBox|InfoBox|HelpBox|Refuse|CancelExpansion|Warn)\()");

// The text between the call's parentheses, from the position after its "(".
std::string Arguments(const std::string& text, size_t open) {
  int depth = 1;
  bool quoted = false;
  for (size_t i = open; i < text.size(); ++i) {
    char c = text[i];
    if (quoted) {
      if (c == '\\') ++i;
      else if (c == '"') quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      return text.substr(open, i - open);
    }
  }
  return {};
}

// The top-level arguments of a call.
std::vector<std::string> SplitArguments(const std::string& arguments) {
  std::vector<std::string> parts(1);
  int depth = 0;
  bool quoted = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    char c = arguments[i];
    if (quoted && c == '\\') {
      parts.back() += arguments.substr(i++, 2);
      continue;
    }
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == '(' || c == '{')) ++depth;
    if (!quoted && (c == ')' || c == '}')) --depth;
    if (!quoted && depth == 0 && c == ',') {
      parts.emplace_back();
      continue;
    }
    parts.back() += c;
  }
  return parts;
}

std::string Unescaped(const std::string& literal) {
  std::string text;
  for (size_t i = 0; i < literal.size(); ++i) text += literal[i] == '\\' && i + 1 < literal.size() ? literal[++i] : literal[i];
  return text;
}

}  // namespace

std::vector<SourceFile> ProgramSources() {
  std::vector<SourceFile> sources;
  std::filesystem::path root = std::filesystem::path(KALO_SOURCE_DIR) / "src";
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    std::string extension = entry.path().extension().string();
    if (extension == ".cpp" || extension == ".h")
      sources.push_back({std::filesystem::relative(entry.path(), root).string(), ReadBytes(entry.path().string())});
  }
  return sources;
}

std::set<int> HelpNumbersInCode(const std::vector<SourceFile>& sources) {
  static const std::regex kHelpNumber(
      R"((?:helpNumber\s*=|\bk\w*Help(?:Number)?\s*=|(?:SetHelpNumber|ShowHelp|AskNumber)\(\s*\w+\s*,)\s*(\d+))");
  std::set<int> numbers;
  for (const SourceFile& source : sources)
    for (std::sregex_iterator it(source.text.begin(), source.text.end(), kHelpNumber), end; it != end; ++it)
      if (int number = std::stoi((*it)[1]); number != 0) numbers.insert(number);
  return numbers;
}

std::map<std::string, bool> LiteralStartsOfCalls(const std::vector<SourceFile>& sources, const std::regex& call) {
  static const std::regex kLiteralStart(R"rx(^\s*(Oem\()?"((?:[^"\\]|\\.)*)"\)?\s*([\s\S]*)$)rx");
  std::map<std::string, bool> starts;
  for (const SourceFile& source : sources) {
    for (std::sregex_iterator it(source.text.begin(), source.text.end(), call), end; it != end; ++it) {
      std::string arguments = Arguments(source.text, static_cast<size_t>(it->position() + it->length()));
      for (const std::string& argument : SplitArguments(arguments)) {
        std::smatch literal;
        if (!std::regex_match(argument, literal, kLiteralStart, std::regex_constants::match_default)) continue;
        // Literals with letters beyond ASCII are written through Oem (or Labelled, which
        // converts the same way); plain ones are the same in both.
        // A text the code also puts together has to serve as a start.
        auto [start, fresh] = starts.emplace(Oem(Unescaped(literal[2].str())), literal[3].str().empty());
        if (!fresh) start->second = start->second && literal[3].str().empty();
      }
    }
  }
  return starts;
}

std::set<std::string> MessageStartsInCode(const std::vector<SourceFile>& sources) {
  // A fault is reported with its severity; its text is shown after the fault prefix.
  static const std::regex kFatal(R"rx(Report\(\s*(Oem\()?"((?:[^"\\]|\\.)*)"[^;]*Severity::(?:Fatal|DrawingFault))rx");
  std::set<std::string> starts;
  for (const auto& [text, complete] : LiteralStartsOfCalls(sources, kMessageCall))
    if (complete || text.size() >= kMessageKeyLength) starts.insert(text);
  // Faults are shown after their prefix; not their translations beside them.
  for (const SourceFile& source : sources) {
    if (source.path.starts_with("lang/")) continue;
    for (std::sregex_iterator it(source.text.begin(), source.text.end(), kFatal), end; it != end; ++it) {
      std::string text = Oem(Unescaped((*it)[2].str()));
      starts.erase(text);
      starts.insert(std::string(kFaultPrefix) + text);
    }
  }
  return starts;
}

}  // namespace kalo::testing
