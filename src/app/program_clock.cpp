#include "app/program_clock.h"

#include <cstdlib>

namespace kalo {

SystemClock ClockFromEnvironment() {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  return epoch && *epoch ? SystemClock(std::atoll(epoch)) : SystemClock();
}

}  // namespace kalo
