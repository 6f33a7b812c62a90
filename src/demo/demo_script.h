#pragma once
// The script of the self-running demonstration: one program step a line, with the time its
// text stays on show and the text that explains it.
//
//   ; a comment
//   open examples/pulley.kal | 5 | Eine Riemenscheibe wird geladen ...
//
// Commands: "open <data file>" (relative to the script's folder), "view <1..6>", "key
// <plus|minus|left|right|up|down|reset> [count]", "report <1|2>", "scale <factor>
// [<y factor>]", "shift <dx> <dy>", "calc" and "show" (the text alone). Times are
// seconds, 1..60.
#include <string>
#include <vector>

namespace kalo {

enum class DemoCommand { Open, View, Key, Report, Scale, Shift, Calculate, Show };

struct DemoStep {
  DemoCommand command = DemoCommand::Show;
  std::string file;                 // "open"
  std::vector<long double> values;  // the numbers of the other commands
  int key = 0;                      // "key": virtual key code
  int milliseconds = 0;
  std::string text;                 // code page 850
};

struct DemoScript {
  std::vector<DemoStep> steps;
  int badLine = 0;  // the first line that is no step (1-based); 0 when all are good
};

// Blank lines and lines starting with ";" are passed over.
DemoScript ParseDemoScript(const std::vector<std::string>& lines);

}  // namespace kalo
