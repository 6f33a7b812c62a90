#pragma once
// Help Demo: the self-running demonstration of the program.
#include <string>

#include "demo/demo_script.h"

namespace kalo {

struct Context;

// The script "kalo.dem" of the help picture folder ("PLT Ordner"), else the one shipped
// with the program, runs step by step; a script with a bad line names it and runs nothing.
void HelpDemo(Context& context);

// Runs the steps, data files named relative to folder. Each step's text stays on show for
// its time; a key or a click ends the demonstration. Afterwards the body, its file name,
// the modified flag, the configuration, the messages and the view are as they were before.
void RunDemo(Context& context, const DemoScript& script, const std::string& folder);

}  // namespace kalo
