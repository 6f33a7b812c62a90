#pragma once
// Reads the lines of a data file one after the other. The first line that does not hold
// what is expected is remembered with its line number; every later read then yields
// empty values, so a reader can go on to its end and look at the outcome once.
#include <string>
#include <vector>

namespace kalo {

class DataFileLines {
 public:
  explicit DataFileLines(const std::vector<std::string>& lines) : lines_(lines) {}

  // The next line as it stands; marker lines are read with it and not compared.
  std::string Text();
  void Skip(int count);
  // The next line as a number, "." or "," as decimal separator.
  long double Real();
  long double RealWithin(long double minimum, long double maximum);
  // The next line as a whole number 0..maximum.
  long Count(long maximum);
  // A part of the line read last as a number or as a whole number 0..maximum.
  long double Number(const std::string& text);
  long Whole(const std::string& text, long maximum);

  // Refuses the line read last.
  void Fail(const std::string& reason);
  bool Failed() const { return !error_.empty(); }
  // Line number (from 1) and reason of the first refusal.
  int ErrorLine() const { return errorLine_; }
  const std::string& Error() const { return error_; }

 private:
  bool Next(std::string& line);

  const std::vector<std::string>& lines_;
  size_t next_ = 0;
  int errorLine_ = 0;
  std::string error_;
};

}  // namespace kalo
