#pragma once
// What the command line asks for.
#include <string>
#include <vector>

namespace kalo {

enum class CommandKind {
  Interactive,          // no argument
  Usage,                // "?" or "/?"
  InteractiveNamed,     // a file name with "/E" or "/G": not read, only named
  TextReport,           // "/I": the result report as FILE.txt
  CadOutput,            // "/CADi:j": view j on CAD target i
  InteractiveWithFile,  // a file name alone or with another switch
  FullReport,           // "/A": the result report and all results as FILE.txt
  JsonResults,          // "/JSON": every result as FILE.json
  Summary,              // "--summary FILE_OR_FOLDER...": one CSV row per data file
  LongUsage,            // "--help"
  Version,              // "--version"
  UnknownOption,        // any other first argument starting with "--"
};

struct Command {
  CommandKind kind = CommandKind::Interactive;
  std::string fileName;
  std::string cadSwitch;  // "/CADi:j" as given
  int cadTarget = 0;      // i of /CADi:j
  int cadView = 0;        // j of /CADi:j
  std::vector<std::string> summaryInputs;  // the files and folders after --summary
};

Command ParseCommandLine(const std::vector<std::string>& arguments);
// A /CAD chain draws one of the views 1..6 into a file: DXF, IGES or TXT. The screen does
// not exist without the window, and the plot program would be handed a drawing in this
// run's scratch folder, which goes when the run ends without waiting for it.
bool IsBatchCadOutput(const Command& command);
// What is wrong with a /CAD switch that IsBatchCadOutput refuses, and what is possible.
std::string InvalidCadSwitchMessage(const Command& command);
// "/NOGUI" anywhere on the command line, in any letter case.
bool HasNoGuiSwitch(const std::vector<std::string>& arguments);
// The 21 lines of the usage screen.
std::vector<std::string> UsageLines();
// The usage screen followed by the switches beside the original ones (--help).
std::vector<std::string> LongUsageLines();
// "kalo 2.0" (--version).
std::string VersionLine();

}  // namespace kalo
