#pragma once
// The command line chains: the data file is read and calculated once, then every output the
// switches ask for is written, each replacing its file in one step.
#include "app/command_line.h"

namespace kalo {

struct Context;

// The name an output is written under in the working folder; an output of the same kind as
// the input file (a DXF drawing of a DXF drawing) gets a name that does not replace it.
std::string BatchOutputName(const OutputSwitch& output, const std::string& baseName, const std::string& inputName);

// What stops the outputs before anything is read or written: a malformed /CAD switch, or
// two switches writing the same file. Empty when they can all be written.
std::string BatchSwitchProblem(const Command& command);

// Runs the chain; the exit code: 0 when every output was written, else 1.
int RunBatch(Context& context, const Command& command);

}  // namespace kalo
