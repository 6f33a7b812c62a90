#pragma once
// The clock of the programs: SOURCE_DATE_EPOCH fixes the date and time of the output, for
// reproducible reports.
#include "platform/clock.h"

namespace kalo {

SystemClock ClockFromEnvironment();

}  // namespace kalo
