#include "app/command_line.h"

#include <algorithm>
#include <cctype>

#include "cad/cad_driver.h"
#include "context/context.h"
#include "numbers/number_format.h"
#include "views/show_view.h"

namespace kalo {
namespace {

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

// The integer value of a text; a text that is no integer gives 0.
int IntegerOrZero(const std::string& text) {
  long value = 0;
  return ParseInteger(text, value) ? static_cast<int>(value) : 0;
}

// The Linux options: a first argument starting with "--".
Command LongOption(const std::vector<std::string>& arguments) {
  Command command;
  const std::string& option = arguments[0];
  if (option == "--help") {
    command.kind = CommandKind::LongUsage;
  } else if (option == "--version") {
    command.kind = CommandKind::Version;
  } else if (option == "--summary") {
    command.kind = CommandKind::Summary;
    command.summaryInputs.assign(arguments.begin() + 1, arguments.end());
  } else {
    command.kind = CommandKind::UnknownOption;
    command.fileName = option;
  }
  return command;
}

}  // namespace

Command ParseCommandLine(const std::vector<std::string>& arguments) {
  Command command;
  if (arguments.empty()) return command;
  const std::string& first = arguments[0];
  if (first == "?" || first == "/?") {
    command.kind = CommandKind::Usage;
    return command;
  }
  if (first.starts_with("--")) return LongOption(arguments);
  command.fileName = first;
  const std::string second = arguments.size() > 1 ? arguments[1] : "";
  if (second == "/E" || second == "/e" || second == "/G" || second == "/g") {
    command.kind = CommandKind::InteractiveNamed;
  } else if (second == "/I" || second == "/i") {
    command.kind = CommandKind::TextReport;
  } else if (second == "/A" || second == "/a") {
    command.kind = CommandKind::FullReport;
  } else if (UpperCase(second) == "/JSON") {
    command.kind = CommandKind::JsonResults;
  } else if (UpperCase(second.substr(0, 4)) == "/CAD") {
    command.kind = CommandKind::CadOutput;
    command.cadSwitch = second;
    command.cadTarget = IntegerOrZero(second.substr(4, 1));
    command.cadView = second.size() > 6 ? IntegerOrZero(second.substr(6)) : 0;
  } else {
    command.kind = CommandKind::InteractiveWithFile;
  }
  return command;
}

bool IsBatchCadOutput(const Command& command) {
  int target = command.cadTarget;
  bool fileTarget = target == kCadDxf || target == kCadIges || (target >= kCadTxt && target <= kCadPdf);
  return fileTarget && command.cadView >= kViewGeometryWithTable && command.cadView <= kViewPolyline;
}

std::string InvalidCadSwitchMessage(const Command& command) {
  return command.cadSwitch + " ?  /CADi:j mit i: 1=DXF, 2=IGS, 5=TXT, 6=SVG, 7=PDF und j: Ansicht " +
         std::to_string(kViewGeometryWithTable) + ".." + std::to_string(kViewPolyline);
}

bool HasNoGuiSwitch(const std::vector<std::string>& arguments) {
  return std::any_of(arguments.begin(), arguments.end(),
                     [](const std::string& argument) { return UpperCase(argument) == "/NOGUI"; });
}

std::vector<std::string> UsageLines() {
  const std::string name = kShortName;
  const std::string example = "Example: w" + name + " test." + kDataFileExtension;
  return {
      std::string(kProgramName) + " Command Line Mode",
      "",
      "w" + name + " Filename [/I] [/CADi:j] [/NOGUI]",
      "",
      "/I       -> TXT file",
      "",
      "/CADi:j  -> CAD File",
      "            i: 1=DXF, 2=IGS, 5=TXT",
      "            j: index (1,2,3, ..)",
      "",
      "/NOGUI   -> No GUI, exit on fatal error",
      "",
      "",
      "",
      "/?       -> Help",
      "",
      "",
      example + "             ->  GUI",
      example + " /I /NOGUI   ->  test.txt",
      example + " /CAD1:1     ->  test.dxf",
      "Example: w" + name + " test.edi /E /NOGUI   ->  test.edi",
  };
}

std::vector<std::string> LongUsageLines() {
  const std::string name = kShortName;
  std::vector<std::string> lines = UsageLines();
  lines.insert(lines.end(), {
      "",
      "/A       -> TXT file with all results (after the /I report)",
      "/JSON    -> JSON file with all results in full precision",
      "/CADi:j  -> also i: 6=SVG, 7=PDF (black lines; with /COLOR in the layer colours)",
      "            j: 1 geometry+polygon, 2 geometry, 3 table, 4 as 1, 5 sheet, 6 polyline",
      "",
      name + " --summary FILE_OR_FOLDER...   -> one CSV row per data file on the output",
      name + " --help                        -> this screen",
      name + " --version                     -> program version",
      "",
      "Exit codes: 0 success, 1 file or calculation error, 2 unknown option",
  });
  return lines;
}

std::string VersionLine() { return std::string(kShortName) + " " + kProgramVersion; }

}  // namespace kalo
