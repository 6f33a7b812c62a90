#pragma once
// Start-up: the command line decides between a batch chain that ends the process and
// the interactive run, which is prepared here (data directory, user directory, template
// file, first calculation).

namespace kalo {

struct Context;

struct StartupOutcome {
  bool endProcess = false;
  int exitCode = 0;
};

// Runs after the configuration was read; the command line is in context.state.arguments.
StartupOutcome Startup(Context& context);

}  // namespace kalo
