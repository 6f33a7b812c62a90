#pragma once
// Handing a finished output file to another program (text program, HTML browser).
#include <string>

namespace kalo {

struct Context;

// A program named with a directory must exist as a file; a bare name is looked up in the
// directories of the PATH variable.
bool ProgramExists(const Context& context, const std::string& program);

// Starts program with the file as its argument, without waiting; when the program is
// missing or cannot start, the message program + " not found" and false.
bool StartProgramWithFile(Context& context, const std::string& program, const std::string& path);

}  // namespace kalo
