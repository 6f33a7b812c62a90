#pragma once
// The switches of the command line for a DXF drawing: /AXIS=x|y and /UNITS=mm|in|m, anywhere
// after the file name, in any letter case.
#include <string>
#include <vector>

#include "edit/dxf_import.h"

namespace kalo {

// The import options the arguments state for a batch chain (the largest likely loop) or the
// window. False, with the wrong switch and what is possible in error, for a value that is
// none of those.
bool DxfSwitchesOf(const std::vector<std::string>& arguments, DxfLoopChoice choice, DxfImportOptions& options,
                   std::string& error);
// The lines of --help that describe them.
std::vector<std::string> DxfSwitchUsageLines();

}  // namespace kalo
