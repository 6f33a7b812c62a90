#include "app/command_line.h"

#include "app/colour_switch.h"
#include "app/dxf_switches.h"

#include <algorithm>
#include <cctype>

#include "cad/cad_driver.h"
#include "cad/cad_formats.h"
#include "context/context.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "views/show_view.h"

namespace kalo {
namespace {

bool AllDigits(const std::string& text) {
  return !text.empty() && text.size() <= 4 &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// "/CADi:j" with one digit i and a number j; any other form gives target and view 0, which
// IsBatchCadOutput refuses.
OutputSwitch CadSwitch(const std::string& text) {
  OutputSwitch output{OutputKind::Cad, text};
  std::string target = text.substr(4, 1), view = text.size() > 6 ? text.substr(6) : "";
  if (text.size() > 6 && text[5] == ':' && AllDigits(target) && AllDigits(view)) {
    output.cadTarget = std::stoi(target);
    output.cadView = std::stoi(view);
  }
  return output;
}

// The output switch the argument (upper-cased) names; false when it names none.
bool ParseOutputSwitch(const std::string& argument, OutputSwitch& output) {
  std::string upper = UpperCase(argument);
  if (upper == "/I") {
    output = {OutputKind::TextReport, argument};
  } else if (upper == "/A") {
    output = {OutputKind::FullReport, argument};
  } else if (upper == "/JSON") {
    output = {OutputKind::JsonResults, argument};
  } else if (upper == "/STEP") {
    output = {OutputKind::Step, argument};
  } else if (upper == "/STL") {
    output = {OutputKind::Stl, argument};
  } else if (upper.starts_with("/CAD")) {
    output = CadSwitch(argument);
  } else {
    return false;
  }
  return true;
}

bool SameOutput(const OutputSwitch& a, const OutputSwitch& b) {
  return UpperCase(a.text) == UpperCase(b.text);
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

// What a file name with these switches asks for.
CommandKind KindOfRun(const Command& command, bool named, bool noGui) {
  if (!command.unknownSwitch.empty()) return CommandKind::UnknownSwitch;
  if (!command.outputs.empty()) return CommandKind::Batch;
  if (noGui) return CommandKind::NothingToDo;
  return named ? CommandKind::InteractiveNamed : CommandKind::InteractiveWithFile;
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
  bool named = false;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    std::string upper = UpperCase(argument);
    OutputSwitch output;
    if (upper == "/NOGUI" || upper == kColourSwitch || IsDxfSwitch(argument)) continue;
    if (upper == "/E" || upper == "/G") {
      named = true;
    } else if (ParseOutputSwitch(argument, output)) {
      auto same = [&output](const OutputSwitch& known) { return SameOutput(known, output); };
      if (std::none_of(command.outputs.begin(), command.outputs.end(), same)) command.outputs.push_back(output);
    } else if (command.unknownSwitch.empty()) {
      command.unknownSwitch = argument;
    }
  }
  command.kind = KindOfRun(command, named, HasNoGuiSwitch(arguments));
  return command;
}

bool IsBatchCadOutput(const OutputSwitch& output) {
  const CadFormat* format = CadFormatOf(output.cadTarget);
  return format && format->WritesNamedFile() && output.cadView >= NumberOf(ViewNumber::GeometryWithTable) &&
         output.cadView <= NumberOf(ViewNumber::Polyline);
}

std::string InvalidCadSwitchMessage(const OutputSwitch& output) {
  return output.text + " ?  /CADi:j mit i: " + CadFileTargetList() + " und j: Ansicht " +
         std::to_string(NumberOf(ViewNumber::GeometryWithTable)) + ".." + std::to_string(NumberOf(ViewNumber::Polyline));
}

std::string UnknownSwitchMessage(const std::string& argument) {
  return "unbekannter Schalter " + FileNameText(argument) + "  (bekannt: /I, /A, /JSON, /CADi:j, /STEP, /STL, /E, /G, /NOGUI, /COLOR, /AXIS=, /UNITS=)";
}

std::string NothingToDoMessage() {
  return "/NOGUI ohne Ausgabe: kein Fenster und nichts zu schreiben (/I, /A, /JSON oder /CADi:j fehlt)";
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
      "            i: " + CadFileTargetList(CadFileKind::Cad),
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
      "/STEP    -> STEP file (AP214, mm) of the solid: the contour revolved about x",
      "/STL     -> binary STL file of the solid (chordal deviation 0.01 mm, less for",
      "            bodies below 100 mm: 1/10000 of the larger of length and diameter)",
      "Output switches combine: w" + name + " test.kal /I /CAD1:5 /JSON reads and calculates once",
      "/CADi:j  -> also i: " + CadFileTargetList(CadFileKind::Page) + " (black lines; with /COLOR in the layer colours)",
      "            j: 1 geometry+polygon, 2 geometry, 3 table, 4 as 1, 5 sheet, 6 polyline",
      "",
      name + " --summary FILE_OR_FOLDER...   -> one CSV row per data file on the output",
      name + " --help                        -> this screen",
      name + " --version                     -> program version",
      "",
      "Exit codes: 0 success, 1 file, switch or calculation error, 2 unknown option",
  });
  for (const std::string& line : DxfSwitchUsageLines()) lines.push_back(line);
  return lines;
}

std::string VersionLine() { return std::string(kShortName) + " " + kProgramVersion; }

}  // namespace kalo
