#include "context/configuration.h"

namespace kalo {

NumberFormat NumberFormatOf(const Configuration& config) {
  return {config.decimals, config.decimalSeparator == DecimalSeparator::Comma};
}

UnitSystem UnitSystemOf(const Configuration& config) {
  return {config.units == UnitSetting::English, config.specialCharacters == SpecialCharacters::PlainLetters};
}

}  // namespace kalo
