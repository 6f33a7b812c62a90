#include "help/help_text.h"

#include <optional>

#include "context/context.h"
#include "help/help_picture.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/shipped_files.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr size_t kNumberWidth = 4;

// The number in the first four characters of a line when all four are digits.
std::optional<int> NumberOf(const std::string& line) {
  if (line.size() < kNumberWidth) return std::nullopt;
  int number = 0;
  for (size_t i = 0; i < kNumberWidth; ++i) {
    if (line[i] < '0' || line[i] > '9') return std::nullopt;
    number = number * 10 + (line[i] - '0');
  }
  return number;
}

std::string PictureOf(const std::string& header) {
  size_t colon = header.find(':');
  return colon == std::string::npos ? std::string() : TrimBlanks(header.substr(colon + 1));
}

std::string LineAt(const std::vector<std::string>& lines, size_t index) {
  return index < lines.size() ? lines[index] : std::string();
}

// The lines of an entry after its first text line, from index next on: at most four more.
void ReadFurtherLines(const std::vector<std::string>& lines, size_t next, int number, HelpText& help) {
  for (int read = 1; read < kMaxHelpLines && next < lines.size(); ++read) {
    std::optional<int> lineNumber = NumberOf(lines[next]);
    if (!lineNumber) {
      help.lines.push_back(lines[next++]);
      continue;
    }
    if (*lineNumber % 5 == 0) return;
    if (*lineNumber > number && *lineNumber <= number + 4) help.lines.push_back(LineAt(lines, next + 1));
    next += 2;
  }
}

}  // namespace

std::string HelpFilePath(const Context& context, int number) {
  std::string name = number < kOwnHelpFrom ? "vortane.hlp" : std::string(kShortName) + ".hlp";
  return ShippedFilePath(context.config.pltDirectory, name);
}

HelpText LookUpHelp(const Context& context, int number) {
  if (number == 0) number = context.state.helpNumber;
  std::string path = HelpFilePath(context, number);
  std::vector<std::string> lines;
  if (!ReadTextLines(path, lines)) return {{"Datei " + path + " nicht gefunden !"}, {}};
  for (size_t i = 0; i < lines.size(); ++i) {
    std::optional<int> header = NumberOf(lines[i]);
    if (!header) continue;
    if (*header == number) {
      HelpText help{{LineAt(lines, i + 1)}, PictureOf(lines[i])};
      ReadFurtherLines(lines, i + 2, number, help);
      return help;
    }
    ++i;  // the header's text line
  }
  return {{"Hilfetext Nr " + std::to_string(number) + ": keine Hilfe vorhanden."}, {}};
}

std::string JoinedHelpText(const Context& context, int number) {
  std::string joined;
  for (const std::string& line : LookUpHelp(context, number).lines) joined += (joined.empty() ? "" : " ") + line;
  return joined;
}

std::string GetHelpText(const Context& context, int number) { return Cp850ToAnsi(JoinedHelpText(context, number)); }

std::string HelpToolTip(const Context& context, int number) {
  if (number == 0) number = context.state.helpNumber;
  if (context.config.helpLevel == HelpLevel::NoInfo || number == 0) return {};
  return JoinedHelpText(context, number);
}

void ShowHelp(Context& context, int number, int mode) {
  if (number == 0) number = context.state.helpNumber;
  HelpText help = LookUpHelp(context, number);
  // The picture first, so that it stands beside the box that explains it.
  if (mode == 0 || mode == 2) ShowHelpPicture(context, help.picture);
  if (mode == 0 || mode == 1) {
    std::string text;
    for (const std::string& line : help.lines) text += line + " ";
    context.ui.MessageBox("HILFETEXT Nr." + std::to_string(number), text);
  }
  context.state.cancel = false;
}

void SetHelpNumber(Context& context, int number) { context.state.helpNumber = number; }

}  // namespace kalo
