#pragma once
// kalo-solid, the program beside kalo and kalo-gui that does the OpenCascade work, started
// for one request and waited for.
#include <string>

#include "solid/solid_request.h"

namespace kalo {

struct Context;

inline constexpr const char* kSolidProgramName = "kalo-solid";

// The solid program beside the given program file.
std::string SolidProgramPath(const std::string& ownProgram);

// Runs the solid program beside this one on the request. When it is missing, cannot run or
// gives no answer, the answer carries the reason as its error.
SolidAnswer RunSolidProgram(Context& context, const SolidRequest& request);

}  // namespace kalo
