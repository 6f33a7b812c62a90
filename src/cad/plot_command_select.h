#pragma once
// The plot program's command line for an output run to the plot program.
namespace kalo {

struct Context;

// Chooses one of the stored command lines (when there are two or more), shows it in the
// parameter window and then in the text question "PENPLOT-Kommandozeile (0=Parameter)",
// where an empty answer or one starting with "0" composes it through the questions. The
// result is stored in the chosen line. False, with the cancel flag set, on any cancel.
bool CadSelectPlotCommand(Context& context);

}  // namespace kalo
