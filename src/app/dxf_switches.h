#pragma once
// The switches of the command line for a DXF drawing: /AXIS=x|y and /UNITS=mm|in|m, anywhere
// after the file name, in any letter case.
#include <string>
#include <vector>

#include "edit/dxf_import.h"
#include "messages/outcome.h"

namespace kalo {

struct Context;

// The import options the arguments state for a batch chain (the largest likely loop) or the
// window. A failure names the wrong switch and what is possible, for a value that is none
// of those.
[[nodiscard]] Outcome DxfSwitchesOf(const std::vector<std::string>& arguments, DxfLoopChoice choice, DxfImportOptions& options);
// /AXIS=… or /UNITS=… in any letter case (its value is checked when the drawing is read).
bool IsDxfSwitch(const std::string& argument);
// Imports the drawing with the switches of the command line; a wrong switch is reported, is
// the failure's message and sets the cancel flag.
Outcome ImportDrawingAsSwitched(Context& context, const std::string& fileName, DxfLoopChoice choice);
// The lines of --help that describe them.
std::vector<std::string> DxfSwitchUsageLines();

}  // namespace kalo
