#include "app/colour_switch.h"

#include <algorithm>
#include <strings.h>

namespace kalo {

bool HasColourSwitch(const std::vector<std::string>& arguments) {
  return std::any_of(arguments.begin(), arguments.end(),
                     [](const std::string& argument) { return strcasecmp(argument.c_str(), kColourSwitch) == 0; });
}

}  // namespace kalo
