#pragma once
// Handing a finished output file, a linked document or a web address to another program
// (text program, HTML browser, the desktop's opener).
#include <string>

namespace kalo {

struct Context;

// A program named with a directory must exist as a file; a bare name is looked up in the
// directories of the PATH variable.
bool ProgramExists(const Context& context, const std::string& program);

// Starts program with the one argument (none when it is empty), without waiting. When the
// desktop's opener is missing or cannot start, the window system opens the argument its
// own way. False when nothing was started.
bool LaunchProgram(Context& context, const std::string& program, const std::string& argument);

// Starts program with the file as its argument, without waiting; when nothing could start,
// the message program + " not found" and false.
bool StartProgramWithFile(Context& context, const std::string& program, const std::string& path);

}  // namespace kalo
