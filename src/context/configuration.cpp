#include "context/configuration.h"

namespace kalo {

NumberFormat NumberFormatOf(const Configuration& config) {
  return {config.decimals, config.decimalSeparator == 2};
}

UnitSystem UnitSystemOf(const Configuration& config) {
  return {config.units == 1, config.specialCharacters == 1};
}

}  // namespace kalo
