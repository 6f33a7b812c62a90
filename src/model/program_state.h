#pragma once
// Flags and names that every command reads and changes.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "messages/outcome.h"
#include "model/foreign_solid.h"
#include "model/view_number.h"

namespace kalo {

struct ProgramState {
  bool modified = false;       // input changed since the last save
  // The current command is abandoned: set by a step the user cancelled or that failed, read
  // by the steps of a drawing or a report still running, which then stop.
  bool cancel = false;
  std::string currentFileName; // data file name without directory and extension
  std::string dataDirectory;   // where data file names without directory are placed
  // The named file may have changed since this body was read from it (a body taken up
  // again after a signal): saving under the name asks before it replaces the file.
  bool askBeforeReplacing = false;
  bool commandLineFile = false;
  bool messagesAllowed = true; // file error messages are shown
  bool cadBatch = false;       // a /CAD chain is running
  int helpNumber = 0;          // help text of the current dialog step
  ViewNumber shownView = ViewNumber::Choose;  // the view on the screen now; Choose when it shows none
  std::string startupDirectory;
  std::vector<std::string> arguments;  // the command line, without the program name
  std::array<std::string, 4> recentFiles;  // full paths of recently used data files, most recent first
  // What the last DXF import decided by a rule or passed over (unit, axis, gaps, loop, splines),
  // code page 850; empty for a body read from a data file.
  std::vector<std::string> importNotes;
  std::string importHeading = "DXF-IMPORT";  // the report's heading above the notes
  // The last STEP file read whose solid is no body of revolution: its own mass properties.
  std::optional<ForeignSolid> foreignSolid;
  // What the last command has to tell the user in the status line (code page 850); the
  // window clears it before every command.
  std::string notice;

  // The user cancelled a step: the rest of the command is abandoned.
  Outcome Cancel() {
    cancel = true;
    return Outcome::Cancelled();
  }
  // Before every command: nothing an earlier command left over stops or tells this one.
  void StartCommand() {
    cancel = false;
    notice.clear();
  }
};

}  // namespace kalo
