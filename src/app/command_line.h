#pragma once
// What the command line asks for.
#include <string>
#include <vector>

namespace kalo {

enum class CommandKind {
  Interactive,          // no argument
  Usage,                // "?" or "/?"
  InteractiveNamed,     // a file name with "/E" or "/G": not read, only named
  Batch,                // a file name with output switches: read once, every output written
  InteractiveWithFile,  // a file name alone
  NothingToDo,          // "/NOGUI" without an output switch: no window and nothing to write
  UnknownSwitch,        // an argument after the file name that is no switch of the program
  Summary,              // "--summary FILE_OR_FOLDER...": one CSV row per data file
  LongUsage,            // "--help"
  Version,              // "--version"
  UnknownOption,        // any other first argument starting with "--"
};

enum class OutputKind {
  TextReport,   // "/I": the result report as FILE.txt
  FullReport,   // "/A": the result report and all results as FILE.txt
  JsonResults,  // "/JSON": every result as FILE.json
  Cad,          // "/CADi:j": view j on CAD target i
  Step,         // "/STEP": the revolved solid as FILE.step
  Stl,          // "/STL": its tessellation as FILE.stl
};

struct OutputSwitch {
  OutputKind kind = OutputKind::TextReport;
  std::string text;    // the switch as given
  int cadTarget = 0;   // i of /CADi:j; 0 when the switch is not of that form
  int cadView = 0;     // j of /CADi:j; 0 when the switch is not of that form
};

struct Command {
  CommandKind kind = CommandKind::Interactive;
  std::string fileName;
  std::vector<OutputSwitch> outputs;       // in the order given, each once
  std::string unknownSwitch;               // the first argument that is no switch
  std::vector<std::string> summaryInputs;  // the files and folders after --summary
};

// The first argument names the file (or is "?", "/?" or a "--" option); every later one is
// a switch in any letter case and any order. Output switches may be combined.
Command ParseCommandLine(const std::vector<std::string>& arguments);
// A /CAD switch draws one of the views 1..6 into a file: DXF, IGES, TXT, SVG or PDF. The
// screen does not exist without the window, and the plot program would be handed a drawing
// in this run's scratch folder, which goes when the run ends without waiting for it.
bool IsBatchCadOutput(const OutputSwitch& output);
// What is wrong with a /CAD switch that IsBatchCadOutput refuses, and what is possible.
std::string InvalidCadSwitchMessage(const OutputSwitch& output);
// The message for an argument that is no switch of the program.
std::string UnknownSwitchMessage(const std::string& argument);
// The message for /NOGUI without an output switch.
std::string NothingToDoMessage();
// "/NOGUI" anywhere on the command line, in any letter case.
bool HasNoGuiSwitch(const std::vector<std::string>& arguments);
// The 21 lines of the usage screen.
std::vector<std::string> UsageLines();
// The usage screen followed by the switches beside the original ones (--help).
std::vector<std::string> LongUsageLines();
// "kalo 2.0" (--version).
std::string VersionLine();

}  // namespace kalo
