#pragma once
// Today's date and time, injected so that reports and dates are reproducible in tests.

namespace kalo {

struct DateTime {
  int year = 2000;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
};

// The computer's local time, or, for reproducible output, a fixed moment in seconds since
// 1970 (UTC), as the SOURCE_DATE_EPOCH convention of build tools gives it.
class SystemClock : public Clock {
 public:
  SystemClock() = default;
  explicit SystemClock(long long fixedEpochSeconds) : fixed_(true), epoch_(fixedEpochSeconds) {}
  DateTime Now() const override;

 private:
  bool fixed_ = false;
  long long epoch_ = 0;
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(DateTime now) : now_(now) {}
  DateTime Now() const override { return now_; }
  void Set(DateTime now) { now_ = now; }

 private:
  DateTime now_;
};

}  // namespace kalo

#include <string>

namespace kalo {

// The configured form of dates; each enumerator's value is the number kalo.cfg stores.
enum class DateCode : int {
  DottedDayMonthYear = 1,  // DD.MM.YYYY
  MonthDayYear = 2,        // MM/DD/YYYY
  YearMonthDay = 3,        // YYYY/MM/DD
  DayMonthYear = 4,        // DD/MM/YYYY
};

std::string FormatDate(const DateTime& date, DateCode dateCode);

}  // namespace kalo
