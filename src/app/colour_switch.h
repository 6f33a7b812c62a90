#pragma once
// "/COLOR" anywhere on the command line (any letter case): the SVG and PDF drawings of a
// /CAD chain keep the layer colours instead of black lines.
#include <string>
#include <vector>

namespace kalo {

inline constexpr const char* kColourSwitch = "/COLOR";

bool HasColourSwitch(const std::vector<std::string>& arguments);

}  // namespace kalo
