#pragma once
// The plot program started on the complete plot file.

namespace kalo {

struct Context;

// Starts the selected command line hidden and without a shell. The program word names
// the program; one without a folder is the program shipped with the data files of that
// name when there is one, else a program on the PATH. The plot file, named without a folder
// or as the temporary folder's "penplot", reaches the program as one argument even when
// the folder's name holds blanks. A program that cannot be started shows "file not found"
// and sets the cancel flag.
bool StartPlotCommand(Context& context);

}  // namespace kalo
