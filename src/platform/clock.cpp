#include "platform/clock.h"

#include <ctime>

namespace kalo {

DateTime SystemClock::Now() const {
  std::tm local {};
  if (fixed_) {
    std::time_t fixed = static_cast<std::time_t>(epoch_);
    gmtime_r(&fixed, &local);
  } else {
    std::time_t now = std::time(nullptr);
    localtime_r(&now, &local);
  }
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace kalo

#include <cstdio>

namespace kalo {

std::string FormatDate(const DateTime& date, DateCode dateCode) {
  char text[32];
  switch (dateCode) {
    case DateCode::MonthDayYear: std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month, date.day, date.year); break;
    case DateCode::YearMonthDay: std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day); break;
    case DateCode::DayMonthYear: std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day, date.month, date.year); break;
    default: std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year); break;
  }
  return text;
}

}  // namespace kalo
